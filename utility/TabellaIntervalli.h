#pragma once
// The 69 reference intervals of the utility screen, three pages of 23 rows,
// as fixed texts: name, ratio as a fraction, Decimali, Cents, Micro,
// derivation, formula, family, the note reached from DO, and the written
// interval (letter steps, semitones) of the rows that have a note.
#include <array>
#include <optional>
#include <string>

#include "common/Colori.h"

namespace vk {

enum class FamigliaIntervallo { UnisonoOttava, Naturale, Pitagorica, Equabile };

// The background of a family's rows.
ColoreVB ColoreFamiglia(FamigliaIntervallo f);

struct IntervalloDiRiga {
    int Gradi = 0;             // letter steps from the tonic, 0..6
    int DistanzaSemitoni = 0;  // semitones from the tonic, 0..11
    bool operator==(const IntervalloDiRiga&) const = default;
};

struct RigaIntervallo {
    const char* nome;
    const char* frazione;  // "- - -" for most equal-tempered rows
    const char* decimali;
    const char* cents;
    const char* micro;
    const char* procedimento;
    const char* formula;
    FamigliaIntervallo famiglia;
    const char* notaDaDo;  // Italian, "" for the rows without a note
    int gradi;             // -1 for the rows without a note
    int semitoni;

    std::optional<IntervalloDiRiga> intervallo() const {
        if (gradi < 0) return std::nullopt;
        return IntervalloDiRiga{gradi, semitoni};
    }
};

inline constexpr int PagineIntervalli = 3;
inline constexpr int RighePerPagina = 23;

// All 69 rows in ascending order of size, page 1 row 1 first.
const std::array<RigaIntervallo, 69>& TabellaIntervalli();
// Row `riga` (1..23) of page `pagina` (1..3).
const RigaIntervallo& RigaIntervalli(int pagina, int riga);
// The page a caption names: exactly "Pag. 1", "Pag. 2" or "Pag. 3".
std::optional<int> PaginaDaCaption(std::string_view caption);
// The caption after a click: 1 -> 2 -> 3 -> 1; any other caption stays.
std::string PaginaSuccessiva(const std::string& caption);

// Where the note cell's text sits: by the note from DO, left for a flat,
// right for a sharp, centred otherwise.
enum class AllineamentoCella { Sinistra, Destra, Centro };
AllineamentoCella AllineamentoNota(const RigaIntervallo& r);

// Fixed texts of the screen.
inline constexpr int ColonneIntervalli = 8;
// Header captions, note column first ("DO", then replaced by the tonic).
extern const std::array<const char*, ColonneIntervalli> IntestazioniIntervalli;
extern const char* const TitoloUtility;
extern const char* const TitoloInfo;
// The explanation box: 20 lines, each ended by CR LF.
extern const char* const TestoSpiegazioni;
extern const char* const RigaFormule;

}  // namespace vk
