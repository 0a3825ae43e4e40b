#include "emulator/VirtualKeyboard.h"

#include "emulator/Firmware.h"
#include "hidio/KeyboardWire.h"

namespace emulator {

namespace {

std::string VendorPathOf(const std::string& id) {
    return "virtual:hid#vid_0483&pid_5017&mi_01#" + id;
}

hidio::InterfaceInfo VendorInterface(const std::string& id, const std::string& serialNumber) {
    return {VendorPathOf(id),
            wire::kVendorId,
            wire::kProductId,
            wire::kVendorInterface,
            wire::kVendorUsagePage,
            0x01,
            "TR48 POS Keyboard (virtual)",
            serialNumber};
}

// The serial number is the USB device's, so both interfaces report it.
hidio::InterfaceInfo BootInterface(const std::string& id, const std::string& serialNumber) {
    return {"virtual:hid#vid_0483&pid_5017&mi_00#" + id,
            wire::kVendorId,
            wire::kProductId,
            wire::kBootInterface,
            0x01,
            0x06,
            "TR48 POS Keyboard (virtual)",
            serialNumber};
}

class VendorEndpoint final : public hidio::VirtualEndpoint {
  public:
    explicit VendorEndpoint(std::shared_ptr<Firmware> firmware) : firmware_(std::move(firmware)) {}
    hidio::OpenStatus AcceptOpen() override { return firmware_->AcceptOpen(); }
    std::chrono::milliseconds WriteCompletionDelay() override {
        return firmware_->WriteCompletionDelay();
    }
    void OnOutputReport(const hidio::Report& report) override { firmware_->OnOutput(report); }

  private:
    std::shared_ptr<Firmware> firmware_;
};

// The boot keyboard collection: the system keeps it for itself.
class BootKeyboardEndpoint final : public hidio::VirtualEndpoint {
  public:
    hidio::OpenStatus AcceptOpen() override { return hidio::OpenStatus::kRefused; }
    std::chrono::milliseconds WriteCompletionDelay() override { return {}; }
    void OnOutputReport(const hidio::Report&) override {}
};

class BusTransport final : public FirmwareTransport {
  public:
    BusTransport(hidio::VirtualBus& bus, std::string id) : bus_(bus), id_(std::move(id)) {}

    bool Attach(const std::shared_ptr<Firmware>& firmware) override {
        bus_.Plug(BootInterface(id_, firmware->serialNumber),
                  std::make_shared<BootKeyboardEndpoint>());
        // The interface holds the firmware: handles the host keeps open may outlive the
        // keyboard.
        bus_.Plug(VendorInterface(id_, firmware->serialNumber),
                  std::make_shared<VendorEndpoint>(firmware));
        return true;
    }

    void Detach() override {
        bus_.Unplug(VendorPathOf(id_));
        bus_.Unplug(BootInterface(id_, {}).path);
    }

    void SendInput(const hidio::Report& report) override {
        bus_.SendInput(VendorPathOf(id_), report);
    }

  private:
    hidio::VirtualBus& bus_;
    const std::string id_;
};

}  // namespace

VirtualKeyboard::VirtualKeyboard(hidio::VirtualBus& bus, std::string id, std::string stateFile)
    : EmulatedKeyboard(std::make_shared<Firmware>(std::make_shared<BusTransport>(bus, id),
                                                  std::move(stateFile))),
      id_(std::move(id)) {}

VirtualKeyboard::~VirtualKeyboard() = default;

void VirtualKeyboard::Plug() {
    firmware_->Plug();
}

void VirtualKeyboard::Unplug() {
    firmware_->Unplug();
}

std::string VirtualKeyboard::VendorPath() const {
    return VendorPathOf(id_);
}

std::string VirtualKeyboard::BootPath() const {
    return BootInterface(id_, {}).path;
}

}  // namespace emulator
