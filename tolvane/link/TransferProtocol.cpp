#include "link/TransferProtocol.h"

#include <chrono>

#include "link/StopWait.h"

namespace tolvane {

namespace {

constexpr auto kRecordPause = std::chrono::milliseconds(10);
// How long a read rests after a receive that brought nothing, so it never spins.
constexpr auto kIdleReceivePause = std::chrono::milliseconds(2);

// Replies carry their code in report byte 2, which is payload byte 1; every field sits one
// byte later than in the matching output report.
constexpr std::size_t kReplyCode = 1;

}  // namespace

Payload FilledPayload(std::uint8_t code) {
    Payload payload;
    payload.fill(code);
    return payload;
}

Payload KeyRecordPayload(const KeyboardImage& image, int button, int layer) {
    Payload payload{};
    if (!IsValidButton(button) || !IsValidLayer(layer)) {
        return payload;
    }
    const ButtonRecord& record = image.buttons[button];
    const std::span<const KeyCode> codes = record.Codes(layer);
    payload[0] = kKeyRecordCode;
    payload[1] = static_cast<std::uint8_t>(layer);
    payload[2] = record.buttonNo;
    payload[3] = static_cast<std::uint8_t>(codes.size());
    std::copy(codes.begin(), codes.end(), payload.begin() + 4);
    return payload;
}

Payload TrackRecordPayload(const KeyboardImage& image) {
    Payload payload{};
    payload[0] = kTrackRecordCode;
    for (int t = 0; t < TrackCount; ++t) {
        const TrackRecordEntry entry = image.TrackEntryOf(t);
        const auto at = static_cast<std::size_t>(t);
        payload[1 + at] = entry.mode;
        payload[4 + 2 * at] = entry.prefixShift;
        payload[5 + 2 * at] = entry.prefixKey;
        payload[10 + 2 * at] = entry.suffixShift;
        payload[11 + 2 * at] = entry.suffixKey;
    }
    return payload;
}

Payload OptionsRecordPayload(const KeyboardImage& image) {
    Payload payload{};
    payload[0] = kOptionsRecordCode;
    const std::array<std::uint8_t, 4> options = image.OptionBytes();
    std::copy(options.begin(), options.end(), payload.begin() + 1);
    return payload;
}

ReplyHandling ApplyReadReply(KeyboardImage& image, const Payload& reply) {
    switch (reply[kReplyCode]) {
        case kKeyRecordCode: {
            const int layer = reply[2];
            const int button = reply[3];
            const std::size_t count = reply[4];
            if (count > MaxKeysPerLayer) {
                return {};  // neither stored, acknowledged nor counted
            }
            // A record the image has no place for is dropped but acknowledged, so the
            // keyboard goes on with the next one.
            const bool stored = image.StoreKeyRecord(
                button, layer, std::span<const KeyCode>(reply.data() + 5, count));
            return {true, stored, false};
        }
        case kOptionsRecordCode:
            image.StoreOptions({reply[2], reply[3], reply[4], reply[5]});
            return {true, true, false};
        case kTrackRecordCode: {
            std::array<TrackRecordEntry, TrackCount> entries{};
            for (std::size_t t = 0; t < TrackCount; ++t) {
                entries[t] = {reply[2 + t], reply[5 + 2 * t], reply[6 + 2 * t], reply[11 + 2 * t],
                              reply[12 + 2 * t]};
            }
            image.StoreTrackRecord(entries);
            return {true, true, false};
        }
        case kEndCode:
            return {false, false, true};
        default:
            return {};
    }
}

int ReadTransfer(KeyboardImage& image, CHid& hid, std::stop_token stop) {
    TransferStatus& status = image.status;
    hid.SendReport(FilledPayload(kReadRequestCode), stop);
    status.reportCount.store(0);
    status.transferDone.store(0);
    const Payload acknowledge = FilledPayload(kAcknowledgeCode);
    while (!stop.stop_requested()) {
        Payload reply{};
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
    hid.SendReport(FilledPayload(kBeginWriteCode), stop);
    status.reportCount.store(0);
    status.transferDone.store(0);

    // Paced records go out on a 10 ms grid, so that a late wake-up from one pause does not
    // lengthen the whole write; after a send that itself took longer than a slot (a keyboard
    // pulled out, a late completion) the grid starts again with a full pause.
    auto due = std::chrono::steady_clock::now();
    const auto sendPaced = [&](const Payload& payload) {
        hid.SendReport(payload, stop);
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
            if (!sendPaced(KeyRecordPayload(image, button, layer))) {
                return 0;
            }
        }
    }
    if (!sendPaced(TrackRecordPayload(image))) {
        return 0;
    }
    hid.SendReport(OptionsRecordPayload(image), stop);
    status.reportCount.fetch_add(1);
    if (stop.stop_requested()) {
        return 0;
    }
    hid.SendReport(FilledPayload(kEndCode), stop);
    if (!stop.stop_requested()) {
        status.transferDone.store(1);
    }
    return 0;
}

}  // namespace tolvane
