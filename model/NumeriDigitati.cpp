#include "model/NumeriDigitati.h"

#include <charconv>
#include <cmath>
#include <cstdlib>

#include "common/Micro.h"

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
    if (!std::isfinite(q)) return std::nullopt;
    // Fifteen significant digits: "d.dddddddddddddde+XX".
    char buf[64];
    auto [fine, ec] = std::to_chars(buf, buf + sizeof buf, q, std::chars_format::scientific, 14);
    if (ec != std::errc()) return std::nullopt;
    std::string_view s(buf, static_cast<size_t>(fine - buf));
    bool negativo = s.front() == '-';
    if (negativo) s.remove_prefix(1);
    size_t e = s.find('e');
    std::string cifre;
    for (char c : s.substr(0, e))
        if (c != '.') cifre += c;
    const int esponente = std::atoi(std::string(s.substr(e + 1)).c_str());
    if (esponente > 15) return std::nullopt;  // far beyond any ValoreFisso
    // The digits as plain decimal text with the comma after esponente + 1 digits.
    std::string testo;
    const int intere = esponente + 1;
    if (intere <= 0) {
        testo = "0," + std::string(static_cast<size_t>(-intere), '0') + cifre;
    } else if (intere >= static_cast<int>(cifre.size())) {
        testo = cifre + std::string(static_cast<size_t>(intere) - cifre.size(), '0');
    } else {
        testo = cifre.substr(0, static_cast<size_t>(intere)) + "," + cifre.substr(static_cast<size_t>(intere));
    }
    if (testo.find(',') != std::string::npos) {
        while (testo.back() == '0') testo.pop_back();
        if (testo.back() == ',') testo.pop_back();
    }
    if (negativo && testo != "0") testo.insert(0, 1, '-');
    return testo;
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
    const double decimillesimi = std::nearbyint(static_cast<double>(b));
    const double centesimi = std::nearbyint(decimillesimi / 100.0);
    if (!std::isfinite(centesimi) || std::fabs(centesimi) * 100.0 > static_cast<double>(ValoreFisso::Limite))
        return std::nullopt;
    return ValoreFisso::daDecimillesimi(static_cast<int64_t>(centesimi) * 100);
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
