// The duty list screen on Qt.
#pragma once

#include <QLabel>
#include <QListWidget>
#include <QPushButton>

#include "reference/helper_role_dialog.h"
#include "ui/widget_support.h"

namespace ambon::ui {

class HelperRoleDialogWidget : public ScreenDialog {
public:
    HelperRoleDialogWidget(HelperRoleDialog& model, QWidget* parent);

protected:
    void render() override;
    void cancelPressed() override { model_.cancel(); }

private:
    HelperRoleDialog& model_;
    QListWidget* editList_;
    QListWidget* viewList_;
    QLabel* legend_;
    QPushButton* toggle_;
    QPushButton* cancel_;
    QPushButton* ok_;
};

}  // namespace ambon::ui
