#include <gtest/gtest.h>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <functional>
#include <fstream>
#include <ostream>
#include <string>
#include <vector>

#include "app/Impostazioni.h"
#include "app/StatoPrincipale.h"
#include "app/Velocita.h"
#include "app/Viste.h"
#include "common/FileTesto.h"
#include "common/LetturaFile.h"
#include "tests/comune/CartellaProva.h"
#include "tests/comune/ImpostazioniProgetto.h"

namespace vk {
namespace {

namespace fs = std::filesystem;

const fs::path FileProgetto = fs::path(VK_SORGENTI) / "data/VelmoraKOV/Dati/Impostazioni.txt";

using prova::RigheProgetto;
using prova::Unisci;

class CartellaTemporanea : public ::testing::Test {
protected:
    void SetUp() override {
        dir_ = prova::CartellaDelTest();
    }
    void scrivi(const fs::path& p, const std::string& byte) {
        std::ofstream f(p, std::ios::binary);
        f << byte;
    }
    // The designed choices with CR-only line ends, loaded into `s`: a file
    // the start says it cannot take. Its path.
    fs::path caricaSoloCR(StatoPrincipale& s);
    fs::path dir_;
};

TEST(Impostazioni, IlFileDiProgettoTornaUgualeBytePerByte) {
    const auto byte = LeggiByte(FileProgetto);
    ASSERT_TRUE(byte) << FileProgetto;
    EXPECT_EQ(*byte, Unisci(RigheProgetto()));

    const Impostazioni letto = ImpostazioniDaTesto(*byte);
    EXPECT_EQ(letto, Impostazioni{});

    // Through the state too: applied, collected and written again.
    StatoPrincipale s;
    ApplicaImpostazioni(s, letto);
    EXPECT_EQ(TestoImpostazioni(RaccogliImpostazioni(s)), *byte);
    EXPECT_EQ(TestoImpostazioni(RaccogliImpostazioni(StatoPrincipale{})), *byte);
}

TEST(Impostazioni, OgniVoceVaAlSuoControllo) {
    std::vector<std::string> righe = {"\"No Colori Quinte\"", "\"EN\"", "\"Tast\"", "\"Ist N\"", "\"0\"", "\"11\""};
    for (int k = 1; k <= 10; ++k) righe.push_back(k % 2 ? "12632319" : "12648384");
    righe.push_back("35");
    righe.push_back("185");
    for (int i = 1; i <= 11; ++i) righe.push_back(i == 3 || i == 11 ? "14417383" : "14941951");
    const std::string file = Unisci(righe);

    StatoPrincipale s;
    ApplicaImpostazioni(s, ImpostazioniDaTesto(file));
    EXPECT_EQ(s.istogrammi.Command9, "No Colori Quinte");
    EXPECT_EQ(s.LinguaNote, "EN");
    EXPECT_EQ(s.VistaValori, "Tast");
    EXPECT_EQ(s.DuplicatoIstogramma, "Ist N");
    EXPECT_EQ(s.PassoInfo, InteroLetto(0));
    EXPECT_EQ(s.LivelloVelocita, "11");
    for (int k = 1; k <= 10; ++k) EXPECT_EQ(s.SegmentiVelocita[k], k % 2 ? 0xC0C0FFu : 0xC0FFC0u) << k;
    EXPECT_EQ(s.IntervalloPiu, 35);
    EXPECT_EQ(s.IntervalloMeno, 185);
    for (int i = 1; i <= 11; ++i) EXPECT_EQ(s.SelezioneLibera[i], i == 3 || i == 11 ? 0xDBFDE7u : 0xE3FEFFu) << i;
    // Nothing checked against anything else, and written back as read.
    EXPECT_EQ(TestoImpostazioni(RaccogliImpostazioni(s)), file);
}

// The step written in any form the file can hold: it names a step only as
// its value alone, and goes back to the file as it was read.
TEST(Impostazioni, PassoInfoTornaComeLetto) {
    struct Caso {
        const char* passo;
        bool scarto;  // the spread shown, as step 2 shows it
    };
    const Caso casi[] = {{"2", true}, {"02", false}, {"-0", false}, {"0002", false}, {"-2147483648", false}};
    for (const Caso& c : casi) {
        SCOPED_TRACE(c.passo);
        std::vector<std::string> righe = RigheProgetto();
        righe[4] = std::string("\"") + c.passo + "\"";
        const std::string file = Unisci(righe);
        StatoPrincipale s;
        s.visibilita.scarto = false;
        ApplicaImpostazioni(s, ImpostazioniDaTesto(file));
        MostraInfoIstogrammi(s);
        EXPECT_EQ(s.visibilita.scarto, c.scarto);
        EXPECT_EQ(TestoImpostazioni(RaccogliImpostazioni(s)), file);
    }
}

// One line of the designed file replaced: the item is taken only when its
// control can hold it; every other item stays as the file gives it.
struct CasoVoce {
    int voce;
    const char* riga;
    bool presa;
};

void PrintTo(const CasoVoce& c, std::ostream* os) { *os << "voce " << c.voce << " " << c.riga; }

class VoceSingola : public ::testing::TestWithParam<CasoVoce> {};

TEST_P(VoceSingola, PresaOScartata) {
    const CasoVoce c = GetParam();
    auto righe = RigheProgetto();
    righe[static_cast<size_t>(c.voce - 1)] = c.riga;
    const Impostazioni letto = ImpostazioniDaTesto(Unisci(righe));
    const std::string scritto = TestoImpostazioni(letto);
    const std::string attesa = c.presa ? Unisci(righe) : Unisci(RigheProgetto());
    EXPECT_EQ(scritto, attesa) << "voce " << c.voce << ": " << c.riga;
}

INSTANTIATE_TEST_SUITE_P(
    Voci, VoceSingola,
    ::testing::Values(
        // Captions: exact texts only.
        CasoVoce{1, "\"No Colori Quinte\"", true}, CasoVoce{1, "\"colori quinte\"", false},
        CasoVoce{1, "\"\"", false}, CasoVoce{2, "\"DE\"", true}, CasoVoce{2, "\"it\"", false},
        CasoVoce{2, "\"IT \"", false}, CasoVoce{2, "\"ES\"", false}, CasoVoce{3, "\"Tast\"", true},
        CasoVoce{3, "\"Tastiera\"", false}, CasoVoce{4, "\"Ist N\"", true}, CasoVoce{4, "\"Ist\"", false},
        // Information step and level: whole numbers, even out of range.
        CasoVoce{5, "\"3\"", true}, CasoVoce{5, "\"-1\"", true}, CasoVoce{5, "\"due\"", false},
        CasoVoce{6, "\"12\"", true}, CasoVoce{6, "\"6,5\"", false}, CasoVoce{6, "\"\"", false},
        // ... within 32 bits, so that counting on by one stays exact.
        CasoVoce{6, "\"2147483647\"", true}, CasoVoce{6, "\"2147483648\"", false},
        CasoVoce{5, "\"-2147483648\"", true}, CasoVoce{5, "\"922337203685477\"", false},
        // Colours: 0..&HFFFFFF or a system code.
        CasoVoce{7, "0", true}, CasoVoce{7, "16777215", true}, CasoVoce{7, "16777216", false},
        CasoVoce{7, "-1", false}, CasoVoce{10, "abc", false}, CasoVoce{12, "", false},
        CasoVoce{16, "-2147483633", true}, CasoVoce{16, "-2147483623", false},
        CasoVoce{19, "14417383", true}, CasoVoce{25, "99999999999999999999", false},
        CasoVoce{29, "1,5", false}, CasoVoce{29, "-2147483648", true},
        // Intervals: 1..65535 ms.
        CasoVoce{17, "1", true}, CasoVoce{17, "65535", true}, CasoVoce{17, "0", false},
        CasoVoce{17, "65536", false}, CasoVoce{18, "-135", false}, CasoVoce{18, "1e3", false},
        CasoVoce{18, "80", true}));

TEST(Impostazioni, ColoreDiSistemaScrittoConSegno) {
    EXPECT_EQ(ScriviColore(0x8000000F), "-2147483633");
    EXPECT_EQ(ScriviColore(0xC0C0FF), "12632319");
    // The unsigned spelling is read too, and written signed.
    auto righe = RigheProgetto();
    righe[6] = "2147483663";
    EXPECT_EQ(ImpostazioniDaTesto(Unisci(righe)).SegmentiVelocita[1], 0x8000000Fu);
}

TEST(Impostazioni, FileCortoORottoTieneIlRestoDiProgetto) {
    struct Caso {
        const char* nome;
        std::string file;
        Impostazioni atteso;
    };
    Impostazioni treVoci;
    treVoci.ColorazioneQuinte = "No Colori Quinte";
    treVoci.LinguaNote = "FR";
    treVoci.VistaValori = "Tast";
    Impostazioni senzaFine;
    senzaFine.ColorazioneQuinte = "No Colori Quinte";
    const std::vector<Caso> casi = {
        {"vuoto", "", Impostazioni{}},
        {"tre voci", "\"No Colori Quinte\"\r\n\"FR\"\r\n\"Tast\"\r\n", treVoci},
        {"virgolette aperte", "\"No Colori Quinte\"\r\n\"FR\r\n\"Tast\r\n", [] {
             Impostazioni i;
             i.ColorazioneQuinte = "No Colori Quinte";
             return i;  // "FR\r\n" runs to the next quote: no notation, and the line's rest is skipped
         }()},
        {"a capo solo LF", "\"No Colori Quinte\"\n\"IT\"\n", senzaFine},
        {"byte qualsiasi", std::string("\"\xff\x81\x00\"\r\n\x90\r\n", 9), Impostazioni{}},
    };
    for (const auto& c : casi) EXPECT_EQ(ImpostazioniDaTesto(c.file), c.atteso) << c.nome;
}

TEST(Impostazioni, CioCheScriveLoRilegge) {
    // A click at the edge of what the file keeps does not step past it.
    struct Caso {
        const char* livello;
        const char* passo;
        std::function<void(StatoPrincipale&)> clic;
        const char* livelloDopo;
        const char* passoDopo;
    };
    auto piu = [](StatoPrincipale& s) { cmdVelocita_Click(s, VelocitaPiu); };
    auto meno = [](StatoPrincipale& s) { cmdVelocita_Click(s, VelocitaMeno); };
    auto info = [](StatoPrincipale& s) { cmdInfoSemitoni_Click(s); };
    const Caso casi[] = {
        {"2147483647", "2", piu, "2147483647", "2"},
        {"2147483646", "2", piu, "2147483647", "2"},
        {"-2147483648", "2", meno, "-2147483648", "2"},
        {"-2147483647", "2", meno, "-2147483648", "2"},
        {"6", "2147483647", info, "6", "2147483647"},
        {"6", "-2147483648", info, "6", "-2147483647"},
        {"6", "3", info, "6", "0"},
        {"6", "02", info, "6", "3"},
        {"6", "-0", info, "6", "1"},
        {"11", "2", piu, "11", "2"},
    };
    for (const Caso& c : casi) {
        SCOPED_TRACE(std::string(c.livello) + " " + c.passo);
        StatoPrincipale s;
        s.LivelloVelocita = c.livello;
        s.PassoInfo = *InteroLetto::daTesto(c.passo);
        ASSERT_EQ(ImpostazioniDaTesto(TestoImpostazioni(RaccogliImpostazioni(s))), RaccogliImpostazioni(s));
        c.clic(s);
        EXPECT_EQ(s.LivelloVelocita, c.livelloDopo);
        EXPECT_EQ(s.PassoInfo.testo(), c.passoDopo);
        // What the next start reads is what was written.
        const Impostazioni scritte = RaccogliImpostazioni(s);
        EXPECT_EQ(ImpostazioniDaTesto(TestoImpostazioni(scritte)), scritte);
    }
}

TEST_F(CartellaTemporanea, FileMancanteLasciaTuttoComEra) {
    StatoPrincipale s;
    s.LinguaNote = "DE";
    CaricaImpostazioni(s, dir_ / "nessuno.txt");
    EXPECT_EQ(s.LinguaNote, "DE");
    EXPECT_EQ(RaccogliImpostazioni(s).LivelloVelocita, "6");
    // Nothing to say at start: "Ok" makes the file.
    EXPECT_FALSE(s.impostazioniScartate);
    // Nor when the data folder itself is missing.
    CaricaImpostazioni(s, dir_ / "manca" / "Impostazioni.txt");
    EXPECT_FALSE(s.impostazioniScartate);
}

// Something other than a file in its place: said at start in words true for
// it, with what "Ok" will do, which is then what it does.
TEST_F(CartellaTemporanea, AlPostoDelFileAltroDettoAllAvvio) {
    struct Caso {
        const char* nome;
        std::function<void(const fs::path& f)> prepara;
        FormaScartata forma;
        std::string motivo;   // with "<dir>" for the case's folder
        std::string seguito;  // what the start says "Ok" will do
        std::string errore;   // what "Ok" meets; "" when it writes
        std::string resta;    // then said of what is in the file's place
    };
    const std::string nonSalva = "con \"Ok\" all'uscita le impostazioni non si potranno salvare.";
    const Caso casi[] = {
        {"cartella", [](const fs::path& f) { fs::create_directories(f); }, FormaScartata::Cartella,
         "al suo posto c'\xC3\xA8 una cartella.", "La cartella resta com'\xC3\xA8, e " + nonSalva,
         std::strerror(EISDIR), "Al suo posto c'\xC3\xA8 ancora una cartella."},
        {"FIFO", [](const fs::path& f) { ASSERT_EQ(::mkfifo(f.c_str(), 0600), 0); }, FormaScartata::Speciale,
         "al suo posto c'\xC3\xA8 una FIFO, non un file normale.", "Resta com'\xC3\xA8, e " + nonSalva,
         "non \xC3\xA8 un file normale", "Al suo posto c'\xC3\xA8 ancora una FIFO."},
        {"collegamento a un file che non c'\xC3\xA8",
         [](const fs::path& f) {
             fs::create_directories(f.parent_path() / "vero");
             fs::create_symlink("vero/Impostazioni.txt", f);
         },
         FormaScartata::CollegamentoRotto,
         "\xC3\xA8 un collegamento a \"<dir>/vero/Impostazioni.txt\", che non c'\xC3\xA8.",
         "Con \"Ok\" all'uscita le impostazioni saranno scritte in \"<dir>/vero/Impostazioni.txt\", il file che "
         "il collegamento indica.",
         "", ""},
        {"collegamento in una cartella che non c'\xC3\xA8",
         [](const fs::path& f) { fs::create_symlink("manca/Impostazioni.txt", f); },
         FormaScartata::CollegamentoRotto,
         "\xC3\xA8 un collegamento a \"<dir>/manca/Impostazioni.txt\", che non c'\xC3\xA8, in una cartella che non "
         "c'\xC3\xA8.",
         "C" + nonSalva.substr(1), std::strerror(ENOENT),
         "Il collegamento \xC3\xA8 rimasto com'era, e il file che indica, \"<dir>/manca/Impostazioni.txt\", non "
         "\xC3\xA8 stato scritto."},
        {"collegamenti in tondo",
         [](const fs::path& f) {
             fs::create_symlink("giro", f);
             fs::create_symlink("Impostazioni.txt", f.parent_path() / "giro");
         },
         FormaScartata::CollegamentoRotto,
         "\xC3\xA8 un collegamento che non porta a nessun file: i collegamenti girano in tondo.", "C" + nonSalva.substr(1),
         std::strerror(ELOOP), "Il collegamento \xC3\xA8 rimasto com'era."},
    };
    auto nomi = [](const fs::path& d) {
        std::vector<std::string> n;
        for (const auto& e : fs::directory_iterator(d)) n.push_back(e.path().filename().string());
        std::sort(n.begin(), n.end());
        return n;
    };
    for (const Caso& c : casi) {
        SCOPED_TRACE(c.nome);
        const fs::path d = dir_ / c.nome;
        fs::create_directories(d);
        const fs::path f = d / "Impostazioni.txt";
        c.prepara(f);
        auto conCartella = [&](std::string t) {
            for (size_t i = t.find("<dir>"); i != std::string::npos; i = t.find("<dir>"))
                t.replace(i, 5, d.string());
            return t;
        };
        const auto prima = nomi(d);
        StatoPrincipale s;
        CaricaImpostazioni(s, f);
        ASSERT_TRUE(s.impostazioniScartate);
        EXPECT_EQ(s.impostazioniScartate->forma, c.forma);
        EXPECT_EQ(s.impostazioniScartate->accanto, fs::path());
        EXPECT_EQ(DescriviImpostazioniScartate(*s.impostazioniScartate),
                  "Il file delle impostazioni \"" + f.string() + "\" non \xC3\xA8 stato letto:\n" +
                      conCartella(c.motivo) + "\nSi usano i valori di progetto. " + conCartella(c.seguito));
        s.LinguaNote = "DE";
        std::string errore;
        fs::path conservato = "x";
        EXPECT_EQ(SalvaImpostazioni(s, f, &errore, &conservato), c.errore.empty());
        EXPECT_EQ(errore, c.errore);
        EXPECT_EQ(conservato, fs::path()) << "nothing set aside";
        if (c.errore.empty()) {
            // The file the link names, the link kept.
            EXPECT_TRUE(fs::is_symlink(f));
            EXPECT_EQ(LeggiByte(f), TestoImpostazioni(RaccogliImpostazioni(s)));
        } else {
            EXPECT_EQ(nomi(d), prima) << "nothing written, nothing moved";
            EXPECT_EQ(DescriviCosaResta(f), conCartella(c.resta));
        }
    }
}

TEST_F(CartellaTemporanea, SoloUnFileNormaleEPiccoloVieneLetto) {
    // The designed file with "EN", padded after its 29 items to a size.
    auto conInglese = [](size_t dimensione) {
        std::string byte = prova::FileImpostazioni({{2, "\"EN\""}});
        byte.resize(dimensione, ' ');
        return byte;
    };
    struct Caso {
        const char* nome;
        std::function<void(const fs::path&)> prepara;
        const char* lingua;
    };
    const Caso casi[] = {
        {"al limite", [&](const fs::path& f) { scrivi(f, conInglese(DimensioneMassimaImpostazioni)); }, "EN"},
        {"un byte oltre", [&](const fs::path& f) { scrivi(f, conInglese(DimensioneMassimaImpostazioni + 1)); },
         "IT"},
        {"200 MB",
         [&](const fs::path& f) {
             scrivi(f, conInglese(100));
             fs::resize_file(f, 200u << 20);  // sparse: written at once
         },
         "IT"},
        {"una FIFO senza scrittore", [](const fs::path& f) { ASSERT_EQ(::mkfifo(f.c_str(), 0600), 0); }, "IT"},
    };
    for (const Caso& c : casi) {
        SCOPED_TRACE(c.nome);
        const fs::path f = dir_ / "Impostazioni.txt";
        fs::remove(f);
        c.prepara(f);
        StatoPrincipale s;
        const auto inizio = std::chrono::steady_clock::now();
        CaricaImpostazioni(s, f);
        EXPECT_LT(std::chrono::steady_clock::now() - inizio, std::chrono::seconds(1));
        EXPECT_EQ(s.LinguaNote, c.lingua);
    }
}

TEST_F(CartellaTemporanea, CaricaESalvaNellaCartellaDati) {
    const std::string cartella = dir_.string() + "/";
    const fs::path file = PercorsoImpostazioni(cartella);
    EXPECT_EQ(file, dir_ / "Impostazioni.txt");
    EXPECT_EQ(PercorsoImpostazioni(""), fs::path("Impostazioni.txt"));

    auto righe = RigheProgetto();
    righe[1] = "\"EN\"";
    righe[16] = "50";
    scrivi(file, Unisci(righe));
    StatoPrincipale s;
    CaricaImpostazioni(s, file);
    EXPECT_EQ(s.LinguaNote, "EN");
    EXPECT_EQ(s.IntervalloPiu, 50);
    EXPECT_EQ(s.IntervalloMeno, 135);

    s.PassoInfo = InteroLetto(3);
    ASSERT_TRUE(SalvaImpostazioni(s, file));
    righe[4] = "\"3\"";
    EXPECT_EQ(*LeggiByte(file), Unisci(righe));
}

TEST_F(CartellaTemporanea, ScritturaFallitaLasciaIlVecchioFile) {
    const fs::path file = dir_ / "Impostazioni.txt";
    scrivi(file, "vecchio");
    StatoPrincipale s;
    EXPECT_FALSE(SalvaImpostazioni(s, file, [](const fs::path&, std::string_view) { return false; }));
    EXPECT_FALSE(SalvaImpostazioni(s, dir_ / "manca" / "Impostazioni.txt"));
    EXPECT_EQ(*LeggiByte(file), "vecchio");
}

// The user's choices (colouring on, English names) in a file the reading
// cannot take: none of its items is used; the start names the file, the
// cause and where "Ok" will keep it; "Ok" keeps its bytes there and writes
// the state in a new file, which the next start reads.
void VerificaScartato(const fs::path& dir, const std::string& byte, const char* motivo,
                      const std::function<void(const fs::path&)>& prepara, const char* accanto) {
    const fs::path f = dir / "Impostazioni.txt";
    fs::create_directories(dir);
    std::ofstream(f, std::ios::binary) << byte;
    if (prepara) prepara(f);
    const fs::perms permessi = fs::status(f).permissions();
    StatoPrincipale s;
    CaricaImpostazioni(s, f);
    EXPECT_EQ(RaccogliImpostazioni(s), Impostazioni{});
    ASSERT_TRUE(s.impostazioniScartate);
    EXPECT_EQ(s.impostazioniScartate->file, f);
    EXPECT_EQ(s.impostazioniScartate->accanto, dir / accanto);
    const std::string avviso = DescriviImpostazioniScartate(*s.impostazioniScartate);
    for (const std::string& atteso : {f.string(), std::string(motivo), std::string("Si usano i valori di progetto"),
                                      (dir / accanto).string()})
        EXPECT_NE(avviso.find(atteso), std::string::npos) << atteso << " in " << avviso;

    s.LinguaNote = "DE";
    ASSERT_TRUE(SalvaImpostazioni(s, f));
    EXPECT_EQ(fs::status(dir / accanto).permissions(), permessi);
    fs::permissions(dir / accanto, fs::perms::owner_read, fs::perm_options::add);
    EXPECT_EQ(LeggiByte(dir / accanto), byte);
    EXPECT_EQ(LeggiByte(f), TestoImpostazioni(RaccogliImpostazioni(s)));
    StatoPrincipale dopo;
    CaricaImpostazioni(dopo, f);
    EXPECT_FALSE(dopo.impostazioniScartate);
    EXPECT_EQ(dopo.LinguaNote, "DE");
}

const std::string Scelte = prova::FileImpostazioni({{1, "\"No Colori Quinte\""}, {2, "\"EN\""}});

std::string SoloCR(std::string byte) {
    for (size_t i = byte.find("\r\n"); i != std::string::npos; i = byte.find("\r\n", i)) byte.erase(i + 1, 1);
    return byte;
}

// The designed choices with CR-only line ends, loaded into `s`: a file the
// start says it cannot take. Its path.
fs::path CartellaTemporanea::caricaSoloCR(StatoPrincipale& s) {
    const fs::path f = dir_ / "Impostazioni.txt";
    scrivi(f, SoloCR(Scelte));
    CaricaImpostazioni(s, f);
    return f;
}

// Scelte with its lines from `da` on (from 1) ended by CR alone.
std::string SoloCRDallaRiga(int da) {
    auto righe = RigheProgetto();
    righe[0] = "\"No Colori Quinte\"";
    righe[1] = "\"EN\"";
    std::string byte;
    for (size_t i = 0; i < righe.size(); ++i) byte += righe[i] + (static_cast<int>(i) + 1 >= da ? "\r" : "\r\n");
    return byte;
}

std::string UTF16(const std::string& ascii) {
    std::string byte = "\xFF\xFE";
    for (char c : ascii) byte += std::string{c, '\0'};
    return byte;
}

TEST_F(CartellaTemporanea, UnFileCheNonSiPuoPrendereRestaRecuperabile) {
    std::string grande = Scelte;
    grande.resize(DimensioneMassimaImpostazioni + 1, ' ');
    auto righeScelte = RigheProgetto();
    righeScelte[0] = "\"No Colori Quinte\"";
    righeScelte[1] = "\"EN\"";
    std::string alterne;  // CR LF and CR alone in turn
    for (size_t i = 0; i < righeScelte.size(); ++i) alterne += righeScelte[i] + (i % 2 ? "\r" : "\r\n");
    auto conRigaVuota = righeScelte;  // the items after it shift by one
    conRigaVuota.insert(conRigaVuota.begin() + 2, "");
    conRigaVuota.pop_back();
    std::string conNul = Scelte;
    conNul.insert(conNul.find("EN") + 1, 1, '\0');
    struct Caso {
        const char* nome;
        std::string byte;
        const char* motivo;
        std::function<void(const fs::path&)> prepara;
        const char* accanto;
    };
    const Caso casi[] = {
        {"solo CR", SoloCR(Scelte), "le righe del file finiscono con il solo CR, senza LF", {},
         "Impostazioni.txt.illeggibile"},
        {"oltre 64 KB", grande, "il file \xC3\xA8 troppo grande per le impostazioni (pi\xC3\xB9 di 64 KB)", {},
         "Impostazioni.txt.illeggibile"},
        // Forms the reading would take in part: the rest would be lost at Ok.
        {"voci 1-6 in CR LF, le altre in solo CR", SoloCRDallaRiga(7),
         "la riga della voce 7 contiene un CR senza LF: le fini riga del file sono miste", {},
         "Impostazioni.txt.illeggibile"},
        {"CR LF e solo CR alterni", alterne, "la riga della voce 2 contiene un CR senza LF", {},
         "Impostazioni.txt.illeggibile"},
        {"segno BOM di UTF-8", "\xEF\xBB\xBF" + Scelte,
         "il file ha 3 byte (EF BB BF: il segno BOM di UTF-8) prima delle virgolette della voce 1.", {},
         "Impostazioni.txt.illeggibile"},
        {"byte prima delle virgolette", prova::FileImpostazioni({{1, "\"No Colori Quinte\""}, {3, "x \"Tast\""}}),
         "il file ha 2 byte prima delle virgolette della voce 3.", {}, "Impostazioni.txt.illeggibile"},
        {"testo dopo le virgolette", prova::FileImpostazioni({{1, "\"No Colori Quinte\""}, {2, "\"EN\" FR"}}),
         "la riga della voce 2 continua dopo le virgolette di chiusura", {}, "Impostazioni.txt.illeggibile"},
        {"dati binari", std::string("\x89PNG\r\n\x1A\n\0\0\0\rIHDR", 16),
         "il file contiene byte che un testo non ha (il primo, 1A, al byte 7)", {}, "Impostazioni.txt.illeggibile"},
        {"byte NUL", conNul, "(il primo, 00, al byte 23)", {}, "Impostazioni.txt.illeggibile"},
        {"UTF-16", UTF16(Scelte), "il file \xC3\xA8 scritto in UTF-16", {}, "Impostazioni.txt.illeggibile"},
        {"vuoto", "", "il file \xC3\xA8 vuoto.", {}, "Impostazioni.txt.illeggibile"},
        {"28 voci", Scelte.substr(0, Scelte.rfind("14941951")),
         "il file finisce prima della voce 29; le impostazioni hanno 29 voci.", {}, "Impostazioni.txt.illeggibile"},
        {"virgolette non chiuse", prova::FileImpostazioni({{1, "\"No Colori Quinte\""}, {6, "\"6"}}),
         "la voce 6 non ha le virgolette di chiusura.", {}, "Impostazioni.txt.illeggibile"},
        {"una riga vuota in pi\xC3\xB9", Unisci(conRigaVuota) + "14941951\r\n",
         "il file continua dopo la voce 29; le impostazioni hanno 29 voci e nient'altro.", {},
         "Impostazioni.txt.illeggibile"},
        {"due CR soli in fondo", Scelte + "\r\r",
         "una riga dopo la voce 29 contiene un CR senza LF: le fini riga del file sono miste", {},
         "Impostazioni.txt.illeggibile"},
        // One kept so by an earlier start stays as it is.
        {"nome accanto gi\xC3\xA0 preso", SoloCR(Scelte), "solo CR",
         [](const fs::path& f) {
             std::ofstream(fs::path(f) += ".illeggibile") << "prima";
             std::ofstream(fs::path(f) += ".illeggibile.3") << "terza";
         },
         "Impostazioni.txt.illeggibile.2"},
    };
    for (const Caso& c : casi) {
        SCOPED_TRACE(c.nome);
        VerificaScartato(dir_ / c.nome, c.byte, c.motivo, c.prepara, c.accanto);
    }
    EXPECT_EQ(LeggiByte(dir_ / "nome accanto gi\xC3\xA0 preso/Impostazioni.txt.illeggibile"), "prima");
    EXPECT_EQ(LeggiByte(dir_ / "nome accanto gi\xC3\xA0 preso/Impostazioni.txt.illeggibile.3"), "terza");
}

// Forms that lose nothing are taken as they are, and said nowhere; so is a
// value its control cannot take, which alone keeps its designed value.
TEST_F(CartellaTemporanea, UnFileInteroSiPrendeSenzaDirlo) {
    auto righe = RigheProgetto();
    righe[1] = "\"EN\"";
    std::string soloLF, misto;
    for (size_t i = 0; i < righe.size(); ++i) {
        soloLF += righe[i] + "\n";
        misto += righe[i] + (i % 2 ? "\n" : "\r\n");
    }
    auto conSpazi = righe;
    conSpazi[1] = "  \"EN\" \t";
    conSpazi[16] = "\t50  ";
    auto senzaVirgolette = righe;
    senzaVirgolette[1] = "EN";
    senzaVirgolette[16] = "\"50\"";
    auto fuoriMisura = righe;
    fuoriMisura[16] = "0";
    struct Caso {
        const char* nome;
        std::string byte;
        int intervallo;
    };
    const Caso casi[] = {
        {"CR LF", Unisci(righe), 135},
        {"solo LF", soloLF, 135},
        {"LF e CR LF", misto, 135},
        {"righe vuote in fondo", Unisci(righe) + "\r\n \r\n\n", 135},
        {"spazi", Unisci(conSpazi), 50},
        {"testi senza virgolette, numeri tra virgolette", Unisci(senzaVirgolette), 50},
        {"un intervallo fuori misura", Unisci(fuoriMisura), 135},
        {"senza l'ultimo a capo", Unisci(righe).substr(0, Unisci(righe).size() - 2), 135},
    };
    for (const Caso& c : casi) {
        SCOPED_TRACE(c.nome);
        EXPECT_EQ(ImpostazioniNonIntere(c.byte), std::nullopt);
        const fs::path f = dir_ / "Impostazioni.txt";
        scrivi(f, c.byte);
        StatoPrincipale s;
        CaricaImpostazioni(s, f);
        EXPECT_FALSE(s.impostazioniScartate);
        EXPECT_EQ(s.LinguaNote, "EN");
        EXPECT_EQ(s.IntervalloPiu, c.intervallo);
    }
}

// After the last item the reader goes on taking items: the file is whole
// exactly when each of them is empty, so a line it takes as text ("\r" from
// two CRs) is a fault, and a line end it drops is not.
TEST(Impostazioni, DopoLUltimaVoceIlControlloEIlLettoreConcordano) {
    struct Caso {
        const char* coda;
        bool intero;
    };
    const Caso casi[] = {
        {"", true},          {"\r\n", true},      {"\n \t\n", true}, {"\r", true},   {" \r", true},
        {"\r\n\r", true}, {"\r\r", false},     {"\r\r\n", false}, {"\r \n", false}, {"\r\rx", false},
        {"\rx", false},     {"\r\n\r\r", false}, {"x", false},       {"\"\"", false},
    };
    for (const Caso& c : casi) {
        const std::string byte = Unisci(RigheProgetto()) + c.coda;
        SCOPED_TRACE(::testing::PrintToString(std::string(c.coda)));
        LettoreVoci lettore = LettoreVoci::daWindows1252(byte);
        for (int voce = 1; voce <= NumeroVociImpostazioni; ++voce) ASSERT_TRUE(lettore.leggi());
        bool vuote = true;
        while (const auto altra = lettore.leggi()) vuote = vuote && altra->empty() && !lettore.traVirgolette();
        EXPECT_EQ(vuote, c.intero);
        EXPECT_EQ(!ImpostazioniNonIntere(byte), c.intero);
    }
}

// What "Ok" writes, the next start takes whole, whatever the state.
TEST(Impostazioni, IlFileScrittoSiPrendeIntero) {
    StatoPrincipale s;
    EXPECT_EQ(ImpostazioniNonIntere(TestoImpostazioni(RaccogliImpostazioni(s))), std::nullopt);
    s.istogrammi.Command9 = "No Colori Quinte";
    s.LinguaNote = "FR";
    s.LivelloVelocita = "-2147483648";
    s.PassoInfo = *InteroLetto::daTesto("-0");
    s.SegmentiVelocita[4] = 0x80000018;
    s.IntervalloPiu = 65535;
    s.SelezioneLibera[11] = 0;
    const std::string scritto = TestoImpostazioni(RaccogliImpostazioni(s));
    EXPECT_EQ(ImpostazioniNonIntere(scritto), std::nullopt);
    EXPECT_EQ(ImpostazioniDaTesto(scritto), RaccogliImpostazioni(s));
}

TEST_F(CartellaTemporanea, UnFileSenzaPermessoDiLetturaRestaRecuperabile) {
    if (::geteuid() == 0) GTEST_SKIP() << "root reads every file";
    VerificaScartato(
        dir_, Scelte, "il file non si pu\xC3\xB2 leggere",
        [](const fs::path& f) { fs::permissions(f, fs::perms::none); }, "Impostazioni.txt.illeggibile");
}

TEST_F(CartellaTemporanea, UnaScritturaFallitaRimetteAlSuoPostoIlFileCheNonSiPrende) {
    StatoPrincipale s;
    const fs::path f = caricaSoloCR(s);
    ASSERT_TRUE(s.impostazioniScartate);
    EXPECT_FALSE(SalvaImpostazioni(s, f, [](const fs::path&, std::string_view) { return false; }));
    EXPECT_EQ(LeggiByte(f), SoloCR(Scelte));
    EXPECT_EQ(std::distance(fs::directory_iterator(dir_), {}), 1);
}

// Two closings at once, on a file system without hard links and on one
// whose rename cannot refuse: the name promised at start is made by the
// other just before the move, which goes to the next free name and replaces
// nothing.
TEST_F(CartellaTemporanea, MettereDaParteNonSostituisceNulla) {
    const auto senzaCollegamenti = [](const char*, const char*) {
        errno = EPERM;  // as vfat answers
        return -1;
    };
    const auto nonRifiuta = [](int codice) {
        return [codice](const char*, const char*) {
            errno = codice;
            return -1;
        };
    };
    struct Caso {
        const char* nome;
        ChiamateAccanto chiamate;
    };
    const Caso casi[] = {
        {"di sistema", {}},
        {"senza collegamenti", {senzaCollegamenti, {}, {}}},
        {"senza rinomina che rifiuta (EINVAL)", {senzaCollegamenti, {}, nonRifiuta(EINVAL)}},
        {"senza rinomina che rifiuta (ENOSYS)", {senzaCollegamenti, {}, nonRifiuta(ENOSYS)}},
    };
    for (const Caso& c : casi) {
        SCOPED_TRACE(c.nome);
        const fs::path dir = dir_ / c.nome;
        fs::create_directories(dir);
        const fs::path f = dir / "Impostazioni.txt";
        scrivi(f, "vecchio");
        scrivi(NomeAccanto(f, 1), "prima");
        const fs::path promesso = NomeAccanto(f, 2);
        // The other instance takes the promised name just before the move.
        ChiamateAccanto chiamate = c.chiamate;
        bool fatto = false;
        auto altra = [&] {
            if (!fatto) scrivi(promesso, "altra");
            fatto = true;
        };
        auto collega = chiamate.collega;
        chiamate.collega = [&](const char* da, const char* a) {
            altra();
            return collega ? collega(da, a) : ::link(da, a);
        };
        std::string errore;
        const auto messo = MettiDaParte(f, promesso, &errore, chiamate);
        ASSERT_TRUE(messo) << errore;
        EXPECT_EQ(*messo, NomeAccanto(f, 3));
        EXPECT_FALSE(fs::exists(f));
        EXPECT_EQ(LeggiByte(NomeAccanto(f, 1)), "prima");
        EXPECT_EQ(LeggiByte(promesso), "altra");
        EXPECT_EQ(LeggiByte(NomeAccanto(f, 3)), "vecchio");
    }
}

// The rename refuses a name made after every check the program could make.
TEST_F(CartellaTemporanea, SenzaCollegamentiLaRinominaRifiutaUnNomeAppenaFatto) {
    const fs::path f = dir_ / "Impostazioni.txt";
    scrivi(f, "vecchio");
    ChiamateAccanto chiamate;
    chiamate.collega = [](const char*, const char*) {
        errno = EPERM;
        return -1;
    };
    int rinomine = 0;
    chiamate.rinomina = [&](const char* da, const char* a) {
        if (++rinomine == 1) scrivi(a, "altra");
        return ::renameat2(AT_FDCWD, da, AT_FDCWD, a, RENAME_NOREPLACE);
    };
    const auto messo = MettiDaParte(f, NomeAccanto(f, 1), nullptr, chiamate);
    ASSERT_TRUE(messo);
    EXPECT_EQ(*messo, NomeAccanto(f, 2));
    EXPECT_EQ(LeggiByte(NomeAccanto(f, 1)), "altra");
    EXPECT_EQ(LeggiByte(NomeAccanto(f, 2)), "vecchio");
}

// The first free name, however many are taken, is said at start and used.
TEST_F(CartellaTemporanea, IlNomeDettoAllAvvioELiberoEVieneUsato) {
    const fs::path f = dir_ / "Impostazioni.txt";
    scrivi(f, SoloCR(Scelte));
    for (int n = 1; n <= 1000; ++n) scrivi(NomeAccanto(f, n), std::to_string(n));
    StatoPrincipale s;
    CaricaImpostazioni(s, f);
    ASSERT_TRUE(s.impostazioniScartate);
    EXPECT_EQ(s.impostazioniScartate->accanto, dir_ / "Impostazioni.txt.illeggibile.1001");
    fs::path conservato;
    ASSERT_TRUE(SalvaImpostazioni(s, f, nullptr, &conservato));
    EXPECT_EQ(conservato, s.impostazioniScartate->accanto);
    EXPECT_EQ(LeggiByte(conservato), SoloCR(Scelte));
    EXPECT_EQ(LeggiByte(NomeAccanto(f, 1000)), "1000");
    // A name taken between the start and "Ok": the next one, which "Ok" names.
    scrivi(f, SoloCR(Scelte));
    CaricaImpostazioni(s, f);
    EXPECT_EQ(s.impostazioniScartate->accanto, NomeAccanto(f, 1002));
    scrivi(NomeAccanto(f, 1002), "altra");
    ASSERT_TRUE(SalvaImpostazioni(s, f, nullptr, &conservato));
    EXPECT_EQ(conservato, NomeAccanto(f, 1003));
    EXPECT_EQ(LeggiByte(NomeAccanto(f, 1002)), "altra");
    EXPECT_EQ(LeggiByte(conservato), SoloCR(Scelte));
}

// A link to a file that cannot be taken: the file it names is kept, and
// the link stays, pointing at the new one, as it does for a file that reads.
TEST_F(CartellaTemporanea, UnCollegamentoRestaEIlFileCheNominaVieneConservato) {
    fs::create_directories(dir_ / "vero");
    const fs::path vero = dir_ / "vero" / "Impostazioni.txt";
    const fs::path f = dir_ / "Impostazioni.txt";
    fs::create_symlink("vero/Impostazioni.txt", f);
    for (const std::string& byte : {SoloCR(Scelte), Scelte}) {
        const bool scartato = byte != Scelte;
        SCOPED_TRACE(scartato ? "scartato" : "preso");
        scrivi(vero, byte);
        StatoPrincipale s;
        CaricaImpostazioni(s, f);
        ASSERT_EQ(s.impostazioniScartate.has_value(), scartato);
        if (scartato) {
            EXPECT_EQ(s.impostazioniScartate->accanto, dir_ / "vero/Impostazioni.txt.illeggibile");
        }
        s.LinguaNote = "DE";
        ASSERT_TRUE(SalvaImpostazioni(s, f));
        EXPECT_TRUE(fs::is_symlink(f));
        EXPECT_EQ(fs::read_symlink(f), "vero/Impostazioni.txt");
        EXPECT_EQ(LeggiByte(f), TestoImpostazioni(RaccogliImpostazioni(s)));
        if (scartato) {
            EXPECT_EQ(LeggiByte(dir_ / "vero/Impostazioni.txt.illeggibile"), byte);
        }
        EXPECT_FALSE(fs::exists(dir_ / "Impostazioni.txt.illeggibile"));
    }
}

// What "Ok" reports is where the file is: still in its place when the first
// name cannot be removed, beside it when it cannot go back.
TEST_F(CartellaTemporanea, SeNonSiPuoRimettereAlSuoPostoLoDice) {
    const fs::path f = dir_ / "Impostazioni.txt";
    scrivi(f, "vecchio");
    ChiamateAccanto chiamate;
    chiamate.elimina = [](const char*) {
        errno = EBUSY;
        return -1;
    };
    std::string errore;
    EXPECT_FALSE(MettiDaParte(f, NomeAccanto(f, 1), &errore, chiamate));
    EXPECT_EQ(errore, std::strerror(EBUSY));
    EXPECT_EQ(LeggiByte(f), "vecchio");
    EXPECT_EQ(std::distance(fs::directory_iterator(dir_), {}), 1) << "no second name left";

    StatoPrincipale s;
    CaricaImpostazioni(s, f);
    ASSERT_TRUE(s.impostazioniScartate);
    fs::path conservato = "x";
    EXPECT_FALSE(SalvaImpostazioni(s, f, [](const fs::path&, std::string_view) { return false; }, &conservato));
    EXPECT_EQ(conservato, fs::path()) << "back in its place";
    EXPECT_EQ(LeggiByte(f), "vecchio");
    // Another file in its place by then: it stays beside, and "Ok" says where.
    EXPECT_FALSE(SalvaImpostazioni(
        s, f,
        [&](const fs::path& p, std::string_view) {
            scrivi(p, "altro");
            return false;
        },
        &conservato));
    EXPECT_EQ(conservato, NomeAccanto(f, 1));
    EXPECT_EQ(LeggiByte(conservato), "vecchio");
    EXPECT_EQ(LeggiByte(f), "altro");
}

// Written whole by another start since: "Ok" replaces it as any file it reads.
TEST_F(CartellaTemporanea, UnFileRiscrittoIntantoNonVieneMessoDaParte) {
    StatoPrincipale s;
    const fs::path f = caricaSoloCR(s);
    ASSERT_TRUE(s.impostazioniScartate);
    scrivi(f, Scelte);
    fs::path conservato = "x";
    ASSERT_TRUE(SalvaImpostazioni(s, f, nullptr, &conservato));
    EXPECT_EQ(conservato, fs::path());
    EXPECT_EQ(std::distance(fs::directory_iterator(dir_), {}), 1);
    EXPECT_EQ(LeggiByte(f), TestoImpostazioni(RaccogliImpostazioni(s)));
}

// Shipped data is never written: not with the data read in place, where a
// file that cannot be taken is not promised a place beside it, nor through a
// link from the user's folder into it.
TEST_F(CartellaTemporanea, NeiDatiDistribuitiNonSiScriveNulla) {
    const fs::path distribuiti = dir_ / "share/velmorakov/VelmoraKOV";
    fs::create_directories(distribuiti / "Dati");
    const fs::path f = distribuiti / "Dati/Impostazioni.txt";
    scrivi(f, SoloCR(Scelte));
    StatoPrincipale s;
    s.percorsi.CartellaDati = (distribuiti / "Dati").string() + "/";
    s.percorsi.Distribuite = {distribuiti.string() + "/"};
    s.percorsi.SolaLettura = DatiInSolaLettura{"/casa/VelmoraKOV/", "disco pieno"};
    CaricaImpostazioni(s, f);
    ASSERT_TRUE(s.impostazioniScartate);
    EXPECT_EQ(s.impostazioniScartate->accanto, fs::path());
    const std::string detto = DescriviImpostazioniScartate(*s.impostazioniScartate);
    EXPECT_TRUE(detto.ends_with("Si usano i valori di progetto. Il file resta com'\xC3\xA8.")) << detto;
    std::string errore;
    EXPECT_FALSE(SalvaImpostazioni(s, f, &errore));
    EXPECT_EQ(errore, "i dati in uso sono quelli distribuiti con il programma, che il programma non scrive.");

    // The user's own folder, whose settings file is a link into the shipped data.
    scrivi(f, Scelte);
    const fs::path utente = dir_ / "utente";
    fs::create_directories(utente);
    fs::create_symlink(f, utente / "Impostazioni.txt");
    s.percorsi.SolaLettura.reset();
    s.percorsi.CartellaDati = utente.string() + "/";
    CaricaImpostazioni(s, utente / "Impostazioni.txt");
    EXPECT_EQ(s.LinguaNote, "EN");
    EXPECT_FALSE(SalvaImpostazioni(s, utente / "Impostazioni.txt", &errore));
    EXPECT_EQ(errore, "il file \xC3\xA8 nei dati distribuiti con il programma, \"" + distribuiti.string() +
                          "/\", che il programma non scrive.");
    EXPECT_EQ(LeggiByte(f), Scelte);
    EXPECT_EQ(std::distance(fs::directory_iterator(distribuiti / "Dati"), {}), 1);
    // A link to a file not there, in the shipped data: not written through either.
    fs::remove(f);
    CaricaImpostazioni(s, utente / "Impostazioni.txt");
    ASSERT_TRUE(s.impostazioniScartate);
    const std::string detto2 = DescriviImpostazioniScartate(*s.impostazioniScartate);
    EXPECT_TRUE(detto2.ends_with("\", che non c'\xC3\xA8, nei dati distribuiti con il programma, che il programma non "
                                 "scrive.\nSi usano i valori di progetto. Con \"Ok\" all'uscita le impostazioni non si "
                                 "potranno salvare."))
        << detto2;
    EXPECT_FALSE(SalvaImpostazioni(s, utente / "Impostazioni.txt", &errore));
    EXPECT_TRUE(fs::is_empty(distribuiti / "Dati"));
}

}  // namespace
}  // namespace vk
