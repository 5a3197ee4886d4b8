#include "common/FormaGenerale.h"

#include <charconv>
#include <cmath>
#include <cstdlib>
#include <string_view>

namespace vk {

std::string FormaGenerale(double x) {
    if (std::isnan(x)) return "NaN";
    if (std::isinf(x)) return x < 0 ? "-Inf" : "Inf";
    if (x == 0) return "0";  // -0 too
    // "d.dddddddddddddde+XX": the 15 significant digits and the exponent.
    char buf[64];
    auto [fine, ec] = std::to_chars(buf, buf + sizeof buf, x, std::chars_format::scientific, 14);
    if (ec != std::errc()) return "0";
    std::string_view s(buf, static_cast<size_t>(fine - buf));
    std::string segno;
    if (s.front() == '-') {
        segno = "-";
        s.remove_prefix(1);
    }
    const size_t e = s.find('e');
    std::string cifre;
    for (char c : s.substr(0, e))
        if (c != '.') cifre += c;
    while (cifre.size() > 1 && cifre.back() == '0') cifre.pop_back();
    const int esponente = std::atoi(std::string(s.substr(e + 1)).c_str());
    if (esponente < -4 || esponente >= 15) {
        std::string t = segno + cifre.substr(0, 1);
        if (cifre.size() > 1) t += "," + cifre.substr(1);
        const int a = std::abs(esponente);
        t += esponente < 0 ? "E-" : "E+";
        if (a < 10) t += '0';
        return t + std::to_string(a);
    }
    std::string t;
    const int intere = esponente + 1;
    if (intere <= 0) {
        t = "0," + std::string(static_cast<size_t>(-intere), '0') + cifre;
    } else if (intere >= static_cast<int>(cifre.size())) {
        t = cifre + std::string(static_cast<size_t>(intere) - cifre.size(), '0');
    } else {
        t = cifre.substr(0, static_cast<size_t>(intere)) + "," + cifre.substr(static_cast<size_t>(intere));
    }
    return segno + t;
}

}  // namespace vk
