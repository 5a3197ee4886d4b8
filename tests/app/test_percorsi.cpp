#include <gtest/gtest.h>
#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <map>
#include <set>

#include "app/Percorsi.h"
#include "common/LetturaFile.h"
#include "common/ScritturaFile.h"
#include "tests/comune/CartellaProva.h"
#include "tests/comune/LimiteFile.h"

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

// What stays when no candidate is present.
PercorsiFile Iniziali() {
    PercorsiFile p;
    p.FileApertura = "iniziale.txt";
    return p;
}

CartelleUtente Utente(const std::string& dati, const std::string& casa = {}) {
    CartelleUtente u;
    u.dati = dati;
    u.casa = casa;
    return u;
}

}  // namespace

TEST(Percorsi, TabelleDellePiattaforme) {
    EXPECT_EQ(CartelleCandidate(Piattaforma::Windows),
              (std::vector<std::string>{"C:\\Programmi(x86)\\", "C:\\Program Files\\", "C:\\ProgramFiles\\",
                                        "C:\\Program Files (x86)\\", "C:\\ProgramFiles (x86)\\",
                                        "C:\\ProgramFiles(x86)\\", "C:\\Programmi\\"}));
    EXPECT_EQ(CartelleCandidate(Piattaforma::Linux, "/opt/vk/bin", "/home/ada/.local/share"),
              (std::vector<std::string>{"/usr/share/velmorakov/", "/usr/local/share/velmorakov/",
                                        "/opt/vk/share/velmorakov/", "/opt/vk/share/", "/home/ada/.local/share/"}));
    EXPECT_EQ(CartelleCandidate(Piattaforma::Linux, "", ""),
              (std::vector<std::string>{"/usr/share/velmorakov/", "/usr/local/share/velmorakov/"}));
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
    const auto candidate = CartelleCandidate(c.piattaforma, "/opt/vk/bin", "/home/ada/.local/share/");
    Disco d;
    for (const auto& b : c.presenti) d.presenti.insert(b + "VelmoraKOV" + s + "Dati" + s);
    // A temperament folder alone does not count.
    d.presenti.insert(candidate.front() + "VelmoraKOV" + s + "Temperamenti" + s);

    const PercorsiFile p = CercaPercorsi(candidate, c.piattaforma, d.funzione(), Iniziali());

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
        CasoSonda{"LinuxUtenteVince", Piattaforma::Linux, {"/usr/share/velmorakov/", "/home/ada/.local/share/"},
                  "/home/ada/.local/share/"},
        CasoSonda{"LinuxAccantoAlProgramma", Piattaforma::Linux,
                  {"/usr/local/share/velmorakov/", "/opt/vk/share/velmorakov/"}, "/opt/vk/share/velmorakov/"},
        CasoSonda{"LinuxAlberoDelBuild", Piattaforma::Linux, {"/usr/share/velmorakov/", "/opt/vk/share/"},
                  "/opt/vk/share/"},
        CasoSonda{"LinuxNessuna", Piattaforma::Linux, {}, ""}),
    [](const auto& info) { return std::string(info.param.nome); });

TEST(Percorsi, IlBuildTieneSoloIDatiDistribuiti) {
    // The build tree holds the shipped data beside bin/, as an install does,
    // byte for byte as in the sources: the probe finds it there.
    namespace fs = std::filesystem;
    const fs::path distribuiti = fs::path(VK_BUILD) / "share/velmorakov/VelmoraKOV";
    const PercorsiFile p = CercaPercorsi({fs::path(VK_BUILD).string() + "/share/velmorakov/"}, Piattaforma::Linux,
                                         CartellaPresenteSulDisco);
    EXPECT_EQ(p.CartellaDati, (distribuiti / "Dati").string() + "/");
    std::vector<std::string> file;
    for (const auto& v : fs::recursive_directory_iterator(fs::path(VK_SORGENTI) / "data/VelmoraKOV")) {
        if (!v.is_regular_file()) continue;
        const fs::path relativo = fs::relative(v.path(), fs::path(VK_SORGENTI) / "data/VelmoraKOV");
        file.push_back(relativo.string());
        EXPECT_EQ(LeggiByte(distribuiti / relativo), LeggiByte(v.path())) << relativo;
    }
    EXPECT_EQ(file.size(), 2u);
}

TEST(Percorsi, CartellaUtenteSecondoLaConvenzione) {
    struct Caso {
        const char* xdg;
        const char* home;
        const char* account;  // the home the user's account names
        const char* attesa;
    };
    const Caso casi[] = {
        {"/x/dati", "/home/ada", "/home/bo", "/x/dati/"},
        {"/x/dati/", nullptr, "", "/x/dati/"},
        {"", "/home/ada", "/home/bo", "/home/ada/.local/share/"},
        {nullptr, "/home/ada/", "/home/bo", "/home/ada/.local/share/"},
        {"relativa/dati", "/home/ada", "/home/bo", "/home/ada/.local/share/"},  // a relative one is ignored
        // A missing or relative HOME: the account's.
        {nullptr, nullptr, "/home/bo", "/home/bo/.local/share/"},
        {nullptr, "", "/home/bo/", "/home/bo/.local/share/"},
        {"relativa/dati", "casa", "/home/bo", "/home/bo/.local/share/"},
        // Neither: no user folder.
        {nullptr, nullptr, "", ""},
        {nullptr, "", "relativa", ""},
    };
    for (const Caso& c : casi) {
        int chiesto = 0;
        const std::string casa = CasaDellUtente(c.home, [&] {
            ++chiesto;
            return std::string(c.account);
        });
        EXPECT_EQ(CartellaUtente(c.xdg, casa), c.attesa)
            << (c.xdg ? c.xdg : "(null)") << " " << (c.home ? c.home : "(null)") << " " << c.account;
        // The account is asked only when HOME does not do.
        EXPECT_EQ(chiesto, c.home && c.home[0] == '/' ? 0 : 1) << (c.home ? c.home : "(null)");
    }
    // The account's home as the system gives it.
    const passwd* utente = ::getpwuid(::geteuid());
    ASSERT_NE(utente, nullptr);
    EXPECT_EQ(CasaDellAccount(), utente->pw_dir);
    std::string casa = utente->pw_dir;
    if (!casa.ends_with('/')) casa += '/';
    EXPECT_EQ(CasaDellUtente(nullptr), casa);
}

namespace {

// A made-up install: which data folders exist, which can be written, and
// every copy asked for (which, unless it fails, brings the user's data
// folder into being).
struct DiscoFinto {
    std::set<std::string> presenti;
    std::vector<std::pair<std::string, std::string>> copie;
    bool copiaRiesce = true;
    OperazioniDisco operazioni() {
        return {[this](const std::string& c) { return presenti.count(c) > 0; },
                [this](const std::string& da, const std::string& a, std::string* motivo) {
                    copie.emplace_back(da, a);
                    if (copiaRiesce) presenti.insert(a + "Dati/");
                    else *motivo = "disco pieno";
                    return copiaRiesce;
                }};
    }
};

}  // namespace

TEST(Percorsi, UnaInstallazioneDiSistemaSiCopiaNellUtente) {
    const std::string utente = "/casa/ada/.dati/";
    const auto candidate = CartelleCandidate(Piattaforma::Linux, "/opt/vk/bin", utente);
    struct Caso {
        const char* nome;
        std::vector<std::string> presenti;  // data folders present
        bool copiaRiesce;
        const char* copiaDa;  // the installation copied, "" for none
        const char* base;     // the base the paths come from, "" for none
    };
    const Caso casi[] = {
        {"sistema", {"/usr/share/velmorakov/VelmoraKOV/Dati/"}, true, "/usr/share/velmorakov/VelmoraKOV/",
         "/casa/ada/.dati/"},
        {"accanto al programma, un'installazione o l'albero del build",
         {"/usr/share/velmorakov/VelmoraKOV/Dati/", "/opt/vk/share/velmorakov/VelmoraKOV/Dati/"}, true,
         "/opt/vk/share/velmorakov/VelmoraKOV/", "/casa/ada/.dati/"},
        // A folder an earlier version wrote in place, beside the program (a
        // build tree's, an earlier install's): its settings and temperaments
        // carry over, and it is never used in place again.
        {"scritta al posto da una versione precedente",
         {"/usr/share/velmorakov/VelmoraKOV/Dati/", "/opt/vk/share/VelmoraKOV/Dati/"}, true,
         "/opt/vk/share/VelmoraKOV/", "/casa/ada/.dati/"},
        {"scritta al posto, accanto ai dati distribuiti",
         {"/opt/vk/share/velmorakov/VelmoraKOV/Dati/", "/opt/vk/share/VelmoraKOV/Dati/"}, true,
         "/opt/vk/share/VelmoraKOV/", "/casa/ada/.dati/"},
        // Once the user has a folder, no other is read.
        {"la copia dell'utente c'\xC3\xA8 gi\xC3\xA0",
         {"/usr/share/velmorakov/VelmoraKOV/Dati/", "/opt/vk/share/VelmoraKOV/Dati/",
          "/casa/ada/.dati/VelmoraKOV/Dati/"},
         true, "", "/casa/ada/.dati/"},
        {"copia fallita: resta l'installata", {"/usr/share/velmorakov/VelmoraKOV/Dati/"}, false,
         "/usr/share/velmorakov/VelmoraKOV/", "/usr/share/velmorakov/"},
        {"nessuna cartella", {}, true, "", ""},
    };
    for (const Caso& c : casi) {
        DiscoFinto d;
        d.presenti.insert(c.presenti.begin(), c.presenti.end());
        d.copiaRiesce = c.copiaRiesce;
        const PercorsiFile p =
            CercaPercorsiScrivibili(candidate, Utente(utente), Piattaforma::Linux, d.operazioni(), Iniziali());
        // Only a failed copy leaves the data read-only, with where it went and why.
        const auto& fallita = p.SolaLettura;
        EXPECT_EQ(fallita.has_value(), !c.copiaRiesce && *c.copiaDa) << c.nome;
        if (fallita) {
            EXPECT_EQ(fallita->cartella, utente + "VelmoraKOV/") << c.nome;
            EXPECT_EQ(fallita->motivo, "disco pieno") << c.nome;
        }
        // Every folder but the user's is one the program never writes.
        std::vector<std::string> distribuite;
        for (const std::string& b : candidate)
            if (b != utente) distribuite.push_back(b + "VelmoraKOV/");
        EXPECT_EQ(p.Distribuite, distribuite) << c.nome;
        if (*c.copiaDa) {
            ASSERT_EQ(d.copie.size(), 1u) << c.nome;
            EXPECT_EQ(d.copie[0].first, c.copiaDa) << c.nome;
            EXPECT_EQ(d.copie[0].second, utente + "VelmoraKOV/") << c.nome;
        } else {
            EXPECT_TRUE(d.copie.empty()) << c.nome;
        }
        const std::string b = c.base;
        EXPECT_EQ(p.CartellaDati, b.empty() ? "" : b + "VelmoraKOV/Dati/") << c.nome;
        EXPECT_EQ(p.FileApertura, b.empty() ? "iniziale.txt" : b + "VelmoraKOV/Temperamenti/Equabile.txt") << c.nome;
        // Read-only, the Save dialog proposes no shipped folder (and this home is not on the disk).
        EXPECT_EQ(p.FileNuovo, b.empty() || fallita ? "" : b + "VelmoraKOV/Temperamenti/0-Nuovo.txt") << c.nome;
    }
}

namespace {

namespace fs = std::filesystem;

void Scrivi(const fs::path& f, const std::string& testo) {
    fs::create_directories(f.parent_path());
    std::ofstream(f, std::ios::binary) << testo;
}
std::string Leggi(const fs::path& f) {
    std::ifstream in(f, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

}  // namespace

TEST(Percorsi, NullaSiScriveNeiDatiDistribuiti) {
    prova::CartellaProva t;
    const fs::path distribuiti = t / "albero/share/velmorakov/VelmoraKOV";
    Scrivi(distribuiti / "Temperamenti/Equabile.txt", "equabile");
    fs::create_directories(t / "altrove");
    fs::create_symlink(distribuiti / "Temperamenti", t / "altrove/collegata");
    fs::create_symlink(distribuiti / "Temperamenti/Nuovo.txt", t / "altrove/Nuovo.txt");
    PercorsiFile p;
    p.Distribuite = {distribuiti.string() + "/"};
    struct Caso {
        fs::path file;
        bool distribuito;
    };
    const Caso casi[] = {
        {distribuiti / "Temperamenti/Equabile.txt", true},
        {distribuiti / "Temperamenti/Nuovo.txt", true},  // not there yet
        {distribuiti, true},
        {t / "albero/share/velmorakov/../velmorakov/VelmoraKOV/Dati/Impostazioni.txt", true},
        {t / "altrove/collegata/Mio.txt", true},  // through a linked folder
        {t / "altrove/Nuovo.txt", true},          // a link to a file there
        {t / "albero/share/velmorakov/VelmoraKOV2/Mio.txt", false},
        {t / "albero/share/velmorakov/Mio.txt", false},
        {t / "altrove/Mio.txt", false},
    };
    for (const Caso& c : casi)
        EXPECT_EQ(CartellaDistribuita(p, c.file), c.distribuito ? std::optional(p.Distribuite[0]) : std::nullopt)
            << c.file;
    // A relative path is taken from the current folder.
    const fs::path qui = fs::current_path();
    fs::current_path(distribuiti);
    EXPECT_TRUE(CartellaDistribuita(p, "Dati/Impostazioni.txt"));
    fs::current_path(qui);

    // A user's folder that lies in the shipped data is not written either:
    // the data is read there, and the start says why.
    Scrivi(distribuiti / "Dati/Impostazioni.txt", "distribuite");
    const std::string dentro = distribuiti.string() + "/utente/";
    const std::vector<std::string> candidate = {(t / "albero/share/velmorakov").string() + "/", dentro};
    const PercorsiFile q = CercaPercorsiScrivibili(candidate, Utente(dentro), Piattaforma::Linux, DiscoReale());
    EXPECT_EQ(q.CartellaDati, distribuiti.string() + "/Dati/");
    ASSERT_TRUE(q.SolaLettura);
    EXPECT_EQ(q.SolaLettura->cartella, dentro + "VelmoraKOV/");
    EXPECT_EQ(q.SolaLettura->motivo, "\xC3\xA8 dentro i dati distribuiti con il programma, \"" + distribuiti.string() +
                                         "/\", che il programma non scrive.");
    EXPECT_FALSE(fs::exists(dentro));
}

TEST(Percorsi, LaPrimaPartenzaCopiaSulDiscoELeSeguentiUsanoLaCopia) {
    prova::CartellaProva t;
    const fs::path sistema = t / "sistema" / "share";
    Scrivi(sistema / "VelmoraKOV/Dati/Impostazioni.txt", "\"Colori Quinte\"\r\n");
    Scrivi(sistema / "VelmoraKOV/Temperamenti/Equabile.txt", "equabile");
    Scrivi(sistema / "VelmoraKOV/Temperamenti/Vallotti.txt", "vallotti di sistema");
    const std::string utente = (t / "utente").string() + "/";
    // A temperament of the user's own, already there, is kept.
    Scrivi(fs::path(utente) / "VelmoraKOV/Temperamenti/Vallotti.txt", "il mio vallotti");

    const std::vector<std::string> candidate = {sistema.string() + "/", utente};
    const OperazioniDisco disco = DiscoReale();
    const PercorsiFile p = CercaPercorsiScrivibili(candidate, Utente(utente), Piattaforma::Linux, disco);
    EXPECT_EQ(p.CartellaDati, utente + "VelmoraKOV/Dati/");
    EXPECT_EQ(p.FileApertura, utente + "VelmoraKOV/Temperamenti/Equabile.txt");
    EXPECT_EQ(Leggi(fs::path(utente) / "VelmoraKOV/Dati/Impostazioni.txt"), "\"Colori Quinte\"\r\n");
    EXPECT_EQ(Leggi(p.FileApertura), "equabile");
    EXPECT_EQ(Leggi(fs::path(utente) / "VelmoraKOV/Temperamenti/Vallotti.txt"), "il mio vallotti");
    EXPECT_FALSE(fs::exists(fs::path(utente) / "VelmoraKOV/Dati.nuova"));

    // The next start finds the user's copy and copies nothing.
    Scrivi(fs::path(utente) / "VelmoraKOV/Dati/Impostazioni.txt", "cambiate");
    const PercorsiFile q = CercaPercorsiScrivibili(candidate, Utente(utente), Piattaforma::Linux, disco);
    EXPECT_EQ(q.CartellaDati, p.CartellaDati);
    EXPECT_EQ(Leggi(fs::path(utente) / "VelmoraKOV/Dati/Impostazioni.txt"), "cambiate");
}

TEST(Percorsi, UnaInstallazioneNelPrefissoDellUtenteSiCopiaENonSiUsaAlPosto) {
    // An install with the prefix ~/.local, on the real disk, where every
    // folder can be written: its files are copied, never used in place.
    prova::CartellaProva t;
    const fs::path casa = t / "casa";
    const fs::path installata = casa / ".local/share/velmorakov/VelmoraKOV";
    Scrivi(installata / "Dati/Impostazioni.txt", "predefinite");
    Scrivi(installata / "Temperamenti/Equabile.txt", "equabile installato");
    const std::string utente = (casa / ".local/share").string() + "/";
    const auto candidate = CartelleCandidate(Piattaforma::Linux, (casa / ".local/bin").string(), utente);

    const PercorsiFile p = CercaPercorsiScrivibili(candidate, Utente(utente), Piattaforma::Linux, DiscoReale());
    EXPECT_EQ(p.CartellaDati, utente + "VelmoraKOV/Dati/");
    EXPECT_EQ(Leggi(p.CartellaDati + "Impostazioni.txt"), "predefinite");
    EXPECT_EQ(Leggi(p.FileApertura), "equabile installato");

    // The user's own files win over a later install's, which stay as shipped.
    Scrivi(p.CartellaDati + "Impostazioni.txt", "mie");
    Scrivi(p.FileApertura, "mio equabile");
    Scrivi(installata / "Temperamenti/Equabile.txt", "equabile reinstallato");
    const PercorsiFile q = CercaPercorsiScrivibili(candidate, Utente(utente), Piattaforma::Linux, DiscoReale());
    EXPECT_EQ(q.CartellaDati, p.CartellaDati);
    EXPECT_EQ(Leggi(q.CartellaDati + "Impostazioni.txt"), "mie");
    EXPECT_EQ(Leggi(q.FileApertura), "mio equabile");
    EXPECT_EQ(Leggi(installata / "Dati/Impostazioni.txt"), "predefinite");
}

TEST(Percorsi, UnAlberoScrittoDaUnaVersionePrecedenteSiPortaNellUtenteESiLasciaComE) {
    // A build tree (or an install) whose share/VelmoraKOV an earlier version
    // wrote in place, beside the shipped data of the new one: the first start
    // copies the user's choices and temperaments, and reads nothing there
    // again; neither folder is written.
    prova::CartellaProva t;
    const fs::path albero = t / "build";
    fs::create_directories(albero / "bin");
    Scrivi(albero / "share/velmorakov/VelmoraKOV/Dati/Impostazioni.txt", "distribuite");
    Scrivi(albero / "share/velmorakov/VelmoraKOV/Temperamenti/Equabile.txt", "equabile distribuito");
    const fs::path vecchia = albero / "share/VelmoraKOV";
    Scrivi(vecchia / "Dati/Impostazioni.txt", "le mie, con FR");
    Scrivi(vecchia / "Temperamenti/Equabile.txt", "equabile ritoccato");
    Scrivi(vecchia / "Temperamenti/Mio.txt", "mio");
    const std::string utente = (t / "casa/.local/share").string() + "/";
    const auto candidate = CartelleCandidate(Piattaforma::Linux, (albero / "bin").string(), utente);
    auto contenuto = [](const fs::path& radice) {
        std::map<std::string, std::string> m;
        for (const auto& v : fs::recursive_directory_iterator(radice))
            if (v.is_regular_file()) m[fs::relative(v.path(), radice).string()] = Leggi(v.path());
        return m;
    };
    const auto primaAlbero = contenuto(albero / "share");

    const PercorsiFile p = CercaPercorsiScrivibili(candidate, Utente(utente), Piattaforma::Linux, DiscoReale());
    EXPECT_EQ(p.CartellaDati, utente + "VelmoraKOV/Dati/");
    EXPECT_EQ(contenuto(fs::path(utente) / "VelmoraKOV"), contenuto(vecchia));
    // The user changes the settings; the next start keeps them, and the
    // earlier folder is left byte for byte as it was.
    Scrivi(p.CartellaDati + "Impostazioni.txt", "cambiate ancora");
    const PercorsiFile q = CercaPercorsiScrivibili(candidate, Utente(utente), Piattaforma::Linux, DiscoReale());
    EXPECT_EQ(q.CartellaDati, p.CartellaDati);
    EXPECT_EQ(Leggi(q.CartellaDati + "Impostazioni.txt"), "cambiate ancora");
    EXPECT_EQ(contenuto(albero / "share"), primaAlbero);
}

TEST(Percorsi, UnaCartellaPrecedenteDiversaSiDiceUnaVoltaENonSiPrendeNulla) {
    // A build tree whose share/VelmoraKOV an earlier version wrote in place,
    // beside the shipped data, started by a user who already has a folder.
    auto contenuto = [](const fs::path& radice) {
        std::map<std::string, std::string> m;
        for (const auto& v : fs::recursive_directory_iterator(radice))
            if (v.is_regular_file()) m[fs::relative(v.path(), radice).string()] = Leggi(v.path());
        return m;
    };
    struct Caso {
        const char* nome;
        std::map<std::string, std::string> precedente, utente;  // "" for a user with no folder yet
        bool detta;
    };
    const std::map<std::string, std::string> mie = {{"Dati/Impostazioni.txt", "mie"},
                                                    {"Temperamenti/Equabile.txt", "equabile"}};
    auto con = [&](std::initializer_list<std::pair<const std::string, std::string>> altri) {
        auto m = mie;
        for (const auto& [k, v] : altri) m[k] = v;
        return m;
    };
    const Caso casi[] = {
        {"impostazioni diverse", con({{"Dati/Impostazioni.txt", "vecchie"}}), mie, true},
        {"un temperamento che l'utente non ha", con({{"Temperamenti/Mio.txt", "mio"}}), mie, true},
        {"solo temperamenti, senza Dati", {{"Temperamenti/Mio.txt", "mio"}}, mie, true},
        {"gli stessi file", mie, mie, false},
        {"l'utente ne ha di pi\xC3\xB9", mie, con({{"Temperamenti/Altro.txt", "altro"}}), false},
        // Carried over at the first start: not told of, even once the user's copy changes.
        {"copiata alla prima partenza", mie, {}, false},
    };
    for (const Caso& c : casi) {
        SCOPED_TRACE(c.nome);
        prova::CartellaProva t;
        const fs::path albero = t / "build";
        fs::create_directories(albero / "bin");
        Scrivi(albero / "share/velmorakov/VelmoraKOV/Dati/Impostazioni.txt", "distribuite");
        const fs::path precedente = albero / "share/VelmoraKOV";
        for (const auto& [f, b] : c.precedente) Scrivi(precedente / f, b);
        const fs::path xdg = t / "dati";
        const fs::path utente = xdg / "VelmoraKOV";
        for (const auto& [f, b] : c.utente) Scrivi(utente / f, b);
        const auto primaPrecedente = contenuto(precedente);
        auto sonda = [&] { return CercaPercorsiDaAmbiente((albero / "bin").string(), xdg.c_str(), "/casa/ada"); };

        PercorsiFile p = sonda();
        EXPECT_EQ(p.CartellaDati, utente.string() + "/Dati/");
        if (c.utente.empty()) {
            // Copied whole, and recorded as carried over.
            auto copiato = contenuto(utente);
            EXPECT_EQ(copiato[NomeCartellePrecedenti], precedente.string() + "/\n");
            copiato.erase(NomeCartellePrecedenti);
            EXPECT_EQ(copiato, primaPrecedente);
            Scrivi(utente / "Dati/Impostazioni.txt", "cambiate");
            p = sonda();
        } else {
            EXPECT_EQ(contenuto(utente), c.utente) << "nothing taken";
        }
        EXPECT_EQ(contenuto(precedente), primaPrecedente);
        if (!c.detta) {
            EXPECT_EQ(p.CartellaPrecedente, "");
            continue;
        }
        ASSERT_EQ(p.CartellaPrecedente, precedente.string() + "/");
        EXPECT_EQ(DescriviCartellaPrecedente(p),
                  "In \"" + precedente.string() +
                      "/\" ci sono i dati di una versione precedente del programma, con file che non sono come "
                      "nella tua cartella dei dati, \"" +
                      utente.string() +
                      "/\", che \xC3\xA8 quella in uso.\nDa quella cartella non \xC3\xA8 stato preso nulla, e resta "
                      "com'\xC3\xA8: per portarla al posto della tua, vedi \"Your data\" nel file README. Questo "
                      "avviso non sar\xC3\xA0 ripetuto.");
        // Once said, not again.
        ASSERT_TRUE(RicordaCartellaPrecedente(p));
        EXPECT_EQ(sonda().CartellaPrecedente, "");
        EXPECT_EQ(contenuto(precedente), primaPrecedente);
    }
}

TEST(Percorsi, LaCartellaAccantoAlProgrammaCheELUtenteNonEPrecedente) {
    // An install under ~/.local: "../share/" beside the program is the
    // user's own data home, whose folder is the one in use.
    prova::CartellaProva t;
    const fs::path casa = t / "casa";
    Scrivi(casa / ".local/share/velmorakov/VelmoraKOV/Dati/Impostazioni.txt", "distribuite");
    Scrivi(casa / ".local/share/VelmoraKOV/Dati/Impostazioni.txt", "mie");
    fs::create_directories(casa / ".local/bin");
    const PercorsiFile p = CercaPercorsiDaAmbiente((casa / ".local/bin").string(), nullptr, casa.c_str());
    EXPECT_EQ(p.CartellaDati, (casa / ".local/share/VelmoraKOV/Dati/").string());
    EXPECT_EQ(p.CartellaPrecedente, "");
}

TEST(AmbienteDiProva, OgniProgrammaDiProvaHaUnaCasaSuaNelBuild) {
    // No test reads or writes the invoking user's data, settings or caches.
    const char* casa = ::getenv("HOME");
    ASSERT_NE(casa, nullptr);
    const passwd* utente = ::getpwuid(::getuid());
    if (utente) {
        EXPECT_NE(fs::path(casa), fs::path(utente->pw_dir));
    }
    // Under the temporary folder: under ctest, the build tree's.
    const fs::path tmp = fs::weakly_canonical(::getenv("TMPDIR"));
    EXPECT_TRUE(fs::weakly_canonical(casa).string().starts_with(tmp.string() + "/")) << casa;
    for (const char* v : {"XDG_DATA_HOME", "XDG_CONFIG_HOME", "XDG_CACHE_HOME", "XDG_RUNTIME_DIR"}) {
        const char* c = ::getenv(v);
        ASSERT_NE(c, nullptr) << v;
        EXPECT_TRUE(fs::weakly_canonical(c).string().starts_with(tmp.string() + "/")) << v << "=" << c;
        EXPECT_TRUE(fs::is_directory(c)) << v;
    }
    struct stat s {};
    ASSERT_EQ(::stat(::getenv("XDG_RUNTIME_DIR"), &s), 0);
    EXPECT_EQ(s.st_mode & 0777, 0700u);
    // The user's data folder there starts as the shipped data, with the
    // build tree's earlier folder as told of.
    const std::string dati = CartellaUtente(::getenv("XDG_DATA_HOME"), casa) + "VelmoraKOV/";
    EXPECT_EQ(LeggiByte(dati + "Dati/Impostazioni.txt"), LeggiByte(VK_SORGENTI "/data/VelmoraKOV/Dati/Impostazioni.txt"));
    EXPECT_EQ(LeggiByte(dati + NomeCartellePrecedenti), VK_BUILD "/share/VelmoraKOV/\n");
}

TEST(Percorsi, UnaCopiaInterrottaNonLasciaCartellaDati) {
    prova::CartellaProva t;
    const fs::path da = t / "da" / "VelmoraKOV";
    Scrivi(da / "Temperamenti/Equabile.txt", "equabile");
    // A data folder that cannot be read through: its copy fails.
    Scrivi(da / "Dati/Impostazioni.txt", "x");
    fs::create_symlink(t / "non-esiste", da / "Dati" / "rotto");
    fs::create_directory_symlink(t / "ciclo", da / "Dati" / "ciclo");
    fs::create_directory_symlink(da / "Dati", t / "ciclo");
    const fs::path a = t / "a" / "VelmoraKOV";
    const bool ok = CopiaInstallazione(da.string() + "/", a.string() + "/");
    if (ok) GTEST_SKIP() << "this file system copied the broken links";
    EXPECT_FALSE(fs::exists(a / "Dati"));
    EXPECT_FALSE(fs::exists(a / "Dati.nuova"));
    // Nothing found there, so the next start tries again.
    EXPECT_FALSE(CartellaPresenteSulDisco((a / "Dati").string() + "/"));
}

TEST(Percorsi, UnaCopiaSulDiscoPienoNonLasciaFileTroncatiELaPartenzaDopoRiprova) {
    // Each case puts the one file larger than the limit in another place.
    const char* grandi[] = {"Temperamenti/Equabile.txt", "Dati/Impostazioni.txt", "Dati/Sotto/Altro.txt"};
    constexpr rlim_t Limite = 500;
    for (const char* grande : grandi) {
        SCOPED_TRACE(grande);
        prova::CartellaProva t;
        const fs::path sistema = t / "sistema";
        const fs::path da = sistema / "VelmoraKOV";
        for (const char* f : {"Temperamenti/Equabile.txt", "Temperamenti/Vallotti.txt", "Dati/Impostazioni.txt",
                              "Dati/Sotto/Altro.txt"})
            Scrivi(da / f, std::string(f == std::string(grande) ? 969 : 100, 'x'));
        const std::string utente = (t / "utente").string() + "/";
        const fs::path a = fs::path(utente) / "VelmoraKOV";
        const std::vector<std::string> candidate = {sistema.string() + "/", utente};
        const OperazioniDisco disco = DiscoReale();

        // The first start, on a disk that takes no file past 500 bytes: the
        // installed folder stays, and the failure is told with the file.
        const int esito = prova::ConLimiteFile(Limite, [&] {
            const PercorsiFile p = CercaPercorsiScrivibili(candidate, Utente(utente), Piattaforma::Linux, disco);
            const auto& fallita = p.SolaLettura;
            if (p.CartellaDati != sistema.string() + "/VelmoraKOV/Dati/") return 1;
            if (!fallita || fallita->cartella != a.string() + "/") return 2;
            if (fallita->motivo.find(fs::path(grande).filename().string()) == std::string::npos) return 3;
            return 0;
        });
        EXPECT_EQ(esito, 0);
        // Every file there is whole; nothing half-written, no data folder.
        for (const auto& voce : fs::recursive_directory_iterator(a)) {
            if (!voce.is_regular_file()) continue;
            const fs::path relativo = fs::relative(voce.path(), a);
            const std::string copiato = Leggi(voce.path()), originale = Leggi(da / relativo);
            EXPECT_TRUE(copiato == originale) << relativo << ": " << copiato.size() << " of " << originale.size();
        }
        EXPECT_FALSE(fs::exists(a / "Dati"));
        EXPECT_FALSE(fs::exists(a / "Dati.nuova"));

        // The next start, with room: the copy is made again, whole.
        const PercorsiFile q = CercaPercorsiScrivibili(candidate, Utente(utente), Piattaforma::Linux, disco);
        EXPECT_FALSE(q.SolaLettura.has_value());
        EXPECT_EQ(q.CartellaDati, a.string() + "/Dati/");
        int file = 0;
        for (const auto& voce : fs::recursive_directory_iterator(da)) {
            if (!voce.is_regular_file()) continue;
            ++file;
            const fs::path relativo = fs::relative(voce.path(), da);
            const std::string copiato = Leggi(a / relativo), originale = Leggi(voce.path());
            EXPECT_TRUE(copiato == originale) << relativo << ": " << copiato.size() << " of " << originale.size();
        }
        EXPECT_EQ(file, 4);
    }
}

TEST(Percorsi, UnaCopiaUccisaNonLasciaNullaDaIndovinare) {
    // The first start is killed while it copies the one temperament (as by
    // kill -9; a size limit alone is said, as above); the
    // next start repairs the copy, writing that file again or, where the
    // user has put it back, writing nothing in that folder. The user's files
    // that only look like leftovers stay through it.
    for (const bool rimessoDallUtente : {false, true}) {
        SCOPED_TRACE(rimessoDallUtente ? "rimesso dall'utente" : "copiato di nuovo");
        prova::CartellaProva t;
        const fs::path sistema = t / "sistema";
        Scrivi(sistema / "VelmoraKOV/Temperamenti/Grande.txt", std::string(969, 'g'));
        Scrivi(sistema / "VelmoraKOV/Dati/Impostazioni.txt", "impostazioni");
        const std::string utente = (t / "utente").string() + "/";
        const fs::path temperamenti = fs::path(utente) / "VelmoraKOV/Temperamenti";
        const std::vector<std::string> candidate = {sistema.string() + "/", utente};
        const OperazioniDisco disco = DiscoReale();
        auto nomi = [&] {
            std::set<std::string> n;
            for (const auto& e : fs::directory_iterator(temperamenti)) n.insert(e.path().filename().string());
            return n;
        };

        const pid_t ucciso = prova::UccisoDalLimiteFile(
            500, [&] { CercaPercorsiScrivibili(candidate, Utente(utente), Piattaforma::Linux, disco); });
        ASSERT_GT(ucciso, 0);
        // Nothing, or where files cannot be made with no name a temporary
        // that the killed write may still be writing, for all one can tell.
        std::set<std::string> attesi;
        if (!prova::FileSenzaNome(temperamenti)) attesi.insert(NomeTemporaneo("Grande.txt", ucciso, 0));
        ASSERT_EQ(nomi(), attesi);
        const std::string morto = std::to_string(ucciso);
        for (const std::string n : {"Note.txt.2024-12.tmp~", "Bach.txt.4000000-0.tmp~", "x.99999-7.tmp~"}) {
            Scrivi(temperamenti / n, "mio");
            attesi.insert(n);
        }
        Scrivi(temperamenti / ("Grande.txt." + morto + "-0.tmp~"), "mio");
        attesi.insert("Grande.txt." + morto + "-0.tmp~");
        if (rimessoDallUtente) Scrivi(temperamenti / "Grande.txt", "il mio");

        const PercorsiFile p = CercaPercorsiScrivibili(candidate, Utente(utente), Piattaforma::Linux, disco);
        EXPECT_EQ(p.CartellaDati, utente + "VelmoraKOV/Dati/");
        attesi.insert("Grande.txt");
        EXPECT_EQ(nomi(), attesi);
        EXPECT_EQ(Leggi(temperamenti / "Grande.txt"), rimessoDallUtente ? "il mio" : std::string(969, 'g'));
        EXPECT_EQ(Leggi(temperamenti / "x.99999-7.tmp~"), "mio");
    }
}
