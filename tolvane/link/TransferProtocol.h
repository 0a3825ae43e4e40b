// Moving the whole keyboard image between the program and the keyboard.
//
// Read: the read request, then the keyboard's key, track and options records in any order,
// each acknowledged, until its end reply. Write: begin write, 504 key records (all buttons
// of layer 1, then layer 2, ...), the track record, the options record and the end report,
// with a 10 ms pause after each key record and after the track record so the keyboard can
// store them; nothing is read back.
//
// Both run on a worker thread and report through the image's TransferStatus. A stop request
// ends them between reports and inside every wait; once stopped they never touch the image
// again.
#pragma once

#include <stop_token>

#include "tolvane/image/KeyboardImage.h"
#include "tolvane/link/Hid.h"

namespace tolvane {

// Reports a full write sends and the ones it counts in reportCount.
inline constexpr int kWriteReportsSent = 508;
inline constexpr int kCountedReports = ButtonCount * LayerCount + 2;

// The records a write sends for the image.
hidio::Report KeyRecordReport(const KeyboardImage& image, int button, int layer);
hidio::Report TrackRecordReport(const KeyboardImage& image);
hidio::Report OptionsRecordReport(const KeyboardImage& image);

// One reply of a read applied to the image. Returns true when the reply is to be
// acknowledged; sets counted when it adds to reportCount, and ended on the end reply.
struct ReplyHandling {
    bool acknowledge = false;
    bool counted = false;
    bool ended = false;
};
ReplyHandling ApplyReadReply(KeyboardImage& image, const hidio::Report& reply);

int ReadTransfer(KeyboardImage& image, CHid& hid, std::stop_token stop);
int WriteTransfer(KeyboardImage& image, CHid& hid, std::stop_token stop);

}  // namespace tolvane
