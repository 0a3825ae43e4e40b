// UTF-8 source: the Chinese texts are checked as the user sees them.
// Every button reachable and readable: the list of the buttons not on the panel, the panel
// from the keyboard, what a screen reader hears, and nothing stale on the screen.
#include <QAccessible>
#include <QAccessibleActionInterface>
#include <QApplication>
#include <QTextEdit>
#include <QTimer>
#include <fstream>

#include "gui/model/ResourceIds.h"
#include "gui/qt/widgets/CListCtrl_CellNav.h"
#include "tests/gui/support/GuiFixture.h"

namespace tolvane::testing {
namespace {

namespace ids = gui::ids;
using Kind = Prompt::Kind;

constexpr KeyCode kA = 43, kB = 60, kShift = 55;

class PanelReachTest : public GuiFixture {
  protected:
    void SetUp() override {
        WriteSetting("English");
        OpenWindow();
    }

    void Assign(int button, int layer, std::vector<KeyCode> codes) {
        ASSERT_TRUE(image->StoreKeyRecord(button, layer, codes));
        image->DeriveLayerTexts(button, layer);
    }
    QString InfoText() const { return Find<QTextEdit>(ids::kKeyInfoBox)->toPlainText(); }
    QString KeyDialogTitle() const {
        for (auto it = prompter.prompts.rbegin(); it != prompter.prompts.rend(); ++it) {
            if (it->kind == Kind::kDialog && it->text == gui::ObjectNameFor(ids::kKeyPadDialog)) {
                return it->caption;
            }
        }
        return {};
    }

    static QStringList Row(const gui::CListCtrl_CellNav& list, int row) {
        QStringList cells;
        for (int column = 0; column < list.columnCount(); ++column) {
            cells << list.ItemText(row, column);
        }
        return cells;
    }
    static QPoint RowCentre(const gui::CListCtrl_CellNav& list, int row) {
        return list.visualRect(list.model()->index(row, 1)).center();
    }
};

// The buttons no key shows are listed with every layer; a right click clears one through the
// panel's own menu and a double click programs one, naming it in the key dialog's title.
TEST_F(PanelReachTest, TheButtonsNotOnThePanelAreListedProgrammedAndCleared) {
    std::filesystem::copy_file(std::filesystem::path(TOLVANE_SOURCE_DIR) / "examples/till.dat",
                               folder / "till.dat");
    window->OpenDataFile(QString::fromStdString((folder / "till.dat").string()));
    ASSERT_FALSE(image->buttons[6].Codes(1).empty());

    prompter.onDialog = [&](QDialog& shown) {
        if (shown.objectName() != gui::ObjectNameFor(ids::kUnshownButtonsDialog)) {
            return int{QDialog::Rejected};  // the key dialog: seen, cancelled
        }
        shown.show();
        auto* list =
            shown.findChild<gui::CListCtrl_CellNav*>(gui::ObjectNameFor(ids::kUnshownButtonsList));
        EXPECT_EQ(list->rowCount(), 18);
        EXPECT_EQ(Row(*list, 0).mid(0, 2),
                  (QStringList{"6", gui::FromUtf8(LayerTextOf(image->buttons[6].Codes(1)))}));
        AnswerMenus({ids::kContextDeleteAllLayers});
        QTest::mouseClick(list->viewport(), Qt::RightButton, {}, RowCentre(*list, 0));
        EXPECT_TRUE(image->buttons[6].Codes(1).empty());
        EXPECT_EQ(Row(*list, 0), (QStringList{"6", "", "", "", "", "", ""}));

        QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, RowCentre(*list, 1));
        EXPECT_EQ(KeyDialogTitle(), "keyboard - Button 12, Layer1");
        QTest::mouseClick(shown.findChild<QWidget*>(gui::ObjectNameFor(ids::kUnshownButtonsClose)),
                          Qt::LeftButton);
        return shown.result();
    };
    TriggerAction(ids::kUnshownButtonsCommand);
    EXPECT_EQ(prompter.prompts.front().caption, "Buttons not on the panel");
    EXPECT_EQ(window->Session().History().NextUndo()->step, gui::EditStep::kDeleteAllLayers);
}

// A screen reader hears each button's caption in its name and its hover text as the
// description, after a read and after a layer change; the tool tip and, with the View
// option, the button itself show its number.
TEST_F(PanelReachTest, PanelButtonsSpeakTheirCaptionAndShowTheirNumber) {
    rig.Keyboard().SetProgramming([] {
        emulator::Programming held;
        held.keys[67][1] = {kA};
        held.keys[67][2] = {kShift, kB};
        held.keys[7][1] = {0x6F};  // a layer key on button 7
        return held;
    }());
    prompter.unsavedAnswers = {gui::UnsavedChangesAnswer::kDiscard};
    TriggerAction(ids::kEnRead);
    ASSERT_TRUE(WaitUntil([&] { return window->RunningTransfer() == nullptr; }, 20000));
    gui::CXPButton* key = window->KeyButton(67);
    ASSERT_EQ(CaptionOf(67), "a");
    EXPECT_EQ(key->accessibleName(), "Button 67: a");
    EXPECT_EQ(key->accessibleDescription(), "Layer1:a Layer2:LShift+B ");
    EXPECT_EQ(window->KeyButton(7)->accessibleName(), "Button 7: L4");
    EXPECT_TRUE(key->toolTip().startsWith("Button 67\nLayer1:a"));

    Find<QComboBox>(ids::kLayerSelector)->setCurrentText("Layer2");
    // The name holds the caption as shown; the description, the whole text.
    EXPECT_EQ(key->accessibleName(), "Button 67: LShi...");
    EXPECT_EQ(window->KeyButton(68)->accessibleName(), "Button 68");
    TriggerAction(ids::kEnChinese);
    EXPECT_EQ(key->accessibleName(), "按键 67：LShi...");
    EXPECT_EQ(key->accessibleDescription(), "第1层：a 第2层：LShift+B ");
    TriggerAction(ids::kCnEnglish);

    EXPECT_FALSE(key->NumberShown());
    TriggerAction(ids::kViewButtonNumbers);
    EXPECT_TRUE(key->NumberShown());
    OpenWindow();  // remembered for the next start
    EXPECT_TRUE(window->KeyButton(67)->NumberShown());
    TriggerAction(ids::kViewButtonNumbers);
    EXPECT_FALSE(window->KeyButton(67)->NumberShown());
}

// Tab reaches the panel, the arrow keys move in the panel's visual order with the hover text
// following, Space programs the focused button, Enter and Escape do nothing.
TEST_F(PanelReachTest, ThePanelIsUsedFromTheKeyboard) {
    Assign(62, 1, {kA});
    for (int tab = 0; tab < 20 && !window->KeyButton(67)->hasFocus(); ++tab) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    }
    ASSERT_TRUE(window->KeyButton(67)->hasFocus());
    struct Step {
        Qt::Key key;
        int focused;
    };
    for (const Step& step :
         {Step{Qt::Key_Right, 61}, Step{Qt::Key_Down, 62}, Step{Qt::Key_Left, 68},
          Step{Qt::Key_Left, 68}, Step{Qt::Key_Right, 62}}) {
        QTest::keyClick(QApplication::focusWidget(), step.key);
        EXPECT_TRUE(window->KeyButton(step.focused)->hasFocus()) << step.focused;
    }
    EXPECT_EQ(InfoText(), "Layer1:a ");
    for (const Qt::Key swallowed : {Qt::Key_Return, Qt::Key_Escape}) {
        QTest::keyClick(window->KeyButton(62), swallowed);
    }
    EXPECT_TRUE(prompter.prompts.empty());
    EXPECT_TRUE(window->isVisible());
    QTest::keyClick(window->KeyButton(62), Qt::Key_Space);
    EXPECT_EQ(KeyDialogTitle(), "keyboard - Button 62, Layer1");
}

// Only the button under the pointer is hot; a delete shows at once in the information box;
// the right button over the box reaches the hidden buttons under it.
TEST_F(PanelReachTest, NothingStaleStaysOnTheScreen) {
    Assign(13, 1, {kA});
    Assign(6, 1, {kB});
    QTest::mouseMove(window->KeyButton(14));
    QTest::mouseMove(window->KeyButton(13));
    ASSERT_TRUE(WaitUntil([&] { return window->KeyButton(13)->IsHot(); }));
    EXPECT_FALSE(window->KeyButton(14)->IsHot());
    ASSERT_EQ(InfoText(), "Layer1:a ");

    AnswerMenus({ids::kContextDeleteAllLayers});
    QTest::mouseClick(window->KeyButton(13), Qt::RightButton);
    EXPECT_EQ(InfoText(), "");

    auto* info = Find<QTextEdit>(ids::kKeyInfoBox);
    EXPECT_EQ(info->contextMenuPolicy(), Qt::NoContextMenu);
    const QPoint hidden = window->KeyButton(6)->mapToGlobal(QPoint(13, 13));
    AnswerMenus({ids::kContextDeleteCurrentLayer});
    QTest::mouseClick(info->viewport(), Qt::RightButton, {},
                      info->viewport()->mapFromGlobal(hidden));
    EXPECT_TRUE(image->buttons[6].Codes(1).empty());
}

// Every control that shows a caption carries it in its accessible name, in the main window and
// in the key programming dialog, in both languages.
TEST_F(PanelReachTest, EveryAccessibleNameHoldsTheVisibleCaption) {
    Assign(67, 1, {kA});
    for (const int switchTo : {ids::kEnChinese, ids::kCnEnglish}) {
        TriggerAction(switchTo);
        ExpectCaptionsInAccessibleNames(*window);
        prompter.onDialog = [&](QDialog& shown) {
            ExpectCaptionsInAccessibleNames(shown);
            return int{QDialog::Rejected};
        };
        QTest::mouseClick(window->KeyButton(67), Qt::LeftButton);
    }
}

// A pop-up menu item chosen through the accessibility interface is taken, as a click is.
TEST_F(PanelReachTest, APopUpItemTriggeredThroughAccessibilityIsTaken) {
    QMenu menu(window.get());
    menu.addAction("first");
    QAction* second = menu.addAction("second");
    gui::SetPrompter(nullptr);  // the real menu
    QTimer::singleShot(0, [&] {
        QAccessibleInterface* shown = QAccessible::queryAccessibleInterface(&menu);
        shown->child(1)->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
    });
    QAction* chosen = gui::Prompts().PopUp(menu, window->mapToGlobal(QPoint(20, 20)));
    gui::SetPrompter(&prompter);
    EXPECT_EQ(chosen, second);
    EXPECT_FALSE(menu.isVisible());
}

// Help > User Manual with no viewer for it says so, naming the manual.
TEST_F(PanelReachTest, AManualNoViewerOpensIsSaidSo) {
    std::ofstream(folder / "MZR-40 User Manual.pdf") << "%PDF";
    prompter.documentOpens = false;
    TriggerAction(ids::kEnUserManual);
    ASSERT_EQ(prompter.prompts.back().kind, Kind::kInform);
    EXPECT_TRUE(prompter.prompts.back().text.startsWith("The user manual could not be opened"));
    EXPECT_TRUE(prompter.prompts.back().text.contains("MZR-40 User Manual.pdf"));
}

}  // namespace
}  // namespace tolvane::testing
