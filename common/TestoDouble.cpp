#include "common/TestoDouble.h"

#include <charconv>
#include <cmath>
#include <cstdlib>
#include <limits>

namespace vk {

namespace {

// x (finite, not zero) as sign, its 15 significant digits without trailing
// zeros, and the power of ten of the first.
struct Cifre {
    std::string segno;
    std::string cifre;
    int esponente = 0;
};

Cifre Scomponi(double x) {
    // "d.dddddddddddddde+XX".
    char buf[64];
    auto [fine, ec] = std::to_chars(buf, buf + sizeof buf, x, std::chars_format::scientific, 14);
    Cifre c;
    if (ec != std::errc()) return {"", "0", 0};
    std::string_view s(buf, static_cast<size_t>(fine - buf));
    if (s.front() == '-') {
        c.segno = "-";
        s.remove_prefix(1);
    }
    const size_t e = s.find('e');
    for (char k : s.substr(0, e))
        if (k != '.') c.cifre += k;
    while (c.cifre.size() > 1 && c.cifre.back() == '0') c.cifre.pop_back();
    c.esponente = std::atoi(std::string(s.substr(e + 1)).c_str());
    return c;
}

std::string InChiaro(const Cifre& c) {
    const int intere = c.esponente + 1;
    std::string t;
    if (intere <= 0) {
        t = "0," + std::string(static_cast<size_t>(-intere), '0') + c.cifre;
    } else if (intere >= static_cast<int>(c.cifre.size())) {
        t = c.cifre + std::string(static_cast<size_t>(intere) - c.cifre.size(), '0');
    } else {
        t = c.cifre.substr(0, static_cast<size_t>(intere)) + "," + c.cifre.substr(static_cast<size_t>(intere));
    }
    return c.segno + t;
}

}  // namespace

std::string TestoDouble(double x) {
    if (!std::isfinite(x)) return {};
    if (x == 0) return "0";  // -0 too
    return InChiaro(Scomponi(x));
}

std::string FormaGenerale(double x) {
    if (std::isnan(x)) return "NaN";
    if (std::isinf(x)) return x < 0 ? "-Inf" : "Inf";
    if (x == 0) return "0";
    const Cifre c = Scomponi(x);
    if (c.esponente >= -4 && c.esponente < 15) return InChiaro(c);
    std::string t = c.segno + c.cifre.substr(0, 1);
    if (c.cifre.size() > 1) t += "," + c.cifre.substr(1);
    const int a = std::abs(c.esponente);
    t += c.esponente < 0 ? "E-" : "E+";
    if (a < 10) t += '0';
    return t + std::to_string(a);
}

double DoubleDaTesto(std::string_view t) {
    constexpr double Nessuno = std::numeric_limits<double>::quiet_NaN();
    std::string s;
    s.reserve(t.size());
    size_t i = 0;
    if (i < t.size() && t[i] == '-') s += t[i++];
    size_t cifre = 0;
    bool virgola = false;
    for (; i < t.size(); ++i) {
        const char c = t[i];
        if (c >= '0' && c <= '9') {
            s += c;
            ++cifre;
        } else if (c == ',' && !virgola) {
            virgola = true;
            s += '.';
        } else {
            return Nessuno;
        }
    }
    if (cifre == 0) return Nessuno;
    if (s.back() == '.') s.pop_back();
    if (s.front() == '.' || (s[0] == '-' && s.size() > 1 && s[1] == '.')) s.insert(s.front() == '-' ? 1 : 0, "0");
    double x = 0;
    auto [p, ec] = std::from_chars(s.data(), s.data() + s.size(), x);
    if (p != s.data() + s.size()) return Nessuno;
    if (ec == std::errc::result_out_of_range) {
        // Still a number, past what a double holds: the nearest is zero for
        // a value below the smallest (a long typed fraction), infinity above.
        const bool negativo = s.front() == '-';
        const std::string_view intero = std::string_view(s).substr(negativo ? 1 : 0, s.find('.') - (negativo ? 1 : 0));
        const double r = intero.find_first_not_of('0') == std::string_view::npos
                             ? 0.0
                             : std::numeric_limits<double>::infinity();
        return negativo ? -r : r;
    }
    if (ec != std::errc()) return Nessuno;
    return x;
}

}  // namespace vk
