// The example layout of a till: what a shop would program into its keyboards.
#pragma once

#include "tolvane/image/KeyboardImage.h"

namespace tolvane::examples {

// Fills the image (which should start from its start-up state) with the till layout.
void BuildTillLayout(KeyboardImage& image);

}  // namespace tolvane::examples
