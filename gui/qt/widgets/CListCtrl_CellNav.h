// The report-view list of the key programming dialog, with a focus cell inside the focused
// row. Left and Right move the focus cell across the columns in the order they are shown
// (the user may drag the headers), and Left past the first shown column gives the focus
// back to the whole row. Ctrl+A selects every row of a list that takes several. Typing
// searches the focus cell's column; in the first column, or with the whole row focused, the
// list's own search of the first column runs. The focus cell is drawn unselected inside the
// selected row, framed by a focus rectangle.
//
// The clock is a parameter so that the two-second window of the search can be tested
// without waiting.
#pragma once

#include <QTableWidget>
#include <chrono>
#include <functional>
#include <vector>

#include "gui/model/CellNavigation.h"

namespace tolvane::gui {

// Extended list styles, by the values the dialogs set them with.
enum ListStyle : unsigned {
    kListGridLines = 0x1,
    kListHeaderDragDrop = 0x10,
    kListFullRowSelect = 0x20,
    kListDoubleBuffer = 0x10000,  // Qt always draws double-buffered
};

class CListCtrl_CellNav : public QTableWidget {
    Q_OBJECT

  public:
    using Clock = std::function<std::chrono::steady_clock::time_point()>;

    explicit CListCtrl_CellNav(QWidget* parent = nullptr,
                               Clock clock = &std::chrono::steady_clock::now);

    // Replaces the extended styles. A new list has double buffering, header drag-and-drop,
    // full-row selection and grid lines.
    void SetExtendedStyle(unsigned style);
    unsigned ExtendedStyle() const { return style_; }

    void InsertColumn(int column, const QString& title, int width, Qt::Alignment alignment);
    void SetColumnTitle(int column, const QString& title);
    // Appends a row of texts, one per column, aligned as their columns; returns its index.
    int AppendRow(const QStringList& texts);
    void DeleteAllItems();
    QString ItemText(int row, int column) const;

    // The focus cell's column (as inserted, not as shown), -1 when the whole row has the
    // focus.
    int FocusColumn() const { return navigation_.FocusColumn(); }
    bool IsFocusCell(const QModelIndex& index) const;

  signals:
    // The row under the pointer, -1 on empty space.
    void RowRightClicked(int row, const QPoint& globalPosition);
    void RowDoubleClicked(int row);

  protected:
    void keyPressEvent(QKeyEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

  private:
    std::vector<int> ShownOrder() const;
    void ScrollToFocusCell();
    void TypeAhead(const QString& typed);
    QRect RowRect(int row) const;
    void RedrawFocusedRow();

    CellNavigation navigation_;
    unsigned style_ = 0;
    std::vector<Qt::Alignment> alignments_;
};

}  // namespace tolvane::gui
