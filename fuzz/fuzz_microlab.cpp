// Vuvaz-Eza action sequences on a fuzzed temperament: row clicks, steps of
// every size, holds, RESET, ANNULLA and APPLICA in any order. No action
// changes the sums of the fifths, the thirds or the semitones (RESET puts
// those of the equal temperament); every interval row holds a number and,
// whenever the screen is left and at the end, no cell shows "nan", "inf"
// or "-0"; after APPLICA what Save writes opens
// again to the same temperament, which opens with the same sums.
#include <array>
#include <cmath>
#include <cstdint>

#include "SchermateFuzz.h"
#include "common/Micro.h"
#include "common/TestoDouble.h"
#include "microlab/TabellaMicroLab.h"

namespace {

using vk::fuzz::Verifica;

struct Somme {
    vk::ValoreFisso quinte, terze, semitoni;
    bool operator==(const Somme&) const = default;
};

Somme SommeDi(const vk::TabellaMicroLab& m) {
    Somme s;
    for (int r = 1; r <= 36; ++r) {
        const auto x = vk::ValoreFisso::daTesto(m.righe[static_cast<size_t>(r)].Micro);
        Verifica(x.has_value());
        (r <= 12 ? s.quinte : r <= 24 ? s.terze : s.semitoni) += *x;
    }
    return s;
}

void VerificaCelle(const vk::TabellaMicroLab& m) {
    for (size_t i = 0; i < m.righe.size(); ++i) {
        const vk::RigaMicro& r = m.righe[i];
        for (const std::string* t : {&r.Decim, &r.Cents, &r.Scarto, &r.Micro}) {
            // A Micro cell may show a file's own text as it stands ("-00").
            if (t != &r.Micro) Verifica(vk::fuzz::SenzaNonNumeri(*t));
            // A note row is a running sum of semitones, which a file's
            // semitones can carry past what a number reads back.
            if (i >= 37 && t == &r.Micro) Verifica(!std::isnan(vk::DoubleDaTesto(*t)));
            else Verifica(*t == vk::TabellaMicroLab::Trattini || vk::fuzz::VuotoOLeggibile(*t));
        }
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* dati, size_t n) {
    auto ingresso = vk::fuzz::LeggiIngresso(dati, n);
    if (!ingresso) return 0;
    vk::prova::Scelte& s = ingresso->azioni;
    vk::Temperamento t = vk::fuzz::TemperamentoDi(ingresso->voci);
    vk::Istogrammi g = vk::IstogrammiIniziali();
    vk::TabellaMicroLab m;
    const char* lingua = vk::fuzz::Lingua(s);
    m.cmdLab_Click(t, lingua);
    Somme attese = SommeDi(m);
    const Somme equabili{vk::Micro::SetteOttave, vk::Micro::QuattroOttave, vk::Micro::Ottava};

    // A few dozen actions reach every state; longer inputs only slow the run.
    for (int azioni = 0; azioni < 32 && !s.finite(); ++azioni) {
        switch (s.byte() % 10) {
            case 0:
            case 1: m.cmdQuintaM_Click(s.tra(1, 48)); break;
            case 2: m.cmdScatto_Click(s.tra(1, 8)); break;
            case 3: m.cmdAumenta_Click(); break;
            case 4: m.cmdDiminuisci_Click(); break;
            case 5: {  // a hold of ">" or "<"
                const bool piu = s.byte() % 2;
                auto& ripeti = piu ? m.aumenta : m.diminuisci;
                piu ? m.cmdAumenta_MouseDown() : m.cmdDiminuisci_MouseDown();
                for (int i = s.tra(0, 31); i > 0; --i) ripeti.tick();
                piu ? m.cmdAumenta_MouseUp() : m.cmdDiminuisci_MouseUp();
                break;
            }
            case 6:  // the selected row again: the next click of its cycle
                if (m.rigaSelezionata()) m.cmdQuintaM_Click(m.rigaSelezionata());
                break;
            case 7:
                if (s.byte() % 4 == 0) {
                    VerificaCelle(m);
                    m.cmdResetMicro_Click();
                    attese = equabili;
                }
                break;
            case 8: {
                if (s.byte() % 4) break;
                VerificaCelle(m);
                m.CmdApplicaMicro_Click(t, g, 11520.0);
                Verifica(vk::prova::SalvaERiapre(t));
                m.cmdLab_Click(t, lingua);
                break;
            }
            default: {
                if (s.byte() % 4) break;
                // Opened again from the temperament it left untouched.
                VerificaCelle(m);
                m.cmdAnnullaMicro_Click();
                m.cmdLab_Click(t, lingua);
                attese = SommeDi(m);
                break;
            }
        }
        Verifica(SommeDi(m) == attese);
    }
    VerificaCelle(m);
    return 0;
}
