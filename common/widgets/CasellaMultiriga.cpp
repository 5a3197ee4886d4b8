#include "common/widgets/CasellaMultiriga.h"

#include <QMimeData>
#include <QTextCursor>

#include "common/FileTesto.h"
#include "common/widgets/Incolla.h"
#include "common/widgets/SpazioTesto.h"

namespace vk {

bool CasellaMultiriga::canInsertFromMimeData(const QMimeData* source) const {
    // Asked at every move of a drag and for the context menu's Paste: the
    // kind of data only, so that nothing is fetched before the insertion.
    return source && source->hasText();
}

void CasellaMultiriga::insertFromMimeData(const QMimeData* source) {
    const QString testo = TestoDaIncollare(source);
    if (testo.isEmpty()) return;
    const qsizetype spazio = static_cast<qsizetype>(LunghezzaMassimaTesto) -
                             CaratteriNelFile(toPlainText(), ACapo::InCRLF) +
                             CaratteriNelFile(textCursor().selectedText(), ACapo::InCRLF);
    const QString entra = InizioCheEntra(testo, spazio, ACapo::InCRLF);
    if (!entra.isEmpty()) insertPlainText(entra);
}

}  // namespace vk
