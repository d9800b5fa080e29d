// The contact card on Qt.
#pragma once

#include <QGroupBox>
#include <QLineEdit>
#include <QPushButton>
#include <array>

#include "reference/contact_card.h"
#include "ui/widget_support.h"

namespace ambon::ui {

class ContactCardWidget : public ScreenDialog {
public:
    ContactCardWidget(ContactCard& model, QWidget* parent);

protected:
    void render() override;
    void cancelPressed() override { model_.close(); }
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    struct PersonWidgets {
        QGroupBox* group = nullptr;
        std::array<QLineEdit*, 3> phones{};
        QLineEdit* email = nullptr;
    };
    PersonWidgets addPerson(int groupId, std::array<int, 3> phoneIds, int emailId);
    static void applyPerson(PersonWidgets& w, const ContactCard::Person& view);

    ContactCard& model_;
    PersonWidgets coordinator_;
    PersonWidgets speaker_;
    QPushButton* copy_;
    QPushButton* ok_;
};

}  // namespace ambon::ui
