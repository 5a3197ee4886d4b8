#pragma once
// The editing controls of the main screen: "<", ">" and "Copy/0" under each
// fifth, "EQ", "PIT", the transposition buttons, the comma button's click
// and the confirmation screen FraComma. Events go to ComandiEditing; after
// each the main window repaints from the state.
#include <QObject>
#include <array>
#include <memory>

#include "editing/ComandiEditing.h"

class QLabel;

namespace vk {

class FinestraPrincipale;
class PilotaRipetizione;
class PulsanteVB;
class Schermata;

class EditingPrincipale : public QObject {
    Q_OBJECT
public:
    explicit EditingPrincipale(FinestraPrincipale& finestra);
    ~EditingPrincipale() override;

    ComandiEditing& comandi() { return *comandi_; }

    // The Interval of tmrPiù and TmrMeno in ms (the speed control, the
    // settings): kept in the main state too; a timer that is running keeps
    // running at the new pace.
    void impostaIntervalloPiu(int ms);
    void impostaIntervalloMeno(int ms);
    int intervalloPiu() const;
    int intervalloMeno() const;

    PilotaRipetizione& pilotaPiu() { return *pilotaPiu_; }
    PilotaRipetizione& pilotaMeno() { return *pilotaMeno_; }
    // Ticks the two timers have delivered since the start.
    long tickRicevuti() const { return tick_; }

    Schermata* fraComma() const { return fraComma_; }
    PulsanteVB* piu(int k) const { return cmdPiu_[static_cast<size_t>(k)]; }
    PulsanteVB* meno(int k) const { return cmdMeno_[static_cast<size_t>(k)]; }
    PulsanteVB* zero(int k) const { return cmdZero_[static_cast<size_t>(k)]; }

    // The keyboard focus the main window starts with: ">" of fifth 12.
    void fuocoIniziale();

private:
    using Gestore = void (ComandiEditing::*)(int);
    // Press, click and release of a "<" or ">" button under fifth k.
    void collegaPasso(PulsanteVB* b, int k, PilotaRipetizione* pilota, Gestore giu, Gestore clic, Gestore su);
    void creaPulsantiQuinte();
    void creaComandi();
    void creaFraComma();
    void ordineTabulazione();
    void dopo();
    void riprendiIntervalli();

    FinestraPrincipale& f_;
    std::unique_ptr<ComandiEditing> comandi_;
    PilotaRipetizione* pilotaPiu_ = nullptr;
    PilotaRipetizione* pilotaMeno_ = nullptr;
    std::array<PulsanteVB*, 13> cmdPiu_{}, cmdMeno_{}, cmdZero_{};
    Schermata* fraComma_ = nullptr;
    std::array<PulsanteVB*, 2> cmdCambioComma_{};
    long tick_ = 0;
};

// Builds the editing controls on the main window's page; the window owns
// the result.
EditingPrincipale& InstallaEditing(FinestraPrincipale& finestra);

}  // namespace vk
