#pragma once
// Start-up without widgets: the splash delay, its random numbers and clock,
// and the main window's load sequence as one function over hooks.
#include <array>
#include <cstdint>
#include <functional>
#include <random>
#include <string>

#include "common/Geometria.h"

namespace vk {

struct StatoPrincipale;

// The ten delays of the splash window, k = 1..10 (element 0 unused).
inline constexpr std::array<int, 11> RitardiSplash = {0,    2000, 2025, 2050, 2075, 2100,
                                                      2125, 2150, 2200, 2250, 2300};
inline constexpr int IntervalloScaricaSplash = 2000;  // TmrScaricaSplash, ms

// k in 1..10 from r (0 <= r < 1), the minute and the hour: the floor of
// 10 (r + m/60 - h/25), taken modulo 10 upwards, plus one. In double; a
// negative product rounds down.
int IndiceRitardo(float r, int minuto, int ora);
inline int RitardoSplash(float r, int minuto, int ora) {
    return RitardiSplash[static_cast<size_t>(IndiceRitardo(r, minuto, ora))];
}

struct OraDelGiorno {
    int ora = 0;     // 0..23
    int minuto = 0;  // 0..59
};
// The local time of day.
OraDelGiorno OraCorrente();
// A seed from the system timer, new at every start.
uint32_t SemeDaOrologio();

// Single-precision numbers in [0, 1) from a seeded std::mt19937.
class GeneratoreCasuale {
public:
    void semina(uint32_t seme) { g_.seed(seme); }
    float prossimo();

private:
    std::mt19937 g_;
};

// The steps of the main window's load sequence. An empty hook is a step whose
// subsystem is not there: it is skipped, and a replay without its click
// leaves the stored caption as it is.
struct PassiCaricamento {
    std::function<void()> sondaCartelle;         // 1: the data folder and the proposed files
    std::function<void()> caricaImpostazioni;    // 2: the settings file
    std::function<void()> command9Click;         // 3: replay of "No Colori Quinte"
    std::function<void()> aggiornaNomiNote;      // 4: note names in the stored notation
    std::function<void()> cmdTastieraClick;      // 5: replay of "Tast"
    std::function<void()> cmdMostraIstoClick;    // 6: replay of "Ist N"
    std::function<void()> mostraInfoIstogrammi;  // 7: the stored information step
    std::function<void()> vistaTabella;          // 8: the key table opens on its table view
    std::function<void()> adattaSchermo;         // 9: re-layout, only on another screen height
    std::function<void()> aggiornaIstogrammi;    // 9: then the bars at the new size
};

// Runs the nine steps in order on a screen of the given size.
void SequenzaCaricamento(StatoPrincipale& s, const PassiCaricamento& passi, DimensioniSchermo schermo);

// The steps as the program runs them on its state: the probe of this
// machine's folders (`cartellaEseguibile` places the copy beside the
// program), the settings file of the data folder, the buttons' own clicks,
// the re-layout over the registry and the bars, which then follow the new
// height.
PassiCaricamento PassiPredefiniti(StatoPrincipale& s, std::string cartellaEseguibile);

// Step 8 on the state: FraCopreIstogrammi moves to Left 1740, Top 795 (when
// registered), turns &HE9DCD3 and shows.
void PreparaVistaTabella(StatoPrincipale& s);

}  // namespace vk
