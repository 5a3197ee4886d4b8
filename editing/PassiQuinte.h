#pragma once
// Stepping a fifth through the fraction table of the comma in force, and the
// completion that follows every edit of a fifth on the main screen.
#include <optional>

#include "common/ValoreFisso.h"
#include "model/ApplicaQuinte.h"
#include "model/Istogrammi.h"
#include "model/TabellaFrazioni.h"
#include "model/Temperamento.h"

namespace vk {

enum class Verso { Meno, Piu };

// The size a "<" or ">" step gives a fifth of size x, or nullopt when the
// fifth stays where it is (at or past the end of the table on the side of
// the step, or a negative size for ">").
std::optional<ValoreFisso> MisuraDopoPasso(const TabellaFrazioni& tabella, ValoreFisso x, Verso verso);

// One step of fifth k (table chosen by the comma button's caption), then its
// naming. QuintaSelezionata becomes k. A size that is not a number is left
// alone and nothing is named; returns false then.
bool PassoQuinta(Temperamento& t, int k, Verso verso);

// Whether the completion of an edit of fifth k could run: every fifth and
// fifth k's committed copy must read as numbers, and the fifths after the
// compensation with all that derives from them must be sizes a file keeps.
bool CompletamentoPossibile(const Temperamento& t, int k);
// Whether one step of fifth k could be completed (the test before a step:
// a step that could not be completed would stay uncompensated).
bool PassoPossibile(const Temperamento& t, int k, Verso verso);

// The completion of fifth QuintaSelezionata by OpzioniCompletamento, then
// AggiornaIstogrammi. When a text
// it reads is not a number, or a result no size a file keeps, it changes
// nothing at all (a half-done completion would break the sum of the fifths);
// returns false then.
bool CompletaQuinta(Temperamento& t, Istogrammi& g, double altezzaSchermoTwips);

}  // namespace vk
