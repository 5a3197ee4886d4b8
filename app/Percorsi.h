#pragma once
// The data folder and the two proposed temperament files, found once per
// run: every candidate base folder is probed in order and the last one whose
// "VelmoraKOV/Dati/" is present wins.
#include <functional>
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

// The base folders, each ending in its separator, in probe order. On Linux a
// user's own copy comes last so it wins; `cartellaEseguibile` gives the
// "../share/" beside the program and `home` the user's folder (each left out
// when empty).
std::vector<std::string> CartelleCandidate(Piattaforma p, const std::string& cartellaEseguibile = {},
                                           const std::string& home = {});

// Whether a folder is present; injectable so tests probe made-up trees.
using CartellaPresente = std::function<bool(const std::string&)>;
bool CartellaPresenteSulDisco(const std::string& cartella);

// The probe. `iniziali` is what stays when no candidate is present.
PercorsiFile CercaPercorsi(const std::vector<std::string>& candidate, Piattaforma p,
                           const CartellaPresente& presente, PercorsiFile iniziali = {});

// The probe of this machine: the platform's table and the real disk.
PercorsiFile CercaPercorsiDelSistema(const std::string& cartellaEseguibile);

}  // namespace vk
