#pragma once
// Whether a file has the form of its kind, as the item reader meets it, and
// the first fault that keeps it from being read so: one reading and one set
// of words for every kind of file.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "common/LetturaFile.h"

namespace vk {

// A kind of file, to the reading of its form and to its messages.
struct TipoFile {
    int voci;  // how many items it holds
    // Taken only whole: every fault of form counts, and only blank lines
    // follow the items. Otherwise what follows them is not read, and a fault
    // of form counts where it is what made the reading stop.
    bool intero;
    const char* di;      // whose items: "delle impostazioni"
    const char* ha;      // "le impostazioni hanno"
    const char* unFile;  // "un file di impostazioni"
    const char* per;     // what the file is for: "le impostazioni"
    // What item n holds, for messages ("Nome"); the number alone when null.
    std::string (*nomeVoce)(int n) = nullptr;
    // Whether item n, as read (UTF-8), is one the kind takes: the reading
    // stops at the first it does not. Every item when null.
    bool (*presa)(int n, const std::string& voce) = nullptr;
};

enum class Difetto {
    Nessuno,
    Vuoto,
    Utf16,                     // two bytes a character
    NonTesto,                  // a byte no text holds, `testo`, at `byte`
    SoloCR,                    // no LF anywhere: the file is one line
    CRSenzaLF,                 // a CR that ends no line, on item `voce`'s line (0: ending
                               // every item while a text holds CR LF; past the last item: on a
                               // line after it)
    BytePrimaDelleVirgolette,  // `testo`, before the quote of item `voce`
    DopoLeVirgolette,          // item `voce`'s line goes on past its closing quote
    VirgoletteNonChiuse,       // item `voce` runs to the end of the file
    FinePrima,                 // the file ends before item `voce`
    DopoLUltima,               // not only blank lines after the last item
    VoceNonPresa,              // item `voce` is not one the kind takes; `testo` as read
};

struct DifettoFile {
    Difetto tipo = Difetto::Nessuno;
    int voce = 0;
    std::size_t byte = 0;  // for NonTesto: where, from 0
    std::string testo;
    bool operator==(const DifettoFile&) const = default;
};

struct LetturaForma {
    std::vector<std::string> voci;  // UTF-8, those read before the reading stopped
    DifettoFile difetto;            // Nessuno when the file is taken
};
// Reads the items of a file of kind `tipo` and finds its first fault.
LetturaForma LeggiForma(std::string_view byte, const TipoFile& tipo);

// "voce 3 (Comma)".
std::string Voce(const TipoFile& tipo, int n);
// The fault in Italian; empty for Nessuno and for VoceNonPresa, which the
// kind says in its own words.
std::string DescriviDifetto(const DifettoFile& d, const TipoFile& tipo);
// Why a file that is there was not read (Illeggibile, TroppoGrande over
// `massimo` bytes), or that it is not there.
std::string DescriviFileNonLetto(EsitoFile esito, const TipoFile& tipo, std::uintmax_t massimo);

}  // namespace vk
