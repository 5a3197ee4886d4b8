#pragma once
// Shared checks of the editing tests.
#include <gtest/gtest.h>

#include <string>

#include "common/Micro.h"
#include "model/Istogrammi.h"
#include "model/TabellaFrazioni.h"
#include "model/Temperamento.h"
#include "tests/comune/DerivazioniPassoPasso.h"

namespace vk::prova {

inline ValoreFisso V(const std::string& t) { return *ValoreFisso::daTesto(t); }

inline ValoreFisso SommaQuinte(const Temperamento& t) {
    ValoreFisso s;
    for (int k = 1; k <= 12; ++k) s += V(t.Quinte[k]);
    return s;
}

// Every field a user can see or save, for "nothing changed" checks.
inline void StessoTemperamento(const Temperamento& a, const Temperamento& b) {
    EXPECT_EQ(a.Nome, b.Nome);
    EXPECT_EQ(a.Descrizione, b.Descrizione);
    EXPECT_EQ(a.CommaCaption, b.CommaCaption);
    EXPECT_EQ(a.CommaColore, b.CommaColore);
    EXPECT_EQ(a.Quinte, b.Quinte);
    EXPECT_EQ(a.QuinteCents, b.QuinteCents);
    EXPECT_EQ(a.Frazioni, b.Frazioni);
    EXPECT_EQ(a.CopiaQuinte, b.CopiaQuinte);
    EXPECT_EQ(a.Terze, b.Terze);
    EXPECT_EQ(a.TerzeCents, b.TerzeCents);
    EXPECT_EQ(a.SigleTerze, b.SigleTerze);
    EXPECT_EQ(a.Semitoni, b.Semitoni);
    EXPECT_EQ(a.SemitoniCents, b.SemitoniCents);
    EXPECT_EQ(a.ScartoSemitonale, b.ScartoSemitonale);
}

inline void StesseBarre(const Istogrammi& a, const Istogrammi& b, float tolleranza = 0) {
    for (int k = 0; k <= 12; ++k) {
        EXPECT_NEAR(a.ShpQuinte[k].Height, b.ShpQuinte[k].Height, tolleranza) << "quinta " << k;
        EXPECT_NEAR(a.ShpQuinte[k].Top, b.ShpQuinte[k].Top, tolleranza) << "quinta " << k;
        EXPECT_EQ(a.ShpQuinte[k].Colore, b.ShpQuinte[k].Colore) << "quinta " << k;
        EXPECT_NEAR(a.ShpTerze[k].Height, b.ShpTerze[k].Height, tolleranza) << "terza " << k;
        EXPECT_NEAR(a.ShpTerze[k].Top, b.ShpTerze[k].Top, tolleranza) << "terza " << k;
        EXPECT_EQ(a.ShpTerze[k].Colore, b.ShpTerze[k].Colore) << "terza " << k;
    }
    for (int n = 1; n <= 12; ++n) {
        EXPECT_NEAR(a.ShpSemitoni[n].Height, b.ShpSemitoni[n].Height, tolleranza) << "semitono " << n;
        EXPECT_NEAR(a.ShpSemitoni[n].Top, b.ShpSemitoni[n].Top, tolleranza) << "semitono " << n;
    }
    EXPECT_EQ(a.lblTerzeC0, b.lblTerzeC0);
}

// The fifths close the circle and everything derived from them is what a
// fresh derivation gives: thirds, semitones, cents, spread, letters, names
// (the equal preset's "-Schisma" stands for the table's "- Schisma") and,
// within half a twip, the bars.
inline void Coerente(const Temperamento& t, const Istogrammi& g, bool nomi = true, double altezza = 11520) {
    ASSERT_EQ(SommaQuinte(t), Micro::SetteOttave);
    Temperamento f = t;
    ASSERT_TRUE(CalcolaSemitoniTerze(f));
    ASSERT_TRUE(CalcolaCents(f));
    Istogrammi gf = g;
    AggiornaIstogrammi(gf, f, altezza);
    EXPECT_EQ(t.Terze, f.Terze);
    EXPECT_EQ(t.Semitoni, f.Semitoni);
    EXPECT_EQ(t.QuinteCents, f.QuinteCents);
    EXPECT_EQ(t.TerzeCents, f.TerzeCents);
    EXPECT_EQ(t.SemitoniCents, f.SemitoniCents);
    EXPECT_EQ(t.ScartoSemitonale, f.ScartoSemitonale);
    EXPECT_EQ(t.SigleTerze, f.SigleTerze);
    EXPECT_EQ(t.CopiaQuinte, t.Quinte);
    const TabellaFrazioni& tab = TabellaFrazioni::Per(t.modoPerCaption());
    for (int k = 1; nomi && k <= 12; ++k) {
        std::string atteso = CercaFrazione(tab, t.Quinte[k]);
        std::string nome = t.Frazioni[k] == "-Schisma" ? "- Schisma" : t.Frazioni[k];
        EXPECT_EQ(nome, atteso) << "quinta " << k;
    }
    StesseBarre(g, gf, 0.5f);
}

}  // namespace vk::prova
