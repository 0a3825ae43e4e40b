// The safety around a write from the window, on the virtual keyboard: the backup before it,
// the verify after it, what a failed write left, Restore Backup and the comparisons.
#include <QComboBox>
#include <QMenuBar>
#include <QTableWidget>

#include "gui/model/ResourceIds.h"
#include "gui/qt/app/CSafetyDlgs.h"
#include "gui/qt/widgets/CProgressWnd.h"
#include "tests/gui/support/GuiFixture.h"
#include "tolvane/files/Backups.h"
#include "tolvane/files/DataFileWriter.h"

namespace tolvane::testing {
namespace {

using Kind = Prompt::Kind;
using Codes = std::vector<std::uint8_t>;
namespace ids = gui::ids;

// Reports the backup read moves: the request, 506 records and the end reply, 506 acknowledges.
constexpr int kBackupReadReports = 1 + 506 + 1 + 506;

class WriteSafetyTest : public GuiFixture {
  protected:
    void SetUp() override {
        WriteSetting("English");
        emulator::Programming held;
        held.keys[3][1] = {0x04};
        rig.Keyboard().SetProgramming(held);
        OpenWindow();
        image->StoreKeyRecord(7, 2, std::vector<KeyCode>{0x04, 0x05});
    }

    bool Idle() const { return window->RunningTransfer() == nullptr; }
    // Waits until the window is idle with this many prompts shown.
    bool WaitForPrompts(std::size_t count) {
        return WaitUntil([&] { return Idle() && prompter.prompts.size() >= count; }, 30000);
    }
    gui::CDifferencesDlg* DifferenceList() const {
        return window->findChild<gui::CDifferencesDlg*>(
            gui::ObjectNameFor(ids::kDifferencesDialog));
    }
    QComboBox& LayerSelector() const { return *Find<QComboBox>(ids::kLayerSelector); }
    std::vector<BackupEntry> Backups() const { return ListBackups(folder / "backups"); }
};

TEST_F(WriteSafetyTest, WriteIsBackedUpAndVerifiedAndTheBackupRestoresWhatTheKeyboardHeld) {
    TriggerAction(ids::kEnWrite);
    ASSERT_TRUE(WaitForPrompts(2));
    ASSERT_EQ(prompter.prompts.size(), 2u);
    EXPECT_EQ(prompter.prompts[0].text, "Keyboard data is successfully written!!");
    EXPECT_EQ(prompter.prompts[1].text, "Verified: the keyboard holds what was written");
    EXPECT_EQ(rig.Keyboard().GetProgramming().keys[7][2], (Codes{4, 5}));

    const std::vector<BackupEntry> backups = Backups();
    ASSERT_EQ(backups.size(), 1u);
    EXPECT_EQ(backups[0].serialNumber, rig.Keyboard().SerialNumber());
    const BackupRead held = ReadProgrammingFrom(backups[0].path);
    ASSERT_TRUE(held.load.ok());
    EXPECT_EQ(held.programming.Button(3).Layer(1).Codes().size(), 1u);
    EXPECT_EQ(held.programming.Button(7).Layer(2).keyCount, 0);

    prompter.onDialog = [](QDialog& dialog) {
        auto& list = static_cast<gui::CBackupsDlg&>(dialog).List();
        EXPECT_EQ(list.rowCount(), 1);
        EXPECT_EQ(list.item(0, 2)->text(), "2");  // buttons 3 and 7 differ from the window
        return static_cast<int>(QDialog::Accepted);
    };
    TriggerAction(ids::kRestoreBackup);
    EXPECT_EQ(image->buttons[3].keyCount[1], 1);
    EXPECT_EQ(image->buttons[7].keyCount[2], 0);
    EXPECT_EQ(window->windowTitle().right(1), "*");  // not what the keyboard holds now
    TriggerAction(ids::kUndo);                       // one step
    EXPECT_EQ(image->buttons[3].keyCount[1], 0);
}

TEST_F(WriteSafetyTest, VerifyListsTheOneKeyTheFirmwareChangedAndFramesItsButton) {
    emulator::Faults faults;
    faults.changeStoredKey = std::pair{12, 3};
    rig.Keyboard().SetFaults(faults);
    image->StoreKeyRecord(12, 3, std::vector<KeyCode>{0x04});
    TriggerAction(ids::kEnWrite);
    ASSERT_TRUE(WaitUntil([&] { return Idle() && DifferenceList() != nullptr; }, 30000));
    const QTableWidget& list = DifferenceList()->List();
    ASSERT_EQ(list.rowCount(), 1);
    EXPECT_EQ(list.item(0, 0)->text(), "Button 12 Layer3");
    EXPECT_EQ(list.item(0, 1)->text(), "F3");  // key codes 4 and 5
    EXPECT_EQ(list.item(0, 2)->text(), "F4");
    for (int button = 1; button <= ButtonCount; ++button) {
        EXPECT_EQ(window->KeyButton(button)->Differs(), button == 12) << button;
    }
    for (int layer = 1; layer <= LayerCount; ++layer) {
        EXPECT_EQ(LayerSelector().itemIcon(layer - 1).isNull(), layer != 3) << layer;
    }
    TriggerAction(ids::kClearDifferenceMarks);
    EXPECT_FALSE(window->KeyButton(12)->Differs());
    EXPECT_TRUE(LayerSelector().itemIcon(2).isNull());
}

TEST_F(WriteSafetyTest, BackupThatCannotBeSavedStopsTheWriteUnlessTheUserWritesWithoutOne) {
    std::ofstream(folder / "backups") << "a file where the folder should be";
    prompter.choices = {1};  // Cancel
    TriggerAction(ids::kEnWrite);
    ASSERT_TRUE(WaitForPrompts(1));
    ASSERT_EQ(prompter.prompts.size(), 1u);
    EXPECT_EQ(prompter.prompts[0].kind, Kind::kChoose);
    EXPECT_TRUE(prompter.prompts[0].text.contains("the keyboard is untouched"));
    EXPECT_EQ(prompter.choiceButtons, (QStringList{"Write without Backup", "Cancel"}));
    EXPECT_TRUE(rig.Keyboard().GetProgramming().keys[7][2].empty());

    prompter.choices = {0};
    TriggerAction(ids::kEnWrite);
    ASSERT_TRUE(WaitForPrompts(4));
    EXPECT_EQ(prompter.prompts[2].text, "Keyboard data is successfully written!!");
    EXPECT_EQ(rig.Keyboard().GetProgramming().keys[7][2], (Codes{4, 5}));
}

TEST_F(WriteSafetyTest, PullOutDuringTheWriteSaysHowFarItGotAndNamesTheBackup) {
    emulator::Faults faults;
    faults.unplugAfterReports = kBackupReadReports + 1 + 57;  // begin write, 57 key records
    rig.Keyboard().SetFaults(faults);
    prompter.choices = {0};  // Retry, with the keyboard still out
    TriggerAction(ids::kEnWrite);
    ASSERT_TRUE(WaitForPrompts(3));
    ASSERT_EQ(prompter.prompts.size(), 3u);
    EXPECT_EQ(prompter.prompts[0].text, "Data transmission failure!!");
    const QString partial = prompter.prompts[1].text;
    EXPECT_TRUE(
        partial.startsWith("The keyboard was pulled out at 11 %: it now holds a partial "
                           "programming. Plug it in and write again."))
        << partial.toStdString();
    ASSERT_EQ(Backups().size(), 1u);
    EXPECT_TRUE(partial.contains(QString::fromStdString(PathText(Backups()[0].path))));
    EXPECT_EQ(prompter.choiceButtons, (QStringList{"Retry", "Cancel"}));
    EXPECT_EQ(prompter.prompts[2].text, "Please connecting the keyboard");
}

TEST_F(WriteSafetyTest, VirtualKeyboardCanBePulledOutFromTheProgressWindowDuringTheWrite) {
    TriggerAction(ids::kEnWrite);
    const auto writing = [&] {
        const auto* transfer = window->RunningTransfer();
        return transfer != nullptr && transfer->ProgressWindow() != nullptr &&
               transfer->ProgressWindow()->windowTitle().startsWith("Data is being") &&
               transfer->ProgressWindow()->Position() > 20;
    };
    ASSERT_TRUE(WaitUntil(writing, 30000));
    EXPECT_FALSE(window->isEnabled());
    QMenuBar* menu = window->RunningTransfer()->ProgressWindow()->MenuBar();
    ASSERT_NE(menu, nullptr);
    EXPECT_TRUE(menu->isEnabled() && menu->isVisible());
    QAction* pullOut = menu->findChild<QAction*>(gui::ObjectNameFor(ids::kVirtualPullOut));
    ASSERT_TRUE(pullOut != nullptr && pullOut->isEnabled());
    pullOut->trigger();
    ASSERT_TRUE(WaitForPrompts(2));
    EXPECT_EQ(prompter.prompts[0].text, "Data transmission failure!!");
    EXPECT_TRUE(prompter.prompts[1].text.startsWith("The keyboard was pulled out at "))
        << prompter.prompts[1].text.toStdString();
    EXPECT_FALSE(rig.PluggedIn());
}

TEST_F(WriteSafetyTest, CompareWithFileAndWithKeyboardListAndMarkEveryLayer) {
    const auto other = std::make_unique<KeyboardImage>();
    other->StoreKeyRecord(7, 2, std::vector<KeyCode>{0x04, 0x05});
    other->StoreKeyRecord(5, 6, std::vector<KeyCode>{0x06});
    ASSERT_TRUE(SaveDataFile(*other, folder / "other.dat", "other.dat", LocalTimeNow()));
    prompter.fileNames = {QString::fromStdString((folder / "other.dat").string())};
    TriggerAction(ids::kCompareWithFile);
    ASSERT_NE(DifferenceList(), nullptr);
    ASSERT_EQ(DifferenceList()->List().rowCount(), 1);
    EXPECT_EQ(DifferenceList()->List().item(0, 0)->text(), "Button 5 Layer6");
    EXPECT_EQ(DifferenceList()->List().item(0, 1)->text(), "(empty)");
    EXPECT_FALSE(LayerSelector().itemIcon(5).isNull());

    prompter.prompts.clear();
    TriggerAction(ids::kCompareWithKeyboard);
    ASSERT_TRUE(WaitUntil([&] { return Idle() && !window->KeyButton(5)->Differs(); }, 30000));
    const QTableWidget& list = DifferenceList()->List();
    ASSERT_EQ(list.rowCount(), 2);
    EXPECT_EQ(list.item(0, 0)->text(), "Button 3 Layer1");
    EXPECT_EQ(list.item(1, 0)->text(), "Button 7 Layer2");
    EXPECT_TRUE(window->KeyButton(3)->Differs());
    EXPECT_TRUE(LayerSelector().itemIcon(5).isNull());
    EXPECT_TRUE(prompter.prompts.empty());  // a comparison says nothing of its read
}

TEST_F(WriteSafetyTest, VerifyCanBeSwitchedOffAndStaysOffForTheNextStart) {
    TriggerAction(ids::kVerifyAfterWrite);
    OpenWindow();
    QAction* item =
        window->AttachedMenu()->findChild<QAction*>(gui::ObjectNameFor(ids::kVerifyAfterWrite));
    ASSERT_NE(item, nullptr);
    EXPECT_FALSE(item->isChecked());
    TriggerAction(ids::kEnWrite);
    ASSERT_TRUE(WaitForPrompts(1));
    EXPECT_EQ(prompter.prompts.size(), 1u);
    TriggerAction(ids::kVerifyAfterWrite);  // on again for the other tests
    EXPECT_TRUE(item->isChecked());
}

}  // namespace
}  // namespace tolvane::testing
