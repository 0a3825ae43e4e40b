// The cell navigation of the report-view lists of the key programming dialog, without a
// toolkit: which cell of the focused row has the focus, how Left and Right move it across the
// columns in the order they are shown (the user may drag the headers), what Ctrl+A does, and
// the type-ahead search of the focus cell's column. Each front end's list feeds it its keys
// and clicks and shows the outcome.
//
// The clock is a parameter so that the two-second window of the search can be tested without
// waiting.
#pragma once

#include <chrono>
#include <functional>
#include <optional>
#include <span>
#include <string>
#include <string_view>

namespace tolvane::gui {

enum class ListKey { kLeft, kRight, kA, kOther };

struct ListKeyOutcome {
    bool selectAll = false;     // select every row before the usual handling
    bool usualHandling = true;  // false when the key is used up here
};

class CellNavigation {
  public:
    using Clock = std::function<std::chrono::steady_clock::time_point()>;
    using CellText = std::function<std::string(int row)>;  // UTF-8, of the focus column

    explicit CellNavigation(Clock clock = &std::chrono::steady_clock::now);

    // The focus cell's column (as inserted, not as shown), -1 when the whole row has the
    // focus.
    int FocusColumn() const { return focusColumn_; }
    // A click on a cell of that column; -1 off every cell.
    void SetFocusColumn(int column) { focusColumn_ = column; }

    // A key pressed in a list of that many rows, its columns shown in that order (the
    // columns as inserted, by position on the screen). Ctrl+A selects all rows only where
    // several may be selected.
    ListKeyOutcome OnKeyDown(ListKey key, bool ctrl, bool severalRows, int rows,
                             std::span<const int> shownOrder);

    // Whether a typed character searches the focus cell's column; otherwise, in the first
    // column or with the whole row focused, the list's own search of the first column takes it.
    bool SearchesFocusColumn() const { return focusColumn_ > 0; }
    // A character typed in the focus cell's column: the row to select and focus, nothing
    // when no row matches. The search text grows while the user types within two seconds in
    // the same column and row; the same single character again moves on to the next match.
    std::optional<int> TypeAhead(std::string_view typed, int focusedRow, int rows,
                                 const CellText& cellText);

  private:
    void MoveFocusCell(bool right, int rows, std::span<const int> shownOrder);
    std::optional<int> FindInColumn(int startRow, int rows, const CellText& cellText) const;

    Clock clock_;
    int focusColumn_ = -1;
    std::string searchText_;
    std::chrono::steady_clock::time_point lastKeyTime_{};
    int searchColumn_ = -1;
    int searchRow_ = -1;
};

}  // namespace tolvane::gui
