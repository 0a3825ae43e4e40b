// Any report as a reply of the keyboard during a read: the image must take it without
// a write outside its buttons, and a decoded key record must lie inside the reply.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <memory>

#include "fuzz/FuzzRequire.h"

#include "tolvane/link/TransferProtocol.h"
#include "tolvane/link/WireRecords.h"

using tolvane::fuzz::Require;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    hidio::Report reply{};
    std::copy_n(data, std::min(size, reply.size()), reply.begin());

    if (const auto record = tolvane::DecodeKeyRecord(reply, tolvane::RecordWay::kFromKeyboard)) {
        Require(record->codes.size() <= tolvane::MaxKeysPerLayer);
        Require(record->codes.data() >= reply.data());
        Require(record->codes.data() + record->codes.size() <= reply.data() + reply.size());
    }

    static const auto image = std::make_unique<tolvane::KeyboardImage>();
    image->Reset();
    tolvane::ApplyReadReply(*image, reply);
    for (std::uint8_t count : image->buttons[0].keyCount) {
        Require(count == 0);  // button 0 is no button
    }
    for (const tolvane::ButtonRecord& button : image->buttons) {
        Require(button.keyCount[0] == 0);  // nor is layer 0
        for (std::uint8_t count : button.keyCount) {
            Require(count <= tolvane::MaxKeysPerLayer);
        }
    }
    return 0;
}
