#include "gui/qt/keyprog/RunKeyDialog.h"

#include <optional>

#include "gui/qt/keyprog/KeyPadSetDlg.h"
#include "gui/qt/widgets/Prompter.h"

namespace tolvane::gui {

namespace {

bool RunKeyDialog(QWidget* parent, std::optional<KeyPadSession> session,
                  const LanguageState& language, const FileLocations& locations) {
    if (!session) {
        return false;
    }
    if (session->LoadUserKeyGroups(locations.UserKeyGroupsFile()) == UserKeyLoadOutcome::kTooLong) {
        Prompts().Inform(parent, MessageCaption(),
                         QString::fromUtf8(language.Text(TextId::kUserKeyGroupsUnreadable).data()),
                         PromptIcon::kWarning);
    }
    KeyPadSetDlg dialog(std::move(*session), language, parent);
    Prompts().RunModal(dialog);
    return dialog.result() == QDialog::Accepted;
}

}  // namespace

bool RunKeyDialogForButton(QWidget* mainWindow, KeyboardImage& image, const LanguageState& language,
                           const FileLocations& locations, int button) {
    return RunKeyDialog(mainWindow, KeyPadSession::ForButton(image, button), language, locations);
}

bool RunKeyDialogForTrackPart(QWidget* parent, KeyboardImage& image, const LanguageState& language,
                              const FileLocations& locations, int trackIndex, TrackPart part) {
    return RunKeyDialog(parent, KeyPadSession::ForTrackPart(image, trackIndex, part), language,
                        locations);
}

}  // namespace tolvane::gui
