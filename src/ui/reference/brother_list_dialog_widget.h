// The list of brothers and the brother picker on Qt.
#pragma once

#include <QLabel>
#include <QPushButton>

#include "reference/brother_list_dialog.h"
#include "ui/widget_support.h"

namespace ambon::ui {

class TypeAheadListWidget;

class BrotherListDialogWidget : public ScreenDialog {
public:
    BrotherListDialogWidget(BrotherListDialog& model, QWidget* parent);

protected:
    void render() override;
    void cancelPressed() override { model_.cancel(); }

private:
    BrotherListDialog& model_;
    TypeAheadListWidget* list_;
    QLabel* unavailable_;
    QLabel* suspended_;
    QPushButton* ok_;
    QPushButton* cancel_;
    QPushButton* add_;
};

}  // namespace ambon::ui
