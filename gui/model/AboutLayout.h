// UTF-8 source: the title and the button carry Chinese text in both languages.
// The About box, dialog 100, in dialog units: the same in both interface languages.
#pragma once

#include "gui/kit/DialogUnits.h"

namespace tolvane::gui {

inline constexpr DialogRect kAboutSize{0, 0, 170, 62};
inline constexpr DialogRect kAboutIconPlace{11, 17, 20, 20};
inline constexpr DialogRect kAboutVersionPlace{40, 14, 119, 8};
inline constexpr DialogRect kAboutDatePlace{40, 26, 119, 8};
inline constexpr DialogRect kAboutOkPlace{113, 41, 50, 14};

inline constexpr const char* kAboutTitle = "关于 MZR-40";
inline constexpr const char* kAboutVersion = "Quandor V1.3";
inline constexpr const char* kAboutDate = "Last Updata 2013-12-19";
inline constexpr const char* kAboutOk = "确定";

}  // namespace tolvane::gui
