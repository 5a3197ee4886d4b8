#include "app/Percorsi.h"

#include <cstdlib>
#include <filesystem>
#include <system_error>

namespace vk {

char Separatore(Piattaforma p) { return p == Piattaforma::Windows ? '\\' : '/'; }

std::vector<std::string> CartelleCandidate(Piattaforma p, const std::string& cartellaEseguibile,
                                           const std::string& home) {
    if (p == Piattaforma::Windows) {
        return {"C:\\Programmi(x86)\\",       "C:\\Program Files\\",      "C:\\ProgramFiles\\",
                "C:\\Program Files (x86)\\", "C:\\ProgramFiles (x86)\\", "C:\\ProgramFiles(x86)\\",
                "C:\\Programmi\\"};
    }
    auto cartella = [](std::filesystem::path c) {
        std::string s = c.lexically_normal().generic_string();
        if (s.empty() || s.back() != '/') s += '/';
        return s;
    };
    std::vector<std::string> v = {"/usr/share/", "/usr/local/share/"};
    if (!cartellaEseguibile.empty()) v.push_back(cartella(std::filesystem::path(cartellaEseguibile) / ".." / "share"));
    if (!home.empty()) v.push_back(cartella(std::filesystem::path(home) / ".local" / "share"));
    return v;
}

bool CartellaPresenteSulDisco(const std::string& cartella) {
    std::error_code e;
    return std::filesystem::is_directory(cartella, e);
}

PercorsiFile CercaPercorsi(const std::vector<std::string>& candidate, Piattaforma p,
                           const CartellaPresente& presente, PercorsiFile iniziali) {
    const std::string s(1, Separatore(p));
    PercorsiFile r = std::move(iniziali);
    for (const std::string& base : candidate) {
        const std::string dati = base + "VelmoraKOV" + s + "Dati" + s;
        if (!presente(dati)) continue;
        const std::string temperamenti = base + "VelmoraKOV" + s + "Temperamenti" + s;
        r.CartellaDati = dati;
        r.FileApertura = temperamenti + "Equabile.txt";
        r.FileNuovo = temperamenti + "0-Nuovo.txt";
    }
    return r;
}

PercorsiFile CercaPercorsiDelSistema(const std::string& cartellaEseguibile) {
    const char* home = PiattaformaCorrente == Piattaforma::Linux ? std::getenv("HOME") : nullptr;
    return CercaPercorsi(CartelleCandidate(PiattaformaCorrente, cartellaEseguibile, home ? home : ""),
                         PiattaformaCorrente, CartellaPresenteSulDisco);
}

}  // namespace vk
