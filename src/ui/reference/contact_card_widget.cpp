// The contact card: the explanation on top, the coordinator's and the speaker's
// numbers and addresses in read-only fields, the copy button and OK at the bottom.
#include "ui/reference/contact_card_widget.h"

#include <QEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>

namespace ambon::ui {

ContactCardWidget::PersonWidgets ContactCardWidget::addPerson(int groupId,
                                                              std::array<int, 3> phoneIds,
                                                              int emailId) {
    PersonWidgets w;
    w.group = new QGroupBox(this);
    setControlId(w.group, groupId);
    auto* layout = new QVBoxLayout(w.group);
    auto field = [&](int id) {
        auto* edit = new QLineEdit(w.group);
        setControlId(edit, id);
        edit->setReadOnly(true);
        edit->installEventFilter(this);
        layout->addWidget(edit);
        return edit;
    };
    for (std::size_t i = 0; i < phoneIds.size(); ++i) w.phones[i] = field(phoneIds[i]);
    w.email = field(emailId);
    w.email->setMinimumWidth(w.email->fontMetrics().averageCharWidth() * 40);
    return w;
}

ContactCardWidget::ContactCardWidget(ContactCard& model, QWidget* parent)
    : ScreenDialog(model, parent), model_(model) {
    using C = ContactCard;
    const auto v = model.view();
    setWindowTitle(qs(v.caption));

    auto* text = new QLabel(qs(v.text), this);
    coordinator_ = addPerson(C::CoordinatorGroup,
                             {C::CoordinatorPhone1, C::CoordinatorPhone2, C::CoordinatorPhone3},
                             C::CoordinatorEmail);
    speaker_ = addPerson(C::SpeakerGroup, {C::SpeakerPhone1, C::SpeakerPhone2, C::SpeakerPhone3},
                         C::SpeakerEmail);

    copy_ = new QPushButton(this);
    ok_ = new QPushButton(this);
    setControlId(copy_, C::Copy);
    setControlId(ok_, C::Ok);
    copy_->setAutoDefault(false);
    ok_->setDefault(true);
    bind(copy_, [this] { model_.pressCopy(); });
    bind(ok_, [this] { model_.close(); });

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(copy_);
    buttons->addStretch(1);
    buttons->addWidget(ok_);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(text);
    layout->addWidget(coordinator_.group);
    layout->addWidget(speaker_.group);
    layout->addStretch(1);
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetMinimumSize);
    settle();
}

bool ContactCardWidget::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::FocusIn && !model_.closed()) {
        bool isNumber = false;
        const int id = watched->objectName().toInt(&isNumber);
        if (isNumber) {
            model_.focusField(id);
            settle();
        }
    }
    return ScreenDialog::eventFilter(watched, event);
}

void ContactCardWidget::applyPerson(PersonWidgets& w, const ContactCard::Person& view) {
    w.group->setTitle(qs(view.group.text));
    w.group->setVisible(view.group.visible);
    auto field = [](QLineEdit* edit, const ControlView& v) {
        // Setting the same text again would drop what the user selected.
        if (edit->text() != qs(v.text)) edit->setText(qs(v.text));
        edit->setVisible(v.visible);
    };
    for (std::size_t i = 0; i < w.phones.size(); ++i) field(w.phones[i], view.phones[i]);
    field(w.email, view.email);
}

void ContactCardWidget::render() {
    const auto v = model_.view();
    applyPerson(coordinator_, v.coordinator);
    applyPerson(speaker_, v.speaker);
    apply(copy_, v.copy);
    apply(ok_, v.ok);
}

}  // namespace ambon::ui
