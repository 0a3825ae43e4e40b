#include "vaskor/VX30Interface.h"

#include "DeviceSearch.h"
#include "InterfaceReports.h"
#include "LibraryBus.h"
#include "ObjectAccess.h"
#include "PipeCell.h"

namespace vaskor {

bool ObjectAccess::Send(CVX30Interface& object, const hidio::Report& report) {
    PipeRef pipe;
    {
        std::lock_guard lock(LibraryLock());
        if (object.m_pPipe == nullptr) {
            return false;
        }
        object.m_Report = report;
        pipe = PipeRef::Share(object.m_pPipe);
    }
    return pipe->Write(report);
}

// Every reader stops and the channel of every object with a reader goes, as does this object's.
void ObjectAccess::ShutDown(CVX30Interface& object) {
    std::vector<std::shared_ptr<ReaderThread>> stopped;
    std::vector<PipeCell*> channels;
    TakenReader own;
    {
        std::lock_guard lock(LibraryLock());
        stopped = StopAllReaders();
        for (const auto& reader : stopped) {
            if (reader->owner != nullptr && reader->owner != &object) {
                channels.push_back(std::exchange(reader->owner->m_pPipe, nullptr));
            }
        }
        channels.push_back(std::exchange(object.m_pPipe, nullptr));
        own = TakeReader(object);
    }
    for (PipeCell* channel : channels) {
        ReleaseFromHost(channel);
    }
    EndReader(own);
    WaitForStoppedReaders(stopped);
}

void ObjectAccess::ShareFields(CVX30Interface& to, const CVX30Interface& from) {
    PipeCell* previous = nullptr;
    {
        std::lock_guard lock(LibraryLock());
        to.m_Report = from.m_Report;
        to.m_hWnd = from.m_hWnd;
        if (from.m_pPipe != nullptr) {
            from.m_pPipe->AddRef();
        }
        previous = std::exchange(to.m_pPipe, from.m_pPipe);
    }
    ReleaseFromHost(previous);
}

}  // namespace vaskor

using vaskor::ObjectAccess;

CVX30Interface::CVX30Interface()
    : m_hThread(nullptr), m_dwThreadId(0), m_Report{}, m_pPipe(nullptr), m_hWnd(nullptr) {}

CVX30Interface::~CVX30Interface() {
    ObjectAccess::ShutDown(*this);
}

CVX30Interface::CVX30Interface(const CVX30Interface& other) : CVX30Interface() {
    ObjectAccess::ShareFields(*this, other);
}

CVX30Interface& CVX30Interface::operator=(const CVX30Interface& other) {
    if (this != &other) {
        ObjectAccess::ShareFields(*this, other);
    }
    return *this;
}

bool CVX30Interface::CreatePipe() {
    {
        std::lock_guard lock(vaskor::LibraryLock());
        if (m_pPipe != nullptr) {
            return true;
        }
    }
    std::unique_ptr<hidio::Device> device = vaskor::OpenVX30(vaskor::LibraryBus());
    if (!device) {
        return false;
    }
    vaskor::PipeRef cell = vaskor::PipeRef::Adopt(new vaskor::PipeCell(std::move(device)));
    std::lock_guard lock(vaskor::LibraryLock());
    if (m_pPipe == nullptr) {
        m_pPipe = cell.Handover();
    }
    return true;
}

bool CVX30Interface::ClosePipe() {
    vaskor::PipeCell* channel = nullptr;
    {
        std::lock_guard lock(vaskor::LibraryLock());
        channel = std::exchange(m_pPipe, nullptr);
    }
    vaskor::ReleaseFromHost(channel);
    return true;
}

bool CVX30Interface::Open(VX30Window hWnd) {
    vaskor::TakenReader previous;
    {
        std::lock_guard lock(vaskor::LibraryLock());
        m_hWnd = hWnd;
        if (m_hThread != nullptr && !m_hThread->stop.load()) {
            return true;
        }
        previous = ObjectAccess::TakeReader(*this);  // one that a Close elsewhere stopped
    }
    vaskor::EndReader(previous);
    std::lock_guard lock(vaskor::LibraryLock());
    return ObjectAccess::StartReader(*this);
}

bool CVX30Interface::Close() {
    ObjectAccess::ShutDown(*this);
    return true;
}

bool CVX30Interface::GetSwitch() {
    return ObjectAccess::Send(*this, vaskor::SwitchQueryReport());
}

bool CVX30Interface::SetNumLight(bool on) {
    return ObjectAccess::Send(*this, vaskor::LightsReport(vaskor::Lamp::kNumLock, on));
}

bool CVX30Interface::SetCapsLight(bool on) {
    return ObjectAccess::Send(*this, vaskor::LightsReport(vaskor::Lamp::kCapsLock, on));
}

bool CVX30Interface::SetScrollLight(bool on) {
    return ObjectAccess::Send(*this, vaskor::LightsReport(vaskor::Lamp::kScrollLock, on));
}

bool CVX30Interface::SetCard(const unsigned char* pData, unsigned long length) {
    const std::optional<hidio::Report> report = vaskor::CardSettingsReport(pData, length);
    return report && ObjectAccess::Send(*this, *report);
}

bool CVX30Interface::IsVX30Existed() {
    return vaskor::FindVX30(vaskor::LibraryBus()).has_value();
}
