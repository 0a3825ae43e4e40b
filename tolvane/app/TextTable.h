// The two-language interface texts and the layer names.
//
// Every text the user reads exists in Simplified Chinese and in English; the part that shows
// a text looks it up by name with the current interface language at that moment, so nothing
// keeps a translated copy. The table is constant data, safe to read from any thread.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace tolvane {

enum class InterfaceLanguage : std::uint8_t {
    kChinese = 0,
    kEnglish = 1,
};

enum class TextId : std::uint8_t {
    // The main window's messages and run-time menu items.
    kPleaseConnectKeyboard,
    kConfirmDeletion,
    kClearAllCaption,
    kTransferTitle,
    kTransferWaitText,
    kTransferFailed,
    kReadSuccess,
    kWriteSuccess,
    kMenuDeleteCurrentLayer,
    kMenuDeleteAllLayers,
    kMenuButtonLayerSet,
    kMenuLayer1,
    kMenuLayer2,
    kMenuLayer3,
    kMenuLayer4,
    kMenuLayer5,
    kMenuLayer6,

    // Texts other windows own.
    kLayerGroupCaption,
    kDriverInstallCaption,
    kDriverInstallFailed,
    kSettingError,
    kPleaseEnterKey,
    kEscNotAllowed,

    // File failures, told in the interface language like every other message.
    kDataFileOpenFailed,
    kDataFileSaveFailed,
    kUserKeyListFull,
    kUserKeyGroupTooLong,
    kUserKeyGroupsNotSaved,
    kLanguageNotSaved,

    // The desktop programmer on Linux: the keyboard found but closed to this user, and the
    // menu of the virtual keyboard.
    kAccessDeniedAdvice,
    kMenuVirtualKeyboard,
    kMenuPlugIn,
    kMenuPullOut,

    // Legend sheets: what the printed pages say, and the File menu's commands for them.
    kLegendAllLayers,
    kLegendNotes,
    kLegendButton,
    kLegendLayerColumn,
    kLegendKeysColumn,
    kLegendUnshownButtons,
    kLegendCardReader,
    kLegendTrack,
    kLegendOn,
    kLegendPrefix,
    kLegendSuffix,
    kLegendEnter,
    kLegendOptions,
    kLegendCountryCode,
    kLegendKeyRepeat,
    kLegendKeyClick,
    kLegendClickScope,
    kLegendAllKeys,
    kLegendProgrammedKeys,
    kLegendYes,
    kLegendNo,
    kLegendNone,
    kMenuPrintLegends,
    kMenuExportLegends,
    kLegendExportFailed,
    kLegendOtherSettings,
    // The key programming dialog: the pop-up menus of its lists (the key setting list and
    // the user key list share Delete and Delete all), and the limit of one layer.
    kMenuDelete,
    kMenuDeleteAll,
    kMenuAddToUserKeyList,
    kMenuAddToSpecialKeyList,
    kLayerKeysFull,
    // The keyboard options dialog: OK with neither sound scope selected.
    kScopeOutOfRange,

    // The user key groups file is beyond any list the program writes.
    kUserKeyGroupsUnreadable,

    // Legend labels: the button's label dialog, the labels file beside the data file, the
    // View option that shows labels on the panel, and the legend sheets' export dialog.
    kMenuLegendLabel,
    kLegendLabelCaption,
    kLegendLabelPrompt,  // %1: the button, %2: the layer
    kLegendLabelTooLong,
    kLegendLabelNotText,
    kLabelsFileProblems,
    kLabelsFileUnreadable,
    kLabelsFileSaveFailed,
    kMenuView,
    kMenuShowLegendLabels,
    kLegendSheetsCaption,
    kLegendLayersGroup,
    kLegendEmptyLayer,  // %1: the layer's name
    kLegendPaper,
    kLegendKeyPitch,
    kLegendUseLabels,
    kLegendPreview,
    kLegendPageOf,  // %1: the page shown, %2: the pages
    kLegendPreviousPage,
    kLegendNextPage,
    kLegendExportButton,
    kLegendPrintButton,
    kDialogOk,
    kStepLegendLabel,  // %1: the button

    // Undo and redo: the Edit menu and its toolbar buttons, the names of the steps (%1 and
    // %2 stand for a button number or a file name), the question before unsaved changes are
    // lost, and copying buttons.
    kMenuEdit,
    kMenuUndo,
    kMenuRedo,
    kUndoStep,
    kRedoStep,
    kStepKeyProgramming,
    kStepCardReaderSettings,
    kStepKeyboardSettings,
    kStepClearAllSettings,
    kStepNew,
    kStepOpen,
    kStepReadKeyboard,
    kStepMoveButton,
    kStepCopyButton,
    kStepSwapButtons,
    kMenuCopyButton,
    kMenuCopyLayer,
    kMenuPaste,
    kUnsavedChanges,
    kAnswerSave,
    kAnswerDiscard,
    kAnswerCancel,

    // Faster key entry: the key dialog's text line, its keyboard toggle and filter boxes,
    // what they refuse (%1 and %2 are filled in: a character, a key, a count), and Find.
    kTypeTextLabel,
    kTypeTextHint,
    kTypeCardCharacterHint,
    kAddText,
    kTakeKeysFromKeyboard,
    kFilterHint,
    kCharacterCannotBeTyped,  // %1: the character
    kTextTooLong,             // %1: keys the text needs, %2: keys left on the layer
    kNotACardCharacter,       // %1: the character or key
    kCardTakesOneCharacter,
    kKeyHasNoCode,  // %1: the PC key
    kMenuFind,
    kFindCaption,
    kFindPrompt,
    kFindHitCount,  // %1: how many layers
    kFindNothing,
    kFindNotOnPanel,

    // A window that tells the truth: a damaged data file's problems before it is loaded (%1
    // the file's name, %2 the list), the buttons that have no place on the panel, button
    // numbers, the key dialog's title, a panel button's accessible name and the manual that
    // no program opened.
    kDataFileProblems,
    kDataFileProblemLine,   // %1: the line, %2: what is wrong
    kDataFileMoreProblems,  // %1: how many more
    kLoadAnyway,
    kDataFileNoRecords,  // %1: the file's name
    kMenuHiddenButtons,
    kHiddenButtonsCaption,
    kHiddenButtonsHint,
    kDialogClose,
    kButtonNumber,  // %1: the button
    kMenuShowButtonNumbers,
    kKeyDialogTitle,             // %1: the dialog's caption, %2: the button, %3: the layer
    kPanelButtonAccessibleName,  // %1: the button, %2: its caption
    kManualNotOpened,            // %1: the manual's path

    kCount
};

struct TextPair {
    std::string_view chinese;
    std::string_view english;
};

const TextPair& TextEntry(TextId id);
std::string_view Text(TextId id, InterfaceLanguage language);

// Item of the button context menu's layer submenu; none for a layer outside 1..6.
std::optional<TextId> LayerMenuItem(int layer);

// "Layer1".."Layer6" and "L1".."L6" in both languages; empty outside 1..6.
std::string_view LayerName(int layer);
std::string_view LayerShortName(int layer);

// Start of a layer's part of the hover text: "Layer3:" or "第3层："; empty outside 1..6.
std::string HoverPrefix(int layer, InterfaceLanguage language);

// A text of the table with %1, %2 ... replaced by the arguments in order; a placeholder
// without an argument is left out.
std::string FillIn(std::string_view pattern, const std::vector<std::string>& arguments);

// A message decided where the language is not known: its text and the values for its places.
struct FilledText {
    TextId text = TextId::kCount;
    std::vector<std::string> values;

    friend bool operator==(const FilledText&, const FilledText&) = default;
};

std::string TextOf(const FilledText& message, InterfaceLanguage language);

}  // namespace tolvane
