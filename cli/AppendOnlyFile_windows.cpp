// Windows: every write is placed at the end of the file by the system (an offset of all
// ones), and FlushFileBuffers, which needs a handle with write rights, makes it durable.
#define WIN32_LEAN_AND_MEAN
#include <windows.h>

#include <system_error>

#include "cli/AppendOnlyFile.h"

namespace tolvane::cli {

namespace {

std::string Reason(DWORD error) {
    return std::system_category().message(static_cast<int>(error));
}

bool EndsInsideALine(const std::filesystem::path& path) {
    const HANDLE reader =
        ::CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                      OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (reader == INVALID_HANDLE_VALUE) {
        return false;  // a file this user may only append to: nothing to mend then
    }
    LARGE_INTEGER back{};
    back.QuadPart = -1;
    char last = '\n';
    DWORD read = 0;
    const bool ok = ::SetFilePointerEx(reader, back, nullptr, FILE_END) != 0 &&
                    ::ReadFile(reader, &last, 1, &read, nullptr) != 0 && read == 1;
    ::CloseHandle(reader);
    return ok && last != '\n';
}

}  // namespace

AppendOnlyFile::Opened AppendOnlyFile::Open(const std::filesystem::path& path) {
    const std::string name = PathText(path);
    const HANDLE handle =
        ::CreateFileW(path.c_str(), GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                      OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (handle == INVALID_HANDLE_VALUE) {
        return {nullptr, "Cannot open " + name + ": " + Reason(::GetLastError())};
    }
    LARGE_INTEGER size{};
    if (::GetFileType(handle) != FILE_TYPE_DISK || ::GetFileSizeEx(handle, &size) == 0) {
        ::CloseHandle(handle);
        return {nullptr, "Cannot append to " + name + ": it is not a regular file"};
    }
    const bool empty = size.QuadPart == 0;
    return {
        std::unique_ptr<AppendOnlyFile>(new AppendOnlyFile(
            reinterpret_cast<std::intptr_t>(handle), name, empty, !empty && EndsInsideALine(path))),
        {}};
}

AppendOnlyFile::~AppendOnlyFile() {
    ::CloseHandle(reinterpret_cast<HANDLE>(handle_));
}

FileWriteResult AppendOnlyFile::WriteAndFlush(std::string_view bytes) {
    const HANDLE handle = reinterpret_cast<HANDLE>(handle_);
    OVERLAPPED atTheEnd{};
    atTheEnd.Offset = MAXDWORD;
    atTheEnd.OffsetHigh = MAXDWORD;
    DWORD written = 0;
    if (bytes.size() > MAXDWORD ||
        ::WriteFile(handle, bytes.data(), static_cast<DWORD>(bytes.size()), &written, &atTheEnd) ==
            0 ||
        written != bytes.size() || ::FlushFileBuffers(handle) == 0) {
        return {false, "Cannot write " + name_ + ": " + Reason(::GetLastError())};
    }
    return {true, {}};
}

}  // namespace tolvane::cli
