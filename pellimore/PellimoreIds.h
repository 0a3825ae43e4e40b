// Every number the card-reader tool's window is known by: its dialogs, controls, icon and
// picture. Tests find the controls by them (object names are built from them). Plain
// constants, no Qt.
#pragma once

#include <array>

namespace pellimore::ids {

// Dialogs.
inline constexpr int kAboutDialog = 100;
inline constexpr int kPellimoreDialog = 102;

// The About command, which the window's help button and F1 run.
inline constexpr int kAboutCommand = 0x10;

// Icon and picture.
inline constexpr int kProgramIcon = 128;
inline constexpr int kCardBackPicture = 135;

// Controls of the dialog, per track 1, 2, 3 where there are three.
inline constexpr std::array<int, 3> kTrackBoxes = {1000, 1001, 1002};
inline constexpr std::array<int, 3> kStartSentinelEdits = {1003, 1004, 1005};
inline constexpr std::array<int, 3> kEndSentinelEdits = {1006, 1007, 1008};
inline constexpr std::array<int, 3> kReturnCodeBoxes = {1009, 1010, 1011};
inline constexpr int kUpdateButton = 1012;
inline constexpr int kOkButton = 1013;

// The About box's OK button, and the number every static text and picture shares.
inline constexpr int kAboutOkButton = 1;
inline constexpr int kStaticControl = -1;

}  // namespace pellimore::ids
