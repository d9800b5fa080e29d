// The own congregation screen: one column of wide buttons, with "Annuleren" and "OK"
// under them.
#include "ui/reference/own_congregation_dialog_widget.h"

#include <QFrame>
#include <QHBoxLayout>
#include <QVBoxLayout>

namespace ambon::ui {

QPushButton* OwnCongregationDialogWidget::addButton(int id) {
    auto* button = new QPushButton(this);
    setControlId(button, id);
    button->setAutoDefault(false);
    return button;
}

OwnCongregationDialogWidget::OwnCongregationDialogWidget(OwnCongregationDialog& model,
                                                         QWidget* parent)
    : ScreenDialog(model, parent), model_(model) {
    using C = OwnCongregationDialog;

    speakers_ = addButton(C::Speakers);
    chairmen_ = addButton(C::Chairmen);
    readers_ = addButton(C::Readers);
    hosts_ = addButton(C::Hosts);
    exportPackage_ = addButton(C::ExportPackage);
    details_ = addButton(C::Details);
    choose_ = addButton(C::Choose);
    cancel_ = addButton(C::Cancel);
    ok_ = addButton(C::Ok);
    ok_->setDefault(true);

    bind(speakers_, [this] { model_.pressDuty(OwnCongregationDialog::Speakers); });
    bind(chairmen_, [this] { model_.pressDuty(OwnCongregationDialog::Chairmen); });
    bind(readers_, [this] { model_.pressDuty(OwnCongregationDialog::Readers); });
    bind(hosts_, [this] { model_.pressHosts(); });
    bind(details_, [this] { model_.pressDetails(); });
    bind(choose_, [this] { model_.pressChoose(); });
    bind(cancel_, [this] { model_.cancel(); });
    bind(ok_, [this] { model_.ok(); });

    auto* column = new QVBoxLayout;
    for (auto* b : {speakers_, chairmen_, readers_, hosts_}) column->addWidget(b);
    auto* line = new QFrame(this);
    line->setFrameShape(QFrame::HLine);
    line->setFrameShadow(QFrame::Sunken);
    column->addWidget(line);
    for (auto* b : {exportPackage_, details_, choose_}) column->addWidget(b);

    auto* closing = new QHBoxLayout;
    closing->addStretch(1);
    closing->addWidget(cancel_);
    closing->addWidget(ok_);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(column);
    layout->addSpacing(fontMetrics().height() / 2);
    layout->addLayout(closing);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    // Wide enough for the longest caption ("Bekijk / Bewerk Gemeente Details") with room
    // to spare, so the counts never crowd the edge.
    speakers_->setMinimumWidth(
        fontMetrics().horizontalAdvance(QStringLiteral("Bekijk / Bewerk Gemeente Details")) +
        fontMetrics().averageCharWidth() * 10);

    setTabOrder(speakers_, chairmen_);
    setTabOrder(chairmen_, readers_);
    setTabOrder(readers_, hosts_);
    setTabOrder(hosts_, exportPackage_);
    setTabOrder(exportPackage_, details_);
    setTabOrder(details_, choose_);
    setTabOrder(choose_, cancel_);
    setTabOrder(cancel_, ok_);
    settle();
}

void OwnCongregationDialogWidget::render() {
    const auto v = model_.view();
    setWindowTitle(qs(v.caption));
    apply(speakers_, v.speakers);
    apply(chairmen_, v.chairmen);
    apply(readers_, v.readers);
    apply(hosts_, v.hosts);
    apply(exportPackage_, v.exportPackage);
    apply(details_, v.details);
    apply(choose_, v.choose);
    apply(cancel_, v.cancel);
    apply(ok_, v.ok);
}

}  // namespace ambon::ui
