#pragma once
// The Micro, the program's interval unit, and its named reference sizes.
#include "common/ValoreFisso.h"

namespace vk::Micro {

inline constexpr double PerCent = 1417.68;
inline constexpr ValoreFisso Ottava = ValoreFisso::intero(1701216);
inline constexpr ValoreFisso SetteOttave = ValoreFisso::intero(11908512);
inline constexpr ValoreFisso QuattroOttave = ValoreFisso::intero(6804864);
inline constexpr ValoreFisso QuintaNaturale = ValoreFisso::intero(995148);
inline constexpr ValoreFisso QuintaEquabile = ValoreFisso::intero(992376);
inline constexpr ValoreFisso Schisma = ValoreFisso::intero(2772);
inline constexpr ValoreFisso CommaSintonico = ValoreFisso::intero(30492);
inline constexpr ValoreFisso CommaPitagorico = ValoreFisso::intero(33264);
inline constexpr ValoreFisso TerzaPitagorica = ValoreFisso::intero(578160);
inline constexpr ValoreFisso TerzaEquabile = ValoreFisso::intero(567072);
inline constexpr ValoreFisso TerzaNaturale = ValoreFisso::intero(547668);
inline constexpr ValoreFisso SemitonoEquabile = ValoreFisso::intero(141768);

}  // namespace vk::Micro

namespace vk {

// Cents of a size in Micro: x / 1417.68 in double, rounded to four decimals,
// then that value to two (both ties to even).
ValoreFisso CentsDaMicro(ValoreFisso x);
// The same at four decimals only (the first rounding).
ValoreFisso CentsDaMicro4(ValoreFisso x);

}  // namespace vk
