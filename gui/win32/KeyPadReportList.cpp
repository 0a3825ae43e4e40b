#include "gui/win32/KeyPadReportList.h"

#include <commctrl.h>

#include "gui/win32/Wide.h"

namespace tolvane::gui::win32 {

namespace {

constexpr UINT_PTR kListSubclass = 2;

}  // namespace

KeyPadReportList::KeyPadReportList(HWND list) : list_(list) {
    ::SetWindowSubclass(list_, &Procedure, kListSubclass, reinterpret_cast<DWORD_PTR>(this));
}

KeyPadReportList::~KeyPadReportList() {
    if (::IsWindow(list_)) {
        ::RemoveWindowSubclass(list_, &Procedure, kListSubclass);
    }
}

void KeyPadReportList::SetExtendedStyle(unsigned style) {
    ::SendMessageW(list_, LVM_SETEXTENDEDLISTVIEWSTYLE, style, style);
}

void KeyPadReportList::InsertColumn(int column, const std::string& titleUtf8, int width,
                                    int format) {
    std::wstring title = Wide(titleUtf8);
    LVCOLUMNW entry{};
    entry.mask = LVCF_TEXT | LVCF_WIDTH | LVCF_FMT;
    entry.fmt = format;
    entry.cx = width;
    entry.pszText = title.data();
    ::SendMessageW(list_, LVM_INSERTCOLUMNW, static_cast<WPARAM>(column),
                   reinterpret_cast<LPARAM>(&entry));
}

int KeyPadReportList::AppendRow(const std::vector<std::string>& textsUtf8) {
    const int row = RowCount();
    for (std::size_t column = 0; column < textsUtf8.size(); ++column) {
        std::wstring text = Wide(textsUtf8[column]);
        LVITEMW item{};
        item.mask = LVIF_TEXT;
        item.iItem = row;
        item.iSubItem = static_cast<int>(column);
        item.pszText = text.data();
        ::SendMessageW(list_, column == 0 ? LVM_INSERTITEMW : LVM_SETITEMTEXTW,
                       static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(&item));
    }
    return row;
}

void KeyPadReportList::DeleteAllItems() {
    ::SendMessageW(list_, LVM_DELETEALLITEMS, 0, 0);
}

std::string KeyPadReportList::ItemText(int row, int column) const {
    wchar_t text[256] = {};
    LVITEMW item{};
    item.iSubItem = column;
    item.pszText = text;
    item.cchTextMax = 256;
    ::SendMessageW(list_, LVM_GETITEMTEXTW, static_cast<WPARAM>(row),
                   reinterpret_cast<LPARAM>(&item));
    return Utf8(text);
}

int KeyPadReportList::RowCount() const {
    return static_cast<int>(::SendMessageW(list_, LVM_GETITEMCOUNT, 0, 0));
}

int KeyPadReportList::FocusedRow() const {
    return static_cast<int>(
        ::SendMessageW(list_, LVM_GETNEXTITEM, static_cast<WPARAM>(-1), LVNI_FOCUSED));
}

std::vector<int> KeyPadReportList::SelectedRows() const {
    std::vector<int> rows;
    int row = -1;
    while ((row = static_cast<int>(::SendMessageW(list_, LVM_GETNEXTITEM, static_cast<WPARAM>(row),
                                                  LVNI_SELECTED))) >= 0) {
        rows.push_back(row);
    }
    return rows;
}

void KeyPadReportList::SelectRow(int row) {
    LVITEMW item{};
    item.stateMask = LVIS_SELECTED | LVIS_FOCUSED;
    ::SendMessageW(list_, LVM_SETITEMSTATE, static_cast<WPARAM>(-1),
                   reinterpret_cast<LPARAM>(&item));
    item.state = LVIS_SELECTED | LVIS_FOCUSED;
    ::SendMessageW(list_, LVM_SETITEMSTATE, static_cast<WPARAM>(row),
                   reinterpret_cast<LPARAM>(&item));
}

void KeyPadReportList::OnRowDoubleClicked(std::function<void(int)> handler) {
    doubleClicked_ = std::move(handler);
}

void KeyPadReportList::OnRowRightClicked(std::function<void(int, POINT)> handler) {
    rightClicked_ = std::move(handler);
}

int KeyPadReportList::RowAt(LPARAM clientPoint) const {
    LVHITTESTINFO hit{};
    hit.pt = {static_cast<short>(LOWORD(clientPoint)), static_cast<short>(HIWORD(clientPoint))};
    return static_cast<int>(
        ::SendMessageW(list_, LVM_SUBITEMHITTEST, 0, reinterpret_cast<LPARAM>(&hit)));
}

LRESULT CALLBACK KeyPadReportList::Procedure(HWND list, UINT message, WPARAM wParam, LPARAM lParam,
                                             UINT_PTR, DWORD_PTR self) {
    auto& owner = *reinterpret_cast<KeyPadReportList*>(self);
    if (message == WM_LBUTTONDBLCLK && owner.doubleClicked_) {
        owner.doubleClicked_(owner.RowAt(lParam));
        return 0;
    }
    if (message == WM_RBUTTONDOWN && owner.rightClicked_) {
        const int row = owner.RowAt(lParam);
        if (row >= 0) {
            owner.SelectRow(row);
        }
        POINT point{static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam))};
        ::ClientToScreen(list, &point);
        owner.rightClicked_(row, point);
        return 0;
    }
    return ::DefSubclassProc(list, message, wParam, lParam);
}

}  // namespace tolvane::gui::win32
