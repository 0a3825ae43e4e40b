#include <gtest/gtest.h>

#include <array>
#include <vector>

#include "gui/model/CellNavigation.h"

namespace tolvane::testing {
namespace {

using gui::CellNavigation;
using gui::ListKey;
using Clock = std::chrono::steady_clock;

// Key presses from a focus column to the focus column after them, columns shown in an order.
TEST(CellNavigationTest, LeftAndRightWalkTheShownColumnsAndBackToTheWholeRow) {
    struct Case {
        int rows;
        std::vector<int> shownOrder;
        int from;
        std::vector<ListKey> keys;
        int expected;
    };
    const std::array cases = {
        Case{0, {0, 1, 2}, 1, {ListKey::kRight}, -1},                  // no rows: reset
        Case{3, {0, 1, 2}, -1, {ListKey::kLeft}, -1},                  // the whole row stays
        Case{3, {0, 1, 2}, -1, {ListKey::kRight}, 0},                  // the first shown column
        Case{3, {0, 1, 2}, 0, {ListKey::kLeft}, -1},                   // back to the whole row
        Case{3, {0, 1, 2}, 1, {ListKey::kRight, ListKey::kRight}, 2},  // stays on the last
        Case{3, {2, 0, 1}, -1, {ListKey::kRight}, 2},                  // a header dragged first
        Case{3, {2, 0, 1}, 2, {ListKey::kRight, ListKey::kRight}, 1},
        Case{3, {2, 0, 1}, 0, {ListKey::kLeft, ListKey::kLeft}, -1},
    };
    for (const Case& c : cases) {
        CellNavigation navigation;
        navigation.SetFocusColumn(c.from);
        for (const ListKey key : c.keys) {
            const gui::ListKeyOutcome outcome =
                navigation.OnKeyDown(key, false, true, c.rows, c.shownOrder);
            EXPECT_FALSE(outcome.usualHandling);
        }
        EXPECT_EQ(navigation.FocusColumn(), c.expected) << "from " << c.from;
    }

    CellNavigation navigation;
    const std::vector<int> order = {0, 1};
    EXPECT_TRUE(navigation.OnKeyDown(ListKey::kA, true, true, 2, order).selectAll);
    EXPECT_TRUE(navigation.OnKeyDown(ListKey::kA, true, true, 2, order).usualHandling);
    EXPECT_FALSE(navigation.OnKeyDown(ListKey::kA, true, false, 2, order).selectAll);
    EXPECT_FALSE(navigation.OnKeyDown(ListKey::kA, false, true, 2, order).selectAll);
}

TEST(CellNavigationTest, TypeAheadSearchesTheFocusColumnWithinTwoSeconds) {
    Clock::time_point now = Clock::time_point{} + std::chrono::hours(1);
    CellNavigation navigation([&] { return now; });
    const std::vector<std::string> texts = {"LCD", "lamp", "lcx", "alpha", "Lc two", "键盘"};
    const auto cell = [&](int row) { return texts[static_cast<std::size_t>(row)]; };
    const int rows = static_cast<int>(texts.size());
    int row = 2;
    const auto type = [&](const char* typed) {
        if (const std::optional<int> found = navigation.TypeAhead(typed, row, rows, cell)) {
            row = *found;
        }
        return row;
    };

    navigation.SetFocusColumn(0);
    EXPECT_FALSE(navigation.SearchesFocusColumn()) << "the list's own search takes column 0";
    navigation.SetFocusColumn(1);
    ASSERT_TRUE(navigation.SearchesFocusColumn());
    EXPECT_EQ(type("l"), 4);
    EXPECT_EQ(type("c"), 0) << "\"lc\" past the end, back at the top";
    now += std::chrono::seconds(2);  // a pause starts a new search
    EXPECT_EQ(type("l"), 1);
    EXPECT_EQ(type("l"), 2) << "the same single letter again: the next match";
    EXPECT_EQ(type("z"), 2) << "\"lz\": no match, nothing changes";
    EXPECT_EQ(navigation.TypeAhead("z", row, rows, cell), std::nullopt);
    now += std::chrono::seconds(5);
    EXPECT_EQ(type("键"), 5);
    EXPECT_EQ(navigation.TypeAhead("x", -1, 0, cell), std::nullopt) << "an empty list";
}

}  // namespace
}  // namespace tolvane::testing
