#include "manual/ManualText.h"

#include <optional>

namespace tolvane::manual {

namespace {

constexpr std::string_view kVersionMark = "{{version}}";

struct Picture {
    std::string caption;
    std::string file;
};

std::string_view Trimmed(std::string_view line) {
    const auto first = line.find_first_not_of(" \t\r");
    if (first == std::string_view::npos) {
        return {};
    }
    const auto last = line.find_last_not_of(" \t\r");
    return line.substr(first, last - first + 1);
}

// `![caption](file)` and nothing else on the line.
std::optional<Picture> PictureLine(std::string_view line) {
    line = Trimmed(line);
    if (!line.starts_with("![") || !line.ends_with(")")) {
        return std::nullopt;
    }
    const auto middle = line.find("](");
    if (middle == std::string_view::npos) {
        return std::nullopt;
    }
    const std::string_view caption = line.substr(2, middle - 2);
    const std::string_view file = line.substr(middle + 2, line.size() - middle - 3);
    if (file.empty() || file.find_first_of("() ") != std::string_view::npos ||
        caption.find(']') != std::string_view::npos) {
        return std::nullopt;
    }
    return Picture{std::string(caption), std::string(file)};
}

void ReplaceAll(std::string& text, std::string_view mark, std::string_view by) {
    for (auto at = text.find(mark); at != std::string::npos; at = text.find(mark, at + by.size())) {
        text.replace(at, mark.size(), by);
    }
}

}  // namespace

PreparedManual PrepareManual(std::string_view markdown, std::string_view version,
                             const std::function<bool(const std::string&)>& screenshotExists) {
    PreparedManual prepared;
    bool inCodeBlock = false;
    while (!markdown.empty()) {
        const auto end = markdown.find('\n');
        const std::string_view line = markdown.substr(0, end);
        markdown.remove_prefix(end == std::string_view::npos ? markdown.size() : end + 1);

        if (Trimmed(line).starts_with("```")) {
            inCodeBlock = !inCodeBlock;
        }
        const std::optional<Picture> picture = inCodeBlock ? std::nullopt : PictureLine(line);
        if (!picture) {
            prepared.markdown.append(line).append("\n");
        } else if (screenshotExists(picture->file)) {
            // The caption goes in a paragraph of its own under the picture.
            prepared.markdown.append(line).append("\n\n*").append(picture->caption).append("*\n");
            prepared.shown.push_back(picture->file);
        } else {
            prepared.missing.push_back(picture->file);
        }
    }
    ReplaceAll(prepared.markdown, kVersionMark, version);
    return prepared;
}

}  // namespace tolvane::manual
