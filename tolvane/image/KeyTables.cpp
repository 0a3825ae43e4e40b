#include "tolvane/image/KeyTables.h"

#include <cstdio>

namespace tolvane {

// Index = key code. A single name stands for both variants.
const std::array<KeyNameEntry, kKeyNameTableSize> KeyNameTable = {{
    {"", ""},
    {"Esc", "Esc"},
    {"F1", "F1"},
    {"F2", "F2"},
    {"F3", "F3"},
    {"F4", "F4"},
    {"F5", "F5"},
    {"F6", "F6"},
    {"F7", "F7"},
    {"F8", "F8"},
    {"F9", "F9"},
    {"F10", "F10"},
    {"F11", "F11"},
    {"F12", "F12"},
    {"`", "~"},
    {"1", "!"},
    {"2", "@"},
    {"3", "#"},
    {"4", "$"},
    {"5", "%"},
    {"6", "^"},
    {"7", "&"},
    {"8", "*"},
    {"9", "("},
    {"0", ")"},
    {"-", "_"},
    {"=", "+"},
    {"Bksp", "Bksp"},
    {"TAB", "TAB"},
    {"q", "Q"},
    {"w", "W"},
    {"e", "E"},
    {"r", "R"},
    {"t", "T"},
    {"y", "Y"},
    {"u", "U"},
    {"i", "I"},
    {"o", "O"},
    {"p", "P"},
    {"[", "{"},
    {"]", "}"},
    {"\\", "|"},
    {"CAPS", "CAPS"},
    {"a", "A"},
    {"s", "S"},
    {"d", "D"},
    {"f", "F"},
    {"g", "G"},
    {"h", "H"},
    {"j", "J"},
    {"k", "K"},
    {"l", "L"},
    {";", ":"},
    {"'", "\""},
    {"Enter", "Enter"},
    {"LShift", "LShift"},
    {"z", "Z"},
    {"x", "X"},
    {"c", "C"},
    {"v", "V"},
    {"b", "B"},
    {"n", "N"},
    {"m", "M"},
    {",", "<"},
    {".", ">"},
    {"/", "?"},
    {"RShift", "RShift"},
    {"LCtrl", "LCtrl"},
    {"LWin", "LWin"},
    {"LAlt", "LAlt"},
    {"Space", "Space"},
    {"RAlt", "RAlt"},
    {"RWin", "RWin"},
    {"Menu", "Menu"},
    {"RCtrl", "RCtrl"},
    {"Wake", "Wake"},
    {"Sleep", "Sleep"},
    {"Power", "Power"},
    {"PrScr", "PrScr"},
    {"Scroll", "Scroll"},
    {"Pause", "Pause"},
    {"Insert", "Insert"},
    {"Home", "Home"},
    {"Pgup", "Pgup"},
    {"Delete", "Delete"},
    {"End", "End"},
    {"Pgdn", "Pgdn"},
    {"Up", "Up"},
    {"Left", "Left"},
    {"Dn", "Dn"},
    {"Right", "Right"},
    {"Num", "Num"},
    {"/", "/"},
    {"num_*", "num_*"},
    {"num_7", "num_7"},
    {"num_8", "num_8"},
    {"num_9", "num_9"},
    {"num_4", "num_4"},
    {"num_5", "num_5"},
    {"num_6", "num_6"},
    {"num_1", "num_1"},
    {"num_2", "num_2"},
    {"num_3", "num_3"},
    {"num_0", "num_0"},
    {"num_.", "num_."},
    {"num_-", "num_-"},
    {"num_+", "num_+"},
    {"num_Enter", "num_Enter"},
    {"Layer1", "Layer1"},
    {"Layer2", "Layer2"},
    {"Layer3", "Layer3"},
    {"Layer4", "Layer4"},
    {"Layer5", "Layer5"},
    {"Layer6", "Layer6"},
}};

// Row order is the order of the special key list; the codes are consecutive.
const std::array<SpecialKeyEntry, kSpecialKeyTableSize> SpecialKeyTable = {{
    {"Delay_0.5_sec", 0x96}, {"www.Back", 0x97},    {"www.Forward", 0x98},   {"www.Stop", 0x99},
    {"www.Refresh", 0x9A},   {"www.Search", 0x9B},  {"www.Favorites", 0x9C}, {"www.Home", 0x9D},
    {"Mail", 0x9E},          {"Mute", 0x9F},        {"VolumeUp", 0xA0},      {"VolumeDown", 0xA1},
    {"Play/Pause", 0xA2},    {"Stop", 0xA3},        {"PreTrack", 0xA4},      {"Nexttrack", 0xA5},
    {"Media_Select", 0xA6},  {"My_Computer", 0xA7}, {"Calculator", 0xA8},
}};

std::string KeyName(KeyCode code, bool shifted) {
    if (code < KeyNameTable.size()) {
        const KeyNameEntry& entry = KeyNameTable[code];
        return std::string(shifted ? entry.shiftedName : entry.plainName);
    }
    if (IsSpecialKeyCode(code)) {
        return std::string(SpecialKeyTable[code - kFirstSpecialKey].name);
    }
    char text[8];
    std::snprintf(text, sizeof text, "0x%02x", static_cast<unsigned>(code));
    return text;
}

KeyCode CodeOfKeyButton(int controlId) {
    return static_cast<KeyCode>(controlId - 1999);
}

const SpecialKeyEntry* SpecialKey(std::size_t row) {
    return row < SpecialKeyTable.size() ? &SpecialKeyTable[row] : nullptr;
}

}  // namespace tolvane
