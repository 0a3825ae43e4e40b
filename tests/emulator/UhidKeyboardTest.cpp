// Linux only. The uhid front end against a stand-in for the kernel: each device's channel is
// one end of a sequenced-packet socket pair, so every write is one event either way, as on
// /dev/uhid. What the real kernel makes of the devices is checked in tests/kernel.
#include <gtest/gtest.h>
#include <linux/uhid.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <mutex>
#include <optional>
#include <vector>

#include "emulator/linux/UhidKeyboard.h"

namespace emulator {
namespace {

constexpr int kGenerousWaitMs = 5000;
constexpr auto kGenerousWait = std::chrono::milliseconds(kGenerousWaitMs);

class FakeKernel {
  public:
    ~FakeKernel() {
        for (const int fd : devices_) {
            ::close(fd);
        }
    }

    UhidKeyboard::ChannelOpener Opener() {
        return [this]() -> int {
            std::lock_guard lock(mutex_);
            if (opensLeft_ == 0) {
                errno = ENOENT;
                return -1;
            }
            --opensLeft_;
            int ends[2];
            if (::socketpair(AF_UNIX, SOCK_SEQPACKET | SOCK_CLOEXEC, 0, ends) != 0) {
                return -1;
            }
            devices_.push_back(ends[0]);
            return ends[1];
        };
    }

    void AllowOpens(int count) {
        std::lock_guard lock(mutex_);
        opensLeft_ = count;
    }

    std::size_t DeviceCount() {
        std::lock_guard lock(mutex_);
        return devices_.size();
    }

    // The next event the keyboard wrote on device i, or nothing within the generous wait
    // (or when the keyboard closed the channel).
    std::optional<uhid_event> Next(std::size_t i) {
        const int fd = Device(i);
        pollfd ready{fd, POLLIN, 0};
        if (::poll(&ready, 1, kGenerousWaitMs) != 1) {
            return std::nullopt;
        }
        uhid_event event{};
        if (::read(fd, &event, sizeof event) != static_cast<ssize_t>(sizeof event)) {
            return std::nullopt;
        }
        return event;
    }

    // Whether the keyboard closes device i's channel within the generous wait.
    bool Closed(std::size_t i) {
        const int fd = Device(i);
        pollfd ready{fd, POLLIN, 0};
        uhid_event event{};
        return ::poll(&ready, 1, kGenerousWaitMs) == 1 && ::read(fd, &event, sizeof event) == 0;
    }

    // The next event of the given type on device i; others before it are passed over.
    std::optional<uhid_event> NextOfType(std::size_t i, std::uint32_t type) {
        for (;;) {
            std::optional<uhid_event> event = Next(i);
            if (!event || event->type == type) {
                return event;
            }
        }
    }

    void Send(std::size_t i, const uhid_event& event) {
        ASSERT_EQ(::write(Device(i), &event, sizeof event), static_cast<ssize_t>(sizeof event));
    }

    void Send(std::size_t i, std::uint32_t type) {
        uhid_event event{};
        event.type = type;
        Send(i, event);
    }

    void SendOutput(std::size_t i, const std::vector<std::uint8_t>& data) {
        uhid_event event{};
        event.type = UHID_OUTPUT;
        event.u.output.size = static_cast<std::uint16_t>(data.size());
        event.u.output.rtype = UHID_OUTPUT_REPORT;
        std::copy(data.begin(), data.end(), event.u.output.data);
        Send(i, event);
    }

  private:
    int Device(std::size_t i) {
        std::lock_guard lock(mutex_);
        return devices_.at(i);
    }

    std::mutex mutex_;
    std::vector<int> devices_;  // the kernel's ends, in the order the devices were opened
    int opensLeft_ = 1000;
};

constexpr std::size_t kBoot = 0;
constexpr std::size_t kVendor = 1;

// A 65-byte output as hidapi writes it: report number 0, then the payload.
std::vector<std::uint8_t> HidapiWrite(std::vector<std::uint8_t> payload) {
    payload.resize(64);
    payload.insert(payload.begin(), 0);
    return payload;
}

// Walks a report descriptor's short items and adds up the bits of its input and output
// reports; notes the first usage page and usage and whether report ids appear.
struct DescriptorSummary {
    std::uint32_t usagePage = 0;
    std::uint32_t usage = 0;
    std::uint32_t inputBits = 0;
    std::uint32_t outputBits = 0;
    bool reportIds = false;
    bool wellFormed = true;
};

DescriptorSummary Summarise(std::span<const std::uint8_t> descriptor) {
    DescriptorSummary summary;
    std::uint32_t reportSize = 0;
    std::uint32_t reportCount = 0;
    int depth = 0;
    for (std::size_t i = 0; i < descriptor.size();) {
        const std::uint8_t prefix = descriptor[i];
        const std::size_t length = (prefix & 3u) == 3 ? 4 : prefix & 3u;
        if (i + 1 + length > descriptor.size()) {
            summary.wellFormed = false;
            break;
        }
        std::uint32_t value = 0;
        for (std::size_t b = 0; b < length; ++b) {
            value |= static_cast<std::uint32_t>(descriptor[i + 1 + b]) << (8 * b);
        }
        switch (prefix & 0xFCu) {
            case 0x04:  // usage page
                summary.usagePage = summary.usagePage == 0 ? value : summary.usagePage;
                break;
            case 0x08:  // usage
                summary.usage = summary.usage == 0 ? value : summary.usage;
                break;
            case 0x74:
                reportSize = value;
                break;
            case 0x94:
                reportCount = value;
                break;
            case 0x84:
                summary.reportIds = true;
                break;
            case 0x80:
                summary.inputBits += reportSize * reportCount;
                break;
            case 0x90:
                summary.outputBits += reportSize * reportCount;
                break;
            case 0xA0:
                ++depth;
                break;
            case 0xC0:
                --depth;
                break;
            default:
                break;
        }
        i += 1 + length;
    }
    summary.wellFormed = summary.wellFormed && depth == 0;
    return summary;
}

class UhidKeyboardTest : public ::testing::Test {
  protected:
    void PlugAndStart() {
        ASSERT_TRUE(keyboard.Plug()) << keyboard.LastError();
        ASSERT_EQ(kernel.DeviceCount(), 2u);
        ASSERT_TRUE(kernel.NextOfType(kBoot, UHID_CREATE2));
        ASSERT_TRUE(kernel.NextOfType(kVendor, UHID_CREATE2));
        kernel.Send(kBoot, UHID_START);
        kernel.Send(kVendor, UHID_START);
        ASSERT_TRUE(keyboard.WaitUntilStarted(kGenerousWait));
    }

    FakeKernel kernel;
    UhidKeyboard keyboard{{}, kernel.Opener()};
};

TEST_F(UhidKeyboardTest, PlugCreatesTheBootKeyboardThenTheVendorCollection) {
    ASSERT_TRUE(keyboard.Plug()) << keyboard.LastError();
    ASSERT_EQ(kernel.DeviceCount(), 2u);
    const auto boot = kernel.Next(kBoot);
    const auto vendor = kernel.Next(kVendor);
    ASSERT_TRUE(boot && vendor);
    for (const uhid_event* event : {&*boot, &*vendor}) {
        EXPECT_EQ(event->type, UHID_CREATE2);
        EXPECT_EQ(event->u.create2.bus, 0x03);  // USB
        EXPECT_EQ(event->u.create2.vendor, 0x0483u);
        EXPECT_EQ(event->u.create2.product, 0x5017u);
    }

    const DescriptorSummary bootSummary =
        Summarise({boot->u.create2.rd_data, static_cast<std::size_t>(boot->u.create2.rd_size)});
    EXPECT_TRUE(bootSummary.wellFormed);
    EXPECT_EQ(bootSummary.usagePage, 0x01u);
    EXPECT_EQ(bootSummary.usage, 0x06u);
    EXPECT_EQ(bootSummary.inputBits, 64u);  // the 8-byte boot report
    EXPECT_EQ(bootSummary.outputBits, 8u);  // the LED byte
    EXPECT_FALSE(bootSummary.reportIds);

    const DescriptorSummary vendorSummary =
        Summarise({vendor->u.create2.rd_data, static_cast<std::size_t>(vendor->u.create2.rd_size)});
    EXPECT_TRUE(vendorSummary.wellFormed);
    EXPECT_EQ(vendorSummary.usagePage, 0xFF00u);
    EXPECT_EQ(vendorSummary.usage, 0x01u);
    EXPECT_EQ(vendorSummary.inputBits, 64u * 8);
    EXPECT_EQ(vendorSummary.outputBits, 64u * 8);
    EXPECT_FALSE(vendorSummary.reportIds);
}

TEST_F(UhidKeyboardTest, StartOpenCloseAndStopAreFollowed) {
    ASSERT_TRUE(keyboard.Plug());
    EXPECT_FALSE(keyboard.WaitUntilStarted(std::chrono::milliseconds(0)));
    kernel.Send(kVendor, UHID_START);
    kernel.Send(kBoot, UHID_START);
    EXPECT_TRUE(keyboard.WaitUntilStarted(kGenerousWait));

    kernel.Send(kBoot, UHID_OPEN);  // the boot keyboard's opens are not the vendor's
    kernel.Send(kVendor, UHID_OPEN);
    EXPECT_TRUE(keyboard.WaitUntilVendorOpen(true, kGenerousWait));
    kernel.Send(kVendor, UHID_CLOSE);
    EXPECT_TRUE(keyboard.WaitUntilVendorOpen(false, kGenerousWait));

    kernel.Send(kVendor, UHID_STOP);
    kernel.Send(kVendor, UHID_OPEN);  // ordered after the stop on the same channel
    ASSERT_TRUE(keyboard.WaitUntilVendorOpen(true, kGenerousWait));
    EXPECT_FALSE(keyboard.WaitUntilStarted(std::chrono::milliseconds(0)));
}

TEST_F(UhidKeyboardTest, AnOutputAsHidapiWritesItLosesItsReportNumberAndIsAnswered) {
    PlugAndStart();
    keyboard.SetSwitch(3);
    kernel.SendOutput(kVendor, HidapiWrite({0xD1}));

    const auto answer = kernel.NextOfType(kVendor, UHID_INPUT2);
    ASSERT_TRUE(answer);
    ASSERT_EQ(answer->u.input2.size, 64);
    EXPECT_EQ(answer->u.input2.data[0], 0xD1);  // report byte 1
    EXPECT_EQ(answer->u.input2.data[1], 3);

    const std::vector<hidio::TraceEntry> entries = keyboard.Trace().Entries();
    ASSERT_EQ(entries.size(), 2u);
    EXPECT_EQ(entries[0].direction, hidio::Direction::kHostToDevice);
    EXPECT_EQ(entries[0].report[0], 0);
    EXPECT_EQ(entries[0].report[1], 0xD1);
    EXPECT_EQ(entries[1].direction, hidio::Direction::kDeviceToHost);
}

TEST_F(UhidKeyboardTest, AReadRequestIsAnsweredWithTheFirstKeyRecord) {
    Programming programming;
    programming.keys[1][1] = {0x1E, 0x1F};
    keyboard.SetProgramming(programming);
    PlugAndStart();
    kernel.SendOutput(kVendor, HidapiWrite({0xE2}));

    const auto record = kernel.NextOfType(kVendor, UHID_INPUT2);
    ASSERT_TRUE(record);
    ASSERT_EQ(record->u.input2.size, 64);
    // Report bytes 2..7: code, layer, button, count, codes.
    EXPECT_EQ(record->u.input2.data[1], 0xF0);
    EXPECT_EQ(record->u.input2.data[2], 1);
    EXPECT_EQ(record->u.input2.data[3], 1);
    EXPECT_EQ(record->u.input2.data[4], 2);
    EXPECT_EQ(record->u.input2.data[5], 0x1E);
    EXPECT_EQ(record->u.input2.data[6], 0x1F);
}

TEST_F(UhidKeyboardTest, OnlyTheVendorCollectionsOwnReportsReachTheFirmware) {
    PlugAndStart();
    std::vector<std::uint8_t> numbered = HidapiWrite({0xD1});
    numbered[0] = 2;  // a report number the keyboard does not have

    kernel.SendOutput(kBoot, {0x01});  // the system's num lock LED
    kernel.SendOutput(kVendor, HidapiWrite({0xD1}));
    kernel.SendOutput(kVendor, numbered);
    kernel.SendOutput(kVendor, {});
    kernel.SendOutput(kVendor, {0xD0, 0x01, 0x01});  // no report number: taken as it is
    kernel.SendOutput(kVendor, HidapiWrite({0xD0, 0x03, 0x01}));
    kernel.SendOutput(kVendor, HidapiWrite({0xD1}));

    ASSERT_TRUE(kernel.NextOfType(kVendor, UHID_INPUT2));
    ASSERT_TRUE(kernel.NextOfType(kVendor, UHID_INPUT2));  // answer to the last query
    EXPECT_EQ(keyboard.ReportsReceived(), 4u);
    const Lamps lamps = keyboard.GetLamps();
    EXPECT_TRUE(lamps.num);
    EXPECT_FALSE(lamps.caps);
    EXPECT_TRUE(lamps.scroll);
}

TEST_F(UhidKeyboardTest, GetReportFailsAndSetReportOfAnOutputActsAsAWrite) {
    PlugAndStart();
    uhid_event get{};
    get.type = UHID_GET_REPORT;
    get.u.get_report.id = 7;
    get.u.get_report.rtype = UHID_INPUT_REPORT;
    kernel.Send(kVendor, get);
    const auto getReply = kernel.NextOfType(kVendor, UHID_GET_REPORT_REPLY);
    ASSERT_TRUE(getReply);
    EXPECT_EQ(getReply->u.get_report_reply.id, 7u);
    EXPECT_NE(getReply->u.get_report_reply.err, 0);

    keyboard.SetSwitch(1);
    uhid_event set{};
    set.type = UHID_SET_REPORT;
    set.u.set_report.id = 8;
    set.u.set_report.rtype = UHID_OUTPUT_REPORT;
    const std::vector<std::uint8_t> query = HidapiWrite({0xD1});
    set.u.set_report.size = static_cast<std::uint16_t>(query.size());
    std::copy(query.begin(), query.end(), set.u.set_report.data);
    kernel.Send(kVendor, set);
    const auto answer = kernel.Next(kVendor);
    ASSERT_TRUE(answer);
    ASSERT_EQ(answer->type, UHID_INPUT2);
    EXPECT_EQ(answer->u.input2.data[1], 1);
    const auto setReply = kernel.Next(kVendor);
    ASSERT_TRUE(setReply);
    ASSERT_EQ(setReply->type, UHID_SET_REPORT_REPLY);
    EXPECT_EQ(setReply->u.set_report_reply.id, 8u);
    EXPECT_EQ(setReply->u.set_report_reply.err, 0);

    set.u.set_report.id = 9;
    set.u.set_report.rtype = UHID_FEATURE_REPORT;
    kernel.Send(kVendor, set);
    const auto featureReply = kernel.Next(kVendor);
    ASSERT_TRUE(featureReply);
    ASSERT_EQ(featureReply->type, UHID_SET_REPORT_REPLY);
    EXPECT_EQ(featureReply->u.set_report_reply.id, 9u);
    EXPECT_NE(featureReply->u.set_report_reply.err, 0);
    EXPECT_EQ(keyboard.ReportsReceived(), 1u);
}

TEST_F(UhidKeyboardTest, UnplugDestroysBothDevicesAndPlugCreatesThemAfresh) {
    PlugAndStart();
    keyboard.Unplug();
    EXPECT_FALSE(keyboard.IsPlugged());
    const auto bootGone = kernel.Next(kBoot);
    const auto vendorGone = kernel.Next(kVendor);
    ASSERT_TRUE(bootGone && vendorGone);
    EXPECT_EQ(bootGone->type, UHID_DESTROY);
    EXPECT_EQ(vendorGone->type, UHID_DESTROY);
    EXPECT_TRUE(kernel.Closed(kVendor));

    ASSERT_TRUE(keyboard.Plug());
    ASSERT_EQ(kernel.DeviceCount(), 4u);
    const auto created = kernel.Next(3);
    ASSERT_TRUE(created);
    EXPECT_EQ(created->type, UHID_CREATE2);
    kernel.Send(2, UHID_START);
    kernel.Send(3, UHID_START);
    ASSERT_TRUE(keyboard.WaitUntilStarted(kGenerousWait));
    kernel.SendOutput(3, HidapiWrite({0xD1}));
    EXPECT_TRUE(kernel.NextOfType(3, UHID_INPUT2));
}

TEST_F(UhidKeyboardTest, AnUnplugFaultDestroysTheDevicesFromTheReadingThread) {
    PlugAndStart();
    Faults faults;
    faults.unplugAfterReports = 2;  // the query and its answer
    keyboard.SetFaults(faults);
    kernel.SendOutput(kVendor, HidapiWrite({0xD1}));
    EXPECT_TRUE(keyboard.WaitUntilUnplugged(kGenerousWait));
    EXPECT_TRUE(kernel.NextOfType(kVendor, UHID_DESTROY));
    EXPECT_TRUE(kernel.NextOfType(kBoot, UHID_DESTROY));
}

TEST_F(UhidKeyboardTest, DestroyingThePluggedKeyboardDestroysItsDevices) {
    auto own = std::make_unique<UhidKeyboard>(std::string{}, kernel.Opener());
    ASSERT_TRUE(own->Plug());
    ASSERT_TRUE(kernel.NextOfType(kVendor, UHID_CREATE2));
    own.reset();
    EXPECT_TRUE(kernel.NextOfType(kBoot, UHID_DESTROY));
    EXPECT_TRUE(kernel.NextOfType(kVendor, UHID_DESTROY));
}

TEST(UhidKeyboardPlugTest, FailsWithTheReasonAndReleasesWhatItCreated) {
    FakeKernel kernel;
    UhidKeyboard keyboard({}, kernel.Opener());
    kernel.AllowOpens(1);
    EXPECT_FALSE(keyboard.Plug());
    EXPECT_FALSE(keyboard.IsPlugged());
    EXPECT_NE(keyboard.LastError().find(std::strerror(ENOENT)), std::string::npos)
        << keyboard.LastError();
    ASSERT_EQ(kernel.DeviceCount(), 1u);
    EXPECT_TRUE(kernel.NextOfType(kBoot, UHID_DESTROY));

    kernel.AllowOpens(2);
    EXPECT_TRUE(keyboard.Plug());
    EXPECT_TRUE(keyboard.IsPlugged());
    EXPECT_EQ(keyboard.LastError(), "");
}

}  // namespace
}  // namespace emulator
