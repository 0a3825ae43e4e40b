// What each command number of the main window does, and the menus and toolbars that carry
// the numbers. The Chinese and English menus and toolbars use different numbers for the
// same commands; every number leads through this one table to its handler.
#pragma once

#include <optional>
#include <span>
#include <string_view>

#include "tolvane/app/TextTable.h"

namespace tolvane::gui {

enum class Command {
    kNothing,  // a known number that deliberately does nothing
    kOpen,
    kSave,
    kQuit,
    kRead,
    kWrite,
    kCardReaderSettings,
    kKeyboardSettings,
    kClearAll,
    kNew,
    kSwitchToChinese,
    kSwitchToEnglish,
    kAbout,
    kUserManual,
    kPlugVirtualKeyboard,
    kPullVirtualKeyboard,
    kPrintLegends,
    kExportLegends,
    kToggleLegendLabels,
    // Undo and redo; copy and paste on the panel's focused button (shortcuts only).
    kUndo,
    kRedo,
    kCopyButton,
    kPaste,
    kFind,  // over every layer of every button
    // Safety around writes.
    kRestoreBackup,
    kCompareWithKeyboard,
    kCompareWithFile,
    kClearDifferenceMarks,
    kToggleVerifyAfterWrite,
    kUnshownButtons,
    kToggleButtonNumbers,
};

// The command a number runs; none for a number the window does not know.
std::optional<Command> CommandFor(int id);

// Every number the table knows, for tests and for the dispatcher's wiring.
std::span<const int> KnownCommandIds();

// One entry of a pop-up menu; id 0 is a separator. Items the program added to the
// original menus take their text from the text table, in the menu's language.
struct MenuItem {
    int id = 0;
    std::string_view text;
    TextId tableText = TextId::kCount;
    bool toggle = false;  // an option the item shows ticked while it is on
};

// The text an item shows in a menu of this language.
std::string_view MenuItemText(const MenuItem& item, InterfaceLanguage language);

struct MenuPopup {
    std::string_view title;
    std::span<const MenuItem> items;
    TextId tableTitle = TextId::kCount;  // for the pop-ups the program added
};

std::string_view MenuPopupTitle(const MenuPopup& popup, InterfaceLanguage language);

// The pop-ups of menu 129 (Chinese) or 138 (English): the four of the original menus, with
// the Edit menu after the first and the View menu after the keyboard settings. The text after
// a tab names the item's shortcut (gui/model/Shortcuts.h). The Undo and Redo items' texts
// change with the steps they would take (EditSession).
std::span<const MenuPopup> MainMenu(InterfaceLanguage language);
int MainMenuId(InterfaceLanguage language);

// The button context menu, in order; "Button layer set" opens the layer submenu.
std::span<const MenuItem> ButtonContextMenu();

// After a separator in the button context menu: copy and paste, with the shortcut that does
// the same on the focused button named after a tab (kNothing: none).
struct ClipboardMenuItem {
    int id;
    TextId text;
    Command shortcut;
};
std::span<const ClipboardMenuItem> ButtonClipboardMenu();

// The eight buttons of toolbar 180 (Chinese) or 175 (English), left to right: new, open,
// save, write, read, card reader settings, user manual, quit; then undo and redo, a group of
// their own. The label is drawn into the button's picture under the icon.
struct ToolbarButton {
    int id = 0;
    std::string_view label;
    TextId tableLabel = TextId::kCount;  // for the buttons the program added
    bool startsGroup = false;            // set apart from the button before it
};

std::string_view ToolbarLabel(const ToolbarButton& button, InterfaceLanguage language);

inline constexpr int kToolbarButtonCount = 10;
std::span<const ToolbarButton> MainToolbar(InterfaceLanguage language);
int MainToolbarId(InterfaceLanguage language);

}  // namespace tolvane::gui
