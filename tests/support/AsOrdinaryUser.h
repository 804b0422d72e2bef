#pragma once
// File rights do not bind root, and the tests run as root in CI. Checks that need an ordinary
// user run in a child process that has dropped to "nobody".

#include <functional>
#include <optional>
#include <sys/wait.h>
#include <unistd.h>

// The check's verdict, run as an ordinary user; nothing when the rights could not be dropped.
inline std::optional<bool> AsOrdinaryUser(const std::function<bool()>& check) {
    if (::geteuid() != 0)
        return check();
    const pid_t child = ::fork();
    if (child < 0)
        return std::nullopt;
    if (child == 0) {
        if (::setgid(65534) != 0 || ::setuid(65534) != 0)
            ::_exit(3);
        ::_exit(check() ? 0 : 1);
    }
    int status = 0;
    if (::waitpid(child, &status, 0) != child || !WIFEXITED(status) || WEXITSTATUS(status) == 3)
        return std::nullopt;
    return WEXITSTATUS(status) == 0;
}
