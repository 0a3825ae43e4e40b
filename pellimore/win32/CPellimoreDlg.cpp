#include "pellimore/win32/CPellimoreDlg.h"

#include <commctrl.h>

#include "gui/win32/AboutBox.h"
#include "gui/win32/Artwork.h"
#include "gui/win32/Prompter.h"
#include "gui/win32/Wide.h"
#include "pellimore/PellimoreIds.h"
#include "pellimore/PellimoreLayout.h"
#include "pellimore/PellimoreTexts.h"
#include "pellimore/SentinelInput.h"
#include "pellimore/win32/PellimoreTemplates.h"
#include "pellimore/win32/SentinelEdit.h"
#include "vaskor/CardSettings.h"

namespace pellimore::win32 {

namespace {

using tolvane::gui::win32::Prompts;
using tolvane::gui::win32::Wide;

constexpr UINT kSystemCommandMask = 0xFFF0;
constexpr const char* kIconArtwork = "pellimore";
constexpr const char* kCardBackArtwork = "card-back";

}  // namespace

CPellimoreDlg::CPellimoreDlg() : keyboard_(std::make_unique<CVX30Interface>()) {}

CPellimoreDlg::~CPellimoreDlg() {
    if (window_ != nullptr) {
        ::DestroyWindow(window_);
    }
    keyboard_.reset();  // a window that was never made leaves the interface to go here
    for (const HICON icon : {bigIcon_, smallIcon_}) {
        if (icon != nullptr) {
            ::DestroyIcon(icon);
        }
    }
    if (cardBack_ != nullptr) {
        ::DeleteObject(cardBack_);
    }
}

bool CPellimoreDlg::Open() {
    if (!Create(nullptr)) {
        return false;
    }
    created_ = true;
    return true;
}

tolvane::gui::win32::DialogTemplate CPellimoreDlg::Template() const {
    return PellimoreTemplate();
}

std::optional<INT_PTR> CPellimoreDlg::OnMessage(UINT message, WPARAM wParam, LPARAM) {
    switch (message) {
        case WM_COMMAND:
            if (HIWORD(wParam) == BN_CLICKED) {
                OnCommand(LOWORD(wParam));
            }
            return TRUE;
        case WM_SYSCOMMAND:
            if ((wParam & kSystemCommandMask) == ids::kAboutCommand) {
                ShowAbout();
                return TRUE;
            }
            return std::nullopt;
        case WM_PAINT:
            return OnPaintMinimised() ? std::optional<INT_PTR>(TRUE) : std::nullopt;
        case WM_QUERYDRAGICON:
            return reinterpret_cast<INT_PTR>(bigIcon_);
        case WM_KB_PLUGIN:
        case WM_KB_PLUGOUT:
            OnKeyboardMessage(message);
            return TRUE;
        case WM_KB_SWITCH:
        case WM_KB_REPORT_D2:
            return TRUE;
        case WM_CLOSE:
            // The tool's window is its main window: closing it ends the program.
            ::DestroyWindow(window_);
            return TRUE;
        case WM_DESTROY:
            // Stops the reader, here in the window's own procedure: see the header.
            keyboard_.reset();
            return TRUE;
        default:
            return std::nullopt;
    }
}

void CPellimoreDlg::OnInitDialog() {
    for (std::size_t track = 0; track < ids::kTrackBoxes.size(); ++track) {
        for (const int id : {ids::kStartSentinelEdits[track], ids::kEndSentinelEdits[track]}) {
            MakeSentinelEdit(::GetDlgItem(window_, id));
        }
    }
    AddAboutItem();
    bigIcon_ = tolvane::gui::win32::ArtworkIcon(kIconArtwork, ::GetSystemMetrics(SM_CXICON));
    smallIcon_ = tolvane::gui::win32::ArtworkIcon(kIconArtwork, ::GetSystemMetrics(SM_CXSMICON));
    ::SendMessageW(window_, WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(bigIcon_));
    ::SendMessageW(window_, WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(smallIcon_));
    ShowPicture();
    // Shown before the library's threads start: whoever waits for the program to be ready for
    // input finds its window up.
    ::ShowWindow(window_, SW_SHOW);
    // The reader starts now; a keyboard already attached is announced at once.
    keyboard_->Open(window_);
}

void CPellimoreDlg::AddAboutItem() {
    const HMENU system = ::GetSystemMenu(window_, FALSE);
    const std::wstring item = Wide(texts::kAboutCommand);
    if (system != nullptr && !item.empty()) {
        ::AppendMenuW(system, MF_SEPARATOR, 0, nullptr);
        ::AppendMenuW(system, MF_STRING, ids::kAboutCommand, item.c_str());
    }
}

void CPellimoreDlg::ShowPicture() {
    cardBack_ = tolvane::gui::win32::ArtworkBitmap(kCardBackArtwork, ::GetSysColor(COLOR_BTNFACE));
    const HWND picture = ::GetDlgItem(window_, ids::kCardBackPicture);
    ::SendMessageW(picture, STM_SETIMAGE, IMAGE_BITMAP, reinterpret_cast<LPARAM>(cardBack_));
    // A bitmap keeps its own size: centred on the place the layout gives it.
    RECT place{kCardPicturePlace.x, kCardPicturePlace.y,
               kCardPicturePlace.x + kCardPicturePlace.width,
               kCardPicturePlace.y + kCardPicturePlace.height};
    ::MapDialogRect(window_, &place);
    BITMAP size{};
    ::GetObjectW(cardBack_, sizeof size, &size);
    ::SetWindowPos(picture, nullptr, (place.left + place.right - size.bmWidth) / 2,
                   (place.top + place.bottom - size.bmHeight) / 2, size.bmWidth, size.bmHeight,
                   SWP_NOZORDER | SWP_NOACTIVATE);
}

void CPellimoreDlg::OnCommand(int id) {
    switch (id) {
        case ids::kUpdateButton:
            OnUpdate();
            break;
        // Ok, and Enter and Escape, which no control carries: the tool ends.
        case ids::kOkButton:
        case IDOK:
        case IDCANCEL:
            ::SendMessageW(window_, WM_CLOSE, 0, 0);
            break;
        default:
            break;
    }
}

std::u16string CPellimoreDlg::SentinelText(int id) const {
    wchar_t text[kSentinelLength + 1] = {};
    const int count = ::GetDlgItemTextW(window_, id, text, static_cast<int>(std::size(text)));
    return std::u16string(text, text + count);
}

void CPellimoreDlg::OnUpdate() {
    if (window_ == nullptr) {
        return;
    }
    for (std::size_t t = 0; t < ids::kTrackBoxes.size(); ++t) {
        const std::u16string start = SentinelText(ids::kStartSentinelEdits[t]);
        const std::u16string end = SentinelText(ids::kEndSentinelEdits[t]);
        const vaskor::CardSettingsRecord record = vaskor::BuildCardSettings(
            {static_cast<int>(t) + 1, ::IsDlgButtonChecked(window_, ids::kTrackBoxes[t]) != 0,
             ::IsDlgButtonChecked(window_, ids::kReturnCodeBoxes[t]) != 0, start, end});
        // False with no keyboard attached: then nothing was sent, and nothing is said.
        keyboard_->SetCard(record.data(), record.size());
    }
}

void CPellimoreDlg::OnKeyboardMessage(UINT message) {
    // The reader waits in its send until the user has closed the box.
    Prompts().Inform(window_, Wide(texts::kCaption),
                     Wide(message == WM_KB_PLUGIN ? texts::kPlugIn : texts::kPlugOut),
                     MB_ICONEXCLAMATION);
}

bool CPellimoreDlg::OnPaintMinimised() {
    if (!::IsIconic(window_)) {
        return false;
    }
    PAINTSTRUCT paint;
    const HDC dc = ::BeginPaint(window_, &paint);
    RECT client{};
    ::GetClientRect(window_, &client);
    const int size = ::GetSystemMetrics(SM_CXICON);
    ::DrawIcon(dc, (client.right - size + 1) / 2, (client.bottom - size + 1) / 2, bigIcon_);
    ::EndPaint(window_, &paint);
    return true;
}

void CPellimoreDlg::ShowAbout() {
    tolvane::gui::win32::RunAboutDialog(window_, AboutTemplate(), bigIcon_);
}

}  // namespace pellimore::win32
