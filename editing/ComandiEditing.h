#pragma once
// The editing commands of the main screen as one model: the "<" and ">"
// buttons under the fifths with their hold-to-repeat timers, "Copy/0", the
// presets, the comma switch with its confirmation screen FraComma, and the
// transposition. The widgets forward their events here and repaint.
#include <functional>
#include <string>

#include "common/Colori.h"
#include "common/RipetizioneAutomatica.h"
#include "editing/PassiQuinte.h"
#include "model/Istogrammi.h"
#include "model/Temperamento.h"

namespace vk {

inline constexpr int IntervalloProgetto = 135;  // ms, both fifth timers
inline constexpr int NessunaQuinta = 13;        // lblIndexCopy: no fifth edited yet

inline constexpr const char* TestoAvvisoComma =
    "ATTENZIONE: se ora cambi tipo di Comma il temperamento in corso verr\xC3\xA0 'resettato' sui "
    "valori equabili, e quindi perderai i calcoli e le operazioni fin qui effettuate (a meno che tu "
    "non le abbia gi\xC3\xA0 salvate). Vuoi dunque confermare il cambio di Comma? ";

// The confirmation screen of the comma switch.
struct StatoFraComma {
    bool Visible = false;
    float Left = -14880, Top = 5400;
    ColoreVB BackColor = Colori::FacciaPulsante;
    // The control that should take the keyboard focus now ("" = none asked).
    std::string fuoco;
};

class ComandiEditing {
public:
    using Altezza = std::function<double()>;

    // `altezzaSchermo` gives the screen height in twips at every redraw.
    ComandiEditing(Temperamento& t, Istogrammi& g, Altezza altezzaSchermo);
    ComandiEditing(const ComandiEditing&) = delete;
    ComandiEditing& operator=(const ComandiEditing&) = delete;

    // "<" under fifth k.
    void cmdMeno_MouseDown(int k);
    void cmdMeno_Click(int k);
    void cmdMeno_MouseUp(int k);
    void TmrMeno_Timer();
    // ">" under fifth k.
    void cmdPiù_MouseDown(int k);
    void cmdPiù_Click(int k);
    void cmdPiù_MouseUp(int k);
    void tmrPiù_Timer();

    // The hold-to-repeat of each kind of button; its interval is the timer's
    // Interval, set by the speed control and the settings.
    RipetizioneAutomatica& TmrMeno() { return meno_; }
    RipetizioneAutomatica& tmrPiù() { return piu_; }
    void impostaIntervalloMeno(int ms) { meno_.impostaIntervallo(ms); }
    void impostaIntervalloPiù(int ms) { piu_.impostaIntervallo(ms); }

    // "Copy/0" under fifth k: a copy of fifth k-1, or the pure fifth when k
    // was the fifth edited last.
    void cmdZero_Click(int k);

    void cmdEquabile_Click();
    void cmdPitagorico_Click();

    // The comma button opens FraComma; 0 confirms the switch, any other
    // index cancels.
    void cmdComma_Click();
    void cmdCambioComma_Click(int indice);
    const StatoFraComma& FraComma() const { return fraComma_; }
    // The screen took the focus it asked for.
    void fuocoDato() { fraComma_.fuoco.clear(); }

    // 0: one place to the left, any other: one place to the right.
    void cmdShift_Click(int indice);

    // The last fifth edited by the fifth buttons or "Copy/0" (13 = none).
    int lblIndexCopy() const { return lblIndexCopy_; }
    // Kind of the last "Copy/0" press: 0 none yet, 1 copy, 2 pure.
    int lblRepeat() const { return lblRepeat_; }

    // What the fifth buttons did, for the screen and for checks.
    long passi() const { return passi_; }
    long completamenti() const { return completamenti_; }

    Temperamento& temperamento() { return t_; }
    Istogrammi& istogrammi() { return g_; }

private:
    void premi(RipetizioneAutomatica& r, int k);
    void clic(RipetizioneAutomatica& r, int k, Verso v);
    void passo(Verso v, int k);
    void completa();
    double altezza() const { return altezza_ ? altezza_() : 11520.0; }

    Temperamento& t_;
    Istogrammi& g_;
    Altezza altezza_;
    RipetizioneAutomatica meno_;
    RipetizioneAutomatica piu_;
    // Index of the button whose mouse press is in progress (0 = none).
    int premuto_ = 0;
    int lblIndexCopy_ = NessunaQuinta;
    int lblRepeat_ = 0;
    StatoFraComma fraComma_;
    long passi_ = 0;
    long completamenti_ = 0;
};

}  // namespace vk
