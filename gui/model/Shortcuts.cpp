#include "gui/model/Shortcuts.h"

#include <array>

namespace tolvane::gui {

namespace {

constexpr std::uint8_t kCtrl = kModifierCtrl;
constexpr std::uint8_t kCtrlAlt = kModifierCtrl | kModifierAlt;
constexpr std::uint8_t kCtrlShift = kModifierCtrl | kModifierShift;

constexpr auto kShortcuts = std::to_array<Shortcut>({
    {kCtrl, 'O', Command::kOpen},
    {kCtrl, 'S', Command::kSave},
    {kCtrlAlt, 'S', Command::kSave},
    {kCtrl, 'Q', Command::kQuit},
    {kCtrlAlt, 'R', Command::kRead},
    {kCtrlAlt, 'W', Command::kWrite},
    {kCtrlAlt, 'K', Command::kCardReaderSettings},
    {kCtrlAlt, 'V', Command::kKeyboardSettings},
    {kCtrlAlt, 'C', Command::kClearAll},
    {kCtrl, 'A', Command::kAbout},
    {kCtrl, 'Z', Command::kUndo},
    {kCtrl, 'Y', Command::kRedo},
    {kCtrlShift, 'Z', Command::kRedo},
    // On the panel button that has the keyboard focus, else the one under the pointer.
    {kCtrl, 'C', Command::kCopyButton},
    {kCtrl, 'V', Command::kPaste},
    {kCtrl, 'F', Command::kFind},
});

}  // namespace

std::span<const Shortcut> MainWindowShortcuts() {
    return kShortcuts;
}

std::string ShortcutText(const Shortcut& shortcut) {
    std::string text;
    if ((shortcut.modifiers & kModifierCtrl) != 0) {
        text += "Ctrl+";
    }
    if ((shortcut.modifiers & kModifierAlt) != 0) {
        text += "Alt+";
    }
    if ((shortcut.modifiers & kModifierShift) != 0) {
        text += "Shift+";
    }
    return text + shortcut.key;
}

std::string ShortcutLabel(Command command) {
    for (const Shortcut& shortcut : kShortcuts) {
        if (shortcut.command == command) {
            return ShortcutText(shortcut);
        }
    }
    return {};
}

}  // namespace tolvane::gui
