// Legend labels: the word a shop wants printed on a key ("TOTAL", "CASH", "VOID"), one per
// button and layer. They are not part of the keyboard's programming: the keyboard never
// sees them, the data file does not hold them (they live in a labels file beside it), and a
// button without a label prints what it types.
#pragma once

#include <array>
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

#include "tolvane/app/TextTable.h"
#include "tolvane/image/KeyboardImage.h"

namespace tolvane {

// Characters, not bytes: a label in Chinese holds as many as one in English.
inline constexpr std::size_t kLongestLabel = 40;

enum class LabelRefusal {
    kNoSuchButton,  // outside 1..84
    kNoSuchLayer,   // outside 1..6
    kTooLong,       // more than kLongestLabel characters
    kNotText,       // not UTF-8, or holds a control character such as a line end
};

// The English reason, for the command line and the labels file's messages.
std::string_view RefusalText(LabelRefusal refusal);

// What the window says of a label the user typed that cannot be kept; none for the refusals
// the window never meets (it names only real buttons and layers).
std::optional<TextId> MessageOfRefusal(LabelRefusal refusal);

// Spaces around the text are dropped; what remains is refused for the reasons above.
std::optional<LabelRefusal> CheckLabel(std::string_view text);

class LegendLabels {
  public:
    // The label of a button on a layer; empty when it has none or the numbers name none.
    const std::string& Of(int button, int layer) const;

    // Sets the label, trimmed; an empty text removes it. A refused label changes nothing.
    std::optional<LabelRefusal> Set(int button, int layer, std::string_view text);

    void Clear();
    int Count() const;
    bool Empty() const { return Count() == 0; }

    friend bool operator==(const LegendLabels&, const LegendLabels&) = default;

  private:
    std::array<std::array<std::string, LayerCount + 1>, ButtonCount + 1> labels_;
};

// Spaces and tabs at both ends removed.
std::string_view TrimmedLabel(std::string_view text);

}  // namespace tolvane
