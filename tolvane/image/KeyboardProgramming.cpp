#include "tolvane/image/KeyboardProgramming.h"

#include <algorithm>

namespace tolvane {

LayerProgramming LayerProgramming::Of(std::span<const KeyCode> codes) {
    LayerProgramming layer;
    const std::size_t kept = std::min<std::size_t>(codes.size(), MaxKeysPerLayer);
    layer.keyCount = static_cast<std::uint8_t>(kept);
    std::copy_n(codes.begin(), kept, layer.keyCodes.begin());
    return layer;
}

std::span<const KeyCode> LayerProgramming::Codes() const {
    return std::span<const KeyCode>(keyCodes.data(),
                                    std::min<std::size_t>(keyCount, MaxKeysPerLayer));
}

std::array<TrackRecordEntry, TrackCount> KeyboardProgramming::StartupTracks() {
    const CardTrackSetting startup;
    const TrackRecordEntry entry{TrackModeOf(startup), startup.prefixShift, startup.prefixKey,
                                 startup.suffixShift, startup.suffixKey};
    return {entry, entry, entry};
}

ButtonProgramming KeyboardImage::TakeButton(int button) const {
    ButtonProgramming programming;
    if (!IsValidButton(button)) {
        return programming;
    }
    for (int layer = 1; layer <= LayerCount; ++layer) {
        programming.Layer(layer) = LayerProgramming::Of(buttons[button].Codes(layer));
    }
    return programming;
}

KeyboardProgramming KeyboardImage::TakeProgramming() const {
    KeyboardProgramming programming;
    for (int button = 1; button <= ButtonCount; ++button) {
        programming.Button(button) = TakeButton(button);
    }
    for (int track = 0; track < TrackCount; ++track) {
        programming.tracks[track] = TrackEntryOf(track);
    }
    programming.options = options;
    return programming;
}

void KeyboardImage::StoreLayer(int button, int layer, const LayerProgramming& programming) {
    ButtonRecord& record = buttons[button];
    StoreKeyRecord(button, layer, programming.Codes());
    record.editCount[layer] = record.keyCount[layer];
    // Names behind the last code would be stale; nothing shows them, but nothing should
    // find them either.
    std::fill(record.keyText[layer].begin() + record.keyCount[layer], record.keyText[layer].end(),
              std::string());
}

// Every layer's texts, the shown layer last: the naming state it leaves is the one the key
// programming dialog carries on with. Then the layer-key mark of the shown layer.
void KeyboardImage::DeriveButton(int button) {
    const int shown = IsValidLayer(selection.currentLayer) ? selection.currentLayer : 1;
    for (int layer = 1; layer <= LayerCount; ++layer) {
        if (layer != shown) {
            DeriveLayerTexts(button, layer);
        }
    }
    DeriveLayerTexts(button, shown);
    buttons[button].hasLayerKey = StartsWithLayerKey(button, shown) ? 1 : 0;
}

void KeyboardImage::RestoreButton(int button, const ButtonProgramming& programming) {
    if (!IsValidButton(button)) {
        return;
    }
    for (int layer = 1; layer <= LayerCount; ++layer) {
        StoreLayer(button, layer, programming.Layer(layer));
    }
    DeriveButton(button);
}

void KeyboardImage::RestoreLayer(int button, int layer, const LayerProgramming& programming) {
    if (!IsValidButton(button) || !IsValidLayer(layer)) {
        return;
    }
    StoreLayer(button, layer, programming);
    DeriveButton(button);
}

void KeyboardImage::RestoreProgramming(const KeyboardProgramming& programming) {
    for (int button = 1; button <= ButtonCount; ++button) {
        RestoreButton(button, programming.Button(button));
    }
    StoreTrackRecord(programming.tracks);
    options = programming.options;
}

}  // namespace tolvane
