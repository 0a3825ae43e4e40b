#include "gui/model/MainWindowLayout.h"

#include <array>
#include <cstdlib>
#include <utility>

#include "gui/model/ResourceIds.h"
#include "tolvane/image/ButtonPlaces.h"
#include "tolvane/image/KeyboardImage.h"

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

int NeighbourKeyButton(int button, PanelDirection direction) {
    if (!IsKeyButtonShown(button)) {
        return button;
    }
    // Centres in doubled units, so that they stay whole numbers.
    const auto centre = [](int b) {
        const DialogRect r = KeyButtonPlace(b);
        return std::pair{2 * r.x + r.width, 2 * r.y + r.height};
    };
    const auto [fromX, fromY] = centre(button);
    int best = button;
    int bestScore = 0;
    for (int candidate = 1; candidate <= ButtonCount; ++candidate) {
        if (candidate == button || !IsKeyButtonShown(candidate)) {
            continue;
        }
        const auto [x, y] = centre(candidate);
        const bool across =
            direction == PanelDirection::kLeft || direction == PanelDirection::kRight;
        const int sign =
            direction == PanelDirection::kLeft || direction == PanelDirection::kUp ? -1 : 1;
        const int ahead = sign * (across ? x - fromX : y - fromY);
        const int aside = std::abs(across ? y - fromY : x - fromX);
        // Only what lies ahead, within a cone of twice as wide as it is far.
        if (ahead <= 0 || aside > 2 * ahead) {
            continue;
        }
        const int score = ahead + 2 * aside;
        if (best == button || score < bestScore) {
            best = candidate;
            bestScore = score;
        }
    }
    return best;
}

}  // namespace tolvane::gui
