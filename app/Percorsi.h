#pragma once
// The data folder and the two proposed temperament files, found once per
// run: every candidate base folder is probed in order and the last one whose
// "VelmoraKOV/Dati/" is present wins.
#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace vk {

struct PercorsiFile {
    std::string CartellaDati;   // with its trailing separator; empty when none found
    std::string FileApertura;   // where the Open dialog first starts
    std::string FileNuovo;      // what the Save dialog always proposes; empty when none found
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

// The user's data folder, with its trailing "/": $XDG_DATA_HOME when it is
// an absolute path, else $HOME/.local/share; empty when neither is usable.
std::string CartellaUtente(const char* xdgDataHome, const char* home);

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

// A copy into the user's folder that did not succeed: where to, and why.
struct CopiaFallita {
    std::string cartella;
    std::string motivo;
};

// The probe, then: the user's data lives in `utente` alone. When the folder
// found is another (shipped data, or one an earlier version wrote in place),
// it is copied into `utente`, whose files are kept, and the paths come from
// there; the source is never written or deleted. If the copy fails the found
// folder stays, and `fallita` (when given) says so.
PercorsiFile CercaPercorsiScrivibili(const std::vector<std::string>& candidate, const std::string& utente,
                                     Piattaforma p, const OperazioniDisco& disco, PercorsiFile iniziali = {},
                                     std::optional<CopiaFallita>* fallita = nullptr);

// The probe of this machine: the platform's table and the real disk.
PercorsiFile CercaPercorsiDelSistema(const std::string& cartellaEseguibile,
                                     std::optional<CopiaFallita>* fallita = nullptr);

}  // namespace vk
