// The preferences screen on Qt.
#pragma once

#include <QCheckBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>

#include "shell/preferences_dialog.h"
#include "ui/widget_support.h"

namespace ambon::ui {

class NumberListWidget;

class PreferencesDialogWidget : public ScreenDialog {
public:
    PreferencesDialogWidget(PreferencesDialog& model, QWidget* parent);

protected:
    void render() override;
    void cancelPressed() override { model_.cancel(); }

private:
    QCheckBox* addCheck(int id);

    PreferencesDialog& model_;
    QCheckBox* alternativeDate_;
    QCheckBox* planHospitality_;
    QCheckBox* planReaders_;
    QRadioButton* calendarYear_;
    QRadioButton* serviceYear_;
    QCheckBox* showReaders_;
    QCheckBox* omitTalkNumbers_;
    QCheckBox* omitOutgoing_;
    QLineEdit* title_;
    QPushButton* barStyle_;
    QPushButton* barColour_;
    NumberListWidget* topMargin_;
    NumberListWidget* leftMargin_;
    QCheckBox* dateStamp_;
    QCheckBox* autoCap_;
    QPushButton* letters_;
    QPushButton* ok_;
    QPushButton* cancel_;
};

}  // namespace ambon::ui
