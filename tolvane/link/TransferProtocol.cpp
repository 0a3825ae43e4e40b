#include "tolvane/link/TransferProtocol.h"

#include <chrono>

#include "hidio/KeyboardWire.h"
#include "tolvane/link/StopWait.h"
#include "tolvane/link/WireRecords.h"

namespace tolvane {

namespace {

constexpr auto kRecordPause = std::chrono::milliseconds(10);
// How long a read rests after a receive that brought nothing, so it never spins.
constexpr auto kIdleReceivePause = std::chrono::milliseconds(2);

constexpr RecordWay kReply = RecordWay::kFromKeyboard;

}  // namespace

hidio::Report KeyRecordReport(const KeyboardImage& image, int button, int layer) {
    if (!IsValidButton(button) || !IsValidLayer(layer)) {
        return hidio::Report{};
    }
    const ButtonRecord& record = image.buttons[button];
    return EncodeKeyRecord({static_cast<std::uint8_t>(layer), record.buttonNo, record.Codes(layer)},
                           RecordWay::kToKeyboard);
}

hidio::Report TrackRecordReport(const KeyboardImage& image) {
    TrackRecord record{};
    for (int t = 0; t < TrackCount; ++t) {
        record[static_cast<std::size_t>(t)] = image.TrackEntryOf(t);
    }
    return EncodeTrackRecord(record, RecordWay::kToKeyboard);
}

hidio::Report OptionsRecordReport(const KeyboardImage& image) {
    return EncodeOptionsRecord(image.OptionBytes(), RecordWay::kToKeyboard);
}

ReplyHandling ApplyReadReply(KeyboardImage& image, const hidio::Report& reply) {
    switch (RecordCode(reply, kReply)) {
        case wire::kKeyRecord: {
            const std::optional<KeyRecord> record = DecodeKeyRecord(reply, kReply);
            if (!record) {
                return {};  // too many codes: neither stored, acknowledged nor counted
            }
            // A record the image has no place for is dropped but acknowledged, so the
            // keyboard goes on with the next one.
            const bool stored = image.StoreKeyRecord(record->button, record->layer, record->codes);
            return {true, stored, false};
        }
        case wire::kOptionsRecord:
            image.StoreOptions(DecodeOptionsRecord(reply, kReply));
            return {true, true, false};
        case wire::kTrackRecord:
            image.StoreTrackRecord(DecodeTrackRecord(reply, kReply));
            return {true, true, false};
        case wire::kEnd:
            return {false, false, true};
        default:
            return {};
    }
}

int ReadTransfer(KeyboardImage& image, CHid& hid, std::stop_token stop) {
    TransferStatus& status = image.status;
    hid.SendReport(FilledRecord(wire::kReadRequest), stop);
    status.reportCount.store(0);
    status.transferDone.store(0);
    const hidio::Report acknowledge = FilledRecord(wire::kAcknowledge);
    while (!stop.stop_requested()) {
        hidio::Report reply{};
        if (!hid.ReceiveReport(reply, stop)) {
            WaitOrStop(stop, kIdleReceivePause);
            continue;
        }
        if (stop.stop_requested()) {
            break;
        }
        const ReplyHandling handling = ApplyReadReply(image, reply);
        if (handling.ended) {
            status.transferDone.store(1);
            return 0;
        }
        if (handling.counted) {
            status.reportCount.fetch_add(1);
        }
        if (handling.acknowledge) {
            hid.SendReport(acknowledge, stop);
        }
    }
    return 0;
}

int WriteTransfer(KeyboardImage& image, CHid& hid, std::stop_token stop) {
    TransferStatus& status = image.status;
    hid.SendReport(FilledRecord(wire::kBeginWrite), stop);
    status.reportCount.store(0);
    status.transferDone.store(0);

    // Paced records go out on a 10 ms grid, so that a late wake-up from one pause does not
    // lengthen the whole write; after a send that itself took longer than a slot (a keyboard
    // pulled out, a late completion) the grid starts again with a full pause.
    auto due = std::chrono::steady_clock::now();
    const auto sendPaced = [&](const hidio::Report& report) {
        hid.SendReport(report, stop);
        status.reportCount.fetch_add(1);
        const auto sent = std::chrono::steady_clock::now();
        due += kRecordPause;
        if (due < sent) {
            due = sent + kRecordPause;
        }
        return WaitUntilOrStop(stop, due);
    };
    for (int layer = 1; layer <= LayerCount; ++layer) {
        for (int button = 1; button <= ButtonCount; ++button) {
            if (!sendPaced(KeyRecordReport(image, button, layer))) {
                return 0;
            }
        }
    }
    if (!sendPaced(TrackRecordReport(image))) {
        return 0;
    }
    hid.SendReport(OptionsRecordReport(image), stop);
    status.reportCount.fetch_add(1);
    if (stop.stop_requested()) {
        return 0;
    }
    hid.SendReport(FilledRecord(wire::kEnd), stop);
    if (!stop.stop_requested()) {
        status.transferDone.store(1);
    }
    return 0;
}

}  // namespace tolvane
