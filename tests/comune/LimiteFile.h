#pragma once
// Running a piece of a test in a child process whose files cannot grow past
// a few bytes, as under a shell's ulimit -f or on a full disk. The child is
// set as the program's start sets itself, so a write past the limit fails
// with EFBIG; or it is left as the limit finds it, so the write kills it
// half way, as kill -9 or a power cut would. No root needed.
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <functional>
#include <string>

#include "common/ScritturaFile.h"
#include "tests/comune/CartellaProva.h"
#include "tests/comune/ProcessoNuovo.h"

namespace vk::prova {

// Threads of this process: a fork copies only the calling one, and a child
// that meets a lock or a pool another one held waits for ever.
inline int ThreadDelProcesso() {
    std::error_code e;
    int n = 0;
    for (std::filesystem::directory_iterator i("/proc/self/task", e), fine; !e && i != fine; i.increment(e)) ++n;
    return n;
}

// The limit on files of this process from here on, as a shell sets it: a
// write past it ends the process with SIGXFSZ. `comeIlProgramma` then does
// what the program's start does, which makes that write a failure.
inline bool ImponiLimiteFile(rlim_t byte, bool comeIlProgramma) {
    ::signal(SIGXFSZ, SIG_DFL);
    const rlimit limite{byte, byte}, nessunCore{0, 0};
    if (::setrlimit(RLIMIT_FSIZE, &limite) != 0 || ::setrlimit(RLIMIT_CORE, &nessunCore) != 0) return false;
    if (comeIlProgramma) LimiteFileComeDiscoPieno();
    return true;
}

// `corpo` in a child under the limit; its id and how it ended, once reaped.
// Only for a process of one thread: a test of widgets uses
// ConLimiteFileInUnProcessoNuovo.
inline pid_t FiglioConLimiteFile(rlim_t byte, bool comeIlProgramma, const std::function<int()>& corpo, int& stato) {
    if (const int n = ThreadDelProcesso(); n > 1) {
        ADD_FAILURE() << "a fork beside " << n - 1 << " other threads may never end: use a fresh process";
        return -1;
    }
    const pid_t figlio = ::fork();
    if (figlio == 0) {
        if (!ImponiLimiteFile(byte, comeIlProgramma)) ::_exit(100);
        ::_exit(corpo());
    }
    if (figlio < 0 || ::waitpid(figlio, &stato, 0) != figlio) return -1;
    return figlio;
}

// The exit code of `corpo` run in the child set as the program (its 0..255
// result), or -1 when the child did not end normally: killed by the limit.
inline int ConLimiteFile(rlim_t byte, const std::function<int()>& corpo) {
    int stato = 0;
    if (FiglioConLimiteFile(byte, true, corpo, stato) < 0 || !WIFEXITED(stato)) return -1;
    return WEXITSTATUS(stato);
}

// `corpo` run in a child that a write past the limit kills half way: the id
// the child had, or -1 when it was not killed so.
inline pid_t UccisoDalLimiteFile(rlim_t byte, const std::function<void()>& corpo) {
    int stato = 0;
    const pid_t figlio = FiglioConLimiteFile(byte, false, [&] { corpo(); return 0; }, stato);
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

// Which call of ConLimiteFileInUnProcessoNuovo within the test a child runs.
inline constexpr const char* VarPezzoFiglio = "VK_PEZZO_FIGLIO";

// The same as ConLimiteFile for a process with threads, as one with a
// QApplication is, whose pools a fork would leave without their threads.
// The child is the test binary itself, started afresh on the running test
// alone: it does what the test does up to the same call, in the same folder
// (CartellaDelTest), then runs `corpo` under the limit and ends with its
// result. So what the test does before the call must be repeatable. A child
// still running after `secondi` is killed: -1, as for any abnormal end.
inline int ConLimiteFileInUnProcessoNuovo(rlim_t byte, const std::function<int()>& corpo, int secondi = 60) {
    const ::testing::TestInfo* prova = ::testing::UnitTest::GetInstance()->current_test_info();
    static const ::testing::TestInfo* ultima = nullptr;
    static int chiamate = 0;
    if (prova != ultima) {
        ultima = prova;
        chiamate = 0;
    }
    const int questa = ++chiamate;
    if (const char* pezzo = ::getenv(VarPezzoFiglio); pezzo && std::atoi(pezzo) == questa) {
        const int esito = ImponiLimiteFile(byte, true) ? corpo() : 100;
        std::fflush(nullptr);
        ::_exit(esito);
    }

    const std::string filtro = std::string("--gtest_filter=") + prova->test_suite_name() + "." + prova->name();
    return EseguiDiNuovo({filtro, "--gtest_brief=1"},
                         {std::string(VarPezzoFiglio) + "=" + std::to_string(questa),
                          std::string(VarCartellaDelTest) + "=" + CartellaDelTest().string()},
                         secondi);
}

}  // namespace vk::prova
