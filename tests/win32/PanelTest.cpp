// UTF-8 source: hover texts and menu items are checked as the user sees them.
// The Windows button panel: layer selection, hover text through the global hit test, the
// context menu and its layer submenu, undo and redo, and the owner-drawn looks.
#include "gui/model/ButtonLook.h"
#include "gui/model/ResourceIds.h"
#include "tests/win32/support/WindowFixture.h"

namespace tolvane::testing {
namespace {

namespace ids = gui::ids;

class PanelTest : public WindowFixture {
  protected:
    HWND Button(int button) const { return window_->KeyButton(button); }
    std::wstring KeyInfo() const { return WindowText(window_->Control(ids::kKeyInfoBox)); }
    void SelectLayer(int layer) {
        const HWND selector = window_->Control(ids::kLayerSelector);
        ::SendMessageW(selector, CB_SETCURSEL, static_cast<WPARAM>(layer - 1), 0);
        ::SendMessageW(window_->Window(), WM_COMMAND,
                       MAKEWPARAM(ids::kLayerSelector, CBN_SELCHANGE),
                       reinterpret_cast<LPARAM>(selector));
        Pump();
    }
    // The colour at a point of a button as the screen shows it.
    COLORREF PixelOf(int button, int x, int y) { return ScreenPixel(Button(button), x, y); }
};

TEST_F(PanelTest, ContextMenuMakesALayerKeyAndDeletesWithUndoAndRedo) {
    prompter_.popUpAnswers = {ids::kContextButtonLayerSet, ids::kContextFirstLayer + 3};
    RightClick(Button(1));
    ASSERT_GE(prompter_.prompts.size(), 2U);
    EXPECT_EQ(prompter_.prompts[0].text.substr(0, 5), L"删除本层\n");
    EXPECT_EQ(prompter_.prompts[1].text.substr(0, 4), L"第一层\n");
    for (int layer = 1; layer <= LayerCount; ++layer) {
        EXPECT_EQ(image_->buttons[1].keyCodes[static_cast<std::size_t>(layer)][0], 0x6F) << layer;
    }
    EXPECT_EQ(WindowText(Button(1)), L"L4");
    MoveOver(Button(1));
    EXPECT_EQ(KeyInfo(), L"Layer4");

    prompter_.popUpAnswers = {ids::kContextDeleteCurrentLayer};
    RightClick(Button(1));
    EXPECT_EQ(WindowText(Button(1)), L"");
    EXPECT_EQ(image_->buttons[1].keyCount[3], 0);  // a layer key's six layers all go

    Command(ids::kUndo);
    EXPECT_EQ(WindowText(Button(1)), L"L4");
    wchar_t redo[128] = {};
    ::GetMenuStringW(window_->AttachedMenu(), ids::kRedo, redo, 128, MF_BYCOMMAND);
    EXPECT_NE(std::wstring(redo).find(L"删除本层"), std::wstring::npos) << redo;
    Command(ids::kRedo);
    EXPECT_EQ(WindowText(Button(1)), L"");
    // A dismissed layer submenu gives no code from outside the six.
    prompter_.popUpAnswers = {ids::kContextButtonLayerSet, 0};
    RightClick(Button(2));
    EXPECT_EQ(image_->buttons[2].keyCodes[1][0], 0);
}

TEST_F(PanelTest, HoverNamesEveryLayerAndLayerSelectionRecaptions) {
    prompter_.popUpAnswers = {ids::kContextButtonLayerSet, ids::kContextFirstLayer + 2};
    RightClick(Button(7));
    MoveOver(Button(7));
    EXPECT_EQ(KeyInfo(), L"Layer3");
    EXPECT_EQ(window_->HotButton(), 7);
    // Over a hidden button under the information box: its layers, but no hot look.
    MoveOver(window_->Control(ids::kKeyInfoBox));
    const int under = window_->HotButton();
    EXPECT_EQ(under, 0);
    MoveOver(window_->Control(ids::kLayerGroup));
    EXPECT_EQ(KeyInfo(), L"");
    EXPECT_EQ(window_->HotButton(), 0);

    SelectLayer(3);
    EXPECT_EQ(window_->PictureShown(ids::kLayerPicture), ids::kLayer3Picture);
    EXPECT_EQ(image_->selection.currentLayer, 3);
    EXPECT_EQ(WindowText(Button(7)), L"L3");
    SelectLayer(1);
}

TEST_F(PanelTest, ButtonsDrawTheGradientAndTheHotRing) {
    const auto looksLike = [](COLORREF actual, gui::Rgb expected) {
        return std::abs(GetRValue(actual) - expected.red) +
                   std::abs(GetGValue(actual) - expected.green) +
                   std::abs(GetBValue(actual) - expected.blue) <
               40;
    };
    RECT place{};
    ::GetClientRect(Button(1), &place);
    const int height = place.bottom;
    // At rest: white above, blue below.
    EXPECT_TRUE(looksLike(PixelOf(1, place.right / 2, 3), gui::kButtonGradientLight));
    EXPECT_TRUE(looksLike(PixelOf(1, place.right / 2, height - 3), gui::kButtonGradientDark));
    MoveOver(Button(1));
    // Hot: the orange ring inside the border.
    EXPECT_TRUE(looksLike(PixelOf(1, 2, height - 3), gui::kButtonHotColour));
    SaveScreenshot(window_->Window(), "win32-panel-hot-zh");
}

}  // namespace
}  // namespace tolvane::testing
