// Carries the keyboard library's messages from its reader thread to the GUI thread.
//
// The library calls its sink on the reader thread and waits until the call returns. The
// reader hands the message over here and waits until the GUI thread has finished with it (the
// user closed the box), as it would for a synchronous window message: one message at a time,
// each taken once. The GUI thread itself never waits here. When it closes the tool it closes
// the hand-off first, which lets a waiting reader go at once and turns every later delivery
// away, so a GUI thread that then stops the reader never waits for a reader that waits for it.
//
// No Qt: the GUI side asks for the wake-up it needs (a queued call), and the thread tests run
// it under the thread sanitizer.
#pragma once

#include <condition_variable>
#include <cstdint>
#include <functional>
#include <mutex>
#include <optional>

namespace pellimore {

class MessageHandOff {
  public:
    // Called on the reader thread, with the hand-off locked, when a message waits to be taken:
    // asks the GUI thread to call Take. It must neither block nor call the hand-off back. It
    // is not called once Close has returned.
    using Wake = std::function<void()>;

    explicit MessageHandOff(Wake wake);

    // Reader thread: hands the message over and waits until the GUI thread has finished with
    // it (true) or the hand-off is closed (false, at once when it is closed already).
    bool Deliver(std::uint32_t message);

    // GUI thread: the message waiting, at most once for each delivery.
    std::optional<std::uint32_t> Take();
    // GUI thread: the message taken has been dealt with; its reader goes on.
    void Finish();
    // GUI thread: lets a waiting reader go and turns every later delivery away.
    void Close();

  private:
    enum class Stage { kIdle, kWaiting, kTaken };

    std::mutex mutex_;
    std::condition_variable changed_;
    const Wake wake_;
    Stage stage_ = Stage::kIdle;
    std::uint32_t message_ = 0;
    std::uint64_t handedOver_ = 0;  // deliveries so far; a reader waits for its own to finish
    std::uint64_t finished_ = 0;
    bool closed_ = false;
};

}  // namespace pellimore
