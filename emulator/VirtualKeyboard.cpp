#include "VirtualKeyboard.h"

#include "Firmware.h"

namespace emulator {

VirtualKeyboard::VirtualKeyboard(hidio::VirtualBus& bus, std::string id, std::string stateFile)
    : firmware_(std::make_shared<Firmware>(bus, std::move(id), std::move(stateFile))) {}

VirtualKeyboard::~VirtualKeyboard() {
    firmware_->Shutdown();
}

void VirtualKeyboard::Plug() {
    firmware_->Plug();
}

void VirtualKeyboard::Unplug() {
    firmware_->Unplug();
}

bool VirtualKeyboard::IsPlugged() const {
    std::lock_guard lock(firmware_->mutex);
    return firmware_->plugged;
}

bool VirtualKeyboard::WaitUntilUnplugged(std::chrono::milliseconds timeout) const {
    std::unique_lock lock(firmware_->mutex);
    return firmware_->plugChanged.wait_for(lock, timeout, [this] { return !firmware_->plugged; });
}

std::string VirtualKeyboard::VendorPath() const {
    return firmware_->VendorInterface().path;
}

std::string VirtualKeyboard::BootPath() const {
    return firmware_->BootInterface().path;
}

Programming VirtualKeyboard::GetProgramming() const {
    std::lock_guard lock(firmware_->mutex);
    return firmware_->programming;
}

void VirtualKeyboard::SetProgramming(const Programming& programming) {
    std::lock_guard lock(firmware_->mutex);
    firmware_->programming = programming;
}

Lamps VirtualKeyboard::GetLamps() const {
    std::lock_guard lock(firmware_->mutex);
    return firmware_->lamps;
}

std::array<std::uint8_t, kCardRecordSize> VirtualKeyboard::CardSettings(int track) const {
    std::lock_guard lock(firmware_->mutex);
    if (track < 1 || track > kTracks) {
        return {};
    }
    return firmware_->cards[static_cast<std::size_t>(track - 1)];
}

void VirtualKeyboard::SetSwitch(std::uint8_t position) {
    std::lock_guard lock(firmware_->mutex);
    firmware_->switchPosition = position;
}

void VirtualKeyboard::SetFaults(const Faults& faults) {
    std::lock_guard lock(firmware_->mutex);
    firmware_->faults = faults;
}

Faults VirtualKeyboard::GetFaults() const {
    std::lock_guard lock(firmware_->mutex);
    return firmware_->faults;
}

void VirtualKeyboard::SendAnswer(std::uint8_t code, const std::vector<std::uint8_t>& data) {
    hidio::Report report{};
    report[1] = code;
    for (std::size_t i = 0; i < data.size() && 2 + i < report.size(); ++i) {
        report[2 + i] = data[i];
    }
    firmware_->Reply(report);
}

hidio::WireTrace& VirtualKeyboard::Trace() {
    return firmware_->trace;
}

std::size_t VirtualKeyboard::ReportsReceived() const {
    std::lock_guard lock(firmware_->mutex);
    return firmware_->reportsReceived;
}

}  // namespace emulator
