// The hand-off of the library's messages to the GUI thread, alone and with the real library's
// reader on the virtual keyboard. The test's own thread plays the GUI thread. Run under the
// thread sanitizer too.
#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <condition_variable>
#include <future>
#include <memory>
#include <mutex>
#include <optional>
#include <thread>

#include "emulator/VirtualKeyboard.h"
#include "hidio/VirtualBus.h"
#include "pellimore/KbMessageRouter.h"
#include "pellimore/MessageHandOff.h"
#include "vaskor/VX30Interface.h"

namespace pellimore {
namespace {

constexpr auto kPatience = std::chrono::seconds(10);

// Polls the condition until it holds; false after the patience has run out.
template <typename Condition>
bool Eventually(Condition condition) {
    const auto deadline = std::chrono::steady_clock::now() + kPatience;
    while (!condition()) {
        if (std::chrono::steady_clock::now() > deadline) {
            return false;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
    }
    return true;
}

// The GUI side: counts the wake-ups the hand-off asks for.
class Gui {
  public:
    std::shared_ptr<MessageHandOff> handOff = std::make_shared<MessageHandOff>([this] {
        std::lock_guard lock(mutex_);
        ++wakes_;
        woken_.notify_all();
    });

    bool WaitForWakes(int count) {
        std::unique_lock lock(mutex_);
        return woken_.wait_for(lock, kPatience, [&] { return wakes_ >= count; });
    }
    int Wakes() {
        std::lock_guard lock(mutex_);
        return wakes_;
    }

  private:
    std::mutex mutex_;
    std::condition_variable woken_;
    int wakes_ = 0;
};

TEST(MessageHandOff, EachMessageIsTakenOnceWhileItsReaderWaitsForTheFinish) {
    Gui gui;
    std::atomic<int> returned = 0;
    std::thread reader([&] {
        for (const std::uint32_t message : {WM_KB_PLUGIN, WM_KB_PLUGOUT}) {
            EXPECT_TRUE(gui.handOff->Deliver(message));
            ++returned;
        }
    });
    ASSERT_TRUE(gui.WaitForWakes(1));
    EXPECT_EQ(gui.handOff->Take(), WM_KB_PLUGIN);
    EXPECT_EQ(gui.handOff->Take(), std::nullopt);
    EXPECT_EQ(returned.load(), 0) << "the reader went on before the box was closed";
    EXPECT_EQ(gui.Wakes(), 1);
    gui.handOff->Finish();
    ASSERT_TRUE(gui.WaitForWakes(2));
    EXPECT_EQ(gui.handOff->Take(), WM_KB_PLUGOUT);
    gui.handOff->Finish();
    gui.handOff->Finish();  // a second close of the same box changes nothing
    reader.join();
    EXPECT_EQ(returned.load(), 2);
    EXPECT_EQ(gui.Wakes(), 2);
}

TEST(MessageHandOff, ClosingLetsAWaitingReaderGoAndTurnsLaterMessagesAway) {
    enum class When { kBeforeAnyMessage, kWithAMessageWaiting, kWithABoxOpen };
    for (const When when :
         {When::kBeforeAnyMessage, When::kWithAMessageWaiting, When::kWithABoxOpen}) {
        SCOPED_TRACE(static_cast<int>(when));
        Gui gui;
        std::future<bool> delivered;
        if (when == When::kBeforeAnyMessage) {
            gui.handOff->Close();
        } else {
            delivered = std::async(std::launch::async,
                                   [&gui] { return gui.handOff->Deliver(WM_KB_PLUGIN); });
            ASSERT_TRUE(gui.WaitForWakes(1));
            if (when == When::kWithABoxOpen) {
                ASSERT_EQ(gui.handOff->Take(), WM_KB_PLUGIN);
            }
            gui.handOff->Close();
            ASSERT_EQ(delivered.wait_for(kPatience), std::future_status::ready);
            EXPECT_FALSE(delivered.get());
        }
        EXPECT_FALSE(gui.handOff->Deliver(WM_KB_PLUGOUT));
        EXPECT_EQ(gui.handOff->Take(), std::nullopt);
        gui.handOff->Finish();
        EXPECT_EQ(gui.Wakes(), when == When::kBeforeAnyMessage ? 0 : 1);
    }
}

#if !defined(_WIN32)  // there the library sends its messages to the window itself

// The tool's way with the library: the process's router as the sink, the window's hand-off
// connected to it, the virtual keyboard on a bus the library takes for the system's; the tool
// goes as the window does, hand-off first.
class ToolReaderTest : public ::testing::Test {
  protected:
    ToolReaderTest() {
        hidio::SelectBus(&bus);
        keyboard.Plug();
    }
    ~ToolReaderTest() override { hidio::SelectBus(nullptr); }

    hidio::VirtualBus bus;
    emulator::VirtualKeyboard keyboard{bus};
};

TEST_F(ToolReaderTest, ClosingTheToolWithAMessageWaitingOrABoxOpenEndsCleanly) {
    KbMessageRouter& router = KbMessageRouter::Instance();
    for (const bool boxOpen : {false, true}) {
        SCOPED_TRACE(boxOpen ? "box open" : "message waiting");
        Gui gui;
        auto interface = std::make_unique<CVX30Interface>();
        router.Connect(gui.handOff);
        interface->Open(&router);
        ASSERT_TRUE(gui.WaitForWakes(1));
        if (boxOpen) {
            ASSERT_EQ(gui.handOff->Take(), WM_KB_PLUGIN);
        }
        gui.handOff->Close();
        router.Disconnect(gui.handOff.get());
        interface.reset();
        // The reader has let go of the hand-off, the channel is released, and the reader says
        // nothing more.
        EXPECT_TRUE(Eventually([&] { return gui.handOff.use_count() == 1; }));
        EXPECT_EQ(bus.OpenHandleCount(keyboard.VendorPath()), 0u);
        keyboard.Unplug();
        keyboard.Plug();
        EXPECT_EQ(gui.Wakes(), 1);
    }
}

#endif

}  // namespace
}  // namespace pellimore
