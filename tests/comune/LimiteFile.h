#pragma once
// Running a piece of a test in a child process whose files cannot grow past
// a few bytes, as on a full disk: a write past the limit fails with EFBIG
// instead of killing the process, or kills it as a write cut short. No root
// needed.
#include <signal.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <functional>

namespace vk::prova {

// `corpo` in a child under the limit; its id and how it ended, once reaped.
inline pid_t FiglioConLimiteFile(rlim_t byte, bool uccide, const std::function<int()>& corpo, int& stato) {
    const pid_t figlio = ::fork();
    if (figlio == 0) {
        ::signal(SIGXFSZ, uccide ? SIG_DFL : SIG_IGN);
        const rlimit limite{byte, byte}, nessunCore{0, 0};
        if (::setrlimit(RLIMIT_FSIZE, &limite) != 0 || ::setrlimit(RLIMIT_CORE, &nessunCore) != 0) ::_exit(100);
        ::_exit(corpo());
    }
    if (figlio < 0 || ::waitpid(figlio, &stato, 0) != figlio) return -1;
    return figlio;
}

// The exit code of `corpo` run in the child (its 0..255 result), or -1 when
// the child did not end normally.
inline int ConLimiteFile(rlim_t byte, const std::function<int()>& corpo) {
    int stato = 0;
    if (FiglioConLimiteFile(byte, false, corpo, stato) < 0 || !WIFEXITED(stato)) return -1;
    return WEXITSTATUS(stato);
}

// `corpo` run in a child that a write past the limit kills, as a shell's
// ulimit does (SIGXFSZ): the id the child had, or -1 when it was not killed so.
inline pid_t UccisoDalLimiteFile(rlim_t byte, const std::function<void()>& corpo) {
    int stato = 0;
    const pid_t figlio = FiglioConLimiteFile(byte, true, [&] { corpo(); return 0; }, stato);
    return figlio > 0 && WIFSIGNALED(stato) && WTERMSIG(stato) == SIGXFSZ ? figlio : -1;
}

// The id of a process that has ended and been reaped: one of this system
// that is certainly gone.
inline pid_t ProcessoFinito() {
    const pid_t figlio = ::fork();
    if (figlio == 0) ::_exit(0);
    int stato = 0;
    return figlio > 0 && ::waitpid(figlio, &stato, 0) == figlio ? figlio : -1;
}

}  // namespace vk::prova
