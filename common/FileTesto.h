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

#include "common/Windows1252.h"

namespace vk {

// The longest text a file's item or a text box holds, in characters as the
// file has them (a line break is CR LF): far beyond any real name or
// description, and short enough that a text box shows it at once (an
// unbroken line takes time to lay out that grows with the square of its
// length).
inline constexpr std::size_t LunghezzaMassimaTesto = 16384;

// The blanks the reading skips before an item and drops after a bare one.
inline bool Spazio(char c) { return c == ' ' || c == '\t'; }

enum class EsitoLettura {
    Ok,
    FineFile,             // no item left
    VirgoletteNonChiuse,  // a quoted item runs to the end of the file
};

// Whether the lines end in CR alone (a CR and no LF anywhere): such a file
// reads as one line.
bool FineRigaSoloCR(std::string_view byte);

// Reads items one by one:
// - blanks (spaces, tabs) before an item are skipped;
// - a quoted item runs from its opening quote to the next quote, line breaks
//   included; the rest of that line is skipped;
// - an unquoted item runs to the end of its line (CR LF or LF), trailing
//   blanks dropped; an empty line is an empty item.
class LettoreVoci {
public:
    explicit LettoreVoci(std::string testo) : testo_(std::move(testo)) {}
    static LettoreVoci daWindows1252(std::string_view byte) { return LettoreVoci(Utf8DaWindows1252(byte)); }

    // The next item, or nullopt with esito() telling why.
    std::optional<std::string> leggi();
    EsitoLettura esito() const { return esito_; }
    // Whether the last item read was in quotes.
    bool traVirgolette() const { return traVirgolette_; }
    bool fine() const { return pos_ >= testo_.size(); }
    // The text read, and where the next item is looked for: a reading can go
    // back there and take the same items again.
    const std::string& testo() const { return testo_; }
    std::size_t posizione() const { return pos_; }
    void vaiA(std::size_t pos) {
        pos_ = pos < testo_.size() ? pos : testo_.size();
        esito_ = EsitoLettura::Ok;
        traVirgolette_ = false;
    }

private:
    void saltaRiga();
    std::string testo_;
    std::size_t pos_ = 0;
    EsitoLettura esito_ = EsitoLettura::Ok;
    bool traVirgolette_ = false;
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
