// UTF-8 source: menu texts are checked as the user sees them.
#include <gtest/gtest.h>

#include <cmath>
#include <map>
#include <memory>
#include <set>

#include "examples/TillLayout.h"
#include "gui/kit/DialogUnits.h"
#include "gui/model/ButtonMenuEdits.h"
#include "gui/model/CommandTable.h"
#include "gui/model/FindWindow.h"
#include "gui/model/KeyPadLayout.h"
#include "gui/model/LegendDialogsLayout.h"
#include "gui/model/LegendExport.h"
#include "gui/model/MainWindowLayout.h"
#include "gui/model/OptionDialogsLayout.h"
#include "gui/model/ProgressRules.h"
#include "gui/model/ResourceIds.h"
#include "gui/model/Shortcuts.h"

namespace tolvane::gui {
namespace {

bool Inside(const DialogRect& inner, const DialogRect& outer) {
    return inner.x >= outer.x && inner.y >= outer.y &&
           inner.x + inner.width <= outer.x + outer.width &&
           inner.y + inner.height <= outer.y + outer.height;
}

TEST(CommandTableTest, EveryMenuItemAndToolbarButtonRunsACommand) {
    for (const InterfaceLanguage language :
         {InterfaceLanguage::kChinese, InterfaceLanguage::kEnglish}) {
        for (const MenuPopup& popup : MainMenu(language)) {
            for (const MenuItem& item : popup.items) {
                EXPECT_TRUE(item.id == 0 || CommandFor(item.id)) << item.id;
            }
        }
        ASSERT_EQ(MainToolbar(language).size(), static_cast<std::size_t>(kToolbarButtonCount));
        for (const ToolbarButton& button : MainToolbar(language)) {
            EXPECT_TRUE(CommandFor(button.id)) << button.id;
        }
    }
    const std::set<int> unique(KnownCommandIds().begin(), KnownCommandIds().end());
    EXPECT_EQ(unique.size(), KnownCommandIds().size());
    EXPECT_FALSE(CommandFor(2000));
}

TEST(CommandTableTest, NumbersOfBothLanguagesLeadToTheSameCommands) {
    using namespace ids;
    struct Case {
        int id;
        Command command;
    };
    for (const Case& c : std::initializer_list<Case>{
             {kCnSaveAs, Command::kSave},
             {kEnSaveAs, Command::kSave},
             {kEnToolOpen, Command::kOpen},
             {kCnToolNew, Command::kNew},
             {kEnToolCard, Command::kCardReaderSettings},
             {kCnKeyboardSettings, Command::kKeyboardSettings},
             {kCnEnglish, Command::kSwitchToEnglish},
             {kEnChinese, Command::kSwitchToChinese},
             {kCnChinese, Command::kNothing},
             {kEnEnglish, Command::kNothing},
             {kSystemAbout, Command::kAbout},
             {kEnToolHelp, Command::kUserManual},
             {kCnToolQuit, Command::kQuit},
         }) {
        EXPECT_EQ(CommandFor(c.id), c.command) << c.id;
    }
    EXPECT_EQ(MainMenu(InterfaceLanguage::kChinese)[0].items[0].text, "打开(&O)...\tCtrl+O");
    EXPECT_EQ(MainMenu(InterfaceLanguage::kEnglish)[2].title, "KeyBoardSet(&S)");
    EXPECT_EQ(MenuPopupTitle(MainMenu(InterfaceLanguage::kChinese)[1], InterfaceLanguage::kChinese),
              "编辑(&E)");
    EXPECT_EQ(
        ToolbarLabel(MainToolbar(InterfaceLanguage::kChinese)[9], InterfaceLanguage::kChinese),
        "重做");
    EXPECT_EQ(MainToolbar(InterfaceLanguage::kChinese)[3].label, "写键盘");
}

TEST(DialogUnitsTest, ConvertsCornersWithTheFontsBaseUnits) {
    // The letters of a font averaging 6.5 pixels round up to 7.
    EXPECT_EQ(BaseUnitsFromFont(338, 15).x, 7);
    EXPECT_EQ(BaseUnitsFromFont(312, 15).x, 6);
    const DialogUnitConverter converter({7, 15});
    EXPECT_EQ(converter.X(442), 774);  // 773.5 rounds away from zero
    EXPECT_EQ(converter.Y(275), 516);
    EXPECT_EQ(converter.ToPixels({14, 57, 29, 29}), (PixelRect{25, 107, 50, 54}));
}

TEST(MainWindowLayoutTest, ButtonsSitWhereTheKeysAreOnTheKeyboard) {
    struct Case {
        int button;
        int x;
        int y;
        bool shown;
    };
    for (const Case& c : std::initializer_list<Case>{
             {1, 397, 57, true},    // right end of the top row
             {67, 14, 57, true},    // left end of the top row
             {68, 14, 91, true},    // second row, one unit lower on the left
             {32, 223, 90, true},   // second row further right
             {34, 223, 158, true},  // fourth row, column x = 223 is one unit lower
             {46, 153, 158, true},  // fourth row, left five columns
             {40, 188, 157, true},
             {28, 257, 157, true},
             {3, 397, 192, true},
             {79, 345, 40, true},  // the small keys' arc
             {84, 345, 4, true},
         }) {
        const DialogRect place = KeyButtonPlace(c.button);
        EXPECT_EQ(place.x, c.x) << c.button;
        EXPECT_EQ(place.y, c.y) << c.button;
        EXPECT_EQ(IsKeyButtonShown(c.button), c.shown) << c.button;
    }
    // The eighteen unshown buttons lie under the key information box.
    int unshown = 0;
    for (int button = 1; button <= 84; ++button) {
        if (!IsKeyButtonShown(button)) {
            ++unshown;
            const DialogRect place = KeyButtonPlace(button);
            EXPECT_GE(place.y, 234);
            EXPECT_LE(place.y + place.height, 271);
            EXPECT_GE(place.x, 12);
            EXPECT_LE(place.x + place.width, 426);
        }
    }
    EXPECT_EQ(unshown, 18);
}

bool Overlap(const DialogRect& a, const DialogRect& b) {
    return a.x < b.x + b.width && b.x < a.x + a.width && a.y < b.y + b.height &&
           b.y < a.y + a.height;
}

TEST(KeyPadLayoutTest, EveryOnScreenKeySitsInsideTheDialogWithoutOverlap) {
    int listsTop = 0;
    for (const ControlPlace& place : KeyPadControls()) {
        if (place.id == ids::kKeySettingGroup) {
            listsTop = place.rect.y;
        }
    }
    for (int code = 1; code <= 108; ++code) {
        const DialogRect key = OnScreenKeyPlace(static_cast<KeyCode>(code));
        EXPECT_FALSE(OnScreenKeyCaption(static_cast<KeyCode>(code)).empty()) << code;
        EXPECT_GT(key.width, 0) << code;
        EXPECT_GE(key.x, 0) << code;
        EXPECT_LE(key.x + key.width, kKeyPadClient.width) << code;
        EXPECT_LE(key.y + key.height, listsTop) << code;
        for (int other = 1; other < code; ++other) {
            EXPECT_FALSE(Overlap(key, OnScreenKeyPlace(static_cast<KeyCode>(other))))
                << code << " and " << other;
        }
    }
    EXPECT_EQ(OnScreenKeyPlace(106).height, 2 * OnScreenKeyPlace(105).height + 2);  // tall "+"
    EXPECT_EQ(OnScreenKeyPlace(103).width, 2 * OnScreenKeyPlace(104).width + 2);    // wide "0"
    EXPECT_EQ(OnScreenKeyPlace(109).width, 0);
}

TEST(OptionDialogsLayoutTest, ControlsSitInsideTheirDialogsAndEditsInTheirGroups) {
    std::map<int, DialogRect> card;
    for (const ControlPlace& place : CardReaderControls()) {
        EXPECT_TRUE(Inside(place.rect, kCardReaderClient)) << place.id;
        card[place.id] = place.rect;
    }
    for (std::size_t t = 0; t < 3; ++t) {
        EXPECT_TRUE(Inside(card[ids::kPrefixEdits[t]], card[ids::kPrefixGroup])) << t;
        EXPECT_TRUE(Inside(card[ids::kSuffixEdits[t]], card[ids::kSuffixGroup])) << t;
        EXPECT_LT(card[ids::kTrackBoxes[t]].x + card[ids::kTrackBoxes[t]].width,
                  card[ids::kPrefixGroup].x);
        EXPECT_GT(card[ids::kEnterBoxes[t]].x,
                  card[ids::kSuffixGroup].x + card[ids::kSuffixGroup].width);
    }
    EXPECT_LT(card[ids::kCardPicture].y + card[ids::kCardPicture].height,
              card[ids::kPrefixGroup].y);
    for (const ControlPlace& place : KeyboardSetControls()) {
        // The country list's height is that of its drop-down part.
        EXPECT_TRUE(place.id == ids::kCountryCodeList || Inside(place.rect, kKeyboardSetClient))
            << place.id;
    }
}

TEST(ProgressRulesTest, TitleCarriesTheWholePercentage) {
    EXPECT_EQ(ProgressPercent(252, 0, 504), 50);
    EXPECT_EQ(ProgressPercent(503, 0, 504), 99);
    EXPECT_EQ(ProgressPercent(5, 3, 3), 0);
    EXPECT_EQ(ProgressTitle("正在传送...", 50), "正在传送... [50%]");
}

TEST(ProgressRulesTest, OpensAtTheSavedPlaceOnlyWhenItIsOnAScreen) {
    const std::vector<PixelRect> screens = {{0, 0, 1920, 1080}, {1920, 0, 1280, 1024}};
    const PixelRect owner{100, 100, 800, 600};
    const ScreenPoint centred{100 + (800 - 380) / 2, 100 + (600 - 120) / 2};
    EXPECT_EQ(ProgressWindowPlace(ScreenPoint{2000, 50}, screens, owner, 380, 120),
              (ScreenPoint{2000, 50}));
    EXPECT_EQ(ProgressWindowPlace(std::nullopt, screens, owner, 380, 120), centred);
    EXPECT_EQ(ProgressWindowPlace(ScreenPoint{3300, 50}, screens, owner, 380, 120), centred);
    EXPECT_EQ(ProgressWindowPlace(ScreenPoint{50, 1100}, screens, owner, 380, 120), centred);
}

TEST(LegendExportTest, TheDialogStartsWithTheLayersThatHoldKeysAndTheRememberedChoices) {
    auto image = std::make_unique<KeyboardImage>();
    examples::BuildTillLayout(*image);
    auto labels = std::make_unique<LegendLabels>();
    labels->Set(40, 5, "MANAGER");
    const auto chosen = [](const LegendExportChoices& choices) {
        std::vector<int> layers;
        for (int layer = 1; layer <= LayerCount; ++layer) {
            if (choices.layers[static_cast<std::size_t>(layer)]) {
                layers.push_back(layer);
            }
        }
        return layers;
    };
    const LegendExportChoices fresh = InitialLegendChoices(*image, *labels, {}, Paper::kLetter);
    EXPECT_EQ(chosen(fresh), (std::vector<int>{1, 2, 5}));
    EXPECT_EQ(fresh.paper, Paper::kLetter);
    EXPECT_EQ(fresh.keyPitchMm, kDefaultKeyPitchMm);
    EXPECT_TRUE(fresh.useLabels);
    EXPECT_EQ(LegendOptionsOf(fresh, "till.dat", "", InterfaceLanguage::kEnglish).layers,
              (std::vector<int>{1, 2, 5}));

    // Labels off: a layer with labels alone is empty.
    const LegendExportChoices remembered = InitialLegendChoices(
        *image, *labels, ToRemember({{}, Paper::kA4, 55, false}), Paper::kLetter);
    EXPECT_EQ(chosen(remembered), (std::vector<int>{1, 2}));
    EXPECT_EQ(remembered.paper, Paper::kA4);
    EXPECT_EQ(remembered.keyPitchMm, kLargestKeyPitchMm);
    EXPECT_FALSE(remembered.useLabels);
    const LegendExportChoices odd =
        InitialLegendChoices(*image, *labels, {"B5", std::nan(""), {}}, Paper::kA4);
    EXPECT_EQ(odd.paper, Paper::kA4);
    EXPECT_EQ(odd.keyPitchMm, kDefaultKeyPitchMm);

    EXPECT_EQ(LayerChoiceCaption(*image, *labels, 1, true, InterfaceLanguage::kEnglish), "Layer1");
    EXPECT_EQ(LayerChoiceCaption(*image, *labels, 3, true, InterfaceLanguage::kEnglish),
              "Layer3 (empty)");
    EXPECT_EQ(LayerChoiceCaption(*image, *labels, 5, false, InterfaceLanguage::kChinese),
              "Layer5（空）");
}

TEST(LegendDialogsLayoutTest, ControlsSitInsideTheirDialogsAndTheLayerBoxesInTheirGroup) {
    for (const ControlPlace& place : LegendLabelControls()) {
        EXPECT_TRUE(Inside(place.rect, kLegendLabelClient)) << place.id;
    }
    std::map<int, DialogRect> sheets;
    for (const ControlPlace& place : LegendExportControls()) {
        EXPECT_TRUE(place.id == ids::kLegendPaperList || Inside(place.rect, kLegendExportClient))
            << place.id;
        sheets[place.id] = place.rect;
    }
    EXPECT_EQ(sheets.size(), LegendExportControls().size());
    for (const int box : ids::kLegendLayerBoxes) {
        EXPECT_TRUE(Inside(sheets.at(box), sheets.at(ids::kLegendLayersGroup))) << box;
    }
    for (const int id : {ids::kLegendPreview, ids::kLegendPreviousPage, ids::kLegendNextPage,
                         ids::kLegendPageText}) {
        EXPECT_TRUE(Inside(sheets.at(id), sheets.at(ids::kLegendPreviewGroup))) << id;
    }
}

TEST(CommandTableTest, TheButtonMenuAndTheViewOptionComeFromTheTable) {
    const std::span<const MenuItem> items = ButtonContextMenu();
    ASSERT_EQ(items.size(), 4u);
    EXPECT_EQ(items[0].id, ids::kContextDeleteCurrentLayer);
    EXPECT_EQ(MenuItemText(items[3], InterfaceLanguage::kEnglish), "Legend label...");
    EXPECT_EQ(MenuItemText(items[3], InterfaceLanguage::kChinese), "键帽标签...");
    for (const InterfaceLanguage language :
         {InterfaceLanguage::kChinese, InterfaceLanguage::kEnglish}) {
        const MenuPopup& view = MainMenu(language)[3];
        EXPECT_EQ(MenuPopupTitle(view, language), Text(TextId::kMenuView, language));
        EXPECT_TRUE(view.items[0].toggle);
        EXPECT_EQ(CommandFor(view.items[0].id), Command::kToggleLegendLabels);
        EXPECT_TRUE(view.items[1].toggle);
        EXPECT_EQ(CommandFor(view.items[1].id), Command::kToggleButtonNumbers);
        EXPECT_EQ(CommandFor(MainMenu(language)[2].items.back().id), Command::kUnshownButtons);
    }
}

// The button menu's edits change the image and name their undo step; the layer submenu's
// entries give the layer keys, and only "Button Layer Set" asks for one.
TEST(ButtonMenuEditsTest, EachEditChangesTheImageAndNamesItsStep) {
    EXPECT_EQ(LayerKeyOfEntry(ids::kContextFirstLayer), 0x6C);
    EXPECT_EQ(LayerKeyOfEntry(ids::kContextFirstLayer + 5), 0x71);
    EXPECT_EQ(LayerKeyOfEntry(0), 0);
    auto owned = std::make_unique<KeyboardImage>();  // too large for the stack
    KeyboardImage& image = *owned;
    int asked = 0;
    const auto chooseLayer2 = [&] { return ++asked, ids::kContextFirstLayer + 1; };
    const auto layerSet = ApplyButtonMenuEdit(image, 67, ids::kContextButtonLayerSet, chooseLayer2);
    ASSERT_TRUE(layerSet.has_value());
    EXPECT_EQ(layerSet->step, EditStep::kButtonLayerSet);
    EXPECT_FALSE(image.buttons[67].Codes(1).empty());
    const auto cleared = ApplyButtonMenuEdit(image, 67, ids::kContextDeleteAllLayers, chooseLayer2);
    ASSERT_TRUE(cleared.has_value());
    EXPECT_EQ(cleared->step, EditStep::kDeleteAllLayers);
    EXPECT_TRUE(image.buttons[67].Codes(1).empty());
    EXPECT_FALSE(ApplyButtonMenuEdit(image, 67, ids::kContextPaste, chooseLayer2).has_value());
    EXPECT_EQ(asked, 1);
}

// The arrow keys follow the panel as it is drawn: along the rows of the grid, between rows in
// a column, up from the grid's right columns to the small keys by the dial, and not off the
// panel's edges.
TEST(MainWindowLayoutTest, ArrowKeysMoveToTheNearestShownButtonInTheirDirection) {
    struct Case {
        int from;
        PanelDirection direction;
        int to;
    };
    using enum PanelDirection;
    const std::vector<Case> cases = {
        {67, kRight, 61}, {61, kLeft, 67}, {67, kLeft, 67}, {67, kUp, 67},
        {67, kDown, 68},  {68, kDown, 71}, {69, kDown, 69}, {1, kRight, 1},
        {1, kLeft, 7},    {2, kUp, 1},     {7, kUp, 79},    {79, kDown, 13},
        {79, kUp, 84},    {84, kLeft, 83}, {83, kDown, 80}, {6, kRight, 6},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(NeighbourKeyButton(c.from, c.direction), c.to)
            << c.from << " " << static_cast<int>(c.direction);
    }
    for (int button = 1; button <= 84; ++button) {
        for (const PanelDirection direction : {kLeft, kRight, kUp, kDown}) {
            EXPECT_EQ(IsKeyButtonShown(NeighbourKeyButton(button, direction)),
                      IsKeyButtonShown(button));
        }
    }
}

// ---- Faster key entry ----

TEST(KeyPadLayoutTest, TheEntryBandSitsInsideTheDialogUnderTheControlsItAddsTo) {
    const auto entry = KeyPadEntryControls();
    for (const ControlPlace& place : entry) {
        EXPECT_LE(place.rect.x + place.rect.width, kKeyPadClient.width) << place.id;
        EXPECT_LE(place.rect.y + place.rect.height, kKeyPadClient.height) << place.id;
        for (const ControlPlace& old : KeyPadControls()) {
            EXPECT_FALSE(Overlap(place.rect, old.rect)) << place.id << " and " << old.id;
        }
        for (const ControlPlace& other : entry) {
            EXPECT_TRUE(&other == &place || !Overlap(place.rect, other.rect)) << place.id;
        }
    }
}

TEST(FindWindowTest, FindIsInTheEditMenuWithCtrlFAndSaysItsHitsInBothLanguages) {
    for (const InterfaceLanguage language :
         {InterfaceLanguage::kChinese, InterfaceLanguage::kEnglish}) {
        const MenuPopup& edit = MainMenu(language)[1];
        EXPECT_EQ(edit.tableTitle, TextId::kMenuEdit);
        EXPECT_EQ(edit.items.back().id, ids::kFindCommand);
    }
    EXPECT_EQ(CommandFor(ids::kFindCommand), Command::kFind);
    EXPECT_EQ(ShortcutLabel(Command::kFind), "Ctrl+F");

    const FindHit hidden{12, 6, "LShift+C+A+S+H+LShift+Enter", false};
    EXPECT_EQ(FindHitRow(hidden, InterfaceLanguage::kEnglish),
              (std::array<std::string, 3>{"12 (not on the panel)", "Layer6", hidden.text}));
    EXPECT_EQ(FindHitRow({3, 4, "F5", true}, InterfaceLanguage::kChinese),
              (std::array<std::string, 3>{"3", "第四层", "F5"}));
    EXPECT_EQ(FindCountText(3, false, InterfaceLanguage::kChinese), "找到3处");
    EXPECT_EQ(FindCountText(0, false, InterfaceLanguage::kEnglish), "Nothing found");
    EXPECT_EQ(FindCountText(0, true, InterfaceLanguage::kEnglish), "");
    for (const ControlPlace& place : FindControls()) {
        EXPECT_LE(place.rect.x + place.rect.width, kFindClient.width) << place.id;
        EXPECT_LE(place.rect.y + place.rect.height, kFindClient.height) << place.id;
    }
}

}  // namespace
}  // namespace tolvane::gui
