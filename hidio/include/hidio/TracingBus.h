// A bus that passes everything through to another bus and records every report that
// crosses the wire in a WireTrace: a write the device accepted as ">", a report read as "<".
// The same trace form serves real keyboards and virtual ones.
#pragma once

#include "hidio/Hidio.h"
#include "hidio/WireTrace.h"

namespace hidio {

class TracingBus final : public Bus {
  public:
    TracingBus(Bus& inner, WireTrace& trace) : inner_(inner), trace_(trace) {}

    std::vector<InterfaceInfo> Enumerate() override { return inner_.Enumerate(); }
    OpenResult Open(const std::string& path) override;
    std::unique_ptr<Watch> StartWatch(WatchCallback callback) override {
        return inner_.StartWatch(std::move(callback));
    }

  private:
    Bus& inner_;
    WireTrace& trace_;
};

}  // namespace hidio
