#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "common/FileTesto.h"
#include "common/LetturaFile.h"
#include "common/ScritturaFile.h"
#include "model/FileTemperamento.h"
#include "tests/comune/CartellaProva.h"
#include "tests/comune/DerivazioniPassoPasso.h"

using namespace vk;

namespace {

std::string Ripeti(const std::string& riga, int volte) {
    std::string s;
    for (int i = 0; i < volte; ++i) s += riga;
    return s;
}

// The initial temperament as Save must write it, spelled out byte by byte.
const std::string Equabile =
    "\"TEMPERAMENTO EQUABILE\r\n"
    "\"\r\n"
    "\"Questo temperamento distribuisce in \r\n"
    "modo uniforme l'errore di comma in tutte\r\n"
    "le quinte, rendendo possibile \r\n"
    "l'esecuzione di brani in qualsiasi tonalit\xE0\r\n"
    "e con i medesimi rapporti intervallari.\r\n"
    "\"\r\n"
    "\"Comma Pitagorico\"\r\n" +
    Ripeti("\"992376\"\r\n", 12) + Ripeti("\"700\"\r\n", 12) + Ripeti("\"-1/12\"\r\n", 12) +
    Ripeti("\"567072\"\r\n", 12) + Ripeti("\"400\"\r\n", 12) + Ripeti("\"141768\"\r\n", 12) +
    Ripeti("\"100\"\r\n", 12);

std::filesystem::path Temporaneo(const std::string& nome) { return prova::CartellaDelTest() / nome; }

// The bytes with every CR LF replaced by `fine`.
std::string ConFineRiga(const std::string& byte, const std::string& fine) {
    std::string r;
    for (size_t i = 0; i < byte.size(); ++i) {
        if (byte.compare(i, 2, "\r\n") == 0) {
            r += fine;
            ++i;
        } else {
            r += byte[i];
        }
    }
    return r;
}

// The bytes with line `riga` (from 1) replaced by `nuova`.
std::string Sostituisci(std::string s, int riga, const std::string& nuova) {
    size_t inizio = 0;
    for (int i = 1; i < riga; ++i) inizio = s.find("\r\n", inizio) + 2;
    size_t fine = s.find("\r\n", inizio);
    return s.replace(inizio, fine - inizio, nuova);
}

// The lines before line `riga` (from 1), and those from it on.
std::string PrimaDellaRiga(const std::string& s, int riga) {
    size_t inizio = 0;
    for (int i = 1; i < riga; ++i) inizio = s.find("\r\n", inizio) + 2;
    return s.substr(0, inizio);
}
std::string DallaRiga(const std::string& s, int riga) { return s.substr(PrimaDellaRiga(s, riga).size()); }

// Windows-1252 bytes written in UTF-16, low byte first or not, with or
// without the byte-order mark.
std::string Utf16(const std::string& byte, bool basso, bool bom) {
    std::string s = bom ? (basso ? "\xFF\xFE" : "\xFE\xFF") : "";
    for (char c : byte) {
        s += basso ? c : '\0';
        s += basso ? '\0' : c;
    }
    return s;
}

}  // namespace

TEST(FileTemperamento, EquabileBytePerByte) {
    const std::string b = ByteTemperamento(TemperamentoIniziale());
    EXPECT_EQ(b, Equabile);
    int righe = 0;
    for (size_t i = 0; i + 1 < b.size(); ++i) righe += b[i] == '\r' && b[i + 1] == '\n';
    EXPECT_EQ(righe, 93);
}

TEST(FileTemperamento, IlFileInstallatoEQuelloCheSalvaScrive) {
    auto byte = LeggiByte(std::filesystem::path(VK_SORGENTI) / "data/VelmoraKOV/Temperamenti/Equabile.txt");
    ASSERT_TRUE(byte);
    EXPECT_EQ(*byte, Equabile);
}

TEST(FileTemperamento, SalvaEApriRestituisconoOgniTesto) {
    Temperamento t = TemperamentoIniziale();
    t.Nome = "Werckmeister \xC3\xA0 \r\nriga due\r\n";
    t.Descrizione = "\r\nprima\r\n\r\nultima senza a capo";
    t.CommaCaption = "Comma pitagorico";  // neither caption: counts as syntonic
    t.Quinte[3] = "992376,0";             // a number not in its written form stays as text
    t.QuinteCents[5] = "699,5";
    t.Frazioni[12] = "- Schisma";
    t.SemitoniCents = {"", "90,22", "113,69", "100", "100", "100", "100", "100", "100", "100", "100", "100", "95"};
    const auto percorso = Temporaneo("giro.txt");
    ASSERT_TRUE(ScriviByte(percorso, ByteTemperamento(t)));

    LetturaTemperamento l = LeggiFileTemperamento(percorso);
    ASSERT_TRUE(l.ok()) << DescriviRifiuto(l.rifiuto, percorso.string());
    EXPECT_EQ(*l.voci, VociDi(t));

    Temperamento aperto = TemperamentoIniziale();
    aperto.QuintaSelezionata = 4;
    aperto.CopiaQuinte[3] = "1";
    ApplicaVoci(*l.voci, aperto);
    EXPECT_EQ(VociDi(aperto), VociDi(t));
    EXPECT_EQ(aperto.Quinte[3], "992376,0");
    EXPECT_EQ(aperto.CopiaQuinte, aperto.Quinte);
    EXPECT_EQ(aperto.CommaColore, Colori::VerdeChiaro);
    EXPECT_EQ(aperto.modoPerCaption(), ModoComma::Sintonico);
    EXPECT_EQ(aperto.ScartoSemitonale, "23,47");  // 113,69 - 90,22, from the cents read
    EXPECT_EQ(aperto.QuintaSelezionata, 4);
}

TEST(FileTemperamento, RigheChiuseDaSoloLFAccettate) {
    auto l = LeggiTemperamento(ConFineRiga(Equabile, "\n"));
    ASSERT_TRUE(l.ok()) << DescriviMotivo(l.rifiuto);
    EXPECT_EQ((*l.voci)[3], "992376");
    EXPECT_EQ((*l.voci)[86], "100");
}

TEST(FileTemperamento, LaCommaPitagoricaEsattaColoraDiRosso) {
    Temperamento t = TemperamentoIniziale();
    t.impostaModo(ModoComma::Sintonico);
    auto l = LeggiTemperamento(Equabile);
    ASSERT_TRUE(l.ok());
    ApplicaVoci(*l.voci, t);
    EXPECT_EQ(t.CommaCaption, "Comma Pitagorico");
    EXPECT_EQ(t.CommaColore, Colori::RossoChiaro);
}

TEST(FileTemperamento, LeVirgoletteDiventanoApostrofi) {
    Temperamento t = TemperamentoIniziale();
    t.Nome = "Il \"buon\" temperamento";
    t.Frazioni[1] = "\"1/4\"";
    auto l = LeggiTemperamento(ByteTemperamento(t));
    ASSERT_TRUE(l.ok());
    EXPECT_EQ((*l.voci)[0], "Il 'buon' temperamento");
    EXPECT_EQ((*l.voci)[27], "'1/4'");
    EXPECT_EQ((*l.voci)[28], "-1/12");  // the items after it stay in place
}

// Every character Save would write changed, found by reading the bytes back
// as Open does: each distinct one once per item, with what it becomes.
TEST(FileTemperamento, PreparaSalvataggioTrovaICaratteriCambiati) {
    using Cambi = std::vector<CarattereCambiato>;
    struct Caso {
        const char* nome;
        int voce;  // 1 name, 2 description, else the item of a fraction
        std::string testo;
        Cambi attesi;
    } casi[] = {
        {"flat sign", 1, "Si\u266D", {{1, "\u266D", "?"}}},
        {"Greek and maths", 2, "\u03A9\u2248 \u03A9", {{2, "\u03A9", "?"}, {2, "\u2248", "?"}}},
        {"Chinese", 2, "\u4E2D\u6587\u4E2D", {{2, "\u4E2D", "?"}, {2, "\u6587", "?"}}},
        {"emoji, one character", 1, "A\U0001F3B5B", {{1, "\U0001F3B5", "?"}}},
        {"combining accent", 1, "e\u0301", {{1, "\u0301", "?"}}},
        {"replacement character", 2, "\uFFFD", {{2, "\uFFFD", "?"}}},
        {"C1 code point without a byte", 2, "a\u0085b", {{2, "\u0085", "?"}}},
        {"line separator in a fraction", 30, "1\u20284", {{30, "\u2028", "?"}}},
        {"double quote", 1, "Il \"buon\"", {{1, "\"", "'"}}},
        {"double quote in a fraction", 28, "\"1/4\"", {{28, "\"", "'"}}},
        {"sharp sign in a fraction", 39, "1/4\u266F", {{39, "\u266F", "?"}}},
        {"both kinds", 2, "\"\u266D\"", {{2, "\"", "'"}, {2, "\u266D", "?"}}},
        // What the file holds as it is.
        {"Windows-1252 letters and signs", 1,
         "\u00E0\u00E8\u00E9\u00EC\u00F2\u00F9 \u20AC\u201A\u0192\u201E\u2026\u2020\u2021\u02C6\u2030\u0160\u2039"
         "\u0152\u017D\u2018\u2019\u201C\u201D\u2022\u2013\u2014\u02DC\u2122\u0161\u203A\u0153\u017E\u0178\u00A0\u00FF",
         {}},
        {"the five C1 code points with a byte", 2, "\u0081\u008D\u008F\u0090\u009D", {}},
        {"line breaks of every kind", 2, "a\r\nb\rc\nd\r\n", {}},
        {"CR and LF alone in a fraction", 29, "1\r/\n4", {}},
        {"controls, tab and NUL", 30, std::string("a\tb\x01\x1F\x7F\0z", 8), {}},
        {"empty", 1, "", {}},
    };
    for (const Caso& c : casi) {
        Temperamento t = TemperamentoIniziale();
        std::string& campo = c.voce == 1 ? t.Nome : c.voce == 2 ? t.Descrizione : t.Frazioni[c.voce - 27];
        campo = c.testo;
        const Salvataggio p = PreparaSalvataggio(t);
        EXPECT_EQ(p.rifiuto.motivo, MotivoRifiuto::Nessuno) << c.nome;
        EXPECT_EQ(p.cambiati, c.attesi) << c.nome;
        // The bytes are those Save always wrote.
        EXPECT_EQ(p.byte, ByteTemperamento(t)) << c.nome;
        if (c.attesi.empty()) {
            auto l = LeggiTemperamento(p.byte);
            ASSERT_TRUE(l.ok()) << c.nome;
            EXPECT_EQ(*l.voci, VociDi(t)) << c.nome;
        }
    }
}

TEST(FileTemperamento, PreparaSalvataggioNonConfrontaCioCheApriRifiuterebbe) {
    Temperamento t = TemperamentoIniziale();
    t.Nome = std::string(LunghezzaMassimaTesto, 'n') + "\u266D";
    const Salvataggio p = PreparaSalvataggio(t);
    EXPECT_EQ(p.rifiuto.motivo, MotivoRifiuto::VoceTroppoLunga);
    EXPECT_EQ(p.rifiuto.difetto.voce, 1);
    EXPECT_TRUE(p.cambiati.empty());
}

// Texts that do not pair character by character: the stretch that differs.
TEST(FileTemperamento, CaratteriCambiatiFraTestiDiLunghezzaDiversa) {
    struct Caso {
        const char* scritto;
        const char* riletto;
        std::vector<CarattereCambiato> attesi;
    } casi[] = {
        {"abc", "abc", {}},
        {"ab\u266Dc", "ab?c", {{5, "\u266D", "?"}}},
        {"abXYZdef", "ab?def", {{5, "XYZ", "?"}}},
        {"abXYZ", "ab", {{5, "XYZ", ""}}},
        {"ab", "aQQb", {{5, "a", "aQQ"}}},  // added characters: with the one before them
        {"ab", "QQab", {{5, "a", "QQa"}}},  // or after them, at the start
        {"", "QQ", {{5, "", "QQ"}}},
        {"aaa", "aa", {{5, "a", ""}}},
        {"x\u00E8y", "x\u00E8\u00E8y", {{5, "\u00E8", "\u00E8\u00E8"}}},
    };
    for (const Caso& c : casi) {
        VociTemperamento a = VociDi(TemperamentoIniziale()), b = a;
        a[4] = c.scritto;
        b[4] = c.riletto;
        EXPECT_EQ(CaratteriCambiati(a, b), c.attesi) << c.scritto << " / " << c.riletto;
    }
}

// The lines of Save's question: the box, each character as itself and by its
// code, and what it becomes.
TEST(FileTemperamento, DescriviCaratteriCambiati) {
    struct Caso {
        std::vector<CarattereCambiato> cambiati;
        const char* atteso;
    } casi[] = {
        {{{1, "\u266D", "?"}}, "Nome: \u00AB\u266D\u00BB (U+266D) diventa \u00AB?\u00BB\n"},
        {{{2, "\"", "'"}, {2, "\u03A9", "?"}, {2, "\u2248", "?"}, {30, "\U0001F3B5", "?"}},
         "Descrizione: \u00AB\"\u00BB (U+0022) diventa \u00AB'\u00BB; \u00AB\u03A9\u00BB (U+03A9) e "
         "\u00AB\u2248\u00BB (U+2248) diventano \u00AB?\u00BB\n"
         "Frazione della quinta 3: \u00AB\U0001F3B5\u00BB (U+1F3B5) diventa \u00AB?\u00BB\n"},
        // Control characters show nothing: their code alone.
        {{{2, "\u0085", "?"}, {2, "\u2028", "?"}}, "Descrizione: U+0085 e U+2028 diventano \u00AB?\u00BB\n"},
        // Stretches of another length, from a reading that does not pair.
        {{{1, "XYZ", ""}, {1, "a", "aQQ"}, {2, "", "QQ"}},
         "Nome: \u00ABXYZ\u00BB (U+0058 U+0059 U+005A) sparisce; \u00ABa\u00BB (U+0061) diventa \u00ABaQQ\u00BB\n"
         "Descrizione: \u00AB\u00BB diventa \u00ABQQ\u00BB\n"},
        {{}, ""},
    };
    for (const Caso& c : casi) EXPECT_EQ(DescriviCaratteriCambiati(c.cambiati), c.atteso);

    // Past ten characters, the first eight and how many more.
    std::vector<CarattereCambiato> molti;
    const char* cinesi[] = {"\u4E00", "\u4E01", "\u4E02", "\u4E03", "\u4E04", "\u4E05",
                            "\u4E06", "\u4E07", "\u4E08", "\u4E09", "\u4E0A", "\u4E0B"};
    for (const char* c : cinesi) molti.push_back({2, c, "?"});
    const std::string m = DescriviCaratteriCambiati(molti);
    EXPECT_NE(m.find("\u00AB\u4E07\u00BB (U+4E07) e altri 4 caratteri diventano \u00AB?\u00BB\n"), std::string::npos)
        << m;
    EXPECT_EQ(m.find("\u4E08"), std::string::npos) << m;
    molti.resize(10);
    EXPECT_NE(DescriviCaratteriCambiati(molti).find(", \u00AB\u4E08\u00BB (U+4E08) e \u00AB\u4E09\u00BB (U+4E09) "
                                                    "diventano"),
              std::string::npos);
}

TEST(FileTemperamento, SemitoniTuttiFuoriDaZeroEDuecento) {
    struct Caso { const char* cents; const char* scarto; } casi[] = {
        {"-5", "5"},     // largest stays at its start 0
        {"250", "50"},   // smallest stays at its start 200
    };
    for (const auto& c : casi) {
        Temperamento t = TemperamentoIniziale();
        for (int n = 1; n <= 12; ++n) t.SemitoniCents[n] = c.cents;
        auto l = LeggiTemperamento(ByteTemperamento(t));
        ASSERT_TRUE(l.ok());
        Temperamento a = TemperamentoIniziale();
        ApplicaVoci(*l.voci, a);
        EXPECT_EQ(a.ScartoSemitonale, c.scarto) << c.cents;
    }
}

// Every refused file leaves the temperament exactly as it was, and the
// message names the file and the first bad item.
TEST(FileTemperamento, FileRifiutati) {
    const std::string buono = Equabile;
    auto sostituisci = [&](int riga, const std::string& nuova) { return Sostituisci(buono, riga, nuova); };
    const std::string ottantasei = buono.substr(0, buono.size() - std::string("\"100\"\r\n").size());
    const std::string soloCR = ConFineRiga(buono, "\r");
    std::string crNelTesto = ottantasei;
    crNelTesto.replace(crNelTesto.find("modo uniforme"), 4, "modo\r");
    // Each item ended by CR alone, the CR LF inside the name and the
    // description kept.
    std::string vociConSoloCR;
    for (size_t i = 0; i < buono.size(); ++i) {
        vociConSoloCR += buono[i];
        if (buono.compare(i, 3, "\"\r\n") == 0) {
            vociConSoloCR += '\r';
            i += 2;
        }
    }
    using M = MotivoRifiuto;
    using D = Difetto;
    struct Caso {
        const char* nome;
        std::string byte;
        bool mancante;
        MotivoRifiuto motivo;
        Difetto difetto;
        int voce;
        const char* nelMessaggio;
        std::uintmax_t allungaA;  // grown (sparse) to this size when not 0
    } casi[] = {
        {"file mancante", "", true, M::FileMancante, D::Nessuno, 0, "non esiste", 0},
        {"86 voci", ottantasei, false, M::Forma, D::FinePrima, 87, "voce 87 (Semitono 12 in Cents)", 0},
        {"file vuoto", "", false, M::Forma, D::Vuoto, 0, "il file \xC3\xA8 vuoto.", 0},
        {"lettera in una quinta", sostituisci(14, "\"99237O\""), false, M::NonNumero, D::VoceNonPresa, 8,
         "voce 8 (Quinta 5 in Micro), \"99237O\"", 0},
        {"punto decimale", sostituisci(25, "\"700.5\""), false, M::NonNumero, D::VoceNonPresa, 19,
         "voce 19 (Quinta 4 in Cents)", 0},
        {"terza vuota", sostituisci(46, "\"\""), false, M::NonNumero, D::VoceNonPresa, 40, "Terza 1 in Micro", 0},
        {"virgolette non chiuse", sostituisci(93, "\"100"), false, M::Forma, D::VirgoletteNonChiuse, 87, "voce 87",
         0},
        {"troppo grande", buono, false, M::FileTroppoGrande, D::Nessuno, 0, "troppo grande",
         DimensioneMassimaTemperamento + 1},
        {"nome lunghissimo", sostituisci(1, "\"" + std::string(LunghezzaMassimaTesto + 1, 'N')), false,
         M::VoceTroppoLunga, D::VoceNonPresa, 1, "voce 1 (Nome) ha pi\xC3\xB9 di 16384 caratteri", 0},
        {"descrizione lunghissima", sostituisci(3, "\"" + std::string(1 << 20, 'D')), false, M::VoceTroppoLunga,
         D::VoceNonPresa, 2, "voce 2 (Descrizione)", 0},
        {"frazione lunghissima", sostituisci(34, "\"" + std::string(LunghezzaMassimaVoce + 1, '1') + "\""), false,
         M::VoceTroppoLunga, D::VoceNonPresa, 28,
         "voce 28 (Frazione della quinta 1) ha pi\xC3\xB9 di 256 caratteri", 0},
        // Lines ended by CR alone read as one line, whatever the first item is.
        {"solo CR", soloCR, false, M::Forma, D::SoloCR, 0, "finiscono con il solo CR, senza LF", 0},
        {"solo CR, nome senza virgolette", soloCR.substr(1), false, M::Forma, D::SoloCR, 0, "solo CR", 0},
        {"solo CR, una riga", "\"TEMPERAMENTO\"\r", false, M::Forma, D::SoloCR, 0, "solo CR", 0},
        {"voci chiuse da solo CR, CR LF nei testi", vociConSoloCR, false, M::Forma, D::CRSenzaLF, 0,
         "le voci del file finiscono con il solo CR, senza LF, ma un testo contiene CR LF", 0},
        {"segno BOM di UTF-8", "\xEF\xBB\xBF" + buono, false, M::Forma, D::BytePrimaDelleVirgolette, 1,
         "il file ha 3 byte (EF BB BF: il segno BOM di UTF-8) prima delle virgolette della voce 1 (Nome)", 0},
        {"byte prima della prima voce", "x " + buono, false, M::Forma, D::BytePrimaDelleVirgolette, 1,
         "il file ha 2 byte prima delle virgolette della voce 1 (Nome).", 0},
        // A byte no text holds is named before what it stands in.
        {"controllo prima della prima voce", "\x01x" + buono, false, M::Forma, D::NonTesto, 0,
         "il file contiene byte che un testo non ha (il primo, 01, al byte 1): non \xC3\xA8 un file di "
         "temperamento.",
         0},
        // A CR alone inside a text of a file with CR LF lines is not the cause.
        {"CR in una descrizione", crNelTesto, false, M::Forma, D::FinePrima, 87, "voce 87", 0},
        {"numero con troppi zeri", sostituisci(10, "\"" + std::string(300, '0') + "992376\""), false,
         M::VoceTroppoLunga, D::VoceNonPresa, 4, "voce 4 (Quinta 1 in Micro)", 0},
    };
    for (const auto& c : casi) {
        const auto percorso = Temporaneo(std::string(c.nome) + ".txt");
        std::filesystem::remove(percorso);
        if (!c.mancante) {
            ASSERT_TRUE(ScriviByte(percorso, c.byte));
        }
        if (c.allungaA != 0) std::filesystem::resize_file(percorso, c.allungaA);

        Temperamento t = TemperamentoIniziale();
        t.Quinte[1] = "1000000";
        const Temperamento prima = t;
        LetturaTemperamento l = LeggiFileTemperamento(percorso);
        EXPECT_FALSE(l.ok()) << c.nome;
        if (l.ok()) ApplicaVoci(*l.voci, t);
        EXPECT_EQ(VociDi(t), VociDi(prima)) << c.nome;
        EXPECT_EQ(l.rifiuto.motivo, c.motivo) << c.nome;
        EXPECT_EQ(l.rifiuto.difetto.tipo, c.difetto) << c.nome;
        EXPECT_EQ(l.rifiuto.difetto.voce, c.voce) << c.nome;
        const std::string m = DescriviRifiuto(l.rifiuto, percorso.string());
        EXPECT_NE(m.find(percorso.string()), std::string::npos) << m;
        EXPECT_NE(m.find(c.nelMessaggio), std::string::npos) << m;
    }
}

// A fault of the file's form (line ends, stray bytes, the encoding) is named
// where it is what stopped the reading, at whatever item it lies; a fault the
// reading took rightly leaves the item's own fault named.
TEST(FileTemperamento, IlRifiutoNominaLaPrimaCausaVera) {
    // Line 46 holds item 40, the first third; item n >= 4 is on line n + 6.
    const std::string terzaVuota = Sostituisci(Equabile, 46, "\"\"");
    std::string nulPrimaDellaDescrizione = Equabile;
    nulPrimaDellaDescrizione.insert(nulPrimaDellaDescrizione.find("\"Questo"), 1, '\0');
    // Equabile with its first line ended by CR alone: the reading skips the
    // description's first line, quote and all.
    const std::string nomeChiusoDaCR = PrimaDellaRiga(Equabile, 2) + "\"\r" + DallaRiga(Equabile, 3);
    using M = MotivoRifiuto;
    using D = Difetto;
    const struct Caso {
        const char* nome;
        std::string byte;
        MotivoRifiuto motivo;
        Difetto difetto;
        int voce;
        const char* nelMessaggio;
    } casi[] = {
        // A CR or a quote inside a first item not in quotes, the lines in CR LF.
        {"nome A CR B, terza vuota", "A\rB\r\n" + DallaRiga(terzaVuota, 3), M::NonNumero, D::VoceNonPresa, 40,
         "la voce 40 (Terza 1 in Micro), \"\", non \xC3\xA8 un numero."},
        {"nome x \"y, terza vuota", "x \"y\r\n" + DallaRiga(terzaVuota, 3), M::NonNumero, D::VoceNonPresa, 40,
         "la voce 40 (Terza 1 in Micro)"},
        {"comma dopo altro testo, terza vuota", Sostituisci(terzaVuota, 9, "Comma \"Pitagorico\""), M::NonNumero,
         D::VoceNonPresa, 40, "la voce 40 (Terza 1 in Micro)"},
        // Line ends that change along the file.
        {"voci 41-87 chiuse da solo CR", PrimaDellaRiga(Equabile, 47) + ConFineRiga(DallaRiga(Equabile, 47), "\r"),
         M::Forma, D::CRSenzaLF, 41,
         "la riga della voce 41 (Terza 2 in Micro) contiene un CR senza LF: le fini riga del file sono miste e non "
         "si possono separare le 87 voci di un temperamento."},
        {"voci 1-40 chiuse da solo CR", ConFineRiga(PrimaDellaRiga(Equabile, 47), "\r") + DallaRiga(Equabile, 47),
         M::Forma, D::CRSenzaLF, 1, "la riga della voce 1 (Nome) contiene un CR senza LF"},
        {"terze 1 e 2 su una riga divise da solo CR",
         PrimaDellaRiga(Equabile, 46) + "\"567072\"\r\"567072\"\r\n" + DallaRiga(Equabile, 48), M::Forma,
         D::CRSenzaLF, 40, "la riga della voce 40 (Terza 1 in Micro) contiene un CR senza LF"},
        // Stray bytes before an item's quote.
        {"NUL prima delle virgolette della descrizione", nulPrimaDellaDescrizione, M::Forma, D::NonTesto, 0,
         "il file contiene byte che un testo non ha (il primo, 00, al byte 28)"},
        {"segno BOM, terza vuota", "\xEF\xBB\xBF" + terzaVuota, M::Forma, D::BytePrimaDelleVirgolette, 1,
         "il file ha 3 byte (EF BB BF: il segno BOM di UTF-8) prima delle virgolette della voce 1 (Nome)."},
        {"segno BOM, poi il nome soltanto", "\xEF\xBB\xBF" + PrimaDellaRiga(Equabile, 3), M::Forma,
         D::BytePrimaDelleVirgolette, 1, "3 byte (EF BB BF"},
        // A fault of form followed by an early end: the reading with it
        // mended runs to the end of the file, where the plain one took a line
        // of the description for a fifth.
        {"x prima del nome, tagliato a 200 byte", ("x" + Equabile).substr(0, 200), M::Forma,
         D::BytePrimaDelleVirgolette, 1, "il file ha 1 byte prima delle virgolette della voce 1 (Nome)."},
        {"nome chiuso da solo CR, tagliato a 150 byte", nomeChiusoDaCR.substr(0, 150), M::Forma, D::CRSenzaLF, 1,
         "la riga della voce 1 (Nome) contiene un CR senza LF"},
        // The whole file in another encoding.
        {"UTF-16, byte basso prima, con BOM", Utf16(Equabile, true, true), M::Forma, D::Utf16, 0,
         "il file \xC3\xA8 scritto in UTF-16"},
        {"UTF-16, byte alto prima, senza BOM", Utf16(Equabile, false, false), M::Forma, D::Utf16, 0, "UTF-16"},
        {"UTF-16 con una terza vuota", Utf16(terzaVuota, true, true), M::Forma, D::Utf16, 0, "UTF-16"},
    };
    for (const auto& c : casi) {
        const LetturaTemperamento l = LeggiTemperamento(c.byte);
        EXPECT_FALSE(l.ok()) << c.nome;
        EXPECT_EQ(l.rifiuto.motivo, c.motivo) << c.nome;
        EXPECT_EQ(l.rifiuto.difetto.tipo, c.difetto) << c.nome;
        EXPECT_EQ(l.rifiuto.difetto.voce, c.voce) << c.nome;
        const std::string m = DescriviMotivo(l.rifiuto);
        EXPECT_NE(m.find(c.nelMessaggio), std::string::npos) << c.nome << ": " << m;
    }
}

TEST(FileTemperamento, VociAlLimiteDiLunghezzaAccettate) {
    Temperamento t = TemperamentoIniziale();
    // Characters, not bytes: each of these is two bytes of UTF-8.
    t.Nome = "";
    for (size_t i = 0; i < LunghezzaMassimaTesto; ++i) t.Nome += "\xC3\xA8";
    t.Descrizione = std::string(LunghezzaMassimaTesto, 'd');
    t.CommaCaption = std::string(LunghezzaMassimaVoce, 'c');
    t.Quinte[1] = std::string(LunghezzaMassimaVoce - 6, '0') + "992376";
    auto l = LeggiTemperamento(ByteTemperamento(t));
    ASSERT_TRUE(l.ok()) << DescriviRifiuto(l.rifiuto, "limite.txt");
    EXPECT_EQ(*l.voci, VociDi(t));
}

TEST(FileTemperamento, TestiNonNumericiAccettatiDoveNonSonoNumeri) {
    Temperamento t = TemperamentoIniziale();
    t.Nome = "";
    t.CommaCaption = "qualsiasi cosa";
    t.Frazioni[7] = "non una frazione";
    auto l = LeggiTemperamento(ByteTemperamento(t));
    ASSERT_TRUE(l.ok());
    EXPECT_EQ(*l.voci, VociDi(t));
}

// A file whose fifths do not close the circle is taken so, and each
// compensated edit afterwards keeps its sum.
TEST(FileTemperamento, LaSommaDelFileRestaDopoLeModifiche) {
    Temperamento f = TemperamentoIniziale();
    f.Quinte[12] = "995148";  // 2772 above seven octaves
    auto l = LeggiTemperamento(ByteTemperamento(f));
    ASSERT_TRUE(l.ok());
    Temperamento t = TemperamentoIniziale();
    ApplicaVoci(*l.voci, t);
    EXPECT_EQ(t.Quinte[12], "995148");
    EXPECT_EQ(t.Frazioni[12], "-1/12");  // names are not looked up again
    for (int k : {12, 3, 7}) {
        t.QuintaSelezionata = k;
        t.Quinte[k] = "994917";
        CompensaQuinta(t);
        ASSERT_TRUE(CalcolaSemitoniTerze(t));
        EXPECT_EQ(t.ErroreChiusura, ValoreFisso::intero(2772)) << k;
    }
}
