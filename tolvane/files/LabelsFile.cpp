#include "tolvane/files/LabelsFile.h"

#include <algorithm>
#include <charconv>

#include "tolvane/app/TextTable.h"

namespace tolvane {

namespace {

constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";
constexpr std::string_view kSpaces = " \t";
constexpr std::string_view kHeader = "# Legend labels: button, layer, label";

// Takes a number off the front of rest and the spaces after it. The digits as written;
// empty when rest does not start with a digit or no space follows them.
std::string_view TakeNumber(std::string_view& rest) {
    const std::size_t end = std::min(rest.find_first_not_of("0123456789"), rest.size());
    if (end == 0 || end == rest.size() || kSpaces.find(rest[end]) == std::string_view::npos) {
        return {};
    }
    const std::string_view digits = rest.substr(0, end);
    rest.remove_prefix(std::min(rest.find_first_not_of(kSpaces, end), rest.size()));
    return digits;
}

// A number as the message names it; a run of digits far longer than any number is cut.
std::string Quoted(std::string_view digits) {
    constexpr std::size_t kLongestShown = 20;
    return digits.size() <= kLongestShown ? std::string(digits)
                                          : std::string(digits.substr(0, kLongestShown)) + "...";
}

// The value of the digits, or 0 (no button or layer has it) when they are too many.
int ValueOf(std::string_view digits) {
    int value = 0;
    const auto [end, error] = std::from_chars(digits.data(), digits.data() + digits.size(), value);
    return error == std::errc() && end == digits.data() + digits.size() ? value : 0;
}

class LabelsParser {
  public:
    void Line(int number, std::string_view line) {
        if (!line.empty() && line.back() == '\r') {
            line.remove_suffix(1);
        }
        const std::string_view content = TrimmedLabel(line);
        if (content.empty() || content.front() == '#') {
            return;
        }
        // The content ends in a character that is no space, so a label follows the layer
        // whenever TakeNumber finds spaces behind it.
        std::string_view rest = content;
        const std::string_view button = TakeNumber(rest);
        const std::string_view layer = button.empty() ? button : TakeNumber(rest);
        if (layer.empty()) {
            Problem(number, "expected a button number, a layer number and a label");
            return;
        }
        Label(number, ValueOf(button), ValueOf(layer), button, layer, rest);
    }

    ParsedLabels Result() { return std::move(parsed_); }

  private:
    void Label(int number, int button, int layer, std::string_view buttonText,
               std::string_view layerText, std::string_view label) {
        if (!IsValidButton(button)) {
            Problem(number, "there is no button " + Quoted(buttonText) + "; buttons are 1 to 84");
            return;
        }
        if (!IsValidLayer(layer)) {
            Problem(number, "there is no layer " + Quoted(layerText) + "; layers are 1 to 6");
            return;
        }
        int& first = firstLine_[static_cast<std::size_t>(button)][static_cast<std::size_t>(layer)];
        if (first != 0) {
            Problem(number, "button " + std::to_string(button) + " already has a label on " +
                                std::string(LayerName(layer)) + ", on line " +
                                std::to_string(first));
            return;
        }
        if (const std::optional<LabelRefusal> refusal = parsed_.labels.Set(button, layer, label)) {
            Problem(number, std::string(RefusalText(*refusal)));
            return;
        }
        first = number;
    }

    void Problem(int line, const std::string& what) {
        ++parsed_.problemCount;
        if (parsed_.problems.size() < kMostLabelProblemsKept) {
            parsed_.problems.push_back({line, "line " + std::to_string(line) + ": " + what});
        }
    }

    ParsedLabels parsed_;
    std::array<std::array<int, LayerCount + 1>, ButtonCount + 1> firstLine_{};
};

}  // namespace

ParsedLabels ParseLabelsText(std::string_view text) {
    if (text.starts_with(kByteOrderMark)) {
        text.remove_prefix(kByteOrderMark.size());
    }
    LabelsParser parser;
    int number = 1;
    while (!text.empty()) {
        const std::size_t end = text.find('\n');
        parser.Line(number++, text.substr(0, end));
        text.remove_prefix(end == std::string_view::npos ? text.size() : end + 1);
    }
    return parser.Result();
}

std::string FormatLabelsFile(const LegendLabels& labels) {
    std::string text = std::string(kHeader) + "\r\n";
    for (int layer = 1; layer <= LayerCount; ++layer) {
        for (int button = 1; button <= ButtonCount; ++button) {
            const std::string& label = labels.Of(button, layer);
            if (!label.empty()) {
                text += std::to_string(button) + " " + std::to_string(layer) + " " + label + "\r\n";
            }
        }
    }
    return text;
}

std::filesystem::path LabelsFileBeside(const std::filesystem::path& dataFile) {
    std::filesystem::path labels = dataFile;
    return labels.replace_extension(std::filesystem::path(std::string(kLabelsFileSuffix)));
}

LabelsFileLoad LoadLabelsFile(const std::filesystem::path& path) {
    TextRead read = ReadTextFile(path);
    LabelsFileLoad load;
    load.status = read.status;
    if (read.ok()) {
        load.parsed = ParseLabelsText(read.text);
    } else {
        load.error = std::move(read.error);
    }
    return load;
}

FileWriteResult SaveLabelsFile(const LegendLabels& labels, const std::filesystem::path& path) {
    std::error_code ignored;
    if (labels.Empty() &&
        !std::filesystem::exists(std::filesystem::symlink_status(path, ignored))) {
        return {true, {}};
    }
    return WriteFileAtomically(path, FormatLabelsFile(labels));
}

}  // namespace tolvane
