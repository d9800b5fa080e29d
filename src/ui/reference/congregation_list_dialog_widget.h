// The list of congregations on Qt.
#pragma once

#include <QPushButton>

#include "reference/congregation_list_dialog.h"
#include "ui/widget_support.h"

namespace ambon::ui {

class TypeAheadListWidget;

class CongregationListDialogWidget : public ScreenDialog {
public:
    CongregationListDialogWidget(CongregationListDialog& model, QWidget* parent);

protected:
    void render() override;
    void cancelPressed() override { model_.cancel(); }

private:
    CongregationListDialog& model_;
    TypeAheadListWidget* list_;
    QPushButton* ok_;
    QPushButton* cancel_;
    QPushButton* add_;
};

}  // namespace ambon::ui
