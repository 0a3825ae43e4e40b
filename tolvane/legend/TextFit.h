// Fitting a key's text into the legend insert under its keycap: wrapped over a few lines
// and shrunk until it fits; a text that does not fit even at the smallest size is ended
// with an ellipsis, and the caller lists it in full elsewhere, so nothing is cut silently.
//
// Widths are estimated from the character classes of a common sans-serif face, on the
// generous side, so an estimated fit also fits on paper.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace tolvane {

struct FitLimits {
    double largestSize = 3.2;  // font size in millimetres
    double smallestSize = 1.4;
    double step = 0.2;
    int maxLines = 3;
    double lineHeight = 1.2;  // in font sizes
};

struct FittedText {
    double fontSize = 0;
    std::vector<std::string> lines;
    bool truncated = false;  // ended with an ellipsis
};

// The estimated width of a line of text at a font size, both in millimetres.
double EstimatedWidth(std::string_view text, double fontSize);

FittedText FitText(std::string_view text, double width, double height,
                   const FitLimits& limits = {});

}  // namespace tolvane
