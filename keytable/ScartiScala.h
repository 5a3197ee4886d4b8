#pragma once
// The key table's arithmetic: the cumulative sizes and the deviations of the
// eleven scale intervals of thirteen keys from just ratios, the euphony
// index and its word, the colour bands, the histogram heights and the key
// and note names. Cells are held as the texts they show.
#include <array>
#include <optional>
#include <string>

#include "app/Notazione.h"
#include "common/Colori.h"
#include "common/ValoreFisso.h"
#include "model/Temperamento.h"

namespace vk {

inline constexpr int TonalitaTavola = 13;
inline constexpr int IntervalliTavola = 11;
inline constexpr int CelleScarti = 143;   // lblScala(1..143): 13 keys x 11 intervals
inline constexpr int CelleTavola = 276;   // lblScala(0..275), 144..275 the cumulative sizes

// lblScala index of the deviation and of the cumulative size of interval iv
// above key k (the cumulative rows stop at key 12).
inline constexpr int CellaScarto(int k, int iv) { return 11 * (k - 1) + iv; }
inline constexpr int CellaCumulata(int k, int iv) { return 143 + 11 * (k - 1) + iv; }
// lblSequenzaScale(0..22): the semitone (1 DO-DO# .. 12 SI-DO) named by entry
// n = k - 1 + j, the step j above the tonic of key k; entry 0 is unused.
inline constexpr int SequenzaScale(int n) { return n == 0 ? 0 : (n - 1) % 12 + 1; }
inline constexpr int VociSequenzaScale = 23;
inline constexpr int SemitonoSopra(int k, int j) { return SequenzaScale(k - 1 + j); }

// lblProgressivi(1..11): the just sizes in Micro, built from the pure fifth
// and the pure major third within the octave.
inline constexpr std::array<int64_t, 12> ProgressiviNaturali = {
    0, 158400, 289080, 447480, 547668, 706068, 836748, 995148, 1153548, 1253736, 1442628, 1542816};
// The interval buttons' captions while no key is shown, and the labels above.
extern const std::array<const char*, 12> RapportiIntervalli;
extern const std::array<const char*, 12> EtichetteIntervalli;

namespace ColoriTavola {
inline constexpr ColoreVB VerdePallido = 0xDBFDE7;   // included in the free selection; behind DO
inline constexpr ColoreVB ArancioChiaro = 0xC0E0FF;  // the active preset
inline constexpr ColoreVB RossoScuro = 0xC0;         // text of the highlighted key
inline constexpr ColoreVB GrigioScuro = 0x404040;
inline constexpr ColoreVB Grigio = 0x808080;
inline constexpr ColoreVB SfondoSc = 0xCFEAFE;       // the opening button on the main screen
}  // namespace ColoriTavola

// The legend swatches lblLegenda(1..12), band 1 (most negative) to band 12,
// and lblLegenda(13), the white of an exact zero.
inline constexpr std::array<ColoreVB, 14> ColoriFasce = {0,        0xFF6699, 0xFF7961, 0xFFAD28, 0xFFD514,
                                                         0xFFFF00, 0xCCF069, 0x83E851, 0x60FFB0, 0x80FFFF,
                                                         0x80FF,   0x40FF,   0xFF00FF, 0xFFFFFF};
inline constexpr int FasciaZero = 13;

// lblNumLeg(1..11) as values; element 0 unused, 6 the fixed zero.
using LimitiFasce = std::array<ValoreFisso, 12>;
// The band of a deviation: 1..12, or FasciaZero for an exact zero. A value
// on a limit belongs to the band on the zero side.
int FasciaScarto(ValoreFisso x, const LimitiFasce& L);

// The rating word of an index: "Perfetta" at 0 down to "Pessima" for every
// index at or below -24,01.
std::string GiudizioEufonia(ValoreFisso indice);

// The deviation table of a temperament's semitones: cells 1..275 of
// lblScala. A semitone that is no number leaves the cells that need it empty.
std::array<std::string, CelleTavola> CalcolaTavolaScale(const Dodici& semitoni);
// lblEufonico(1..13) from the deviation cells: empty where a cell is no number.
std::array<std::string, 14> CalcolaIndiciEufonici(const std::array<std::string, CelleTavola>& lblScala);
// The index of one key from its six thirds' deviations, in the order tonic
// major third, mediant minor, subdominant major, dominant major, submediant
// minor, leading-note minor.
ValoreFisso IndiceEufonico(const std::array<ValoreFisso, 6>& terze);

// A filled bar of the key histogram, in twips of the screen (the height
// factor already applied).
struct BarraScala {
    float Top = 0, Height = 0;
};
inline constexpr double ScalaIstogramma = 9015.0 / 1701216.0;  // twips per Micro
inline constexpr float BaseIstogramma = 9975.0f;
// From an interval's size and its just size (Micro), with or without
// emphasis, on a screen of the given height in twips.
BarraScala AltezzaBarraScala(double dimensione, double naturale, bool enfasi, double altezzaSchermo);

// Key k's button caption in a notation; key 13 is SOLb.
std::string NomeTonalita(int k, Lingua l);
// The note that interval iv reaches from key k's tonic, in Italian.
std::string NotaIntervallo(int k, int iv);

// The key column from top to bottom (the circle of fifths): key, signature,
// the Top of its button and of its row of cells within the cover panel.
struct RigaTonalita {
    int tonalita;
    const char* alterazioni;
    float altoPulsante;
    float altoTabella;
};
extern const std::array<RigaTonalita, 13> RigheTonalita;

}  // namespace vk
