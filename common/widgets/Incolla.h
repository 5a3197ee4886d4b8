#pragma once
// What the program's text boxes paste or take from a drop: the data's text,
// read once. Another program's data is fetched from it on each request, and
// that program may be gone after its first answer (a script's clipboard that
// answers once and quits): Qt's own insertion checks the data and fetches it
// again, and crashes on data gone in between. So a box reads the text once
// and inserts that text itself, never handing the data on.
#include <QString>

class QMimeData;

namespace vk {

// The text to paste; empty where there is none (no data, data of another
// kind, an empty text): such a paste leaves the box as it was.
QString TestoDaIncollare(const QMimeData* dati);

}  // namespace vk
