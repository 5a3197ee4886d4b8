#include "editing/widgets/EditingPrincipale.h"

#include <QFrame>
#include <QLabel>

#include "app/widgets/FinestraPrincipale.h"
#include "common/widgets/PulsanteVB.h"
#include "common/widgets/Schermata.h"

namespace vk {

namespace {

// From left to right the columns run through fifths 7..12, then 1..6.
float SinistraColonna(int k) { return k <= 6 ? 7200.0f + 1080.0f * (k - 1) : 720.0f + 1080.0f * (k - 7); }

void Grassetto(QWidget* w) {
    QFont f = w->font();
    f.setBold(true);
    w->setFont(f);
}

PulsanteVB* Pulsante(PulsanteVB* p, const char* caption, ColoreVB sfondo) {
    p->setText(QString::fromUtf8(caption));
    p->setColoreSfondo(sfondo);
    p->setGrafico(true);
    Grassetto(p);
    return p;
}

}  // namespace

EditingPrincipale::EditingPrincipale(FinestraPrincipale& finestra)
    : QObject(&finestra), f_(finestra) {
    StatoPrincipale& s = f_.stato();
    comandi_ = std::make_unique<ComandiEditing>(s.temperamento, s.istogrammi,
                                                [&s] { return s.altezzaSchermo(); });
    pilotaPiu_ = new PilotaRipetizione(comandi_->tmrPiù(), this);
    pilotaMeno_ = new PilotaRipetizione(comandi_->TmrMeno(), this);
    pilotaPiu_->timer().setObjectName(QStringLiteral("tmrPiù"));
    pilotaMeno_->timer().setObjectName(QStringLiteral("TmrMeno"));
    for (PilotaRipetizione* p : {pilotaPiu_, pilotaMeno_}) {
        connect(&p->timer(), &TimerVB::scatto, this, [this] { ++tick_; });
        // After a press, a tick, a click or a release.
        connect(p, &PilotaRipetizione::eseguito, this, &EditingPrincipale::dopo);
    }
    riprendiIntervalli();
    creaPulsantiQuinte();
    creaComandi();
    creaFraComma();
    ordineTabulazione();
}

EditingPrincipale::~EditingPrincipale() = default;

void EditingPrincipale::riprendiIntervalli() {
    comandi_->impostaIntervalloPiù(f_.stato().IntervalloPiu);
    comandi_->impostaIntervalloMeno(f_.stato().IntervalloMeno);
}

void EditingPrincipale::impostaIntervalloPiu(int ms) {
    f_.stato().IntervalloPiu = ms;
    comandi_->impostaIntervalloPiù(ms);
    pilotaPiu_->sincronizza();
}

void EditingPrincipale::impostaIntervalloMeno(int ms) {
    f_.stato().IntervalloMeno = ms;
    comandi_->impostaIntervalloMeno(ms);
    pilotaMeno_->sincronizza();
}

int EditingPrincipale::intervalloPiu() const { return comandi_->tmrPiù().intervallo(); }
int EditingPrincipale::intervalloMeno() const { return comandi_->TmrMeno().intervallo(); }

void EditingPrincipale::dopo() {
    f_.aggiorna();
    const StatoFraComma& fc = comandi_->FraComma();
    if (fc.Visible != fraComma_->inVista()) {
        fraComma_->setColoreSfondo(fc.BackColor);
        if (fc.Visible) fraComma_->apri();
        else fraComma_->chiudi();
    }
    if (!fc.fuoco.empty() && fc.Visible) {
        if (auto* w = fraComma_->findChild<QWidget*>(QString::fromStdString(fc.fuoco))) w->setFocus(Qt::OtherFocusReason);
        comandi_->fuocoDato();
    }
}

void EditingPrincipale::collegaPasso(PulsanteVB* b, int k, PilotaRipetizione* pilota, Gestore giu, Gestore clic,
                                     Gestore su) {
    // The interval is read at every press.
    pilota->collega(b, {[this, k, giu] {
                            riprendiIntervalli();
                            (comandi_.get()->*giu)(k);
                        },
                        [this, k, clic] { (comandi_.get()->*clic)(k); },
                        [this, k, su] { (comandi_.get()->*su)(k); }});
}

void EditingPrincipale::creaPulsantiQuinte() {
    QWidget* pagina = f_.pagina();
    for (int k = 1; k <= 12; ++k) {
        const float x = SinistraColonna(k);
        auto* meno = Pulsante(f_.crea<PulsanteVB>(pagina, "cmdMeno", k, TipoControllo::Pulsante, x, 10440, 375, 375, 12),
                              "<", 0xD8E2F8);
        auto* piu = Pulsante(f_.crea<PulsanteVB>(pagina, "cmdPiù", k, TipoControllo::Pulsante, x + 480, 10440, 375, 375, 12),
                             ">", 0xFBEFDD);
        auto* zero = Pulsante(f_.crea<PulsanteVB>(pagina, "cmdZero", k, TipoControllo::Pulsante, x, 10920, 855, 375, 8.25f),
                              "Copy/0", Colori::Bianco);
        cmdMeno_[static_cast<size_t>(k)] = meno;
        cmdPiu_[static_cast<size_t>(k)] = piu;
        cmdZero_[static_cast<size_t>(k)] = zero;

        collegaPasso(piu, k, pilotaPiu_, &ComandiEditing::cmdPiù_MouseDown, &ComandiEditing::cmdPiù_Click,
                     &ComandiEditing::cmdPiù_MouseUp);
        collegaPasso(meno, k, pilotaMeno_, &ComandiEditing::cmdMeno_MouseDown, &ComandiEditing::cmdMeno_Click,
                     &ComandiEditing::cmdMeno_MouseUp);
        connect(zero, &PulsanteVB::clic, this, [this, k] {
            comandi_->cmdZero_Click(k);
            dopo();
        });
    }
}

void EditingPrincipale::creaComandi() {
    QWidget* pagina = f_.pagina();
    auto* eq = Pulsante(f_.crea<PulsanteVB>(pagina, "cmdEquabile", -1, TipoControllo::Pulsante, 13920, 9600, 550, 495, 8.25f),
                        "EQ", 0xC0FFFF);
    eq->setToolTip(QStringLiteral("'Reset' sui valori equabili"));
    connect(eq, &PulsanteVB::clic, this, [this] {
        comandi_->cmdEquabile_Click();
        dopo();
    });
    auto* pit = Pulsante(f_.crea<PulsanteVB>(pagina, "cmdPitagorico", -1, TipoControllo::Pulsante, 14595, 9600, 550, 495, 8.25f),
                         "PIT", 0xDFDFFF);
    pit->setToolTip(QStringLiteral("'Reset' sui valori pitagorici"));
    connect(pit, &PulsanteVB::clic, this, [this] {
        comandi_->cmdPitagorico_Click();
        dopo();
    });

    struct Spost { float x; const char* caption; const char* suggerimento; ColoreVB sfondo; };
    const Spost spost[2] = {{1000, "<", "Sposta a sinistra gli intervalli", 0xDFDFFF},
                            {1640, ">", "Sposta a destra gli intervalli", 0xFBEFDD}};
    for (int i = 0; i <= 1; ++i) {
        auto* b = Pulsante(f_.crea<PulsanteVB>(pagina, "cmdShift", i, TipoControllo::Pulsante, spost[i].x, 2760, 540, 540, 12),
                           spost[i].caption, spost[i].sfondo);
        b->setToolTip(QString::fromUtf8(spost[i].suggerimento));
        connect(b, &PulsanteVB::clic, this, [this, i] {
            comandi_->cmdShift_Click(i);
            dopo();
        });
    }

    if (PulsanteVB* comma = f_.pulsanteComma()) {
        connect(comma, &PulsanteVB::clic, this, [this] {
            comandi_->cmdComma_Click();
            dopo();
        });
    }
}

void EditingPrincipale::creaFraComma() {
    fraComma_ = new Schermata(f_.pagina(), &f_);
    f_.registra(fraComma_, "FraComma", -1, TipoControllo::Cornice, 0, 0, LarghezzaProgetto, AltezzaProgetto);
    fraComma_->setColoreSfondo(Colori::FacciaPulsante);

    // Created first, so it lies beneath the text and the answers.
    auto* cornice = f_.crea<QFrame>(fraComma_, "ShpVari", 14, TipoControllo::Forma, 293, 293, 14775, 10935);
    cornice->setFrameShape(QFrame::Box);
    cornice->setLineWidth(1);

    auto* avviso = f_.etichetta(fraComma_, "lblScritteVarie", 9, 3833, 4493, 7695, 1455, 9.75f, Allineamento::Centro,
                                QString::fromUtf8(TestoAvvisoComma));
    Grassetto(avviso);

    const char* risposte[2] = {"SI', CONFERMO", "NO, ANNULLO"};
    const ColoreVB sfondi[2] = {Colori::VerdeChiaro, Colori::RossoChiaro};
    const float sinistre[2] = {5753, 7913};
    for (int i = 0; i <= 1; ++i) {
        auto* b = Pulsante(f_.crea<PulsanteVB>(fraComma_, "cmdCambioComma", i, TipoControllo::Pulsante, sinistre[i], 6413,
                                               1695, 615, 8.25f),
                           risposte[i], sfondi[i]);
        cmdCambioComma_[static_cast<size_t>(i)] = b;
        connect(b, &PulsanteVB::clic, this, [this, i] {
            comandi_->cmdCambioComma_Click(i);
            dopo();
        });
    }
    QWidget::setTabOrder(cmdCambioComma_[0], cmdCambioComma_[1]);
}

void EditingPrincipale::ordineTabulazione() {
    // ">" of fifths 12..1, then "Copy/0" 12..1, then "<" 12..1.
    QWidget* prima = nullptr;
    for (const auto* fila : {&cmdPiu_, &cmdZero_, &cmdMeno_}) {
        for (int k = 12; k >= 1; --k) {
            QWidget* w = (*fila)[static_cast<size_t>(k)];
            if (prima) QWidget::setTabOrder(prima, w);
            prima = w;
        }
    }
}

void EditingPrincipale::fuocoIniziale() { cmdPiu_[12]->setFocus(Qt::OtherFocusReason); }

EditingPrincipale& InstallaEditing(FinestraPrincipale& finestra) {
    auto* e = new EditingPrincipale(finestra);
    e->fuocoIniziale();
    return *e;
}

}  // namespace vk
