// The report-view list of the key programming dialog and the main window's lists, with a
// focus cell inside the focused row. Left and Right move the focus cell across the columns
// in the order the header shows them (the user may drag the headers), and Left past the first
// shown column gives the focus back to the whole row. Ctrl+A selects every row of a list that
// takes several. Typing searches the focus cell's column; in the first column, or with the
// whole row focused, the list's own search of the first column runs. The focus cell is drawn
// unselected inside the selected row, framed by a focus rectangle.
//
// The list stays the dialog's own control: this object subclasses it (keys, characters and
// clicks) and its dialog (the list's notifications: custom draw, double and right clicks),
// and passes on everything it does not use, so the dialog's handlers see the list as usual.
#pragma once

#include <windows.h>
// After windows.h, which it needs.
#include <commctrl.h>

#include <chrono>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "gui/model/CellNavigation.h"

namespace tolvane::gui::win32 {

class CListCtrl_CellNav {
  public:
    using Clock = std::function<std::chrono::steady_clock::time_point()>;

    // Takes over a report-view list control that a dialog created (subclasses it); the
    // destructor gives it back. One object per list, living as long as the list.
    explicit CListCtrl_CellNav(HWND list, Clock clock = &std::chrono::steady_clock::now);
    ~CListCtrl_CellNav();
    CListCtrl_CellNav(const CListCtrl_CellNav&) = delete;
    CListCtrl_CellNav& operator=(const CListCtrl_CellNav&) = delete;

    HWND Window() const { return list_; }
    // Replaces the extended styles (LVS_EX_* values). Taking the list over adds double
    // buffering, header drag-and-drop, full-row selection and grid lines.
    void SetExtendedStyle(unsigned style);
    void InsertColumn(int column, const std::string& titleUtf8, int width, int format);
    void SetColumnTitle(int column, const std::string& titleUtf8);
    // The columns (as inserted) in the order the header shows them, and setting that order
    // as a drag of the headers does.
    std::vector<int> ColumnOrder() const;
    void SetColumnOrder(const std::vector<int>& order);
    int ColumnCount() const;

    int AppendRow(const std::vector<std::string>& textsUtf8);  // returns the row index
    void DeleteAllItems();
    std::string ItemText(int row, int column) const;
    int RowCount() const;
    int FocusedRow() const;   // -1 when none
    int FocusColumn() const;  // -1 when the whole row has the focus
    std::vector<int> SelectedRows() const;
    void SelectRow(int row);  // selects and focuses one row

    // The row under the pointer, -1 on empty space; the dialog sees the notification too.
    void OnRowDoubleClicked(std::function<void(int row)> handler);
    void OnRowRightClicked(std::function<void(int row, POINT screenPoint)> handler);
    // A row came to have the focus, by the pointer, the keys or the type-ahead search; and a
    // click on a row, also on the one that has the focus already.
    void OnFocusedRowChanged(std::function<void(int row)> handler);
    void OnRowClicked(std::function<void(int row)> handler);

  private:
    static LRESULT CALLBACK ListProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam,
                                          UINT_PTR id, DWORD_PTR self);
    static LRESULT CALLBACK ParentProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam,
                                            UINT_PTR id, DWORD_PTR self);
    LRESULT OnListMessage(UINT message, WPARAM wParam, LPARAM lParam);
    bool OnKeyDown(WPARAM key);
    bool OnCharacter(wchar_t typed);
    LRESULT OnButtonDown(UINT message, WPARAM wParam, LPARAM lParam);
    std::optional<LRESULT> OnNotify(const NMHDR& header);
    LRESULT OnCustomDraw(NMLVCUSTOMDRAW& draw);
    void DrawFocusCell(HDC dc, int row);
    void DrawCellUnselected(HDC dc, const RECT& cell, int row, int column) const;
    UINT ColumnAlignment(int column) const;
    void Release();

    void ScrollToFocusCell();
    void RedrawFocusedRow();
    RECT CellRect(int row, int column) const;
    bool HasGridLines() const;
    int HitRow(POINT client) const;

    HWND list_;
    HWND parent_;
    CellNavigation navigation_;
    std::function<void(int)> onDoubleClick_;
    std::function<void(int, POINT)> onRightClick_;
    std::function<void(int)> onFocusChange_;
    std::function<void(int)> onClick_;
};

}  // namespace tolvane::gui::win32
