#pragma once
// The hidden conversion panel FraConversione of the Vuvaz-Eza screen. The
// frame exists with the screen; its controls are built when it is first
// shown, and they forward their events to PannelloConversione.
#include <QObject>
#include <array>

#include "microlab/PannelloConversione.h"

class QFrame;
class QLabel;
class QLineEdit;

namespace vk {

class Costruttore;
class FinestraPrincipale;
class FraMicro;
class TabellaMicroLab;

class FraConversione : public QObject {
    Q_OBJECT
public:
    // The frame goes where `k`, the screen's builder, puts it.
    FraConversione(FinestraPrincipale& finestra, Costruttore& k, FraMicro& schermo, TabellaMicroLab& tabella);

    // Shows the model's texts and colours, once the controls exist.
    void aggiornaDaModello();

private:
    bool eventFilter(QObject* o, QEvent* e) override;
    void costruisci();

    FinestraPrincipale& f_;
    FraMicro& s_;
    TabellaMicroLab& tabella_;
    PannelloConversione& m_;
    QFrame* FraConversione_ = nullptr;
    std::array<std::array<QLineEdit*, 13>, 4> caselle_{};
    QLabel* lblTotaleMicro_ = nullptr;
    QLabel* lblTotaleMicroArrotondata_ = nullptr;
    bool inAggiornamento_ = false;
};

}  // namespace vk
