// The circuit combo box above the congregation list, OK and Annuleren below.
#include "ui/reference/congregation_filter_dialog_widget.h"

#include <QHBoxLayout>
#include <QSignalBlocker>
#include <QVBoxLayout>

namespace ambon::ui {

CongregationFilterDialogWidget::CongregationFilterDialogWidget(CongregationFilterDialog& model,
                                                               QWidget* parent)
    : ScreenDialog(model, parent), model_(model) {
    using C = CongregationFilterDialog;
    setWindowTitle(qs(model.view().caption));

    circuits_ = new QComboBox(this);
    setControlId(circuits_, C::Circuits);
    circuits_->setSizeAdjustPolicy(QComboBox::AdjustToContents);
    connect(circuits_, &QComboBox::activated, this, [this](int entry) {
        model_.chooseCircuit(entry);
        settle();
    });

    list_ = new QListWidget(this);
    setControlId(list_, C::List);
    list_->setSelectionMode(QAbstractItemView::SingleSelection);
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
    setControlId(ok_, C::Ok);
    setControlId(cancel_, C::Cancel);
    ok_->setDefault(true);
    cancel_->setAutoDefault(false);
    bind(ok_, [this] { model_.ok(); });
    bind(cancel_, [this] { model_.cancel(); });

    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(ok_);
    buttons->addWidget(cancel_);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(circuits_);
    layout->addWidget(list_, 1);
    layout->addLayout(buttons);

    const QFontMetrics metrics = list_->fontMetrics();
    list_->setMinimumWidth(metrics.averageCharWidth() * 52);
    list_->setMinimumHeight(metrics.height() * 14);
    setTabOrder(circuits_, list_);
    setTabOrder(list_, ok_);
    setTabOrder(ok_, cancel_);
    settle();
}

void CongregationFilterDialogWidget::render() {
    const auto v = model_.view();
    {
        QSignalBlocker block(circuits_);
        QStringList rows;
        for (const auto& row : v.circuits.rows) rows << qs(row);
        QStringList shown;
        for (int i = 0; i < circuits_->count(); ++i) shown << circuits_->itemText(i);
        if (shown != rows) {
            circuits_->clear();
            circuits_->addItems(rows);
        }
        if (v.circuits.current() != circuits_->currentIndex())
            circuits_->setCurrentIndex(v.circuits.current());
    }
    circuits_->setVisible(v.circuits.visible);
    apply(list_, v.list);
    apply(ok_, v.ok);
    apply(cancel_, v.cancel);
}

}  // namespace ambon::ui
