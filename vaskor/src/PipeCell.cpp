#include "PipeCell.h"

namespace vaskor {

PipeCell::PipeCell(std::unique_ptr<hidio::Device> device) : device_(std::move(device)) {}

void PipeCell::AddRef() {
    references_.fetch_add(1, std::memory_order_relaxed);
}

void PipeCell::Release(PipeCell* cell) {
    if (cell != nullptr && cell->references_.fetch_sub(1, std::memory_order_acq_rel) == 1) {
        delete cell;
    }
}

bool PipeCell::Write(const hidio::Report& report) {
    std::lock_guard lock(writeMutex_);
    return device_->Write(report, kWriteCompletionWait) == hidio::IoResult::kOk;
}

hidio::IoResult PipeCell::ReadSlice(hidio::Report& report) {
    std::lock_guard lock(readMutex_);
    report.fill(0);
    return device_->Read(report, kReadSlice);
}

void PipeCell::WakeReader() {
    device_->InterruptRead();
}

PipeRef PipeRef::Share(PipeCell* cell) {
    if (cell != nullptr) {
        cell->AddRef();
    }
    return PipeRef(cell);
}

PipeRef PipeRef::Adopt(PipeCell* cell) {
    return PipeRef(cell);
}

PipeRef& PipeRef::operator=(PipeRef&& other) noexcept {
    if (this != &other) {
        Reset();
        cell_ = std::exchange(other.cell_, nullptr);
    }
    return *this;
}

void PipeRef::Reset() {
    PipeCell::Release(std::exchange(cell_, nullptr));
}

}  // namespace vaskor
