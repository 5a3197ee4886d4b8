#pragma once
// The utility screen FraUtility and the main screen's "Utility" that opens
// it. The screen's controls are built at its first opening; they forward
// their clicks to the Utility model and are repainted from it.
#include <QPalette>
#include <array>
#include <map>
#include <string>

#include "common/widgets/Schermata.h"
#include "utility/Utility.h"

class QLabel;
class QPlainTextEdit;

namespace vk {

class FinestraPrincipale;
class CellaTesto;
class PulsanteVB;

class SchermataUtility : public Schermata {
    Q_OBJECT
public:
    explicit SchermataUtility(FinestraPrincipale& finestra);

    Utility& modello() { return utility_; }
    bool costruita() const { return costruita_; }
    PulsanteVB* cmdUtility() const { return cmdUtility_; }

    // The click of "Utility": builds the controls the first time, renders
    // the page and the note column, then shows the screen.
    void apriUtility();
    // Shows the model: the table, the key controls, the converter.
    void aggiornaDaModello();
    // `premuto` is the control whose click changed the table, if any.
    void aggiornaTabella(const QWidget* premuto = nullptr);
    void aggiornaConvertitore();

private:
    void costruisci();
    void creaRiquadri();
    void creaSpiegazioni();
    void creaComandi();
    void creaTabella();
    void creaConvertitore();
    void creaTastiera();
    void creaRisultati();
    const QPalette& paletteCella(ColoreVB c);

    FinestraPrincipale& f_;
    Utility utility_;
    bool costruita_ = false;
    PulsanteVB* cmdUtility_ = nullptr;

    std::array<std::array<CellaTesto*, 24>, ColonneIntervalli> celle_{};
    std::map<ColoreVB, QPalette> paletteCelle_;
    std::array<PulsanteVB*, 2> cmdTono_{};
    PulsanteVB* cmdAlterazioni_ = nullptr;
    QLabel* lblTono_ = nullptr;
    QLabel* lblAlterazioni_ = nullptr;
    PulsanteVB* cmdPagina_ = nullptr;
    PulsanteVB* cmdEsciUtility_ = nullptr;
    QPlainTextEdit* TxtSpiegazioni_ = nullptr;

    std::array<PulsanteVB*, 17> cmdNumero_{};  // 12 is not a control
    PulsanteVB* cmdRadice_ = nullptr;
    QLabel* istruzione_ = nullptr;  // lblScritteUtility(1)
    QLabel* fraz1_ = nullptr;
    QLabel* fraz2_ = nullptr;
    QLabel* decimali_ = nullptr;
    QLabel* cents_ = nullptr;
    QLabel* micro_ = nullptr;
    QLabel* barra_ = nullptr;
};

// Builds "Utility" on the main page and the hidden, still empty FraUtility
// over it; the window owns the result.
SchermataUtility& InstallaUtility(FinestraPrincipale& finestra);

}  // namespace vk
