#include "hidio/VirtualBus.h"

#include <algorithm>
#include <condition_variable>
#include <deque>

#include "WriteWorker.h"

namespace hidio {

namespace {

// hidraw keeps this many reports per open handle and drops what comes on top.
constexpr std::size_t kInputQueueLimit = 64;

struct HandleQueue {
    std::mutex mutex;
    std::condition_variable cv;
    std::deque<Report> reports;
    bool alive = true;     // false once the interface is unplugged
    bool closing = false;  // the handle is being closed: delayed writes are cancelled
    bool interrupted = false;
};

struct Slot {
    InterfaceInfo info;
    std::shared_ptr<VirtualEndpoint> endpoint;
    std::vector<std::weak_ptr<HandleQueue>> handles;
};

struct WatchEntry {
    std::mutex mutex;
    WatchCallback callback;
    bool active = true;
};

class VirtualWatch final : public Watch {
  public:
    explicit VirtualWatch(std::shared_ptr<WatchEntry> entry) : entry_(std::move(entry)) {}
    ~VirtualWatch() override {
        std::lock_guard lock(entry_->mutex);
        entry_->active = false;
    }

  private:
    std::shared_ptr<WatchEntry> entry_;
};

class VirtualHandle final : public Device {
  public:
    VirtualHandle(std::string path, std::shared_ptr<VirtualEndpoint> endpoint,
                  std::shared_ptr<HandleQueue> queue)
        : path_(std::move(path)), endpoint_(std::move(endpoint)), queue_(std::move(queue)) {}

    ~VirtualHandle() override {
        {
            std::lock_guard lock(queue_->mutex);
            queue_->closing = true;
        }
        queue_->cv.notify_all();
        writer_.reset();
    }

    IoResult Write(const Report& report, std::chrono::milliseconds completionTimeout) override {
        if (!Alive()) {
            return IoResult::kFailed;
        }
        const std::chrono::milliseconds delay = endpoint_->WriteCompletionDelay();
        if (delay.count() <= 0 && !writer_) {
            endpoint_->OnOutputReport(report);
            return IoResult::kOk;
        }
        if (!writer_) {
            writer_ = std::make_unique<detail::WriteWorker>();
        }
        return writer_->Run([queue = queue_, endpoint = endpoint_, report,
                             delay] { return DeliverLate(*queue, *endpoint, report, delay); },
                            completionTimeout);
    }

    IoResult Read(Report& report, std::chrono::milliseconds timeout) override {
        std::unique_lock lock(queue_->mutex);
        queue_->cv.wait_for(lock, timeout, [this] {
            return !queue_->reports.empty() || !queue_->alive || queue_->interrupted;
        });
        if (queue_->interrupted) {
            queue_->interrupted = false;
            return IoResult::kTimedOut;
        }
        if (!queue_->reports.empty()) {
            report = queue_->reports.front();
            queue_->reports.pop_front();
            return IoResult::kOk;
        }
        return queue_->alive ? IoResult::kTimedOut : IoResult::kFailed;
    }

    void InterruptRead() override {
        {
            std::lock_guard lock(queue_->mutex);
            queue_->interrupted = true;
        }
        queue_->cv.notify_all();
    }

    const std::string& Path() const override { return path_; }

  private:
    bool Alive() const {
        std::lock_guard lock(queue_->mutex);
        return queue_->alive;
    }

    static bool DeliverLate(HandleQueue& queue, VirtualEndpoint& endpoint, const Report& report,
                            std::chrono::milliseconds delay) {
        {
            std::unique_lock lock(queue.mutex);
            queue.cv.wait_for(lock, delay, [&queue] { return queue.closing || !queue.alive; });
            if (queue.closing || !queue.alive) {
                return false;
            }
        }
        endpoint.OnOutputReport(report);
        return true;
    }

    std::string path_;
    std::shared_ptr<VirtualEndpoint> endpoint_;
    std::shared_ptr<HandleQueue> queue_;
    std::unique_ptr<detail::WriteWorker> writer_;
};

}  // namespace

struct VirtualBus::State {
    mutable std::mutex mutex;
    std::vector<Slot> slots;  // in the order they were plugged
    std::vector<std::weak_ptr<WatchEntry>> watches;

    Slot* Find(const std::string& path) {
        auto it = std::find_if(slots.begin(), slots.end(),
                               [&path](const Slot& slot) { return slot.info.path == path; });
        return it == slots.end() ? nullptr : &*it;
    }
};

namespace {

void KillHandles(Slot& slot) {
    for (const std::weak_ptr<HandleQueue>& weak : slot.handles) {
        if (std::shared_ptr<HandleQueue> queue = weak.lock()) {
            {
                std::lock_guard lock(queue->mutex);
                queue->alive = false;
            }
            queue->cv.notify_all();
        }
    }
    slot.handles.clear();
}

}  // namespace

VirtualBus::VirtualBus() : state_(std::make_shared<State>()) {}

VirtualBus::~VirtualBus() {
    std::lock_guard lock(state_->mutex);
    for (Slot& slot : state_->slots) {
        KillHandles(slot);
    }
}

void VirtualBus::Plug(const InterfaceInfo& info, std::shared_ptr<VirtualEndpoint> endpoint) {
    {
        std::lock_guard lock(state_->mutex);
        if (Slot* existing = state_->Find(info.path)) {
            KillHandles(*existing);
            existing->info = info;
            existing->endpoint = std::move(endpoint);
        } else {
            state_->slots.push_back(Slot{info, std::move(endpoint), {}});
        }
    }
    Notify(WatchEvent::kArrival, info.path);
}

void VirtualBus::Unplug(const std::string& path) {
    {
        std::lock_guard lock(state_->mutex);
        Slot* slot = state_->Find(path);
        if (slot == nullptr) {
            return;
        }
        KillHandles(*slot);
        state_->slots.erase(state_->slots.begin() + (slot - state_->slots.data()));
    }
    Notify(WatchEvent::kRemoval, path);
}

bool VirtualBus::IsPlugged(const std::string& path) const {
    std::lock_guard lock(state_->mutex);
    return state_->Find(path) != nullptr;
}

bool VirtualBus::SendInput(const std::string& path, const Report& report) {
    std::lock_guard lock(state_->mutex);
    Slot* slot = state_->Find(path);
    if (slot == nullptr) {
        return false;
    }
    bool received = false;
    std::erase_if(slot->handles,
                  [](const std::weak_ptr<HandleQueue>& weak) { return weak.expired(); });
    for (const std::weak_ptr<HandleQueue>& weak : slot->handles) {
        std::shared_ptr<HandleQueue> queue = weak.lock();
        if (!queue) {
            continue;
        }
        {
            std::lock_guard queueLock(queue->mutex);
            if (queue->reports.size() >= kInputQueueLimit) {
                continue;
            }
            queue->reports.push_back(report);
        }
        queue->cv.notify_all();
        received = true;
    }
    return received;
}

std::size_t VirtualBus::OpenHandleCount(const std::string& path) const {
    std::lock_guard lock(state_->mutex);
    Slot* slot = state_->Find(path);
    if (slot == nullptr) {
        return 0;
    }
    return static_cast<std::size_t>(
        std::count_if(slot->handles.begin(), slot->handles.end(),
                      [](const std::weak_ptr<HandleQueue>& weak) { return !weak.expired(); }));
}

std::vector<InterfaceInfo> VirtualBus::Enumerate() {
    std::lock_guard lock(state_->mutex);
    std::vector<InterfaceInfo> result;
    result.reserve(state_->slots.size());
    for (const Slot& slot : state_->slots) {
        result.push_back(slot.info);
    }
    return result;
}

OpenResult VirtualBus::Open(const std::string& path) {
    std::shared_ptr<VirtualEndpoint> endpoint;
    {
        std::lock_guard lock(state_->mutex);
        Slot* slot = state_->Find(path);
        if (slot == nullptr) {
            return {nullptr, OpenStatus::kNotFound, "no such device"};
        }
        endpoint = slot->endpoint;
    }
    // Asked without the bus lock: the device may take its time or use the bus itself.
    const OpenStatus answer = endpoint->AcceptOpen();
    if (answer != OpenStatus::kOpened) {
        return {nullptr, answer, "the device refused the open"};
    }
    std::lock_guard lock(state_->mutex);
    Slot* slot = state_->Find(path);
    if (slot == nullptr || slot->endpoint != endpoint) {
        return {nullptr, OpenStatus::kNotFound, "the device went away"};
    }
    auto queue = std::make_shared<HandleQueue>();
    slot->handles.push_back(queue);
    return {std::make_unique<VirtualHandle>(path, endpoint, queue), OpenStatus::kOpened, {}};
}

std::unique_ptr<Watch> VirtualBus::StartWatch(WatchCallback callback) {
    auto entry = std::make_shared<WatchEntry>();
    entry->callback = std::move(callback);
    std::lock_guard lock(state_->mutex);
    std::erase_if(state_->watches,
                  [](const std::weak_ptr<WatchEntry>& weak) { return weak.expired(); });
    state_->watches.push_back(entry);
    return std::make_unique<VirtualWatch>(std::move(entry));
}

void VirtualBus::Notify(WatchEvent event, const std::string& path) {
    std::vector<std::shared_ptr<WatchEntry>> entries;
    {
        std::lock_guard lock(state_->mutex);
        for (const std::weak_ptr<WatchEntry>& weak : state_->watches) {
            if (std::shared_ptr<WatchEntry> entry = weak.lock()) {
                entries.push_back(std::move(entry));
            }
        }
    }
    for (const std::shared_ptr<WatchEntry>& entry : entries) {
        std::lock_guard lock(entry->mutex);
        if (entry->active && entry->callback) {
            entry->callback(event, path);
        }
    }
}

}  // namespace hidio
