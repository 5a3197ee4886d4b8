#pragma once
// Doubles written as text without first becoming a ValoreFisso: fifteen
// significant digits, decimal comma, no trailing zeros, always in plain
// positional form (no exponent), so that the text reads back exactly as a
// ValoreFisso or as a double.
#include <string>
#include <string_view>

namespace vk {

// "" for a value that is not finite.
std::string TestoDouble(double x);

// A number as the program writes it (optional "-", digits, at most one
// decimal comma) read as a double; NaN for any other text.
double DoubleDaTesto(std::string_view t);

}  // namespace vk
