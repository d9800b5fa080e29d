// The talk list: a tabbed list of talks, or the multi-column set list whose hovered
// talk shows its title underneath.
#include "ui/schedule/talk_list_dialog_widget.h"

#include <QEvent>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QVBoxLayout>

namespace ambon::ui {

TalkListDialogWidget::TalkListDialogWidget(TalkListDialog& model, QWidget* parent)
    : ScreenDialog(model, parent), model_(model) {
    using C = TalkListDialog;

    list_ = new QListWidget(this);
    setControlId(list_, C::List);
    list_->setSelectionMode(QAbstractItemView::SingleSelection);
    list_->setUniformItemSizes(true);
    list_->setItemDelegate(new TabStopDelegate(list_));
    list_->setMinimumWidth(dialogUnitsToPixels(list_, 330));
    list_->setMinimumHeight(list_->fontMetrics().height() * 20);
    connect(list_, &QListWidget::itemSelectionChanged, this, [this] {
        auto rows = selectedRows(list_);
        if (!rows.empty()) model_.selectRow(rows.front());
        settle();
    });
    connect(list_, &QListWidget::itemDoubleClicked, this, [this](QListWidgetItem* item) {
        model_.doubleClickRow(list_->row(item));
        settle();
    });

    // Columns of talk numbers, filled top to bottom, then left to right.
    setList_ = new QListWidget(this);
    setControlId(setList_, C::SetList);
    setList_->setSelectionMode(QAbstractItemView::MultiSelection);
    setList_->setViewMode(QListView::ListMode);
    setList_->setFlow(QListView::TopToBottom);
    setList_->setWrapping(true);
    setList_->setResizeMode(QListView::Adjust);
    setList_->setUniformItemSizes(true);
    setList_->setGridSize(QSize(dialogUnitsToPixels(setList_, C::kSetColumnWidth),
                                setList_->fontMetrics().height() + 4));
    setList_->setMouseTracking(true);
    setList_->viewport()->installEventFilter(this);
    connect(setList_, &QListWidget::itemSelectionChanged, this, [this] {
        model_.setSetSelection(selectedRows(setList_));
        settle();
    });
    connect(setList_, &QListWidget::itemEntered, this, [this](QListWidgetItem* item) {
        model_.hoverRow(setList_->row(item));
        settle();
    });

    frame_ = new QFrame(this);
    setControlId(frame_, C::Frame);
    frame_->setFrameShape(QFrame::StyledPanel);
    frame_->setFrameShadow(QFrame::Sunken);
    detail_ = new QLabel(frame_);
    setControlId(detail_, C::Detail);
    detail_->setMinimumHeight(detail_->fontMetrics().height() + 4);
    detail_->setTextInteractionFlags(Qt::NoTextInteraction);
    auto* frameLayout = new QHBoxLayout(frame_);
    frameLayout->addWidget(detail_);

    added_ = new QLabel(this);
    setControlId(added_, C::Added);
    removed_ = new QLabel(this);
    setControlId(removed_, C::Removed);

    switch_ = new QPushButton(this);
    setControlId(switch_, C::Switch);
    switch_->setAutoDefault(false);
    bind(switch_, [this] { model_.pressSwitch(); });
    ok_ = new QPushButton(this);
    setControlId(ok_, C::Ok);
    ok_->setDefault(true);
    bind(ok_, [this] { model_.ok(); });
    cancel_ = new QPushButton(this);
    setControlId(cancel_, C::Cancel);
    cancel_->setAutoDefault(false);
    bind(cancel_, [this] { model_.cancel(); });

    // Both lists in one cell: only one of them is ever shown.
    auto* lists = new QGridLayout;
    lists->addWidget(list_, 0, 0);
    lists->addWidget(setList_, 0, 0);

    auto* counts = new QHBoxLayout;
    counts->addWidget(added_);
    counts->addSpacing(12);
    counts->addWidget(removed_);
    counts->addStretch(1);

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(switch_);
    buttons->addStretch(1);
    buttons->addWidget(ok_);
    buttons->addWidget(cancel_);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(lists, 1);
    layout->addWidget(frame_);
    layout->addLayout(counts);
    layout->addLayout(buttons);

    setTabOrder(list_, setList_);
    setTabOrder(setList_, switch_);
    setTabOrder(switch_, ok_);
    setTabOrder(ok_, cancel_);
    render();
}

bool TalkListDialogWidget::eventFilter(QObject* watched, QEvent* event) {
    // Leaving list 1019 forgets the hovered talk.
    if (watched == setList_->viewport() && event->type() == QEvent::Leave) {
        model_.hoverLeave();
        settle();
    }
    return ScreenDialog::eventFilter(watched, event);
}

void TalkListDialogWidget::render() {
    auto v = model_.view();
    setWindowTitle(qs(v.caption));
    apply(list_, v.list);
    apply(setList_, v.setList);
    apply(detail_, v.detail);
    frame_->setVisible(v.frame.visible);
    apply(added_, v.added);
    apply(removed_, v.removed);
    apply(switch_, v.switchButton);
    apply(ok_, v.ok);
    apply(cancel_, v.cancel);
}

}  // namespace ambon::ui
