// The availability screen: a fixed-pitch list of 52 weeks, several selectable.
#include "ui/schedule/availability_dialog_widget.h"

#include <QFontDatabase>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QVBoxLayout>

namespace ambon::ui {

AvailabilityDialogWidget::AvailabilityDialogWidget(AvailabilityDialog& model, QWidget* parent)
    : ScreenDialog(model, parent), model_(model) {
    using C = AvailabilityDialog;
    auto v = model.view();
    prompt_ = new QLabel(this);
    setControlId(prompt_, C::Prompt);
    weeks_ = new QListWidget(this);
    setControlId(weeks_, C::Weeks);
    weeks_->setSelectionMode(QAbstractItemView::MultiSelection);
    weeks_->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    weeks_->setMinimumWidth(
        weeks_->fontMetrics().horizontalAdvance(QStringLiteral("Mmm 00, 0000")) + 48);
    weeks_->setMinimumHeight(weeks_->fontMetrics().height() * 16);
    connect(weeks_, &QListWidget::itemSelectionChanged, this, [this] {
        model_.setSelection(selectedRows(weeks_));
        settle();
    });
    count_ = new QLabel(this);
    setControlId(count_, C::Count);
    suspend_ = new QCheckBox(this);
    setControlId(suspend_, C::Suspend);
    connect(suspend_, &QCheckBox::toggled, this, [this](bool on) {
        model_.setSuspend(on);
        settle();
    });
    ok_ = new QPushButton(this);
    cancel_ = new QPushButton(this);
    setControlId(ok_, C::Ok);
    setControlId(cancel_, C::Cancel);
    ok_->setDefault(true);
    bind(ok_, [this] { model_.ok(); });
    bind(cancel_, [this] { model_.cancel(); });

    auto* frame = new QGroupBox(qs(v.frame), this);
    auto* frameLayout = new QHBoxLayout(frame);
    frameLayout->addWidget(count_);
    frameLayout->addWidget(new QLabel(qs(v.weeksLabel), frame));
    frameLayout->addStretch(1);

    auto* side = new QVBoxLayout;
    side->addWidget(frame);
    side->addWidget(suspend_);
    side->addStretch(1);
    side->addWidget(ok_);
    side->addWidget(cancel_);

    auto* body = new QHBoxLayout;
    body->addWidget(weeks_, 1);
    body->addLayout(side);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(prompt_);
    layout->addLayout(body);

    setWindowTitle(qs(v.caption));
    render();
}

void AvailabilityDialogWidget::render() {
    auto v = model_.view();
    apply(prompt_, v.prompt);
    apply(weeks_, v.weeks);
    count_->setText(qs(v.count.text));
    apply(suspend_, v.suspend);
    apply(ok_, v.ok);
    apply(cancel_, v.cancel);
    if (!v.ok.visible) cancel_->setDefault(true);
}

}  // namespace ambon::ui
