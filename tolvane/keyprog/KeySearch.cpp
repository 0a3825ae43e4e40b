// UTF-8 source: the special keys' Chinese names are written as they are searched for.
#include "tolvane/keyprog/KeySearch.h"

#include <algorithm>
#include <array>

namespace tolvane {

namespace {

// In the order of the special key table.
constexpr std::array<std::string_view, kSpecialKeyTableSize> kChineseNames = {
    "延时0.5秒", "网页后退", "网页前进", "网页停止", "网页刷新", "网页搜索",  "网页收藏夹",
    "网页主页",  "邮件",     "静音",     "音量加",   "音量减",   "播放/暂停", "停止",
    "上一曲",    "下一曲",   "媒体选择", "我的电脑", "计算器",
};

char Lower(char c) {
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

bool SameIgnoringCase(char a, char b) {
    return Lower(a) == Lower(b);
}

}  // namespace

bool ContainsIgnoringCase(std::string_view text, std::string_view part) {
    return part.empty() || std::search(text.begin(), text.end(), part.begin(), part.end(),
                                       SameIgnoringCase) != text.end();
}

bool EqualIgnoringCase(std::string_view a, std::string_view b) {
    return std::equal(a.begin(), a.end(), b.begin(), b.end(), SameIgnoringCase);
}

std::string_view SpecialKeyChineseName(std::size_t row) {
    return row < kChineseNames.size() ? kChineseNames[row] : std::string_view{};
}

bool SpecialKeyMatches(std::size_t row, std::string_view filter) {
    const SpecialKeyEntry* entry = SpecialKey(row);
    return entry != nullptr && (ContainsIgnoringCase(entry->name, filter) ||
                                ContainsIgnoringCase(SpecialKeyChineseName(row), filter));
}

std::vector<bool> SpecialKeyRowsShown(std::string_view filter) {
    std::vector<bool> shown(SpecialKeyTable.size());
    for (std::size_t row = 0; row < shown.size(); ++row) {
        shown[row] = SpecialKeyMatches(row, filter);
    }
    return shown;
}

bool UserKeyGroupShown(std::string_view groupText, std::span<const KeyCode> codes,
                       std::string_view filter) {
    return ContainsIgnoringCase(groupText, filter) ||
           std::any_of(codes.begin(), codes.end(), [filter](KeyCode code) {
               return IsSpecialKeyCode(code) &&
                      ContainsIgnoringCase(SpecialKeyChineseName(code - kFirstSpecialKey), filter);
           });
}

}  // namespace tolvane
