#pragma once
// Timing helpers of the screen benchmarks (offscreen platform, not tests).
#include <fcntl.h>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <QApplication>
#include <QCoreApplication>
#include <QElapsedTimer>
#include <algorithm>
#include <cstdio>
#include <functional>
#include <string>
#include <vector>

extern char** environ;

#include "common/widgets/ColoriQt.h"

namespace vk::misura {

// The offscreen platform unless another is asked for: given to the
// application as it is made, `QApplication app(Fuorischermo(argc), argv)`.
inline int& Fuorischermo(int& argc) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    return argc;
}

// After the application is made: the style and the font the program's start sets.
inline void StileDelProgramma() {
    QApplication::setStyle(QStringLiteral("Fusion"));
    ImpostaCarattereProgramma();
}

// Milliseconds of one call of f, events it posted processed.
inline double Millisecondi(const std::function<void()>& f) {
    QElapsedTimer t;
    t.start();
    f();
    QCoreApplication::processEvents();
    return static_cast<double>(t.nsecsElapsed()) / 1e6;
}

// Median of n timed calls.
inline double Mediana(int n, const std::function<void()>& f) {
    std::vector<double> v;
    for (int i = 0; i < n; ++i) v.push_back(Millisecondi(f));
    std::sort(v.begin(), v.end());
    return v[v.size() / 2];
}

// Peak resident memory of the process, MiB.
inline double PiccoMemoriaMiB() {
    rusage u{};
    getrusage(RUSAGE_SELF, &u);
    return static_cast<double>(u.ru_maxrss) / 1024.0;
}

// A child process of the benchmark: what it printed, and its whole-process
// CPU (user + system) and peak memory from wait4(). `ok` only when it ended
// with 0.
struct Figlio {
    bool ok = false;
    std::string uscita;
    double cpuMs = -1;
    double piccoMiB = -1;
};

// Runs `eseguibile` with `argomenti` (argv[1..]); its error output is dropped,
// since the platform's chatter would break the tables.
inline Figlio EseguiFiglio(const char* eseguibile, std::vector<const char*> argomenti) {
    Figlio r;
    int tubo[2];
    if (pipe(tubo) != 0) return r;
    posix_spawn_file_actions_t azioni;
    posix_spawn_file_actions_init(&azioni);
    posix_spawn_file_actions_adddup2(&azioni, tubo[1], STDOUT_FILENO);
    posix_spawn_file_actions_addclose(&azioni, tubo[0]);
    posix_spawn_file_actions_addopen(&azioni, STDERR_FILENO, "/dev/null", O_WRONLY, 0);
    std::vector<char*> argv{const_cast<char*>(eseguibile)};
    for (const char* a : argomenti) argv.push_back(const_cast<char*>(a));
    argv.push_back(nullptr);
    pid_t pid = 0;
    const int e = posix_spawn(&pid, eseguibile, &azioni, nullptr, argv.data(), environ);
    posix_spawn_file_actions_destroy(&azioni);
    close(tubo[1]);
    if (e != 0) {
        close(tubo[0]);
        return r;
    }
    char buf[256];
    for (ssize_t n; (n = read(tubo[0], buf, sizeof buf)) > 0;) r.uscita.append(buf, static_cast<size_t>(n));
    close(tubo[0]);
    int stato = 0;
    rusage u{};
    if (wait4(pid, &stato, 0, &u) != pid || !WIFEXITED(stato) || WEXITSTATUS(stato) != 0) return r;
    r.cpuMs = (u.ru_utime.tv_sec + u.ru_stime.tv_sec) * 1e3 + (u.ru_utime.tv_usec + u.ru_stime.tv_usec) / 1e3;
    r.piccoMiB = static_cast<double>(u.ru_maxrss) / 1024.0;
    r.ok = true;
    return r;
}

inline void Riga(const char* cosa, double valore, const char* unita, const char* obiettivo) {
    std::printf("%-48s %10.3f %-4s %s\n", cosa, valore, unita, obiettivo);
}

}  // namespace vk::misura
