#pragma once
// The frequency table FraTabellaFrequenze: the 121 notes of the current
// temperament over ten octaves, from the LA of octave 5 (the reference cell),
// each octave rounded to its own number of decimals. Every cell, caption and
// hidden label is held as the text or colour the screen shows.
#include <array>
#include <optional>
#include <string>
#include <string_view>

#include "common/Colori.h"
#include "common/RipetizioneAutomatica.h"
#include "common/ValoreFisso.h"

namespace vk {

struct Temperamento;

namespace ColoriFrequenze {
inline constexpr ColoreVB Freccia = 0xFFFFC0;        // "<" and ">", at all times
inline constexpr ColoreVB Riferimento = 0x0000FF;    // text of the reference cell
}  // namespace ColoriFrequenze

inline constexpr int CellaRiferimento = 58;
inline constexpr int IntervalloDiapason = 60;  // ms between two steps of the reference
inline constexpr int OttavaUnita = 4296;       // one octave in Unità4296

inline constexpr uint32_t MicroPerUnita = 396;  // 1701216 / 4296

// A size in Micro, written as a number, as Unità4296 (1/4296 of an octave):
// the exact quotient by 396 to four decimals, ties to even; nullopt when the
// text is no number or the result too large.
std::optional<ValoreFisso> Unita4296(std::string_view micro);

// The step of the reference, as cmdLA shows it: "Interi", "0.1", "0.01".
enum class PassoLA { Interi, Decimi, Centesimi };
const char* TestoPassoLA(PassoLA p);
// The caption of lblNDec: the digit, "N" for no common value.
std::string TestoDecimali(int decimali);

// Octave 1..10 of cell 1..121: cells 12k-11 .. 12k, and 121 with octave 10.
int OttavaDellaCella(int cella);

// The decimals chosen by "Def" for octaves 1..10 (element 0 unused).
inline constexpr std::array<int, 11> DecimaliPredefiniti{0, 4, 3, 3, 2, 2, 2, 1, 1, 0, 0};

class TabellaFrequenze {
public:
    TabellaFrequenze();
    TabellaFrequenze(const TabellaFrequenze&) = delete;
    TabellaFrequenze& operator=(const TabellaFrequenze&) = delete;

    // "Hz" on the main screen: the fifths in units, the table, the name, the
    // row names in the notation `lingua` (the caption of cmdLingua), shown.
    void cmdMostraFrequenze_Click(const Temperamento& t, std::string_view lingua);
    // "Esc": hidden, nothing else.
    void cmdTorna_Click() { aperta = false; }

    // The reference buttons: 0 "<", 1 "440", 2 ">" (any mouse button; no
    // click action, so the keyboard does nothing). The arrows start
    // TmrDiapason at the press; every release recomputes the table.
    void cmd440_MouseDown(int indice);
    void cmd440_MouseUp(int indice);
    // One step of the reference: what each tick of TmrDiapason runs.
    void TmrDiapason_Timer();
    // The step button: "Interi" -> "0.1" -> "0.01" -> "Interi".
    void cmdLA_Click();

    // The decimals grid: digit 0..4 in column 0 ("Tutti") or octave 1..10.
    void cmdDec_Click(int cifra, int indice);
    // "Def": the graded default decimals, no "Tutti" button chosen.
    void cmdDefault_Click();

    // CalcolaFrequenzeCentrali then CompletaTabellaFrequenze: all 121 cells
    // from the reference cell, the fifths in units and the decimals.
    void Calcola();
    void CalcolaFrequenzeCentrali();
    void CompletaTabellaFrequenze();
    // The 25 row names in a notation; any other caption writes nothing.
    void AggiornaNomiNoteFrequenze(std::string_view lingua);

    // The hold-to-repeat of "<" and ">", ticking every 60 ms, no click action.
    RipetizioneAutomatica& TmrDiapason() { return diapason_; }
    const RipetizioneAutomatica& TmrDiapason() const { return diapason_; }

    ColoreVB coloreDec(int cifra, int indice) const {
        return cmdDec[static_cast<size_t>(cifra)][static_cast<size_t>(indice)];
    }

    bool aperta = false;
    // lblValoreQuinte2(1..12): fifth k in Unità4296, as written at the last opening.
    std::array<std::string, 13> lblValoreQuinte2{};
    // lblFreq(1..121); 58 is the reference, designed "440".
    std::array<std::string, 122> lblFreq{};
    // lblNDec(1..10) the decimals of octave k, lblNDec(0) the common value
    // or SenzaComune.
    static constexpr int SenzaComune = -1;
    std::array<int, 11> lblNDec{};
    // Back colour of cmdDec<cifra>(indice).
    std::array<std::array<ColoreVB, 11>, 5> cmdDec{};
    // lblNomiNote(1..25).
    std::array<std::string, 26> lblNomiNote{};
    std::string TxtNomeDelTemperamento;  // the name with its CR LF
    PassoLA cmdLA = PassoLA::Interi;
    ColoreVB cmd440Colore = Colori::RossoChiaro;  // back colour of "440"
    int lblIndexDiap = 0;  // the arrow held: 0 "<", 2 ">"

private:
    void RicoloraLA();
    void AzzeraTuttiIDecimali();
    void AzzeraDecimaliTutti();
    void AzzeraDecimaliOttava(int k);
    void AllineaDecimaliTutti();
    void Rilascio();

    RipetizioneAutomatica diapason_;
};

}  // namespace vk
