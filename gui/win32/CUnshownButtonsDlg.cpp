#include "gui/win32/CUnshownButtonsDlg.h"

#include "gui/model/ResourceIds.h"
#include "gui/model/UnshownButtonsWindow.h"
#include "gui/win32/MainWindowTemplate.h"
#include "gui/win32/Wide.h"

namespace tolvane::gui::win32 {

namespace {

void AddControl(DialogTemplate& dialog, const ControlPlace& place, InterfaceLanguage language) {
    switch (place.id) {
        case ids::kUnshownButtonsHint:
            dialog.AddControl(ControlClass::kStatic, WS_VISIBLE | SS_LEFT, place.rect, place.id,
                              Wide(Text(TextId::kHiddenButtonsHint, language)));
            break;
        case ids::kUnshownButtonsList:
            dialog.AddControl(WC_LISTVIEWW,
                              WS_VISIBLE | WS_TABSTOP | WS_BORDER | LVS_REPORT | LVS_SINGLESEL |
                                  LVS_SHOWSELALWAYS,
                              place.rect, place.id);
            break;
        default:
            dialog.AddControl(ControlClass::kButton, WS_VISIBLE | WS_TABSTOP | BS_PUSHBUTTON,
                              place.rect, place.id, Wide(Text(TextId::kDialogClose, language)));
            break;
    }
}

}  // namespace

CUnshownButtonsDlg::CUnshownButtonsDlg(const KeyboardImage& image, InterfaceLanguage language,
                                       ProgramButton onProgram, ButtonMenu onMenu)
    : image_(image),
      language_(language),
      onProgram_(std::move(onProgram)),
      onMenu_(std::move(onMenu)) {}

DialogTemplate CUnshownButtonsDlg::Template() const {
    DialogTemplate dialog(
        WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME | DS_CENTER, kUnshownButtonsClient,
        Wide(Text(TextId::kHiddenButtonsCaption, language_)), kDialogFontFace, kDialogFontPoints);
    for (const ControlPlace& place : UnshownButtonsControls()) {
        AddControl(dialog, place, language_);
    }
    return dialog;
}

void CUnshownButtonsDlg::OnInitDialog() {
    font_.Apply(window_, language_);
    font_.ApplyTo(window_, ids::kUnshownButtonsList);
    list_ = std::make_unique<CListCtrl_CellNav>(::GetDlgItem(window_, ids::kUnshownButtonsList));
    list_->SetExtendedStyle(LVS_EX_GRIDLINES | LVS_EX_FULLROWSELECT);
    const auto titles = UnshownButtonsTitles(language_);
    for (int column = 0; column < kUnshownButtonsColumns; ++column) {
        list_->InsertColumn(column, titles[static_cast<std::size_t>(column)],
                            column == 0 ? kUnshownButtonColumnWidth : kUnshownLayerColumnWidth,
                            LVCFMT_LEFT);
    }
    list_->OnRowDoubleClicked([this](int row) {
        if (const int button = ButtonOfRow(row)) {
            onProgram_(button);
            ShowRows();
        }
    });
    list_->OnRowRightClicked([this](int row, POINT screenPoint) {
        if (const int button = ButtonOfRow(row)) {
            onMenu_(button, screenPoint);
            ShowRows();
        }
    });
    ShowRows();
}

std::optional<INT_PTR> CUnshownButtonsDlg::OnMessage(UINT message, WPARAM wParam, LPARAM) {
    if (message != WM_COMMAND) {
        return std::nullopt;
    }
    if (LOWORD(wParam) == ids::kUnshownButtonsClose || LOWORD(wParam) == IDCANCEL) {
        End(IDOK);
    }
    return TRUE;
}

void CUnshownButtonsDlg::ShowRows() {
    const int chosen = list_->FocusedRow();
    list_->DeleteAllItems();
    for (const UnshownButtonRow& row : UnshownButtonRows(image_)) {
        const auto cells = UnshownButtonsCells(row);
        list_->AppendRow({cells.begin(), cells.end()});
    }
    if (chosen >= 0 && chosen < list_->RowCount()) {
        list_->SelectRow(chosen);
    }
}

int CUnshownButtonsDlg::ButtonOfRow(int row) const {
    const std::vector<UnshownButtonRow> rows = UnshownButtonRows(image_);
    return row >= 0 && static_cast<std::size_t>(row) < rows.size()
               ? rows[static_cast<std::size_t>(row)].button
               : 0;
}

}  // namespace tolvane::gui::win32
