#include "app/widgets/SezioneViste.h"

#include <QLabel>
#include <algorithm>
#include <QPainter>

#include "app/Viste.h"
#include "app/widgets/Disegni.h"
#include "app/widgets/FinestraPrincipale.h"
#include "app/widgets/SezioneVelocita.h"
#include "common/widgets/ColoriQt.h"
#include "common/widgets/PulsanteVB.h"

namespace vk {

void ImmagineTastiera::paintEvent(QPaintEvent*) {
    constexpr int Bianchi = 52;  // A0 .. C8
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing, false);
    const double w = width(), h = height();
    const double lb = w / Bianchi;
    p.fillRect(rect(), Qt::white);
    p.setPen(QColor(90, 90, 90));
    for (int i = 1; i < Bianchi; ++i) p.drawLine(QPointF(i * lb, 0), QPointF(i * lb, h));
    p.drawRect(QRectF(0, 0, w - 1, h - 1));
    // The first white key is A.
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(20, 20, 20));
    DisegnaTastiNeri(p, QRectF(0, 0, w, h), 5, Bianchi, h * 0.62);
    // A thin felt strip along the top edge.
    p.setBrush(QColor(128, 0, 0));
    p.drawRect(QRectF(0, 0, w, std::max(1.0, h * 0.06)));
}

namespace {

// Column c = 1..12 of the chart holds fifth and third 7, 8, .. 12, 1, .. 6.
int ColonnaDi(int k) { return k >= 7 ? k - 6 : k + 6; }

QLabel* Scritta(FinestraPrincipale& f, const char* nome, int i, float l, float t, float w, float h,
              const char* testo, Allineamento a, bool grassetto = false) {
    auto* e = f.etichetta(f.pagina(), nome, i, l, t, w, h, 8.25f, a, QString::fromUtf8(testo));
    QFont fo = e->font();
    fo.setBold(grassetto);
    e->setFont(fo);
    e->setAttribute(Qt::WA_TransparentForMouseEvents);
    e->raise();
    return e;
}

PulsanteVB* Pulsante(FinestraPrincipale& f, const char* nome, float l, float t, float w, float h, ColoreVB faccia,
                     const char* suggerimento) {
    auto* b = f.crea<PulsanteVB>(f.pagina(), nome, -1, TipoControllo::Pulsante, l, t, w, h, 8.25f);
    b->setGrafico(true);
    b->setColoreSfondo(faccia);
    b->setToolTip(QString::fromUtf8(suggerimento));
    return b;
}

}  // namespace

SezioneViste::SezioneViste(FinestraPrincipale& f) : QObject(&f), f_(f) {
    setObjectName(QStringLiteral("SezioneViste"));
    auto* info = Pulsante(f, "cmdInfoSemitoni", 6480, 240, 855, 375, 0xD1DDE7, "Info sui semitoni");
    info->setText(QStringLiteral("Info"));
    auto* tastiera = Pulsante(f, "cmdTastiera", 13920, 9000, 550, 495, 0xC0E0FF,
                              "Mostra la tastiera o i valori in Micro degli Intervalli");
    auto* isto =
        Pulsante(f, "cmdMostraIsto", 14595, 9000, 550, 495, 0xFFFFC0, "Mostra/nascondi Duplicato ultimo istogramma");
    auto esegui = [this](void (*azione)(StatoPrincipale&)) {
        return [this, azione] {
            azione(f_.stato());
            f_.aggiorna();
        };
    };
    connect(info, &PulsanteVB::clic, this, esegui(&cmdInfoSemitoni_Click));
    connect(tastiera, &PulsanteVB::clic, this, esegui(&cmdTastiera_Click));
    connect(isto, &PulsanteVB::clic, this, esegui(&cmdMostraIsto_Click));

    // The value band, under the circle-of-fifths row.
    for (int k = 1; k <= 12; ++k) {
        const float l = 600.0f + 1080.0f * static_cast<float>(ColonnaDi(k) - 1);
        Scritta(f, "lblTerze", k, l, 9000, 1095, 255, "", Allineamento::Centro);
        Scritta(f, "lblQuinta", k, l, 9360, 1095, 255, "", Allineamento::Centro);
    }
    // The picture covers both rows of values.
    auto* img = f.crea<ImmagineTastiera>(f.pagina(), "ImgTastiera", -1, TipoControllo::Immagine, 600, 9000, 13095,
                                         615);
    img->raise();

    // The information texts, back to front: the semitone chart's title, the
    // spread box, then the spread display's texts.
    Scritta(f, "lblVarie", 10, 9240, 240, 2535, 255, "Istogramma Semitoni", Allineamento::Centro, true);
    Scritta(f, "lblVarie", 11, 5693, 3840, 3975, 255, "Istogramma Quinte e Terze maggiori", Allineamento::Centro, true);
    auto* box = f.crea<FormaPiena>(f.pagina(), "ShpVari", 0, TipoControllo::Forma, 9240, 265, 2535, 345);
    box->setColore(Colori::Bianco);
    box->raise();
    Scritta(f, "lblVarie", 0, 9195, 325, 1455, 255, "Scarto semitonale:", Allineamento::Destra);
    QLabel* scarto = qobject_cast<QLabel*>(f.controllo("lblScartoSemitonale"));
    if (!scarto) {
        scarto = Scritta(f, "lblScartoSemitonale", -1, 10680, 325, 495, 225, "", Allineamento::Centro);
        scarto->setAutoFillBackground(true);
        QPalette p = scarto->palette();
        p.setColor(QPalette::Window, ColoreQt(Colori::VerdeChiaro));
        scarto->setPalette(p);
    }
    scarto->raise();
    Scritta(f, "lblVarie", 1, 11280, 325, 495, 255, "Cents", Allineamento::Sinistra);
    Scritta(f, "lblVarie", 7, 8520, 740, 3975, 255, "'Apotome' (semitono cromatico greco): 113.69 Cents",
          Allineamento::Centro);
    Scritta(f, "lblVarie", 8, 8520, 1320, 3975, 255, "Semitono equabile: 100 Cents", Allineamento::Centro);
    Scritta(f, "lblVarie", 9, 8520, 1740, 3975, 255, "'Limma' (Seconda minore greca): 90.22 Cents", Allineamento::Centro);

    f.aggiungiAggiornamento([this] { aggiorna(); });
    aggiorna();
}

void SezioneViste::aggiorna() {
    const StatoPrincipale& s = f_.stato();
    const VisibilitaViste& v = s.visibilita;
    auto testo = [this](const char* nome, const std::string& t) {
        if (auto* b = qobject_cast<QAbstractButton*>(f_.controllo(nome))) b->setText(QString::fromStdString(t));
    };
    testo("cmdTastiera", s.VistaValori);
    testo("cmdMostraIsto", s.DuplicatoIstogramma);
    auto mostra = [this](const char* nome, int i, bool si) {
        if (QWidget* w = f_.controllo(nome, i)) w->setVisible(si);
    };
    for (int k = 1; k <= 12; ++k) {
        const auto kk = static_cast<size_t>(k);
        if (auto* l = qobject_cast<QLabel*>(f_.controllo("lblTerze", k)))
            l->setText(QString::fromStdString(s.temperamento.Terze[kk]));
        if (auto* l = qobject_cast<QLabel*>(f_.controllo("lblQuinta", k)))
            l->setText(QString::fromStdString(s.temperamento.Quinte[kk]));
        mostra("lblTerze", k, v.valoriMicro);
        mostra("lblQuinta", k, v.valoriMicro);
    }
    mostra("ImgTastiera", -1, v.tastiera);
    mostra("lblVarie", 10, v.titoloSemitoni);
    mostra("lblVarie", 11, v.titoloQuinteTerze);
    mostra("ShpVari", 0, v.scarto);
    mostra("lblVarie", 0, v.scarto);
    mostra("lblScartoSemitonale", -1, v.scarto);
    mostra("lblVarie", 1, v.scarto);
    for (int i = 7; i <= 9; ++i) mostra("lblVarie", i, v.riferimenti);
    if (auto* l = qobject_cast<QLabel*>(f_.controllo("lblScartoSemitonale")))
        l->setText(QString::fromStdString(s.temperamento.ScartoSemitonale));
}

SezioneViste* InstallaSezioneViste(FinestraPrincipale& f) { return new SezioneViste(f); }

}  // namespace vk
