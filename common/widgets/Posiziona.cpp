#include "common/widgets/Posiziona.h"

#include <QHash>
#include <algorithm>
#include <QWidget>
#include <cmath>

#include "common/widgets/ColoriQt.h"

namespace vk {

int Pixel(float twips) {
    return static_cast<int>(std::nearbyint(static_cast<double>(twips) / static_cast<double>(TwipsPerPixel)));
}

QRect RettangoloPixel(const VoceGeometria& v) {
    const int x = Pixel(v.sinistra);
    const int y = Pixel(v.alto);
    const int w = Pixel(v.sinistra + v.larghezza) - x;
    const int h = Pixel(v.alto + v.altezza) - y;
    return QRect(x, y, std::max(w, 0), std::max(h, 0));
}

Fascia::Fascia(QWidget* schermata, const QRect& pixel, ColoreVB sfondo) : QWidget(schermata), sfondo_(sfondo) {
    setGeometry(pixel);
    Colora(this, QPalette::Window, sfondo);
}

QRect RettangoloNelGenitore(const QWidget* w, const VoceGeometria& v) {
    const QRect r = RettangoloPixel(v);
    if (const auto* f = qobject_cast<const Fascia*>(w->parentWidget())) return r.translated(-f->pos());
    return r;
}

void Posiziona(QWidget* w, const VoceGeometria& v) {
    w->setGeometry(RettangoloNelGenitore(w, v));
    if (v.carattere > 0) {
        QFont f = w->font();
        ImpostaPunti(f, v.carattere);
        // The font it has from its parent is not made its own.
        if (f != w->font()) w->setFont(f);
    }
}

QString NomeOggetto(const std::string& nome, int indice) {
    QString n = QString::fromStdString(nome);
    if (indice >= 0) n += QLatin1Char('_') + QString::number(indice);
    return n;
}

int PosizionaTutti(QWidget* radice, const RegistroGeometria& registro) {
    QHash<QString, QWidget*> perNome;
    const auto figli = radice->findChildren<QWidget*>();
    perNome.reserve(figli.size());
    for (QWidget* w : figli)
        if (!w->objectName().isEmpty()) perNome.insert(w->objectName(), w);
    int mancanti = 0;
    for (const auto& v : registro) {
        auto it = perNome.constFind(NomeOggetto(v.nome, v.indice));
        if (it == perNome.constEnd()) {
            ++mancanti;
            continue;
        }
        Posiziona(*it, v);
    }
    return mancanti;
}

}  // namespace vk
