#pragma once
// The room a text box has: its text counted as a file counts it once saved
// (characters, not UTF-16 units), against the box's limit
// (common/FileTesto.h). A text that does not fit is cut where a character
// or a line break ends.
#include <QString>

namespace vk {

// How a box's line breaks reach a file: a multi-line box's each as the CR LF
// it is saved as, however written; a one-line box's as they stand.
enum class ACapo { InCRLF, ComeSono };

qsizetype CaratteriNelFile(QStringView testo, ACapo a);

// The longest start of testo that takes at most `spazio` characters.
QString InizioCheEntra(const QString& testo, qsizetype spazio, ACapo a);

}  // namespace vk
