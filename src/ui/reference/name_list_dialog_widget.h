// The circuit list (and the provider list) on Qt.
#pragma once

#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>

#include "reference/name_list_dialog.h"
#include "ui/widget_support.h"

namespace ambon::ui {

class NameListDialogWidget : public ScreenDialog {
public:
    NameListDialogWidget(NameListDialog& model, QWidget* parent);

protected:
    void render() override;
    void cancelPressed() override { model_.cancel(); }

private:
    NameListDialog& model_;
    QListWidget* list_;
    QLineEdit* edit_;
    QPushButton* add_;
    QPushButton* ok_;
    QPushButton* cancel_;
};

}  // namespace ambon::ui
