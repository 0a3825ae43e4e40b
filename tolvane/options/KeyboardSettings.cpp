#include "tolvane/options/KeyboardSettings.h"

namespace tolvane {

namespace {

// Indexed by the country code.
constexpr std::array<std::string_view, 2> kCountryNames = {"CHN", "USA"};

std::optional<SoundScope> ScopeOf(std::uint8_t value) {
    switch (value) {
        case static_cast<std::uint8_t>(SoundScope::kAllKeys):
            return SoundScope::kAllKeys;
        case static_cast<std::uint8_t>(SoundScope::kProgrammedKeys):
            return SoundScope::kProgrammedKeys;
        default:
            return std::nullopt;
    }
}

}  // namespace

std::string_view CountryName(std::uint8_t countryCode) {
    return countryCode < kCountryNames.size() ? kCountryNames[countryCode] : std::string_view{};
}

KeyboardSettings::KeyboardSettings(KeyboardImage& image)
    : image_(image),
      repeatTicked_(image.options.autoRepeat != 0),
      soundTicked_(image.options.keyClick != 0),
      // Only a clear sound byte takes the radios away.
      scopeEnabled_(image.options.keyClick != 0),
      scope_(ScopeOf(image.options.keyClickScope)) {}

std::string_view KeyboardSettings::CountryText() const {
    return CountryName(image_.options.countryCode);
}

void KeyboardSettings::SetSound(bool ticked) {
    soundTicked_ = ticked;
    scopeEnabled_ = ticked;
    image_.options.keyClick = ticked ? 1 : 0;
}

void KeyboardSettings::SelectCountry(std::string_view name) {
    for (std::size_t code = 0; code < kCountryNames.size(); ++code) {
        if (kCountryNames[code] == name) {
            image_.options.countryCode = static_cast<std::uint8_t>(code);
        }
    }
}

std::optional<TextId> KeyboardSettings::Confirm() {
    if (!scope_) {
        return TextId::kScopeOutOfRange;
    }
    image_.options.autoRepeat = repeatTicked_ ? 1 : 0;
    image_.options.keyClick = soundTicked_ ? 1 : 0;
    image_.options.keyClickScope = static_cast<std::uint8_t>(*scope_);
    return std::nullopt;
}

}  // namespace tolvane
