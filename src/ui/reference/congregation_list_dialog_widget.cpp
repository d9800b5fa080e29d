// The list of congregations: the names on the left, the buttons beside them.
#include "ui/reference/congregation_list_dialog_widget.h"

#include <QHBoxLayout>
#include <QVBoxLayout>

#include "reference/congregation_dialog.h"
#include "ui/reference/type_ahead_list_widget.h"

namespace ambon::ui {

CongregationListDialogWidget::CongregationListDialogWidget(CongregationListDialog& model,
                                                           QWidget* parent)
    : ScreenDialog(model, parent), model_(model) {
    using C = CongregationListDialog;
    setWindowTitle(qs(model.view().caption));

    list_ = new TypeAheadListWidget(
        [this](const std::string& character) {
            model_.typeOnList(character);
            settle();
        },
        [this] { model_.listFocusGained(); }, this);
    setControlId(list_, C::List);
    connect(list_, &QListWidget::currentRowChanged, this, [this](int row) {
        model_.selectRow(row);
        settle();
    });
    connect(list_, &QListWidget::itemDoubleClicked, this, [this](QListWidgetItem* item) {
        model_.doubleClickRow(list_->row(item));
        settle();
    });

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

    auto* buttons = new QVBoxLayout;
    buttons->addWidget(ok_);
    buttons->addWidget(add_);
    buttons->addStretch(1);
    buttons->addWidget(cancel_);
    auto* layout = new QHBoxLayout(this);
    layout->addWidget(list_, 1);
    layout->addLayout(buttons);

    // Room for the longest congregation name and a dozen rows.
    list_->setMinimumWidth(list_->fontMetrics().averageCharWidth() *
                           static_cast<int>(CongregationDialog::kNameStored + 4));
    list_->setMinimumHeight(list_->fontMetrics().height() * 14);
    setTabOrder(list_, ok_);
    setTabOrder(ok_, add_);
    setTabOrder(add_, cancel_);
    settle();
}

void CongregationListDialogWidget::render() {
    auto v = model_.view();
    apply(list_, v.list);
    apply(ok_, v.ok);
    apply(cancel_, v.cancel);
    apply(add_, v.add);
}

}  // namespace ambon::ui
