#include "gui/model/CellNavigation.h"

#include <algorithm>

#include "tolvane/app/Utf8Text.h"
#include "tolvane/keyprog/KeySearch.h"

namespace tolvane::gui {

namespace {

constexpr auto kSearchWindow = std::chrono::seconds(2);

// Whether the text starts with the prefix, ASCII letters without case. Comparing bytes is
// comparing characters: a UTF-8 character never begins inside another.
bool StartsWithIgnoringCase(std::string_view text, std::string_view prefix) {
    return EqualIgnoringCase(text.substr(0, prefix.size()), prefix);
}

}  // namespace

CellNavigation::CellNavigation(Clock clock) : clock_(std::move(clock)) {}

ListKeyOutcome CellNavigation::OnKeyDown(ListKey key, bool ctrl, bool severalRows, int rows,
                                         std::span<const int> shownOrder) {
    switch (key) {
        case ListKey::kLeft:
        case ListKey::kRight:
            MoveFocusCell(key == ListKey::kRight, rows, shownOrder);
            return {false, false};
        case ListKey::kA:
            return {ctrl && severalRows, true};
        case ListKey::kOther:
            break;
    }
    return {};
}

void CellNavigation::MoveFocusCell(bool right, int rows, std::span<const int> shownOrder) {
    if (rows <= 0 || shownOrder.empty()) {
        focusColumn_ = -1;
        return;
    }
    if (focusColumn_ < 0) {
        if (right) {
            focusColumn_ = shownOrder.front();
        }
        return;
    }
    const auto shown = std::find(shownOrder.begin(), shownOrder.end(), focusColumn_);
    if (shown == shownOrder.end()) {
        focusColumn_ = -1;  // the column has gone since
    } else if (!right) {
        focusColumn_ = shown == shownOrder.begin() ? -1 : *(shown - 1);
    } else if (shown + 1 != shownOrder.end()) {
        focusColumn_ = *(shown + 1);
    }
}

std::optional<int> CellNavigation::TypeAhead(std::string_view typed, int focusedRow, int rows,
                                             const CellText& cellText) {
    const auto now = clock_();
    if (now - lastKeyTime_ >= kSearchWindow || searchColumn_ != focusColumn_ ||
        focusedRow != searchRow_) {
        searchText_.clear();
    }
    searchColumn_ = focusColumn_;
    lastKeyTime_ = now;
    if (searchText_ != typed || Utf8Length(searchText_) != 1) {
        searchText_ += typed;
    }
    const std::optional<int> found = FindInColumn(std::max(focusedRow, 0), rows, cellText);
    if (found) {
        searchRow_ = *found;
    }
    return found;
}

// The rows after the start row to the end, then from the top round to the start row.
std::optional<int> CellNavigation::FindInColumn(int startRow, int rows,
                                                const CellText& cellText) const {
    for (int step = 1; step <= rows; ++step) {
        const int row = (startRow + step) % rows;
        if (StartsWithIgnoringCase(cellText(row), searchText_)) {
            return row;
        }
    }
    return std::nullopt;
}

}  // namespace tolvane::gui
