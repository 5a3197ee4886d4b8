#pragma once
// Doubles written as text with 15 significant digits and the decimal comma,
// without trailing zeros. Not for ValoreFisso values.
#include <string>

namespace vk {

// The general form: an exponent ("1,5E+20", "1E-05") below 0,0001 and from
// 1E+15 on, plain digits between.
std::string FormaGenerale(double x);

// Always plain digits, however large or small ("0,00000123", "1230000000000000000");
// empty for a value that is not finite.
std::string CifreDecimali(double x);

}  // namespace vk
