#include "gui/win32/CFindDlg.h"

#include "gui/model/FindWindow.h"
#include "gui/model/ResourceIds.h"
#include "gui/win32/MainWindowTemplate.h"
#include "gui/win32/Wide.h"

namespace tolvane::gui::win32 {

namespace {

constexpr DWORD kShown = WS_VISIBLE | WS_TABSTOP;

void AddControl(DialogTemplate& dialog, const ControlPlace& place) {
    switch (place.id) {
        case ids::kFindEdit:
            dialog.AddControl(ControlClass::kEdit, kShown | WS_BORDER | ES_AUTOHSCROLL, place.rect,
                              place.id);
            break;
        case ids::kFindHitList:
            dialog.AddControl(WC_LISTVIEWW,
                              kShown | WS_BORDER | LVS_REPORT | LVS_SINGLESEL | LVS_SHOWSELALWAYS,
                              place.rect, place.id);
            break;
        default:  // the prompt and the count, each one line
            dialog.AddControl(ControlClass::kStatic, WS_VISIBLE | SS_LEFTNOWORDWRAP, place.rect,
                              place.id);
            break;
    }
}

}  // namespace

CFindDlg::CFindDlg(const KeyboardImage& image, InterfaceLanguage language, HitChosen onHit,
                   std::function<void()> onHidden)
    : image_(image),
      language_(language),
      onHit_(std::move(onHit)),
      onHidden_(std::move(onHidden)) {}

DialogTemplate CFindDlg::Template() const {
    DialogTemplate dialog(WS_POPUP | WS_CAPTION | WS_SYSMENU, kFindClient,
                          Wide(Text(TextId::kFindCaption, language_)), kDialogFontFace,
                          kDialogFontPoints);
    for (const ControlPlace& place : FindControls()) {
        AddControl(dialog, place);
    }
    return dialog;
}

void CFindDlg::OnInitDialog() {
    for (const int control : {ids::kFindEdit, ids::kFindHitList}) {
        font_.ApplyTo(window_, control);
    }
    hitList_ = std::make_unique<CListCtrl_CellNav>(::GetDlgItem(window_, ids::kFindHitList));
    hitList_->SetExtendedStyle(LVS_EX_GRIDLINES | LVS_EX_FULLROWSELECT);
    for (const FindColumn& column : FindHitColumns()) {
        hitList_->InsertColumn(hitList_->ColumnCount(), {}, column.width, LVCFMT_LEFT);
    }
    // Any way to a row, pointer or arrow keys, shows it; so does a click on the row already
    // chosen, after the panel has been looked around.
    hitList_->OnFocusedRowChanged([this](int row) { ShowHit(row); });
    hitList_->OnRowClicked([this](int row) { ShowHit(row); });
    SetLanguage(language_);
}

void CFindDlg::SetLanguage(InterfaceLanguage language) {
    language_ = language;
    font_.Apply(window_, language_);
    ::SetWindowTextW(window_, Wide(Text(TextId::kFindCaption, language_)).c_str());
    ::SetDlgItemTextW(window_, ids::kFindPrompt,
                      Wide(Text(TextId::kFindPrompt, language_)).c_str());
    int index = 0;
    for (const FindColumn& column : FindHitColumns()) {
        hitList_->SetColumnTitle(index++, std::string(Text(column.title, language_)));
    }
    ShowHits();
}

std::optional<INT_PTR> CFindDlg::OnMessage(UINT message, WPARAM wParam, LPARAM) {
    switch (message) {
        case WM_COMMAND:
            if (LOWORD(wParam) == ids::kFindEdit && HIWORD(wParam) == EN_CHANGE) {
                Search();
            } else if (LOWORD(wParam) == IDCANCEL) {
                Hide();  // Escape
            }
            return TRUE;
        case WM_ACTIVATE:
            if (LOWORD(wParam) != WA_INACTIVE && hitList_ != nullptr) {
                Search();
            }
            return std::nullopt;
        case WM_CLOSE:
            Hide();
            return TRUE;
        default:
            return std::nullopt;
    }
}

void CFindDlg::Hide() {
    ::ShowWindow(window_, SW_HIDE);
    if (onHidden_) {
        onHidden_();  // the frame goes with the window that chose it
    }
}

void CFindDlg::Search() {
    std::vector<FindHit> hits =
        FindInButtons(image_, Utf8(WindowText(::GetDlgItem(window_, ids::kFindEdit))));
    if (hits != hits_ || hitList_->RowCount() != static_cast<int>(hits.size())) {
        hits_ = std::move(hits);
        ShowHits();
    }
}

void CFindDlg::ShowHits() {
    rebuilding_ = true;
    hitList_->DeleteAllItems();
    for (const FindHit& hit : hits_) {
        const std::array<std::string, 3> row = FindHitRow(hit, language_);
        hitList_->AppendRow({row.begin(), row.end()});
    }
    rebuilding_ = false;
    const bool queryEmpty = ::GetWindowTextLengthW(::GetDlgItem(window_, ids::kFindEdit)) == 0;
    ::SetDlgItemTextW(window_, ids::kFindCount,
                      Wide(FindCountText(hits_.size(), queryEmpty, language_)).c_str());
}

void CFindDlg::ShowHit(int row) {
    if (!rebuilding_ && row >= 0 && static_cast<std::size_t>(row) < hits_.size()) {
        onHit_(hits_[static_cast<std::size_t>(row)]);
    }
}

}  // namespace tolvane::gui::win32
