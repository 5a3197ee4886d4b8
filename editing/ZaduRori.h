#pragma once
// The Zadu-Rori screen FraEasy: twelve deviations of the fifths from pure,
// typed in cents, scaled so that together they take up one Pythagorean comma,
// rounded to fifths in Micro and, when those close the circle exactly, made
// the current temperament.
#include <array>
#include <optional>
#include <string>
#include <string_view>

#include "common/Micro.h"
#include "common/ValoreFisso.h"
#include "model/NumeriDigitati.h"
#include "model/Istogrammi.h"
#include "model/Temperamento.h"

namespace vk {

namespace TestiEasy {
inline constexpr const char* Istruzioni =
    "Inserisci nelle dodici caselle verdi i valori degli scarti (in Cents) in pi\xC3\xB9 o in meno "
    "rispetto alle quinte naturali: ricordati di evitare spazi, di far precedere il segno meno ai "
    "numeri negativi e di usare la virgola (non il punto!) negli eventuali numeri decimali "
    "(cliccando sui pulsantini 'Copy' copierai nella casella il valore precedente mentre il "
    "pulsante 'Canc' canceller\xC3\xA0 tutti i valori immessi). Appena terminato clicca su 'OK'.";
inline constexpr const char* Dimenticato = "ATTENZIONE: hai dimenticato d'inserire uno o pi\xC3\xB9 valori!";
inline constexpr const char* SommaZero = "ATTENZIONE: la somma dei valori non pu\xC3\xB2 dare zero!";
inline constexpr const char* NonNumeri = "ATTENZIONE: uno o pi\xC3\xB9 valori non sono numeri validi!";
inline constexpr const char* Correggi =
    "ATTENZIONE: le operazioni di arrotondamento hanno fornito un totale provvisorio che devi "
    "correggere manualmente: modifica perci\xC3\xB2 a tuo piacere i valori (in Micro) di uno o pi\xC3\xB9 "
    "intervalli di Quinta (caselle rosse) della quantit\xC3\xA0 indicata nella casella 'Scarto', allo "
    "scopo di giungere al totale corretto (riportato nella casella verde) dopodich\xC3\xA9 clicca sul "
    "pulsante 'MOD'.";
}  // namespace TestiEasy

// Row names of the twelve fifths in a notation ("IT", "FR", "DE", "EN");
// any other notation gives the Italian names.
std::array<std::string, 13> NomiQuinteEasy(std::string_view lingua);

// Semitones and thirds of twelve fifths; element 0 of each holds the sum.
struct DerivatiEasy {
    std::array<ValoreFisso, 13> semitoni{}, terze{};
};
// nullopt when a fifth is no number.
std::optional<DerivatiEasy> CalcolaSemitoniTerzeEasy(const std::array<std::string, 13>& quinte);

// Whether twelve typed fifths can be applied: all numbers, and they with
// everything derived from them sizes a file keeps.
bool ApplicabileEasy(const std::array<std::string, 13>& quinte);

// Writes the twelve fifths (texts kept as they stand) with everything derived
// from them into the temperament, redraws and names every fifth by the comma
// colour. Fifths that are not ApplicabileEasy change nothing (false).
bool ApplicaTemperamentoEasy(const std::array<std::string, 13>& quinte, Temperamento& t, Istogrammi& g,
                             double altezzaSchermo);

class ZaduRori {
public:
    enum class Esito { Avviso, Correzione, Applicato };

    // What the screen shows; indices 1..12 as on screen.
    bool aperta = false;            // FraEasy visible
    bool passoCorrezione = false;   // red column, totals and "MOD" visible
    std::array<std::string, 13> lblEtiQuinteEasy = NomiQuinteEasy("IT");
    std::array<std::string, 13> TxtCentsEasy{};               // green boxes
    std::array<std::string, 13> TxtQuinteArrotondateEasy{};   // red boxes
    std::string lblQuinteArrotondateTotale;
    std::string lblCorrezione;
    std::string lblTotaleMicroEasyArrotondata = Micro::SetteOttave.testo();  // the correct total
    std::string TxtIndicazioniOperativeEasy = TestiEasy::Istruzioni;

    // "Easy": empty boxes, the instructions, the row names of `lingua`.
    void apri(std::string_view lingua);
    // Back to the empty entry step (the screen stays as open or closed as it was).
    void azzera();
    // 0 "Canc" empties the green boxes; k copies row k-1 (row 12 for row 1).
    void copia(int indice);
    // "Esc": resets and closes; the temperament is untouched.
    void esci();
    // "OK": checks, scales and rounds; applies when the total is exact.
    Esito ok(Temperamento& t, Istogrammi& g, double altezzaSchermo);
    // "MOD": the red boxes as they stand; applies when their total is exact.
    Esito mod(Temperamento& t, Istogrammi& g, double altezzaSchermo);

private:
    void applicaEChiudi(Temperamento& t, Istogrammi& g, double altezzaSchermo);
};

}  // namespace vk
