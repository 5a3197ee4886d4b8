#include <gtest/gtest.h>

#include <sys/stat.h>

#include <algorithm>
#include <atomic>
#include <fstream>
#include <ostream>
#include <thread>
#include <chrono>
#include <filesystem>
#include <string>
#include <vector>

#include "common/FileTesto.h"
#include "tests/comune/CartellaProva.h"
#include "tests/comune/LimiteFile.h"

namespace vk {
namespace {

TEST(Windows1252, OgniByteFaIlGiroCompleto) {
    std::string tutti;
    for (int b = 0; b < 256; ++b) tutti += static_cast<char>(b);
    const std::string utf8 = Utf8DaWindows1252(tutti);
    EXPECT_EQ(Windows1252DaUtf8(utf8), tutti);
    EXPECT_EQ(std::count(utf8.begin(), utf8.end(), '?'), 1);  // only byte 0x3F itself
}

struct CasoByte {
    unsigned char byte;
    const char* utf8;
};
// The case in the test list by its byte, not as the struct's bytes.
void PrintTo(const CasoByte& c, std::ostream* os) { *os << "0x" << std::hex << static_cast<int>(c.byte); }

class Tabella1252 : public ::testing::TestWithParam<CasoByte> {};

TEST_P(Tabella1252, InEntrambeLeDirezioni) {
    const auto& c = GetParam();
    const std::string b(1, static_cast<char>(c.byte));
    EXPECT_EQ(Utf8DaWindows1252(b), c.utf8);
    EXPECT_EQ(Windows1252DaUtf8(c.utf8), b);
}

INSTANTIATE_TEST_SUITE_P(Byte, Tabella1252,
                         ::testing::Values(CasoByte{0x41, "A"}, CasoByte{0x80, "\u20AC"},
                                           CasoByte{0x81, "\u0081"}, CasoByte{0x8A, "\u0160"},
                                           CasoByte{0x8D, "\u008D"}, CasoByte{0x8F, "\u008F"},
                                           CasoByte{0x90, "\u0090"}, CasoByte{0x92, "\u2019"},
                                           CasoByte{0x96, "\u2013"}, CasoByte{0x9D, "\u009D"},
                                           CasoByte{0x9F, "\u0178"}, CasoByte{0xA0, "\u00A0"},
                                           CasoByte{0xE0, "\u00E0"}, CasoByte{0xE8, "\u00E8"},
                                           CasoByte{0xF9, "\u00F9"}, CasoByte{0xFF, "\u00FF"}));

TEST(Windows1252, CaratteriSenzaByte) {
    struct {
        const char* utf8;
        const char* atteso;
    } casi[] = {
        {"Pi\u00F9 \u03A9", "Pi\xF9 ?"},      // Greek capital omega
        {"\U0001D11E", "?"},                    // one character of four bytes
        {"\xC3", "?"},                          // truncated
        {"a\xE2\x82", "a??"},                   // truncated three-byte sequence
        {"\xC0\xAF", "??"},                     // overlong
        {"\xED\xA0\x80", "???"},                // surrogate
        {"\xE2\x82\xAC\xFF", "\x80?"},          // euro, then a stray byte
        {"Do\r\nRe", "Do\r\nRe"},
    };
    for (const auto& c : casi) EXPECT_EQ(Windows1252DaUtf8(c.utf8), c.atteso) << c.utf8;
}

struct CasoLettura {
    const char* nome;
    const char* testo;
    std::vector<std::string> voci;
    EsitoLettura esitoFinale;
};
void PrintTo(const CasoLettura& c, std::ostream* os) { *os << c.nome; }

class Lettura : public ::testing::TestWithParam<CasoLettura> {};

TEST_P(Lettura, Voci) {
    const auto& c = GetParam();
    LettoreVoci r{std::string(c.testo)};
    std::vector<std::string> lette;
    while (auto v = r.leggi()) lette.push_back(*v);
    EXPECT_EQ(lette, c.voci);
    EXPECT_EQ(r.esito(), c.esitoFinale);
}

INSTANTIATE_TEST_SUITE_P(
    Casi, Lettura,
    ::testing::Values(
        CasoLettura{"Temperamento",
                    "\"TEMPERAMENTO EQUABILE\"\r\n\"Riga uno\r\nRiga due\"\r\n\"Comma Pitagorico\"\r\n\"992376\"\r\n",
                    {"TEMPERAMENTO EQUABILE", "Riga uno\r\nRiga due", "Comma Pitagorico", "992376"},
                    EsitoLettura::FineFile},
        CasoLettura{"NumeriNudi", "No Colori Quinte\r\nIT\r\n135\r\n12632319", {"No Colori Quinte", "IT", "135", "12632319"},
                    EsitoLettura::FineFile},
        CasoLettura{"SoloLF", "1\n\"a\nb\"\n2\n", {"1", "a\nb", "2"}, EsitoLettura::FineFile},
        CasoLettura{"RestoDellaRigaSaltato", "\"a\" ,\"b\"\r\n\"c\"x\r\nd\r\n", {"a", "c", "d"},
                    EsitoLettura::FineFile},
        CasoLettura{"SpaziPrima", "   \"x\"\r\n\t 12  \r\n", {"x", "12"}, EsitoLettura::FineFile},
        CasoLettura{"RigaVuota", "a\r\n\r\nb\r\n", {"a", "", "b"}, EsitoLettura::FineFile},
        CasoLettura{"VirgoletteVuote", "\"\"\r\n\"\"", {"", ""}, EsitoLettura::FineFile},
        CasoLettura{"VirgolaNonSepara", "701,96\r\n\"a, b\"\r\n", {"701,96", "a, b"}, EsitoLettura::FineFile},
        CasoLettura{"FileVuoto", "", {}, EsitoLettura::FineFile},
        CasoLettura{"VirgoletteNonChiuse", "\"uno\"\r\n\"due\r\ntre\r\n", {"uno"},
                    EsitoLettura::VirgoletteNonChiuse},
        CasoLettura{"VirgolettaAllaFine", "4\r\n\"", {"4"}, EsitoLettura::VirgoletteNonChiuse}),
    [](const auto& i) { return std::string(i.param.nome); });

TEST(Lettura, DopoLaFineRestaAllaFine) {
    LettoreVoci r{std::string("\"a\"\r\n")};
    EXPECT_EQ(r.leggi(), "a");
    EXPECT_TRUE(r.traVirgolette());
    EXPECT_TRUE(r.fine());
    EXPECT_EQ(r.leggi(), std::nullopt);
    EXPECT_EQ(r.leggi(), std::nullopt);
    EXPECT_EQ(r.esito(), EsitoLettura::FineFile);
}

TEST(Lettura, DaWindows1252) {
    LettoreVoci r = LettoreVoci::daWindows1252("\"Citt\xE0 \x80\"\r\n88\r\n");
    EXPECT_EQ(r.leggi(), "Citt\u00E0 \u20AC");
    EXPECT_EQ(r.leggi(), "88");
    EXPECT_FALSE(r.traVirgolette());
}

TEST(Scrittura, UnaVocePerRigaConCRLF) {
    ScrittoreVoci w;
    w.testo("Pi\u00F9 \"dolce\"");  // no escape: written as it stands
    w.testo("Riga uno\r\nRiga due");
    w.numero("-0,5");
    w.numero(int64_t{12632319});
    w.testo("");
    EXPECT_EQ(w.windows1252(),
              "\"Pi\xF9 \"dolce\"\"\r\n\"Riga uno\r\nRiga due\"\r\n-0,5\r\n12632319\r\n\"\"\r\n");
}

TEST(Scrittura, RiletturaDiQuantoSiScrive) {
    const std::vector<std::string> testi = {"TEMPERAMENTO EQUABILE", "Descrizione\r\nsu due righe \u20AC\u00E8", "",
                                            "  spazi  "};
    ScrittoreVoci w;
    for (const auto& t : testi) w.testo(t);
    w.numero(int64_t{-135});
    LettoreVoci r = LettoreVoci::daWindows1252(w.windows1252());
    for (const auto& t : testi) EXPECT_EQ(r.leggi(), t);
    EXPECT_EQ(r.leggi(), "-135");
    EXPECT_EQ(r.leggi(), std::nullopt);
}

class FileSuDisco : public ::testing::Test {
protected:
    void SetUp() override {
        cartella_ = prova::CartellaDelTest();
    }
    std::filesystem::path cartella_;
};

TEST_F(FileSuDisco, ScriveELeggeOgniByte) {
    std::string tutti;
    for (int b = 0; b < 256; ++b) tutti += static_cast<char>(b);
    const auto f = cartella_ / "Prova.txt";
    ASSERT_TRUE(ScriviByte(f, tutti));
    EXPECT_EQ(LeggiByte(f), tutti);
}

TEST_F(FileSuDisco, RiscritturaPiuCortaSenzaResti) {
    const auto f = cartella_ / "Impostazioni.txt";
    ASSERT_TRUE(ScriviByte(f, "una riga lunga\r\n"));
    ASSERT_TRUE(ScriviByte(f, "x\r\n"));
    EXPECT_EQ(LeggiByte(f), "x\r\n");
    int file = 0;
    for ([[maybe_unused]] const auto& e : std::filesystem::directory_iterator(cartella_)) ++file;
    EXPECT_EQ(file, 1);  // no temporary left beside it
}

TEST_F(FileSuDisco, Mancanti) {
    EXPECT_EQ(LeggiByte(cartella_ / "nessuno.txt"), std::nullopt);
    EXPECT_EQ(LeggiByte(cartella_), std::nullopt);  // a folder reads as no file
    EXPECT_FALSE(ScriviByte(cartella_ / "manca" / "x.txt", "x"));
    EXPECT_FALSE(std::filesystem::exists(cartella_ / "manca"));
}

TEST_F(FileSuDisco, ScritturaFallitaLasciaIlVecchio) {
    // The target is a folder that is not empty: the rename fails.
    const auto d = cartella_ / "Equabile.txt";
    std::filesystem::create_directories(d / "dentro");
    EXPECT_FALSE(ScriviByte(d, "nuovo"));
    EXPECT_TRUE(std::filesystem::is_directory(d / "dentro"));
    int voci = 0;
    for ([[maybe_unused]] const auto& e : std::filesystem::directory_iterator(cartella_)) ++voci;
    EXPECT_EQ(voci, 1);
}

// Nothing but the file named is left in the folder.
int VociInCartella(const std::filesystem::path& d) {
    int n = 0;
    for ([[maybe_unused]] const auto& e : std::filesystem::directory_iterator(d)) ++n;
    return n;
}

TEST_F(FileSuDisco, DiscoPienoLasciaIlVecchioFileIntero) {
    // Under a 4096-byte file limit: a write that fits, one a byte too long,
    // one far too long.
    struct Caso {
        size_t byte;
        bool riesce;
    };
    const Caso casi[] = {{4096, true}, {4097, false}, {1 << 20, false}};
    const auto f = cartella_ / "Impostazioni.txt";
    const std::string vecchio = "vecchio\r\n";
    for (const Caso& c : casi) {
        SCOPED_TRACE(c.byte);
        ASSERT_TRUE(ScriviByte(f, vecchio));
        const std::string nuovo(c.byte, 'x');
        const int esito = prova::ConLimiteFile(4096, [&] {
            std::string motivo;
            const bool ok = ScriviByte(f, nuovo, &motivo);
            if (ok) return motivo.empty() ? 0 : 2;
            return motivo.empty() ? 3 : 1;  // a failure always says why
        });
        EXPECT_EQ(esito, c.riesce ? 0 : 1);
        EXPECT_EQ(LeggiByte(f), c.riesce ? nuovo : vecchio);
        EXPECT_EQ(VociInCartella(cartella_), 1);
    }
}

TEST_F(FileSuDisco, PermessiEDestinazioniSpeciali) {
    const auto f = cartella_ / "Mio.txt";
    ASSERT_TRUE(ScriviByte(f, "uno"));
    std::filesystem::permissions(f, std::filesystem::perms::owner_read | std::filesystem::perms::owner_write);
    ASSERT_TRUE(ScriviByte(f, "due"));
    EXPECT_EQ(std::filesystem::status(f).permissions() & std::filesystem::perms::all,
              std::filesystem::perms::owner_read | std::filesystem::perms::owner_write);

    // A link keeps pointing at the file, which gets the new bytes.
    const auto link = cartella_ / "Collegamento.txt";
    std::filesystem::create_symlink("Mio.txt", link);
    ASSERT_TRUE(ScriviByte(link, "tre"));
    EXPECT_TRUE(std::filesystem::is_symlink(link));
    EXPECT_EQ(LeggiByte(f), "tre");

    // A FIFO is not replaced by a file.
    const auto fifo = cartella_ / "Coda.txt";
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
    std::string motivo;
    EXPECT_FALSE(ScriviByte(fifo, "x", &motivo));
    EXPECT_FALSE(motivo.empty());
    EXPECT_TRUE(std::filesystem::is_fifo(fifo));
    EXPECT_EQ(VociInCartella(cartella_), 3);
}

// The names in a folder, sorted.
std::vector<std::string> Nomi(const std::filesystem::path& d) {
    std::vector<std::string> v;
    for (const auto& e : std::filesystem::directory_iterator(d)) v.push_back(e.path().filename().string());
    std::sort(v.begin(), v.end());
    return v;
}

TEST_F(FileSuDisco, LaScritturaSeguenteRimuoveITemporaneiDiUnaScritturaUccisa) {
    // A save killed half way by a size limit leaves its temporary.
    const auto f = cartella_ / "Equabile.txt";
    ASSERT_TRUE(ScriviByte(f, "equabile"));
    const pid_t ucciso = prova::UccisoDalLimiteFile(4096, [&] { ScriviByte(f, std::string(1 << 20, 'x')); });
    ASSERT_GT(ucciso, 0);
    const std::string avanzo = "Equabile.txt." + std::to_string(ucciso) + "-0.tmp~";
    ASSERT_EQ(Nomi(cartella_), (std::vector<std::string>{"Equabile.txt", avanzo}));
    const std::string morto = std::to_string(ucciso);
    // One of a file never written whole, and names that are not the writer's,
    // or are of a process still running, which may be writing them.
    const std::vector<std::string> avanzi = {"Nuovo.txt." + morto + "-99.tmp~"};
    const std::vector<std::string> altri = {
        "Equabile.txt." + morto + "-0.tmp",     "Equabile.txt." + morto + "-0.tmp~.bak",
        "Equabile.txt." + morto + "-100.tmp~",  "Equabile.txt.0" + morto + "-0.tmp~",
        "Equabile.txt." + morto + "-00.tmp~",   "Equabile.txt." + morto + "_0.tmp~",
        "Equabile.txt.-0.tmp~",                 "Equabile.txt.0-0.tmp~",
        "." + morto + "-0.tmp~",                "Equabile.txt." + std::to_string(::getpid()) + "-1.tmp~",
        "Equabile.txt.1-0.tmp~",                "Mio.txt",
        "Mio.txt~",
    };
    for (const auto& n : avanzi) std::ofstream(cartella_ / n) << "resto";
    for (const auto& n : altri) std::ofstream(cartella_ / n) << "mio";
    // A folder and a link named as a temporary are not files it wrote.
    std::filesystem::create_directory(cartella_ / ("Cartella." + morto + "-0.tmp~"));
    std::filesystem::create_symlink("Mio.txt", cartella_ / ("Collegamento." + morto + "-0.tmp~"));

    ASSERT_TRUE(ScriviByte(cartella_ / "Altro.txt", "altro"));
    std::vector<std::string> attesi = altri;
    attesi.insert(attesi.end(), {"Altro.txt", "Equabile.txt", "Cartella." + morto + "-0.tmp~",
                                 "Collegamento." + morto + "-0.tmp~"});
    std::sort(attesi.begin(), attesi.end());
    EXPECT_EQ(Nomi(cartella_), attesi);
    EXPECT_EQ(LeggiByte(f), "equabile");
    for (const auto& n : altri) EXPECT_EQ(LeggiByte(cartella_ / n), "mio") << n;
}

TEST_F(FileSuDisco, LetturaSenzaAttesaEConLimite) {
    const auto fifo = cartella_ / "Coda.txt";
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
    const auto file = cartella_ / "Dieci.txt";
    ASSERT_TRUE(ScriviByte(file, std::string(10, 'a')));
    struct Caso {
        std::filesystem::path percorso;
        std::uintmax_t massimo;
        EsitoFile esito;
    };
    const Caso casi[] = {
        {fifo, 100, EsitoFile::Illeggibile},  // no writer: an open that waited would never end
        {cartella_, 100, EsitoFile::Illeggibile},
        {cartella_ / "nessuno.txt", 100, EsitoFile::Mancante},
        {file / "sotto", 100, EsitoFile::Mancante},
        {file, 10, EsitoFile::Ok},
        {file, 9, EsitoFile::TroppoGrande},
        {"/dev/zero", 100, EsitoFile::Illeggibile},  // endless, not a regular file
    };
    for (const Caso& c : casi) {
        SCOPED_TRACE(c.percorso.string());
        const auto inizio = std::chrono::steady_clock::now();
        const LetturaFile l = LeggiFile(c.percorso, c.massimo);
        EXPECT_LT(std::chrono::steady_clock::now() - inizio, std::chrono::seconds(2));
        EXPECT_EQ(l.esito, c.esito);
        EXPECT_EQ(l.byte, c.esito == EsitoFile::Ok ? std::string(10, 'a') : std::string());
    }
}

TEST_F(FileSuDisco, UnaFifoMessaAlPostoDelFileNonBlocca) {
    // The path turns from a regular file into a FIFO and back while it is
    // read over and over: a check of the path before an open that waits
    // would sooner or later wait for ever. The child is killed after 20 s.
    const auto bersaglio = cartella_ / "Equabile.txt";
    const int esito = prova::ConLimiteFile(RLIM_INFINITY, [&] {
        ::alarm(20);
        std::atomic<bool> fine{false};
        std::thread scambi([&] {
            const auto file = cartella_ / "file", fifo = cartella_ / "fifo";
            while (!fine) {
                { std::ofstream(file) << "x"; }
                std::filesystem::rename(file, bersaglio);
                ::mkfifo(fifo.c_str(), 0600);
                std::filesystem::rename(fifo, bersaglio);
            }
        });
        int letti = 0, rifiutati = 0;
        const auto fino = std::chrono::steady_clock::now() + std::chrono::seconds(2);
        while (std::chrono::steady_clock::now() < fino) {
            const LetturaFile l = LeggiFile(bersaglio, 100);
            if (l.esito == EsitoFile::Ok) ++letti;
            else ++rifiutati;
        }
        fine = true;
        scambi.join();
        return letti > 0 && rifiutati > 0 ? 0 : 1;
    });
    EXPECT_EQ(esito, 0);
}

}  // namespace
}  // namespace vk
