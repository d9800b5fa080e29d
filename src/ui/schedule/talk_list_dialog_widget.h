// The talk list on Qt: list 165 and the multi-column list 1019 share one place.
#pragma once

#include <QFrame>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>

#include "schedule/talk_list_dialog.h"
#include "ui/widget_support.h"

namespace ambon::ui {

class TalkListDialogWidget : public ScreenDialog {
public:
    TalkListDialogWidget(TalkListDialog& model, QWidget* parent);

protected:
    void render() override;
    void cancelPressed() override { model_.cancel(); }
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    TalkListDialog& model_;
    QListWidget* list_;
    QListWidget* setList_;
    QFrame* frame_;
    QLabel* detail_;
    QLabel* added_;
    QLabel* removed_;
    QPushButton* switch_;
    QPushButton* ok_;
    QPushButton* cancel_;
};

}  // namespace ambon::ui
