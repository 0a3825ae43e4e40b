#include "tolvane/legend/TextFit.h"

#include <cctype>
#include <cmath>

namespace tolvane {

namespace {

constexpr std::string_view kEllipsis = "\xE2\x80\xA6";

// Width of one character in font sizes.
double CharacterWidth(unsigned char c) {
    if (c >= 0x80) {
        // A whole character of another script or a symbol counts as wide as a Chinese one:
        // its lead byte carries the width, its continuation bytes none.
        return c >= 0xC0 ? 1.0 : 0.0;
    }
    if (std::string_view("il.,:;'|!`").find(static_cast<char>(c)) != std::string_view::npos) {
        return 0.34;
    }
    if (c == 'm' || c == 'w' || c == 'M' || c == 'W' || c == '@') {
        return 0.95;
    }
    if (std::isupper(c) != 0) {
        return 0.74;
    }
    if (std::isdigit(c) != 0) {
        return 0.64;
    }
    return 0.62;
}

// Pieces a line may break after: each "+" and each space ends a piece.
std::vector<std::string> Pieces(std::string_view text) {
    std::vector<std::string> pieces;
    std::string piece;
    for (const char c : text) {
        piece += c;
        if (c == '+' || c == ' ') {
            pieces.push_back(piece);
            piece.clear();
        }
    }
    if (!piece.empty()) {
        pieces.push_back(piece);
    }
    return pieces;
}

// Splits a piece wider than a line at character boundaries (whole UTF-8 sequences).
void BreakWidePiece(const std::string& piece, double width, double size,
                    std::vector<std::string>& lines) {
    std::string line;
    for (std::size_t i = 0; i < piece.size();) {
        std::size_t length = 1;
        while (i + length < piece.size() &&
               (static_cast<unsigned char>(piece[i + length]) & 0xC0) == 0x80) {
            ++length;
        }
        const std::string character = piece.substr(i, length);
        if (!line.empty() && EstimatedWidth(line + character, size) > width) {
            lines.push_back(line);
            line.clear();
        }
        line += character;
        i += length;
    }
    if (!line.empty()) {
        lines.push_back(line);
    }
}

// Lines of at most width; a piece wider than a line is split inside only with
// splitPieces, else the wrap fails (empty result).
std::vector<std::string> Wrap(std::string_view text, double width, double size,
                              bool splitPieces = true) {
    std::vector<std::string> lines;
    std::string line;
    for (const std::string& piece : Pieces(text)) {
        if (EstimatedWidth(line + piece, size) <= width) {
            line += piece;
            continue;
        }
        if (!line.empty()) {
            lines.push_back(line);
            line.clear();
        }
        if (EstimatedWidth(piece, size) <= width) {
            line = piece;
        } else if (!splitPieces) {
            return {};
        } else {
            BreakWidePiece(piece, width, size, lines);
            if (!lines.empty()) {
                line = lines.back();
                lines.pop_back();
            }
        }
    }
    if (!line.empty()) {
        lines.push_back(line);
    }
    for (std::string& each : lines) {
        while (!each.empty() && each.back() == ' ') {
            each.pop_back();
        }
    }
    return lines;
}

int LinesThatFit(double height, double size, const FitLimits& limits) {
    return std::min(limits.maxLines, static_cast<int>(height / (size * limits.lineHeight)));
}

// The lines that fit, the last one shortened until the ellipsis fits behind it.
FittedText Truncated(std::string_view text, double width, double height, const FitLimits& limits) {
    FittedText fitted;
    fitted.fontSize = limits.smallestSize;
    fitted.truncated = true;
    const int keep = std::max(1, LinesThatFit(height, fitted.fontSize, limits));
    std::vector<std::string> lines = Wrap(text, width, fitted.fontSize);
    lines.resize(static_cast<std::size_t>(keep));
    std::string& last = lines.back();
    while (!last.empty() &&
           EstimatedWidth(last + std::string(kEllipsis), fitted.fontSize) > width) {
        do {
            last.pop_back();
        } while (!last.empty() && (static_cast<unsigned char>(last.back()) & 0xC0) == 0x80);
        if (!last.empty() && (static_cast<unsigned char>(last.back()) & 0xC0) == 0xC0) {
            last.pop_back();  // the lead byte of a sequence whose rest was dropped
        }
    }
    last += kEllipsis;
    fitted.lines = std::move(lines);
    return fitted;
}

}  // namespace

double EstimatedWidth(std::string_view text, double fontSize) {
    double width = 0;
    for (const char c : text) {
        width += CharacterWidth(static_cast<unsigned char>(c));
    }
    return width * fontSize;
}

FittedText FitText(std::string_view text, double width, double height, const FitLimits& limits) {
    if (text.empty()) {
        return {limits.largestSize, {}, false};
    }
    const int steps =
        static_cast<int>(std::round((limits.largestSize - limits.smallestSize) / limits.step));
    // A smaller font is better than a key name split in the middle.
    for (const bool splitPieces : {false, true}) {
        for (int step = 0; step <= steps; ++step) {
            const double size = limits.largestSize - step * limits.step;
            std::vector<std::string> lines = Wrap(text, width, size, splitPieces);
            if (!lines.empty() &&
                static_cast<int>(lines.size()) <= LinesThatFit(height, size, limits)) {
                return {size, std::move(lines), false};
            }
        }
    }
    return Truncated(text, width, height, limits);
}

}  // namespace tolvane
