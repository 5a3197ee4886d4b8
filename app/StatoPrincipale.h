#pragma once
// Everything the main window shows and the screens share: the one
// temperament, its bar charts and the main window's designed geometry.
#include <string>

#include "common/Geometria.h"
#include "model/Istogrammi.h"
#include "model/Temperamento.h"

namespace vk {

struct StatoPrincipale {
    Temperamento temperamento = TemperamentoIniziale();
    Istogrammi istogrammi = IstogrammiIniziali();
    // Geometry of every control of vivUDO15, relative to its frame.
    RegistroGeometria geometria;

    // Repeat intervals (ms) of the fifth buttons' timers tmrPiù and TmrMeno:
    // written by the speed control and the settings file, read by the
    // fifth steppers whenever they start their timer.
    int IntervalloPiu = 135;
    int IntervalloMeno = 135;
    // LinguaNote: the caption of cmdLingua, "IT", "FR", "DE" or "EN".
    std::string LinguaNote = "IT";

    double altezzaSchermo() const { return SchermoTwips().altezza; }
};

}  // namespace vk
