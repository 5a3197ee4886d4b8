#include "common/TestoDouble.h"

#include <charconv>
#include <cmath>
#include <cstdlib>
#include <limits>

namespace vk {

std::string TestoDouble(double x) {
    if (!std::isfinite(x)) return {};
    if (x == 0) return "0";
    // Fifteen significant digits: "d.dddddddddddddde+XX".
    char buf[64];
    auto [fine, ec] = std::to_chars(buf, buf + sizeof buf, x, std::chars_format::scientific, 14);
    if (ec != std::errc()) return {};
    std::string_view s(buf, static_cast<size_t>(fine - buf));
    const bool negativo = s.front() == '-';
    if (negativo) s.remove_prefix(1);
    const size_t e = s.find('e');
    std::string cifre;
    for (char c : s.substr(0, e))
        if (c != '.') cifre += c;
    while (cifre.size() > 1 && cifre.back() == '0') cifre.pop_back();
    const int intere = std::atoi(std::string(s.substr(e + 1)).c_str()) + 1;
    std::string testo;
    if (intere <= 0) {
        testo = "0," + std::string(static_cast<size_t>(-intere), '0') + cifre;
    } else if (intere >= static_cast<int>(cifre.size())) {
        testo = cifre + std::string(static_cast<size_t>(intere) - cifre.size(), '0');
    } else {
        testo = cifre.substr(0, static_cast<size_t>(intere)) + "," + cifre.substr(static_cast<size_t>(intere));
    }
    if (negativo) testo.insert(0, 1, '-');
    return testo;
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
    if (ec != std::errc() || p != s.data() + s.size()) return Nessuno;
    return x;
}

}  // namespace vk
