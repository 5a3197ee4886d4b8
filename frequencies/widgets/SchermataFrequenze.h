#pragma once
// The frequency table FraTabellaFrequenze and the button "Hz" that opens
// it. The screen's widgets are built at its first opening; they forward
// their events to TabellaFrequenze and are repainted from it.
#include <QObject>
#include <array>

#include "app/widgets/Costruttore.h"
#include "common/widgets/Schermata.h"
#include "frequencies/TabellaFrequenze.h"

class QLabel;
class QPlainTextEdit;

namespace vk {

class FinestraPrincipale;
class PilotaRipetizione;
class PulsanteVB;

class SchermataFrequenze : public Schermata {
    Q_OBJECT
public:
    SchermataFrequenze(FinestraPrincipale& finestra, TabellaFrequenze& modello, PilotaRipetizione& diapason);

    // At each opening: the name box anew, then the rest.
    void apertura();
    // Every cell, caption and colour from the model.
    void aggiornaDaModello();
    // What a tick changes: the reference cell and the colour of "440".
    void aggiornaRiferimento();

private:
    void creaSfondo(Costruttore& k);
    void creaScritte(Costruttore& k);
    void creaCelle(Costruttore& k);
    void creaRiferimento(Costruttore& k);
    void creaComandi(Costruttore& k);

    FinestraPrincipale& f_;
    TabellaFrequenze& m_;
    PilotaRipetizione& diapason_;
    std::array<QLabel*, 122> lblFreq_{};
    std::array<QLabel*, 26> lblNomiNote_{};
    std::array<std::array<PulsanteVB*, 11>, 5> cmdDec_{};
    std::array<PulsanteVB*, 3> cmd440_{};
    PulsanteVB* cmdLA_ = nullptr;
    QPlainTextEdit* TxtNomeDelTemperamento_ = nullptr;
};

// The frequency table as installed: the model, which lasts for the run, the
// "Hz" button on the main page, the timer TmrDiapason, and the screen once
// it has been opened.
class TabellaFrequenzeInstallata : public QObject, public SchermataInstallata<TabellaFrequenze, SchermataFrequenze> {
    Q_OBJECT
public:
    explicit TabellaFrequenzeInstallata(FinestraPrincipale& finestra);

    PulsanteVB* cmdMostraFrequenze() const { return cmdMostraFrequenze_; }
    PilotaRipetizione& diapason() { return *diapason_; }

    // "Hz": builds the screen the first time, then opens it on the
    // temperament and the notation in force.
    void cmdMostraFrequenze_Click();

private:
    FinestraPrincipale& f_;
    PilotaRipetizione* diapason_;
    PulsanteVB* cmdMostraFrequenze_;
};

// Puts "Hz" on the main page; the window owns the result.
TabellaFrequenzeInstallata& InstallaTabellaFrequenze(FinestraPrincipale& finestra);

}  // namespace vk
