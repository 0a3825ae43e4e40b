// Shared set-up of the programs that run inside the kernel test's machine: the emulated
// keyboard plugged in through uhid, seen through the system's HID services.
#pragma once

#include <gtest/gtest.h>

#include <chrono>
#include <thread>
#include <vector>

#include "emulator/linux/UhidKeyboard.h"
#include "hidio/Hidio.h"
#include "hidio/KeyboardWire.h"
#include "tolvane/link/Hid.h"

namespace tolvane::kernel {

// Generous: the machine is emulated without acceleration.
inline constexpr std::chrono::milliseconds kGenerousWait = std::chrono::seconds(20);

template <typename Condition>
bool WaitUntil(Condition condition, std::chrono::milliseconds bound = kGenerousWait) {
    const auto deadline = std::chrono::steady_clock::now() + bound;
    while (!condition()) {
        if (std::chrono::steady_clock::now() >= deadline) {
            return false;
        }
        std::this_thread::sleep_for(
            std::chrono::milliseconds(10));  // the kernel gives no signal to wait on here
    }
    return true;
}

inline std::vector<hidio::InterfaceInfo> KeyboardCollections() {
    std::vector<hidio::InterfaceInfo> found;
    for (const hidio::InterfaceInfo& info : hidio::SystemBus().Enumerate()) {
        if (info.vendorId == wire::kVendorId && info.productId == wire::kProductId) {
            found.push_back(info);
        }
    }
    return found;
}

inline const hidio::InterfaceInfo* WithUsage(const std::vector<hidio::InterfaceInfo>& collections,
                                             std::uint16_t page, std::uint16_t usage) {
    for (const hidio::InterfaceInfo& info : collections) {
        if (info.usagePage == page && info.usage == usage) {
            return &info;
        }
    }
    return nullptr;
}

// Plugs the keyboard in before each test and waits until both of its collections are
// enumerated; pulls it out afterwards.
class KernelKeyboardTest : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_TRUE(keyboard.Plug()) << keyboard.LastError();
        ASSERT_TRUE(keyboard.WaitUntilStarted(kGenerousWait));
        ASSERT_TRUE(WaitUntil([] { return KeyboardCollections().size() == 2; }))
            << KeyboardCollections().size() << " collections of the keyboard enumerated";
    }

    void TearDown() override {
        keyboard.Unplug();
        EXPECT_TRUE(WaitUntil([] { return KeyboardCollections().empty(); }));
    }

    emulator::UhidKeyboard keyboard;
};

}  // namespace tolvane::kernel
