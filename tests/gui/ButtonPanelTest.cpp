// The button panel in the main window: layers, hover text through real pointer moves, the
// context menu through real right clicks.
#include <QComboBox>
#include <QTextEdit>

#include "gui/model/ResourceIds.h"
#include "tests/gui/support/GuiFixture.h"

namespace tolvane::testing {
namespace {

QString NameOf(KeyCode code) {
    return QString::fromStdString(KeyName(code, false));
}

class ButtonPanelTest : public GuiFixture {
  protected:
    void SetUp() override {
        WriteSetting("English");
        OpenWindow();
    }

    void Assign(int button, int layer, std::vector<KeyCode> codes) {
        ASSERT_TRUE(image->StoreKeyRecord(button, layer, codes));
        image->DeriveLayerTexts(button, layer);
    }

    QString InfoText() const { return Find<QTextEdit>(gui::ids::kKeyInfoBox)->toPlainText(); }
};

TEST_F(ButtonPanelTest, ChoosingALayerShowsItsDialAndRecaptionsEveryButton) {
    Assign(1, 3, {0x04});
    Assign(2, 1, {0x05});
    Find<QComboBox>(gui::ids::kLayerSelector)->setCurrentText("Layer3");
    EXPECT_EQ(PictureShown(gui::ids::kLayerPicture), gui::ids::kLayer3Picture);
    EXPECT_EQ(image->selection.currentLayer, 3);
    EXPECT_EQ(CaptionOf(1), NameOf(0x04));
    EXPECT_TRUE(CaptionOf(2).isEmpty());
    Find<QComboBox>(gui::ids::kLayerSelector)->setCurrentText("Layer1");
    EXPECT_EQ(PictureShown(gui::ids::kLayerPicture), gui::ids::kLayer1Picture);
    EXPECT_EQ(CaptionOf(2), NameOf(0x05));
}

TEST_F(ButtonPanelTest, PointerMovesShowTheButtonUnderThePointer) {
    Assign(5, 1, {0x04});
    Assign(5, 2, {0x05});
    Assign(6, 4, {0x06});  // a button the panel never shows, under the information box
    QTest::mouseMove(window->KeyButton(5));
    EXPECT_TRUE(WaitUntil([&] { return InfoText().startsWith("Layer1:"); }));
    EXPECT_TRUE(InfoText().contains("Layer2:"));

    auto* info = Find<QTextEdit>(gui::ids::kKeyInfoBox);
    const QPoint hiddenCentre = window->KeyButton(6)->mapToGlobal(QPoint(13, 13));
    ASSERT_EQ(window->ButtonAt(hiddenCentre), 6);
    QTest::mouseMove(info->viewport(), info->viewport()->mapFromGlobal(hiddenCentre));
    EXPECT_TRUE(WaitUntil([&] { return InfoText().startsWith("Layer4:"); }));

    QTest::mouseMove(window.get(), QPoint(3, window->height() - 3));
    EXPECT_TRUE(WaitUntil([&] { return InfoText().isEmpty(); }));
}

TEST_F(ButtonPanelTest, RightClickMakesALayerKeyOrChangesNothingWhenDismissed) {
    Assign(8, 1, {0x04});
    gui::CXPButton* key = window->KeyButton(8);
    key->setText(NameOf(0x04));
    AnswerMenus({gui::ids::kContextButtonLayerSet, 0});
    QTest::mouseClick(key, Qt::RightButton);
    EXPECT_EQ(image->buttons[8].keyCodes[1][0], 0x04);
    EXPECT_EQ(image->buttons[8].keyCount[2], 0);
    EXPECT_EQ(CaptionOf(8), NameOf(0x04));

    AnswerMenus({gui::ids::kContextButtonLayerSet, gui::ids::kContextFirstLayer + 3});
    QTest::mouseClick(key, Qt::RightButton);
    EXPECT_EQ(image->buttons[8].keyCodes[6][0], 0x6F);
    EXPECT_EQ(CaptionOf(8), "L4");
    ASSERT_GE(prompter.prompts.size(), 4u);
    EXPECT_EQ(prompter.prompts[0].kind, Prompt::Kind::kPopUp);

    AnswerMenus({gui::ids::kContextDeleteCurrentLayer});
    QTest::mouseClick(key, Qt::RightButton);
    EXPECT_EQ(image->buttons[8].keyCount[6], 0);
    EXPECT_TRUE(CaptionOf(8).isEmpty());

    // Off every button no menu opens.
    prompter.prompts.clear();
    QTest::mouseClick(window.get(), Qt::RightButton, {}, QPoint(3, window->height() - 3));
    EXPECT_TRUE(prompter.prompts.empty());
}

}  // namespace
}  // namespace tolvane::testing
