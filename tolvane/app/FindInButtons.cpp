#include "tolvane/app/FindInButtons.h"

#include <algorithm>
#include <bitset>

#include "tolvane/image/ButtonPlaces.h"
#include "tolvane/keyprog/KeySearch.h"
#include "tolvane/keyprog/TypedText.h"

namespace tolvane {

namespace {

using CodeSet = std::bitset<256>;

// The codes a part of the query names; empty when it names none.
CodeSet CodesNamed(std::string_view part) {
    CodeSet codes;
    for (std::size_t code = 1; code < KeyNameTable.size(); ++code) {
        const KeyNameEntry& entry = KeyNameTable[code];
        if (EqualIgnoringCase(entry.plainName, part) ||
            EqualIgnoringCase(entry.shiftedName, part)) {
            codes.set(code);
        }
    }
    for (std::size_t row = 0; row < SpecialKeyTable.size(); ++row) {
        if (EqualIgnoringCase(SpecialKeyTable[row].name, part) ||
            SpecialKeyChineseName(row) == part) {
            codes.set(SpecialKeyTable[row].code);
        }
    }
    return codes;
}

// The query as a run of key names; empty when some part names no key. A query of a lone
// "+" or with an empty part is text, not names.
std::vector<CodeSet> NamedRun(std::string_view query) {
    std::vector<CodeSet> run;
    for (std::size_t start = 0; start <= query.size();) {
        const std::size_t end = std::min(query.find('+', start), query.size());
        const CodeSet codes = CodesNamed(query.substr(start, end - start));
        if (codes.none()) {
            return {};
        }
        run.push_back(codes);
        start = end + 1;
    }
    return run;
}

bool HoldsRun(std::span<const KeyCode> codes, const std::vector<CodeSet>& run) {
    if (run.empty() || codes.size() < run.size()) {
        return false;
    }
    for (std::size_t at = 0; at + run.size() <= codes.size(); ++at) {
        std::size_t k = 0;
        while (k < run.size() && run[k].test(codes[at + k])) {
            ++k;
        }
        if (k == run.size()) {
            return true;
        }
    }
    return false;
}

}  // namespace

std::vector<FindHit> FindInButtons(const KeyboardImage& image, std::string_view query) {
    std::vector<FindHit> hits;
    if (query.empty()) {
        return hits;
    }
    const std::vector<CodeSet> run = NamedRun(query);
    for (int button = 1; button <= ButtonCount; ++button) {
        const ButtonRecord& record = image.buttons[static_cast<std::size_t>(button)];
        for (int layer = 1; layer <= LayerCount; ++layer) {
            const std::span<const KeyCode> codes = record.Codes(layer);
            if (codes.empty()) {
                continue;
            }
            if (HoldsRun(codes, run) || ContainsIgnoringCase(TypedTextOf(codes), query)) {
                hits.push_back({button, layer, LayerTextOf(codes), IsButtonShown(button)});
            }
        }
    }
    return hits;
}

}  // namespace tolvane
