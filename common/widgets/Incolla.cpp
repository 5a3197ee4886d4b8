#include "common/widgets/Incolla.h"

#include <QMimeData>

namespace vk {

QString TestoDaIncollare(const QMimeData* dati) { return dati ? dati->text() : QString(); }

}  // namespace vk
