#pragma once
// The thirds editor: the buttons cmdTerze(1..12) under the thirds chart.
// Repeated clicks on one button step that third through the Pythagorean,
// pure and equal sizes and back to the size it had when the cycle began.
#include <array>
#include <string>

#include "common/Colori.h"
#include "common/ValoreFisso.h"
#include "model/Istogrammi.h"
#include "model/Temperamento.h"

namespace vk {

// The third as it stood when a cycle began; the empty letter restores it.
struct TerzaMemorizzata {
    std::string Dimensione;           // lblMemTerza
    std::string Cents;                // lblMemTerzaC
    ColoreVB Colore = Colori::Bianco;  // lblMemTerzaC's back colour
};

// One cycle for the whole editor, not one per third.
struct CicloTerza {
    int UltimaTerza = 0;   // lblIndexTerze
    int NumeroClick = 0;   // lblNClickTerza
    std::array<std::string, 13> Sequenza{"0", "0", "0", "0", "0", "0", "0",
                                         "0", "0", "0", "0", "0", "0"};  // lblSeq(1..12)
    TerzaMemorizzata Memoria;
};

// The twelve letters that clicks 1..12 apply, by the third's size when the
// cycle begins (element 0 unused).
std::array<std::string, 13> SequenzaTerza(ValoreFisso dimensione);

// Fifths a = k+3 and b = k+4 that a change of third k moves (b is also the
// other third that changes).
inline constexpr int QuintaA(int k) { return (k + 2) % 12 + 1; }
inline constexpr int QuintaB(int k) { return (k + 3) % 12 + 1; }

// Sets third QuintaSelezionata to the size its letter (SigleTerze) names, or
// for "" back to `memoria`, moving the difference onto fifths a (+) and b (-);
// names and draws both fifths, commits every fifth, redraws thirds k and b,
// derives the semitones with their bars and the spread. When a value it
// needs is not a number it changes nothing and returns false.
bool ApplicaTerza(Temperamento& t, Istogrammi& g, const TerzaMemorizzata& memoria, double altezzaSchermo);

class EditorTerze {
public:
    // cmdTerze_Click(indice): counts the click, begins a cycle where needed,
    // writes the letter on the button and applies it. A click that finds
    // third `indice` (or a value the change needs) not a number does nothing,
    // not even count.
    void clic(int indice, Temperamento& t, Istogrammi& g, double altezzaSchermo);

    const CicloTerza& ciclo() const { return ciclo_; }

private:
    CicloTerza ciclo_;
};

}  // namespace vk
