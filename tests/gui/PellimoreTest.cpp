// The card-reader tool's window on the offscreen platform, on the virtual keyboard, with the
// library's reader running: what Update sends, what the sentinel edits take, the plug-in and
// pull-out boxes, and every way the tool ends.
#include <gtest/gtest.h>

#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <functional>
#include <memory>

#include "pellimore/CPellimoreDlg.h"
#include "pellimore/PellimoreIds.h"
#include "tests/gui/support/GuiFixture.h"
#include "tests/support/TraceReports.h"

namespace tolvane::testing {
namespace {

namespace ids = pellimore::ids;
using gui::ObjectNameFor;

class PellimoreTest : public ::testing::Test {
  protected:
    ~PellimoreTest() override { dialog.reset(); }

    void OpenTool() {
        dialog = std::make_unique<pellimore::CPellimoreDlg>();
        dialog->show();
    }

    template <typename T = QWidget>
    T* Find(int id) const {
        return dialog->findChild<T*>(ObjectNameFor(id));
    }
    QLineEdit* Edit(int id) const { return Find<QLineEdit>(id); }
    void Click(int id) { QTest::mouseClick(Find(id), Qt::LeftButton); }

    // Types each character as the keyboard would, also those QTest cannot name a key for.
    static void Type(QWidget* widget, const QString& text) {
        for (const QChar c : text) {
            QKeyEvent press(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, QString(c));
            QKeyEvent release(QEvent::KeyRelease, Qt::Key_unknown, Qt::NoModifier, QString(c));
            QApplication::sendEvent(widget, &press);
            QApplication::sendEvent(widget, &release);
        }
    }

    // The message boxes showing now.
    std::vector<QMessageBox*> Boxes() const {
        std::vector<QMessageBox*> shown;
        for (QMessageBox* box : dialog->findChildren<QMessageBox*>()) {
            if (box->isVisible()) {
                shown.push_back(box);
            }
        }
        return shown;
    }
    // Waits for the one box the keyboard's arrival or removal brings, and says what it said.
    QString WaitForBox() {
        if (!WaitUntil([&] { return !Boxes().empty(); })) {
            return "no box";
        }
        EXPECT_EQ(Boxes().size(), 1u);
        QMessageBox* box = Boxes().front();
        EXPECT_EQ(box->windowTitle(), "Pellimore");
        EXPECT_EQ(box->icon(), QMessageBox::Warning);
        EXPECT_EQ(box->standardButtons(), QMessageBox::Ok);
        return box->text();
    }
    void CloseBox() {
        QTest::mouseClick(Boxes().front()->button(QMessageBox::Ok), Qt::LeftButton);
        ASSERT_TRUE(WaitUntil([&] { return Boxes().empty(); }));
    }

    std::size_t OpenChannels() { return rig.Bus().OpenHandleCount(rig.Keyboard().VendorPath()); }
    std::vector<hidio::Report> ReportsToKeyboard() {
        return ReportsOf(rig.Keyboard().Trace(), hidio::Direction::kHostToDevice);
    }

    gui::VirtualKeyboardRig rig{""};
    std::unique_ptr<pellimore::CPellimoreDlg> dialog;
};

hidio::Report ReportOf(std::initializer_list<std::uint8_t> head,
                       std::initializer_list<std::uint8_t> end = {}) {
    hidio::Report report{};
    std::copy(head.begin(), head.end(), report.begin());
    std::copy(end.begin(), end.end(), report.begin() + 15);  // the end sentinel's count
    return report;
}

TEST_F(PellimoreTest, UpdateSendsOneRecordATrackAsTheWindowShowsIt) {
    OpenTool();
    ASSERT_EQ(WaitForBox(), "Keyboard is plugin");
    CloseBox();
    Click(ids::kTrackBoxes[0]);
    Click(ids::kReturnCodeBoxes[0]);
    QTest::keyClicks(Edit(ids::kStartSentinelEdits[0]), "%");
    QTest::keyClicks(Edit(ids::kEndSentinelEdits[0]), "?");
    QTest::keyClicks(Edit(ids::kStartSentinelEdits[1]), "AB");  // track 2 off: sent all the same
    QTest::keyClicks(Edit(ids::kEndSentinelEdits[1]), "c");
    Click(ids::kTrackBoxes[2]);
    Click(ids::kReturnCodeBoxes[2]);
    Click(ids::kReturnCodeBoxes[2]);  // ticked and cleared again
    Click(ids::kUpdateButton);

    EXPECT_EQ(ReportsToKeyboard(), (std::vector<hidio::Report>{
                                       ReportOf({0, 0xFA, 1, 2, 1, 0x25}, {1, 0x3F}),
                                       ReportOf({0, 0xFA, 2, 0, 2, 'a', 'b'}, {1, 'c'}),
                                       ReportOf({0, 0xFA, 3, 1, 0}, {0}),
                                   }));
}

TEST_F(PellimoreTest, SentinelEditsTakeTenCharactersOfLowerCaseAscii) {
    OpenTool();
    const struct {
        const char* what;
        QString before;
        QString input;
        bool pasted;
        QString after;
    } cases[] = {
        {"upper case typed", "", "AbC", false, "abc"},
        {"an eleventh character", "abcdefghij", "k", false, "abcdefghij"},
        {"0x80 and above typed", "", QString::fromUtf8("a\u00e9\u20acb"), false, "ab"},
        {"pasted", "", QString::fromUtf8("\u00c4B\u20acc\td"), true, "bcd"},
        {"pasted beyond ten", "abcdefgh", "XYZ", true, "abcdefghxy"},
    };
    for (const auto& c : cases) {
        QLineEdit* edit = Edit(ids::kEndSentinelEdits[2]);
        edit->setText(c.before);
        edit->setFocus();
        edit->end(false);
        if (c.pasted) {
            QApplication::clipboard()->setText(c.input);
            edit->paste();
        } else {
            Type(edit, c.input);
        }
        EXPECT_EQ(edit->text(), c.after) << c.what;
    }
}

TEST_F(PellimoreTest, AnnouncesEachArrivalAndRemovalOnceAndUpdateWithoutAKeyboardSaysNothing) {
    rig.PullOut();
    OpenTool();
    Click(ids::kUpdateButton);
    QApplication::processEvents();
    rig.PlugIn();
    EXPECT_EQ(WaitForBox(), "Keyboard is plugin");
    CloseBox();
    rig.PullOut();
    EXPECT_EQ(WaitForBox(), "Keyboard is plugout");
    rig.PlugIn();  // told once the pull-out box is closed
    CloseBox();
    EXPECT_EQ(WaitForBox(), "Keyboard is plugin");
    CloseBox();
    EXPECT_TRUE(ReportsToKeyboard().empty());
}

TEST_F(PellimoreTest, EndsCleanlyInEveryWayReleasingTheKeyboard) {
    // On the control the window starts with: the track 1 box, not a button that would take
    // Enter for itself.
    const auto press = [this](Qt::Key key) {
        return [this, key] {
            ASSERT_EQ(dialog->focusWidget(), Find(ids::kTrackBoxes[0]));
            QTest::keyClick(dialog->focusWidget(), key);
        };
    };
    const struct {
        const char* way;
        std::function<void()> end;  // none: the window goes with the box open
        int result;
    } ways[] = {
        {"Ok", [this] { Click(ids::kOkButton); }, QDialog::Accepted},
        {"Enter", press(Qt::Key_Return), QDialog::Accepted},
        {"Escape", press(Qt::Key_Escape), QDialog::Rejected},
        {"close box", [this] { dialog->close(); }, QDialog::Rejected},
        {"gone with a box open", {}, QDialog::Rejected},
    };
    for (const auto& w : ways) {
        SCOPED_TRACE(w.way);
        rig.PlugIn();
        OpenTool();
        ASSERT_EQ(WaitForBox(), "Keyboard is plugin");
        if (w.end) {
            CloseBox();
            w.end();
            EXPECT_FALSE(dialog->isVisible());
            EXPECT_EQ(dialog->result(), w.result);
        }
        dialog.reset();  // with the reader waiting for the box, in the last way
        EXPECT_EQ(OpenChannels(), 0u);
        rig.PullOut();  // heard by no one
    }
}

TEST_F(PellimoreTest, F1AndTheHelpButtonShowTheAboutBox) {
    OpenTool();
    ASSERT_EQ(WaitForBox(), "Keyboard is plugin");
    CloseBox();
    for (const bool help : {false, true}) {
        if (help) {
            Click(ids::kAboutCommand);
        } else {
            dialog->activateWindow();  // shortcuts go to the active window
            ASSERT_TRUE(QTest::qWaitForWindowActive(dialog.get()));
            QTest::keyClick(Edit(ids::kStartSentinelEdits[0]), Qt::Key_F1);
        }
        QDialog* about = nullptr;
        ASSERT_TRUE(WaitUntil([&] {
            about = Find<QDialog>(ids::kAboutDialog);
            return about != nullptr && about->isVisible();
        })) << help;
        EXPECT_EQ(about->findChild<QLabel*>(ObjectNameFor(ids::kStaticControl))->text(),
                  "Pellimore Version 1.0");
        QTest::mouseClick(about->findChild<QPushButton*>(ObjectNameFor(ids::kAboutOkButton)),
                          Qt::LeftButton);
        ASSERT_TRUE(WaitUntil([&] { return Find<QDialog>(ids::kAboutDialog) == nullptr; }));
    }
}

TEST_F(PellimoreTest, EveryControlIsNamedAndTheCardSitsBetweenTheSentinelColumns) {
    OpenTool();
    EXPECT_EQ(dialog->windowTitle(), "Pellimore");
    for (QWidget* control : dialog->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
        if (qobject_cast<QMessageBox*>(control) == nullptr) {
            EXPECT_FALSE(control->accessibleName().isEmpty())
                << control->objectName().toStdString();
        }
    }
    const QLabel* card = Find<QLabel>(ids::kCardBackPicture);
    EXPECT_EQ(card->pixmap().size(), QSize(313, 198));
    for (std::size_t t = 0; t < 3; ++t) {
        EXPECT_EQ(Edit(ids::kStartSentinelEdits[t])->maxLength(), 10);
        EXPECT_LT(Edit(ids::kStartSentinelEdits[t])->geometry().right(), card->geometry().left());
        EXPECT_GT(Edit(ids::kEndSentinelEdits[t])->geometry().left(), card->geometry().right());
        EXPECT_EQ(Find(ids::kTrackBoxes[t])->layoutDirection(), Qt::RightToLeft);
    }
    EXPECT_TRUE(dialog->rect().contains(Find(ids::kOkButton)->geometry()));
}

}  // namespace
}  // namespace tolvane::testing
