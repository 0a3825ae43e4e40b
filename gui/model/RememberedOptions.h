// The options the window remembers from one run to the next, in the per-user settings store
// (the organisation and application names the program sets at start-up), section "Options".
// The value names are the same for every front end.
#pragma once

namespace tolvane::gui {

inline constexpr const char* kRememberedOptionsSection = "Options";

// Legend labels: the View option that shows labels instead of captions on the panel, and the
// export dialog's paper ("A4" or "Letter"), key pitch in millimetres and labels on or off.
inline constexpr const char* kShowLegendLabelsOption = "ShowLegendLabels";
inline constexpr const char* kLegendPaperOption = "LegendPaper";
inline constexpr const char* kLegendKeyPitchOption = "LegendKeyPitch";
inline constexpr const char* kLegendUseLabelsOption = "LegendUseLabels";
// The View option that shows each panel button's number in a corner of it.
inline constexpr const char* kShowButtonNumbersOption = "ShowButtonNumbers";

}  // namespace tolvane::gui
