#include "tolvane/legend/LegendLabels.h"

#include "tolvane/app/Utf8Text.h"

namespace tolvane {

namespace {

bool HasControlCharacter(std::string_view text) {
    for (const char c : text) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte < 0x20 || byte == 0x7F) {
            return true;
        }
    }
    return false;
}

}  // namespace

std::string_view RefusalText(LabelRefusal refusal) {
    switch (refusal) {
        case LabelRefusal::kNoSuchButton:
            return "there is no such button (buttons are 1 to 84)";
        case LabelRefusal::kNoSuchLayer:
            return "there is no such layer (layers are 1 to 6)";
        case LabelRefusal::kTooLong:
            return "the label is longer than 40 characters";
        case LabelRefusal::kNotText:
            return "the label is not UTF-8 text or holds a control character";
    }
    return {};
}

std::optional<TextId> MessageOfRefusal(LabelRefusal refusal) {
    switch (refusal) {
        case LabelRefusal::kTooLong:
            return TextId::kLegendLabelTooLong;
        case LabelRefusal::kNotText:
            return TextId::kLegendLabelNotText;
        case LabelRefusal::kNoSuchButton:
        case LabelRefusal::kNoSuchLayer:
            break;
    }
    return std::nullopt;
}

std::string_view TrimmedLabel(std::string_view text) {
    const std::size_t first = text.find_first_not_of(" \t");
    if (first == std::string_view::npos) {
        return {};
    }
    return text.substr(first, text.find_last_not_of(" \t") - first + 1);
}

std::optional<LabelRefusal> CheckLabel(std::string_view text) {
    const std::string_view label = TrimmedLabel(text);
    if (!IsValidUtf8(label) || HasControlCharacter(label)) {
        return LabelRefusal::kNotText;
    }
    if (Utf8Length(label) > kLongestLabel) {
        return LabelRefusal::kTooLong;
    }
    return std::nullopt;
}

const std::string& LegendLabels::Of(int button, int layer) const {
    static const std::string kNone;
    if (!IsValidButton(button) || !IsValidLayer(layer)) {
        return kNone;
    }
    return labels_[static_cast<std::size_t>(button)][static_cast<std::size_t>(layer)];
}

std::optional<LabelRefusal> LegendLabels::Set(int button, int layer, std::string_view text) {
    if (!IsValidButton(button)) {
        return LabelRefusal::kNoSuchButton;
    }
    if (!IsValidLayer(layer)) {
        return LabelRefusal::kNoSuchLayer;
    }
    if (const std::optional<LabelRefusal> refusal = CheckLabel(text)) {
        return refusal;
    }
    labels_[static_cast<std::size_t>(button)][static_cast<std::size_t>(layer)] =
        std::string(TrimmedLabel(text));
    return std::nullopt;
}

void LegendLabels::Clear() {
    for (auto& button : labels_) {
        for (std::string& label : button) {
            label.clear();
        }
    }
}

int LegendLabels::Count() const {
    int count = 0;
    for (const auto& button : labels_) {
        for (const std::string& label : button) {
            count += label.empty() ? 0 : 1;
        }
    }
    return count;
}

}  // namespace tolvane
