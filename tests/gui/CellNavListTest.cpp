#include <gtest/gtest.h>

#include <QHeaderView>
#include <QSignalSpy>
#include <QTest>

#include "gui/qt/widgets/CListCtrl_CellNav.h"

namespace tolvane::testing {
namespace {

using gui::CListCtrl_CellNav;
using Clock = std::chrono::steady_clock;

// A list of three columns whose second column holds the texts given; the clock is the
// test's own.
class CellNavListTest : public ::testing::Test {
  protected:
    void Fill(const std::vector<QString>& secondColumn) {
        for (int c = 0; c < 3; ++c) {
            list.InsertColumn(c, QString("Column %1").arg(c), 60, Qt::AlignLeft);
        }
        for (const QString& text : secondColumn) {
            list.AppendRow({QString::number(list.rowCount()), text, "x"});
        }
        list.resize(240, 200);
        list.show();
    }

    void Press(int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
        QTest::keyClick(&list, static_cast<Qt::Key>(key), modifiers);
    }
    void Type(char letter) { QTest::keyClick(&list, letter); }
    void ClickCell(int row, int column, Qt::MouseButton button = Qt::LeftButton) {
        const QRect cell = list.visualRect(list.model()->index(row, column));
        QTest::mouseClick(list.viewport(), button, {}, cell.center());
    }

    Clock::time_point now = Clock::time_point{} + std::chrono::hours(1);
    CListCtrl_CellNav list{nullptr, [this] { return now; }};
};

TEST_F(CellNavListTest, LeftAndRightWalkTheColumnsInTheOrderTheyAreShown) {
    Fill({});
    Press(Qt::Key_Right);
    EXPECT_EQ(list.FocusColumn(), -1);  // no rows: nothing to focus

    list.AppendRow({"0", "a", "b"});
    Press(Qt::Key_Left);
    EXPECT_EQ(list.FocusColumn(), -1);
    Press(Qt::Key_Right);
    EXPECT_EQ(list.FocusColumn(), 0);
    Press(Qt::Key_Left);
    EXPECT_EQ(list.FocusColumn(), -1);  // the whole row again
    for (int i = 0; i < 4; ++i) {
        Press(Qt::Key_Right);
    }
    EXPECT_EQ(list.FocusColumn(), 2);  // stays on the last column

    list.horizontalHeader()->moveSection(2, 0);  // as a drag of the third header would
    Press(Qt::Key_Left);
    EXPECT_EQ(list.FocusColumn(), -1);  // column 2 is shown first now
    Press(Qt::Key_Right);
    EXPECT_EQ(list.FocusColumn(), 2);
    Press(Qt::Key_Right);
    EXPECT_EQ(list.FocusColumn(), 0);
}

TEST_F(CellNavListTest, ClicksPutTheFocusOnTheCellAndARightClickReportsTheRow) {
    Fill({"a", "b"});
    QSignalSpy rightClicks(&list, &CListCtrl_CellNav::RowRightClicked);
    ClickCell(1, 2);
    EXPECT_EQ(list.FocusColumn(), 2);
    EXPECT_EQ(list.currentRow(), 1);
    ClickCell(0, 1, Qt::RightButton);
    EXPECT_EQ(list.FocusColumn(), 1);
    EXPECT_EQ(list.currentRow(), 0);
    QTest::mouseClick(list.viewport(), Qt::RightButton, {}, QPoint(5, 190));
    EXPECT_EQ(list.FocusColumn(), 1);
    ASSERT_EQ(rightClicks.size(), 2);
    EXPECT_EQ(rightClicks[0][0].toInt(), 0);
    EXPECT_EQ(rightClicks[1][0].toInt(), -1);
}

TEST_F(CellNavListTest, TypingSearchesTheFocusColumnFromTheNextRowAndWrapsAround) {
    Fill({"LCD", "lamp", "lcx", "alpha", "Lc two"});
    ClickCell(2, 1);
    Type('l');
    EXPECT_EQ(list.currentRow(), 4);
    Type('c');
    EXPECT_EQ(list.currentRow(), 0);  // "lc" past the end, back at the top
    EXPECT_EQ(list.selectionModel()->selectedRows().size(), 1);

    now += std::chrono::seconds(2);  // a pause starts a new search
    Type('l');
    EXPECT_EQ(list.currentRow(), 1);
    Type('l');  // the same single letter again: the next match
    EXPECT_EQ(list.currentRow(), 2);
    Type('l');
    EXPECT_EQ(list.currentRow(), 4);

    Type('z');  // "lz": no match, nothing changes
    EXPECT_EQ(list.currentRow(), 4);
}

TEST_F(CellNavListTest, WithTheWholeRowFocusedTypingSearchesTheFirstColumn) {
    Fill({"b0", "b1", "b2"});
    ClickCell(0, 1);
    Press(Qt::Key_Left);
    Press(Qt::Key_Left);
    ASSERT_EQ(list.FocusColumn(), -1);
    Type('2');
    EXPECT_EQ(list.currentRow(), 2);  // column 0 holds the row numbers
}

TEST_F(CellNavListTest, CtrlASelectsEveryRowOnlyWhereSeveralMayBeSelected) {
    Fill({"a", "b", "c"});
    Press(Qt::Key_A, Qt::ControlModifier);
    EXPECT_EQ(list.selectionModel()->selectedRows().size(), 3);

    list.clearSelection();
    list.setSelectionMode(QAbstractItemView::SingleSelection);
    ClickCell(1, 0);
    Press(Qt::Key_A, Qt::ControlModifier);
    EXPECT_EQ(list.selectionModel()->selectedRows().size(), 1);
}

TEST_F(CellNavListTest, TheFocusCellIsDrawnUnselectedInsideTheSelectedRow) {
    Fill({"a", "b"});
    list.setFocus();
    ClickCell(0, 1);
    ASSERT_TRUE(list.selectionModel()->isRowSelected(0, {}));
    const QImage picture = list.viewport()->grab().toImage();
    const auto colourAt = [&](int column) {
        const QRect cell = list.visualRect(list.model()->index(0, column));
        return picture.pixelColor(cell.right() - 4, cell.center().y());
    };
    EXPECT_EQ(colourAt(0), colourAt(2));
    EXPECT_NE(colourAt(1), colourAt(0));
}

}  // namespace
}  // namespace tolvane::testing
