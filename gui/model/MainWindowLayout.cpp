#include "gui/model/MainWindowLayout.h"

#include <array>

#include "gui/model/ResourceIds.h"
#include "tolvane/image/ButtonPlaces.h"

namespace tolvane::gui {

namespace {

constexpr std::array<ControlPlace, 7> kControls = {{
    {ids::kConnectionPicture, {16, 7, 186, 42}},
    {ids::kLayerGroup, {225, 12, 61, 35}},
    {ids::kLayerSelector, {229, 30, 53, 72}},
    {ids::kLayerPicture, {365, 6, 47, 38}},
    {0, {8, 0, 424, 230}},
    {0, {7, 233, 425, 38}},
    {ids::kKeyInfoBox, {12, 238, 414, 29}},
}};

}  // namespace

std::span<const ControlPlace> MainWindowControls() {
    return kControls;
}

bool IsKeyButtonShown(int button) {
    return IsButtonShown(button);
}

DialogRect KeyButtonPlace(int button) {
    const ButtonPlace place = PlaceOfButton(button);
    return {place.x, place.y, place.width, place.height};
}

}  // namespace tolvane::gui
