#include "utility/widgets/CellaTesto.h"

#include <QHash>
#include <QPainter>
#include <QStyle>
#include <algorithm>
#include <cmath>

namespace vk {

namespace {

// The laid-out texts of one font by text, shared by every cell in that
// font: the table's texts are few and fixed.
QHash<QString, QStaticText>& DispostiNel(const QFont& f) {
    static QHash<QString, QHash<QString, QStaticText>> perFont;
    return perFont[f.key()];
}

QStaticText Disposto(QHash<QString, QStaticText>& cache, const QFont& f, const QString& testo) {
    auto it = cache.constFind(testo);
    if (it != cache.constEnd()) return *it;
    QStaticText s(testo);
    s.setTextFormat(Qt::PlainText);
    s.prepare(QTransform(), f);
    return *cache.insert(testo, s);
}

}  // namespace

void CellaTesto::setOpaca(bool o) {
    opaca_ = o;
    // Not opaque to the repaint: two hundred opaque children make the
    // screen's repaint regions costly to cut, far more than painting the
    // back colour under them.
    setAutoFillBackground(false);
    update();
}

void CellaTesto::paintEvent(QPaintEvent*) {
    // The painter starts with the label's font and text colour.
    QPainter p(this);
    if (!opaca_) return disegna(p);
    // An opaque cell keeps its last few looks as images: paging back and
    // forth then copies them rather than drawing the glyphs again.
    const QRgb sfondo = palette().color(QPalette::Window).rgba();
    const QRgb inchiostro = palette().color(foregroundRole()).rgba();
    const qreal dpr = devicePixelRatioF();
    const QSize lato = size() * dpr;
    aggiornaDisposto();
    for (const Aspetto& v : aspetti_)
        if (v.immagine.size() == lato + QSize(v.margine, 0) * dpr && v.sfondo == sfondo && v.inchiostro == inchiostro &&
            v.allineamento == alignment() && v.testo == text() && v.immagine.devicePixelRatio() == dpr)
            return disegnaAspetto(p, v);
    // A text wider than the cell starts left of the image; the image then
    // grows by that much on the left, so that its glyphs round to the same
    // pixels as on the screen, where the cell's left edge is never the first
    // column.
    const int margine = text().isEmpty() ? 0 : std::max(0, static_cast<int>(std::ceil(disposto_.size().width())) - width());
    Aspetto& v = aspetti_[prossimo_];
    prossimo_ = (prossimo_ + 1) % aspetti_.size();
    v = {text(), sfondo, inchiostro, alignment(), margine, QImage(lato + QSize(margine, 0) * dpr, QImage::Format_RGB32)};
    v.immagine.setDevicePixelRatio(dpr);
    {
        QPainter q(&v.immagine);
        q.translate(margine, 0);
        q.setFont(font());
        q.setPen(palette().color(foregroundRole()));
        disegna(q);
    }
    disegnaAspetto(p, v);
}

void CellaTesto::disegnaAspetto(QPainter& p, const Aspetto& v) const {
    const qreal dpr = v.immagine.devicePixelRatio();
    p.drawImage(QPointF(0, 0), v.immagine, QRectF(v.margine * dpr, 0, width() * dpr, height() * dpr));
}

void CellaTesto::aggiornaDisposto() {
    // Looked up again only when the text or the font changed.
    if (!disposti_ || fontDisposto_ != font()) {
        fontDisposto_ = font();
        disposti_ = &DispostiNel(fontDisposto_);
        testoDisposto_.clear();
        aspetti_ = {};
    }
    if (testoDisposto_ != text()) {
        testoDisposto_ = text();
        disposto_ = Disposto(*disposti_, fontDisposto_, testoDisposto_);
    }
}

void CellaTesto::disegna(QPainter& p) {
    if (opaca_) p.fillRect(rect(), palette().color(QPalette::Window));
    if (text().isEmpty()) return;
    aggiornaDisposto();
    const qreal larghezza = disposto_.size().width();
    qreal x = 0;
    const Qt::Alignment a = QStyle::visualAlignment(layoutDirection(), alignment());
    if (a & Qt::AlignRight) x = width() - larghezza;
    else if (a & Qt::AlignHCenter) x = (width() - larghezza) / 2;
    p.drawStaticText(QPointF(x, 0), disposto_);
}

}  // namespace vk
