#pragma once
// Signed fixed-point number with four decimals: every size in Micro, every
// value in cents and every frequency of the program.
#include <cfloat>
#include <cmath>
#include <compare>
#include <cstdint>
#include <cstring>
#include <optional>
#include <string>
#include <string_view>

// The fast rounding below relies on IEEE doubles rounded to the nearest:
// -ffast-math would let it truncate.
#ifdef __FAST_MATH__
#error "VelmoraKOV's roundings need IEEE arithmetic: build without -ffast-math"
#endif

namespace vk {

class ValoreFisso {
public:
    static constexpr int64_t Scala = 10000;
    // Largest magnitude accepted from text or double: far enough from the
    // int64 limit that sums of many sizes cannot overflow.
    static constexpr int64_t Limite = 1'000'000'000'000'000;  // 1e11 units

    constexpr ValoreFisso() = default;
    static constexpr ValoreFisso daDecimillesimi(int64_t n) { ValoreFisso v; v.n_ = n; return v; }
    static constexpr ValoreFisso intero(int64_t u) { return daDecimillesimi(u * Scala); }

    // Exact decimal parse: optional "-", digits, one optional decimal comma.
    // More than four decimals round on the digits, ties to even.
    static std::optional<ValoreFisso> daTesto(std::string_view t);
    // Nearest ten-thousandth of the exact value of x, ties to even; nullopt
    // when not finite or too large. Only for values that went through a
    // power, a root or a logarithm: a quotient of two decimals is rounded
    // exactly by Proporzione or ProporzioneDiTesto.
    static std::optional<ValoreFisso> daDouble(double x);

    // Written form: decimal comma, no trailing zeros, "0," before a fraction.
    std::string testo() const;
    // The same form written into the 32 bytes before `fine`; returns its start.
    char* scriviFinoA(char* fine) const;
    double comeDouble() const { return static_cast<double>(n_) / static_cast<double>(Scala); }
    constexpr int64_t decimillesimi() const { return n_; }

    // Whether its written form reads back: the files hold nothing larger.
    constexpr bool leggibile() const { return n_ >= -Limite && n_ <= Limite; }

    // Rounded to `decimali` (0..4) decimals, ties to even.
    constexpr ValoreFisso arrotondato(int decimali) const;

    constexpr ValoreFisso operator-() const { return daDecimillesimi(-n_); }
    constexpr ValoreFisso operator+(ValoreFisso o) const { return daDecimillesimi(n_ + o.n_); }
    constexpr ValoreFisso operator-(ValoreFisso o) const { return daDecimillesimi(n_ - o.n_); }
    constexpr ValoreFisso& operator+=(ValoreFisso o) { n_ += o.n_; return *this; }
    constexpr ValoreFisso& operator-=(ValoreFisso o) { n_ -= o.n_; return *this; }
    constexpr ValoreFisso operator*(int64_t k) const { return daDecimillesimi(n_ * k); }
    constexpr auto operator<=>(const ValoreFisso&) const = default;

private:
    int64_t n_ = 0;
};

// Integer division rounding to nearest, ties to even (d > 0). Inline, so
// that a constant divisor becomes a multiplication.
constexpr int64_t DividiPari(int64_t a, int64_t d) {
    int64_t q = a / d;
    int64_t r = a % d;
    if (r < 0) { r += d; q -= 1; }  // floor division
    const int64_t due = 2 * r;
    if (due > d || (due == d && (q % 2 != 0))) q += 1;
    return q;
}

// The same on 128 bits, for products of a count and a scale.
constexpr int64_t DividiPari128(__int128 a, int64_t d) {
    __int128 q = a / d;
    __int128 r = a % d;
    if (r < 0) { r += d; q -= 1; }
    const __int128 due = 2 * r;
    if (due > d || (due == d && (q % 2 != 0))) q += 1;
    return static_cast<int64_t>(q);
}

// x * P / Q to the nearest ten-thousandth of the exact quotient, ties to
// even. A size divided by 1417,68 or by 396 can fall exactly on a tie, which
// a double beside it would decide the wrong way. Only where P <= Q, so that
// the result is no larger than x and fits; a larger factor goes through
// ProporzioneDiTesto, which says when the result is past the limit.
template <int64_t P, int64_t Q>
    requires(P > 0 && P <= Q)
constexpr ValoreFisso Proporzione(ValoreFisso x) {
    const int64_t n = x.decimillesimi();
    // The usual sizes take 64 bits.
    constexpr int64_t Sicuro = INT64_MAX / P;
    if (n <= Sicuro && n >= -Sicuro) return ValoreFisso::daDecimillesimi(DividiPari(n * P, Q));
    return ValoreFisso::daDecimillesimi(DividiPari128(static_cast<__int128>(n) * P, Q));
}

// A number text (optional "-", digits, at most one decimal comma, any number
// of digits) times p / q (p, q > 0), to the nearest ten-thousandth of the
// exact value, ties to even; nullopt when the text is no number or the result
// lies beyond the limit.
std::optional<ValoreFisso> ProporzioneDiTesto(std::string_view testo, uint32_t p, uint32_t q);

constexpr ValoreFisso ValoreFisso::arrotondato(int decimali) const {
    int64_t passo = 1;
    for (int i = decimali; i < 4; ++i) passo *= 10;
    return daDecimillesimi(DividiPari(n_, passo) * passo);
}

// x times 10^decimali (0..5) to the nearest integer, ties to even, decided
// on the exact value of x rather than on the rounded product; nullopt when
// not finite or from 2^53 on.
std::optional<int64_t> ArrotondaPariEsatto(double x, int decimali);

// 10^decimali for the two above.
inline constexpr double PotenzeDieci[6] = {1, 10, 100, 1000, 10000, 100000};

// The same, inline where the product is below 2^52 and lies off a half, as
// nearly every product does: adding 2^52 leaves it no fraction, rounded to
// the nearest, ties to even. The rest goes to ArrotondaPariEsatto.
inline std::optional<int64_t> ArrotondaPari(double x, int decimali) {
    static_assert(FLT_EVAL_METHOD == 0, "doubles evaluated as doubles");
    const double p = x * PotenzeDieci[decimali];
    if (std::fabs(p) < 0x1p52) {
        const double m = std::copysign(0x1p52, p);
        const double n = (p + m) - m;
        if (std::fabs(p - n) != 0.5) return static_cast<int64_t>(n);
    }
    return ArrotondaPariEsatto(x, decimali);
}

// Text helpers for fields held as text: the number, or nullopt when the text is none.
inline std::optional<ValoreFisso> Numero(std::string_view t) { return ValoreFisso::daTesto(t); }
// Written form of a number held as text.
inline std::string Testo(ValoreFisso v) { return v.testo(); }
// Writes v's written form into a field held as text only when it differs, so
// a commit that recomputes every field copies only what changed.
void AggiornaTesto(std::string& campo, ValoreFisso v);

template <class Parola>
bool UgualiAiBordi(const char* a, const char* b, size_t n) {
    Parola pa, pb, ua, ub;
    std::memcpy(&pa, a, sizeof pa);
    std::memcpy(&pb, b, sizeof pb);
    std::memcpy(&ua, a + n - sizeof ua, sizeof ua);
    std::memcpy(&ub, b + n - sizeof ub, sizeof ub);
    return pa == pb && ua == ub;
}

// Whether two texts are equal, the short ones compared as two overlapping
// words (their first and their last bytes) rather than through a call: the
// fields a commit compares hold a handful of characters.
[[gnu::always_inline]] inline bool StessoTesto(std::string_view a, std::string_view b) {
    const size_t n = a.size();
    if (n != b.size()) return false;
    if (n > 16) return a == b;
    if (n >= 8) return UgualiAiBordi<uint64_t>(a.data(), b.data(), n);
    if (n >= 4) return UgualiAiBordi<uint32_t>(a.data(), b.data(), n);
    if (n >= 2) return UgualiAiBordi<uint16_t>(a.data(), b.data(), n);
    return n == 0 || a[0] == b[0];
}

}  // namespace vk
