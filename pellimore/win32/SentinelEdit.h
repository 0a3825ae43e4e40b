// A sentinel edit of the tool's window: empty, at most ten characters, and taking plain ASCII
// only. A typed character of code 0x80 or above is dropped before the edit sees it (the edit
// itself turns letters into lower case), and pasted text goes through the tool's sentinel
// filter, as in its Qt window. The filter sits in the edit's own procedure, so it holds
// whichever message loop delivers the keys.
#pragma once

#include <windows.h>

namespace pellimore::win32 {

void MakeSentinelEdit(HWND edit);

}  // namespace pellimore::win32
