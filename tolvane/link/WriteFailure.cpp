#include "tolvane/link/WriteFailure.h"

#include "tolvane/link/TransferMonitor.h"

namespace tolvane {

WriteFailure DescribeWriteFailure(std::uint32_t reportsCounted, CHid& hid) {
    WriteFailure failure;
    failure.reportsCounted = reportsCounted;
    failure.percent = TransferMonitor::Percent(reportsCounted);
    if (!hid.KeyboardAttached()) {
        failure.cause = WriteStop::kPulledOut;
    } else if (hid.writeTimeouts() > 0 || hid.FindKeyboard().outcome != KeyboardSearch::kFound) {
        failure.cause = WriteStop::kRefused;
    } else {
        failure.cause = WriteStop::kStalled;
    }
    return failure;
}

}  // namespace tolvane
