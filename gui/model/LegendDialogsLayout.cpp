#include "gui/model/LegendDialogsLayout.h"

#include <array>

#include "gui/model/ResourceIds.h"

namespace tolvane::gui {

namespace {

constexpr std::array<ControlPlace, 4> kLegendLabelControls = {{
    {ids::kLegendLabelPrompt, {7, 7, 216, 24}},
    {ids::kLegendLabelEdit, {7, 33, 216, 13}},
    {ids::kLegendLabelOk, {117, 52, 50, 14}},
    {ids::kLegendLabelCancel, {173, 52, 50, 14}},
}};

constexpr int kFirstLayerTop = 20;
constexpr int kLayerPitch = 14;

constexpr std::array<ControlPlace, 19> LegendExportTable() {
    std::array<ControlPlace, 19> table = {{
        {ids::kLegendLayersGroup, {7, 7, 100, 104}},
        {ids::kLegendPaperLabel, {7, 122, 44, 10}},
        {ids::kLegendPaperList, {54, 120, 53, 60}},
        {ids::kLegendPitchLabel, {7, 140, 46, 10}},
        {ids::kLegendPitchBox, {54, 138, 53, 13}},
        {ids::kLegendLabelsBox, {7, 158, 100, 10}},
        {ids::kLegendPreviewGroup, {114, 7, 219, 170}},
        {ids::kLegendPreview, {120, 19, 207, 138}},
        {ids::kLegendPreviousPage, {120, 160, 16, 13}},
        {ids::kLegendPageText, {140, 162, 167, 10}},
        {ids::kLegendNextPage, {311, 160, 16, 13}},
        {ids::kLegendExportOk, {227, 184, 50, 14}},
        {ids::kLegendExportCancel, {283, 184, 50, 14}},
    }};
    for (std::size_t layer = 0; layer < ids::kLegendLayerBoxes.size(); ++layer) {
        table[13 + layer] = {ids::kLegendLayerBoxes[layer],
                             {14, kFirstLayerTop + kLayerPitch * static_cast<int>(layer), 88, 10}};
    }
    return table;
}

constexpr std::array<ControlPlace, 19> kLegendExportControls = LegendExportTable();

}  // namespace

std::span<const ControlPlace> LegendLabelControls() {
    return kLegendLabelControls;
}

std::span<const ControlPlace> LegendExportControls() {
    return kLegendExportControls;
}

}  // namespace tolvane::gui
