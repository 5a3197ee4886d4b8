#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <set>

#include "app/Percorsi.h"

using namespace vk;

namespace {

// A made-up disk that records every folder asked about.
struct Disco {
    std::set<std::string> presenti;
    std::vector<std::string> chiesti;
    CartellaPresente funzione() {
        return [this](const std::string& c) {
            chiesti.push_back(c);
            return presenti.count(c) > 0;
        };
    }
};

}  // namespace

TEST(Percorsi, TabelleDellePiattaforme) {
    EXPECT_EQ(CartelleCandidate(Piattaforma::Windows),
              (std::vector<std::string>{"C:\\Programmi(x86)\\", "C:\\Program Files\\", "C:\\ProgramFiles\\",
                                        "C:\\Program Files (x86)\\", "C:\\ProgramFiles (x86)\\",
                                        "C:\\ProgramFiles(x86)\\", "C:\\Programmi\\"}));
    EXPECT_EQ(CartelleCandidate(Piattaforma::Linux, "/opt/vk/bin", "/home/ada"),
              (std::vector<std::string>{"/usr/share/", "/usr/local/share/", "/opt/vk/share/",
                                        "/home/ada/.local/share/"}));
    EXPECT_EQ(CartelleCandidate(Piattaforma::Linux, "", ""),
              (std::vector<std::string>{"/usr/share/", "/usr/local/share/"}));
}

struct CasoSonda {
    const char* nome;
    Piattaforma piattaforma;
    std::vector<std::string> presenti;  // base folders whose data folder is present
    std::string base;                   // the winner, "" for none
};

void PrintTo(const CasoSonda& c, std::ostream* os) { *os << c.nome; }

class SondaCartelle : public ::testing::TestWithParam<CasoSonda> {};

TEST_P(SondaCartelle, VinceLUltimaPresente) {
    const CasoSonda& c = GetParam();
    const bool win = c.piattaforma == Piattaforma::Windows;
    const std::string s = win ? "\\" : "/";
    const auto candidate = CartelleCandidate(c.piattaforma, "/opt/vk/bin", "/home/ada");
    Disco d;
    for (const auto& b : c.presenti) d.presenti.insert(b + "VelmoraKOV" + s + "Dati" + s);
    // A temperament folder alone does not count.
    d.presenti.insert(candidate.front() + "VelmoraKOV" + s + "Temperamenti" + s);

    const PercorsiFile iniziali{"", "iniziale.txt", ""};
    const PercorsiFile p = CercaPercorsi(candidate, c.piattaforma, d.funzione(), iniziali);

    // Every candidate is probed, in order, whatever is found.
    ASSERT_EQ(d.chiesti.size(), candidate.size());
    for (size_t i = 0; i < candidate.size(); ++i)
        EXPECT_EQ(d.chiesti[i], candidate[i] + "VelmoraKOV" + s + "Dati" + s);

    if (c.base.empty()) {
        EXPECT_EQ(p.CartellaDati, "");
        EXPECT_EQ(p.FileNuovo, "");
        EXPECT_EQ(p.FileApertura, "iniziale.txt");
        return;
    }
    const std::string t = c.base + "VelmoraKOV" + s + "Temperamenti" + s;
    EXPECT_EQ(p.CartellaDati, c.base + "VelmoraKOV" + s + "Dati" + s);
    EXPECT_EQ(p.CartellaDati + "Impostazioni.txt", c.base + "VelmoraKOV" + s + "Dati" + s + "Impostazioni.txt");
    EXPECT_EQ(p.FileApertura, t + "Equabile.txt");
    EXPECT_EQ(p.FileNuovo, t + "0-Nuovo.txt");
}

INSTANTIATE_TEST_SUITE_P(
    Casi, SondaCartelle,
    ::testing::Values(
        CasoSonda{"WinDueESette", Piattaforma::Windows, {"C:\\Program Files\\", "C:\\Programmi\\"},
                  "C:\\Programmi\\"},
        CasoSonda{"WinSoloQuattro", Piattaforma::Windows, {"C:\\Program Files (x86)\\"},
                  "C:\\Program Files (x86)\\"},
        CasoSonda{"WinNessuna", Piattaforma::Windows, {}, ""},
        CasoSonda{"LinuxUtenteVince", Piattaforma::Linux, {"/usr/share/", "/home/ada/.local/share/"},
                  "/home/ada/.local/share/"},
        CasoSonda{"LinuxAccantoAlProgramma", Piattaforma::Linux, {"/usr/local/share/", "/opt/vk/share/"},
                  "/opt/vk/share/"},
        CasoSonda{"LinuxNessuna", Piattaforma::Linux, {}, ""}),
    [](const auto& info) { return std::string(info.param.nome); });

TEST(Percorsi, LaCartellaDelBuildSiTrovaSulDisco) {
    // The build tree holds share/VelmoraKOV beside bin/, as an installation does.
    const std::string bin = std::string(VK_BUILD) + "/bin";
    const PercorsiFile p = CercaPercorsi(CartelleCandidate(Piattaforma::Linux, bin, ""), Piattaforma::Linux,
                                         CartellaPresenteSulDisco);
    const auto dati = std::filesystem::path(VK_BUILD) / "share/VelmoraKOV/Dati";
    if (!std::filesystem::is_directory(dati)) GTEST_SKIP() << "no data folder in the build tree";
    EXPECT_TRUE(p.CartellaDati.ends_with("share/VelmoraKOV/Dati/")) << p.CartellaDati;
    EXPECT_TRUE(std::filesystem::is_regular_file(p.FileApertura)) << p.FileApertura;
}
