#include "emulator/Firmware.h"

#include <algorithm>

#include "hidio/KeyboardWire.h"

namespace emulator {

namespace {

// The keyboard's own reading and writing of both report sets, kept apart from the host's
// codecs on purpose. Bytes are numbered as in the report, byte 0 being the report id.
namespace from_host {
constexpr std::size_t kCode = 1;  // of both report sets
constexpr std::size_t kKeyLayer = 2;
constexpr std::size_t kKeyButton = 3;
constexpr std::size_t kKeyCount = 4;
constexpr std::size_t kKeyCodes = 5;
// Track 1's bytes; track t + 1 has its mode t bytes later, its prefix and suffix 2t later.
constexpr std::size_t kTrackMode = 2;
constexpr std::size_t kTrackPrefixShift = 5;
constexpr std::size_t kTrackPrefixKey = 6;
constexpr std::size_t kTrackSuffixShift = 11;
constexpr std::size_t kTrackSuffixKey = 12;
constexpr std::size_t kOptions = 2;  // country code, key repeat, key click, key click scope
constexpr std::size_t kLamp = 2;
constexpr std::size_t kLampState = 3;
constexpr std::size_t kCardRecord = 1;  // the card settings record, from its code on
constexpr std::size_t kCardTrack = 2;
}  // namespace from_host

// The programmer's replies carry their code in byte 2 and every field one byte later than
// the host's records; the library's answers carry their code in byte 1.
namespace to_host {
constexpr std::size_t kRecordCode = 2;
constexpr std::size_t kKeyLayer = 3;
constexpr std::size_t kKeyButton = 4;
constexpr std::size_t kKeyCount = 5;
constexpr std::size_t kKeyCodes = 6;
constexpr std::size_t kTrackMode = 3;
constexpr std::size_t kTrackPrefixShift = 6;
constexpr std::size_t kTrackPrefixKey = 7;
constexpr std::size_t kTrackSuffixShift = 12;
constexpr std::size_t kTrackSuffixKey = 13;
constexpr std::size_t kOptions = 3;
constexpr std::size_t kAnswerCode = 1;
constexpr std::size_t kAnswerData = 2;
}  // namespace to_host

// A code neither report set knows, for the garbage fault.
constexpr std::uint8_t kGarbage = 0x5A;

hidio::Report ProgrammerReply(std::uint8_t code) {
    hidio::Report report{};
    report[to_host::kRecordCode] = code;
    return report;
}

hidio::Report KeyReply(int layer, int button, const std::vector<std::uint8_t>& codes) {
    hidio::Report report = ProgrammerReply(wire::kKeyRecord);
    report[to_host::kKeyLayer] = static_cast<std::uint8_t>(layer);
    report[to_host::kKeyButton] = static_cast<std::uint8_t>(button);
    report[to_host::kKeyCount] = static_cast<std::uint8_t>(codes.size());
    const std::size_t fits = std::min(codes.size(), report.size() - to_host::kKeyCodes);
    std::copy_n(codes.begin(), fits, report.begin() + to_host::kKeyCodes);
    return report;
}

hidio::Report TrackReply(const std::array<TrackProgramming, wire::kTrackCount>& tracks) {
    hidio::Report report = ProgrammerReply(wire::kTrackRecord);
    for (std::size_t t = 0; t < wire::kTrackCount; ++t) {
        report[to_host::kTrackMode + t] = tracks[t].mode;
        report[to_host::kTrackPrefixShift + 2 * t] = tracks[t].prefixShift;
        report[to_host::kTrackPrefixKey + 2 * t] = tracks[t].prefixKey;
        report[to_host::kTrackSuffixShift + 2 * t] = tracks[t].suffixShift;
        report[to_host::kTrackSuffixKey + 2 * t] = tracks[t].suffixKey;
    }
    return report;
}

hidio::Report OptionsReply(const std::array<std::uint8_t, 4>& options) {
    hidio::Report report = ProgrammerReply(wire::kOptionsRecord);
    std::copy(options.begin(), options.end(), report.begin() + to_host::kOptions);
    return report;
}

}  // namespace

Firmware::Firmware(std::shared_ptr<FirmwareTransport> transport, std::string stateFile_)
    : stateFile(std::move(stateFile_)), transport_(std::move(transport)) {
    if (stateFile.empty()) {
        return;
    }
    KeyboardState state;
    const StateFileResult loaded = LoadKeyboardState(stateFile, state);
    stateError = loaded.error;
    programming = state.programming;
    lamps = state.lamps;
    faults.silent = state.silent;
    faults.refuseOpens = state.refuseOpens;
    faults.denyAccess = state.denyAccess;
    faults.unplugAfterReports = state.schedule.pullOutAfterReports;
    faults.plugBackAfter = state.schedule.plugBackAfter;
    serialNumber = state.serialNumber;
    schedule = state.schedule;
}

// Plugging and unplugging hold the plug lock across the transport's calls, so that a
// keyboard plugged back in while it is still being pulled out ends up attached, not off.
bool Firmware::Plug() {
    std::lock_guard plugLock(plugMutex_);
    {
        std::lock_guard lock(mutex);
        if (plugged || shutDown) {
            return plugged;
        }
        // Before the host sees the interfaces: it may write at once.
        plugged = true;
        reading_ = false;  // a keyboard starts afresh when it is plugged in
    }
    // The transport may hand the firmware to handles the host keeps open beyond the keyboard.
    const bool attached = transport_->Attach(shared_from_this());
    if (!attached) {
        std::lock_guard lock(mutex);
        plugged = false;
    }
    plugChanged.notify_all();
    return attached;
}

void Firmware::Unplug() {
    std::lock_guard plugLock(plugMutex_);
    {
        std::lock_guard lock(mutex);
        if (!plugged) {
            return;
        }
        plugged = false;
        reading_ = false;
    }
    transport_->Detach();
    plugChanged.notify_all();
}

void Firmware::Shutdown() {
    {
        std::lock_guard lock(mutex);
        shutDown = true;  // from here on nothing plugs it in again
    }
    std::jthread timer;
    {
        std::lock_guard lock(timerMutex_);
        timer = std::move(timerThread_);
    }
    timer = std::jthread();  // a plug under way ends first, so the unplug below is the last word
    Unplug();
    std::jthread replies;
    {
        std::lock_guard lock(replyMutex_);  // the lock under which Reply() starts the thread
        replies = std::move(replyThread_);
    }
    replies = std::jthread();  // stops and joins it, if one runs, outside the lock it takes
    transport_->Close();
}

hidio::OpenStatus Firmware::AcceptOpen() const {
    std::lock_guard lock(mutex);
    if (!plugged) {
        return hidio::OpenStatus::kNotFound;
    }
    if (faults.denyAccess) {
        return hidio::OpenStatus::kAccessDenied;
    }
    return faults.refuseOpens ? hidio::OpenStatus::kRefused : hidio::OpenStatus::kOpened;
}

std::chrono::milliseconds Firmware::WriteCompletionDelay() const {
    std::lock_guard lock(mutex);
    return faults.writeCompletionDelay;
}

void Firmware::OnOutput(const hidio::Report& report) {
    Effects effects;
    {
        std::lock_guard lock(mutex);
        if (!plugged) {
            return;
        }
        trace.Record(hidio::Direction::kHostToDevice, report);
        ++reportsReceived;
        Handle(report, effects);
        effects.unplug = CountReportAndCheckUnplug();
    }
    Apply(effects);
}

void Firmware::Handle(const hidio::Report& report, Effects& effects) {
    switch (report[from_host::kCode]) {
        case wire::kReadRequest:
            StartRead(effects);
            break;
        case wire::kAcknowledge:
            if (!reading_) {
                break;
            }
            if (faults.dropAcknowledges > 0) {
                --faults.dropAcknowledges;
                break;
            }
            SendNextRecord(effects);
            break;
        case wire::kBeginWrite:
            break;  // records are stored as they come, so nothing to prepare
        case wire::kKeyRecord:
            StoreKeyRecord(report);
            break;
        case wire::kTrackRecord:
            StoreTrackRecord(report);
            break;
        case wire::kOptionsRecord:
            std::copy_n(report.begin() + from_host::kOptions, programming.options.size(),
                        programming.options.begin());
            break;
        case wire::kEnd:
            effects.save = true;
            break;
        case wire::kLights: {
            const bool on = report[from_host::kLampState] != 0;
            switch (report[from_host::kLamp]) {
                case 1:
                    lamps.num = on;
                    break;
                case 2:
                    lamps.caps = on;
                    break;
                case 3:
                    lamps.scroll = on;
                    break;
                default:
                    break;
            }
            effects.save = true;
            break;
        }
        case wire::kSwitch:
            if (!faults.silent) {
                effects.replies.push_back(Answer(wire::kSwitch, {switchPosition}));
            }
            break;
        case wire::kCardSettings: {
            const std::uint8_t track = report[from_host::kCardTrack];
            if (track >= 1 && track <= wire::kTrackCount) {
                std::copy_n(report.begin() + from_host::kCardRecord, wire::kCardSettingsSize,
                            cards[track - 1u].begin());
            }
            break;
        }
        default:
            break;  // the keyboard ignores what it does not know
    }
}

void Firmware::StartRead(Effects& effects) {
    outbox_.clear();
    if (faults.outOfRangeRecords) {
        outbox_.push_back(KeyReply(1, 0, {4}));
        outbox_.push_back(KeyReply(1, 85, {4}));
        outbox_.push_back(KeyReply(7, 1, {4}));
    }
    for (int layer = 1; layer <= wire::kLayerCount; ++layer) {
        for (int button = 1; button <= wire::kButtonCount; ++button) {
            outbox_.push_back(KeyReply(layer, button, programming.keys[button][layer]));
        }
    }
    outbox_.push_back(TrackReply(programming.tracks));
    outbox_.push_back(OptionsReply(programming.options));
    if (faults.oversizedRecordAt && *faults.oversizedRecordAt >= 0 &&
        static_cast<std::size_t>(*faults.oversizedRecordAt) < outbox_.size()) {
        hidio::Report& record = outbox_[static_cast<std::size_t>(*faults.oversizedRecordAt)];
        record[to_host::kRecordCode] = wire::kKeyRecord;
        record[to_host::kKeyCount] = 60;
        std::fill(record.begin() + to_host::kKeyCodes, record.end(), std::uint8_t{4});
    }
    nextRecord_ = 0;
    recordsSent_ = 0;
    reading_ = true;
    SendNextRecord(effects);
}

void Firmware::SendNextRecord(Effects& effects) {
    if (faults.silent ||
        (faults.silentAfterRecords && recordsSent_ >= *faults.silentAfterRecords)) {
        return;
    }
    if (nextRecord_ >= outbox_.size()) {
        effects.replies.push_back(ProgrammerReply(wire::kEnd));
        reading_ = false;
        return;
    }
    if (faults.garbageReplies) {
        hidio::Report garbage{};
        garbage.fill(0xA5);
        garbage[0] = 0;  // the report id
        garbage[to_host::kRecordCode] = kGarbage;
        effects.replies.push_back(garbage);
    }
    effects.replies.push_back(outbox_[nextRecord_++]);
    ++recordsSent_;
}

void Firmware::StoreKeyRecord(const hidio::Report& report) {
    const int layer = report[from_host::kKeyLayer];
    const int button = report[from_host::kKeyButton];
    const int count = report[from_host::kKeyCount];
    if (layer < 1 || layer > wire::kLayerCount || button < 1 || button > wire::kButtonCount ||
        count > wire::kMaxKeysPerLayer) {
        return;  // the keyboard has no place for it
    }
    const auto codes = report.begin() + from_host::kKeyCodes;
    std::vector<std::uint8_t>& stored = programming.keys[button][layer];
    stored.assign(codes, codes + count);
    if (faults.changeStoredKey == std::pair{button, layer}) {
        constexpr std::uint8_t kKeyA = 4;
        if (stored.empty()) {
            stored.push_back(kKeyA);
        } else {
            ++stored.front();
        }
    }
}

void Firmware::StoreTrackRecord(const hidio::Report& report) {
    for (std::size_t t = 0; t < wire::kTrackCount; ++t) {
        TrackProgramming& track = programming.tracks[t];
        track.mode = report[from_host::kTrackMode + t];
        track.prefixShift = report[from_host::kTrackPrefixShift + 2 * t];
        track.prefixKey = report[from_host::kTrackPrefixKey + 2 * t];
        track.suffixShift = report[from_host::kTrackSuffixShift + 2 * t];
        track.suffixKey = report[from_host::kTrackSuffixKey + 2 * t];
    }
}

bool Firmware::CountReportAndCheckUnplug() {
    ++reportsHandled;
    return faults.unplugAfterReports &&
           reportsHandled >= static_cast<std::size_t>(*faults.unplugAfterReports);
}

void Firmware::Apply(Effects& effects) {
    for (const hidio::Report& reply : effects.replies) {
        Reply(reply);
    }
    if (effects.save) {
        SaveState();
    }
    if (effects.unplug) {
        std::optional<std::chrono::milliseconds> plugBack;
        {
            std::lock_guard lock(mutex);
            faults.unplugAfterReports.reset();  // once; a test or the plug-back plugs it in
            plugBack = faults.plugBackAfter;
        }
        Unplug();
        if (plugBack) {
            PlugAfter(*plugBack);
        }
    }
}

void Firmware::PlugAfter(std::chrono::milliseconds delay) {
    std::lock_guard lock(timerMutex_);
    {
        std::lock_guard stateLock(mutex);
        if (shutDown) {
            return;  // Shutdown has taken the timer away for good
        }
    }
    plugDue_ = std::chrono::steady_clock::now() + delay;
    if (!timerThread_.joinable()) {
        timerThread_ = std::jthread([this](std::stop_token stop) { PlugTimerLoop(stop); });
    }
    timerChanged_.notify_all();
}

void Firmware::PlugTimerLoop(std::stop_token stop) {
    std::unique_lock lock(timerMutex_);
    for (;;) {
        if (!timerChanged_.wait(lock, stop, [this] { return plugDue_.has_value(); })) {
            return;
        }
        const auto due = *plugDue_;
        if (timerChanged_.wait_until(lock, stop, due, [this, due] { return plugDue_ != due; })) {
            continue;  // moved to another time
        }
        if (stop.stop_requested()) {
            return;
        }
        plugDue_.reset();
        lock.unlock();
        Plug();
        lock.lock();
    }
}

hidio::Report Firmware::Answer(std::uint8_t code, const std::vector<std::uint8_t>& data) {
    hidio::Report report{};
    report[to_host::kAnswerCode] = code;
    const std::size_t fits = std::min(data.size(), report.size() - to_host::kAnswerData);
    std::copy_n(data.begin(), fits, report.begin() + to_host::kAnswerData);
    return report;
}

void Firmware::Reply(const hidio::Report& report) {
    std::chrono::milliseconds delay;
    {
        std::lock_guard lock(mutex);
        delay = faults.replyDelay;
    }
    if (delay.count() <= 0) {
        SendNow(report);
        return;
    }
    std::lock_guard lock(replyMutex_);
    {
        std::lock_guard stateLock(mutex);
        if (shutDown) {
            return;  // Shutdown has taken the reply thread away for good
        }
    }
    if (!replyThread_.joinable()) {
        replyThread_ = std::jthread([this](std::stop_token stop) { ReplyLoop(stop); });
    }
    delayed_.emplace_back(std::chrono::steady_clock::now() + delay, report);
    replyQueued_.notify_all();
}

void Firmware::ReplyLoop(std::stop_token stop) {
    std::unique_lock lock(replyMutex_);
    while (!stop.stop_requested()) {
        if (!replyQueued_.wait(lock, stop, [this] { return !delayed_.empty(); })) {
            return;
        }
        const auto due = delayed_.front().first;
        replyQueued_.wait_until(lock, stop, due, [] { return false; });
        if (stop.stop_requested()) {
            return;
        }
        const hidio::Report report = delayed_.front().second;
        delayed_.pop_front();
        lock.unlock();
        SendNow(report);
        lock.lock();
    }
}

void Firmware::SendNow(const hidio::Report& report) {
    bool unplug = false;
    {
        std::lock_guard lock(mutex);
        if (!plugged) {
            return;
        }
        trace.Record(hidio::Direction::kDeviceToHost, report);
        unplug = CountReportAndCheckUnplug();
    }
    transport_->SendInput(report);
    if (unplug) {
        Effects effects;
        effects.unplug = true;
        Apply(effects);
    }
}

void Firmware::SaveState() {
    if (stateFile.empty()) {
        return;
    }
    KeyboardState state;
    {
        std::lock_guard lock(mutex);
        state = {programming,       lamps,        faults.silent, faults.refuseOpens,
                 faults.denyAccess, serialNumber, schedule};
    }
    // Saves from two hosts' writes may overlap; each replaces the file whole.
    const StateFileResult saved = SaveKeyboardState(stateFile, state);
    std::lock_guard lock(mutex);
    stateError = saved.error;
}

}  // namespace emulator
