// UTF-8 source: the Chinese texts are checked as the user sees them.
#include <QComboBox>
#include <QGroupBox>
#include <QKeyEvent>
#include <QSettings>
#include <fstream>
#include <sstream>
#include <variant>

#include "gui/model/ResourceIds.h"
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

// What each menu item and toolbar button visibly does, pressed in each language without a
// keyboard.
TEST_F(MainWindowTest, EveryMenuItemAndToolButtonReachesItsHandler) {
    using namespace gui::ids;
    struct Case {
        std::vector<int> chinese;  // the Chinese menu's items and toolbar's buttons
        std::vector<int> english;
        Kind prompt;
        QString chineseText;  // message, dialog object name or file dialog start
        QString englishText;
    };
    const QString manual = QString::fromStdString((folder / "MZR-40 User Manual.pdf").string());
    const std::vector<Case> cases = {
        {{kCnRead, kCnToolRead},
         {kEnRead, kEnToolRead},
         Kind::kInform,
         "请链接键盘进入编程状态",
         "Please connecting the keyboard"},
        {{kCnWrite, kCnToolWrite},
         {kEnWrite, kEnToolWrite},
         Kind::kInform,
         "请链接键盘进入编程状态",
         "Please connecting the keyboard"},
        {{kCnClearAll}, {kEnClearAll}, Kind::kAsk, "是否确认删除？", "To confirm the deletion!"},
        {{kCnOpen, kCnToolOpen}, {kEnOpen}, Kind::kOpenFile, " ", " "},
        {{kCnSave, kCnSaveAs, kCnToolSave},
         {kEnSave, kEnSaveAs},
         Kind::kSaveFile,
         "UserSave",
         "UserSave"},
        {{kCnAbout}, {kEnAbout}, Kind::kDialog, "id100", "id100"},
        {{kCnCardReaderSettings, kCnToolCard},
         {kEnCardReaderSettings, kEnToolCard},
         Kind::kDialog,
         "id143",
         "id143"},
        {{kCnKeyboardSettings}, {kEnKeyboardSettings}, Kind::kDialog, "id142", "id142"},
        {{kCnUserManual, kCnToolHelp},
         {kEnUserManual, kEnToolHelp},
         Kind::kDocument,
         manual,
         manual},
    };
    rig.PullOut();
    std::ofstream(folder / "MZR-40 User Manual.pdf") << "%PDF-1.4";
    const auto expectPrompt = [&](const auto& press, int id, Kind kind, const QString& text) {
        prompter.prompts.clear();
        press(id);
        ASSERT_EQ(prompter.prompts.size(), 1u) << id;
        EXPECT_EQ(prompter.prompts[0].kind, kind) << id;
        EXPECT_EQ(prompter.prompts[0].text, text) << id;
    };
    const auto trigger = [&](int id) { TriggerAction(id); };
    for (const bool english : {false, true}) {
        WriteSetting(english ? "English" : "Chinese");
        language = LanguageState{};
        OpenWindow();
        for (const Case& c : cases) {
            for (const int id : english ? c.english : c.chinese) {
                expectPrompt(trigger, id, c.prompt, english ? c.englishText : c.chineseText);
            }
        }
        // New clears without a question of its own, only the one about the unsaved change;
        // the menu's own language item does nothing.
        image->StoreKeyRecord(1, 1, std::vector<KeyCode>{0x04});
        prompter.prompts.clear();
        prompter.unsavedAnswers = {gui::UnsavedChangesAnswer::kDiscard};
        TriggerAction(english ? kEnToolNew : kCnToolNew);
        TriggerAction(english ? kEnEnglish : kCnChinese);
        ASSERT_EQ(prompter.prompts.size(), 1u);
        EXPECT_EQ(prompter.prompts[0].kind, Kind::kSaveDiscardCancel);
        EXPECT_EQ(image->buttons[1].keyCount[1], 0);
        EXPECT_EQ(window->AttachedMenu()->objectName(), english ? "id138" : "id129");

        for (const int id :
             english ? std::vector{kEnQuit, kEnToolQuit} : std::vector{kCnQuit, kCnToolQuit}) {
            window->show();
            TriggerAction(id);
            EXPECT_FALSE(window->isVisible()) << id;
            EXPECT_EQ(window->result(), QDialog::Rejected) << id;
        }
    }
    // The English toolbar's open and save buttons carry their menu items' numbers.
    window->show();
    const auto click = [&](int id) { ClickToolButton(id); };
    expectPrompt(click, kEnOpen, Kind::kOpenFile, " ");
    expectPrompt(click, kEnSave, Kind::kSaveFile, "UserSave");

    // Numbers without a control here: the system menu's About, the other menu's items and
    // numbers nobody carries.
    expectPrompt([&](int id) { window->OnCommand(id); }, kSystemAbout, Kind::kDialog, "id100");
    expectPrompt([&](int id) { window->OnCommand(id); }, kCnRead, Kind::kInform,
                 "Please connecting the keyboard");
    prompter.prompts.clear();
    window->OnCommand(12345);
    EXPECT_TRUE(prompter.prompts.empty());
}

// Enter and Escape are swallowed. The shortcuts the menus show after a tab work, in both
// languages, whether the menu of the language shows them or not.
TEST_F(MainWindowTest, EnterAndEscapeDoNothingWhileTheMenusShortcutsWork) {
    constexpr auto kCtrl = Qt::ControlModifier;
    constexpr auto kCtrlAlt = Qt::ControlModifier | Qt::AltModifier;
    struct Case {
        Qt::Key key;
        Qt::KeyboardModifiers modifiers;
        Kind prompt;
        std::variant<TextId, QString> shown;  // a message, or a dialog's or file's name
    };
    const std::vector<Case> cases = {
        {Qt::Key_O, kCtrl, Kind::kOpenFile, " "},
        {Qt::Key_S, kCtrl, Kind::kSaveFile, "UserSave"},
        {Qt::Key_S, kCtrlAlt, Kind::kSaveFile, "UserSave"},
        {Qt::Key_R, kCtrlAlt, Kind::kInform, TextId::kPleaseConnectKeyboard},
        {Qt::Key_W, kCtrlAlt, Kind::kInform, TextId::kPleaseConnectKeyboard},
        {Qt::Key_K, kCtrlAlt, Kind::kDialog, "id143"},
        {Qt::Key_V, kCtrlAlt, Kind::kDialog, "id142"},
        {Qt::Key_C, kCtrlAlt, Kind::kAsk, TextId::kConfirmDeletion},
        {Qt::Key_A, kCtrl, Kind::kDialog, "id100"},
    };
    rig.PullOut();
    for (const char* setting : {"Chinese", "English"}) {
        WriteSetting(setting);
        language = LanguageState{};
        OpenWindow();
        prompter.prompts.clear();
        for (const Qt::Key key : {Qt::Key_Return, Qt::Key_Enter, Qt::Key_Escape}) {
            QTest::keyClick(window.get(), key);
            QTest::keyClick(window->KeyButton(1), key);
        }
        EXPECT_TRUE(window->isVisible());
        EXPECT_TRUE(prompter.prompts.empty());
        for (const Case& c : cases) {
            prompter.prompts.clear();
            QTest::keyClick(window.get(), c.key, c.modifiers);
            ASSERT_EQ(prompter.prompts.size(), 1u) << setting << " " << c.key;
            EXPECT_EQ(prompter.prompts[0].kind, c.prompt) << c.key;
            const QString shown = std::holds_alternative<QString>(c.shown)
                                      ? std::get<QString>(c.shown)
                                      : gui::FromUtf8(language.Text(std::get<TextId>(c.shown)));
            EXPECT_EQ(prompter.prompts[0].text, shown) << c.key;
        }
        QTest::keyClick(window->KeyButton(1), Qt::Key_Q, kCtrl);
        EXPECT_FALSE(window->isVisible()) << setting;
    }
}

TEST_F(MainWindowTest, FullWriteEndsWithItsMessageWhileTheProgressShowsAllOfIt) {
    WriteSetting("English");
    OpenWindow();
    image->StoreKeyRecord(7, 2, std::vector<KeyCode>{0x04, 0x05});
    QString titleAtOutcome;
    bool mainEnabledAtOutcome = true;
    prompter.onPrompt = [&](const Prompt&) {
        if (prompter.prompts.size() == 1) {  // the write's own message, before the verify
            titleAtOutcome = window->RunningTransfer()->ProgressWindow()->windowTitle();
            mainEnabledAtOutcome = window->isEnabled();
        }
    };
    TriggerAction(gui::ids::kEnWrite);
    EXPECT_FALSE(window->isEnabled());
    ASSERT_TRUE(WaitUntil([&] { return window->RunningTransfer() == nullptr; }, 20000));
    ASSERT_EQ(prompter.prompts.size(), 2u);
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

    prompter.unsavedAnswers = {gui::UnsavedChangesAnswer::kDiscard};
    TriggerAction(gui::ids::kEnToolRead);
    ASSERT_TRUE(WaitUntil([&] { return window->RunningTransfer() == nullptr; }));
    ASSERT_EQ(prompter.prompts.size(), 2u);
    EXPECT_EQ(prompter.prompts[0].kind, Kind::kSaveDiscardCancel);
    EXPECT_EQ(prompter.prompts[1].text, "Data transmission failure!!");
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
    prompter.onPrompt = [&](const Prompt&) {
        if (prompter.prompts.size() == 1) {
            disabledAtOutcome = !window->isEnabled();
        }
    };
    TriggerAction(gui::ids::kCnWrite);
    // The write itself, after the backup's read.
    const auto writing = [&] {
        const auto* transfer = window->RunningTransfer();
        return transfer != nullptr && transfer->ProgressWindow() != nullptr &&
               transfer->ProgressWindow()->windowTitle().startsWith("正在传送");
    };
    ASSERT_TRUE(WaitUntil(writing));
    auto* progress = window->RunningTransfer()->ProgressWindow();
    ASSERT_TRUE(WaitUntil([&] { return progress->Position() > 10; }));
    QTest::keyClick(progress, Qt::Key_Escape);
    EXPECT_FALSE(progress->isVisible());
    EXPECT_FALSE(window->isEnabled());
    const int positionAtEscape = image->status.reportCount.load();
    ASSERT_TRUE(WaitUntil([&] { return window->RunningTransfer() == nullptr; }, 20000));
    EXPECT_GT(rig.Keyboard().ReportsReceived(), static_cast<std::size_t>(positionAtEscape));
    ASSERT_EQ(prompter.prompts.size(), 2u);
    EXPECT_EQ(prompter.prompts[0].text, "键盘数据写入成功！");
    EXPECT_EQ(prompter.prompts[1].text, "已校验：键盘中的数据与写入的一致");
    EXPECT_TRUE(disabledAtOutcome);
    EXPECT_TRUE(window->isEnabled());
}

TEST_F(MainWindowTest, PluggingAndPullingChangeThePictureInTheCurrentLanguage) {
    WriteSetting("English");
    rig.PullOut();
    OpenWindow();
    EXPECT_EQ(PictureShown(kConnectionPicture), gui::ids::kEnglishNotFoundPicture);
    TriggerAction(gui::ids::kVirtualPlugIn);
    ASSERT_TRUE(WaitUntil(
        [&] { return PictureShown(kConnectionPicture) == gui::ids::kEnglishFoundPicture; }));
    EXPECT_EQ(image->status.keyboardConnected.load(), 1);

    TriggerAction(gui::ids::kEnChinese);
    EXPECT_EQ(PictureShown(kConnectionPicture), gui::ids::kChineseFoundPicture);
    TriggerAction(gui::ids::kVirtualPullOut);
    ASSERT_TRUE(WaitUntil(
        [&] { return PictureShown(kConnectionPicture) == gui::ids::kChineseNotFoundPicture; }));
    EXPECT_EQ(image->status.keyboardConnected.load(), 0);
    TriggerAction(gui::ids::kCnRead);
    ASSERT_EQ(prompter.prompts.size(), 1u);
    EXPECT_EQ(prompter.prompts[0].text, "请链接键盘进入编程状态");
}

TEST_F(MainWindowTest, LanguageSwitchIsKeptForTheNextStart) {
    WriteSetting("Chinese");
    rig.PullOut();
    OpenWindow();
    TriggerAction(gui::ids::kCnEnglish);
    EXPECT_EQ(window->AttachedMenu()->objectName(), "id138");
    EXPECT_EQ(Find<QGroupBox>(gui::ids::kLayerGroup)->title(), "Layer Selecting");
    EXPECT_NE(Find<QWidget>(gui::ids::kEnglishToolbar), nullptr);
    EXPECT_EQ(PictureShown(kConnectionPicture), gui::ids::kEnglishNotFoundPicture);
    EXPECT_EQ(FileText(folder / "sysInfo.ini"), "English");
    EXPECT_TRUE(prompter.prompts.empty());

    language = LanguageState{};
    OpenWindow();
    EXPECT_EQ(window->AttachedMenu()->objectName(), "id138");
    TriggerAction(gui::ids::kEnRead);
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
    TriggerAction(gui::ids::kVirtualPullOut);
    TriggerAction(gui::ids::kVirtualPlugIn);
    // The notices are queued on this thread, and the advice after them.
    QApplication::processEvents();
    QApplication::processEvents();
    EXPECT_EQ(prompter.prompts.size(), 1u);
}

}  // namespace
}  // namespace tolvane::testing
