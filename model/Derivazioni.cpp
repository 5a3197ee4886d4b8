#include "model/Derivazioni.h"

#include "common/Micro.h"

namespace vk {

std::optional<std::array<ValoreFisso, 13>> Numeri(const Dodici& d, int fino) {
    std::array<ValoreFisso, 13> v{};
    for (int k = 1; k <= fino; ++k) {
        auto n = Numero(d[k]);
        if (!n) return std::nullopt;
        v[k] = *n;
    }
    return v;
}

namespace {

std::array<ValoreFisso, 12> Posizioni(const std::array<ValoreFisso, 13>& Q) {
    const ValoreFisso O = Micro::Ottava;
    enum { DO, DOd, RE, REd, MI, FA, FAd, SOL, SOLd, LA, LAd, SI };
    std::array<ValoreFisso, 12> p{};
    p[DO] = ValoreFisso();
    p[SOL] = Q[1];
    p[RE] = p[SOL] + Q[2] - O;
    p[LA] = p[RE] + Q[3];
    p[MI] = p[LA] + Q[4] - O;
    p[SI] = p[MI] + Q[5];
    p[FAd] = p[SI] + Q[6] - O;
    p[DOd] = p[FAd] + Q[7] - O;
    p[SOLd] = p[DOd] + Q[8];
    p[REd] = p[SOLd] + Q[9] - O;
    p[LAd] = p[REd] + Q[10];
    p[FA] = p[LAd] + Q[11] - O;
    return p;
}

}  // namespace

DerivatiMicro DerivaDaQuinte(const std::array<ValoreFisso, 13>& quinte) {
    const auto p = Posizioni(quinte);
    const ValoreFisso O = Micro::Ottava;
    DerivatiMicro d;
    // Semitone n: from chromatic note n-1 to note n (the upper DO is O).
    for (int n = 1; n <= 12; ++n) {
        ValoreFisso alto = n == 12 ? O : p[n];
        d.semitoni[n] = alto - p[n - 1];
    }
    // Third k stands on the lower note of fifth k; the notes of the circle
    // in chromatic index: DO SOL RE LA MI SI FA# DO# SOL# RE# LA# FA.
    static constexpr int cerchio[12] = {0, 7, 2, 9, 4, 11, 6, 1, 8, 3, 10, 5};
    for (int k = 1; k <= 12; ++k) {
        int basso = cerchio[k - 1];
        int alto = cerchio[(k - 1 + 4) % 12];
        ValoreFisso su = alto == 0 ? O : p[alto];
        if (k == 4 || k == 6 || k == 11) su += O;  // upper note one octave higher
        d.terze[k] = su - p[basso];
    }
    return d;
}

bool DerivatiLeggibili(const std::array<ValoreFisso, 13>& quinte) {
    for (int k = 1; k <= 12; ++k)
        if (!quinte[k].leggibile()) return false;
    const DerivatiMicro d = DerivaDaQuinte(quinte);
    for (int k = 1; k <= 12; ++k)
        if (!d.semitoni[k].leggibile() || !d.terze[k].leggibile()) return false;
    return true;
}

std::optional<std::array<ValoreFisso, 13>> QuinteNumeri(const Temperamento& t) { return Numeri(t.Quinte, 12); }

namespace {

// Largest (from 0) minus smallest (from 200) of twelve semitone cents.
ValoreFisso Scarto(const std::array<ValoreFisso, 13>& cents) {
    ValoreFisso massimo = ValoreFisso::intero(0);
    ValoreFisso minimo = ValoreFisso::intero(200);
    for (int n = 1; n <= 12; ++n) {
        if (cents[n] > massimo) massimo = cents[n];
        if (cents[n] < minimo) minimo = cents[n];
    }
    return massimo - minimo;
}

}  // namespace

ValoreFisso ScartoDaCents(const std::array<ValoreFisso, 13>& semitoniCents) { return Scarto(semitoniCents); }

std::optional<ValoreFisso> ScartoDaCents(const Dodici& semitoniCents) {
    auto c = Numeri(semitoniCents, 12);
    if (!c) return std::nullopt;
    return Scarto(*c);
}

}  // namespace vk
