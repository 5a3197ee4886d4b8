#pragma once
// The three bar charts of the main screen: fifths (with a duplicate of
// fifth 7 as bar 0), thirds (the same) and semitones, in float twips.
#include <array>
#include <string>

#include "common/Colori.h"
#include "model/Temperamento.h"

namespace vk {

enum class ClasseQuinta { OltreNaturale, Naturale, TraEquabileENaturale, Equabile, SottoEquabile };
enum class ClasseTerza {
    OltrePitagorica, Pitagorica, TraEquabileEPitagorica, Equabile,
    TraNaturaleEEquabile, Naturale, SottoNaturale
};

ClasseQuinta ClasseDiQuinta(ValoreFisso q);
ClasseTerza ClasseDiTerza(ValoreFisso t);
ColoreVB ColoreDi(ClasseQuinta c);
ColoreVB ColoreDi(ClasseTerza c);
const char* LetteraDi(ClasseTerza c);       // "P", "E", "N" or ""
const char* LegendaDi(ClasseTerza c);       // "> Pitag." ...

inline constexpr ColoreVB ColoreQuinteSpente = 0xC0FFFF;
inline constexpr ColoreVB ColoreSemitoni = 0xB1C5D6;
inline constexpr const char* CaptionColoriQuinte = "Colori Quinte";
inline constexpr const char* CaptionNoColoriQuinte = "No Colori Quinte";

struct Barra {
    float Left = 0, Top = 0, Width = 0, Height = 0;
    ColoreVB Colore = 0;
};

// Designed heights and tops of one bar, from the cents it shows.
struct AltezzaBarra { double Height, Top; };
AltezzaBarra AltezzaQuinta(double cents);
AltezzaBarra AltezzaTerza(double cents);
AltezzaBarra AltezzaSemitono(double cents);

struct Istogrammi {
    std::array<Barra, 13> ShpQuinte{};    // 0 repeats 7
    std::array<Barra, 13> ShpTerze{};     // 0 repeats 7
    std::array<Barra, 13> ShpSemitoni{};  // 1..12
    std::string Command9 = CaptionColoriQuinte;
    std::string lblTerzeC0 = "400";       // repeats third 7's cents
    bool colorazioneAttiva() const { return Command9 == CaptionNoColoriQuinte; }
};

// The window's design: the equal temperament with the colouring off.
Istogrammi IstogrammiIniziali();

// Height factor of the redraws: 1 on a screen exactly 11520 twips high.
double FattoreAltezza(double altezzaSchermoTwips);

// Redraws every bar and letter (the temperament's SigleTerze) from the
// temperament's texts. A text that is not a number leaves its bar as it was.
void AggiornaIstogrammi(Istogrammi& g, Temperamento& t, double altezzaSchermoTwips);
// Redraws fifth bar IndiceQS alone (and bar 0 for fifth 7).
void DisegnaBarraQuintaQS(Istogrammi& g, const Temperamento& t, double altezzaSchermoTwips);
// Draws third bar k and its letter by class (the thirds editor); bar 0 for 7.
void DisegnaBarraTerza(Istogrammi& g, Temperamento& t, int k, double altezzaSchermoTwips);
// Switches the fifth colouring and recolours the fifth bars.
void Command9_Click(Istogrammi& g, const Temperamento& t);

}  // namespace vk
