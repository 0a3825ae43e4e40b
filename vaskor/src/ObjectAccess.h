// The library's own reach into CVX30Interface's fields, for the reader thread and the members.
#pragma once

#include <memory>

#include "Library.h"
#include "hidio/Hidio.h"
#include "vaskor/VX30Interface.h"

namespace vaskor {

// A reader taken from its object, and whether it must be left to end on its own: it is inside
// the host's handler (which may be waiting for this very thread) or it is this thread.
struct TakenReader {
    std::shared_ptr<ReaderThread> reader;
    bool abandon = false;
};

struct ObjectAccess {
    // With LibraryLock() held.
    static PipeCell*& Pipe(CVX30Interface& object) { return object.m_pPipe; }
    static VX30Window Window(const CVX30Interface& object) { return object.m_hWnd; }
    static TakenReader TakeReader(CVX30Interface& object);
    // Starts a reader for object unless it has one; false when no thread could be started.
    static bool StartReader(CVX30Interface& object);

    // Without the lock.
    static bool Send(CVX30Interface& object, const hidio::Report& report);
    static void ShutDown(CVX30Interface& object);
    static void ShareFields(CVX30Interface& to, const CVX30Interface& from);
};

// Joins the reader, or lets it end on its own when it was abandoned.
void EndReader(TakenReader& taken);

// The host lets go of a channel: a reader still reading it is woken first.
void ReleaseFromHost(PipeCell* cell);

}  // namespace vaskor
