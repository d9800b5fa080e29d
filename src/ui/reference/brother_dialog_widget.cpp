// One brother: the availability and talk buttons on top, the names, the address and
// contact groups, the office boxes, the congregation, and the navigation and closing
// buttons along the bottom.
#include "ui/reference/brother_dialog_widget.h"

#include <QEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>

namespace ambon::ui {

namespace {

void applyEdit(QLineEdit* edit, const ControlView& view, int caret = -1) {
    if (edit->text() != qs(view.text)) {
        edit->setText(qs(view.text));
        if (caret >= 0) edit->setCursorPosition(caret);
    }
    edit->setVisible(view.visible);
    edit->setEnabled(view.enabled);
}

}  // namespace

QLineEdit* BrotherDialogWidget::addEdit(int id, std::size_t limit, int widthChars) {
    auto* edit = new QLineEdit(this);
    setControlId(edit, id);
    edit->setMaxLength(static_cast<int>(limit));
    edit->setMinimumWidth(edit->fontMetrics().averageCharWidth() * widthChars + 12);
    connect(edit, &QLineEdit::textEdited, this, [this, id](const QString& text) {
        model_.setText(id, ss(text));
        settle();
    });
    edits_[id] = edit;
    return edit;
}

QPushButton* BrotherDialogWidget::addButton(int id, std::function<void()> action) {
    auto* button = new QPushButton(this);
    setControlId(button, id);
    bind(button, std::move(action));
    return button;
}

int BrotherDialogWidget::focusedControl() const {
    const QWidget* w = focusWidget();
    bool isNumber = false;
    const int id = w != nullptr ? w->objectName().toInt(&isNumber) : 0;
    return isNumber ? id : 0;
}

BrotherDialogWidget::BrotherDialogWidget(BrotherDialog& model, QWidget* parent)
    : ScreenDialog(model, parent), model_(model) {
    using C = BrotherDialog;
    const auto v = model.view();
    setWindowTitle(qs(v.caption));

    auto* firstName = addEdit(C::FirstName, C::kNameEdit, 20);
    auto* lastName = addEdit(C::LastName, C::kNameEdit, 20);
    firstName->installEventFilter(this);
    auto* address1 = addEdit(C::Address1, C::kAddressEdit, 36);
    auto* address2 = addEdit(C::Address2, C::kAddressEdit, 36);
    auto* phone = addEdit(C::Phone, C::kPhoneEdit, 16);
    auto* mobile = addEdit(C::Mobile, C::kPhoneEdit, 16);
    auto* skype = addEdit(C::Skype, C::kPhoneEdit, 16);
    auto* email = addEdit(C::Email, C::kEmailEdit, 36);
    auto* remark = addEdit(C::Remark, C::kRemarkEdit, 36);

    availability_ = addButton(C::Availability, [this] { model_.pressAvailability(); });
    talks_ = addButton(C::Talks, [this] { model_.pressTalks(); });
    delete_ = addButton(C::Delete, [this] { model_.pressDelete(); });
    previous_ = addButton(C::Previous, [this] { model_.previous(); });
    next_ = addButton(C::Next, [this] { model_.next(); });
    cancel_ = addButton(C::Cancel, [this] { model_.cancel(); });
    congregation_ = addButton(C::Congregation, [this] { model_.pressCongregation(); });
    // Enter in a field presses OK, and the model then moves the focus on instead.
    ok_ = addButton(C::Ok, [this] { model_.ok(focusedControl()); });
    ok_->setDefault(true);

    elder_ = new QCheckBox(this);
    servant_ = new QCheckBox(this);
    setControlId(elder_, C::Elder);
    setControlId(servant_, C::Servant);
    for (auto [box, id] :
         {std::pair{elder_, int(C::Elder)}, std::pair{servant_, int(C::Servant)}}) {
        connect(box, &QCheckBox::toggled, this, [this, id](bool on) {
            model_.setChecked(id, on);
            settle();
        });
    }

    auto* top = new QHBoxLayout;
    top->addWidget(availability_, 1);
    top->addWidget(talks_, 1);

    auto label = [this](const std::string& text, QWidget* buddy) {
        auto* l = new QLabel(qs(text), this);
        l->setBuddy(buddy);
        return l;
    };
    auto* names = new QGridLayout;
    names->addWidget(label(v.firstNameLabel, firstName), 0, 0);
    names->addWidget(firstName, 0, 1);
    names->addWidget(label(v.lastNameLabel, lastName), 1, 0);
    names->addWidget(lastName, 1, 1);
    names->setColumnStretch(1, 1);

    auto* address = new QGroupBox(qs(v.addressGroup), this);
    auto* addressLayout = new QVBoxLayout(address);
    addressLayout->addWidget(address1);
    addressLayout->addWidget(address2);

    auto* contact = new QGroupBox(this);
    auto* contactLayout = new QGridLayout(contact);
    const std::pair<const std::string*, QLineEdit*> rows[] = {{&v.phoneLabel, phone},
                                                              {&v.mobileLabel, mobile},
                                                              {&v.skypeLabel, skype},
                                                              {&v.emailLabel, email},
                                                              {&v.remarkLabel, remark}};
    int row = 0;
    for (const auto& [text, edit] : rows) {
        contactLayout->addWidget(label(*text, edit), row, 0);
        contactLayout->addWidget(edit, row, 1);
        ++row;
    }
    contactLayout->setColumnStretch(1, 1);

    auto* office = new QHBoxLayout;
    office->addWidget(elder_);
    office->addWidget(servant_);
    office->addStretch(1);

    auto* bottom = new QHBoxLayout;
    bottom->addWidget(delete_);
    bottom->addStretch(1);
    bottom->addWidget(previous_);
    bottom->addWidget(next_);
    bottom->addSpacing(12);
    bottom->addWidget(cancel_);
    bottom->addWidget(ok_);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addLayout(names);
    layout->addWidget(address);
    layout->addWidget(contact);
    layout->addLayout(office);
    layout->addWidget(congregation_);
    layout->addLayout(bottom);
    layout->setSizeConstraint(QLayout::SetMinimumSize);

    QWidget* previousWidget = nullptr;
    for (int id : BrotherDialog::fieldOrder()) {
        auto* w = findChild<QWidget*>(QString::number(id));
        if (w == nullptr) continue;
        if (previousWidget != nullptr) setTabOrder(previousWidget, w);
        previousWidget = w;
    }
    settle();
}

bool BrotherDialogWidget::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::FocusOut && !model_.closed() &&
        watched == edits_[BrotherDialog::FirstName]) {
        model_.firstNameFocusLost();
        settle();
    }
    return ScreenDialog::eventFilter(watched, event);
}

void BrotherDialogWidget::render() {
    using C = BrotherDialog;
    const auto v = model_.view();
    applyEdit(edits_[C::FirstName], v.firstName, v.firstNameCaret);
    applyEdit(edits_[C::LastName], v.lastName, v.lastNameCaret);
    applyEdit(edits_[C::Address1], v.address1);
    applyEdit(edits_[C::Address2], v.address2);
    applyEdit(edits_[C::Phone], v.phone);
    applyEdit(edits_[C::Mobile], v.mobile);
    applyEdit(edits_[C::Skype], v.skype);
    applyEdit(edits_[C::Email], v.email);
    applyEdit(edits_[C::Remark], v.remark);
    apply(availability_, v.availability);
    apply(talks_, v.talks);
    apply(elder_, v.elder);
    apply(servant_, v.servant);
    apply(delete_, v.del);
    apply(previous_, v.previous);
    apply(next_, v.next);
    apply(cancel_, v.cancel);
    apply(ok_, v.ok);
    apply(congregation_, v.congregation);
}

}  // namespace ambon::ui
