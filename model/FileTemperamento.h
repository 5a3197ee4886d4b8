#pragma once
// Temperament files: 87 quoted items (name, description, comma, then twelve
// each of fifths in Micro, fifths in cents, fraction names, thirds in Micro,
// thirds in cents, semitones in Micro, semitones in cents), Windows-1252,
// CR LF. A file is read whole into a temporary record and checked; only a
// whole, valid one is put into the temperament.
#include <array>
#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "common/FileTesto.h"
#include "common/FormaFile.h"
#include "model/Temperamento.h"

namespace vk {

inline constexpr int NumeroVociTemperamento = 87;

// The items in file order: element i is item i + 1 (UTF-8 texts).
using VociTemperamento = std::array<std::string, NumeroVociTemperamento>;

// What item n (1..87) holds, for messages: "Quinta 2 in Micro", "Nome"...
std::string NomeVoce(int n);
// Whether item n must read as a number: the sizes in Micro and the cents.
bool VoceNumerica(int n);

VociTemperamento VociDi(const Temperamento& t);

// The bytes Save writes. The format has no escape for a double quote, so a
// double quote in a text is written as an apostrophe; a character with no
// Windows-1252 byte is written as '?'. PreparaSalvataggio tells of both.
std::string ByteTemperamento(const Temperamento& t);

enum class MotivoRifiuto {
    Nessuno,
    FileMancante,
    FileIlleggibile,
    FileTroppoGrande,  // far larger than any temperament, not read
    Forma,             // a fault the reading of the items found (empty file, line ends, quotes,
                       // stray bytes, the encoding, too few items)
    NonNumero,         // a size or cents item that is not a number
    VoceTroppoLunga,   // an item longer than LunghezzaMassima
};

// The longest item taken, in characters: LunghezzaMassimaTesto for the name
// and the description, LunghezzaMassimaVoce for the others.
size_t LunghezzaMassima(int n);

// Larger files are refused unread: a temperament takes a few kilobytes.
inline constexpr std::uintmax_t DimensioneMassimaTemperamento = 16 * 1024 * 1024;

struct Rifiuto {
    MotivoRifiuto motivo = MotivoRifiuto::Nessuno;
    // What the reading found: the first real fault of the file, for Forma;
    // the item (1..87) and its text, for NonNumero and VoceTroppoLunga.
    DifettoFile difetto;
};

struct LetturaTemperamento {
    std::optional<VociTemperamento> voci;
    Rifiuto rifiuto;
    bool ok() const { return voci.has_value(); }
};

// Reads and checks the bytes of a file. Anything after item 87 is ignored.
LetturaTemperamento LeggiTemperamento(std::string_view byte);
LetturaTemperamento LeggiFileTemperamento(const std::filesystem::path& percorso);

// Puts a checked record into the temperament as it stands: texts unchanged,
// the committed copies from the fifths, the semitone spread from the cents
// read, the comma colour from the caption (only the exact "Comma
// Pitagorico" is Pythagorean). The bars and letters are the caller's redraw.
void ApplicaVoci(const VociTemperamento& v, Temperamento& t);

// A character that a file cannot keep: in item `voce` (1..87), `carattere`
// (UTF-8, as the temperament holds it) reads back as `diventa`.
struct CarattereCambiato {
    int voce = 0;
    std::string carattere;
    std::string diventa;
    bool operator==(const CarattereCambiato&) const = default;
};

// Where the texts read back from a file differ from those written, character
// by character: each distinct change once per item, items in order, changes
// in the order they first appear. Where an item's characters do not pair one
// to one, its stretch between the common start and the common end.
std::vector<CarattereCambiato> CaratteriCambiati(const VociTemperamento& scritti, const VociTemperamento& riletti);

// What Save would write, and what Open would make of it: the bytes, and
// either Open's refusal of them or the characters that would read back
// changed (none for a temperament whose texts the format holds).
struct Salvataggio {
    std::string byte;
    Rifiuto rifiuto;
    std::vector<CarattereCambiato> cambiati;
};
Salvataggio PreparaSalvataggio(const Temperamento& t);

// The changes in Italian, a line per item: its name, each character in
// guillemets with its code, what it becomes ("Nome: ... (U+266D) diventa ...").
std::string DescriviCaratteriCambiati(const std::vector<CarattereCambiato>& cambiati);

// The message of a refused Open, in Italian, naming the file and the item.
std::string DescriviRifiuto(const Rifiuto& r, const std::string& nomeFile);
// Its middle part: what is wrong ("la voce 1 (Nome) ha più di ...").
std::string DescriviMotivo(const Rifiuto& r);

}  // namespace vk
