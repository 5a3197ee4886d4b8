#include "common/widgets/Immagine.h"

#include <QPainter>

namespace vk {

void Immagine::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.setRenderHint(QPainter::SmoothPixmapTransform);
    p.drawImage(rect(), img_);
}

}  // namespace vk
