// The list's custom drawing: the focus cell drawn unselected inside the selected row, and the
// focus rectangles of the cell and, with grid lines, of the row.
#include "gui/win32/CListCtrl_CellNav.h"

#include "gui/win32/Wide.h"

namespace tolvane::gui::win32 {

namespace {

constexpr int kBorderWidth = 1;

// A selected row's colours as the list shows them: highlighted while it has the focus, grey
// without it when it keeps showing the selection, plain otherwise.
void SelectedColours(NMLVCUSTOMDRAW& draw) {
    const HWND list = draw.nmcd.hdr.hwndFrom;
    if (::GetFocus() == list) {
        draw.clrText = ::GetSysColor(COLOR_HIGHLIGHTTEXT);
        draw.clrTextBk = ::GetSysColor(COLOR_HIGHLIGHT);
    } else if ((::GetWindowLongPtrW(list, GWL_STYLE) & LVS_SHOWSELALWAYS) != 0) {
        draw.clrText = ::GetSysColor(COLOR_BTNTEXT);
        draw.clrTextBk = ::GetSysColor(COLOR_3DFACE);
    } else {
        draw.clrText = CLR_DEFAULT;
        draw.clrTextBk = CLR_DEFAULT;
    }
}

}  // namespace

LRESULT CListCtrl_CellNav::OnCustomDraw(NMLVCUSTOMDRAW& draw) {
    const int row = static_cast<int>(draw.nmcd.dwItemSpec);
    const int focusColumn = navigation_.FocusColumn();
    const bool focusedRow = row == FocusedRow();
    switch (draw.nmcd.dwDrawStage) {
        case CDDS_PREPAINT:
            return CDRF_NOTIFYITEMDRAW;
        case CDDS_ITEMPREPAINT: {
            LRESULT answer = CDRF_DODEFAULT;
            if (focusedRow && (draw.nmcd.uItemState & CDIS_FOCUS) != 0 &&
                (focusColumn >= 0 || HasGridLines())) {
                draw.nmcd.uItemState &= ~static_cast<UINT>(CDIS_FOCUS);
                answer |= CDRF_NOTIFYPOSTPAINT;
            }
            if ((draw.nmcd.uItemState & CDIS_SELECTED) != 0 && focusColumn >= 0) {
                answer |= CDRF_NOTIFYSUBITEMDRAW;
            }
            return answer;
        }
        case CDDS_ITEMPREPAINT | CDDS_SUBITEM:
            if (focusedRow && draw.iSubItem == focusColumn) {
                draw.nmcd.uItemState &= ~static_cast<UINT>(CDIS_SELECTED);
                draw.clrText = ::GetSysColor(COLOR_WINDOWTEXT);
                draw.clrTextBk = ::GetSysColor(COLOR_WINDOW);
            } else {
                // The other cells of the row as selected, said outright: a list asked about
                // each cell leaves a cell's colours to the answer.
                SelectedColours(draw);
            }
            return CDRF_DODEFAULT;
        case CDDS_ITEMPOSTPAINT:
            DrawFocusCell(draw.nmcd.hdc, row);
            return CDRF_DODEFAULT;
        default:
            return CDRF_DODEFAULT;
    }
}

// After the focused row has painted: the focus cell once more as not selected (a list that
// fills the whole selected row at once paints over it), framed; with grid lines, the row
// framed too.
void CListCtrl_CellNav::DrawFocusCell(HDC dc, int row) {
    const bool grid = HasGridLines();
    if (const int column = navigation_.FocusColumn(); column >= 0) {
        RECT cell = CellRect(row, column);
        const std::vector<int> order = ColumnOrder();
        const bool shownFirst = !order.empty() && order.front() == column;
        if (grid) {
            cell.left += shownFirst ? 0 : kBorderWidth;
            cell.right -= kBorderWidth;
        }
        if (::SendMessageW(list_, LVM_GETITEMSTATE, static_cast<WPARAM>(row), LVIS_SELECTED) != 0) {
            DrawCellUnselected(dc, cell, row, column);
        }
        ::DrawFocusRect(dc, &cell);
    }
    if (grid && ::GetFocus() == list_) {
        RECT bounds{LVIR_BOUNDS, 0, 0, 0};
        ::SendMessageW(list_, LVM_GETITEMRECT, static_cast<WPARAM>(row),
                       reinterpret_cast<LPARAM>(&bounds));
        bounds.right -= kBorderWidth;
        ::DrawFocusRect(dc, &bounds);
    }
}

void CListCtrl_CellNav::DrawCellUnselected(HDC dc, const RECT& cell, int row, int column) const {
    ::FillRect(dc, &cell, ::GetSysColorBrush(COLOR_WINDOW));
    const std::wstring text = Wide(ItemText(row, column));
    RECT place = cell;
    ::InflateRect(&place, -::GetSystemMetrics(SM_CXEDGE) * 3, 0);
    const HGDIOBJ oldFont =
        ::SelectObject(dc, reinterpret_cast<HFONT>(::SendMessageW(list_, WM_GETFONT, 0, 0)));
    ::SetTextColor(dc, ::GetSysColor(COLOR_WINDOWTEXT));
    ::SetBkMode(dc, TRANSPARENT);
    ::DrawTextW(
        dc, text.c_str(), static_cast<int>(text.size()), &place,
        ColumnAlignment(column) | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX | DT_END_ELLIPSIS);
    ::SelectObject(dc, oldFont);
}

UINT CListCtrl_CellNav::ColumnAlignment(int column) const {
    LVCOLUMNW format{};
    format.mask = LVCF_FMT;
    ::SendMessageW(list_, LVM_GETCOLUMNW, static_cast<WPARAM>(column),
                   reinterpret_cast<LPARAM>(&format));
    switch (format.fmt & LVCFMT_JUSTIFYMASK) {
        case LVCFMT_RIGHT:
            return DT_RIGHT;
        case LVCFMT_CENTER:
            return DT_CENTER;
        default:
            return DT_LEFT;
    }
}

}  // namespace tolvane::gui::win32
