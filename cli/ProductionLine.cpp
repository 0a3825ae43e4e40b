#include "cli/ProductionLine.h"

#include <condition_variable>
#include <deque>
#include <map>
#include <memory>
#include <mutex>
#include <optional>

#include "cli/KeyboardTransfer.h"
#include "hidio/KeyboardInterface.h"

namespace tolvane::cli {

namespace {

// How often the waiting loop looks at the interrupt flag.
constexpr auto kInterruptLook = std::chrono::milliseconds(20);
// How often the attached keyboards are looked at without a notice.
constexpr auto kFreshLook = std::chrono::seconds(1);

// What became of one keyboard's job, on its own thread.
struct JobResult {
    std::optional<std::string> unusable;  // why it could not be opened
    WriteResult write;
    std::chrono::steady_clock::duration duration{};
};

void CopyProgramming(const KeyboardImage& from, KeyboardImage& to) {
    to.buttons = from.buttons;
    to.tracks = from.tracks;
    to.options = from.options;
}

JobResult ProgramKeyboard(const std::string& path, const KeyboardImage& layout,
                          const WriteSteps& steps, std::stop_token stop) {
    const auto start = std::chrono::steady_clock::now();
    JobResult result;
    const hidio::OpenResult opened = hidio::CurrentBus().Open(path);
    if (opened.status != hidio::OpenStatus::kOpened) {
        result.unusable = std::string("cannot be opened: ") + hidio::ToString(opened.status) +
                          (opened.message.empty() ? "" : " (" + opened.message + ")");
    } else {
        const auto image = std::make_unique<KeyboardImage>();
        CopyProgramming(layout, *image);
        SilentProgress silent;
        result.write = WriteAndVerify(path, *image, steps, silent, silent, stop);
    }
    result.duration = std::chrono::steady_clock::now() - start;
    return result;
}

std::string PulledOutText(const WriteResult& result) {
    return result.write == TransferEnd::kSucceeded ? "pulled out during the verify"
                                                   : "pulled out during the write";
}

class ProductionLine {
  public:
    ProductionLine(const KeyboardImage& layout, const StationSettings& settings,
                   StationListener& listener, const std::atomic<bool>& interrupted,
                   const ThreadStarter& startThread)
        : layout_(layout),
          settings_(settings),
          listener_(listener),
          interrupted_(interrupted),
          startThread_(startThread) {}

    Tally Run();

  private:
    enum class EventKind { kArrival, kRemoval, kEnded };
    struct Event {
        EventKind kind;
        std::string path;
        JobResult result;  // for kEnded
    };
    struct Keyboard {
        std::string serialNumber;
        bool underWay = false;
        bool pulledOut = false;  // while under way
        std::jthread job;
    };

    void Post(Event event);
    std::deque<Event> WaitForEvents(std::chrono::steady_clock::time_point until);
    void Handle(Event& event);
    void LookAtAttachedKeyboards();
    void Take(const hidio::InterfaceInfo& info);
    void Finish(const std::string& path, const JobResult& result);
    void StopTaking(StopReason reason);
    int UnderWay() const;

    const KeyboardImage& layout_;
    const StationSettings settings_;
    StationListener& listener_;
    const std::atomic<bool>& interrupted_;
    const ThreadStarter& startThread_;
    bool taking_ = true;
    Tally tally_;

    // Declared in this order so that the watch goes first and the jobs, which post
    // events, are joined before the queue goes.
    std::mutex mutex_;
    std::condition_variable eventPosted_;
    std::deque<Event> events_;
    std::map<std::string, Keyboard> keyboards_;
    std::unique_ptr<hidio::Watch> watch_;
};

void ProductionLine::Post(Event event) {
    {
        std::lock_guard lock(mutex_);
        events_.push_back(std::move(event));
    }
    eventPosted_.notify_one();
}

std::deque<ProductionLine::Event> ProductionLine::WaitForEvents(
    std::chrono::steady_clock::time_point until) {
    std::unique_lock lock(mutex_);
    eventPosted_.wait_until(lock, until, [this] { return !events_.empty(); });
    return std::exchange(events_, {});
}

Tally ProductionLine::Run() {
    // The watch starts before the first look, so that no arrival falls between the two.
    watch_ =
        hidio::CurrentBus().StartWatch([this](hidio::WatchEvent event, const std::string& path) {
            Post({event == hidio::WatchEvent::kArrival ? EventKind::kArrival : EventKind::kRemoval,
                  path,
                  {}});
        });
    LookAtAttachedKeyboards();
    auto nextLook = std::chrono::steady_clock::now() + kFreshLook;
    for (;;) {
        if (taking_ && interrupted_.load()) {
            StopTaking(StopReason::kInterrupted);
        }
        if (!taking_ && UnderWay() == 0) {
            break;
        }
        std::deque<Event> events =
            WaitForEvents(std::min(std::chrono::steady_clock::now() + kInterruptLook, nextLook));
        for (Event& event : events) {
            Handle(event);
        }
        const auto now = std::chrono::steady_clock::now();
        if (!events.empty() || now >= nextLook) {
            LookAtAttachedKeyboards();
            nextLook = now + kFreshLook;
        }
    }
    watch_.reset();
    return tally_;
}

void ProductionLine::Handle(Event& event) {
    const auto found = keyboards_.find(event.path);
    switch (event.kind) {
        case EventKind::kArrival:
            break;  // the look that follows takes it up
        case EventKind::kRemoval:
            // Even when it is back already: it is then another keyboard, or one that holds
            // only part of what was being written.
            if (found == keyboards_.end()) {
                break;
            }
            if (found->second.underWay) {
                found->second.pulledOut = true;
                found->second.job.request_stop();
            } else {
                keyboards_.erase(found);
            }
            break;
        case EventKind::kEnded:
            Finish(event.path, event.result);
            break;
    }
}

void ProductionLine::LookAtAttachedKeyboards() {
    std::map<std::string, hidio::InterfaceInfo> attached;
    for (hidio::InterfaceInfo& info : hidio::CurrentBus().Enumerate()) {
        if (hidio::IsKeyboardVendorInterface(info)) {
            attached.emplace(info.path, std::move(info));
        }
    }
    for (auto it = keyboards_.begin(); it != keyboards_.end();) {
        Keyboard& keyboard = it->second;
        if (attached.contains(it->first)) {
            ++it;
        } else if (keyboard.underWay) {
            keyboard.pulledOut = true;  // a notice that did not come
            keyboard.job.request_stop();
            ++it;
        } else {
            it = keyboards_.erase(it);  // handled and gone: a new keyboard may come there
        }
    }
    for (const auto& [path, info] : attached) {
        if (!taking_) {
            return;
        }
        if (!keyboards_.contains(path)) {
            Take(info);
        }
    }
}

void ProductionLine::Take(const hidio::InterfaceInfo& info) {
    Keyboard& keyboard = keyboards_[info.path];
    keyboard.serialNumber = info.serialNumber;
    keyboard.underWay = true;
    listener_.OnTaken(info.path, info.serialNumber);
    keyboard.job = startThread_(
        [this, path = info.path,
         steps = WriteSteps{settings_.verify, settings_.backupFolder}](std::stop_token stop) {
            Post({EventKind::kEnded, path, ProgramKeyboard(path, layout_, steps, stop)});
        });
    if (!keyboard.job.joinable()) {
        JobResult refused;
        refused.unusable = "not written: the system would not start a thread for it";
        Finish(info.path, refused);
    }
}

void ProductionLine::Finish(const std::string& path, const JobResult& result) {
    const auto found = keyboards_.find(path);
    if (found == keyboards_.end()) {
        return;
    }
    Keyboard& keyboard = found->second;
    if (keyboard.job.joinable()) {
        keyboard.job.join();  // it has posted its result and is ending
    }
    KeyboardOutcome outcome{path, keyboard.serialNumber, false, {}, result.duration};
    outcome.passed = !result.unusable && result.write.ok();
    if (outcome.passed) {
        outcome.text = WriteResultText(result.write);
    } else if (keyboard.pulledOut) {
        outcome.text = PulledOutText(result.write);
    } else {
        outcome.text = result.unusable.value_or(WriteResultText(result.write));
    }
    ++(outcome.passed ? tally_.passed : tally_.failed);
    if (keyboard.pulledOut) {
        keyboards_.erase(found);  // whenever it comes back, it is written afresh
    } else {
        keyboard.underWay = false;  // not again until it has been pulled out
    }
    const bool kept = listener_.OnResult(outcome, tally_);
    if (taking_ && !kept) {
        StopTaking(StopReason::kResultNotKept);
    }
    if (taking_ && settings_.passesWanted > 0 && tally_.passed >= settings_.passesWanted) {
        StopTaking(StopReason::kEnoughPassed);
    }
}

void ProductionLine::StopTaking(StopReason reason) {
    taking_ = false;
    listener_.OnStopping(reason, UnderWay());
}

int ProductionLine::UnderWay() const {
    int count = 0;
    for (const auto& [path, keyboard] : keyboards_) {
        count += keyboard.underWay ? 1 : 0;
    }
    return count;
}

}  // namespace

Tally RunProductionLine(const KeyboardImage& layout, const StationSettings& settings,
                        StationListener& listener, const std::atomic<bool>& interrupted,
                        const ThreadStarter& startThread) {
    return ProductionLine(layout, settings, listener, interrupted, startThread).Run();
}

}  // namespace tolvane::cli
