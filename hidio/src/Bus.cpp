#include <atomic>

#include "hidio/Hidio.h"

namespace hidio {

namespace {

std::atomic<Bus*> selectedBus{nullptr};

}  // namespace

const char* ToString(OpenStatus status) {
    switch (status) {
        case OpenStatus::kOpened:
            return "opened";
        case OpenStatus::kNotFound:
            return "not found";
        case OpenStatus::kAccessDenied:
            return "access denied";
        case OpenStatus::kRefused:
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
