#pragma once
// Doubles written as text without first becoming a ValoreFisso: fifteen
// significant digits, decimal comma, no trailing zeros.
#include <string>
#include <string_view>

namespace vk {

// Always in plain positional form (no exponent), so that the text reads back
// exactly as a ValoreFisso or as a double; "" for a value that is not finite.
std::string TestoDouble(double x);

// The general form: an exponent ("1,5E+20", "1E-05") below 0,0001 and from
// 1E+15 on, plain digits between. Not for ValoreFisso values.
std::string FormaGenerale(double x);

// A number as the program writes it (optional "-", digits, at most one
// decimal comma) read as a double, the nearest one (zero or infinity for a
// number past a double's range); NaN for any other text.
double DoubleDaTesto(std::string_view t);

}  // namespace vk
