#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <vector>

#include "microlab/TabellaMicroLab.h"
#include "editing/Preimpostazioni.h"
#include "model/Derivazioni.h"
#include "model/FileTemperamento.h"
#include "model/NumeriDigitati.h"
#include "model/TabellaFrazioni.h"
#include "tests/comune/SequenzeEditing.h"
#include "tests/editing/AiutiEditing.h"

namespace vk {
namespace {

using prova::V;
constexpr double Progetto = 11520;

// The main screen's Pythagorean preset.
Temperamento Pitagorico() {
    Temperamento t = TemperamentoIniziale();
    Istogrammi g = IstogrammiIniziali();
    ImpostaPitagorico(t, g, Progetto);
    return t;
}

// A temperament as Open brings it from a file that holds t.
Temperamento DaFile(const Temperamento& t) {
    const LetturaTemperamento l = LeggiTemperamento(ByteTemperamento(t));
    EXPECT_TRUE(l.ok());
    Temperamento letto = TemperamentoIniziale();
    if (l.ok()) ApplicaVoci(*l.voci, letto);
    return letto;
}

struct Celle {
    const char *micro, *cents, *scarto, *decim;
};

void Riga(const TabellaMicroLab& m, int r, const Celle& c) {
    const RigaMicro& x = m.righe[static_cast<size_t>(r)];
    EXPECT_EQ(x.Micro, c.micro) << "row " << r;
    EXPECT_EQ(x.Cents, c.cents) << "row " << r;
    EXPECT_EQ(x.Scarto, c.scarto) << "row " << r;
    EXPECT_EQ(x.Decim, c.decim) << "row " << r;
}

ValoreFisso Somma(const TabellaMicroLab& m, int da, int a) {
    ValoreFisso s;
    for (int r = da; r <= a; ++r) s += V(m.righe[static_cast<size_t>(r)].Micro);
    return s;
}

std::array<std::string, 49> Micro(const TabellaMicroLab& m) {
    std::array<std::string, 49> v;
    for (size_t r = 1; r <= 48; ++r) v[r] = m.righe[r].Micro;
    return v;
}

TEST(MicroLab, LeSetteRigheCollegateSonoQuelleDellaTabella) {
    // Grow by d (fifth, third, semitone, note), then shrink (fifth, third, semitone).
    const int tabella[36][7] = {
        {1, 22, 31, 44, 2, 14, 32},  {2, 23, 26, 39, 3, 15, 27},  {3, 24, 33, 46, 4, 16, 34},
        {4, 13, 28, 41, 5, 17, 29},  {5, 14, 35, 48, 6, 18, 36},  {6, 15, 30, 43, 7, 19, 31},
        {7, 16, 25, 38, 8, 20, 26},  {8, 17, 32, 45, 9, 21, 33},  {9, 18, 27, 40, 10, 22, 28},
        {10, 19, 34, 47, 11, 23, 35}, {11, 20, 29, 42, 12, 24, 30}, {12, 21, 36, 37, 1, 13, 25},
        {4, 13, 28, 41, 5, 17, 29},  {5, 14, 35, 48, 6, 18, 36},  {6, 15, 30, 43, 7, 19, 31},
        {7, 16, 25, 38, 8, 20, 26},  {8, 17, 32, 45, 9, 21, 33},  {9, 18, 27, 40, 10, 22, 28},
        {10, 19, 34, 47, 11, 23, 35}, {11, 20, 29, 42, 12, 24, 30}, {12, 21, 36, 37, 1, 13, 25},
        {1, 22, 31, 44, 2, 14, 32},  {2, 23, 26, 39, 3, 15, 27},  {3, 24, 33, 46, 4, 16, 34},
        {7, 16, 25, 38, 8, 20, 26},  {2, 23, 26, 39, 3, 15, 27},  {9, 18, 27, 40, 10, 22, 28},
        {4, 13, 28, 41, 5, 17, 29},  {11, 20, 29, 42, 12, 24, 30}, {6, 15, 30, 43, 7, 19, 31},
        {1, 22, 31, 44, 2, 14, 32},  {8, 17, 32, 45, 9, 21, 33},  {3, 24, 33, 46, 4, 16, 34},
        {10, 19, 34, 47, 11, 23, 35}, {5, 14, 35, 48, 6, 18, 36},  {12, 21, 36, 37, 1, 13, 25},
    };
    for (int r = 1; r <= 36; ++r) {
        const auto c = IntervalliCollegati(r);
        for (int j = 0; j < 7; ++j) EXPECT_EQ(c[static_cast<size_t>(j)], tabella[r - 1][j]) << r << "/" << j;
        // The selected row is one of the three that grow.
        EXPECT_TRUE(c[0] == r || c[1] == r || c[2] == r) << r;
    }
}

TEST(MicroLab, AperturaDelTemperamentoEquabile) {
    TabellaMicroLab m;
    m.cmdLab_Click(TemperamentoIniziale(), "IT");
    EXPECT_TRUE(m.aperta);
    EXPECT_EQ(m.sfondo, Colori::FacciaPulsante);
    for (int r = 1; r <= 12; ++r) Riga(m, r, {"992376", "700", "-1,9553", "1,49831"});
    for (int r = 13; r <= 24; ++r) Riga(m, r, {"567072", "400", "13,6863", "1,25992"});
    for (int r = 25; r <= 36; ++r) Riga(m, r, {"141768", "100", "0", "1,05946"});
    for (int r = 37; r <= 48; ++r) Riga(m, r, {"0", "", "0", ""});
    Riga(m, 0, {"-----", "-----", "-----", "-----"});
    EXPECT_EQ(m.etichetteNascoste().lblIndexM, "0");
    EXPECT_EQ(m.cmdQuintaM[1], "DO - SOL");
}

TEST(MicroLab, AperturaDelPitagoricoConLeTerzeFisse) {
    TabellaMicroLab m;
    m.cmdLab_Click(Pitagorico(), "IT");
    Riga(m, 1, {"995148", "701,9553", "0", "1,5"});
    Riga(m, 6, {"961884", "678,4916", "-23,4637", "1,47981"});
    // Thirds 3..6 hold the wolf; the others are Pythagorean, with their fixed texts.
    Riga(m, 13, {"578160", "407,8212", "21,5084", "1,26563"});
    Riga(m, 15, {"544896", "384,3575", "-1,9562", "1,24859"});
    Riga(m, 25, {"127908", "90,2235", "-9,7765", "1,0535"});
    Riga(m, 26, {"161172", "113,6872", "13,6872", "1,06787"});
    // Each note against equal temperament: limmas and apotomes summed from DO.
    const char* note[12][2] = {{"0", "0"},          {"-13860", "-9,7765"}, {"5544", "3,9106"},
                               {"-8316", "-5,8659"}, {"11088", "7,8212"},   {"-2772", "-1,9553"},
                               {"-16632", "-11,7318"}, {"2772", "1,9553"},  {"-11088", "-7,8212"},
                               {"8316", "5,8659"},   {"-5544", "-3,9106"},  {"13860", "9,7765"}};
    for (int n = 0; n < 12; ++n) Riga(m, 37 + n, {note[n][0], "", note[n][1], ""});
}

TEST(MicroLab, CentsDiUnaQuintaSullaMeta) {
    // 1014695,5995 / 1417,68 is exactly 715,74375, whose double lies just
    // below: ties to even give 715,7438, and the Scarto follows.
    Temperamento t = TemperamentoIniziale();
    t.Quinte[1] = "1014695,5995";
    TabellaMicroLab m;
    m.cmdLab_Click(t, "IT");
    EXPECT_EQ(m.righe[1].Cents, "715,7438");
    EXPECT_EQ(m.righe[1].Scarto, "13,7885");
    // A step's Scarto, from the difference to the pure fifth: 19002,2283 /
    // 1417,68 is exactly 13,40375.
    t.Quinte[1] = "1014149,2283";
    m.cmdLab_Click(t, "IT");
    m.cmdQuintaM_Click(1);
    m.cmdAumenta_Click();
    ASSERT_EQ(m.righe[1].Micro, "1014150,2283");
    EXPECT_EQ(m.righe[1].Scarto, "13,4038");
}

TEST(MicroLab, AperturaDiUnFileFattoAMano) {
    // Sizes a file can bring: a fifth off every table, one with decimals,
    // the pure and Pythagorean thirds, a limma as semitone 1.
    Temperamento t = TemperamentoIniziale();
    t.Quinte[1] = "960012";
    t.Quinte[2] = "992376,5";
    t.Quinte[3] = "995149";
    t.Terze[1] = "547668";
    t.Terze[2] = "578160";
    t.Terze[3] = "547667";
    t.Terze[4] = "578161";
    t.Semitoni[1] = "127908";
    t.Quinte[5] = "578160";
    TabellaMicroLab m;
    m.cmdLab_Click(DaFile(t), "IT");
    Riga(m, 1, {"960012", "677,1712", "-24,7841", "1,47868"});
    Riga(m, 2, {"992376,5", "700,0004", "-1,9549", "1,49831"});
    Riga(m, 3, {"995149", "701,956", "0,0007", "1,5"});
    Riga(m, 13, {"547668", "386,3137", "0", "1,25"});
    Riga(m, 14, {"578160", "407,8212", "21,5084", "1,26563"});
    Riga(m, 15, {"547667", "386,3121", "-0,0016", "1,25"});
    Riga(m, 16, {"578161", "407,8219", "21,5082", "1,26563"});
    EXPECT_EQ(m.righe[38].Micro, "-13860");
    EXPECT_EQ(m.righe[38].Scarto, "-9,7765");
    EXPECT_EQ(m.righe[37].Micro, "0");

    // Away and back by one step: the same size, now by the step's formula.
    m.cmdQuintaM_Click(1);
    m.cmdAumenta_Click();
    m.cmdDiminuisci_Click();
    Riga(m, 1, {"960012", "677,1712", "-24,7842", "1,47868"});
    // A linked third that comes back to 547668 shows its computed texts.
    m.cmdQuintaM_Click(13);  // DO - MI, with rows 4, 5, 17, 28, 29, 41
    m.cmdAumenta_Click();
    m.cmdDiminuisci_Click();
    Riga(m, 13, {"547668", "386,3128", "-0,0009", "1,25"});
    // The fixed texts of a pure or Pythagorean size belong to the thirds only.
    m.cmdQuintaM_Click(5);
    Riga(m, 5, {"578160", "407,8212", "-294,1341", "1,26563"});
    m.cmdQuintaM_Click(14);  // SOL - SI, a Pythagorean third since the opening
    Riga(m, 14, {"578160", "407,8212", "21,5084", "1,26563"});
}

TEST(MicroLab, UnTestoCheNonENumeroSiMostraMaNonSiMuove) {
    Temperamento t = TemperamentoIniziale();
    t.Quinte[4] = "abc";
    t.Semitoni[3] = "";
    TabellaMicroLab m;
    m.cmdLab_Click(t, "IT");
    Riga(m, 4, {"abc", "", "", ""});
    // Notes from MIb up cannot be placed without semitone 3.
    EXPECT_EQ(m.righe[39].Micro, "0");
    EXPECT_EQ(m.righe[40].Micro, "");
    const auto prima = Micro(m);
    m.cmdQuintaM_Click(4);
    m.cmdAumenta_Click();
    m.cmdQuintaM_Click(3);  // RE - LA moves fifth 4
    m.cmdAumenta_Click();
    m.cmdQuintaM_Click(3);  // click 2
    EXPECT_EQ(Micro(m), prima);
    m.cmdQuintaM_Click(40);  // a note that is no number: nothing to shift
    EXPECT_EQ(Micro(m), prima);
    // Applied as it stands: the text kept, no cents made up for it.
    Istogrammi g = IstogrammiIniziali();
    m.CmdApplicaMicro_Click(t, g, Progetto);
    EXPECT_EQ(t.Quinte[4], "abc");
    EXPECT_EQ(t.QuinteCents[4], "");
    EXPECT_EQ(t.Frazioni[4], "ND");
    EXPECT_EQ(t.QuinteCents[5], "700");
    EXPECT_EQ(t.Semitoni[3], "");
}

TEST(MicroLab, UnPassoDiUnMicroSullaPrimaQuinta) {
    TabellaMicroLab m;
    m.cmdLab_Click(TemperamentoIniziale(), "IT");
    m.cmdQuintaM_Click(1);
    ASSERT_EQ(m.passoMicro(), V("1"));
    m.cmdAumenta_Click();
    Riga(m, 1, {"992377", "700,0007", "-1,9546", "1,49831"});
    Riga(m, 22, {"567073", "400,0007", "13,687", "1,25992"});
    Riga(m, 31, {"141769", "100,0007", "0,0007", "1,05946"});
    Riga(m, 44, {"1", "", "0,0007", ""});
    Riga(m, 2, {"992375", "699,9993", "-1,956", "1,49831"});
    Riga(m, 14, {"567071", "399,9993", "13,6856", "1,25992"});
    Riga(m, 32, {"141767", "99,9993", "-0,0007", "1,05946"});
    Riga(m, 0, {"992377", "700,0007", "-1,9546", "1,49831"});
    m.cmdDiminuisci_Click();
    TabellaMicroLab equabile;
    equabile.cmdLab_Click(TemperamentoIniziale(), "IT");
    EXPECT_EQ(Micro(m)[1], "992376");
    for (int r = 1; r <= 48; ++r) EXPECT_EQ(m.righe[static_cast<size_t>(r)].Micro, equabile.righe[static_cast<size_t>(r)].Micro);

    // The smallest step moves the Micro only.
    m.cmdScatto_Click(1);
    m.cmdAumenta_Click();
    Riga(m, 1, {"992376,0001", "700", "-1,9553", "1,49831"});
}

TEST(MicroLab, PassiEClicCasualiTengonoLeSomme) {
    std::mt19937 caso(20261210);
    TabellaMicroLab m;
    m.cmdLab_Click(Pitagorico(), "IT");
    const ValoreFisso quinte = Somma(m, 1, 12), terze = Somma(m, 13, 24), semitoni = Somma(m, 25, 36);
    ASSERT_EQ(quinte, Micro::SetteOttave);
    for (int i = 0; i < 3000; ++i) {
        switch (caso() % 6) {
            case 0: case 1: m.cmdQuintaM_Click(1 + static_cast<int>(caso() % 48)); break;
            case 2: m.cmdScatto_Click(1 + static_cast<int>(caso() % 8)); break;
            case 3: m.cmdAumenta_Click(); break;
            case 4: m.cmdDiminuisci_Click(); break;
            default: {
                // A few clicks on the same row walk through its cycle.
                const int r = m.rigaSelezionata();
                if (r) m.cmdQuintaM_Click(r);
            }
        }
        ASSERT_EQ(Somma(m, 1, 12), quinte) << i;
        ASSERT_EQ(Somma(m, 13, 24), terze) << i;
        ASSERT_EQ(Somma(m, 25, 36), semitoni) << i;
    }
    // And the notes stay the running sums of the semitones.
    for (int n = 1; n <= 11; ++n) {
        const ValoreFisso d = V(m.righe[static_cast<size_t>(37 + n)].Micro) - V(m.righe[static_cast<size_t>(36 + n)].Micro);
        EXPECT_EQ(d, V(m.righe[static_cast<size_t>(24 + n)].Micro) - Micro::SemitonoEquabile) << n;
    }
}

struct Ciclo {
    int riga;
    std::vector<const char*> valori;  // the row's Micro after clicks 2.. of the cycle, the wrap last
    const char* accese;               // the legend cell lit after each click, from the first
};

// The one legend cell lit, 0 for none; -1 when more than one is.
int Accesa(const TabellaMicroLab& m) {
    int accesa = 0;
    for (const auto* e : {&m.lblEtiQuinta, &m.lblEtiTerze, &m.lblEtiSemitoni})
        for (size_t j = 1; j <= 4; ++j)
            if ((*e)[j] == Colori::RossoChiaro) accesa = accesa ? -1 : static_cast<int>(j);
    return accesa;
}

TEST(MicroLab, CicliDelleModificheVeloci) {
    Temperamento t = Pitagorico();
    const Ciclo cicli[] = {
        // Fifth 1 copies fifth 12, then equal and pure; the fifth click restores.
        {1, {"995148", "992376", "995148", "995148"}, "12341"},
        // Fifth 7 (FA# - DO#) copies fifth 6, the wolf.
        {7, {"961884", "992376", "995148", "995148"}, "12341"},
        {13, {"567072", "547668", "578160"}, "1231"},
        // Semitone row 26 (an apotome) copies row 25, a limma; row 25 copies row 36.
        {26, {"127908", "141768", "161172"}, "1231"},
        {25, {"127908", "141768", "127908"}, "1231"},
    };
    for (const auto& c : cicli) {
        TabellaMicroLab m;
        m.cmdLab_Click(t, "IT");
        const auto prima = Micro(m);
        auto& e = c.riga <= 12 ? m.lblEtiQuinta : c.riga <= 24 ? m.lblEtiTerze : m.lblEtiSemitoni;
        m.cmdQuintaM_Click(c.riga);  // a new selection changes nothing
        EXPECT_EQ(Micro(m), prima);
        EXPECT_EQ(m.etichetteNascoste().lblClickN, "1");
        EXPECT_EQ(Accesa(m), 1);
        EXPECT_EQ(e[1], Colori::RossoChiaro);
        for (size_t i = 0; i < c.valori.size(); ++i) {
            m.cmdQuintaM_Click(c.riga);
            EXPECT_EQ(m.righe[static_cast<size_t>(c.riga)].Micro, c.valori[i]) << c.riga << " click " << i + 2;
            EXPECT_EQ(Accesa(m), c.accese[i + 1] - '0') << c.riga << " click " << i + 2;
            EXPECT_EQ(m.etichetteNascoste().lblClickN, std::string(1, c.accese[i + 1])) << c.riga << " click " << i + 2;
        }
        // The wrap puts all seven linked rows back exactly.
        EXPECT_EQ(Micro(m), prima) << c.riga;
        EXPECT_EQ(m.etichetteNascoste().lblRitornoQuintaIniziale, "S\xC3\xAC");
        EXPECT_EQ(e[1], Colori::RossoChiaro);
        // The next click memorises again.
        m.cmdQuintaM_Click(c.riga);
        EXPECT_EQ(m.lblMemValore, prima[static_cast<size_t>(c.riga)]);
        EXPECT_EQ(m.etichetteNascoste().lblRitornoQuintaIniziale, "No");
    }
}

TEST(MicroLab, ClicSulleTerzeEColori) {
    TabellaMicroLab m;
    m.cmdLab_Click(TemperamentoIniziale(), "IT");
    m.cmdQuintaM_Click(13);
    // The selected row in light red, its six linked rows in their own colours.
    EXPECT_EQ(m.coloreQuintaM[13], Colori::RossoChiaro);
    EXPECT_EQ(m.righe[13].colore, Colori::RossoChiaro);
    for (int r : {4, 5}) EXPECT_EQ(m.righe[static_cast<size_t>(r)].colore, ColoriMicro::Quinte);
    EXPECT_EQ(m.righe[17].colore, ColoriMicro::Terze);
    for (int r : {28, 29}) EXPECT_EQ(m.righe[static_cast<size_t>(r)].colore, ColoriMicro::Semitoni);
    EXPECT_EQ(m.righe[41].colore, ColoriMicro::Note);
    EXPECT_EQ(m.righe[1].colore, Colori::Bianco);
    EXPECT_EQ(m.coloreQuintaM[4], ColoriMicro::Quinte);
    m.cmdQuintaM_Click(13);
    m.cmdQuintaM_Click(13);  // click 3: the pure third with its fixed texts
    Riga(m, 13, {"547668", "386,3137", "0", "1,25"});
    Riga(m, 0, {"547668", "386,3137", "0", "1,25"});
    // The other third among the linked rows shows computed values.
    Riga(m, 17, {"586476", "413,6872", "27,3735", "1,26992"});
    EXPECT_EQ(m.lblEtiTerze[3], Colori::RossoChiaro);
    EXPECT_EQ(m.lblEtiTerze[1], Colori::Bianco);
}

TEST(MicroLab, NotaDiRiferimento) {
    Temperamento t = TemperamentoIniziale();
    TabellaMicroLab m;
    m.cmdLab_Click(t, "IT");
    m.cmdQuintaM_Click(1);
    m.cmdScatto_Click(8);
    m.cmdAumenta_Click();  // SOL up by 1000
    m.cmdAumenta_Click();
    m.cmdScatto_Click(7);
    for (int i = 0; i < 7; ++i) m.cmdAumenta_Click();
    m.cmdScatto_Click(6);
    for (int i = 0; i < 7; ++i) m.cmdAumenta_Click();
    m.cmdScatto_Click(5);
    for (int i = 0; i < 2; ++i) m.cmdAumenta_Click();
    ASSERT_EQ(m.righe[44].Micro, "2772");
    const auto intervalli = Micro(m);
    m.cmdQuintaM_Click(44);
    EXPECT_EQ(m.righe[44].Micro, "0");
    EXPECT_EQ(m.righe[44].Scarto, "0");
    EXPECT_EQ(m.righe[37].Micro, "-2772");
    EXPECT_EQ(m.righe[37].Scarto, "-1,9553");
    Riga(m, 0, {"-----", "-----", "-----", "-----"});
    EXPECT_EQ(m.etichetteNascoste().lblClickN, "0");
    for (auto c : m.lblEtiQuinta) EXPECT_NE(c, Colori::RossoChiaro);
    for (int r = 1; r <= 36; ++r) EXPECT_EQ(m.righe[static_cast<size_t>(r)].Micro, intervalli[static_cast<size_t>(r)]);
    // Clicked again, the note that already reads 0 moves nothing.
    const auto note = Micro(m);
    m.cmdQuintaM_Click(44);
    EXPECT_EQ(Micro(m), note);
    // A note selected: steps and holds change nothing.
    const auto prima = Micro(m);
    m.cmdAumenta_MouseDown();
    EXPECT_FALSE(m.aumenta.attivo());
    m.aumenta.tick();
    m.cmdAumenta_Click();
    m.cmdAumenta_MouseUp();
    EXPECT_EQ(Micro(m), prima);
    EXPECT_EQ(m.etichetteNascoste().lblClickN, "0");
    // The interval selected before is a new selection.
    m.cmdQuintaM_Click(1);
    EXPECT_EQ(m.etichetteNascoste().lblClickN, "1");
    EXPECT_EQ(m.lblMemValore, "");
}

TEST(MicroLab, TenereIlPassoERilasciare) {
    TabellaMicroLab m;
    m.cmdLab_Click(TemperamentoIniziale(), "IT");
    // Nothing selected: the timer runs but changes nothing; the release lights nothing.
    m.cmdAumenta_MouseDown();
    EXPECT_TRUE(m.aumenta.attivo());
    EXPECT_TRUE(m.aumenta.tick());
    m.cmdAumenta_MouseUp();
    EXPECT_FALSE(m.aumenta.attivo());
    EXPECT_EQ(m.etichetteNascoste().lblClickN, "1");
    for (auto* e : {&m.lblEtiQuinta, &m.lblEtiTerze, &m.lblEtiSemitoni})
        for (size_t j = 1; j <= 4; ++j) EXPECT_EQ((*e)[j], Colori::Bianco);
    EXPECT_EQ(m.righe[1].Micro, "992376");

    // A semitone at click 3, then held: three ticks and the click.
    m.cmdQuintaM_Click(26);
    m.cmdQuintaM_Click(26);
    m.cmdQuintaM_Click(26);
    m.cmdDiminuisci_MouseDown();
    for (int i = 0; i < 3; ++i) EXPECT_TRUE(m.diminuisci.tick());
    m.diminuisci.clic();
    m.cmdDiminuisci_MouseUp();
    EXPECT_FALSE(m.diminuisci.attivo());
    EXPECT_EQ(m.righe[26].Micro, "141764");
    EXPECT_EQ(m.etichetteNascoste().lblClickN, "1");
    EXPECT_EQ(m.lblEtiSemitoni[1], Colori::RossoChiaro);
    EXPECT_EQ(m.lblEtiSemitoni[3], Colori::Bianco);
    EXPECT_EQ(m.etichetteNascoste().lblRitornoQuintaIniziale, "No");
    // The next click is click 2 of a fresh cycle and memorises the stepped size.
    m.cmdQuintaM_Click(26);
    EXPECT_EQ(m.lblMemValore, "141764");

    // A release while a note is selected still stops its own timer.
    m.cmdQuintaM_Click(30);
    m.cmdAumenta_MouseDown();
    m.cmdQuintaM_Click(40);
    m.cmdAumenta_MouseUp();
    EXPECT_FALSE(m.aumenta.attivo());
    EXPECT_EQ(m.etichetteNascoste().lblClickN, "0");
}

TEST(MicroLab, ApplicaDopoMilleSulPrimoSemitono) {
    Temperamento t = TemperamentoIniziale();
    Istogrammi g = IstogrammiIniziali();
    t.QuintaSelezionata = 5;
    TabellaMicroLab m;
    m.cmdLab_Click(t, "IT");
    m.cmdScatto_Click(8);
    m.cmdQuintaM_Click(25);
    m.cmdAumenta_Click();
    m.CmdApplicaMicro_Click(t, g, Progetto);
    EXPECT_FALSE(m.aperta);
    struct Atteso {
        int k;
        const char *quinta, *qc, *fraz, *terza, *tc, *semitono, *sc;
    } attesi[] = {
        {1, "992376", "700", "-1/12", "567072", "400", "142768", "100,71"},
        {2, "992376", "700", "-1/12", "567072", "400", "140768", "99,29"},
        {4, "992376", "700", "-1/12", "568072", "400,71", "141768", "100"},
        {7, "993376", "700,71", "ND", "567072", "400", "141768", "100"},
        {8, "991376", "699,29", "ND", "566072", "399,29", "141768", "100"},
    };
    for (const auto& a : attesi) {
        const auto k = static_cast<size_t>(a.k);
        EXPECT_EQ(t.Quinte[k], a.quinta) << a.k;
        EXPECT_EQ(t.CopiaQuinte[k], a.quinta) << a.k;
        EXPECT_EQ(t.QuinteCents[k], a.qc) << a.k;
        EXPECT_EQ(t.Frazioni[k], a.fraz) << a.k;
        EXPECT_EQ(t.Terze[k], a.terza) << a.k;
        EXPECT_EQ(t.TerzeCents[k], a.tc) << a.k;
        EXPECT_EQ(t.Semitoni[k], a.semitono) << a.k;
        EXPECT_EQ(t.SemitoniCents[k], a.sc) << a.k;
    }
    EXPECT_EQ(t.ScartoSemitonale, "1,42");
    EXPECT_EQ(t.SigleTerze[4], "");
    EXPECT_EQ(t.SigleTerze[1], "E");
    EXPECT_EQ(t.QuintaSelezionata, 0);
    EXPECT_EQ(t.Nome, TemperamentoIniziale().Nome);
    // The selection is gone; the step stays.
    EXPECT_EQ(m.etichetteNascoste().lblIndexM, "0");
    EXPECT_EQ(m.etichetteNascoste().lblSeqInt[1], "");
    EXPECT_EQ(m.coloreQuintaM[25], ColoriMicro::Semitoni);
    EXPECT_EQ(m.etichetteNascoste().lblIndexScattoM, "8");
    Riga(m, 0, {"-----", "-----", "-----", "-----"});
    // At the next opening a step changes nothing until a row is selected.
    m.cmdLab_Click(t, "IT");
    const auto prima = Micro(m);
    m.cmdAumenta_Click();
    EXPECT_EQ(Micro(m), prima);
}

TEST(MicroLab, CentsDellApplicaInSingolaPrecisione) {
    // Fifth 1 at 992376 + 248 (table cents 700,1749), per comma mode.
    for (ModoComma modo : {ModoComma::Sintonico, ModoComma::Pitagorico}) {
        Temperamento t = TemperamentoIniziale();
        t.impostaModo(modo);
        Istogrammi g = IstogrammiIniziali();
        TabellaMicroLab m;
        m.cmdLab_Click(t, "IT");
        m.cmdQuintaM_Click(1);
        m.cmdScatto_Click(7);
        m.cmdAumenta_Click();
        m.cmdAumenta_Click();
        m.cmdScatto_Click(6);
        for (int i = 0; i < 4; ++i) m.cmdAumenta_Click();
        m.cmdScatto_Click(5);
        for (int i = 0; i < 8; ++i) m.cmdAumenta_Click();
        ASSERT_EQ(m.righe[1].Cents, "700,1749");
        m.CmdApplicaMicro_Click(t, g, Progetto);
        EXPECT_EQ(t.QuinteCents[1], modo == ModoComma::Sintonico ? "700,18" : "700,17");
    }
    // The rule on its own, where it parts from two-decimal rounding of the text.
    struct Caso {
        const char *cents, *atteso;
    } casi[] = {{"702,235", "702,24"}, {"700,1749", "700,18"}, {"386,3137", "386,31"},
                {"100,7054", "100,71"}, {"-9,7765", "-9,78"}, {"0", "0"}};
    for (const auto& c : casi) EXPECT_EQ(Testo(*CentsSingolaDaCents(c.cents)), c.atteso) << c.cents;
    EXPECT_FALSE(CentsSingolaDaCents(""));
    EXPECT_FALSE(CentsSingolaDaCents("1.5"));
}

TEST(MicroLab, ResetPoiApplicaENomiPerComma) {
    for (ModoComma modo : {ModoComma::Pitagorico, ModoComma::Sintonico}) {
        Temperamento t = Pitagorico();
        t.Nome = "MIO";
        t.impostaModo(modo);
        Istogrammi g = IstogrammiIniziali();
        TabellaMicroLab m;
        m.cmdLab_Click(t, "IT");
        m.cmdQuintaM_Click(44);
        m.cmdScatto_Click(6);
        m.cmdResetMicro_Click();
        EXPECT_EQ(m.coloreQuintaM[44], ColoriMicro::Note);
        EXPECT_EQ(m.etichetteNascoste().lblIndexM, "0");
        EXPECT_EQ(m.etichetteNascoste().lblIndexScattoM, "6");
        EXPECT_EQ(m.coloreScatto[6], Colori::RossoChiaro);
        for (int r = 37; r <= 48; ++r) Riga(m, r, {"0", "0", "0", "0"});
        Riga(m, 0, {"-----", "-----", "-----", "-----"});
        m.CmdApplicaMicro_Click(t, g, Progetto);
        for (int k = 1; k <= 12; ++k) {
            const auto i = static_cast<size_t>(k);
            EXPECT_EQ(t.Quinte[i], "992376");
            EXPECT_EQ(t.QuinteCents[i], "700");
            EXPECT_EQ(t.Frazioni[i], modo == ModoComma::Pitagorico ? "-1/12" : "- Schisma");
            EXPECT_EQ(t.Terze[i], "567072");
            EXPECT_EQ(t.TerzeCents[i], "400");
            EXPECT_EQ(t.SigleTerze[i], "E");
            EXPECT_EQ(t.Semitoni[i], "141768");
            EXPECT_EQ(t.SemitoniCents[i], "100");
        }
        EXPECT_EQ(t.ScartoSemitonale, "0");
        EXPECT_EQ(t.Nome, "MIO");
    }
}

TEST(MicroLab, AnnullaLasciaIlTemperamentoIdentico) {
    Temperamento t = Pitagorico();
    t.QuintaSelezionata = 3;
    const std::string byte = ByteTemperamento(t);
    const Temperamento prima = t;
    TabellaMicroLab m;
    m.cmdLab_Click(t, "IT");
    m.cmdQuintaM_Click(5);
    m.cmdQuintaM_Click(5);
    m.cmdAumenta_Click();
    m.cmdResetMicro_Click();
    m.cmdQuintaM_Click(40);
    m.cmdAnnullaMicro_Click();
    EXPECT_FALSE(m.aperta);
    EXPECT_EQ(ByteTemperamento(t), byte);
    prova::StessoTemperamento(t, prima);
    EXPECT_EQ(t.QuintaSelezionata, 3);
    EXPECT_EQ(m.coloreQuintaM[40], ColoriMicro::Note);
    EXPECT_EQ(m.lblMemValore, "");
    // Reopening shows the temperament again, nothing selected.
    m.cmdLab_Click(t, "IT");
    Riga(m, 6, {"961884", "678,4916", "-23,4637", "1,47981"});
    EXPECT_EQ(m.etichetteNascoste().lblIndexM, "0");
    for (int r = 1; r <= 48; ++r) EXPECT_EQ(m.righe[static_cast<size_t>(r)].colore, Colori::Bianco);
}

TEST(MicroLab, NomiDeiPulsantiNelleQuattroNotazioni) {
    struct Caso {
        int riga;
        const char *it, *fr, *de, *en;
    } casi[] = {
        {1, "DO - SOL", "UT - SOL", "C - G", "C - G"},
        {5, "MI - SI", "MI - SI", "E - H", "E - B"},
        {10, "MIb - SIb", "MIb - SIb", "Eb - B", "Eb - Bb"},
        {16, "LA - DO#", "LA - UT#", "A - C#", "A - C#"},
        {17, "MI - SOL#", "MI - SOL#", "E - G#", "E - G#"},
        {23, "SIb - RE", "SIb - RE", "B - D", "Bb - D"},
        {25, "DO - DO#", "UT - UT#", "C - C#", "C - C#"},
        {35, "SIb - SI", "SIb - SI", "B - H", "Bb - B"},
        {36, "SI - DO", "SI - UT", "H - C", "B - C"},
        {47, "SIb", "SIb", "B", "Bb"},
        {48, "SI", "SI", "H", "B"},
    };
    TabellaMicroLab m;
    for (const char* l : {"IT", "FR", "DE", "EN"}) {
        m.cmdLab_Click(TemperamentoIniziale(), l);
        for (const auto& c : casi) {
            const char* atteso = l[0] == 'I' ? c.it : l[0] == 'F' ? c.fr : l[0] == 'D' ? c.de : c.en;
            EXPECT_EQ(m.cmdQuintaM[static_cast<size_t>(c.riga)], atteso) << l << " " << c.riga;
        }
    }
    // Another caption leaves the last opening's names.
    m.cmdLab_Click(TemperamentoIniziale(), "it");
    EXPECT_EQ(m.cmdQuintaM[5], "E - B");
}

TEST(MicroLab, RapportoOltreIlLimiteDeiTrentaDueBit) {
    EXPECT_EQ(TestoRapporto(V("700")), "1,49831");
    EXPECT_EQ(TestoRapporto(V("-1200")), "0,5");
    EXPECT_EQ(TestoRapporto(V("1200")), "2");
    // 17300 cents: 2^14.4 x 100000 is well past 2^31.
    EXPECT_EQ(TestoRapporto(V("17300")), "21870,01617");
    EXPECT_EQ(TestoRapporto(V("10000000")), "");
    // A long hold at 1000 Micro reaches such sizes and keeps going.
    TabellaMicroLab m;
    m.cmdLab_Click(TemperamentoIniziale(), "IT");
    m.cmdQuintaM_Click(1);
    m.cmdScatto_Click(8);
    m.cmdAumenta_MouseDown();
    for (int i = 0; i < 24000; ++i) m.aumenta.tick();
    m.cmdAumenta_MouseUp();
    EXPECT_EQ(m.righe[1].Micro, "24992376");
    EXPECT_FALSE(m.righe[1].Decim.empty());
    EXPECT_EQ(m.righe[2].Micro, "-23007624");
    EXPECT_EQ(m.righe[2].Decim, "0,00008");
}

TEST(MicroLab, PannelloDiConversione) {
    TabellaMicroLab m;
    m.cmdLab_Click(TemperamentoIniziale(), "IT");
    PannelloConversione& p = m.conversione;
    ASSERT_TRUE(p.cmdSomma_Click());
    EXPECT_EQ(p.TxtCents[0], "-23,52");
    for (size_t k = 1; k <= 12; ++k) {
        EXPECT_EQ(p.TxtMicro[k], "-2772");
        EXPECT_EQ(p.TxtQuinta[k], "992376");
        EXPECT_EQ(p.TxtQuinteArrotondate[k], "992376");
    }
    EXPECT_EQ(p.TxtQuinta[0], "11908512");
    EXPECT_EQ(p.TxtQuinteArrotondate[0], "11908512");
    EXPECT_NE(p.lblTotaleMicro, ColoriMicro::Rosso);
    EXPECT_NE(p.lblTotaleMicroArrotondata, ColoriMicro::Rosso);

    // "C" copies the row above, row 1 from row 12.
    p.TxtCents[12] = "-5";
    p.cmdCopy_Click(1);
    EXPECT_EQ(p.TxtCents[1], "-5");
    p.TxtCents[4] = "1,5";
    p.cmdCopy_Click(5);
    EXPECT_EQ(p.TxtCents[5], "1,5");

    // Refused: a non-number, a zero total; nothing shown changes.
    const auto arrotondate = p.TxtQuinteArrotondate;
    for (const char* s : {"x", "", "1,2,3"}) {
        p.TxtCents[3] = s;
        EXPECT_FALSE(p.cmdSomma_Click()) << s;
    }
    for (size_t k = 1; k <= 12; ++k) p.TxtCents[k] = k <= 6 ? "1" : "-1";
    EXPECT_FALSE(p.cmdSomma_Click());
    // As on the Zadu-Rori screen, a total that is zero to four decimals is refused too.
    for (size_t k = 1; k <= 12; ++k) p.TxtCents[k] = k == 1 ? "0,00001" : "0";
    EXPECT_FALSE(p.cmdSomma_Click());
    EXPECT_EQ(p.TxtQuinteArrotondate, arrotondate);

    // Uneven deviations: fifths with decimals, carried into the table with
    // their linked rows, so that every sum stays.
    for (size_t k = 1; k <= 12; ++k) p.TxtCents[k] = k == 5 ? "-1" : "-2";
    ASSERT_TRUE(p.cmdSomma_Click());
    EXPECT_EQ(p.TxtCents[0], "-23");
    EXPECT_EQ(p.TxtMicro[1], "-2892,52173913043");
    EXPECT_EQ(p.TxtQuinteArrotondate[1], "992255,4783");
    EXPECT_EQ(p.TxtQuinteArrotondate[5], "993701,7391");
    const ValoreFisso quinte = Somma(m, 1, 12), terze = Somma(m, 13, 24), semitoni = Somma(m, 25, 36);
    ASSERT_TRUE(p.cmdRiporta_Click(m));
    ValoreFisso totale;
    for (size_t k = 1; k <= 12; ++k) totale += V(p.TxtQuinteArrotondate[k]);
    EXPECT_EQ(Testo(totale), p.TxtQuinteArrotondate[0]);
    // Fifth 12 hands its difference to fifth 1, which takes what the rounding left over.
    for (size_t k = 2; k <= 12; ++k) EXPECT_EQ(m.righe[k].Micro, p.TxtQuinteArrotondate[k]) << k;
    EXPECT_EQ(V(m.righe[1].Micro), V(p.TxtQuinteArrotondate[1]) + quinte - totale);
    EXPECT_EQ(Somma(m, 1, 12), quinte);
    EXPECT_EQ(Somma(m, 13, 24), terze);
    EXPECT_EQ(Somma(m, 25, 36), semitoni);
    EXPECT_EQ(m.etichetteNascoste().lblIndexM, "12");
    EXPECT_EQ(m.etichetteNascoste().lblClickN, "1");
    EXPECT_EQ(m.righe[0].Micro, m.righe[12].Micro);
    // The design values close exactly: every fifth at its rounded size.
    for (size_t k = 1; k <= 12; ++k) p.TxtCents[k] = "-1,96";
    ASSERT_TRUE(p.cmdSomma_Click());
    ASSERT_TRUE(p.cmdRiporta_Click(m));
    for (size_t k = 1; k <= 12; ++k) EXPECT_EQ(m.righe[k].Micro, "992376") << k;
    p.TxtQuinteArrotondate[4] = "";
    EXPECT_FALSE(p.cmdRiporta_Click(m));
}

}  // namespace
}  // namespace vk

namespace vk {
namespace {

// From files with sizes near the limits, random clicks and long holds at
// 1000 Micro, then "APPLICA": what the main screen then shows saves and
// opens again to the same temperament.
TEST(MicroLab, DaFileEstremiLApplicaSiSalvaESiRiapre) {
    std::mt19937 caso(20261210);
    std::vector<uint8_t> byte(256);
    for (int giro = 0; giro < 200; ++giro) {
        for (auto& b : byte) b = static_cast<uint8_t>(caso());
        prova::Scelte s(byte.data(), byte.size());
        Temperamento t = TemperamentoIniziale();
        ApplicaVoci(prova::VociEstreme(s), t);
        Istogrammi g = IstogrammiIniziali();
        TabellaMicroLab m;
        m.cmdLab_Click(t, "IT");
        m.cmdScatto_Click(8);
        for (int azione = 0; azione < 12; ++azione) {
            const int r = s.tra(1, 36);
            m.cmdQuintaM_Click(r);
            if (s.byte() % 3 == 0) continue;  // a quick modification alone
            const bool piu = s.byte() % 2;
            auto& ripeti = piu ? m.aumenta : m.diminuisci;
            piu ? m.cmdAumenta_MouseDown() : m.cmdDiminuisci_MouseDown();
            for (int i = s.tra(0, 200); i > 0; --i) ripeti.tick();
            piu ? m.cmdAumenta_MouseUp() : m.cmdDiminuisci_MouseUp();
        }
        m.CmdApplicaMicro_Click(t, g, Progetto);
        std::string perche;
        EXPECT_TRUE(prova::SalvaERiapre(t, &perche)) << "round " << giro << ": " << perche;
    }
}

TEST(MicroLab, UnPassoOltreIlLimiteNonAvviene) {
    Temperamento t = TemperamentoIniziale();
    t.Quinte[1] = "99999999000";
    t.Quinte[2] = Testo(ValoreFisso::intero(992376) - (V("99999999000") - ValoreFisso::intero(992376)));
    TabellaMicroLab m;
    m.cmdLab_Click(t, "IT");
    m.cmdQuintaM_Click(1);
    m.cmdScatto_Click(8);
    m.cmdAumenta_Click();  // 99999999000 + 1000 is the limit itself
    EXPECT_EQ(m.righe[1].Micro, "100000000000");
    const auto prima = Micro(m);
    m.cmdAumenta_Click();
    EXPECT_EQ(Micro(m), prima);
    m.cmdDiminuisci_Click();
    EXPECT_EQ(m.righe[1].Micro, "99999999000");
}

// Everything the screen shows and every hidden state label.
struct StatoMicro {
    bool aperta;
    ColoreVB sfondo;
    std::array<RigaMicro, 49> righe;
    std::array<std::string, 49> cmdQuintaM;
    std::array<ColoreVB, 49> coloreQuintaM;
    std::array<ColoreVB, 9> coloreScatto;
    std::array<ColoreVB, 5> quinta, terze, semitoni;
    std::array<std::array<std::string, 13>, 4> conversione;
    ColoreVB totale, totaleArrotondato;
    int indice, click;
    std::string memoria;
    bool ritorno;
    std::array<int, 8> collegati;
    int scatto;
    bool operator==(const StatoMicro&) const = default;
};

StatoMicro Stato(const TabellaMicroLab& m) {
    const PannelloConversione& c = m.conversione;
    return {m.aperta, m.sfondo, m.righe, m.cmdQuintaM, m.coloreQuintaM, m.coloreScatto,
            m.lblEtiQuinta, m.lblEtiTerze, m.lblEtiSemitoni,
            {c.TxtCents, c.TxtMicro, c.TxtQuinta, c.TxtQuinteArrotondate},
            c.lblTotaleMicro, c.lblTotaleMicroArrotondata, m.lblIndexM, m.lblClickN, m.lblMemValore,
            m.lblRitornoQuintaIniziale, m.lblSeqInt, m.lblIndexScattoM};
}

// The rows whose button and cells show the selection.
std::vector<int> RigheInRosso(const TabellaMicroLab& m) {
    std::vector<int> v;
    for (size_t r = 1; r <= 48; ++r) {
        const bool pulsante = m.coloreQuintaM[r] == Colori::RossoChiaro;
        EXPECT_EQ(m.righe[r].colore == Colori::RossoChiaro, pulsante) << r;
        if (pulsante) v.push_back(static_cast<int>(r));
    }
    return v;
}

// Semitones near the limit: DO# about +9e10 above its place, RE near it,
// MIb about -9e10, so RE and MI cannot be the reference.
Temperamento SemitoniAlLimite() {
    Temperamento t = TemperamentoIniziale();
    t.Semitoni[1] = "90000000000";
    t.Semitoni[2] = "-90000000000";
    t.Semitoni[3] = "-90000000000";
    return DaFile(t);
}

TEST(MicroLab, UnaNotaRifiutataNonCambiaNienteNemmenoIColori) {
    struct Caso {
        std::vector<int> prima;  // the clicks that make the selection
        int rifiutata;
    };
    const Caso casi[] = {
        {{2}, 40}, {{2, 2}, 38}, {{13, 13, 13}, 40}, {{39}, 38}, {{39}, 40},
    };
    const Temperamento t = SemitoniAlLimite();
    for (const Caso& c : casi) {
        SCOPED_TRACE(c.rifiutata);
        TabellaMicroLab m;
        m.cmdLab_Click(t, "IT");
        m.cmdScatto_Click(1);
        for (int r : c.prima) m.cmdQuintaM_Click(r);
        const StatoMicro prima = Stato(m);
        m.cmdQuintaM_Click(c.rifiutata);
        EXPECT_TRUE(Stato(m) == prima);
        const int selezionata = c.prima.back();
        EXPECT_EQ(RigheInRosso(m), std::vector<int>{selezionata});
        // ">" then steps the row still shown selected, or nothing on a note.
        m.cmdAumenta_Click();
        const auto micro = Micro(m);
        for (size_t r = 1; r <= 48; ++r) {
            const bool mossa = micro[r] != prima.righe[r].Micro;
            if (static_cast<int>(r) == selezionata) {
                EXPECT_EQ(mossa, selezionata <= 36) << r;
                if (mossa) {
                    EXPECT_EQ(V(micro[r]), V(prima.righe[r].Micro) + m.passoMicro()) << r;
                }
            } else if (mossa) {
                EXPECT_NE(std::ranges::find(prima.collegati, static_cast<int>(r)), prima.collegati.end()) << r;
            }
        }
    }
}

// Random clicks and steps on that file: the one row shown selected is
// always the selected one, and nothing is shown selected with none.
TEST(MicroLab, LaRigaInRossoEQuellaSelezionata) {
    std::mt19937 caso(20260301);
    const Temperamento t = SemitoniAlLimite();
    for (int giro = 0; giro < 50; ++giro) {
        TabellaMicroLab m;
        m.cmdLab_Click(t, "IT");
        m.cmdScatto_Click(8);
        for (int azione = 0; azione < 40; ++azione) {
            const int r = std::uniform_int_distribution(1, 48)(caso);
            m.cmdQuintaM_Click(r);
            if (caso() % 2) caso() % 2 ? m.cmdAumenta_Click() : m.cmdDiminuisci_Click();
            const int s = m.lblIndexM;
            ASSERT_EQ(RigheInRosso(m), s ? std::vector<int>{s} : std::vector<int>{})
                << "round " << giro << ", click " << azione << " on " << r;
        }
    }
}

TEST(MicroLab, UnaNotaDiRiferimentoCheLascerebbeIlLimiteNonSiPrende) {
    // A file with semitones near the limit: DO# about +9e10 above its place,
    // RE near it, MIb about -9e10.
    Temperamento t = TemperamentoIniziale();
    t.Semitoni[1] = "90000000000";
    t.Semitoni[2] = "-90000000000";
    t.Semitoni[3] = "-90000000000";
    t = DaFile(t);
    struct Caso {
        int nota;
        bool presa;
    };
    const Caso casi[] = {{40, false}, {38, false}, {39, true}, {37, true}};
    for (const Caso& c : casi) {
        SCOPED_TRACE(c.nota);
        TabellaMicroLab m;
        m.cmdLab_Click(t, "IT");
        m.cmdQuintaM_Click(2);
        const auto prima = m.righe;
        const int selezionata = m.lblIndexM;
        m.cmdQuintaM_Click(c.nota);
        for (int r = 37; r <= 48; ++r) EXPECT_TRUE(V(m.righe[static_cast<size_t>(r)].Micro).leggibile()) << r;
        if (c.presa) {
            EXPECT_EQ(m.righe[static_cast<size_t>(c.nota)].Micro, "0");
            EXPECT_EQ(m.lblIndexM, c.nota);
        } else {
            // Not carried out: every row and the selection stay.
            for (size_t r = 0; r <= 48; ++r) EXPECT_EQ(m.righe[r].Micro, prima[r].Micro) << r;
            EXPECT_EQ(m.lblIndexM, selezionata);
        }
    }
}

}  // namespace
}  // namespace vk
