// The card reader settings dialog, 143, on Windows: made by the dialog manager from gui/model's
// control and caption tables, a thin view over the core's CardReaderSettings, which writes
// every click into the image at once, so OK and Cancel both only close it. A character typed
// into a prefix or suffix edit sets that part; Delete and Backspace erase it; a double click
// on one opens the key programming dialog on that part.
#pragma once

#include <windows.h>

#include <optional>
#include <utility>

#include "gui/win32/DialogFontCharset.h"
#include "gui/win32/TemplateDialog.h"
#include "tolvane/app/FileLocations.h"
#include "tolvane/app/TextTable.h"
#include "tolvane/options/CardReaderSettings.h"

namespace tolvane::gui::win32 {

class CpellimoreDlg final : public TemplateDialog {
  public:
    CpellimoreDlg(KeyboardImage& image, InterfaceLanguage language, FileLocations locations);
    ~CpellimoreDlg() override;

  private:
    static LRESULT CALLBACK PartEditProcedure(HWND edit, UINT message, WPARAM wParam, LPARAM lParam,
                                              UINT_PTR, DWORD_PTR self);
    DialogTemplate Template() const override;
    void OnInitDialog() override;
    std::optional<INT_PTR> OnMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
    void OnCommand(int id);
    // True when the key was the part's: a character sets it, Delete and Backspace erase it.
    bool OnPartKey(HWND edit, UINT message, WPARAM key);
    std::optional<std::pair<int, TrackPart>> PartOfEdit(HWND edit) const;
    void EditPart(int track, TrackPart part);
    void ShowRow(int track);
    void ShowPicture();

    KeyboardImage& image_;
    CardReaderSettings settings_;
    const InterfaceLanguage language_;
    const FileLocations locations_;
    DialogFontCharset font_;
    HBITMAP picture_ = nullptr;
};

}  // namespace tolvane::gui::win32
