// The preferences screen: check boxes, the meeting-time radio buttons, the printed
// schedule group and the two margin lists.
#include "ui/shell/preferences_dialog_widget.h"

#include <QFocusEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QScrollBar>
#include <QVBoxLayout>

namespace ambon::ui {

// The 00..99 list: keys and focus go to the model's NumberList; scrolling is reported.
class NumberListWidget : public QListWidget {
public:
    NumberListWidget(NumberList& model, std::function<void()> changed, QWidget* parent)
        : QListWidget(parent), model_(model), changed_(std::move(changed)) {
        setSelectionMode(QAbstractItemView::SingleSelection);
        setUniformItemSizes(true);
        connect(verticalScrollBar(), &QScrollBar::valueChanged, this, [this](int value) {
            if (!rendering_) model_.scrolledTo(value);
        });
        connect(this, &QListWidget::itemClicked, this, [this](QListWidgetItem* item) {
            model_.select(row(item));
            changed_();
        });
    }

    void render() {
        rendering_ = true;
        apply(this, model_.view());
        // The list scrolls per item, so the scroll value is the top row.
        verticalScrollBar()->setValue(model_.top());
        rendering_ = false;
    }

protected:
    void keyPressEvent(QKeyEvent* event) override {
        QString t = event->text();
        if (t.size() == 1 && t[0].isDigit()) {
            model_.typeDigit(static_cast<char>(t[0].toLatin1()));
        } else if (event->key() == Qt::Key_Up) {
            model_.arrow(-1);
        } else if (event->key() == Qt::Key_Down) {
            model_.arrow(1);
        } else {
            QListWidget::keyPressEvent(event);
            return;
        }
        changed_();
        if (model_.selected() >= 0) scrollToItem(item(model_.selected()));
    }
    void focusInEvent(QFocusEvent* event) override {
        model_.focusGained();
        QListWidget::focusInEvent(event);
    }
    void focusOutEvent(QFocusEvent* event) override {
        model_.focusLost();
        QListWidget::focusOutEvent(event);
        changed_();
    }

private:
    NumberList& model_;
    std::function<void()> changed_;
    bool rendering_ = false;
};

QCheckBox* PreferencesDialogWidget::addCheck(int id) {
    auto* box = new QCheckBox(this);
    setControlId(box, id);
    connect(box, &QCheckBox::toggled, this, [this, id](bool on) {
        model_.setChecked(id, on);
        settle();
    });
    return box;
}

PreferencesDialogWidget::PreferencesDialogWidget(PreferencesDialog& model, QWidget* parent)
    : ScreenDialog(model, parent), model_(model) {
    using C = PreferencesDialog;
    auto v = model.view();
    setWindowTitle(qs(v.caption));

    alternativeDate_ = addCheck(C::AlternativeDate);
    planHospitality_ = addCheck(C::PlanHospitality);
    planReaders_ = addCheck(C::PlanReaders);
    calendarYear_ = new QRadioButton(this);
    serviceYear_ = new QRadioButton(this);
    setControlId(calendarYear_, C::CalendarYear);
    setControlId(serviceYear_, C::ServiceYear);
    for (auto [radio, id] : {std::pair{calendarYear_, int(C::CalendarYear)},
                             std::pair{serviceYear_, int(C::ServiceYear)}}) {
        connect(radio, &QRadioButton::toggled, this, [this, id](bool on) {
            if (!on) return;
            model_.setChecked(id, true);
            settle();
        });
    }
    showReaders_ = addCheck(C::ShowReaders);
    omitTalkNumbers_ = addCheck(C::OmitTalkNumbers);
    omitOutgoing_ = addCheck(C::OmitOutgoing);
    dateStamp_ = addCheck(C::DateStamp);
    autoCap_ = addCheck(C::AutoCap);

    title_ = new QLineEdit(this);
    setControlId(title_, C::Title);
    title_->setText(qs(v.title));
    connect(title_, &QLineEdit::textEdited, this,
            [this](const QString& text) { model_.setTitle(ss(text)); });

    barStyle_ = new QPushButton(this);
    setControlId(barStyle_, C::BarStyle);
    barStyle_->setAutoDefault(false);
    bind(barStyle_, [this] { model_.pressBarStyle(); });
    barColour_ = new QPushButton(this);
    setControlId(barColour_, C::BarColour);
    barColour_->setAutoDefault(false);
    bind(barColour_, [this] { model_.pressBarColour(); });

    topMargin_ = new NumberListWidget(
        model.topMargin(), [this] { settle(); }, this);
    leftMargin_ = new NumberListWidget(
        model.leftMargin(), [this] { settle(); }, this);
    setControlId(topMargin_, C::TopMargin);
    setControlId(leftMargin_, C::LeftMargin);
    for (auto* list : {topMargin_, leftMargin_}) {
        list->setFixedWidth(list->fontMetrics().horizontalAdvance(QStringLiteral("000000")) + 24);
        list->setFixedHeight(list->fontMetrics().height() * 5);
    }

    letters_ = new QPushButton(this);
    setControlId(letters_, C::Letters);
    ok_ = new QPushButton(this);
    cancel_ = new QPushButton(this);
    setControlId(ok_, C::Ok);
    setControlId(cancel_, C::Cancel);
    ok_->setDefault(true);
    bind(ok_, [this] { model_.ok(); });
    bind(cancel_, [this] { model_.cancel(); });

    // Layout: general settings on the left, the printed schedule on the right.
    auto* left = new QVBoxLayout;
    left->addWidget(alternativeDate_);
    left->addWidget(planHospitality_);
    left->addWidget(planReaders_);
    auto* meeting = new QGroupBox(qs(v.meetingTimeGroup), this);
    auto* meetingLayout = new QVBoxLayout(meeting);
    meetingLayout->addWidget(calendarYear_);
    meetingLayout->addWidget(serviceYear_);
    left->addWidget(meeting);
    left->addWidget(autoCap_);
    left->addStretch(1);

    auto* print = new QGroupBox(qs(v.printGroup), this);
    auto* printLayout = new QGridLayout(print);
    printLayout->addWidget(showReaders_, 0, 0, 1, 2);
    printLayout->addWidget(omitTalkNumbers_, 1, 0, 1, 2);
    printLayout->addWidget(omitOutgoing_, 2, 0, 1, 2);
    printLayout->addWidget(new QLabel(qs(v.titleLabel), print), 3, 0, 1, 2);
    printLayout->addWidget(title_, 4, 0, 1, 2);
    printLayout->addWidget(barStyle_, 5, 0, 1, 2);
    printLayout->addWidget(barColour_, 6, 0, 1, 1, Qt::AlignLeft);
    auto* topLabel = new QLabel(qs(v.topMarginLabel), print);
    auto* leftLabel = new QLabel(qs(v.leftMarginLabel), print);
    topLabel->setWordWrap(true);
    leftLabel->setWordWrap(true);
    topLabel->setBuddy(topMargin_);
    leftLabel->setBuddy(leftMargin_);
    printLayout->addWidget(topLabel, 7, 0);
    printLayout->addWidget(leftLabel, 7, 1);
    printLayout->addWidget(topMargin_, 8, 0, Qt::AlignLeft);
    printLayout->addWidget(leftMargin_, 8, 1, Qt::AlignLeft);
    printLayout->addWidget(dateStamp_, 9, 0, 1, 2);

    auto* columns = new QHBoxLayout;
    columns->addLayout(left, 1);
    columns->addWidget(print, 1);

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(letters_);
    buttons->addStretch(1);
    buttons->addWidget(ok_);
    buttons->addWidget(cancel_);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(columns);
    layout->addLayout(buttons);

    render();
}

void PreferencesDialogWidget::render() {
    auto v = model_.view();
    apply(alternativeDate_, v.alternativeDate);
    apply(planHospitality_, v.planHospitality);
    apply(planReaders_, v.planReaders);
    apply(calendarYear_, v.calendarYear);
    apply(serviceYear_, v.serviceYear);
    apply(showReaders_, v.showReaders);
    apply(omitTalkNumbers_, v.omitTalkNumbers);
    apply(omitOutgoing_, v.omitOutgoing);
    apply(barStyle_, v.barStyle);
    apply(barColour_, v.barColour);
    apply(dateStamp_, v.dateStamp);
    apply(autoCap_, v.autoCap);
    apply(letters_, v.letters);
    apply(ok_, v.ok);
    apply(cancel_, v.cancel);
    if (title_->text() != qs(v.title)) title_->setText(qs(v.title));
    topMargin_->render();
    leftMargin_->render();
}

}  // namespace ambon::ui
