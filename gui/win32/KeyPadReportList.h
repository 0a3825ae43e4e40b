// A report-view list of the key programming dialog: columns, rows of texts, the selection,
// and the double and right clicks on a row. Stands in until the list with cell navigation
// comes, whose calls it shares.
#pragma once

#include <windows.h>

#include <functional>
#include <string>
#include <vector>

namespace tolvane::gui::win32 {

class KeyPadReportList {
  public:
    explicit KeyPadReportList(HWND list);
    ~KeyPadReportList();
    KeyPadReportList(const KeyPadReportList&) = delete;
    KeyPadReportList& operator=(const KeyPadReportList&) = delete;

    HWND Window() const { return list_; }
    void SetExtendedStyle(unsigned style);
    void InsertColumn(int column, const std::string& titleUtf8, int width, int format);
    int AppendRow(const std::vector<std::string>& textsUtf8);
    void DeleteAllItems();
    std::string ItemText(int row, int column) const;
    int RowCount() const;
    int FocusedRow() const;
    std::vector<int> SelectedRows() const;
    void SelectRow(int row);
    void OnRowDoubleClicked(std::function<void(int row)> handler);
    void OnRowRightClicked(std::function<void(int row, POINT screenPoint)> handler);

  private:
    static LRESULT CALLBACK Procedure(HWND list, UINT message, WPARAM wParam, LPARAM lParam,
                                      UINT_PTR, DWORD_PTR self);
    int RowAt(LPARAM clientPoint) const;

    HWND list_;
    std::function<void(int)> doubleClicked_;
    std::function<void(int, POINT)> rightClicked_;
};

}  // namespace tolvane::gui::win32
