// The user manual's Markdown as it goes to print. A line that holds nothing but a picture,
// `![caption](file.png)`, is a screenshot of one of our windows: it is printed, with its
// caption under it, when the screenshot exists, and left out otherwise, so the manual can
// name the screenshot of a window before that window is rendered by every build.
#pragma once

#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace tolvane::manual {

struct PreparedManual {
    std::string markdown;
    std::vector<std::string> shown;    // screenshot file names, in order
    std::vector<std::string> missing;  // named but not found, left out
};

// `{{version}}` in the text becomes the version given.
PreparedManual PrepareManual(std::string_view markdown, std::string_view version,
                             const std::function<bool(const std::string&)>& screenshotExists);

}  // namespace tolvane::manual
