#include "app/Percorsi.h"

#include <fcntl.h>
#include <pwd.h>
#include <unistd.h>

#include <algorithm>
#include <cctype>
#include <cerrno>
#include <cstdlib>
#include <filesystem>
#include <string_view>
#include <system_error>

#include "common/LetturaFile.h"
#include "common/ScritturaFile.h"

namespace vk {

char Separatore(Piattaforma p) { return p == Piattaforma::Windows ? '\\' : '/'; }

std::string CartellaAccantoAlProgramma(const std::string& cartellaEseguibile) {
    std::string s = (std::filesystem::path(cartellaEseguibile) / ".." / "share").lexically_normal().generic_string();
    if (s.empty() || s.back() != '/') s += '/';
    return s;
}

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
        v.push_back(CartellaAccantoAlProgramma(cartellaEseguibile));
    }
    if (!utente.empty()) v.push_back(cartella(utente));
    return v;
}

namespace {

std::string ConBarra(std::string s) {
    if (s.back() != '/') s += '/';
    return s;
}

}  // namespace

std::string CasaDellAccount() {
    const long suggerita = ::sysconf(_SC_GETPW_R_SIZE_MAX);
    std::vector<char> spazio(suggerita > 0 ? static_cast<size_t>(suggerita) : 16384);
    passwd voce{};
    passwd* trovata = nullptr;
    int e;
    while ((e = ::getpwuid_r(::geteuid(), &voce, spazio.data(), spazio.size(), &trovata)) == ERANGE &&
           spazio.size() < (1u << 20))
        spazio.resize(spazio.size() * 2);
    if (e != 0 || !trovata || !voce.pw_dir) return {};
    return voce.pw_dir;
}

std::string CasaDellUtente(const char* home, const std::function<std::string()>& account) {
    if (home && home[0] == '/') return ConBarra(home);
    const std::string casa = account ? account() : std::string();
    if (!casa.empty() && casa[0] == '/') return ConBarra(casa);
    return {};
}

std::string CartellaUtente(const char* xdgDataHome, const std::string& casa) {
    if (xdgDataHome && xdgDataHome[0] == '/') return ConBarra(xdgDataHome);
    if (!casa.empty()) return ConBarra(casa) + ".local/share/";
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

namespace {

// The path with its links followed as far as it exists, absolute and
// normal, with no trailing separator.
fs::path Risolto(const fs::path& p) {
    std::error_code e;
    fs::path r = fs::weakly_canonical(fs::absolute(p, e), e);
    if (e) r = p.lexically_normal();
    if (!r.has_filename() && r.has_relative_path()) r = r.parent_path();
    return r;
}

bool Dentro(const fs::path& file, const fs::path& cartella) {
    return std::mismatch(cartella.begin(), cartella.end(), file.begin(), file.end()).first == cartella.end();
}

bool CartellaScrivibile(const std::string& c) {
    return !c.empty() && CartellaPresenteSulDisco(c) && ::access(c.c_str(), W_OK) == 0;
}

// The earlier versions' folders the user's `radice` was copied from or told of.
bool GiaNota(const fs::path& radice, const std::string& precedente) {
    const auto elenco = LeggiByte(radice / NomeCartellePrecedenti);
    if (!elenco) return false;
    const fs::path cercata = Risolto(precedente);
    for (size_t i = 0; i < elenco->size();) {
        const size_t fine = std::min(elenco->find('\n', i), elenco->size());
        if (Risolto(elenco->substr(i, fine - i)) == cercata) return true;
        i = fine + 1;
    }
    return false;
}

bool Annota(const fs::path& radice, const std::string& precedente) {
    std::string elenco = LeggiByte(radice / NomeCartellePrecedenti).value_or("");
    if (!elenco.empty() && elenco.back() != '\n') elenco += '\n';
    return ScriviByte(radice / NomeCartellePrecedenti, elenco + precedente + "\n");
}

// Whether `precedente` holds a file that `utente` lacks or holds otherwise.
bool HaAltriFile(const fs::path& precedente, const fs::path& utente) {
    std::error_code e;
    for (fs::recursive_directory_iterator i(precedente, e), fine; !e && i != fine; i.increment(e)) {
        std::error_code t;
        if (!i->is_regular_file(t)) continue;
        const auto suo = LeggiByte(i->path());
        if (suo && LeggiByte(utente / i->path().lexically_relative(precedente)) != suo) return true;
    }
    return false;
}

}  // namespace

std::string DatiDistribuiti(const std::string& cartella) {
    return "dati distribuiti con il programma" + (cartella.empty() ? "" : ", \"" + cartella + "\"") +
           ", che il programma non scrive";
}

std::optional<std::string> CartellaDistribuita(const PercorsiFile& p, const std::filesystem::path& file) {
    if (p.Distribuite.empty()) return std::nullopt;
    const fs::path f = Risolto(FileCollegato(file));
    for (const std::string& d : p.Distribuite)
        if (Dentro(f, Risolto(d))) return d;
    return std::nullopt;
}

namespace {

// The user's folder in use: an earlier version's beside the program that
// holds other files, not told of before, is named.
PercorsiFile CercaPrecedente(PercorsiFile r, const CartelleUtente& u, const std::string& radice) {
    if (u.precedente.empty() || u.precedente == u.dati) return r;
    const std::string precedente = u.precedente + radice;
    const fs::path utente = u.dati + radice;
    if (CartellaPresenteSulDisco(precedente) && !GiaNota(utente, precedente) && HaAltriFile(precedente, utente))
        r.CartellaPrecedente = precedente;
    return r;
}

}  // namespace

PercorsiFile CercaPercorsiScrivibili(const std::vector<std::string>& candidate, const CartelleUtente& u,
                                     Piattaforma p, const OperazioniDisco& disco, PercorsiFile iniziali) {
    PercorsiFile r = CercaPercorsi(candidate, p, disco.presente, std::move(iniziali));
    const std::string s(1, Separatore(p));
    const std::string radice = "VelmoraKOV" + s;
    // Every folder but the user's is shipped data or an earlier version's,
    // which is only the source of the user's copy: the program writes
    // nowhere else, so a configure, a reinstall or a removed build tree
    // cannot take the user's choices with it.
    r.Distribuite.clear();
    for (const std::string& c : candidate)
        if (c != u.dati) r.Distribuite.push_back(c + radice);
    if (r.CartellaDati.empty()) return r;
    // The data folder is base + "VelmoraKOV/Dati/"; the installation is base + "VelmoraKOV/".
    const std::string base = r.CartellaDati.substr(0, r.CartellaDati.size() - (radice + "Dati" + s).size());
    if (base == u.dati) return CercaPrecedente(r, u, radice);  // the user's own folder, from an earlier start
    // No folder of the user's: the one found is read where it is, and saving
    // is proposed where the user can write.
    auto solaLettura = [&](std::string cartella, std::string motivo) {
        r.SolaLettura = DatiInSolaLettura{std::move(cartella), std::move(motivo)};
        r.FileNuovo = CartellaScrivibile(u.casa) ? u.casa + "0-Nuovo.txt" : std::string();
        return r;
    };
    if (u.dati.empty())
        return solaLettura({}, "n\xC3\xA9 XDG_DATA_HOME n\xC3\xA9 HOME indicano una cartella con un percorso "
                               "assoluto, e l'account dell'utente non ne ha una.");
    const std::string destinazione = u.dati + radice;
    if (const auto d = CartellaDistribuita(r, destinazione))
        return solaLettura(destinazione, "\xC3\xA8 dentro i " + DatiDistribuiti(*d) + ".");
    std::string motivo;
    if (!disco.copia(base + radice, destinazione, &motivo)) return solaLettura(destinazione, motivo);
    PercorsiFile copiati = CercaPercorsi({u.dati}, p, disco.presente, r);
    if (copiati.CartellaDati != destinazione + "Dati" + s)
        return solaLettura(destinazione, "dopo la copia la cartella \"Dati\" non c'\xC3\xA8.");
    // What was carried over is not told of later, when the user's copy has changed.
    if (!u.precedente.empty() && base == u.precedente) Annota(destinazione, base + radice);
    return CercaPrecedente(copiati, u, radice);
}

PercorsiFile CercaPercorsiDaAmbiente(const std::string& cartellaEseguibile, const char* xdgDataHome,
                                     const char* home, const std::function<std::string()>& account) {
    if (PiattaformaCorrente == Piattaforma::Windows)
        return CercaPercorsi(CartelleCandidate(PiattaformaCorrente), PiattaformaCorrente, CartellaPresenteSulDisco);
    CartelleUtente u;
    u.casa = CasaDellUtente(home, account);
    u.dati = CartellaUtente(xdgDataHome, u.casa);
    if (!cartellaEseguibile.empty()) u.precedente = CartellaAccantoAlProgramma(cartellaEseguibile);
    return CercaPercorsiScrivibili(CartelleCandidate(PiattaformaCorrente, cartellaEseguibile, u.dati), u,
                                   PiattaformaCorrente, DiscoReale());
}

PercorsiFile CercaPercorsiDelSistema(const std::string& cartellaEseguibile) {
    return CercaPercorsiDaAmbiente(cartellaEseguibile, std::getenv("XDG_DATA_HOME"), std::getenv("HOME"));
}

std::string PercheSolaLettura(const DatiInSolaLettura& d) {
    if (d.cartella.empty()) return "non c'\xC3\xA8 una cartella per i dati dell'utente:\n" + d.motivo;
    return "la cartella dei dati non \xC3\xA8 stata copiata in \"" + d.cartella + "\":\n" + d.motivo;
}

namespace {

// The shipped folder in use, as the user knows it.
std::string DatiInUso(const PercorsiFile& p) {
    return CartellaDistribuita(p, p.CartellaDati).value_or(p.CartellaDati);
}

}  // namespace

std::string DescriviSolaLettura(const PercorsiFile& p) {
    if (!p.SolaLettura) return {};
    std::string perche = PercheSolaLettura(*p.SolaLettura);
    perche[0] = static_cast<char>(std::toupper(static_cast<unsigned char>(perche[0])));
    return perche + "\nSi usano i dati distribuiti con il programma, in \"" + DatiInUso(p) +
           "\", in sola lettura: all'uscita le impostazioni non saranno salvate, e i temperamenti si salvano in "
           "un'altra cartella." +
           (p.SolaLettura->cartella.empty() ? "" : " La prossima partenza prover\xC3\xA0 di nuovo a copiarla.");
}

std::string DescriviSolaLetturaAllUscita(const PercorsiFile& p) {
    if (!p.SolaLettura) return {};
    return "Le impostazioni non sono state salvate: i dati in uso sono quelli distribuiti con il programma, in \"" +
           DatiInUso(p) + "\", che il programma non scrive, perch\xC3\xA9 " + PercheSolaLettura(*p.SolaLettura) +
           "\nNessun file \xC3\xA8 stato scritto.";
}

namespace {

// The user's "VelmoraKOV/" in use: the data folder's parent.
fs::path RadiceDati(const PercorsiFile& p) { return fs::path(p.CartellaDati).parent_path().parent_path(); }

}  // namespace

bool RicordaCartellaPrecedente(const PercorsiFile& p) {
    if (p.CartellaPrecedente.empty() || p.SolaLettura || CartellaDistribuita(p, RadiceDati(p))) return false;
    return Annota(RadiceDati(p), p.CartellaPrecedente);
}

std::string DescriviCartellaPrecedente(const PercorsiFile& p) {
    if (p.CartellaPrecedente.empty()) return {};
    return "In \"" + p.CartellaPrecedente +
           "\" ci sono i dati di una versione precedente del programma, con file che non sono come nella tua "
           "cartella dei dati, \"" +
           RadiceDati(p).string() +
           "/\", che \xC3\xA8 quella in uso.\nDa quella cartella non \xC3\xA8 stato preso nulla, e resta com'\xC3\xA8: "
           "per portarla al posto della tua, vedi \"Your data\" nel file README. Questo avviso non sar\xC3\xA0 "
           "ripetuto.";
}

}  // namespace vk
