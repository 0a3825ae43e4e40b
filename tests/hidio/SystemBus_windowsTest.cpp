// The system's HID services on Windows, as far as they can be tried without the keyboard: no
// keyboard can be attached where these tests run (wine shows at most its own mouse and
// keyboard). The reads and writes themselves are tried in HidDevice_windowsTest.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>

#include "hidio/Hidio.h"
#include "hidio/KeyboardInterface.h"
#include "tests/support/TemporaryFolder.h"

namespace hidio {
namespace {

TEST(SystemBus, EnumeratesInterfacesWithoutFindingTheKeyboardWhileWatching) {
    const std::unique_ptr<Watch> watch =
        SystemBus().StartWatch([](WatchEvent, const std::string&) {});
    const std::vector<InterfaceInfo> found = SystemBus().Enumerate();
    for (const InterfaceInfo& info : found) {
        EXPECT_EQ(info.path.rfind(R"(\\?\)", 0), 0u) << info.path;
        EXPECT_FALSE(IsKeyboardVendorInterface(info)) << info.path;
    }
    EXPECT_TRUE(std::is_sorted(found.begin(), found.end(),
                               [](const auto& a, const auto& b) { return a.path < b.path; }));
}

TEST(SystemBus, AFailedOpenSaysWhy) {
    tolvane::testing::TemporaryFolder folder;
    std::ofstream(folder / "plain.txt") << "not a device";
    struct Case {
        std::string path;
        OpenStatus status;
    };
    const Case cases[] = {
        {R"(\\?\hid#vid_0483&pid_5017&mi_01#1&0#{4d1e55b2-f16f-11cf-88cb-001111000030})",
         OpenStatus::kNotFound},
        {(folder / "missing" / "x").string(), OpenStatus::kNotFound},
        {folder.path().string(), OpenStatus::kAccessDenied},  // a folder opens for nobody's I/O
        {(folder / "plain.txt").string(), OpenStatus::kRefused},
    };
    for (const Case& c : cases) {
        const OpenResult result = SystemBus().Open(c.path);
        EXPECT_EQ(result.device, nullptr) << c.path;
        EXPECT_EQ(result.status, c.status) << c.path << ": " << result.message;
        EXPECT_FALSE(result.message.empty()) << c.path;
    }
}

}  // namespace
}  // namespace hidio
