#include "common/widgets/Etichetta.h"

#include <QFontMetrics>
#include <QFontMetricsF>
#include <QImage>
#include <QPainter>
#include <QStyle>
#include <algorithm>

namespace vk {

void FormaEtichetta(QLabel* l, Allineamento a) {
    Qt::Alignment orizzontale = Qt::AlignLeft;
    if (a == Allineamento::Destra) orizzontale = Qt::AlignRight;
    if (a == Allineamento::Centro) orizzontale = Qt::AlignHCenter;
    l->setAlignment(orizzontale | Qt::AlignTop);
    l->setWordWrap(true);
}

namespace {

// Whether the glyphs drawn in `a` leave it neither above nor below: a line
// may be taller than its box while its letters are not.
bool InchiostroDentroInAltezza(const QFont& f, const QSize& a, int flags, const QString& testo) {
    const int fuori = QFontMetrics(f).height() * 2;
    QImage img(a.width(), a.height() + 2 * fuori, QImage::Format_ARGB32_Premultiplied);
    img.fill(Qt::transparent);
    {
        QPainter p(&img);
        p.setFont(f);
        p.setPen(Qt::black);
        p.drawText(QRect(QPoint(0, fuori), a), flags | Qt::TextDontClip, testo);
    }
    for (int y = 0; y < img.height(); ++y) {
        if (y == fuori) y += a.height();
        if (y >= img.height()) break;
        const auto* riga = reinterpret_cast<const QRgb*>(img.constScanLine(y));
        for (int x = 0; x < img.width(); ++x)
            if (qAlpha(riga[x]) != 0) return false;
    }
    return true;
}

// Where a top-aligned text drawn at `adattato`, smaller than `progetto`,
// starts below its box's top: its first line stands on the baseline the
// designed size had, so that it stays in line with the texts beside it.
qreal AbbassamentoAdattato(const QFont& progetto, const QFont& adattato, int flags) {
    if (adattato == progetto || (flags & Qt::AlignVertical_Mask) != Qt::AlignTop) return 0;
    return std::max(0.0, QFontMetricsF(progetto).ascent() - QFontMetricsF(adattato).ascent());
}

}  // namespace

bool TestoCape(const QFont& f, const QSizeF& area, int flags, const QString& testo) {
    // In the whole pixels the box holds.
    const QSize a(static_cast<int>(area.width()), static_cast<int>(area.height()));
    if (a.isEmpty()) return true;
    const QRect r = QFontMetrics(f).boundingRect(QRect(QPoint(0, 0), a), flags, testo);
    if (r.width() > a.width()) return false;
    return r.height() <= a.height() || InchiostroDentroInAltezza(f, a, flags, testo);
}

QFont CarattereCheCape(const QFont& f, const QSizeF& area, int flags, const QString& testo) {
    if (TestoCape(f, area, flags, testo)) return f;
    // Halved towards the size that fits; a size is taken only once it is
    // seen to fit, since glyph widths do not grow strictly with the size.
    const double pieno = f.pointSizeF() > 0 ? f.pointSizeF() : f.pixelSize() * 72.0 / 96.0;
    double sotto = 1.0, sopra = pieno;
    QFont prova = f;
    auto a = [&](double punti) {
        if (f.pointSizeF() > 0) prova.setPointSizeF(punti);
        else prova.setPixelSize(std::max(1, static_cast<int>(punti * 96.0 / 72.0)));
        return prova;
    };
    // A smaller size stands lower, on the designed size's baseline: it must
    // fit below that.
    auto cape = [&](const QFont& g) {
        const qreal altezza = area.height() - AbbassamentoAdattato(f, g, flags);
        return altezza >= 1 && TestoCape(g, QSizeF(area.width(), altezza), flags, testo);
    };
    QFont migliore = a(sotto);
    for (int i = 0; i < 12 && sopra - sotto > 0.05; ++i) {
        const double mezzo = (sotto + sopra) / 2;
        if (cape(a(mezzo))) {
            sotto = mezzo;
            migliore = prova;
        } else {
            sopra = mezzo;
        }
    }
    return migliore;
}

const TestoAdattato& TestoInArea::adatta(const QFont& f, const QSizeF& area, int flags, const QString& testo) {
    if (!valido_ || testo != testo_ || area != area_ || flags != flags_ || f != chiesto_) {
        testo_ = testo;
        area_ = area;
        flags_ = flags;
        chiesto_ = f;
        adattato_.carattere = CarattereCheCape(f, area, flags, testo);
        adattato_.abbassamento = AbbassamentoAdattato(f, adattato_.carattere, flags);
        valido_ = true;
    }
    return adattato_;
}

int EtichettaAdattata::flagsTesto() const {
    return static_cast<int>(QStyle::visualAlignment(layoutDirection(), alignment())) |
           (wordWrap() ? Qt::TextWordWrap : 0);
}

const TestoAdattato& EtichettaAdattata::adattato() const {
    return disposto_.adatta(font(), contentsRect().size(), flagsTesto(), text());
}

void EtichettaAdattata::paintEvent(QPaintEvent* e) {
    const TestoAdattato& a = adattato();
    if (a.carattere == font()) {
        QLabel::paintEvent(e);
        return;
    }
    // What QLabel draws for a plain text, at the font that fits, lowered so
    // that it stays in line with the labels beside it.
    QPainter p(this);
    drawFrame(&p);
    p.setFont(a.carattere);
    p.translate(0, a.abbassamento);
    style()->drawItemText(&p, contentsRect(), flagsTesto(), palette(), isEnabled(), text(), foregroundRole());
}

}  // namespace vk
