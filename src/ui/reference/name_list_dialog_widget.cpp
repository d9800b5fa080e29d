// The name list: the names, the edit field under them, the buttons beside them.
#include "ui/reference/name_list_dialog_widget.h"

#include <QHBoxLayout>
#include <QVBoxLayout>

namespace ambon::ui {

NameListDialogWidget::NameListDialogWidget(NameListDialog& model, QWidget* parent)
    : ScreenDialog(model, parent), model_(model) {
    using C = NameListDialog;
    const auto v = model.view();
    setWindowTitle(qs(v.caption));

    list_ = new QListWidget(this);
    setControlId(list_, C::List);
    list_->setSelectionMode(QAbstractItemView::SingleSelection);
    // A click on the row already selected starts editing it again.
    connect(list_, &QListWidget::itemClicked, this, [this](QListWidgetItem* item) {
        model_.selectRow(list_->row(item));
        settle();
    });
    // Only a selection the user makes starts editing: the list moving its current row
    // when it gets the focus selects nothing.
    connect(list_, &QListWidget::itemSelectionChanged, this, [this] {
        auto rows = selectedRows(list_);
        if (rows.size() != 1) return;
        model_.selectRow(rows.front());
        settle();
    });
    connect(list_, &QListWidget::itemDoubleClicked, this, [this](QListWidgetItem* item) {
        model_.doubleClickRow(list_->row(item));
        settle();
    });

    edit_ = new QLineEdit(this);
    setControlId(edit_, C::Edit);
    edit_->setMaxLength(v.editLimit);
    // Enter in the field presses the default button, OK.
    connect(edit_, &QLineEdit::textEdited, this, [this](const QString& text) {
        model_.setEditText(ss(text));
        settle();
    });

    add_ = new QPushButton(this);
    ok_ = new QPushButton(this);
    cancel_ = new QPushButton(this);
    setControlId(add_, C::Add);
    setControlId(ok_, C::Ok);
    setControlId(cancel_, C::Cancel);
    add_->setAutoDefault(false);
    cancel_->setAutoDefault(false);
    ok_->setDefault(true);
    bind(add_, [this] { model_.pressAdd(); });
    bind(ok_, [this] { model_.ok(); });
    bind(cancel_, [this] { model_.cancel(); });

    auto* left = new QVBoxLayout;
    left->addWidget(list_, 1);
    left->addWidget(edit_);
    auto* buttons = new QVBoxLayout;
    buttons->addWidget(add_);
    buttons->addWidget(ok_);
    buttons->addStretch(1);
    buttons->addWidget(cancel_);
    auto* layout = new QHBoxLayout(this);
    layout->addLayout(left, 1);
    layout->addLayout(buttons);

    const QFontMetrics metrics = list_->fontMetrics();
    list_->setMinimumWidth(metrics.averageCharWidth() * (v.editLimit + 4));
    list_->setMinimumHeight(metrics.height() * 12);
    // The buttons keep their place whether or not the add button is shown.
    QSizePolicy keep = add_->sizePolicy();
    keep.setRetainSizeWhenHidden(true);
    add_->setSizePolicy(keep);
    keep = ok_->sizePolicy();
    keep.setRetainSizeWhenHidden(true);
    ok_->setSizePolicy(keep);
    keep = edit_->sizePolicy();
    keep.setRetainSizeWhenHidden(true);
    edit_->setSizePolicy(keep);

    setTabOrder(list_, edit_);
    setTabOrder(edit_, ok_);
    setTabOrder(ok_, add_);
    setTabOrder(add_, cancel_);
    settle();
}

void NameListDialogWidget::render() {
    const auto v = model_.view();
    apply(list_, v.list);
    // Nothing selected in the model: nothing highlighted and no current row either, so
    // that a click on any row reports a change.
    if (v.list.selected.empty()) {
        QSignalBlocker block(list_);
        list_->setCurrentRow(-1);
    }
    if (edit_->text() != qs(v.edit.text)) edit_->setText(qs(v.edit.text));
    edit_->setVisible(v.edit.visible);
    apply(add_, v.add);
    apply(ok_, v.ok);
    apply(cancel_, v.cancel);
}

}  // namespace ambon::ui
