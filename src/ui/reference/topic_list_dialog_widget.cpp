// The topic list: the names, with an edit field that appears for adding or renaming.
#include "ui/reference/topic_list_dialog_widget.h"

#include <QHBoxLayout>
#include <QSignalBlocker>
#include <QVBoxLayout>

namespace ambon::ui {

TopicListDialogWidget::TopicListDialogWidget(TopicListDialog& model, QWidget* parent)
    : ScreenDialog(model, parent), model_(model) {
    using C = TopicListDialog;

    list_ = new QListWidget(this);
    setControlId(list_, C::List);
    list_->setSelectionMode(QAbstractItemView::SingleSelection);
    list_->setMinimumWidth(
        fontMetrics().horizontalAdvance(QStringLiteral("Christelijke maatstaven / Eigenschappen")) +
        60);
    list_->setMinimumHeight(fontMetrics().height() * 14);
    connect(list_, &QListWidget::itemSelectionChanged, this, [this] {
        auto rows = selectedRows(list_);
        if (!rows.empty()) model_.selectRow(rows.front());
        settle();
    });

    add_ = new QPushButton(this);
    setControlId(add_, C::Add);
    add_->setAutoDefault(false);
    bind(add_, [this] { model_.pressAdd(); });
    edit_ = new QLineEdit(this);
    setControlId(edit_, C::Edit);
    connect(edit_, &QLineEdit::textEdited, this,
            [this](const QString& text) { model_.setEditText(ss(text)); });
    ok_ = new QPushButton(this);
    setControlId(ok_, C::Ok);
    ok_->setDefault(true);
    bind(ok_, [this] { model_.ok(); });
    close_ = new QPushButton(this);
    setControlId(close_, C::Close);
    close_->setAutoDefault(false);
    bind(close_, [this] { model_.close(); });

    // The add button and the edit row keep their place while hidden, so the dialog
    // does not change shape between adding and editing.
    for (QWidget* w :
         {static_cast<QWidget*>(add_), static_cast<QWidget*>(edit_), static_cast<QWidget*>(ok_)}) {
        QSizePolicy policy = w->sizePolicy();
        policy.setRetainSizeWhenHidden(true);
        w->setSizePolicy(policy);
    }
    auto* editRow = new QHBoxLayout;
    editRow->addWidget(edit_, 1);
    editRow->addWidget(ok_);

    auto* side = new QVBoxLayout;
    side->addWidget(add_);
    side->addStretch(1);
    side->addWidget(close_);

    auto* body = new QHBoxLayout;
    body->addWidget(list_, 1);
    body->addLayout(side);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(body, 1);
    layout->addLayout(editRow);
    render();
}

void TopicListDialogWidget::render() {
    auto v = model_.view();
    setWindowTitle(qs(v.caption));
    apply(list_, v.list);
    apply(add_, v.add);
    if (edit_->text() != qs(v.edit.text)) {
        QSignalBlocker block(edit_);
        edit_->setText(qs(v.edit.text));
    }
    edit_->setVisible(v.edit.visible);
    apply(ok_, v.ok);
    apply(close_, v.close);
}

}  // namespace ambon::ui
