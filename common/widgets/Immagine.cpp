#include "common/widgets/Immagine.h"

#include <QPaintEvent>
#include <QPainter>

namespace vk {

Immagine::Immagine(QWidget* parent, QSize dimensione, Disegno disegno)
    : QWidget(parent), dimensione_(dimensione), disegno_(std::move(disegno)) {
    // Every pixel is the picture's: nothing behind it needs painting first.
    setAttribute(Qt::WA_OpaquePaintEvent);
}

QImage Immagine::immagine() const {
    QImage img(dimensione_, QImage::Format_RGB32);
    QPainter p(&img);
    if (disegno_) disegno_(p);
    return img;
}

void Immagine::paintEvent(QPaintEvent* e) {
    QPainter p(this);
    p.setClipRegion(e->region());
    p.scale(static_cast<double>(width()) / dimensione_.width(), static_cast<double>(height()) / dimensione_.height());
    if (disegno_) disegno_(p);
}

}  // namespace vk
