#include "gui/model/ButtonLook.h"

namespace tolvane::gui {

std::vector<Rgb> GradientRows(Rgb from, Rgb to, int span, int rows) {
    const int divisor = span != 0 ? span : 1;
    const int stepRed = (from.red - to.red) / divisor;
    const int stepGreen = (from.green - to.green) / divisor;
    const int stepBlue = (from.blue - to.blue) / divisor;
    std::vector<Rgb> colours;
    colours.reserve(static_cast<std::size_t>(rows > 0 ? rows : 0));
    Rgb colour = from;
    for (int row = 0; row < rows; ++row) {
        colour.red = static_cast<std::uint8_t>(colour.red - stepRed);
        colour.green = static_cast<std::uint8_t>(colour.green - stepGreen);
        colour.blue = static_cast<std::uint8_t>(colour.blue - stepBlue);
        colours.push_back(colour);
    }
    return colours;
}

}  // namespace tolvane::gui
