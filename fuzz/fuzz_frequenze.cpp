// The frequency table computed from any temperament the file reader
// accepts, through any sequence of its commands (holds of "<" and ">" at
// every step, "440", the decimals grid, "Def", closing and opening again):
// every cell and every fifth in units is empty or a number the program
// reads, and the reference is a number above zero.
#include <cstdint>

#include "SchermateFuzz.h"
#include "frequencies/TabellaFrequenze.h"

namespace {

using vk::fuzz::Verifica;

void VerificaTabella(const vk::TabellaFrequenze& tab) {
    for (size_t i = 1; i < tab.lblFreq.size(); ++i) Verifica(vk::fuzz::VuotoOLeggibile(tab.lblFreq[i]));
    for (size_t k = 1; k < tab.lblValoreQuinte2.size(); ++k)
        Verifica(vk::fuzz::VuotoOLeggibile(tab.lblValoreQuinte2[k]));
    const auto riferimento = vk::ValoreFisso::daTesto(tab.lblFreq[vk::CellaRiferimento]);
    Verifica(riferimento && riferimento->decimillesimi() > 0);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* dati, size_t n) {
    auto ingresso = vk::fuzz::LeggiIngresso(dati, n);
    if (!ingresso) return 0;
    vk::prova::Scelte& s = ingresso->azioni;
    vk::Temperamento t = vk::fuzz::TemperamentoDi(ingresso->voci);
    vk::TabellaFrequenze tab;
    tab.cmdMostraFrequenze_Click(t, vk::fuzz::Lingua(s));
    VerificaTabella(tab);
    // A few dozen actions reach every state; longer inputs only slow the run.
    for (int azioni = 0; azioni < 12 && !s.finite(); ++azioni) {
        switch (s.byte() % 6) {
            case 0:
            case 1: {  // "<" or ">" held for some ticks, or "440"
                const int i = s.tra(0, 2);
                tab.cmd440_MouseDown(i);
                for (int k = s.tra(0, 255); k > 0 && tab.TmrDiapason().attivo(); --k) tab.TmrDiapason().tick();
                tab.cmd440_MouseUp(i);
                break;
            }
            case 2: tab.cmdLA_Click(); break;
            case 3: tab.cmdDec_Click(s.tra(0, 4), s.tra(0, 10)); break;
            case 4: tab.cmdDefault_Click(); break;
            default:
                tab.cmdTorna_Click();
                tab.cmdMostraFrequenze_Click(t, vk::fuzz::Lingua(s));
                break;
        }
        VerificaTabella(tab);
    }
    return 0;
}
