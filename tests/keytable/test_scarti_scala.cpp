#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "keytable/ScartiScala.h"
#include "model/Temperamento.h"

namespace vk {
namespace {

using Riga = std::vector<std::string>;

const Riga RigaEquabile = {"-11,73", "-3,91", "-15,64", "13,69", "1,96", "9,78",
                           "-1,96",  "-13,69", "15,64", "-17,6", "11,73"};

Dodici Semitoni(const std::vector<const char*>& v) {
    Dodici d;
    for (size_t n = 0; n < 12; ++n) d[n + 1] = v[n];
    return d;
}

const Dodici Pitagorici = Semitoni({"127908", "161172", "127908", "161172", "127908", "127908", "161172",
                                     "127908", "161172", "127908", "161172", "127908"});

Riga RigaDi(const std::array<std::string, CelleTavola>& t, int k) {
    Riga r;
    for (int iv = 1; iv <= 11; ++iv) r.push_back(t[static_cast<size_t>(CellaScarto(k, iv))]);
    return r;
}

TEST(TavolaScarti, EquabileOgniTonalitaUgualeEIndiciPari) {
    const auto t = CalcolaTavolaScale(TemperamentoIniziale().Semitoni);
    for (int k = 1; k <= 13; ++k) EXPECT_EQ(RigaDi(t, k), RigaEquabile) << "key " << k;
    for (int k = 1; k <= 12; ++k)
        for (int iv = 1; iv <= 11; ++iv)
            EXPECT_EQ(t[static_cast<size_t>(CellaCumulata(k, iv))], std::to_string(141768 * iv));
    const auto e = CalcolaIndiciEufonici(t);
    // S / 14 = 14,665: the even rounding of -1466,5 gives -14,66.
    for (int k = 1; k <= 13; ++k) EXPECT_EQ(e[static_cast<size_t>(k)], "-14,66") << k;
}

TEST(TavolaScarti, PitagoricoRigaDoEIndici) {
    const auto t = CalcolaTavolaScale(Pitagorici);
    EXPECT_EQ(RigaDi(t, 1),
              (Riga{"-21,51", "0", "-21,51", "21,51", "0", "-1,96", "0", "-21,51", "21,51", "-21,51", "21,51"}));
    // Key 13 is a copy of key 7, whatever the temperament.
    EXPECT_EQ(RigaDi(t, 13), RigaDi(t, 7));
    EXPECT_NE(RigaDi(t, 7), RigaDi(t, 1));
    const auto e = CalcolaIndiciEufonici(t);
    const Riga attesi = {"-21,51", "-21,51", "-4,75",  "-21,51", "-4,75",  "-21,51", "-20,11",
                         "-15,92", "-21,51", "-1,96",  "-21,51", "-13,13", "-20,11"};
    for (int k = 1; k <= 13; ++k) EXPECT_EQ(e[static_cast<size_t>(k)], attesi[static_cast<size_t>(k - 1)]) << k;
}

TEST(TavolaScarti, LaDodicesimaTonalitaRaggiungeLeAltreRighe) {
    // Key 12's six thirds are cells 125, 36, 48, 70, 91 and 113; row 13 is never read.
    std::array<std::string, CelleTavola> t;
    t.fill("0");
    for (int iv = 1; iv <= 11; ++iv) t[static_cast<size_t>(CellaScarto(13, iv))] = "-99";
    const int celle[6] = {125, 36, 48, 70, 91, 113};
    for (int i = 0; i < 6; ++i) t[static_cast<size_t>(celle[i])] = std::to_string(i + 1);
    // S = 4 + 8 + 3 + 8 + 5 + 12 = 40; 40 / 14 = 2,857142...
    EXPECT_EQ(CalcolaIndiciEufonici(t)[12], "-2,86");
}

TEST(TavolaScarti, IndiceDaiSeiTerzi) {
    struct Caso {
        std::array<const char*, 6> terze;
        const char* indice;
    } casi[] = {
        {{"0", "0", "0", "0", "0", "0"}, "0"},
        // The tonic's fifth narrow by more than twice the score: half of it.
        {{"-10", "-10", "0", "0", "0", "0"}, "-10"},
        {{"13,69", "-15,64", "13,69", "13,69", "-15,64", "-15,64"}, "-14,66"},
        // Half fifth not below the score: the score.
        {{"-1", "-1", "10", "0", "0", "0"}, "-1,29"},
        // Signs do not matter to the score; a wide fifth never wins.
        {{"2", "3", "-4", "1", "0", "-2"}, "-2,14"},
    };
    for (const auto& c : casi) {
        std::array<ValoreFisso, 6> v{};
        for (size_t i = 0; i < 6; ++i) v[i] = *Numero(c.terze[i]);
        EXPECT_EQ(IndiceEufonico(v).testo(), c.indice) << c.indice;
    }
}

TEST(TavolaScarti, SemitonoIllegibileLasciaVuoteLeCelleCheLoUsano) {
    Dodici s = TemperamentoIniziale().Semitoni;
    s[3] = "abc";  // RE-MIb
    const auto t = CalcolaTavolaScale(s);
    // Key 1 reads semitone 3 as its third step: intervals 1 and 2 stand.
    EXPECT_EQ(RigaDi(t, 1), (Riga{"-11,73", "-3,91", "", "", "", "", "", "", "", "", ""}));
    EXPECT_EQ(RigaDi(t, 3)[0], "");
    EXPECT_EQ(RigaDi(t, 4), RigaEquabile);  // from MIb the octave is never formed
    const auto e = CalcolaIndiciEufonici(t);
    EXPECT_EQ(e[1], "");
    EXPECT_EQ(e[4], "");  // key 4 reads key 8's row, which needs semitone 3
}

TEST(TavolaScarti, DimensioniEnormiArrotondateSenzaTraboccare) {
    // Past the 32-bit range of a hundredth of a cent.
    const Dodici s = Semitoni({"99999999999", "0", "0", "0", "0", "0", "0", "0", "0", "0", "0", "0"});
    const auto t = CalcolaTavolaScale(s);
    EXPECT_EQ(t[static_cast<size_t>(CellaScarto(1, 1))], "70537668,3");
}

TEST(GiudizioEufonia, OgniFasciaConIlSuoEstremoInferiore) {
    struct Caso {
        const char* indice;
        const char* parola;
    } casi[] = {
        {"0", "Perfetta"},       {"-0,01", "Eccellente"}, {"-2", "Eccellente"},     {"-2,01", "Molto buona"},
        {"-4", "Molto buona"},   {"-4,01", "Buona"},      {"-8", "Buona"},          {"-8,01", "Discreta"},
        {"-14,66", "Sufficiente"}, {"-16,01", "Scarsa"},  {"-20", "Scarsa"},        {"-24", "Insufficiente"},
        {"-24,01", "Pessima"},   {"-200", "Pessima"},     {"-500", "Pessima"},
    };
    for (const auto& c : casi) EXPECT_EQ(GiudizioEufonia(*Numero(c.indice)), c.parola) << c.indice;
}

TEST(FasciaScarto, UnValoreSulLimiteStaDallaParteDelloZero) {
    LimitiFasce L{};
    const char* progetto[12] = {"", "-20", "-16", "-12", "-8", "-4", "0", "4", "8", "12", "16", "20"};
    for (int n = 1; n <= 11; ++n) L[static_cast<size_t>(n)] = *Numero(progetto[n]);
    struct Caso {
        const char* x;
        int fascia;
    } casi[] = {{"20,01", 12}, {"20", 11}, {"16,01", 11}, {"12", 9},  {"4,01", 8},  {"4", 7},
                {"0,01", 7},   {"0", FasciaZero}, {"-0,01", 6}, {"-4", 6}, {"-4,01", 5}, {"-12", 4},
                {"-20", 2},    {"-20,01", 1}};
    for (const auto& c : casi) EXPECT_EQ(FasciaScarto(*Numero(c.x), L), c.fascia) << c.x;
    EXPECT_EQ(ColoriFasce[FasciaZero], 0xFFFFFFu);
    EXPECT_EQ(ColoriFasce[12], 0xFF00FFu);
    EXPECT_EQ(ColoriFasce[1], 0xFF6699u);
}

TEST(AltezzaBarraScala, EquabileEnfasiEFattore) {
    // Emphasis off on the designed screen: 751,25 twips a semitone.
    for (int n = 1; n <= 11; ++n) {
        const BarraScala b = AltezzaBarraScala(141768.0 * n, 0, false, 11520);
        EXPECT_FLOAT_EQ(b.Height, 751.25f * static_cast<float>(n)) << n;
        EXPECT_FLOAT_EQ(b.Top, 9975.0f - 751.25f * static_cast<float>(n)) << n;
    }
    // Emphasis: the departure from the just size two and a half times.
    BarraScala b = AltezzaBarraScala(141768, 158400, true, 11520);
    EXPECT_NEAR(b.Height, 116820.0 * 9015 / 1701216, 1e-3);
    EXPECT_NEAR(b.Height, 619.05, 0.01);
    EXPECT_NEAR(b.Top, 9355.95, 0.01);
    b = AltezzaBarraScala(567072, 547668, true, 11520);
    EXPECT_NEAR(b.Height, 3159.24, 0.01);
    // A bar under 10 twips, or negative under emphasis: the 15-twip sliver.
    for (double v : {0.0, 1000.0, -5000.0}) {
        b = AltezzaBarraScala(v, 0, false, 11520);
        EXPECT_EQ(b.Height, 15.0f);
        EXPECT_EQ(b.Top, 9960.0f);
    }
    b = AltezzaBarraScala(1000, 158400, true, 11520);
    EXPECT_EQ(b.Height, 15.0f);
    // A screen 14400 twips high: everything, the sliver too, times 1,25.
    b = AltezzaBarraScala(0, 0, false, 14400);
    EXPECT_EQ(b.Height, 18.75f);
    EXPECT_EQ(b.Top, 12450.0f);
    b = AltezzaBarraScala(141768, 0, false, 14400);
    EXPECT_FLOAT_EQ(b.Height, 751.25f * 1.25f);
    EXPECT_FLOAT_EQ(b.Top, (9975.0f - 751.25f) * 1.25f);
}

TEST(NomiTavola, TonalitaNelleQuattroNotazioni) {
    // Keys 1..13 in IT, FR, DE, EN.
    const std::array<std::array<const char*, 4>, 13> nomi = {{
        {"DO", "UT", "C", "C"},       {"REb", "REb", "Db", "Db"},   {"RE", "RE", "D", "D"},
        {"MIb", "MIb", "Eb", "Eb"},   {"MI", "MI", "E", "E"},       {"FA", "FA", "F", "F"},
        {"FA#", "FA#", "F#", "F#"},   {"SOL", "SOL", "G", "G"},     {"LAb", "LAb", "Ab", "Ab"},
        {"LA", "LA", "A", "A"},       {"SIb", "SIb", "B", "Bb"},    {"SI", "SI", "H", "B"},
        {"SOLb", "SOLb", "Gb", "Gb"},
    }};
    const Lingua lingue[4] = {Lingua::IT, Lingua::FR, Lingua::DE, Lingua::EN};
    for (int k = 1; k <= 13; ++k)
        for (size_t l = 0; l < 4; ++l)
            EXPECT_EQ(NomeTonalita(k, lingue[l]), nomi[static_cast<size_t>(k - 1)][l]) << "key " << k << " " << l;
}

TEST(NomiTavola, NoteDegliIntervalliInItaliano) {
    const std::vector<std::pair<int, Riga>> righe = {
        {1, {"REb", "RE", "MIb", "MI", "FA", "FA#", "SOL", "LAb", "LA", "SIb", "SI"}},
        {2, {"MIbb", "MIb", "FAb", "FA", "SOLb", "SOL", "LAb", "SIbb", "SIb", "DOb", "DO"}},
        {3, {"MIb", "MI", "FA", "FA#", "SOL", "SOL#", "LA", "SIb", "SI", "DO", "DO#"}},
        {4, {"FAb", "FA", "SOLb", "SOL", "LAb", "LA", "SIb", "DOb", "DO", "REb", "RE"}},
        {5, {"FA", "FA#", "SOL", "SOL#", "LA", "LA#", "SI", "DO", "DO#", "RE", "RE#"}},
        {6, {"SOLb", "SOL", "LAb", "LA", "SIb", "SI", "DO", "REb", "RE", "MIb", "MI"}},
        {7, {"SOL", "SOL#", "LA", "LA#", "SI", "SI#", "DO#", "RE", "RE#", "MI", "MI#"}},
        {8, {"LAb", "LA", "SIb", "SI", "DO", "DO#", "RE", "MIb", "MI", "FA", "FA#"}},
        {9, {"SIbb", "SIb", "DOb", "DO", "REb", "RE", "MIb", "FAb", "FA", "SOLb", "SOL"}},
        {10, {"SIb", "SI", "DO", "DO#", "RE", "RE#", "MI", "FA", "FA#", "SOL", "SOL#"}},
        {11, {"DOb", "DO", "REb", "RE", "MIb", "MI", "FA", "SOLb", "SOL", "LAb", "LA"}},
        {12, {"DO", "DO#", "RE", "RE#", "MI", "MI#", "FA#", "SOL", "SOL#", "LA", "LA#"}},
        {13, {"LAbb", "LAb", "SIbb", "SIb", "DOb", "DO", "REb", "MIbb", "MIb", "FAb", "FA"}},
    };
    for (const auto& [k, attese] : righe) {
        Riga r;
        for (int iv = 1; iv <= 11; ++iv) r.push_back(NotaIntervallo(k, iv));
        EXPECT_EQ(r, attese) << "key " << k;
    }
}

}  // namespace
}  // namespace vk
