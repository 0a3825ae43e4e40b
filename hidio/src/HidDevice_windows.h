// Windows: one opened HID interface, read and written with overlapped I/O.
#pragma once

#include <memory>
#include <string>

#include "Win32Support_windows.h"
#include "hidio/Hidio.h"

namespace hidio::detail {

// Takes over handle, opened for overlapped reading and writing. The report lengths are the
// interface's own, from its HID capabilities. Null, with the system's reason in failure,
// when the events the I/O needs cannot be had.
std::unique_ptr<Device> MakeHidDevice(UniqueHandle handle, std::string path,
                                      std::size_t inputLength, std::size_t outputLength,
                                      std::string& failure);

}  // namespace hidio::detail
