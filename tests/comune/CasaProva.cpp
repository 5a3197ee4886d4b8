// Linked into every test program: before anything else runs, the process
// gets a home of its own under the build tree's temporary folder, with the
// XDG folders inside it, so that no test reads or writes the invoking user's
// data, settings or caches, whatever the user has done with the program.
// The user's data folder in it starts as the shipped data, so that a build
// tree an earlier version wrote in place is never read either, and lists
// that folder (build/share/VelmoraKOV/) as told of, so that a start in a
// test never stops on a message about it. A child the
// test starts (a fresh copy of the test program, say) keeps its parent's
// home; the process that made it removes it at its exit.
#include <stdlib.h>
#include <unistd.h>

#include <cstdio>
#include <filesystem>
#include <memory>
#include <string>
#include <system_error>

#include "tests/comune/CartellaProva.h"

namespace {

namespace fs = std::filesystem;

constexpr const char* Segno = "VK_CASA_PROVA";

class CasaProva {
public:
    CasaProva() {
        if (const char* c = ::getenv(Segno); c && *c) return;  // the parent's
        if (const char* t = ::getenv("TMPDIR"); !t || !*t) ::setenv("TMPDIR", VK_BUILD "/tmp", 1);
        radice_ = std::make_unique<vk::prova::CartellaProva>("casa");
        padrone_ = ::getpid();
        const fs::path casa = *radice_ / "casa", runtime = *radice_ / "runtime";
        std::error_code e;
        for (const fs::path& c : {casa / ".local/share", casa / ".config", casa / ".cache", runtime})
            fs::create_directories(c, e);
        fs::permissions(runtime, fs::perms::owner_all, e);  // as Qt wants it
        fs::copy(fs::path(VK_SORGENTI) / "data/VelmoraKOV", casa / ".local/share/VelmoraKOV",
                 fs::copy_options::recursive, e);
        if (!e) {
            std::FILE* f = std::fopen((casa / ".local/share/VelmoraKOV/.cartelle-precedenti").c_str(), "w");
            if (!f || std::fputs(VK_BUILD "/share/VelmoraKOV/\n", f) < 0 || std::fclose(f) != 0)
                e = std::make_error_code(std::errc::io_error);
        }
        if (e) {
            std::fprintf(stderr, "data copy into %s: %s\n", casa.c_str(), e.message().c_str());
            std::abort();
        }
        ::setenv(Segno, radice_->percorso().c_str(), 1);
        ::setenv("HOME", casa.c_str(), 1);
        ::setenv("XDG_DATA_HOME", (casa / ".local/share").c_str(), 1);
        ::setenv("XDG_CONFIG_HOME", (casa / ".config").c_str(), 1);
        ::setenv("XDG_CACHE_HOME", (casa / ".cache").c_str(), 1);
        ::setenv("XDG_RUNTIME_DIR", runtime.c_str(), 1);
    }
    ~CasaProva() {
        // Only the process that made it: a forked child that exits normally leaves it.
        if (radice_ && ::getpid() != padrone_) (void)radice_.release();
    }

private:
    std::unique_ptr<vk::prova::CartellaProva> radice_;
    pid_t padrone_ = 0;
};

// Before main(), so before any QApplication reads the environment.
const CasaProva casa;

}  // namespace
