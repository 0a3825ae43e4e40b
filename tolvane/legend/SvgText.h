// Text as it may stand inside an SVG (XML) document.
#pragma once

#include <string>
#include <string_view>

namespace tolvane {

// Escapes the characters XML gives a meaning ("&", "<", ">", quotes), drops control
// characters XML cannot carry and replaces bytes that are not UTF-8 with U+FFFD, so any
// key name or file name makes a well-formed document.
std::string XmlText(std::string_view text);

// A length in millimetres as SVG writes it: at most two decimals, no trailing zeros.
std::string Millimetres(double value);

}  // namespace tolvane
