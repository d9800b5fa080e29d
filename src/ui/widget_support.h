// Small helpers every screen widget uses to render its model's view: text conversion,
// control ids as object names, and applying control and list states.
#pragma once

#include <QAbstractButton>
#include <QDialog>
#include <QLabel>
#include <QListWidget>
#include <QString>
#include <QStyledItemDelegate>
#include <functional>
#include <string>

#include "platform/dialog_view.h"

namespace ambon::ui {

inline QString qs(const std::string& text) {
    return QString::fromStdString(text);
}
inline std::string ss(const QString& text) {
    return text.toStdString();
}

// Every control carries its id as object name, so tests find it by the id.
void setControlId(QWidget* widget, int id);
template <class W>
W* findControl(QWidget* parent, int id) {
    return parent->findChild<W*>(QString::number(id));
}

void apply(QAbstractButton* button, const ControlView& view);
void apply(QLabel* label, const ControlView& view);
// Fills a list from its view without emitting selection signals.
void apply(QListWidget* list, const ListView& view);
// The selected rows of a list, in order.
std::vector<int> selectedRows(const QListWidget* list);

// Draws list rows that hold "\t" at the list's tab stops (in dialog units).
class TabStopDelegate : public QStyledItemDelegate {
public:
    explicit TabStopDelegate(QObject* parent) : QStyledItemDelegate(parent) {}
    void setTabStops(std::vector<int> stops) { stops_ = std::move(stops); }
    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override;

private:
    std::vector<int> stops_;
};

// Horizontal dialog units to pixels for a widget's font.
int dialogUnitsToPixels(const QWidget* widget, int units);

// A modal screen: renders its model after every action and closes when the model says.
class ScreenDialog : public QDialog {
public:
    ScreenDialog(ScreenModel& model, QWidget* parent);

protected:
    // Re-renders, moves the focus where the model asks, and closes when the model closed.
    void settle();
    // A button that runs a model action and then settles.
    void bind(QAbstractButton* button, std::function<void()> action);
    virtual void render() = 0;
    // The window's close box and Escape: the model decides (usually Cancel).
    void reject() override;
    virtual void cancelPressed() = 0;

private:
    ScreenModel& model_;
    bool settling_ = false;
};

}  // namespace ambon::ui
