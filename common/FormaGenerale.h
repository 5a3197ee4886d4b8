#pragma once
// A double written as text in the general form: rounded to 15 significant
// digits, decimal comma, no trailing zeros; an exponent ("1,5E+20",
// "1E-05") below 0,0001 and from 1E+15 on. Not for ValoreFisso values.
#include <string>

namespace vk {

std::string FormaGenerale(double x);

}  // namespace vk
