#pragma once
// Re-layout of the two windows to the screen: every control in the list of
// the main window (and the splash window's own few) has its Height, Width,
// Top, Left and, for labels, buttons and text boxes, FontSize multiplied once
// by the factors of FattoriSchermo. Screens only register their controls in
// the geometry registry; this code scales them all.
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "common/Geometria.h"

namespace vk {

struct StatoPrincipale;
struct Istogrammi;

struct RapportoAdattamento {
    int istanze = 0;  // controls (members) scaled
    int passi = 0;    // properties multiplied
    // Members of the list with no registration: skipped (a screen not built).
    std::vector<std::string> mancanti;
};

// One entry of the main window's list: the members `indici` (-1 for a
// control that is not an array) of each control of `nomi`, index by index.
struct VoceElencoAdattamento {
    std::vector<int> indici;
    std::vector<std::string> nomi;
};
// The main window's list, in the order the re-layout follows.
const std::vector<VoceElencoAdattamento>& ElencoAdattamento();
// Whether the re-layout scales this member.
bool InElencoAdattamento(std::string_view nome, int indice);
// The steps of a member of this kind: its kind's, less FontSize for the two
// buttons that keep their designed font (cmdNumero, cmdLingua).
uint8_t PassiDi(std::string_view nome, TipoControllo tipo);
// The kind a control's name prefix gives (cmd, lbl, Txt, Fra, Shp, Img).
TipoControllo TipoDaNome(std::string_view nome);

// The main window's re-layout over its registry and the bar model (the bars
// ShpQuinte, ShpTerze, ShpSemitoni live in Istogrammi), with the factors of
// the screen read at its start.
RapportoAdattamento AdattaSchermo(RegistroGeometria& r, Istogrammi& g, const FattoriSchermo& f);
// The same on the state; the page that holds the controls ("vivUDO15")
// then takes the screen's size with them.
RapportoAdattamento AdattaSchermo(StatoPrincipale& s);

// Before the re-layout: ShpVari(8) (when registered) takes Top 5650 and
// Height 2870, so its top edge lies lower and its bottom stays at 8520.
void PreparaShpVari8(StatoPrincipale& s);

// The splash window: the window itself ("dozAzazadUDO") on its four
// geometric steps, lblSplash(0..3) on all five, ImgScreen on four.
RapportoAdattamento AdattaSplash(RegistroGeometria& splash, const FattoriSchermo& f);
RapportoAdattamento AdattaSplash(RegistroGeometria& splash);

// The last step of the main window's load: only when the screen height is
// not exactly 11520 twips, sets ShpVari(8) to Top 5650, Height 2870, runs
// AdattaSchermo (the main page takes the screen's size) and redraws the bars.
// Returns what the re-layout did, nothing when it did not run.
std::optional<RapportoAdattamento> AdattaFinestraPrincipale(StatoPrincipale& s);

// For a screen that registers a control after the re-layout (built when it
// first opens): scales that member as the re-layout would have. Does nothing
// when no re-layout ran or the member is not in the list. Returns whether it
// scaled.
bool AdattaRegistrazioneTardiva(StatoPrincipale& s, std::string_view nome, int indice);

}  // namespace vk
