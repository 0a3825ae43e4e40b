// The card-reader tool's window on Windows: dialog 102, made by the dialog manager from the
// tool's layout table. For each of the keyboard's three card tracks whether it is read, its
// start and end sentinels and whether a return code follows, sent by Update, one card settings
// record a track. Nothing is read back from the keyboard or kept.
//
// The window owns the keyboard interface object and opens it with its own handle, so the
// library's reader thread sends WM_KB_PLUGIN and WM_KB_PLUGOUT to this window's procedure and
// waits while the box they bring up is open, as every host program of the library on Windows
// does. WM_KB_SWITCH and WM_KB_REPORT_D2, which the tool has no use for, are answered at once.
//
// Closing (Ok, Enter, Escape, the close box) destroys the window, and the window's procedure
// destroys the interface object, which stops the reader. A reader that is waiting on this
// window at that moment, because the window was closed while a box was up, is let go by the
// library; so the window never waits for a thread that waits for it.
#pragma once

#include <windows.h>

#include <memory>
#include <string>

#include "gui/win32/TemplateDialog.h"
#include "vaskor/VX30Interface.h"

namespace pellimore::win32 {

class CPellimoreDlg final : public tolvane::gui::win32::TemplateDialog {
  public:
    CPellimoreDlg();
    ~CPellimoreDlg() override;

    // Makes and shows the window and opens the keyboard interface; false when the window
    // could not be made.
    bool Open();
    // The window has gone, and the interface with it.
    bool Closed() const { return created_ && window_ == nullptr; }

    // Sends the three tracks' settings; with no keyboard attached nothing happens.
    void OnUpdate();

  private:
    tolvane::gui::win32::DialogTemplate Template() const override;
    void OnInitDialog() override;
    std::optional<INT_PTR> OnMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
    void OnCommand(int id);
    void OnKeyboardMessage(UINT message);
    bool OnPaintMinimised();
    void AddAboutItem();
    void ShowPicture();
    void ShowAbout();
    std::u16string SentinelText(int id) const;

    bool created_ = false;
    HICON bigIcon_ = nullptr;
    HICON smallIcon_ = nullptr;
    HBITMAP cardBack_ = nullptr;
    std::unique_ptr<CVX30Interface> keyboard_;
};

}  // namespace pellimore::win32
