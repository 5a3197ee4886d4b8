#pragma once
// The Micro, the program's interval unit, and its named reference sizes.
#include "common/ValoreFisso.h"

namespace vk::Micro {

inline constexpr double PerCent = 1417.68;
// The same in hundredths of a Micro, for exact quotients: x / 1417,68 = 100 x / 141768.
inline constexpr uint32_t CentesimiPerCent = 141768;
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

// Cents of a size in Micro: x / 1417,68 rounded to four decimals, then that
// value to two, each on the exact value, ties to even.
ValoreFisso CentsDaMicro(ValoreFisso x);
// The same at four decimals only (the first rounding).
inline ValoreFisso CentsDaMicro4(ValoreFisso x) { return Proporzione<100, Micro::CentesimiPerCent>(x); }

// Cents of a size to two decimals in one rounding of the exact quotient,
// ties to even: the thirds editor's rule for the third it compensates.
inline ValoreFisso CentsDaMicroInUnPasso(ValoreFisso x) { return Proporzione<1, Micro::CentesimiPerCent>(x) * 100; }

// A size typed or written as text (any number of decimals) in cents, and
// cents in Micro, each to four decimals of its exact value; nullopt when the
// text is no number or the result too large.
std::optional<ValoreFisso> CentsDaTestoMicro(std::string_view micro);
std::optional<ValoreFisso> MicroDaTestoCents(std::string_view cents);

}  // namespace vk
