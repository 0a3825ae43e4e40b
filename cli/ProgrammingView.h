// A programming as the command-line programmer prints it and compares it: the layer texts
// by the display-text rule the window uses, the tracks and the options.
#pragma once

#include <nlohmann/json.hpp>

#include <optional>
#include <ostream>
#include <string>
#include <vector>

#include "tolvane/image/KeyboardImage.h"

namespace tolvane::cli {

// Derives the texts first, so it takes the image as it is being shown.
void PrintProgramming(std::ostream& out, KeyboardImage& image, std::optional<int> onlyLayer);
nlohmann::json ProgrammingJson(KeyboardImage& image, std::optional<int> onlyLayer);

std::string TrackText(const CardTrackSetting& track);
std::string OptionsText(const KeyboardOptions& options);

// One point where two programmings differ, described for a technician.
struct Difference {
    std::string kind;   // "key", "track" or "options"
    int button = 0;     // key: 1..84
    int layer = 0;      // key: 1..6
    int track = 0;      // track: 1..3
    std::string where;  // "button 7 Layer2", "track 1", "options"
    std::string first;
    std::string second;
};

// Compares what the keyboard would store: the codes of every layer, each track as it goes
// on the wire (an off track's Enter setting is not stored) and the four options.
std::vector<Difference> CompareProgrammings(KeyboardImage& first, KeyboardImage& second);

nlohmann::json DifferencesJson(const std::vector<Difference>& differences);

// The printed form of any --json output. Text that is not valid UTF-8 (a file name, say)
// comes out with U+FFFD in place of the bad bytes instead of ending the program.
std::string JsonText(const nlohmann::json& json);

}  // namespace tolvane::cli
