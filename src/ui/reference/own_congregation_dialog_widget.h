// The own congregation screen on Qt.
#pragma once

#include <QPushButton>

#include "reference/own_congregation_dialog.h"
#include "ui/widget_support.h"

namespace ambon::ui {

class OwnCongregationDialogWidget : public ScreenDialog {
public:
    OwnCongregationDialogWidget(OwnCongregationDialog& model, QWidget* parent);

protected:
    void render() override;
    void cancelPressed() override { model_.cancel(); }

private:
    QPushButton* addButton(int id);

    OwnCongregationDialog& model_;
    QPushButton* speakers_;
    QPushButton* chairmen_;
    QPushButton* readers_;
    QPushButton* hosts_;
    QPushButton* exportPackage_;
    QPushButton* details_;
    QPushButton* choose_;
    QPushButton* cancel_;
    QPushButton* ok_;
};

}  // namespace ambon::ui
