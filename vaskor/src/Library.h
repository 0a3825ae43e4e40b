// What the library keeps for all its objects: the running switch, the lock that guards every
// object's channel and window and the readers' shared state, and the list of readers.
#pragma once

#include <atomic>
#include <condition_variable>
#include <cstdint>
#include <memory>
#include <mutex>
#include <thread>
#include <vector>

#include "vaskor/VX30Interface.h"

namespace vaskor {

class PipeCell;

// The library-wide switch the readers loop on: Open turns it on, Close and the destructor of
// any object turn it off. Since a later Open turns it on again, turning it off also marks
// every reader running at that moment as stopped, so that none of them resumes.
extern std::atomic<bool> g_bRunning;

// Shared by an object and its reader thread; the thread keeps it alive as long as it runs.
struct ReaderThread {
    std::atomic<bool> stop{false};
    std::uint32_t id = 0;
    std::thread::id threadId;  // set before anyone else sees the reader
    std::thread thread;        // joined or detached by whoever took the reader from its object

    // Guarded by LibraryLock().
    CVX30Interface* owner = nullptr;  // null once the object let go: never touched again
    bool delivering = false;          // inside the host's handler
    bool finished = false;
    PipeCell* reading = nullptr;  // the cell being read, so that a stop can wake the read
    std::condition_variable wake;
};

std::mutex& LibraryLock();

// The rest is called with LibraryLock() held.
std::uint32_t NextReaderId();
void RegisterReader(std::shared_ptr<ReaderThread> reader);
std::shared_ptr<ReaderThread> UnregisterReader(const ReaderThread* reader);
// Turns g_bRunning off and stops and wakes every reader; returns them.
std::vector<std::shared_ptr<ReaderThread>> StopAllReaders();
void StopReader(ReaderThread& reader);
void NotifyReaderFinished();

// Called without the lock: waits until each of readers has ended, except one inside the host's
// handler (it is abandoned; it ends when the handler returns) or one on the calling thread.
void WaitForStoppedReaders(const std::vector<std::shared_ptr<ReaderThread>>& readers);

}  // namespace vaskor
