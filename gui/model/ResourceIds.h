// Every number the desktop programmer's windows are known by, in every front end: dialogs,
// controls, commands, menus, toolbars and pictures. The numbers are fixed: tests find controls
// and commands by them (object names are built from them), and the artwork table looks
// pictures up by them.
// Plain constants, no Qt, so the window rules that use them can be tested without a screen.
#pragma once

#include <array>

namespace tolvane::gui::ids {

// Dialogs.
inline constexpr int kAboutDialog = 100;
inline constexpr int kMainDialog = 102;
inline constexpr int kKeyPadDialog = 130;
inline constexpr int kKeyboardSetDialog = 142;
inline constexpr int kCardReaderDialog = 143;

// Menus and toolbars.
inline constexpr int kChineseMenu = 129;
inline constexpr int kEnglishMenu = 138;
inline constexpr int kChineseToolbar = 180;
inline constexpr int kEnglishToolbar = 175;

// Icon.
inline constexpr int kProgramIcon = 133;

// Pictures.
inline constexpr int kLayer1Picture = 144;
inline constexpr int kLayer2Picture = 146;
inline constexpr int kLayer3Picture = 147;
inline constexpr int kLayer4Picture = 148;
inline constexpr int kLayer5Picture = 149;
inline constexpr int kLayer6Picture = 150;
inline constexpr int kCardBackPicture = 151;
inline constexpr int kChineseToolbarHot = 156;
inline constexpr int kChineseToolbarNormal = 157;
inline constexpr int kChineseToolbarDisabled = 158;
inline constexpr int kChineseNotFoundPicture = 160;
inline constexpr int kChineseFoundPicture = 163;
inline constexpr int kEnglishNotFoundPicture = 172;
inline constexpr int kEnglishFoundPicture = 173;
inline constexpr int kEnglishToolbarHot = 177;
inline constexpr int kEnglishToolbarNormal = 178;
inline constexpr int kEnglishToolbarDisabled = 179;

// Controls of the main window.
inline constexpr int kLayerPicture = 1120;
inline constexpr int kConnectionPicture = 1122;
inline constexpr int kLayerSelector = 1140;
inline constexpr int kKeyInfoBox = 1144;
inline constexpr int kLayerGroup = 1145;
inline constexpr int kFirstKeyButton = 2000;  // button b is kFirstKeyButton - 1 + b
inline constexpr int kLastKeyButton = 2083;

// The button context menu and its layer submenu (11108 = "Layer1" .. 11113 = "Layer6").
inline constexpr int kContextDeleteCurrentLayer = 10002;
inline constexpr int kContextDeleteAllLayers = 10003;
inline constexpr int kContextButtonLayerSet = 10004;
inline constexpr int kContextFirstLayer = 11108;

// Controls of the progress window.
inline constexpr int kProgressCancel = 10;
inline constexpr int kProgressText = 11;
inline constexpr int kProgressBar = 12;

// Controls of the key programming dialog.
inline constexpr int kKeyPadOk = 1;  // hidden; Enter confirms instead
inline constexpr int kKeyPadCancel = 2;
inline constexpr int kKeySettingList = 1101;
inline constexpr int kNumLamp = 1104;
inline constexpr int kCapsLamp = 1105;
inline constexpr int kScrollLamp = 1106;
inline constexpr int kKeyPadConfirm = 1107;
inline constexpr int kSpecialKeyList = 1108;
inline constexpr int kUserKeyList = 1109;
inline constexpr int kAddUserKey = 1111;
inline constexpr int kKeySettingGroup = 1146;
inline constexpr int kSpecialKeyGroup = 1147;
inline constexpr int kUserKeyGroup = 1148;
inline constexpr int kFirstOnScreenKey = 2000;  // the key of code n is kFirstOnScreenKey - 1 + n
inline constexpr int kLastOnScreenKey = 2107;

// Controls of the card reader settings dialog; tracks 1, 2, 3 in each array.
inline constexpr int kCardReaderOk = 1;
inline constexpr int kCardReaderCancel = 2;
inline constexpr std::array<int, 3> kTrackBoxes = {1133, 1134, 1135};
inline constexpr std::array<int, 3> kPrefixEdits = {1125, 1126, 1099};
inline constexpr std::array<int, 3> kSuffixEdits = {1123, 1124, 1098};
inline constexpr std::array<int, 3> kEnterBoxes = {1127, 1128, 1129};
inline constexpr int kPrefixGroup = 1149;
inline constexpr int kSuffixGroup = 1150;
inline constexpr int kCardPicture = 1122;

// Controls of the keyboard options dialog. The country code label has no number.
inline constexpr int kKeyboardSetOk = 1;
inline constexpr int kKeyboardSetCancel = 2;
inline constexpr int kCountryCodeList = 1116;
inline constexpr int kKeyRepeatBox = 1117;
inline constexpr int kKeySoundBox = 1118;
inline constexpr int kAllKeysRadio = 1119;
inline constexpr int kEncodedKeysRadio = 1120;
inline constexpr int kCountryCodeLabel = 0;

// The key setting list's pop-up menu.
inline constexpr int kKeyListDelete = 10001;
inline constexpr int kKeyListDeleteAll = 10002;
inline constexpr int kKeyListAddToUserKeys = 10003;
inline constexpr int kKeyListAddToSpecialKeys = 10004;  // shown disabled

// The user key list's pop-up menu.
inline constexpr int kUserListDelete = 20001;
inline constexpr int kUserListDeleteAll = 20002;

// Commands of the Chinese menu.
inline constexpr int kCnCardReaderSettings = 32814;
inline constexpr int kCnKeyboardSettings = 32815;
inline constexpr int kCnOpen = 32816;
inline constexpr int kCnSave = 32817;
inline constexpr int kCnSaveAs = 32818;
inline constexpr int kCnQuit = 32819;
inline constexpr int kCnAbout = 32820;
inline constexpr int kCnClearAll = 32822;
inline constexpr int kCnRead = 32841;
inline constexpr int kCnWrite = 32842;
inline constexpr int kCnChinese = 32806;
inline constexpr int kCnEnglish = 32801;
inline constexpr int kCnUserManual = 32799;

// Commands of the English menu.
inline constexpr int kEnOpen = 32859;
inline constexpr int kEnSave = 32860;
inline constexpr int kEnSaveAs = 32861;
inline constexpr int kEnQuit = 32862;
inline constexpr int kEnRead = 32863;
inline constexpr int kEnWrite = 32864;
inline constexpr int kEnCardReaderSettings = 32865;
inline constexpr int kEnKeyboardSettings = 32866;
inline constexpr int kEnClearAll = 32867;
inline constexpr int kEnUserManual = 32870;
inline constexpr int kEnAbout = 32871;
inline constexpr int kEnChinese = 32796;
inline constexpr int kEnEnglish = 32798;

// Commands of the Chinese toolbar (180).
inline constexpr int kCnToolNew = 32895;
inline constexpr int kCnToolOpen = 32893;
inline constexpr int kCnToolSave = 32894;
inline constexpr int kCnToolWrite = 32886;
inline constexpr int kCnToolRead = 32887;
inline constexpr int kCnToolCard = 32891;
inline constexpr int kCnToolHelp = 32890;
inline constexpr int kCnToolQuit = 32892;

// Commands of the English toolbar (175); Open and Save share the English menu's ids.
inline constexpr int kEnToolNew = 32872;
inline constexpr int kEnToolOpen = kEnOpen;
inline constexpr int kEnToolSave = kEnSave;
inline constexpr int kEnToolWrite = 32875;
inline constexpr int kEnToolRead = 32876;
inline constexpr int kEnToolCard = 32878;
inline constexpr int kEnToolHelp = 32879;
inline constexpr int kEnToolQuit = 32880;

// The legend sheets, in the File menu of both languages.
inline constexpr int kPrintLegends = 33003;
inline constexpr int kExportLegends = 33004;

// Undo and redo: the Edit menu's items in both languages and the toolbar buttons after the
// eight. Copy and paste of buttons: items of the button context menu.
inline constexpr int kUndo = 33010;
inline constexpr int kRedo = 33011;
inline constexpr int kContextCopyButton = 10005;
inline constexpr int kContextCopyLayer = 10006;
inline constexpr int kContextPaste = 10007;

// The system menu's About item; reached from the Help menu where the window manager's
// system menu takes no items.
inline constexpr int kSystemAbout = 16;

// The virtual keyboard's menu, present only when the program runs on the virtual keyboard.
inline constexpr int kVirtualPlugIn = 33001;
inline constexpr int kVirtualPullOut = 33002;

// Legend labels and the legend sheets' dialog: the button context menu's label item, the
// View menu's option that shows labels on the panel, the label dialog and the export dialog.
inline constexpr int kContextLegendLabel = 10008;
inline constexpr int kViewLegendLabels = 33005;
inline constexpr int kLegendLabelDialog = 193;
inline constexpr int kLegendLabelOk = 1;
inline constexpr int kLegendLabelCancel = 2;
inline constexpr int kLegendLabelPrompt = 1220;
inline constexpr int kLegendLabelEdit = 1221;
inline constexpr int kLegendExportDialog = 192;
inline constexpr int kLegendExportOk = 1;
inline constexpr int kLegendExportCancel = 2;
inline constexpr int kLegendLayersGroup = 1200;
inline constexpr std::array<int, 6> kLegendLayerBoxes = {1201, 1202, 1203, 1204, 1205, 1206};
inline constexpr int kLegendPaperLabel = 1207;
inline constexpr int kLegendPaperList = 1208;
inline constexpr int kLegendPitchLabel = 1209;
inline constexpr int kLegendPitchBox = 1210;
inline constexpr int kLegendLabelsBox = 1211;
inline constexpr int kLegendPreviewGroup = 1212;
inline constexpr int kLegendPreview = 1213;
inline constexpr int kLegendPreviousPage = 1214;
inline constexpr int kLegendNextPage = 1215;
inline constexpr int kLegendPageText = 1216;

// Faster key entry: the key programming dialog's text line, its "Take keys from my
// keyboard" toggle and the filters over its special key list and user key list; Find in the
// main window (Edit menu, both languages) and its window.
inline constexpr int kTypeTextLabel = 1230;
inline constexpr int kTypeTextEdit = 1231;
inline constexpr int kAddText = 1232;
inline constexpr int kTakeKeysToggle = 1233;
inline constexpr int kSpecialKeyFilter = 1234;
inline constexpr int kUserKeyFilter = 1235;
inline constexpr int kFindCommand = 33030;
inline constexpr int kFindDialog = 195;
inline constexpr int kFindPrompt = 1250;
inline constexpr int kFindEdit = 1251;
inline constexpr int kFindHitList = 1252;
inline constexpr int kFindCount = 1253;

// Every button reachable: the KeyBoardSet menu's list of the buttons not on the panel (both
// languages), its window, and the View option that shows each panel button's number.
inline constexpr int kUnshownButtonsCommand = 33050;
inline constexpr int kViewButtonNumbers = 33051;
inline constexpr int kUnshownButtonsDialog = 197;
inline constexpr int kUnshownButtonsHint = 1270;
inline constexpr int kUnshownButtonsList = 1271;
inline constexpr int kUnshownButtonsClose = 1272;

// Object name of the window element with this number, e.g. "id1140": how tests and
// accessibility tools find it.
inline constexpr const char* kObjectNamePrefix = "id";

}  // namespace tolvane::gui::ids
