// Timing of the hot paths of a fifth edit.
#include <benchmark/benchmark.h>

#include "model/ApplicaQuinte.h"
#include "model/TabellaFrazioni.h"

using namespace vk;

static void CompletamentoQuinta(benchmark::State& s) {
    Temperamento t = TemperamentoIniziale();
    t.QuintaSelezionata = 5;
    bool su = true;
    for (auto _ : s) {
        t.Quinte[5] = su ? "995148" : "992376";
        su = !su;
        ApplicaQuinte(t, {}, OpzioniCompletamento(5));
        benchmark::DoNotOptimize(t.ScartoSemitonale.data());
    }
}
BENCHMARK(CompletamentoQuinta);

static void RicercaNome(benchmark::State& s) {
    const auto& tab = TabellaFrazioni::Sintoniche();
    const ValoreFisso v = ValoreFisso::intero(1022590);
    for (auto _ : s) benchmark::DoNotOptimize(CercaFrazione(tab, v));
}
BENCHMARK(RicercaNome);

BENCHMARK_MAIN();
