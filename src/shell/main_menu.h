// The layout of the main window's commands: the menu bar, the toolbar and the command
// panel with its pop-up menus. Data only; what a command does and when it is available
// is the command router's.
#pragma once

#include <string>
#include <vector>

namespace ambon {

struct MenuEntry {
    enum class Kind { Command, Separator, Submenu };
    Kind kind = Kind::Command;
    int command = 0;
    std::string text;
    std::vector<MenuEntry> children;

    static MenuEntry item(int command, std::string text) {
        return {Kind::Command, command, std::move(text), {}};
    }
    static MenuEntry separator() { return {Kind::Separator, 0, {}, {}}; }
    static MenuEntry submenu(std::string text, std::vector<MenuEntry> children) {
        return {Kind::Submenu, 0, std::move(text), std::move(children)};
    }
};

// The menu bar: submenus, and one command directly on the bar.
std::vector<MenuEntry> mainMenu();

// Toolbar commands in order; 0 stands for a separator.
std::vector<int> toolbarCommands();

struct PanelButton {
    int id = 0;
    std::string caption;
    // The command the button sends; 0 for a button that opens its pop-up menu.
    int command = 0;
    std::vector<MenuEntry> popup;
};

struct PanelGroup {
    std::string caption;
    std::vector<PanelButton> buttons;
};

// The command panel: three groups, then "Sluit Programma" on its own.
std::vector<PanelGroup> commandPanel();
PanelButton closeProgramButton();

// The status prompt of a command (before "\n") and its tooltip (after it).
std::string commandPrompt(int command);
std::string commandTooltip(int command);

}  // namespace ambon
