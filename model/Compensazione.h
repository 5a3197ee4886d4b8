#pragma once
#include "model/Temperamento.h"

namespace vk {

// Gives the next fifth the opposite of fifth QuintaSelezionata's change since
// its last commit, commits both and names the next one. An index outside
// 1..12, or a fifth that is not a number, does nothing.
void CompensaQuinta(Temperamento& t);

}  // namespace vk
