// Runs a check as a user without an administrator's rights, for the tests of what such a
// user may not do: in place, or, when the tests run as root (who may write anything), in
// a child process that has given up root for the "nobody" user.
#pragma once

#include <sys/wait.h>
#include <unistd.h>

#include <functional>

namespace tolvane::testing {

inline constexpr uid_t kNobody = 65534;

// True when check returned true.
inline bool AsOrdinaryUser(const std::function<bool()>& check) {
    if (::geteuid() != 0) {
        return check();
    }
    const pid_t child = ::fork();
    if (child == 0) {
        const bool passed = ::setgid(kNobody) == 0 && ::setuid(kNobody) == 0 && check();
        ::_exit(passed ? 0 : 1);
    }
    int status = 0;
    return child > 0 && ::waitpid(child, &status, 0) == child && WIFEXITED(status) &&
           WEXITSTATUS(status) == 0;
}

}  // namespace tolvane::testing
