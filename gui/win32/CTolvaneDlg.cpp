// UTF-8 source: the system menu's About item is written as it is shown.
#include "gui/win32/CTolvaneDlg.h"

#include <algorithm>

#include "gui/model/FileCommandRules.h"
#include "gui/model/MainWindowLayout.h"
#include "gui/model/MainWindowRules.h"
#include "gui/model/ResourceIds.h"
#include "gui/model/VirtualKeyboardRig.h"
#include "gui/win32/AboutBox.h"
#include "gui/win32/Artwork.h"
#include "gui/win32/CFindDlg.h"
#include "gui/win32/CKeyBoardSetDlg.h"
#include "gui/win32/CpellimoreDlg.h"
#include "gui/win32/MainWindowTemplate.h"
#include "gui/win32/Prompter.h"
#include "gui/win32/Wide.h"
#include "tolvane/files/DataFileWriter.h"

namespace tolvane::gui::win32 {

namespace {

constexpr wchar_t kSystemAboutText[] = L"关于 Tolvane(&A)...";
constexpr wchar_t kHeitiFace[] = L"黑体";
constexpr int kKeyInfoPoints = 12;

// Commands this front end does not carry out yet: their items are shown greyed rather than
// doing nothing when chosen.
constexpr std::array<Command, 9> kCommandsWithoutWindow = {
    Command::kPrintLegends,         Command::kExportLegends,
    Command::kToggleLegendLabels,   Command::kRestoreBackup,
    Command::kCompareWithKeyboard,  Command::kCompareWithFile,
    Command::kClearDifferenceMarks, Command::kToggleVerifyAfterWrite,
    Command::kToggleButtonNumbers};

bool HasWindow(Command command) {
    return std::find(kCommandsWithoutWindow.begin(), kCommandsWithoutWindow.end(), command) ==
           kCommandsWithoutWindow.end();
}

// Whether a font has a letter for every character of a text (without the system's font links).
bool FontCovers(HWND window, HFONT font, const std::wstring& text) {
    std::vector<WORD> glyphs(text.size());
    const HDC dc = ::GetDC(window);
    const HGDIOBJ old = ::SelectObject(dc, font);
    const DWORD found = ::GetGlyphIndicesW(dc, text.c_str(), static_cast<int>(text.size()),
                                           glyphs.data(), GGI_MARK_NONEXISTING_GLYPHS);
    ::SelectObject(dc, old);
    ::ReleaseDC(window, dc);
    return found != GDI_ERROR &&
           std::find(glyphs.begin(), glyphs.end(), WORD{0xFFFF}) == glyphs.end();
}

int PointsToPixels(HWND window, int points) {
    const HDC dc = ::GetDC(window);
    const int pixels = ::MulDiv(points, ::GetDeviceCaps(dc, LOGPIXELSY), 72);
    ::ReleaseDC(window, dc);
    return pixels;
}

}  // namespace

CTolvaneDlg::CTolvaneDlg(KeyboardImage& image, LanguageState& language, ProgramSetup setup)
    : image_(image),
      language_(language),
      setup_(std::move(setup)),
      locations_(setup_.programFolder, setup_.userConfigFolder),
      // Notices come on a thread of the bus; the window handles them on its own thread.
      deviceWatch_(image_, m_hid, [this](DeviceChangeEvent event) {
          if (const HWND window = window_.load()) {
              ::PostMessageW(window, kDeviceChangeMessage, static_cast<WPARAM>(event), 0);
          }
      }) {}

CTolvaneDlg::~CTolvaneDlg() {
    findDlg_.reset();
    transfer_.reset();
    m_pReadWorker.Stop();
    m_pWriteWorker.Stop();
    if (const HWND window = window_.exchange(nullptr); window != nullptr && ::IsWindow(window)) {
        ::SetMenu(window, nullptr);  // the menus are destroyed below, not with the window
        ::DestroyWindow(window);
    }
    for (const HMENU menu : menus_) {
        if (menu != nullptr) {
            ::DestroyMenu(menu);
        }
    }
    for (const HGDIOBJ object :
         {static_cast<HGDIOBJ>(keyInfoFont_), static_cast<HGDIOBJ>(pictures_[0]),
          static_cast<HGDIOBJ>(pictures_[1])}) {
        if (object != nullptr) {
            ::DeleteObject(object);
        }
    }
    if (icon_ != nullptr) {
        ::DestroyIcon(icon_);
    }
    if (accelerators_ != nullptr) {
        ::DestroyAcceleratorTable(accelerators_);
    }
}

bool CTolvaneDlg::Create() {
    const DialogTemplate dialog = MainWindowTemplate();
    const HWND window =
        ::CreateDialogIndirectParamW(::GetModuleHandleW(nullptr), dialog.Get(), nullptr,
                                     &CTolvaneDlg::DialogProcedure, reinterpret_cast<LPARAM>(this));
    if (window == nullptr) {
        return false;
    }
    ::ShowWindow(window, SW_SHOW);
    ::UpdateWindow(window);
    return true;
}

INT_PTR CALLBACK CTolvaneDlg::DialogProcedure(HWND window, UINT message, WPARAM wParam,
                                              LPARAM lParam) {
    if (message == WM_INITDIALOG) {
        auto* self = reinterpret_cast<CTolvaneDlg*>(lParam);
        ::SetWindowLongPtrW(window, DWLP_USER, lParam);
        self->window_ = window;
        self->OnInitDialog();
        return TRUE;
    }
    auto* self = reinterpret_cast<CTolvaneDlg*>(::GetWindowLongPtrW(window, DWLP_USER));
    return self != nullptr ? self->OnMessage(message, wParam, lParam) : FALSE;
}

INT_PTR CTolvaneDlg::OnMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_COMMAND:
            OnCommandMessage(LOWORD(wParam), HIWORD(wParam));
            return TRUE;
        case WM_DRAWITEM:
            OnDrawItem(*reinterpret_cast<const DRAWITEMSTRUCT*>(lParam));
            return TRUE;
        case WM_TIMER:
            if (wParam == kTransferPollTimer) {
                OnTransferTimer();
            }
            return TRUE;
        case WM_SYSCOMMAND:
            if ((wParam & 0xFFF0) == ids::kSystemAbout) {
                OnAbout();
                return TRUE;
            }
            return FALSE;
        case WM_CLOSE:
            // The close box and Alt+F4.
            if (MayDiscardChanges(Command::kQuit)) {
                Close();
            }
            return TRUE;
        case WM_RBUTTONDOWN: {
            // Pressed over the window's own surface.
            POINT point{static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam))};
            ::ClientToScreen(window_, &point);
            OnContextMenu(point);
            return TRUE;
        }
        case kDeviceChangeMessage:
            OnDeviceChange(static_cast<DeviceChangeEvent>(wParam));
            return TRUE;
        default:
            return FALSE;
    }
}

void CTolvaneDlg::OnCommandMessage(int id, int code) {
    if (id == IDOK || id == IDCANCEL) {
        return;  // Enter and Escape neither press a default button nor close the window
    }
    if (id >= ids::kFirstKeyButton && id <= ids::kLastKeyButton) {
        if (code == BN_CLICKED) {
            OnKeyButtonClicked(id - ids::kFirstKeyButton + 1);
        }
        return;
    }
    if (id == ids::kLayerSelector) {
        if (code == CBN_SELCHANGE) {
            OnLayerSelected();
        }
        return;
    }
    if (const Command* command = ShortcutCommand(id)) {
        RunCommand(*command);
        return;
    }
    OnCommand(id);
}

// ---- Start-up ----

void CTolvaneDlg::OnInitDialog() {
    AddAboutToSystemMenu();
    language_.ReadSetting(locations_.SettingsFile(), SystemLocaleName());
    CreateMenus();
    SetWindowIcon();
    toolbar_ = std::make_unique<Toolbar>(window_);
    CreateShortcuts();
    SetKeyInfoFont();
    FillLayerSelector();
    ResetImage();
    ApplyLanguage();
    PlaceToolbar();
    UpdateEditState();
    DeviceCheck();
}

void CTolvaneDlg::AddAboutToSystemMenu() {
    const HMENU system = ::GetSystemMenu(window_, FALSE);
    if (system != nullptr) {
        ::AppendMenuW(system, MF_SEPARATOR, 0, nullptr);
        ::AppendMenuW(system, MF_STRING, ids::kSystemAbout, kSystemAboutText);
    }
}

HMENU CTolvaneDlg::BuildMenu(InterfaceLanguage language) const {
    const HMENU bar = ::CreateMenu();
    for (const MenuPopup& popup : MainMenu(language)) {
        const HMENU items = ::CreatePopupMenu();
        for (const MenuItem& item : popup.items) {
            if (item.id == 0) {
                ::AppendMenuW(items, MF_SEPARATOR, 0, nullptr);
                continue;
            }
            const std::optional<Command> command = CommandFor(item.id);
            const UINT state = command && !HasWindow(*command) ? MF_GRAYED : MF_ENABLED;
            ::AppendMenuW(items, MF_STRING | state, static_cast<UINT_PTR>(item.id),
                          Wide(MenuItemText(item, language)).c_str());
        }
        ::AppendMenuW(bar, MF_POPUP, reinterpret_cast<UINT_PTR>(items),
                      Wide(MenuPopupTitle(popup, language)).c_str());
    }
    if (setup_.virtualKeyboard != nullptr) {
        const HMENU items = ::CreatePopupMenu();
        ::AppendMenuW(items, MF_STRING, ids::kVirtualPlugIn,
                      Wide(tolvane::Text(TextId::kMenuPlugIn, language)).c_str());
        ::AppendMenuW(items, MF_STRING, ids::kVirtualPullOut,
                      Wide(tolvane::Text(TextId::kMenuPullOut, language)).c_str());
        ::AppendMenuW(bar, MF_POPUP, reinterpret_cast<UINT_PTR>(items),
                      Wide(tolvane::Text(TextId::kMenuVirtualKeyboard, language)).c_str());
    }
    return bar;
}

void CTolvaneDlg::CreateMenus() {
    // Both are made at start-up, and exactly one is attached at any time.
    menus_[0] = BuildMenu(InterfaceLanguage::kChinese);
    menus_[1] = BuildMenu(InterfaceLanguage::kEnglish);
}

void CTolvaneDlg::SetWindowIcon() {
    icon_ = ProgramIcon(::GetSystemMetrics(SM_CXICON));
    if (icon_ != nullptr) {
        ::SendMessageW(window_, WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(icon_));
        ::SendMessageW(window_, WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(icon_));
    }
}

void CTolvaneDlg::SetKeyInfoFont() {
    keyInfoFont_ = ::CreateFontW(-PointsToPixels(window_, kKeyInfoPoints), 0, 0, 0, FW_NORMAL,
                                 FALSE, FALSE, FALSE, DEFAULT_CHARSET, OUT_DEFAULT_PRECIS,
                                 CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, DEFAULT_PITCH, kHeitiFace);
    ::SendMessageW(Control(ids::kKeyInfoBox), WM_SETFONT, reinterpret_cast<WPARAM>(keyInfoFont_),
                   TRUE);
}

void CTolvaneDlg::FillLayerSelector() {
    const HWND selector = Control(ids::kLayerSelector);
    for (int layer = 1; layer <= LayerCount; ++layer) {
        ::SendMessageW(selector, CB_ADDSTRING, 0,
                       reinterpret_cast<LPARAM>(Wide(LayerName(layer)).c_str()));
    }
    ::SendMessageW(selector, CB_SETCURSEL, 0, 0);
}

void CTolvaneDlg::ResetImage() {
    image_.Reset();
    image_.selection.currentButton = 0;
    image_.selection.currentLayer = 1;
    ShowLayerPicture(1);
    for (int button = 1; button <= ButtonCount; ++button) {
        ::SetDlgItemTextW(window_, ids::kFirstKeyButton - 1 + button, L"");
    }
}

// Every control moves down by the toolbar's height and the window grows by it, so the
// toolbar sits above the layout as the dialog units placed it.
void CTolvaneDlg::PlaceToolbar() {
    const int shift = toolbar_->Height();
    for (HWND child = ::GetWindow(window_, GW_CHILD); child != nullptr;
         child = ::GetWindow(child, GW_HWNDNEXT)) {
        if (child == toolbar_->Window()) {
            continue;
        }
        RECT place{};
        ::GetWindowRect(child, &place);
        ::MapWindowPoints(nullptr, window_, reinterpret_cast<POINT*>(&place), 2);
        ::SetWindowPos(child, nullptr, place.left, place.top + shift, 0, 0,
                       SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    }
    toolbarShift_ = shift;
    FitWindowToClient();
}

void CTolvaneDlg::FitWindowToClient() {
    RECT client{0, 0, kMainWindowClient.width, kMainWindowClient.height};
    ::MapDialogRect(window_, &client);
    client.bottom += toolbarShift_;
    ::AdjustWindowRectEx(&client, static_cast<DWORD>(::GetWindowLongPtrW(window_, GWL_STYLE)),
                         ::GetMenu(window_) != nullptr,
                         static_cast<DWORD>(::GetWindowLongPtrW(window_, GWL_EXSTYLE)));
    ::SetWindowPos(window_, nullptr, 0, 0, client.right - client.left, client.bottom - client.top,
                   SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    ::SendMessageW(toolbar_->Window(), TB_AUTOSIZE, 0, 0);
}

// ---- Language ----

std::wstring CTolvaneDlg::Text(TextId id) const {
    return Wide(language_.Text(id));
}

void CTolvaneDlg::Inform(TextId id, UINT icon) {
    Prompts().Inform(window_, MessageCaption(), Text(id), icon);
}

void CTolvaneDlg::AttachMenu(InterfaceLanguage language) {
    ::SetMenu(window_, menus_[language == InterfaceLanguage::kEnglish ? 1 : 0]);
    UpdateMenuStates();
    if (toolbar_ != nullptr && toolbarShift_ != 0) {
        FitWindowToClient();
    }
}

void CTolvaneDlg::ApplyLanguage() {
    AttachMenu(language_.interfaceLanguage);
    SetCaption(ids::kLayerGroup, Text(TextId::kLayerGroupCaption));
    const bool connected = image_.status.keyboardConnected.load() == 1;
    ShowConnectionPicture(connected ? ConnectionPicture::kFound : ConnectionPicture::kNotFound);
    toolbar_->Load(language_.interfaceLanguage);
    UpdateEditState();
}

// A caption whose letters the dialog font lacks (Chinese where no font link supplies them)
// is shown in the Hei face of the same size; the dialog's layout and base units stay.
void CTolvaneDlg::SetCaption(int control, const std::wstring& text) {
    const HWND window = Control(control);
    const auto dialogFont = reinterpret_cast<HFONT>(::SendMessageW(window_, WM_GETFONT, 0, 0));
    if (captionFont_ == nullptr) {
        LOGFONTW face{};
        ::GetObjectW(dialogFont, sizeof face, &face);
        ::wcscpy_s(face.lfFaceName, kHeitiFace);
        captionFont_ = ::CreateFontIndirectW(&face);
    }
    const HFONT font = FontCovers(window, dialogFont, text) ? dialogFont : captionFont_;
    ::SendMessageW(window, WM_SETFONT, reinterpret_cast<WPARAM>(font), TRUE);
    ::SetWindowTextW(window, text.c_str());
}

void CTolvaneDlg::ShowPicture(int control, int pictureId, std::string_view name) {
    const HWND picture = Control(control);
    HBITMAP& shown = pictures_[control == ids::kLayerPicture ? 0 : 1];
    const HBITMAP bitmap = Picture(pictureId);
    ::SendMessageW(picture, STM_SETIMAGE, IMAGE_BITMAP, reinterpret_cast<LPARAM>(bitmap));
    if (shown != nullptr) {
        ::DeleteObject(shown);
    }
    shown = bitmap;
    // Which picture it shows, for tests; its words, for accessibility.
    ::SetPropW(picture, kPictureProperty,
               reinterpret_cast<HANDLE>(static_cast<INT_PTR>(pictureId)));
    ::SetWindowTextW(picture, Wide(name).c_str());
}

void CTolvaneDlg::ShowConnectionPicture(ConnectionPicture picture) {
    const int id = ConnectionPictureId(picture, language_.interfaceLanguage);
    ShowPicture(ids::kConnectionPicture, id, FindConnectionArtwork(id)->caption);
}

void CTolvaneDlg::ShowLayerPicture(int layer) {
    ShowPicture(ids::kLayerPicture, LayerPictureId(layer), LayerName(layer));
}

int CTolvaneDlg::PictureShown(int control) const {
    return static_cast<int>(
        reinterpret_cast<INT_PTR>(::GetPropW(Control(control), kPictureProperty)));
}

void CTolvaneDlg::OnSwitchLanguage(InterfaceLanguage target) {
    const std::filesystem::path settingsFile = locations_.SettingsFile();
    const LanguageSwitchResult result = target == InterfaceLanguage::kEnglish
                                            ? language_.SwitchToEnglish(settingsFile)
                                            : language_.SwitchToChinese(settingsFile);
    if (!result.switched) {
        return;
    }
    ApplyLanguage();
    RefreshAllButtons();
    if (findDlg_ != nullptr) {
        findDlg_->SetLanguage(language_.interfaceLanguage);
    }
    if (!result.saved) {
        Inform(TextId::kLanguageNotSaved, MB_ICONWARNING);
    }
}

// ---- Commands ----

void CTolvaneDlg::OnCommand(int id) {
    if (const std::optional<Command> command = CommandFor(id)) {
        RunCommand(*command);
    }
}

void CTolvaneDlg::RunCommand(Command command) {
    if (!HasWindow(command)) {
        return;
    }
    switch (command) {
        case Command::kOpen:
            if (MayDiscardChanges(Command::kOpen)) {
                OnOpen();
            }
            break;
        case Command::kSave:
            OnSave();
            break;
        case Command::kQuit:
            OnQuit();
            break;
        case Command::kRead:
            OnRead();
            break;
        case Command::kWrite:
            OnTransfer(TransferKind::kWrite);
            break;
        case Command::kCardReaderSettings:
            CpellimoreDlg(image_, language_.interfaceLanguage, locations_).DoModal(window_);
            RecordStep(EditStep::kCardReaderSettings);
            break;
        case Command::kKeyboardSettings:
            CKeyBoardSetDlg(image_, language_.interfaceLanguage).DoModal(window_);
            RecordStep(EditStep::kKeyboardSettings);
            break;
        case Command::kClearAll:
            OnClearAll();
            break;
        case Command::kNew:
            if (MayDiscardChanges(Command::kNew)) {
                ClearAllButtons();
                RecordStep(EditStep::kNew);
            }
            break;
        case Command::kSwitchToChinese:
            OnSwitchLanguage(InterfaceLanguage::kChinese);
            break;
        case Command::kSwitchToEnglish:
            OnSwitchLanguage(InterfaceLanguage::kEnglish);
            break;
        case Command::kAbout:
            OnAbout();
            break;
        case Command::kUserManual:
            OnUserManual();
            break;
        case Command::kPlugVirtualKeyboard:
        case Command::kPullVirtualKeyboard:
            OnVirtualKeyboard(command == Command::kPlugVirtualKeyboard);
            break;
        case Command::kUndo:
            OnUndo();
            break;
        case Command::kRedo:
            OnRedo();
            break;
        case Command::kFind:
            OnFind();
            break;
        case Command::kUnshownButtons:
            OnUnshownButtons();
            break;
        case Command::kCopyButton:
            clipboard_.CopyButton(image_, FocusedKeyButton());
            break;
        case Command::kPaste:
            OnPaste(FocusedKeyButton());
            break;
        default:
            break;  // kNothing, and the commands whose windows come later
    }
}

void CTolvaneDlg::OnClearAll() {
    if (Prompts().AskYesNo(window_, Text(TextId::kClearAllCaption),
                           Text(TextId::kConfirmDeletion))) {
        ClearAllButtons();
        RecordStep(EditStep::kClearAllSettings);
    }
}

// Clear all settings and New: a layout from scratch, so the labels of the last one go too.
void CTolvaneDlg::ClearAllButtons() {
    image_.ClearAllButtons();
    labels_.Clear();
    RefreshAllButtons();
}

void CTolvaneDlg::OnQuit() {
    if (MayDiscardChanges(Command::kQuit)) {
        Close();
    }
}

void CTolvaneDlg::Close() {
    // Not while a worker has the image: the window is disabled then anyway.
    if (transfer_ != nullptr) {
        return;
    }
    m_pReadWorker.Stop();
    m_pWriteWorker.Stop();
    closed_ = true;
    const HWND window = window_.exchange(nullptr);
    ::SetMenu(window, nullptr);  // both menus are destroyed with this object
    ::DestroyWindow(window);
    // Wakes the message loop, which then sees the window closed.
    ::PostThreadMessageW(::GetCurrentThreadId(), WM_NULL, 0, 0);
}

void CTolvaneDlg::OnAbout() {
    RunAboutBox(window_, icon_);
}

void CTolvaneDlg::OnUserManual() {
    std::vector<std::filesystem::path> folders{setup_.programFolder};
    folders.insert(folders.end(), setup_.documentationFolders.begin(),
                   setup_.documentationFolders.end());
    if (const auto manual = FindUserManual(folders)) {
        if (!Prompts().OpenDocument(window_, manual->wstring())) {
            Prompts().Inform(
                window_, MessageCaption(),
                Wide(FillIn(language_.Text(TextId::kManualNotOpened), {Utf8(manual->wstring())})),
                MB_ICONWARNING);
        }
    }
}

void CTolvaneDlg::OnOpen() {
    const std::wstring chosen = Prompts().OpenFileName(
        window_, dataFiles_.lastDataFilePath.wstring(), Wide(kDataFileDialogFilter));
    if (!chosen.empty()) {
        OpenDataFile(chosen);
    }
}

void CTolvaneDlg::OpenDataFile(const std::wstring& file) {
    const FileCommandOutcome outcome =
        gui::OpenDataFile(image_, labels_, dataFiles_, std::filesystem::path(file));
    TellFileMessages(outcome.messages);
    if (!outcome.done) {
        return;
    }
    RefreshAllButtons();
    const std::string name = Utf8(dataFiles_.lastDataFilePath.filename().wstring());
    RecordStep(EditStep::kOpen, {name});
    session_.MarkFile(image_.TakeProgramming(), name);
    UpdateEditState();
}

bool CTolvaneDlg::OnSave() {
    const std::wstring chosen = Prompts().SaveFileName(
        window_, Wide(kSaveSuggestion), Wide(kDataFileDialogFilter), Wide(kDataFileSuffix));
    if (chosen.empty()) {
        return false;
    }
    const std::filesystem::path file(chosen);
    const FileCommandOutcome outcome =
        SaveDataFile(image_, labels_, dataFiles_, file, LocalTimeNow());
    TellFileMessages(outcome.messages);
    if (!outcome.done) {
        return false;
    }
    session_.MarkFile(image_.TakeProgramming(), Utf8(file.filename().wstring()));
    UpdateEditState();
    return true;
}

void CTolvaneDlg::TellFileMessages(const std::vector<FileMessage>& messages) {
    for (const FileMessage& message : messages) {
        Prompts().Inform(window_, MessageCaption(),
                         Wide(FileMessageText(message, language_.interfaceLanguage)),
                         message.kind == FileMessageKind::kStop ? MB_ICONSTOP : MB_ICONWARNING);
    }
}

void CTolvaneDlg::OnVirtualKeyboard(bool plugIn) {
    if (setup_.virtualKeyboard == nullptr) {
        return;
    }
    if (plugIn) {
        setup_.virtualKeyboard->PlugIn();
    } else {
        setup_.virtualKeyboard->PullOut();
    }
    UpdateMenuStates();
}

void CTolvaneDlg::UpdateMenuStates() {
    if (setup_.virtualKeyboard == nullptr) {
        return;
    }
    const bool plugged = setup_.virtualKeyboard->PluggedIn();
    for (const HMENU menu : menus_) {
        ::EnableMenuItem(menu, ids::kVirtualPlugIn,
                         MF_BYCOMMAND | (plugged ? MF_GRAYED : MF_ENABLED));
        ::EnableMenuItem(menu, ids::kVirtualPullOut,
                         MF_BYCOMMAND | (plugged ? MF_ENABLED : MF_GRAYED));
    }
    if (window_.load() != nullptr) {
        ::DrawMenuBar(window_);
    }
}

// ---- Device notices ----

void CTolvaneDlg::DeviceCheck() {
    ShowConnectionPicture(deviceWatch_.DeviceCheck());
}

void CTolvaneDlg::OnDeviceChange(DeviceChangeEvent event) {
    if (const std::optional<ConnectionPicture> picture = deviceWatch_.OnDeviceChange(event)) {
        ShowConnectionPicture(*picture);
    }
    UpdateMenuStates();
}

}  // namespace tolvane::gui::win32
