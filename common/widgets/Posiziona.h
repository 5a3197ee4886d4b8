#pragma once
// Places widgets from their designed geometry: 15 twips to the pixel, font
// sizes in points at 96 dpi.
#include <QRect>
#include <QString>
#include <QWidget>

#include "common/Geometria.h"
#include "common/Colori.h"

namespace vk {

// A designed place: Left, Top, Width, Height in twips.
struct Posto {
    float sinistra = 0, alto = 0, larghezza = 0, altezza = 0;
};

// A designed font: the size in points (0: none of its own), the family
// (null: the screen's), the weight and the slant.
struct CarattereProgetto {
    float punti = 0;
    const char* famiglia = nullptr;
    bool grassetto = false;
    bool corsivo = false;
};

// A plain horizontal strip of a screen that holds some of its controls, only
// so that Qt repaints a few dozen of them at a time. Its controls keep the
// twips of the screen: they are placed less the strip's own position. Its
// back colour is its controls' unless they have their own.
class Fascia : public QWidget {
    Q_OBJECT
public:
    Fascia(QWidget* schermata, const QRect& pixel, ColoreVB sfondo);
    ColoreVB sfondo() const { return sfondo_; }

private:
    ColoreVB sfondo_;
};

// Pixels of a twips coordinate, to the nearest (ties to even).
int Pixel(float twips);
// Each edge is rounded on its own, so controls that meet in twips meet in
// pixels.
QRect RettangoloPixel(const VoceGeometria& v);

// Where a control of this entry lies in its parent: in the parent's pixels,
// or less the position of the strip that holds it.
QRect RettangoloNelGenitore(const QWidget* w, const VoceGeometria& v);
// Geometry, and the font size when the entry has one.
void Posiziona(QWidget* w, const VoceGeometria& v);

// Object name of a control: "cmdPiù_3" for member 3 of an array, the plain
// name otherwise.
QString NomeOggetto(const std::string& nome, int indice);

// Places every registered control found under `radice` by its object name;
// returns how many entries had no widget (timers, hidden working labels...).
int PosizionaTutti(QWidget* radice, const RegistroGeometria& registro);

}  // namespace vk
