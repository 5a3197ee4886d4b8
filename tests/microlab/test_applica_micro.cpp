// "APPLICA" through the one commit of new fifths against the steps it
// replaced: the table's sizes and cents written by hand, the bars, the
// spread and the naming of every fifth by the comma colour.
#include <gtest/gtest.h>

#include "common/Micro.h"
#include "microlab/TabellaMicroLab.h"
#include "model/Derivazioni.h"
#include "model/NumeriDigitati.h"
#include "model/TabellaFrazioni.h"
#include "tests/comune/DerivazioniPassoPasso.h"
#include "tests/comune/TemperamentiCasuali.h"

namespace vk {
namespace {

using namespace prova;

// The temperament's part of "APPLICA" as its steps were written.
void ApplicaPassoPasso(const TabellaMicroLab& m, Temperamento& t, Istogrammi& g, double altezza) {
    auto cents = [&m](int riga) {
        const auto c = CentsSingolaDaCents(m.righe[static_cast<size_t>(riga)].Cents);
        return c ? Testo(*c) : std::string();
    };
    for (int k = 1; k <= 12; ++k) {
        const auto i = static_cast<size_t>(k);
        t.Quinte[i] = m.righe[i].Micro;
        t.CopiaQuinte[i] = m.righe[i].Micro;
        t.QuinteCents[i] = cents(k);
        t.Frazioni[i] = "ND";
        t.Terze[i] = m.righe[i + 12].Micro;
        t.TerzeCents[i] = cents(k + 12);
        t.Semitoni[i] = m.righe[i + 24].Micro;
        t.SemitoniCents[i] = cents(k + 24);
    }
    AggiornaIstogrammi(g, t, altezza);
    if (const auto s = ScartoDaCents(t.SemitoniCents)) t.ScartoSemitonale = Testo(*s);
    for (int k = 1; k <= 12; ++k) {
        t.QuintaSelezionata = k;
        NominaPerColore(t);
        t.QuintaSelezionata = 0;
    }
}

TEST(ApplicaQuinteDifferenziale, ApplicaDelVuvazEza) {
    Casuale c(8);
    constexpr int Casi = 4000;
    for (int i = 0; i < Casi; ++i) {
        TabellaMicroLab m;
        // The rows as the screen's edits leave them, with cents in four
        // decimals, in other forms, or no number.
        for (size_t r = 1; r <= 36; ++r) {
            const int64_t centro = r <= 12 ? 995148 : r <= 24 ? 567072 : 141768;
            // Sizes repeat side by side, as in most temperaments.
            m.righe[r].Micro = r % 12 != 1 && c.probabile(40) ? m.righe[r - 1].Micro : c.misura(centro, 20000);
            const auto v = ValoreFisso::daTesto(m.righe[r].Micro);
            m.righe[r].Cents =
                v && c.probabile(90) ? Testo(CentsDaMicro4(*v)) : c.forma(ValoreFisso::intero(c.intero(50, 800)));
        }
        const Temperamento t0 = c.probabile(50) ? c.temperamento() : c.regolare();
        const Istogrammi g0 = c.istogrammi();
        Temperamento ta = t0, tb = t0;
        Istogrammi ga = g0, gb = g0;
        ApplicaPassoPasso(m, ta, ga, 11520);
        m.CmdApplicaMicro_Click(tb, gb, 11520);
        SCOPED_TRACE("caso " + std::to_string(i));
        TuttoUguale(tb, ta);
        BarreUguali(gb, ga);
        EXPECT_FALSE(m.aperta);
    }
}

}  // namespace
}  // namespace vk
