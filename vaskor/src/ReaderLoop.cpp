#include "ReaderLoop.h"

#include <chrono>

#include "DeviceSearch.h"
#include "InterfaceReports.h"
#include "LibraryBus.h"
#include "ObjectAccess.h"
#include "PipeCell.h"
#include "WindowMessage.h"

namespace vaskor {

namespace {

constexpr auto kPresencePoll = std::chrono::milliseconds(100);

enum class ReadOutcome { kReport, kFailed, kStopped };

bool Running(const ReaderThread& self) {
    return g_bRunning.load() && !self.stop.load();
}

void Pause(ReaderThread& self) {
    std::unique_lock lock(LibraryLock());
    self.wake.wait_for(lock, kPresencePoll, [&self] { return !Running(self); });
}

PipeRef OwnersPipe(ReaderThread& self) {
    std::lock_guard lock(LibraryLock());
    return self.owner != nullptr ? PipeRef::Share(ObjectAccess::Pipe(*self.owner)) : PipeRef();
}

// Takes the owner's reference to its channel, when the channel is expected (any, if null).
PipeRef DetachOwnersPipe(ReaderThread& self, const PipeCell* expected) {
    std::lock_guard lock(LibraryLock());
    if (self.owner == nullptr) {
        return {};
    }
    PipeCell*& pipe = ObjectAccess::Pipe(*self.owner);
    if (pipe == nullptr || (expected != nullptr && pipe != expected)) {
        return {};
    }
    return PipeRef::Adopt(std::exchange(pipe, nullptr));
}

// No message starts once the object is closing or gone; see the header on abandoned ones.
void Deliver(ReaderThread& self, std::uint32_t message, std::intptr_t lParam) {
    VX30Window window{};
    {
        std::lock_guard lock(LibraryLock());
        if (!Running(self) || self.owner == nullptr) {
            return;
        }
        window = ObjectAccess::Window(*self.owner);
        self.delivering = true;
    }
    SendToWindow(window, message, lParam);
    std::lock_guard lock(LibraryLock());
    self.delivering = false;
}

// Waiting: a refused open leaves no channel and is tried again after the pause.
void Connect(ReaderThread& self) {
    std::unique_ptr<hidio::Device> device = OpenVX30(LibraryBus());
    if (!device) {
        Pause(self);
        return;
    }
    PipeRef cell = PipeRef::Adopt(new PipeCell(std::move(device)));
    {
        std::lock_guard lock(LibraryLock());
        if (!Running(self) || self.owner == nullptr) {
            return;
        }
        PipeCell*& pipe = ObjectAccess::Pipe(*self.owner);
        if (pipe != nullptr) {
            return;  // the host opened one meanwhile; that one is used
        }
        pipe = cell.Handover();
    }
    Deliver(self, WM_KB_PLUGIN, 0);
}

bool StillReading(ReaderThread& self, const PipeCell& cell) {
    std::lock_guard lock(LibraryLock());
    return Running(self) && self.owner != nullptr && ObjectAccess::Pipe(*self.owner) == &cell;
}

// Slices of 500 ms until a report comes or the input fails; a stop, or the host letting go of
// the channel, ends it between slices.
ReadOutcome ReadReport(ReaderThread& self, PipeCell& cell, hidio::Report& buffer) {
    {
        std::lock_guard lock(LibraryLock());
        self.reading = &cell;
    }
    ReadOutcome outcome = ReadOutcome::kStopped;
    while (StillReading(self, cell)) {
        const hidio::IoResult result = cell.ReadSlice(buffer);
        if (result == hidio::IoResult::kOk) {
            outcome = ReadOutcome::kReport;
            break;
        }
        if (result == hidio::IoResult::kFailed) {
            outcome = ReadOutcome::kFailed;
            break;
        }
    }
    std::lock_guard lock(LibraryLock());
    self.reading = nullptr;
    return outcome;
}

void Dispatch(ReaderThread& self, const hidio::Report& buffer) {
    const std::optional<Answer> answer = ReadAnswer(buffer);
    if (answer) {
        Deliver(self, answer->kind == AnswerKind::kSwitch ? WM_KB_SWITCH : WM_KB_REPORT_D2,
                reinterpret_cast<std::intptr_t>(answer->data));
    }
}

// The channel is gone (keyboard absent, or its input failed): release it and say so.
void LoseChannel(ReaderThread& self, PipeRef held) {
    PipeRef lost = DetachOwnersPipe(self, held.Get());
    held.Reset();
    if (lost) {
        lost.Reset();
        Deliver(self, WM_KB_PLUGOUT, 0);
    }
}

void RunCycle(ReaderThread& self, hidio::Report& buffer) {
    const bool present = FindVX30(LibraryBus()).has_value();
    if (!Running(self)) {
        return;
    }
    PipeRef pipe = OwnersPipe(self);
    if (!present) {
        LoseChannel(self, std::move(pipe));
        Pause(self);
        return;
    }
    if (!pipe) {
        Connect(self);
        return;
    }
    const ReadOutcome outcome = ReadReport(self, *pipe.Get(), buffer);
    if (outcome == ReadOutcome::kReport) {
        pipe.Reset();  // the handler may close the channel
        Dispatch(self, buffer);
    } else if (outcome == ReadOutcome::kFailed) {
        // A dead channel would fail every read at once: drop it, so that the next cycle
        // opens the keyboard again if it is back.
        LoseChannel(self, std::move(pipe));
        Pause(self);
    }
}

}  // namespace

void RunReader(std::shared_ptr<ReaderThread> self) {
    hidio::Report buffer{};  // the receive buffer the messages' lParam points into
    while (Running(*self)) {
        RunCycle(*self, buffer);
    }
    // The Close that stopped the loop has released the owner's channel already, without a
    // message, so that its release does not wait for a reader held in a handler.
    {
        std::lock_guard lock(LibraryLock());
        self->finished = true;
    }
    NotifyReaderFinished();
}

}  // namespace vaskor
