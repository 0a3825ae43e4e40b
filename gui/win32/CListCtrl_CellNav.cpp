#include "gui/win32/CListCtrl_CellNav.h"

#include <uxtheme.h>

#include <algorithm>

#include "gui/win32/Wide.h"

namespace tolvane::gui::win32 {

namespace {

constexpr DWORD kAttachedStyle =
    LVS_EX_DOUBLEBUFFER | LVS_EX_HEADERDRAGDROP | LVS_EX_FULLROWSELECT | LVS_EX_GRIDLINES;

UINT_PTR SubclassId(const CListCtrl_CellNav* self) {
    return reinterpret_cast<UINT_PTR>(self);
}

ListKey ListKeyOf(WPARAM key) {
    switch (key) {
        case VK_LEFT:
            return ListKey::kLeft;
        case VK_RIGHT:
            return ListKey::kRight;
        case 'A':
            return ListKey::kA;
        default:
            return ListKey::kOther;
    }
}

bool KeyHeld(int key) {
    return ::GetKeyState(key) < 0;
}

// The Explorer look where the theme service has one for lists.
void UseExplorerTheme(HWND list) {
    if (const HTHEME theme = ::OpenThemeData(list, L"ListView")) {
        ::CloseThemeData(theme);
        ::SetWindowTheme(list, L"Explorer", nullptr);
    }
}

}  // namespace

CListCtrl_CellNav::CListCtrl_CellNav(HWND list, Clock clock)
    : list_(list), parent_(::GetParent(list)), navigation_(std::move(clock)) {
    ::SetWindowSubclass(list_, &ListProcedure, SubclassId(this), reinterpret_cast<DWORD_PTR>(this));
    ::SetWindowSubclass(parent_, &ParentProcedure, SubclassId(this),
                        reinterpret_cast<DWORD_PTR>(this));
    ::SendMessageW(list_, LVM_SETEXTENDEDLISTVIEWSTYLE, kAttachedStyle, kAttachedStyle);
    UseExplorerTheme(list_);
}

CListCtrl_CellNav::~CListCtrl_CellNav() {
    Release();
}

void CListCtrl_CellNav::Release() {
    if (list_ != nullptr) {
        ::RemoveWindowSubclass(list_, &ListProcedure, SubclassId(this));
        ::RemoveWindowSubclass(parent_, &ParentProcedure, SubclassId(this));
        list_ = nullptr;
    }
}

// ---- The list's own interface ----

void CListCtrl_CellNav::SetExtendedStyle(unsigned style) {
    ::SendMessageW(list_, LVM_SETEXTENDEDLISTVIEWSTYLE, 0, static_cast<LPARAM>(style));
}

void CListCtrl_CellNav::InsertColumn(int column, const std::string& titleUtf8, int width,
                                     int format) {
    std::wstring title = Wide(titleUtf8);
    LVCOLUMNW item{};
    item.mask = LVCF_TEXT | LVCF_WIDTH | LVCF_FMT | LVCF_SUBITEM;
    item.fmt = format;
    item.cx = width;
    item.pszText = title.data();
    item.iSubItem = column;
    ::SendMessageW(list_, LVM_INSERTCOLUMNW, static_cast<WPARAM>(column),
                   reinterpret_cast<LPARAM>(&item));
}

void CListCtrl_CellNav::SetColumnTitle(int column, const std::string& titleUtf8) {
    std::wstring title = Wide(titleUtf8);
    LVCOLUMNW item{};
    item.mask = LVCF_TEXT;
    item.pszText = title.data();
    ::SendMessageW(list_, LVM_SETCOLUMNW, static_cast<WPARAM>(column),
                   reinterpret_cast<LPARAM>(&item));
}

int CListCtrl_CellNav::ColumnCount() const {
    return std::max(Header_GetItemCount(ListView_GetHeader(list_)), 0);
}

std::vector<int> CListCtrl_CellNav::ColumnOrder() const {
    std::vector<int> order(static_cast<std::size_t>(ColumnCount()));
    if (!order.empty()) {
        ::SendMessageW(list_, LVM_GETCOLUMNORDERARRAY, order.size(),
                       reinterpret_cast<LPARAM>(order.data()));
    }
    return order;
}

void CListCtrl_CellNav::SetColumnOrder(const std::vector<int>& order) {
    std::vector<int> columns = order;
    ::SendMessageW(list_, LVM_SETCOLUMNORDERARRAY, columns.size(),
                   reinterpret_cast<LPARAM>(columns.data()));
    ::InvalidateRect(list_, nullptr, TRUE);
}

int CListCtrl_CellNav::AppendRow(const std::vector<std::string>& textsUtf8) {
    LVITEMW item{};
    item.mask = LVIF_TEXT;
    item.iItem = RowCount();
    std::wstring first = textsUtf8.empty() ? std::wstring() : Wide(textsUtf8.front());
    item.pszText = first.data();
    const int row = static_cast<int>(
        ::SendMessageW(list_, LVM_INSERTITEMW, 0, reinterpret_cast<LPARAM>(&item)));
    const int columns = ColumnCount();
    for (int column = 1;
         row >= 0 && column < columns && static_cast<std::size_t>(column) < textsUtf8.size();
         ++column) {
        std::wstring text = Wide(textsUtf8[static_cast<std::size_t>(column)]);
        LVITEMW cell{};
        cell.iSubItem = column;
        cell.pszText = text.data();
        ::SendMessageW(list_, LVM_SETITEMTEXTW, static_cast<WPARAM>(row),
                       reinterpret_cast<LPARAM>(&cell));
    }
    return row;
}

void CListCtrl_CellNav::DeleteAllItems() {
    ::SendMessageW(list_, LVM_DELETEALLITEMS, 0, 0);
}

std::string CListCtrl_CellNav::ItemText(int row, int column) const {
    // The list copies at most the buffer's length: grow it until the text fits.
    for (std::size_t size = 256;; size *= 4) {
        std::wstring text(size, L'\0');
        LVITEMW cell{};
        cell.iSubItem = column;
        cell.pszText = text.data();
        cell.cchTextMax = static_cast<int>(size);
        const auto length = static_cast<std::size_t>(::SendMessageW(
            list_, LVM_GETITEMTEXTW, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(&cell)));
        if (length + 1 < size || size > 65536) {
            text.resize(std::min(length, size));
            return Utf8(text);
        }
    }
}

int CListCtrl_CellNav::RowCount() const {
    return static_cast<int>(::SendMessageW(list_, LVM_GETITEMCOUNT, 0, 0));
}

int CListCtrl_CellNav::FocusedRow() const {
    return static_cast<int>(
        ::SendMessageW(list_, LVM_GETNEXTITEM, static_cast<WPARAM>(-1), LVNI_FOCUSED));
}

int CListCtrl_CellNav::FocusColumn() const {
    return navigation_.FocusColumn();
}

std::vector<int> CListCtrl_CellNav::SelectedRows() const {
    std::vector<int> rows;
    for (int row = -1;
         (row = static_cast<int>(::SendMessageW(list_, LVM_GETNEXTITEM, static_cast<WPARAM>(row),
                                                LVNI_SELECTED))) >= 0;) {
        rows.push_back(row);
    }
    return rows;
}

void CListCtrl_CellNav::SelectRow(int row) {
    ListView_SetItemState(list_, -1, 0, LVIS_SELECTED);
    ListView_SetItemState(list_, row, LVIS_SELECTED | LVIS_FOCUSED, LVIS_SELECTED | LVIS_FOCUSED);
    ::SendMessageW(list_, LVM_ENSUREVISIBLE, static_cast<WPARAM>(row), FALSE);
}

void CListCtrl_CellNav::OnRowDoubleClicked(std::function<void(int row)> handler) {
    onDoubleClick_ = std::move(handler);
}

void CListCtrl_CellNav::OnRowRightClicked(std::function<void(int row, POINT screenPoint)> handler) {
    onRightClick_ = std::move(handler);
}

void CListCtrl_CellNav::OnFocusedRowChanged(std::function<void(int row)> handler) {
    onFocusChange_ = std::move(handler);
}

void CListCtrl_CellNav::OnRowClicked(std::function<void(int row)> handler) {
    onClick_ = std::move(handler);
}

// ---- Messages of the list ----

LRESULT CALLBACK CListCtrl_CellNav::ListProcedure(HWND window, UINT message, WPARAM wParam,
                                                  LPARAM lParam, UINT_PTR, DWORD_PTR self) {
    auto* list = reinterpret_cast<CListCtrl_CellNav*>(self);
    if (message == WM_NCDESTROY) {
        list->Release();  // the dialog went first: nothing to give back later
        return ::DefSubclassProc(window, message, wParam, lParam);
    }
    return list->OnListMessage(message, wParam, lParam);
}

LRESULT CListCtrl_CellNav::OnListMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_KEYDOWN:
            if (OnKeyDown(wParam)) {
                return 0;
            }
            break;
        case WM_CHAR:
            if (OnCharacter(static_cast<wchar_t>(wParam))) {
                return 0;
            }
            break;
        case WM_LBUTTONDOWN:
        case WM_RBUTTONDOWN:
            return OnButtonDown(message, wParam, lParam);
        default:
            break;
    }
    return ::DefSubclassProc(list_, message, wParam, lParam);
}

bool CListCtrl_CellNav::OnKeyDown(WPARAM key) {
    const ListKey listKey = ListKeyOf(key);
    if (listKey == ListKey::kOther) {
        return false;
    }
    const bool several = (::GetWindowLongPtrW(list_, GWL_STYLE) & LVS_SINGLESEL) == 0;
    const ListKeyOutcome outcome =
        navigation_.OnKeyDown(listKey, KeyHeld(VK_CONTROL), several, RowCount(), ColumnOrder());
    if (outcome.selectAll) {
        ListView_SetItemState(list_, -1, LVIS_SELECTED, LVIS_SELECTED);
    }
    if (outcome.usualHandling) {
        return false;
    }
    ScrollToFocusCell();
    RedrawFocusedRow();
    return true;
}

bool CListCtrl_CellNav::OnCharacter(wchar_t typed) {
    const bool surrogate = typed >= 0xD800 && typed <= 0xDFFF;
    if (!navigation_.SearchesFocusColumn() || typed < L' ' || surrogate || KeyHeld(VK_CONTROL) ||
        KeyHeld(VK_MENU)) {
        return false;  // the list's own search of the first column, or not a character
    }
    const int column = navigation_.FocusColumn();
    const std::optional<int> found =
        navigation_.TypeAhead(Utf8(std::wstring_view(&typed, 1)), FocusedRow(), RowCount(),
                              [&](int row) { return ItemText(row, column); });
    if (found) {
        SelectRow(*found);
        RedrawFocusedRow();
    }
    return true;
}

// A right click off every row only has the list's usual handling.
LRESULT CListCtrl_CellNav::OnButtonDown(UINT message, WPARAM wParam, LPARAM lParam) {
    LVHITTESTINFO hit{};
    hit.pt = {static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam))};
    ::SendMessageW(list_, LVM_SUBITEMHITTEST, 0, reinterpret_cast<LPARAM>(&hit));
    const int column = hit.iItem >= 0 ? hit.iSubItem : -1;
    if (message == WM_RBUTTONDOWN && hit.iItem < 0) {
        return ::DefSubclassProc(list_, message, wParam, lParam);
    }
    // Set before and after the list's own handling, which redraws in between.
    navigation_.SetFocusColumn(column);
    const HWND list = list_;
    const LRESULT result = ::DefSubclassProc(list, message, wParam, lParam);
    if (list_ != nullptr) {
        navigation_.SetFocusColumn(column);
        RedrawFocusedRow();
    }
    return result;
}

int CListCtrl_CellNav::HitRow(POINT client) const {
    LVHITTESTINFO hit{};
    hit.pt = client;
    ::SendMessageW(list_, LVM_SUBITEMHITTEST, 0, reinterpret_cast<LPARAM>(&hit));
    return hit.iItem;
}

bool CListCtrl_CellNav::HasGridLines() const {
    return (::SendMessageW(list_, LVM_GETEXTENDEDLISTVIEWSTYLE, 0, 0) & LVS_EX_GRIDLINES) != 0;
}

// The cell's rectangle in the list's client area, from the header's rectangle of its column
// (which places it as shown) and the row's.
RECT CListCtrl_CellNav::CellRect(int row, int column) const {
    RECT cell{};
    const HWND header = ListView_GetHeader(list_);
    Header_GetItemRect(header, column, &cell);
    ::MapWindowPoints(header, list_, reinterpret_cast<POINT*>(&cell), 2);
    RECT bounds{LVIR_BOUNDS, 0, 0, 0};
    ::SendMessageW(list_, LVM_GETITEMRECT, static_cast<WPARAM>(row),
                   reinterpret_cast<LPARAM>(&bounds));
    cell.top = bounds.top;
    cell.bottom = bounds.bottom;
    return cell;
}

// Sideways only, and only as far as shows the column; its left edge where the client area is
// narrower than the column.
void CListCtrl_CellNav::ScrollToFocusCell() {
    const int column = navigation_.FocusColumn();
    if (column < 0) {
        return;
    }
    const RECT cell = CellRect(std::max(FocusedRow(), 0), column);
    RECT client{};
    ::GetClientRect(list_, &client);
    int distance = 0;
    if (cell.left < client.left || cell.right - cell.left > client.right - client.left) {
        distance = cell.left - client.left;
    } else if (cell.right > client.right) {
        distance = cell.right - client.right;
    }
    if (distance != 0) {
        ::SendMessageW(list_, LVM_SCROLL, static_cast<WPARAM>(distance), 0);
    }
}

void CListCtrl_CellNav::RedrawFocusedRow() {
    const int row = FocusedRow();
    if (row >= 0) {
        ::SendMessageW(list_, LVM_REDRAWITEMS, static_cast<WPARAM>(row), row);
        ::UpdateWindow(list_);
    }
}

// ---- Notifications the dialog receives ----

LRESULT CALLBACK CListCtrl_CellNav::ParentProcedure(HWND window, UINT message, WPARAM wParam,
                                                    LPARAM lParam, UINT_PTR, DWORD_PTR self) {
    auto* list = reinterpret_cast<CListCtrl_CellNav*>(self);
    if (message == WM_NOTIFY && list->list_ != nullptr) {
        const auto& header = *reinterpret_cast<const NMHDR*>(lParam);
        if (header.hwndFrom == list->list_) {
            if (const std::optional<LRESULT> answer = list->OnNotify(header)) {
                return *answer;
            }
        }
    }
    return ::DefSubclassProc(window, message, wParam, lParam);
}

// Clicks reach the handlers set here and then the dialog; custom drawing is answered here.
std::optional<LRESULT> CListCtrl_CellNav::OnNotify(const NMHDR& header) {
    const auto& activation = reinterpret_cast<const NMITEMACTIVATE&>(header);
    switch (header.code) {
        case NM_CUSTOMDRAW:
            return OnCustomDraw(
                const_cast<NMLVCUSTOMDRAW&>(reinterpret_cast<const NMLVCUSTOMDRAW&>(header)));
        case NM_DBLCLK:
            if (onDoubleClick_) {
                onDoubleClick_(HitRow(activation.ptAction));
            }
            break;
        case NM_CLICK:
            if (onClick_) {
                onClick_(HitRow(activation.ptAction));
            }
            break;
        case NM_RCLICK:
            if (onRightClick_) {
                POINT screen = activation.ptAction;
                ::ClientToScreen(list_, &screen);
                onRightClick_(HitRow(activation.ptAction), screen);
            }
            break;
        case LVN_ITEMCHANGED: {
            const auto& change = reinterpret_cast<const NMLISTVIEW&>(header);
            const bool focused = (change.uChanged & LVIF_STATE) != 0 &&
                                 (change.uNewState & LVIS_FOCUSED) != 0 &&
                                 (change.uOldState & LVIS_FOCUSED) == 0;
            if (focused && onFocusChange_) {
                onFocusChange_(change.iItem);
            }
            break;
        }
        default:
            break;
    }
    return std::nullopt;
}

}  // namespace tolvane::gui::win32
