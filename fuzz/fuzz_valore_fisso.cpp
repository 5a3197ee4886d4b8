// The number parser on any text, against an oracle that works on the digits
// as strings: the value is the text's exact decimal rounded to four decimals,
// ties to even, and nothing past 1e11 is a number. Every number read writes
// to its one written form, which reads back to it. The Zadu-Rori boxes read
// the same number once their thousands points are dropped. A double from
// the input's bytes converts as its exact decimal expansion reads. The exact
// quotient of a text reads as the parser at 1 / 1, and by 1417,68 and 396
// rounds the exact rational, checked in 128 bits where its digits fit.
#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <cstdlib>
#include <optional>
#include <string>
#include <string_view>

#include "common/ValoreFisso.h"
#include "editing/ZaduRori.h"

namespace {

void Verifica(bool condizione) {
    if (!condizione) std::abort();
}

bool Cifra(char c) { return c >= '0' && c <= '9'; }

// Decimal digits plus one, as strings.
std::string PiuUno(std::string s) {
    for (size_t i = s.size(); i-- > 0;) {
        if (s[i] != '9') {
            ++s[i];
            return s;
        }
        s[i] = '0';
    }
    return "1" + s;
}

// Ten-thousandths of the text, or nullopt.
std::optional<int64_t> Oracolo(std::string_view t) {
    bool negativo = false;
    if (!t.empty() && t[0] == '-') {
        negativo = true;
        t.remove_prefix(1);
    }
    const size_t virgola = t.find(',');
    std::string_view intera = t.substr(0, virgola);
    std::string_view frazione = virgola == std::string_view::npos ? std::string_view() : t.substr(virgola + 1);
    if (intera.empty() && frazione.empty()) return std::nullopt;
    for (char c : intera)
        if (!Cifra(c)) return std::nullopt;
    for (char c : frazione)
        if (!Cifra(c)) return std::nullopt;
    // The comma moved four places right: the digits kept and those dropped.
    std::string quattro(frazione.substr(0, 4));
    quattro.resize(4, '0');
    std::string tenute = std::string(intera) + quattro;
    const std::string_view cadute = frazione.size() > 4 ? frazione.substr(4) : std::string_view();
    const size_t primo = tenute.find_first_not_of('0');
    tenute = primo == std::string::npos ? "0" : tenute.substr(primo);
    bool su = false;
    if (!cadute.empty() && cadute[0] > '5') su = true;
    if (!cadute.empty() && cadute[0] == '5') {
        const bool resto = cadute.substr(1).find_first_not_of('0') != std::string_view::npos;
        su = resto || (tenute.back() - '0') % 2 == 1;
    }
    if (su) tenute = PiuUno(tenute);
    const std::string limite = std::to_string(vk::ValoreFisso::Limite);
    if (tenute.size() > limite.size() || (tenute.size() == limite.size() && tenute > limite)) return std::nullopt;
    const int64_t n = std::stoll(tenute);
    return negativo ? -n : n;
}

// The written form: optional "-", no leading zeros, a comma only before
// decimals that do not end in zero.
bool FormaScritta(const std::string& s) {
    size_t i = s[0] == '-' ? 1 : 0;
    const size_t virgola = s.find(',');
    const std::string intera = s.substr(i, virgola == std::string::npos ? std::string::npos : virgola - i);
    if (intera.empty() || (intera.size() > 1 && intera[0] == '0')) return false;
    if (virgola == std::string::npos) return !(s[0] == '-' && intera == "0");
    const std::string frazione = s.substr(virgola + 1);
    return !frazione.empty() && frazione.size() <= 4 && frazione.back() != '0';
}

// daDouble against the exact decimal digits of x, which fixed notation with
// enough places writes out in full.
void VerificaDouble(double x) {
    if (!std::isfinite(x)) {
        Verifica(!vk::ValoreFisso::daDouble(x));
        return;
    }
    if (std::fabs(x) >= 1e12) {  // past the limit, whatever its digits
        Verifica(!vk::ValoreFisso::daDouble(x));
        return;
    }
    static char buf[1200];
    const auto [fine, ec] = std::to_chars(buf, buf + sizeof buf, x, std::chars_format::fixed, 1080);
    Verifica(ec == std::errc());
    std::string t(buf, fine);
    for (char& c : t)
        if (c == '.') c = ',';
    const auto atteso = Oracolo(t);
    const auto v = vk::ValoreFisso::daDouble(x);
    Verifica(v.has_value() == atteso.has_value());
    if (v) Verifica(v->decimillesimi() == *atteso);
}

// ProporzioneDiTesto(t, p, q) against D p 10^4 / (q 10^k) rounded to the
// nearest, ties to even, for texts of at most 18 digits and 12 decimals.
void VerificaProporzione(std::string_view t, uint32_t p, uint32_t q) {
    const auto v = vk::ProporzioneDiTesto(t, p, q);
    const bool negativo = !t.empty() && t[0] == '-';
    __int128 d = 0, dieciK = 1;
    int cifre = 0;
    bool virgola = false;
    for (char c : t.substr(negativo ? 1 : 0)) {
        if (c == ',' && !virgola) { virgola = true; continue; }
        if (c < '0' || c > '9') return Verifica(!v);
        d = d * 10 + (c - '0');
        if (virgola) dieciK *= 10;
        if (++cifre > 18 || dieciK > 1'000'000'000'000) return;
    }
    if (cifre == 0) return Verifica(!v);
    const __int128 num = d * p * 10000 * (negativo ? -1 : 1), den = __int128{q} * dieciK;
    // The integer nearest to num / den, ties to even: the result, or none
    // past the limit.
    __int128 atteso = num / den, resto = num % den;
    if (resto < 0) {
        resto += den;
        atteso -= 1;
    }
    if (2 * resto > den || (2 * resto == den && atteso % 2 != 0)) atteso += 1;
    if (atteso > vk::ValoreFisso::Limite || atteso < -vk::ValoreFisso::Limite) return Verifica(!v);
    Verifica(v && v->decimillesimi() == atteso);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* dati, size_t n) {
    const std::string_view testo(reinterpret_cast<const char*>(dati), n);
    const auto v = vk::ValoreFisso::daTesto(testo);
    const auto atteso = Oracolo(testo);
    Verifica(v.has_value() == atteso.has_value());
    if (v) {
        Verifica(v->decimillesimi() == *atteso);
        Verifica(v->leggibile());
        const std::string scritto = v->testo();
        Verifica(FormaScritta(scritto));
        Verifica(vk::ValoreFisso::daTesto(scritto) == v);
    }
    const auto intera = vk::ProporzioneDiTesto(testo, 1, 1);
    Verifica(intera.has_value() == atteso.has_value() && (!intera || intera->decimillesimi() == *atteso));
    // Any text: its limits lie elsewhere than the text's own.
    VerificaProporzione(testo, 100, 141768);
    VerificaProporzione(testo, 141768, 100);
    VerificaProporzione(testo, 1, 396);

    std::string senzaPunti;
    for (char c : testo)
        if (c != '.') senzaPunti += c;
    const auto digitato = vk::FissoDigitato(testo);
    if (digitato) Verifica(digitato == vk::ValoreFisso::daTesto(senzaPunti));

    // Any count of ten-thousandths within the limit writes and reads back.
    if (n >= 8) {
        int64_t grezzo = 0;
        for (int i = 0; i < 8; ++i) grezzo = (grezzo << 8) | dati[i];
        const int64_t m = grezzo % (vk::ValoreFisso::Limite + 1);
        const auto w = vk::ValoreFisso::daDecimillesimi(m);
        Verifica(vk::ValoreFisso::daTesto(w.testo()) == w);
        Verifica(FormaScritta(w.testo()));

        // The same bytes as a double, and a double near a tie of the fifth
        // decimal (where a rounded product goes wrong).
        double x = 0;
        std::memcpy(&x, dati, sizeof x);
        VerificaDouble(x);
        VerificaDouble(std::nextafter((static_cast<double>(m % 2'000'000'000'000) - 1e12 + 0.5) / 1e4,
                                      dati[0] % 2 ? HUGE_VAL : -HUGE_VAL));
    }
    return 0;
}
