// Linux: a udev monitor on the "hidraw" subsystem. Without a udev daemon (a bare system, as
// in our kernel tests) the kernel's own notices are taken instead.
#include <libudev.h>
#include <poll.h>
#include <sys/eventfd.h>
#include <unistd.h>

#include <cstring>
#include <system_error>
#include <thread>

#include "PlatformWatch.h"

namespace hidio::detail {

namespace {

class UdevWatch final : public Watch {
  public:
    UdevWatch(udev* context, udev_monitor* monitor, int stopFd, WatchCallback callback)
        : context_(context),
          monitor_(monitor),
          stopFd_(stopFd),
          callback_(std::move(callback)),
          thread_([this] { Loop(); }) {}

    ~UdevWatch() override {
        const std::uint64_t one = 1;
        [[maybe_unused]] const ssize_t written = ::write(stopFd_, &one, sizeof one);
        thread_.join();
        udev_monitor_unref(monitor_);
        udev_unref(context_);
        ::close(stopFd_);
    }

  private:
    void Loop() {
        const int monitorFd = udev_monitor_get_fd(monitor_);
        for (;;) {
            pollfd fds[2] = {{monitorFd, POLLIN, 0}, {stopFd_, POLLIN, 0}};
            if (::poll(fds, 2, -1) < 0) {
                if (errno == EINTR) {
                    continue;
                }
                return;
            }
            if ((fds[1].revents & POLLIN) != 0) {
                return;
            }
            if ((fds[0].revents & POLLIN) != 0) {
                Deliver();
            }
        }
    }

    void Deliver() {
        udev_device* device = udev_monitor_receive_device(monitor_);
        if (device == nullptr) {
            return;
        }
        const char* action = udev_device_get_action(device);
        const char* node = udev_device_get_devnode(device);
        if (action != nullptr && node != nullptr) {
            if (std::strcmp(action, "add") == 0) {
                callback_(WatchEvent::kArrival, node);
            } else if (std::strcmp(action, "remove") == 0) {
                callback_(WatchEvent::kRemoval, node);
            }
        }
        udev_device_unref(device);
    }

    udev* context_;
    udev_monitor* monitor_;
    int stopFd_;
    WatchCallback callback_;
    std::thread thread_;
};

class SilentWatch final : public Watch {};

}  // namespace

std::unique_ptr<Watch> StartPlatformWatch(WatchCallback callback) {
    udev* context = udev_new();
    if (context == nullptr) {
        return std::make_unique<SilentWatch>();
    }
    const char* source = ::access("/run/udev/control", F_OK) == 0 ? "udev" : "kernel";
    udev_monitor* monitor = udev_monitor_new_from_netlink(context, source);
    const int stopFd = ::eventfd(0, EFD_CLOEXEC);
    const auto giveUp = [&] {
        if (monitor != nullptr) {
            udev_monitor_unref(monitor);
        }
        if (stopFd >= 0) {
            ::close(stopFd);
        }
        udev_unref(context);
        return std::make_unique<SilentWatch>();
    };
    if (monitor == nullptr || stopFd < 0 ||
        udev_monitor_filter_add_match_subsystem_devtype(monitor, "hidraw", nullptr) < 0 ||
        udev_monitor_enable_receiving(monitor) < 0) {
        return giveUp();
    }
    try {
        return std::make_unique<UdevWatch>(context, monitor, stopFd, std::move(callback));
    } catch (const std::system_error&) {
        // No thread for the watch (the system's thread limit): the program goes on without
        // notices, as it does without udev, rather than ending.
        return giveUp();
    }
}

}  // namespace hidio::detail
