#include <gtest/gtest.h>

#include <string>

#include "AiutiEditing.h"
#include "common/Micro.h"
#include "editing/EditorTerze.h"
#include "editing/PassiQuinte.h"
#include "editing/Preimpostazioni.h"
#include "tests/comune/DerivazioniPassoPasso.h"

using namespace vk;

namespace {

constexpr double Progetto = 11520.0;

std::string Lettere(const std::array<std::string, 13>& s) {
    std::string r;
    for (int n = 1; n <= 12; ++n) r += s[static_cast<size_t>(n)].empty() ? "-" : s[static_cast<size_t>(n)];
    return r;
}

// A temperament whose derived values and bars agree with its fifths.
void Ricalcola(Temperamento& t, Istogrammi& g) {
    ASSERT_TRUE(CalcolaSemitoniTerze(t));
    ASSERT_TRUE(CalcolaCents(t));
    AggiornaIstogrammi(g, t, Progetto);
    for (int k = 1; k <= 12; ++k) t.CopiaQuinte[k] = t.Quinte[k];
}

// Equal temperament with third 1 widened by a schisma (fifth 1 up, fifth 12 down).
void TerzaUnoPiuSchisma(Temperamento& t, Istogrammi& g) {
    t.Quinte[1] = Testo(Micro::QuintaEquabile + Micro::Schisma);
    t.Quinte[12] = Testo(Micro::QuintaEquabile - Micro::Schisma);
    Ricalcola(t, g);
    ASSERT_EQ(t.Terze[1], "569844");
}

}  // namespace

TEST(EditorTerze, SequenzaPerDimensioneAllInizioDelCiclo) {
    struct Caso {
        const char* dimensione;
        const char* lettere;
    } casi[] = {
        {"578160,0001", "NEP-NEP-NEP-"}, {"600000", "NEP-NEP-NEP-"},
        {"578160", "NEPNEPNEPNEP"},
        {"578159,9999", "PNE-PNE-PNE-"}, {"567072,0001", "PNE-PNE-PNE-"},
        {"567072", "PNEPNEPNEPNE"},
        {"567071,9999", "EPN-EPN-EPN-"}, {"547668,0001", "EPN-EPN-EPN-"},
        {"547668", "EPNEPNEPNEPN"},
        {"547667,9999", "NEP-NEP-NEP-"}, {"500000", "NEP-NEP-NEP-"},
    };
    for (const auto& c : casi) EXPECT_EQ(Lettere(SequenzaTerza(*Numero(c.dimensione))), c.lettere) << c.dimensione;
}

TEST(EditorTerze, IlConfrontoDiClasseENumerico) {
    // 567072,0001 is a third between equal and Pythagorean: its cycle has the
    // empty letter that brings it back; 567072 never shows it.
    for (const char* dimensione : {"567072,0001", "567072"}) {
        Temperamento t = TemperamentoIniziale();
        Istogrammi g = IstogrammiIniziali();
        t.Terze[1] = dimensione;
        EditorTerze e;
        e.clic(1, t, g, Progetto);
        EXPECT_EQ(Lettere(e.ciclo().Sequenza),
                  std::string(dimensione) == "567072" ? "PNEPNEPNEPNE" : "PNE-PNE-PNE-");
    }
}

TEST(EditorTerze, DallEquabileIlPrimoClicRicordaLaTerzaEPoiPNE) {
    Temperamento t = TemperamentoIniziale();
    Istogrammi g = IstogrammiIniziali();
    EditorTerze e;
    e.clic(1, t, g, Progetto);
    EXPECT_EQ(e.ciclo().Memoria.Dimensione, "567072");
    EXPECT_EQ(e.ciclo().Memoria.Cents, "400");
    EXPECT_EQ(e.ciclo().Memoria.Colore, 0x80FFFFu);
    EXPECT_EQ(e.ciclo().UltimaTerza, 1);
    EXPECT_EQ(e.ciclo().NumeroClick, 1);
    EXPECT_EQ(t.QuintaSelezionata, 1);
    const char* attese[][2] = {{"P", "578160"}, {"N", "547668"}, {"E", "567072"}};
    for (int n = 0; n < 3; ++n) {
        if (n > 0) e.clic(1, t, g, Progetto);
        EXPECT_EQ(t.SigleTerze[1], attese[n][0]) << n;
        EXPECT_EQ(t.Terze[1], attese[n][1]) << n;
    }
    // Back at the start: the temperament is the equal one again.
    Temperamento iniziale = TemperamentoIniziale();
    EXPECT_EQ(t.Quinte, iniziale.Quinte);
    EXPECT_EQ(t.Semitoni, iniziale.Semitoni);
    EXPECT_EQ(t.Terze, iniziale.Terze);
}

TEST(EditorTerze, DodiciClicEIlTredicesimo) {
    Temperamento t = TemperamentoIniziale();
    Istogrammi g = IstogrammiIniziali();
    TerzaUnoPiuSchisma(t, g);
    const std::string centsIniziali = t.TerzeCents[1];
    const ColoreVB coloreIniziale = g.ShpTerze[1].Colore;
    ASSERT_EQ(coloreIniziale, 0x80FFu);
    const Temperamento prima = t;
    EditorTerze e;
    const char* lettere = "PNE-PNE-PNE-";
    const char* dimensioni[] = {"578160", "547668", "567072", "569844"};
    for (int n = 1; n <= 12; ++n) {
        e.clic(1, t, g, Progetto);
        EXPECT_EQ(e.ciclo().NumeroClick, n);
        std::string attesa = lettere[n - 1] == '-' ? "" : std::string(1, lettere[n - 1]);
        EXPECT_EQ(t.SigleTerze[1], attesa) << n;
        EXPECT_EQ(t.Terze[1], dimensioni[(n - 1) % 4]) << n;
        if (n % 4 == 0) {
            // The remembered cents text and bar colour come back with the size.
            EXPECT_EQ(t.TerzeCents[1], centsIniziali);
            EXPECT_EQ(g.ShpTerze[1].Colore, coloreIniziale);
            EXPECT_EQ(t.Quinte, prima.Quinte);
        }
    }
    // The 13th click begins a new cycle: counted 1, remembered anew, P again.
    e.clic(1, t, g, Progetto);
    EXPECT_EQ(e.ciclo().NumeroClick, 1);
    EXPECT_EQ(e.ciclo().Memoria.Dimensione, "569844");
    EXPECT_EQ(t.SigleTerze[1], "P");
    EXPECT_EQ(t.Terze[1], "578160");
}

TEST(EditorTerze, UnaTerzaNominataNonMostraMaiLaLetteraVuota) {
    struct Caso {
        const char* lettera;  // makes the third named before the cycle under test
        int clicPrima;
        const char* attese;
    } casi[] = {{"P", 1, "NEPNEPNEPNEP"}, {"N", 2, "EPNEPNEPNEPN"}};
    for (const auto& c : casi) {
        Temperamento t = TemperamentoIniziale();
        Istogrammi g = IstogrammiIniziali();
        EditorTerze e;
        for (int i = 0; i < c.clicPrima; ++i) e.clic(2, t, g, Progetto);
        ASSERT_EQ(t.SigleTerze[2], c.lettera);
        e.clic(3, t, g, Progetto);  // another third ends the cycle on third 2
        e.clic(3, t, g, Progetto);
        e.clic(3, t, g, Progetto);  // third 3 equal again
        std::string viste;
        for (int n = 1; n <= 12; ++n) {
            e.clic(2, t, g, Progetto);
            viste += t.SigleTerze[2].empty() ? "-" : t.SigleTerze[2];
        }
        EXPECT_EQ(viste, c.attese) << c.lettera;
    }
}

TEST(EditorTerze, UnAltraTerzaIniziaUnNuovoCiclo) {
    Temperamento t = TemperamentoIniziale();
    Istogrammi g = IstogrammiIniziali();
    TerzaUnoPiuSchisma(t, g);
    EditorTerze e;
    e.clic(1, t, g, Progetto);  // 569844 -> P
    e.clic(2, t, g, Progetto);
    e.clic(1, t, g, Progetto);  // a new cycle from 578160: N E P, never 569844
    EXPECT_EQ(e.ciclo().Memoria.Dimensione, "578160");
    EXPECT_EQ(Lettere(e.ciclo().Sequenza), "NEPNEPNEPNEP");
    EXPECT_EQ(t.Terze[1], "547668");
}

TEST(EditorTerze, IlCicloSopravviveAQuinteEPreimpostazioni) {
    Temperamento t = TemperamentoIniziale();
    Istogrammi g = IstogrammiIniziali();
    TerzaUnoPiuSchisma(t, g);
    EditorTerze e;
    e.clic(1, t, g, Progetto);
    ASSERT_EQ(t.Terze[1], "578160");

    // ">" under fifth 8, pressed and released: the cycle goes on.
    ASSERT_TRUE(PassoQuinta(t, 8, Verso::Piu));
    ASSERT_TRUE(CompletaQuinta(t, g, Progetto));
    e.clic(1, t, g, Progetto);
    EXPECT_EQ(e.ciclo().NumeroClick, 2);
    EXPECT_EQ(t.SigleTerze[1], "N");
    EXPECT_EQ(t.Terze[1], "547668");

    // The equal preset between two clicks: the cycle still goes on, and its
    // empty letter restores the size remembered before the preset.
    ImpostaEquabile(t, g, Progetto);
    ASSERT_EQ(t.Terze[1], "567072");
    e.clic(1, t, g, Progetto);
    EXPECT_EQ(t.SigleTerze[1], "E");
    EXPECT_EQ(t.Terze[1], "567072");
    e.clic(1, t, g, Progetto);
    EXPECT_EQ(t.SigleTerze[1], "");
    EXPECT_EQ(t.Terze[1], "569844");
    // d = 2772 went onto fifth 4 (+) and fifth 5 (-).
    EXPECT_EQ(t.Quinte[4], "995148");
    EXPECT_EQ(t.Quinte[5], "989604");
    EXPECT_EQ(t.Terze[5], "564300");
}

TEST(ApplicaTerza, EsempioDallEquabileNeiDueComma) {
    struct Caso {
        ModoComma modo;
        const char* nome4;
        const char* nome5;
    } casi[] = {{ModoComma::Pitagorico, "+1/4", "-5/12"}, {ModoComma::Sintonico, "+3/11", "-5/11"}};
    for (const auto& c : casi) {
        Temperamento t = TemperamentoIniziale();
        t.impostaModo(c.modo);
        Istogrammi g = IstogrammiIniziali();
        EditorTerze e;
        e.clic(1, t, g, Progetto);
        SCOPED_TRACE(c.nome4);
        EXPECT_EQ(t.Quinte[4], "1003464");
        EXPECT_EQ(t.QuinteCents[4], "707,82");
        EXPECT_EQ(t.Frazioni[4], c.nome4);
        EXPECT_EQ(t.Quinte[5], "981288");
        EXPECT_EQ(t.QuinteCents[5], "692,18");
        EXPECT_EQ(t.Frazioni[5], c.nome5);
        EXPECT_EQ(t.Terze[1], "578160");
        EXPECT_EQ(t.TerzeCents[1], "407,82");
        EXPECT_EQ(g.ShpTerze[1].Colore, 0xFFu);
        EXPECT_EQ(t.Terze[5], "555984");
        EXPECT_EQ(t.TerzeCents[5], "392,18");
        EXPECT_EQ(g.ShpTerze[5].Colore, 0x80FF80u);
        EXPECT_EQ(t.SigleTerze[5], "");
        for (int n = 1; n <= 12; ++n) {
            const char* s = n == 4 ? "152856" : n == 5 ? "130680" : "141768";
            const char* sc = n == 4 ? "107,82" : n == 5 ? "92,18" : "100";
            EXPECT_EQ(t.Semitoni[n], s) << n;
            EXPECT_EQ(t.SemitoniCents[n], sc) << n;
        }
        EXPECT_EQ(t.ScartoSemitonale, "15,64");
        EXPECT_EQ(t.CopiaQuinte, t.Quinte);
        for (int k : {1, 2, 3, 6, 7, 8, 9, 10, 11, 12}) EXPECT_EQ(t.Quinte[k], "992376") << k;
        EXPECT_EQ(t.IndiceQS, 5);
        EXPECT_EQ(t.QuintaSelezionata, 1);
    }
}

TEST(ApplicaTerza, IndiciCiclici) {
    // k = 9 moves fifths 12 and 1 and third 1, the semitones beside DO;
    // k = 12 fifths 3 and 4 and third 4, the semitones beside LA.
    struct Caso {
        int k, a, b, semitonoPiu, semitonoMeno;
    } casi[] = {{9, 12, 1, 12, 1}, {12, 3, 4, 9, 10}, {1, 4, 5, 4, 5}};
    for (const auto& c : casi) {
        Temperamento t = TemperamentoIniziale();
        Istogrammi g = IstogrammiIniziali();
        EditorTerze e;
        e.clic(c.k, t, g, Progetto);  // "P": d = 11088
        SCOPED_TRACE(c.k);
        for (int i = 1; i <= 12; ++i) {
            EXPECT_EQ(t.Quinte[i], i == c.a ? "1003464" : i == c.b ? "981288" : "992376") << i;
            EXPECT_EQ(t.Terze[i], i == c.k ? "578160" : i == c.b ? "555984" : "567072") << i;
            EXPECT_EQ(t.Semitoni[i], i == c.semitonoPiu ? "152856" : i == c.semitonoMeno ? "130680" : "141768")
                << i;
        }
        // The other thirds' letters are the caller's and the redraw's: untouched.
        for (int i = 1; i <= 12; ++i)
            if (i != c.k && i != c.b) {
                EXPECT_EQ(t.SigleTerze[i], "E") << i;
            }
        Temperamento d = t;
        ASSERT_TRUE(CalcolaSemitoniTerze(d));
        EXPECT_EQ(d.Terze, t.Terze);
    }
}

TEST(ApplicaTerza, ColonnaDuplicata) {
    // Bar 0 repeats third 7 when k or b is 7, and fifth bar 7 when a or b is 7.
    for (int k : {7, 3, 4}) {
        Temperamento t = TemperamentoIniziale();
        Istogrammi g = IstogrammiIniziali();
        g.Command9 = CaptionNoColoriQuinte;
        EditorTerze e;
        e.clic(k, t, g, Progetto);
        SCOPED_TRACE(k);
        if (k == 7 || k == 3) {
            EXPECT_NE(g.ShpTerze[7].Top, IstogrammiIniziali().ShpTerze[7].Top);
            EXPECT_EQ(g.ShpTerze[0].Top, g.ShpTerze[7].Top);
            EXPECT_EQ(g.ShpTerze[0].Height, g.ShpTerze[7].Height);
            EXPECT_EQ(g.ShpTerze[0].Colore, g.ShpTerze[7].Colore);
            EXPECT_EQ(g.lblTerzeC0, t.TerzeCents[7]);
            EXPECT_EQ(g.lblTerzeC0, k == 7 ? "407,82" : "392,18");
        }
        if (k == 4 || k == 3) {
            EXPECT_NE(g.ShpQuinte[7].Height, IstogrammiIniziali().ShpQuinte[7].Height);
            EXPECT_EQ(g.ShpQuinte[0].Top, g.ShpQuinte[7].Top);
            EXPECT_EQ(g.ShpQuinte[0].Height, g.ShpQuinte[7].Height);
            EXPECT_EQ(g.ShpQuinte[0].Colore, g.ShpQuinte[7].Colore);
            EXPECT_EQ(g.ShpQuinte[0].Colore, k == 4 ? 0xFFFFE1u : 0xD7D7FFu);
        }
        if (k == 4) {
            EXPECT_EQ(g.ShpTerze[0].Top, IstogrammiIniziali().ShpTerze[0].Top);
        }
    }
}

TEST(ApplicaTerza, AltezzeDelleBarreDelleTerze) {
    // Third k's bar from its cents text, floored at 96 (not at the chart's 41);
    // reached through the empty letter, which writes the remembered cents.
    struct Caso {
        const char* cents;
        double altezza;
    } casi[] = {{"370,99", 96}, {"371", 96.3}, {"420", 4815}, {"420,01", 4815}};
    for (double schermo : {11520.0, 12960.0}) {
        const double f = schermo == 11520.0 ? 1.0 : 1.125;
        for (const auto& c : casi) {
            Temperamento t = TemperamentoIniziale();
            Istogrammi g = IstogrammiIniziali();
            t.Terze[2] = "560000";
            t.TerzeCents[2] = c.cents;
            EditorTerze e;
            for (int n = 0; n < 4; ++n) e.clic(2, t, g, schermo);
            ASSERT_EQ(t.SigleTerze[2], "");
            EXPECT_EQ(t.TerzeCents[2], c.cents);
            EXPECT_FLOAT_EQ(g.ShpTerze[2].Height, static_cast<float>(c.altezza * f)) << c.cents;
            EXPECT_FLOAT_EQ(g.ShpTerze[2].Top, static_cast<float>((4815 - c.altezza + 3720) * f)) << c.cents;
        }
    }
}

TEST(ApplicaTerza, TerzaBConCentsArrotondatiUnaVoltaEColoreSenzaBuchi) {
    // Third b at 567072,0005 is in the class above equal: its own colour, no letter.
    Temperamento t = TemperamentoIniziale();
    Istogrammi g = IstogrammiIniziali();
    t.Terze[5] = "578160,0005";
    EditorTerze e;
    e.clic(1, t, g, Progetto);
    EXPECT_EQ(t.Terze[5], "567072,0005");
    EXPECT_EQ(g.ShpTerze[5].Colore, 0x80FFu);
    EXPECT_EQ(t.SigleTerze[5], "");
    EXPECT_EQ(t.TerzeCents[5], "400");
    // Below 371 cents the bar of third b is 96 high.
    Temperamento u = TemperamentoIniziale();
    Istogrammi h = IstogrammiIniziali();
    u.Terze[6] = "536000";  // becomes 524912: 370,26 cents
    e.clic(2, u, h, Progetto);
    EXPECT_EQ(u.TerzeCents[6], "370,26");
    EXPECT_FLOAT_EQ(h.ShpTerze[6].Height, 96.0f);
    EXPECT_EQ(h.ShpTerze[6].Colore, 0xFF8080u);
}

TEST(EditorTerze, UnValoreCheNonENumeroNonCambiaNulla) {
    for (int caso = 0; caso < 3; ++caso) {
        Temperamento t = TemperamentoIniziale();
        Istogrammi g = IstogrammiIniziali();
        if (caso == 0) t.Terze[1] = "abc";
        if (caso == 1) t.Quinte[4] = "";
        if (caso == 2) t.Terze[5] = "5,5,5";
        const Temperamento prima = t;
        EditorTerze e;
        e.clic(1, t, g, Progetto);
        EXPECT_EQ(e.ciclo().NumeroClick, 0) << caso;
        EXPECT_EQ(t.Quinte, prima.Quinte) << caso;
        EXPECT_EQ(t.SigleTerze, prima.SigleTerze) << caso;
        EXPECT_EQ(t.QuintaSelezionata, 0) << caso;
    }
}

TEST(ApplicaTerza, CentsDellaTerzaBArrotondatiUnaVolta) {
    // Third b's cents go straight to two decimals; the four-decimal step of
    // CentsDaMicro would give another second decimal for these sizes.
    struct Caso {
        const char* terzaB;  // third 5 after "P" on third 1 (d = 11088)
        const char* cents;
        const char* centsDaMicro;
    } casi[] = {{"556007", "392,19", "392,2"}, {"556163", "392,31", "392,3"}, {"555984", "392,18", "392,18"},
                // Exact ties of the hundredth (380,905 and 380,955): ties to
                // even, as CentsDaMicro, whatever side their doubles lie on.
                {"540001,4004", "380,9", "380,9"}, {"540072,2844", "380,96", "380,96"}};
    for (const auto& c : casi) {
        Temperamento t = TemperamentoIniziale();
        Istogrammi g = IstogrammiIniziali();
        t.Terze[5] = Testo(*Numero(c.terzaB) + ValoreFisso::intero(11088));
        EditorTerze e;
        e.clic(1, t, g, Progetto);
        ASSERT_EQ(t.Terze[5], c.terzaB);
        EXPECT_EQ(t.TerzeCents[5], c.cents) << c.terzaB;
        EXPECT_EQ(Testo(CentsDaMicro(*Numero(c.terzaB))), c.centsDaMicro) << c.terzaB;
    }
}

TEST(ApplicaTerza, LaLetteraDellaDimensioneGiaPresenteRiscriveSenzaCambiare) {
    // d = 0: no size moves, but the two fifths are named and drawn again,
    // third b is written again and every pending fifth is committed.
    Temperamento t = TemperamentoIniziale();
    Istogrammi g = IstogrammiIniziali();
    g.Command9 = CaptionNoColoriQuinte;
    t.Frazioni[4] = "x";
    t.Frazioni[5] = "y";
    t.Frazioni[6] = "z";
    t.CopiaQuinte[9] = "1";
    t.TerzeCents[5] = "999";
    t.SigleTerze[5] = "?";
    g.ShpTerze[5].Colore = 0x123456;
    g.ShpQuinte[4].Colore = 0x123456;
    t.QuintaSelezionata = 1;
    t.SigleTerze[1] = "E";
    ASSERT_TRUE(ApplicaTerza(t, g, TerzaMemorizzata{}, Progetto));
    EXPECT_EQ(t.Quinte, TemperamentoIniziale().Quinte);
    EXPECT_EQ(t.Terze, TemperamentoIniziale().Terze);
    EXPECT_EQ(t.Frazioni[4], "-1/12");
    EXPECT_EQ(t.Frazioni[5], "-1/12");
    EXPECT_EQ(t.Frazioni[6], "z");  // not one of the two fifths
    EXPECT_EQ(t.CopiaQuinte, t.Quinte);
    EXPECT_EQ(t.TerzeCents[5], "400");
    EXPECT_EQ(t.SigleTerze[5], "E");
    EXPECT_EQ(g.ShpTerze[5].Colore, 0x80FFFFu);
    EXPECT_EQ(g.ShpQuinte[4].Colore, 0xCCE4FBu);
}

TEST(ApplicaTerza, IlRisultatoECoerenteAncheSuUnoSchermoDiverso) {
    // After any letter on any third the temperament is what a fresh
    // derivation of its fifths gives, bars included, on a screen of another
    // height too (the bars of the two thirds to within half a twip).
    for (double schermo : {11520.0, 12960.0}) {
        for (int k : {1, 3, 4, 9, 12}) {
            Temperamento t = TemperamentoIniziale();
            Istogrammi g = IstogrammiIniziali();
            g.Command9 = CaptionNoColoriQuinte;
            AggiornaIstogrammi(g, t, schermo);
            EditorTerze e;
            for (int n = 1; n <= 3; ++n) {
                e.clic(k, t, g, schermo);
                SCOPED_TRACE(testing::Message() << "schermo " << schermo << " terza " << k << " clic " << n);
                prova::Coerente(t, g, true, schermo);
            }
        }
    }
}
