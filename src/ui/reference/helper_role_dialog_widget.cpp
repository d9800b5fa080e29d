// The duty list screen: the two lists share one place (editing with ticks, viewing with a
// single choice), the legend under them, the buttons at the bottom.
#include "ui/reference/helper_role_dialog_widget.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QScrollBar>
#include <QSignalBlocker>
#include <QVBoxLayout>

namespace ambon::ui {

HelperRoleDialogWidget::HelperRoleDialogWidget(HelperRoleDialog& model, QWidget* parent)
    : ScreenDialog(model, parent), model_(model) {
    using C = HelperRoleDialog;
    setWindowTitle(qs(model.view().caption));

    editList_ = new QListWidget(this);
    setControlId(editList_, C::EditList);
    // A click adds a brother to the selection or takes him out of it.
    editList_->setSelectionMode(QAbstractItemView::MultiSelection);
    connect(editList_, &QListWidget::itemSelectionChanged, this, [this] {
        model_.setEditSelection(selectedRows(editList_));
        settle();
    });

    viewList_ = new QListWidget(this);
    setControlId(viewList_, C::ViewList);
    viewList_->setSelectionMode(QAbstractItemView::SingleSelection);
    connect(viewList_, &QListWidget::itemSelectionChanged, this, [this] {
        auto rows = selectedRows(viewList_);
        if (rows.size() != 1) return;
        model_.selectViewRow(rows.front());
        settle();
    });
    connect(viewList_, &QListWidget::itemDoubleClicked, this, [this](QListWidgetItem* item) {
        model_.doubleClickViewRow(viewList_->row(item));
        settle();
    });

    legend_ = new QLabel(this);
    setControlId(legend_, C::Legend);

    toggle_ = new QPushButton(this);
    cancel_ = new QPushButton(this);
    ok_ = new QPushButton(this);
    setControlId(toggle_, C::Toggle);
    setControlId(cancel_, C::Cancel);
    setControlId(ok_, C::Ok);
    toggle_->setAutoDefault(false);
    cancel_->setAutoDefault(false);
    ok_->setDefault(true);
    bind(toggle_, [this] { model_.pressToggle(); });
    bind(cancel_, [this] { model_.cancel(); });
    bind(ok_, [this] { model_.ok(); });

    // Both lists in one cell: only one is visible at a time.
    auto* lists = new QGridLayout;
    lists->addWidget(editList_, 0, 0);
    lists->addWidget(viewList_, 0, 0);

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(toggle_);
    buttons->addStretch(1);
    buttons->addWidget(cancel_);
    buttons->addWidget(ok_);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(lists, 1);
    layout->addWidget(legend_);
    layout->addLayout(buttons);

    // Room for a long given-name form with " (Suspended)" and a marker, and a dozen rows.
    const QFontMetrics metrics = viewList_->fontMetrics();
    for (auto* list : {editList_, viewList_}) {
        list->setMinimumWidth(metrics.averageCharWidth() * 48);
        list->setMinimumHeight(metrics.height() * 14);
    }
    // The buttons keep their place when the OK button is hidden in edit state.
    QSizePolicy keep = ok_->sizePolicy();
    keep.setRetainSizeWhenHidden(true);
    ok_->setSizePolicy(keep);

    setTabOrder(viewList_, editList_);
    setTabOrder(editList_, toggle_);
    setTabOrder(toggle_, cancel_);
    setTabOrder(cancel_, ok_);
    settle();
}

void HelperRoleDialogWidget::render() {
    const auto v = model_.view();
    // While the user ticks names, the edit list keeps its scroll position and its current
    // row: rendering would otherwise jump back to the first ticked name after every click.
    const bool stay = editList_->isVisible() && v.editList.visible;
    const int current = editList_->currentRow();
    const int scroll = editList_->verticalScrollBar()->value();
    apply(editList_, v.editList);
    if (stay && current >= 0 && current < editList_->count()) {
        QSignalBlocker block(editList_);
        editList_->setCurrentRow(current, QItemSelectionModel::NoUpdate);
        editList_->verticalScrollBar()->setValue(scroll);
    }
    apply(viewList_, v.viewList);
    apply(legend_, v.legend);
    apply(toggle_, v.toggle);
    apply(cancel_, v.cancel);
    apply(ok_, v.ok);
}

}  // namespace ambon::ui
