// Any bytes as a virtual keyboard's state file: what loads keeps the keyboard's own limits,
// and saves as a text that loads back the same.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "emulator/EmulatedKeyboard.h"
#include "fuzz/FuzzRequire.h"

using tolvane::fuzz::Require;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const emulator::KeyboardState state = emulator::KeyboardStateFromText(
        std::string_view(reinterpret_cast<const char*>(data), size));

    const auto& keys = state.programming.keys;
    for (std::size_t button = 0; button < keys.size(); ++button) {
        for (std::size_t layer = 0; layer < keys[button].size(); ++layer) {
            Require(keys[button][layer].size() <= wire::kMaxKeysPerLayer);
            if (button == 0 || layer == 0) {
                Require(keys[button][layer].empty());  // no such button or layer
            }
        }
    }
    Require(state.serialNumber.size() <= 126);
    for (const char c : state.serialNumber) {
        Require(c >= 0x20 && c < 0x7F);  // it is written back on a line of its own
    }
    const std::string saved = emulator::KeyboardStateText(state);
    Require(emulator::KeyboardStateText(emulator::KeyboardStateFromText(saved)) == saved);
    return 0;
}
