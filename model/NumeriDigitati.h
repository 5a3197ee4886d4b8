#pragma once
// Numbers as the user types them, and the roundings that screens applying
// typed or computed sizes share.
#include <optional>
#include <string>
#include <string_view>

#include "common/ValoreFisso.h"

namespace vk {

// A number as the user types it on the entry screens: optional "-", digits, at most
// one decimal comma; a point is a thousands separator and is dropped. Blanks
// or anything else make it no number.
struct NumeroDigitato {
    ValoreFisso fisso;  // rounded to four decimals, ties to even
    double esatto;      // unrounded
};
enum class LetturaDigitata { Numero, NonNumero, TroppoGrande };
LetturaDigitata LeggiDigitato(std::string_view testo, NumeroDigitato& risultato);
std::optional<ValoreFisso> FissoDigitato(std::string_view testo);

// A double at 15 significant digits, as plain decimal text: decimal comma,
// no exponent, no trailing zeros; nullopt when not finite or beyond 1e16.
std::optional<std::string> TestoQuindiciCifre(double q);
// A fifth computed in double, held at 15 significant digits and then rounded
// to four decimals, ties to even; nullopt when not finite or too large.
std::optional<ValoreFisso> ArrotondaQuintaEasy(double q);

// Cents of a size held as text, through single precision: the size to float,
// divided in double by 1417.68 and rounded to float, times 10000 to float,
// then to whole ten-thousandths and to hundredths, both ties to even.
// nullopt when the text is no number.
std::optional<ValoreFisso> CentsSingolaPrecisione(std::string_view testo);
// Two-decimal cents of a four-decimal cents text (decimal comma), through
// single precision: the text to float, times 10000 to float, then to whole
// ten-thousandths and to hundredths, both ties to even. The cents were
// divided by 1417.68 in double when the text was made.
std::optional<ValoreFisso> CentsSingolaDaCents(std::string_view cents);

}  // namespace vk
