// The topic list on Qt.
#pragma once

#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>

#include "reference/topic_list_dialog.h"
#include "ui/widget_support.h"

namespace ambon::ui {

class TopicListDialogWidget : public ScreenDialog {
public:
    TopicListDialogWidget(TopicListDialog& model, QWidget* parent);

protected:
    void render() override;
    void cancelPressed() override { model_.close(); }

private:
    TopicListDialog& model_;
    QListWidget* list_;
    QPushButton* add_;
    QLineEdit* edit_;
    QPushButton* ok_;
    QPushButton* close_;
};

}  // namespace ambon::ui
