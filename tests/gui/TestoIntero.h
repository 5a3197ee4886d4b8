#pragma once
// Whether a picture of a control shows its text whole. The text, drawn
// unclipped over the control's picture without it, at its designed size or
// at a smaller one, must give back the picture exactly, with its ink inside
// the rectangle the control keeps for it. A text cut at its box, or drawn
// over the box's edge, is at no size such a picture.
//
// Glyphs here are drawn at whole pixel sizes, so the smaller sizes tried are
// those. A control may place a line up to a pixel or so off from where Qt's
// own layout puts it (a cell measures its text otherwise), and glyphs are
// drawn at quarters of a pixel: the text is also tried moved sideways, less
// than two pixels, by as much as its ink lies off.
#include <QFont>
#include <QFontInfo>
#include <QImage>
#include <QPainter>
#include <QRect>
#include <QString>
#include <QStringList>
#include <algorithm>
#include <bit>
#include <cmath>
#include <optional>
#include <utility>
#include <vector>

#include "common/widgets/PulsanteVB.h"

namespace vk::test {

struct Scritta {
    // Its lines joined by '\n' in each way the control may break them.
    QStringList forme;
    QRectF area;  // where it is laid out, in the picture's pixels
    int flags = 0;
    QFont carattere;  // as designed
    QColor penna;
    QRect lecito;     // its ink stays inside
    QRect confronto;  // compared whole; elsewhere only where the text has ink
};

struct TestoTrovato {
    QFont carattere;
    QString forma;
    int abbassato = 0;  // whole pixels below its designed place
};

namespace dettaglio {

// A text as tried: its font, lines and shift from the designed place.
struct Prova {
    const QFont& carattere;
    const QString& forma;
    QPointF spostato;
};

// The text drawn unclipped in black on a transparent canvas `m` pixels
// wider than the picture on every side.
inline QImage Maschera(const QSize& foto, const Scritta& s, const Prova& t, int m) {
    QImage tela(foto + QSize(2 * m, 2 * m), QImage::Format_ARGB32_Premultiplied);
    tela.fill(Qt::transparent);
    QPainter p(&tela);
    p.setFont(t.carattere);
    p.setPen(Qt::black);
    p.drawText(s.area.translated(t.spostato + QPointF(m, m)), s.flags | Qt::TextDontClip, t.forma);
    return tela;
}

// The pixels holding its ink, in the picture's coordinates.
inline QRect Inchiostro(const QImage& maschera, int m) {
    QRect r;
    for (int y = 0; y < maschera.height(); ++y) {
        const auto* riga = reinterpret_cast<const QRgb*>(maschera.constScanLine(y));
        for (int x = 0; x < maschera.width(); ++x)
            if (qAlpha(riga[x]) != 0) r |= QRect(x - m, y - m, 1, 1);
    }
    return r;
}

// The mean column of the ink, weighted by how dark it is.
inline double ColonnaMedia(const QImage& maschera, int m) {
    double somma = 0, peso = 0;
    for (int y = 0; y < maschera.height(); ++y) {
        const auto* riga = reinterpret_cast<const QRgb*>(maschera.constScanLine(y));
        for (int x = 0; x < maschera.width(); ++x) {
            somma += qAlpha(riga[x]) * (x - m);
            peso += qAlpha(riga[x]);
        }
    }
    return peso > 0 ? somma / peso : 0;
}

// The same for the pixels where the picture differs from the one without text.
inline double ColonnaMedia(const QImage& con, const QImage& senza) {
    double somma = 0, peso = 0;
    for (int y = 0; y < con.height(); ++y)
        for (int x = 0; x < con.width(); ++x) {
            const double d = std::abs(qGray(con.pixel(x, y)) - qGray(senza.pixel(x, y)));
            somma += d * x;
            peso += d;
        }
    return peso > 0 ? somma / peso : 0;
}

// The picture without the text with the text drawn on it, against the
// picture; both in ARGB32 premultiplied.
inline bool Uguale(const QImage& con, const QImage& senza, const Scritta& s, const Prova& t, const QRect& inchiostro) {
    QImage disegno = senza.copy();
    {
        QPainter p(&disegno);
        p.setFont(t.carattere);
        p.setPen(s.penna);
        p.drawText(s.area.translated(t.spostato), s.flags | Qt::TextDontClip, t.forma);
    }
    const QRect dove = (s.confronto | inchiostro) & con.rect();
    for (int y = dove.top(); y <= dove.bottom(); ++y) {
        const auto* rc = reinterpret_cast<const QRgb*>(con.constScanLine(y));
        const auto* rd = reinterpret_cast<const QRgb*>(disegno.constScanLine(y));
        const auto* rs = reinterpret_cast<const QRgb*>(senza.constScanLine(y));
        for (int x = dove.left(); x <= dove.right(); ++x) {
            // Outside the compared rectangle only the pixels the text changed.
            if (!s.confronto.contains(x, y) && rd[x] == rs[x]) continue;
            if (rc[x] != rd[x]) return false;
        }
    }
    return true;
}

}  // namespace dettaglio

// The text whole in `foto`, drawn over `senza` (the same picture without the
// text): at its designed font and place, or at a smaller font placed up to
// `spostamento` whole pixels lower or higher.
inline std::optional<TestoTrovato> TestoIntero(const QImage& foto, const QImage& senza, Scritta s,
                                               int spostamento = 0) {
    using namespace dettaglio;
    // Only the neighbourhood of the text is drawn and compared.
    const int m = 4 * std::max(1, QFontInfo(s.carattere).pixelSize());
    const QRect quadro = (s.confronto | s.area.toAlignedRect().adjusted(-m, -m, m, m)) & foto.rect();
    const QImage con = foto.copy(quadro).convertToFormat(QImage::Format_ARGB32_Premultiplied);
    const QImage sotto = senza.copy(quadro).convertToFormat(QImage::Format_ARGB32_Premultiplied);
    s.area.translate(-quadro.topLeft());
    s.lecito.translate(-quadro.topLeft());
    s.confronto.translate(-quadro.topLeft());
    const double colonna = ColonnaMedia(con, sotto);

    auto prova = [&](const Prova& t, const QImage& maschera) {
        const QRect inchiostro = Inchiostro(maschera, m);
        return s.lecito.contains(inchiostro) && Uguale(con, sotto, s, t, inchiostro);
    };
    std::vector<QFont> caratteri{s.carattere};
    for (int px = QFontInfo(s.carattere).pixelSize() - 1; px >= 4; --px) {
        QFont f = s.carattere;
        f.setPixelSize(px);
        caratteri.push_back(f);
    }
    for (size_t i = 0; i < caratteri.size(); ++i) {
        std::vector<int> spostamenti{0};
        if (i > 0)
            for (int d = 1; d <= spostamento; ++d) spostamenti.insert(spostamenti.end(), {d, -d});
        for (const QString& forma : s.forme)
            for (int dy : spostamenti) {
                Prova t{caratteri[i], forma, QPointF(0, dy)};
                const QImage maschera = Maschera(con.size(), s, t, m);
                if (prova(t, maschera)) return TestoTrovato{caratteri[i], forma, dy};
                const double dx = colonna - ColonnaMedia(maschera, m);
                if (std::abs(dx) >= 2) continue;
                for (int k = -3; k <= 3; ++k) {
                    t.spostato.setX(std::round(dx * 64) / 64 + k / 64.0);
                    if (prova(t, Maschera(con.size(), s, t, m))) return TestoTrovato{caratteri[i], forma, dy};
                }
            }
    }
    return std::nullopt;
}

// The row the first line of a text stands on, laid out in `area` at `f`.
inline int RigaDiBase(const QFont& f, const QRectF& area, int flags) {
    const int m = 4 * std::max(1, QFontInfo(f).pixelSize());
    const QPointF origine(std::floor(area.x()) - m, std::floor(area.y()) - m);
    QImage tela(area.toAlignedRect().size() + QSize(2 * m, 2 * m), QImage::Format_ARGB32_Premultiplied);
    tela.fill(Qt::transparent);
    {
        QPainter p(&tela);
        p.setFont(f);
        p.setPen(Qt::black);
        // A capital stands on the baseline and goes no lower.
        p.drawText(area.translated(-origine), (flags & Qt::AlignVertical_Mask) | Qt::AlignLeft | Qt::TextDontClip,
                   QStringLiteral("H"));
    }
    for (int y = tela.height() - 1; y >= 0; --y) {
        const auto* riga = reinterpret_cast<const QRgb*>(tela.constScanLine(y));
        for (int x = 0; x < tela.width(); ++x)
            if (qAlpha(riga[x]) != 0) return y + static_cast<int>(origine.y());
    }
    return 0;
}

// The ways a caption may be broken into lines: at each space (which goes)
// and after each hyphen, fewest lines first (a caption of more than ten
// words only whole: the program has none).
inline QStringList FormeDellaCaption(const QString& caption) {
    std::vector<qsizetype> punti;
    for (qsizetype i = 0; i < caption.size(); ++i)
        if (caption[i] == u' ' || (caption[i] == u'-' && i + 1 < caption.size())) punti.push_back(i);
    if (punti.size() > 10) return {caption};
    std::vector<std::pair<int, QString>> forme;
    for (unsigned scelta = 0; scelta < (1u << punti.size()); ++scelta) {
        QString forma;
        qsizetype da = 0;
        for (size_t k = 0; k < punti.size(); ++k) {
            if (!(scelta & (1u << k))) continue;
            const qsizetype i = punti[k];
            forma += caption.mid(da, caption[i] == u' ' ? i - da : i + 1 - da) + u'\n';
            da = i + 1;
        }
        forma += caption.mid(da);
        forme.emplace_back(std::popcount(scelta), forma);
    }
    std::stable_sort(forme.begin(), forme.end(), [](const auto& a, const auto& b) { return a.first < b.first; });
    QStringList fuori;
    for (const auto& f : forme) fuori << f.second;
    return fuori;
}

// The picture of a control, and the same without its text.
template <class W>
std::pair<QImage, QImage> FotoConESenzaTesto(W* w) {
    const QImage con = w->grab().toImage();
    const QString testo = w->text();
    w->setText({});
    const QImage senza = w->grab().toImage();
    w->setText(testo);
    return {con, senza};
}

// A button's caption whole on its face, raised or held down, in one of the
// ways of breaking it given: centred, one pixel lower and to the right while
// held, its ink inside the bevel.
inline std::optional<TestoTrovato> CaptionIntera(PulsanteVB* b, bool giu, const QStringList& forme) {
    b->setDown(giu);
    const auto [con, senza] = FotoConESenzaTesto(b);
    b->setDown(false);
    Scritta s;
    s.forme = forme;
    s.area = QRectF(b->rect()).translated(giu, giu);
    s.flags = Qt::AlignCenter | Qt::TextShowMnemonic;
    s.carattere = b->font();
    s.penna = b->palette().color(b->isEnabled() ? QPalette::Active : QPalette::Disabled, QPalette::ButtonText);
    s.lecito = b->rect().adjusted(2, 2, -2, -2);
    s.confronto = b->rect();
    return TestoIntero(con, senza, s);
}

}  // namespace vk::test
