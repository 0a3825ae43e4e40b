// Plays a full disk for the process: while the limit stands, no file may grow past `bytes`,
// and a write beyond it fails (EFBIG) instead of raising SIGXFSZ. POSIX only.
#pragma once

#include <sys/resource.h>

#include <csignal>
#include <cstddef>

namespace tolvane::testing {

class FileSizeLimit {
  public:
    explicit FileSizeLimit(std::size_t bytes) : previousHandler_(std::signal(SIGXFSZ, SIG_IGN)) {
        if (::getrlimit(RLIMIT_FSIZE, &previous_) == 0) {
            rlimit limited = previous_;
            limited.rlim_cur = bytes;
            applied_ = ::setrlimit(RLIMIT_FSIZE, &limited) == 0;
        }
    }

    ~FileSizeLimit() {
        if (applied_) {
            ::setrlimit(RLIMIT_FSIZE, &previous_);
        }
        std::signal(SIGXFSZ, previousHandler_);
    }

    FileSizeLimit(const FileSizeLimit&) = delete;
    FileSizeLimit& operator=(const FileSizeLimit&) = delete;

    // False when the limit could not be set: the test cannot play a full disk.
    bool Applied() const { return applied_; }

  private:
    void (*previousHandler_)(int);
    rlimit previous_{};
    bool applied_ = false;
};

}  // namespace tolvane::testing
