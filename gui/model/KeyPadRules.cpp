// UTF-8 source: the dialog's Chinese captions are written as they are shown.
#include "gui/model/KeyPadRules.h"

#include <algorithm>
#include <array>

#include "gui/model/KeyPadLayout.h"
#include "gui/model/ResourceIds.h"

namespace tolvane::gui {

namespace {

// The hidden OK button keeps its Chinese caption in English; the lamps are named alike in
// both languages.
constexpr std::array<DialogCaption, 10> kCaptions = {{
    {ids::kKeySettingGroup, "按键设置列表", "Key Seting List"},
    {ids::kSpecialKeyGroup, "特殊键码", "Special Key List"},
    {ids::kUserKeyGroup, "常用组合键", "User Key List"},
    {ids::kKeyPadConfirm, "确认设置", "Comfirm"},
    {ids::kKeyPadCancel, "取消设置", "Cancel"},
    {ids::kAddUserKey, "添加常用键", "Add User Key"},
    {ids::kKeyPadOk, "确定", "确定"},
    {ids::kNumLamp, "Num", "Num"},
    {ids::kCapsLamp, "Caps", "Caps"},
    {ids::kScrollLamp, "Scroll", "Scroll"},
}};

constexpr std::array<KeyPadMenuItem, 4> kKeySettingListMenu = {{
    {ids::kKeyListDelete, TextId::kMenuDelete},
    {ids::kKeyListDeleteAll, TextId::kMenuDeleteAll},
    {ids::kKeyListAddToUserKeys, TextId::kMenuAddToUserKeyList},
    {ids::kKeyListAddToSpecialKeys, TextId::kMenuAddToSpecialKeyList},
}};

constexpr std::array<KeyPadMenuItem, 2> kUserKeyListMenu = {{
    {ids::kUserListDelete, TextId::kMenuDelete},
    {ids::kUserListDeleteAll, TextId::kMenuDeleteAll},
}};

}  // namespace

std::span<const DialogCaption> KeyPadCaptions() {
    return kCaptions;
}

std::string KeyPadTitle(const KeyPadSession& session, InterfaceLanguage language) {
    if (session.Button() == 0) {
        return kKeyPadCaption;
    }
    return FillIn(Text(TextId::kKeyDialogTitle, language),
                  {kKeyPadCaption, std::to_string(session.Button()),
                   std::string(LayerName(session.Layer()))});
}

std::string OnScreenKeyLegend(KeyCode code) {
    std::string legend;
    for (const char c : OnScreenKeyCaption(code)) {
        legend += c;
        if (c == '&') {
            legend += '&';
        }
    }
    return legend;
}

std::vector<std::string> SpecialKeyListRow(std::size_t row) {
    if (row >= SpecialKeyTable.size()) {
        return {};
    }
    const SpecialKeyEntry& entry = SpecialKeyTable[row];
    return {std::to_string(row), std::string(entry.name), std::to_string(entry.code)};
}

std::size_t SpecialKeyListRowCount() {
    return SpecialKeyTable.size();
}

std::span<const KeyPadMenuItem> KeySettingListMenu() {
    return kKeySettingListMenu;
}

std::span<const KeyPadMenuItem> UserKeyListMenu() {
    return kUserKeyListMenu;
}

KeyPadChange RunKeySettingListItem(KeyPadSession& session, int id, int row) {
    switch (id) {
        case ids::kKeyListDelete:
            session.DeleteRow(row);
            return {.rows = true, .userKeys = false, .message = std::nullopt};
        case ids::kKeyListDeleteAll:
            session.DeleteAllRows();
            return {.rows = true, .userKeys = false, .message = std::nullopt};
        case ids::kKeyListAddToUserKeys:
            return {.rows = false, .userKeys = true, .message = session.AddUserKeyGroup()};
        default:
            return {};
    }
}

KeyPadChange RunUserKeyListItem(KeyPadSession& session, int id, int group) {
    switch (id) {
        case ids::kUserListDelete:
            return {.rows = false, .userKeys = true, .message = session.DeleteUserKeyGroup(group)};
        case ids::kUserListDeleteAll:
            return {.rows = false, .userKeys = true, .message = session.DeleteAllUserKeyGroups()};
        default:
            return {};
    }
}

std::vector<int> ListedRows(const std::vector<bool>& shown) {
    std::vector<int> rows;
    for (std::size_t row = 0; row < shown.size(); ++row) {
        if (shown[row]) {
            rows.push_back(static_cast<int>(row));
        }
    }
    return rows;
}

KeyPadEnterAction EnterAction(KeyPadEnterPlace place, std::string_view boxText) {
    if (boxText.empty() || place == KeyPadEnterPlace::kElsewhere) {
        return KeyPadEnterAction::kConfirm;
    }
    return place == KeyPadEnterPlace::kTextLine ? KeyPadEnterAction::kAddTextThenEnter
                                                : KeyPadEnterAction::kAddFirstListed;
}

std::optional<int> DeleteSelectedRows(KeyPadSession& session, std::vector<int> rows) {
    if (rows.empty()) {
        return std::nullopt;
    }
    const int first = *std::min_element(rows.begin(), rows.end());
    session.DeleteRows(std::move(rows));
    const int left = static_cast<int>(session.Rows().size());
    if (left == 0) {
        return std::nullopt;
    }
    return std::min(first, left - 1);
}

}  // namespace tolvane::gui
