// The talk editor: number and title, the topics shown or chosen, and the weeks the talk
// was given.
#include "ui/reference/talk_edit_dialog_widget.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QSignalBlocker>
#include <QVBoxLayout>

namespace ambon::ui {

TalkEditDialogWidget::TalkEditDialogWidget(TalkEditDialog& model, QWidget* parent)
    : ScreenDialog(model, parent), model_(model) {
    using C = TalkEditDialog;

    number_ = new QLineEdit(this);
    setControlId(number_, C::NumberText);
    number_->setMaxLength(static_cast<int>(C::kNumberLimit));
    number_->setFixedWidth(number_->fontMetrics().horizontalAdvance(QStringLiteral("MMMMMM")) + 12);
    connect(number_, &QLineEdit::textEdited, this,
            [this](const QString& text) { model_.setNumberText(ss(text)); });
    title_ = new QLineEdit(this);
    setControlId(title_, C::Title);
    title_->setMaxLength(static_cast<int>(C::kTitleLimit));
    title_->setMinimumWidth(dialogUnitsToPixels(title_, 300));
    connect(title_, &QLineEdit::textEdited, this,
            [this](const QString& text) { model_.setTitle(ss(text)); });

    topicButton_ = new QPushButton(this);
    setControlId(topicButton_, C::TopicButton);
    bind(topicButton_, [this] { model_.pressTopicButton(); });

    const int listHeight = fontMetrics().height() * 12;
    chooseTopics_ = new QListWidget(this);
    setControlId(chooseTopics_, C::ChooseTopics);
    chooseTopics_->setSelectionMode(QAbstractItemView::MultiSelection);
    chooseTopics_->setMinimumHeight(listHeight);
    connect(chooseTopics_, &QListWidget::itemSelectionChanged, this, [this] {
        model_.setTopicSelection(selectedRows(chooseTopics_));
        settle();
    });
    talkTopics_ = new QListWidget(this);
    setControlId(talkTopics_, C::TalkTopics);
    talkTopics_->setSelectionMode(QAbstractItemView::NoSelection);
    talkTopics_->setMinimumHeight(listHeight);
    const int topicWidth =
        fontMetrics().horizontalAdvance(QStringLiteral("Christelijke maatstaven / Eigenschappen")) +
        40;
    chooseTopics_->setMinimumWidth(topicWidth);
    talkTopics_->setMinimumWidth(topicWidth);

    editTopics_ = new QPushButton(this);
    setControlId(editTopics_, C::EditTopics);
    bind(editTopics_, [this] { model_.pressEditTopics(); });

    historyGroup_ = new QGroupBox(this);
    history_ = new QListWidget(historyGroup_);
    setControlId(history_, C::History);
    history_->setSelectionMode(QAbstractItemView::SingleSelection);
    history_->setMinimumWidth(fontMetrics().horizontalAdvance(QStringLiteral("Mmm 00, 0000")) + 40);
    connect(history_, &QListWidget::itemSelectionChanged, this, [this] {
        auto rows = selectedRows(history_);
        if (!rows.empty()) model_.selectHistoryRow(rows.front());
        settle();
    });
    auto* historyLayout = new QVBoxLayout(historyGroup_);
    historyLayout->addWidget(history_);

    previous_ = new QPushButton(this);
    setControlId(previous_, C::Previous);
    next_ = new QPushButton(this);
    setControlId(next_, C::Next);
    ok_ = new QPushButton(this);
    setControlId(ok_, C::Ok);
    cancel_ = new QPushButton(this);
    setControlId(cancel_, C::Cancel);
    for (auto* b : {topicButton_, editTopics_, previous_, next_, cancel_}) b->setAutoDefault(false);
    ok_->setDefault(true);
    bind(previous_, [this] { model_.previous(); });
    bind(next_, [this] { model_.next(); });
    bind(ok_, [this] { model_.ok(); });
    bind(cancel_, [this] { model_.cancel(); });

    auto* names = new QHBoxLayout;
    names->addWidget(number_);
    names->addWidget(title_, 1);

    // The two topic lists share one place; the history and the topic list button keep
    // theirs while hidden, so switching between showing and choosing moves nothing.
    auto* lists = new QGridLayout;
    lists->addWidget(chooseTopics_, 0, 0);
    lists->addWidget(talkTopics_, 0, 0);
    for (QWidget* w : {static_cast<QWidget*>(editTopics_), static_cast<QWidget*>(historyGroup_)}) {
        QSizePolicy policy = w->sizePolicy();
        policy.setRetainSizeWhenHidden(true);
        w->setSizePolicy(policy);
    }
    auto* topics = new QVBoxLayout;
    topics->addWidget(topicButton_);
    topics->addLayout(lists, 1);
    topics->addWidget(editTopics_);

    auto* middle = new QHBoxLayout;
    middle->addLayout(topics, 1);
    middle->addWidget(historyGroup_);

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(previous_);
    buttons->addWidget(next_);
    buttons->addStretch(1);
    buttons->addWidget(ok_);
    buttons->addWidget(cancel_);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(names);
    layout->addLayout(middle, 1);
    layout->addLayout(buttons);

    setTabOrder(number_, title_);
    setTabOrder(title_, topicButton_);
    setTabOrder(topicButton_, chooseTopics_);
    setTabOrder(chooseTopics_, talkTopics_);
    setTabOrder(talkTopics_, editTopics_);
    setTabOrder(editTopics_, history_);
    setTabOrder(history_, previous_);
    setTabOrder(previous_, next_);
    setTabOrder(next_, ok_);
    setTabOrder(ok_, cancel_);
    render();
    title_->setFocus();
}

void TalkEditDialogWidget::setEdit(QLineEdit* edit, const ControlView& view) {
    // Only text the user did not just type is put back, so the cursor stays.
    if (edit->text() != qs(view.text)) {
        QSignalBlocker block(edit);
        edit->setText(qs(view.text));
    }
    edit->setVisible(view.visible);
    edit->setEnabled(view.enabled);
}

void TalkEditDialogWidget::render() {
    auto v = model_.view();
    setWindowTitle(qs(v.caption));
    setEdit(number_, v.numberText);
    setEdit(title_, v.title);
    apply(topicButton_, v.topicButton);
    apply(chooseTopics_, v.chooseTopics);
    apply(talkTopics_, v.talkTopics);
    apply(editTopics_, v.editTopics);
    historyGroup_->setTitle(qs(v.historyGroup.text));
    historyGroup_->setVisible(v.historyGroup.visible);
    apply(history_, v.history);
    apply(previous_, v.previous);
    apply(next_, v.next);
    apply(ok_, v.ok);
    apply(cancel_, v.cancel);
}

}  // namespace ambon::ui
