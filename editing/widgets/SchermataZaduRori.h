#pragma once
// The Zadu-Rori screen FraEasy and the button "Easy" that opens it. The
// controls forward their events to ZaduRori and are repainted from it.
#include <QObject>
#include <array>
#include <string>

#include "common/Geometria.h"
#include "common/widgets/Etichetta.h"
#include "common/widgets/Schermata.h"
#include "editing/ZaduRori.h"

class QFont;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QWidget;

namespace vk {

class FinestraPrincipale;
class PulsanteVB;

// The screen itself, built at its first opening; the model outlives it in
// ZaduRoriInstallato.
class SchermataZaduRori : public Schermata {
    Q_OBJECT
public:
    SchermataZaduRori(FinestraPrincipale& finestra, ZaduRori& modello);

    // Shows the model: texts, colours, the step's controls, open or closed.
    void aggiornaDaModello();

private:
    void creaControlli();
    void creaRiga(int k);
    void creaIndicazioni();
    void creaCorrezione();
    void creaComandi();
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

// "Easy" on the main page and the model of the screen it opens; the screen's
// widgets are built when it first opens, so they cost nothing at start-up.
class ZaduRoriInstallato : public QObject {
    Q_OBJECT
public:
    explicit ZaduRoriInstallato(FinestraPrincipale& finestra);

    ZaduRori& modello() { return zadu_; }
    // nullptr until the first opening.
    SchermataZaduRori* schermata() const { return schermata_; }

private:
    void cmdApriEasy_Click();

    FinestraPrincipale& f_;
    ZaduRori zadu_;
    PulsanteVB* cmdApriEasy_ = nullptr;
    SchermataZaduRori* schermata_ = nullptr;
};

// Builds "Easy" on the main page; the window owns the result.
ZaduRoriInstallato& InstallaZaduRori(FinestraPrincipale& finestra);

}  // namespace vk
