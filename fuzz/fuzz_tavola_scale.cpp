// The key table computed from any temperament the file reader accepts, on
// a screen of one of several heights, through any sequence of its commands:
// every number it shows (deviations, indices, the shown
// key's deviations and index, the band limits) is empty or a number the
// program reads, and every bar of the histogram is finite and, in pixels,
// within the integer range the panel is drawn in.
#include <cmath>
#include <cstdint>
#include <limits>

#include "SchermateFuzz.h"
#include "common/Geometria.h"
#include "keytable/TavolaScale.h"

namespace {

using vk::fuzz::Verifica;

constexpr float Altezze[] = {11520, 10800, 12960, 16200, 32400, 7200};

bool PixelInteri(double twips) {
    const double px = twips / vk::TwipsPerPixel;
    return std::isfinite(px) && px >= std::numeric_limits<int>::min() && px <= std::numeric_limits<int>::max();
}

void VerificaTavola(const vk::TavolaScale& t) {
    // The deviations; the cumulative sizes after them are never shown.
    for (int c = 1; c <= vk::CelleScarti; ++c) Verifica(vk::fuzz::VuotoOLeggibile(t.lblScala[static_cast<size_t>(c)]));
    for (size_t k = 1; k < t.lblEufonico.size(); ++k) Verifica(vk::fuzz::VuotoOLeggibile(t.lblEufonico[k]));
    for (size_t n = 1; n < t.lblScartiInCents.size(); ++n) Verifica(vk::fuzz::VuotoOLeggibile(t.lblScartiInCents[n]));
    for (size_t n = 1; n < t.lblNumLeg.size(); ++n) Verifica(vk::fuzz::Leggibile(t.lblNumLeg[n]));
    Verifica(vk::fuzz::VuotoOLeggibile(t.lblLegenda[18]));
    for (size_t n = 1; n < t.ShpIstoScala.size(); ++n) {
        const vk::BarraScala& b = t.ShpIstoScala[n];
        Verifica(b.Height >= 0 && PixelInteri(b.Top) && PixelInteri(static_cast<double>(b.Top) + b.Height));
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* dati, size_t n) {
    auto ingresso = vk::fuzz::LeggiIngresso(dati, n);
    if (!ingresso) return 0;
    vk::prova::Scelte& s = ingresso->azioni;
    const float altezza = Altezze[s.byte() % (sizeof Altezze / sizeof *Altezze)];
    vk::ImpostaFornitoreSchermo([altezza] { return vk::DimensioniSchermo{15360, altezza}; });
    vk::StatoPrincipale stato;
    stato.temperamento = vk::fuzz::TemperamentoDi(ingresso->voci);
    vk::TavolaScale t(stato);
    t.apri();
    VerificaTavola(t);
    // A few dozen actions reach every state; longer inputs only slow the run.
    for (int azioni = 0; azioni < 32 && !s.finite(); ++azioni) {
        switch (s.byte() % 9) {
            case 0:
            case 1: t.nota(s.tra(1, 13)); break;
            case 2: {
                const int i = s.tra(0, 2);
                t.legendaPremi(i);
                t.legenda(i);
                t.legendaRilascia(i);
                break;
            }
            case 3: t.enfasi(); break;
            case 4: t.inverti(); break;
            case 5: t.spessore(); break;
            case 6: t.preset(s.tra(0, 3)); break;
            case 7: t.selezInterv(s.tra(1, 11)); break;
            default:
                t.esci();
                t.apri();
                break;
        }
        VerificaTavola(t);
    }
    vk::ImpostaFornitoreSchermo({});
    return 0;
}
