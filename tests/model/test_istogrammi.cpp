#include <gtest/gtest.h>

#include "model/Istogrammi.h"

using namespace vk;

namespace {

struct Altezze { const char* cents; double h; };

// Heights of the designed layout; Top follows from the bar's fixed foot.
constexpr Altezze CasiQuinte[] = {
    {"629,99", 2188}, {"630", 2188.03}, {"700", 4102.56}, {"701,96", 4156.17}, {"678,49", 3514.26},
    {"720", 4649.57}, {"720,01", 4800}, {"-50", 2188}, {"99999", 4800},
};
constexpr Altezze CasiTerze[] = {
    {"369,99", 41}, {"370,5", 41}, {"371", 96.3}, {"400", 2889}, {"420", 4815}, {"450", 4815},
};
constexpr Altezze CasiSemitoni[] = {
    {"70,99", 41}, {"71", 41.08}, {"100", 1232.31}, {"135", 2670}, {"135,01", 2670},
};

}  // namespace

class AltezzeBarre : public ::testing::TestWithParam<double> {};

// The same cases on the designed screen and on one 12960 twips high, where
// every Height and Top is 1,125 times its designed value.
TEST_P(AltezzeBarre, LimitiEScala) {
    const double schermo = GetParam();
    const double f = schermo / 11520.0;
    // Each chart: the cents it reads, its bars and the edge its bars grow from.
    auto prova = [&](const auto& casi, Dodici Temperamento::*cents, std::array<Barra, 13> Istogrammi::*barre,
                     double piede) {
        for (const auto& c : casi) {
            Temperamento t = TemperamentoIniziale();
            Istogrammi g = IstogrammiIniziali();
            (t.*cents)[4] = c.cents;
            AggiornaIstogrammi(g, t, schermo);
            const Barra& b = (g.*barre)[4];
            EXPECT_NEAR(b.Height, c.h * f, 0.006 * f) << c.cents;
            EXPECT_NEAR(b.Top + b.Height, piede * f, 0.01) << c.cents;
        }
    };
    prova(CasiQuinte, &Temperamento::QuinteCents, &Istogrammi::ShpQuinte, 8520);
    prova(CasiTerze, &Temperamento::TerzeCents, &Istogrammi::ShpTerze, 8535);
    prova(CasiSemitoni, &Temperamento::SemitoniCents, &Istogrammi::ShpSemitoni, 2775);
}

INSTANTIATE_TEST_SUITE_P(Schermi, AltezzeBarre, ::testing::Values(11520.0, 12960.0));

TEST(Istogrammi, LeftELarghezzeNonCambianoConLoSchermo) {
    Temperamento t = TemperamentoIniziale();
    Istogrammi g = IstogrammiIniziali();
    const Istogrammi prima = g;
    AggiornaIstogrammi(g, t, 12960);
    for (int k = 0; k <= 12; ++k) {
        EXPECT_EQ(g.ShpQuinte[k].Left, prima.ShpQuinte[k].Left);
        EXPECT_EQ(g.ShpQuinte[k].Width, 1095);
        EXPECT_EQ(g.ShpTerze[k].Width, 540);
        EXPECT_FLOAT_EQ(g.ShpQuinte[k].Top, static_cast<float>((4800 - 4800 * 150 / 175.5 + 3720) * 1.125));
    }
}

TEST(Istogrammi, ClassiAiBordi) {
    struct Caso { const char* quinta; ColoreVB colore; } quinte[] = {
        {"995148,0001", 0xFFFFE1}, {"995148", 0xDBFDE7}, {"995147,9999", 0xC0FFFF},
        {"992376,0005", 0xC0FFFF}, {"992376", 0xCCE4FB}, {"992375,9999", 0xD7D7FF},
    };
    for (const auto& c : quinte) {
        Temperamento t = TemperamentoIniziale();
        Istogrammi g = IstogrammiIniziali();
        g.Command9 = CaptionNoColoriQuinte;
        t.Quinte[2] = c.quinta;
        AggiornaIstogrammi(g, t, 11520);
        EXPECT_EQ(g.ShpQuinte[2].Colore, c.colore) << c.quinta;
    }
    struct CasoT { const char* terza; ColoreVB colore; const char* lettera; } terze[] = {
        {"578160,0001", 0xFF00FF, ""}, {"578160", 0xFF, "P"},      {"578159,9999", 0x80FF, ""},
        {"567072,0001", 0x80FF, ""},   {"567072", 0x80FFFF, "E"},  {"567071,9999", 0x80FF80, ""},
        {"547668,0001", 0x80FF80, ""}, {"547668", 0xFFFF00, "N"},  {"547667,9999", 0xFF8080, ""},
    };
    for (const auto& c : terze) {
        Temperamento t = TemperamentoIniziale();
        Istogrammi g = IstogrammiIniziali();
        t.Terze[9] = c.terza;
        AggiornaIstogrammi(g, t, 11520);
        EXPECT_EQ(g.ShpTerze[9].Colore, c.colore) << c.terza;
        EXPECT_EQ(t.SigleTerze[9], c.lettera) << c.terza;
    }
}

TEST(Istogrammi, LaColonnaDuplicataRipeteLaSettima) {
    for (double schermo : {11520.0, 12960.0}) {
        Temperamento t = TemperamentoIniziale();
        Istogrammi g = IstogrammiIniziali();
        g.Command9 = CaptionNoColoriQuinte;
        t.Quinte[7] = "995148";
        t.QuinteCents[7] = "701,96";
        t.Terze[7] = "578160";
        t.TerzeCents[7] = "407,82";
        t.QuinteCents[8] = "650";
        AggiornaIstogrammi(g, t, schermo);
        for (auto* barre : {&g.ShpQuinte, &g.ShpTerze}) {
            const Barra& zero = (*barre)[0];
            const Barra& sette = (*barre)[7];
            EXPECT_EQ(zero.Top, sette.Top);
            EXPECT_EQ(zero.Height, sette.Height);
            EXPECT_EQ(zero.Colore, sette.Colore);
            EXPECT_EQ(zero.Left, 13560);  // its own column
        }
        EXPECT_EQ(g.ShpQuinte[0].Colore, 0xDBFDE7u);
        EXPECT_EQ(g.lblTerzeC0, "407,82");
        EXPECT_NE(g.ShpQuinte[0].Height, g.ShpQuinte[8].Height);
    }
}

TEST(Istogrammi, BarraQSSoloLaSuaEZeroPerLaSettima) {
    Temperamento t = TemperamentoIniziale();
    Istogrammi g = IstogrammiIniziali();
    AggiornaIstogrammi(g, t, 11520);
    for (int k : {3, 7}) {
        Temperamento u = t;
        Istogrammi h = g;
        for (int j = 1; j <= 12; ++j) u.QuinteCents[j] = "710";
        u.IndiceQS = k;
        DisegnaBarraQuintaQS(h, u, 11520);
        for (int j = 0; j <= 12; ++j) {
            const bool cambia = j == k || (k == 7 && j == 0);
            EXPECT_EQ(h.ShpQuinte[j].Height != g.ShpQuinte[j].Height, cambia) << k << " " << j;
        }
    }
}

TEST(Istogrammi, Command9AccendeESpegneSenzaToccareAltezze) {
    Temperamento t = TemperamentoIniziale();
    Istogrammi g = IstogrammiIniziali();
    const Istogrammi prima = g;
    Command9_Click(g, t);
    EXPECT_EQ(g.Command9, "No Colori Quinte");
    for (int k = 0; k <= 12; ++k) EXPECT_EQ(g.ShpQuinte[k].Colore, 0xCCE4FBu) << k;
    Command9_Click(g, t);
    EXPECT_EQ(g.Command9, "Colori Quinte");
    for (int k = 0; k <= 12; ++k) {
        EXPECT_EQ(g.ShpQuinte[k].Colore, prima.ShpQuinte[k].Colore) << k;
        EXPECT_EQ(g.ShpQuinte[k].Height, prima.ShpQuinte[k].Height) << k;
    }
    // Any other caption counts as off and the first click turns it off.
    g.Command9 = "colori";
    Command9_Click(g, t);
    EXPECT_EQ(g.Command9, "Colori Quinte");
    EXPECT_EQ(g.ShpQuinte[1].Colore, 0xC0FFFFu);
}

TEST(Istogrammi, TestoNonNumericoLasciaLaBarra) {
    Temperamento t = TemperamentoIniziale();
    Istogrammi g = IstogrammiIniziali();
    g.Command9 = CaptionNoColoriQuinte;
    t.QuinteCents[2] = "x";
    t.Quinte[2] = "";
    t.TerzeCents[2] = "4OO";
    AggiornaIstogrammi(g, t, 11520);
    const Istogrammi iniziale = IstogrammiIniziali();
    EXPECT_EQ(g.ShpQuinte[2].Height, iniziale.ShpQuinte[2].Height);
    EXPECT_EQ(g.ShpQuinte[2].Colore, iniziale.ShpQuinte[2].Colore);
    EXPECT_EQ(g.ShpTerze[2].Height, iniziale.ShpTerze[2].Height);
    EXPECT_NE(g.ShpQuinte[3].Height, iniziale.ShpQuinte[3].Height);
}
