// The main window of the Windows front end: the button panel with its layer selector and key
// information box, the connection picture, the toolbar and one of the two menus. It is a
// dialog made by the dialog manager from an in-memory template built from gui/model's control
// table, so Windows itself converts the dialog units with the dialog font.
//
// Every command enters through OnCommand and goes through the command table to its handler.
// The window decides as little as it can: the core and gui/model decide, the window turns
// messages into their calls and their state into controls.
#pragma once

#include <windows.h>

#include <array>
#include <atomic>
#include <chrono>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "gui/model/CommandTable.h"
#include "gui/model/EditSession.h"
#include "gui/model/FileCommandRules.h"
#include "gui/model/ProgramSetup.h"
#include "gui/win32/CProgressWnd.h"
#include "gui/win32/Toolbar.h"
#include "tolvane/app/ButtonClipboard.h"
#include "tolvane/app/FileLocations.h"
#include "tolvane/app/FindInButtons.h"
#include "tolvane/app/LanguageState.h"
#include "tolvane/files/DataFileCommands.h"
#include "tolvane/image/KeyboardImage.h"
#include "tolvane/legend/LegendLabels.h"
#include "tolvane/link/DeviceWatch.h"
#include "tolvane/link/Hid.h"
#include "tolvane/link/TransferMonitor.h"
#include "tolvane/link/TransferWorker.h"

namespace tolvane::gui::win32 {

class CFindDlg;

// Device-change notices reach the window's thread as this message: wParam is the event.
inline constexpr UINT kDeviceChangeMessage = WM_APP + 1;
// The transfer monitor's 5 ms poll.
inline constexpr UINT_PTR kTransferPollTimer = 1;

class CTolvaneDlg : private TransferListener {
  public:
    CTolvaneDlg(KeyboardImage& image, LanguageState& language, ProgramSetup setup);
    ~CTolvaneDlg() override;
    CTolvaneDlg(const CTolvaneDlg&) = delete;
    CTolvaneDlg& operator=(const CTolvaneDlg&) = delete;

    // Creates and shows the window; false when the system refused it.
    bool Create();
    HWND Window() const { return window_; }
    HWND Control(int id) const { return ::GetDlgItem(window_, id); }
    // The window is gone: closed by Quit or the close box.
    bool Closed() const { return closed_; }

    // Runs the command of a menu item, toolbar button or other command number. A number
    // the window does not know does nothing.
    void OnCommand(int id);
    void RunCommand(Command command);
    // Loads a data file as the Open command does once a file is chosen.
    void OpenDataFile(const std::wstring& file);

    // What the window does with a message of its thread before it is dispatched: hover and
    // context menu for the pointer anywhere over it, Enter and Escape swallowed, the dialog
    // manager's keyboard handling. True when the message needs no further dispatch.
    bool PreTranslateMessage(MSG& message);

    // The first button 1..84, hidden ones included, whose rectangle holds a screen point;
    // 0 when none does.
    int ButtonAt(POINT screenPoint) const;
    HMENU AttachedMenu() const { return ::GetMenu(window_); }
    bool TransferRunning() const { return transfer_ != nullptr; }
    const CProgressWnd* ProgressWindow() const;
    const EditSession& Session() const { return session_; }
    const LegendLabels& Labels() const { return labels_; }
    int HotButton() const { return hotButton_; }
    const Toolbar& MainToolbar() const { return *toolbar_; }

    // The picture a picture control shows (1120, 1122), by its number.
    int PictureShown(int control) const;
    HWND KeyButton(int button) const;
    // The Find window once Find has made it (hidden when closed), and the button it framed.
    HWND FindWindowShown() const;
    int FoundButton() const { return foundButton_; }

    // The key programming dialog for a button on a layer: a click on a panel button, a
    // double click in the list of the buttons not on the panel.
    void OpenKeyDialog(int button, int layer);

  private:
    // One running transfer: the monitor the timer polls, the progress window over the main
    // window, and when the timer last polled.
    struct Transfer {
        Transfer(KeyboardImage& image, TransferWorker& worker, TransferListener& listener,
                 TransferKind transferKind)
            : monitor(image, worker, listener), kind(transferKind) {}

        TransferMonitor monitor;
        TransferKind kind;
        std::unique_ptr<CProgressWnd> progress;
        std::chrono::steady_clock::time_point lastPoll = std::chrono::steady_clock::now();
    };

    static constexpr wchar_t kPictureProperty[] = L"resourceId";
    // Command numbers of the keyboard shortcuts, one per entry of the model's shortcut table.
    static constexpr int kFirstShortcutCommand = 34000;

    static INT_PTR CALLBACK DialogProcedure(HWND window, UINT message, WPARAM wParam,
                                            LPARAM lParam);
    INT_PTR OnMessage(UINT message, WPARAM wParam, LPARAM lParam);
    void OnCommandMessage(int id, int code);
    bool IsOwnWindow(HWND window) const;

    // Start-up, in order.
    void OnInitDialog();
    void AddAboutToSystemMenu();
    HMENU BuildMenu(InterfaceLanguage language) const;
    void CreateMenus();
    void SetWindowIcon();
    void CreateShortcuts();
    const Command* ShortcutCommand(int id) const;
    void SetKeyInfoFont();
    void FillLayerSelector();
    void ResetImage();
    void PlaceToolbar();
    void FitWindowToClient();

    void ApplyLanguage();
    void AttachMenu(InterfaceLanguage language);
    void ShowPicture(int control, int pictureId, std::string_view name);
    void SetCaption(int control, const std::wstring& text);
    void ShowConnectionPicture(ConnectionPicture picture);
    void ShowLayerPicture(int layer);
    std::wstring Text(TextId id) const;
    void Inform(TextId id, UINT icon = 0);

    // Commands.
    void OnTransfer(TransferKind kind);
    void OnTransferTimer();
    void OnProgress(std::uint32_t reportCount) override;
    void OnOutcome(TransferOutcome outcome) override;
    void OnClearAll();
    void ClearAllButtons();
    void OnRead();
    void OnQuit();
    void OnAbout();
    void OnUserManual();
    void OnSwitchLanguage(InterfaceLanguage target);
    void OnOpen();
    bool OnSave();
    void TellFileMessages(const std::vector<FileMessage>& messages);
    void OnVirtualKeyboard(bool plugIn);
    void UpdateMenuStates();
    void Close();

    // Device notices, on the window's thread.
    void DeviceCheck();
    void OnDeviceChange(DeviceChangeEvent event);

    // The button panel.
    void OnDrawItem(const DRAWITEMSTRUCT& item);
    void OnLayerSelected();
    void OnHover(POINT screenPoint);
    void SetHotButton(int button);
    void AppendContextItems(HMENU menu) const;
    void OnContextMenu(POINT screenPoint);
    void OnButtonContextMenu(int button, POINT screenPoint);
    int ChooseLayerEntry(POINT screenPoint);
    void OnPaste(int button);
    void OnEditLegendLabel(int button);
    int FocusedKeyButton() const;
    void RefreshButtons(const std::vector<int>& buttons);
    void RefreshAllButtons();
    void OnKeyButtonClicked(int button);
    void ShowLayer(int layer);
    void OnUnshownButtons();

    // Find (CTolvaneDlgFind.cpp).
    void OnFind();
    void PlaceBesideWindow(HWND find);
    void ShowFindHit(const FindHit& hit);
    void FrameFoundButton(int button);

    // Edits: undo and redo, the title and the question before unsaved changes are lost.
    void RecordStep(EditStep step, std::vector<std::string> arguments = {});
    void OnUndo();
    void OnRedo();
    void ShowRestoredProgramming();
    void UpdateEditState();
    bool MayDiscardChanges(Command command);

    KeyboardImage& image_;
    LanguageState& language_;
    ProgramSetup setup_;
    FileLocations locations_;
    std::atomic<HWND> window_{nullptr};  // read by the bus's notice thread

    CHid m_hid;
    TransferWorker m_pReadWorker;
    TransferWorker m_pWriteWorker;
    DeviceWatch deviceWatch_;
    DataFileCommands dataFiles_;
    LegendLabels labels_;
    EditSession session_;
    ButtonClipboard clipboard_;
    std::unique_ptr<Transfer> transfer_;
    bool transferEnded_ = false;

    std::array<HMENU, 2> menus_{};  // Chinese, English
    std::unique_ptr<Toolbar> toolbar_;
    HACCEL accelerators_ = nullptr;
    int toolbarShift_ = 0;
    HFONT keyInfoFont_ = nullptr;
    HFONT captionFont_ = nullptr;
    HICON icon_ = nullptr;
    std::array<HBITMAP, 2> pictures_{};  // layer and connection picture shown
    int hotButton_ = 0;
    std::unique_ptr<CFindDlg> findDlg_;  // made on the first Find, owned by the window
    int foundButton_ = 0;
    bool closed_ = false;
};

}  // namespace tolvane::gui::win32
