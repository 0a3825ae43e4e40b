#include "tolvane/image/KeyboardImage.h"

#include <algorithm>

namespace tolvane {

namespace {

// The six small keys beside the key-lock picture have room for one character less.
constexpr int kFirstSmallButton = 79;
constexpr std::size_t kLongestWholeCaption = 5;

}  // namespace

std::span<const KeyCode> ButtonRecord::Codes(int layer) const {
    if (!IsValidLayer(layer)) {
        return {};
    }
    const std::size_t count = std::min<std::size_t>(keyCount[layer], MaxKeysPerLayer);
    return std::span<const KeyCode>(keyCodes[layer].data(), count);
}

std::uint8_t TrackModeOf(const CardTrackSetting& track) {
    if (track.enabled == 0) {
        return 0;
    }
    return static_cast<std::uint8_t>(1 + track.enterAtEnd);
}

std::string TrackPartText(std::uint8_t shift, std::uint8_t key) {
    if (IsShiftCode(shift)) {
        return KeyName(key, true);
    }
    if (shift == 0 && key != 0) {
        return KeyName(key, false);
    }
    return {};
}

void KeyboardImage::Reset() {
    for (int button = 1; button <= ButtonCount; ++button) {
        ClearButton(button);
        buttons[button].hasLayerKey = 0;
    }
    tracks.fill(CardTrackSetting{});
    options = KeyboardOptions{};
    selection.currentButton = 0;
    selection.currentLayer = 1;
}

void KeyboardImage::ClearAllButtons() {
    for (int button = 1; button <= ButtonCount; ++button) {
        ClearButton(button);
    }
}

void KeyboardImage::ClearButton(int button) {
    ButtonRecord& record = buttons[button];
    record.buttonNo = static_cast<std::uint8_t>(button);
    record.shiftToggle = 0;
    for (int layer = 1; layer <= LayerCount; ++layer) {
        record.layerText[layer].clear();
        record.keyCount[layer] = 0;
        record.editCount[layer] = 0;
        for (std::string& text : record.keyText[layer]) {
            text.clear();
        }
        record.keyCodes[layer].fill(kNoKey);
    }
}

bool KeyboardImage::StoreKeyRecord(int button, int layer, std::span<const KeyCode> codes) {
    if (!IsValidButton(button) || !IsValidLayer(layer) || codes.size() > MaxKeysPerLayer) {
        return false;
    }
    ButtonRecord& record = buttons[button];
    record.buttonNo = static_cast<std::uint8_t>(button);
    record.keyCount[layer] = static_cast<std::uint8_t>(codes.size());
    record.keyCodes[layer].fill(kNoKey);
    std::copy(codes.begin(), codes.end(), record.keyCodes[layer].begin());
    return true;
}

void KeyboardImage::StoreTrackRecord(const std::array<TrackRecordEntry, TrackCount>& entries) {
    for (int t = 0; t < TrackCount; ++t) {
        const TrackRecordEntry& entry = entries[t];
        CardTrackSetting& track = tracks[t];
        switch (entry.mode) {
            case 0:
                track.enabled = 0;
                break;
            case 1:
                track.enabled = 1;
                track.enterAtEnd = 0;
                break;
            case 2:
                track.enabled = 1;
                track.enterAtEnd = 1;
                break;
            default:
                // The keyboard's own value is kept as it came, so a write sends it back.
                track.enabled = entry.mode;
                break;
        }
        track.prefixShift = entry.prefixShift;
        track.prefixKey = entry.prefixKey;
        track.suffixShift = entry.suffixShift;
        track.suffixKey = entry.suffixKey;
    }
}

TrackRecordEntry KeyboardImage::TrackEntryOf(int trackIndex) const {
    if (!IsValidTrackIndex(trackIndex)) {
        return {};
    }
    const CardTrackSetting& track = tracks[trackIndex];
    return TrackRecordEntry{TrackModeOf(track), track.prefixShift, track.prefixKey,
                            track.suffixShift, track.suffixKey};
}

void KeyboardImage::StoreOptions(const std::array<std::uint8_t, 4>& values) {
    options.countryCode = values[0];
    options.autoRepeat = values[1];
    options.keyClick = values[2];
    options.keyClickScope = values[3];
}

std::array<std::uint8_t, 4> OptionBytesOf(const KeyboardOptions& options) {
    return {options.countryCode, options.autoRepeat, options.keyClick, options.keyClickScope};
}

std::array<std::uint8_t, 4> KeyboardImage::OptionBytes() const {
    return OptionBytesOf(options);
}

namespace {

// Hands each code's name to `use` with its position: a Shift code is named first and then
// flips the naming of the codes after it, a second Shift flips it back. Returns whether the
// naming is shifted after the last code.
template <typename Use>
bool NameCodes(std::span<const KeyCode> codes, Use&& use) {
    bool shifted = false;
    for (std::size_t i = 0; i < codes.size(); ++i) {
        use(i, KeyName(codes[i], shifted));
        if (IsShiftCode(codes[i])) {
            shifted = !shifted;
        }
    }
    return shifted;
}

}  // namespace

std::vector<std::string> KeyTextsOf(std::span<const KeyCode> codes) {
    std::vector<std::string> names;
    NameCodes(codes, [&names](std::size_t, std::string name) { names.push_back(std::move(name)); });
    return names;
}

std::string LayerTextOf(std::span<const KeyCode> codes) {
    std::string text;
    for (const std::string& name : KeyTextsOf(codes)) {
        if (!text.empty()) {
            text += '+';
        }
        text += name;
    }
    return text;
}

void KeyboardImage::DeriveLayerTexts(int button, int layer) {
    if (!IsValidButton(button) || !IsValidLayer(layer)) {
        return;
    }
    ButtonRecord& record = buttons[button];
    std::string& text = record.layerText[layer];
    text.clear();
    const bool shifted =
        NameCodes(record.Codes(layer), [&record, &text, layer](std::size_t i, std::string name) {
            if (i > 0) {
                text += '+';
            }
            text += name;
            record.keyText[layer][i] = std::move(name);
        });
    // The naming state after the last code, as the key dialog carries it on.
    record.shiftToggle = shifted ? 1 : 0;
}

void KeyboardImage::DeriveAllLayerTexts() {
    for (int button = 1; button <= ButtonCount; ++button) {
        for (int layer = 1; layer <= LayerCount; ++layer) {
            DeriveLayerTexts(button, layer);
        }
    }
}

bool KeyboardImage::StartsWithLayerKey(int button, int layer) const {
    if (!IsValidButton(button) || !IsValidLayer(layer)) {
        return false;
    }
    const ButtonRecord& record = buttons[button];
    return record.keyCount[layer] > 0 && IsLayerKeyCode(record.keyCodes[layer][0]);
}

std::string KeyboardImage::RefreshButton(int button) {
    const int layer = selection.currentLayer;
    if (!IsValidButton(button) || !IsValidLayer(layer)) {
        return {};
    }
    ButtonRecord& record = buttons[button];
    if (record.keyCount[layer] == 0) {
        return {};
    }
    DeriveLayerTexts(button, layer);
    if (StartsWithLayerKey(button, layer)) {
        record.hasLayerKey = 1;
        return "L" + std::to_string(LayerOfLayerKey(record.keyCodes[layer][0]));
    }
    const std::string& text = record.layerText[layer];
    if (text.size() <= kLongestWholeCaption) {
        return text;
    }
    const std::size_t kept = button >= kFirstSmallButton ? 3 : 4;
    return text.substr(0, kept) + "...";
}

}  // namespace tolvane
