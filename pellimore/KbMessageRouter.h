// Platform file (not Windows, where the library sends its messages to the window itself): the
// sink the tool gives the keyboard library, which passes the messages the tool shows, plug-in
// and pull-out, to the window's hand-off and answers the others at once.
//
// One sink serves the whole process and is never destroyed: the library may call the sink of
// an interface object it has just closed once more (a reader that was handing a message over
// when the object was closed finishes that call after Close has returned), so the sink must
// outlive every window. A window connects its hand-off when it opens and disconnects it when
// it closes; a message that comes with no hand-off connected is dropped.
#pragma once

#if !defined(_WIN32)

#include <memory>
#include <mutex>

#include "pellimore/MessageHandOff.h"
#include "vaskor/VX30Interface.h"

namespace pellimore {

class KbMessageRouter final : public CKbMessageSink {
  public:
    static KbMessageRouter& Instance();

    void Connect(std::shared_ptr<MessageHandOff> handOff);
    // Only the hand-off connected now is disconnected.
    void Disconnect(const MessageHandOff* handOff);

    std::intptr_t OnKbMessage(std::uint32_t message, std::uintptr_t wParam,
                              std::intptr_t lParam) override;

  private:
    KbMessageRouter() = default;

    std::mutex mutex_;
    std::shared_ptr<MessageHandOff> handOff_;
};

}  // namespace pellimore

#endif
