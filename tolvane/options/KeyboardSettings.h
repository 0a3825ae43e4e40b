// What the keyboard options dialog decides. It edits the four option bytes of the image:
// the sound box and the country code list write at once, the repeat box and the sound
// scope only on OK, so Cancel keeps the last two as they were.
//
// The sound scope is exchanged with a pair of radios (0 = all keys, 1 = the programmed keys
// only). A scope byte of any other value selects neither; OK then refuses with the range
// message until the user picks one. The radios take clicks only while the sound is on but
// keep their selection when it goes off.
//
// The country code has a name for 0 ("CHN") and 1 ("USA"); any other code shows an empty
// selection and stays in the image unless the user picks a name.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string_view>

#include "tolvane/app/TextTable.h"
#include "tolvane/image/KeyboardImage.h"

namespace tolvane {

// The country code list's items, sorted as the list shows them.
inline constexpr std::array<std::string_view, 2> kCountryListItems = {"CHN", "USA"};

// The name of a country code; empty for a code without one.
std::string_view CountryName(std::uint8_t countryCode);

enum class SoundScope : std::uint8_t {
    kAllKeys = 0,
    kProgrammedKeys = 1,
};

class KeyboardSettings {
  public:
    explicit KeyboardSettings(KeyboardImage& image);

    bool RepeatTicked() const { return repeatTicked_; }
    bool SoundTicked() const { return soundTicked_; }
    bool ScopeEnabled() const { return scopeEnabled_; }
    std::optional<SoundScope> Scope() const { return scope_; }
    // The list's text: the name of the country code in the image.
    std::string_view CountryText() const;

    void SetRepeat(bool ticked) { repeatTicked_ = ticked; }
    void SetSound(bool ticked);
    void SelectScope(SoundScope scope) { scope_ = scope; }
    // A name the list does not hold changes nothing.
    void SelectCountry(std::string_view name);

    // Stores the repeat box, the sound box and the scope; with no scope selected it stores
    // nothing and returns the message to show, and the dialog stays open.
    std::optional<TextId> Confirm();

  private:
    KeyboardImage& image_;
    bool repeatTicked_ = false;
    bool soundTicked_ = false;
    bool scopeEnabled_ = true;
    std::optional<SoundScope> scope_;
};

}  // namespace tolvane
