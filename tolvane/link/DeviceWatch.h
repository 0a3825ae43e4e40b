// Whether the keyboard is plugged in: the check at start-up and on every arrival notice,
// and the handling of the other device-change notices. The GUI maps the connection state
// to its picture; everything else is decided here.
#pragma once

#include <optional>

#include "tolvane/image/KeyboardImage.h"
#include "tolvane/link/Hid.h"

namespace tolvane {

enum class ConnectionPicture { kFound, kNotFound };

// A watch that never registers for notices: for a single command that ends before a
// keyboard could come or go.
struct NoNotices {};
inline constexpr NoNotices kNoNotices{};

class DeviceWatch {
  public:
    // The first device check registers notices to target (see CHid::RegisterNotifications:
    // it is called on a thread of the bus). The watch's owner hands each notice to
    // OnDeviceChange on its own thread.
    DeviceWatch(KeyboardImage& image, CHid& hid, NotifyTarget target);
    DeviceWatch(KeyboardImage& image, CHid& hid, NoNotices);

    // Looks for the keyboard, registers for notices once (unless told not to), and sets
    // keyboardConnected, m_bDevicePresent and transferMode. Returns the picture to show.
    ConnectionPicture DeviceCheck();

    // One device-change notice. Returns the picture to show, or nothing when the picture
    // stays as it is.
    std::optional<ConnectionPicture> OnDeviceChange(DeviceChangeEvent event);

    // What the last search found, so that a caller can say why a keyboard is unusable.
    KeyboardSearch LastSearch() const { return lastSearch_; }

  private:
    bool Search();
    void RegisterOnce();

    KeyboardImage& image_;
    CHid& hid_;
    NotifyTarget target_;
    bool notices_ = true;
    KeyboardSearch lastSearch_ = KeyboardSearch::kNotFound;
};

}  // namespace tolvane
