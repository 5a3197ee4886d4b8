// The environment ctest gives each test.
#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

namespace vk {
namespace {

// Run through ctest, as ./test.sh does.
TEST(AmbienteProve, OgniVariabileArrivaAllaProva) {
    const std::pair<const char*, std::string> attese[] = {
        {"QT_QPA_PLATFORM", "offscreen"}, {"LC_ALL", "C.UTF-8"}, {"TMPDIR", VK_BUILD "/tmp"}};
    for (const auto& [nome, valore] : attese) {
        const char* v = std::getenv(nome);
        EXPECT_EQ(v ? std::string(v) : "(unset)", valore) << nome;
    }
}

}  // namespace
}  // namespace vk
