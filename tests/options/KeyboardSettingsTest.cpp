#include "tolvane/options/KeyboardSettings.h"

#include <gtest/gtest.h>

#include <memory>

namespace tolvane {
namespace {

using Bytes = std::array<std::uint8_t, 4>;  // country, repeat, click, scope

class KeyboardSettingsTest : public ::testing::Test {
  protected:
    std::unique_ptr<KeyboardImage> image = std::make_unique<KeyboardImage>();
};

TEST_F(KeyboardSettingsTest, OpensOnTheOptionBytes) {
    struct Case {
        Bytes options;
        bool repeat, sound, scopeEnabled;
        std::optional<SoundScope> scope;
        std::string_view country;
    };
    const std::vector<Case> cases = {
        {{1, 0, 0, 0}, false, false, false, SoundScope::kAllKeys, "USA"},
        {{0, 1, 1, 1}, true, true, true, SoundScope::kProgrammedKeys, "CHN"},
        {{9, 0, 2, 7}, false, true, true, std::nullopt, ""},
    };
    for (const Case& c : cases) {
        image->StoreOptions(c.options);
        const KeyboardSettings settings(*image);
        EXPECT_EQ(
            (std::array{settings.RepeatTicked(), settings.SoundTicked(), settings.ScopeEnabled()}),
            (std::array{c.repeat, c.sound, c.scopeEnabled}));
        EXPECT_EQ(settings.Scope(), c.scope);
        EXPECT_EQ(settings.CountryText(), c.country);
    }
}

TEST_F(KeyboardSettingsTest, SoundAndCountryGoInAtOnceRepeatAndScopeOnlyOnAnAcceptedConfirm) {
    image->StoreOptions({7, 0, 0, 7});
    KeyboardSettings settings(*image);
    settings.SetRepeat(true);
    settings.SetSound(true);
    settings.SelectCountry("FRA");
    EXPECT_EQ(image->OptionBytes(), (Bytes{7, 0, 1, 7}));
    EXPECT_EQ(settings.Confirm(), TextId::kScopeOutOfRange);
    EXPECT_EQ(image->OptionBytes(), (Bytes{7, 0, 1, 7}));

    settings.SelectCountry("CHN");
    settings.SelectScope(SoundScope::kProgrammedKeys);
    settings.SetSound(false);
    EXPECT_FALSE(settings.ScopeEnabled());
    EXPECT_EQ(settings.Confirm(), std::nullopt);
    EXPECT_EQ(image->OptionBytes(), (Bytes{0, 1, 0, 1}));
}

}  // namespace
}  // namespace tolvane
