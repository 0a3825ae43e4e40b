// UTF-8 source: the Chinese texts are checked as the user sees them.
#include <gtest/gtest.h>

#include <QAccessible>
#include <QAccessibleActionInterface>

#include <QApplication>
#include <QCheckBox>
#include <QGroupBox>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLineEdit>
#include <QTest>
#include <QTextEdit>

#include "gui/model/ResourceIds.h"
#include "gui/qt/keyprog/KeyPadSetDlg.h"
#include "gui/qt/keyprog/RunKeyDialog.h"
#include "tests/gui/support/DialogFixture.h"
#include "tests/gui/support/GuiFixture.h"

namespace tolvane::testing {
namespace {

namespace ids = gui::ids;
using gui::CListCtrl_CellNav;
using gui::ObjectNameFor;
using Kind = Prompt::Kind;

constexpr int kButton = 7;
constexpr KeyCode kShift = 55, kA = 43, kB = 60, kOne = 15, kQ = 29;

// Runs the key programming dialog through the commands the main window and the card reader
// dialog use, on a program folder of its own; the test acts inside the dialog while it is
// open and ends it itself.
class KeyPadDialogTest : public DialogFixture {
  protected:
    void WriteUserKeys(const std::string& lines) {
        std::filesystem::create_directories(folder / "data");
        WriteBytes(groupsFile, lines + std::string(kUserKeyEndOfFileMarker));
    }

    // Runs the dialog on button kButton (or on the prefix of track 1), with `act` inside it.
    bool Run(const std::function<void()>& act, bool card = false) {
        prompter.onDialog = [&](QDialog& shown) {
            dialog = &shown;
            shown.show();
            act();
            return shown.result();
        };
        const bool ok =
            card ? gui::RunKeyDialogForTrackPart(nullptr, *image, language, locations, 1,
                                                 TrackPart::kPrefix)
                 : gui::RunKeyDialogForButton(nullptr, *image, language, locations, kButton);
        dialog = nullptr;
        return ok;
    }

    void Click(int id) { QTest::mouseClick(Find<QPushButton>(id), Qt::LeftButton); }
    void ClickKey(KeyCode code) { Click(ids::kFirstOnScreenKey - 1 + code); }

    CListCtrl_CellNav* List(int id) const { return Find<CListCtrl_CellNav>(id); }
    QPoint RowCentre(int listId, int row) const {
        return List(listId)->visualRect(List(listId)->model()->index(row, 1)).center();
    }
    void RightClickRow(int listId, int row) {
        List(listId)->scrollTo(List(listId)->model()->index(row, 1));
        QTest::mouseClick(List(listId)->viewport(), Qt::RightButton, {}, RowCentre(listId, row));
    }
    void DoubleClickRow(int listId, int row) {
        List(listId)->scrollTo(List(listId)->model()->index(row, 1));
        QTest::mouseDClick(List(listId)->viewport(), Qt::LeftButton, {}, RowCentre(listId, row));
    }
    // Answers the next pop-up menu with its item `id`, keeping the menu's texts.
    void ChooseFromMenu(int id) {
        prompter.onPopUp = [this, id](QMenu& menu) {
            menuTexts.clear();
            for (QAction* action : menu.actions()) {
                menuTexts << action->text() + (action->isEnabled() ? "" : " (disabled)");
            }
            return menu.findChild<QAction*>(ObjectNameFor(id));
        };
    }

    // Each row of a list as its cells joined by "|".
    QStringList Rows(int listId) const {
        QStringList rows;
        const CListCtrl_CellNav* list = List(listId);
        for (int row = 0; row < list->rowCount(); ++row) {
            QStringList cells;
            for (int column = 0; column < list->columnCount(); ++column) {
                cells << list->ItemText(row, column);
            }
            rows << cells.join('|');
        }
        return rows;
    }

    ButtonRecord& Record() { return image->buttons[kButton]; }

    // The rows a filter leaves shown.
    QStringList ShownRows(int listId) const {
        QStringList shown;
        const QStringList rows = Rows(listId);
        for (int row = 0; row < rows.size(); ++row) {
            if (!List(listId)->isRowHidden(row)) {
                shown << rows[row];
            }
        }
        return shown;
    }
    // A key pressed on the PC's keyboard as the window system reports it: Qt's key, the text
    // the layout types and the physical key's X11 key code.
    static void PressPcKey(QWidget* target, std::uint32_t xkbKeycode, Qt::Key key,
                           const QString& text = {}, bool autoRepeat = false) {
        QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier, xkbKeycode, 0, 0, text, autoRepeat);
        QApplication::sendEvent(target, &press);
    }
    QLineEdit* TextLine() const { return Find<QLineEdit>(ids::kTypeTextEdit); }

    std::filesystem::path groupsFile = folder / "data" / "UserKeyGroud.dat";
    QStringList menuTexts;
};

TEST_F(KeyPadDialogTest, ShowsItsCaptionsAndColumnsInTheInterfaceLanguage) {
    struct Case {
        std::string setting;
        QStringList captions;  // groups, then confirm, cancel and add user key
        QStringList keyColumns;
        int specialValueWidth;
    };
    const std::vector<Case> cases = {
        {"English",
         {"Key Seting List", "Special Key List", "User Key List", "Comfirm", "Cancel",
          "Add User Key"},
         {"No.", "Key Code", "Key Value", "Layer"},
         90},
        {"Chinese",
         {"按键设置列表", "特殊键码", "常用组合键", "确认设置", "取消设置", "添加常用键"},
         {"序号", "键码", "键值", "层"},
         80},
    };
    for (const Case& c : cases) {
        UseLanguage(c.setting);
        Run([&] {
            EXPECT_EQ(dialog->windowTitle(), c.setting == "English" ? "keyboard - Button 7, Layer1"
                                                                    : "keyboard - 按键 7，Layer1");
            QStringList captions;
            for (const int id :
                 {ids::kKeySettingGroup, ids::kSpecialKeyGroup, ids::kUserKeyGroup}) {
                captions << Find<QGroupBox>(id)->title();
            }
            for (const int id : {ids::kKeyPadConfirm, ids::kKeyPadCancel, ids::kAddUserKey}) {
                captions << Find<QPushButton>(id)->text();
            }
            EXPECT_EQ(captions, c.captions);
            QStringList columns;
            for (int column = 0; column < 4; ++column) {
                columns << List(ids::kKeySettingList)->horizontalHeaderItem(column)->text();
            }
            EXPECT_EQ(columns, c.keyColumns);
            EXPECT_EQ(List(ids::kSpecialKeyList)->columnWidth(2), c.specialValueWidth);
            EXPECT_EQ(List(ids::kSpecialKeyList)->rowCount(), 19);
            EXPECT_EQ(Rows(ids::kSpecialKeyList)[18], "18|Calculator|168");
            EXPECT_FALSE(Find<QPushButton>(ids::kKeyPadOk)->isVisible());
            EXPECT_FALSE(Find(ids::kFirstOnScreenKey + 107)->isEnabled());  // "Fn"
            EXPECT_EQ(Find(ids::kFirstOnScreenKey + 14)->accessibleName(), "! 1");
            dialog->reject();
        });
    }
}

// The Shift keys latch, and both show it as a pressed toggle that a screen reader hears as
// checked; a Shift toggled through the accessibility interface latches as a click does.
TEST_F(KeyPadDialogTest, BothShiftKeysShowTheLatch) {
    const auto latched = [&] {
        QList<bool> states;
        for (const KeyCode shift : {kLeftShift, kRightShift}) {
            auto* key = Find<QPushButton>(ids::kFirstOnScreenKey - 1 + shift);
            states << (key->isChecked() &&
                       QAccessible::queryAccessibleInterface(key)->state().checked);
        }
        return states;
    };
    EXPECT_TRUE(Run([&] {
        EXPECT_EQ(latched(), (QList<bool>{false, false}));
        ClickKey(kShift);
        EXPECT_EQ(latched(), (QList<bool>{true, true}));
        ClickKey(kA);
        EXPECT_EQ(latched(), (QList<bool>{true, true}));
        QAccessible::queryAccessibleInterface(Find(ids::kFirstOnScreenKey - 1 + kRightShift))
            ->actionInterface()
            ->doAction(QAccessibleActionInterface::toggleAction());
        EXPECT_EQ(latched(), (QList<bool>{false, false}));
        ClickKey(kB);
        EXPECT_EQ(Rows(ids::kKeySettingList),
                  (QStringList{"0|LShift|55|1", "1|A|43|1", "2|RShift|66|1", "3|b|60|1"}));
        Click(ids::kKeyPadConfirm);
    }));
}

TEST_F(KeyPadDialogTest, ClickedKeysAreListedAndConfirmCountsThem) {
    EXPECT_TRUE(Run([&] {
        for (const KeyCode code : {kShift, kA, kB}) {
            ClickKey(code);
        }
        EXPECT_EQ(Rows(ids::kKeySettingList),
                  (QStringList{"0|LShift|55|1", "1|A|43|1", "2|B|60|1"}));
        Click(ids::kKeyPadConfirm);
    }));
    EXPECT_EQ(Record().keyCount[1], 3);
    EXPECT_EQ(image->RefreshButton(kButton), "LShi...");
    EXPECT_EQ(image->selection.currentButton, kButton);
}

TEST_F(KeyPadDialogTest, EnterConfirmsEscAndCancelPutTheLayerBackAndTheLimitIsTold) {
    image->StoreKeyRecord(kButton, 1, std::vector<KeyCode>(54, kQ));
    EXPECT_TRUE(Run([&] {
        ClickKey(kA);
        QTest::keyClick(Find(ids::kFirstOnScreenKey - 1 + kA), Qt::Key_Return);
    }));
    EXPECT_EQ(Record().keyCount[1], 55);

    EXPECT_FALSE(Run([&] {
        ClickKey(kB);
        EXPECT_EQ(Rows(ids::kKeySettingList).size(), 55);
        QTest::keyClick(dialog, Qt::Key_Escape);
    }));
    EXPECT_EQ(Messages(), QStringList{"A layer holds at most 55 keys; nothing was added."});
    EXPECT_EQ(Record().keyCodes[1][54], kA);

    EXPECT_FALSE(Run([&] {
        ChooseFromMenu(ids::kKeyListDeleteAll);
        RightClickRow(ids::kKeySettingList, 0);
        EXPECT_EQ(Record().keyCount[1], 0);
        Click(ids::kKeyPadCancel);
    }));
    EXPECT_EQ(Record().keyCount[1], 55);
}

TEST_F(KeyPadDialogTest, KeySettingListMenuDeletesRowsAndAddsAUserKeyGroup) {
    image->StoreKeyRecord(kButton, 1, std::vector<KeyCode>{67, 69, 84});
    image->DeriveLayerTexts(kButton, 1);
    UseLanguage("Chinese");
    EXPECT_TRUE(Run([&] {
        ChooseFromMenu(ids::kKeyListAddToUserKeys);
        RightClickRow(ids::kKeySettingList, 0);
        EXPECT_EQ(menuTexts,
                  (QStringList{"删除", "全部删除", "添加到常用组合键", "添加到特殊按键"}));
        EXPECT_EQ(Rows(ids::kUserKeyList), QStringList{"0|LCtrl+LAlt+Delete"});

        ChooseFromMenu(ids::kKeyListDelete);
        RightClickRow(ids::kKeySettingList, 1);
        EXPECT_EQ(Rows(ids::kKeySettingList), (QStringList{"0|LCtrl|67|1", "1|Delete|84|1"}));

        ChooseFromMenu(ids::kKeyListDeleteAll);
        RightClickRow(ids::kKeySettingList, 0);
        EXPECT_TRUE(Rows(ids::kKeySettingList).isEmpty());
        EXPECT_EQ(Record().keyCount[1], 0);

        Click(ids::kAddUserKey);  // nothing to add
        EXPECT_EQ(Messages(), QStringList{"请输入键值！"});
        Click(ids::kKeyPadConfirm);
    }));
    EXPECT_EQ(ReadBytes(groupsFile), "<67 69 84 >\r\n" + std::string(kUserKeyEndOfFileMarker));
}

TEST_F(KeyPadDialogTest, DoubleClicksAppendSpecialKeysAndUserKeyGroupsWhichTheMenuDeletes) {
    WriteUserKeys("<55 29 >\r\n<67 69 84 >\r\n");
    EXPECT_TRUE(Run([&] {
        EXPECT_EQ(Rows(ids::kUserKeyList), (QStringList{"0|LShift+Q", "1|LCtrl+LAlt+Delete"}));
        DoubleClickRow(ids::kSpecialKeyList, 9);
        DoubleClickRow(ids::kUserKeyList, 0);
        QTest::mouseDClick(List(ids::kUserKeyList)->viewport(), Qt::LeftButton, {},
                           QPoint(5, List(ids::kUserKeyList)->viewport()->height() - 3));
        EXPECT_EQ(Rows(ids::kKeySettingList),
                  (QStringList{"0|Mute|159|1", "1|LShift|55|1", "2|Q|29|1"}));

        ChooseFromMenu(ids::kUserListDelete);
        RightClickRow(ids::kUserKeyList, 0);
        EXPECT_EQ(menuTexts, (QStringList{"Delete", "Delete all"}));
        EXPECT_EQ(Rows(ids::kUserKeyList), QStringList{"0|LCtrl+LAlt+Delete"});
        EXPECT_EQ(ReadBytes(groupsFile), "<67 69 84 >\r\n" + std::string(kUserKeyEndOfFileMarker));

        ChooseFromMenu(ids::kUserListDeleteAll);
        RightClickRow(ids::kUserKeyList, 0);
        EXPECT_TRUE(Rows(ids::kUserKeyList).isEmpty());
        Click(ids::kKeyPadConfirm);
    }));
    EXPECT_EQ(ReadBytes(groupsFile), "");
    EXPECT_EQ(Record().keyCount[1], 3);
}

TEST_F(KeyPadDialogTest, CardModeTakesOnlyPrefixKeysAndRefusesAShiftWithoutAKey) {
    UseLanguage("Chinese");
    EXPECT_TRUE(Run(
        [&] {
            for (const KeyCode code : {KeyCode{1}, kQ, kA, KeyCode{54}, KeyCode{70}}) {
                EXPECT_FALSE(Find(ids::kFirstOnScreenKey - 1 + code)->isEnabled()) << int(code);
            }
            EXPECT_FALSE(List(ids::kSpecialKeyList)->isEnabled());
            EXPECT_FALSE(List(ids::kUserKeyList)->isEnabled());
            EXPECT_EQ(Rows(ids::kKeySettingList), (QStringList{"0|LShift|55|", "1|?|65|"}));

            ClickKey(kShift);
            ClickKey(kShift);
            Click(ids::kKeyPadConfirm);
            EXPECT_EQ(Messages(),
                      (QStringList{"设置错误，请选择一个符号", "设置错误，请选择一个符号"}));
            EXPECT_TRUE(dialog->isVisible());

            ClickKey(kOne);
            EXPECT_EQ(Rows(ids::kKeySettingList), (QStringList{"0|LShift|55|", "1|!|15|"}));
            Click(ids::kKeyPadConfirm);
        },
        /*card=*/true));
    EXPECT_EQ(image->tracks[1].prefixShift, kShift);
    EXPECT_EQ(image->tracks[1].prefixKey, kOne);
    EXPECT_EQ(image->selection.keyDialogTrack, 1);
}

// ---- Faster key entry ----

TEST_F(KeyPadDialogTest, TypedTextIsAddedWithEnterOrAloneAndARefusalKeepsTheLine) {
    image->StoreKeyRecord(kButton, 1, std::vector<KeyCode>(50, kQ));
    EXPECT_FALSE(Run([&] {
        EXPECT_EQ(TextLine()->placeholderText(), "Enter adds the text and an Enter key");
        QTest::keyClicks(TextLine(), "Ab");
        Click(ids::kAddText);
        EXPECT_EQ(Rows(ids::kKeySettingList).mid(50),
                  (QStringList{"50|LShift|55|1", "51|A|43|1", "52|LShift|55|1", "53|b|60|1"}));
        EXPECT_TRUE(TextLine()->text().isEmpty());

        QTest::keyClicks(TextLine(), "xyz");
        QTest::keyClick(TextLine(), Qt::Key_Return);
        EXPECT_EQ(Messages(), QStringList{"The text needs 4 keys, 1 are left; nothing was added."});
        EXPECT_EQ(TextLine()->text(), "xyz");
        EXPECT_TRUE(dialog->isVisible());  // Enter in the line does not confirm
        EXPECT_EQ(Rows(ids::kKeySettingList).size(), 54);
        QTest::keyClick(dialog, Qt::Key_Escape);
    }));
    EXPECT_EQ(Record().keyCount[1], 50);

    UseLanguage("Chinese");
    prompter.prompts.clear();
    EXPECT_FALSE(Run([&] {
        TextLine()->insert(QString::fromUtf8("价格"));
        Click(ids::kAddText);
        EXPECT_EQ(Messages(), QStringList{"键盘无法输入“价”，未添加任何键！"});
        dialog->reject();
    }));
}

TEST_F(KeyPadDialogTest, WithTheToggleOnAPcKeyAddsTheKeyOfItsPlaceAndWithItOffNothing) {
    EXPECT_FALSE(Run([&] {
        auto* toggle = Find<QCheckBox>(ids::kTakeKeysToggle);
        EXPECT_FALSE(toggle->isChecked());
        CListCtrl_CellNav* list = List(ids::kKeySettingList);
        PressPcKey(list, 38, Qt::Key_Q, "q");
        EXPECT_TRUE(Rows(ids::kKeySettingList).isEmpty());

        QTest::mouseClick(toggle, Qt::LeftButton, {}, QPoint(6, toggle->height() / 2));
        ASSERT_TRUE(toggle->isChecked());
        // On a French layout the key where a US keyboard has "a" types "q": the place decides.
        PressPcKey(list, 38, Qt::Key_Q, "q");
        PressPcKey(list, 38, Qt::Key_Q, "q", /*autoRepeat=*/true);
        PressPcKey(Find(ids::kFirstOnScreenKey), 62, Qt::Key_Shift);  // RShift, on a key button
        PressPcKey(toggle, 9, Qt::Key_Escape);                        // Esc is a key like any other
        EXPECT_EQ(Rows(ids::kKeySettingList),
                  (QStringList{"0|a|43|1", "1|RShift|66|1", "2|Esc|1|1"}));
        EXPECT_TRUE(dialog->isVisible());

        PressPcKey(list, 94, Qt::Key_Less, "<");  // the extra key of European keyboards
        EXPECT_EQ(Messages(), QStringList{"The key pressed (<) has no code on this keyboard; "
                                          "nothing was added."});
        QTest::keyClicks(Find<QLineEdit>(ids::kSpecialKeyFilter), "mu");  // typing stays typing
        EXPECT_EQ(ShownRows(ids::kSpecialKeyList), QStringList{"9|Mute|159"});
        EXPECT_EQ(Rows(ids::kKeySettingList).size(), 3);
        dialog->reject();
    }));
}

TEST_F(KeyPadDialogTest, DeleteAndBackspaceRemoveTheSelectedRowsAndCtrlArrowsMoveARow) {
    image->StoreKeyRecord(kButton, 1, std::vector<KeyCode>{kQ, 30, 31, kA});  // q w e a
    image->DeriveLayerTexts(kButton, 1);
    EXPECT_TRUE(Run([&] {
        CListCtrl_CellNav* list = List(ids::kKeySettingList);
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, RowCentre(ids::kKeySettingList, 1));
        QTest::mouseClick(list->viewport(), Qt::LeftButton, Qt::ControlModifier,
                          RowCentre(ids::kKeySettingList, 3));
        QTest::keyClick(list, Qt::Key_Delete);
        EXPECT_EQ(Rows(ids::kKeySettingList), (QStringList{"0|q|29|1", "1|e|31|1"}));

        QTest::keyClick(list, Qt::Key_Up, Qt::ControlModifier);  // "e", selected, moves up
        EXPECT_EQ(Rows(ids::kKeySettingList), (QStringList{"0|e|31|1", "1|q|29|1"}));
        QTest::keyClick(list, Qt::Key_Up, Qt::ControlModifier);  // already first
        QTest::keyClick(list, Qt::Key_Backspace);
        EXPECT_EQ(Rows(ids::kKeySettingList), QStringList{"0|q|29|1"});
        Click(ids::kKeyPadConfirm);
    }));
    EXPECT_EQ(Record().Codes(1).size(), 1u);
    EXPECT_EQ(Record().keyCodes[1][0], kQ);
}

TEST_F(KeyPadDialogTest, TheFiltersNarrowBothListsByEitherLanguagesNames) {
    WriteUserKeys("<55 29 >\r\n<67 69 84 >\r\n<159 >\r\n");
    EXPECT_TRUE(Run([&] {
        QTest::keyClicks(Find<QLineEdit>(ids::kSpecialKeyFilter), "VOL");
        EXPECT_EQ(ShownRows(ids::kSpecialKeyList),
                  (QStringList{"10|VolumeUp|160", "11|VolumeDown|161"}));
        Find<QLineEdit>(ids::kSpecialKeyFilter)->clear();
        QTest::sendKeyEvent(QTest::Press, Find<QLineEdit>(ids::kSpecialKeyFilter), Qt::Key_unknown,
                            QString::fromUtf8("静音"), Qt::NoModifier);
        EXPECT_EQ(ShownRows(ids::kSpecialKeyList), QStringList{"9|Mute|159"});
        QTest::keyClick(Find<QLineEdit>(ids::kSpecialKeyFilter), Qt::Key_Return);  // adds it
        EXPECT_TRUE(dialog->isVisible());

        QTest::keyClicks(Find<QLineEdit>(ids::kUserKeyFilter), "q");
        EXPECT_EQ(ShownRows(ids::kUserKeyList), QStringList{"0|LShift+Q"});
        QTest::keyClick(Find<QLineEdit>(ids::kUserKeyFilter), Qt::Key_Backspace);
        QTest::sendKeyEvent(QTest::Press, Find<QLineEdit>(ids::kUserKeyFilter), Qt::Key_unknown,
                            QString::fromUtf8("静音"), Qt::NoModifier);
        EXPECT_EQ(ShownRows(ids::kUserKeyList), QStringList{"2|Mute"});
        DoubleClickRow(ids::kUserKeyList, 2);
        EXPECT_EQ(Rows(ids::kKeySettingList), (QStringList{"0|Mute|159|1", "1|Mute|159|1"}));
        Click(ids::kKeyPadConfirm);
    }));
}

TEST_F(KeyPadDialogTest, InCardModeATypedCharacterIsThePart) {
    EXPECT_TRUE(Run(
        [&] {
            EXPECT_EQ(TextLine()->maxLength(), 1);
            QTest::keyClicks(TextLine(), "%");
            QTest::keyClick(TextLine(), Qt::Key_Return);
            EXPECT_EQ(Rows(ids::kKeySettingList), (QStringList{"0|LShift|55|", "1|%|19|"}));
            QTest::keyClicks(TextLine(), "a");
            Click(ids::kAddText);
            EXPECT_EQ(Messages(), QStringList{"“a” cannot be a card prefix or suffix: choose a "
                                              "digit or a symbol."});
            QTest::keyClick(TextLine(), Qt::Key_Backspace);
            QTest::keyClick(TextLine(), Qt::Key_Return);  // an empty line confirms
        },
        /*card=*/true));
    EXPECT_EQ(image->tracks[1].prefixShift, kShift);
    EXPECT_EQ(image->tracks[1].prefixKey, 19);
}

// The main window opens the dialog for a clicked button, with the user key groups kept
// beside the program, and recaptions the button only when the dialog ends with OK.
class KeyPadFromPanelTest : public GuiFixture {};

TEST_F(KeyPadFromPanelTest, AClickedButtonIsRecaptionedOnlyAfterConfirm) {
    std::filesystem::create_directories(folder / "data");
    WriteBytes(folder / "data" / "UserKeyGroud.dat",
               "<67 69 84 >\r\n" + std::string(kUserKeyEndOfFileMarker));
    WriteSetting("English");
    OpenWindow();
    for (const bool confirm : {true, false}) {
        prompter.onDialog = [confirm](QDialog& dialog) {
            const auto* userKeys =
                dialog.findChild<CListCtrl_CellNav*>(ObjectNameFor(ids::kUserKeyList));
            EXPECT_EQ(userKeys->ItemText(0, 1), "LCtrl+LAlt+Delete");
            QTest::mouseClick(dialog.findChild<QPushButton*>(ObjectNameFor(2000 - 1 + kQ)),
                              Qt::LeftButton);
            confirm ? dialog.accept() : dialog.reject();
            return dialog.result();
        };
        QTest::mouseClick(window->KeyButton(kButton), Qt::LeftButton);
        EXPECT_EQ(CaptionOf(kButton), "q");
    }
    EXPECT_EQ(image->buttons[kButton].keyCount[1], 1);

    // A groups file no program wrote (a line of thousands of codes) is said, not hidden.
    WriteBytes(folder / "data" / "UserKeyGroud.dat", "<" + std::string(5000, '7') + " >\r\n");
    prompter.prompts.clear();
    prompter.onDialog = [](QDialog& dialog) {
        EXPECT_EQ(
            dialog.findChild<CListCtrl_CellNav*>(ObjectNameFor(ids::kUserKeyList))->rowCount(), 0);
        return QDialog::Rejected;
    };
    QTest::mouseClick(window->KeyButton(kButton), Qt::LeftButton);
    ASSERT_EQ(prompter.prompts.size(), 2u);
    EXPECT_EQ(prompter.prompts[0].text, "The user key list cannot be read; it is shown empty.");
}

// "CASH" then Enter: one typed line and one click on the button, and the panel shows it.
TEST_F(KeyPadFromPanelTest, TypingCashAndEnterProgramsTheButtonAsThePanelThenShowsIt) {
    WriteSetting("English");
    OpenWindow();
    prompter.onDialog = [](QDialog& dialog) {
        dialog.show();
        auto* line = dialog.findChild<QLineEdit*>(ObjectNameFor(ids::kTypeTextEdit));
        QTest::keyClicks(line, "CASH");
        QTest::keyClick(line, Qt::Key_Return);
        QTest::mouseClick(dialog.findChild<QPushButton*>(ObjectNameFor(ids::kKeyPadConfirm)),
                          Qt::LeftButton);
        return dialog.result();
    };
    QTest::mouseClick(window->KeyButton(kButton), Qt::LeftButton);
    EXPECT_EQ(CaptionOf(kButton), "LShi...");
    EXPECT_EQ(window->KeyButton(kButton)->toolTip(),
              QString("Button %1\nLayer1:LShift+C+A+S+H+LShift+Enter").arg(kButton));
    TriggerAction(ids::kEnChinese);
    EXPECT_EQ(window->KeyButton(kButton)->toolTip(),
              QString("按键 %1\n第1层：LShift+C+A+S+H+LShift+Enter").arg(kButton));
    TriggerAction(ids::kCnEnglish);
    // The whole dialog, typed text and all, is one step of the history.
    TriggerAction(ids::kUndo);
    EXPECT_EQ(CaptionOf(kButton), "");
    TriggerAction(ids::kRedo);
    QTest::mouseMove(window->KeyButton(kButton));
    const auto* info = Find<QTextEdit>(ids::kKeyInfoBox);
    EXPECT_TRUE(WaitUntil([&] {
        return info->toPlainText().trimmed() == "Layer1:LShift+C+A+S+H+LShift+Enter";
    })) << info->toPlainText().toStdString();
}

}  // namespace
}  // namespace tolvane::testing
