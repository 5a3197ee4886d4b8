#pragma once
// The Vuvaz-Eza screen FraMicro and the main screen's "Vuvaz-Eza" that opens
// it. The screen's controls are built at its first opening; they forward
// their events to TabellaMicroLab and are repainted from it.
#include <QObject>
#include <array>

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
    // The conversion panel builds its controls with the screen's own builders.
    friend class FraConversione;
    template <class W>
    W* crea(QWidget* genitore, const char* nome, int indice, float sinistra, float alto, float larghezza,
            float altezza, float carattere);
    // A number cell of the table: one line, painting its own back colour.
    QLabel* cella(QWidget* genitore, const char* nome, int indice, float sinistra, float alto, float larghezza,
                  float altezza);
    QLabel* etichetta(QWidget* genitore, const char* nome, int indice, float sinistra, float alto,
                      float larghezza, float altezza, const char* testo, ColoreVB sfondo, int allineamento);
    PulsanteVB* pulsante(const char* nome, int indice, float sinistra, float alto, float larghezza, float altezza,
                         const char* caption, ColoreVB sfondo);
    QWidget* fasciaDi(float alto) const;
    void creaTabella();
    void creaLegendaERiferimenti();
    void creaComandi();
    void dopo();

    FinestraPrincipale& f_;
    TabellaMicroLab& m_;
    std::array<QWidget*, 6> fasce_{};
    // The four cells of rows 0..48 and their shown colours.
    std::array<std::array<QLabel*, 4>, 49> celle_{};
    std::array<ColoreVB, 49> coloriCelle_{};
    std::array<PulsanteVB*, 49> cmdQuintaM_{};
    std::array<PulsanteVB*, 9> cmdScatto_{};
    std::array<std::array<QLabel*, 5>, 3> legenda_{};
    std::array<std::array<ColoreVB, 5>, 3> coloriLegenda_{};
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

// The main screen's button and the model; the screen comes at the first click.
class MicroLab : public QObject {
    Q_OBJECT
public:
    explicit MicroLab(FinestraPrincipale& finestra);

    TabellaMicroLab& modello() { return modello_; }
    PulsanteVB* cmdLab() const { return cmdLab_; }
    // The screen, nullptr until the first opening.
    FraMicro* schermo() const { return schermo_; }
    // cmdLab's click.
    void apri();

private:
    FinestraPrincipale& f_;
    TabellaMicroLab modello_;
    PulsanteVB* cmdLab_ = nullptr;
    FraMicro* schermo_ = nullptr;
};

// Builds "Vuvaz-Eza" on the main page; the window owns the result.
MicroLab& InstallaMicroLab(FinestraPrincipale& finestra);

}  // namespace vk
