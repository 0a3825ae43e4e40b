#include "cli/ProgrammingView.h"

#include <iomanip>

#include "tolvane/app/TextTable.h"
#include "tolvane/image/ProgrammingDifference.h"

namespace tolvane::cli {

namespace {

std::vector<int> LayersToShow(std::optional<int> onlyLayer) {
    if (onlyLayer) {
        return {*onlyLayer};
    }
    return {1, 2, 3, 4, 5, 6};
}

std::string LayerText(const KeyboardImage& image, int button, int layer) {
    return image.buttons[button].layerText[layer];
}

std::string OnOff(std::uint8_t value) {
    return value != 0 ? "on" : "off";
}

std::string CodesText(std::span<const KeyCode> codes) {
    std::string text;
    for (KeyCode code : codes) {
        text += (text.empty() ? "" : " ") + std::to_string(code);
    }
    return text.empty() ? "(empty)" : text;
}

std::string PartText(std::uint8_t shift, std::uint8_t key) {
    const std::string text = TrackPartText(shift, key);
    return text.empty() ? "none" : text;
}

}  // namespace

std::string TrackText(const CardTrackSetting& track) {
    std::string state = track.enabled == 0   ? "off"
                        : track.enabled == 1 ? (track.enterAtEnd != 0 ? "on, Enter at end" : "on")
                                             : "mode " + std::to_string(track.enabled);
    return state + ", prefix " + PartText(track.prefixShift, track.prefixKey) + ", suffix " +
           PartText(track.suffixShift, track.suffixKey);
}

std::string OptionsText(const KeyboardOptions& options) {
    const std::string country = options.countryCode == 0   ? "CHN"
                                : options.countryCode == 1 ? "USA"
                                                           : std::to_string(options.countryCode);
    return "country " + country + ", key repeat " + OnOff(options.autoRepeat) + ", key click " +
           OnOff(options.keyClick) + " (" +
           (options.keyClickScope != 0 ? "programmed keys only" : "all keys") + ")";
}

void PrintProgramming(std::ostream& out, KeyboardImage& image, std::optional<int> onlyLayer) {
    image.DeriveAllLayerTexts();
    for (int button = 1; button <= ButtonCount; ++button) {
        out << "Button " << std::setw(2) << button;
        for (int layer : LayersToShow(onlyLayer)) {
            const std::string text = LayerText(image, button, layer);
            out << "  " << LayerName(layer) << ": " << (text.empty() ? "-" : text);
        }
        out << '\n';
    }
    for (int t = 0; t < TrackCount; ++t) {
        out << "Track " << t + 1 << ": " << TrackText(image.tracks[t]) << '\n';
    }
    out << "Options: " << OptionsText(image.options) << '\n';
}

nlohmann::json ProgrammingJson(KeyboardImage& image, std::optional<int> onlyLayer) {
    image.DeriveAllLayerTexts();
    nlohmann::json buttons = nlohmann::json::array();
    for (int button = 1; button <= ButtonCount; ++button) {
        nlohmann::json layers = nlohmann::json::array();
        for (int layer : LayersToShow(onlyLayer)) {
            const std::span<const KeyCode> codes = image.buttons[button].Codes(layer);
            layers.push_back({{"layer", layer},
                              {"codes", std::vector<int>(codes.begin(), codes.end())},
                              {"text", LayerText(image, button, layer)}});
        }
        buttons.push_back({{"button", button}, {"layers", layers}});
    }
    nlohmann::json tracks = nlohmann::json::array();
    for (int t = 0; t < TrackCount; ++t) {
        const CardTrackSetting& track = image.tracks[t];
        tracks.push_back({{"track", t + 1},
                          {"enabled", track.enabled},
                          {"enterAtEnd", track.enterAtEnd},
                          {"prefixShift", track.prefixShift},
                          {"prefixKey", track.prefixKey},
                          {"suffixShift", track.suffixShift},
                          {"suffixKey", track.suffixKey}});
    }
    const KeyboardOptions& options = image.options;
    return {{"buttons", buttons},
            {"tracks", tracks},
            {"options",
             {{"countryCode", options.countryCode},
              {"autoRepeat", options.autoRepeat},
              {"keyClick", options.keyClick},
              {"keyClickScope", options.keyClickScope}}}};
}

std::vector<Difference> CompareProgrammings(KeyboardImage& first, KeyboardImage& second) {
    first.DeriveAllLayerTexts();
    second.DeriveAllLayerTexts();
    const ProgrammingDifference found =
        tolvane::Difference(first.TakeProgramming(), second.TakeProgramming());
    std::vector<Difference> differences;
    for (const LayerDifference& layer : found.layers) {
        const int button = layer.button;
        differences.push_back(
            {"key", button, layer.layer, 0,
             "button " + std::to_string(button) + " " + std::string(LayerName(layer.layer)),
             CodesText(layer.first.Codes()) + " (" + LayerText(first, button, layer.layer) + ")",
             CodesText(layer.second.Codes()) + " (" + LayerText(second, button, layer.layer) +
                 ")"});
    }
    for (const TrackDifference& track : found.tracks) {
        differences.push_back({"track", 0, 0, track.track, "track " + std::to_string(track.track),
                               TrackText(first.tracks[track.track - 1]),
                               TrackText(second.tracks[track.track - 1])});
    }
    if (!found.options.empty()) {
        differences.push_back({"options", 0, 0, 0, "options", OptionsText(first.options),
                               OptionsText(second.options)});
    }
    return differences;
}

nlohmann::json DifferencesJson(const std::vector<Difference>& differences) {
    nlohmann::json list = nlohmann::json::array();
    for (const Difference& difference : differences) {
        nlohmann::json item = {{"kind", difference.kind},
                               {"where", difference.where},
                               {"first", difference.first},
                               {"second", difference.second}};
        if (difference.kind == "key") {
            item["button"] = difference.button;
            item["layer"] = difference.layer;
        } else if (difference.kind == "track") {
            item["track"] = difference.track;
        }
        list.push_back(item);
    }
    return {{"identical", differences.empty()}, {"differences", list}};
}

std::string JsonText(const nlohmann::json& json) {
    return json.dump(2, ' ', false, nlohmann::json::error_handler_t::replace);
}

}  // namespace tolvane::cli
