#include "tolvane/link/DeviceWatch.h"

namespace tolvane {

DeviceWatch::DeviceWatch(KeyboardImage& image, CHid& hid, NotifyTarget target)
    : image_(image), hid_(hid), target_(std::move(target)) {}

DeviceWatch::DeviceWatch(KeyboardImage& image, CHid& hid, NoNotices)
    : image_(image), hid_(hid), notices_(false) {}

bool DeviceWatch::Search() {
    KeyboardSearchResult result = hid_.FindKeyboard();  // the handle closes here
    lastSearch_ = result.outcome;
    const bool found = result.outcome == KeyboardSearch::kFound;
    hid_.m_bDevicePresent.store(found ? 1 : 0);
    return found;
}

void DeviceWatch::RegisterOnce() {
    if (notices_ && hid_.m_bNotifyRegistered == 0) {
        hid_.RegisterNotifications(target_);
        hid_.m_bNotifyRegistered = 1;
    }
}

ConnectionPicture DeviceWatch::DeviceCheck() {
    image_.status.keyboardConnected.store(0);
    image_.status.transferMode.store(kTransferIdle);
    const bool found = Search();
    RegisterOnce();
    if (!found) {
        return ConnectionPicture::kNotFound;
    }
    image_.status.keyboardConnected.store(1);
    return ConnectionPicture::kFound;
}

std::optional<ConnectionPicture> DeviceWatch::OnDeviceChange(DeviceChangeEvent event) {
    switch (event) {
        case DeviceChangeEvent::kNodesChanged:
            Search();
            RegisterOnce();
            return std::nullopt;
        case DeviceChangeEvent::kArrival:
            return DeviceCheck();
        case DeviceChangeEvent::kRemovalComplete: {
            const bool found = Search();
            RegisterOnce();
            if (found) {
                // Another device went away: the keyboard is still here and stays usable.
                image_.status.keyboardConnected.store(1);
                return std::nullopt;
            }
            image_.status.keyboardConnected.store(0);
            return ConnectionPicture::kNotFound;
        }
    }
    return std::nullopt;
}

}  // namespace tolvane
