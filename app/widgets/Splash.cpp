#include "app/widgets/Splash.h"

#include <QGuiApplication>
#include <QLabel>
#include <QPainter>
#include <QScreen>
#include <QtMath>

#include "app/Adattamento.h"
#include "app/widgets/Disegni.h"
#include "common/widgets/ColoriQt.h"
#include "common/widgets/Etichetta.h"
#include "common/widgets/Immagine.h"
#include "common/widgets/Posiziona.h"
#include "common/widgets/PulsanteVB.h"

namespace vk {

namespace {


// The splash picture, made for the designed 1024 x 768: a night sky over a staff,
// with the circle of fifths and its star of fifths behind the title.
constexpr QSize DimensioneImgScreen(1024, 768);
void DisegnaImgScreen(QPainter& p) {
    const int w = DimensioneImgScreen.width(), h = DimensioneImgScreen.height();
    p.setRenderHint(QPainter::Antialiasing);
    QLinearGradient cielo(0, 0, 0, h);
    cielo.setColorAt(0.0, QColor(0x0b, 0x14, 0x2e));
    cielo.setColorAt(0.6, QColor(0x1b, 0x3a, 0x52));
    cielo.setColorAt(1.0, QColor(0x3a, 0x2c, 0x22));
    p.fillRect(QRect(0, 0, w, h), cielo);

    // Lines one screen pixel wide (cosmetic, at any scale) in opaque colours,
    // as they would look over the sky: wider, scaled or translucent strokes
    // take the raster engine's slow path, many times the cost, and this
    // picture is painted during start-up.
    auto linea = [](QColor colore) {
        QPen penna(colore, 1.0);
        penna.setCosmetic(true);
        return penna;
    };
    const QPointF c(w / 2.0, 330);
    auto punto = [&](int i, double r) { return PuntoSulCerchio(c, i, r); };
    const double raggio = 270;
    p.setPen(linea(QColor(0x56, 0x60, 0x5F)));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(c, raggio, raggio);
    p.drawEllipse(c, raggio * 0.82, raggio * 0.82);
    // The fifths as a twelve-pointed star: each step seven semitones on.
    p.setPen(linea(QColor(0x7A, 0x71, 0x58)));
    for (int i = 0; i < 12; ++i) p.drawLine(punto(i * 7 % 12, raggio), punto((i + 1) * 7 % 12, raggio));
    p.setPen(Qt::NoPen);
    for (int i = 0; i < 12; ++i) {
        p.setBrush(QColor(0xE3, 0xFE, 0xFF, i % 2 ? 140 : 220));
        p.drawEllipse(punto(i, raggio), 6, 6);
    }

    // A staff along the bottom, and one octave of keys under it.
    for (int r = 0; r < 5; ++r) p.fillRect(QRectF(0, 609.5 + r * 12.0, w, 1), QColor(0xFF, 0xFE, 0xE3, 60));
    const QRectF tasti(0, 700, w, 68);
    p.setPen(linea(QColor(0x20, 0x20, 0x20)));
    p.setBrush(QColor(0xC7, 0xC0, 0xB1));
    DisegnaTastiBianchi(p, tasti, 21);
    p.setBrush(QColor(0x10, 0x10, 0x10));
    DisegnaTastiNeri(p, tasti, 0, 21, 40);
    // A dark plate under the credits line (lblSplash(3), 832, 672, 185 x 73
    // pixels), which would be unreadable over the keys.
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0x1A, 0x22, 0x38));
    p.drawRoundedRect(QRectF(826, 668, 194, 81), 6, 6);
}

struct RigaSplash {
    float sinistra, alto, larghezza, altezza, punti;
    bool corsivo;
    const char* testo;
};
constexpr RigaSplash RigheSplash[4] = {
    {2033, 2880, 11295, 1335, 54, false, "VelmoraKOV"},
    {2693, 4440, 9975, 975, 26.25f, false, "Temperamenti dell'ottava"},
    {4793, 5400, 5775, 615, 18, true, "Versione 1.0"},
    {12480, 10080, 2775, 1095, 12, false, "Studio, modifica e creazione di temperamenti"},
};

}  // namespace

Splash::Splash(const FontiSplash& fonti, QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("dozAzazadUDO"));
    setWindowFlags(Qt::Window | Qt::FramelessWindowHint);
    setWindowTitle(QStringLiteral("VelmoraKOV"));

    geometria_.registra("dozAzazadUDO", -1, TipoControllo::Finestra, 0, 0, LarghezzaProgetto, AltezzaProgetto);
    geometria_.registra("ImgScreen", -1, TipoControllo::Immagine, 0, 0, LarghezzaProgetto, AltezzaProgetto);
    auto* img = new Immagine(this, DimensioneImgScreen, DisegnaImgScreen);
    img->setObjectName(QStringLiteral("ImgScreen"));
    QPalette tavolozza = palette();
    tavolozza.setColor(QPalette::WindowText, ColoreQt(Colori::GialloPallido));
    for (int i = 0; i < 4; ++i) {
        const RigaSplash& r = RigheSplash[i];
        geometria_.registra("lblSplash", i, TipoControllo::Etichetta, r.sinistra, r.alto, r.larghezza, r.altezza,
                            r.punti);
        auto* l = new QLabel(QString::fromUtf8(r.testo), this);
        l->setObjectName(NomeOggetto("lblSplash", i));
        l->setFont(CaratterePunti(QStringLiteral("Times New Roman"), r.punti, true, r.corsivo));
        FormaEtichetta(l, Allineamento::Centro);
        l->setPalette(tavolozza);
    }

    // 1. A new sequence at every start.
    generatore_.semina(fonti.seme ? fonti.seme() : SemeDaOrologio());
    // 2. Laid out for the screen before it is first seen.
    if (DaAdattare(SchermoTwips())) AdattaSplash(geometria_);
    PosizionaTutti(this, geometria_);
    resize(rettangoloSchermo().size());
    // 3. and 4. The delay, from the random number and the time of day.
    const float r = fonti.casuale ? fonti.casuale() : generatore_.prossimo();
    const OraDelGiorno t = fonti.orologio ? fonti.orologio() : OraCorrente();
    tmrVia_ = new TimerVB(this, 4000);
    tmrVia_->setIntervallo(RitardoSplash(r, t.minuto, t.ora));
    connect(tmrVia_, &TimerVB::scatto, this, &Splash::TmrVia_Timer);
    tmrVia_->setAbilitato(true);
}

QRect Splash::rettangoloSchermo() const {
    const VoceGeometria* v = geometria_.trova("dozAzazadUDO");
    const QSize dimensione(Pixel(v->larghezza), Pixel(v->altezza));
    QRect r(QPoint(0, 0), dimensione);
    if (QScreen* s = QGuiApplication::primaryScreen()) r.moveCenter(s->geometry().center());
    return r;
}

void Splash::TmrVia_Timer() {
    tmrVia_->setAbilitato(false);
    emit apriFinestraPrincipale();
}

}  // namespace vk
