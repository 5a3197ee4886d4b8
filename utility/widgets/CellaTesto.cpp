#include "utility/widgets/CellaTesto.h"

#include <QHash>
#include <QPainter>
#include <QStaticText>
#include <QStyle>

namespace vk {

namespace {

// The laid-out texts by font and text, shared by every cell: the table's
// texts are few and fixed.
const QStaticText& Disposto(const QFont& f, const QString& testo) {
    static QHash<QString, QStaticText> cache;
    const QString chiave = f.key() + QChar(0) + testo;
    auto it = cache.constFind(chiave);
    if (it != cache.constEnd()) return *it;
    QStaticText s(testo);
    s.setTextFormat(Qt::PlainText);
    s.prepare(QTransform(), f);
    return *cache.insert(chiave, s);
}

}  // namespace

void CellaTesto::setOpaca(bool o) {
    opaca_ = o;
    setAutoFillBackground(false);
    setAttribute(Qt::WA_OpaquePaintEvent, o);
    update();
}

void CellaTesto::paintEvent(QPaintEvent*) {
    // The painter starts with the label's font and text colour.
    QPainter p(this);
    if (opaca_) p.fillRect(rect(), palette().color(QPalette::Window));
    if (text().isEmpty()) return;
    const QStaticText& s = Disposto(font(), text());
    const qreal larghezza = s.size().width();
    qreal x = 0;
    const Qt::Alignment a = QStyle::visualAlignment(layoutDirection(), alignment());
    if (a & Qt::AlignRight) x = width() - larghezza;
    else if (a & Qt::AlignHCenter) x = (width() - larghezza) / 2;
    p.drawStaticText(QPointF(x, 0), s);
}

}  // namespace vk
