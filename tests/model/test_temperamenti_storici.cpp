#include <gtest/gtest.h>

#include <array>
#include <vector>

#include "common/Geometria.h"
#include "common/Micro.h"
#include "model/Istogrammi.h"
#include "model/TabellaFrazioni.h"
#include "tests/comune/DerivazioniPassoPasso.h"

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

// The wolf fifth k takes up whatever the other eleven leave of seven octaves.
void ChiudiConIlLupo(Temperamento& t, int k);

ValoreFisso Somma(const Temperamento& t) {
    ValoreFisso s;
    for (int k = 1; k <= 12; ++k) s += *Numero(t.Quinte[k]);
    return s;
}

void ChiudiConIlLupo(Temperamento& t, int k) {
    t.Quinte[k] = Testo(Micro::SetteOttave - (Somma(t) - *Numero(t.Quinte[k])));
    t.QuintaSelezionata = k;
    NominaPerCaption(t);
    t.CopiaQuinte[k] = t.Quinte[k];
    t.QuintaSelezionata = 0;
    CalcolaSemitoniTerze(t);
    CalcolaCents(t);
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

// Each temperament whole: its fifths' names, all twelve thirds in cents with
// their letters, and the semitone spread, as published.
TEST(TemperamentiStorici, OgniTerzaELoScarto) {
    const ValoreFisso quartoP = ValoreFisso::intero(-8316);  // 1/4 Pythagorean comma
    const ValoreFisso sestoP = ValoreFisso::intero(-5544);   // 1/6
    const ValoreFisso quartoS = ValoreFisso::intero(-7623);  // 1/4 syntonic comma
    const ValoreFisso sestoS = ValoreFisso::intero(-5082);   // 1/6
    const ValoreFisso schisma = ValoreFisso() - Micro::Schisma;
    const std::vector<int> tutteMaNove = {1, 2, 3, 4, 5, 6, 7, 8, 10, 11, 12};

    Temperamento mesotonico6 = DaScarti({{tutteMaNove, sestoS}}, ModoComma::Sintonico);
    ChiudiConIlLupo(mesotonico6, 9);
    Temperamento mesotonico4 = DaScarti({{tutteMaNove, quartoS}}, ModoComma::Sintonico);
    ChiudiConIlLupo(mesotonico4, 9);

    struct Caso {
        const char* nome;
        Temperamento t;
        std::array<const char*, 13> frazioni;  // fifths 1..12
        std::array<const char*, 13> terze;     // thirds 1..12 (DO-MI, SOL-SI, ...), cents
        const char* lettere;                   // thirds 1..12: P, E, N or "." for none
        const char* scarto;
    };
    const Caso casi[] = {
        {"Werckmeister III",
         DaScarti({{{1, 2, 3, 6}, quartoP}}, ModoComma::Pitagorico),
         {"", "-1/4", "-1/4", "-1/4", "0", "0", "-1/4", "0", "0", "0", "0", "0", "0"},
         {"", "390,22", "396,09", "396,09", "401,96", "401,96", "401,96", "407,82", "407,82", "407,82", "401,96",
          "396,09", "390,22"},
         "......PPP...", "17,6"},
        {"Vallotti",
         DaScarti({{{12, 1, 2, 3, 4, 5}, sestoP}}, ModoComma::Pitagorico),
         {"", "-1/6", "-1/6", "-1/6", "-1/6", "-1/6", "0", "0", "0", "0", "0", "0", "-1/6"},
         {"", "392,18", "392,18", "396,09", "400", "403,91", "407,82", "407,82", "407,82", "403,91", "400", "396,09",
          "392,18"},
         "...E.PPP.E..", "19,56"},
        {"Kirnberger III",
         DaScarti({{{1, 2, 3, 4}, quartoS}, {{7}, schisma}}, ModoComma::Sintonico),
         {"", "-1/4", "-1/4", "-1/4", "-1/4", "0", "0", "- Schisma", "0", "0", "0", "0", "0"},
         {"", "386,31", "391,69", "397,07", "400,49", "405,87", "405,87", "405,87", "407,82", "407,82", "402,44",
          "397,07", "391,69"},
         "N......PP...", "21,51"},
        {"mesotonico 1/6",
         mesotonico6,
         {"", "-1/6", "-1/6", "-1/6", "-1/6", "-1/6", "-1/6", "-1/6", "-1/6", "ND", "-1/6", "-1/6", "-1/6"},
         {"", "393,48", "393,48", "393,48", "393,48", "393,48", "413,04", "413,04", "413,04", "413,04", "393,48",
          "393,48", "393,48"},
         "............", "19,56"},
        {"mesotonico 1/4",
         mesotonico4,
         {"", "-1/4", "-1/4", "-1/4", "-1/4", "-1/4", "-1/4", "-1/4", "-1/4", "ND", "-1/4", "-1/4", "-1/4"},
         {"", "386,31", "386,31", "386,31", "386,31", "386,31", "427,37", "427,37", "427,37", "427,37", "386,31",
          "386,31", "386,31"},
         "NNNNN....NNN", "41,06"},
    };
    for (const Caso& c : casi) {
        Temperamento t = c.t;
        Istogrammi g = IstogrammiIniziali();
        AggiornaIstogrammi(g, t, AltezzaProgetto);
        EXPECT_EQ(Somma(t), Micro::SetteOttave) << c.nome;
        for (int k = 1; k <= 12; ++k) {
            const auto i = static_cast<size_t>(k);
            EXPECT_EQ(t.Frazioni[k], c.frazioni[i]) << c.nome << " fifth " << k;
            EXPECT_EQ(t.TerzeCents[k], c.terze[i]) << c.nome << " third " << k;
            const char l = c.lettere[k - 1];
            EXPECT_EQ(t.SigleTerze[k], l == '.' ? std::string() : std::string(1, l)) << c.nome << " third " << k;
        }
        EXPECT_EQ(t.ScartoSemitonale, c.scarto) << c.nome;
    }
}
