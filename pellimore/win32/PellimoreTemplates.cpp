#include "pellimore/win32/PellimoreTemplates.h"

#include "gui/win32/AboutBox.h"
#include "gui/win32/Wide.h"
#include "pellimore/PellimoreIds.h"
#include "pellimore/PellimoreLayout.h"
#include "pellimore/PellimoreTexts.h"

namespace pellimore::win32 {

namespace {

using tolvane::gui::win32::ControlClass;
using tolvane::gui::win32::DialogTemplate;
using tolvane::gui::win32::Wide;

constexpr const wchar_t* kFontFace = L"Arial";
constexpr WORD kFontPoints = 12;
constexpr DWORD kShown = WS_VISIBLE | WS_TABSTOP;

bool IsSentinelEdit(int id) {
    for (std::size_t track = 0; track < ids::kTrackBoxes.size(); ++track) {
        if (id == ids::kStartSentinelEdits[track] || id == ids::kEndSentinelEdits[track]) {
            return true;
        }
    }
    return false;
}

void AddControl(DialogTemplate& dialog, const ControlPlace& place) {
    for (std::size_t track = 0; track < ids::kTrackBoxes.size(); ++track) {
        if (place.id == ids::kTrackBoxes[track]) {
            dialog.AddControl(ControlClass::kButton, kShown | BS_AUTOCHECKBOX | BS_LEFTTEXT,
                              place.rect, place.id, Wide(texts::kTracks[track]));
            return;
        }
        if (place.id == ids::kReturnCodeBoxes[track]) {
            dialog.AddControl(ControlClass::kButton, kShown | BS_AUTOCHECKBOX, place.rect,
                              place.id);
            return;
        }
    }
    if (IsSentinelEdit(place.id)) {
        dialog.AddControl(ControlClass::kEdit,
                          kShown | WS_BORDER | ES_LEFT | ES_LOWERCASE | ES_AUTOHSCROLL, place.rect,
                          place.id);
        return;
    }
    const bool update = place.id == ids::kUpdateButton;
    dialog.AddControl(ControlClass::kButton, kShown | BS_PUSHBUTTON, place.rect, place.id,
                      Wide(update ? texts::kUpdate : texts::kOk));
}

}  // namespace

DialogTemplate PellimoreTemplate() {
    DialogTemplate dialog(WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX | DS_MODALFRAME,
                          kPellimoreClient, Wide(texts::kCaption), kFontFace, kFontPoints);
    for (const ControlPlace& place : PellimoreControls()) {
        AddControl(dialog, place);
    }
    for (std::size_t column = 0; column < texts::kHeadings.size(); ++column) {
        dialog.AddControl(ControlClass::kStatic, WS_VISIBLE | SS_CENTER | SS_NOPREFIX,
                          HeadingPlaces()[column], ids::kStaticControl,
                          Wide(texts::kHeadings[column]));
    }
    // The bitmap keeps its own size and is centred on its place when the window opens.
    dialog.AddControl(ControlClass::kStatic, WS_VISIBLE | SS_BITMAP, kCardPicturePlace,
                      ids::kCardBackPicture);
    return dialog;
}

DialogTemplate AboutTemplate() {
    DialogTemplate dialog(WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME | DS_CENTER,
                          kAboutClient, Wide(texts::kAboutCaption), kFontFace, kFontPoints);
    dialog.AddControl(ControlClass::kStatic, WS_VISIBLE | SS_ICON, kAboutIconPlace,
                      tolvane::gui::win32::kAboutIconControl);
    dialog.AddControl(ControlClass::kStatic, WS_VISIBLE | SS_LEFT | SS_NOPREFIX, kAboutVersionPlace,
                      ids::kStaticControl, Wide(texts::kVersion));
    dialog.AddControl(ControlClass::kButton, kShown | BS_DEFPUSHBUTTON, kAboutOkPlace,
                      ids::kAboutOkButton, Wide(texts::kAboutOk));
    return dialog;
}

}  // namespace pellimore::win32
