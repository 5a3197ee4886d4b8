#pragma once
// The key-table screen FraTavolaSCale and the button "Sc" that opens it.
// The screen's controls are built when it first opens; they forward their
// events to TavolaScale and are repainted from it. The shapes (the key
// column's backgrounds, the histogram panel and its bars) are painted by one
// widget beneath the controls.
#include <QWidget>
#include <array>
#include <optional>

#include "common/widgets/Schermata.h"
#include "keytable/TavolaScale.h"

class QLabel;

namespace vk {

class FinestraPrincipale;
class PulsanteVB;

class GraficoTavolaScale : public QWidget {
    Q_OBJECT
public:
    GraficoTavolaScale(const TavolaScale& t, const RegistroGeometria& g, QWidget* schermata);

    // Marks for repaint what changed since the last call: the panel when its
    // colour did, else the columns whose bar or outline did. A whole repaint
    // would repaint every control over the panel and the key column too.
    void aggiorna();

protected:
    void paintEvent(QPaintEvent* e) override;

private:
    // What the panel showed at the last call of aggiorna().
    struct Disegno {
        ColoreVB pannello = 0;
        std::array<BarraScala, 12> barre{};
        std::array<ColoreVB, 12> colori{}, bordi{};
        std::array<bool, 12> visibili{};
        int spessore = 0;
    };
    static Disegno Da(const TavolaScale& t);
    QRectF colonna(const Disegno& d, int n) const;

    const TavolaScale& t_;
    const RegistroGeometria& g_;
    std::optional<Disegno> disegnato_;
};

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
    void costruisci();
    void costruisciNascosti();
    template <class W>
    W* crea(QWidget* genitore, const char* nome, int indice, float l, float t, float w, float h, float punti,
            const QFont& carattere);
    PulsanteVB* pulsante(QWidget* genitore, const char* nome, int indice, float l, float t, float w, float h,
                         float punti, const QFont& carattere, const char* caption);

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
