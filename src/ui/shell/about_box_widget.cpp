// The about box: icon, program line, version and the data directory.
#include "ui/shell/about_box_widget.h"

#include <QApplication>
#include <QDialogButtonBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace ambon::ui {

AboutBoxWidget::AboutBoxWidget(AboutBox& model, QWidget* parent)
    : ScreenDialog(model, parent), model_(model) {
    setWindowTitle(qs(model.caption()));
    auto* layout = new QVBoxLayout(this);
    auto* top = new QHBoxLayout;
    auto* icon = new QLabel;
    icon->setPixmap(QApplication::windowIcon().pixmap(48, 48));
    top->addWidget(icon, 0, Qt::AlignTop);
    auto* texts = new QVBoxLayout;
    auto* program = new QLabel(qs(model.programLine()));
    QFont bold = program->font();
    bold.setBold(true);
    program->setFont(bold);
    texts->addWidget(program);
    texts->addWidget(new QLabel(qs(model.versionText())));
    top->addLayout(texts, 1);
    layout->addLayout(top);
    auto* group = new QGroupBox(qs(model.directoryCaption()));
    auto* groupLayout = new QVBoxLayout(group);
    auto* dir = new QLabel(qs(model.directory()));
    dir->setTextInteractionFlags(Qt::TextSelectableByMouse);
    groupLayout->addWidget(dir);
    layout->addWidget(group);
    auto* buttons = new QDialogButtonBox;
    auto* ok = buttons->addButton(QStringLiteral("OK"), QDialogButtonBox::AcceptRole);
    setControlId(ok, 1);
    ok->setDefault(true);
    bind(ok, [this] { model_.ok(); });
    layout->addWidget(buttons);
    setMinimumWidth(420);
}

}  // namespace ambon::ui
