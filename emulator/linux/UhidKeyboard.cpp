// Linux only: the uhid front end of the emulated keyboard.
//
// One /dev/uhid channel per device; each write is one event to the kernel and each read one
// event from it. A single thread reads both channels and hands the vendor device's output
// reports to the firmware, which answers through SendInput from whichever thread it runs on.
// A destroyed device's channel is closed by that thread only, so a file descriptor it polls
// never changes under it.
#include "emulator/linux/UhidKeyboard.h"

#include <fcntl.h>
#include <linux/uhid.h>
#include <poll.h>
#include <sys/eventfd.h>
#include <unistd.h>

#include <algorithm>
#include <array>
#include <cerrno>
#include <condition_variable>
#include <cstring>
#include <mutex>
#include <optional>
#include <thread>
#include <vector>

#include "emulator/Firmware.h"
#include "hidio/KeyboardWire.h"

namespace emulator {

namespace {

// The standard boot keyboard: modifier byte, reserved byte, six key codes; five LEDs out.
constexpr std::array<std::uint8_t, 63> kBootKeyboardDescriptor = {
    0x05, 0x01,  // usage page: generic desktop
    0x09, 0x06,  // usage: keyboard
    0xA1, 0x01,  // collection: application
    0x05, 0x07,  //   usage page: key codes
    0x19, 0xE0,  //   usage minimum: left control
    0x29, 0xE7,  //   usage maximum: right GUI
    0x15, 0x00,  //   logical minimum 0
    0x25, 0x01,  //   logical maximum 1
    0x75, 0x01,  //   report size 1
    0x95, 0x08,  //   report count 8
    0x81, 0x02,  //   input: data, variable, absolute
    0x95, 0x01,  //   report count 1
    0x75, 0x08,  //   report size 8
    0x81, 0x01,  //   input: constant
    0x95, 0x05,  //   report count 5
    0x75, 0x01,  //   report size 1
    0x05, 0x08,  //   usage page: LEDs
    0x19, 0x01,  //   usage minimum: num lock
    0x29, 0x05,  //   usage maximum: kana
    0x91, 0x02,  //   output: data, variable, absolute
    0x95, 0x01,  //   report count 1
    0x75, 0x03,  //   report size 3
    0x91, 0x01,  //   output: constant
    0x95, 0x06,  //   report count 6
    0x75, 0x08,  //   report size 8
    0x15, 0x00,  //   logical minimum 0
    0x25, 0x65,  //   logical maximum 101
    0x05, 0x07,  //   usage page: key codes
    0x19, 0x00,  //   usage minimum 0
    0x29, 0x65,  //   usage maximum 101
    0x81, 0x00,  //   input: data, array
    0xC0,        // end collection
};

// 64 bytes in and 64 bytes out, no report ids.
constexpr std::array<std::uint8_t, 34> kVendorDescriptor = {
    0x06, 0x00, 0xFF,  // usage page: vendor defined 0xFF00
    0x09, 0x01,        // usage 1
    0xA1, 0x01,        // collection: application
    0x09, 0x02,        //   usage 2
    0x15, 0x00,        //   logical minimum 0
    0x26, 0xFF, 0x00,  //   logical maximum 255
    0x75, 0x08,        //   report size 8
    0x95, 0x40,        //   report count 64
    0x81, 0x02,        //   input: data, variable, absolute
    0x09, 0x03,        //   usage 3
    0x15, 0x00,        //   logical minimum 0
    0x26, 0xFF, 0x00,  //   logical maximum 255
    0x75, 0x08,        //   report size 8
    0x95, 0x40,        //   report count 64
    0x91, 0x02,        //   output: data, variable, absolute
    0xC0,              // end collection
};

constexpr std::uint16_t kBusUsb = 0x03;
constexpr std::size_t kPayloadSize = hidio::kReportSize - 1;

enum class Role { kBoot, kVendor };

int OpenUhid() {
    return ::open("/dev/uhid", O_RDWR | O_CLOEXEC);
}

std::string SystemError(const std::string& what) {
    return what + ": " + std::strerror(errno);
}

bool WriteEvent(int fd, const uhid_event& event) {
    for (;;) {
        const ssize_t written = ::write(fd, &event, sizeof event);
        if (written >= 0) {
            return static_cast<std::size_t>(written) == sizeof event;
        }
        if (errno != EINTR) {
            return false;
        }
    }
}

template <std::size_t N>
void CopyText(std::uint8_t (&field)[N], const std::string& text) {
    std::memcpy(field, text.data(), std::min(text.size(), N - 1));
}

uhid_event CreateEvent(Role role) {
    uhid_event event{};
    event.type = UHID_CREATE2;
    uhid_create2_req& create = event.u.create2;
    const std::span<const std::uint8_t> descriptor = role == Role::kBoot
                                                         ? UhidKeyboard::BootKeyboardDescriptor()
                                                         : UhidKeyboard::VendorDescriptor();
    CopyText(create.name, "TR48 POS Keyboard (emulated)");
    CopyText(create.phys, role == Role::kBoot ? "tolvane-uhid/input0" : "tolvane-uhid/input1");
    create.rd_size = static_cast<std::uint16_t>(descriptor.size());
    create.bus = kBusUsb;
    create.vendor = wire::kVendorId;
    create.product = wire::kProductId;
    create.version = 0x0100;
    std::copy(descriptor.begin(), descriptor.end(), create.rd_data);
    return event;
}

// A host's output report as the firmware's 65 bytes. hidraw hands uhid the report number in
// front of the data, where the USB driver drops a report number of 0 before the transfer;
// the keyboard numbers no reports, so the same is done here.
std::optional<hidio::Report> FirmwareReport(const std::uint8_t* data, std::size_t size) {
    if (size > 0 && data[0] == 0) {
        ++data;
        --size;
    }
    if (size == 0 || size > kPayloadSize) {
        return std::nullopt;
    }
    hidio::Report report{};
    std::copy_n(data, size, report.begin() + 1);
    return report;
}

}  // namespace

class UhidTransport final : public FirmwareTransport {
  public:
    explicit UhidTransport(UhidKeyboard::ChannelOpener opener)
        : opener_(opener ? std::move(opener) : OpenUhid) {}

    ~UhidTransport() override { Close(); }

    bool Attach(const std::shared_ptr<Firmware>& firmware) override {
        if (!StartThread()) {
            return false;
        }
        std::vector<Channel> created;
        std::string error;
        for (const Role role : {Role::kBoot, Role::kVendor}) {
            const int fd = opener_();
            if (fd < 0) {
                error = SystemError("cannot open /dev/uhid");
                break;
            }
            if (!WriteEvent(fd, CreateEvent(role))) {
                error = SystemError("uhid refused the device");
                ::close(fd);
                break;
            }
            created.push_back({fd, role});
        }
        std::lock_guard lock(mutex_);
        if (!error.empty()) {
            for (const Channel& channel : created) {
                Destroy(channel.fd);
                ::close(channel.fd);  // never seen by the thread
            }
            lastError_ = error;
            return false;
        }
        firmware_ = firmware;
        lastError_.clear();
        channels_ = std::move(created);
        Wake();
        return true;
    }

    void Detach() override {
        std::lock_guard lock(mutex_);
        for (const Channel& channel : channels_) {
            Destroy(channel.fd);
            retired_.push_back(channel.fd);
        }
        channels_.clear();
        changed_.notify_all();
        Wake();
    }

    void SendInput(const hidio::Report& report) override {
        uhid_event event{};
        event.type = UHID_INPUT2;
        event.u.input2.size = static_cast<std::uint16_t>(kPayloadSize);
        std::copy(report.begin() + 1, report.end(), event.u.input2.data);
        std::lock_guard lock(mutex_);
        if (const Channel* vendor = Find(Role::kVendor)) {
            // Refused before the kernel started the device: lost, like a report sent to a
            // keyboard nobody listens to.
            WriteEvent(vendor->fd, event);
        }
    }

    void Close() override {
        {
            std::lock_guard lock(mutex_);
            closing_ = true;
            Wake();
        }
        if (thread_.joinable()) {
            thread_.join();
        }
        std::lock_guard lock(mutex_);
        for (const Channel& channel : channels_) {
            ::close(channel.fd);  // the kernel destroys a device whose channel closes
        }
        channels_.clear();
        for (const int fd : retired_) {
            ::close(fd);
        }
        retired_.clear();
        if (wakeFd_ >= 0) {
            ::close(wakeFd_);
            wakeFd_ = -1;
        }
    }

    std::string LastError() const {
        std::lock_guard lock(mutex_);
        return lastError_;
    }

    bool WaitUntilStarted(std::chrono::milliseconds timeout) const {
        std::unique_lock lock(mutex_);
        return changed_.wait_for(lock, timeout, [this] {
            return !channels_.empty() && std::all_of(channels_.begin(), channels_.end(),
                                                     [](const Channel& c) { return c.started; });
        });
    }

    bool WaitUntilVendorOpen(bool open, std::chrono::milliseconds timeout) const {
        std::unique_lock lock(mutex_);
        return changed_.wait_for(lock, timeout, [this, open] {
            const Channel* vendor = Find(Role::kVendor);
            return (vendor != nullptr && vendor->open) == open;
        });
    }

  private:
    struct Channel {
        int fd = -1;
        Role role = Role::kVendor;
        bool started = false;
        bool open = false;
    };

    bool StartThread() {
        std::lock_guard lock(mutex_);
        if (closing_) {
            lastError_ = "the keyboard is shut down";
            return false;
        }
        if (thread_.joinable()) {
            return true;
        }
        wakeFd_ = ::eventfd(0, EFD_CLOEXEC);
        if (wakeFd_ < 0) {
            lastError_ = SystemError("eventfd");
            return false;
        }
        thread_ = std::thread([this] { Loop(); });
        return true;
    }

    // Callers hold mutex_.
    void Wake() const {
        const std::uint64_t one = 1;
        if (wakeFd_ >= 0) {
            [[maybe_unused]] const ssize_t written = ::write(wakeFd_, &one, sizeof one);
        }
    }

    static void Destroy(int fd) {
        uhid_event event{};
        event.type = UHID_DESTROY;
        WriteEvent(fd, event);
    }

    const Channel* Find(Role role) const {
        const auto found = std::find_if(channels_.begin(), channels_.end(),
                                        [role](const Channel& c) { return c.role == role; });
        return found != channels_.end() ? &*found : nullptr;
    }

    Channel* FindByFd(int fd) {
        const auto found = std::find_if(channels_.begin(), channels_.end(),
                                        [fd](const Channel& c) { return c.fd == fd; });
        return found != channels_.end() ? &*found : nullptr;
    }

    void Loop() {
        std::vector<pollfd> fds;
        for (;;) {
            {
                std::lock_guard lock(mutex_);
                for (const int fd : retired_) {
                    ::close(fd);
                }
                retired_.clear();
                if (closing_) {
                    return;
                }
                fds.assign(1, pollfd{wakeFd_, POLLIN, 0});
                for (const Channel& channel : channels_) {
                    fds.push_back({channel.fd, POLLIN, 0});
                }
            }
            if (::poll(fds.data(), fds.size(), -1) < 0) {
                if (errno == EINTR) {
                    continue;
                }
                std::lock_guard lock(mutex_);
                lastError_ = SystemError("poll on the uhid channels");
                return;
            }
            if ((fds[0].revents & POLLIN) != 0) {
                std::uint64_t count = 0;
                [[maybe_unused]] const ssize_t got = ::read(wakeFd_, &count, sizeof count);
            }
            for (std::size_t i = 1; i < fds.size(); ++i) {
                if (fds[i].revents != 0) {
                    Receive(fds[i].fd);
                }
            }
        }
    }

    void Receive(int fd) {
        uhid_event event{};
        const ssize_t got = ::read(fd, &event, sizeof event);
        if (got <= 0) {
            if (got < 0 && (errno == EINTR || errno == EAGAIN)) {
                return;
            }
            // The other end is gone: stop polling a channel that would only report that.
            std::lock_guard lock(mutex_);
            if (FindByFd(fd) != nullptr) {
                std::erase_if(channels_, [fd](const Channel& c) { return c.fd == fd; });
                retired_.push_back(fd);
                changed_.notify_all();
            }
            return;
        }
        if (static_cast<std::size_t>(got) < sizeof event.type) {
            return;
        }
        Handle(fd, event);
    }

    void Handle(int fd, const uhid_event& event) {
        Role role = Role::kBoot;
        {
            std::lock_guard lock(mutex_);
            Channel* channel = FindByFd(fd);
            if (channel == nullptr) {
                return;  // destroyed meanwhile
            }
            role = channel->role;
            switch (event.type) {
                case UHID_START:
                    channel->started = true;
                    break;
                case UHID_STOP:
                    channel->started = false;
                    break;
                case UHID_OPEN:
                    channel->open = true;
                    break;
                case UHID_CLOSE:
                    channel->open = false;
                    break;
                default:
                    break;
            }
            changed_.notify_all();
        }
        switch (event.type) {
            case UHID_OUTPUT:
                // The boot keyboard's LED reports are the system's business.
                if (role == Role::kVendor) {
                    Deliver(event.u.output.data, event.u.output.size);
                }
                break;
            case UHID_GET_REPORT: {
                // The keyboard keeps no report to be fetched.
                uhid_event reply{};
                reply.type = UHID_GET_REPORT_REPLY;
                reply.u.get_report_reply.id = event.u.get_report.id;
                reply.u.get_report_reply.err = EIO;
                Answer(fd, reply);
                break;
            }
            case UHID_SET_REPORT: {
                // An output report set through the control channel reaches the keyboard as one
                // written to it; there is nothing else to set.
                const bool taken = role == Role::kVendor &&
                                   event.u.set_report.rtype == UHID_OUTPUT_REPORT &&
                                   Deliver(event.u.set_report.data, event.u.set_report.size);
                uhid_event reply{};
                reply.type = UHID_SET_REPORT_REPLY;
                reply.u.set_report_reply.id = event.u.set_report.id;
                reply.u.set_report_reply.err = taken ? 0 : EIO;
                Answer(fd, reply);
                break;
            }
            default:
                break;
        }
    }

    bool Deliver(const std::uint8_t* data, std::uint16_t size) {
        const std::optional<hidio::Report> report =
            FirmwareReport(data, std::min<std::size_t>(size, UHID_DATA_MAX));
        if (!report) {
            return false;
        }
        std::shared_ptr<Firmware> firmware;
        {
            std::lock_guard lock(mutex_);
            firmware = firmware_.lock();
        }
        if (firmware) {
            firmware->OnOutput(*report);
        }
        return true;
    }

    void Answer(int fd, const uhid_event& reply) {
        std::lock_guard lock(mutex_);
        if (FindByFd(fd) != nullptr) {
            WriteEvent(fd, reply);
        }
    }

    const UhidKeyboard::ChannelOpener opener_;
    mutable std::mutex mutex_;
    mutable std::condition_variable changed_;
    std::vector<Channel> channels_;
    std::vector<int> retired_;  // destroyed; closed by the thread
    std::weak_ptr<Firmware> firmware_;
    std::string lastError_;
    bool closing_ = false;
    int wakeFd_ = -1;
    std::thread thread_;
};

UhidKeyboard::UhidKeyboard(std::string stateFile, ChannelOpener opener)
    : UhidKeyboard(std::make_shared<UhidTransport>(std::move(opener)), std::move(stateFile)) {}

UhidKeyboard::UhidKeyboard(std::shared_ptr<UhidTransport> transport, std::string stateFile)
    : EmulatedKeyboard(std::make_shared<Firmware>(transport, std::move(stateFile))),
      transport_(std::move(transport)) {}

UhidKeyboard::~UhidKeyboard() = default;

bool UhidKeyboard::Plug() {
    return firmware_->Plug();
}

void UhidKeyboard::Unplug() {
    firmware_->Unplug();
}

std::string UhidKeyboard::LastError() const {
    return transport_->LastError();
}

bool UhidKeyboard::WaitUntilStarted(std::chrono::milliseconds timeout) const {
    return transport_->WaitUntilStarted(timeout);
}

bool UhidKeyboard::WaitUntilVendorOpen(bool open, std::chrono::milliseconds timeout) const {
    return transport_->WaitUntilVendorOpen(open, timeout);
}

std::span<const std::uint8_t> UhidKeyboard::BootKeyboardDescriptor() {
    return kBootKeyboardDescriptor;
}

std::span<const std::uint8_t> UhidKeyboard::VendorDescriptor() {
    return kVendorDescriptor;
}

}  // namespace emulator
