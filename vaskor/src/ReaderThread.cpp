// Starting a reader for an object, and taking it back.
#include <system_error>

#include "ObjectAccess.h"
#include "PipeCell.h"
#include "ReaderLoop.h"

namespace vaskor {

bool ObjectAccess::StartReader(CVX30Interface& object) {
    if (object.m_hThread != nullptr) {
        return true;
    }
    auto reader = std::make_shared<ReaderThread>();
    reader->owner = &object;
    reader->id = NextReaderId();
    // On before the thread runs, so that a Close coming before its first cycle still stops it.
    g_bRunning.store(true);
    try {
        reader->thread = std::thread(RunReader, reader);
    } catch (const std::system_error&) {
        return false;
    }
    reader->threadId = reader->thread.get_id();
    RegisterReader(reader);
    object.m_hThread = reader.get();
    object.m_dwThreadId = reader->id;
    return true;
}

TakenReader ObjectAccess::TakeReader(CVX30Interface& object) {
    ReaderThread* const raw = std::exchange(object.m_hThread, nullptr);
    if (raw == nullptr) {
        return {};
    }
    TakenReader taken{UnregisterReader(raw), false};
    StopReader(*taken.reader);
    taken.reader->owner = nullptr;
    taken.abandon =
        taken.reader->delivering || taken.reader->threadId == std::this_thread::get_id();
    return taken;
}

void EndReader(TakenReader& taken) {
    if (!taken.reader) {
        return;
    }
    if (taken.abandon) {
        taken.reader->thread.detach();
    } else {
        taken.reader->thread.join();
    }
    taken.reader.reset();
}

void ReleaseFromHost(PipeCell* cell) {
    if (cell != nullptr) {
        cell->WakeReader();
        PipeCell::Release(cell);
    }
}

}  // namespace vaskor
