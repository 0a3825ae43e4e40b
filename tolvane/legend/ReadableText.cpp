// UTF-8 source: the arrows and signs are written as they are printed.
#include "tolvane/legend/ReadableText.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <optional>
#include <string_view>
#include <utility>
#include <vector>

#include "tolvane/app/TextTable.h"
#include "tolvane/keyprog/TypedText.h"

namespace tolvane {

namespace {

constexpr KeyCode kNumEnter = 107;
constexpr KeyCode kHalfSecondDelay = 0x96;

// The keys that hold on to the next one, and the name a chord gives them.
constexpr std::array<std::pair<KeyCode, std::string_view>, 6> kModifiers = {{
    {67, "Ctrl"},
    {74, "Ctrl"},
    {69, "Alt"},
    {71, "Alt"},
    {68, "Win"},
    {72, "Win"},
}};

// Short names where a legend reads better than the key's display name.
constexpr auto kShortNames = std::to_array<std::pair<KeyCode, std::string_view>>({
    {28, "Tab"},
    {42, "Caps"},
    {kEnterKey, kReturnSign},
    {kNumEnter, kReturnSign},
    {78, "PrtSc"},
    {79, "ScrLk"},
    {81, "Ins"},
    {83, "PgUp"},
    {84, "Del"},
    {86, "PgDn"},
    {87, "↑"},
    {88, "←"},
    {89, "↓"},
    {90, "→"},
    {91, "NumLk"},
    {kHalfSecondDelay, kPauseSign},
    {0x97, "Back"},
    {0x98, "Forward"},
    {0x9A, "Refresh"},
    {0x9B, "Search"},
    {0x9C, "Favorites"},
    {0xA0, "Vol+"},
    {0xA1, "Vol-"},
    {0xA4, "Prev"},
    {0xA5, "Next"},
    {0xA6, "Media"},
    {0xA7, "My Computer"},
    {0xA8, "Calc"},
});

template <std::size_t N>
std::optional<std::string_view> Lookup(
    const std::array<std::pair<KeyCode, std::string_view>, N>& table, KeyCode code) {
    const auto* entry = std::find_if(table.begin(), table.end(),
                                     [code](const auto& pair) { return pair.first == code; });
    return entry == table.end() ? std::nullopt : std::optional(entry->second);
}

// The character a key types into a run of text. Enter and Tab type one too, but a legend
// shows them by their sign and name.
std::optional<char> CharacterOf(KeyCode code, bool shifted) {
    const char typed = CharacterOfKey(code, shifted);
    if (typed == '\0' || typed == '\n' || typed == '\t') {
        return std::nullopt;
    }
    return typed;
}

std::string ShortName(KeyCode code) {
    if (const std::optional<std::string_view> name = Lookup(kShortNames, code)) {
        return std::string(*name);
    }
    if (IsLayerKeyCode(code)) {
        return std::string(LayerName(LayerOfLayerKey(code)));
    }
    std::string name = KeyName(code, false);
    std::replace(name.begin(), name.end(), '_', ' ');
    return name;
}

// A key as the last part of a chord: letters in capitals, as on the keycaps.
std::string ChordKeyName(KeyCode code) {
    if (code == kSpaceKey) {
        return "Space";
    }
    if (const std::optional<char> c = CharacterOf(code, false)) {
        return std::string(1, static_cast<char>(std::toupper(static_cast<unsigned char>(*c))));
    }
    return ShortName(code);
}

class TypedTextWriter {
  public:
    void Add(KeyCode code) {
        if (code == kNoKey) {
            return;
        }
        if (IsShiftCode(code)) {
            shifted_ = !shifted_;
            shiftJustOn_ = shifted_;
            sawShift_ = true;
            return;
        }
        if (const std::optional<std::string_view> modifier = Lookup(kModifiers, code)) {
            EndRun();
            if (std::find(held_.begin(), held_.end(), *modifier) == held_.end()) {
                held_.emplace_back(*modifier);
            }
            return;
        }
        Key(code);
        shiftJustOn_ = false;
    }

    std::string Finish() {
        EndRun();
        if (!held_.empty()) {
            parts_.push_back(Joined(held_, "+"));
        }
        if (parts_.empty() && sawShift_) {
            parts_.emplace_back("Shift");
        }
        return Joined(parts_, " ");
    }

  private:
    void Key(KeyCode code) {
        if (!held_.empty()) {
            EndRun();
            if (shifted_) {
                held_.emplace_back("Shift");
            }
            held_.push_back(ChordKeyName(code));
            parts_.push_back(Joined(held_, "+"));
            held_.clear();
            return;
        }
        if (const std::optional<char> c = CharacterOf(code, shifted_)) {
            run_ += *c;
            return;
        }
        const bool endsText = run_.find_first_not_of(' ') != std::string::npos;
        EndRun();
        const std::string name = ShortName(code);
        if (name == kReturnSign && endsText) {
            parts_.back() += name;
        } else {
            parts_.push_back(shiftJustOn_ ? "Shift+" + name : name);
        }
    }

    void EndRun() {
        if (run_.empty()) {
            return;
        }
        // Spaces alone would print nothing.
        if (run_.find_first_not_of(' ') == std::string::npos) {
            parts_.insert(parts_.end(), run_.size(), "Space");
        } else {
            parts_.push_back(run_);
        }
        run_.clear();
    }

    static std::string Joined(const std::vector<std::string>& parts, std::string_view glue) {
        std::string text;
        for (const std::string& part : parts) {
            text += text.empty() ? part : std::string(glue) + part;
        }
        return text;
    }

    bool shifted_ = false;
    bool shiftJustOn_ = false;
    bool sawShift_ = false;
    std::string run_;
    std::vector<std::string> held_;
    std::vector<std::string> parts_;
};

}  // namespace

std::string ReadableTextOf(std::span<const KeyCode> codes) {
    TypedTextWriter writer;
    for (const KeyCode code : codes) {
        writer.Add(code);
    }
    return writer.Finish();
}

}  // namespace tolvane
