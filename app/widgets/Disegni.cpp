#include "app/widgets/Disegni.h"

#include <QPainter>
#include <QtMath>
#include <cmath>

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

}  // namespace vk
