#include "app/widgets/Icona.h"

#include <QIconEngine>
#include <QPainter>
#include <QPixmap>
#include <map>

#include "app/widgets/Disegni.h"

namespace vk {

namespace {

// The picture's own square: as wide as the main screen's picture, so its
// rays keep their margin.
constexpr QSize Quadrato(242, 242);

class MotoreIcona : public QIconEngine {
public:
    void paint(QPainter* p, const QRect& r, QIcon::Mode m, QIcon::State s) override {
        const int lato = qMin(r.width(), r.height());
        QRect q(0, 0, lato, lato);
        q.moveCenter(r.center());
        p->drawPixmap(q, pixmap(q.size(), m, s));
    }
    QPixmap pixmap(const QSize& dimensione, QIcon::Mode, QIcon::State) override {
        const int lato = qMin(dimensione.width(), dimensione.height());
        // A window asks for every size at its creation, and every window asks.
        auto [it, nuovo] = giaDisegnate_.try_emplace(lato);
        if (nuovo) it->second = QPixmap::fromImage(ImmagineIcona(lato));
        return it->second;
    }
    QList<QSize> availableSizes(QIcon::Mode, QIcon::State) override {
        QList<QSize> taglie;
        for (int t : {16, 22, 24, 32, 48, 64, 128, 256}) taglie.append(QSize(t, t));
        return taglie;
    }
    QIconEngine* clone() const override { return new MotoreIcona(*this); }
    QString key() const override { return QStringLiteral("vk-programma"); }

private:
    std::map<int, QPixmap> giaDisegnate_;
};

}  // namespace

QIcon IconaProgramma() { return QIcon(new MotoreIcona); }

QImage ImmagineIcona(int lato) {
    if (lato <= 0) return {};
    QImage figura(lato, lato, QImage::Format_ARGB32_Premultiplied);
    figura.fill(Qt::transparent);
    {
        QPainter p(&figura);
        p.scale(lato / double(Quadrato.width()), lato / double(Quadrato.height()));
        DisegnaProgramma(p, Quadrato);
    }
    // Cut to the rounded square through a brush, so its edge is smoothed too.
    QImage icona(lato, lato, QImage::Format_ARGB32_Premultiplied);
    icona.fill(Qt::transparent);
    QPainter p(&icona);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(Qt::NoPen);
    p.setBrush(QBrush(figura));
    const double raggio = lato * 0.16;
    p.drawRoundedRect(QRectF(0, 0, lato, lato), raggio, raggio);
    return icona;
}

}  // namespace vk
