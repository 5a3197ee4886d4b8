#include "app/Percorsi.h"

#include <fcntl.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <string_view>
#include <system_error>

#include "common/LetturaFile.h"
#include "common/ScritturaFile.h"

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
    std::vector<std::string> v = {"/usr/share/velmorakov/", "/usr/local/share/velmorakov/"};
    if (!cartellaEseguibile.empty()) {
        const auto share = std::filesystem::path(cartellaEseguibile) / ".." / "share";
        v.push_back(cartella(share / "velmorakov"));
        v.push_back(cartella(share));
    }
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

namespace {

namespace fs = std::filesystem;

bool Rifiuta(std::string* motivo, const fs::path& dove, const std::string& perche) {
    if (motivo) *motivo = "\"" + dove.string() + "\": " + perche;
    return false;
}

const char* PercheIlletto(EsitoFile e) {
    switch (e) {
        case EsitoFile::Mancante: return "non si trova";
        case EsitoFile::TroppoGrande: return "\xC3\xA8 troppo grande";
        default: return "non si pu\xC3\xB2 leggere";
    }
}

// Copies the tree `da` into the folder `a`, each file through the checked
// writer; links are followed. With `tieni`, what `a` already holds stays.
// `salta` names an entry of `da` left out.
bool CopiaAlbero(const fs::path& da, const fs::path& a, bool tieni, std::string* motivo, std::string_view salta = {},
                 int livello = 0) {
    // Links may make a folder hold itself.
    if (livello > 32) return Rifiuta(motivo, da, "troppe cartelle una dentro l'altra");
    std::error_code e;
    fs::create_directory(a, e);
    if (e) return Rifiuta(motivo, a, e.message());
    // A copy cut short may have left a temporary here, even where nothing is written now.
    RimuoviTemporaneiAvanzati(a);
    fs::directory_iterator i(da, e);
    for (const fs::directory_iterator fine; !e && i != fine; i.increment(e)) {
        const fs::path nome = i->path().filename();
        if (!salta.empty() && nome == salta) continue;
        const fs::path sorgente = i->path(), destinazione = a / nome;
        std::error_code s;
        if (fs::is_directory(fs::status(sorgente, s))) {
            if (!CopiaAlbero(sorgente, destinazione, tieni, motivo, {}, livello + 1)) return false;
            continue;
        }
        if (tieni && fs::exists(fs::symlink_status(destinazione, s))) continue;
        const LetturaFile letto = LeggiFile(sorgente);
        if (letto.esito != EsitoFile::Ok) return Rifiuta(motivo, sorgente, PercheIlletto(letto.esito));
        std::string perche;
        if (!ScriviByte(destinazione, letto.byte, &perche)) return Rifiuta(motivo, destinazione, perche);
    }
    if (e) return Rifiuta(motivo, da, e.message());
    return true;
}

}  // namespace

bool CopiaInstallazione(const std::string& da, const std::string& a, std::string* motivo) {
    std::error_code e;
    const fs::path origine(da), destinazione(a);
    fs::create_directories(destinazione, e);
    if (e) return Rifiuta(motivo, destinazione, e.message());
    // Everything but the data folder: the user's own files stay as they are.
    if (!CopiaAlbero(origine, destinazione, true, motivo, "Dati")) return false;
    const fs::path dati = destinazione / "Dati";
    if (fs::is_directory(dati, e)) return true;
    const fs::path nuova = destinazione / "Dati.nuova";
    fs::remove_all(nuova, e);
    bool ok = CopiaAlbero(origine / "Dati", nuova, false, motivo);
    if (ok) {
        fs::rename(nuova, dati, e);
        if (e) ok = Rifiuta(motivo, dati, e.message());
    }
    if (!ok) {
        std::error_code ignora;
        fs::remove_all(nuova, ignora);
        return false;
    }
    // The new name on the disk too.
    const int cartella = ::open(destinazione.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (cartella >= 0) {
        ::fsync(cartella);
        ::close(cartella);
    }
    return true;
}

OperazioniDisco DiscoReale() { return {CartellaPresenteSulDisco, CopiaInstallazione}; }

PercorsiFile CercaPercorsiScrivibili(const std::vector<std::string>& candidate, const std::string& utente,
                                     Piattaforma p, const OperazioniDisco& disco, PercorsiFile iniziali,
                                     std::optional<CopiaFallita>* fallita) {
    PercorsiFile r = CercaPercorsi(candidate, p, disco.presente, std::move(iniziali));
    if (r.CartellaDati.empty() || utente.empty()) return r;
    const std::string s(1, Separatore(p));
    const std::string radice = "VelmoraKOV" + s;
    // The data folder is base + "VelmoraKOV/Dati/"; the installation is base + "VelmoraKOV/".
    const std::string base = r.CartellaDati.substr(0, r.CartellaDati.size() - (radice + "Dati" + s).size());
    if (base == utente) return r;  // the user's own folder, from an earlier start
    // Whatever was found, shipped data or a folder an earlier version wrote
    // in place, is only the source of the user's copy: the program writes
    // nowhere else, so a configure, a reinstall or a removed build tree
    // cannot take the user's choices with it.
    std::string motivo;
    if (!disco.copia(base + radice, utente + radice, &motivo)) {
        if (fallita) *fallita = CopiaFallita{utente + radice, motivo};
        return r;
    }
    return CercaPercorsi({utente}, p, disco.presente, r);
}

PercorsiFile CercaPercorsiDelSistema(const std::string& cartellaEseguibile, std::optional<CopiaFallita>* fallita) {
    if (PiattaformaCorrente == Piattaforma::Windows)
        return CercaPercorsi(CartelleCandidate(PiattaformaCorrente), PiattaformaCorrente, CartellaPresenteSulDisco);
    const std::string utente = CartellaUtente(std::getenv("XDG_DATA_HOME"), std::getenv("HOME"));
    return CercaPercorsiScrivibili(CartelleCandidate(PiattaformaCorrente, cartellaEseguibile, utente), utente,
                                   PiattaformaCorrente, DiscoReale(), {}, fallita);
}

}  // namespace vk
