#pragma once

#include <functional>
#include <optional>

#include <grp.h>
#include <sys/wait.h>
#include <unistd.h>

// File permissions do not bind root, so a test about a read-only file or a write-protected
// folder runs its check as an ordinary user: directly when the tests already run as one,
// otherwise in a child process that gives up root first (the files and folders it uses must
// then be reachable by everybody).
namespace Unprivileged {

// The check's answer, or nothing when root could not be given up.
inline std::optional<bool> run(const std::function<bool()> &check) {
    if (geteuid() != 0)
        return check();
    constexpr uid_t kNobody = 65534;
    constexpr int kCouldNotDrop = 3;
    const pid_t child = fork();
    if (child < 0)
        return std::nullopt;
    if (child == 0) {
        if (setgroups(0, nullptr) != 0 || setgid(kNobody) != 0 || setuid(kNobody) != 0)
            _exit(kCouldNotDrop);
        _exit(check() ? 0 : 1);
    }
    int status = 0;
    if (waitpid(child, &status, 0) != child || !WIFEXITED(status) ||
        WEXITSTATUS(status) == kCouldNotDrop)
        return std::nullopt;
    return WEXITSTATUS(status) == 0;
}

} // namespace Unprivileged
