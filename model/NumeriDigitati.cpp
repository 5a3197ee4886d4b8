#include "model/NumeriDigitati.h"

#include <charconv>
#include <cmath>
#include <cstdlib>

#include "common/Micro.h"
#include "common/TestoDouble.h"

namespace vk {

namespace {

// The typed text without its thousands points, in the form from_chars
// reads ("-12.5"), or nullopt when it is no number.
std::optional<std::string> Normalizza(std::string_view testo, std::string& senzaPunti) {
    senzaPunti.clear();
    for (char c : testo)
        if (c != '.') senzaPunti += c;
    std::string_view s = senzaPunti;
    std::string out;
    size_t i = 0;
    if (i < s.size() && s[i] == '-') { out += '-'; ++i; }
    std::string intera, frazione;
    while (i < s.size() && s[i] >= '0' && s[i] <= '9') intera += s[i++];
    bool virgola = false;
    if (i < s.size() && s[i] == ',') {
        virgola = true;
        ++i;
        while (i < s.size() && s[i] >= '0' && s[i] <= '9') frazione += s[i++];
    }
    if (i != s.size() || (intera.empty() && frazione.empty())) return std::nullopt;
    out += intera.empty() ? "0" : intera;
    if (virgola && !frazione.empty()) out += '.' + frazione;
    return out;
}

}  // namespace

LetturaDigitata LeggiDigitato(std::string_view testo, NumeroDigitato& r) {
    std::string senzaPunti;
    auto norm = Normalizza(testo, senzaPunti);
    if (!norm) return LetturaDigitata::NonNumero;
    auto fisso = ValoreFisso::daTesto(senzaPunti);
    if (!fisso) return LetturaDigitata::TroppoGrande;
    double x = 0;
    auto [p, ec] = std::from_chars(norm->data(), norm->data() + norm->size(), x);
    if (ec != std::errc() || p != norm->data() + norm->size() || !std::isfinite(x))
        return LetturaDigitata::TroppoGrande;
    r = {*fisso, x};
    return LetturaDigitata::Numero;
}

std::optional<ValoreFisso> FissoDigitato(std::string_view testo) {
    NumeroDigitato n{};
    if (LeggiDigitato(testo, n) != LetturaDigitata::Numero) return std::nullopt;
    return n.fisso;
}

std::optional<std::string> TestoQuindiciCifre(double q) {
    // Far beyond any ValoreFisso from 1E+16 on.
    if (!std::isfinite(q) || std::fabs(q) >= 1e16) return std::nullopt;
    return TestoDouble(q);
}

std::optional<ValoreFisso> ArrotondaQuintaEasy(double q) {
    auto testo = TestoQuindiciCifre(q);
    if (!testo) return std::nullopt;
    return ValoreFisso::daTesto(*testo);
}

namespace {

// Cents held in single precision, times 10000 in single precision, then to
// whole ten-thousandths and to hundredths, both ties to even.
std::optional<ValoreFisso> CentesimiDaSingola(float cents) {
    const float b = static_cast<float>(static_cast<double>(cents) * 10000.0);
    // b is already the product: its own rounding to an integer is the one step.
    const auto decimillesimi = ArrotondaPari(static_cast<double>(b), 0);
    if (!decimillesimi) return std::nullopt;
    const int64_t centesimi = DividiPari(*decimillesimi, 100);
    if (centesimi > ValoreFisso::Limite / 100 || centesimi < -ValoreFisso::Limite / 100) return std::nullopt;
    return ValoreFisso::daDecimillesimi(centesimi * 100);
}

// A number text of the program (decimal comma, no separators) as float.
std::optional<float> SingolaDaTesto(std::string_view testo) {
    std::string t(testo);
    for (char& c : t)
        if (c == ',') c = '.';
    float x = 0;
    auto [p, ec] = std::from_chars(t.data(), t.data() + t.size(), x);
    if (t.empty() || ec != std::errc() || p != t.data() + t.size() || !std::isfinite(x)) return std::nullopt;
    return x;
}

}  // namespace

std::optional<ValoreFisso> CentsSingolaPrecisione(std::string_view testo) {
    std::string senzaPunti;
    auto norm = Normalizza(testo, senzaPunti);
    if (!norm) return std::nullopt;
    float m = 0;
    auto [p, ec] = std::from_chars(norm->data(), norm->data() + norm->size(), m);
    if (ec != std::errc() || !std::isfinite(m)) return std::nullopt;
    return CentesimiDaSingola(static_cast<float>(static_cast<double>(m) / Micro::PerCent));
}

std::optional<ValoreFisso> CentsSingolaDaCents(std::string_view cents) {
    auto x = SingolaDaTesto(cents);
    if (!x || cents.find('.') != std::string_view::npos) return std::nullopt;
    return CentesimiDaSingola(*x);
}

}  // namespace vk
