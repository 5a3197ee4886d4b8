#include "app/widgets/Disegni.h"

#include <QPainter>
#include <QtMath>
#include <cmath>

#include "common/widgets/ColoriQt.h"

namespace vk {

QPointF PuntoSulCerchio(QPointF centro, double i, double r) {
    const double a = qDegreesToRadians(-90.0 + 30.0 * i);
    return QPointF(centro.x() + r * std::cos(a), centro.y() + r * std::sin(a));
}

void DisegnaTastiBianchi(QPainter& p, const QRectF& area, int bianchi) {
    const double lb = area.width() / bianchi;
    for (int i = 0; i < bianchi; ++i) p.drawRect(QRectF(area.left() + i * lb, area.top(), lb, area.height()));
}

void DisegnaTastiNeri(QPainter& p, const QRectF& area, int primo, int bianchi, double altezza) {
    const double lb = area.width() / bianchi;
    for (int i = 0; i < bianchi - 1; ++i) {
        const int nota = (primo + i) % 7;  // 0 C, 1 D, 2 E, 3 F, 4 G, 5 A, 6 B
        if (nota == 2 || nota == 6) continue;
        p.drawRect(QRectF(area.left() + (i + 1) * lb - lb * 0.3, area.top(), lb * 0.6, altezza));
    }
}

void DisegnaProgramma(QPainter& p, QSize area) {
    const int w = area.width(), h = area.height();
    p.setRenderHint(QPainter::Antialiasing);
    QRadialGradient fondo(QPointF(w / 2.0, h / 2.0), w * 0.7);
    fondo.setColorAt(0, QColor(0x24, 0x3b, 0x5c));
    fondo.setColorAt(1, QColor(0x0c, 0x16, 0x2a));
    p.fillRect(QRect(0, 0, w, h), fondo);
    const QPointF c(w / 2.0, h / 2.0);
    // Sixths of a comma narrow from DO-SOL to MI-SI and at FA-DO, pure elsewhere.
    static const int sesti[12] = {1, 1, 1, 1, 1, 0, 0, 0, 0, 0, 0, 1};
    for (int i = 0; i < 12; ++i) {
        const bool stretta = sesti[i] != 0;
        p.setPen(QPen(stretta ? QColor(0xFF, 0xC8, 0x6E) : QColor(0x9E, 0xE6, 0xFF), 7, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(PuntoSulCerchio(c, i, 44), PuntoSulCerchio(c, i, stretta ? 78 : 96));
    }
    p.setPen(QPen(QColor(0xE3, 0xFE, 0xFF), 2));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(c, 38, 38);
    QFont f = CaratterePunti(QStringLiteral("Times New Roman"), 24, true);
    p.setFont(f);
    p.drawText(QRectF(c.x() - 38, c.y() - 38, 76, 76), Qt::AlignCenter, QStringLiteral("VK"));
}

}  // namespace vk
