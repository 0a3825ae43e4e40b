#include "pellimore/KbMessageRouter.h"

#if !defined(_WIN32)

namespace pellimore {

KbMessageRouter& KbMessageRouter::Instance() {
    static auto* const router = new KbMessageRouter;  // never destroyed, see the header
    return *router;
}

void KbMessageRouter::Connect(std::shared_ptr<MessageHandOff> handOff) {
    std::lock_guard lock(mutex_);
    handOff_ = std::move(handOff);
}

void KbMessageRouter::Disconnect(const MessageHandOff* handOff) {
    std::lock_guard lock(mutex_);
    if (handOff_.get() == handOff) {
        handOff_.reset();
    }
}

std::intptr_t KbMessageRouter::OnKbMessage(std::uint32_t message, std::uintptr_t, std::intptr_t) {
    if (message != WM_KB_PLUGIN && message != WM_KB_PLUGOUT) {
        return 0;
    }
    std::shared_ptr<MessageHandOff> handOff;
    {
        std::lock_guard lock(mutex_);
        handOff = handOff_;
    }
    // Held by the copy while the reader waits, should the window disconnect meanwhile.
    if (handOff) {
        handOff->Deliver(message);
    }
    return 0;
}

}  // namespace pellimore

#endif
