// The main window as the core sees it: its caption and status texts, which commands
// are available, what each command does, and when the window may close. The window
// itself (menu, toolbar, panel) is drawn by the Qt layer from this model.
#pragma once

#include <functional>
#include <map>
#include <string>

#include "platform/platform.h"
#include "print/amb_view.h"
#include "store/amb_doc.h"

namespace ambon {

// What only the window can do for a command.
class ShellHost {
public:
    virtual ~ShellHost() = default;
    // Asks the window to close, as its close box does (the close rules then apply).
    virtual void requestWindowClose() = 0;
    // Opens the user guide; index opens its index section.
    virtual void openHelp(bool index) = 0;
    // Lets the user click a control to see what it does.
    virtual void enterContextHelp() = 0;
    // Redraws everything that shows data (after a change that a list or document shows).
    virtual void refreshViews() = 0;
    // The view switched between the panel and a document.
    virtual void viewModeChanged() = 0;
};

class CMainFrame {
public:
    CMainFrame(CAmbDoc& doc, Platform& platform, CAmbView& view, ShellHost& host);

    std::string caption() const;
    // The day the program started, as "%b %d, %Y" (for example: Dec 09, 2024).
    std::string startDateText() const;

    bool isEnabled(int command) const;
    void execute(int command);
    bool isPanelButtonEnabled(int buttonId) const;
    // A panel button that sends a command (the pop-up buttons open their menus instead).
    void pressPanelButton(int buttonId);

    // The close rules: while printing "Use Close Button"; while a document is shown, back
    // to the panel; otherwise the tables are freed and the window may close.
    bool requestClose();

private:
    void addRoute(int command, std::function<void()> run);
    void buildRoutes();
    void afterDataScreen();

    CAmbDoc& doc_;
    Platform& platform_;
    CAmbView& view_;
    ShellHost& host_;
    // What each command does; a command without a route is not built yet and stays off.
    std::map<int, std::function<void()>> routes_;
    LocalDateTime started_;
};

}  // namespace ambon
