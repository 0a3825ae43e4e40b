// The card-reader tool's Windows window in-process under wine, on the virtual keyboard: the
// library (libvaskor.dll) finds the keyboard on the process's bus and sends its messages to
// the window, as it would for any host program.
#include <gtest/gtest.h>
#include <windows.h>

#include <atomic>
#include <condition_variable>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <memory>
#include <mutex>
#include <string>
#include <thread>
#include <utility>
#include <vector>

#include "gui/model/VirtualKeyboardRig.h"
#include "gui/win32/AboutBox.h"
#include "pellimore/PellimoreIds.h"
#include "pellimore/win32/CPellimoreDlg.h"
#include "tests/win32/support/ScriptedPrompter.h"
#include "tests/win32/support/WindowFixture.h"

namespace {

namespace ids = pellimore::ids;
using tolvane::testing::Win32Prompt;
using tolvane::testing::WindowText;

constexpr const wchar_t* kPlugIn = L"Keyboard is plugin";
constexpr const wchar_t* kPlugOut = L"Keyboard is plugout";

void PumpThread() {
    MSG message;
    while (::PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
        ::TranslateMessage(&message);
        ::DispatchMessageW(&message);
    }
}

// A close that deadlocks would hang the window's thread, and the test with it: this ends the
// run instead, saying why.
class Watchdog {
  public:
    explicit Watchdog(const char* what)
        : thread_([this, what](std::stop_token stop) {
              for (int tick = 0; tick < 300 && !stop.stop_requested(); ++tick) {
                  std::unique_lock lock(mutex_);
                  if (changed_.wait_for(lock, std::chrono::milliseconds(100),
                                        [&stop] { return stop.stop_requested(); })) {
                      return;
                  }
              }
              std::fprintf(stderr, "deadlock: %s did not return within 30 s\n", what);
              std::_Exit(3);
          }) {}
    ~Watchdog() {
        thread_.request_stop();
        changed_.notify_all();
    }

  private:
    std::mutex mutex_;
    std::condition_variable changed_;
    std::jthread thread_;
};

class PellimoreWindowTest : public ::testing::Test {
  protected:
    PellimoreWindowTest() {
        std::filesystem::create_directories(folder_);
        keyboard_ = std::make_unique<tolvane::gui::VirtualKeyboardRig>(
            (folder_ / "keyboard.state").string());
    }
    ~PellimoreWindowTest() override {
        window_.reset();
        keyboard_.reset();
        std::error_code ignored;
        std::filesystem::remove_all(folder_, ignored);
    }

    // Opens the window and waits for the library's announcement of the keyboard.
    void Start() {
        window_ = std::make_unique<pellimore::win32::CPellimoreDlg>();
        ASSERT_TRUE(window_->Open());
        ASSERT_TRUE(PumpUntil([this] { return !prompter_.Messages().empty(); }));
    }
    bool PumpUntil(const std::function<bool()>& condition) {
        return tolvane::testing::PumpUntil(&PumpThread, condition);
    }
    HWND Item(int id) const { return ::GetDlgItem(window_->Window(), id); }
    void Click(int id) {
        ::SendMessageW(window_->Window(), WM_COMMAND, MAKEWPARAM(id, BN_CLICKED),
                       reinterpret_cast<LPARAM>(Item(id)));
    }
    std::size_t OpenChannels() {
        return keyboard_->Bus().OpenHandleCount(keyboard_->Keyboard().VendorPath());
    }

    const std::filesystem::path folder_ =
        std::filesystem::temp_directory_path() /
        ("pellimore-win32-" + std::to_string(::GetCurrentProcessId()));
    std::unique_ptr<tolvane::gui::VirtualKeyboardRig> keyboard_;
    tolvane::testing::ScriptedWin32Prompter prompter_;
    std::unique_ptr<pellimore::win32::CPellimoreDlg> window_;
};

TEST_F(PellimoreWindowTest, PlugInAndPullOutReachTheWindowProcedureThroughTheLibrary) {
    const DWORD windowThread = ::GetCurrentThreadId();
    std::vector<DWORD> threads;
    std::vector<std::wstring> captions;
    prompter_.onPrompt = [&](const Win32Prompt& prompt) {
        threads.push_back(::GetCurrentThreadId());
        captions.push_back(prompt.caption);
    };
    Start();
    keyboard_->PullOut();
    ASSERT_TRUE(PumpUntil([this] { return prompter_.Messages().size() == 2; }));
    // With no keyboard Update sends nothing and says nothing.
    Click(ids::kUpdateButton);
    keyboard_->PlugIn();
    ASSERT_TRUE(PumpUntil([this] { return prompter_.Messages().size() == 3; }));

    EXPECT_EQ(prompter_.Messages(), (std::vector<std::wstring>{kPlugIn, kPlugOut, kPlugIn}));
    EXPECT_EQ(captions, std::vector<std::wstring>(3, L"Pellimore"));
    EXPECT_EQ(threads, std::vector<DWORD>(3, windowThread));
    EXPECT_EQ(keyboard_->Keyboard().CardSettings(1)[0], 0) << "nothing was sent while out";
}

TEST_F(PellimoreWindowTest, UpdateSendsEachTrackAsTypedAndTheKeyboardStoresIt) {
    struct Row {
        bool enabled;
        bool returnCode;
        const wchar_t* start;
        const wchar_t* end;
        std::uint8_t mode;
    };
    // A track whose box is clear goes with mode 0 and its sentinels as typed.
    const Row rows[3] = {{true, true, L"%", L"?", 2},
                         {false, true, L";", L"=", 0},
                         {true, false, L"", L"0123456789", 1}};
    Start();
    for (std::size_t t = 0; t < 3; ++t) {
        ::CheckDlgButton(window_->Window(), ids::kTrackBoxes[t], rows[t].enabled);
        ::CheckDlgButton(window_->Window(), ids::kReturnCodeBoxes[t], rows[t].returnCode);
        ::SetWindowTextW(Item(ids::kStartSentinelEdits[t]), rows[t].start);
        ::SetWindowTextW(Item(ids::kEndSentinelEdits[t]), rows[t].end);
    }
    tolvane::testing::SaveScreenshot(window_->Window(), "pellimore");
    Click(ids::kUpdateButton);
    ASSERT_TRUE(PumpUntil([this] { return keyboard_->Keyboard().CardSettings(3)[0] == 0xFA; }));

    // 0xFA, track 1, mode 2, "%" and "?" each with its count and nine zero bytes after it.
    std::array<std::uint8_t, 25> first{};
    for (const auto& [at, value] :
         {std::pair{0, 0xFA}, {1, 1}, {2, 2}, {3, 1}, {4, '%'}, {14, 1}, {15, '?'}}) {
        first[static_cast<std::size_t>(at)] = static_cast<std::uint8_t>(value);
    }
    EXPECT_EQ(keyboard_->Keyboard().CardSettings(1), first);
    for (std::size_t t = 1; t < 3; ++t) {
        const auto stored = keyboard_->Keyboard().CardSettings(static_cast<int>(t) + 1);
        const std::wstring start = rows[t].start;
        const std::wstring end = rows[t].end;
        EXPECT_EQ(stored[1], t + 1);
        EXPECT_EQ(stored[2], rows[t].mode) << "track " << t + 1;
        EXPECT_EQ(std::wstring(stored.begin() + 4, stored.begin() + 4 + stored[3]), start);
        EXPECT_EQ(std::wstring(stored.begin() + 15, stored.begin() + 15 + stored[14]), end);
    }
    EXPECT_EQ(prompter_.Messages().size(), 1u) << "Update says nothing";
}

TEST_F(PellimoreWindowTest, SentinelEditsTakeLowerCaseAsciiUpToTenCharacters) {
    Start();
    const HWND edit = Item(ids::kStartSentinelEdits[1]);
    ::SetFocus(edit);
    for (const wchar_t typed : {L'A', L'\u00e9', L'b', L'\u20ac', L'%'}) {
        ::SendMessageW(edit, WM_CHAR, typed, 1);
    }
    EXPECT_EQ(WindowText(edit), L"ab%");
    for (int count = 0; count < 10; ++count) {
        ::SendMessageW(edit, WM_CHAR, L'7', 1);
    }
    EXPECT_EQ(WindowText(edit), L"ab%7777777") << "an eleventh character does not go in";

    // Pasted text goes through the same filter, what does not fit cut off.
    const HWND other = Item(ids::kEndSentinelEdits[2]);
    const std::wstring pasted = L"\u00c9%X\ty\u4e2d0123456789";
    ASSERT_TRUE(::OpenClipboard(window_->Window()));
    ::EmptyClipboard();
    const HGLOBAL data = ::GlobalAlloc(GMEM_MOVEABLE, (pasted.size() + 1) * sizeof(wchar_t));
    std::copy_n(pasted.c_str(), pasted.size() + 1, static_cast<wchar_t*>(::GlobalLock(data)));
    ::GlobalUnlock(data);
    ::SetClipboardData(CF_UNICODETEXT, data);
    ::CloseClipboard();
    ::SendMessageW(other, WM_PASTE, 0, 0);
    EXPECT_EQ(WindowText(other), L"%xy0123456");
}

TEST_F(PellimoreWindowTest, EveryWayOfClosingEndsTheWindowAndReleasesTheKeyboard) {
    struct Way {
        const char* name;
        UINT message;
        int command;
    };
    const Way ways[] = {{"Ok", WM_COMMAND, ids::kOkButton},
                        {"Enter", WM_COMMAND, IDOK},
                        {"Escape", WM_COMMAND, IDCANCEL},
                        {"close box", WM_CLOSE, 0}};
    for (const Way& way : ways) {
        prompter_.prompts.clear();
        Start();
        ASSERT_EQ(OpenChannels(), 1u);
        {
            const Watchdog watchdog(way.name);
            ::SendMessageW(window_->Window(), way.message, MAKEWPARAM(way.command, BN_CLICKED), 0);
        }
        EXPECT_TRUE(window_->Closed()) << way.name;
        EXPECT_EQ(OpenChannels(), 0u) << way.name;
    }
}

// The box holds the library's reader in its send to this window; closing the window from
// inside that message's handling must neither deadlock nor bring a message later.
TEST_F(PellimoreWindowTest, ClosingWhileTheReaderWaitsOnTheWindowDoesNotDeadlock) {
    std::atomic<bool> closed{false};
    prompter_.onPrompt = [&](const Win32Prompt&) {
        const Watchdog watchdog("closing from the plug-in message");
        Click(ids::kOkButton);
        closed = window_->Closed();
    };
    Start();
    EXPECT_TRUE(closed);
    ASSERT_TRUE(PumpUntil([this] { return OpenChannels() == 0; }));
    keyboard_->PullOut();
    keyboard_->PlugIn();
    PumpThread();
    EXPECT_EQ(prompter_.Messages(), std::vector<std::wstring>{kPlugIn});
}

TEST_F(PellimoreWindowTest, TheSystemMenuOpensTheAboutBox) {
    Start();
    const HMENU system = ::GetSystemMenu(window_->Window(), FALSE);
    wchar_t item[64] = {};
    ::GetMenuStringW(system, ids::kAboutCommand, item, 64, MF_BYCOMMAND);
    EXPECT_STREQ(item, L"&About Pellimore...");

    prompter_.showDialogs = true;
    std::wstring version;
    HICON icon = nullptr;
    prompter_.onPrompt = [&](const Win32Prompt& prompt) {
        version = WindowText(::GetWindow(
            ::GetDlgItem(prompt.window, tolvane::gui::win32::kAboutIconControl), GW_HWNDNEXT));
        icon = reinterpret_cast<HICON>(::SendDlgItemMessageW(
            prompt.window, tolvane::gui::win32::kAboutIconControl, STM_GETICON, 0, 0));
        tolvane::testing::SaveScreenshot(prompt.window, "pellimore-about");
    };
    ::SendMessageW(window_->Window(), WM_SYSCOMMAND, ids::kAboutCommand, 0);
    ASSERT_FALSE(prompter_.prompts.empty());
    EXPECT_EQ(prompter_.prompts.back().kind, Win32Prompt::Kind::kDialog);
    EXPECT_EQ(prompter_.prompts.back().caption, L"About Pellimore");
    EXPECT_EQ(version, L"Pellimore Version 1.0");
    EXPECT_NE(icon, nullptr);
}

}  // namespace
