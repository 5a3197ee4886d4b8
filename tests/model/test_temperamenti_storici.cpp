#include <gtest/gtest.h>

#include <vector>

#include "common/Micro.h"
#include "model/Compensazione.h"
#include "model/Derivazioni.h"
#include "model/TabellaFrazioni.h"

using namespace vk;

namespace {

// Fifths 1..12 (DO-SOL .. FA-DO) from their departures from pure.
Temperamento DaScarti(const std::vector<std::pair<std::vector<int>, ValoreFisso>>& gruppi,
                      ModoComma modo) {
    Temperamento t = TemperamentoIniziale();
    t.impostaModo(modo);
    for (int k = 1; k <= 12; ++k) t.Quinte[k] = Testo(Micro::QuintaNaturale);
    for (const auto& [quinte, scarto] : gruppi)
        for (int k : quinte) t.Quinte[k] = Testo(Micro::QuintaNaturale + scarto);
    for (int k = 1; k <= 12; ++k) {
        t.QuintaSelezionata = k;
        NominaPerCaption(t);
        t.CopiaQuinte[k] = t.Quinte[k];
    }
    t.QuintaSelezionata = 0;
    CalcolaSemitoniTerze(t);
    CalcolaCents(t);
    return t;
}

ValoreFisso Somma(const Temperamento& t) {
    ValoreFisso s;
    for (int k = 1; k <= 12; ++k) s += *Numero(t.Quinte[k]);
    return s;
}

}  // namespace

TEST(TemperamentiStorici, CentsPubblicati) {
    const ValoreFisso quartoP = ValoreFisso::intero(-8316);  // 1/4 Pythagorean comma
    const ValoreFisso sestoP = ValoreFisso::intero(-5544);   // 1/6
    const ValoreFisso quartoS = ValoreFisso::intero(-7623);  // 1/4 syntonic comma
    struct Caso {
        const char* nome;
        Temperamento t;
        const char* doMi;
    };
    // Werckmeister III: DO-SOL, SOL-RE, RE-LA and SI-FA# a quarter comma narrow.
    Temperamento werck = DaScarti({{{1, 2, 3, 6}, quartoP}}, ModoComma::Pitagorico);
    // Vallotti: FA-DO and DO-SOL .. MI-SI a sixth comma narrow.
    Temperamento vallotti = DaScarti({{{12, 1, 2, 3, 4, 5}, sestoP}}, ModoComma::Pitagorico);
    // Quarter-comma meantone: the wolf SOL#-MIb (fifth 9) takes up the rest.
    Temperamento mesotonico = DaScarti({{{1, 2, 3, 4, 5, 6, 7, 8, 10, 11, 12}, quartoS}}, ModoComma::Sintonico);
    mesotonico.Quinte[9] = Testo(Micro::SetteOttave - (Somma(mesotonico) - *Numero(mesotonico.Quinte[9])));
    mesotonico.QuintaSelezionata = 9;
    NominaPerCaption(mesotonico);
    CalcolaSemitoniTerze(mesotonico);
    CalcolaCents(mesotonico);

    const Caso casi[] = {{"Werckmeister III", werck, "390,22"},
                         {"Vallotti", vallotti, "392,18"},
                         {"mesotonico", mesotonico, "386,31"}};
    for (const auto& c : casi) {
        EXPECT_EQ(Somma(c.t), Micro::SetteOttave) << c.nome;
        EXPECT_EQ(c.t.TerzeCents[1], c.doMi) << c.nome;
    }
    EXPECT_EQ(werck.Frazioni[1], "-1/4");
    EXPECT_EQ(vallotti.Frazioni[5], "-1/6");
    EXPECT_EQ(vallotti.Frazioni[6], "0");
    int pure = 0;
    for (int k = 1; k <= 12; ++k) pure += mesotonico.TerzeCents[k] == "386,31";
    EXPECT_EQ(pure, 8);
    EXPECT_EQ(mesotonico.Frazioni[9], "ND");
    EXPECT_EQ(mesotonico.Frazioni[1], "-1/4");
}
