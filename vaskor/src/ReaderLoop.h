// The reader thread's body: Waiting (presence test every 100 ms) until the keyboard is found
// and its channel opens, then Connected (presence test, then a read that waits for the next
// input report) until the keyboard is gone.
#pragma once

#include <memory>

#include "Library.h"

namespace vaskor {

void RunReader(std::shared_ptr<ReaderThread> self);

}  // namespace vaskor
