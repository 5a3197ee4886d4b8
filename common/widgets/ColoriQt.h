#pragma once
// The program's colours (&HBBGGRR, or &H800000xx system codes) and fonts as Qt
// sees them; used only when painting and building widgets.
#include <QColor>
#include <QFont>
#include <QPalette>
#include <QString>
#include <optional>

#include "common/Colori.h"

class QWidget;

namespace vk {

// An RGB colour, or for a system code the colour of its palette role
// (button face, button text, window, window text...).
QColor ColoreQt(ColoreVB c);
QColor ColoreQt(ColoreVB c, const QPalette& tavolozza);

// Sets one role of the widget's palette to the colour.
void Colora(QWidget* w, QPalette::ColorRole ruolo, ColoreVB c);

// Palettes that set the back colour (QPalette::Window) and, when given, the
// text colour (WindowText), made once and shared by every control that has
// them: a palette of its own per control costs time and memory.
const QPalette& Tavolozza(ColoreVB sfondo, std::optional<ColoreVB> testo = {});
// Fills the control with its back colour (and text colour) through the
// shared palettes. Over a strip of the same colour it needs none of its own.
// Only for a control that has no other colour of its own yet.
void Riempi(QWidget* w, ColoreVB sfondo, std::optional<ColoreVB> testo = {});

// The palette role a system code stands for; QPalette::NoRole for a plain
// colour or an unknown code.
QPalette::ColorRole RuoloDiSistema(ColoreVB c);

// Family installed in place of the designed one: "MS Sans Serif" and "Arial"
// become Liberation Sans, "Times New Roman" Liberation Serif, "Courier New"
// Liberation Mono; others stay.
QString FamigliaCarattere(const QString& famigliaProgetto);

// The font as designed. The layout is designed at 96 dpi (15 twips per
// pixel), so a font of p points is drawn p * 96 / 72 pixels high whatever the
// dpi of the display: the point size is set as p * 96 / dpi, with dpi the
// application's logical dpi. Fractional sizes are kept.
QFont CaratterePunti(const QString& famigliaProgetto, double punti, bool grassetto = false,
                     bool corsivo = false);
// Sets only the size of `f` in the same way (punti <= 0 leaves it).
void ImpostaPunti(QFont& f, double punti);
// The dpi the point sizes are corrected for.
double DpiLogici();

// The program's own font, the design's MS Sans Serif 8.25 pt.
QFont CarattereProgramma();
// Makes it the application's font; called once, before any control exists,
// so that no control is first laid out in the platform's font. Tool tips,
// menus and dialogs, which are not the program's own windows, keep the
// platform's.
void ImpostaCarattereProgramma();

}  // namespace vk
