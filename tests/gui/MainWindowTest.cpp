// UTF-8 source: the Chinese texts are checked as the user sees them.
#include <QComboBox>
#include <QGroupBox>
#include <QKeyEvent>
#include <QSettings>
#include <fstream>
#include <sstream>

#include "gui/qt/resources/ResourceIds.h"
#include "gui/qt/widgets/CProgressWnd.h"
#include "tests/gui/support/GuiFixture.h"

namespace tolvane::testing {
namespace {

using gui::ids::kConnectionPicture;
using Kind = Prompt::Kind;

std::string FileText(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

class MainWindowTest : public GuiFixture {};

TEST_F(MainWindowTest, StartsOnLayerOneWithEmptyButtonsAndTheConnectionPicture) {
    WriteSetting("Chinese");
    rig.PullOut();
    OpenWindow();
    EXPECT_EQ(window->windowTitle(), "MZR-40");
    EXPECT_EQ(window->AttachedMenu()->objectName(), "id129");
    EXPECT_EQ(PictureShown(kConnectionPicture), gui::ids::kChineseNotFoundPicture);
    EXPECT_EQ(Find<QComboBox>(gui::ids::kLayerSelector)->currentText(), "Layer1");
    EXPECT_EQ(Find<QGroupBox>(gui::ids::kLayerGroup)->title(), "选择层");
    EXPECT_NE(Find<QWidget>(gui::ids::kChineseToolbar), nullptr);
    for (int button = 1; button <= ButtonCount; ++button) {
        EXPECT_TRUE(CaptionOf(button).isEmpty()) << button;
    }
    EXPECT_EQ(image->selection.currentLayer, 1);
    for (const QWidget* control : window->findChildren<QWidget*>()) {
        if (control->objectName().startsWith("id")) {
            EXPECT_FALSE(control->accessibleName().isEmpty())
                << control->objectName().toStdString();
        }
    }

    rig.PlugIn();
    WriteSetting("English");
    OpenWindow();
    EXPECT_EQ(window->AttachedMenu()->objectName(), "id138");
    EXPECT_EQ(PictureShown(kConnectionPicture), gui::ids::kEnglishFoundPicture);
    EXPECT_EQ(image->status.keyboardConnected.load(), 1);
}

// What each command number visibly does, started in Chinese without a keyboard.
TEST_F(MainWindowTest, EveryCommandNumberReachesItsHandler) {
    using namespace gui::ids;
    const QString notConnected = "请链接键盘进入编程状态";
    struct Case {
        std::vector<int> ids;
        Kind prompt;
        QString text;  // message, dialog object name or file dialog start
    };
    const std::vector<Case> cases = {
        {{kCnRead, kEnRead, kCnToolRead, kEnToolRead}, Kind::kInform, notConnected},
        {{kCnWrite, kEnWrite, kCnToolWrite, kEnToolWrite}, Kind::kInform, notConnected},
        {{kCnClearAll, kEnClearAll}, Kind::kAsk, "是否确认删除？"},
        {{kCnOpen, kEnOpen, kCnToolOpen}, Kind::kOpenFile, " "},
        {{kCnSave, kCnSaveAs, kEnSave, kEnSaveAs, kCnToolSave}, Kind::kSaveFile, "UserSave"},
        {{kCnAbout, kEnAbout, kSystemAbout}, Kind::kDialog, "id100"},
        {{kCnCardReaderSettings, kEnCardReaderSettings, kCnToolCard, kEnToolCard},
         Kind::kDialog,
         "id143"},
        {{kCnKeyboardSettings, kEnKeyboardSettings}, Kind::kDialog, "id142"},
        {{kCnUserManual, kEnUserManual, kCnToolHelp, kEnToolHelp},
         Kind::kDocument,
         QString::fromStdString((folder / "MZR-40 User Manual.pdf").string())},
    };
    WriteSetting("Chinese");
    rig.PullOut();
    std::ofstream(folder / "MZR-40 User Manual.pdf") << "%PDF-1.4";
    OpenWindow();
    for (const Case& expected : cases) {
        for (const int id : expected.ids) {
            prompter.prompts.clear();
            window->OnCommand(id);
            ASSERT_EQ(prompter.prompts.size(), 1u) << id;
            EXPECT_EQ(prompter.prompts[0].kind, expected.prompt) << id;
            EXPECT_EQ(prompter.prompts[0].text, expected.text) << id;
        }
    }

    // New clears at once; the Chinese menu's own language item does nothing.
    image->StoreKeyRecord(1, 1, std::vector<KeyCode>{0x04});
    prompter.prompts.clear();
    for (const int id : {kCnToolNew, kEnToolNew, kCnChinese, kEnEnglish, 12345}) {
        window->OnCommand(id);
    }
    EXPECT_TRUE(prompter.prompts.empty());
    EXPECT_EQ(image->buttons[1].keyCount[1], 0);
    EXPECT_EQ(window->AttachedMenu()->objectName(), "id129");

    for (const int id : {kCnQuit, kEnQuit, kCnToolQuit, kEnToolQuit}) {
        window->show();
        window->OnCommand(id);
        EXPECT_FALSE(window->isVisible()) << id;
        EXPECT_EQ(window->result(), QDialog::Rejected) << id;
    }
}

TEST_F(MainWindowTest, EnterEscapeAndShortcutLabelsDoNothing) {
    OpenWindow();
    for (const auto& [key, modifiers] :
         {std::pair{Qt::Key_Return, Qt::NoModifier}, std::pair{Qt::Key_Enter, Qt::NoModifier},
          std::pair{Qt::Key_Escape, Qt::NoModifier}, std::pair{Qt::Key_O, Qt::ControlModifier},
          std::pair{Qt::Key_S, Qt::ControlModifier}, std::pair{Qt::Key_A, Qt::ControlModifier}}) {
        QTest::keyClick(window.get(), key, modifiers);
        QTest::keyClick(window->KeyButton(1), key, modifiers);
    }
    QApplication::processEvents();
    EXPECT_TRUE(window->isVisible());
    EXPECT_TRUE(prompter.prompts.empty());
}

TEST_F(MainWindowTest, FullWriteEndsWithItsMessageWhileTheProgressShowsAllOfIt) {
    WriteSetting("English");
    OpenWindow();
    image->StoreKeyRecord(7, 2, std::vector<KeyCode>{0x04, 0x05});
    QString titleAtOutcome;
    bool mainEnabledAtOutcome = true;
    prompter.onPrompt = [&](const Prompt&) {
        if (const auto* progress = window->RunningTransfer()->ProgressWindow()) {
            titleAtOutcome = progress->windowTitle();
        }
        mainEnabledAtOutcome = window->isEnabled();
    };
    window->OnCommand(gui::ids::kEnWrite);
    EXPECT_FALSE(window->isEnabled());
    ASSERT_TRUE(WaitUntil([&] { return window->RunningTransfer() == nullptr; }, 20000));
    ASSERT_EQ(prompter.prompts.size(), 1u);
    EXPECT_EQ(prompter.prompts[0].text, "Keyboard data is successfully written!!");
    EXPECT_EQ(titleAtOutcome, "Data is being transmitted... [100%]");
    EXPECT_FALSE(mainEnabledAtOutcome);
    EXPECT_TRUE(window->isEnabled());
    EXPECT_EQ(rig.Keyboard().GetProgramming().keys[7][2], (std::vector<std::uint8_t>{4, 5}));
}

TEST_F(MainWindowTest, SilentKeyboardFailsTheReadAndClearsOnlyTheKeys) {
    WriteSetting("English");
    OpenWindow();
    image->StoreKeyRecord(3, 1, std::vector<KeyCode>{0x04});
    image->tracks[1].enabled = 0;
    image->options.keyClick = 1;
    window->KeyButton(3)->setText("A");
    emulator::Faults silent;
    silent.silent = true;
    rig.Keyboard().SetFaults(silent);

    window->OnCommand(gui::ids::kEnToolRead);
    ASSERT_TRUE(WaitUntil([&] { return window->RunningTransfer() == nullptr; }));
    ASSERT_EQ(prompter.prompts.size(), 1u);
    EXPECT_EQ(prompter.prompts[0].text, "Data transmission failure!!");
    EXPECT_EQ(image->buttons[3].keyCount[1], 0);
    EXPECT_TRUE(CaptionOf(3).isEmpty());
    EXPECT_EQ(image->tracks[1].enabled, 0);
    EXPECT_EQ(image->options.keyClick, 1);
    EXPECT_TRUE(window->isEnabled());
}

TEST_F(MainWindowTest, EscapeClosesTheProgressWindowButNotTheTransfer) {
    WriteSetting("Chinese");
    OpenWindow();
    bool disabledAtOutcome = false;
    prompter.onPrompt = [&](const Prompt&) { disabledAtOutcome = !window->isEnabled(); };
    window->OnCommand(gui::ids::kCnWrite);
    auto* progress = window->RunningTransfer()->ProgressWindow();
    ASSERT_NE(progress, nullptr);
    ASSERT_TRUE(WaitUntil([&] { return progress->Position() > 10; }));
    QTest::keyClick(progress, Qt::Key_Escape);
    EXPECT_FALSE(progress->isVisible());
    EXPECT_FALSE(window->isEnabled());
    const int positionAtEscape = image->status.reportCount.load();
    ASSERT_TRUE(WaitUntil([&] { return window->RunningTransfer() == nullptr; }, 20000));
    EXPECT_GT(rig.Keyboard().ReportsReceived(), static_cast<std::size_t>(positionAtEscape));
    ASSERT_EQ(prompter.prompts.size(), 1u);
    EXPECT_EQ(prompter.prompts[0].text, "键盘数据写入成功！");
    EXPECT_TRUE(disabledAtOutcome);
    EXPECT_TRUE(window->isEnabled());
}

TEST_F(MainWindowTest, PluggingAndPullingChangeThePictureInTheCurrentLanguage) {
    WriteSetting("English");
    rig.PullOut();
    OpenWindow();
    EXPECT_EQ(PictureShown(kConnectionPicture), gui::ids::kEnglishNotFoundPicture);
    window->OnCommand(gui::ids::kVirtualPlugIn);
    ASSERT_TRUE(WaitUntil(
        [&] { return PictureShown(kConnectionPicture) == gui::ids::kEnglishFoundPicture; }));
    EXPECT_EQ(image->status.keyboardConnected.load(), 1);

    window->OnCommand(gui::ids::kEnChinese);
    EXPECT_EQ(PictureShown(kConnectionPicture), gui::ids::kChineseFoundPicture);
    window->OnCommand(gui::ids::kVirtualPullOut);
    ASSERT_TRUE(WaitUntil(
        [&] { return PictureShown(kConnectionPicture) == gui::ids::kChineseNotFoundPicture; }));
    EXPECT_EQ(image->status.keyboardConnected.load(), 0);
    window->OnCommand(gui::ids::kCnRead);
    ASSERT_EQ(prompter.prompts.size(), 1u);
    EXPECT_EQ(prompter.prompts[0].text, "请链接键盘进入编程状态");
}

TEST_F(MainWindowTest, LanguageSwitchIsKeptForTheNextStart) {
    WriteSetting("Chinese");
    rig.PullOut();
    OpenWindow();
    window->OnCommand(gui::ids::kCnEnglish);
    EXPECT_EQ(window->AttachedMenu()->objectName(), "id138");
    EXPECT_EQ(Find<QGroupBox>(gui::ids::kLayerGroup)->title(), "Layer Selecting");
    EXPECT_NE(Find<QWidget>(gui::ids::kEnglishToolbar), nullptr);
    EXPECT_EQ(PictureShown(kConnectionPicture), gui::ids::kEnglishNotFoundPicture);
    EXPECT_EQ(FileText(folder / "sysInfo.ini"), "English");
    EXPECT_TRUE(prompter.prompts.empty());

    language = LanguageState{};
    OpenWindow();
    EXPECT_EQ(window->AttachedMenu()->objectName(), "id138");
    window->OnCommand(gui::ids::kCnRead);  // the other menu's numbers still work
    ASSERT_EQ(prompter.prompts.size(), 1u);
    EXPECT_EQ(prompter.prompts[0].text, "Please connecting the keyboard");
}

TEST_F(MainWindowTest, ProgressWindowOpensWhereItWasLeftWhenThatIsOnScreen) {
    OpenWindow();
    window->move(100, 100);
    QSettings().remove("Settings");
    const auto centre = [&](const QWidget& w) { return w.frameGeometry().center(); };
    {
        gui::CProgressWnd progress("t", window.get());
        EXPECT_LE((centre(progress) - centre(*window)).manhattanLength(), 3);
        progress.move(40, 30);
    }
    {
        gui::CProgressWnd progress("t", window.get());
        EXPECT_EQ(progress.pos(), QPoint(40, 30));
        progress.SetRange(0, 504);
        EXPECT_EQ(progress.SetPos(252), 0);
        EXPECT_EQ(progress.windowTitle(), "t [50%]");
    }
    QSettings settings;
    settings.setValue("Settings/X", 100000);
    settings.setValue("Settings/Y", 5);
    settings.sync();
    gui::CProgressWnd offScreen("t", window.get());
    EXPECT_LE((centre(offScreen) - centre(*window)).manhattanLength(), 3);
}

TEST_F(MainWindowTest, KeyboardClosedToTheUserIsExplainedOncePerStart) {
    emulator::Faults denied;
    denied.denyAccess = true;
    rig.Keyboard().SetFaults(denied);
    WriteSetting("English");
    OpenWindow();
    ASSERT_TRUE(WaitUntil([&] { return !prompter.prompts.empty(); }));
    EXPECT_EQ(PictureShown(kConnectionPicture), gui::ids::kEnglishNotFoundPicture);
    EXPECT_TRUE(prompter.prompts[0].text.contains("udev"));
    window->OnCommand(gui::ids::kVirtualPullOut);
    window->OnCommand(gui::ids::kVirtualPlugIn);
    // The notices are queued on this thread, and the advice after them.
    QApplication::processEvents();
    QApplication::processEvents();
    EXPECT_EQ(prompter.prompts.size(), 1u);
}

}  // namespace
}  // namespace tolvane::testing
