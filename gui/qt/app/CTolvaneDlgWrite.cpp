// The safety around writes: a backup of what the keyboard held before every write, what a
// failed write left on the keyboard (with Retry), the verify after a write, Restore Backup,
// and the comparisons with the keyboard or a file, whose differences are listed and marked
// on the panel and on the layer selector. What is said and listed comes from
// gui/model/WriteSafety.h; this file only runs the transfers and shows the result.
#include <QPainter>
#include <QSettings>

#include "gui/kit/ControlNames.h"
#include "gui/model/RememberedOptions.h"
#include "gui/model/WriteSafety.h"
#include "gui/qt/app/CSafetyDlgs.h"
#include "gui/qt/app/CTolvaneDlg.h"
#include "gui/qt/app/FileCommands.h"
#include "gui/qt/widgets/Prompter.h"

namespace tolvane::gui {

namespace {

QIcon DifferenceMark() {
    QPixmap dot(10, 10);
    dot.fill(Qt::transparent);
    QPainter painter(&dot);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    painter.setBrush(CXPButton::kDiffersColour);
    painter.drawEllipse(1, 1, 8, 8);
    return QIcon(dot);
}

}  // namespace

bool CTolvaneDlg::ReadVerifyAfterWrite() {
    QSettings settings;
    settings.beginGroup(kRememberedOptionsSection);
    return settings.value(kVerifyAfterWriteOption, true).toBool();
}

void CTolvaneDlg::OnToggleVerifyAfterWrite() {
    verifyAfterWrite_ = !verifyAfterWrite_;
    QSettings settings;
    settings.beginGroup(kRememberedOptionsSection);
    settings.setValue(kVerifyAfterWriteOption, verifyAfterWrite_);
    UpdateToggleItems();
}

KeyboardImage& CTolvaneDlg::Scratch() {
    if (!scratch_) {
        scratch_ = std::make_unique<KeyboardImage>();
    }
    return *scratch_;
}

// ---- Write: backup, write, verify ----

void CTolvaneDlg::OnWrite() {
    lastBackup_.clear();
    RunTransfer({TransferKind::kRead,
                 &Scratch(),
                 {TextId::kBackupTitle, false},
                 [this](TransferOutcome outcome) { AfterBackupRead(outcome); }});
}

void CTolvaneDlg::AfterBackupRead(TransferOutcome outcome) {
    std::string saveError;
    if (outcome == TransferOutcome::kReadSucceeded) {
        const BackupResult kept = SaveBackup(Scratch(), setup_.backupFolder, m_hid.SerialNumber());
        if (kept.ok) {
            lastBackup_ = kept.path;
            StartWrite();
            return;
        }
        saveError = kept.error;
    }
    // The keyboard has not been touched: the technician decides whether to go on.
    const int choice = Prompts().Choose(
        this, MessageCaption(), FromUtf8(BackupFailedText(saveError, language_.interfaceLanguage)),
        {Text(TextId::kWriteWithoutBackup), Text(TextId::kAnswerCancel)});
    if (choice == 0) {
        StartWrite();
    }
}

void CTolvaneDlg::StartWrite() {
    OnTransfer(TransferKind::kWrite, [this](TransferOutcome outcome) { AfterWrite(outcome); });
}

void CTolvaneDlg::AfterWrite(TransferOutcome outcome) {
    if (outcome == TransferOutcome::kWriteSucceeded) {
        if (verifyAfterWrite_) {
            RunTransfer({TransferKind::kRead,
                         &Scratch(),
                         {TextId::kVerifyTitle, false},
                         [this](TransferOutcome read) { AfterVerifyRead(read); }});
        }
        return;
    }
    const WriteFailure failure = DescribeWriteFailure(lastWriteCount_, m_hid);
    const int choice = Prompts().Choose(
        this, MessageCaption(),
        FromUtf8(PartialWriteText(failure, lastBackup_, language_.interfaceLanguage)),
        {Text(TextId::kAnswerRetry), Text(TextId::kAnswerCancel)});
    if (choice == 0) {
        StartWrite();  // the backup taken before the first try still holds the old programming
    }
}

void CTolvaneDlg::AfterVerifyRead(TransferOutcome outcome) {
    if (outcome != TransferOutcome::kReadSucceeded) {
        Inform(TextId::kVerifyReadFailed);
        return;
    }
    ShowComparison(Comparison::kVerify,
                   Difference(image_.TakeProgramming(), Scratch().TakeProgramming()));
}

// ---- Comparisons ----

void CTolvaneDlg::OnCompareWithKeyboard() {
    RunTransfer({TransferKind::kRead,
                 &Scratch(),
                 {TextId::kCompareTitle, false},
                 [this](TransferOutcome outcome) {
                     if (outcome != TransferOutcome::kReadSucceeded) {
                         Inform(TextId::kTransferFailed);
                         return;
                     }
                     ShowComparison(Comparison::kKeyboard, Difference(image_.TakeProgramming(),
                                                                      Scratch().TakeProgramming()));
                 }});
}

void CTolvaneDlg::OnCompareWithFile() {
    const QString file = Prompts().OpenFileName(
        this, QString::fromStdU16String(dataFiles_.lastDataFilePath.u16string()), kDataFileFilter);
    if (file.isEmpty()) {
        return;
    }
    const BackupRead read = ReadProgrammingFrom(std::filesystem::path(file.toStdU16String()));
    if (!read.load.ok()) {
        Prompts().Inform(this, MessageCaption(),
                         Text(TextId::kDataFileOpenFailed) + "\n\n" + FromUtf8(read.load.error),
                         PromptIcon::kWarning);
        return;
    }
    ShowComparison(Comparison::kFile, Difference(image_.TakeProgramming(), read.programming));
}

void CTolvaneDlg::ShowComparison(Comparison comparison, const ProgrammingDifference& difference) {
    MarkDifferences(difference);
    if (differencesDlg_ != nullptr) {
        differencesDlg_->close();
        differencesDlg_->deleteLater();
        differencesDlg_ = nullptr;
    }
    if (difference.Empty()) {
        Prompts().Inform(
            this, MessageCaption(),
            FromUtf8(DifferenceSummary(comparison, difference, language_.interfaceLanguage)),
            PromptIcon::kInformation);
        return;
    }
    differencesDlg_ =
        new CDifferencesDlg(comparison, difference, language_.interfaceLanguage, this);
    differencesDlg_->show();
}

void CTolvaneDlg::MarkDifferences(const ProgrammingDifference& difference) {
    ClearDifferenceMarks();
    for (int button : difference.Buttons()) {
        if (CXPButton* key = KeyButton(button)) {
            key->SetDiffers(true);
        }
    }
    const std::array<bool, LayerCount + 1> layers = LayersWithDifferences(difference);
    const QIcon mark = DifferenceMark();
    for (int layer = 1; layer <= LayerCount; ++layer) {
        if (layers[static_cast<std::size_t>(layer)]) {
            layerSelector_->setItemIcon(layer - 1, mark);
        }
    }
}

void CTolvaneDlg::ClearDifferenceMarks() {
    for (int button = 1; button <= ButtonCount; ++button) {
        KeyButton(button)->SetDiffers(false);
    }
    for (int layer = 1; layer <= LayerCount; ++layer) {
        layerSelector_->setItemIcon(layer - 1, QIcon());
    }
}

// ---- Restore Backup ----

void CTolvaneDlg::OnRestoreBackup() {
    const std::vector<BackupEntry> backups = ListBackups(setup_.backupFolder);
    if (backups.empty()) {
        Inform(TextId::kNoBackups);
        return;
    }
    CBackupsDlg dialog(BackupRows(backups, image_.TakeProgramming()), language_.interfaceLanguage,
                       this);
    if (Prompts().RunModal(dialog) != QDialog::Accepted || dialog.Chosen().empty()) {
        return;
    }
    const std::filesystem::path chosen = dialog.Chosen();
    const BackupRead read = ReadProgrammingFrom(chosen);
    const std::string name = DisplayedFileName(chosen);
    if (!read.load.ok()) {
        Prompts().Inform(this, MessageCaption(),
                         FromUtf8(FillIn(language_.Text(TextId::kBackupUnreadable), {name})),
                         PromptIcon::kWarning);
        return;
    }
    image_.RestoreProgramming(read.programming);
    RefreshAllButtons();
    RecordStep(EditStep::kRestoreBackup, {name});
}

}  // namespace tolvane::gui
