#pragma once
// The Zadu-Rori screen FraEasy and the button "Easy" that opens it. The
// controls forward their events to ZaduRori and are repainted from it.
#include <QObject>
#include <array>
#include <string>

#include "app/widgets/Costruttore.h"
#include "common/widgets/Schermata.h"
#include "editing/ZaduRori.h"

class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QWidget;

namespace vk {

class FinestraPrincipale;
class PulsanteVB;

// The screen itself, built at its first opening.
class SchermataZaduRori : public Schermata {
    Q_OBJECT
public:
    SchermataZaduRori(FinestraPrincipale& finestra, ZaduRori& modello);

    // Shows the model: texts, colours, the step's controls, open or closed.
    void aggiornaDaModello();

private:
    void creaRiga(Costruttore& k, int n);
    void creaIndicazioni(Costruttore& k);
    void creaCorrezione(Costruttore& k);
    void creaComandi(Costruttore& k);
    void dopo(ZaduRori::Esito esito);

    FinestraPrincipale& f_;
    ZaduRori& zadu_;
    std::array<QWidget*, 2> ShpRiquadroEasy_{};
    std::array<QLabel*, 10> lblTabellaEasy_{};
    std::array<QLabel*, 13> lblEtiQuinteEasy_{};
    std::array<PulsanteVB*, 13> cmdCopyEasy_{};
    std::array<QLineEdit*, 13> TxtCentsEasy_{};
    std::array<QLineEdit*, 13> TxtQuinteArrotondateEasy_{};
    QLabel* lblQuinteArrotondateTotale_ = nullptr;
    QLabel* lblCorrezione_ = nullptr;
    QLabel* lblTotaleMicroEasyArrotondata_ = nullptr;
    QPlainTextEdit* TxtIndicazioniOperativeEasy_ = nullptr;
    PulsanteVB* cmdCorreggi_ = nullptr;
    PulsanteVB* cmdEsciEasyMode_ = nullptr;
    PulsanteVB* cmdSommaEasy_ = nullptr;
    bool inAggiornamento_ = false;
};

// The Zadu-Rori as installed: the model, which lasts for the run, "Easy" on
// the main page, and the screen once it has been opened.
class ZaduRoriInstallato : public QObject, public SchermataInstallata<ZaduRori, SchermataZaduRori> {
    Q_OBJECT
public:
    explicit ZaduRoriInstallato(FinestraPrincipale& finestra);

    PulsanteVB* cmdApriEasy() const { return cmdApriEasy_; }
    // "Easy": opens the model, builds the screen the first time, shows it.
    void cmdApriEasy_Click();

private:
    FinestraPrincipale& f_;
    PulsanteVB* cmdApriEasy_ = nullptr;
};

// Builds "Easy" on the main page; the window owns the result.
ZaduRoriInstallato& InstallaZaduRori(FinestraPrincipale& finestra);

}  // namespace vk
