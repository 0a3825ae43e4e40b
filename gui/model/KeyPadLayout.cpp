// UTF-8 source: the Chinese column titles and the "、" legend are written as shown.
#include "gui/model/KeyPadLayout.h"

#include <array>

#include "gui/model/ResourceIds.h"

namespace tolvane::gui {

namespace {

constexpr std::array<ControlPlace, 13> kControls = {{
    {ids::kNumLamp, {425, 9, 29, 12}},
    {ids::kCapsLamp, {454, 9, 29, 12}},
    {ids::kScrollLamp, {483, 9, 30, 12}},
    {ids::kKeySettingGroup, {7, 126, 186, 118}},
    {ids::kKeySettingList, {13, 137, 174, 101}},
    {ids::kSpecialKeyGroup, {199, 126, 172, 118}},
    {ids::kSpecialKeyList, {205, 137, 160, 101}},
    {ids::kUserKeyGroup, {377, 126, 136, 118}},
    {ids::kUserKeyList, {383, 137, 124, 101}},
    {ids::kAddUserKey, {7, 250, 64, 16}},
    {ids::kKeyPadOk, {319, 250, 62, 16}},
    {ids::kKeyPadConfirm, {385, 250, 62, 16}},
    {ids::kKeyPadCancel, {451, 250, 62, 16}},
}};

// Under the buttons, each control lined up with the list above it: the text line as wide
// as the key setting list, its Add button under its right end.
constexpr std::array<ControlPlace, 6> kEntryControls = {{
    {ids::kTypeTextLabel, {13, 276, 22, 8}},
    {ids::kTypeTextEdit, {37, 273, 150, 14}},
    {ids::kAddText, {145, 291, 42, 16}},
    {ids::kSpecialKeyFilter, {205, 273, 160, 14}},
    {ids::kUserKeyFilter, {383, 273, 124, 14}},
    {ids::kTakeKeysToggle, {13, 293, 128, 12}},
}};

// The keys are laid out on a pitch of 22 units across and 18 down; each key leaves two
// units free to its right and below. A slot of code 0 is a gap.
constexpr int kKeyGap = 2;
constexpr int kRowPitch = 18;
constexpr int kKeyHeight = kRowPitch - kKeyGap;
constexpr int kFunctionRowTop = 7;
constexpr int kFirstMainRowTop = 31;  // the function row stands apart
constexpr int kMainBlockLeft = 7;
constexpr int kNavigationLeft = 348;
constexpr int kKeypadLeft = 425;

constexpr KeyCode kLastCode = kLastKeyButtonId - (kFirstKeyButtonId - 1);  // "Fn"

struct KeySlot {
    KeyCode code = 0;
    int width = 22;
    int rows = 1;  // the tall keypad keys take two
};

struct KeyRun {
    int left = 0;
    int row = 0;  // 0 is the function row
    std::span<const KeySlot> slots;
};

constexpr std::array<KeySlot, 16> kFunctionRow = {{
    {1},
    {0},
    {2},
    {3},
    {4},
    {5},
    {0, 11},
    {6},
    {7},
    {8},
    {9},
    {0, 11},
    {10},
    {11},
    {12},
    {13},
}};
constexpr std::array<KeySlot, 14> kDigitRow = {{
    {14},
    {15},
    {16},
    {17},
    {18},
    {19},
    {20},
    {21},
    {22},
    {23},
    {24},
    {25},
    {26},
    {27, 44},
}};
constexpr std::array<KeySlot, 14> kUpperRow = {{
    {28, 33},
    {29},
    {30},
    {31},
    {32},
    {33},
    {34},
    {35},
    {36},
    {37},
    {38},
    {39},
    {40},
    {41, 33},
}};
constexpr std::array<KeySlot, 13> kHomeRow = {{
    {42, 39},
    {43},
    {44},
    {45},
    {46},
    {47},
    {48},
    {49},
    {50},
    {51},
    {52},
    {53},
    {54, 49},
}};
constexpr std::array<KeySlot, 12> kLowerRow = {{
    {55, 49},
    {56},
    {57},
    {58},
    {59},
    {60},
    {61},
    {62},
    {63},
    {64},
    {65},
    {66, 61},
}};
constexpr std::array<KeySlot, 9> kBottomRow = {{
    {108, 27},
    {67, 28},
    {68, 27},
    {69, 28},
    {70, 110},
    {71, 28},
    {72, 27},
    {73, 27},
    {74, 28},
}};

constexpr std::array<KeySlot, 3> kPowerKeys = {{{75}, {76}, {77}}};
constexpr std::array<KeySlot, 3> kPrintKeys = {{{78}, {79}, {80}}};
constexpr std::array<KeySlot, 3> kInsertKeys = {{{81}, {82}, {83}}};
constexpr std::array<KeySlot, 3> kDeleteKeys = {{{84}, {85}, {86}}};
constexpr std::array<KeySlot, 2> kUpKey = {{{0}, {87}}};
constexpr std::array<KeySlot, 3> kArrowKeys = {{{88}, {89}, {90}}};

constexpr std::array<KeySlot, 4> kKeypadTop = {{{91}, {92}, {93}, {105}}};
constexpr std::array<KeySlot, 4> kKeypadSeven = {{{94}, {95}, {96}, {106, 22, 2}}};
constexpr std::array<KeySlot, 3> kKeypadFour = {{{97}, {98}, {99}}};
constexpr std::array<KeySlot, 4> kKeypadOne = {{{100}, {101}, {102}, {107, 22, 2}}};
constexpr std::array<KeySlot, 2> kKeypadZero = {{{103, 44}, {104}}};

constexpr std::array<KeyRun, 17> kKeyRuns = {{
    {kMainBlockLeft, 0, kFunctionRow},
    {kMainBlockLeft, 1, kDigitRow},
    {kMainBlockLeft, 2, kUpperRow},
    {kMainBlockLeft, 3, kHomeRow},
    {kMainBlockLeft, 4, kLowerRow},
    {kMainBlockLeft, 5, kBottomRow},
    {kNavigationLeft, 0, kPowerKeys},
    {kNavigationLeft, 1, kPrintKeys},
    {kNavigationLeft, 2, kInsertKeys},
    {kNavigationLeft, 3, kDeleteKeys},
    {kNavigationLeft, 4, kUpKey},
    {kNavigationLeft, 5, kArrowKeys},
    {kKeypadLeft, 1, kKeypadTop},
    {kKeypadLeft, 2, kKeypadSeven},
    {kKeypadLeft, 3, kKeypadFour},
    {kKeypadLeft, 4, kKeypadOne},
    {kKeypadLeft, 5, kKeypadZero},
}};

constexpr int RowTop(int row) {
    return row == 0 ? kFunctionRowTop : kFirstMainRowTop + (row - 1) * kRowPitch;
}

using KeyPlaces = std::array<DialogRect, kLastCode + 1>;

constexpr KeyPlaces PlaceKeys() {
    KeyPlaces places{};
    for (const KeyRun& run : kKeyRuns) {
        int x = run.left;
        for (const KeySlot& slot : run.slots) {
            if (slot.code != 0) {
                places[slot.code] = {x, RowTop(run.row), slot.width - kKeyGap,
                                     slot.rows * kRowPitch - kKeyGap};
            }
            x += slot.width;
        }
    }
    return places;
}

constexpr KeyPlaces kKeyPlaces = PlaceKeys();
static_assert(kKeyPlaces[1].height == kKeyHeight);

constexpr std::array<std::string_view, kLastCode + 1> kCaptions = {
    "",      "Esc",    "F1",    "F2",     "F3",     "F4",    "F5",    "F6",     "F7",    "F8",
    "F9",    "F10",    "F11",   "F12",    "~\n、",  "!  1",  "@  2",  "#  3",   "$  4",  "%  5",
    "^  6",  "&  7",   "*  8",  "(  9",   ")  0",   "_  -",  "+  =",  "<—Bksp", "Tab—>", "Q",
    "W",     "E",      "R",     "T",      "Y",      "U",     "I",     "O",      "P",     "{   [",
    "]   }", "|   \\", "Caps",  "A",      "S",      "D",     "F",     "G",      "H",     "J",
    "K",     "L",      ":   ;", "\"   '", "Enter",  "Shift", "Z",     "X",      "C",     "V",
    "B",     "N",      "M",     "<   ,",  ">   .",  "?   /", "Shift", "Ctrl",   "Win",   "Alt",
    "Space", "Alt",    "Win",   "Menu",   "Ctrl",   "Wake",  "Sleep", "Power",  "PrtSc", "Scroll",
    "Pause", "Insert", "Home",  "PgUp",   "Delete", "End",   "PgDn",  "^",      "<",     "v",
    ">",     "Num",    "/",     "*",      "7",      "8",     "9",     "4",      "5",     "6",
    "1",     "2",      "3",     "0",      ".",      "-",     "+",     "Enter",  "Fn",
};
static_assert(kCaptions[kLastCode] == "Fn");

constexpr std::array<ListColumn, 4> kKeySettingColumns = {{
    {"序号", "No.", 40, 40, ColumnAlignment::kCentre},
    {"键码", "Key Code", 100, 100, ColumnAlignment::kCentre},
    {"键值", "Key Value", 80, 80, ColumnAlignment::kCentre},
    {"层", "Layer", 65, 65, ColumnAlignment::kCentre},
}};
constexpr std::array<ListColumn, 3> kSpecialKeyColumns = {{
    {"序号", "No.", 40, 40, ColumnAlignment::kCentre},
    {"特殊键码", "Special Key", 130, 130, ColumnAlignment::kLeft},
    {"键值", "Key Value", 80, 90, ColumnAlignment::kLeft},
}};
constexpr std::array<ListColumn, 2> kUserKeyColumns = {{
    {"序号", "No.", 40, 40, ColumnAlignment::kCentre},
    {"键码", "Key Code", 155, 155, ColumnAlignment::kLeft},
}};

}  // namespace

std::span<const ControlPlace> KeyPadControls() {
    return kControls;
}

std::span<const ControlPlace> KeyPadEntryControls() {
    return kEntryControls;
}

DialogRect OnScreenKeyPlace(KeyCode code) {
    return code < kKeyPlaces.size() ? kKeyPlaces[code] : DialogRect{};
}

std::string_view OnScreenKeyCaption(KeyCode code) {
    return code < kCaptions.size() ? kCaptions[code] : std::string_view{};
}

std::span<const ListColumn> KeySettingColumns() {
    return kKeySettingColumns;
}

std::span<const ListColumn> SpecialKeyColumns() {
    return kSpecialKeyColumns;
}

std::span<const ListColumn> UserKeyColumns() {
    return kUserKeyColumns;
}

}  // namespace tolvane::gui
