#pragma once
// The utility screen FraUtility and the main screen's "Utility" that opens
// it. The screen's widgets are built at its first opening; they forward
// their clicks to the Utility model and are repainted from it.
#include <array>

#include "app/widgets/Costruttore.h"
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
    SchermataUtility(FinestraPrincipale& finestra, Utility& modello);

    // Shows the model: the table, the key controls, the converter.
    void aggiornaDaModello();
    // `premuto` is the control whose click changed the table, if any.
    void aggiornaTabella(const QWidget* premuto = nullptr);
    void aggiornaConvertitore();

private:
    void creaRiquadri(Costruttore& k);
    void creaComandi(Costruttore& k);
    void creaTabella(Costruttore& k);
    void creaConvertitore(Costruttore& k);
    void creaTastiera(Costruttore& k);
    void creaRisultati(Costruttore& k);

    FinestraPrincipale& f_;
    Utility& utility_;

    std::array<std::array<CellaTesto*, 24>, ColonneIntervalli> celle_{};
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

// The utility screen as installed: the model, which lasts for the run,
// "Utility" on the main page, and the screen once it has been opened.
class UtilityInstallata : public QObject, public SchermataInstallata<Utility, SchermataUtility> {
    Q_OBJECT
public:
    explicit UtilityInstallata(FinestraPrincipale& finestra);

    PulsanteVB* cmdUtility() const { return cmdUtility_; }
    // "Utility": builds the screen the first time, renders the page and the
    // note column, then shows the screen.
    void cmdUtility_Click();

private:
    FinestraPrincipale& f_;
    PulsanteVB* cmdUtility_ = nullptr;
};

// Puts "Utility" on the main page; the window owns the result.
UtilityInstallata& InstallaUtility(FinestraPrincipale& finestra);

}  // namespace vk
