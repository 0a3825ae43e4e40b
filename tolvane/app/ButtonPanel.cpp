#include "tolvane/app/ButtonPanel.h"

#include "tolvane/image/ButtonPlaces.h"

namespace tolvane {

namespace {

TouchedButtons AllButtons() {
    TouchedButtons all;
    for (int button = 1; button <= ButtonCount; ++button) {
        all.push_back(button);
    }
    return all;
}

void ClearLayer(ButtonRecord& record, int layer) {
    const int count = std::min<int>(record.keyCount[layer], MaxKeysPerLayer);
    for (int position = 0; position < count; ++position) {
        record.keyText[layer][position].clear();
        record.keyCodes[layer][position] = 0;
    }
    record.layerText[layer].clear();
    record.keyCount[layer] = 0;
}

void ClearAllLayers(ButtonRecord& record) {
    for (int layer = 1; layer <= LayerCount; ++layer) {
        ClearLayer(record, layer);
    }
}

}  // namespace

std::optional<int> LayerOfSelectorText(std::string_view text) {
    for (int layer = 1; layer <= LayerCount; ++layer) {
        if (LayerName(layer) == text) {
            return layer;
        }
    }
    return std::nullopt;
}

TouchedButtons SelectLayer(KeyboardImage& image, std::string_view selectorText) {
    const std::optional<int> layer = LayerOfSelectorText(selectorText);
    if (!layer) {
        return {};
    }
    image.selection.currentLayer = static_cast<std::uint8_t>(*layer);
    return AllButtons();
}

std::string HoverText(const KeyboardImage& image, int button, InterfaceLanguage language) {
    if (!IsValidButton(button)) {
        return {};
    }
    const ButtonRecord& record = image.buttons[button];
    if (image.StartsWithLayerKey(button, image.selection.currentLayer)) {
        return record.layerText[1];
    }
    std::string text;
    for (int layer = 1; layer <= LayerCount; ++layer) {
        if (!record.layerText[layer].empty()) {
            text += HoverPrefix(layer, language) + record.layerText[layer] + " ";
        }
    }
    return text;
}

std::string PanelCaption(KeyboardImage& image, const LegendLabels& labels, int button,
                         bool showLabels) {
    std::string caption = image.RefreshButton(button);
    const std::string& label = labels.Of(button, image.selection.currentLayer);
    return showLabels && !label.empty() ? label : caption;
}

std::string ToolTipText(const KeyboardImage& image, int button, InterfaceLanguage language) {
    if (!IsValidButton(button)) {
        return {};
    }
    std::string text;
    for (int layer = 1; layer <= LayerCount; ++layer) {
        const std::span<const KeyCode> codes = image.buttons[button].Codes(layer);
        if (!codes.empty()) {
            text += (text.empty() ? "" : "\n") + HoverPrefix(layer, language) + LayerTextOf(codes);
        }
    }
    return text;
}

std::string ToolTipText(const KeyboardImage& image, const LegendLabels& labels, int button,
                        InterfaceLanguage language) {
    if (!IsValidButton(button)) {
        return {};
    }
    std::string text = ButtonNumberText(button, language);
    for (const std::string& part :
         {labels.Of(button, image.selection.currentLayer), ToolTipText(image, button, language)}) {
        if (!part.empty()) {
            text += "\n" + part;
        }
    }
    return text;
}

std::string ButtonNumberText(int button, InterfaceLanguage language) {
    return FillIn(Text(TextId::kButtonNumber, language), {std::to_string(button)});
}

std::string PanelButtonAccessibleName(int button, std::string_view caption,
                                      InterfaceLanguage language) {
    if (caption.empty()) {
        return ButtonNumberText(button, language);
    }
    return FillIn(Text(TextId::kPanelButtonAccessibleName, language),
                  {std::to_string(button), std::string(caption)});
}

std::vector<UnshownButtonRow> UnshownButtonRows(const KeyboardImage& image) {
    std::vector<UnshownButtonRow> rows;
    for (int button = 1; button <= ButtonCount; ++button) {
        if (IsButtonShown(button)) {
            continue;
        }
        UnshownButtonRow row{button, {}};
        for (int layer = 1; layer <= LayerCount; ++layer) {
            row.layerTexts[static_cast<std::size_t>(layer - 1)] =
                LayerTextOf(image.buttons[button].Codes(layer));
        }
        rows.push_back(std::move(row));
    }
    return rows;
}

void PrepareKeyDialogForButton(KeyboardImage& image, int button) {
    if (!IsValidButton(button)) {
        return;
    }
    image.buttons[button].buttonNo = static_cast<std::uint8_t>(button);
    image.selection.currentButton = static_cast<std::uint8_t>(button);
    image.selection.keyDialogForButton = 1;
}

TouchedButtons DeleteCurrentLayer(KeyboardImage& image, int button) {
    if (!IsValidButton(button)) {
        return {};
    }
    ButtonRecord& record = image.buttons[button];
    if (record.hasLayerKey == 1) {
        ClearAllLayers(record);
    } else if (IsValidLayer(image.selection.currentLayer)) {
        ClearLayer(record, image.selection.currentLayer);
    }
    record.hasLayerKey = 0;
    return {button};
}

TouchedButtons DeleteAllLayers(KeyboardImage& image, int button) {
    if (!IsValidButton(button)) {
        return {};
    }
    ClearAllLayers(image.buttons[button]);
    image.buttons[button].hasLayerKey = 0;
    return {button};
}

TouchedButtons MakeLayerKey(KeyboardImage& image, int button, KeyCode layerKey) {
    if (!IsValidButton(button) || !IsLayerKeyCode(layerKey)) {
        return {};
    }
    ButtonRecord& record = image.buttons[button];
    ClearAllLayers(record);
    const std::string name = KeyName(layerKey, false);
    for (int layer = 1; layer <= LayerCount; ++layer) {
        record.keyCodes[layer][0] = layerKey;
        record.keyText[layer][0] = name;
        record.layerText[layer] = name;
        record.keyCount[layer] = 1;
    }
    record.buttonNo = static_cast<std::uint8_t>(button);
    record.hasLayerKey = 1;
    return {button};
}

}  // namespace tolvane
