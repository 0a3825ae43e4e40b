// UTF-8 source: a special key is found by its Chinese name as a user types it.
#include "tolvane/app/FindInButtons.h"

#include <gtest/gtest.h>

#include <memory>

namespace tolvane {
namespace {

constexpr KeyCode kS = kLeftShift, kF5 = 6, kTwo = 16, kEnter = 54, kMute = 0x9F;

class FindInButtonsTest : public ::testing::Test {
  protected:
    void SetUp() override {
        Store(3, 1, {67, 69, 84});                       // LCtrl+LAlt+Delete
        Store(3, 4, {kF5});                              // F5
        Store(12, 6, {kS, 58, 43, 44, 48, kS, kEnter});  // "CASH" and Enter, not on the panel
        Store(70, 2, {2, kTwo, kF5});                    // F1, 2, F5
        Store(84, 5, {kMute, 11});                       // Mute, F10
    }
    void Store(int button, int layer, std::vector<KeyCode> codes) {
        image->StoreKeyRecord(button, layer, codes);
    }
    // Each hit as "button/layer".
    std::vector<std::string> Found(std::string_view query) const {
        std::vector<std::string> found;
        for (const FindHit& hit : FindInButtons(*image, query)) {
            found.push_back(std::to_string(hit.button) + "/" + std::to_string(hit.layer));
        }
        return found;
    }

    std::unique_ptr<KeyboardImage> image = std::make_unique<KeyboardImage>();
};

TEST_F(FindInButtonsTest, KeyNamesAndTypedTextAreFoundOnEveryLayerOfEveryButton) {
    using Hits = std::vector<std::string>;
    EXPECT_EQ(Found("F5"), (Hits{"3/4", "70/2"}));
    EXPECT_EQ(Found("f5"), (Hits{"3/4", "70/2"}));
    EXPECT_EQ(Found("F1"), (Hits{"70/2"}));  // not F10, F11 or F12
    EXPECT_EQ(Found("LCtrl+LAlt+Delete"), (Hits{"3/1"}));
    EXPECT_EQ(Found("lalt+delete"), (Hits{"3/1"}));
    EXPECT_EQ(Found("LCtrl+Delete"), Hits{});  // the keys must follow one another
    EXPECT_EQ(Found("cash"), (Hits{"12/6"}));
    EXPECT_EQ(Found("Enter"), (Hits{"12/6"}));
    EXPECT_EQ(Found("SH\n"), (Hits{"12/6"}));
    EXPECT_EQ(Found("静音"), (Hits{"84/5"}));
    EXPECT_EQ(Found("mute"), (Hits{"84/5"}));
    EXPECT_EQ(Found("Space"), Hits{});
    EXPECT_EQ(Found(""), Hits{});
    EXPECT_EQ(Found("+"), Hits{});
}

TEST_F(FindInButtonsTest, AHitGivesTheLayersWholeTextAndWhetherThePanelShowsTheButton) {
    const std::vector<FindHit> hits = FindInButtons(*image, "F5");
    ASSERT_EQ(hits.size(), 2u);
    EXPECT_EQ(hits[0], (FindHit{3, 4, "F5", true}));
    EXPECT_EQ(hits[1], (FindHit{70, 2, "F1+2+F5", true}));
    EXPECT_EQ(FindInButtons(*image, "cash"),
              (std::vector<FindHit>{{12, 6, "LShift+C+A+S+H+LShift+Enter", false}}));
}

}  // namespace
}  // namespace tolvane
