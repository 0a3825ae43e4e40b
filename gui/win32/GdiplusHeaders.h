// GDI+ as the artwork and the tests use it: its headers want the COM types that a lean
// windows.h leaves out, and min and max of their own.
#pragma once

#include <windows.h>
// After windows.h, which it needs.
#include <objidl.h>

#include <algorithm>
namespace Gdiplus {
using std::max;
using std::min;
}  // namespace Gdiplus
#include <gdiplus.h>
