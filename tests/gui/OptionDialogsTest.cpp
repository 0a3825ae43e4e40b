// UTF-8 source: the Chinese texts are checked as the user sees them.
#include <gtest/gtest.h>

#include <QAccessible>
#include <QAccessibleActionInterface>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QTest>

#include "gui/model/ResourceIds.h"
#include "gui/qt/options/RunOptionDialogs.h"
#include "gui/qt/widgets/CListCtrl_CellNav.h"
#include "tests/gui/support/DialogFixture.h"
#include "tests/gui/support/GuiFixture.h"

namespace tolvane::testing {
namespace {

namespace ids = gui::ids;
using gui::ObjectNameFor;
using Kind = Prompt::Kind;
using Options = std::array<std::uint8_t, 4>;  // country, repeat, click, scope

constexpr KeyCode kOne = 15;

// Runs the card reader and keyboard options dialogs through the main window's commands;
// the test acts inside a dialog while it is open and ends it itself.
class OptionDialogsTest : public DialogFixture {
  protected:
    // Runs a dialog with `act` inside it; a key programming dialog opened from it meets
    // `inKeyDialog`.
    void Run(const std::function<void()>& command, const std::function<void()>& act,
             const std::function<void(QDialog&)>& inKeyDialog = {}) {
        prompter.onDialog = [&](QDialog& shown) {
            if (shown.objectName() == ObjectNameFor(ids::kKeyPadDialog)) {
                shown.show();
                inKeyDialog(shown);
                return shown.result();
            }
            dialog = &shown;
            shown.show();
            act();
            EXPECT_FALSE(shown.isVisible()) << "the test ends the dialog";
            return shown.result();
        };
        command();
        dialog = nullptr;
    }

    const std::function<void()> RunCardReader = [this] {
        gui::RunCardReaderDialog(nullptr, *image, language, locations);
    };
    const std::function<void()> RunKeyboardOptions = [this] {
        gui::RunKeyboardOptionsDialog(nullptr, *image, language);
    };

    QCheckBox* Box(int id) const { return Find<QCheckBox>(id); }
    QString Edit(int id) const { return Find<QLineEdit>(id)->text(); }
    void Click(int id) { QTest::mouseClick(Find(id), Qt::LeftButton, {}, QPoint(6, 6)); }

    // What a screen reader does with a control: its named action, no click.
    void DoAction(int id, const QString& action) {
        QAccessibleInterface* control = QAccessible::queryAccessibleInterface(Find(id));
        ASSERT_TRUE(control != nullptr && control->actionInterface() != nullptr);
        control->actionInterface()->doAction(action);
    }
};

// A check box or radio set through the accessibility interface reaches the dialog's rules as
// a click does: the sound box enables the radios and is kept, a track box switches its row.
TEST_F(OptionDialogsTest, ControlsSetThroughTheAccessibilityInterfaceActAsClicked) {
    for (const std::string setting : {"English", "Chinese"}) {
        UseLanguage(setting);
        image->StoreOptions({1, 0, 0, 0});
        Run(RunKeyboardOptions, [&] {
            ExpectCaptionsInAccessibleNames(*dialog);
            DoAction(ids::kKeySoundBox, QAccessibleActionInterface::toggleAction());
            EXPECT_TRUE(Find(ids::kEncodedKeysRadio)->isEnabled());
            EXPECT_EQ(image->options.keyClick, 1);
            DoAction(ids::kEncodedKeysRadio, QAccessibleActionInterface::pressAction());
            ASSERT_TRUE(
                WaitUntil([&] { return Find<QRadioButton>(ids::kEncodedKeysRadio)->isChecked(); }));
            DoAction(ids::kKeyRepeatBox, QAccessibleActionInterface::toggleAction());
            Click(ids::kKeyboardSetOk);
        });
        EXPECT_EQ(image->OptionBytes(), (Options{1, 1, 1, 1})) << setting;

        Run(RunCardReader, [&] {
            ExpectCaptionsInAccessibleNames(*dialog);
            EXPECT_EQ(Find(ids::kEnterBoxes[2])->accessibleName(),
                      setting == "English" ? "Track 3 Enter Key" : "Track 3 串尾回车");
            DoAction(ids::kTrackBoxes[1], QAccessibleActionInterface::toggleAction());
            EXPECT_FALSE(Find(ids::kPrefixEdits[1])->isEnabled());
            Click(ids::kCardReaderOk);
        });
        EXPECT_EQ(image->tracks[1].enabled, 0) << setting;
        image->tracks[1].enabled = 1;
    }
}

// ---- Card reader settings ----

TEST_F(OptionDialogsTest, CardReaderShowsTheStartUpTracksInBothLanguages) {
    struct Case {
        std::string setting;
        QStringList captions;  // track boxes, Enter box, groups, OK, Cancel
    };
    const std::vector<Case> cases = {
        {"English",
         {"First", "Second", "Third", "Enter Key", "Prefix", "Suffix", "Comfirm", "Cancel"}},
        {"Chinese", {"第一轨", "第二轨", "第三轨", "串尾回车", "前缀", "后缀", "确定", "取消"}},
    };
    for (const Case& c : cases) {
        UseLanguage(c.setting);
        Run(RunCardReader, [&] {
            EXPECT_EQ(dialog->windowTitle(), "Pellimore");
            EXPECT_EQ(
                (QStringList{Box(ids::kTrackBoxes[0])->text(), Box(ids::kTrackBoxes[1])->text(),
                             Box(ids::kTrackBoxes[2])->text(), Box(ids::kEnterBoxes[1])->text(),
                             Find<QGroupBox>(ids::kPrefixGroup)->title(),
                             Find<QGroupBox>(ids::kSuffixGroup)->title(),
                             Find<QPushButton>(ids::kCardReaderOk)->text(),
                             Find<QPushButton>(ids::kCardReaderCancel)->text()}),
                c.captions);
            for (int t = 0; t < TrackCount; ++t) {
                EXPECT_TRUE(Box(ids::kTrackBoxes[t])->isChecked()) << t;
                EXPECT_TRUE(Box(ids::kEnterBoxes[t])->isChecked()) << t;
                const auto* prefix = Find<QLineEdit>(ids::kPrefixEdits[t]);
                EXPECT_EQ(prefix->text(), "?");
                EXPECT_TRUE(prefix->isReadOnly() && prefix->isEnabled());
                EXPECT_EQ(prefix->alignment(), Qt::AlignCenter);
                EXPECT_EQ(Edit(ids::kSuffixEdits[t]), ";");
            }
            const auto* picture = Find<QLabel>(ids::kCardPicture);
            EXPECT_EQ(picture->property("resourceId").toInt(), ids::kCardBackPicture);
            EXPECT_EQ(picture->pixmap().size(), QSize(281, 177));
            for (const QWidget* control : dialog->findChildren<QWidget*>()) {
                if (control->objectName().startsWith("id")) {
                    EXPECT_FALSE(control->accessibleName().isEmpty())
                        << control->objectName().toStdString();
                }
            }
            Click(ids::kCardReaderOk);
        });
    }
    EXPECT_EQ(image->selection.keyDialogForButton, 0);
}

TEST_F(OptionDialogsTest, TrackBoxesSwitchTheirRowAndCancelKeepsEveryChange) {
    image->tracks[1].enabled = 0;
    Run(RunCardReader, [&] {
        EXPECT_FALSE(Box(ids::kTrackBoxes[1])->isChecked() ||
                     Box(ids::kEnterBoxes[1])->isChecked());
        EXPECT_FALSE(Find(ids::kPrefixEdits[1])->isEnabled());
        EXPECT_EQ(Edit(ids::kSuffixEdits[1]), "");

        Click(ids::kTrackBoxes[0]);
        EXPECT_FALSE(Box(ids::kEnterBoxes[0])->isChecked() ||
                     Box(ids::kEnterBoxes[0])->isEnabled());
        EXPECT_EQ(image->TrackEntryOf(0).mode, 0);
        Click(ids::kTrackBoxes[0]);
        EXPECT_TRUE(Box(ids::kEnterBoxes[0])->isChecked() &&
                    Find(ids::kSuffixEdits[0])->isEnabled());
        EXPECT_EQ(image->TrackEntryOf(0).mode, 2);

        Click(ids::kEnterBoxes[2]);
        EXPECT_EQ(image->tracks[2].enterAtEnd, 0u);
        Click(ids::kCardReaderCancel);
    });
    EXPECT_EQ(image->tracks[0].enabled, 1);
    EXPECT_EQ(image->tracks[1].enterAtEnd, 0u);  // cleared at opening
    EXPECT_EQ(image->tracks[2].enterAtEnd, 0u);
}

TEST_F(OptionDialogsTest, DoubleClickOnAnEditProgramsThatPartInTheKeyDialog) {
    const auto click = [](QDialog& keys, int id) {
        QTest::mouseClick(keys.findChild<QPushButton*>(ObjectNameFor(id)), Qt::LeftButton);
    };
    // Delete all, then confirm the empty composition: the prefix is unassigned.
    prompter.onPopUp = [](QMenu& menu) {
        return menu.findChild<QAction*>(ObjectNameFor(ids::kKeyListDeleteAll));
    };
    Run(
        RunCardReader,
        [&] {
            QTest::mouseDClick(Find(ids::kPrefixEdits[0]), Qt::LeftButton);
            EXPECT_EQ(Edit(ids::kPrefixEdits[0]), "");
            Click(ids::kCardReaderOk);
        },
        [&](QDialog& keys) {
            auto* list =
                keys.findChild<gui::CListCtrl_CellNav*>(ObjectNameFor(ids::kKeySettingList));
            QTest::mouseClick(list->viewport(), Qt::RightButton, {},
                              list->visualRect(list->model()->index(0, 1)).center());
            click(keys, ids::kKeyPadConfirm);
        });
    EXPECT_EQ(image->TrackEntryOf(0).prefixShift, 0);
    EXPECT_EQ(image->TrackEntryOf(0).prefixKey, 0);

    // A key, then cancel: the suffix stays; the edits of a track that is off take no clicks.
    image->tracks[2].enabled = 0;
    prompter.prompts.clear();
    Run(
        RunCardReader,
        [&] {
            QTest::mouseDClick(Find(ids::kSuffixEdits[1]), Qt::LeftButton);
            QTest::mouseDClick(Find(ids::kPrefixEdits[2]), Qt::LeftButton);
            EXPECT_EQ(Edit(ids::kSuffixEdits[1]), ";");
            Click(ids::kCardReaderOk);
        },
        [&](QDialog& keys) {
            click(keys, ids::kFirstOnScreenKey - 1 + kOne);
            click(keys, ids::kKeyPadCancel);
        });
    EXPECT_EQ(image->TrackEntryOf(1).suffixKey, 0x34);
    ASSERT_EQ(prompter.prompts.size(), 2u);
    EXPECT_EQ(prompter.prompts[1].text, ObjectNameFor(ids::kKeyPadDialog));
}

// The parts take typing too: a character sets the part at once, Backspace erases it.
TEST_F(OptionDialogsTest, ACharacterTypedIntoAPartEditSetsThePart) {
    image->tracks[2].enabled = 0;
    Run(RunCardReader, [&] {
        QTest::keyClicks(Find(ids::kPrefixEdits[0]), "%");
        EXPECT_EQ(Edit(ids::kPrefixEdits[0]), "%");
        QTest::keyClick(Find(ids::kSuffixEdits[1]), Qt::Key_Backspace);
        EXPECT_EQ(Edit(ids::kSuffixEdits[1]), "");
        QTest::keyClicks(Find(ids::kSuffixEdits[0]), "x");
        EXPECT_EQ(Messages(), QStringList{"“x” cannot be a card prefix or suffix: choose a "
                                          "digit or a symbol."});
        EXPECT_EQ(Edit(ids::kSuffixEdits[0]), ";");
        QTest::keyClicks(Find(ids::kPrefixEdits[2]), "1");  // the track is off
        Click(ids::kCardReaderOk);
    });
    EXPECT_EQ(image->tracks[0].prefixShift, kLeftShift);
    EXPECT_EQ(image->tracks[0].prefixKey, 19);
    EXPECT_EQ(image->tracks[1].suffixKey, 0);
    EXPECT_EQ(image->tracks[2].prefixKey, 0x41);
}

// ---- Keyboard options ----

TEST_F(OptionDialogsTest, KeyboardSetShowsTheStartUpOptionsInBothLanguages) {
    struct Case {
        std::string setting;
        QStringList captions;  // boxes, radios, label, OK, Cancel
    };
    const std::vector<Case> cases = {
        {"English",
         {"Key Batter", "Keystroke sounding", "For all Key", "For Specified Key ", "Country Code",
          "Comfirm", "Cancel"}},
        {"Chinese", {"按键连发", "击键发声", "所有按键", "已编码按键", "国家代码", "确定", "取消"}},
    };
    for (const Case& c : cases) {
        UseLanguage(c.setting);
        Run(RunKeyboardOptions, [&] {
            EXPECT_EQ(dialog->windowTitle(), "Keyboard Set");
            const auto* label = dialog->findChild<QLabel*>("countryCodeLabel");
            EXPECT_EQ((QStringList{Box(ids::kKeyRepeatBox)->text(), Box(ids::kKeySoundBox)->text(),
                                   Find<QRadioButton>(ids::kAllKeysRadio)->text(),
                                   Find<QRadioButton>(ids::kEncodedKeysRadio)->text(),
                                   label->text(), Find<QPushButton>(ids::kKeyboardSetOk)->text(),
                                   Find<QPushButton>(ids::kKeyboardSetCancel)->text()}),
                      c.captions);
            EXPECT_FALSE(Box(ids::kKeyRepeatBox)->isChecked() ||
                         Box(ids::kKeySoundBox)->isChecked());
            EXPECT_TRUE(Find<QRadioButton>(ids::kAllKeysRadio)->isChecked());
            EXPECT_FALSE(Find(ids::kAllKeysRadio)->isEnabled() ||
                         Find(ids::kEncodedKeysRadio)->isEnabled());
            EXPECT_TRUE(label->isVisible());
            EXPECT_EQ(Find<QComboBox>(ids::kCountryCodeList)->currentText(), "USA");
            Click(ids::kKeyboardSetCancel);
        });
    }
}

TEST_F(OptionDialogsTest, KeyboardSetWritesSoundAndCountryAtOnceTheRestOnOk) {
    struct Case {
        const char* what;
        std::function<void()> act;
        Options stored;
    };
    const std::vector<Case> cases = {
        {"sound ticked, cancelled",
         [&] {
             Click(ids::kKeySoundBox);
             EXPECT_TRUE(Find(ids::kEncodedKeysRadio)->isEnabled());
             Click(ids::kKeyboardSetCancel);
         },
         {1, 0, 1, 0}},
        {"repeat ticked, cancelled",
         [&] {
             Click(ids::kKeyRepeatBox);
             Click(ids::kKeyboardSetCancel);
         },
         {1, 0, 0, 0}},
        {"second radio kept while sound is cleared, OK",
         [&] {
             Click(ids::kKeySoundBox);
             Click(ids::kEncodedKeysRadio);
             Click(ids::kKeySoundBox);
             EXPECT_FALSE(Find(ids::kEncodedKeysRadio)->isEnabled());
             EXPECT_TRUE(Find<QRadioButton>(ids::kEncodedKeysRadio)->isChecked());
             Click(ids::kKeyRepeatBox);
             Click(ids::kKeyboardSetOk);
         },
         {1, 1, 0, 1}},
        {"country chosen, cancelled",
         [&] {
             QTest::keyClick(Find(ids::kCountryCodeList), Qt::Key_Up);  // "USA" to "CHN"
             Click(ids::kKeyboardSetCancel);
         },
         {0, 0, 0, 0}},
    };
    for (const Case& c : cases) {
        image->Reset();
        Run(RunKeyboardOptions, c.act);
        EXPECT_EQ(image->OptionBytes(), c.stored) << c.what;
    }

    // A country code without a name shows an empty selection and is kept.
    image->StoreOptions({5, 0, 0, 0});
    Run(RunKeyboardOptions, [&] {
        EXPECT_EQ(Find<QComboBox>(ids::kCountryCodeList)->currentIndex(), -1);
        Click(ids::kKeyboardSetOk);
    });
    EXPECT_EQ(image->options.countryCode, 5);
}

TEST_F(OptionDialogsTest, KeyboardSetRefusesAScopeOutsideTheRadios) {
    const std::vector<std::pair<std::string, QString>> cases = {
        {"English", "请输入一个 0 至 1 之间的整数。"},
        {"Chinese", "请输入一个 0 至 1 之间的整数。"},
    };
    for (const auto& [setting, message] : cases) {
        UseLanguage(setting);
        image->StoreOptions({1, 0, 0, 7});
        prompter.prompts.clear();
        Run(RunKeyboardOptions, [&] {
            Click(ids::kKeyRepeatBox);
            Click(ids::kKeyboardSetOk);
            EXPECT_EQ(Messages(), QStringList{message});
            EXPECT_EQ(prompter.prompts.back().icon, gui::PromptIcon::kWarning);
            EXPECT_TRUE(dialog->isVisible());
            EXPECT_EQ(image->OptionBytes(), (Options{1, 0, 0, 7}));

            Click(ids::kKeySoundBox);
            Click(ids::kAllKeysRadio);
            Click(ids::kKeyboardSetOk);
        });
        EXPECT_EQ(image->OptionBytes(), (Options{1, 1, 1, 0}));
    }
}

}  // namespace
}  // namespace tolvane::testing
