// The list of brothers: the names with their marks on the left, the two mark legends
// under them, the buttons beside them.
#include "ui/reference/brother_list_dialog_widget.h"

#include <QHBoxLayout>
#include <QVBoxLayout>

#include "ui/reference/type_ahead_list_widget.h"

namespace ambon::ui {

BrotherListDialogWidget::BrotherListDialogWidget(BrotherListDialog& model, QWidget* parent)
    : ScreenDialog(model, parent), model_(model) {
    using C = BrotherListDialog;
    setWindowTitle(qs(model.view().caption));

    list_ = new TypeAheadListWidget(
        [this](const std::string& character) {
            model_.typeOnList(character);
            settle();
        },
        [this] { model_.listFocusGained(); }, this);
    setControlId(list_, C::List);
    list_->setItemDelegate(new TabStopDelegate(list_));
    // Rows are measured with their tab as a plain character; drawn at the tab stop they
    // fit the width below, so a horizontal bar would only scroll empty space.
    list_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    connect(list_, &QListWidget::currentRowChanged, this, [this](int row) {
        model_.selectRow(row);
        settle();
    });
    connect(list_, &QListWidget::itemDoubleClicked, this, [this](QListWidgetItem* item) {
        model_.doubleClickRow(list_->row(item));
        settle();
    });

    unavailable_ = new QLabel(this);
    suspended_ = new QLabel(this);
    setControlId(unavailable_, C::Unavailable);
    setControlId(suspended_, C::Suspended);

    ok_ = new QPushButton(this);
    cancel_ = new QPushButton(this);
    add_ = new QPushButton(this);
    setControlId(ok_, C::Ok);
    setControlId(cancel_, C::Cancel);
    setControlId(add_, C::Add);
    ok_->setDefault(true);
    bind(ok_, [this] { model_.ok(); });
    bind(cancel_, [this] { model_.cancel(); });
    bind(add_, [this] { model_.pressAdd(); });

    auto* left = new QVBoxLayout;
    left->addWidget(list_, 1);
    left->addWidget(unavailable_);
    left->addWidget(suspended_);

    auto* buttons = new QVBoxLayout;
    buttons->addWidget(ok_);
    buttons->addWidget(add_);
    buttons->addStretch(1);
    buttons->addWidget(cancel_);

    auto* layout = new QHBoxLayout(this);
    layout->addLayout(left, 1);
    layout->addLayout(buttons);

    // Room for a long name with its marks up to the tab stop, and the week after it.
    const int tab = dialogUnitsToPixels(list_, C::kWeekTab);
    list_->setMinimumWidth(tab +
                           list_->fontMetrics().horizontalAdvance(QStringLiteral(" # Mmm 00")) +
                           list_->style()->pixelMetric(QStyle::PM_ScrollBarExtent) + 16);
    list_->setMinimumHeight(list_->fontMetrics().height() * 18);
    setTabOrder(list_, ok_);
    setTabOrder(ok_, add_);
    setTabOrder(add_, cancel_);
    settle();
}

void BrotherListDialogWidget::render() {
    auto v = model_.view();
    setWindowTitle(qs(v.caption));
    apply(list_, v.list);
    apply(unavailable_, v.unavailable);
    apply(suspended_, v.suspended);
    apply(ok_, v.ok);
    apply(cancel_, v.cancel);
    apply(add_, v.add);
}

}  // namespace ambon::ui
