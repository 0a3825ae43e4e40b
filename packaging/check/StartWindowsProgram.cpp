// Starts a Windows desktop program as a user would, waits until its main window is up and
// waiting for input, closes it by its close box and reports how it ended:
//   start-windows-program.exe "MZR-40" tolvane.exe --virtual-keyboard
// Exit status 0 when the window came up and the program ended by itself with status 0.
#include <windows.h>

#include <cstdio>
#include <string>

namespace {

constexpr DWORD kStartTimeoutMs = 60000;
constexpr DWORD kLookAgainMs = 100;

struct Search {
    DWORD process;
    const wchar_t* title;
    HWND found;
};

BOOL CALLBACK FindWindowOf(HWND window, LPARAM data) {
    auto* search = reinterpret_cast<Search*>(data);
    DWORD owner = 0;
    ::GetWindowThreadProcessId(window, &owner);
    wchar_t title[256] = {};
    ::GetWindowTextW(window, title, 256);
    if (owner == search->process && ::IsWindowVisible(window) &&
        std::wstring(title).rfind(search->title, 0) == 0) {
        search->found = window;
        return FALSE;
    }
    return TRUE;
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
    if (argc < 3) {
        std::fputs("usage: start-windows-program TITLE PROGRAM [ARGUMENTS...]\n", stderr);
        return 2;
    }
    std::wstring commandLine = L"\"" + std::wstring(argv[2]) + L"\"";
    for (int index = 3; index < argc; ++index) {
        commandLine += L" \"" + std::wstring(argv[index]) + L"\"";
    }
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process{};
    if (!::CreateProcessW(nullptr, commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                          &startup, &process)) {
        std::fprintf(stderr, "the program did not start (error %lu)\n", ::GetLastError());
        return 1;
    }
    // Idle for input: its window is made and its message loop runs.
    if (::WaitForInputIdle(process.hProcess, kStartTimeoutMs) != 0) {
        std::fputs("the program never waited for input\n", stderr);
        ::TerminateProcess(process.hProcess, 1);
        return 1;
    }
    // Idle may come from a thread of a library before the window is up: look again until the
    // window shows, the program ends or the time is up. Nothing signals another process's
    // window, so the look is repeated at each short wait on the process.
    Search search{process.dwProcessId, argv[1], nullptr};
    for (DWORD waited = 0; waited < kStartTimeoutMs; waited += kLookAgainMs) {
        ::EnumWindows(&FindWindowOf, reinterpret_cast<LPARAM>(&search));
        if (search.found != nullptr ||
            ::WaitForSingleObject(process.hProcess, kLookAgainMs) == WAIT_OBJECT_0) {
            break;
        }
    }
    if (search.found == nullptr) {
        std::fputs("the program showed no main window\n", stderr);
        ::TerminateProcess(process.hProcess, 1);
        return 1;
    }
    ::PostMessageW(search.found, WM_CLOSE, 0, 0);
    if (::WaitForSingleObject(process.hProcess, kStartTimeoutMs) != WAIT_OBJECT_0) {
        std::fputs("the program did not end when its window was closed\n", stderr);
        ::TerminateProcess(process.hProcess, 1);
        return 1;
    }
    DWORD status = 1;
    ::GetExitCodeProcess(process.hProcess, &status);
    std::printf("main window up, closed, exit status %lu\n", status);
    return status == 0 ? 0 : 1;
}
