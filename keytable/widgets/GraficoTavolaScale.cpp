#include "keytable/widgets/GraficoTavolaScale.h"

#include <QPainter>
#include <QRegion>
#include <algorithm>

#include "common/widgets/ColoriQt.h"

namespace vk {

namespace {

constexpr size_t I(int i) { return static_cast<size_t>(i); }

// The key column's backgrounds, ShpScale(0), (2) and (3); the panel's (1)
// is the model's.
constexpr std::array<ColoreVB, 4> ColoriForme = {Colori::GialloPallido, Colori::GrigioAzzurro,
                                                 ColoriTavola::VerdePallido, Colori::GialloPallido};

QRectF Px(const VoceGeometria& v) {
    const double k = 1.0 / TwipsPerPixel;
    return QRectF(v.sinistra * k, v.alto * k, v.larghezza * k, v.altezza * k);
}

// A border of `larghezza` pixels inside the rectangle.
void Bordo(QPainter& p, const QRectF& r, const QColor& c, double larghezza) {
    if (r.width() <= 0 || r.height() <= 0) return;
    const double w = std::min(larghezza, r.width() / 2);
    const double h = std::min(larghezza, r.height() / 2);
    p.fillRect(QRectF(r.left(), r.top(), r.width(), h), c);
    p.fillRect(QRectF(r.left(), r.bottom() - h, r.width(), h), c);
    p.fillRect(QRectF(r.left(), r.top(), w, r.height()), c);
    p.fillRect(QRectF(r.right() - w, r.top(), w, r.height()), c);
}

}  // namespace

GraficoTavolaScale::GraficoTavolaScale(const TavolaScale& t, const RegistroGeometria& g, QWidget* schermata)
    : QWidget(schermata), t_(t), g_(g) {
    setObjectName(QStringLiteral("GraficoTavolaScale"));
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setFocusPolicy(Qt::NoFocus);
}

void GraficoTavolaScale::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing, false);
    const QColor nero = ColoreQt(Colori::Nero);
    for (int i : {0, 2, 3}) {
        if (const VoceGeometria* v = g_.trova("ShpScale", i)) {
            p.fillRect(Px(*v), ColoreQt(ColoriForme[I(i)]));
            Bordo(p, Px(*v), nero, 1);
        }
    }
    const VoceGeometria* pannello = g_.trova("ShpScale", 1);
    if (!pannello) return;
    const QRectF area = Px(*pannello);
    p.fillRect(area, ColoreQt(t_.colorePannello));
    Bordo(p, area, nero, 1);
    // Bars keep their full size in the model; here they stop at the panel.
    p.setClipRect(area);
    for (int n = 1; n <= IntervalliTavola; ++n) {
        const VoceGeometria* v = g_.trova("ShpIstoScala", n);
        const BarraScala& b = t_.ShpIstoScala[I(n)];
        if (!v || !t_.visibileIsto[I(n)] || b.Height <= 0) continue;
        const double k = 1.0 / TwipsPerPixel;
        p.fillRect(QRectF(v->sinistra * k, b.Top * k, v->larghezza * k, b.Height * k), ColoreQt(t_.coloreIsto[I(n)]));
    }
    for (int n = 1; n <= IntervalliTavola; ++n) {
        const VoceGeometria* v = g_.trova("ShpLivelliNaturali", n);
        if (!v || !t_.visibileIsto[I(n)]) continue;
        Bordo(p, Px(*v), ColoreQt(t_.bordoLivelli[I(n)]), t_.spessoreLivelli);
    }
}

GraficoTavolaScale::Disegno GraficoTavolaScale::Da(const TavolaScale& t) {
    return {t.colorePannello, t.ShpIstoScala, t.coloreIsto, t.bordoLivelli, t.visibileIsto, t.spessoreLivelli};
}

// Column n's outline and filled bar, in pixels.
QRectF GraficoTavolaScale::colonna(const Disegno& d, int n) const {
    QRectF r;
    if (const VoceGeometria* v = g_.trova("ShpLivelliNaturali", n)) r = Px(*v);
    if (const VoceGeometria* v = g_.trova("ShpIstoScala", n)) {
        const BarraScala& b = d.barre[I(n)];
        const double k = 1.0 / TwipsPerPixel;
        if (b.Height > 0) r |= QRectF(v->sinistra * k, b.Top * k, v->larghezza * k, b.Height * k);
    }
    return r;
}

void GraficoTavolaScale::aggiorna() {
    const VoceGeometria* pannello = g_.trova("ShpScale", 1);
    const Disegno ora = Da(t_);
    if (!pannello || !disegnato_ || disegnato_->pannello != ora.pannello) {
        update(pannello ? Px(*pannello).toAlignedRect() : rect());
        disegnato_ = ora;
        return;
    }
    const Disegno& prima = *disegnato_;
    const QRectF area = Px(*pannello);
    QRegion cambiata;
    for (int n = 1; n <= IntervalliTavola; ++n) {
        const size_t i = I(n);
        const bool uguale = prima.barre[i].Top == ora.barre[i].Top && prima.barre[i].Height == ora.barre[i].Height &&
                            prima.colori[i] == ora.colori[i] && prima.bordi[i] == ora.bordi[i] &&
                            prima.visibili[i] == ora.visibili[i] && prima.spessore == ora.spessore;
        if (uguale) continue;
        const QRectF r = (colonna(prima, n) | colonna(ora, n)) & area;
        if (!r.isEmpty()) cambiata += r.toAlignedRect();
    }
    if (!cambiata.isEmpty()) update(cambiata);
    disegnato_ = ora;
}

}  // namespace vk
