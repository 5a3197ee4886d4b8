#include "common/ValoreFisso.h"

#include <cmath>
#include <cstdint>
#include <vector>

namespace vk {

namespace {

// Ten-thousandths in one unit of the last digit of a fraction written with 0..4 decimals.
constexpr int64_t ScalaDecimali[5] = {10000, 1000, 100, 10, 1};

}  // namespace

std::optional<int64_t> ArrotondaPariEsatto(double x, int decimali) {
    const double s = PotenzeDieci[decimali];
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
    frazione *= ScalaDecimali[cifreFrazione < 4 ? cifreFrazione : 4];
    int64_t n = intera * Scala + frazione;
    if (decisiva > 5 || (decisiva == 5 && (resto || (n % 2 != 0)))) n += 1;
    if (n > Limite) return std::nullopt;
    return daDecimillesimi(negativo ? -n : n);
}

namespace {

// Decimal digits, most significant first, as values 0..9.
using Cifre = std::vector<uint8_t>;

// c * m (m < 2^32), in place.
void Moltiplica(Cifre& c, uint32_t m) {
    uint64_t riporto = 0;
    for (auto i = c.size(); i-- > 0;) {
        const uint64_t v = uint64_t{c[i]} * m + riporto;
        c[i] = static_cast<uint8_t>(v % 10);
        riporto = v / 10;
    }
    while (riporto != 0) {
        c.insert(c.begin(), static_cast<uint8_t>(riporto % 10));
        riporto /= 10;
    }
}

// A number text as the whole number D of its digits, without leading zeros
// or trailing decimal zeros, and the count k of its decimals: its value is
// D / 10^k.
struct Decimale {
    bool negativo = false;
    Cifre cifre;
    size_t decimali = 0;
};

std::optional<Decimale> LeggiDecimale(std::string_view testo) {
    Decimale d;
    d.negativo = !testo.empty() && testo.front() == '-';
    if (d.negativo) testo.remove_prefix(1);
    d.cifre.reserve(testo.size() + 12);
    bool virgola = false, unaCifra = false;
    for (char c : testo) {
        if (c >= '0' && c <= '9') {
            unaCifra = true;
            if (virgola) ++d.decimali;
            if (!d.cifre.empty() || c != '0') d.cifre.push_back(static_cast<uint8_t>(c - '0'));
        } else if (c == ',' && !virgola) {
            virgola = true;
        } else {
            return std::nullopt;
        }
    }
    if (!unaCifra) return std::nullopt;
    while (d.decimali > 0 && !d.cifre.empty() && d.cifre.back() == 0) {
        d.cifre.pop_back();
        --d.decimali;
    }
    return d;
}

// The digits c, whose last `coda` are a fraction t in [0, 1) after the whole
// number A, divided by q and rounded to the nearest integer, ties to even:
// A / q gives Q and the remainder R, and R + t against q / 2 decides whether
// Q goes up. nullopt when the result lies past the limit.
std::optional<int64_t> DividiArrotondando(const Cifre& c, size_t coda, uint32_t q) {
    const size_t fine = c.size() > coda ? c.size() - coda : 0;
    uint64_t quoziente = 0, resto = 0;
    for (size_t i = 0; i < fine; ++i) {
        resto = resto * 10 + c[i];
        const uint64_t cifra = resto / q;
        resto %= q;
        if (quoziente > (static_cast<uint64_t>(ValoreFisso::Limite) - cifra) / 10) return std::nullopt;
        quoziente = quoziente * 10 + cifra;
    }
    // t against one half, where missing digits of the fraction are leading zeros.
    bool zero = true;
    for (size_t i = fine; i < c.size(); ++i) zero = zero && c[i] == 0;
    int controMezzo = -1;
    if (!zero && c.size() - fine == coda) {
        controMezzo = c[fine] > 5 ? 1 : c[fine] < 5 ? -1 : 0;
        for (size_t i = fine + 1; controMezzo == 0 && i < c.size(); ++i)
            if (c[i] != 0) controMezzo = 1;
    }
    // 2 (R + t) against q: with t = 0, 2 R alone; else 2 t in (0, 2) tips it
    // only where 2 R + 1 is q.
    const uint64_t doppio = 2 * resto;
    int confronto = -1;
    if (zero) confronto = (doppio > q) - (doppio < q);
    else if (doppio >= q) confronto = 1;
    else if (doppio + 1 == q) confronto = controMezzo;
    if (confronto > 0 || (confronto == 0 && quoziente % 2 != 0)) ++quoziente;
    // The limit itself rounded up.
    if (quoziente > static_cast<uint64_t>(ValoreFisso::Limite)) return std::nullopt;
    return static_cast<int64_t>(quoziente);
}

}  // namespace

std::optional<ValoreFisso> ProporzioneDiTesto(std::string_view testo, uint32_t p, uint32_t q) {
    // The result is D * p * 10^4 / (q * 10^k): D * p with 4 - k zeros after
    // it, or with its last k - 4 digits a fraction, divided by q.
    auto d = LeggiDecimale(testo);
    if (!d) return std::nullopt;
    Moltiplica(d->cifre, p);
    size_t coda = 0;
    if (d->decimali <= 4) d->cifre.insert(d->cifre.end(), 4 - d->decimali, 0);
    else coda = d->decimali - 4;
    const auto n = DividiArrotondando(d->cifre, coda, q);
    if (!n) return std::nullopt;
    return ValoreFisso::daDecimillesimi(d->negativo ? -*n : *n);
}

std::optional<ValoreFisso> ValoreFisso::daDouble(double x) {
    const auto n = ArrotondaPari(x, 4);
    if (!n || *n > Limite || *n < -Limite) return std::nullopt;
    return daDecimillesimi(*n);
}

namespace {

// "00" to "99": two digits per division, as sizes are formatted on every edit.
constexpr char Coppie[] =
    "0001020304050607080910111213141516171819202122232425262728293031323334353637383940414243444546474849"
    "5051525354555657585960616263646566676869707172737475767778798081828384858687888990919293949596979899";

char* DueCifre(char* p, uint32_t n) {
    p -= 2;
    p[0] = Coppie[2 * n];
    p[1] = Coppie[2 * n + 1];
    return p;
}

}  // namespace

char* ValoreFisso::scriviFinoA(char* fine) const {
    // Written backwards, from the last decimal.
    char* p = fine;
    const uint64_t a = n_ < 0 ? static_cast<uint64_t>(-(n_ + 1)) + 1 : static_cast<uint64_t>(n_);
    uint64_t intera = a / Scala;
    if (const auto f = static_cast<uint32_t>(a % Scala); f != 0) {
        char cifre[4];
        DueCifre(DueCifre(cifre + 4, f % 100), f / 100);
        int n = 4;
        while (cifre[n - 1] == '0') --n;
        p -= n;
        for (int i = 0; i < n; ++i) p[i] = cifre[i];
        *--p = ',';
    }
    while (intera > UINT32_MAX) {
        p = DueCifre(p, static_cast<uint32_t>(intera % 100));
        intera /= 100;
    }
    // Sizes and cents fit in 32 bits, whose divisions are cheaper.
    auto i32 = static_cast<uint32_t>(intera);
    while (i32 >= 100) {
        p = DueCifre(p, i32 % 100);
        i32 /= 100;
    }
    if (i32 >= 10) p = DueCifre(p, i32);
    else *--p = static_cast<char>('0' + i32);
    if (n_ < 0) *--p = '-';
    return p;
}

std::string ValoreFisso::testo() const {
    char buf[32];
    char* fine = buf + sizeof buf;
    return std::string(scriviFinoA(fine), fine);
}

namespace {

// Whether `t` is exactly the written form of `v`: read forward as that form
// (no leading zero, no trailing decimal zero, at most four decimals) and its
// number compared, which costs less than writing the form out. The digits
// stop at the terminating NUL; the end is checked against the size.
bool ScrittoCome(const std::string& t, ValoreFisso v) {
    const int64_t n = v.decimillesimi();
    const char* p = t.c_str();
    const char* const fine = p + t.size();
    if (n < 0 && *p++ != '-') return false;
    auto leggi = [&p](uint64_t& x) {
        for (unsigned c; (c = static_cast<unsigned char>(*p) - unsigned{'0'}) < 10; ++p) x = x * 10 + c;
    };
    const char* const inizio = p;
    uint64_t intera = 0;
    leggi(intera);
    // The int64 range has 15 whole digits.
    const auto cifreIntere = p - inizio;
    if (cifreIntere == 0 || cifreIntere > 15 || (*inizio == '0' && cifreIntere > 1)) return false;
    uint64_t frazione = 0;
    if (p != fine) {
        if (*p != ',') return false;
        const char* const decimali = ++p;
        leggi(frazione);
        const auto cifreFrazione = p - decimali;
        if (p != fine || cifreFrazione == 0 || cifreFrazione > 4 || p[-1] == '0') return false;
        frazione *= static_cast<uint64_t>(ScalaDecimali[cifreFrazione]);
    }
    const uint64_t a = n < 0 ? static_cast<uint64_t>(-(n + 1)) + 1 : static_cast<uint64_t>(n);
    return intera * ValoreFisso::Scala + frazione == a;
}

// The written form of v into the field; apart, so that the check before it
// needs no buffer.
[[gnu::noinline]] void Riscrivi(std::string& campo, ValoreFisso v) {
    char buf[32];
    char* fine = buf + sizeof buf;
    const char* p = v.scriviFinoA(fine);
    campo.assign(p, static_cast<size_t>(fine - p));
}

}  // namespace

void AggiornaTesto(std::string& campo, ValoreFisso v) {
    if (!ScrittoCome(campo, v)) Riscrivi(campo, v);
}

}  // namespace vk
