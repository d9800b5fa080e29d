// The talk editor on Qt.
#pragma once

#include <QGroupBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>

#include "reference/talk_edit_dialog.h"
#include "ui/widget_support.h"

namespace ambon::ui {

class TalkEditDialogWidget : public ScreenDialog {
public:
    TalkEditDialogWidget(TalkEditDialog& model, QWidget* parent);

protected:
    void render() override;
    void cancelPressed() override { model_.cancel(); }

private:
    void setEdit(QLineEdit* edit, const ControlView& view);

    TalkEditDialog& model_;
    QLineEdit* number_;
    QLineEdit* title_;
    QPushButton* topicButton_;
    QListWidget* chooseTopics_;
    QListWidget* talkTopics_;
    QGroupBox* historyGroup_;
    QListWidget* history_;
    QPushButton* editTopics_;
    QPushButton* previous_;
    QPushButton* next_;
    QPushButton* ok_;
    QPushButton* cancel_;
};

}  // namespace ambon::ui
