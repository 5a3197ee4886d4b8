#include "app/Percorsi.h"

#include <cstdlib>
#include <filesystem>
#include <system_error>
#include <unistd.h>

namespace vk {

char Separatore(Piattaforma p) { return p == Piattaforma::Windows ? '\\' : '/'; }

std::vector<std::string> CartelleCandidate(Piattaforma p, const std::string& cartellaEseguibile,
                                           const std::string& utente) {
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
    if (!utente.empty()) v.push_back(cartella(utente));
    return v;
}

std::string CartellaUtente(const char* xdgDataHome, const char* home) {
    auto conBarra = [](std::string s) {
        if (s.back() != '/') s += '/';
        return s;
    };
    if (xdgDataHome && xdgDataHome[0] == '/') return conBarra(xdgDataHome);
    if (home && home[0] == '/') return conBarra(home) + ".local/share/";
    return {};
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

bool CartellaScrivibile(const std::string& cartella) { return ::access(cartella.c_str(), W_OK) == 0; }

bool CopiaInstallazione(const std::string& da, const std::string& a) {
    namespace fs = std::filesystem;
    std::error_code e;
    const fs::path origine(da), destinazione(a);
    fs::create_directories(destinazione, e);
    if (e) return false;
    // Everything but the data folder: the user's own files stay as they are.
    for (fs::directory_iterator i(origine, e), fine; !e && i != fine; i.increment(e)) {
        const fs::path nome = i->path().filename();
        if (nome == "Dati") continue;
        fs::copy(i->path(), destinazione / nome, fs::copy_options::recursive | fs::copy_options::skip_existing, e);
    }
    if (e) return false;
    const fs::path dati = destinazione / "Dati";
    if (fs::is_directory(dati, e)) return true;
    const fs::path nuova = destinazione / "Dati.nuova";
    fs::remove_all(nuova, e);
    fs::copy(origine / "Dati", nuova, fs::copy_options::recursive, e);
    if (!e) fs::rename(nuova, dati, e);
    if (e) {
        std::error_code ignora;
        fs::remove_all(nuova, ignora);
        return false;
    }
    return true;
}

OperazioniDisco DiscoReale() { return {CartellaPresenteSulDisco, CartellaScrivibile, CopiaInstallazione}; }

PercorsiFile CercaPercorsiScrivibili(const std::vector<std::string>& candidate, const std::string& utente,
                                     Piattaforma p, const OperazioniDisco& disco, PercorsiFile iniziali) {
    PercorsiFile r = CercaPercorsi(candidate, p, disco.presente, std::move(iniziali));
    if (r.CartellaDati.empty() || utente.empty() || disco.scrivibile(r.CartellaDati)) return r;
    const std::string s(1, Separatore(p));
    const std::string radice = "VelmoraKOV" + s;
    // The data folder is base + "VelmoraKOV/Dati/"; the installation is base + "VelmoraKOV/".
    const std::string base = r.CartellaDati.substr(0, r.CartellaDati.size() - (radice + "Dati" + s).size());
    if (base == utente) return r;  // already the user's own copy
    if (!disco.copia(base + radice, utente + radice)) return r;
    return CercaPercorsi({utente}, p, disco.presente, r);
}

PercorsiFile CercaPercorsiDelSistema(const std::string& cartellaEseguibile) {
    if (PiattaformaCorrente == Piattaforma::Windows)
        return CercaPercorsi(CartelleCandidate(PiattaformaCorrente), PiattaformaCorrente, CartellaPresenteSulDisco);
    const std::string utente = CartellaUtente(std::getenv("XDG_DATA_HOME"), std::getenv("HOME"));
    return CercaPercorsiScrivibili(CartelleCandidate(PiattaformaCorrente, cartellaEseguibile, utente), utente,
                                   PiattaformaCorrente, DiscoReale());
}

}  // namespace vk
