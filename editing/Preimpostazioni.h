#pragma once
// The two presets of the main screen, "EQ" and "PIT": each writes a whole
// temperament as fixed texts and then only redraws the bar charts.
#include "model/Istogrammi.h"
#include "model/Temperamento.h"

namespace vk {

extern const char* const NomeEquabile;
extern const char* const DescrizioneEquabile;
extern const char* const NomePitagorico;
extern const char* const DescrizionePitagorico;

// The equal temperament; keeps the comma mode, read from the button's colour.
void ImpostaEquabile(Temperamento& t, Istogrammi& g, double altezzaSchermoTwips);
// The Pythagorean temperament, wolf on fifth 6; forces the Pythagorean mode.
void ImpostaPitagorico(Temperamento& t, Istogrammi& g, double altezzaSchermoTwips);

}  // namespace vk
