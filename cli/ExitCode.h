#pragma once

namespace tolvane::cli {

// What scripts can rely on.
enum ExitCode : int {
    kExitOk = 0,
    kExitFailed = 1,  // the operation failed, problems were found, programmings differ
    kExitUsage = 2,
    kExitNoKeyboard = 3,  // none attached, or attached but not accessible
};

}  // namespace tolvane::cli
