// Where the key programming dialog's controls sit, in dialog units, and what its lists'
// columns are: the on-screen keyboard in six rows (main block, navigation block and keypad,
// with the tall keypad "+" and "Enter" and the wide "0"), the three lamps above the keypad,
// the three lists in their group boxes below it and the buttons under them.
#pragma once

#include <span>
#include <string_view>

#include "gui/kit/DialogUnits.h"
#include "tolvane/app/TextTable.h"
#include "tolvane/image/KeyTables.h"

namespace tolvane::gui {

// Taller than the keyboard's own dialog by the band of the faster key entry controls.
inline constexpr DialogRect kKeyPadClient{0, 0, 520, 311};

// Group boxes, lists, lamps and push buttons.
std::span<const ControlPlace> KeyPadControls();

// The band under the buttons: the text line with its label and Add button under the key
// setting list, a filter box under each of the other two lists, and the toggle that takes
// keys from the PC's keyboard.
std::span<const ControlPlace> KeyPadEntryControls();

// The on-screen key of code 1..108 (control 1999 + code); an empty rectangle for any other
// code.
DialogRect OnScreenKeyPlace(KeyCode code);
// The key's legend: the shifted character over the plain one on the punctuation keys,
// "Esc", "F1" and so on elsewhere.
std::string_view OnScreenKeyCaption(KeyCode code);

enum class ColumnAlignment { kLeft, kCentre };

// Widths are in pixels, as the lists have always had them.
struct ListColumn {
    std::string_view chinese;
    std::string_view english;
    int chineseWidth = 0;
    int englishWidth = 0;
    ColumnAlignment alignment = ColumnAlignment::kLeft;

    std::string_view Title(InterfaceLanguage language) const {
        return language == InterfaceLanguage::kEnglish ? english : chinese;
    }
    int Width(InterfaceLanguage language) const {
        return language == InterfaceLanguage::kEnglish ? englishWidth : chineseWidth;
    }
};

std::span<const ListColumn> KeySettingColumns();
std::span<const ListColumn> SpecialKeyColumns();
std::span<const ListColumn> UserKeyColumns();

}  // namespace tolvane::gui
