// Typed characters go to the model; navigation keys stay with the list.
#include "ui/reference/type_ahead_list_widget.h"

#include <QKeyEvent>

namespace ambon::ui {

TypeAheadListWidget::TypeAheadListWidget(std::function<void(const std::string&)> typed,
                                         std::function<void()> focusGained, QWidget* parent)
    : QListWidget(parent), typed_(std::move(typed)), focusGained_(std::move(focusGained)) {
    setSelectionMode(QAbstractItemView::SingleSelection);
}

void TypeAheadListWidget::keyPressEvent(QKeyEvent* event) {
    const QString text = event->text();
    const bool command = event->modifiers() & (Qt::ControlModifier | Qt::AltModifier);
    if (!command && text.size() >= 1 && text.at(0).isPrint()) {
        // Every printable character is the model's: letters search, the rest is dropped.
        for (const QChar c : text) typed_(QString(c).toStdString());
        event->accept();
        return;
    }
    QListWidget::keyPressEvent(event);
}

void TypeAheadListWidget::focusInEvent(QFocusEvent* event) {
    focusGained_();
    QListWidget::focusInEvent(event);
}

}  // namespace ambon::ui
