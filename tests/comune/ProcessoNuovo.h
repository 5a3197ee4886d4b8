#pragma once
// The test binary itself started afresh as a child, for what a fork of a
// process with threads (one with a QApplication) cannot do safely.
#include <gtest/gtest.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>

#include <chrono>
#include <string>
#include <string_view>
#include <thread>
#include <vector>

extern char** environ;

namespace vk::prova {

// The child run with `argomenti` after its name, in the parent's environment
// less GoogleTest's variables (which would make it run other tests or write
// the parent's report) and less the names in `variabili`, which it then gets
// as given ("NOME=valore"). Its exit code, or -1 when it did not end normally
// or still ran after `secondi`, when it is killed.
inline int EseguiDiNuovo(const std::vector<std::string>& argomenti, const std::vector<std::string>& variabili,
                         int secondi = 60) {
    std::string eseguibile = "/proc/self/exe";
    std::vector<std::string> parole = {eseguibile};
    parole.insert(parole.end(), argomenti.begin(), argomenti.end());
    std::vector<std::string> ambiente;
    for (char** v = environ; *v; ++v) {
        const std::string_view s(*v);
        bool dato = s.starts_with("GTEST_");
        for (const std::string& n : variabili) dato = dato || s.substr(0, s.find('=')) == n.substr(0, n.find('='));
        if (!dato) ambiente.emplace_back(s);
    }
    ambiente.insert(ambiente.end(), variabili.begin(), variabili.end());
    auto puntatori = [](std::vector<std::string>& v) {
        std::vector<char*> p;
        for (std::string& s : v) p.push_back(s.data());
        p.push_back(nullptr);
        return p;
    };
    std::vector<char*> argv = puntatori(parole), envp = puntatori(ambiente);

    pid_t figlio = 0;
    if (::posix_spawn(&figlio, eseguibile.c_str(), nullptr, nullptr, argv.data(), envp.data()) != 0) {
        ADD_FAILURE() << "posix_spawn " << eseguibile;
        return -1;
    }
    const auto fino = std::chrono::steady_clock::now() + std::chrono::seconds(secondi);
    int stato = 0;
    pid_t finito = 0;
    while ((finito = ::waitpid(figlio, &stato, WNOHANG)) == 0 && std::chrono::steady_clock::now() < fino)
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    if (finito == 0) {
        ADD_FAILURE() << "a child still ran after " << secondi << " s";
        ::kill(figlio, SIGKILL);
        ::waitpid(figlio, &stato, 0);
        return -1;
    }
    return finito == figlio && WIFEXITED(stato) ? WEXITSTATUS(stato) : -1;
}

}  // namespace vk::prova
