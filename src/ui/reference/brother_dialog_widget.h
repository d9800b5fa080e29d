// One brother on Qt.
#pragma once

#include <QCheckBox>
#include <QLineEdit>
#include <QPushButton>
#include <map>

#include "reference/brother_dialog.h"
#include "ui/widget_support.h"

namespace ambon::ui {

class BrotherDialogWidget : public ScreenDialog {
public:
    BrotherDialogWidget(BrotherDialog& model, QWidget* parent);

protected:
    void render() override;
    void cancelPressed() override { model_.cancel(); }
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QLineEdit* addEdit(int id, std::size_t limit, int widthChars);
    QPushButton* addButton(int id, std::function<void()> action);
    // The control id of the widget that has the focus, 0 for none.
    int focusedControl() const;

    BrotherDialog& model_;
    std::map<int, QLineEdit*> edits_;
    QCheckBox* elder_;
    QCheckBox* servant_;
    QPushButton* availability_;
    QPushButton* talks_;
    QPushButton* delete_;
    QPushButton* previous_;
    QPushButton* next_;
    QPushButton* cancel_;
    QPushButton* ok_;
    QPushButton* congregation_;
};

}  // namespace ambon::ui
