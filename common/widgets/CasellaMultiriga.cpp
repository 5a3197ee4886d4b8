#include "common/widgets/CasellaMultiriga.h"

#include <QMimeData>
#include <QTextCursor>

#include "common/FileTesto.h"
#include "common/widgets/Incolla.h"

namespace vk {

namespace {

bool FineRiga(QChar c) {
    return c == u'\n' || c == u'\r' || c == QChar::ParagraphSeparator || c == QChar::LineSeparator;
}

// The UTF-16 units and the file characters of the character at i.
std::pair<qsizetype, qsizetype> Carattere(const QString& s, qsizetype i) {
    const QChar c = s[i];
    const bool seguito = i + 1 < s.size();
    if (c == u'\r' && seguito && s[i + 1] == u'\n') return {2, 2};
    if (FineRiga(c)) return {1, 2};
    if (c.isHighSurrogate() && seguito && s[i + 1].isLowSurrogate()) return {2, 1};
    return {1, 1};
}

// How many characters a text takes in a file: characters, not UTF-16 units,
// and a line break (however written) as the CR LF it is saved as.
qsizetype CaratteriNelFile(const QString& testo) {
    qsizetype n = 0;
    for (qsizetype i = 0; i < testo.size();) {
        const auto [unita, caratteri] = Carattere(testo, i);
        i += unita;
        n += caratteri;
    }
    return n;
}

// The longest start of testo that takes at most spazio characters in a file,
// never cutting a character or a line break in two.
QString InizioCheEntra(const QString& testo, qsizetype spazio) {
    qsizetype i = 0;
    for (qsizetype n = 0; i < testo.size();) {
        const auto [unita, caratteri] = Carattere(testo, i);
        if (n + caratteri > spazio) break;
        i += unita;
        n += caratteri;
    }
    return testo.left(i);
}

}  // namespace

bool CasellaMultiriga::canInsertFromMimeData(const QMimeData* source) const {
    // Asked at every move of a drag and for the context menu's Paste: the
    // kind of data only, so that nothing is fetched before the insertion.
    return source && source->hasText();
}

void CasellaMultiriga::insertFromMimeData(const QMimeData* source) {
    const QString testo = TestoDaIncollare(source);
    if (testo.isEmpty()) return;
    const qsizetype spazio = static_cast<qsizetype>(LunghezzaMassimaTesto) - CaratteriNelFile(toPlainText()) +
                             CaratteriNelFile(textCursor().selectedText());
    const QString entra = InizioCheEntra(testo, spazio);
    if (!entra.isEmpty()) insertPlainText(entra);
}

}  // namespace vk
