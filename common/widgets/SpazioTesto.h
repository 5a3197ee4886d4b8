#pragma once
// The room a text box has: its text counted as a file counts it once saved
// (characters, not UTF-16 units), against the box's limit
// (common/FileTesto.h). Every way text comes in (a key, an input method, a
// paste, a drop) takes only what fits, cut where a character or a line break
// ends.
#include <QInputMethodEvent>
#include <QString>

namespace vk {

// How a box's line breaks reach a file: a multi-line box's each as the CR LF
// it is saved as, however written; a one-line box's as they stand.
enum class ACapo { InCRLF, ComeSono };

qsizetype CaratteriNelFile(QStringView testo, ACapo a);

// The longest start of testo that takes at most `spazio` characters.
QString InizioCheEntra(const QString& testo, qsizetype spazio, ACapo a);

// Hands an input method's event to `inoltra` with its committed text cut to
// `spazio`; what it would show before committing is not the box's text.
template <class Inoltra>
void ImmettiCheEntra(QInputMethodEvent* e, qsizetype spazio, ACapo a, Inoltra inoltra) {
    const QString entra = InizioCheEntra(e->commitString(), spazio, a);
    if (entra.size() == e->commitString().size()) {
        inoltra(e);
        return;
    }
    QInputMethodEvent tagliato(e->preeditString(), e->attributes());
    tagliato.setCommitString(entra, e->replacementStart(), e->replacementLength());
    inoltra(&tagliato);
    e->setAccepted(tagliato.isAccepted());
}

}  // namespace vk
