// UTF-8 source: the Chinese menu texts are written as they are shown.
#include "gui/model/CommandTable.h"

#include <algorithm>
#include <array>

#include "gui/model/ResourceIds.h"

namespace tolvane::gui {

namespace {

using namespace ids;

struct CommandEntry {
    int id;
    Command command;
};

// Chinese menu, English menu, toolbar 180, toolbar 175, system menu, virtual keyboard menu.
constexpr auto kCommands = std::to_array<CommandEntry>({
    {kCnOpen, Command::kOpen},
    {kCnSave, Command::kSave},
    {kCnSaveAs, Command::kSave},
    {kCnQuit, Command::kQuit},
    {kCnRead, Command::kRead},
    {kCnWrite, Command::kWrite},
    {kCnCardReaderSettings, Command::kCardReaderSettings},
    {kCnKeyboardSettings, Command::kKeyboardSettings},
    {kCnClearAll, Command::kClearAll},
    {kCnChinese, Command::kNothing},  // already the interface language
    {kCnEnglish, Command::kSwitchToEnglish},
    {kCnAbout, Command::kAbout},
    {kCnUserManual, Command::kUserManual},

    {kEnOpen, Command::kOpen},
    {kEnSave, Command::kSave},
    // "Save As" saves like its Chinese twin: a user choosing it expects a save dialog.
    {kEnSaveAs, Command::kSave},
    {kEnQuit, Command::kQuit},
    {kEnRead, Command::kRead},
    {kEnWrite, Command::kWrite},
    {kEnCardReaderSettings, Command::kCardReaderSettings},
    {kEnKeyboardSettings, Command::kKeyboardSettings},
    {kEnClearAll, Command::kClearAll},
    {kEnChinese, Command::kSwitchToChinese},
    {kEnEnglish, Command::kNothing},  // already the interface language
    {kEnAbout, Command::kAbout},
    {kEnUserManual, Command::kUserManual},

    {kCnToolNew, Command::kNew},
    {kCnToolOpen, Command::kOpen},
    {kCnToolSave, Command::kSave},
    {kCnToolWrite, Command::kWrite},
    {kCnToolRead, Command::kRead},
    {kCnToolCard, Command::kCardReaderSettings},
    {kCnToolHelp, Command::kUserManual},
    {kCnToolQuit, Command::kQuit},

    {kEnToolNew, Command::kNew},
    {kEnToolWrite, Command::kWrite},
    {kEnToolRead, Command::kRead},
    {kEnToolCard, Command::kCardReaderSettings},
    {kEnToolHelp, Command::kUserManual},
    {kEnToolQuit, Command::kQuit},

    {kSystemAbout, Command::kAbout},
    {kVirtualPlugIn, Command::kPlugVirtualKeyboard},
    {kVirtualPullOut, Command::kPullVirtualKeyboard},
    {kPrintLegends, Command::kPrintLegends},
    {kExportLegends, Command::kExportLegends},
    {kViewLegendLabels, Command::kToggleLegendLabels},

    // The Edit menu's and the toolbar's undo and redo, the same numbers in both languages.
    {kUndo, Command::kUndo},
    {kRedo, Command::kRedo},
    {kFindCommand, Command::kFind},
    {kRestoreBackup, Command::kRestoreBackup},
    {kCompareWithKeyboard, Command::kCompareWithKeyboard},
    {kCompareWithFile, Command::kCompareWithFile},
    {kClearDifferenceMarks, Command::kClearDifferenceMarks},
    {kVerifyAfterWrite, Command::kToggleVerifyAfterWrite},
    {kUnshownButtonsCommand, Command::kUnshownButtons},
    {kViewButtonNumbers, Command::kToggleButtonNumbers},
});

constexpr auto kKnownIds = [] {
    std::array<int, kCommands.size()> known{};
    std::transform(kCommands.begin(), kCommands.end(), known.begin(),
                   [](const CommandEntry& entry) { return entry.id; });
    return known;
}();

constexpr MenuItem kSeparator{0, {}};

constexpr MenuItem kPrintLegendsItem{kPrintLegends, {}, TextId::kMenuPrintLegends};
constexpr MenuItem kExportLegendsItem{kExportLegends, {}, TextId::kMenuExportLegends};
// The File menu's safety items and the KeyBoardSet menu's verify option, both languages.
constexpr MenuItem kRestoreBackupItem{kRestoreBackup, {}, TextId::kMenuRestoreBackup};
constexpr MenuItem kCompareKeyboardItem{kCompareWithKeyboard, {}, TextId::kMenuCompareKeyboard};
constexpr MenuItem kCompareFileItem{kCompareWithFile, {}, TextId::kMenuCompareFile};
constexpr MenuItem kClearMarksItem{kClearDifferenceMarks, {}, TextId::kMenuClearMarks};
constexpr MenuItem kVerifyItem{kVerifyAfterWrite, {}, TextId::kMenuVerifyAfterWrite, true};

constexpr std::array<MenuItem, 14> kCnFile = {{
    {kCnOpen, "打开(&O)...\tCtrl+O"},
    {kCnSave, "保存(&S)\tCtrl+S"},
    {kCnSaveAs, "另存为(&A)...\tCtrl+Alt+S"},
    kSeparator,
    kRestoreBackupItem,
    kCompareKeyboardItem,
    kCompareFileItem,
    kClearMarksItem,
    kSeparator,
    kPrintLegendsItem,
    kExportLegendsItem,
    kSeparator,
    {kCnQuit, "退出(&X)\tCtrl+Q"},
}};
constexpr MenuItem kUnshownButtonsItem{kUnshownButtonsCommand, {}, TextId::kMenuHiddenButtons};
constexpr std::array<MenuItem, 10> kCnKeyboard = {{
    {kCnRead, "读键盘\tCtrl+Alt+R"},
    {kCnWrite, "写键盘\tCtrl+Alt+W"},
    kVerifyItem,
    kSeparator,
    {kCnCardReaderSettings, "磁卡设置\tCtrl+Alt+K"},
    {kCnKeyboardSettings, "发声设置\tCtrl+Alt+V"},
    kSeparator,
    {kCnClearAll, "清除全部设置\tCtrl+Alt+C"},
    kSeparator,
    kUnshownButtonsItem,
}};
// The View menu the program added, the same in both languages but for its texts.
constexpr std::array<MenuItem, 2> kView = {{
    {kViewLegendLabels, {}, TextId::kMenuShowLegendLabels, true},
    {kViewButtonNumbers, {}, TextId::kMenuShowButtonNumbers, true},
}};
constexpr MenuPopup kViewPopup{{}, kView, TextId::kMenuView};

constexpr std::array<MenuItem, 4> kButtonContextMenu = {{
    {kContextDeleteCurrentLayer, {}, TextId::kMenuDeleteCurrentLayer},
    {kContextDeleteAllLayers, {}, TextId::kMenuDeleteAllLayers},
    {kContextButtonLayerSet, {}, TextId::kMenuButtonLayerSet},
    {kContextLegendLabel, {}, TextId::kMenuLegendLabel},
}};

constexpr std::array<ClipboardMenuItem, 3> kClipboardItems = {{
    {kContextCopyButton, TextId::kMenuCopyButton, Command::kCopyButton},
    {kContextCopyLayer, TextId::kMenuCopyLayer, Command::kNothing},
    {kContextPaste, TextId::kMenuPaste, Command::kPaste},
}};

constexpr std::array<MenuItem, 2> kCnLanguage = {{
    {kCnChinese, "中文简体(&CN)"},
    {kCnEnglish, "English(&EN)"},
}};
constexpr std::array<MenuItem, 3> kCnHelp = {{
    {kCnUserManual, "使用手册(&F1)"},
    kSeparator,
    {kCnAbout, "关于(&B)...\tCtrl+A"},
}};
// The Edit menu, the same in both languages but for its texts; Find after the history.
constexpr std::array<MenuItem, 4> kEdit = {{
    {kUndo, {}, TextId::kMenuUndo},
    {kRedo, {}, TextId::kMenuRedo},
    kSeparator,
    {kFindCommand, {}, TextId::kMenuFind},
}};
constexpr MenuPopup kEditPopup{{}, kEdit, TextId::kMenuEdit};

constexpr std::array<MenuPopup, 6> kCnMenu = {{
    {"文件(&F)", kCnFile},
    kEditPopup,
    {"键盘设置(&S)", kCnKeyboard},
    kViewPopup,
    {"语言选择(&L)", kCnLanguage},
    {"帮助(&H)", kCnHelp},
}};

constexpr std::array<MenuItem, 14> kEnFile = {{
    {kEnOpen, "Open(&O)...\tCtrl+O"},
    {kEnSave, "Save(&S)\tCtrl+S"},
    {kEnSaveAs, "Save As"},
    kSeparator,
    kRestoreBackupItem,
    kCompareKeyboardItem,
    kCompareFileItem,
    kClearMarksItem,
    kSeparator,
    kPrintLegendsItem,
    kExportLegendsItem,
    kSeparator,
    {kEnQuit, "Quit"},
}};
constexpr std::array<MenuItem, 10> kEnKeyboard = {{
    {kEnRead, "Read Keyboard"},
    {kEnWrite, "Write Keyboard"},
    kVerifyItem,
    kSeparator,
    {kEnCardReaderSettings, "Card Reader Setting"},
    {kEnKeyboardSettings, "Keyboard Setting"},
    kSeparator,
    {kEnClearAll, "Clear all settings"},
    kSeparator,
    kUnshownButtonsItem,
}};
constexpr std::array<MenuItem, 2> kEnLanguage = {{
    {kEnChinese, "中文简体"},
    {kEnEnglish, "English"},
}};
constexpr std::array<MenuItem, 3> kEnHelp = {{
    {kEnUserManual, "User Manual"},
    kSeparator,
    {kEnAbout, "About"},
}};
constexpr std::array<MenuPopup, 6> kEnMenu = {{
    {"File(&F)", kEnFile},
    kEditPopup,
    {"KeyBoardSet(&S)", kEnKeyboard},
    kViewPopup,
    {"Language(&L)", kEnLanguage},
    {"Help(&H)", kEnHelp},
}};

constexpr std::array<ToolbarButton, kToolbarButtonCount> kCnToolbar = {{
    {kCnToolNew, "新建"},
    {kCnToolOpen, "打开"},
    {kCnToolSave, "保存"},
    {kCnToolWrite, "写键盘"},
    {kCnToolRead, "读键盘"},
    {kCnToolCard, "设置"},
    {kCnToolHelp, "帮助"},
    {kCnToolQuit, "退出"},
    {kUndo, {}, TextId::kMenuUndo, true},
    {kRedo, {}, TextId::kMenuRedo},
}};
constexpr std::array<ToolbarButton, kToolbarButtonCount> kEnToolbar = {{
    {kEnToolNew, "New"},
    {kEnToolOpen, "Open"},
    {kEnToolSave, "Save"},
    {kEnToolWrite, "Write"},
    {kEnToolRead, "Read"},
    {kEnToolCard, "Card"},
    {kEnToolHelp, "Help"},
    {kEnToolQuit, "Quit"},
    {kUndo, {}, TextId::kMenuUndo, true},
    {kRedo, {}, TextId::kMenuRedo},
}};

bool IsEnglish(InterfaceLanguage language) {
    return language == InterfaceLanguage::kEnglish;
}

}  // namespace

std::optional<Command> CommandFor(int id) {
    const auto* entry = std::find_if(kCommands.begin(), kCommands.end(),
                                     [id](const CommandEntry& e) { return e.id == id; });
    if (entry == kCommands.end()) {
        return std::nullopt;
    }
    return entry->command;
}

std::span<const int> KnownCommandIds() {
    return kKnownIds;
}

std::string_view MenuItemText(const MenuItem& item, InterfaceLanguage language) {
    return item.tableText == TextId::kCount ? item.text : Text(item.tableText, language);
}

std::string_view MenuPopupTitle(const MenuPopup& popup, InterfaceLanguage language) {
    return popup.tableTitle == TextId::kCount ? popup.title : Text(popup.tableTitle, language);
}

std::span<const MenuItem> ButtonContextMenu() {
    return kButtonContextMenu;
}

std::span<const ClipboardMenuItem> ButtonClipboardMenu() {
    return kClipboardItems;
}

std::string_view ToolbarLabel(const ToolbarButton& button, InterfaceLanguage language) {
    return button.tableLabel == TextId::kCount ? button.label : Text(button.tableLabel, language);
}

std::span<const MenuPopup> MainMenu(InterfaceLanguage language) {
    return IsEnglish(language) ? std::span<const MenuPopup>(kEnMenu) : kCnMenu;
}

int MainMenuId(InterfaceLanguage language) {
    return IsEnglish(language) ? kEnglishMenu : kChineseMenu;
}

std::span<const ToolbarButton> MainToolbar(InterfaceLanguage language) {
    return IsEnglish(language) ? std::span<const ToolbarButton>(kEnToolbar) : kCnToolbar;
}

int MainToolbarId(InterfaceLanguage language) {
    return IsEnglish(language) ? kEnglishToolbar : kChineseToolbar;
}

}  // namespace tolvane::gui
