#include "gui/win32/RunKeyDialog.h"

#include <optional>

#include "gui/win32/KeyPadSetDlg.h"
#include "gui/win32/Prompter.h"
#include "gui/win32/Wide.h"

namespace tolvane::gui::win32 {

namespace {

bool RunKeyDialog(HWND owner, std::optional<KeyPadSession> session, InterfaceLanguage language,
                  const FileLocations& locations) {
    if (!session) {
        return false;
    }
    if (session->LoadUserKeyGroups(locations.UserKeyGroupsFile()) == UserKeyLoadOutcome::kTooLong) {
        Prompts().Inform(owner, MessageCaption(),
                         Wide(Text(TextId::kUserKeyGroupsUnreadable, language)), MB_ICONWARNING);
    }
    KeyPadSetDlg dialog(std::move(*session), language);
    dialog.DoModal(owner);
    // What the dialog itself ended with: a run that closed it otherwise cancelled it.
    return dialog.Result() == IDOK;
}

}  // namespace

bool RunKeyDialogForButton(HWND owner, KeyboardImage& image, InterfaceLanguage language,
                           const FileLocations& locations, int button) {
    return RunKeyDialog(owner, KeyPadSession::ForButton(image, button), language, locations);
}

bool RunKeyDialogForTrackPart(HWND owner, KeyboardImage& image, InterfaceLanguage language,
                              const FileLocations& locations, int trackIndex, TrackPart part) {
    return RunKeyDialog(owner, KeyPadSession::ForTrackPart(image, trackIndex, part), language,
                        locations);
}

}  // namespace tolvane::gui::win32
