// Rendering helpers for screen widgets.
#include "ui/widget_support.h"

#include <QFontMetrics>
#include <QPainter>
#include <QSignalBlocker>

namespace ambon::ui {

void setControlId(QWidget* widget, int id) {
    widget->setObjectName(QString::number(id));
}

void apply(QAbstractButton* button, const ControlView& view) {
    if (button->text() != qs(view.text)) button->setText(qs(view.text));
    button->setVisible(view.visible);
    button->setEnabled(view.enabled);
    if (button->isCheckable() && button->isChecked() != view.checked) {
        QSignalBlocker block(button);
        button->setChecked(view.checked);
    }
}

void apply(QLabel* label, const ControlView& view) {
    if (label->text() != qs(view.text)) label->setText(qs(view.text));
    label->setVisible(view.visible);
    label->setEnabled(view.enabled);
}

void apply(QListWidget* list, const ListView& view) {
    QSignalBlocker block(list);
    bool same = list->count() == static_cast<int>(view.rows.size());
    for (int i = 0; same && i < list->count(); ++i)
        same = list->item(i)->text() == qs(view.rows[static_cast<std::size_t>(i)]);
    if (!same) {
        list->clear();
        for (const auto& row : view.rows) list->addItem(qs(row));
    }
    if (auto* delegate = dynamic_cast<TabStopDelegate*>(list->itemDelegate()))
        delegate->setTabStops(view.tabStops);
    for (int i = 0; i < list->count(); ++i) {
        bool selected = view.isSelected(i);
        if (list->item(i)->isSelected() != selected) list->item(i)->setSelected(selected);
    }
    int current = view.current();
    if (current >= 0 && current < list->count()) {
        list->setCurrentRow(current, QItemSelectionModel::NoUpdate);
        if (view.topRow < 0) list->scrollToItem(list->item(current));
    }
    if (view.topRow >= 0 && view.topRow < list->count())
        list->scrollToItem(list->item(view.topRow), QAbstractItemView::PositionAtTop);
    list->setVisible(view.visible);
    list->setEnabled(view.enabled);
    list->viewport()->update();
}

std::vector<int> selectedRows(const QListWidget* list) {
    std::vector<int> rows;
    for (int i = 0; i < list->count(); ++i)
        if (list->item(i)->isSelected()) rows.push_back(i);
    return rows;
}

int dialogUnitsToPixels(const QWidget* widget, int units) {
    // A horizontal dialog unit is a quarter of the average character width.
    QFontMetrics metrics(widget->font());
    int average = metrics.horizontalAdvance(
                      QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz")) /
                  52;
    return units * average / 4;
}

void TabStopDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option,
                            const QModelIndex& index) const {
    QString text = index.data(Qt::DisplayRole).toString();
    if (!text.contains('\t')) {
        QStyledItemDelegate::paint(painter, option, index);
        return;
    }
    QStyleOptionViewItem opt = option;
    initStyleOption(&opt, index);
    opt.text.clear();
    const QWidget* widget = option.widget;
    widget->style()->drawControl(QStyle::CE_ItemViewItem, &opt, painter, widget);

    QStringList parts = text.split('\t');
    painter->save();
    painter->setFont(opt.font);
    painter->setPen(opt.palette.color(opt.state & QStyle::State_Selected ? QPalette::HighlightedText
                                                                         : QPalette::Text));
    QRect area = opt.rect.adjusted(3, 0, -2, 0);
    int x = area.left();
    for (int i = 0; i < parts.size(); ++i) {
        if (i > 0) {
            // The next stop to the right of where the text got to.
            int next = -1;
            for (int stop : stops_) {
                int px = area.left() + dialogUnitsToPixels(widget, stop);
                if (px > x) {
                    next = px;
                    break;
                }
            }
            x = next >= 0 ? next : x + dialogUnitsToPixels(widget, 32);
        }
        QRect cell(x, area.top(), area.right() - x, area.height());
        painter->drawText(cell, Qt::AlignVCenter | Qt::AlignLeft | Qt::TextSingleLine, parts[i]);
        x += painter->fontMetrics().horizontalAdvance(parts[i]);
    }
    painter->restore();
}

ScreenDialog::ScreenDialog(ScreenModel& model, QWidget* parent) : QDialog(parent), model_(model) {}

void ScreenDialog::settle() {
    if (settling_) return;
    settling_ = true;
    if (model_.closed()) {
        settling_ = false;
        if (model_.accepted())
            QDialog::accept();
        else
            QDialog::reject();
        return;
    }
    render();
    if (int id = model_.focus()) {
        if (auto* w = findChild<QWidget*>(QString::number(id))) w->setFocus();
        model_.clearFocusRequest();
    }
    settling_ = false;
}

void ScreenDialog::bind(QAbstractButton* button, std::function<void()> action) {
    connect(button, &QAbstractButton::clicked, this, [this, action = std::move(action)] {
        action();
        settle();
    });
}

void ScreenDialog::reject() {
    cancelPressed();
    settle();
}

}  // namespace ambon::ui
