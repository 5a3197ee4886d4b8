#pragma once
// Drawing pieces shared by the program's pictures.
#include <QBrush>
#include <QPen>
#include <QPointF>
#include <QRectF>
#include <QSize>

class QPainter;

namespace vk {

// Point i of twelve around a circle of radius r, 0 at the top, clockwise.
QPointF PuntoSulCerchio(QPointF centro, double i, double r);

// A row of `bianchi` white keys across `area`, the first being white note
// `primo` (0 = C .. 6 = B), each drawn as a rectangle with the painter's pen
// and brush as they stand.
void DisegnaTastiBianchi(QPainter& p, const QRectF& area, int bianchi);
// The black keys over such a row, 0,6 of a white key wide and `altezza`
// high, with the painter's pen and brush: one after each C, D, F, G and A
// but the last white key.
void DisegnaTastiNeri(QPainter& p, const QRectF& area, int primo, int bianchi, double altezza);

// The program's picture over `area` pixels: twelve rays round a ring, one per
// fifth, their lengths the sizes of a well temperament's fifths, in the
// chart's colours, with "VK" in the ring. Its window icon is the same picture.
void DisegnaProgramma(QPainter& p, QSize area);

}  // namespace vk
