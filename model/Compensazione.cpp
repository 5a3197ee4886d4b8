#include "model/Compensazione.h"

#include "model/TabellaFrazioni.h"

namespace vk {

void CompensaQuinta(Temperamento& t) {
    const int k = t.QuintaSelezionata;
    if (k < 1 || k > 12) return;
    const int j = Successivo(k);
    auto c = Numero(t.CopiaQuinte[k]);
    auto q = Numero(t.Quinte[k]);
    auto qj = Numero(t.Quinte[j]);
    if (!c || !q || !qj) return;
    t.CopiaQuinte[k] = t.Quinte[k];
    const ValoreFisso w = *q - *c;
    t.Quinte[j] = Testo(*qj - w);
    t.CopiaQuinte[j] = t.Quinte[j];
    t.QuintaSelezionata = j;
    NominaPerCaption(t);
    t.QuintaSelezionata = k;
}

}  // namespace vk
