#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "app/Avvio.h"
#include "app/Impostazioni.h"
#include "app/StatoPrincipale.h"
#include "keytable/TavolaScale.h"
#include "tests/comune/CartellaProva.h"

namespace vk {
namespace {

using Stringhe = std::vector<std::string>;
constexpr ColoreVB Crema = 0xE3FEFF;
constexpr ColoreVB Verde = 0xDBFDE7;
constexpr ColoreVB Arancio = 0xC0E0FF;
constexpr ColoreVB Faccia = Colori::FacciaPulsante;

// The screen as the program opens it: after the load sequence's table view.
class Tavola : public ::testing::Test {
protected:
    Tavola() {
        PreparaVistaTabella(s);
        t.apri();
    }
    Stringhe limiti() const { return {t.lblNumLeg.begin() + 1, t.lblNumLeg.end()}; }
    // Which intervals the filter shows, checked to agree on all five displays.
    std::vector<int> mostrati() const {
        std::vector<int> v;
        for (int i = 1; i <= 11; ++i) {
            const bool si = t.coloreSelezInterv[static_cast<size_t>(i)] == Colori::Bianco;
            EXPECT_EQ(t.visibileIsto[static_cast<size_t>(i)], si) << i;
            for (int k = 1; k <= 13; ++k) EXPECT_EQ(t.visibileScala[static_cast<size_t>(CellaScarto(k, i))], si);
            if (si) v.push_back(i);
        }
        return v;
    }
    StatoPrincipale s;
    TavolaScale t{s};
};

const std::vector<int> Tutti = {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11};

TEST_F(Tavola, AperturaInVistaTabellaConPresetCr) {
    EXPECT_TRUE(t.aperta);
    EXPECT_TRUE(t.copertura());
    EXPECT_EQ(t.coloreCopertura(), 0xE9DCD3u);
    EXPECT_EQ(t.lblScala[4], "13,69");
    EXPECT_EQ(t.lblEufonico[13], "-14,66");
    EXPECT_EQ(t.cmdSelezInterv[1], "16/15");
    EXPECT_EQ(t.lblPreset, 0);
    EXPECT_EQ(t.colorePreset[0], Arancio);
    EXPECT_EQ(mostrati(), Tutti);
    // Equal deviations under the design limits: 13,69 band 10, -1,96 band 6.
    EXPECT_EQ(t.coloreScala[4], ColoriFasce[10]);
    EXPECT_EQ(t.coloreScala[7], ColoriFasce[6]);
}

TEST_F(Tavola, NotazioneDeiPulsantiDelleTonalita) {
    struct Caso {
        const char* lingua;
        int k;
        const char* nome;
    } casi[] = {{"DE", 11, "B"}, {"DE", 12, "H"}, {"EN", 11, "Bb"}, {"EN", 12, "B"}, {"FR", 1, "UT"}};
    for (const auto& c : casi) {
        s.LinguaNote = c.lingua;
        t.apri();
        EXPECT_EQ(t.cmdNotaScala[static_cast<size_t>(c.k)], c.nome) << c.lingua;
    }
    // No notation: the names stay as they are.
    s.LinguaNote = "xx";
    t.apri();
    EXPECT_EQ(t.cmdNotaScala[1], "UT");
    // The interval buttons stay Italian.
    t.nota(7);
    EXPECT_EQ(t.cmdSelezInterv[6], "SI#");
    EXPECT_EQ(t.cmdSelezInterv[11], "MI#");
}

TEST_F(Tavola, UnaTonalitaMostraIstogrammaIndiceEParola) {
    t.nota(1);
    EXPECT_FALSE(t.copertura());
    EXPECT_EQ(t.lblClickScale, 1);
    EXPECT_EQ(t.coloreNotaScala[1], Colori::RossoChiaro);
    EXPECT_EQ(t.testoAlterazioni[1], 0xC0u);
    EXPECT_EQ(t.testoEufonico[1], 0xC0u);
    EXPECT_EQ(t.lblLegenda[18], "-14,66");
    EXPECT_EQ(t.lblLegenda[19], "Sufficiente");
    EXPECT_EQ(t.lblScartiInCents[4], "13,69");
    EXPECT_EQ(t.coloreIsto[4], t.coloreScala[4]);
    EXPECT_EQ(t.cmdSelezInterv[1], "REb");

    // Another key: the highlight and the histogram move, no table between.
    t.nota(8);
    EXPECT_FALSE(t.copertura());
    EXPECT_EQ(t.coloreNotaScala[1], Faccia);
    EXPECT_EQ(t.testoAlterazioni[1], Colori::Nero);
    EXPECT_EQ(t.coloreNotaScala[8], Colori::RossoChiaro);
    EXPECT_EQ(t.cmdSelezInterv[1], "LAb");

    // The key shown again: back to the table, nothing highlighted.
    t.nota(8);
    EXPECT_TRUE(t.copertura());
    EXPECT_EQ(t.lblClickScale, 0);
    EXPECT_EQ(t.coloreNotaScala[8], Faccia);
    EXPECT_EQ(t.cmdSelezInterv[1], "16/15");
    EXPECT_EQ(t.lblNotaSelezionata, 8);
    t.nota(8);
    EXPECT_FALSE(t.copertura());
    EXPECT_EQ(t.lblClickScale, 8);
}

TEST_F(Tavola, SolbemolleComeFadiesisConLeSueNote) {
    s.temperamento.Semitoni = {"", "127908", "161172", "127908", "161172", "127908", "127908",
                               "161172", "127908", "161172", "127908", "161172", "127908"};
    t.apri();
    t.nota(7);
    const auto barre7 = t.ShpIstoScala;
    const auto parola7 = t.lblLegenda[19];
    t.nota(13);
    EXPECT_EQ(t.lblLegenda[18], "-20,11");
    EXPECT_EQ(t.lblLegenda[19], parola7);
    EXPECT_EQ(t.lblLegenda[19], "Insufficiente");
    for (int n = 1; n <= 11; ++n) {
        EXPECT_EQ(t.ShpIstoScala[static_cast<size_t>(n)].Height, barre7[static_cast<size_t>(n)].Height);
        EXPECT_EQ(t.lblScartiInCents[static_cast<size_t>(n)], t.lblScala[static_cast<size_t>(CellaScarto(13, n))]);
    }
    EXPECT_EQ(t.cmdSelezInterv[1], "LAbb");
    EXPECT_EQ(t.cmdSelezInterv[11], "FA");
}

TEST_F(Tavola, IndiceFuoriDalleFasceELeggibileSoloSeNumero) {
    // Only the major third of DO far from pure: the index falls below -200.
    s.temperamento.Semitoni[4] = "4000000";
    t.apri();
    t.nota(1);
    EXPECT_LT(*Numero(t.lblLegenda[18]), *Numero("-200"));
    EXPECT_EQ(t.lblLegenda[19], "Pessima");
    // The bars from the major third up stand far above the panel (Top 720):
    // the model keeps them whole, only the painting stops at the panel.
    EXPECT_GT(t.ShpIstoScala[4].Height, 20000.0f);
    EXPECT_LT(t.ShpIstoScala[4].Top, -10000.0f);
    EXPECT_FLOAT_EQ(t.ShpIstoScala[4].Top + t.ShpIstoScala[4].Height, 9975.0f);
    // A semitone that is no number: no index, no word, no bar.
    s.temperamento.Semitoni[1] = "x";
    t.nota(1);
    t.apri();
    t.nota(1);
    EXPECT_EQ(t.lblLegenda[18], "");
    EXPECT_EQ(t.lblLegenda[19], "");
    EXPECT_EQ(t.ShpIstoScala[1].Height, 0.0f);
    EXPECT_EQ(t.coloreIsto[1], ColoriFasce[FasciaZero]);
}

TEST_F(Tavola, ChiusuraRiportaTabellaERapportiEPresetCr) {
    t.preset(2);
    t.nota(3);
    t.esci();
    EXPECT_FALSE(t.aperta);
    EXPECT_TRUE(t.copertura());
    EXPECT_EQ(t.lblClickScale, 0);
    EXPECT_EQ(t.coloreNotaScala[3], Faccia);
    EXPECT_EQ(t.cmdSelezInterv[3], "6/5");
    EXPECT_EQ(t.lblPreset, 0);
    EXPECT_EQ(mostrati(), Tutti);
    // What closing keeps: the last word and the last selected key.
    EXPECT_EQ(t.lblLegenda[19], "Sufficiente");
    EXPECT_EQ(t.lblNotaSelezionata, 3);
    // The next opening recomputes from the temperament as it then stands.
    s.temperamento.Semitoni[1] = "141769";
    t.apri();
    EXPECT_EQ(t.lblScala[CellaCumulata(1, 1)], "141769");
}

TEST_F(Tavola, PassiDeiLimitiEColoriDelleCelle) {
    const Stringhe progetto = {"-20", "-16", "-12", "-8", "-4", "0", "4", "8", "12", "16", "20"};
    for (int i = 0; i < 7; ++i) t.legenda(0);
    EXPECT_EQ(limiti(), (Stringhe{"-16,5", "-12,5", "-8,5", "-4,5", "-0,5", "0", "0,5", "4,5", "8,5", "12,5",
                                  "16,5"}));
    t.legenda(0);  // at the stop: no limit moves
    EXPECT_EQ(t.lblNumLeg[7], "0,5");
    // With L7 at 0,5 a cell of 0,5 is band 7 and 0,51 band 8: cell 1's value set by hand.
    t.lblScala[1] = "0,5";
    t.legenda(0);
    EXPECT_EQ(t.coloreScala[1], ColoriFasce[7]);
    t.lblScala[1] = "0,51";
    t.legenda(0);
    EXPECT_EQ(t.coloreScala[1], ColoriFasce[8]);
    t.legenda(2);
    EXPECT_EQ(t.lblNumLeg[7], "1");
    t.legenda(1);
    EXPECT_EQ(limiti(), progetto);
    for (int i = 0; i < 8; ++i) t.legenda(2);
    EXPECT_EQ(limiti(), (Stringhe{"-23,5", "-19,5", "-15,5", "-11,5", "-7,5", "0", "7,5", "11,5", "15,5",
                                  "19,5", "23,5"}));
    t.legenda(1);
    t.legenda(1);
    EXPECT_EQ(limiti(), progetto);
}

TEST_F(Tavola, LaLegendaRicoloraIstogrammaSoloConTonalitaMostrata) {
    t.legenda(0);  // no key shown: the table only
    EXPECT_EQ(t.coloreIsto[4], Crema);
    t.nota(1);
    // 13,69 lies above L9 (11,5 after one step); four steps more bring L10
    // below it.
    EXPECT_EQ(t.coloreIsto[4], ColoriFasce[10]);
    for (int i = 0; i < 4; ++i) t.legenda(0);
    EXPECT_EQ(t.lblNumLeg[10], "13,5");
    EXPECT_EQ(t.coloreScala[4], ColoriFasce[11]);
    EXPECT_EQ(t.coloreIsto[4], ColoriFasce[11]);
    // The pressed look comes and goes with the mouse.
    t.legendaPremi(2);
    EXPECT_EQ(t.coloreLegenda[2], Crema);
    t.legendaRilascia(2);
    EXPECT_EQ(t.coloreLegenda[2], Faccia);
}

TEST_F(Tavola, EnfasiRestituisceLeAltezzeEsatte) {
    ImpostaFornitoreSchermo([] { return DimensioniSchermo{15360, 11520}; });
    // With no key shown the button switches and nothing is drawn; the next
    // key shown is drawn in the state then in force.
    t.enfasi();
    EXPECT_EQ(t.coloreEnfasi, Faccia);
    EXPECT_EQ(t.ShpIstoScala[4].Height, 0.0f);
    t.nota(1);
    EXPECT_FLOAT_EQ(t.ShpIstoScala[4].Height, 751.25f * 4);
    t.nota(1);
    t.enfasi();
    t.nota(1);
    const auto con = t.ShpIstoScala;
    const auto colori = t.coloreIsto;
    EXPECT_NEAR(con[1].Height, 619.05, 0.01);
    t.enfasi();
    EXPECT_EQ(t.coloreEnfasi, Faccia);
    for (int n = 1; n <= 11; ++n) EXPECT_FLOAT_EQ(t.ShpIstoScala[static_cast<size_t>(n)].Height, 751.25f * n);
    t.enfasi();
    for (int n = 1; n <= 11; ++n) {
        EXPECT_EQ(t.ShpIstoScala[static_cast<size_t>(n)].Height, con[static_cast<size_t>(n)].Height);
        EXPECT_EQ(t.ShpIstoScala[static_cast<size_t>(n)].Top, con[static_cast<size_t>(n)].Top);
    }
    EXPECT_EQ(t.coloreIsto, colori);
    // The height factor is read at every drawing.
    ImpostaFornitoreSchermo([] { return DimensioniSchermo{15360, 14400}; });
    t.enfasi();
    EXPECT_FLOAT_EQ(t.ShpIstoScala[1].Height, 751.25f * 1.25f);
    ImpostaFornitoreSchermo({});
}

TEST_F(Tavola, InvertiELinee) {
    t.inverti();
    EXPECT_EQ(t.colorePannello, Colori::Nero);
    EXPECT_EQ(t.coloreCopertura(), Colori::Nero);
    EXPECT_EQ(t.testoNumLeg[1], Colori::Bianco);
    EXPECT_EQ(t.testoNumLeg[6], Colori::Nero);
    EXPECT_EQ(t.testoLegenda[17], Colori::Bianco);
    EXPECT_EQ(t.testoLegenda[19], Colori::Nero);
    EXPECT_EQ(t.bordoLivelli[9], 0x808080u);
    EXPECT_EQ(t.coloreInverti, Colori::Bianco);
    t.inverti();
    EXPECT_EQ(t.colorePannello, 0xE9DCD3u);
    EXPECT_EQ(t.coloreCopertura(), 0xE9DCD3u);
    EXPECT_EQ(t.bordoLivelli[9], Colori::Nero);  // the design's dark grey is gone
    EXPECT_EQ(t.testoLegenda[0], Colori::Nero);
    EXPECT_EQ(t.coloreInverti, Faccia);

    const std::pair<const char*, int> spessori[] = {{"Linee 2", 2}, {"Linee 3", 3}, {"Linee 1", 1}, {"Linee 2", 2}};
    for (const auto& [attesa, pixel] : spessori) {
        t.spessore();
        EXPECT_EQ(t.cmdSpessore, attesa);
        EXPECT_EQ(t.spessoreLivelli, pixel) << attesa;
    }
}

TEST_F(Tavola, PresetDelFiltro) {
    t.preset(2);
    EXPECT_EQ(mostrati(), (std::vector<int>{2, 3, 5, 7, 8, 10}));
    EXPECT_EQ(t.colorePreset[0], Faccia);
    EXPECT_EQ(t.colorePreset[2], Arancio);
    t.preset(3);
    EXPECT_EQ(mostrati(), (std::vector<int>{2, 4, 5, 7, 9, 11}));
    // A click on a hidden interval under "Sc +" shows it, writes no label colour.
    t.selezInterv(3);
    EXPECT_EQ(mostrati(), (std::vector<int>{2, 3, 4, 5, 7, 9, 11}));
    EXPECT_EQ(t.lblPreset, 3);
    EXPECT_EQ(s.SelezioneLibera[3], Crema);
    t.preset(3);
    EXPECT_EQ(mostrati(), (std::vector<int>{2, 4, 5, 7, 9, 11}));
    // "Cr." again while active shows everything, highlight kept.
    t.preset(0);
    t.selezInterv(6);
    t.preset(0);
    EXPECT_EQ(mostrati(), Tutti);
    EXPECT_EQ(t.colorePreset[0], Arancio);
    // The design selection leaves out every interval.
    t.preset(1);
    EXPECT_EQ(mostrati(), std::vector<int>{});
    for (int i = 1; i <= 11; ++i) EXPECT_EQ(t.coloreSelezInterv[static_cast<size_t>(i)], Faccia);
}

TEST_F(Tavola, SelezioneLiberaScrittaSoloSottoLib) {
    // Under "Cr." hiding 6 leaves its label alone; "Lib." follows the label.
    s.SelezioneLibera[6] = Verde;
    t.selezInterv(6);
    EXPECT_EQ(s.SelezioneLibera[6], Verde);
    t.preset(1);
    EXPECT_EQ(mostrati(), std::vector<int>{6});
    t.selezInterv(6);
    EXPECT_EQ(s.SelezioneLibera[6], Crema);
    t.selezInterv(2);
    t.selezInterv(11);
    EXPECT_EQ(s.SelezioneLibera[2], Verde);
    EXPECT_EQ(mostrati(), (std::vector<int>{2, 11}));
    // A key shown or changed leaves the filter alone.
    t.nota(4);
    t.nota(5);
    EXPECT_EQ(mostrati(), (std::vector<int>{2, 11}));
    t.esci();
    EXPECT_EQ(mostrati(), Tutti);
    t.apri();
    t.preset(1);
    EXPECT_EQ(mostrati(), (std::vector<int>{2, 11}));
    // Any colour other than cream counts as included.
    s.SelezioneLibera[5] = 0x123456;
    t.preset(1);
    EXPECT_EQ(mostrati(), (std::vector<int>{2, 5, 11}));
}

TEST(SelezioneLibera, SalvataDaOkERipresaAlProssimoAvvio) {
    namespace fs = std::filesystem;
    const fs::path dir = prova::CartellaDelTest();
    const fs::path file = dir / "Impostazioni.txt";
    {
        StatoPrincipale s;
        TavolaScale t(s);
        t.apri();
        t.preset(1);
        t.selezInterv(4);
        t.selezInterv(9);
        t.esci();
        ASSERT_TRUE(SalvaImpostazioni(s, file));
    }
    StatoPrincipale s;
    CaricaImpostazioni(s, file);
    TavolaScale t(s);
    t.apri();
    t.preset(1);
    for (int i = 1; i <= 11; ++i)
        EXPECT_EQ(t.coloreSelezInterv[static_cast<size_t>(i)], i == 4 || i == 9 ? Colori::Bianco : Faccia) << i;
    EXPECT_EQ(s.SelezioneLibera[4], Verde);
    EXPECT_EQ(s.SelezioneLibera[1], Crema);
}

}  // namespace
}  // namespace vk
