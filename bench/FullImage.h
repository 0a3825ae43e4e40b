// The fullest programming the keyboard holds, for the benchmarks: every layer of every button
// with 55 codes.
#pragma once

#include <memory>
#include <vector>

#include "tolvane/image/KeyboardImage.h"

namespace tolvane::bench {

inline std::unique_ptr<KeyboardImage> FullImage() {
    auto image = std::make_unique<KeyboardImage>();
    std::vector<KeyCode> codes(MaxKeysPerLayer);
    for (int button = 1; button <= ButtonCount; ++button) {
        for (int layer = 1; layer <= LayerCount; ++layer) {
            for (std::size_t i = 0; i < codes.size(); ++i) {
                codes[i] = static_cast<KeyCode>(1 + (button + layer + i) % 107);
            }
            image->StoreKeyRecord(button, layer, codes);
        }
    }
    return image;
}

}  // namespace tolvane::bench
