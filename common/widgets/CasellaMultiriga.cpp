#include "common/widgets/CasellaMultiriga.h"

#include <QMimeData>

namespace vk {

bool CasellaMultiriga::canInsertFromMimeData(const QMimeData* source) const {
    // A plain box takes text only.
    return source && source->hasText() && !source->text().isEmpty();
}

void CasellaMultiriga::insertFromMimeData(const QMimeData* source) {
    if (canInsertFromMimeData(source)) QPlainTextEdit::insertFromMimeData(source);
}

}  // namespace vk
