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

inline constexpr ColoreVB ColoreQuinteSpente = 0xC0FFFF;
inline constexpr ColoreVB ColoreSemitoni = 0xB1C5D6;
inline constexpr const char* CaptionColoriQuinte = "Colori Quinte";
inline constexpr const char* CaptionNoColoriQuinte = "No Colori Quinte";

// Lefts (designed twips) of the bars and cells of each column of the fifths
// and thirds chart, by fifth and third k; k = 0 is the duplicate column,
// which has no third button and no fifth cents cell (0 there).
struct ColonnaGrafico { float barre, cmdTerze, lblTerzeC, lblQuinteC; };
inline constexpr std::array<ColonnaGrafico, 13> ColonneGrafico = {{
    {13560, 0, 13440, 0},
    {7080, 7160, 6960, 7135},   {8160, 8240, 8040, 8215},   {9240, 9320, 9120, 9295},
    {10320, 10400, 10200, 10375}, {11400, 11480, 11280, 11455}, {12480, 12560, 12360, 12540},
    {600, 680, 480, 655},       {1680, 1760, 1560, 1735},   {2760, 2840, 2640, 2815},
    {3840, 3920, 3720, 3895},   {4920, 5000, 4800, 4975},   {6000, 6080, 5880, 6055},
}};

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
// Switches the fifth colouring and recolours the fifth bars.
void Command9_Click(Istogrammi& g, const Temperamento& t);

}  // namespace vk
