// The reader thread: what the host hears, and how the reader stops.
#include <gmock/gmock.h>

#include <future>
#include <memory>
#include <thread>

#include "tests/vaskor/VaskorFixture.h"

namespace vaskor::testing {
namespace {

using ::testing::Each;
using ::testing::ElementsAre;

using ReaderTest = VaskorTest;

TEST_F(ReaderTest, PlugInAndOutAreAnnouncedOnceEach) {
    RecordingSink sink;
    CVX30Interface vx30;
    vx30.Open(sink.Window());
    ASSERT_TRUE(sink.WaitForCount(1));
    keyboard.Unplug();
    ASSERT_TRUE(sink.WaitForCount(2));
    keyboard.Plug();
    ASSERT_TRUE(sink.WaitForCount(3));
    ASSERT_TRUE(vx30.GetSwitch());  // its answer closes the sequence
    ASSERT_TRUE(sink.WaitForCount(4));
    EXPECT_THAT(sink.Codes(), ElementsAre(WM_KB_PLUGIN, WM_KB_PLUGOUT, WM_KB_PLUGIN, WM_KB_SWITCH));
}

TEST_F(ReaderTest, AQuickReplugIsNoticedThroughTheFailedChannel) {
    RecordingSink sink;
    CVX30Interface vx30;
    vx30.Open(sink.Window());
    ASSERT_TRUE(sink.WaitForCount(1));
    keyboard.Unplug();
    keyboard.Plug();
    ASSERT_TRUE(sink.WaitForCount(3));
    ASSERT_TRUE(vx30.GetSwitch());
    ASSERT_TRUE(sink.WaitForCount(4));
    EXPECT_THAT(sink.Codes(), ElementsAre(WM_KB_PLUGIN, WM_KB_PLUGOUT, WM_KB_PLUGIN, WM_KB_SWITCH));
}

TEST_F(ReaderTest, AnswersReachTheSinkWithLParamAtByteTwo) {
    RecordingSink sink;
    CVX30Interface vx30;
    vx30.Open(sink.Window());
    ASSERT_TRUE(sink.WaitForCount(1));
    keyboard.SetSwitch(7);
    ASSERT_TRUE(vx30.GetSwitch());
    keyboard.SendAnswer(0x77, {1, 2, 3});  // dropped
    keyboard.SendAnswer(0xD2, {9, 8});
    ASSERT_TRUE(sink.WaitForCount(3));
    ASSERT_TRUE(vx30.GetSwitch());
    ASSERT_TRUE(sink.WaitForCount(4));

    const std::vector<Message> received = sink.Received();
    EXPECT_THAT(sink.Codes(),
                ElementsAre(WM_KB_PLUGIN, WM_KB_SWITCH, WM_KB_REPORT_D2, WM_KB_SWITCH));
    EXPECT_EQ(received[1].code, 0xD1);
    ASSERT_EQ(received[1].data.size(), 63u);
    EXPECT_EQ(received[1].data[0], 7);
    EXPECT_THAT(std::vector(received[1].data.begin() + 1, received[1].data.end()), Each(0));
    EXPECT_EQ(received[2].code, 0xD2);
    EXPECT_EQ(received[2].data[0], 9);
    EXPECT_EQ(received[2].data[1], 8);
    EXPECT_EQ(received[2].data[2], 0);
}

TEST_F(ReaderTest, AKeyboardPluggedInLaterIsFoundAndAClosedPipeIsOpenedAgain) {
    keyboard.Unplug();
    RecordingSink sink;
    CVX30Interface vx30;
    vx30.Open(sink.Window());
    EXPECT_FALSE(vx30.GetSwitch());
    keyboard.Plug();
    ASSERT_TRUE(sink.WaitForCount(1));
    vx30.ClosePipe();
    ASSERT_TRUE(sink.WaitForCount(2));
    EXPECT_THAT(sink.Codes(), ElementsAre(WM_KB_PLUGIN, WM_KB_PLUGIN));
    EXPECT_EQ(OpenChannels(), 1u);
}

TEST_F(ReaderTest, ClosingOneObjectStopsTheReadersOfAllUntilTheNextOpen) {
    RecordingSink firstSink;
    RecordingSink secondSink;
    CVX30Interface first;
    CVX30Interface second;
    first.Open(firstSink.Window());
    second.Open(secondSink.Window());
    ASSERT_TRUE(firstSink.WaitForCount(1));
    ASSERT_TRUE(secondSink.WaitForCount(1));
    EXPECT_EQ(OpenChannels(), 2u);

    first.Close();
    EXPECT_EQ(OpenChannels(), 0u);  // second's reader released its channel before Close returned
    EXPECT_FALSE(second.GetSwitch());

    second.Open(secondSink.Window());
    ASSERT_TRUE(secondSink.WaitForCount(2));
    RecordingSink thirdSink;
    CVX30Interface third;
    third.Open(thirdSink.Window());
    ASSERT_TRUE(thirdSink.WaitForCount(1));
    EXPECT_THAT(firstSink.Codes(), ElementsAre(WM_KB_PLUGIN));
    EXPECT_THAT(secondSink.Codes(), ElementsAre(WM_KB_PLUGIN, WM_KB_PLUGIN));
}

TEST_F(ReaderTest, CloseRightAfterOpenStopsTheReader) {
    RecordingSink sink;
    CVX30Interface vx30;
    for (int round = 0; round < 20; ++round) {
        vx30.Open(sink.Window());
        vx30.Close();
        EXPECT_EQ(OpenChannels(), 0u);
    }
    EXPECT_THAT(sink.Codes(), Each(WM_KB_PLUGIN));
}

#if defined(_WIN32)

// The window's own thread closes or destroys the object inside its handler of a message of
// the library, while the reader waits in SendMessage for that very handler.
TEST_F(ReaderTest, ClosingFromTheWindowProcedureNeverDeadlocks) {
    for (const bool destroy : {false, true}) {
        auto vx30 = std::make_unique<CVX30Interface>();
        std::promise<void> closed;
        RecordingSink sink([&](std::uint32_t message) {
            if (message == WM_KB_PLUGIN) {
                if (destroy) {
                    vx30.reset();
                } else {
                    vx30->Close();
                }
                closed.set_value();
            }
        });
        vx30->Open(sink.Window());
        EXPECT_EQ(closed.get_future().wait_for(kPatience), std::future_status::ready) << destroy;
        EXPECT_EQ(OpenChannels(), 0u) << destroy;
    }
}

#else

// A host that handles the message on its own thread and makes the reader wait for that.
class HostThreadSink : public CKbMessageSink {
  public:
    std::intptr_t OnKbMessage(std::uint32_t, std::uintptr_t, std::intptr_t) override {
        std::unique_lock lock(mutex_);
        entered_ = true;
        changed_.notify_all();
        changed_.wait(lock, [this] { return handled_; });
        returned_ = true;
        changed_.notify_all();
        return 0;
    }
    bool WaitEntered() { return WaitFor(entered_); }
    bool WaitReturned() { return WaitFor(returned_); }
    void Handle() {
        std::lock_guard lock(mutex_);
        handled_ = true;
        changed_.notify_all();
    }

  private:
    bool WaitFor(const bool& flag) {
        std::unique_lock lock(mutex_);
        return changed_.wait_for(lock, kPatience, [&flag] { return flag; });
    }

    std::mutex mutex_;
    std::condition_variable changed_;
    bool entered_ = false;
    bool handled_ = false;
    bool returned_ = false;
};

TEST_F(ReaderTest, CloseOnTheHostThreadAbandonsAPendingDelivery) {
    HostThreadSink sink;
    auto vx30 = std::make_unique<CVX30Interface>();
    vx30->Open(&sink);
    ASSERT_TRUE(sink.WaitEntered());

    std::promise<void> closed;
    std::thread host([&] {
        vx30->Close();
        closed.set_value();
        sink.Handle();  // back in its loop, the host gets to the message
    });
    const bool returned = closed.get_future().wait_for(kPatience) == std::future_status::ready;
    sink.Handle();  // frees the reader should Close have hung
    host.join();
    EXPECT_TRUE(returned);
    EXPECT_EQ(OpenChannels(), 0u);
    vx30.reset();
    EXPECT_TRUE(sink.WaitReturned());
}

TEST_F(ReaderTest, DestroyingTheObjectFromItsOwnHandlerIsSafe) {
    struct DestroyingSink : CKbMessageSink {
        std::intptr_t OnKbMessage(std::uint32_t, std::uintptr_t, std::intptr_t) override {
            std::lock_guard lock(mutex);
            object.reset();
            done.notify_all();
            return 0;
        }
        std::mutex mutex;
        std::condition_variable done;
        std::unique_ptr<CVX30Interface> object = std::make_unique<CVX30Interface>();
    } sink;
    CVX30Interface* const vx30 = sink.object.get();
    {
        std::lock_guard lock(sink.mutex);
        vx30->Open(&sink);
    }
    std::unique_lock lock(sink.mutex);
    EXPECT_TRUE(sink.done.wait_for(lock, kPatience, [&sink] { return sink.object == nullptr; }));
    EXPECT_EQ(OpenChannels(), 0u);
}

#endif

}  // namespace
}  // namespace vaskor::testing
