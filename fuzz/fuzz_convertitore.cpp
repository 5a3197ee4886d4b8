// The converter of the utility screen on any sequence of keys: after every
// key its cells show a dash, the digits typed or a number, never "nan",
// "inf" or "-0"; and whenever cents and Micro both show a number, they are
// the same size to within their rounding.
#include <cmath>
#include <cstdint>
#include <string>

#include "SchermateFuzz.h"
#include "common/Micro.h"
#include "common/TestoDouble.h"
#include "utility/Convertitore.h"

namespace {

using vk::fuzz::Verifica;

// Digits, then at most one comma and digits; the first digit at `i`.
size_t Cifre(const std::string& t, size_t i) {
    const size_t inizio = i;
    while (i < t.size() && t[i] >= '0' && t[i] <= '9') ++i;
    if (i == inizio) return std::string::npos;
    if (i < t.size() && t[i] == ',') {
        ++i;
        while (i < t.size() && t[i] >= '0' && t[i] <= '9') ++i;
    }
    return i;
}

// A dash; or an optional "-", digits and at most one comma (typed, or a
// number written by the program); or the general form with an exponent
// ("8,98846567431158E+307").
bool Cella(const std::string& t) {
    if (t.empty() || !vk::fuzz::SenzaNonNumeri(t)) return false;
    if (t == "-") return true;
    size_t i = Cifre(t, t[0] == '-' ? 1 : 0);
    if (i == t.size()) return true;
    if (i == std::string::npos || t[i] != 'E' || i + 2 >= t.size() || (t[i + 1] != '+' && t[i + 1] != '-'))
        return false;
    for (i += 2; i < t.size(); ++i)
        if (t[i] < '0' || t[i] > '9') return false;
    return true;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* dati, size_t n) {
    vk::Convertitore c;
    for (size_t i = 0; i < n; ++i) {
        // 0..9 digits, 10 the comma, 11 "C", 12 no key, 13..16 the units,
        // 17 "Radice di 2".
        const int tasto = dati[i] % 18;
        if (tasto == 17) c.cmdRadice_Click();
        else c.cmdNumero_Click(tasto);

        for (const std::string* t : {&c.fraz1, &c.fraz2, &c.decimali, &c.cents, &c.micro}) Verifica(Cella(*t));
        if (c.cents == "-" || c.micro == "-") continue;
        // Both rounded to four decimals (the typed Micro not at all): half
        // a unit each, the cents' half times 1417.68, and the products' own
        // rounding far below.
        const double cents = vk::DoubleDaTesto(c.cents), micro = vk::DoubleDaTesto(c.micro);
        Verifica(!std::isnan(cents) && !std::isnan(micro));
        const double scarto = std::fabs(cents * vk::Micro::PerCent - micro);
        Verifica(scarto <= 0.00005 * vk::Micro::PerCent + 0.00005 + 1e-12 * std::fabs(micro));
    }
    return 0;
}
