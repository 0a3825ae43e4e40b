// The filters over the key dialog's special key list and user key list. A name matches a
// filter when it contains it anywhere, ASCII letters compared without case; the special keys
// match by their Chinese names too, so "vol" finds "VolumeUp" and "静音" finds "Mute".
#pragma once

#include <span>
#include <string_view>
#include <vector>

#include "tolvane/image/KeyTables.h"

namespace tolvane {

// Whether `part` occurs in `text`, ASCII letters compared without case.
bool ContainsIgnoringCase(std::string_view text, std::string_view part);

// Whether two names are the same, ASCII letters compared without case.
bool EqualIgnoringCase(std::string_view a, std::string_view b);

// The Chinese name of special key row 0..18, for searching; empty outside the table.
std::string_view SpecialKeyChineseName(std::size_t row);

// Whether a code's name in either language matches the filter.
bool SpecialKeyMatches(std::size_t row, std::string_view filter);

// Which rows of the special key list the filter leaves shown; all of them when it is empty.
std::vector<bool> SpecialKeyRowsShown(std::string_view filter);

// Whether a user key group is shown under the filter: its text contains it, or one of its
// special keys matches it by its Chinese name.
bool UserKeyGroupShown(std::string_view groupText, std::span<const KeyCode> codes,
                       std::string_view filter);

}  // namespace tolvane
