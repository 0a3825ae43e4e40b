#include "gui/qt/app/DialogCommands.h"

#include <QCoreApplication>
#include <optional>

#include "gui/qt/keyprog/KeyPadSetDlg.h"
#include "gui/qt/options/CKeyBoardSetDlg.h"
#include "gui/qt/options/CpellimoreDlg.h"
#include "gui/qt/widgets/Prompter.h"

namespace tolvane::gui {

namespace {

std::optional<FileLocations>& KeyDialogLocations() {
    static std::optional<FileLocations> locations;
    return locations;
}

std::filesystem::path UserKeyGroupsFile() {
    if (!KeyDialogLocations()) {
        KeyDialogLocations().emplace(QCoreApplication::applicationDirPath().toStdU16String(),
                                     UserConfigFolder());
    }
    return KeyDialogLocations()->UserKeyGroupsFile();
}

bool RunKeyDialog(QWidget* parent, std::optional<KeyPadSession> session,
                  const LanguageState& language) {
    if (!session) {
        return false;
    }
    if (session->LoadUserKeyGroups(UserKeyGroupsFile()) == UserKeyLoadOutcome::kTooLong) {
        Prompts().Inform(parent, MessageCaption(),
                         QString::fromUtf8(language.Text(TextId::kUserKeyGroupsUnreadable).data()),
                         PromptIcon::kWarning);
    }
    KeyPadSetDlg dialog(std::move(*session), language, parent);
    Prompts().RunModal(dialog);
    return dialog.result() == QDialog::Accepted;
}

}  // namespace

void RunCardReaderDialog(QWidget* mainWindow, KeyboardImage& image, const LanguageState& language) {
    CpellimoreDlg dialog(image, language, mainWindow);
    Prompts().RunModal(dialog);
}

void RunKeyboardOptionsDialog(QWidget* mainWindow, KeyboardImage& image,
                              const LanguageState& language) {
    CKeyBoardSetDlg dialog(image, language, mainWindow);
    Prompts().RunModal(dialog);
}

bool RunKeyDialogForButton(QWidget* mainWindow, KeyboardImage& image, const LanguageState& language,
                           int button) {
    return RunKeyDialog(mainWindow, KeyPadSession::ForButton(image, button), language);
}

bool RunKeyDialogForTrackPart(QWidget* parent, KeyboardImage& image, const LanguageState& language,
                              int trackIndex, TrackPart part) {
    return RunKeyDialog(parent, KeyPadSession::ForTrackPart(image, trackIndex, part), language);
}

void SetKeyDialogFileLocations(const FileLocations& locations) {
    KeyDialogLocations() = locations;
}

}  // namespace tolvane::gui
