#pragma once
// The key-table screen FraTavolaSCale and the button "Sc" that opens it.
// The screen's controls are built when it first opens; they forward their
// events to TavolaScale and are repainted from it. The shapes (the key
// column's backgrounds, the histogram panel and its bars) are painted by
// GraficoTavolaScale beneath the controls.
#include <array>
#include <functional>

#include "app/widgets/Costruttore.h"
#include "common/widgets/Schermata.h"
#include "keytable/TavolaScale.h"

class QLabel;

namespace vk {

class CellaTesto;
class FinestraPrincipale;
class GraficoTavolaScale;
class PulsanteVB;

class SchermataTavolaScale : public Schermata {
    Q_OBJECT
public:
    SchermataTavolaScale(FinestraPrincipale& finestra, TavolaScale& modello);

    // Shows the model: texts, colours, visibility, the painted shapes.
    void aggiornaDaModello();

private:
    void creaForme();
    void creaColonnaTonalita(Costruttore& k);
    void creaLegenda(Costruttore& k);
    void creaIstogramma(Costruttore& k);
    void creaCopertura(Costruttore& k);
    void creaPiede(Costruttore& k);
    void creaNascosti(Costruttore& k);
    static CellaTesto* riga(Costruttore& k, const char* nome, int indice, const Posto& p, const CarattereProgetto& c,
                            Allineamento a);
    // The click does the model's command, then the screen shows the model.
    void alClic(PulsanteVB* b, std::function<void()> azione);

    FinestraPrincipale& f_;
    TavolaScale& tavola_;
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

// The key table as installed: the model, which lasts for the run, "Sc" on
// the main page, and the screen once it has been opened.
class TavolaScaleInstallata : public QObject, public SchermataInstallata<TavolaScale, SchermataTavolaScale> {
    Q_OBJECT
public:
    explicit TavolaScaleInstallata(FinestraPrincipale& finestra);

    PulsanteVB* cmdTavolaScale() const { return cmdTavolaScale_; }
    // "Sc": builds the screen the first time, computes and shows.
    void cmdTavolaScale_Click();

private:
    FinestraPrincipale& f_;
    PulsanteVB* cmdTavolaScale_ = nullptr;
};

// Puts "Sc" on the main page; the window owns the result.
TavolaScaleInstallata& InstallaTavolaScale(FinestraPrincipale& finestra);

}  // namespace vk
