#include "app/Viste.h"

#include <cstdint>

#include "app/Impostazioni.h"
#include "app/StatoPrincipale.h"

namespace vk {

void cmdTastiera_Click(StatoPrincipale& s) {
    const bool mostraTastiera = s.VistaValori == CaptionTast;
    s.VistaValori = mostraTastiera ? CaptionVal : CaptionTast;
    s.visibilita.valoriMicro = !mostraTastiera;
    s.visibilita.tastiera = mostraTastiera;
}

void cmdMostraIsto_Click(StatoPrincipale& s) {
    const bool nascondi = s.visibilita.duplicato;
    s.visibilita.duplicato = !nascondi;
    s.DuplicatoIstogramma = nascondi ? CaptionIstY : CaptionIstN;
}

void cmdInfoSemitoni_Click(StatoPrincipale& s) {
    const int32_t n = s.PassoInfo.valore();
    if (n == 3) s.PassoInfo = InteroLetto(0);
    else if (n < INT32_MAX) s.PassoInfo = InteroLetto(n + 1);  // else the file could not keep it
    MostraInfoIstogrammi(s);
}

void MostraInfoIstogrammi(StatoPrincipale& s) {
    VisibilitaViste& v = s.visibilita;
    // A step written otherwise ("02") names none.
    if (!s.PassoInfo.proprio()) return;
    switch (s.PassoInfo.valore()) {
    case 0:
        v.riferimenti = false;
        v.scarto = false;
        v.titoloSemitoni = false;
        break;
    case 1:
        v.titoloSemitoni = true;
        v.titoloQuinteTerze = true;
        break;
    case 2:
        v.scarto = true;
        v.titoloQuinteTerze = false;
        break;
    case 3:
        v.riferimenti = true;
        break;
    default:
        break;
    }
}

}  // namespace vk
