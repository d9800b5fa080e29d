// One congregation: name and role buttons on top, the meeting schedule, hall address and
// telephones in their groups, the navigation and closing buttons at the bottom.
#include "ui/reference/congregation_dialog_widget.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>

namespace ambon::ui {

namespace {

void applyEdit(QLineEdit* edit, const ControlView& view) {
    if (edit->text() != qs(view.text)) edit->setText(qs(view.text));
    edit->setVisible(view.visible);
    edit->setEnabled(view.enabled);
}

}  // namespace

QLineEdit* CongregationDialogWidget::addEdit(int id, std::size_t limit) {
    auto* edit = new QLineEdit(this);
    setControlId(edit, id);
    edit->setMaxLength(static_cast<int>(limit));
    connect(edit, &QLineEdit::textEdited, this, [this, id](const QString& text) {
        model_.setText(id, ss(text));
        settle();
    });
    return edit;
}

QPushButton* CongregationDialogWidget::addButton(int id, std::function<void()> action) {
    auto* button = new QPushButton(this);
    setControlId(button, id);
    button->setAutoDefault(false);
    if (action) {
        connect(button, &QPushButton::clicked, this, [this, action = std::move(action)] {
            action();
            settle();
        });
    }
    return button;
}

CongregationDialogWidget::CongregationDialogWidget(CongregationDialog& model, QWidget* parent)
    : ScreenDialog(model, parent), model_(model) {
    using C = CongregationDialog;
    const auto v = model.view();
    setWindowTitle(qs(v.caption));

    name_ = addEdit(C::Name, C::kNameEdit);
    name_->setReadOnly(v.nameReadOnly);
    timeEven_ = addEdit(C::TimeEven, C::kTimeEdit);
    timeOdd_ = addEdit(C::TimeOdd, C::kTimeEdit);
    address1_ = addEdit(C::Address1, C::kAddressEdit);
    address2_ = addEdit(C::Address2, C::kAddressEdit);
    phone1_ = addEdit(C::Phone1, C::kPhoneEdit);
    phone2_ = addEdit(C::Phone2, C::kPhoneEdit);
    for (auto* edit : {timeEven_, timeOdd_, phone1_, phone2_})
        edit->setMinimumWidth(edit->fontMetrics().horizontalAdvance(QString(16, QChar('0'))));

    brothers_ = addButton(C::Brothers, [this] { model_.pressBrothers(); });
    talkCoordinator_ = addButton(C::TalkCoordinator,
                                 [this] { model_.pressRole(CongregationDialog::TalkCoordinator); });
    elderCoordinator_ = addButton(
        C::ElderCoordinator, [this] { model_.pressRole(CongregationDialog::ElderCoordinator); });
    secretary_ =
        addButton(C::Secretary, [this] { model_.pressRole(CongregationDialog::Secretary); });
    // The map picker does not exist yet; the model keeps its button disabled.
    map_ = addButton(C::Map, nullptr);

    circuit_ = addButton(C::Circuit, [this] { model_.pressCircuit(); });
    dayEven_ = new QPushButton(this);
    dayOdd_ = new QPushButton(this);
    setControlId(dayEven_, C::DayEven);
    setControlId(dayOdd_, C::DayOdd);
    for (auto [button, id] :
         {std::pair{dayEven_, int(C::DayEven)}, std::pair{dayOdd_, int(C::DayOdd)}}) {
        button->setAutoDefault(false);
        button->setMinimumWidth(
            button->fontMetrics().horizontalAdvance(QStringLiteral("Wednesday")) + 24);
        connect(button, &QPushButton::clicked, this, [this, id] {
            model_.pressDay(id);
            settle();
        });
    }
    delete_ = addButton(C::Delete, [this] { model_.pressDelete(); });
    cancel_ = addButton(C::Cancel, [this] { model_.cancel(); });
    previous_ = addButton(C::Previous, [this] { model_.previous(); });
    next_ = addButton(C::Next, [this] { model_.next(); });
    apply_ = addButton(C::Apply, [this] { model_.apply(); });
    ok_ = addButton(C::Ok, [this] { model_.ok(); });
    ok_->setDefault(true);

    // Name and the buttons that belong to the congregation as a whole.
    auto* nameRow = new QHBoxLayout;
    auto* nameLabel = new QLabel(qs(v.nameLabel), this);
    nameLabel->setBuddy(name_);
    nameRow->addWidget(nameLabel);
    nameRow->addWidget(name_, 1);

    auto* roles = new QVBoxLayout;
    auto* topButtons = new QHBoxLayout;
    topButtons->addWidget(brothers_);
    topButtons->addWidget(circuit_, 1);
    roles->addLayout(topButtons);
    roles->addWidget(elderCoordinator_);
    roles->addWidget(talkCoordinator_);
    roles->addWidget(secretary_);

    auto* meeting = new QGroupBox(qs(v.meetingGroup), this);
    auto* meetingLayout = new QGridLayout(meeting);
    meetingLayout->addWidget(new QLabel(qs(v.evenLabel), meeting), 0, 0);
    meetingLayout->addWidget(dayEven_, 0, 1);
    auto* evenTime = new QLabel(qs(v.timeLabel), meeting);
    evenTime->setBuddy(timeEven_);
    meetingLayout->addWidget(evenTime, 0, 2);
    meetingLayout->addWidget(timeEven_, 0, 3);
    meetingLayout->addWidget(new QLabel(qs(v.oddLabel), meeting), 1, 0);
    meetingLayout->addWidget(dayOdd_, 1, 1);
    auto* oddTime = new QLabel(qs(v.timeLabel), meeting);
    oddTime->setBuddy(timeOdd_);
    meetingLayout->addWidget(oddTime, 1, 2);
    meetingLayout->addWidget(timeOdd_, 1, 3);
    meetingLayout->setColumnStretch(3, 1);

    auto* address = new QGroupBox(qs(v.addressGroup), this);
    auto* addressLayout = new QVBoxLayout(address);
    addressLayout->addWidget(address1_);
    addressLayout->addWidget(address2_);

    auto* phones = new QGroupBox(qs(v.phoneGroup), this);
    auto* phoneLayout = new QVBoxLayout(phones);
    phoneLayout->addWidget(phone1_);
    phoneLayout->addWidget(phone2_);

    auto* groups = new QGridLayout;
    groups->addWidget(meeting, 0, 0);
    groups->addWidget(phones, 0, 1);
    groups->addWidget(address, 1, 0, 1, 2);
    groups->setColumnStretch(0, 2);
    groups->setColumnStretch(1, 1);

    auto* bottom = new QHBoxLayout;
    bottom->addWidget(map_);
    bottom->addWidget(delete_);
    bottom->addStretch(1);
    bottom->addWidget(previous_);
    bottom->addWidget(next_);
    bottom->addSpacing(12);
    bottom->addWidget(apply_);
    bottom->addWidget(cancel_);
    bottom->addWidget(ok_);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(nameRow);
    layout->addLayout(roles);
    layout->addLayout(groups);
    layout->addLayout(bottom);
    layout->setSizeConstraint(QLayout::SetMinimumSize);

    QWidget* order[] = {
        name_,     brothers_, circuit_, elderCoordinator_, talkCoordinator_, secretary_,
        dayEven_,  timeEven_, dayOdd_,  timeOdd_,          phone1_,          phone2_,
        address1_, address2_, map_,     delete_,           previous_,        next_,
        apply_,    cancel_,   ok_};
    for (std::size_t i = 1; i < std::size(order); ++i) setTabOrder(order[i - 1], order[i]);

    settle();
}

void CongregationDialogWidget::render() {
    const auto v = model_.view();
    applyEdit(name_, v.name);
    name_->setReadOnly(v.nameReadOnly);
    applyEdit(timeEven_, v.timeEven);
    applyEdit(timeOdd_, v.timeOdd);
    applyEdit(address1_, v.address1);
    applyEdit(address2_, v.address2);
    applyEdit(phone1_, v.phone1);
    applyEdit(phone2_, v.phone2);
    apply(brothers_, v.brothers);
    apply(talkCoordinator_, v.talkCoordinator);
    apply(elderCoordinator_, v.elderCoordinator);
    apply(secretary_, v.secretary);
    apply(circuit_, v.circuit);
    apply(dayEven_, v.dayEven);
    apply(dayOdd_, v.dayOdd);
    apply(map_, v.map);
    apply(delete_, v.del);
    apply(cancel_, v.cancel);
    apply(previous_, v.previous);
    apply(next_, v.next);
    apply(ok_, v.ok);
    apply(apply_, v.apply);
}

}  // namespace ambon::ui
