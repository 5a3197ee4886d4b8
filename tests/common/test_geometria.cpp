#include <gtest/gtest.h>

#include <ostream>
#include <string>
#include <vector>

#include "common/Geometria.h"

namespace vk {
namespace {

struct CasoFattori {
    float larghezza, altezza;
    double verticale, orizzontale, caratteri;
    bool daAdattare;
};
void PrintTo(const CasoFattori& c, std::ostream* os) { *os << c.larghezza << "x" << c.altezza; }

class Fattori : public ::testing::TestWithParam<CasoFattori> {};

TEST_P(Fattori, DalloSchermo) {
    const auto& c = GetParam();
    const auto f = FattoriSchermo::da({c.larghezza, c.altezza});
    EXPECT_DOUBLE_EQ(f.verticale, c.verticale);
    EXPECT_DOUBLE_EQ(f.orizzontale, c.orizzontale);
    EXPECT_DOUBLE_EQ(f.caratteri, c.caratteri);
    EXPECT_EQ(DaAdattare({c.larghezza, c.altezza}), c.daAdattare);
}

INSTANTIATE_TEST_SUITE_P(
    Schermi, Fattori,
    ::testing::Values(CasoFattori{15360, 11520, 1.0, 1.0, 11520.0 / 11550, false},
                      CasoFattori{19200, 11520, 1.0, 1.25, 11520.0 / 11550, false},  // 1280 x 768
                      CasoFattori{20490, 11520, 1.0, 20490.0 / 15360, 11520.0 / 11550, false},
                      CasoFattori{12288, 9216, 0.8, 0.8, 9216.0 / 11550, true},  // 12 twips per pixel
                      CasoFattori{28800, 16200, 1.40625, 1.875, 16200.0 / 11550, true},
                      CasoFattori{15360, 11550, 11550.0 / 11520, 1.0, 1.0, true}));

TEST(Geometria, EtichettaSuSchermoLargo) {
    RegistroGeometria r;
    r.registra("lblNote", 2, TipoControllo::Etichetta, 1200, 8640, 975, 255, 8.25f);
    r.scalaTutto(FattoriSchermo::da({28800, 16200}));
    const auto* v = r.trova("lblNote", 2);
    ASSERT_NE(v, nullptr);
    EXPECT_EQ(v->sinistra, 2250.0f);
    EXPECT_EQ(v->alto, 12150.0f);
    EXPECT_EQ(v->larghezza, 1828.125f);
    EXPECT_EQ(v->altezza, 358.59375f);  // not rounded to whole twips
    EXPECT_EQ(v->carattere, static_cast<float>(81.0 / 7.0));  // 8.25 * 16200 / 11550
}

TEST(Geometria, ProprietaScalatePerTipoEPerVoce) {
    RegistroGeometria r;
    r.registra("cmdPiù", 1, TipoControllo::Pulsante, 7680, 10440, 375, 375, 12);
    r.registra("ShpVelo", 1, TipoControllo::Forma, 120, 10080, 375, 135, 8);
    r.registra("FraMicro", -1, TipoControllo::Cornice, 0, 0, 15360, 11520);
    r.registra("TmrMeno", -1, TipoControllo::Timer, 100, 100, 100, 100);
    r.registra("cmdNumero", 0, TipoControllo::Pulsante, 300, 600, 900, 1200, 10).scala = ScalaGeometria;

    r.scalaTutto(FattoriSchermo::da({12288, 9216}));

    const auto* piu = r.trova("cmdPiù", 1);
    EXPECT_EQ(piu->sinistra, 6144.0f);
    EXPECT_EQ(piu->altezza, 300.0f);
    EXPECT_EQ(piu->carattere, static_cast<float>(12.0 * 9216 / 11550));

    const auto* forma = r.trova("ShpVelo", 1);
    EXPECT_EQ(forma->alto, 8064.0f);
    EXPECT_EQ(forma->carattere, 8.0f);  // shapes have no font step

    const auto* cornice = r.trova("FraMicro");
    EXPECT_EQ(cornice->larghezza, 12288.0f);  // a screen frame becomes the screen
    EXPECT_EQ(cornice->altezza, 9216.0f);

    const auto* timer = r.trova("TmrMeno");
    EXPECT_EQ(timer->larghezza, 100.0f);

    const auto* numero = r.trova("cmdNumero", 0);
    EXPECT_EQ(numero->larghezza, 720.0f);
    EXPECT_EQ(numero->carattere, 10.0f);  // keeps its designed font
}

TEST(Geometria, ProdottoInDoppiaPrecisione) {
    // 800 pixels high: 12000 / 11520 = 1.041666..., so 120 twips become
    // exactly 125; a product taken in float would give 124.99999.
    VoceGeometria v;
    v.alto = 120;
    v.altezza = 240;
    ScalaVoce(v, FattoriSchermo::da({15360, 12000}), ScalaAlto | ScalaAltezza);
    EXPECT_EQ(v.alto, 125.0f);
    EXPECT_EQ(v.altezza, 250.0f);
}

TEST(Geometria, OrdineDiRegistrazioneEChiavi) {
    RegistroGeometria r;
    r.registra("lblVarie", 5, TipoControllo::Etichetta, 1, 2, 3, 4);
    r.registra("cmdZero", 12, TipoControllo::Pulsante, 1, 2, 3, 4);
    r.registra("cmdZero", 0, TipoControllo::Pulsante, 1, 2, 3, 4);
    r.registra("Command6", -1, TipoControllo::Pulsante, 1, 2, 3, 4);
    r.registra("cmdZero", -1, TipoControllo::Pulsante, 9, 9, 9, 9);

    std::vector<std::string> visti;
    for (const auto& v : r) visti.push_back(v.nome + "(" + std::to_string(v.indice) + ")");
    EXPECT_EQ(visti, (std::vector<std::string>{"lblVarie(5)", "cmdZero(12)", "cmdZero(0)", "Command6(-1)",
                                               "cmdZero(-1)"}));
    EXPECT_EQ(r.trova("cmdZero", -1)->sinistra, 9.0f);
    EXPECT_EQ(r.trova("cmdZero", 0)->sinistra, 1.0f);
    EXPECT_EQ(r.trova("cmdZero", 1), nullptr);
    EXPECT_EQ(r.trova("Command6", 0), nullptr);
    EXPECT_EQ(r.trova("command6"), nullptr);

    // Again: new values, same place.
    r.registra("cmdZero", 12, TipoControllo::Pulsante, 7, 7, 7, 7);
    EXPECT_EQ(r.size(), 5u);
    EXPECT_EQ(std::next(r.begin())->sinistra, 7.0f);
}

TEST(Geometria, RiferimentiStabili) {
    RegistroGeometria r;
    VoceGeometria& primo = r.registra("lblScala", 1, TipoControllo::Etichetta, 10, 20, 30, 40);
    for (int i = 2; i <= 275; ++i) r.registra("lblScala", i, TipoControllo::Etichetta, 0, 0, 0, 0);
    primo.sinistra = 11;
    EXPECT_EQ(r.trova("lblScala", 1)->sinistra, 11.0f);
    EXPECT_EQ(r.size(), 275u);
}

TEST(Geometria, FornitoreDelloSchermo) {
    EXPECT_EQ(SchermoTwips().larghezza, 15360.0f);
    EXPECT_EQ(SchermoTwips().altezza, 11520.0f);
    ImpostaFornitoreSchermo([] { return DimensioniSchermo{28800, 16200}; });
    EXPECT_DOUBLE_EQ(FattoriSchermo::correnti().orizzontale, 1.875);
    ImpostaFornitoreSchermo({});
    EXPECT_DOUBLE_EQ(FattoriSchermo::correnti().orizzontale, 1.0);
}

}  // namespace
}  // namespace vk
