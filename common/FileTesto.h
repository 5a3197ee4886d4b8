#pragma once
// Sequential text files as the program's files are written: Windows-1252
// bytes, one item per line, CR LF line ends, texts in double quotes (which
// may span lines), numbers bare. Inside the program texts are UTF-8 and keep
// their CR LF as they are.
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "common/Windows1252.h"

namespace vk {

// The longest texts a file's items and the text boxes hold, in characters as
// the file has them (a line break is CR LF). A name or a description, and a
// multi-line box: far beyond any real one, and short enough that a box lays
// it out at once.
inline constexpr std::size_t LunghezzaMassimaTesto = 16384;
// Any other item, and a one-line box: far beyond any real caption or number.
inline constexpr std::size_t LunghezzaMassimaVoce = 256;

// The blanks the reading skips before an item and drops after a bare one.
inline bool Spazio(char c) { return c == ' ' || c == '\t'; }
// A byte that no text holds: a control other than the tab and the line ends.
inline bool NonTesto(char c) {
    const auto u = static_cast<unsigned char>(c);
    return (u < 0x20 && c != '\t' && c != '\n' && c != '\r') || u == 0x7F;
}

enum class EsitoLettura {
    Ok,
    FineFile,             // no item left
    VirgoletteNonChiuse,  // a quoted item runs to the end of the file
};

// Whether the lines end in CR alone (a CR and no LF anywhere): such a file
// reads as one line.
bool FineRigaSoloCR(std::string_view byte);

// Where an item lay in the file's bytes and what its line held besides it.
struct VoceLetta {
    static constexpr std::size_t Nessuno = std::string::npos;
    std::size_t inizio;     // its first byte, past the blanks
    std::size_t fineTesto;  // past its text: its closing quote, or its last byte but blanks
    std::size_t chiusa;     // its closing quote; Nessuno for an item not in quotes
    std::size_t fine;       // past its line: where the next item is looked for
    // The first quote on the line of an item not in quotes.
    std::size_t virgolette = Nessuno;
    // The first CR on its line, outside the quotes, that does not end the line.
    std::size_t crSolo = Nessuno;
    // The first byte past the closing quote on its line that is neither blank nor CR.
    std::size_t dopo = Nessuno;
    bool traVirgolette() const { return chiusa != Nessuno; }
    // Nothing but blanks and its line end.
    bool vuota() const { return !traVirgolette() && fineTesto == inizio; }
};

// Reads items one by one from a file's Windows-1252 bytes, as UTF-8:
// - blanks (spaces, tabs) before an item are skipped;
// - a quoted item runs from its opening quote to the next quote, line breaks
//   included; the rest of that line is skipped;
// - an unquoted item runs to the end of its line (CR LF or LF), trailing
//   blanks dropped; an empty line is an empty item.
// Every byte that splits the items is ASCII, the same in both encodings.
// As it reads, it records where each item lay and what its line held, and
// the first byte no text holds among those it went past.
class LettoreVoci {
public:
    static LettoreVoci daWindows1252(std::string_view byte) { return LettoreVoci(std::string(byte)); }

    // The next item, or nullopt with esito() telling why.
    std::optional<std::string> leggi();
    EsitoLettura esito() const { return esito_; }
    // Whether the last item read was in quotes.
    bool traVirgolette() const { return traVirgolette_; }
    bool fine() const { return pos_ >= byte_.size(); }
    const std::string& byte() const { return byte_; }
    // Reads on from `pos`, with a new record: a reading can take the same
    // bytes again, or start at a quote the first one passed.
    void vaiA(std::size_t pos);

    // The items read since the start or the last vaiA, in order.
    const std::vector<VoceLetta>& lette() const { return lette_; }
    // The first byte no text holds among those the reading went past, or
    // VoceLetta::Nessuno.
    std::size_t primoNonTesto() const { return primoNonTesto_; }

private:
    explicit LettoreVoci(std::string byte) : byte_(std::move(byte)) {}
    void saltaRiga();
    void registra(std::size_t inizio, std::size_t fineTesto, std::size_t chiusa);
    void esamina();
    std::string byte_;
    std::size_t pos_ = 0;
    std::size_t esaminati_ = 0;  // the bytes looked at for one no text holds
    std::size_t primoNonTesto_ = VoceLetta::Nessuno;
    EsitoLettura esito_ = EsitoLettura::Ok;
    bool traVirgolette_ = false;
    std::vector<VoceLetta> lette_;
};

// Writes items one per line, each ended by CR LF.
class ScrittoreVoci {
public:
    // In double quotes, as it stands: there is no escape for a quote.
    void testo(std::string_view utf8);
    // Bare: a number already in its written form.
    void numero(std::string_view scritto);
    void numero(int64_t n);

    const std::string& utf8() const { return testo_; }
    std::string windows1252() const { return Windows1252DaUtf8(testo_); }

private:
    std::string testo_;
};

}  // namespace vk
