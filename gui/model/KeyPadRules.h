// What the key programming dialog shows and does around its session, the same in every front
// end: its captions and title, the on-screen keys' legends, the special key list's rows, the
// two pop-up menus and what their items do, which rows a filter leaves listed, what Enter does
// where it is pressed, and where the selection goes after the key setting list's own keys.
//
// Enter anywhere in the dialog confirms, the same as the confirm button, so the dialog ends
// with OK only through confirm and the image never holds a composition its count does not
// cover. In the text line, Enter adds the typed text and an Enter key (with the line empty it
// confirms); in a filter box it adds the first key or group the filter leaves listed, as a
// double click on it would, rather than ending the dialog in the middle of a search (with the
// box empty it confirms).
#pragma once

#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "gui/model/DialogCaptions.h"
#include "tolvane/app/TextTable.h"
#include "tolvane/keyprog/KeyPadSession.h"

namespace tolvane::gui {

inline constexpr const char* kKeyPadCaption = "keyboard";

// The group boxes', push buttons' and lamps' captions.
std::span<const DialogCaption> KeyPadCaptions();

// The dialog's title: which button and layer it edits, since a technician who clicked the
// wrong button must see it before confirming; the plain caption in card mode.
std::string KeyPadTitle(const KeyPadSession& session, InterfaceLanguage language);

// The key's legend as a push button caption: "&" doubled, since a single one would mark a
// mnemonic.
std::string OnScreenKeyLegend(KeyCode code);

// Row r of the special key list: its number from 0, the key's name and its code.
std::vector<std::string> SpecialKeyListRow(std::size_t row);
std::size_t SpecialKeyListRowCount();

struct KeyPadMenuItem {
    int id;
    TextId text;
};

// The key setting list's menu (Delete, Delete all, Add to the user key list, Add to the
// special key list) and the user key list's (Delete, Delete all).
std::span<const KeyPadMenuItem> KeySettingListMenu();
std::span<const KeyPadMenuItem> UserKeyListMenu();

// What a chosen menu item changed, for the view to show again, and the message to show.
struct KeyPadChange {
    bool rows = false;
    bool userKeys = false;
    std::optional<TextId> message;
};

// Runs item `id` of the key setting list's menu on `row`, or of the user key list's menu on
// `group`. Special keys come from the keyboard's own table: "Add to the special key list" is
// offered as it always was and, chosen, does nothing; so does any other id.
KeyPadChange RunKeySettingListItem(KeyPadSession& session, int id, int row);
KeyPadChange RunUserKeyListItem(KeyPadSession& session, int id, int group);

// The rows a filter's shown flags leave listed, in order.
std::vector<int> ListedRows(const std::vector<bool>& shown);

enum class KeyPadEnterPlace { kElsewhere, kTextLine, kFilterBox };
enum class KeyPadEnterAction { kConfirm, kAddTextThenEnter, kAddFirstListed };

// What Enter does, pressed in `place` holding `boxText` (ignored elsewhere).
KeyPadEnterAction EnterAction(KeyPadEnterPlace place, std::string_view boxText);

// Deletes the selected rows of the key setting list; the row to select afterwards (where the
// first deleted one was, or the last row left), none when nothing is left or none was
// selected.
std::optional<int> DeleteSelectedRows(KeyPadSession& session, std::vector<int> rows);

}  // namespace tolvane::gui
