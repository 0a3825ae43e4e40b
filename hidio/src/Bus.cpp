#include <atomic>

#include "hidio/Hidio.h"

namespace hidio {

namespace {

std::atomic<Bus*> selectedBus{nullptr};

}  // namespace

const char* ToString(OpenStatus status) {
    switch (status) {
        case OpenStatus::Opened:
            return "opened";
        case OpenStatus::NotFound:
            return "not found";
        case OpenStatus::AccessDenied:
            return "access denied";
        case OpenStatus::Refused:
            return "refused";
    }
    return "unknown";
}

Bus& CurrentBus() {
    Bus* bus = selectedBus.load();
    return bus != nullptr ? *bus : SystemBus();
}

void SelectBus(Bus* bus) {
    selectedBus.store(bus);
}

}  // namespace hidio
