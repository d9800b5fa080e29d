// Command routing: one table from command id to what it does and when it is available.
#include "shell/main_frame.h"

#include <array>
#include <cstdio>

#include "reference/brother_list_dialog.h"
#include "reference/congregation_list_dialog.h"
#include "reference/name_list_dialog.h"
#include "reference/own_congregation_dialog.h"
#include "resources/string_table.h"
#include "schedule/availability_dialog.h"
#include "schedule/talk_list_dialog.h"
#include "shell/about_box.h"
#include "shell/command_ids.h"
#include "shell/command_rules.h"
#include "shell/main_menu.h"
#include "shell/preferences_dialog.h"

namespace ambon {

namespace {

// "%b" of the C locale, which the status bar has always used.
constexpr std::array<const char*, 12> kMonthAbbrev = {"Jan", "Feb", "Mar", "Apr", "May", "Jun",
                                                      "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};

}  // namespace

CMainFrame::CMainFrame(CAmbDoc& doc, Platform& platform, CAmbView& view, ShellHost& host)
    : doc_(doc), platform_(platform), view_(view), host_(host), started_(platform.clock.now()) {
    buildRoutes();
}

std::string CMainFrame::caption() const {
    std::string title(stringText(2));
    auto nl = title.find('\n');
    return nl == std::string::npos ? title : title.substr(0, nl);
}

std::string CMainFrame::startDateText() const {
    char text[32];
    int month = started_.month >= 1 && started_.month <= 12 ? started_.month : 1;
    std::snprintf(text, sizeof text, "%s %02d, %d",
                  kMonthAbbrev[static_cast<std::size_t>(month - 1)], started_.day, started_.year);
    return text;
}

void CMainFrame::addRoute(int command, std::function<void()> run) {
    routes_[command] = std::move(run);
}

void CMainFrame::afterDataScreen() {
    if (doc_.dataChanged()) host_.refreshViews();
}

void CMainFrame::buildRoutes() {
    addRoute(cmd::ReturnToPanel, [this] {
        view_.returnToPanel();
        host_.viewModeChanged();
    });
    addRoute(cmd::Close, [this] { host_.requestWindowClose(); });
    addRoute(cmd::PrinterSetup, [this] { platform_.printers.setup(); });
    addRoute(cmd::Preferences, [this] {
        if (showPreferences(doc_, platform_.screens, platform_.colours)) host_.refreshViews();
    });
    addRoute(cmd::Talks, [this] {
        // The catalogue: mode 0 with talk 1 selected; no brother is involved.
        TalkListDialog list(doc_, platform_, BrotherRecord{}, 1, 0, TalkListDialog::kEditMode);
        platform_.screens.run(list);
        afterDataScreen();
    });
    addRoute(cmd::Congregations, [this] {
        CongregationListDialog list(doc_, platform_);
        platform_.screens.run(list);
        afterDataScreen();
    });
    addRoute(cmd::Brothers, [this] {
        BrotherListDialog list(doc_, platform_, {});
        platform_.screens.run(list);
        if (doc_.dataChanged()) {
            // Names, congregations and deletions change who the own congregation has.
            doc_.rebuildLocalBrothers();
            host_.refreshViews();
        }
    });
    addRoute(cmd::Availability, [this] {
        BrotherListDialog::Options pick;
        pick.selectMode = true;
        pick.hideAdd = true;
        int row = 0;
        for (;;) {
            BrotherListDialog list(doc_, platform_, pick);
            // Back on the brother just done, so the next one is near.
            list.setSelection(row);
            if (!platform_.screens.run(list)) break;
            const int index = list.chosenIndex();
            if (index < 0 || static_cast<std::size_t>(index) >= doc_.brothers().count()) break;
            row = list.selection();
            AvailabilityDialog availability(
                doc_, doc_.brothers().entry(static_cast<std::size_t>(index)).brotherId, false);
            platform_.screens.run(availability);
        }
    });
    addRoute(cmd::Circuits, [this] {
        NameListDialog circuits(doc_, platform_, NameListDialog::Mode::Circuits);
        platform_.screens.run(circuits);
    });
    addRoute(cmd::OwnCongregation, [this] {
        OwnCongregationDialog own(doc_, platform_);
        platform_.screens.run(own);
        afterDataScreen();
    });
    addRoute(cmd::HelpContents, [this] { host_.openHelp(false); });
    addRoute(cmd::HelpIndex, [this] { host_.openHelp(true); });
    addRoute(cmd::ContextHelp, [this] { host_.enterContextHelp(); });
    addRoute(cmd::About, [this] {
        AboutBox about(doc_.dataDir().path().string());
        platform_.screens.run(about);
    });
}

bool CMainFrame::isEnabled(int command) const {
    return routes_.count(command) != 0 && commandRuleAllows(doc_, view_, command);
}

void CMainFrame::execute(int command) {
    if (!isEnabled(command)) return;
    routes_.at(command)();
}

bool CMainFrame::isPanelButtonEnabled(int buttonId) const {
    if (buttonId == panel::CloseProgram) return true;
    for (const auto& group : commandPanel()) {
        for (const auto& button : group.buttons) {
            if (button.id != buttonId) continue;
            if (!panelRuleAllows(doc_, buttonId)) return false;
            // A button follows its own rule; the command behind it only has to exist.
            if (button.command != 0) return routes_.count(button.command) != 0;
            for (const auto& item : button.popup)
                if (item.kind == MenuEntry::Kind::Command && isEnabled(item.command)) return true;
            return false;
        }
    }
    return false;
}

void CMainFrame::pressPanelButton(int buttonId) {
    if (!isPanelButtonEnabled(buttonId)) return;
    if (buttonId == panel::CloseProgram) {
        host_.requestWindowClose();
        return;
    }
    for (const auto& group : commandPanel())
        for (const auto& button : group.buttons)
            if (button.id == buttonId && button.command != 0) execute(button.command);
}

bool CMainFrame::requestClose() {
    if (view_.printing()) {
        platform_.messages.ok("Use Close Button");
        return false;
    }
    if (view_.mode() == ViewMode::Document) {
        view_.returnToPanel();
        host_.viewModeChanged();
        return false;
    }
    doc_.freeTables();
    return true;
}

}  // namespace ambon
