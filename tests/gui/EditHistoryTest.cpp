// UTF-8 source: the Chinese step names are checked as the user sees them.
#include <gtest/gtest.h>

#include <memory>

#include "gui/model/EditSession.h"
#include "gui/model/Shortcuts.h"

namespace tolvane::gui {
namespace {

constexpr auto kEnglish = InterfaceLanguage::kEnglish;
constexpr auto kChinese = InterfaceLanguage::kChinese;

// Programmings live on the heap here: a test holding a few would outgrow its stack frame.
using Held = std::unique_ptr<KeyboardProgramming>;

// The programming given, or an empty one, with `code` as the only key of `button` on layer 1.
Held With(int button, KeyCode code, const Held& base = {}) {
    Held programming = base ? std::make_unique<KeyboardProgramming>(*base)
                            : std::make_unique<KeyboardProgramming>();
    programming->Button(button).Layer(1) = LayerProgramming::Of(std::vector<KeyCode>{code});
    return programming;
}

// Every button holds `code` on every layer: a change of the whole keyboard.
Held Full(KeyCode code) {
    auto programming = std::make_unique<KeyboardProgramming>();
    const std::vector<KeyCode> codes(MaxKeysPerLayer, code);
    for (ButtonProgramming& button : programming->buttons) {
        for (LayerProgramming& layer : button.layers) {
            layer = LayerProgramming::Of(codes);
        }
    }
    return programming;
}

TEST(EditHistoryTest, EachChangeIsOneStepUndoneAndRedoneAndANewEditEndsTheRedo) {
    auto history = std::make_unique<EditHistory>();
    const Held start = std::make_unique<KeyboardProgramming>();
    EXPECT_FALSE(history->Record({EditStep::kNew}, *start));  // nothing changed: no step
    EXPECT_FALSE(history->Undo());

    const Held one = With(3, 4);
    const Held two = With(70, 5, one);
    two->tracks[2].mode = 0;
    two->options.keyClick = 1;
    ASSERT_TRUE(history->Record({EditStep::kPaste}, *one));
    ASSERT_TRUE(history->Record({EditStep::kOpen, {"till.dat"}}, *two));
    EXPECT_EQ(history->NextUndo()->step, EditStep::kOpen);

    ASSERT_TRUE(history->Undo());
    EXPECT_TRUE(history->Current() == *one);
    EXPECT_EQ(history->NextRedo()->arguments, (std::vector<std::string>{"till.dat"}));
    ASSERT_TRUE(history->Undo());
    EXPECT_TRUE(history->Current() == *start);
    EXPECT_FALSE(history->Undo());
    ASSERT_TRUE(history->Redo());
    ASSERT_TRUE(history->Redo());
    EXPECT_TRUE(history->Current() == *two);
    EXPECT_FALSE(history->Redo());

    history->Undo();
    history->Record({EditStep::kDeleteAllLayers}, *start);
    EXPECT_EQ(history->RedoSteps(), 0u);
    EXPECT_EQ(history->UndoSteps(), 2u);
    history->Undo();
    EXPECT_TRUE(history->Current() == *one);
}

TEST(EditHistoryTest, KeepsHundredsOfWholeKeyboardStepsAndDropsTheOldestBeyondItsBound) {
    auto history = std::make_unique<EditHistory>();
    for (int step = 0; step < 400; ++step) {
        ASSERT_TRUE(
            history->Record({EditStep::kReadKeyboard}, *Full(static_cast<KeyCode>(step % 2 + 4))));
        EXPECT_LE(history->BytesHeld(), EditHistory::kMemoryBound);
    }
    EXPECT_GE(history->UndoSteps(), 280u);
    EXPECT_LT(history->UndoSteps(), 400u);
    std::size_t undone = 0;
    while (history->Undo()) {
        ++undone;
    }
    EXPECT_EQ(undone, history->RedoSteps());
    // Back to what the oldest step kept had found.
    EXPECT_TRUE(history->Current() == *Full(static_cast<KeyCode>((399 - undone) % 2 + 4)));

    // A bound of two small steps: the third drops the first; the newest stays however large.
    auto small = std::make_unique<EditHistory>(KeyboardProgramming{}, 1000);
    const Held first = With(1, 4);
    const Held second = With(2, 4, first);
    small->Record({EditStep::kPaste}, *first);
    small->Record({EditStep::kPaste}, *second);
    small->Record({EditStep::kPaste}, *With(3, 4, second));
    EXPECT_EQ(small->UndoSteps(), 2u);
    small->Record({EditStep::kNew}, *Full(9));
    EXPECT_EQ(small->UndoSteps(), 1u);
}

TEST(EditSessionTest, TitleMarkerAndQuestionsFollowWhatWasLastOpenedSavedReadOrWritten) {
    auto owned = std::make_unique<EditSession>();
    EditSession& session = *owned;
    const Held startHeld = std::make_unique<KeyboardProgramming>();
    const Held editedHeld = With(3, 4);
    const KeyboardProgramming& start = *startHeld;
    const KeyboardProgramming& edited = *editedHeld;
    EXPECT_EQ(session.Title(start), "MZR-40");
    EXPECT_EQ(session.Title(edited), "MZR-40*");
    for (const Command command : {Command::kQuit, Command::kNew, Command::kOpen, Command::kRead}) {
        EXPECT_FALSE(session.MustAskBefore(command, start));
        EXPECT_TRUE(session.MustAskBefore(command, edited));
    }
    for (const Command command : {Command::kSave, Command::kWrite, Command::kClearAll}) {
        EXPECT_FALSE(session.MustAskBefore(command, edited));
    }
    session.MarkFile(edited, "till.dat");
    EXPECT_EQ(session.Title(edited), "MZR-40 - till.dat");
    EXPECT_EQ(session.Title(start), "MZR-40 - till.dat*");
    session.MarkKeyboard(start);  // a read or a write keeps the file's name
    EXPECT_EQ(session.Title(start), "MZR-40 - till.dat");
    EXPECT_FALSE(session.MustAskBefore(Command::kQuit, start));
}

TEST(EditSessionTest, ALabelEditIsAStepAndUnsavedUntilSavedButAReadDoesNotAskForIt) {
    auto owned = std::make_unique<EditSession>();
    EditSession& session = *owned;
    const Held start = std::make_unique<KeyboardProgramming>();
    auto labels = std::make_unique<LegendLabels>();
    labels->Set(29, 1, "VOID");
    ASSERT_TRUE(session.Record({EditStep::kLegendLabel, {"29"}}, *start, *labels));
    EXPECT_EQ(session.UndoState(kEnglish, false).toolTip, "Undo Legend label of button 29");
    EXPECT_EQ(StepText({EditStep::kLegendLabel, {"29"}}, kChinese), "按键 29 的键帽标签");
    EXPECT_EQ(session.Title(*start), "MZR-40*");
    EXPECT_TRUE(session.MustAskBefore(Command::kQuit, *start));
    EXPECT_FALSE(session.MustAskBefore(Command::kRead, *start));  // a read keeps the labels
    session.MarkKeyboard(*start);
    EXPECT_EQ(session.Title(*start), "MZR-40*");  // the keyboard holds no labels
    // A command that changes only the programming keeps the labels in its step.
    session.Record({EditStep::kPaste}, *With(3, 4));
    session.MarkFile(*With(3, 4), "till.dat");
    EXPECT_EQ(session.Title(*With(3, 4)), "MZR-40 - till.dat");

    ASSERT_TRUE(session.Undo());
    EXPECT_EQ(session.CurrentLabels().Of(29, 1), "VOID");
    ASSERT_TRUE(session.Undo());
    EXPECT_EQ(session.CurrentLabels().Of(29, 1), "");
    EXPECT_EQ(session.Title(session.Current()), "MZR-40 - till.dat*");
    ASSERT_TRUE(session.Redo());
    EXPECT_EQ(session.CurrentLabels().Of(29, 1), "VOID");
}

TEST(EditSessionTest, UndoAndRedoNameTheirStepsInTheInterfaceLanguage) {
    auto owned = std::make_unique<EditSession>();
    EditSession& session = *owned;
    EXPECT_EQ(session.UndoState(kEnglish, false).menuText, "Undo\tCtrl+Z");
    EXPECT_FALSE(session.UndoState(kEnglish, false).enabled);
    EXPECT_EQ(session.RedoState(kChinese, false).menuText, "重做\tCtrl+Y");

    session.Record({EditStep::kDeleteAllLayers}, *With(3, 4));
    session.Record({EditStep::kOpen, {"till.dat"}}, *With(3, 5));
    session.Undo();
    EXPECT_EQ(session.UndoState(kEnglish, false).menuText, "Undo Delete all layer data\tCtrl+Z");
    EXPECT_EQ(session.UndoState(kChinese, false).toolTip, "撤销 全部删除");
    EXPECT_EQ(session.RedoState(kEnglish, false).toolTip, "Redo Open till.dat");
    EXPECT_EQ(session.RedoState(kChinese, false).toolTip, "重做 打开 till.dat");
    EXPECT_TRUE(session.RedoState(kEnglish, false).enabled);
    EXPECT_FALSE(session.RedoState(kEnglish, true).enabled);  // while a transfer runs
    EXPECT_EQ(StepText({EditStep::kCopyButton, {"5", "12"}}, kChinese), "复制按键 5 到 12");
}

// The text after a menu item's tab names a shortcut that runs the item's own command, so
// what the menus show is what the keys do.
TEST(ShortcutsTest, EveryShortcutAMenuShowsRunsThatItemsCommand) {
    int labels = 0;
    for (const InterfaceLanguage language : {kChinese, kEnglish}) {
        for (const MenuPopup& popup : MainMenu(language)) {
            for (const MenuItem& item : popup.items) {
                const std::string_view text = MenuItemText(item, language);
                const std::size_t tab = text.find('\t');
                if (tab == std::string_view::npos || item.id == 0) {
                    continue;
                }
                ++labels;
                bool found = false;
                for (const Shortcut& shortcut : MainWindowShortcuts()) {
                    found = found || (ShortcutText(shortcut) == text.substr(tab + 1) &&
                                      shortcut.command == CommandFor(item.id));
                }
                EXPECT_TRUE(found) << text;
            }
        }
    }
    EXPECT_EQ(labels, 14);  // Find's Ctrl+F in both menus among them
    EXPECT_EQ(ShortcutLabel(Command::kRedo), "Ctrl+Y");
    EXPECT_EQ(ShortcutText({kModifierCtrl | kModifierShift, 'Z', Command::kRedo}), "Ctrl+Shift+Z");
}

}  // namespace
}  // namespace tolvane::gui
