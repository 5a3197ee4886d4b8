#pragma once
// The key-table screen FraTavolaSCale and the button "Sc" that opens it.
// The screen's controls are built when it first opens; they forward their
// events to TavolaScale and are repainted from it. The shapes (the key
// column's backgrounds, the histogram panel and its bars) are painted by
// GraficoTavolaScale beneath the controls.
#include <array>
#include <functional>

#include "common/widgets/Schermata.h"
#include "keytable/TavolaScale.h"

class QLabel;

namespace vk {

class FinestraPrincipale;
class PulsanteVB;

class GraficoTavolaScale;

class SchermataTavolaScale : public Schermata {
    Q_OBJECT
public:
    explicit SchermataTavolaScale(FinestraPrincipale& finestra);

    TavolaScale& modello() { return tavola_; }
    PulsanteVB* cmdTavolaScale() const { return cmdTavolaScale_; }
    bool costruita() const { return grafico_ != nullptr; }

    // cmdTavolaScale_Click: builds the controls the first time, computes and shows.
    void apriTavola();
    // Shows the model: texts, colours, visibility, the painted shapes.
    void aggiornaDaModello();

private:
    struct Caratteri;
    void costruisci();
    void creaForme();
    void creaColonnaTonalita(const Caratteri& c);
    void creaLegenda(const Caratteri& c);
    void creaIstogramma(const Caratteri& c);
    void creaCopertura(const Caratteri& c);
    void creaPiede(const Caratteri& c);
    void costruisciNascosti();
    // The click does the model's command, then the screen shows the model.
    void alClic(PulsanteVB* b, std::function<void()> azione);

    FinestraPrincipale& f_;
    TavolaScale tavola_;
    PulsanteVB* cmdTavolaScale_ = nullptr;
    GraficoTavolaScale* grafico_ = nullptr;
    QWidget* FraCopreIstogrammi_ = nullptr;
    std::array<QLabel*, CelleTavola> lblScala_{};
    std::array<QLabel*, 14> lblEufonico_{}, lblNumeroAlterazioni_{};
    std::array<PulsanteVB*, 14> cmdNotaScala_{};
    std::array<QLabel*, 21> lblLegenda_{};
    std::array<QLabel*, 12> lblNumLeg_{}, lblScartiInCents_{}, lblEtichettaNote_{};
    std::array<PulsanteVB*, 12> cmdSelezInterv_{};
    std::array<PulsanteVB*, 3> cmdLegenda_{};
    std::array<PulsanteVB*, 5> cmdPreset_{};
    PulsanteVB* cmdEnfasi_ = nullptr;
    PulsanteVB* cmdInvertiColori_ = nullptr;
    PulsanteVB* cmdSpessore_ = nullptr;
    PulsanteVB* cmdEsciSCale_ = nullptr;
    // Never shown: the selection state, the lookups and the cumulative sizes
    // (in FraScaleInterno), found by name like every control.
    QWidget* FraScaleInterno_ = nullptr;
    QLabel* lblClickScale_ = nullptr;
    QLabel* lblNotaSelezionata_ = nullptr;
    QLabel* lblPreset_ = nullptr;
    PulsanteVB* cmdOperazioniScale_ = nullptr;
    int calcoliScritti_ = -1;  // the model's computation the cumulative sizes show
};

// Builds "Sc" on the main page and the hidden screen over it; the window
// owns the result.
SchermataTavolaScale& InstallaTavolaScale(FinestraPrincipale& finestra);

}  // namespace vk
