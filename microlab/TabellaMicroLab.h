#pragma once
// The Vuvaz-Eza screen FraMicro: a 48-row working copy of the temperament
// (fifths, major thirds, semitones, notes) with its summary row 0, changed a
// note at a time so that the sums of the fifths, thirds and semitones stay,
// and applied to or dropped from the temperament. Every field is what a
// control of the screen shows, as text or colour.
#include <array>
#include <optional>
#include <string>

#include "common/Colori.h"
#include "common/RipetizioneAutomatica.h"
#include "common/ValoreFisso.h"
#include "microlab/PannelloConversione.h"
#include "model/Istogrammi.h"
#include "model/Temperamento.h"

namespace vk {

enum class GruppoIntervallo { Quinte, Terze, Semitoni, Note };

// The group of row 1..48 (rows outside count as notes).
GruppoIntervallo GruppoDi(int riga);
// The group colour of a row's button and of its cells when linked.
ColoreVB ColoreGruppo(int riga);

namespace ColoriMicro {
inline constexpr ColoreVB Quinte = 0xC0FFFF;
inline constexpr ColoreVB Terze = 0xC0FFC0;
inline constexpr ColoreVB Semitoni = 0xFFFFC0;
inline constexpr ColoreVB Note = 0xFFC0FF;
inline constexpr ColoreVB Progetto = 0xC0E0FF;     // FraMicro before its first opening
inline constexpr ColoreVB Conversione = 0xDBFDE7;  // FraConversione
inline constexpr ColoreVB Rosso = 0xFF;
}  // namespace ColoriMicro

// The seven rows a change of interval row 1..36 moves: the fifth, third,
// semitone ending on its upper note and that note grow (0..3), the fifth,
// third and semitone starting from it shrink (4..6).
std::array<int, 7> IntervalliCollegati(int riga);

// Upper note (pitch class 0 DO .. 11 SI) of interval row 1..36.
int NotaSuperiore(int riga);

// The ratio 2^(cents / 1200) to five decimals ("1,49831", "1,5"); empty when
// it is not finite or too large to count.
std::string TestoRapporto(ValoreFisso cents);

// The caption of row button 1..48 in a notation ("IT".."EN"); nullopt for
// any other code.
std::optional<std::string> NomePulsanteMicro(int riga, const std::string& lingua);

// A row's four cells and their common background.
struct RigaMicro {
    std::string Decim, Cents, Scarto, Micro;  // lblQuintaFraz, lblQuintaCent, lblQuintaScarto, lblQuintaPrecisa
    ColoreVB colore = Colori::Bianco;
    bool operator==(const RigaMicro&) const = default;
};

class TabellaMicroLab {
public:
    static constexpr int IntervalloTimer = 100;  // TmrAumenta, TmrDiminuisci (ms)
    static constexpr const char* Trattini = "-----";

    TabellaMicroLab();
    TabellaMicroLab(const TabellaMicroLab&) = delete;
    TabellaMicroLab& operator=(const TabellaMicroLab&) = delete;

    // What the screen shows.
    bool aperta = false;
    ColoreVB sfondo = ColoriMicro::Progetto;
    std::array<RigaMicro, 49> righe;            // 0: summary row
    std::array<std::string, 49> cmdQuintaM;     // captions (element 0 unused)
    std::array<ColoreVB, 49> coloreQuintaM{};
    std::array<ColoreVB, 9> coloreScatto{};     // cmdScatto(1..8)
    std::array<ColoreVB, 5> lblEtiQuinta{}, lblEtiTerze{}, lblEtiSemitoni{};
    PannelloConversione conversione;

    // The hidden state labels, as values.
    int lblIndexM = 0;                       // the selected row 1..48, 0 none
    int lblClickN = 0;                       // click 1..4 of the row's cycle, 0 none
    std::string lblMemValore;                // the row's Micro text kept for click 1
    bool lblRitornoQuintaIniziale = false;   // the cycle came back to click 1
    std::array<int, 8> lblSeqInt{};          // 1..7: the linked rows, 0 none
    int lblIndexScattoM = 5;                 // the chosen step button 1..8

    // The captions the hidden state labels show.
    struct EtichetteNascoste {
        std::string lblIndexM, lblClickN, lblMemValore, lblRitornoQuintaIniziale;
        std::array<std::string, 8> lblSeqInt;
        std::string lblIndexScattoM;
    };
    EtichetteNascoste etichetteNascoste() const;

    // Hold-to-repeat of ">" and "<": the widget's timers drive these.
    RipetizioneAutomatica aumenta, diminuisci;

    // "Vuvaz-Eza": loads rows 1..48 from the temperament, names the buttons
    // in the notation `lingua` and opens the screen.
    void cmdLab_Click(const Temperamento& t, const std::string& lingua);
    // "RESET": the equal temperament, no selection.
    void cmdResetMicro_Click();
    // Step size button 1..8.
    void cmdScatto_Click(int indice);
    // Row button 1..48: selection, click cycle, reference note.
    void cmdQuintaM_Click(int indice);
    // One step of ">" / "<" (click and every tick).
    void cmdAumenta_Click() { passo(+1); }
    void cmdDiminuisci_Click() { passo(-1); }
    // Mouse press and release of ">" / "<".
    void cmdAumenta_MouseDown() { premi(aumenta); }
    void cmdDiminuisci_MouseDown() { premi(diminuisci); }
    void cmdAumenta_MouseUp() { aumenta.rilascia(); }
    void cmdDiminuisci_MouseUp() { diminuisci.rilascia(); }
    // "APPLICA": rows 1..36 into the temperament, fifths named again, closed.
    void CmdApplicaMicro_Click(Temperamento& t, Istogrammi& g, double altezzaSchermo);
    // "ANNULLA": closed, the temperament untouched.
    void cmdAnnullaMicro_Click();

    // Fifths 1..12 to the sizes `quinte`, each as click 1 of its cycle would
    // restore it, so that the sums stay.
    void RiportaQuinte(const std::array<ValoreFisso, 13>& quinte);

    // The step in Micro the chosen step button gives.
    ValoreFisso passoMicro() const;
    // The selected row, 0 for none.
    int rigaSelezionata() const { return lblIndexM; }

private:
    void premi(RipetizioneAutomatica& r);
    void completaRilascio();
    void passo(int segno);
    // The twelve notes' new Micro with note `indice` as the reference (none
    // where a note is no number); nullopt when one would leave what a file holds.
    using NoteRiferite = std::array<std::optional<ValoreFisso>, 12>;
    std::optional<NoteRiferite> noteRiferiteA(int indice) const;
    void scegliNotaDiRiferimento(int indice, const NoteRiferite& nuovi);
    void cicloIntervallo(int indice);
    void ImpostaIntervalliCollegati();
    void ApplicaModificaVeloce();
    // Adds d to rows lblSeqInt(1..4), subtracts it from (5..7), recomputes them.
    bool applicaDifferenza(ValoreFisso d);
    // The cells of a row after its Micro text, by the formulas of a change.
    void ricalcolaCambiata(int riga);
    void caricaRiga(int riga, const std::string& micro);
    void copiaInRigaZero(int riga);
    void applicaTerzaFissa(int riga);
    void pulisciSelezione();
    std::array<ColoreVB, 5>* etichetteDi(int riga);
};

}  // namespace vk
