#include "editing/ComandiEditing.h"

#include "editing/Preimpostazioni.h"
#include "editing/Trasposizione.h"

namespace vk {

ComandiEditing::ComandiEditing(Temperamento& t, Istogrammi& g, Altezza altezzaSchermo)
    : t_(t),
      g_(g),
      altezza_(std::move(altezzaSchermo)),
      meno_([this] { passo(Verso::Meno, t_.QuintaSelezionata); }, [this] { completa(); },
            IntervalloProgetto),
      piu_([this] { passo(Verso::Piu, t_.QuintaSelezionata); }, [this] { completa(); },
           IntervalloProgetto) {}

void ComandiEditing::passo(Verso v, int k) {
    // A step whose edit could not be completed would stay uncompensated.
    if (PassoPossibile(t_, k, v) && PassoQuinta(t_, k, v)) ++passi_;
}

void ComandiEditing::completa() {
    premuto_ = 0;
    lblIndexCopy_ = t_.QuintaSelezionata;
    if (CompletaQuinta(t_, g_, altezza())) ++completamenti_;
}

void ComandiEditing::premi(RipetizioneAutomatica& r, int k) {
    // Only one fifth button is held at a time; a second press (another
    // mouse button) on the same one changes nothing.
    if (premuto_ != 0 || k < 1 || k > 12) return;
    premuto_ = k;
    t_.QuintaSelezionata = k;
    r.premi();
}

void ComandiEditing::clic(RipetizioneAutomatica& r, int k, Verso v) {
    if (k < 1 || k > 12) return;
    if (r.attivo() && premuto_ == k) {
        // The mouse click of the press in progress: the completion follows at the release.
        passo(v, k);
        return;
    }
    // While another fifth button is held, a keyboard click would redirect
    // its ticks to this fifth: ignore it.
    if (premuto_ != 0) return;
    // A keyboard click: a press and release without ticks, so the change
    // is compensated at once and the state is what the mouse would leave.
    premi(r, k);
    passo(v, k);
    r.rilascia();
}

void ComandiEditing::cmdMeno_MouseDown(int k) { premi(meno_, k); }
void ComandiEditing::cmdMeno_Click(int k) { clic(meno_, k, Verso::Meno); }
void ComandiEditing::cmdMeno_MouseUp(int k) {
    if (meno_.attivo() && premuto_ == k) meno_.rilascia();
}
void ComandiEditing::TmrMeno_Timer() { meno_.tick(); }

void ComandiEditing::cmdPiù_MouseDown(int k) { premi(piu_, k); }
void ComandiEditing::cmdPiù_Click(int k) { clic(piu_, k, Verso::Piu); }
void ComandiEditing::cmdPiù_MouseUp(int k) {
    if (piu_.attivo() && premuto_ == k) piu_.rilascia();
}
void ComandiEditing::tmrPiù_Timer() { piu_.tick(); }

void ComandiEditing::cmdZero_Click(int k) {
    if (k < 1 || k > 12 || premuto_ != 0) return;
    const bool ripetuto = lblIndexCopy_ == k;
    const int sinistra = Precedente(k);
    // Check on a trial copy first: a text that is not a number changes nothing.
    Temperamento prova = t_;
    prova.Quinte[k] = ripetuto ? "995148" : t_.Quinte[sinistra];
    if (!CompletamentoPossibile(prova, k)) return;

    lblRepeat_ = ripetuto ? 2 : 1;
    lblIndexCopy_ = k;
    if (ripetuto) {
        t_.Quinte[k] = "995148";
        t_.Frazioni[k] = "0";
    } else {
        t_.Quinte[k] = t_.Quinte[sinistra];
        t_.Frazioni[k] = t_.Frazioni[sinistra];
    }
    t_.QuintaSelezionata = k;
    CompletaQuinta(t_, g_, altezza());
}

void ComandiEditing::cmdEquabile_Click() { ImpostaEquabile(t_, g_, altezza()); }
void ComandiEditing::cmdPitagorico_Click() { ImpostaPitagorico(t_, g_, altezza()); }

void ComandiEditing::cmdComma_Click() {
    fraComma_.BackColor = Colori::FacciaPulsante;
    fraComma_.Left = 0;
    fraComma_.Top = 0;
    fraComma_.Visible = true;
    fraComma_.fuoco = "cmdCambioComma_0";
}

void ComandiEditing::cmdCambioComma_Click(int indice) {
    if (indice == 0) {
        t_.impostaModo(t_.CommaCaption == CaptionPitagorico ? ModoComma::Sintonico : ModoComma::Pitagorico);
        ImpostaEquabile(t_, g_, altezza());
    }
    fraComma_.Visible = false;
    fraComma_.fuoco.clear();
}

void ComandiEditing::cmdShift_Click(int indice) {
    // A change pending on a held fifth would move away from the fifth that
    // the release compensates.
    if (premuto_ != 0) return;
    vk::cmdShift_Click(t_, g_, indice);
}

}  // namespace vk
