#include "app/Viste.h"

#include "app/Impostazioni.h"
#include "app/StatoPrincipale.h"
#include "common/ValoreFisso.h"

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
    if (auto n = Numero(s.PassoInfo)) {
        const ValoreFisso uno = ValoreFisso::intero(1);
        if (*n == ValoreFisso::intero(3)) s.PassoInfo = "0";
        else if (InteroImpostazioni(*n + uno)) s.PassoInfo = Testo(*n + uno);  // else the file could not keep it
    }
    MostraInfoIstogrammi(s);
}

void MostraInfoIstogrammi(StatoPrincipale& s) {
    VisibilitaViste& v = s.visibilita;
    const std::string& p = s.PassoInfo;
    if (p == "0") {
        v.riferimenti = false;
        v.scarto = false;
        v.titoloSemitoni = false;
    } else if (p == "1") {
        v.titoloSemitoni = true;
        v.titoloQuinteTerze = true;
    } else if (p == "2") {
        v.scarto = true;
        v.titoloQuinteTerze = false;
    } else if (p == "3") {
        v.riferimenti = true;
    }
}

}  // namespace vk
