#include "app/Impostazioni.h"

#include <algorithm>
#include <cerrno>
#include <climits>
#include <cstdio>
#include <cstdint>
#include <cstring>
#include <exception>
#include <initializer_list>
#include <optional>
#include <utility>

#include "app/StatoPrincipale.h"
#include "common/FileTesto.h"
#include "common/FormaFile.h"

namespace vk {

namespace {

// Optional "-" and decimal digits, nothing else; nullopt past 18 digits.
std::optional<int64_t> Intero(std::string_view t) {
    bool negativo = false;
    if (!t.empty() && t.front() == '-') {
        negativo = true;
        t.remove_prefix(1);
    }
    if (t.empty() || t.size() > 18) return std::nullopt;
    int64_t n = 0;
    for (char c : t) {
        if (c < '0' || c > '9') return std::nullopt;
        n = n * 10 + (c - '0');
    }
    return negativo ? -n : n;
}

// The system colours run from &H80000000 to &H80000018. The file holds them
// as signed 32-bit numbers; the unsigned spelling is taken too.
constexpr int64_t PrimoSistema = 0x80000000LL;
constexpr int64_t UltimoSistema = 0x80000018LL;

std::optional<ColoreVB> Colore(std::string_view t) {
    const auto n = Intero(t);
    if (!n) return std::nullopt;
    if (*n >= 0 && *n <= 0xFFFFFF) return static_cast<ColoreVB>(*n);
    const int64_t senzaSegno = *n < 0 ? *n + 0x100000000LL : *n;
    if (senzaSegno >= PrimoSistema && senzaSegno <= UltimoSistema) return static_cast<ColoreVB>(senzaSegno);
    return std::nullopt;
}

std::optional<int> Intervallo(std::string_view t) {
    const auto n = Intero(t);
    if (!n || *n < 1 || *n > 65535) return std::nullopt;
    return static_cast<int>(*n);
}

// A caption is taken only when its button can show it: an unknown text could
// never be cycled away.
void Caption(std::string& campo, const std::string& letto, std::initializer_list<const char*> ammessi) {
    for (const char* a : ammessi)
        if (letto == a) {
            campo = letto;
            return;
        }
}

// Taken only whole: a form the reading would skip, shift or replace would
// be lost at the next "Ok".
const TipoFile TipoImpostazioni{NumeroVociImpostazioni, true, "delle impostazioni", "le impostazioni hanno",
                                "un file di impostazioni", "le impostazioni"};

}  // namespace

std::optional<std::string> ImpostazioniNonIntere(std::string_view b) {
    const DifettoFile d = LeggiForma(b, TipoImpostazioni).difetto;
    if (d.tipo == Difetto::Nessuno) return std::nullopt;
    return DescriviDifetto(d, TipoImpostazioni);
}

// The level and the information step are counted on by one per click: a
// whole number of 32 bits keeps every later step exact.
std::optional<InteroLetto> InteroLetto::daTesto(std::string_view t) {
    const auto n = Intero(t);
    if (!n || *n < INT32_MIN || *n > INT32_MAX) return std::nullopt;
    InteroLetto i(static_cast<int32_t>(*n));
    i.proprio_ = t == i.testo_;
    i.testo_ = t;
    return i;
}

bool InteroImpostazioni(ValoreFisso v) {
    return v.decimillesimi() % ValoreFisso::Scala == 0 && v >= ValoreFisso::intero(INT32_MIN) &&
           v <= ValoreFisso::intero(INT32_MAX);
}

std::filesystem::path PercorsoImpostazioni(const std::string& cartellaDati) {
    return std::filesystem::path(cartellaDati + NomeFileImpostazioni);
}

std::string ScriviColore(ColoreVB c) {
    return std::to_string(static_cast<int64_t>(static_cast<int32_t>(c)));
}

Impostazioni ImpostazioniDaTesto(std::string_view byteWindows1252, Impostazioni imp) {
    LettoreVoci lettore = LettoreVoci::daWindows1252(byteWindows1252);
    for (int voce = 1; voce <= NumeroVociImpostazioni; ++voce) {
        const auto letto = lettore.leggi();
        if (!letto) break;  // a short file: the rest stays designed
        const std::string& t = *letto;
        if (voce == 1) {
            Caption(imp.ColorazioneQuinte, t, {"Colori Quinte", "No Colori Quinte"});
        } else if (voce == 2) {
            if (LinguaDaCodice(t)) imp.LinguaNote = t;
        } else if (voce == 3) {
            Caption(imp.VistaValori, t, {"Val", "Tast"});
        } else if (voce == 4) {
            Caption(imp.DuplicatoIstogramma, t, {"Ist Y", "Ist N"});
        } else if (voce == 5) {
            if (auto n = InteroLetto::daTesto(t)) imp.PassoInfo = *n;
        } else if (voce == 6) {
            if (InteroLetto::daTesto(t)) imp.LivelloVelocita = t;  // the caption as read
        } else if (voce <= 16) {
            if (auto c = Colore(t)) imp.SegmentiVelocita[static_cast<size_t>(voce - 6)] = *c;
        } else if (voce == 17) {
            if (auto i = Intervallo(t)) imp.IntervalloPiu = *i;
        } else if (voce == 18) {
            if (auto i = Intervallo(t)) imp.IntervalloMeno = *i;
        } else {
            if (auto c = Colore(t)) imp.SelezioneLibera[static_cast<size_t>(voce - 18)] = *c;
        }
    }
    return imp;
}

std::string TestoImpostazioni(const Impostazioni& imp) {
    ScrittoreVoci s;
    s.testo(imp.ColorazioneQuinte);
    s.testo(imp.LinguaNote);
    s.testo(imp.VistaValori);
    s.testo(imp.DuplicatoIstogramma);
    s.testo(imp.PassoInfo.testo());
    s.testo(imp.LivelloVelocita);
    for (int k = 1; k <= 10; ++k) s.numero(ScriviColore(imp.SegmentiVelocita[static_cast<size_t>(k)]));
    s.numero(imp.IntervalloPiu);
    s.numero(imp.IntervalloMeno);
    for (int i = 1; i <= 11; ++i) s.numero(ScriviColore(imp.SelezioneLibera[static_cast<size_t>(i)]));
    return s.windows1252();
}

namespace {

// Each item of the record with the field of the state that holds it.
template <class I, class S, class F>
void PerOgniVoce(I& imp, S& s, F copia) {
    copia(imp.ColorazioneQuinte, s.istogrammi.Command9);
    copia(imp.LinguaNote, s.LinguaNote);
    copia(imp.VistaValori, s.VistaValori);
    copia(imp.DuplicatoIstogramma, s.DuplicatoIstogramma);
    copia(imp.PassoInfo, s.PassoInfo);
    copia(imp.LivelloVelocita, s.LivelloVelocita);
    copia(imp.SegmentiVelocita, s.SegmentiVelocita);
    copia(imp.IntervalloPiu, s.IntervalloPiu);
    copia(imp.IntervalloMeno, s.IntervalloMeno);
    copia(imp.SelezioneLibera, s.SelezioneLibera);
}

}  // namespace

Impostazioni RaccogliImpostazioni(const StatoPrincipale& s) {
    Impostazioni imp;
    PerOgniVoce(imp, s, [](auto& voce, const auto& campo) { voce = campo; });
    return imp;
}

void ApplicaImpostazioni(StatoPrincipale& s, const Impostazioni& imp) {
    PerOgniVoce(imp, s, [](const auto& voce, auto& campo) { campo = voce; });
}

std::filesystem::path NomeAccanto(const std::filesystem::path& file, int n) {
    std::filesystem::path p = file;
    p += n == 1 ? ".illeggibile" : ".illeggibile." + std::to_string(n);
    return p;
}

std::string DescriviImpostazioniScartate(const ImpostazioniScartate& i) {
    std::string seguito;
    switch (i.forma) {
        case FormaScartata::NonIntero:
            seguito = "Il file resta com'\xC3\xA8";
            // Shipped data: "Ok" writes nothing, and the start says so apart.
            seguito += i.accanto.empty() ? "." : "; con \"Ok\" all'uscita sar\xC3\xA0 conservato come \"" +
                                                     i.accanto.string() +
                                                     "\" e le impostazioni saranno scritte in un file nuovo.";
            break;
        case FormaScartata::Cartella:
            seguito = "La cartella resta com'\xC3\xA8, e con \"Ok\" all'uscita le impostazioni non si potranno salvare.";
            break;
        case FormaScartata::Speciale:
            seguito = "Resta com'\xC3\xA8, e con \"Ok\" all'uscita le impostazioni non si potranno salvare.";
            break;
        case FormaScartata::CollegamentoRotto:
            seguito = i.collegato.empty()
                          ? "Con \"Ok\" all'uscita le impostazioni non si potranno salvare."
                          : "Con \"Ok\" all'uscita le impostazioni saranno scritte in \"" + i.collegato.string() +
                                "\", il file che il collegamento indica.";
            break;
    }
    return "Il file delle impostazioni \"" + i.file.string() + "\" non \xC3\xA8 stato letto:\n" + i.motivo +
           "\nSi usano i valori di progetto. " + seguito;
}

namespace {

namespace fs = std::filesystem;

// What is in place of a file that is not a regular one: a folder, a FIFO, a
// device or a socket; nullopt for anything else.
std::optional<std::pair<FormaScartata, std::string>> AlPosto(fs::file_type t) {
    switch (t) {
        case fs::file_type::directory: return std::pair{FormaScartata::Cartella, std::string("una cartella")};
        case fs::file_type::fifo: return std::pair{FormaScartata::Speciale, std::string("una FIFO")};
        case fs::file_type::socket: return std::pair{FormaScartata::Speciale, std::string("un socket")};
        case fs::file_type::block:
        case fs::file_type::character: return std::pair{FormaScartata::Speciale, std::string("un dispositivo")};
        default: return std::nullopt;
    }
}

// What keeps a file that is there from being taken whole, as the start says
// it; nullopt when it reads, and when nothing holds its name. `accanto` is
// left for the caller.
std::optional<ImpostazioniScartate> Scartato(const fs::path& file, const LetturaFile& l) {
    ImpostazioniScartate i;
    i.file = file;
    switch (l.esito) {
        case EsitoFile::Ok: {
            auto motivo = ImpostazioniNonIntere(l.byte);
            if (!motivo) return std::nullopt;
            i.motivo = std::move(*motivo);
            return i;
        }
        case EsitoFile::TroppoGrande:
            i.motivo = DescriviFileNonLetto(l.esito, TipoImpostazioni, DimensioneMassimaImpostazioni);
            return i;
        case EsitoFile::Illeggibile: {
            std::error_code e;
            const fs::file_status st = fs::status(file, e);
            if (e.value() == ELOOP) {
                i.forma = FormaScartata::CollegamentoRotto;
                i.motivo = "\xC3\xA8 un collegamento che non porta a nessun file: i collegamenti girano in tondo.";
            } else if (const auto alPosto = AlPosto(st.type())) {
                i.forma = alPosto->first;
                i.motivo = "al suo posto c'\xC3\xA8 " + alPosto->second +
                           (i.forma == FormaScartata::Speciale ? ", non un file normale." : ".");
            } else {
                i.motivo = DescriviFileNonLetto(l.esito, TipoImpostazioni, DimensioneMassimaImpostazioni);
            }
            return i;
        }
        case EsitoFile::Mancante: {
            std::error_code e;
            if (!fs::is_symlink(fs::symlink_status(file, e))) return std::nullopt;
            // "Ok" writes the file the link names, as for a link to a file that is there.
            const fs::path bersaglio = FileCollegato(file);
            i.forma = FormaScartata::CollegamentoRotto;
            i.motivo = "\xC3\xA8 un collegamento a \"" + bersaglio.string() + "\", che non c'\xC3\xA8";
            const fs::path cartella = bersaglio.parent_path();
            if (fs::is_directory(cartella.empty() ? fs::path(".") : cartella, e)) {
                i.motivo += ".";
                i.collegato = bersaglio;
            } else {
                i.motivo += ", in una cartella che non c'\xC3\xA8.";
            }
            return i;
        }
    }
    return std::nullopt;
}

// The first name beside `file` that nothing holds.
fs::path PrimoNomeLibero(const fs::path& file) {
    int n = 1;
    while (n < INT_MAX && NomeOccupato(NomeAccanto(file, n))) ++n;
    return NomeAccanto(file, n);
}

// The write, after moving aside a file that could not be taken and still
// cannot; that file goes back in its place when the write fails.
template <class Scrivi>
bool Salva(const StatoPrincipale& s, const fs::path& file, std::string* errore, fs::path* conservato, Scrivi scrivi) {
    if (conservato) conservato->clear();
    // Shipped data is read, never written: not the file, nor one beside it.
    if (s.percorsi.SolaLettura) {
        if (errore) *errore = "i dati in uso sono quelli distribuiti con il programma, che il programma non scrive.";
        return false;
    }
    if (const auto d = CartellaDistribuita(s.percorsi, file)) {
        if (errore)
            *errore = "il file \xC3\xA8 nei " + DatiDistribuiti(*d) + ".";
        return false;
    }
    fs::path messo;
    fs::path bersaglio;
    // Another start may have written it since: a file that reads whole is replaced as usual.
    const auto ora = s.impostazioniScartate && s.impostazioniScartate->file == file
                         ? Scartato(file, LeggiFile(file, DimensioneMassimaImpostazioni))
                         : std::nullopt;
    if (ora && ora->forma == FormaScartata::NonIntero) {
        bersaglio = FileCollegato(file);
        auto m = MettiDaParte(bersaglio, s.impostazioniScartate->accanto, errore);
        if (!m) return false;
        messo = std::move(*m);
    }
    if (conservato) *conservato = messo;
    if (scrivi(TestoImpostazioni(RaccogliImpostazioni(s)))) return true;
    if (!messo.empty() && RinominaSenzaSostituire(messo, bersaglio) == 0 && conservato) conservato->clear();
    return false;
}

}  // namespace

std::optional<std::filesystem::path> MettiDaParte(const std::filesystem::path& file,
                                                   const std::filesystem::path& promesso, std::string* errore,
                                                   const ChiamateAccanto& chiamate) {
    return SpostaAccanto(
        file, promesso, [&](int n) { return NomeAccanto(file, n); }, errore, chiamate);
}

void CaricaImpostazioni(StatoPrincipale& s, const std::filesystem::path& file) {
    s.impostazioniScartate.reset();
    const LetturaFile l = LeggiFile(file, DimensioneMassimaImpostazioni);
    if (auto scartato = Scartato(file, l)) {
        // Shipped data read in place: nothing will be kept beside it, nor written through a link.
        const bool scrive = !s.percorsi.SolaLettura;
        if (scartato->forma == FormaScartata::NonIntero && scrive)
            scartato->accanto = PrimoNomeLibero(FileCollegato(file));
        if (!scartato->collegato.empty() && CartellaDistribuita(s.percorsi, scartato->collegato)) {
            scartato->motivo.back() = ',';
            scartato->motivo += " nei " + DatiDistribuiti({}) + ".";
            scartato->collegato.clear();
        }
        if (!scrive) scartato->collegato.clear();
        s.impostazioniScartate = std::move(*scartato);
        return;
    }
    if (l.esito != EsitoFile::Ok) return;
    ApplicaImpostazioni(s, ImpostazioniDaTesto(l.byte, RaccogliImpostazioni(s)));
}

std::string DescriviCosaResta(const std::filesystem::path& file) {
    std::error_code e;
    const fs::file_status collegamento = fs::symlink_status(file, e);
    if (!fs::exists(collegamento)) return "Nessun file \xC3\xA8 stato scritto.";
    const fs::file_status st = fs::status(file, e);
    if (fs::is_symlink(collegamento) && !fs::exists(st)) {
        if (e.value() == ELOOP) return "Il collegamento \xC3\xA8 rimasto com'era.";
        return "Il collegamento \xC3\xA8 rimasto com'era, e il file che indica, \"" + FileCollegato(file).string() +
               "\", non \xC3\xA8 stato scritto.";
    }
    if (const auto alPosto = AlPosto(st.type()))
        return "Al suo posto c'\xC3\xA8 ancora " + alPosto->second + ".";
    return "Un file gi\xC3\xA0 presente \xC3\xA8 rimasto com'era.";
}

bool SalvaImpostazioni(const StatoPrincipale& s, const std::filesystem::path& file, std::string* errore,
                       std::filesystem::path* conservato) {
    return Salva(s, file, errore, conservato, [&](std::string_view byte) { return ScriviByte(file, byte, errore); });
}

bool SalvaImpostazioni(const StatoPrincipale& s, const std::filesystem::path& file, const ScrittoreFile& scrivi,
                       std::filesystem::path* conservato) {
    if (!scrivi) return false;
    return Salva(s, file, nullptr, conservato, [&](std::string_view byte) { return scrivi(file, byte); });
}

}  // namespace vk
