#pragma once
// Note names in the four notations, and the forty note labels of the main
// screen. The notation in force is the caption of cmdLingua
// (StatoPrincipale::LinguaNote); only the four exact codes are notations.
#include <array>
#include <optional>
#include <string>
#include <string_view>

namespace vk {

struct StatoPrincipale;

enum class Lingua { IT, FR, DE, EN };
// How many notations the table holds: Lingua runs from 0 to this less one.
inline constexpr int NumeroLingue = 4;

// The notation of a caption: the whole text, case-sensitive; anything else
// is no notation, and every renaming then leaves its names as they stand.
std::optional<Lingua> LinguaDaCodice(std::string_view codice);
const char* CodiceLingua(Lingua l);
// The caption after a click: IT -> FR -> DE -> EN -> IT; any other text stays.
std::string LinguaSuccessiva(const std::string& codice);

// Note letters by their Italian names; Si is the note that German writes H.
enum class LetteraNota { Do, Re, Mi, Fa, Sol, La, Si };
enum class Alterazione { Nessuna, Diesis, Bemolle, DoppioDiesis, DoppioBemolle };

struct NotaScritta {
    LetteraNota lettera = LetteraNota::Do;
    Alterazione alterazione = Alterazione::Nessuna;
};

// The accidental as written after the name: "", "#", "b", "x", "bb".
const char* TestoAlterazione(Alterazione a);
// The letter's name followed by its accidental. German writes SI flat "B"
// and SI double flat "Bb", otherwise H; English writes B for SI.
std::string Scrivi(NotaScritta n, Lingua l);
// The same for a caption; nullopt when the caption is no notation.
std::optional<std::string> Scrivi(NotaScritta n, std::string_view codice);
// A name in the Italian spelling, a note ("SOL#") or an interval
// ("DO - SOL"), written in a notation.
std::string NomeDaItaliano(std::string_view italiano, Lingua l);
// The Italian name of fifth 1..12 of the circle, "DO - SOL" .. "FA - DO".
const char* NomeQuintaItaliano(int k);

// Captions of lblNote(0..26) and lblScalaST(1..13) (element 0 unused).
struct NomiNote {
    std::array<std::string, 27> lblNote;
    std::array<std::string, 14> lblScalaST;
    bool operator==(const NomiNote&) const = default;
};

// The forty captions in one notation; the window's design is Italian.
NomiNote NomiNoteIn(Lingua l);
inline NomiNote NomiNoteIniziali() { return NomiNoteIn(Lingua::IT); }

// Rewrites the forty captions in the notation of cmdLingua's caption, all of
// them, hidden ones included; with no notation it writes nothing.
void AggiornaNomiNote(StatoPrincipale& s);
// The notation button's click: steps the caption, then renames.
void cmdLingua_Click(StatoPrincipale& s);

}  // namespace vk
