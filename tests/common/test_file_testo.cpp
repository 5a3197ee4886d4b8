#include <gtest/gtest.h>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <atomic>
#include <cerrno>
#include <fstream>
#include <functional>
#include <ostream>
#include <thread>
#include <chrono>
#include <climits>
#include <ctime>
#include <filesystem>
#include <string>
#include <vector>

#include "common/FileTesto.h"
#include "common/LetturaFile.h"
#include "common/ScritturaFile.h"
#include "tests/comune/CartellaProva.h"
#include "tests/comune/ChiamateNegate.h"
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

TEST(Windows1252, CaratteriUtf8ComeLiPrendeLaConversione) {
    // Each character as its bytes, with its code point; each byte of
    // malformed UTF-8 alone, with none, as Windows1252DaUtf8 writes it '?'.
    const auto c = CaratteriUtf8("a\u266D\U0001F600\xC3(\xED\xA0\x80");
    const std::vector<std::pair<std::string, std::optional<char32_t>>> attesi = {
        {"a", U'a'}, {"\u266D", U'\u266D'}, {"\U0001F600", U'\U0001F600'}, {"\xC3", std::nullopt},
        {"(", U'('},  {"\xED", std::nullopt}, {"\xA0", std::nullopt},          {"\x80", std::nullopt},
    };
    ASSERT_EQ(c.size(), attesi.size());
    for (size_t i = 0; i < c.size(); ++i) {
        EXPECT_EQ(c[i].byte, attesi[i].first) << i;
        EXPECT_EQ(c[i].codice, attesi[i].second) << i;
    }
    EXPECT_TRUE(CaratteriUtf8("").empty());
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
    LettoreVoci r = LettoreVoci::daWindows1252(c.testo);
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
    LettoreVoci r = LettoreVoci::daWindows1252("\"a\"\r\n");
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

// What the reader records of each item's line: the bytes before a quote, a
// CR that ends no line, what follows a closing quote; and the first byte no
// text holds among those it went past. Positions are the file's bytes.
TEST(Lettura, RegistraCioCheLaRigaContiene) {
    constexpr auto No = VoceLetta::Nessuno;
    struct Caso {
        const char* nome;
        std::string riga;  // a file of one line
        std::size_t inizio, virgolette, crSolo, dopo;
        bool vuota;
    };
    const Caso casi[] = {
        {"tra virgolette", "\"a\"\r\n", 0, No, No, No, false},
        {"spazi prima e dopo", "  \"a\" \t\r\n", 2, No, No, No, false},
        {"testo dopo le virgolette", "\"a\" b\r\n", 0, No, No, 4, false},
        {"CR solo dopo le virgolette", "\"a\"\rb\r\n", 0, No, 3, 4, false},
        {"CR nel testo tra virgolette", "\"a\rb\"\r\n", 0, No, No, No, false},
        {"byte prima delle virgolette", "\xEF\xBB\xBF\"a\"\r\n", 0, 3, No, No, false},
        {"CR solo in una voce nuda", "a\rb\r\n", 0, No, 1, No, false},
        {"CR solo a fine file", "a\r", 0, No, No, No, false},
        {"riga vuota", " \t\r\n", 2, No, No, No, true},
        {"due CR", "\r\r\n", 0, No, 0, No, false},
    };
    for (const Caso& c : casi) {
        SCOPED_TRACE(c.nome);
        LettoreVoci r = LettoreVoci::daWindows1252(c.riga);
        ASSERT_TRUE(r.leggi());
        ASSERT_EQ(r.lette().size(), 1u);
        const VoceLetta& v = r.lette()[0];
        EXPECT_EQ(v.inizio, c.inizio);
        EXPECT_EQ(v.virgolette, c.virgolette);
        EXPECT_EQ(v.crSolo, c.crSolo);
        EXPECT_EQ(v.dopo, c.dopo);
        EXPECT_EQ(v.vuota(), c.vuota);
        EXPECT_EQ(v.fine, c.riga.size());
    }
}

TEST(Lettura, IlPrimoByteCheUnTestoNonHa) {
    struct Caso {
        std::string byte;
        int letture;
        std::size_t primo;
    };
    const Caso casi[] = {
        {"\"a\tb\"\r\nc\r\n", 9, VoceLetta::Nessuno},       // a tab is text
        {std::string("\"a\"\r\n\0b\r\n", 8), 9, 5},          // NUL
        {"\"a\"\r\nb\x7F\r\n", 9, 6},                       // DEL
        {"\"a\"\r\nb\x1A\r\n", 1, VoceLetta::Nessuno},      // not reached yet
        {"\"a\" \x01\r\nb\r\n", 1, 4},                      // skipped with the line's rest
        {"\"a\x0C", 1, 2},                                 // in quotes to the end
        {"\x80\x81\x9D\xFF\r\n", 9, VoceLetta::Nessuno},   // letters of Windows-1252, or none
    };
    for (const Caso& c : casi) {
        LettoreVoci r = LettoreVoci::daWindows1252(c.byte);
        for (int i = 0; i < c.letture; ++i) r.leggi();
        EXPECT_EQ(r.primoNonTesto(), c.primo) << ::testing::PrintToString(c.byte);
    }
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

// The two ways of writing, each on a system of its own: through a file with
// no name where the file system makes them, and through a named temporary
// where it makes none (vfat, many network mounts).
enum class Via { SenzaNome, ConNome };
constexpr Via Vie[] = {Via::SenzaNome, Via::ConNome};

const char* NomeVia(Via via) { return via == Via::ConNome ? "con nome" : "senza nome"; }

// Makes the calling child's system the one of `via`: for the named way, an
// open that asks for a file with no name is refused as vfat refuses it.
// False when it cannot be made so, `cartella` still making them.
bool ImponiVia(Via via, const std::filesystem::path& cartella) {
    if (via == Via::SenzaNome) return true;
    return prova::NegaFileSenzaNome() && !prova::FileSenzaNome(cartella) && errno == EOPNOTSUPP;
}

// ScriviByte in a child whose system `sistema` sets first, under a file
// limit of `limite` bytes: 0 when it wrote, 1 when it failed and said why,
// 100 when the system could not be set, another number when it wrote and
// said a reason or failed saying none.
int ScriviInUnFiglio(const std::function<bool()>& sistema, const std::filesystem::path& f, const std::string& byte,
                     rlim_t limite = RLIM_INFINITY) {
    return prova::ConLimiteFile(limite, [&] {
        if (!sistema()) return 100;
        std::string motivo;
        if (ScriviByte(f, byte, &motivo)) return motivo.empty() ? 0 : 2;
        return motivo.empty() ? 3 : 1;
    });
}

int ScriviInUnFiglio(Via via, const std::filesystem::path& f, const std::string& byte, rlim_t limite = RLIM_INFINITY) {
    return ScriviInUnFiglio([&] { return ImponiVia(via, f.parent_path()); }, f, byte, limite);
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
    for (const Via via : Vie) {
        for (const Caso& c : casi) {
            SCOPED_TRACE(std::to_string(c.byte) + " " + NomeVia(via));
            ASSERT_TRUE(ScriviByte(f, vecchio));
            const std::string nuovo(c.byte, 'x');
            // A failure always says why.
            EXPECT_EQ(ScriviInUnFiglio(via, f, nuovo, 4096), c.riesce ? 0 : 1);
            EXPECT_EQ(LeggiByte(f), c.riesce ? nuovo : vecchio);
            EXPECT_EQ(VociInCartella(cartella_), 1);
        }
    }
}

TEST_F(FileSuDisco, UnFileSenzaNomeCheNonPrendeNomeSiScriveConUnNome) {
    // A system that makes files with no name but will not link them to one
    // (no /proc, no right to link by descriptor, a sandbox): the save goes
    // through a named temporary instead, whole, and leaves nothing beside.
    if (!prova::FileSenzaNome(cartella_)) GTEST_SKIP() << "no files with no name on this file system";
    const auto f = cartella_ / "Equabile.txt";
    ASSERT_TRUE(ScriviByte(f, "vecchio"));
    EXPECT_EQ(ScriviInUnFiglio([] { return prova::NegaChiamate({__NR_linkat}, EPERM); }, f, "nuovo"), 0);
    EXPECT_EQ(LeggiByte(f), "nuovo");
    EXPECT_EQ(VociInCartella(cartella_), 1);
}

TEST_F(FileSuDisco, PermessiEDestinazioniSpeciali) {
    const auto f = cartella_ / "Mio.txt";
    ASSERT_TRUE(ScriviByte(f, "uno"));
    std::filesystem::permissions(f, std::filesystem::perms::owner_read | std::filesystem::perms::owner_write);
    for (const Via via : Vie) {
        SCOPED_TRACE(NomeVia(via));
        ASSERT_EQ(ScriviInUnFiglio(via, f, "due"), 0);
        EXPECT_EQ(std::filesystem::status(f).permissions() & std::filesystem::perms::all,
                  std::filesystem::perms::owner_read | std::filesystem::perms::owner_write);
    }

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

// Sets the time of a file (of a link itself) back past the age of a leftover.
void Invecchia(const std::filesystem::path& p) {
    const auto eta = std::chrono::duration_cast<std::chrono::seconds>(EtaAvanzo).count();
    const timespec t{std::time(nullptr) - static_cast<std::time_t>(eta) - 600, 0};
    const timespec tempi[2] = {t, t};
    ASSERT_EQ(::utimensat(AT_FDCWD, p.c_str(), tempi, AT_SYMLINK_NOFOLLOW), 0) << p;
}

TEST_F(FileSuDisco, UnaScritturaUccisaLasciaIlVecchioENullaDaIndovinare) {
    // A save killed half way, as kill -9 or a power cut would kill it (here
    // a size limit in a process that has not made it a failure, as the
    // program has). A file with no name leaves nothing; a named temporary
    // stays while it may be being written, and goes once it is certainly a
    // leftover.
    const bool senzaNome = prova::FileSenzaNome(cartella_);
    for (const Via via : Vie) {
        const bool conNome = via == Via::ConNome || !senzaNome;
        SCOPED_TRACE(NomeVia(conNome ? Via::ConNome : Via::SenzaNome));
        const auto d = cartella_ / (via == Via::ConNome ? "con" : "senza");
        std::filesystem::create_directory(d);
        const auto f = d / "Equabile.txt";
        ASSERT_EQ(ScriviInUnFiglio(via, f, "equabile"), 0);
        // A child not killed (its system not set) is no id.
        const pid_t ucciso = prova::UccisoDalLimiteFile(4096, [&] {
            if (ImponiVia(via, d)) ScriviByte(f, std::string(1 << 20, 'x'));
        });
        ASSERT_GT(ucciso, 0);
        EXPECT_EQ(LeggiByte(f), "equabile");
        const std::string avanzo = NomeTemporaneo("Equabile.txt", ucciso, 0);
        std::vector<std::string> attesi = {"Altro.txt", "Equabile.txt"};
        if (conNome) attesi.insert(attesi.begin(), avanzo);
        ASSERT_EQ(ScriviInUnFiglio(via, d / "Altro.txt", "altro"), 0);
        EXPECT_EQ(Nomi(d), attesi);
        if (!conNome) continue;
        Invecchia(d / avanzo);
        ASSERT_EQ(ScriviInUnFiglio(via, d / "Altro.txt", "altro"), 0);
        EXPECT_EQ(Nomi(d), (std::vector<std::string>{"Altro.txt", "Equabile.txt"}));
        EXPECT_EQ(LeggiByte(f), "equabile");
    }
}

std::string Sostituito(std::string s, const std::string& da, const std::string& a) {
    const auto dove = s.find(da);
    return dove == std::string::npos ? s : s.replace(dove, da.size(), a);
}

TEST_F(FileSuDisco, UnSalvataggioRimuoveSoloCioCheECertamenteUnSuoAvanzo) {
    const pid_t finito = prova::ProcessoFinito();
    ASSERT_GT(finito, 0);
    const std::string morto = std::to_string(finito);
    const std::string avanzo = NomeTemporaneo("Nuovo.txt", finito, 0);
    const std::string sistema = avanzo.substr(avanzo.find(".velmorakov-") + 12, 16);
    std::string altroSistema = sistema;
    altroSistema[0] = sistema[0] == '0' ? '1' : '0';
    // Its own name form, this system, this user, old, the process gone; the
    // target's name cut to fit.
    const std::vector<std::string> avanzi = {avanzo, NomeTemporaneo("Nuovo.txt", finito, 99),
                                             NomeTemporaneo(std::string(300, 'n'), finito, 0)};
    const std::vector<std::string> altri = {
        // The user's names that look like the leftovers of earlier versions,
        // and one such leftover: never certainly this program's.
        "Note.txt.2024-12.tmp~", "Bach.txt.4000000-0.tmp~", "x.99999-7.tmp~", "Equabile.txt." + morto + "-0.tmp~",
        // Of another system (another machine, a container) or of one unknown.
        Sostituito(avanzo, sistema, altroSistema), Sostituito(avanzo, sistema, "0000000000000000"),
        // Of a process still running, which may be writing it.
        NomeTemporaneo("Nuovo.txt", ::getpid(), 0),
        // Near the name form, not it.
        avanzo.substr(1), avanzo + "~", Sostituito(avanzo, ".tmp", ".TMP"), Sostituito(avanzo, "-0.tmp", "-100.tmp"),
        Sostituito(avanzo, "-0.tmp", "-00.tmp"), Sostituito(avanzo, "-" + morto + "-", "-0" + morto + "-"),
        Sostituito(avanzo, "-" + morto + "-", "-0-"), Sostituito(avanzo, ".velmorakov-", ".velmorakov_"),
        Sostituito(avanzo, sistema, sistema.substr(1)), Sostituito(avanzo, ".Nuovo.txt.", "."), "Mio.txt",
        "Mio.txt~"};
    for (const auto& n : avanzi) std::ofstream(cartella_ / n) << "resto";
    for (const auto& n : altri) std::ofstream(cartella_ / n) << "mio";
    // Of its form but recent, a folder, a link, and (where a test may give
    // a file away) another user's.
    std::vector<std::string> tenuti = {NomeTemporaneo("Recente.txt", finito, 0), NomeTemporaneo("Cartella", finito, 0),
                                       NomeTemporaneo("Collegamento", finito, 0)};
    std::ofstream(cartella_ / tenuti[0]) << "recente";
    std::filesystem::create_directory(cartella_ / tenuti[1]);
    std::filesystem::create_symlink("Mio.txt", cartella_ / tenuti[2]);
    if (::geteuid() == 0) {
        tenuti.push_back(NomeTemporaneo("Altrui.txt", finito, 0));
        std::ofstream(cartella_ / tenuti.back()) << "altrui";
        ASSERT_EQ(::chown((cartella_ / tenuti.back()).c_str(), 4242, 4242), 0);
    }
    for (const auto& v : {avanzi, altri}) for (const auto& n : v) Invecchia(cartella_ / n);
    for (std::size_t i = 1; i < tenuti.size(); ++i) Invecchia(cartella_ / tenuti[i]);

    ASSERT_TRUE(ScriviByte(cartella_ / "Altro.txt", "altro"));
    std::vector<std::string> attesi = altri;
    attesi.insert(attesi.end(), tenuti.begin(), tenuti.end());
    attesi.push_back("Altro.txt");
    std::sort(attesi.begin(), attesi.end());
    EXPECT_EQ(Nomi(cartella_), attesi);
    for (const auto& n : altri) EXPECT_EQ(LeggiByte(cartella_ / n), "mio") << n;
}

TEST_F(FileSuDisco, NomiLunghiQuantoUnNomePuoEssere) {
    // The temporary's name fits whatever the target's, cut between
    // characters, not inside one.
    std::string accenti;
    for (int i = 0; i < 127; ++i) accenti += "\xC3\xA8";
    for (const Via via : Vie) {
        for (const std::string& nome : {std::string(NAME_MAX, 'n'), accenti}) {
            SCOPED_TRACE(std::to_string(nome.size()) + " " + NomeVia(via));
            ASSERT_EQ(ScriviInUnFiglio(via, cartella_ / nome, "x"), 0);
            EXPECT_EQ(LeggiByte(cartella_ / nome), "x");
        }
        EXPECT_EQ(VociInCartella(cartella_), 2);
    }
    // Ids of one and two digits: the room left is of either parity.
    for (const long processo : {1, 10}) {
        const std::string t = NomeTemporaneo(accenti, processo, 0);
        EXPECT_LE(t.size(), std::size_t{NAME_MAX});
        EXPECT_EQ(std::count(t.begin(), t.end(), '\xC3'), std::count(t.begin(), t.end(), '\xA8')) << processo;
    }
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
