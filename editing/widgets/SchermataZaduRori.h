#pragma once
// The Zadu-Rori screen FraEasy and the button "Easy" that opens it. The
// controls forward their events to ZaduRori and are repainted from it.
#include <array>

#include "common/widgets/Schermata.h"
#include "editing/ZaduRori.h"

class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QWidget;

namespace vk {

class FinestraPrincipale;
class PulsanteVB;

class SchermataZaduRori : public Schermata {
    Q_OBJECT
public:
    explicit SchermataZaduRori(FinestraPrincipale& finestra);

    ZaduRori& modello() { return zadu_; }
    // Shows the model: texts, colours, the step's controls, open or closed.
    void aggiornaDaModello();

    PulsanteVB* cmdApriEasy() const { return cmdApriEasy_; }
    QLineEdit* casellaCents(int k) const { return TxtCentsEasy_[static_cast<size_t>(k)]; }
    QLineEdit* casellaQuinta(int k) const { return TxtQuinteArrotondateEasy_[static_cast<size_t>(k)]; }

private:
    void creaControlli();
    void dopo(ZaduRori::Esito esito);

    FinestraPrincipale& f_;
    ZaduRori zadu_;
    PulsanteVB* cmdApriEasy_ = nullptr;
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

// Builds "Easy" on the main page and the hidden screen FraEasy over it; the
// window owns the result.
SchermataZaduRori& InstallaZaduRori(FinestraPrincipale& finestra);

}  // namespace vk
