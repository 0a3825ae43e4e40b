#include "hidio/TracingBus.h"

namespace hidio {

namespace {

class TracingDevice final : public Device {
  public:
    TracingDevice(std::unique_ptr<Device> inner, WireTrace& trace)
        : inner_(std::move(inner)), trace_(trace) {}

    IoResult Write(const Report& report, std::chrono::milliseconds completionTimeout) override {
        const IoResult result = inner_->Write(report, completionTimeout);
        // A write that has not completed yet has still left the host.
        if (result != IoResult::kFailed) {
            trace_.Record(Direction::kHostToDevice, report, inner_->Path());
        }
        return result;
    }

    IoResult Read(Report& report, std::chrono::milliseconds timeout) override {
        const IoResult result = inner_->Read(report, timeout);
        if (result == IoResult::kOk) {
            trace_.Record(Direction::kDeviceToHost, report, inner_->Path());
        }
        return result;
    }

    void InterruptRead() override { inner_->InterruptRead(); }
    const std::string& Path() const override { return inner_->Path(); }

  private:
    std::unique_ptr<Device> inner_;
    WireTrace& trace_;
};

}  // namespace

OpenResult TracingBus::Open(const std::string& path) {
    OpenResult result = inner_.Open(path);
    if (result.device) {
        result.device = std::make_unique<TracingDevice>(std::move(result.device), trace_);
    }
    return result;
}

}  // namespace hidio
