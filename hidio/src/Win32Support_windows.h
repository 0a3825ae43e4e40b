// Small helpers shared by the Windows files of hidio: owned handles, text conversion between
// the system's UTF-16 and our UTF-8, and the system's wording of an error.
#pragma once

#include <windows.h>

#include <memory>
#include <string>
#include <type_traits>

namespace hidio::detail {

struct HandleCloser {
    void operator()(HANDLE handle) const {
        if (handle != nullptr && handle != INVALID_HANDLE_VALUE) {
            ::CloseHandle(handle);
        }
    }
};
using UniqueHandle = std::unique_ptr<std::remove_pointer_t<HANDLE>, HandleCloser>;

std::string Utf8FromWide(const wchar_t* text);
std::wstring WideFromUtf8(const std::string& text);

// The system's own text for error, without the line break it ends with.
std::string SystemMessage(DWORD error);

}  // namespace hidio::detail
