#pragma once
// Running a piece of a test in a child process whose files cannot grow past
// a few bytes, as on a full disk: a write past the limit fails with EFBIG
// instead of killing the process. No root needed.
#include <signal.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <functional>

namespace vk::prova {

// The exit code of `corpo` run in the child (its 0..255 result), or -1 when
// the child did not end normally.
inline int ConLimiteFile(rlim_t byte, const std::function<int()>& corpo) {
    const pid_t figlio = ::fork();
    if (figlio == 0) {
        ::signal(SIGXFSZ, SIG_IGN);
        const rlimit limite{byte, byte};
        if (::setrlimit(RLIMIT_FSIZE, &limite) != 0) ::_exit(100);
        ::_exit(corpo());
    }
    if (figlio < 0) return -1;
    int stato = 0;
    if (::waitpid(figlio, &stato, 0) != figlio || !WIFEXITED(stato)) return -1;
    return WEXITSTATUS(stato);
}

}  // namespace vk::prova
