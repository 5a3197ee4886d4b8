#include "common/widgets/Etichetta.h"

#include <QLabel>

namespace vk {

void FormaEtichetta(QLabel* l, Allineamento a) {
    Qt::Alignment orizzontale = Qt::AlignLeft;
    if (a == Allineamento::Destra) orizzontale = Qt::AlignRight;
    if (a == Allineamento::Centro) orizzontale = Qt::AlignHCenter;
    l->setAlignment(orizzontale | Qt::AlignTop);
    l->setWordWrap(true);
}

}  // namespace vk
