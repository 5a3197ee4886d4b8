#include <gtest/gtest.h>

#include <functional>

#include "AiutiEditing.h"
#include "editing/ComandiEditing.h"
#include "editing/PassiQuinte.h"

using namespace vk;
using namespace vk::prova;

namespace {

Temperamento InModo(ModoComma m) {
    Temperamento t = TemperamentoIniziale();
    t.impostaModo(m);
    return t;
}

constexpr ModoComma PIT = ModoComma::Pitagorico;
constexpr ModoComma SIN = ModoComma::Sintonico;

}  // namespace

// One step from a given size: the size reached ("" = unchanged) and the name
// the fifth carries afterwards.
TEST(PassoQuinta, TabellaDeiPassi) {
    struct Caso {
        ModoComma modo;
        const char* da;
        Verso verso;
        const char* a;
        const char* nome;
    };
    const Verso M = Verso::Meno, P = Verso::Piu;
    const Caso casi[] = {
        // Pythagorean table
        {PIT, "992376", P, "992607", "-11/144"},
        {PIT, "992376", M, "992124", "-1/11"},
        {PIT, "995148", M, "994815,36", "-1/100"},
        {PIT, "995148", P, "995480,64", "+1/100"},
        {PIT, "993000", M, "992930,4", "-1/15"},      // between two rows
        {PIT, "993000", P, "993069", "-1/16"},
        {PIT, "992145", M, "992124", "-1/11"},        // an "ND" size
        {PIT, "992145", P, "992376", "-1/12"},
        {PIT, "992376,0001", M, "992376", "-1/12"},
        {PIT, "992375,9999", P, "992376", "-1/12"},
        {PIT, "996903,6", P, "996936", "+1/18"},      // off the formula
        {PIT, "997180,8", M, "996936", "+1/18"},
        {PIT, "996936", M, "996903,6", "+19/360"},
        {PIT, "996936", P, "997180,8", "+11/180"},
        {PIT, "996996", M, "996936", "+1/18"},        // the formula's size is not a row
        {PIT, "961884", M, "", "-1"},                 // bottom
        {PIT, "961884", P, "964656", "-11/12"},
        {PIT, "1028412", P, "", "+1"},                // top
        {PIT, "1028412", M, "1025640", "+11/12"},
        {PIT, "1030000", M, "1028412", "+1"},         // above the top
        {PIT, "1030000", P, "", "ND"},
        {PIT, "950000", P, "961884", "-1"},           // below the bottom
        {PIT, "950000", M, "", "ND"},
        {PIT, "0", P, "961884", "-1"},
        {PIT, "-5", P, "", "ND"},
        // Syntonic table
        {SIN, "992376", P, "992607", "-1/12"},
        {SIN, "992376", M, "992310,55", "-67/720"},
        {SIN, "995148", M, "994917", "-1/12 Sch"},
        {SIN, "995148", P, "995379", "+1/12 Sch"},
        {SIN, "997290", M, "997265,5", "+5/72"},      // between two rows
        {SIN, "997290", P, "997308,85", "+17/240"},
        {SIN, "997265,5", P, "997308,85", "+17/240"}, // off the formula
        {SIN, "997326", M, "997308,85", "+17/240"},
        {SIN, "997308,85", M, "997265,5", "+5/72"},
        {SIN, "997308,85", P, "997326", "+1/14"},
        {SIN, "997307,85", P, "997308,85", "+17/240"},
        {SIN, "1022252", P, "1022590", "+9/10"},      // off the formula
        {SIN, "1022868", M, "1022590", "+9/10"},
        {SIN, "1022590", M, "1022252", "+8/9"},
        {SIN, "1022590", P, "1022868", "+10/11"},
        {SIN, "1022590,8", M, "1022590", "+9/10"},
        {SIN, "964656", M, "", "-1"},                 // bottom
        {SIN, "964656", P, "967197", "-11/12"},
        {SIN, "1025640", P, "", "+1"},                // top
        {SIN, "1025640", M, "1023099", "+11/12"},
        {SIN, "961884", M, "", "ND"},                 // the Pythagorean wolf is below
        {SIN, "961884", P, "964656", "-1"},
        {SIN, "1028412", M, "1025640", "+1"},         // above the top
        {SIN, "1028412", P, "", "ND"},
    };
    for (const Caso& c : casi) {
        Temperamento t = InModo(c.modo);
        t.Quinte[5] = c.da;
        t.QuinteCents[5] = "x";
        EXPECT_TRUE(PassoQuinta(t, 5, c.verso));
        const std::string caso = std::string(c.da) + (c.verso == P ? " >" : " <");
        EXPECT_EQ(t.Quinte[5], *c.a ? c.a : c.da) << caso;
        EXPECT_EQ(t.Frazioni[5], c.nome) << caso;
        EXPECT_EQ(t.QuintaSelezionata, 5) << caso;
        // The Pythagorean naming writes the cents, the syntonic one does not.
        EXPECT_EQ(t.QuinteCents[5], c.modo == PIT ? Testo(CentsDaMicro(V(t.Quinte[5]))) : "x") << caso;
        // Nothing else moves before the release.
        for (int k = 1; k <= 12; ++k) {
            if (k != 5) {
                EXPECT_EQ(t.Quinte[k], "992376") << caso;
            }
        }
        EXPECT_EQ(t.CopiaQuinte[5], "992376") << caso;
    }
}

// Every row of either table is reached in both directions, in order.
TEST(PassoQuinta, OgniRigaRaggiuntaNeiDueVersi) {
    for (ModoComma m : {PIT, SIN}) {
        const TabellaFrazioni& tab = TabellaFrazioni::Per(m);
        Temperamento t = InModo(m);
        t.Quinte[1] = "0";
        for (int r = 1; r <= 235; ++r) {
            PassoQuinta(t, 1, Verso::Piu);
            ASSERT_EQ(t.Quinte[1], tab.riga(r).Valore.testo()) << r;
            ASSERT_EQ(t.Frazioni[1], tab.riga(r).Frazione) << r;
        }
        t.Quinte[1] = "2000000";
        for (int r = 235; r >= 1; --r) {
            PassoQuinta(t, 1, Verso::Meno);
            ASSERT_EQ(t.Quinte[1], tab.riga(r).Valore.testo()) << r;
            ASSERT_EQ(t.Frazioni[1], tab.riga(r).Frazione) << r;
        }
    }
}

// Any caption but the exact Pythagorean one steps by the syntonic table.
TEST(PassoQuinta, TabellaSceltaDallaCaption) {
    Temperamento t = TemperamentoIniziale();
    t.CommaCaption = "comma pitagorico";  // colour stays light red
    PassoQuinta(t, 2, Verso::Meno);
    EXPECT_EQ(t.Quinte[2], "992310,55");
}

TEST(PassoQuinta, TestoNonNumericoNonCambiaNulla) {
    Temperamento t = TemperamentoIniziale();
    t.Quinte[4] = "abc";
    t.Frazioni[4] = "?";
    EXPECT_FALSE(PassoQuinta(t, 4, Verso::Piu));
    EXPECT_EQ(t.Quinte[4], "abc");
    EXPECT_EQ(t.Frazioni[4], "?");
    EXPECT_FALSE(PassoQuinta(t, 0, Verso::Piu));
    EXPECT_FALSE(PassoQuinta(t, 13, Verso::Meno));
}

// The start-up temperament, ">" on fifth 3 pressed and released.
TEST(CompletaQuinta, EsempioDellaCompensazione) {
    Temperamento t = TemperamentoIniziale();
    Istogrammi g = IstogrammiIniziali();
    ComandiEditing c(t, g, [] { return 11520.0; });
    c.cmdPiù_MouseDown(3);
    c.cmdPiù_Click(3);
    c.cmdPiù_MouseUp(3);
    EXPECT_EQ(t.Quinte[3], "992607");
    EXPECT_EQ(t.Frazioni[3], "-11/144");
    EXPECT_EQ(t.Quinte[4], "992145");
    EXPECT_EQ(t.Frazioni[4], "ND");
    EXPECT_EQ(t.QuinteCents[4], "699,84");
    EXPECT_EQ(c.lblIndexCopy(), 3);
    EXPECT_EQ(t.QuintaSelezionata, 3);
    Coerente(t, g);
}

// Press, n ticks, then the release over the button (click) or off it, or
// with another mouse button (no click): n + 1 or n steps, one compensation.
TEST(ComandiEditing, TickClicERilascio) {
    struct Caso { bool piu; int tick; bool clic; int passi; };
    const Caso casi[] = {
        {true, 5, true, 6}, {true, 5, false, 5}, {true, 0, true, 1}, {true, 0, false, 0},
        {false, 3, true, 4}, {false, 7, false, 7},
    };
    for (const Caso& cs : casi) {
        Temperamento t = TemperamentoIniziale();
        Istogrammi g = IstogrammiIniziali();
        ComandiEditing c(t, g, [] { return 11520.0; });
        const int k = 12;
        if (cs.piu) c.cmdPiù_MouseDown(k); else c.cmdMeno_MouseDown(k);
        EXPECT_EQ(t.QuintaSelezionata, k);
        for (int i = 0; i < cs.tick; ++i) {
            if (cs.piu) c.tmrPiù_Timer(); else c.TmrMeno_Timer();
        }
        // During the hold only fifth k moves.
        EXPECT_EQ(t.Quinte[1], "992376");
        EXPECT_EQ(c.completamenti(), 0);
        if (cs.clic) {
            if (cs.piu) c.cmdPiù_Click(k); else c.cmdMeno_Click(k);
        }
        if (cs.piu) c.cmdPiù_MouseUp(k); else c.cmdMeno_MouseUp(k);
        EXPECT_EQ(c.passi(), cs.passi);
        EXPECT_EQ(c.completamenti(), 1);
        // The fifth stands cs.passi rows away from the equal one (row 68).
        const auto& tab = TabellaFrazioni::Pitagoriche();
        const int riga = 68 + (cs.piu ? cs.passi : -cs.passi);
        EXPECT_EQ(t.Quinte[k], tab.riga(riga).Valore.testo());
        EXPECT_EQ(V(t.Quinte[1]), Micro::QuintaEquabile - (tab.riga(riga).Valore - Micro::QuintaEquabile));
        Coerente(t, g);
        // No tick after the release.
        c.tmrPiù_Timer();
        c.TmrMeno_Timer();
        EXPECT_EQ(c.passi(), cs.passi);
    }
}

// A click with no press (the keyboard) makes the step and the completion.
TEST(ComandiEditing, ClicDaTastieraCompleta) {
    Temperamento t = TemperamentoIniziale();
    Istogrammi g = IstogrammiIniziali();
    ComandiEditing c(t, g, [] { return 11520.0; });
    c.cmdPiù_Click(12);
    EXPECT_EQ(t.Quinte[12], "992607");
    EXPECT_EQ(t.Quinte[1], "992145");
    EXPECT_EQ(c.lblIndexCopy(), 12);
    EXPECT_EQ(c.completamenti(), 1);
    Coerente(t, g);
    c.cmdMeno_Click(12);
    StessoTemperamento(t, TemperamentoIniziale());
}

// Steps at the ends of the table only name the fifth again.
TEST(ComandiEditing, TenutoAllaCimaSiFerma) {
    Temperamento t = TemperamentoIniziale();
    Istogrammi g = IstogrammiIniziali();
    ComandiEditing c(t, g, [] { return 11520.0; });
    c.cmdPiù_MouseDown(6);
    for (int i = 0; i < 300; ++i) c.tmrPiù_Timer();
    c.cmdPiù_Click(6);
    c.cmdPiù_MouseUp(6);
    EXPECT_EQ(t.Quinte[6], "1028412");
    EXPECT_EQ(t.Frazioni[6], "+1");
    EXPECT_EQ(V(t.Quinte[7]), Micro::QuintaEquabile * 2 - V("1028412"));
    Coerente(t, g);
}

// A fifth that is not a number stops every edit of a fifth whole.
TEST(ComandiEditing, CompletamentoConTestoNonNumerico) {
    Temperamento t = TemperamentoIniziale();
    Istogrammi g = IstogrammiIniziali();
    t.Quinte[9] = "nove";
    ComandiEditing c(t, g, [] { return 11520.0; });
    c.cmdPiù_MouseDown(3);
    c.tmrPiù_Timer();
    c.cmdPiù_Click(3);
    Temperamento dopoPasso = t;
    c.cmdPiù_MouseUp(3);
    StessoTemperamento(t, dopoPasso);
    EXPECT_EQ(c.completamenti(), 0);
    // Nor does it step: the change would stay uncompensated.
    EXPECT_EQ(t.Quinte[3], "992376");
    EXPECT_EQ(c.passi(), 0);
    c.cmdZero_Click(9);   // copies a number onto the bad fifth: possible
    EXPECT_EQ(t.Quinte[9], "992376");
    t.Quinte[2] = "due";
    Temperamento prima = t;
    c.cmdZero_Click(3);   // would copy "due" onto fifth 3
    StessoTemperamento(t, prima);
}

// A step on a fifth that is not a number, by the mouse or by the keyboard:
// nothing moves, but the fifth counts as edited last either way, so the
// next "Copy/0" on it sets the pure fifth.
TEST(ComandiEditing, PassoSuTestoNonNumericoDaMouseEDaTastiera) {
    struct Caso { const char* nome; std::function<void(ComandiEditing&)> passo; };
    const Caso casi[] = {
        {"mouse >", [](ComandiEditing& c) { c.cmdPiù_MouseDown(9); c.cmdPiù_Click(9); c.cmdPiù_MouseUp(9); }},
        {"mouse <", [](ComandiEditing& c) { c.cmdMeno_MouseDown(9); c.cmdMeno_Click(9); c.cmdMeno_MouseUp(9); }},
        {"tastiera >", [](ComandiEditing& c) { c.cmdPiù_Click(9); }},
        {"tastiera <", [](ComandiEditing& c) { c.cmdMeno_Click(9); }},
    };
    for (const Caso& cs : casi) {
        Temperamento t = TemperamentoIniziale();
        Istogrammi g = IstogrammiIniziali();
        AggiornaIstogrammi(g, t, 11520);
        t.Quinte[9] = "nove";
        ComandiEditing c(t, g, [] { return 11520.0; });
        const Temperamento prima = t;
        cs.passo(c);
        StessoTemperamento(t, prima);
        EXPECT_EQ(c.passi(), 0) << cs.nome;
        EXPECT_EQ(c.completamenti(), 0) << cs.nome;
        EXPECT_EQ(t.QuintaSelezionata, 9) << cs.nome;
        EXPECT_EQ(c.lblIndexCopy(), 9) << cs.nome;
        c.cmdZero_Click(9);
        EXPECT_EQ(c.lblRepeat(), 2) << cs.nome;
        EXPECT_EQ(t.Quinte[9], "995148") << cs.nome;
        EXPECT_EQ(t.Quinte[10], "989604") << cs.nome;
        Coerente(t, g);
    }
}

// A press on one fifth button while another is held changes nothing.
TEST(ComandiEditing, UnSoloPulsanteTenuto) {
    Temperamento t = TemperamentoIniziale();
    Istogrammi g = IstogrammiIniziali();
    ComandiEditing c(t, g, [] { return 11520.0; });
    c.cmdPiù_MouseDown(2);
    c.tmrPiù_Timer();
    c.cmdMeno_MouseDown(5);
    c.cmdMeno_Click(5);
    c.cmdZero_Click(8);
    c.cmdShift_Click(1);
    c.tmrPiù_Timer();
    c.cmdMeno_MouseUp(5);
    EXPECT_EQ(c.completamenti(), 0);
    c.cmdPiù_MouseUp(2);
    EXPECT_EQ(t.Quinte[2], TabellaFrazioni::Pitagoriche().riga(70).Valore.testo());  // two rows up
    EXPECT_EQ(t.Quinte[5], "992376");
    Coerente(t, g);
}
