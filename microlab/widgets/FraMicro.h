#pragma once
// The Vuvaz-Eza screen FraMicro and the main screen's "Vuvaz-Eza" that opens
// it. The screen's controls are built at its first opening; they forward
// their events to TabellaMicroLab and are repainted from it.
#include <QObject>
#include <array>

#include "app/widgets/Costruttore.h"
#include "common/widgets/Schermata.h"
#include "microlab/TabellaMicroLab.h"

class QLabel;

namespace vk {

class FinestraPrincipale;
class FraConversione;
class PilotaRipetizione;
class PulsanteVB;

class FraMicro : public Schermata {
    Q_OBJECT
public:
    static constexpr float Carattere = 8.25f;  // every control's font size

    FraMicro(FinestraPrincipale& finestra, TabellaMicroLab& modello);

    // Shows the model: texts, colours, captions, open or closed.
    void aggiornaDaModello();

    PilotaRipetizione& pilotaAumenta() { return *pilotaAumenta_; }
    PilotaRipetizione& pilotaDiminuisci() { return *pilotaDiminuisci_; }

private:
    void creaTabella(Costruttore& k);
    void creaDiciture(Costruttore& k);
    void creaLegenda(Costruttore& k);
    void creaRiferimenti(Costruttore& k);
    void creaComandi(Costruttore& k);
    void creaFrecce(Costruttore& k);
    void creaNascoste(Costruttore& k);

    FinestraPrincipale& f_;
    TabellaMicroLab& m_;
    // The four cells of rows 0..48.
    std::array<std::array<QLabel*, 4>, 49> celle_{};
    std::array<PulsanteVB*, 49> cmdQuintaM_{};
    std::array<PulsanteVB*, 9> cmdScatto_{};
    std::array<std::array<QLabel*, 5>, 3> legenda_{};
    // Hidden state labels.
    QLabel* lblIndexM_ = nullptr;
    QLabel* lblClickN_ = nullptr;
    QLabel* lblMemValore_ = nullptr;
    QLabel* lblRitornoQuintaIniziale_ = nullptr;
    QLabel* lblIndexScattoM_ = nullptr;
    std::array<QLabel*, 8> lblSeqInt_{};
    PilotaRipetizione* pilotaAumenta_ = nullptr;
    PilotaRipetizione* pilotaDiminuisci_ = nullptr;
    FraConversione* conversione_ = nullptr;
};

// The Vuvaz-Eza as installed: the model, which lasts for the run, the main
// screen's button, and the screen once it has been opened.
class MicroLab : public QObject, public SchermataInstallata<TabellaMicroLab, FraMicro> {
    Q_OBJECT
public:
    explicit MicroLab(FinestraPrincipale& finestra);

    PulsanteVB* cmdLab() const { return cmdLab_; }
    // cmdLab's click.
    void apri();

private:
    FinestraPrincipale& f_;
    PulsanteVB* cmdLab_ = nullptr;
};

// Builds "Vuvaz-Eza" on the main page; the window owns the result.
MicroLab& InstallaMicroLab(FinestraPrincipale& finestra);

}  // namespace vk
