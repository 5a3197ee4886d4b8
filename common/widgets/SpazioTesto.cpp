#include "common/widgets/SpazioTesto.h"

#include <utility>

namespace vk {

namespace {

bool FineRiga(QChar c) {
    return c == u'\n' || c == u'\r' || c == QChar::ParagraphSeparator || c == QChar::LineSeparator;
}

// The UTF-16 units and the file characters of the character at i.
std::pair<qsizetype, qsizetype> Carattere(QStringView s, qsizetype i, ACapo a) {
    const QChar c = s[i];
    const bool seguito = i + 1 < s.size();
    if (c == u'\r' && seguito && s[i + 1] == u'\n') return {2, 2};
    if (FineRiga(c)) return {1, a == ACapo::InCRLF ? 2 : 1};
    if (c.isHighSurrogate() && seguito && s[i + 1].isLowSurrogate()) return {2, 1};
    return {1, 1};
}

}  // namespace

qsizetype CaratteriNelFile(QStringView testo, ACapo a) {
    qsizetype n = 0;
    for (qsizetype i = 0; i < testo.size();) {
        const auto [unita, caratteri] = Carattere(testo, i, a);
        i += unita;
        n += caratteri;
    }
    return n;
}

QString InizioCheEntra(const QString& testo, qsizetype spazio, ACapo a) {
    qsizetype i = 0;
    for (qsizetype n = 0; i < testo.size();) {
        const auto [unita, caratteri] = Carattere(testo, i, a);
        if (n + caratteri > spazio) break;
        i += unita;
        n += caratteri;
    }
    return testo.left(i);
}

}  // namespace vk
