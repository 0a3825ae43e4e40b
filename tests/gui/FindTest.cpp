// UTF-8 source: the Chinese texts are checked as the user sees them.
#include <gtest/gtest.h>

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QTest>

#include "gui/model/ResourceIds.h"
#include "gui/qt/app/CFindDlg.h"
#include "gui/qt/widgets/CListCtrl_CellNav.h"
#include "tests/gui/support/GuiFixture.h"

namespace tolvane::testing {
namespace {

namespace ids = gui::ids;
constexpr KeyCode kF5 = 6;

// Find in the main window, opened from its menu, over a programming with F5 on three
// buttons and three layers, one of them a button the panel does not show.
class FindTest : public GuiFixture {
  protected:
    // The window opens on a cleared image; the programming comes after, as from a file.
    void OpenProgrammedWindow(const std::string& setting) {
        WriteSetting(setting);
        OpenWindow();
        for (const auto& [button, layer, codes] :
             {std::tuple{3, 4, std::vector<KeyCode>{kF5}},
              {70, 2, std::vector<KeyCode>{2, 16, kF5}},
              {12, 6, std::vector<KeyCode>{kF5}},
              {40, 1, std::vector<KeyCode>{11}}}) {  // F10 is no F5
            image->StoreKeyRecord(button, layer, codes);
        }
        image->DeriveAllLayerTexts();
    }

    gui::CFindDlg* FindWindow() const {
        return window->findChild<gui::CFindDlg*>(gui::ObjectNameFor(ids::kFindDialog));
    }
    template <typename T>
    T* InFind(int id) const {
        return FindWindow()->findChild<T*>(gui::ObjectNameFor(id));
    }
    gui::CListCtrl_CellNav* HitList() const {
        return InFind<gui::CListCtrl_CellNav>(ids::kFindHitList);
    }
    QStringList HitRows() const {
        QStringList rows;
        for (int row = 0; row < HitList()->rowCount(); ++row) {
            rows << HitList()->ItemText(row, 0) + "|" + HitList()->ItemText(row, 1) + "|" +
                        HitList()->ItemText(row, 2);
        }
        return rows;
    }
    void ClickHit(int row) {
        const QRect cell = HitList()->visualRect(HitList()->model()->index(row, 2));
        QTest::mouseClick(HitList()->viewport(), Qt::LeftButton, {}, cell.center());
    }
    std::vector<int> FramedButtons() const {
        std::vector<int> framed;
        for (int button = 1; button <= ButtonCount; ++button) {
            if (window->KeyButton(button)->IsFound()) {
                framed.push_back(button);
            }
        }
        return framed;
    }
};

TEST_F(FindTest, FindListsEveryLayerThatHoldsTheKeyAndAClickShowsAndFramesIt) {
    OpenProgrammedWindow("English");
    TriggerAction(ids::kFindCommand);
    ASSERT_TRUE(FindWindow() != nullptr && FindWindow()->isVisible());
    EXPECT_EQ(FindWindow()->windowTitle(), "Find");
    QTest::keyClicks(InFind<QLineEdit>(ids::kFindEdit), "f5");
    EXPECT_EQ(HitRows(),
              (QStringList{"3|Layer4|F5", "12 (not on the panel)|Layer6|F5", "70|Layer2|F1+2+F5"}));
    EXPECT_EQ(InFind<QLabel>(ids::kFindCount)->text(), "3 found");

    ClickHit(2);
    EXPECT_EQ(Find<QComboBox>(ids::kLayerSelector)->currentText(), "Layer2");
    EXPECT_EQ(image->selection.currentLayer, 2);
    EXPECT_EQ(CaptionOf(70), "F1+2...");
    EXPECT_EQ(FramedButtons(), std::vector<int>{70});
    QTest::keyClick(HitList(), Qt::Key_Up);  // the arrow keys walk the hits too
    QTest::keyClick(HitList(), Qt::Key_Up);
    EXPECT_EQ(image->selection.currentLayer, 4);
    EXPECT_EQ(FramedButtons(), std::vector<int>{3});

    QTest::keyClicks(InFind<QLineEdit>(ids::kFindEdit), "x");
    EXPECT_TRUE(HitRows().isEmpty());
    EXPECT_EQ(InFind<QLabel>(ids::kFindCount)->text(), "Nothing found");
    FindWindow()->reject();
    EXPECT_TRUE(FramedButtons().empty());
}

TEST_F(FindTest, FindSpeaksTheInterfaceLanguageAndFollowsASwitch) {
    OpenProgrammedWindow("Chinese");
    TriggerAction(ids::kFindCommand);
    QTest::keyClicks(InFind<QLineEdit>(ids::kFindEdit), "F5");
    EXPECT_EQ(FindWindow()->windowTitle(), "查找");
    EXPECT_EQ(HitList()->horizontalHeaderItem(0)->text(), "按键");
    EXPECT_EQ(HitRows().first(), "3|第四层|F5");
    EXPECT_EQ(InFind<QLabel>(ids::kFindCount)->text(), "找到3处");

    TriggerAction(ids::kCnEnglish);
    EXPECT_EQ(FindWindow()->windowTitle(), "Find");
    EXPECT_EQ(HitRows().first(), "3|Layer4|F5");
    TriggerAction(ids::kFindCommand);  // the English menu has it too
    EXPECT_TRUE(FindWindow()->isVisible());
}

TEST_F(FindTest, CtrlFOpensFind) {
    WriteSetting("English");
    OpenWindow();
    window->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
    QTest::keyClick(window.get(), Qt::Key_F, Qt::ControlModifier);
    EXPECT_TRUE(WaitUntil([&] { return FindWindow() != nullptr && FindWindow()->isVisible(); }));
}

}  // namespace
}  // namespace tolvane::testing
