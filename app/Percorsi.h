#pragma once
// The data folder and the two proposed temperament files, found once per
// run: every candidate base folder is probed in order and the last one whose
// "VelmoraKOV/Dati/" is present wins.
#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace vk {

// Why the data in use is the shipped data, read where it lies: the user's
// own folder could not be had. `cartella` is the user's folder that could
// not be made, empty when the user has none.
struct DatiInSolaLettura {
    std::string cartella;
    std::string motivo;
};

struct PercorsiFile {
    std::string CartellaDati;   // with its trailing separator; empty when none found
    std::string FileApertura;   // where the Open dialog first starts
    std::string FileNuovo;      // what the Save dialog always proposes; empty when none found
    // The shipped folders (each ".../VelmoraKOV/"): the installs', the build
    // tree's and the one an earlier version wrote beside the program, which
    // is only copied from. Nothing of the program writes into them.
    std::vector<std::string> Distribuite;
    // Set when CartellaDati is one of them: it is read, nothing is written.
    std::optional<DatiInSolaLettura> SolaLettura;
    // An earlier version's folder beside the program ("../share/VelmoraKOV/")
    // holding files that differ from the user's, not said before: the start
    // says where it is, once.
    std::string CartellaPrecedente;
};

enum class Piattaforma { Windows, Linux };

#ifdef _WIN32
inline constexpr Piattaforma PiattaformaCorrente = Piattaforma::Windows;
#else
inline constexpr Piattaforma PiattaformaCorrente = Piattaforma::Linux;
#endif

char Separatore(Piattaforma p);

// The base folders, each ending in its separator, in probe order. On Linux
// the shipped data, "share/velmorakov/", comes first (the system's, then the
// one beside the program, an install's or the build tree's), then
// "../share/" beside the program, where earlier versions kept their data in
// place, and the user's own folder last so it wins; `cartellaEseguibile` is
// the program's folder and `utente` the user's data folder (each left out
// when empty).
std::vector<std::string> CartelleCandidate(Piattaforma p, const std::string& cartellaEseguibile = {},
                                           const std::string& utente = {});

// The user's home, with its trailing "/": $HOME when it is an absolute path,
// else the one the user's account names (as other desktop programs take
// it); empty when neither does. `account` gives the account's, "" for none.
std::string CasaDellAccount();
std::string CasaDellUtente(const char* home, const std::function<std::string()>& account = CasaDellAccount);

// The user's data folder, with its trailing "/": $XDG_DATA_HOME when it is
// an absolute path, else <casa>.local/share/; empty when neither is usable.
std::string CartellaUtente(const char* xdgDataHome, const std::string& casa);

// Whether a folder is present; injectable so tests probe made-up trees.
using CartellaPresente = std::function<bool(const std::string&)>;
bool CartellaPresenteSulDisco(const std::string& cartella);

// The probe. `iniziali` is what stays when no candidate is present.
PercorsiFile CercaPercorsi(const std::vector<std::string>& candidate, Piattaforma p,
                           const CartellaPresente& presente, PercorsiFile iniziali = {});

// What the probe does on a disk; injectable so tests need no real install.
struct OperazioniDisco {
    CartellaPresente presente;
    // Copies the folder `da` into `a` (both ending in "/"), keeping what `a`
    // already holds; true when all of it is there, else false and the reason.
    std::function<bool(const std::string& da, const std::string& a, std::string* motivo)> copia;
};
OperazioniDisco DiscoReale();

// Copies the installed "VelmoraKOV/" tree into the user's: every file the
// user lacks, each written whole or not at all (every byte checked, then
// renamed into place), the data folder last and whole (copied beside, then
// renamed), so a copy cut short leaves no data folder for the probe to find
// and the next start copies again what is missing. On failure returns false
// and, when asked, the file and the reason.
bool CopiaInstallazione(const std::string& da, const std::string& a, std::string* motivo = nullptr);

// The user's folders as the probe needs them, each ending in "/".
struct CartelleUtente {
    std::string dati;        // the user's data folder; empty when the user has none
    std::string casa;        // the home, proposed for saving while the data is read-only
    std::string precedente;  // "../share/" beside the program, where earlier versions kept their data
};

// "../share/" beside the program's folder, normal, ending in "/".
std::string CartellaAccantoAlProgramma(const std::string& cartellaEseguibile);

// The probe, then: the user's data lives in `u.dati` alone. When the folder
// found is another (shipped data, or one an earlier version wrote in place),
// it is copied into `u.dati`, whose files are kept, and the paths come from
// there; the source is never written or deleted. When the user has no
// folder, or the copy fails, the folder found is read in place and
// SolaLettura says why; the Save dialog then proposes the home.
// With the user's folder in use, an earlier version's folder in
// `u.precedente` that holds a file the user's lacks or holds otherwise is
// named in CartellaPrecedente, unless the user's folder was copied from it
// or has been told of it (both recorded in NomeCartellePrecedenti there).
PercorsiFile CercaPercorsiScrivibili(const std::vector<std::string>& candidate, const CartelleUtente& u,
                                     Piattaforma p, const OperazioniDisco& disco, PercorsiFile iniziali = {});

// The probe of this machine from the variables of its environment (null when
// unset) and the account's home: the platform's table and the real disk.
PercorsiFile CercaPercorsiDaAmbiente(const std::string& cartellaEseguibile, const char* xdgDataHome,
                                     const char* home, const std::function<std::string()>& account = CasaDellAccount);
PercorsiFile CercaPercorsiDelSistema(const std::string& cartellaEseguibile);

// The shipped folder of `p` that holds `file` once its links are followed;
// nullopt when none does.
std::optional<std::string> CartellaDistribuita(const PercorsiFile& p, const std::filesystem::path& file);
// The words of every write refused there, in Italian: "dati distribuiti con
// il programma, "<cartella>", che il programma non scrive" (no folder named
// when it is empty).
std::string DatiDistribuiti(const std::string& cartella);

// The file in the user's "VelmoraKOV/" that lists, one a line, the earlier
// versions' folders it was copied from or the start has told of.
inline constexpr const char* NomeCartellePrecedenti = ".cartelle-precedenti";
// Records p.CartellaPrecedente there, so it is said once; false when it
// cannot be written (it is then said again at the next start).
bool RicordaCartellaPrecedente(const PercorsiFile& p);
// The start's message about it, in Italian.
std::string DescriviCartellaPrecedente(const PercorsiFile& p);

// In Italian: why the data is read-only, as a clause (the folder not copied
// or not there, then the reason on a line of its own), and the start's
// message about it.
std::string PercheSolaLettura(const DatiInSolaLettura& d);
std::string DescriviSolaLettura(const PercorsiFile& p);
// What "Ok" says then: the settings not saved, and why.
std::string DescriviSolaLetturaAllUscita(const PercorsiFile& p);

}  // namespace vk
