#include "app/widgets/SezioneVelocita.h"

#include <QLabel>
#include <QPainter>

#include "app/Velocita.h"
#include "app/widgets/FinestraPrincipale.h"
#include "common/widgets/ColoriQt.h"
#include "common/widgets/PulsanteVB.h"

namespace vk {

FormaPiena::FormaPiena(QWidget* parent) : QWidget(parent) { setAttribute(Qt::WA_OpaquePaintEvent); }

void FormaPiena::setColore(ColoreVB c) {
    if (c == colore_) return;
    colore_ = c;
    update();
}

void FormaPiena::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.fillRect(rect(), ColoreQt(colore_, palette()));
    p.setPen(ColoreQt(bordo_, palette()));
    p.drawRect(rect().adjusted(0, 0, -1, -1));
}

namespace {
constexpr float SinistraColonna = 120;
constexpr float LarghezzaColonna = 375;
}  // namespace

SezioneVelocita::SezioneVelocita(FinestraPrincipale& f) : QObject(&f), f_(f) {
    setObjectName(QStringLiteral("SezioneVelocita"));
    QWidget* pg = f.pagina();
    StatoPrincipale& s = f.stato();

    for (int k = 1; k <= 10; ++k) {
        f.crea<FormaPiena>(pg, "ShpVelo", k, TipoControllo::Forma, SinistraColonna,
                           10080.0f - 120.0f * static_cast<float>(k - 1), LarghezzaColonna, 135);
    }
    // In front of the meter, so the number stands over its middle segments.
    auto* livello = f.etichetta(pg, "lblVelocità", -1, SinistraColonna, 9360, LarghezzaColonna, 495, 9.75f,
                                Allineamento::Centro);
    QFont g = livello->font();
    g.setBold(true);
    livello->setFont(g);
    livello->setAttribute(Qt::WA_TransparentForMouseEvents);

    const char* captions[2] = {"-", "+"};
    const float alti[2] = {10680, 10320};
    for (int i = 0; i <= 1; ++i) {
        auto* b = f.crea<PulsanteVB>(pg, "cmdVelocità", i, TipoControllo::Pulsante, SinistraColonna, alti[i],
                                     LarghezzaColonna, 255, 9.75f);
        b->setText(QString::fromLatin1(captions[i]));
        QFont fb = b->font();
        fb.setBold(true);
        b->setFont(fb);
        b->setGrafico(true);
        b->setColoreSfondo(Colori::Bianco);
        ripetizioni_[static_cast<size_t>(i)] = std::make_unique<RipetizioneAutomatica>(RipetizioneVelocita(s, i));
        auto* pilota = new PilotaRipetizione(*ripetizioni_[static_cast<size_t>(i)], this);
        pilota->setObjectName(QStringLiteral("PilotaVelo_%1").arg(i));
        pilota->timer().setObjectName(QStringLiteral("TmrVelo_%1").arg(i));
        pilota->collega(b);
        connect(pilota, &PilotaRipetizione::eseguito, &f, &FinestraPrincipale::aggiorna);
    }

    auto* vel = f.etichetta(pg, "lblVarie", 5, SinistraColonna, 11040, LarghezzaColonna, 255, 8.25f,
                            Allineamento::Centro, QStringLiteral("Vel"));
    QFont gv = vel->font();
    gv.setBold(true);
    vel->setFont(gv);

    f.aggiungiAggiornamento([this] { aggiorna(); });
    aggiorna();
}

SezioneVelocita::~SezioneVelocita() = default;

void SezioneVelocita::aggiorna() {
    const StatoPrincipale& s = f_.stato();
    for (int k = 1; k <= 10; ++k)
        if (auto* w = qobject_cast<FormaPiena*>(f_.controllo("ShpVelo", k)))
            w->setColore(s.SegmentiVelocita[static_cast<size_t>(k)]);
    if (auto* l = qobject_cast<QLabel*>(f_.controllo("lblVelocità")))
        l->setText(QString::fromStdString(s.LivelloVelocita));
}

SezioneVelocita* InstallaSezioneVelocita(FinestraPrincipale& f) { return new SezioneVelocita(f); }

}  // namespace vk
