#include <gtest/gtest.h>

#include <functional>
#include <random>
#include <string>
#include <vector>

#include "tests/comune/SequenzeEditing.h"
#include "tests/editing/AiutiEditing.h"

namespace vk {
namespace {

using prova::Banco;
using prova::SalvaERiapre;

// Edits from valid files near the limits whose results would hold a size no
// file keeps: none is carried out, and the temperament still saves and opens.
TEST(LimitiEditing, UnaModificaCheUscirebbeDaiLimitiNonAvviene) {
    struct Caso {
        const char* nome;
        std::vector<std::pair<int, const char*>> voci;  // item number (1..87), text
        std::function<void(Banco&)> modifica;
    };
    const Caso casi[] = {
        {"\"<\" sulla quinta 12: la quinta 1 passerebbe 1e11",
         {{15, "100000000000"}, {4, "100000000000"}},
         [](Banco& b) {
             b.comandi.cmdMeno_MouseDown(12);
             b.comandi.cmdMeno_Click(12);
             b.comandi.cmdMeno_MouseUp(12);
         }},
        {"\">\" da tastiera sulla quinta 12", {{15, "0"}, {4, "-100000000000"}},
         [](Banco& b) { b.comandi.cmdPiù_Click(12); }},
        {"\"<\" tenuto: una terza di quasi 2e11",
         {{4, "50000000000"}, {5, "50000000000"}, {6, "50000000000"}},
         [](Banco& b) {
             b.comandi.cmdMeno_MouseDown(3);
             for (int i = 0; i < 5; ++i) b.comandi.TmrMeno_Timer();
             b.comandi.cmdMeno_MouseUp(3);
         }},
        {"Copy/0: la quinta 3 scenderebbe sotto -1e11", {{4, "100000000000"}, {5, "-100000000000"}},
         [](Banco& b) { b.comandi.cmdZero_Click(2); }},
        {"editor delle terze: la quinta 4 salirebbe oltre 1e11", {{40, "-99999999999"}},
         [](Banco& b) { b.terze.clic(1, b.t, b.g, 11520); }},
        {"Zadu-Rori MOD: caselle che chiudono il cerchio con una terza di 1,2e11", {},
         [](Banco& b) {
             ZaduRori& z = b.zr;
             z.apri("IT");
             for (int k = 1; k <= 12; ++k) z.TxtCentsEasy[static_cast<size_t>(k)] = k == 12 ? "-1,96" : "-1";
             ASSERT_EQ(z.ok(b.t, b.g, 11520), ZaduRori::Esito::Correzione);
             const char* rosse[13] = {"",           "30000000000",  "30000000000", "30000000000", "30000000000",
                                      "-60000000000", "-59994045744", "992376",      "992376",      "992376",
                                      "992376",     "992376",       "992376"};
             for (int k = 1; k <= 12; ++k) z.TxtQuinteArrotondateEasy[static_cast<size_t>(k)] = rosse[k];
             EXPECT_EQ(z.mod(b.t, b.g, 11520), ZaduRori::Esito::Avviso);
             EXPECT_EQ(z.lblQuinteArrotondateTotale, "11908512");
             EXPECT_EQ(z.TxtIndicazioniOperativeEasy, TestiEasy::NonNumeri);
         }},
    };
    for (const Caso& c : casi) {
        SCOPED_TRACE(c.nome);
        VociTemperamento v = VociDi(TemperamentoIniziale());
        for (auto [n, testo] : c.voci) v[static_cast<size_t>(n - 1)] = testo;
        ASSERT_TRUE(LeggiTemperamento(ByteTemperamento([&] {
                        Temperamento t;
                        ApplicaVoci(v, t);
                        return t;
                    }()))
                        .ok());
        Banco b(v);
        const Temperamento prima = b.t;
        const CicloTerza ciclo = b.terze.ciclo();
        c.modifica(b);
        // The fifths stay; a release may still derive the rest from them.
        EXPECT_EQ(b.t.Quinte, prima.Quinte);
        EXPECT_EQ(b.t.CopiaQuinte, prima.CopiaQuinte);
        EXPECT_EQ(b.terze.ciclo().NumeroClick, ciclo.NumeroClick) << "a click not made is not counted";
        std::string perche;
        EXPECT_TRUE(SalvaERiapre(b.t, &perche)) << perche;
    }
}

TEST(LimitiEditing, LoStessoPassoLontanoDaiLimitiAvviene) {
    // The check refuses only what would leave the range.
    VociTemperamento v = VociDi(TemperamentoIniziale());
    v[3] = "99999000000";  // fifth 1, well inside
    Banco b(v);
    b.comandi.cmdMeno_Click(1);
    EXPECT_EQ(b.t.Quinte[1], "1028412");  // the largest named size
    EXPECT_EQ(b.t.Quinte[2], "99998963964");
    EXPECT_TRUE(SalvaERiapre(b.t));
}

TEST(LimitiEditing, SequenzeACasoDaFileEstremiSiSalvanoESiRiaprono) {
    std::mt19937 caso(20261210);
    for (int seme = 0; seme < 400; ++seme) {
        std::vector<uint8_t> byte(600);
        for (auto& x : byte) x = static_cast<uint8_t>(caso());
        prova::Scelte s(byte.data(), byte.size());
        Banco b(prova::VociEstreme(s));
        ASSERT_TRUE(SalvaERiapre(b.t)) << "seme " << seme;
        for (int passo = 0; !s.finite(); ++passo) {
            prova::UnaModifica(b, s);
            std::string perche;
            ASSERT_TRUE(SalvaERiapre(b.t, &perche)) << "seme " << seme << ", modifica " << passo << ": " << perche;
        }
    }
}

}  // namespace
}  // namespace vk
