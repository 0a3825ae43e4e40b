// Any bytes as a user key groups file: the load must keep every group and code inside the
// store, and the rows the list shows must match the groups in use.
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "fuzz/FuzzRequire.h"

#include "tolvane/keyprog/UserKeyGroups.h"

using tolvane::fuzz::Require;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    tolvane::UserKeyGroupStore store;
    store.LoadUserKeyGroupsText(std::string_view(reinterpret_cast<const char*>(data), size));

    Require(store.groupCount <= tolvane::kMaxUserKeyGroups);
    Require(store.Rows().size() == store.groupCount);
    for (int g = 0; g < store.groupCount; ++g) {
        Require(store.GroupCodes(g).size() <= tolvane::kMaxCodesPerUserKeyGroup);
        Require(store.Rows()[static_cast<std::size_t>(g)].number == g);
    }
    Require(store.GroupCodes(store.groupCount).empty());

    // What was loaded writes a file that loads back the same groups.
    tolvane::UserKeyGroupStore again;
    again.LoadUserKeyGroupsText(store.FileText());
    Require(again.groupCount == store.groupCount);
    for (int g = 0; g < store.groupCount; ++g) {
        const auto before = store.GroupCodes(g);
        const auto after = again.GroupCodes(g);
        Require(before.size() == after.size());
        for (std::size_t i = 0; i < before.size(); ++i) {
            Require(before[i] == after[i]);
        }
    }
    return 0;
}
