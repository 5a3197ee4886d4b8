#pragma once
// The speed control of the fifth buttons: the level (lblVelocità, "1".."11"),
// the ten-segment meter ShpVelo(1..10), the direction of the last press
// (lblIndexVelo) and the repeat intervals of tmrPiù and TmrMeno, all fields of
// StatoPrincipale. The meter is state of its own: a press recolours at most
// one segment and nothing redraws it from the level.
#include <optional>
#include <string>

#include "common/Colori.h"
#include "common/RipetizioneAutomatica.h"

namespace vk {

struct StatoPrincipale;

inline constexpr ColoreVB SegmentoAcceso = Colori::RossoChiaro;
inline constexpr ColoreVB SegmentoSpento = Colori::VerdeChiaro;
// The speed buttons repeat at their own pace, whatever the level.
inline constexpr int IntervalloTmrVelo = 95;
inline constexpr int VelocitaPiu = 1;   // cmdVelocità(1) "+"
inline constexpr int VelocitaMeno = 0;  // cmdVelocità(0) "-"

// The level of a text that is exactly "1".."11".
std::optional<int> LivelloValido(const std::string& testo);
// 200 - 15 x level ms.
inline constexpr int IntervalloDiLivello(int livello) { return 200 - 15 * livello; }

// The click of "+" (indice 1) or "-" (indice 0): records the direction, steps
// the level unless it is exactly 11 ("+") or 1 ("-"), then ApplicaVelocita.
void cmdVelocita_Click(StatoPrincipale& s, int indice);
// Both intervals from a valid level; then lights segment level - 1 after "+"
// (levels 2..11) or unlights segment level after "-" (levels 1..10).
void ApplicaVelocita(StatoPrincipale& s);

// The hold-to-repeat of speed button `indice`: each tick and the click at
// release are one cmdVelocita_Click; the release does nothing more.
RipetizioneAutomatica RipetizioneVelocita(StatoPrincipale& s, int indice);

}  // namespace vk
