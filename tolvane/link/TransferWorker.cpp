#include "tolvane/link/TransferWorker.h"

#include "tolvane/link/TransferProtocol.h"

namespace tolvane {

bool TransferWorker::Start(TransferKind kind, KeyboardImage& image, CHid& hid) {
    Stop();
    finished_.store(false);
    thread_ = startThread_([this, kind, &image, &hid](std::stop_token stop) {
        if (kind == TransferKind::kRead) {
            ReadTransfer(image, hid, stop);
        } else {
            WriteTransfer(image, hid, stop);
        }
        hid.EndTransfer();
        finished_.store(true);
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
