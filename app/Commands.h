#pragma once
// Every command of the main window, each declared once: its text, tips, keys, icon, what it
// runs, when it can run, the undo step it makes and where it is offered. The window builds its
// menus, toolbar, keys and the channel grid's right-click menu from this table alone, so a
// command is added, moved or renamed in one row.

#include <QCoreApplication>
#include <QKeySequence>
#include <QList>
#include <vector>

class CMainFrame;

namespace commands {

// The menu bar's menus, in their order.
enum class Menu { None, File, Edit, Radio, Help };

// When a command can run; it is greyed out otherwise.
enum class When {
    Always,
    ChannelsShown, // it works on the memory channels: only while their page is shown
    CanUndo,
    CanRedo,
};

struct Icon {
    const char* theme = nullptr;   // the desktop theme's name for it, if it has one
    const char* builtIn = nullptr; // the program's own, under :/icons
};

struct Command {
    int id;                        // CMainFrame::Command
    const char* text;              // with its mnemonic
    const char* statusTip = "";    // shown in the status bar while the item is highlighted
    const char* toolTip = nullptr; // nullptr: the text without its mnemonic
    QList<QKeySequence> keys = {}; // the first is the one menus show
    Icon icon = {};
    void (*run)(CMainFrame&) = nullptr;
    When when = When::Always;
    // The command's changes, and whatever they set off, become one undo step of this name;
    // nullptr for commands that change no data or keep their own history.
    const char* undoLabel = nullptr;
    Menu menu = Menu::None;
    int group = 0;         // in a menu, a separator comes between groups
    int toolbarGroup = 0;  // 0: not on the toolbar; a separator comes between groups
    bool gridMenu = false; // also in the channel grid's right-click menu
    bool checkable = false;
    // It replaces or writes the data set without an undo step of its own (New, Open, Save):
    // greyed out, with every command that has an undo step, in a read-only window.
    bool writes = false;
};

// A text of the table in the window's language.
inline QString Text(const char* text) {
    return QCoreApplication::translate("Commands", text);
}

// In menu order.
const std::vector<Command>& Table();

} // namespace commands
