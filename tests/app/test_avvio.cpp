#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <set>
#include <string>
#include <vector>

#include "app/Avvio.h"
#include "app/Impostazioni.h"
#include "app/StatoPrincipale.h"
#include "model/Istogrammi.h"
#include "tests/comune/CartellaProva.h"
#include "tests/comune/ImpostazioniProgetto.h"

namespace vk {
namespace {

TEST(RitardoSplash, EsempiSvolti) {
    struct Caso {
        float r;
        int ora, minuto;
        int k, ms;
    };
    const Caso casi[] = {
        {0.5f, 14, 30, 5, 2100},
        {0.1f, 23, 0, 2, 2025},   // x = -0.82: n = -9
        {0.0f, 12, 0, 6, 2125},   // x = -0.48: n = -5
        {0.95f, 0, 59, 10, 2300},
    };
    for (const Caso& c : casi) {
        EXPECT_EQ(IndiceRitardo(c.r, c.minuto, c.ora), c.k) << c.r << " " << c.ora << ":" << c.minuto;
        EXPECT_EQ(RitardoSplash(c.r, c.minuto, c.ora), c.ms);
    }
}

TEST(RitardoSplash, OgniOraEMinutoDaUnoDeiDieciValori) {
    const float valori[] = {0.0f, 1e-7f, 0.25f, 0.5f, 0.999f, 0.99999994f};  // the last: largest float below 1
    std::set<int> visti;
    for (float r : valori)
        for (int h = 0; h < 24; ++h)
            for (int m = 0; m < 60; ++m) {
                const int k = IndiceRitardo(r, m, h);
                ASSERT_GE(k, 1) << r << " " << h << ":" << m;
                ASSERT_LE(k, 10) << r << " " << h << ":" << m;
                const int ms = RitardoSplash(r, m, h);
                ASSERT_GE(ms, 2000);
                ASSERT_LE(ms, 2300);
                visti.insert(k);
            }
    EXPECT_EQ(visti.size(), 10u);
    // A few more worked by hand.
    EXPECT_EQ(IndiceRitardo(0.05f, 6, 0), 2);   // x = 0.15
    EXPECT_EQ(IndiceRitardo(0.05f, 0, 1), 1);   // x = 0.01
    EXPECT_EQ(IndiceRitardo(0.0f, 0, 3), 9);    // x = -0.12: n = -2
}

TEST(GeneratoreCasuale, SemeRipetibileENumeriSottoUno) {
    GeneratoreCasuale a, b, c;
    a.semina(42);
    b.semina(42);
    c.semina(43);
    bool diversi = false;
    for (int i = 0; i < 10000; ++i) {
        const float x = a.prossimo();
        ASSERT_GE(x, 0.0f);
        ASSERT_LT(x, 1.0f);
        ASSERT_EQ(x, b.prossimo());
        diversi = diversi || x != c.prossimo();
    }
    EXPECT_TRUE(diversi);
}

// The load sequence with recording hooks; the clicks behave as the buttons'
// own: each flips its caption.
struct Registro {
    std::vector<std::string> passi;
    PassiCaricamento passiRegistrati(StatoPrincipale& s) {
        auto nota = [this](const char* n) { return [this, n] { passi.push_back(n); }; };
        PassiCaricamento p;
        p.sondaCartelle = nota("cartelle");
        p.caricaImpostazioni = nota("impostazioni");
        p.command9Click = [this, &s] {
            passi.push_back("Command9:" + s.istogrammi.Command9);
            s.istogrammi.Command9 = s.istogrammi.Command9 == "Colori Quinte" ? "No Colori Quinte" : "Colori Quinte";
        };
        p.aggiornaNomiNote = nota("note");
        p.cmdTastieraClick = [this, &s] {
            passi.push_back("cmdTastiera:" + s.VistaValori);
            s.VistaValori = s.VistaValori == "Tast" ? "Val" : "Tast";
        };
        p.cmdMostraIstoClick = [this, &s] {
            passi.push_back("cmdMostraIsto:" + s.DuplicatoIstogramma);
            s.DuplicatoIstogramma = s.DuplicatoIstogramma == "Ist N" ? "Ist Y" : "Ist N";
        };
        p.mostraInfoIstogrammi = nota("info");
        p.vistaTabella = nota("tabella");
        p.adattaSchermo = [this, &s] {
            const VoceGeometria* v = s.geometria.trova("ShpVari", 8);
            passi.push_back("adatta:" + std::to_string(int(v->alto)) + "/" + std::to_string(int(v->altezza)));
        };
        p.aggiornaIstogrammi = nota("istogrammi");
        return p;
    }
};

StatoPrincipale StatoConShpVari8() {
    StatoPrincipale s;
    s.geometria.registra("ShpVari", 8, TipoControllo::Forma, 600, 5640, 14055, 2880);
    return s;
}

TEST(SequenzaCaricamento, CaptionDiProgettoNessunaRipetizione) {
    StatoPrincipale s = StatoConShpVari8();
    Registro r;
    SequenzaCaricamento(s, r.passiRegistrati(s), {28800, 11520});
    const std::vector<std::string> attesi = {"cartelle", "impostazioni", "note", "info", "tabella"};
    EXPECT_EQ(r.passi, attesi);
    // 11520 twips high, whatever the width: no re-layout, ShpVari(8) as designed.
    const VoceGeometria* v = s.geometria.trova("ShpVari", 8);
    EXPECT_EQ(v->alto, 5640.0f);
    EXPECT_EQ(v->altezza, 2880.0f);
}

TEST(SequenzaCaricamento, CaptionSalvateRipetuteUnaVoltaNellOrdine) {
    StatoPrincipale s = StatoConShpVari8();
    Registro r;
    PassiCaricamento p = r.passiRegistrati(s);
    // The settings bring the three captions that ask for a replay.
    p.caricaImpostazioni = [&] {
        r.passi.push_back("impostazioni");
        s.istogrammi.Command9 = "No Colori Quinte";
        s.VistaValori = "Tast";
        s.DuplicatoIstogramma = "Ist N";
    };
    SequenzaCaricamento(s, p, {12288, 9000});
    const std::vector<std::string> attesi = {
        "cartelle", "impostazioni", "Command9:Colori Quinte", "note", "cmdTastiera:Val",
        "cmdMostraIsto:Ist Y", "info", "tabella", "adatta:5650/2870", "istogrammi"};
    EXPECT_EQ(r.passi, attesi);
    EXPECT_EQ(s.istogrammi.Command9, "No Colori Quinte");
    EXPECT_EQ(s.VistaValori, "Tast");
    EXPECT_EQ(s.DuplicatoIstogramma, "Ist N");
}

TEST(SequenzaCaricamento, PassiMancantiSaltatiSenzaToccareLeCaption) {
    StatoPrincipale s;
    s.istogrammi.Command9 = "No Colori Quinte";
    s.VistaValori = "Tast";
    s.DuplicatoIstogramma = "Ist N";
    SequenzaCaricamento(s, PassiCaricamento{}, {28800, 16200});
    EXPECT_EQ(s.istogrammi.Command9, "No Colori Quinte");
    EXPECT_EQ(s.VistaValori, "Tast");
    EXPECT_EQ(s.DuplicatoIstogramma, "Ist N");
}

TEST(SequenzaCaricamento, CaptionQuasiUgualiNonRipetute) {
    StatoPrincipale s = StatoConShpVari8();
    Registro r;
    PassiCaricamento p = r.passiRegistrati(s);
    p.caricaImpostazioni = [&] {
        s.istogrammi.Command9 = "no colori quinte";
        s.VistaValori = "tast";
        s.DuplicatoIstogramma = "Ist N ";
    };
    SequenzaCaricamento(s, p, {15360, 11520});
    EXPECT_EQ(std::count_if(r.passi.begin(), r.passi.end(),
                            [](const std::string& x) { return x.find(':') != std::string::npos; }),
              0);
}

TEST(SequenzaCaricamento, VistaTabellaDelleScale) {
    StatoPrincipale s;
    s.geometria.registra("FraCopreIstogrammi", -1, TipoControllo::Cornice, 1800, 960, 13335, 9345);
    PreparaVistaTabella(s);
    const VoceGeometria* v = s.geometria.trova("FraCopreIstogrammi");
    EXPECT_EQ(v->sinistra, 1740.0f);
    EXPECT_EQ(v->alto, 795.0f);
    EXPECT_EQ(v->larghezza, 13335.0f);
    EXPECT_EQ(s.CopreIstogrammiColore, 0xE9DCD3u);
    EXPECT_TRUE(s.CopreIstogrammiVisibile);
}

// The real steps over a settings file that asks for every replay.
TEST(SequenzaCaricamento, PassiDelProgrammaRipristinanoLaVistaSalvata) {
    namespace fs = std::filesystem;
    const fs::path dir = prova::CartellaDelTest();
    {
        std::ofstream f(dir / "Impostazioni.txt", std::ios::binary);
        f << prova::FileImpostazioni(
            {{1, "\"No Colori Quinte\""}, {2, "\"EN\""}, {3, "\"Tast\""}, {4, "\"Ist N\""}, {5, "\"1\""}, {6, "\"8\""}});
    }
    StatoPrincipale s;
    PassiCaricamento p = PassiPredefiniti(s, "");
    p.sondaCartelle = [&] { s.percorsi.CartellaDati = dir.string() + "/"; };
    SequenzaCaricamento(s, p, {15360, 11520});

    EXPECT_EQ(s.istogrammi.Command9, "No Colori Quinte");
    for (int k = 0; k <= 12; ++k) EXPECT_NE(s.istogrammi.ShpQuinte[k].Colore, ColoreQuinteSpente) << k;
    EXPECT_EQ(s.LinguaNote, "EN");
    EXPECT_EQ(s.nomiNote.lblNote[5], "Bb");
    EXPECT_EQ(s.VistaValori, "Tast");
    EXPECT_TRUE(s.visibilita.valoriMicro);
    EXPECT_FALSE(s.visibilita.tastiera);
    EXPECT_EQ(s.DuplicatoIstogramma, "Ist N");
    EXPECT_TRUE(s.visibilita.duplicato);
    // Step "1" over the designed texts: both titles and the spread display.
    EXPECT_TRUE(s.visibilita.titoloSemitoni);
    EXPECT_TRUE(s.visibilita.titoloQuinteTerze);
    EXPECT_TRUE(s.visibilita.scarto);
    EXPECT_FALSE(s.visibilita.riferimenti);
    // The level as stored, the meter and the intervals as designed.
    EXPECT_EQ(s.LivelloVelocita, "8");
    EXPECT_EQ(s.IntervalloPiu, 135);
    EXPECT_TRUE(s.CopreIstogrammiVisibile);
    EXPECT_FALSE(s.fattoriAdattamento.has_value());
    // Written back as read, the rest designed.
    EXPECT_EQ(RaccogliImpostazioni(s).VistaValori, "Tast");
}

}  // namespace
}  // namespace vk
