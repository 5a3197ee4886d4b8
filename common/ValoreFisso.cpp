#include "common/ValoreFisso.h"

#include <cmath>

namespace vk {

int64_t DividiPari(int64_t a, int64_t d) {
    int64_t q = a / d;
    int64_t r = a % d;
    if (r < 0) { r += d; q -= 1; }  // floor division
    int64_t due = 2 * r;
    if (due > d || (due == d && (q % 2 != 0))) q += 1;
    return q;
}

std::optional<int64_t> ArrotondaPari(double x, int decimali) {
    static constexpr double potenze[6] = {1, 10, 100, 1000, 10000, 100000};
    const double s = potenze[decimali];
    const double p = x * s;
    if (!(std::fabs(p) < 0x1p53)) return std::nullopt;
    double n = std::nearbyint(p);
    const double r = p - n;  // exact
    // The product may have landed on a half, or next to one, that the exact
    // value is not: its rounding error, exact through fma, tells which side.
    if (std::fabs(r) == 0.5) {
        const double e = std::fma(x, s, -p);
        if (e != 0 && std::signbit(e) == std::signbit(r)) n += r > 0 ? 1 : -1;
    } else if (std::fabs(p) >= 0x1p52) {
        // Whole products: the exact value may still lie on a half.
        const double e = std::fma(x, s, -p);
        if (std::fabs(e) == 0.5 && std::fmod(n, 2) != 0) n += e > 0 ? 1 : -1;
    }
    return static_cast<int64_t>(n);
}

std::optional<ValoreFisso> ValoreFisso::daTesto(std::string_view t) {
    const char* p = t.data();
    const char* const fine = p + t.size();
    const bool negativo = p != fine && *p == '-';
    if (negativo) ++p;
    // Whole part: more than 11 digits is past the limit whatever they are
    // (leading zeros aside).
    while (p != fine && *p == '0' && p + 1 != fine && p[1] >= '0' && p[1] <= '9') ++p;
    const char* inizio = p;
    int64_t intera = 0;
    while (p != fine && static_cast<unsigned char>(*p - '0') < 10) {
        if (p - inizio >= 12) return std::nullopt;
        intera = intera * 10 + (*p - '0');
        ++p;
    }
    const bool cifreIntere = p != inizio;
    int64_t frazione = 0;  // the first four decimals
    int cifreFrazione = 0;
    int decisiva = -1;     // the fifth decimal
    bool resto = false;    // any non-zero digit after the fifth
    if (p != fine && *p == ',') {
        ++p;
        while (p != fine && static_cast<unsigned char>(*p - '0') < 10) {
            const int c = *p - '0';
            if (cifreFrazione < 4) frazione = frazione * 10 + c;
            else if (cifreFrazione == 4) decisiva = c;
            else resto = resto || c != 0;
            ++cifreFrazione;
            ++p;
        }
    }
    if (p != fine || (!cifreIntere && cifreFrazione == 0)) return std::nullopt;
    static constexpr int64_t potenze[5] = {10000, 1000, 100, 10, 1};
    frazione *= potenze[cifreFrazione < 4 ? cifreFrazione : 4];
    int64_t n = intera * Scala + frazione;
    if (decisiva > 5 || (decisiva == 5 && (resto || (n % 2 != 0)))) n += 1;
    if (n > Limite) return std::nullopt;
    return daDecimillesimi(negativo ? -n : n);
}

std::optional<ValoreFisso> ValoreFisso::daDouble(double x) {
    const auto n = ArrotondaPari(x, 4);
    if (!n || *n > Limite || *n < -Limite) return std::nullopt;
    return daDecimillesimi(*n);
}

std::string ValoreFisso::testo() const {
    // Written backwards into a small buffer: sizes are formatted on every edit.
    char buf[32];
    char* fine = buf + sizeof buf;
    char* p = fine;
    uint64_t a = n_ < 0 ? static_cast<uint64_t>(-(n_ + 1)) + 1 : static_cast<uint64_t>(n_);
    uint64_t f = a % Scala;
    uint64_t intera = a / Scala;
    if (f != 0) {
        int cifre = 4;
        while (f % 10 == 0) { f /= 10; --cifre; }
        for (int i = 0; i < cifre; ++i) { *--p = static_cast<char>('0' + f % 10); f /= 10; }
        *--p = ',';
    }
    do { *--p = static_cast<char>('0' + intera % 10); intera /= 10; } while (intera != 0);
    if (n_ < 0) *--p = '-';
    return std::string(p, fine);
}

ValoreFisso ValoreFisso::arrotondato(int decimali) const {
    int64_t passo = 1;
    for (int i = decimali; i < 4; ++i) passo *= 10;
    return daDecimillesimi(DividiPari(n_, passo) * passo);
}

}  // namespace vk
