#include <gtest/gtest.h>

#include <string>

#include "app/StatoPrincipale.h"
#include "app/Velocita.h"

namespace vk {
namespace {

constexpr ColoreVB R = SegmentoAcceso;
constexpr ColoreVB V = SegmentoSpento;

// The meter as ten letters, segment 1 first: "A" lit, "s" unlit, "?" other.
std::string Misuratore(const StatoPrincipale& s) {
    std::string m;
    for (int k = 1; k <= 10; ++k) {
        const ColoreVB c = s.SegmentiVelocita[static_cast<size_t>(k)];
        m += c == R ? 'A' : c == V ? 's' : '?';
    }
    return m;
}

void ImpostaMisuratore(StatoPrincipale& s, const std::string& m) {
    for (int k = 1; k <= 10; ++k)
        s.SegmentiVelocita[static_cast<size_t>(k)] = m[static_cast<size_t>(k - 1)] == 'A' ? R : V;
}

TEST(Velocita, UnaPressione) {
    struct Caso {
        const char* livello;
        const char* misuratore;
        int indice;
        const char* livelloDopo;
        const char* misuratoreDopo;
        int intervalloDopo;  // both timers; stored 135 at the start
    } casi[] = {
        {"6", "AAAAAsssss", VelocitaPiu, "7", "AAAAAAssss", 95},
        {"6", "AAAAAsssss", VelocitaMeno, "5", "AAAAssssss", 125},
        {"10", "AAAAAAAAAs", VelocitaPiu, "11", "AAAAAAAAAA", 35},
        {"2", "Asssssssss", VelocitaMeno, "1", "ssssssssss", 185},
        // At a limit the level stays, the intervals are corrected and the
        // segment already in that colour is recoloured.
        {"11", "AAAAAAAAAA", VelocitaPiu, "11", "AAAAAAAAAA", 35},
        {"1", "ssssssssss", VelocitaMeno, "1", "ssssssssss", 185},
        // A meter that disagrees with the level: only one segment is fixed.
        {"3", "AAAAAsssss", VelocitaPiu, "4", "AAAAAsssss", 140},
        {"3", "AAAAAsssss", VelocitaMeno, "2", "AsAAAsssss", 170},
        {"8", "Asssssssss", VelocitaPiu, "9", "AssssssAss", 65},
        // Hand-edited levels outside 1..11: stepped by one; a press that ends
        // outside changes neither interval nor segment.
        {"12", "AAAAAsssss", VelocitaPiu, "13", "AAAAAsssss", 135},
        {"12", "AAAAAsssss", VelocitaMeno, "11", "AAAAAsssss", 35},
        {"0", "AAAAAsssss", VelocitaPiu, "1", "AAAAAsssss", 185},
        // Never past what the settings file keeps.
        {"2147483647", "AAAAAsssss", VelocitaPiu, "2147483647", "AAAAAsssss", 135},
        // No number: nothing to step.
        {"sei", "AAAAAsssss", VelocitaPiu, "sei", "AAAAAsssss", 135},
    };
    for (const auto& c : casi) {
        StatoPrincipale s;
        s.LivelloVelocita = c.livello;
        ImpostaMisuratore(s, c.misuratore);
        s.IntervalloPiu = s.IntervalloMeno = 135;
        s.IndexVelo = c.indice == VelocitaPiu ? 0 : 1;
        cmdVelocita_Click(s, c.indice);
        SCOPED_TRACE(std::string(c.indice == VelocitaPiu ? "+" : "-") + " da " + c.livello);
        EXPECT_EQ(s.IndexVelo, c.indice == VelocitaPiu ? 1 : 0);
        EXPECT_EQ(s.LivelloVelocita, c.livelloDopo);
        EXPECT_EQ(Misuratore(s), c.misuratoreDopo);
        EXPECT_EQ(s.IntervalloPiu, c.intervalloDopo);
        EXPECT_EQ(s.IntervalloMeno, c.intervalloDopo);
    }
}

TEST(Velocita, DuePiuDalDisegno) {
    StatoPrincipale s;
    EXPECT_EQ(s.IntervalloPiu, 135);  // until the first press, not the 110 of level 6
    cmdVelocita_Click(s, VelocitaPiu);
    cmdVelocita_Click(s, VelocitaPiu);
    EXPECT_EQ(s.LivelloVelocita, "8");
    EXPECT_EQ(Misuratore(s), "AAAAAAAsss");
    EXPECT_EQ(s.IntervalloPiu, 80);
    EXPECT_EQ(s.IntervalloMeno, 80);
}

TEST(Velocita, IntervalliDiversiRestanoFinoAllaPrimaPressione) {
    StatoPrincipale s;
    s.LivelloVelocita = "11";
    s.IntervalloPiu = 60;
    s.IntervalloMeno = 170;
    ApplicaVelocita(s);  // what the first press does after its step
    EXPECT_EQ(s.IntervalloPiu, 35);
    EXPECT_EQ(s.IntervalloMeno, 35);
}

TEST(Velocita, TenutoPremutoDaSeiArrivaAUndiciAlQuintoScatto) {
    StatoPrincipale s;
    RipetizioneAutomatica piu = RipetizioneVelocita(s, VelocitaPiu);
    EXPECT_EQ(piu.intervallo(), 95);
    piu.premi();
    EXPECT_EQ(s.LivelloVelocita, "6");  // the press itself steps nothing
    const char* attesi[] = {"7", "8", "9", "10", "11", "11", "11"};
    for (const char* a : attesi) {
        ASSERT_TRUE(piu.tick());
        EXPECT_EQ(s.LivelloVelocita, a);
    }
    piu.clic();
    piu.rilascia();
    EXPECT_FALSE(piu.attivo());
    EXPECT_EQ(s.LivelloVelocita, "11");
    EXPECT_EQ(Misuratore(s), "AAAAAAAAAA");
    EXPECT_EQ(s.IntervalloPiu, 35);
}

TEST(Velocita, ScattiEClicContanoUnPassoCiascuno) {
    // n ticks then the click at release: n + 1 steps down from 11.
    for (int n : {0, 1, 3, 9}) {
        StatoPrincipale s;
        s.LivelloVelocita = "11";
        ImpostaMisuratore(s, "AAAAAAAAAA");
        RipetizioneAutomatica meno = RipetizioneVelocita(s, VelocitaMeno);
        meno.premi();
        for (int i = 0; i < n; ++i) meno.tick();
        meno.clic();
        meno.rilascia();
        EXPECT_EQ(s.LivelloVelocita, std::to_string(10 - n)) << n;
        EXPECT_EQ(Misuratore(s), std::string(static_cast<size_t>(9 - n), 'A') + std::string(static_cast<size_t>(n + 1), 's'));
        EXPECT_FALSE(meno.tick()) << "no tick after the release";
    }
}

}  // namespace
}  // namespace vk
