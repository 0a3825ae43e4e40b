// UTF-8 source: the Chinese texts are checked as the user sees them.
// Undo and redo, the title and its modified marker, the question before unsaved changes are
// lost, copy and paste, and drags, all through the window's real controls.
#include <QComboBox>
#include <QLabel>
#include <QTextEdit>

#include "gui/model/ResourceIds.h"
#include "tests/gui/support/GuiFixture.h"
#include "tolvane/files/DataFileWriter.h"
#include "tolvane/image/KeyboardProgramming.h"

namespace tolvane::testing {
namespace {

namespace ids = gui::ids;
using Answer = gui::UnsavedChangesAnswer;
using Kind = Prompt::Kind;

constexpr KeyCode kA = 43, kB = 60, kC = 58;

class EditTest : public GuiFixture {
  protected:
    void SetUp() override {
        WriteSetting("English");
        OpenWindow();
        // The layout the window starts from: opened from a file, so nothing is unsaved.
        auto layout = std::make_unique<KeyboardImage>();
        layout->StoreKeyRecord(5, 1, std::vector<KeyCode>{kA});
        layout->StoreKeyRecord(5, 2, std::vector<KeyCode>{kB});
        layout->StoreKeyRecord(13, 1, std::vector<KeyCode>{kC});
        layout->StoreKeyRecord(20, 1, std::vector<KeyCode>{kA, kB});
        ASSERT_TRUE(SaveDataFile(*layout, layoutFile, "layout.dat", std::tm{}));
        window->OpenDataFile(QString::fromStdString(layoutFile.string()));
        prompter.prompts.clear();
    }

    // On the heap: a test holding a few programmings would outgrow its stack frame.
    std::unique_ptr<KeyboardProgramming> Now() const {
        return std::make_unique<KeyboardProgramming>(image->TakeProgramming());
    }
    QString ItemText(int id) const {
        return window->AttachedMenu()->findChild<QAction*>(gui::ObjectNameFor(id))->text();
    }
    std::vector<KeyCode> Codes(int button, int layer) const {
        const auto codes = image->buttons[button].Codes(layer);
        return {codes.begin(), codes.end()};
    }
    void RightClick(int button, std::vector<int> items) {
        AnswerMenus(std::move(items));
        QTest::mouseClick(window->KeyButton(button), Qt::RightButton);
    }
    // Runs the next dialog with `act` inside it.
    void InDialog(std::function<void(QDialog&)> act) {
        prompter.onDialog = [act = std::move(act)](QDialog& shown) {
            shown.show();
            act(shown);
            return shown.result();
        };
    }
    static void Click(QDialog& dialog, int id) {
        QTest::mouseClick(dialog.findChild<QAbstractButton*>(gui::ObjectNameFor(id)),
                          Qt::LeftButton);
    }
    // Presses on one button, moves the pointer over another and lets go there.
    void Drag(int from, int to, Qt::KeyboardModifiers modifiers = {}) {
        QTest::mousePress(window->KeyButton(from), Qt::LeftButton);
        QTest::mouseMove(window->KeyButton(to));
        QTest::mouseRelease(window->KeyButton(to), Qt::LeftButton, modifiers);
    }
    void ExpectCaptionsShowTheImage() {
        for (int button = 1; button <= ButtonCount; ++button) {
            ASSERT_EQ(CaptionOf(button), gui::FromUtf8(image->RefreshButton(button))) << button;
        }
    }

    std::filesystem::path layoutFile = folder / "layout.dat";
};

TEST_F(EditTest, EveryKindOfStepIsUndoneAndRedoneByMenuToolbarAndKeys) {
    rig.Keyboard().SetProgramming([] {
        emulator::Programming held;
        held.keys[40][3] = {kC, kC};
        return held;
    }());
    struct Case {
        QString step;
        std::function<void()> act;
    };
    const std::vector<Case> cases = {
        {"Program button 31",
         [&] {
             InDialog([](QDialog& dialog) {
                 Click(dialog, ids::kFirstOnScreenKey - 1 + kA);
                 Click(dialog, ids::kKeyPadConfirm);
             });
             QTest::mouseClick(window->KeyButton(31), Qt::LeftButton);
         }},
        {"Card Reader Setting",
         [&] {
             InDialog([](QDialog& dialog) {
                 Click(dialog, ids::kTrackBoxes[0]);
                 dialog.reject();
             });
             TriggerAction(ids::kEnCardReaderSettings);
         }},
        {"Keyboard Setting",
         [&] {
             InDialog([](QDialog& dialog) {
                 Click(dialog, ids::kKeySoundBox);
                 dialog.reject();
             });
             TriggerAction(ids::kEnKeyboardSettings);
         }},
        {"Delete the current layer data",
         [&] { RightClick(5, {ids::kContextDeleteCurrentLayer}); }},
        {"Delete all layer data", [&] { RightClick(5, {ids::kContextDeleteAllLayers}); }},
        {"Button layer set",
         [&] {
             RightClick(13, {ids::kContextButtonLayerSet, ids::kContextFirstLayer + 3});
         }},
        {"Paste",
         [&] {
             RightClick(20, {ids::kContextCopyButton});
             RightClick(21, {ids::kContextPaste});
         }},
        {"Move button 20 to 22", [&] { Drag(20, 22); }},
        {"Copy button 22 to 23", [&] { Drag(22, 23, Qt::ControlModifier); }},
        {"Swap buttons 21 and 13", [&] { Drag(21, 13, Qt::ShiftModifier); }},
        {"Clear all settings",
         [&] {
             prompter.yesNoAnswers = {true};
             TriggerAction(ids::kEnClearAll);
         }},
        {"Read Keyboard",
         [&] {
             prompter.unsavedAnswers = {Answer::kDiscard};
             TriggerAction(ids::kEnRead);
             ASSERT_TRUE(WaitUntil([&] { return window->RunningTransfer() == nullptr; }, 20000));
             EXPECT_EQ(Codes(40, 3), (std::vector<KeyCode>{kC, kC}));
         }},
        {"New", [&] { ClickToolButton(ids::kEnToolNew); }},
        {"Open layout.dat",
         [&] {
             prompter.unsavedAnswers = {Answer::kDiscard};
             prompter.fileNames = {QString::fromStdString(layoutFile.string())};
             TriggerAction(ids::kEnOpen);
         }},
    };
    for (std::size_t i = 0; i < cases.size(); ++i) {
        const Case& c = cases[i];
        const auto before = Now();
        c.act();
        const auto after = Now();
        ASSERT_FALSE(*after == *before) << c.step.toStdString();
        ASSERT_EQ(ItemText(ids::kUndo), "Undo " + c.step + "\tCtrl+Z");
        // By turns: the menu item, the toolbar button, the shortcut.
        const std::array<std::function<void()>, 3> undo = {
            [&] { TriggerAction(ids::kUndo); }, [&] { ClickToolButton(ids::kUndo); },
            [&] { QTest::keyClick(window.get(), Qt::Key_Z, Qt::ControlModifier); }};
        const std::array<std::function<void()>, 3> redo = {
            [&] { QTest::keyClick(window.get(), Qt::Key_Y, Qt::ControlModifier); },
            [&] { TriggerAction(ids::kRedo); },
            [&] {
                QTest::keyClick(window.get(), Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
            }};
        undo[i % 3]();
        EXPECT_TRUE(*Now() == *before) << c.step.toStdString();
        ExpectCaptionsShowTheImage();
        EXPECT_EQ(ItemText(ids::kRedo), "Redo " + c.step + "\tCtrl+Y");
        redo[i % 3]();
        EXPECT_TRUE(*Now() == *after) << c.step.toStdString();
        ExpectCaptionsShowTheImage();
    }
    // Undo reaches back to the start, before the layout was opened; an edit after an undo
    // leaves nothing to redo.
    while (Find<QToolButton>(ids::kUndo)->isEnabled()) {
        ClickToolButton(ids::kUndo);
    }
    EXPECT_TRUE(*Now() == *std::make_unique<KeyboardProgramming>());
    EXPECT_EQ(ItemText(ids::kUndo), "Undo\tCtrl+Z");
    TriggerAction(ids::kRedo);
    Drag(5, 7);
    EXPECT_FALSE(Find<QToolButton>(ids::kRedo)->isEnabled());
    EXPECT_EQ(Find<QToolButton>(ids::kUndo)->toolTip(), "Undo Move button 5 to 7");
}

TEST_F(EditTest, TitleNamesTheFileAndMarksChangesNeitherSavedNorWritten) {
    EXPECT_EQ(window->windowTitle(), "MZR-40 - layout.dat");
    Drag(5, 31);
    EXPECT_EQ(window->windowTitle(), "MZR-40 - layout.dat*");
    TriggerAction(ids::kUndo);
    EXPECT_EQ(window->windowTitle(), "MZR-40 - layout.dat");
    TriggerAction(ids::kRedo);
    prompter.fileNames = {QString::fromStdString((folder / "moved.dat").string())};
    TriggerAction(ids::kEnSave);
    EXPECT_EQ(window->windowTitle(), "MZR-40 - moved.dat");
    TriggerAction(ids::kUndo);
    EXPECT_EQ(window->windowTitle(), "MZR-40 - moved.dat*");
    TriggerAction(ids::kEnWrite);
    ASSERT_TRUE(WaitUntil([&] { return window->RunningTransfer() == nullptr; }, 20000));
    EXPECT_EQ(window->windowTitle(), "MZR-40 - moved.dat");  // the keyboard holds it now
    EXPECT_TRUE(Find<QToolButton>(ids::kUndo)->isEnabled());

    OpenWindow();
    EXPECT_EQ(window->windowTitle(), "MZR-40");
}

// Quit, the close box, New, Open and Read ask first while there are unsaved changes:
// Cancel does nothing, Discard goes on, Save saves and goes on only when the file was saved.
TEST_F(EditTest, CommandsThatReplaceTheProgrammingAskBeforeUnsavedChangesGo) {
    struct Case {
        const char* command;
        std::function<void()> press;
        std::function<bool()> wentOn;
    };
    const auto cleared = [&] { return Codes(20, 1).empty() && Codes(31, 1).empty(); };
    const std::vector<Case> cases = {
        {"Quit", [&] { TriggerAction(ids::kEnQuit); }, [&] { return !window->isVisible(); }},
        {"close box", [&] { window->close(); }, [&] { return !window->isVisible(); }},
        {"New", [&] { TriggerAction(ids::kEnToolNew); }, cleared},
        {"Open", [&] { TriggerAction(ids::kEnOpen); },
         [&] { return prompter.prompts.back().kind == Kind::kOpenFile; }},
        {"Read", [&] { TriggerAction(ids::kEnRead); },
         [&] {
             return WaitUntil([&] { return window->RunningTransfer() == nullptr; }, 20000) &&
                    cleared();
         }},
    };
    const QString saved = QString::fromStdString((folder / "saved.dat").string());
    for (const Case& c : cases) {
        std::filesystem::remove(folder / "saved.dat");
        for (const Answer answer :
             {Answer::kCancel, Answer::kSave, Answer::kSave, Answer::kDiscard}) {
            SetUp();
            Drag(20, 31, Qt::ControlModifier);
            const auto edited = Now();
            prompter.prompts.clear();
            prompter.unsavedAnswers = {answer};
            // The first Save has its save dialog cancelled, the second saves.
            const bool saves = answer == Answer::kSave && !prompter.fileNames.empty();
            c.press();
            ASSERT_GE(prompter.prompts.size(), 1u) << c.command;
            EXPECT_EQ(prompter.prompts[0].kind, Kind::kSaveDiscardCancel) << c.command;
            const bool goesOn = answer == Answer::kDiscard || saves;
            EXPECT_EQ(c.wentOn(), goesOn) << c.command << " " << static_cast<int>(answer);
            if (!goesOn) {
                EXPECT_TRUE(*Now() == *edited) << c.command;
                EXPECT_TRUE(window->isVisible()) << c.command;
            }
            if (answer == Answer::kSave) {
                EXPECT_EQ(prompter.prompts[1].kind, Kind::kSaveFile) << c.command;
                prompter.fileNames = saves ? std::deque<QString>{} : std::deque<QString>{saved};
            }
        }
        EXPECT_NE(ReadBytes(folder / "saved.dat").find("<31 1 43 60 >"), std::string::npos)
            << "saved before " << c.command;
    }
    EXPECT_EQ(prompter.prompts[0].text,
              "The programming has changes that are neither saved nor written to the "
              "keyboard.\nSave them to a file first?");
    EXPECT_EQ(prompter.saveDiscardCancelButtons,
              (std::array<QString, 3>{"Save", "Discard", "Cancel"}));
}

TEST_F(EditTest, CopyAndPasteAllLayersOrOneThroughTheContextMenuAndTheKeys) {
    QStringList itemStates;
    const auto answerAndLook = [&](int id) {
        prompter.onPopUp = [&, id](QMenu& menu) {
            itemStates.clear();
            for (QAction* action : menu.actions()) {
                itemStates << action->text() + (action->isEnabled() ? "" : " (disabled)");
            }
            return menu.findChild<QAction*>(gui::ObjectNameFor(id));
        };
    };
    answerAndLook(ids::kContextCopyButton);
    QTest::mouseClick(window->KeyButton(5), Qt::RightButton);
    EXPECT_EQ(prompter.prompts.size(), 1u);  // one click, one menu
    // After the four items of the button (the last "Legend label...") and a separator.
    EXPECT_EQ(itemStates.mid(5),
              (QStringList{"Copy button\tCtrl+C", "Copy this layer", "Paste\tCtrl+V (disabled)"}));
    RightClick(31, {ids::kContextPaste});
    EXPECT_EQ(Codes(31, 1), (std::vector<KeyCode>{kA}));
    EXPECT_EQ(Codes(31, 2), (std::vector<KeyCode>{kB}));
    EXPECT_EQ(CaptionOf(31), "a");

    Find<QComboBox>(ids::kLayerSelector)->setCurrentText("Layer2");
    RightClick(5, {ids::kContextCopyLayer});
    Find<QComboBox>(ids::kLayerSelector)->setCurrentText("Layer1");
    RightClick(13, {ids::kContextPaste});
    EXPECT_EQ(Codes(13, 1), (std::vector<KeyCode>{kB}));
    EXPECT_TRUE(Codes(13, 2).empty());
    EXPECT_EQ(ItemText(ids::kUndo), "Undo Paste\tCtrl+Z");

    // The keys act on the button under the pointer, or on the one with the focus.
    QTest::mouseMove(window->KeyButton(20));
    QTest::keyClick(window.get(), Qt::Key_C, Qt::ControlModifier);
    window->KeyButton(32)->setFocus();
    QTest::keyClick(window.get(), Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(Codes(32, 1), (std::vector<KeyCode>{kA, kB}));
    EXPECT_EQ(CaptionOf(32), "a+b");
    TriggerAction(ids::kUndo);
    EXPECT_TRUE(Codes(32, 1).empty());
}

TEST_F(EditTest, DragShowsWhereTheButtonLandsAndMovesCopiesOrSwaps) {
    struct Case {
        Qt::KeyboardModifiers modifiers;
        std::vector<KeyCode> draggedAfter;  // button 20, layer 1
        std::vector<KeyCode> targetAfter;   // button 13
        QString picture;
    };
    const std::vector<Case> cases = {
        {Qt::NoModifier, {}, {kA, kB}, "move"},
        {Qt::ControlModifier, {kA, kB}, {kA, kB}, "copy"},
        {Qt::ShiftModifier, {kC}, {kA, kB}, "swap"},
    };
    for (const Case& c : cases) {
        SetUp();
        QTest::mousePress(window->KeyButton(20), Qt::LeftButton);
        QTest::mouseMove(window->KeyButton(13));
        const auto* picture = window->findChild<QLabel*>("dragPicture");
        ASSERT_NE(picture, nullptr);
        EXPECT_TRUE(picture->isVisible());
        EXPECT_TRUE(window->KeyButton(13)->IsDropTarget());
        EXPECT_FALSE(window->KeyButton(20)->IsDropTarget());
        // The picture tells what the drop would do as the keys change.
        if (c.modifiers != Qt::NoModifier) {
            QTest::keyPress(window.get(),
                            c.modifiers == Qt::ShiftModifier ? Qt::Key_Shift : Qt::Key_Control,
                            c.modifiers);
        }
        EXPECT_EQ(picture->accessibleName(), c.picture);
        QTest::mouseRelease(window->KeyButton(13), Qt::LeftButton, c.modifiers);
        EXPECT_EQ(Codes(20, 1), c.draggedAfter);
        EXPECT_EQ(Codes(13, 1), c.targetAfter);
        EXPECT_FALSE(window->KeyButton(13)->IsDropTarget());
        EXPECT_EQ(window->findChild<QLabel*>("dragPicture"), nullptr);
        EXPECT_TRUE(prompter.prompts.empty());  // no key dialog opened on the way
    }

    // Esc, or letting go where no shown button is, drops nothing.
    const auto before = Now();
    QTest::mousePress(window->KeyButton(20), Qt::LeftButton);
    QTest::mouseMove(window->KeyButton(13));
    QTest::keyClick(window.get(), Qt::Key_Escape);
    EXPECT_FALSE(window->KeyButton(13)->IsDropTarget());
    QTest::mouseRelease(window->KeyButton(13), Qt::LeftButton);
    auto* info = Find<QTextEdit>(ids::kKeyInfoBox);
    QTest::mousePress(window->KeyButton(20), Qt::LeftButton);
    QTest::mouseMove(info->viewport());
    QTest::mouseRelease(info->viewport(), Qt::LeftButton);
    EXPECT_TRUE(*Now() == *before);
    // A click is still a click.
    QTest::mouseClick(window->KeyButton(20), Qt::LeftButton);
    ASSERT_EQ(prompter.prompts.size(), 1u);
    EXPECT_EQ(prompter.prompts[0].text, "id130");
}

}  // namespace
}  // namespace tolvane::testing
