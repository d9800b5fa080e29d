// Choosing a congregation with a circuit filter, on Qt.
#pragma once

#include <QComboBox>
#include <QListWidget>
#include <QPushButton>

#include "reference/congregation_filter_dialog.h"
#include "ui/widget_support.h"

namespace ambon::ui {

class CongregationFilterDialogWidget : public ScreenDialog {
public:
    CongregationFilterDialogWidget(CongregationFilterDialog& model, QWidget* parent);

protected:
    void render() override;
    void cancelPressed() override { model_.cancel(); }

private:
    CongregationFilterDialog& model_;
    QComboBox* circuits_;
    QListWidget* list_;
    QPushButton* ok_;
    QPushButton* cancel_;
};

}  // namespace ambon::ui
