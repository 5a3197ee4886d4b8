// What the tests stand on: the environment ctest gives each of them, and
// the folder of a test's own.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <utility>

#include "tests/comune/CartellaProva.h"

namespace vk {
namespace {

namespace fs = std::filesystem;

// Run through ctest, as ./test.sh does.
TEST(AmbienteProve, OgniVariabileArrivaAllaProva) {
    const std::pair<const char*, std::string> attese[] = {
        {"QT_QPA_PLATFORM", "offscreen"}, {"LC_ALL", "C.UTF-8"}, {"TMPDIR", VK_BUILD "/tmp"}};
    for (const auto& [nome, valore] : attese) {
        const char* v = std::getenv(nome);
        EXPECT_EQ(v ? std::string(v) : "(unset)", valore) << nome;
    }
}

TEST(CartellaProva, NuovaVuotaSoloNostraERimossaConQuantoContiene) {
    fs::path una, altra;
    {
        prova::CartellaProva a, b;
        una = a.percorso();
        altra = b.percorso();
        EXPECT_NE(una, altra);
        EXPECT_EQ(una.parent_path(), fs::temp_directory_path());
        EXPECT_EQ(una.filename().string().rfind("vk_CartellaProva.NuovaVuotaSoloNostraERimossaConQuantoContiene_", 0),
                  0u)
            << una;
        EXPECT_TRUE(fs::is_empty(una));
        EXPECT_EQ(fs::status(una).permissions() & fs::perms::all, fs::perms::owner_all);
        // What a test leaves there, even a folder it made unreadable, goes too.
        fs::create_directories(a / "dentro");
        std::ofstream(a / "dentro" / "f.txt") << "x";
        fs::permissions(a / "dentro", fs::perms::none);
        fs::permissions(a.percorso(), fs::perms::owner_read | fs::perms::owner_exec);
    }
    EXPECT_FALSE(fs::exists(una));
    EXPECT_FALSE(fs::exists(altra));
}

}  // namespace
}  // namespace vk
