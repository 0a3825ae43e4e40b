// The texts the card-reader tool shows. The tool has one interface language, English.
#pragma once

#include <array>

namespace pellimore::texts {

inline constexpr const char* kCaption = "Pellimore";
inline constexpr std::array<const char*, 4> kHeadings = {"Enabled", "Start Sentinel",
                                                         "End Sentinel", "Return Code"};
inline constexpr std::array<const char*, 3> kTracks = {"Track 1", "Track 2", "Track 3"};
inline constexpr const char* kUpdate = "Update";
inline constexpr const char* kOk = "Ok";

inline constexpr const char* kPlugIn = "Keyboard is plugin";
inline constexpr const char* kPlugOut = "Keyboard is plugout";

inline constexpr const char* kAboutCommand = "&About Pellimore...";
inline constexpr const char* kAboutCaption = "About Pellimore";
inline constexpr const char* kVersion = "Pellimore Version 1.0";
inline constexpr const char* kAboutOk = "OK";
inline constexpr const char* kCardPicture = "Back of a magnetic-stripe card";

}  // namespace pellimore::texts
