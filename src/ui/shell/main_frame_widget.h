// The main window: menu, toolbar, status bar and the view (command panel or document),
// all drawn from the core's CMainFrame and CAmbView.
#pragma once

#include <QAction>
#include <QLabel>
#include <QMainWindow>
#include <QTimer>
#include <map>

#include "print/amb_view.h"
#include "shell/main_frame.h"
#include "shell/main_menu.h"

namespace ambon::ui {

class CAmbViewWidget;

class CMainFrameWidget : public QMainWindow, public ShellHost {
public:
    CMainFrameWidget(CAmbDoc& doc, Platform& platform, QWidget* parent = nullptr);

    CMainFrame& frame() { return frame_; }
    CAmbView& view() { return view_; }
    CAmbViewWidget* viewWidget() const { return viewWidget_; }
    QAction* action(int command) const;
    // Enables menu items, toolbar buttons and panel buttons by the availability rules.
    void refreshCommandStates();

    // ShellHost
    void requestWindowClose() override;
    void openHelp(bool index) override;
    void enterContextHelp() override;
    void refreshViews() override;
    void viewModeChanged() override;

protected:
    void closeEvent(QCloseEvent* event) override;
    void moveEvent(QMoveEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    void buildMenu(QMenu* menu, const std::vector<MenuEntry>& entries);
    QAction* makeAction(int command, const std::string& text);
    void buildToolbar();
    void placeWindow();

    CAmbDoc& doc_;
    CAmbView view_;
    CMainFrame frame_;
    CAmbViewWidget* viewWidget_ = nullptr;
    std::map<int, QAction*> actions_;
    QTimer idle_;
    bool placing_ = false;
};

}  // namespace ambon::ui
