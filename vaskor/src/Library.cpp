#include "Library.h"

#include <algorithm>

#include "PipeCell.h"

namespace vaskor {

std::atomic<bool> g_bRunning{false};

namespace {

struct LibraryState {
    std::mutex lock;
    std::condition_variable readerEnded;
    std::vector<std::shared_ptr<ReaderThread>> readers;  // one per object with a reader
    std::uint32_t lastReaderId = 0;
};

// Never destroyed: a reader abandoned in a handler may end after the statics are gone.
LibraryState& State() {
    static auto* state = new LibraryState;
    return *state;
}

}  // namespace

std::mutex& LibraryLock() {
    return State().lock;
}

std::uint32_t NextReaderId() {
    return ++State().lastReaderId;
}

void RegisterReader(std::shared_ptr<ReaderThread> reader) {
    State().readers.push_back(std::move(reader));
}

std::shared_ptr<ReaderThread> UnregisterReader(const ReaderThread* reader) {
    auto& readers = State().readers;
    const auto it = std::find_if(readers.begin(), readers.end(),
                                 [reader](const auto& entry) { return entry.get() == reader; });
    if (it == readers.end()) {
        return nullptr;
    }
    std::shared_ptr<ReaderThread> found = std::move(*it);
    readers.erase(it);
    return found;
}

void StopReader(ReaderThread& reader) {
    reader.stop.store(true);
    reader.wake.notify_all();
    if (reader.reading != nullptr) {
        reader.reading->WakeReader();
    }
}

std::vector<std::shared_ptr<ReaderThread>> StopAllReaders() {
    g_bRunning.store(false);
    for (const auto& reader : State().readers) {
        StopReader(*reader);
    }
    return State().readers;
}

void NotifyReaderFinished() {
    State().readerEnded.notify_all();
}

void WaitForStoppedReaders(const std::vector<std::shared_ptr<ReaderThread>>& readers) {
    const std::thread::id self = std::this_thread::get_id();
    std::unique_lock lock(State().lock);
    State().readerEnded.wait(lock, [&readers, self] {
        return std::all_of(readers.begin(), readers.end(), [self](const auto& reader) {
            return reader->finished || reader->delivering || reader->threadId == self;
        });
    });
}

}  // namespace vaskor
