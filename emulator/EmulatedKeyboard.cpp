#include "emulator/EmulatedKeyboard.h"

#include "emulator/Firmware.h"

namespace emulator {

EmulatedKeyboard::EmulatedKeyboard(std::shared_ptr<Firmware> firmware)
    : firmware_(std::move(firmware)) {}

EmulatedKeyboard::~EmulatedKeyboard() {
    firmware_->Shutdown();
}

bool EmulatedKeyboard::IsPlugged() const {
    std::lock_guard lock(firmware_->mutex);
    return firmware_->plugged;
}

bool EmulatedKeyboard::WaitUntilUnplugged(std::chrono::milliseconds timeout) const {
    std::unique_lock lock(firmware_->mutex);
    return firmware_->plugChanged.wait_for(lock, timeout, [this] { return !firmware_->plugged; });
}

Programming EmulatedKeyboard::GetProgramming() const {
    std::lock_guard lock(firmware_->mutex);
    return firmware_->programming;
}

void EmulatedKeyboard::SetProgramming(const Programming& programming) {
    std::lock_guard lock(firmware_->mutex);
    firmware_->programming = programming;
}

Lamps EmulatedKeyboard::GetLamps() const {
    std::lock_guard lock(firmware_->mutex);
    return firmware_->lamps;
}

std::array<std::uint8_t, wire::kCardSettingsSize> EmulatedKeyboard::CardSettings(int track) const {
    std::lock_guard lock(firmware_->mutex);
    if (track < 1 || track > wire::kTrackCount) {
        return {};
    }
    return firmware_->cards[static_cast<std::size_t>(track - 1)];
}

void EmulatedKeyboard::SetSwitch(std::uint8_t position) {
    std::lock_guard lock(firmware_->mutex);
    firmware_->switchPosition = position;
}

void EmulatedKeyboard::SetFaults(const Faults& faults) {
    std::lock_guard lock(firmware_->mutex);
    firmware_->faults = faults;
}

Faults EmulatedKeyboard::GetFaults() const {
    std::lock_guard lock(firmware_->mutex);
    return firmware_->faults;
}

void EmulatedKeyboard::SendAnswer(std::uint8_t code, const std::vector<std::uint8_t>& data) {
    firmware_->Reply(Firmware::Answer(code, data));
}

void EmulatedKeyboard::PlugAfter(std::chrono::milliseconds delay) {
    firmware_->PlugAfter(delay);
}

std::optional<std::chrono::milliseconds> EmulatedKeyboard::PlugInDelay() const {
    return firmware_->schedule.plugInAfter;
}

std::string EmulatedKeyboard::SerialNumber() const {
    return firmware_->serialNumber;
}

hidio::WireTrace& EmulatedKeyboard::Trace() {
    return firmware_->trace;
}

std::size_t EmulatedKeyboard::ReportsReceived() const {
    std::lock_guard lock(firmware_->mutex);
    return firmware_->reportsReceived;
}

std::string EmulatedKeyboard::StateFileError() const {
    std::lock_guard lock(firmware_->mutex);
    return firmware_->stateError;
}

}  // namespace emulator
