#include "common/widgets/CellaTesto.h"

#include <QHash>
#include <QPainter>
#include <QStyle>
#include <map>

namespace vk {

namespace {

// The laid-out texts of one font by text, shared by every cell in that
// font: most tables show few texts, again and again. A cell keeps a pointer
// to its font's entry, so the entries must not move when a font is added:
// a std::map's do not, a QHash's may.
QHash<QString, QStaticText>& DispostiNel(const QFont& f) {
    static std::map<QString, QHash<QString, QStaticText>> perFont;
    return perFont[f.key()];
}

QStaticText Disposto(QHash<QString, QStaticText>& cache, const QFont& f, const QString& testo) {
    auto it = cache.constFind(testo);
    if (it != cache.constEnd()) return *it;
    // Tables whose numbers change (frequencies) would grow it without end.
    if (cache.size() >= 4096) cache.clear();
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

const TestoAdattato& CellaTesto::adattato() const {
    return adattato_.adatta(font(), size(), static_cast<int>(alignment()), text());
}

void CellaTesto::paintEvent(QPaintEvent*) {
    // The painter starts with the label's font and text colour.
    QPainter p(this);
    if (opaca_) p.fillRect(rect(), palette().color(QPalette::Window));
    if (text().isEmpty()) return;
    // Looked up again only when the text or the font changed: a page change
    // repaints the cells whose text did.
    const TestoAdattato& adattato = this->adattato();
    if (!disposti_ || fontDisposto_ != adattato.carattere) {
        fontDisposto_ = adattato.carattere;
        disposti_ = &DispostiNel(fontDisposto_);
        testoDisposto_.clear();
    }
    // The static text is drawn at the painter's font.
    if (fontDisposto_ != font()) p.setFont(fontDisposto_);
    if (testoDisposto_ != text()) {
        testoDisposto_ = text();
        disposto_ = Disposto(*disposti_, fontDisposto_, testoDisposto_);
    }
    const qreal larghezza = disposto_.size().width();
    qreal x = 0;
    const Qt::Alignment a = QStyle::visualAlignment(layoutDirection(), alignment());
    if (a & Qt::AlignRight) x = width() - larghezza;
    else if (a & Qt::AlignHCenter) x = (width() - larghezza) / 2;
    p.drawStaticText(QPointF(x, adattato.abbassamento), disposto_);
}

}  // namespace vk
