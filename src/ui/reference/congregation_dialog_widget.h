// One congregation on Qt.
#pragma once

#include <QLineEdit>
#include <QPushButton>
#include <functional>

#include "reference/congregation_dialog.h"
#include "ui/widget_support.h"

namespace ambon::ui {

class CongregationDialogWidget : public ScreenDialog {
public:
    CongregationDialogWidget(CongregationDialog& model, QWidget* parent);

protected:
    void render() override;
    void cancelPressed() override { model_.cancel(); }

private:
    QLineEdit* addEdit(int id, std::size_t limit);
    QPushButton* addButton(int id, std::function<void()> action);

    CongregationDialog& model_;
    QLineEdit* name_;
    QLineEdit* timeEven_;
    QLineEdit* timeOdd_;
    QLineEdit* address1_;
    QLineEdit* address2_;
    QLineEdit* phone1_;
    QLineEdit* phone2_;
    QPushButton* brothers_;
    QPushButton* talkCoordinator_;
    QPushButton* elderCoordinator_;
    QPushButton* secretary_;
    QPushButton* circuit_;
    QPushButton* dayEven_;
    QPushButton* dayOdd_;
    QPushButton* map_;
    QPushButton* delete_;
    QPushButton* cancel_;
    QPushButton* previous_;
    QPushButton* next_;
    QPushButton* ok_;
    QPushButton* apply_;
};

}  // namespace ambon::ui
