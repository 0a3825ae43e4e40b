#include "tolvane/link/TransferWorker.h"

#include "tolvane/link/TransferProtocol.h"

namespace tolvane {

bool TransferWorker::Start(TransferKind kind, KeyboardImage& image, CHid& hid) {
    Stop();
    thread_ = startThread_([kind, &image, &hid](std::stop_token stop) {
        if (kind == TransferKind::kRead) {
            ReadTransfer(image, hid, stop);
        } else {
            WriteTransfer(image, hid, stop);
        }
        hid.EndTransfer();
    });
    return thread_.joinable();
}

void TransferWorker::Stop() {
    if (thread_.joinable()) {
        thread_.request_stop();
        thread_.join();
    }
}

}  // namespace tolvane
