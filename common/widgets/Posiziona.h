#pragma once
// Places widgets from their designed geometry: 15 twips to the pixel, font
// sizes in points at 96 dpi.
#include <QRect>
#include <QString>

#include "common/Geometria.h"

class QWidget;

namespace vk {

// Pixels of a twips coordinate, to the nearest (ties to even).
int Pixel(float twips);
// Each edge is rounded on its own, so controls that meet in twips meet in
// pixels.
QRect RettangoloPixel(const VoceGeometria& v);

// Geometry, and the font size when the entry has one.
void Posiziona(QWidget* w, const VoceGeometria& v);

// Object name of a control: "cmdPiù_3" for member 3 of an array, the plain
// name otherwise.
QString NomeOggetto(const std::string& nome, int indice);

// Places every registered control found under `radice` by its object name;
// returns how many entries had no widget (timers, hidden working labels...).
int PosizionaTutti(QWidget* radice, const RegistroGeometria& registro);

}  // namespace vk
