// Timing of the hot paths of a fifth edit.
#include <benchmark/benchmark.h>

#include "common/Micro.h"
#include "model/ApplicaQuinte.h"
#include "model/TabellaFrazioni.h"

using namespace vk;

namespace {

// Fifth 5 moved by a schisma and back, each move committed as an edit is.
void Completa(benchmark::State& s, Temperamento t) {
    t.QuintaSelezionata = 5;
    const std::string prima = t.Quinte[5];
    const std::string dopo = Testo(*Numero(prima) + Micro::Schisma);
    bool su = true;
    for (auto _ : s) {
        t.Quinte[5] = su ? dopo : prima;
        su = !su;
        ApplicaQuinte(t, {}, OpzioniCompletamento(5));
        benchmark::DoNotOptimize(t.ScartoSemitonale.data());
    }
}

// The equal temperament, whose sizes repeat side by side as most do.
void CompletamentoQuinta(benchmark::State& s) { Completa(s, TemperamentoIniziale()); }

// Twelve different fifths, so that no size repeats.
void CompletamentoQuintaDiverse(benchmark::State& s) {
    Temperamento t = TemperamentoIniziale();
    ValoreFisso somma;
    for (int k = 1; k <= 11; ++k) {
        t.Quinte[k] = Testo(Micro::QuintaEquabile + ValoreFisso::intero(97 * k - 500));
        somma += *Numero(t.Quinte[k]);
    }
    t.Quinte[12] = Testo(Micro::SetteOttave - somma);
    ApplicaQuinte(t, {}, OpzioniQuinte{});
    Completa(s, t);
}

void RicercaNome(benchmark::State& s) {
    const auto& tab = TabellaFrazioni::Sintoniche();
    const ValoreFisso v = ValoreFisso::intero(1022590);
    for (auto _ : s) benchmark::DoNotOptimize(CercaFrazione(tab, v));
}

}  // namespace

BENCHMARK(CompletamentoQuinta);
BENCHMARK(CompletamentoQuintaDiverse);
BENCHMARK(RicercaNome);

BENCHMARK_MAIN();
