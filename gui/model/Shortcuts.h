// The main window's keyboard shortcuts: those its menus show after a tab (Ctrl+O, Ctrl+S,
// Ctrl+Q and the Chinese menu's Ctrl+Alt ones), which work in both interface languages
// whichever menu is attached, and those of undo, redo, copy, paste and Find.
#pragma once

#include <cstdint>
#include <span>
#include <string>

#include "gui/model/CommandTable.h"

namespace tolvane::gui {

enum ShortcutModifier : std::uint8_t {
    kModifierCtrl = 1,
    kModifierAlt = 2,
    kModifierShift = 4,
};

struct Shortcut {
    std::uint8_t modifiers = 0;  // ShortcutModifier bits
    char key = 0;                // an upper-case letter
    Command command = Command::kNothing;
};

std::span<const Shortcut> MainWindowShortcuts();

// As the menus write it: "Ctrl+Alt+R", "Ctrl+Shift+Z".
std::string ShortcutText(const Shortcut& shortcut);

// The first shortcut of a command as a menu item shows it after its tab; empty for none.
std::string ShortcutLabel(Command command);

}  // namespace tolvane::gui
