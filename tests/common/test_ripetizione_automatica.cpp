#include <gtest/gtest.h>

#include <ostream>
#include <string>

#include "common/RipetizioneAutomatica.h"

namespace vk {
namespace {

// Events: P press, T tick, C click, R release.
struct Caso {
    const char* nome;
    int intervallo;
    bool conClic;
    const char* eventi;
    int passi;
    int completamenti;
};
void PrintTo(const Caso& c, std::ostream* os) { *os << c.nome; }

class Sequenza : public ::testing::TestWithParam<Caso> {};

TEST_P(Sequenza, ContaPassiECompletamenti) {
    const Caso& c = GetParam();
    int passi = 0, completamenti = 0;
    RipetizioneAutomatica r([&] { ++passi; }, [&] { ++completamenti; }, c.intervallo, c.conClic);
    for (const char* e = c.eventi; *e; ++e) {
        switch (*e) {
            case 'P': r.premi(); break;
            case 'T': r.tick(); break;
            case 'C': r.clic(); break;
            case 'R': r.rilascia(); break;
        }
    }
    EXPECT_EQ(passi, c.passi);
    EXPECT_EQ(completamenti, c.completamenti);
    EXPECT_FALSE(r.attivo() && std::string(c.eventi).back() == 'R');
}

INSTANTIATE_TEST_SUITE_P(
    Casi, Sequenza,
    ::testing::Values(
        Caso{"PressioneBreve", 135, true, "PCR", 1, 1},
        Caso{"TreTickPoiClic", 135, true, "PTTTCR", 4, 1},
        Caso{"RilasciatoFuori", 135, true, "PTTR", 2, 1},
        Caso{"SenzaClicPressioneBreve", 60, false, "PCR", 0, 1},
        Caso{"SenzaClicDueTick", 60, false, "PTTCR", 2, 1},
        Caso{"IntervalloZeroSoloClic", 0, true, "PTTTCR", 1, 1},
        Caso{"IntervalloNegativo", -5, true, "PTTCR", 1, 1},
        Caso{"DaTastiera", 135, true, "C", 1, 0},
        Caso{"TickSenzaPressione", 135, true, "TT", 0, 0},
        Caso{"TickDopoIlRilascio", 135, true, "PTRTT", 1, 1},
        Caso{"DueTastiDelMouse", 135, true, "PPTRR", 1, 2}),
    [](const auto& i) { return std::string(i.param.nome); });

TEST(RipetizioneAutomatica, IlCompletamentoVedeIlPulsanteFermo) {
    RipetizioneAutomatica* p = nullptr;
    bool attivoNelCompletamento = true;
    RipetizioneAutomatica r([] {}, [&] { attivoNelCompletamento = p->attivo(); }, 100);
    p = &r;
    r.premi();
    r.rilascia();
    EXPECT_FALSE(attivoNelCompletamento);
}

TEST(RipetizioneAutomatica, LIntervalloNonAvviaNeFerma) {
    RipetizioneAutomatica r([] {}, [] {}, 135);
    r.impostaIntervallo(35);
    EXPECT_FALSE(r.attivo());
    EXPECT_FALSE(r.generaTick());
    r.premi();
    EXPECT_TRUE(r.generaTick());
    r.impostaIntervallo(0);
    EXPECT_TRUE(r.attivo());
    EXPECT_FALSE(r.generaTick());
    EXPECT_FALSE(r.tick());
    r.impostaIntervallo(1);
    EXPECT_TRUE(r.tick());
    EXPECT_EQ(r.intervallo(), 1);
}

TEST(RipetizioneAutomatica, IlPassoLeggeLoStatoCorrente) {
    // The fifth buttons share one timer; the step reads the fifth under edit.
    int quinta = 0;
    int ultimaPassata = -1;
    RipetizioneAutomatica r([&] { ultimaPassata = quinta; }, {}, 110);
    quinta = 3;
    r.premi();
    r.tick();
    EXPECT_EQ(ultimaPassata, 3);
    quinta = 7;
    r.tick();
    EXPECT_EQ(ultimaPassata, 7);
    r.rilascia();  // no completion given: nothing to run
}

}  // namespace
}  // namespace vk
