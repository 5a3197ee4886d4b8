#include <gtest/gtest.h>

#include <bit>
#include <set>
#include <string>

#include "app/Adattamento.h"
#include "app/StatoPrincipale.h"

namespace vk {
namespace {

// Registers every member of the list that has no registration yet (the bars
// live in Istogrammi), of the kind its name gives and with no geometry: the
// stand-ins of controls no screen has built, so the counts of the whole list
// can be checked. A control registered later replaces its stand-in.
int RegistraSegnaposti(RegistroGeometria& r) {
    int n = 0;
    for (const auto& voce : ElencoAdattamento())
        for (int i : voce.indici)
            for (const auto& nome : voce.nomi) {
                const bool barra = nome == "ShpQuinte" || nome == "ShpTerze" || nome == "ShpSemitoni";
                if (barra || r.trova(nome, i)) continue;
                r.registra(nome, i, TipoDaNome(nome), 0, 0, 0, 0);
                ++n;
            }
    return n;
}

class AdattamentoSchermo : public ::testing::Test {
protected:
    void TearDown() override { ImpostaFornitoreSchermo({}); }
    static void Imposta(float larghezza, float altezza) {
        ImpostaFornitoreSchermo([=] { return DimensioniSchermo{larghezza, altezza}; });
    }
};

TEST(ElencoAdattamento, ContiDellElenco) {
    const auto& elenco = ElencoAdattamento();
    EXPECT_EQ(elenco.size(), 37u);
    int gruppi = 0, istanze = 0, passi = 0;
    std::set<std::string> nomi;
    std::set<std::pair<std::string, int>> membri;
    for (const auto& voce : elenco) {
        gruppi += static_cast<int>(voce.nomi.size());
        for (const auto& n : voce.nomi) {
            nomi.insert(n);
            for (int i : voce.indici) {
                EXPECT_TRUE(membri.insert({n, i}).second) << n << "(" << i << ") scaled twice";
                ++istanze;
                passi += std::popcount(static_cast<unsigned>(PassiDi(n, TipoDaNome(n))));
            }
        }
    }
    EXPECT_EQ(gruppi, 141);
    EXPECT_EQ(nomi.size(), 140u);
    EXPECT_EQ(istanze, 1429);
    EXPECT_EQ(passi, 7014);
}

TEST(ElencoAdattamento, EccezioniRestanoFuori) {
    struct Caso {
        const char* nome;
        int indice;
        bool dentro;
    } casi[] = {
        {"lblQuintaFraz", 36, true}, {"lblQuintaFraz", 37, false}, {"lblQuintaCent", 48, false},
        {"lblTerze", 0, false},      {"lblTerze", 12, true},       {"TxtCentsEasy", 0, false},
        {"cmdCopyEasy", 0, true},    {"lblScala", 0, false},       {"lblScala", 143, true},
        {"lblScala", 144, false},    {"lblEtichettaNote", 0, false}, {"lblEufonico", 0, false},
        {"cmdPreset", 3, true},      {"cmdPreset", 4, false},      {"ShpVari", 5, false},
        {"ShpVari", 15, true},       {"lblContaInfo", -1, false},  {"lblIndexVelo", -1, false},
        {"vivUDO15", -1, false},     {"lblVelocità", -1, true},    {"cmdVelocità", 1, true},
    };
    for (const auto& c : casi) EXPECT_EQ(InElencoAdattamento(c.nome, c.indice), c.dentro) << c.nome << c.indice;
    EXPECT_EQ(PassiDi("cmdLingua", TipoControllo::Pulsante), ScalaGeometria);
    EXPECT_EQ(PassiDi("cmdNumero", TipoControllo::Pulsante), ScalaGeometria);
    EXPECT_EQ(PassiDi("cmdComma", TipoControllo::Pulsante), ScalaTutto);
}

TEST_F(AdattamentoSchermo, A1920Per1080IValoriDelProgetto) {
    Imposta(28800, 16200);
    StatoPrincipale s;
    RegistroGeometria& r = s.geometria;
    r.registra("lblNote", 2, TipoControllo::Etichetta, 1200, 8640, 975, 255, 8.25f);
    r.registra("cmdLingua", -1, TipoControllo::Pulsante, 360, 2760, 540, 540, 8.25f);
    r.registra("FraMicro", -1, TipoControllo::Cornice, 0, 0, 15360, 11520);
    r.registra("ShpVari", 8, TipoControllo::Forma, 600, 5640, 14055, 2880);
    r.registra("lblTerze", 0, TipoControllo::Etichetta, 600, 9000, 1095, 255, 8.25f);
    r.registra("lblIndexVelo", -1, TipoControllo::Etichetta, 100, 100, 100, 100, 8.25f);
    r.registra("vivUDO15", -1, TipoControllo::Finestra, 0, 0, 15360, 11520);

    ASSERT_TRUE(AdattaFinestraPrincipale(s));

    const VoceGeometria* n = r.trova("lblNote", 2);
    EXPECT_EQ(n->sinistra, 2250.0f);
    EXPECT_EQ(n->alto, 12150.0f);
    EXPECT_EQ(n->larghezza, 1828.125f);
    EXPECT_EQ(n->altezza, 358.59375f);  // not rounded to 359
    EXPECT_EQ(n->carattere, static_cast<float>(8.25 * (16200.0 / 11550.0)));
    EXPECT_NEAR(n->carattere, 11.571428, 1e-5);

    const VoceGeometria* l = r.trova("cmdLingua");
    EXPECT_EQ(l->carattere, 8.25f);
    EXPECT_EQ(l->larghezza, 1012.5f);
    EXPECT_EQ(l->altezza, 759.375f);

    const VoceGeometria* fra = r.trova("FraMicro");
    EXPECT_EQ(fra->larghezza, 28800.0f);
    EXPECT_EQ(fra->altezza, 16200.0f);

    // Moved 10 twips before the scaling, so its bottom stays at 8520 designed.
    const VoceGeometria* v8 = r.trova("ShpVari", 8);
    EXPECT_EQ(v8->alto, static_cast<float>(5650 * 1.40625));
    EXPECT_EQ(v8->altezza, static_cast<float>(2870 * 1.40625));
    EXPECT_EQ(v8->sinistra, 1125.0f);

    // Outside the list: designed geometry kept.
    EXPECT_EQ(r.trova("lblTerze", 0)->alto, 9000.0f);
    EXPECT_EQ(r.trova("lblIndexVelo")->carattere, 8.25f);
    // The page fills the screen.
    EXPECT_EQ(r.trova("vivUDO15")->larghezza, 28800.0f);
    EXPECT_EQ(r.trova("vivUDO15")->altezza, 16200.0f);

    // Bars: Left and Width by the re-layout, Top and Height by the redraw
    // that follows it, at the new scale.
    const Barra& q7 = s.istogrammi.ShpQuinte[7];
    EXPECT_EQ(q7.Left, 1125.0f);
    EXPECT_EQ(q7.Width, 1095 * 1.875f);
    EXPECT_NEAR(q7.Height, 4102.564 * 1.40625, 0.01);
    EXPECT_EQ(s.istogrammi.ShpQuinte[0].Left, 13560 * 1.875f);
    EXPECT_EQ(s.istogrammi.ShpSemitoni[12].Left, static_cast<float>((6360 + 720 * 11) * 1.875));
}

TEST_F(AdattamentoSchermo, AltezzaDiProgettoNienteCambia) {
    for (float larghezza : {15360.0f, 19200.0f, 20490.0f}) {
        Imposta(larghezza, 11520);
        StatoPrincipale s;
        s.geometria.registra("ShpVari", 8, TipoControllo::Forma, 600, 5640, 14055, 2880);
        s.geometria.registra("lblNote", 2, TipoControllo::Etichetta, 1200, 8640, 975, 255, 8.25f);
        const Istogrammi barre = s.istogrammi;
        EXPECT_FALSE(AdattaFinestraPrincipale(s));
        EXPECT_EQ(s.geometria.trova("ShpVari", 8)->alto, 5640.0f);
        EXPECT_EQ(s.geometria.trova("ShpVari", 8)->altezza, 2880.0f);
        EXPECT_EQ(s.geometria.trova("lblNote", 2)->sinistra, 1200.0f);
        // Not even redrawn: the designed bars stay as laid out.
        EXPECT_EQ(s.istogrammi.ShpQuinte[1].Height, barre.ShpQuinte[1].Height);
        EXPECT_FALSE(s.fattoriAdattamento);
    }
}

TEST_F(AdattamentoSchermo, FattoriSuAltriSchermi) {
    struct Caso {
        float larghezza, altezza;
        float alto, larghezzaAttesa, carattere;  // of a 1000 x 1000 label at 1000, 8.25 pt
    } casi[] = {
        {12288, 9216, 800, 800, static_cast<float>(8.25 * (9216.0 / 11550.0))},
        {15360, 11550, static_cast<float>(1000 * (11550.0 / 11520.0)), 1000, 8.25f},  // fonts kept
        {28800, 16200, 1406.25f, 1875, static_cast<float>(8.25 * (16200.0 / 11550.0))},
    };
    for (const auto& c : casi) {
        Imposta(c.larghezza, c.altezza);
        StatoPrincipale s;
        s.geometria.registra("lblVarie", 3, TipoControllo::Etichetta, 1000, 1000, 1000, 1000, 8.25f);
        s.geometria.registra("ShpVelo", 1, TipoControllo::Forma, 1000, 1000, 1000, 1000);
        ASSERT_TRUE(AdattaFinestraPrincipale(s));
        const VoceGeometria* v = s.geometria.trova("lblVarie", 3);
        EXPECT_EQ(v->alto, c.alto);
        EXPECT_EQ(v->altezza, c.alto);
        EXPECT_EQ(v->larghezza, c.larghezzaAttesa);
        EXPECT_EQ(v->carattere, c.carattere);
        EXPECT_EQ(s.geometria.trova("ShpVelo", 1)->sinistra, c.larghezzaAttesa);
    }
}

TEST(AdattaSchermo, ContaLeIstanzeCheEsistonoEISegnaposti) {
    const FattoriSchermo f = FattoriSchermo::da({28800, 16200});
    // Only a few controls registered: the bars (always there) and these.
    RegistroGeometria r;
    Istogrammi g = IstogrammiIniziali();
    for (int i = 0; i <= 26; ++i) r.registra("lblNote", i, TipoControllo::Etichetta, 1, 1, 1, 1, 8.25f);
    r.registra("cmdLingua", -1, TipoControllo::Pulsante, 1, 1, 1, 1, 8.25f);
    RapportoAdattamento a = AdattaSchermo(r, g, f);
    EXPECT_EQ(a.istanze, 27 + 1 + 38);
    EXPECT_EQ(a.passi, 27 * 5 + 4 + 38 * 4);
    EXPECT_EQ(a.mancanti.size(), 1429u - 66u);

    // With every other member standing in, the whole list: each once.
    RegistroGeometria pieno;
    Istogrammi g2 = IstogrammiIniziali();
    EXPECT_EQ(RegistraSegnaposti(pieno), 1429 - 38);
    EXPECT_EQ(RegistraSegnaposti(pieno), 0);
    for (auto& v : pieno) v.sinistra = v.alto = v.larghezza = v.altezza = 1000;
    a = AdattaSchermo(pieno, g2, f);
    EXPECT_EQ(a.istanze, 1429);
    EXPECT_EQ(a.passi, 7014);
    EXPECT_TRUE(a.mancanti.empty());
    for (const auto& v : pieno) {
        EXPECT_EQ(v.alto, 1406.25f) << v.nome << v.indice;
        EXPECT_EQ(v.sinistra, 1875.0f) << v.nome << v.indice;
    }
}

TEST(AdattaSchermo, UnaSchermataRegistrataPrimaSostituisceIlSegnaposto) {
    RegistroGeometria r;
    r.registra("cmdNumero", 3, TipoControllo::Pulsante, 10, 20, 30, 40, 12);
    RegistraSegnaposti(r);
    EXPECT_EQ(r.trova("cmdNumero", 3)->larghezza, 30.0f);
    // and a screen built later replaces the placeholder.
    r.registra("lblFreq", 5, TipoControllo::Etichetta, 1, 2, 3, 4, 8.25f);
    EXPECT_EQ(r.trova("lblFreq", 5)->carattere, 8.25f);
}

TEST_F(AdattamentoSchermo, RegistrazioneTardiva) {
    Imposta(28800, 16200);
    StatoPrincipale s;
    EXPECT_FALSE(AdattaRegistrazioneTardiva(s, "lblFreq", 1)) << "no re-layout yet";
    AdattaFinestraPrincipale(s);
    s.geometria.registra("lblFreq", 1, TipoControllo::Etichetta, 1200, 8640, 975, 255, 8.25f);
    s.geometria.registra("lblScala", 0, TipoControllo::Etichetta, 1200, 8640, 975, 255, 8.25f);
    EXPECT_TRUE(AdattaRegistrazioneTardiva(s, "lblFreq", 1));
    EXPECT_FALSE(AdattaRegistrazioneTardiva(s, "lblScala", 0));
    EXPECT_EQ(s.geometria.trova("lblFreq", 1)->larghezza, 1828.125f);
    EXPECT_EQ(s.geometria.trova("lblScala", 0)->larghezza, 975.0f);
}

TEST(AdattaSplash, FinestraEtichetteImmagine) {
    RegistroGeometria r;
    r.registra("dozAzazadUDO", -1, TipoControllo::Finestra, 0, 0, 15360, 11520);
    r.registra("lblSplash", 0, TipoControllo::Etichetta, 2033, 2880, 11295, 1335, 54);
    for (int i = 1; i <= 3; ++i) r.registra("lblSplash", i, TipoControllo::Etichetta, 100, 100, 100, 100, 12);
    r.registra("ImgScreen", -1, TipoControllo::Immagine, 0, 0, 15360, 11520);
    const RapportoAdattamento a = AdattaSplash(r, FattoriSchermo::da({28800, 16200}));
    EXPECT_EQ(a.istanze, 6);
    EXPECT_EQ(a.passi, 4 + 4 * 5 + 4);
    EXPECT_EQ(r.trova("dozAzazadUDO")->larghezza, 28800.0f);
    EXPECT_EQ(r.trova("ImgScreen")->altezza, 16200.0f);
    EXPECT_EQ(r.trova("lblSplash", 0)->sinistra, static_cast<float>(2033 * 1.875));
    EXPECT_EQ(r.trova("lblSplash", 0)->carattere, static_cast<float>(54 * (16200.0 / 11550.0)));
}

}  // namespace
}  // namespace vk
