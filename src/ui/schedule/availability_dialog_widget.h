// The availability screen on Qt.
#pragma once

#include <QCheckBox>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>

#include "schedule/availability_dialog.h"
#include "ui/widget_support.h"

namespace ambon::ui {

class AvailabilityDialogWidget : public ScreenDialog {
public:
    AvailabilityDialogWidget(AvailabilityDialog& model, QWidget* parent);

protected:
    void render() override;
    void cancelPressed() override { model_.cancel(); }

private:
    AvailabilityDialog& model_;
    QLabel* prompt_;
    QListWidget* weeks_;
    QLabel* count_;
    QCheckBox* suspend_;
    QPushButton* ok_;
    QPushButton* cancel_;
};

}  // namespace ambon::ui
