#include "gui/model/UnshownButtonsWindow.h"

#include "gui/model/ResourceIds.h"

namespace tolvane::gui {

namespace {

constexpr std::array<ControlPlace, 3> kControls = {{
    {ids::kUnshownButtonsHint, {7, 7, 386, 10}},
    {ids::kUnshownButtonsList, {7, 20, 386, 152}},
    {ids::kUnshownButtonsClose, {343, 179, 50, 14}},
}};

}  // namespace

std::span<const ControlPlace> UnshownButtonsControls() {
    return kControls;
}

std::array<std::string, kUnshownButtonsColumns> UnshownButtonsTitles(InterfaceLanguage language) {
    std::array<std::string, kUnshownButtonsColumns> titles;
    titles[0] = Text(TextId::kLegendButton, language);
    for (int layer = 1; layer <= LayerCount; ++layer) {
        titles[static_cast<std::size_t>(layer)] = LayerName(layer);
    }
    return titles;
}

std::array<std::string, kUnshownButtonsColumns> UnshownButtonsCells(const UnshownButtonRow& row) {
    std::array<std::string, kUnshownButtonsColumns> cells;
    cells[0] = std::to_string(row.button);
    for (std::size_t layer = 0; layer < row.layerTexts.size(); ++layer) {
        cells[layer + 1] = row.layerTexts[layer];
    }
    return cells;
}

}  // namespace tolvane::gui
