#pragma once
// A folder of a test's own under TMPDIR (the build tree's, under ctest):
// made fresh with a name no other run can hold, removed with all it holds at
// the end, so that runs side by side or by another user never meet.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <stdlib.h>
#include <unistd.h>

#include <cctype>
#include <cerrno>
#include <cstring>
#include <filesystem>
#include <memory>
#include <stdexcept>
#include <string>
#include <system_error>

namespace vk::prova {

// "Suite.Test" of the running test, with what a file name should not hold
// (the slash of a parameterised test) as "_".
inline std::string NomeProvaCorrente() {
    const auto* t = ::testing::UnitTest::GetInstance()->current_test_info();
    std::string n = t ? std::string(t->test_suite_name()) + "." + t->name() : "senza_prova";
    for (char& c : n)
        if (!std::isalnum(static_cast<unsigned char>(c)) && c != '.' && c != '-') c = '_';
    return n;
}

class CartellaProva {
public:
    // vk_<nome>_XXXXXX under TMPDIR, mode 700.
    explicit CartellaProva(const std::string& nome = NomeProvaCorrente()) {
        namespace fs = std::filesystem;
        // A TMPDIR that was removed since the configure is made again.
        if (const char* t = ::getenv("TMPDIR"); t && *t) {
            std::error_code e;
            fs::create_directories(t, e);
        }
        std::string modello = (fs::temp_directory_path() / ("vk_" + nome + "_XXXXXX")).string();
        if (!::mkdtemp(modello.data()))
            throw std::runtime_error("mkdtemp " + modello + ": " + std::strerror(errno));
        p_ = modello;
    }
    ~CartellaProva() {
        std::error_code e;
        Scrivibile(p_);  // a test may have taken the rights away
        std::filesystem::remove_all(p_, e);
    }
    CartellaProva(const CartellaProva&) = delete;
    CartellaProva& operator=(const CartellaProva&) = delete;

    const std::filesystem::path& percorso() const { return p_; }
    std::filesystem::path operator/(const std::filesystem::path& nome) const { return p_ / nome; }

private:
    static void Scrivibile(const std::filesystem::path& p) {
        namespace fs = std::filesystem;
        std::error_code e;
        if (!fs::is_directory(fs::symlink_status(p, e))) return;
        fs::permissions(p, fs::perms::owner_all, fs::perm_options::add, e);
        for (fs::directory_iterator i(p, e), fine; !e && i != fine; i.increment(e)) Scrivibile(i->path());
    }

    std::filesystem::path p_;
};

// The running test's folder: made at the first call within a test, the same
// for the rest of it, removed when the test ends. For helpers that are plain
// functions, and fixtures: `dir_ = prova::CartellaDelTest();`.
// A test piece run in a fresh process of its own (LimiteFile.h) works in its
// parent's folder, named by this variable, which the parent removes.
inline constexpr const char* VarCartellaDelTest = "VK_CARTELLA_DEL_TEST";

inline const std::filesystem::path& CartellaDelTest() {
    if (const char* d = ::getenv(VarCartellaDelTest); d && *d) {
        static const std::filesystem::path delPadre = d;
        return delPadre;
    }
    struct Pulitore : ::testing::EmptyTestEventListener {
        std::unique_ptr<CartellaProva> cartella;
        void OnTestEnd(const ::testing::TestInfo&) override { cartella.reset(); }
    };
    // GoogleTest owns the listener from here on.
    static Pulitore* const pulitore = [] {
        auto* p = new Pulitore;
        ::testing::UnitTest::GetInstance()->listeners().Append(p);
        return p;
    }();
    if (!pulitore->cartella) pulitore->cartella = std::make_unique<CartellaProva>();
    return pulitore->cartella->percorso();
}

// Whether the file system of `cartella` makes files with no name
// (O_TMPFILE): where it does, a write killed half way leaves nothing there.
inline bool FileSenzaNome(const std::filesystem::path& cartella) {
    const int fd = ::open(cartella.c_str(), O_TMPFILE | O_WRONLY | O_CLOEXEC, 0600);
    if (fd < 0) return false;
    ::close(fd);
    return true;
}

}  // namespace vk::prova
