#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <random>
#include <vector>

#include "AiutiEditing.h"
#include "editing/ComandiEditing.h"
#include "editing/Preimpostazioni.h"
#include "editing/Trasposizione.h"

using namespace vk;
using namespace vk::prova;

namespace {

// Characters of a UTF-8 text.
size_t Caratteri(const std::string& s) {
    size_t n = 0;
    for (unsigned char c : s) n += (c & 0xC0) != 0x80;
    return n;
}

struct Banco {
    Temperamento t = TemperamentoIniziale();
    Istogrammi g = IstogrammiIniziali();
    ComandiEditing c{t, g, [] { return 11520.0; }};
    // The designed bars are not quite where a redraw puts them; start drawn.
    Banco() { AggiornaIstogrammi(g, t, 11520); }
    void piu(int k, int tick = 0, bool clic = true) {
        c.cmdPiù_MouseDown(k);
        for (int i = 0; i < tick; ++i) c.tmrPiù_Timer();
        if (clic) c.cmdPiù_Click(k);
        c.cmdPiù_MouseUp(k);
    }
    void meno(int k, int tick = 0, bool clic = true) {
        c.cmdMeno_MouseDown(k);
        for (int i = 0; i < tick; ++i) c.TmrMeno_Timer();
        if (clic) c.cmdMeno_Click(k);
        c.cmdMeno_MouseUp(k);
    }
};

}  // namespace

TEST(Preimpostazioni, Pitagorico) {
    for (ModoComma m : {ModoComma::Pitagorico, ModoComma::Sintonico}) {
        Banco b;
        b.t.impostaModo(m);
        b.t.QuintaSelezionata = 4;
        b.c.cmdPitagorico_Click();
        const Temperamento& t = b.t;
        EXPECT_EQ(t.Nome, "PITAGORICO");
        EXPECT_EQ(t.Descrizione.find_first_of("\r\n"), std::string::npos);
        EXPECT_NE(t.Descrizione.find("Pitagora"), std::string::npos);
        EXPECT_EQ(t.CommaCaption, "Comma Pitagorico");
        EXPECT_EQ(t.CommaColore, 0xC0C0FFu);
        EXPECT_FALSE(b.c.FraComma().Visible);  // no confirmation asked
        for (int k = 1; k <= 12; ++k) {
            const bool lupo = k == 6;
            EXPECT_EQ(t.Quinte[k], lupo ? "961884" : "995148") << k;
            EXPECT_EQ(t.CopiaQuinte[k], t.Quinte[k]) << k;
            EXPECT_EQ(t.QuinteCents[k], lupo ? "678,49" : "701,96") << k;
            EXPECT_EQ(t.Frazioni[k], lupo ? "-1" : "0") << k;
            const bool stretta = k >= 3 && k <= 6;
            EXPECT_EQ(t.Terze[k], stretta ? "544896" : "578160") << k;
            EXPECT_EQ(t.TerzeCents[k], stretta ? "384,36" : "407,82") << k;
            EXPECT_EQ(t.SigleTerze[k], stretta ? "" : "P") << k;
            const bool apotome = k == 2 || k == 4 || k == 7 || k == 9 || k == 11;
            EXPECT_EQ(t.Semitoni[k], apotome ? "161172" : "127908") << k;
            EXPECT_EQ(t.SemitoniCents[k], apotome ? "113,69" : "90,22") << k;
        }
        EXPECT_EQ(t.ScartoSemitonale, "23,47");
        EXPECT_EQ(t.QuintaSelezionata, 4);
        Coerente(t, b.g);
    }
}

TEST(Preimpostazioni, EquabileNeiDueModi) {
    struct Caso { ModoComma modo; const char* frazione; };
    for (const Caso& cs : {Caso{ModoComma::Pitagorico, "-1/12"}, Caso{ModoComma::Sintonico, "-Schisma"}}) {
        Banco b;
        b.t.impostaModo(cs.modo);
        b.piu(3, 4);
        b.c.cmdEquabile_Click();
        Temperamento atteso = TemperamentoIniziale();
        atteso.impostaModo(cs.modo);
        atteso.Nome = "TEMPERAMENTO EQUABILE";
        atteso.Descrizione = DescrizioneEquabile;
        for (int k = 1; k <= 12; ++k) atteso.Frazioni[k] = cs.frazione;
        StessoTemperamento(b.t, atteso);
        Istogrammi ridisegnate = IstogrammiIniziali();
        AggiornaIstogrammi(ridisegnate, atteso, 11520);
        StesseBarre(b.g, ridisegnate);
        EXPECT_EQ(Caratteri(b.t.Descrizione), 190u);
        Coerente(b.t, b.g);
    }
}

// After "EQ" in the syntonic mode the names a later naming writes read
// "- Schisma", the others keep "-Schisma".
TEST(Preimpostazioni, DueFormeDelloSchisma) {
    // The fifths that end up named by the syntonic table.
    struct Caso { const char* nome; std::function<void(Banco&)> modifica; std::vector<int> rinominate; };
    const Caso casi[] = {
        {"> poi < su 4", [](Banco& b) { b.piu(4); b.meno(4); }, {4, 5}},
        // The copy keeps the neighbour's text; only the compensated fifth is named.
        {"Copy/0 su 4", [](Banco& b) { b.c.cmdZero_Click(4); }, {5}},
        {"Copy/0 su 1", [](Banco& b) { b.c.cmdZero_Click(1); }, {2}},
    };
    for (const Caso& cs : casi) {
        Banco b;
        b.t.impostaModo(ModoComma::Sintonico);
        b.c.cmdEquabile_Click();
        cs.modifica(b);
        for (int k = 1; k <= 12; ++k) {
            const bool rinominata = std::count(cs.rinominate.begin(), cs.rinominate.end(), k) > 0;
            EXPECT_EQ(b.t.Quinte[k], "992376") << cs.nome << " " << k;
            EXPECT_EQ(b.t.Frazioni[k], rinominata ? "- Schisma" : "-Schisma") << cs.nome << " " << k;
        }
        Coerente(b.t, b.g);
    }
}

TEST(CopiaOZero, Ciclo) {
    Banco b;
    b.piu(4, 2);  // fifth 4 three rows up, fifth 5 compensated
    const std::string q4 = b.t.Quinte[4], n4 = b.t.Frazioni[4];
    const ValoreFisso q5 = V(b.t.Quinte[5]), q6 = V(b.t.Quinte[6]);
    b.c.cmdZero_Click(5);  // first press: copy of fifth 4
    EXPECT_EQ(b.c.lblRepeat(), 1);
    EXPECT_EQ(b.t.Quinte[5], q4);
    EXPECT_EQ(b.t.Frazioni[5], n4);
    EXPECT_EQ(V(b.t.Quinte[6]), q6 - (V(q4) - q5));
    Coerente(b.t, b.g);
    b.c.cmdZero_Click(5);  // second press: pure
    EXPECT_EQ(b.c.lblRepeat(), 2);
    EXPECT_EQ(b.t.Quinte[5], "995148");
    EXPECT_EQ(b.t.Frazioni[5], "0");
    Coerente(b.t, b.g);
    const Temperamento prima = b.t;
    b.c.cmdZero_Click(5);  // third press: nothing moves
    StessoTemperamento(b.t, prima);
    EXPECT_EQ(b.c.lblIndexCopy(), 5);
}

// Which presses copy and which set the pure fifth. From the Pythagorean
// preset fifth 7 copies the wolf, so the two outcomes differ.
TEST(CopiaOZero, QuandoCopiaEQuandoAzzera) {
    struct Caso { const char* nome; std::function<void(Banco&)> prima; bool pura; };
    const Caso casi[] = {
        {"all'avvio", [](Banco&) {}, false},
        {"7, 3, poi 7", [](Banco& b) { b.c.cmdZero_Click(7); b.c.cmdZero_Click(3); }, false},
        {"> su 7 col mouse", [](Banco& b) { b.piu(7); }, true},
        {"< su 7 fuori dal pulsante", [](Banco& b) { b.meno(7, 2, false); }, true},
        {"> su 7 da tastiera", [](Banco& b) { b.c.cmdPiù_Click(7); }, true},
        {"> su 6", [](Banco& b) { b.piu(6); }, false},
        {"Copy/0, EQ", [](Banco& b) { b.c.cmdZero_Click(7); b.c.cmdEquabile_Click(); }, true},
        {"Copy/0, PIT", [](Banco& b) { b.c.cmdZero_Click(7); b.c.cmdPitagorico_Click(); }, true},
        {"Copy/0, trasposizione", [](Banco& b) { b.c.cmdZero_Click(7); b.c.cmdShift_Click(0); }, true},
        {"Copy/0, cambio comma",
         [](Banco& b) { b.c.cmdZero_Click(7); b.c.cmdComma_Click(); b.c.cmdCambioComma_Click(0); }, true},
    };
    for (const Caso& cs : casi) {
        Banco b;
        b.c.cmdPitagorico_Click();
        cs.prima(b);
        const std::string sinistra = b.t.Quinte[6];
        ASSERT_NE(sinistra, "995148") << cs.nome;
        b.c.cmdZero_Click(7);
        EXPECT_EQ(b.t.Quinte[7], cs.pura ? "995148" : sinistra) << cs.nome;
        EXPECT_EQ(b.c.lblRepeat(), cs.pura ? 2 : 1) << cs.nome;
        Coerente(b.t, b.g);
    }
}

TEST(CopiaOZero, IntornoAlCerchio) {
    Banco b;
    b.c.cmdPitagorico_Click();
    b.c.cmdShift_Click(1);  // wolf on fifth 7
    b.c.cmdShift_Click(1);  // on 8
    b.c.cmdShift_Click(1);  // on 9
    b.c.cmdShift_Click(1);  // on 10
    b.c.cmdShift_Click(1);  // on 11
    b.c.cmdShift_Click(1);  // on 12
    b.c.cmdZero_Click(1);   // copies the wolf from 12, fifth 2 takes the comma back
    EXPECT_EQ(b.t.Quinte[1], "961884");
    EXPECT_EQ(b.t.Frazioni[1], "-1");
    EXPECT_EQ(b.t.Quinte[2], "1028412");
    Coerente(b.t, b.g);
    Banco c;
    c.c.cmdPitagorico_Click();
    for (int i = 0; i < 5; ++i) c.c.cmdShift_Click(1);  // wolf on 11
    c.c.cmdZero_Click(12);  // copies fifth 11, compensates on fifth 1
    EXPECT_EQ(c.t.Quinte[12], "961884");
    EXPECT_EQ(c.t.Quinte[1], "1028412");
    Coerente(c.t, c.g);
}

TEST(CambioComma, ConfermaEAnnulla) {
    struct Caso { const char* caption; int risposta; const char* dopo; const char* frazione; };
    const Caso casi[] = {
        {"Comma Pitagorico", 0, "Comma Sintonico", "-Schisma"},
        {"Comma Sintonico", 0, "Comma Pitagorico", "-1/12"},
        {"Comma qualunque", 0, "Comma Pitagorico", "-1/12"},
    };
    for (const Caso& cs : casi) {
        Banco b;
        b.c.cmdPitagorico_Click();
        b.piu(2, 3);
        b.t.CommaCaption = cs.caption;
        b.t.CommaColore = cs.caption == std::string("Comma Pitagorico") ? 0xC0C0FF : 0xC0FFC0;
        b.c.cmdComma_Click();
        EXPECT_TRUE(b.c.FraComma().Visible);
        EXPECT_EQ(b.c.FraComma().Left, 0);
        EXPECT_EQ(b.c.FraComma().Top, 0);
        EXPECT_EQ(b.c.FraComma().BackColor, Colori::FacciaPulsante);
        EXPECT_EQ(b.c.FraComma().fuoco, "cmdCambioComma_0");
        EXPECT_EQ(b.t.CommaCaption, cs.caption);  // opening changes nothing
        b.c.cmdCambioComma_Click(cs.risposta);
        EXPECT_FALSE(b.c.FraComma().Visible);
        EXPECT_EQ(b.t.CommaCaption, cs.dopo);
        EXPECT_EQ(b.t.CommaColore, cs.dopo == std::string("Comma Pitagorico") ? 0xC0C0FFu : 0xC0FFC0u);
        EXPECT_EQ(b.t.Nome, "TEMPERAMENTO EQUABILE");
        for (int k = 1; k <= 12; ++k) {
            EXPECT_EQ(b.t.Quinte[k], "992376");
            EXPECT_EQ(b.t.Frazioni[k], cs.frazione);
        }
        Coerente(b.t, b.g);
    }
    // Cancelled: everything as it was.
    Banco b;
    b.c.cmdPitagorico_Click();
    b.meno(8, 2);
    const Temperamento prima = b.t;
    const Istogrammi barre = b.g;
    b.c.cmdComma_Click();
    b.c.cmdCambioComma_Click(1);
    EXPECT_FALSE(b.c.FraComma().Visible);
    StessoTemperamento(b.t, prima);
    StesseBarre(b.g, barre);
    // Two confirmations come back to the first mode.
    b.c.cmdComma_Click();
    b.c.cmdCambioComma_Click(0);
    b.c.cmdComma_Click();
    b.c.cmdCambioComma_Click(0);
    EXPECT_EQ(b.t.CommaCaption, "Comma Pitagorico");
}

TEST(Trasposizione, AndataERitornoEDodiciPassi) {
    Banco b;
    b.c.cmdPitagorico_Click();
    b.piu(3, 7);
    b.meno(9, 20);
    b.c.cmdZero_Click(11);
    b.t.Frazioni[5] = "scritto a mano";
    const Temperamento t0 = b.t;
    const Istogrammi g0 = b.g;
    for (int primo : {0, 1}) {
        b.c.cmdShift_Click(primo);
        b.c.cmdShift_Click(1 - primo);
        StessoTemperamento(b.t, t0);
        StesseBarre(b.g, g0, 0.5f);
    }
    for (int verso : {0, 1}) {
        for (int i = 0; i < 12; ++i) {
            b.c.cmdShift_Click(verso);
            Coerente(b.t, b.g, false);  // one name is typed by hand
        }
        StessoTemperamento(b.t, t0);
        EXPECT_EQ(b.t.ErroreChiusura, t0.ErroreChiusura);
        StesseBarre(b.g, g0, 0.5f);
        for (int k = 0; k <= 12; ++k) {
            EXPECT_EQ(b.g.ShpQuinte[k].Left, g0.ShpQuinte[k].Left);
            EXPECT_EQ(b.g.ShpQuinte[k].Width, g0.ShpQuinte[k].Width);
        }
    }
}

TEST(Trasposizione, IlLupoDelPitagorico) {
    struct Caso { int indice; int lupo; std::vector<int> strette; std::vector<int> apotomi; };
    const Caso casi[] = {
        {1, 7, {4, 5, 6, 7}, {2, 4, 6, 9, 11}},
        {0, 5, {2, 3, 4, 5}, {2, 4, 7, 9, 12}},
    };
    for (const Caso& cs : casi) {
        Banco b;
        b.c.cmdPitagorico_Click();
        const Temperamento prima = b.t;
        b.c.cmdShift_Click(cs.indice);
        const Temperamento& t = b.t;
        for (int k = 1; k <= 12; ++k) {
            const bool lupo = k == cs.lupo;
            EXPECT_EQ(t.Quinte[k], lupo ? "961884" : "995148") << k;
            EXPECT_EQ(t.QuinteCents[k], lupo ? "678,49" : "701,96") << k;
            EXPECT_EQ(t.Frazioni[k], lupo ? "-1" : "0") << k;
            const bool stretta = std::count(cs.strette.begin(), cs.strette.end(), k) > 0;
            EXPECT_EQ(t.Terze[k], stretta ? "544896" : "578160") << k;
            EXPECT_EQ(t.TerzeCents[k], stretta ? "384,36" : "407,82") << k;
            EXPECT_EQ(t.SigleTerze[k], stretta ? "" : "P") << k;
            const bool apotome = std::count(cs.apotomi.begin(), cs.apotomi.end(), k) > 0;
            EXPECT_EQ(t.Semitoni[k], apotome ? "161172" : "127908") << k;
            EXPECT_EQ(t.SemitoniCents[k], apotome ? "113,69" : "90,22") << k;
        }
        EXPECT_EQ(t.Nome, prima.Nome);
        EXPECT_EQ(t.Descrizione, prima.Descrizione);
        EXPECT_EQ(t.CommaCaption, prima.CommaCaption);
        EXPECT_EQ(t.ScartoSemitonale, "23,47");
        EXPECT_EQ(b.g.ShpQuinte[0].Height, b.g.ShpQuinte[7].Height);
        EXPECT_EQ(b.g.ShpTerze[0].Colore, b.g.ShpTerze[7].Colore);
        EXPECT_EQ(b.g.lblTerzeC0, t.TerzeCents[7]);
        Coerente(t, b.g);
    }
}

// Only the wrapped position passes through numbers: a non-standard text is
// written back in standard form there and moves as it is elsewhere; one
// that is not a number stops the move.
TEST(Trasposizione, TestiFuoriFormaENonNumerici) {
    Banco b;
    b.t.QuinteCents[12] = "700,00";
    b.t.TerzeCents[5] = "400,0";
    b.c.cmdShift_Click(1);
    EXPECT_EQ(b.t.QuinteCents[1], "700");
    EXPECT_EQ(b.t.TerzeCents[6], "400,0");
    b.t.Terze[12] = "molto";
    const Temperamento prima = b.t;
    const Istogrammi barre = b.g;
    b.c.cmdShift_Click(1);
    StessoTemperamento(b.t, prima);
    StesseBarre(b.g, barre);
    b.c.cmdShift_Click(0);  // the bad text is not at the wrapped position here
    EXPECT_EQ(b.t.Terze[11], "molto");
}

// A long random mix of every command keeps the circle closed and every
// derived value equal to a fresh derivation.
TEST(ComandiEditing, SequenzaCasuale) {
    for (unsigned seme : {1u, 7u, 2024u}) {
        Banco b;
        std::mt19937 caso(seme);
        auto tra = [&](int a, int z) { return std::uniform_int_distribution<int>(a, z)(caso); };
        for (int i = 0; i < 400; ++i) {
            const int k = tra(1, 12);
            switch (tra(0, 11)) {
                case 0: case 1: case 2: b.piu(k, tra(0, 8), tra(0, 3) != 0); break;
                case 3: case 4: case 5: b.meno(k, tra(0, 8), tra(0, 3) != 0); break;
                case 6: if (tra(0, 1)) b.c.cmdPiù_Click(k); else b.c.cmdMeno_Click(k); break;
                case 7: b.c.cmdZero_Click(k); break;
                case 8: b.c.cmdShift_Click(tra(0, 1)); break;
                case 9:
                    b.c.cmdComma_Click();
                    b.c.cmdCambioComma_Click(tra(0, 2));
                    break;
                case 10: if (tra(0, 4) == 0) b.c.cmdPitagorico_Click(); break;
                case 11: if (tra(0, 4) == 0) b.c.cmdEquabile_Click(); break;
            }
            ASSERT_NO_FATAL_FAILURE(Coerente(b.t, b.g)) << "seme " << seme << " passo " << i;
            if (::testing::Test::HasFailure()) return;
        }
    }
}
