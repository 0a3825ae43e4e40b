#include "gui/win32/CpellimoreDlg.h"

#include <commctrl.h>

#include <string>

#include "gui/kit/ControlRows.h"
#include "gui/model/OptionDialogsLayout.h"
#include "gui/model/ResourceIds.h"
#include "gui/win32/Artwork.h"
#include "gui/win32/DialogTemplate.h"
#include "gui/win32/MainWindowTemplate.h"
#include "gui/win32/Prompter.h"
#include "gui/win32/RunKeyDialog.h"
#include "gui/win32/Wide.h"

namespace tolvane::gui::win32 {

namespace {

constexpr DWORD kShown = WS_VISIBLE | WS_TABSTOP;
constexpr UINT_PTR kPartEditSubclass = 1;
constexpr const char* kCardBackArtwork = "card-back";

template <std::size_t N>
bool IsOneOf(const std::array<int, N>& ids, int id) {
    return RowOfControl(ids, id) >= 0;
}

void AddControl(DialogTemplate& dialog, const ControlPlace& place, InterfaceLanguage language) {
    const std::wstring caption = Wide(CaptionText(CardReaderCaptions(), place.id, language));
    if (IsOneOf(ids::kTrackBoxes, place.id) || IsOneOf(ids::kEnterBoxes, place.id)) {
        dialog.AddControl(ControlClass::kButton, kShown | BS_AUTOCHECKBOX, place.rect, place.id,
                          caption);
    } else if (IsOneOf(ids::kPrefixEdits, place.id) || IsOneOf(ids::kSuffixEdits, place.id)) {
        dialog.AddControl(ControlClass::kEdit, kShown | WS_BORDER | ES_CENTER | ES_READONLY,
                          place.rect, place.id);
    } else if (place.id == ids::kPrefixGroup || place.id == ids::kSuffixGroup) {
        dialog.AddControl(ControlClass::kButton, WS_VISIBLE | BS_GROUPBOX, place.rect, place.id,
                          caption);
    } else if (place.id == ids::kCardPicture) {
        dialog.AddControl(ControlClass::kStatic, WS_VISIBLE | SS_BITMAP, place.rect, place.id);
    } else {
        dialog.AddControl(
            ControlClass::kButton,
            kShown | (place.id == ids::kCardReaderOk ? BS_DEFPUSHBUTTON : BS_PUSHBUTTON),
            place.rect, place.id, caption);
    }
}

DialogTemplate CardReaderTemplate(InterfaceLanguage language) {
    DialogTemplate dialog(WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME | DS_CENTER,
                          kCardReaderClient, Wide(kCardReaderTitle), kDialogFontFace,
                          kDialogFontPoints);
    // The group boxes go first, so that they lie under the edits they frame.
    for (const bool groups : {true, false}) {
        for (const ControlPlace& place : CardReaderControls()) {
            const bool group = place.id == ids::kPrefixGroup || place.id == ids::kSuffixGroup;
            if (group == groups) {
                AddControl(dialog, place, language);
            }
        }
    }
    return dialog;
}

}  // namespace

CpellimoreDlg::CpellimoreDlg(KeyboardImage& image, InterfaceLanguage language,
                             FileLocations locations)
    : image_(image), settings_(image), language_(language), locations_(std::move(locations)) {}

CpellimoreDlg::~CpellimoreDlg() {
    if (window_ != nullptr) {
        ::DestroyWindow(window_);  // before its picture goes
    }
    if (picture_ != nullptr) {
        ::DeleteObject(picture_);
    }
}

DialogTemplate CpellimoreDlg::Template() const {
    return CardReaderTemplate(language_);
}

std::optional<INT_PTR> CpellimoreDlg::OnMessage(UINT message, WPARAM wParam, LPARAM) {
    if (message != WM_COMMAND) {
        return std::nullopt;
    }
    if (HIWORD(wParam) == BN_CLICKED) {
        OnCommand(LOWORD(wParam));
    }
    return TRUE;
}

void CpellimoreDlg::OnInitDialog() {
    font_.Apply(window_, language_);
    for (std::size_t t = 0; t < TrackCount; ++t) {
        for (const int id : {ids::kPrefixEdits[t], ids::kSuffixEdits[t]}) {
            ::SetWindowSubclass(::GetDlgItem(window_, id), &PartEditProcedure, kPartEditSubclass,
                                reinterpret_cast<DWORD_PTR>(this));
        }
        ShowRow(static_cast<int>(t));
    }
    ShowPicture();
}

void CpellimoreDlg::ShowPicture() {
    picture_ = ArtworkBitmap(kCardBackArtwork, ::GetSysColor(COLOR_BTNFACE));
    ::SendDlgItemMessageW(window_, ids::kCardPicture, STM_SETIMAGE, IMAGE_BITMAP,
                          reinterpret_cast<LPARAM>(picture_));
}

void CpellimoreDlg::ShowRow(int track) {
    const CardTrackRow& row = settings_.Row(track);
    const auto t = static_cast<std::size_t>(track);
    ::CheckDlgButton(window_, ids::kTrackBoxes[t], row.trackTicked);
    ::CheckDlgButton(window_, ids::kEnterBoxes[t], row.enterTicked);
    for (const int id : {ids::kPrefixEdits[t], ids::kSuffixEdits[t], ids::kEnterBoxes[t]}) {
        ::EnableWindow(::GetDlgItem(window_, id), row.partsEnabled);
    }
    ::SetDlgItemTextW(window_, ids::kPrefixEdits[t], Wide(row.prefixText).c_str());
    ::SetDlgItemTextW(window_, ids::kSuffixEdits[t], Wide(row.suffixText).c_str());
}

void CpellimoreDlg::OnCommand(int id) {
    if (const int track = RowOfControl(ids::kTrackBoxes, id); track >= 0) {
        settings_.SetTrackEnabled(track, ::IsDlgButtonChecked(window_, id) == BST_CHECKED);
        ShowRow(track);
    } else if (const int enter = RowOfControl(ids::kEnterBoxes, id); enter >= 0) {
        settings_.SetEnterAtEnd(enter, ::IsDlgButtonChecked(window_, id) == BST_CHECKED);
        ShowRow(enter);
    } else if (id == ids::kCardReaderOk || id == IDOK) {
        End(IDOK);
    } else if (id == ids::kCardReaderCancel || id == IDCANCEL) {
        End(IDCANCEL);
    }
}

std::optional<std::pair<int, TrackPart>> CpellimoreDlg::PartOfEdit(HWND edit) const {
    const int id = ::GetDlgCtrlID(edit);
    if (const int track = RowOfControl(ids::kPrefixEdits, id); track >= 0) {
        return std::pair{track, TrackPart::kPrefix};
    }
    if (const int track = RowOfControl(ids::kSuffixEdits, id); track >= 0) {
        return std::pair{track, TrackPart::kSuffix};
    }
    return std::nullopt;
}

bool CpellimoreDlg::OnPartKey(HWND edit, UINT message, WPARAM key) {
    const std::optional<std::pair<int, TrackPart>> part = PartOfEdit(edit);
    if (!part) {
        return false;
    }
    const auto [track, which] = *part;
    if (message == WM_LBUTTONDBLCLK) {
        EditPart(track, which);
        return true;
    }
    if (message == WM_KEYDOWN && (key == VK_DELETE || key == VK_BACK)) {
        settings_.ErasePart(track, which);
    } else if (message == WM_CHAR && key >= L' ' && key != 0x7F) {
        const wchar_t typed[2] = {static_cast<wchar_t>(key), L'\0'};
        if (const std::optional<FilledText> refusal =
                settings_.TypePart(track, which, Utf8(typed))) {
            Prompts().Inform(window_, MessageCaption(), Wide(TextOf(*refusal, language_)),
                             MB_ICONINFORMATION);
        }
    } else {
        return message == WM_CHAR && key == L'\b';  // Backspace was the key-down's
    }
    ShowRow(track);
    return true;
}

void CpellimoreDlg::EditPart(int track, TrackPart part) {
    const bool confirmed =
        RunKeyDialogForTrackPart(window_, image_, language_, locations_, track, part);
    settings_.FinishPartEdit(track, part, confirmed);
    ShowRow(track);
}

LRESULT CALLBACK CpellimoreDlg::PartEditProcedure(HWND edit, UINT message, WPARAM wParam,
                                                  LPARAM lParam, UINT_PTR, DWORD_PTR self) {
    if ((message == WM_CHAR || message == WM_KEYDOWN || message == WM_LBUTTONDBLCLK) &&
        reinterpret_cast<CpellimoreDlg*>(self)->OnPartKey(edit, message, wParam)) {
        return 0;
    }
    if (message == WM_NCDESTROY) {
        ::RemoveWindowSubclass(edit, &PartEditProcedure, kPartEditSubclass);
    }
    return ::DefSubclassProc(edit, message, wParam, lParam);
}

}  // namespace tolvane::gui::win32
