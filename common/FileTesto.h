#pragma once
// Sequential text files as the program's files are written: Windows-1252
// bytes, one item per line, CR LF line ends, texts in double quotes (which
// may span lines), numbers bare. Inside the program texts are UTF-8 and keep
// their CR LF as they are.
#include <chrono>
#include <cstdint>
#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <utility>

namespace vk {

// The longest text a file's item or a text box holds, in characters as the
// file has them (a line break is CR LF): far beyond any real name or
// description, and short enough that a text box shows it at once (an
// unbroken line takes time to lay out that grows with the square of its
// length).
inline constexpr std::size_t LunghezzaMassimaTesto = 16384;

// Every byte has a code point: the five bytes that Windows-1252 leaves
// undefined map to U+0081, U+008D, U+008F, U+0090, U+009D, so any file
// survives a read and a write unchanged.
std::string Utf8DaWindows1252(std::string_view byte);
// A character with no Windows-1252 byte, and each byte of malformed UTF-8,
// becomes '?'.
std::string Windows1252DaUtf8(std::string_view utf8);

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

// Reading a whole file without waiting on it: the path is opened without
// blocking (a FIFO or a device put in its place answers at once) and only a
// regular file of at most `massimo` bytes is read.
enum class EsitoFile { Ok, Mancante, Illeggibile, TroppoGrande };
struct LetturaFile {
    EsitoFile esito = EsitoFile::Illeggibile;
    std::string byte;
};
// Far larger than any file of the program.
inline constexpr std::uintmax_t DimensioneMassimaFile = 16 * 1024 * 1024;
LetturaFile LeggiFile(const std::filesystem::path& percorso, std::uintmax_t massimo = DimensioneMassimaFile);
// All the bytes of a file; nullopt when it cannot be read as above.
std::optional<std::string> LeggiByte(const std::filesystem::path& percorso,
                                     std::uintmax_t massimo = DimensioneMassimaFile);

// Writes a whole file; false when it could not (tests pass their own).
using ScrittoreFile = std::function<bool(const std::filesystem::path&, std::string_view)>;
// The file a path names once its links are followed (at most 40 of them):
// the one a write through the path replaces.
std::filesystem::path FileCollegato(std::filesystem::path percorso);

// Writes the bytes beside the target, checks every byte written and flushed
// to the disk, and only then renames them over the target, so a failed
// write (a full disk, a size limit) leaves the old file whole. A link is
// followed: the file it names is replaced. On failure returns false and,
// when asked, the reason.
//
// Where the file system allows it (ModoTemporaneo::SenzaNome) the bytes go
// to a file with no name (O_TMPFILE), which a write killed before it is
// whole leaves nowhere; it gets a name only for the rename onto the target.
// Elsewhere (vfat, many network mounts), or with ModoTemporaneo::ConNome,
// the temporary has its name from the start. The name is NomeTemporaneo's.
enum class ModoTemporaneo { SenzaNome, ConNome };
bool ScriviByte(const std::filesystem::path& percorso, std::string_view byte, std::string* errore = nullptr,
                ModoTemporaneo modo = ModoTemporaneo::SenzaNome);

// The name of a temporary of `nome` written by the process `processo` of
// this system:
//     .<nome>.velmorakov-<system>-<process id>-<attempt 0..99>.tmp
// <nome> cut to fit a file name; <system> 16 hex digits standing for this
// boot of the machine and this process-id namespace, so that the id is known
// to be one of this system's ("0000000000000000" where they cannot be read).
std::string NomeTemporaneo(std::string_view nome, long processo, int tentativo);

// Past this age a temporary is no longer being written by anyone.
inline constexpr std::chrono::hours EtaAvanzo{1};

// Removes from a folder what a write of this program cut short (killed, a
// power cut) left behind, and only what is certainly that: a regular file
// named exactly as NomeTemporaneo names them, of this system, owned by this
// user, untouched for EtaAvanzo, whose process is gone. Any other name (the
// "<name>.<digits>-<n>.tmp~" of earlier versions too) is never removed: it
// may be the user's, or a writer's on another machine or in a container.
void RimuoviTemporaneiAvanzati(const std::filesystem::path& cartella);

}  // namespace vk
