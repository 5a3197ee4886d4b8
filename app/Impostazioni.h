#pragma once
// The settings file Impostazioni.txt: 29 items, one per line, CR LF,
// Windows-1252. Items 1..6 are quoted texts, 7..29 bare whole numbers.
//
// A file is taken whole or not at all: one the reading would take only in
// part is kept for the user (ImpostazioniScartate). Within a whole file, a
// value its control cannot take keeps its designed value.
#include <array>
#include <cstdint>
#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <string_view>

#include "common/Colori.h"
#include "common/LetturaFile.h"
#include "common/MessaDaParte.h"
#include "common/ScritturaFile.h"
#include "common/ValoreFisso.h"

namespace vk {

struct StatoPrincipale;

inline constexpr int NumeroVociImpostazioni = 29;
inline constexpr const char* NomeFileImpostazioni = "Impostazioni.txt";
// The file takes a few hundred bytes; a larger one is not read.
inline constexpr std::uintmax_t DimensioneMassimaImpostazioni = 64 * 1024;

// The designed colours of the speed meter (red below, green above) and of the
// key table's free selection (none chosen); element 0 unused.
inline constexpr std::array<ColoreVB, 11> SegmentiVelocitaProgetto = [] {
    std::array<ColoreVB, 11> a{};
    for (size_t i = 1; i <= 10; ++i) a[i] = i <= 5 ? Colori::RossoChiaro : Colori::VerdeChiaro;
    return a;
}();
inline constexpr std::array<ColoreVB, 12> SelezioneLiberaProgetto = [] {
    std::array<ColoreVB, 12> a{};
    for (size_t i = 1; i <= 11; ++i) a[i] = Colori::GialloPallido;
    return a;
}();

// A whole number of the file that no caption shows (the hidden
// lblContaInfo): its value, and the digits it was read with ("02", "-0"),
// which the file gets back as they were.
class InteroLetto {
public:
    explicit InteroLetto(int32_t valore = 0) : valore_(valore), testo_(std::to_string(valore)) {}
    // Optional "-" and decimal digits within 32 bits; nullopt otherwise.
    static std::optional<InteroLetto> daTesto(std::string_view t);

    int32_t valore() const { return valore_; }
    const std::string& testo() const { return testo_; }
    // Written as its value alone: no leading zero, no "-0".
    bool proprio() const { return proprio_; }

    bool operator==(const InteroLetto&) const = default;

private:
    int32_t valore_;
    std::string testo_;
    bool proprio_ = true;
};

// The image of the file, item by item, with the designed values.
struct Impostazioni {
    std::string ColorazioneQuinte = "Colori Quinte";  // 1: caption of Command9
    std::string LinguaNote = "IT";                    // 2: caption of cmdLingua
    std::string VistaValori = "Val";                  // 3: caption of cmdTastiera
    std::string DuplicatoIstogramma = "Ist Y";        // 4: caption of cmdMostraIsto
    InteroLetto PassoInfo{2};                         // 5: lblContaInfo
    std::string LivelloVelocita = "6";                // 6: lblVelocità
    // 7..16: ShpVelo(1..10), segment 1 at the bottom; element 0 unused.
    std::array<ColoreVB, 11> SegmentiVelocita = SegmentiVelocitaProgetto;
    int IntervalloPiu = 135;   // 17: tmrPiù, ms
    int IntervalloMeno = 135;  // 18: TmrMeno, ms
    // 19..29: lblEtichettaNote(1..11); element 0 unused.
    std::array<ColoreVB, 12> SelezioneLibera = SelezioneLiberaProgetto;

    bool operator==(const Impostazioni&) const = default;
};

// The path of the file: the data folder (ending with its separator) followed
// directly by the name; an empty folder gives the bare name.
std::filesystem::path PercorsoImpostazioni(const std::string& cartellaDati);

// Items as the file holds them, and back. A value is taken only when its
// control can hold it: a caption among those its button shows, a 32-bit
// whole number for the level and the information step, an interval of 1..65535 ms,
// a colour of 0..&HFFFFFF or a system colour code.
// Items the text does not give, or gives in a form their control cannot
// take, keep their value in `prima` (the designed values by default).
Impostazioni ImpostazioniDaTesto(std::string_view byteWindows1252, Impostazioni prima = {});
std::string TestoImpostazioni(const Impostazioni& imp);  // Windows-1252 bytes

// What keeps the bytes of a settings file from being taken whole: its first
// fault, in the words of every file's form (LeggiForma); nullopt when the
// reading finds the 29 items as the file writes them: one per line, nothing
// before a quote, after it on its line or after the last item but blanks and
// line ends (CR LF or LF). An empty file, bytes no text holds, lines ended by
// CR alone (in all or some of them), a missing closing quote and too few
// items are each a cause. A value its control cannot take is not: that item
// alone keeps its value.
std::optional<std::string> ImpostazioniNonIntere(std::string_view byte);

// Whether a level or an information step can be written and read back: a
// whole number of 32 bits. A click that would step past it does not step.
bool InteroImpostazioni(ValoreFisso v);

// Colours as the file writes them: a system code as the signed 32-bit number.
std::string ScriviColore(ColoreVB c);

// Between the record and the controls that hold the items.
Impostazioni RaccogliImpostazioni(const StatoPrincipale& s);
void ApplicaImpostazioni(StatoPrincipale& s, const Impostazioni& imp);

// A settings file that is there but cannot be taken whole: one that cannot
// be read, is larger than DimensioneMassimaImpostazioni, or has a form the
// reading would skip, shift or replace (ImpostazioniNonIntere). None of its
// items is used; the start says so once, and "Ok" keeps it unchanged beside
// the new one, so the user's choices can be recovered. Through a link, the
// file it names is kept and the link stays.
//
// Something else in place of the file is said at start as well, with what
// "Ok" will then do: a folder, or a FIFO, a device or a socket, which stay
// and so keep "Ok" from saving; a link to a file that is not there, which
// "Ok" writes where its folder is (the file the link names); a link that
// leads to no file at all.
enum class FormaScartata { NonIntero, Cartella, Speciale, CollegamentoRotto };
struct ImpostazioniScartate {
    std::filesystem::path file;
    std::filesystem::path accanto;  // NonIntero: where "Ok" will keep it, the first free name at start
    std::string motivo;             // what is wrong, in Italian
    FormaScartata forma = FormaScartata::NonIntero;
    std::filesystem::path collegato;  // CollegamentoRotto: the file "Ok" will write; empty when none
};
// The names beside the file that "Ok" tries in turn: "<file>.illeggibile",
// then "<file>.illeggibile.2" and on, with no end.
std::filesystem::path NomeAccanto(const std::filesystem::path& file, int n);
// The start-up message, in Italian: the file, what is wrong, what is used and
// what "Ok" will do (where the file will be kept, where the settings go, or
// that they cannot be saved).
std::string DescriviImpostazioniScartate(const ImpostazioniScartate& i);
// After "Ok" could not write the file, in Italian: what is in its place now.
std::string DescriviCosaResta(const std::filesystem::path& file);

// SpostaAccanto onto the names NomeAccanto gives.
std::optional<std::filesystem::path> MettiDaParte(const std::filesystem::path& file,
                                                   const std::filesystem::path& promesso, std::string* errore,
                                                   const ChiamateAccanto& chiamate = {});

// CaricaImpostazioni: reads the file and applies it; a missing file leaves
// every item as it was, and so does anything the reading cannot take, which
// s.impostazioniScartate then names.
// SalvaImpostazioni: writes the current state with ScriviByte, after moving
// aside such a file if it still cannot be taken; `conservato`, when asked,
// gets the name it is kept under, empty when none was moved or it went back.
// False, with the reason when asked, when the file could not be written: a
// file moved aside then goes back to its place, and stays where `conservato`
// says only when it cannot.
void CaricaImpostazioni(StatoPrincipale& s, const std::filesystem::path& file);
bool SalvaImpostazioni(const StatoPrincipale& s, const std::filesystem::path& file, std::string* errore = nullptr,
                       std::filesystem::path* conservato = nullptr);
bool SalvaImpostazioni(const StatoPrincipale& s, const std::filesystem::path& file, const ScrittoreFile& scrivi,
                       std::filesystem::path* conservato = nullptr);

}  // namespace vk
