// The pipe cell: one open channel to the keyboard, shared by the objects that refer to it
// (copies share it) and by the reader thread while it reads. The device is closed when the
// last reference goes, so it is never closed under a read or a write in progress.
#pragma once

#include <atomic>
#include <chrono>
#include <memory>
#include <mutex>
#include <utility>

#include "hidio/Hidio.h"

namespace vaskor {

inline constexpr std::chrono::milliseconds kWriteCompletionWait{500};
inline constexpr std::chrono::milliseconds kReadSlice{500};

class PipeCell {
  public:
    // The new cell holds one reference, owned by the caller.
    explicit PipeCell(std::unique_ptr<hidio::Device> device);
    PipeCell(const PipeCell&) = delete;
    PipeCell& operator=(const PipeCell&) = delete;

    void AddRef();
    // Drops one reference; the last one closes the device and frees the cell.
    static void Release(PipeCell* cell);

    // True when the report was written within kWriteCompletionWait. A write given up on
    // stays with the device, which completes or cancels it before it closes.
    bool Write(const hidio::Report& report);

    // One slice of a read: kOk, kTimedOut after kReadSlice (or when woken), or kFailed.
    hidio::IoResult ReadSlice(hidio::Report& report);

    // Makes a read in progress, or the next one, return at once.
    void WakeReader();

  private:
    ~PipeCell() = default;

    std::unique_ptr<hidio::Device> device_;
    std::atomic<int> references_{1};
    std::mutex writeMutex_;  // hidio takes one write at a time per device
    std::mutex readMutex_;   // and one reader: copies may give two readers one cell
};

// One counted reference held for the length of a scope.
class PipeRef {
  public:
    PipeRef() = default;
    static PipeRef Share(PipeCell* cell);  // adds a reference
    static PipeRef Adopt(PipeCell* cell);  // takes over a reference the caller held
    ~PipeRef() { Reset(); }
    PipeRef(PipeRef&& other) noexcept : cell_(std::exchange(other.cell_, nullptr)) {}
    PipeRef& operator=(PipeRef&& other) noexcept;
    PipeRef(const PipeRef&) = delete;
    PipeRef& operator=(const PipeRef&) = delete;

    PipeCell* Get() const { return cell_; }
    PipeCell* operator->() const { return cell_; }
    explicit operator bool() const { return cell_ != nullptr; }
    void Reset();
    // Hands the reference over to the caller, who must release it.
    PipeCell* Handover() { return std::exchange(cell_, nullptr); }

  private:
    explicit PipeRef(PipeCell* cell) : cell_(cell) {}
    PipeCell* cell_ = nullptr;
};

}  // namespace vaskor
