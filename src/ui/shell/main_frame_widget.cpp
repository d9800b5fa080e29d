// The main window.
#include "ui/shell/main_frame_widget.h"

#include <QApplication>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QDesktopServices>
#include <QDir>
#include <QFileInfo>
#include <QKeyEvent>
#include <QMenuBar>
#include <QScreen>
#include <QStatusBar>
#include <QToolBar>
#include <QUrl>
#include <QWhatsThis>

#include "shell/command_ids.h"
#include "ui/print/amb_view_widget.h"
#include "ui/shell/toolbar_icons.h"
#include "ui/widget_support.h"

#ifndef AMBON_DOCS_DIR
#define AMBON_DOCS_DIR ""
#endif

namespace ambon::ui {

CMainFrameWidget::CMainFrameWidget(CAmbDoc& doc, Platform& platform, QWidget* parent)
    : QMainWindow(parent), doc_(doc), frame_(doc, platform, view_, *this) {
    setWindowTitle(qs(frame_.caption()));
    setWindowIcon(applicationIcon());

    for (const MenuEntry& top : mainMenu()) {
        if (top.kind == MenuEntry::Kind::Submenu) {
            QMenu* menu = menuBar()->addMenu(qs(top.text));
            buildMenu(menu, top.children);
            connect(menu, &QMenu::aboutToShow, this, [this] { refreshCommandStates(); });
        } else {
            menuBar()->addAction(makeAction(top.command, top.text));
        }
    }
    buildToolbar();

    auto* date = new QLabel(qs(frame_.startDateText()), this);
    date->setObjectName(QStringLiteral("startDate"));
    date->setContentsMargins(8, 0, 8, 0);
    statusBar()->addPermanentWidget(date);

    viewWidget_ = new CAmbViewWidget(view_, frame_, this);
    setCentralWidget(viewWidget_);

    // Availability follows the data; check it whenever the program is idle for a moment.
    idle_.setInterval(300);
    connect(&idle_, &QTimer::timeout, this, [this] { refreshCommandStates(); });
    idle_.start();
    refreshCommandStates();
    placeWindow();
}

QAction* CMainFrameWidget::makeAction(int command, const std::string& text) {
    QString caption = qs(text);
    QString shortcut;
    int tab = caption.indexOf('\t');
    if (tab >= 0) {
        shortcut = caption.mid(tab + 1);
        caption = caption.left(tab);
    }
    auto* a = new QAction(caption, this);
    a->setObjectName(QString::number(command));
    if (!shortcut.isEmpty()) a->setShortcut(QKeySequence(shortcut));
    a->setStatusTip(qs(commandPrompt(command)));
    QString tip = qs(commandTooltip(command));
    a->setToolTip(tip.isEmpty() ? QString(caption).remove('&') : tip);
    a->setWhatsThis(qs(commandPrompt(command)));
    connect(a, &QAction::triggered, this, [this, command] {
        frame_.execute(command);
        refreshCommandStates();
    });
    actions_[command] = a;
    return a;
}

void CMainFrameWidget::buildMenu(QMenu* menu, const std::vector<MenuEntry>& entries) {
    for (const MenuEntry& e : entries) {
        switch (e.kind) {
            case MenuEntry::Kind::Separator:
                menu->addSeparator();
                break;
            case MenuEntry::Kind::Submenu:
                buildMenu(menu->addMenu(qs(e.text)), e.children);
                break;
            case MenuEntry::Kind::Command:
                menu->addAction(makeAction(e.command, e.text));
                break;
        }
    }
}

void CMainFrameWidget::buildToolbar() {
    QToolBar* bar = addToolBar(QStringLiteral("Werkbalk"));
    bar->setObjectName(QStringLiteral("toolbar"));
    bar->setMovable(false);
    bar->setIconSize(QSize(24, 24));
    for (int command : toolbarCommands()) {
        if (command == 0) {
            bar->addSeparator();
            continue;
        }
        QAction* a = action(command);
        if (!a) continue;
        a->setIcon(toolbarIcon(command));
        bar->addAction(a);
    }
}

QAction* CMainFrameWidget::action(int command) const {
    auto it = actions_.find(command);
    return it == actions_.end() ? nullptr : it->second;
}

void CMainFrameWidget::refreshCommandStates() {
    for (auto& [command, a] : actions_) a->setEnabled(frame_.isEnabled(command));
    viewWidget_->panel()->refreshStates();
}

void CMainFrameWidget::requestWindowClose() {
    close();
}

void CMainFrameWidget::openHelp(bool index) {
    QString dir = QStringLiteral(AMBON_DOCS_DIR);
    QString guide = QDir(dir).filePath(QStringLiteral("index.html"));
    if (dir.isEmpty() || !QFileInfo::exists(guide))
        guide = QDir(QCoreApplication::applicationDirPath())
                    .filePath(QStringLiteral("../share/ambon/docs/index.html"));
    QUrl url = QUrl::fromLocalFile(guide);
    if (index) url.setFragment(QStringLiteral("index"));
    QDesktopServices::openUrl(url);
}

void CMainFrameWidget::enterContextHelp() {
    QWhatsThis::enterWhatsThisMode();
}

void CMainFrameWidget::refreshViews() {
    viewWidget_->update();
    refreshCommandStates();
}

void CMainFrameWidget::viewModeChanged() {
    viewWidget_->showMode();
    refreshCommandStates();
    placeWindow();
}

void CMainFrameWidget::placeWindow() {
    QScreen* screen = this->screen() ? this->screen() : QApplication::primaryScreen();
    if (!screen) return;
    placing_ = true;
    bool wasVisible = isVisible();
    QRect desktop = screen->geometry();
    QRect work = screen->availableGeometry();
    ScreenRect d{desktop.x(), desktop.y(), desktop.width(), desktop.height()};
    ScreenRect w{work.x(), work.y(), work.width(), work.height()};
    if (view_.mode() == ViewMode::Panel) {
        // The panel fixes the window's size; it cannot be maximised.
        setWindowFlag(Qt::WindowMaximizeButtonHint, false);
        if (wasVisible) showNormal();
        setMinimumSize(0, 0);
        setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
        adjustSize();
        QSize size = sizeHint().expandedTo(minimumSizeHint());
        ScreenRect r = view_.panelPlacement(d, size.width(), size.height());
        setGeometry(r.x, r.y, r.width, r.height);
        setFixedSize(size);
    } else {
        setMinimumSize(0, 0);
        setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
        setWindowFlag(Qt::WindowMaximizeButtonHint, true);
        ScreenRect r = view_.documentPlacement(d, w, logicalDpiX(), logicalDpiY());
        setGeometry(r.x, r.y, r.width, r.height);
    }
    // Changing the window's buttons hides it; show it again when it was shown.
    if (wasVisible) show();
    placing_ = false;
}

void CMainFrameWidget::moveEvent(QMoveEvent* event) {
    QMainWindow::moveEvent(event);
    if (placing_ || !isVisible()) return;
    ScreenPoint p{frameGeometry().x(), frameGeometry().y()};
    if (view_.mode() == ViewMode::Panel)
        view_.rememberPanelPosition(p);
    else
        view_.rememberDocumentPosition(p);
}

void CMainFrameWidget::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Escape && view_.mode() == ViewMode::Document) {
        frame_.execute(cmd::ReturnToPanel);
        return;
    }
    QMainWindow::keyPressEvent(event);
}

void CMainFrameWidget::closeEvent(QCloseEvent* event) {
    if (frame_.requestClose()) {
        idle_.stop();
        event->accept();
    } else {
        event->ignore();
    }
}

}  // namespace ambon::ui
