#include "gui/model/FindWindow.h"

#include "gui/model/ResourceIds.h"

namespace tolvane::gui {

namespace {

constexpr std::array<ControlPlace, 4> kControls = {{
    {ids::kFindPrompt, {7, 9, 70, 8}},
    {ids::kFindEdit, {79, 7, 194, 14}},
    {ids::kFindHitList, {7, 26, 266, 124}},
    {ids::kFindCount, {7, 155, 266, 8}},
}};

constexpr std::array<FindColumn, 3> kColumns = {{
    {TextId::kLegendButton, 136},
    {TextId::kLegendLayerColumn, 60},
    {TextId::kLegendKeysColumn, 250},
}};

}  // namespace

std::span<const ControlPlace> FindControls() {
    return kControls;
}

std::span<const FindColumn> FindHitColumns() {
    return kColumns;
}

std::array<std::string, 3> FindHitRow(const FindHit& hit, InterfaceLanguage language) {
    std::string button = std::to_string(hit.button);
    if (!hit.onPanel) {
        button += " ";
        button += Text(TextId::kFindNotOnPanel, language);
    }
    const std::optional<TextId> layer = LayerMenuItem(hit.layer);
    return {button, layer ? std::string(Text(*layer, language)) : std::string(), hit.text};
}

std::string FindCountText(std::size_t hits, bool queryEmpty, InterfaceLanguage language) {
    if (queryEmpty) {
        return {};
    }
    if (hits == 0) {
        return std::string(Text(TextId::kFindNothing, language));
    }
    return FillIn(Text(TextId::kFindHitCount, language), {std::to_string(hits)});
}

}  // namespace tolvane::gui
