#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "common/ValoreFisso.h"
#include "frequencies/TabellaFrequenze.h"
#include "model/Temperamento.h"

namespace vk {
namespace {

Temperamento Pitagorico() {
    Temperamento t = TemperamentoIniziale();
    for (int k = 1; k <= 12; ++k) t.Quinte[static_cast<size_t>(k)] = "995148";
    t.Quinte[6] = "961884";
    return t;
}

// The independent oracle: A x 2^((i - 58) / 12) in long double, to
// `decimali` decimals, ties to even.
std::string Oracolo(double a, int i, int decimali) {
    const long double f = static_cast<long double>(a) * std::pow(2.0L, static_cast<long double>(i - 58) / 12.0L);
    const long double scala = std::pow(10.0L, decimali);
    const auto n = static_cast<int64_t>(std::nearbyint(f * scala));
    int64_t passo = 1;
    for (int d = decimali; d < 4; ++d) passo *= 10;
    return ValoreFisso::daDecimillesimi(n * passo).testo();
}

class Frequenze : public ::testing::Test {
protected:
    void Apri(const Temperamento& t = TemperamentoIniziale(), const char* lingua = "IT") {
        tab.cmdMostraFrequenze_Click(t, lingua);
    }
    const std::string& Cella(int i) const { return tab.lblFreq[static_cast<size_t>(i)]; }
    double Valore(int i) const { return ValoreFisso::daTesto(Cella(i))->comeDouble(); }
    // A hold of an arrow with `tick` ticks, then the release.
    void Tieni(int indice, int tick) {
        tab.cmd440_MouseDown(indice);
        for (int n = 0; n < tick; ++n) ASSERT_TRUE(tab.TmrDiapason().tick());
        tab.cmd440_MouseUp(indice);
    }
    TabellaFrequenze tab;
};

TEST(Unita4296, DaMicro) {
    const struct {
        const char* micro;
        const char* unita;
    } casi[] = {{"1701216", "4296"}, {"995148", "2513"}, {"992376", "2506"}, {"961884", "2429"}, {"33264", "84"},
                {"30492", "77"},     {"2772", "7"},       {"141768", "358"},   {"990531,85", "2501,3431"},
                {"11908512", "30072"},
                // Exact ties of the fifth decimal, whose doubles lie below:
                // 2505,97075 and 2506,00005, ties to even.
                {"992364,417", "2505,9708"}, {"992376,0198", "2506"}, {"-992364,417", "-2505,9708"},
                // Written as a file may bring them.
                {"992364,41700", "2505,9708"}, {",0198", "0"}, {"0992376,", "2506"}};
    for (const auto& c : casi) EXPECT_EQ(Unita4296(c.micro)->testo(), c.unita) << c.micro;
    for (const char* t : {"", "x", "1,2,3", "-", "1e5"}) EXPECT_FALSE(Unita4296(t)) << '"' << t << '"';
}

TEST(OttavaDellaCella, DodiciCelleEIlDoFinale) {
    const int casi[][2] = {{1, 1}, {12, 1}, {13, 2}, {49, 5}, {58, 5}, {60, 5}, {61, 6}, {108, 9}, {109, 10},
                           {120, 10}, {121, 10}};
    for (const auto& c : casi) EXPECT_EQ(OttavaDellaCella(c[0]), c[1]) << c[0];
}

TEST_F(Frequenze, EquabileA440ComeLOracolo) {
    Apri();
    for (int k = 1; k <= 12; ++k) EXPECT_EQ(tab.lblValoreQuinte2[static_cast<size_t>(k)], "2506");
    for (int i = 1; i <= 121; ++i) EXPECT_EQ(Cella(i), Oracolo(440, i, 4)) << "cell " << i;
    const std::pair<int, const char*> attesi[] = {{1, "16,3516"},   {10, "27,5"},    {49, "261,6256"},
                                                  {58, "440"},      {61, "523,2511"}, {64, "622,254"},
                                                  {118, "14080"},   {121, "16744,0362"}};
    for (const auto& [i, t] : attesi) EXPECT_EQ(Cella(i), t) << "cell " << i;
}

TEST_F(Frequenze, DecimaliDiDefEDiUnaCifra) {
    Apri();
    tab.cmdDefault_Click();
    const std::pair<int, const char*> def[] = {{13, "32,703"}, {49, "261,63"}, {58, "440"},  {73, "1046,5"},
                                               {85, "2093"},   {109, "8372"},  {121, "16744"}};
    for (const auto& [i, t] : def) EXPECT_EQ(Cella(i), t) << "cell " << i;
    for (int i = 1; i <= 121; ++i) {
        const int decimali = DecimaliPredefiniti[static_cast<size_t>(OttavaDellaCella(i))];
        EXPECT_EQ(Cella(i), Oracolo(440, i, decimali)) << i;
    }

    tab.cmdDec_Click(1, 0);
    const std::pair<int, const char*> uno[] = {{1, "16,4"}, {61, "523,3"}, {64, "622,3"}, {58, "440"}};
    for (const auto& [i, t] : uno) EXPECT_EQ(Cella(i), t) << "cell " << i;
}

TEST_F(Frequenze, PitagoricoQuintePure) {
    Apri(Pitagorico());
    EXPECT_EQ(tab.lblValoreQuinte2[6], "2429");
    EXPECT_EQ(Cella(65), "660,0001");
    EXPECT_EQ(Cella(60), "495,0002");
    EXPECT_EQ(Cella(69), "824,0685");
    // The short fifth SI-FA# closes the circle, so every note is a chain of
    // pure fifths from LA: up to SI, down to FA#; then the note's octave.
    // A fifth of 2513 units is 0,0011 units wider than pure, so nine of them
    // pass 0,001 Hz above octave 5: the check stops at cell 60.
    const int quinteDaLa[12] = {-3, -8, -1, -6, 1, -4, -9, -2, -7, 0, -5, 2};  // DO .. SI
    for (int i = 1; i <= 60; ++i) {
        double giusta = 440.0 * std::pow(1.5, quinteDaLa[(i - 1) % 12]);
        giusta *= std::pow(2.0, std::nearbyint(std::log2(440.0 / giusta) + (i - 58) / 12.0));
        EXPECT_LT(std::fabs(Valore(i) - giusta), 0.001) << "cell " << i << " " << giusta;
    }
}

TEST_F(Frequenze, IlGiroNonUsaReLa) {
    // Fifths that do not close the circle: the whole difference lies
    // between RE and LA, which the walk never takes.
    Apri();
    const auto equabile = tab.lblFreq;
    Temperamento t = TemperamentoIniziale();
    t.Quinte[3] = "1000000";
    Apri(t);
    EXPECT_EQ(tab.lblValoreQuinte2[3], "2525,2525");
    EXPECT_EQ(tab.lblFreq, equabile);
}

TEST_F(Frequenze, QuintaIlCuiQuozienteEUnaMeta) {
    // 992364,417 / 396 is exactly 2505,97075, whose double lies just below:
    // LA-MI is 2505,9708 units (ties to even), and every note after it in
    // the walk from LA follows (31 cells of 121 against the double's unit).
    Temperamento t = TemperamentoIniziale();
    t.Quinte[4] = "992364,417";
    Apri(t);
    EXPECT_EQ(tab.lblValoreQuinte2[4], "2505,9708");
    const std::pair<int, const char*> attesi[] = {
        {17, "41,2033"}, {62, "554,3627"}, {67, "739,9854"}, {81, "1661,211"}, {87, "2349,3071"}};
    for (const auto& [i, testo] : attesi) EXPECT_EQ(Cella(i), testo) << "cell " << i;
}

TEST_F(Frequenze, RiferimentoLettoSulleCifre) {
    // Cell 10 is the reference / 16, a tie on the fifth decimal.
    const std::pair<const char*, const char*> casi[] = {{"441,3", "27,5812"}, {"440,7", "27,5438"}};
    Apri();
    for (const auto& [rif, cella10] : casi) {
        tab.lblFreq[CellaRiferimento] = rif;
        tab.Calcola();
        EXPECT_EQ(Cella(10), cella10) << rif;
        EXPECT_EQ(Cella(58), rif);
    }
}

TEST_F(Frequenze, RiferimentoGrandeATreDecimali) {
    // 121 cells at 60000 Hz: octave 10 times 1000 is past 32 bits.
    Apri();
    tab.cmdDec_Click(3, 0);
    tab.lblFreq[CellaRiferimento] = "60000";
    tab.Calcola();
    for (int i = 1; i <= 121; ++i) {
        ASSERT_FALSE(Cella(i).empty()) << i;
        const double atteso = 60000.0 * std::pow(2.0, (i - 58) / 12.0);
        EXPECT_NEAR(Valore(i), atteso, 0.0011) << i;
        EXPECT_EQ(ValoreFisso::daTesto(Cella(i))->decimillesimi() % 10, 0) << "three decimals at most: " << Cella(i);
    }
    EXPECT_GT(Valore(121) * 1000, 2147483647.0);
}

TEST_F(Frequenze, PassiDelRiferimento) {
    Apri();
    struct Caso {
        int clicLA;        // clicks of the step button from "Interi"
        int indice;        // 0 "<", 2 ">"
        int tick;
        const char* riferimento;
        ColoreVB colore;
    } casi[] = {
        {2, 0, 1, "439,99", Colori::Bianco},
        {2, 2, 1, "440,01", Colori::Bianco},
        {0, 2, 1, "441", Colori::Bianco},
        {0, 2, 2, "442", Colori::Bianco},
        {1, 0, 3, "439,7", Colori::Bianco},
    };
    for (const auto& c : casi) {
        tab.lblFreq[CellaRiferimento] = "440";
        tab.cmdLA = PassoLA::Interi;
        for (int n = 0; n < c.clicLA; ++n) tab.cmdLA_Click();
        Tieni(c.indice, c.tick);
        EXPECT_EQ(Cella(58), c.riferimento);
        EXPECT_EQ(tab.cmd440Colore, c.colore) << c.riferimento;
        EXPECT_FALSE(tab.TmrDiapason().attivo());
    }
    tab.cmdLA = PassoLA::Centesimi;
    EXPECT_STREQ(TestoPassoLA(tab.cmdLA), "0.01");
    tab.cmdLA_Click();
    EXPECT_STREQ(TestoPassoLA(tab.cmdLA), "Interi");
}

TEST_F(Frequenze, TenendoLaFrecciaSoloIlRiferimentoCambia) {
    Apri();
    const auto prima = tab.lblFreq;
    tab.cmd440_MouseDown(2);
    EXPECT_EQ(Cella(58), "440") << "nothing at the press";
    EXPECT_EQ(tab.lblIndexDiap, 2);
    tab.TmrDiapason().tick();
    EXPECT_EQ(Cella(58), "441");
    EXPECT_EQ(tab.cmd440Colore, Colori::Bianco);
    tab.TmrDiapason().tick();
    auto durante = prima;
    durante[58] = "442";
    EXPECT_EQ(tab.lblFreq, durante) << "the other 120 cells wait for the release";
    tab.cmd440_MouseUp(2);
    EXPECT_EQ(Cella(70), "884");
    // Back onto 440: light red at the tick whose text is "440".
    tab.cmd440_MouseDown(0);
    tab.TmrDiapason().tick();
    EXPECT_EQ(tab.cmd440Colore, Colori::Bianco);
    tab.TmrDiapason().tick();
    EXPECT_EQ(Cella(58), "440");
    EXPECT_EQ(tab.cmd440Colore, Colori::RossoChiaro);
    tab.cmd440_MouseUp(0);
    EXPECT_EQ(tab.lblFreq, prima);
}

TEST_F(Frequenze, PressioneSenzaTickNonCambiaIlRiferimento) {
    Apri();
    tab.lblFreq[CellaRiferimento] = "441";
    tab.cmd440Colore = Colori::RossoChiaro;  // stale until the release
    for (int indice : {0, 2}) {
        tab.cmd440_MouseDown(indice);
        tab.cmd440_MouseUp(indice);
        EXPECT_EQ(Cella(58), "441");
        EXPECT_EQ(tab.cmd440Colore, Colori::Bianco);
        EXPECT_EQ(Cella(70), "882") << "recomputed from the unchanged reference";
    }
    // The buttons have no click action, so a tick after the release is none.
    EXPECT_FALSE(tab.TmrDiapason().tick());
    EXPECT_FALSE(tab.TmrDiapason().conClic());
}

TEST_F(Frequenze, Il440RiportaSubitoIlTestoEIlColore) {
    Apri();
    Tieni(2, 3);
    const auto dopo = tab.lblFreq;
    tab.cmd440_MouseDown(1);
    EXPECT_EQ(Cella(58), "440");
    EXPECT_EQ(tab.cmd440Colore, Colori::RossoChiaro);
    EXPECT_EQ(Cella(70), dopo[70]) << "the rest changes at the release";
    tab.cmd440_MouseUp(1);
    EXPECT_EQ(Cella(70), "880");
}

TEST_F(Frequenze, IlRiferimentoRestaSopraZero) {
    Apri();
    const struct {
        PassoLA passo;
        const char* da;
        const char* resta;
    } casi[] = {{PassoLA::Interi, "1", "1"},
                {PassoLA::Interi, "0,5", "0,5"},
                {PassoLA::Centesimi, "0,01", "0,01"},
                {PassoLA::Decimi, "0,1", "0,1"}};
    for (const auto& c : casi) {
        tab.cmdLA = c.passo;
        tab.lblFreq[CellaRiferimento] = c.da;
        Tieni(0, 3);
        EXPECT_EQ(Cella(58), c.resta) << TestoPassoLA(c.passo) << " " << c.da;
        for (int i = 1; i <= 121; ++i) EXPECT_GT(Valore(i), 0) << i;
    }
    // Nor does rounding octave 5 to whole numbers take it to zero.
    tab.lblFreq[CellaRiferimento] = "0,4";
    tab.cmdDec_Click(0, 5);
    EXPECT_EQ(Cella(58), "1");
}

TEST_F(Frequenze, RiferimentoArrotondatoConLOttava5) {
    Apri();
    tab.cmdDec_Click(0, 5);
    tab.cmdLA_Click();  // "0.1"
    tab.cmd440_MouseDown(2);
    for (int n = 0; n < 5; ++n) tab.TmrDiapason().tick();
    EXPECT_EQ(Cella(58), "440,5");
    tab.cmd440_MouseUp(2);
    EXPECT_EQ(Cella(70), "881");
    EXPECT_EQ(Cella(46), "220,25");
    EXPECT_EQ(Cella(58), "440") << "ties to even";
    tab.Calcola();
    EXPECT_EQ(Cella(70), "880");

    tab.lblFreq[CellaRiferimento] = "441,5";
    tab.Calcola();
    EXPECT_EQ(Cella(58), "442");
    // More decimals do not bring the fraction back.
    tab.cmdDec_Click(4, 5);
    EXPECT_EQ(Cella(58), "442");
}

// Every octave column has one light red button, its digit; column 0 has the
// common value's, or none for "N".
void ControllaGriglia(const TabellaFrequenze& t) {
    for (int i = 0; i <= 10; ++i) {
        const std::string d = TestoDecimali(t.lblNDec[static_cast<size_t>(i)]);
        for (int n = 0; n <= 4; ++n) {
            const bool scelto = d == std::string(1, static_cast<char>('0' + n));
            EXPECT_EQ(t.coloreDec(n, i), scelto ? Colori::RossoChiaro : Colori::Bianco)
                << "digit " << n << " column " << i;
        }
    }
}

TEST_F(Frequenze, GrigliaDeiDecimali) {
    Apri();
    ControllaGriglia(tab);
    EXPECT_EQ(TestoDecimali(tab.lblNDec[0]), "4");

    const struct {
        bool def;
        int cifra, indice;
        const char* comune;
        const char* ottava4;
    } passi[] = {
        {false, 2, 0, "2", "2"},  // "Tutti" 2: every octave
        {false, 3, 4, "N", "3"},  // octave 4 apart
        {false, 2, 4, "2", "2"},  // together again
        {false, 2, 4, "2", "2"},  // the current digit again
        {false, 3, 7, "N", "2"},
        {false, 3, 7, "N", "2"},  // again, while they differ
        {true, 0, 0, "N", "2"},   // "Def" after a "Tutti" choice
    };
    for (const auto& p : passi) {
        if (p.def) tab.cmdDefault_Click();
        else tab.cmdDec_Click(p.cifra, p.indice);
        EXPECT_EQ(TestoDecimali(tab.lblNDec[0]), p.comune);
        EXPECT_EQ(TestoDecimali(tab.lblNDec[4]), p.ottava4);
        ControllaGriglia(tab);
    }
    for (int n = 0; n <= 4; ++n) EXPECT_EQ(tab.coloreDec(n, 0), Colori::Bianco);
    for (size_t k = 1; k <= 10; ++k) EXPECT_EQ(TestoDecimali(tab.lblNDec[k]), std::to_string(DecimaliPredefiniti[k])) << k;
    for (int k = 2; k <= 10; ++k) tab.cmdDec_Click(4, k);
    EXPECT_EQ(TestoDecimali(tab.lblNDec[0]), "4");
    EXPECT_EQ(tab.coloreDec(4, 0), Colori::RossoChiaro);
    ControllaGriglia(tab);
    for (int i = 1; i <= 121; ++i) EXPECT_EQ(Cella(i), Oracolo(440, i, 4)) << i;
}

TEST_F(Frequenze, NomiNelleQuattroNotazioni) {
    const struct {
        const char* lingua;
        const char* righe[12];
    } casi[] = {
        {"IT", {"DO", "DO#", "RE", "MIb", "MI", "FA", "FA#", "SOL", "SOL#", "LA", "SIb", "SI"}},
        {"FR", {"UT", "UT#", "RE", "MIb", "MI", "FA", "FA#", "SOL", "SOL#", "LA", "SIb", "SI"}},
        {"DE", {"C", "C#", "D", "Eb", "E", "F", "F#", "G", "G#", "A", "B", "H"}},
        {"EN", {"C", "C#", "D", "Eb", "E", "F", "F#", "G", "G#", "A", "Bb", "B"}},
    };
    for (const auto& c : casi) {
        Apri(TemperamentoIniziale(), c.lingua);
        for (int r = 1; r <= 12; ++r) {
            EXPECT_EQ(tab.lblNomiNote[static_cast<size_t>(r)], c.righe[r - 1]) << c.lingua << r;
            EXPECT_EQ(tab.lblNomiNote[static_cast<size_t>(r + 12)], c.righe[r - 1]) << c.lingua << r;
        }
        EXPECT_EQ(tab.lblNomiNote[25], c.righe[0]);
    }
    // Another caption leaves the names as they were.
    const auto inglesi = tab.lblNomiNote;
    Apri(TemperamentoIniziale(), "it");
    EXPECT_EQ(tab.lblNomiNote, inglesi);
    TabellaFrequenze nuova;
    nuova.cmdMostraFrequenze_Click(TemperamentoIniziale(), "XX");
    EXPECT_EQ(nuova.lblNomiNote[12], "SI") << "the design names";
}

TEST_F(Frequenze, OgniAperturaRileggeIlTemperamentoETieneLoStato) {
    Apri();
    tab.cmdDefault_Click();
    tab.cmdLA_Click();
    Tieni(2, 2);
    EXPECT_EQ(Cella(58), "440,2");
    tab.cmdTorna_Click();
    EXPECT_FALSE(tab.aperta);
    Temperamento t = Pitagorico();
    t.Nome = "PITAGORICO\r\nsecondo";
    Apri(t);
    EXPECT_TRUE(tab.aperta);
    EXPECT_EQ(tab.TxtNomeDelTemperamento, "PITAGORICO\r\nsecondo");
    EXPECT_EQ(Cella(58), "440,2");
    EXPECT_STREQ(TestoPassoLA(tab.cmdLA), "0.1");
    EXPECT_EQ(TestoDecimali(tab.lblNDec[9]), "0");
    EXPECT_EQ(Cella(65), "660,3");  // 440,2 x 3/2, at octave 6's two decimals
}

TEST_F(Frequenze, QuintaIlleggibileLasciaVuoteLeCelleCheNeDipendono) {
    // A file can leave any text in a fifth: the cells reached through it
    // show nothing rather than a made-up number.
    Temperamento t = TemperamentoIniziale();
    t.Quinte[9] = "abc";
    Apri(t);
    EXPECT_EQ(tab.lblValoreQuinte2[9], "");
    for (int i = 1; i <= 121; ++i) {
        const int nota = (i - 1) % 12;  // 0 DO .. 11 SI
        // Reached before SOL#-MIb: LA (9), MI (4), SI (11), FA# (6), DO# (1), SOL# (8).
        const bool prima = nota == 9 || nota == 4 || nota == 11 || nota == 6 || nota == 1 || nota == 8;
        EXPECT_EQ(Cella(i).empty(), !prima) << i;
    }
}

}  // namespace
}  // namespace vk
