#include "model/FileTemperamento.h"

#include <algorithm>
#include <cstdio>
#include <set>
#include <utility>
#include <vector>

#include "common/FileTesto.h"
#include "common/LetturaFile.h"
#include "model/ApplicaQuinte.h"

namespace vk {

namespace {

// The seven groups of twelve, in file order, from item 4.
struct Gruppo {
    Dodici Temperamento::*campo;
    const char* nome;
    bool numerico;
};
constexpr Gruppo Gruppi[7] = {
    {&Temperamento::Quinte, "Quinta %d in Micro", true},
    {&Temperamento::QuinteCents, "Quinta %d in Cents", true},
    {&Temperamento::Frazioni, "Frazione della quinta %d", false},
    {&Temperamento::Terze, "Terza %d in Micro", true},
    {&Temperamento::TerzeCents, "Terza %d in Cents", true},
    {&Temperamento::Semitoni, "Semitono %d in Micro", true},
    {&Temperamento::SemitoniCents, "Semitono %d in Cents", true},
};

// Group and index (1..12) of items 4..87.
std::pair<const Gruppo*, int> GruppoDi(int n) { return {&Gruppi[(n - 4) / 12], (n - 4) % 12 + 1}; }

// A long text cut for a message, on a character boundary.
std::string Accorciato(const std::string& t) {
    constexpr size_t Massimo = 40;
    if (t.size() <= Massimo) return t;
    size_t n = Massimo;
    while (n > 0 && (static_cast<unsigned char>(t[n]) & 0xC0) == 0x80) --n;
    return t.substr(0, n) + "...";
}

}  // namespace

std::string NomeVoce(int n) {
    if (n == 1) return "Nome";
    if (n == 2) return "Descrizione";
    if (n == 3) return "Comma";
    if (n < 1 || n > NumeroVociTemperamento) return "";
    auto [g, k] = GruppoDi(n);
    std::string s = g->nome;
    s.replace(s.find("%d"), 2, std::to_string(k));
    return s;
}

size_t LunghezzaMassima(int n) { return n <= 2 ? LunghezzaMassimaTesto : LunghezzaMassimaVoce; }

namespace {

size_t Caratteri(const std::string& utf8) {
    size_t n = 0;
    for (unsigned char c : utf8) n += (c & 0xC0) != 0x80;
    return n;
}

}  // namespace

bool VoceNumerica(int n) { return n >= 4 && n <= NumeroVociTemperamento && GruppoDi(n).first->numerico; }

VociTemperamento VociDi(const Temperamento& t) {
    VociTemperamento v;
    v[0] = t.Nome;
    v[1] = t.Descrizione;
    v[2] = t.CommaCaption;
    for (int n = 4; n <= NumeroVociTemperamento; ++n) {
        auto [g, k] = GruppoDi(n);
        v[static_cast<size_t>(n - 1)] = (t.*(g->campo))[static_cast<size_t>(k)];
    }
    return v;
}

std::string ByteTemperamento(const Temperamento& t) {
    ScrittoreVoci s;
    for (std::string voce : VociDi(t)) {
        for (char& c : voce)
            if (c == '"') c = '\'';
        s.testo(voce);
    }
    return s.windows1252();
}

namespace {

// Where an item lay in the text read.
struct Tratto {
    size_t inizio;  // its first character, after the blanks
    size_t chiusa;  // its closing quote; npos for an item not in quotes
    size_t fine;    // past its line: where the next item is looked for
};

// Reads items primo..87 from where the reader stands (into `voci` when
// given, and where each lay into `tratti`): the refusal of the first bad
// item, or Nessuno.
Rifiuto LeggiVoci(LettoreVoci& lettore, int primo, VociTemperamento* voci, std::vector<Tratto>* tratti) {
    for (int n = primo; n <= NumeroVociTemperamento; ++n) {
        const size_t prima = lettore.posizione();
        auto voce = lettore.leggi();
        if (!voce)
            return {lettore.esito() == EsitoLettura::VirgoletteNonChiuse ? MotivoRifiuto::VirgoletteNonChiuse
                                                                          : MotivoRifiuto::TroppoBreve,
                    n, ""};
        if (tratti) {
            const size_t inizio = lettore.testo().find_first_not_of(" \t", prima);
            tratti->push_back(
                {inizio, lettore.traVirgolette() ? inizio + 1 + voce->size() : std::string::npos, lettore.posizione()});
        }
        if (Caratteri(*voce) > LunghezzaMassima(n)) return {MotivoRifiuto::VoceTroppoLunga, n, ""};
        if (VoceNumerica(n) && !Numero(*voce)) return {MotivoRifiuto::NonNumero, n, *voce};
        if (voci) (*voci)[static_cast<size_t>(n - 1)] = std::move(*voce);
    }
    return {};
}

// Whether a reading with a fault of the file's form mended gets past the
// item where the plain reading stopped: then the fault is what stopped it.
// A reading that stops there or sooner shows the plain one took the file
// rightly up to its stop.
bool VaOltre(const Rifiuto& mendata, const Rifiuto& r) {
    return mendata.motivo == MotivoRifiuto::Nessuno || mendata.voce > r.voce;
}

// The line an item's reading took past its text: past the closing quote, or
// the whole line for an item not in quotes; without its LF.
std::string_view RestoDellaRiga(std::string_view t, const Tratto& v) {
    const size_t da = v.chiusa == std::string::npos ? v.inizio : v.chiusa + 1;
    size_t a = v.fine;
    if (a > da && t[a - 1] == '\n') --a;
    return t.substr(da, a - da);
}

// Whether that line goes on past a CR alone: a CR followed on it by anything
// but blanks and CRs.
bool ProsegueDopoCR(std::string_view riga) {
    const auto ultimo = riga.find_last_not_of(" \t\r");
    return ultimo != std::string_view::npos && riga.substr(0, ultimo).find('\r') != std::string_view::npos;
}

// The text with a CR alone taken as a line end: the last CR of each run
// that no LF follows becomes an LF (same length, same positions).
std::string ConCRFineRiga(std::string t) {
    for (size_t i = 0; i + 1 < t.size(); ++i)
        if (t[i] == '\r' && t[i + 1] != '\r' && t[i + 1] != '\n') t[i] = '\n';
    return t;
}

// The UTF-8 byte-order mark, as the reader's text holds its three bytes.
constexpr std::string_view BomUtf8 = "\xC3\xAF\xC2\xBB\xC2\xBF";

// Whether the file is UTF-16: its first characters (three in four of the
// first 128, past a byte-order mark, at least 8) with a NUL as one of their
// two bytes, always the same one.
bool InUtf16(std::string_view b) {
    const auto u = [&](size_t i) { return static_cast<unsigned char>(b[i]); };
    const bool bom = b.size() >= 2 && ((u(0) == 0xFF && u(1) == 0xFE) || (u(0) == 0xFE && u(1) == 0xFF));
    size_t coppie = 0, basso = 0, alto = 0;
    for (size_t i = bom ? 2 : 0; i + 1 < b.size() && coppie < 128; i += 2, ++coppie) {
        basso += u(i) != 0 && u(i + 1) == 0;
        alto += u(i) == 0 && u(i + 1) != 0;
    }
    return coppie >= 8 && std::max(basso, alto) * 4 >= coppie * 3;
}

// The first fault of the file's form that made the reading stop as `r`
// says, or `r` itself. `tratti` are the items the reading took.
Rifiuto CausaPrima(std::string_view byte, LettoreVoci& lettore, const std::vector<Tratto>& tratti, Rifiuto r) {
    if (InUtf16(byte)) return {MotivoRifiuto::CodificaUtf16, 0, ""};
    // No LF anywhere: the whole file is one line.
    if (FineRigaSoloCR(byte)) return {MotivoRifiuto::FineRigaSoloCR, 0, ""};
    const std::string& t = lettore.testo();
    std::optional<LettoreVoci> conCR;  // made at the first need
    for (size_t i = 0; i < tratti.size(); ++i) {
        const Tratto& v = tratti[i];
        const int n = static_cast<int>(i) + 1;
        const std::string_view riga = RestoDellaRiga(t, v);
        if (ProsegueDopoCR(riga)) {
            if (!conCR) conCR.emplace(ConCRFineRiga(t));
            conCR->vaiA(v.inizio);
            std::vector<Tratto> mendati;
            if (VaOltre(LeggiVoci(*conCR, n, nullptr, &mendati), r)) {
                // Every item ended by CR alone from the first, and a text
                // holding an LF: the file's line ends as a whole.
                const bool tutte = n == 1 && std::all_of(mendati.begin(), mendati.end(), [&](const Tratto& m) {
                    return m.fine == t.size() || t[m.fine - 1] == '\r';
                });
                const bool lfNelTesto = std::any_of(mendati.begin(), mendati.end(), [&](const Tratto& m) {
                    return m.chiusa != std::string::npos &&
                           std::string_view(t).substr(m.inizio, m.chiusa - m.inizio).find('\n') != std::string_view::npos;
                });
                return {MotivoRifiuto::FineRigaMista, tutte && lfNelTesto ? 0 : n, ""};
            }
        }
        // An item not in quotes whose line holds one: the bytes before it.
        const size_t virgolette = v.chiusa == std::string::npos ? riga.find('"') : std::string_view::npos;
        if (virgolette != std::string_view::npos) {
            // A byte-order mark, which no text starts with, is a fault
            // wherever the reading went after it.
            const bool bom = n == 1 && v.inizio == 0 && riga.starts_with(BomUtf8);
            lettore.vaiA(v.inizio + virgolette);
            if (bom || VaOltre(LeggiVoci(lettore, n, nullptr, nullptr), r))
                return {MotivoRifiuto::BytePrimaDellaVoce, n, Windows1252DaUtf8(riga.substr(0, virgolette))};
        }
    }
    return r;
}

}  // namespace

LetturaTemperamento LeggiTemperamento(std::string_view byte) {
    LetturaTemperamento r;
    LettoreVoci lettore = LettoreVoci::daWindows1252(byte);
    VociTemperamento voci;
    std::vector<Tratto> tratti;
    Rifiuto rifiuto = LeggiVoci(lettore, 1, &voci, &tratti);
    if (rifiuto.motivo == MotivoRifiuto::Nessuno)
        r.voci = std::move(voci);
    else
        r.rifiuto = CausaPrima(byte, lettore, tratti, std::move(rifiuto));
    return r;
}

LetturaTemperamento LeggiFileTemperamento(const std::filesystem::path& percorso) {
    LetturaFile f = LeggiFile(percorso, DimensioneMassimaTemperamento);
    LetturaTemperamento r;
    switch (f.esito) {
        case EsitoFile::Ok: return LeggiTemperamento(f.byte);
        case EsitoFile::Mancante: r.rifiuto.motivo = MotivoRifiuto::FileMancante; break;
        case EsitoFile::Illeggibile: r.rifiuto.motivo = MotivoRifiuto::FileIlleggibile; break;
        case EsitoFile::TroppoGrande: r.rifiuto.motivo = MotivoRifiuto::FileTroppoGrande; break;
    }
    return r;
}

void ApplicaVoci(const VociTemperamento& v, Temperamento& t) {
    // Every item as the file holds it: nothing is derived or named again.
    Temperamento letto;
    for (int n = 4; n <= NumeroVociTemperamento; ++n) {
        auto [g, k] = GruppoDi(n);
        (letto.*(g->campo))[static_cast<size_t>(k)] = v[static_cast<size_t>(n - 1)];
    }
    QuinteNuove n;
    n.Nome = v[0];
    n.Descrizione = v[1];
    n.CommaCaption = v[2];
    for (size_t k = 1; k <= 12; ++k) n.Quinte[k] = std::move(letto.Quinte[k]);
    n.QuinteCents = std::move(letto.QuinteCents);
    n.Frazioni = std::move(letto.Frazioni);
    n.Terze = std::move(letto.Terze);
    n.TerzeCents = std::move(letto.TerzeCents);
    n.Semitoni = std::move(letto.Semitoni);
    n.SemitoniCents = std::move(letto.SemitoniCents);
    OpzioniQuinte o;
    o.Deriva = false;
    o.ErroreChiusura = false;
    // The cents were checked on reading, so the spread always has a value.
    ApplicaQuinte(t, std::move(n), o);
}

std::string DescriviMotivo(const Rifiuto& r) {
    const std::string voce = "la voce " + std::to_string(r.voce) + " (" + NomeVoce(r.voce) + ")";
    switch (r.motivo) {
        case MotivoRifiuto::Nessuno: return "";
        case MotivoRifiuto::FileMancante: return "il file non esiste.";
        case MotivoRifiuto::FileIlleggibile: return "il file non si pu\xC3\xB2 leggere.";
        case MotivoRifiuto::FileTroppoGrande:
            return "il file \xC3\xA8 troppo grande per un temperamento (pi\xC3\xB9 di 16 MB).";
        case MotivoRifiuto::TroppoBreve:
            return "il file finisce prima della voce " + std::to_string(r.voce) + " (" + NomeVoce(r.voce) +
                   "); un temperamento ha " + std::to_string(NumeroVociTemperamento) + " voci.";
        case MotivoRifiuto::VirgoletteNonChiuse: return voce + " non ha le virgolette di chiusura.";
        case MotivoRifiuto::NonNumero: return voce + ", \"" + Accorciato(r.testo) + "\", non \xC3\xA8 un numero.";
        case MotivoRifiuto::VoceTroppoLunga:
            return voce + " ha pi\xC3\xB9 di " + std::to_string(LunghezzaMassima(r.voce)) + " caratteri.";
        case MotivoRifiuto::FineRigaSoloCR:
            return "le righe del file finiscono con il solo CR, senza LF, e non si possono separare le " +
                   std::to_string(NumeroVociTemperamento) + " voci di un temperamento.";
        case MotivoRifiuto::FineRigaMista:
            return (r.voce == 0 ? "le voci del file finiscono con il solo CR, senza LF, ma un testo contiene CR LF"
                                : voce + " finisce con il solo CR, senza LF, mentre altre righe del file finiscono "
                                         "con LF") +
                   ": le fini riga sono miste e non si possono separare le " +
                   std::to_string(NumeroVociTemperamento) + " voci di un temperamento.";
        case MotivoRifiuto::BytePrimaDellaVoce:
            return "il file ha " + std::to_string(r.testo.size()) + " byte" +
                   (r.testo.starts_with("\xEF\xBB\xBF") ? " (EF BB BF: il segno BOM di UTF-8)" : "") +
                   " prima delle virgolette della voce " + std::to_string(r.voce) + " (" + NomeVoce(r.voce) + ").";
        case MotivoRifiuto::CodificaUtf16:
            return "il file \xC3\xA8 scritto in UTF-16, con due byte per carattere, e un temperamento si legge in "
                   "Windows-1252, con un byte per carattere.";
    }
    return "";
}

namespace {

// Where character i of a text starts (the text's end past its last).
size_t Inizio(std::string_view t, const std::vector<CarattereUtf8>& c, size_t i) {
    return i < c.size() ? static_cast<size_t>(c[i].byte.data() - t.data()) : t.size();
}

void Confronta(int voce, std::string_view scritto, std::string_view riletto, std::vector<CarattereCambiato>& r) {
    if (scritto == riletto) return;
    const auto a = CaratteriUtf8(scritto);
    const auto b = CaratteriUtf8(riletto);
    std::set<std::pair<std::string_view, std::string_view>> visti;
    const auto aggiungi = [&](std::string_view da, std::string_view in) {
        if (visti.insert({da, in}).second) r.push_back({voce, std::string(da), std::string(in)});
    };
    if (a.size() == b.size()) {
        for (size_t i = 0; i < a.size(); ++i)
            if (a[i].byte != b[i].byte) aggiungi(a[i].byte, b[i].byte);
        return;
    }
    size_t p = 0;
    while (p < a.size() && p < b.size() && a[p].byte == b[p].byte) ++p;
    size_t s = 0;
    while (s < a.size() - p && s < b.size() - p && a[a.size() - 1 - s].byte == b[b.size() - 1 - s].byte) ++s;
    // Characters only added: the one beside them becomes them with it.
    if (p + s == a.size()) {
        if (p > 0)
            --p;
        else if (s > 0)
            --s;
    }
    const auto tratto = [&](std::string_view t, const std::vector<CarattereUtf8>& c) {
        const size_t da = Inizio(t, c, p);
        return t.substr(da, Inizio(t, c, c.size() - s) - da);
    };
    aggiungi(tratto(scritto, a), tratto(riletto, b));
}

// Characters that show nothing of their own: named by their code alone.
bool Invisibile(char32_t c) { return c < 0x20 || (c >= 0x7F && c <= 0x9F) || c == 0x2028 || c == 0x2029; }

// The text in guillemets, with its codes when asked ("U+266D"); one that
// holds a control character by its codes alone ("U+0085").
std::string Mostra(std::string_view testo, bool conCodici) {
    std::string codici;
    bool visibile = true;
    char b[16];
    for (const CarattereUtf8& c : CaratteriUtf8(testo)) {
        if (c.codice)
            std::snprintf(b, sizeof b, "U+%04X", static_cast<unsigned>(*c.codice));
        else
            std::snprintf(b, sizeof b, "byte %02X", static_cast<unsigned char>(c.byte[0]));
        codici += (codici.empty() ? "" : " ") + std::string(b);
        visibile = visibile && c.codice && !Invisibile(*c.codice);
    }
    if (codici.empty()) return "\xC2\xAB\xC2\xBB";
    if (!visibile) return codici;
    const std::string segno = "\xC2\xAB" + std::string(testo) + "\xC2\xBB";
    return conCodici ? segno + " (" + codici + ")" : segno;
}

// "A, B e C"; past ten, the first eight and "e altri N caratteri".
std::string Elenco(const std::vector<const CarattereCambiato*>& g) {
    constexpr size_t Tutti = 10, Primi = 8;
    const size_t mostrati = g.size() <= Tutti ? g.size() : Primi;
    std::string r;
    for (size_t i = 0; i < mostrati; ++i) {
        if (i > 0) r += i + 1 == mostrati && mostrati == g.size() ? " e " : ", ";
        r += Mostra(g[i]->carattere, true);
    }
    if (mostrati < g.size()) r += " e altri " + std::to_string(g.size() - mostrati) + " caratteri";
    return r;
}

}  // namespace

std::vector<CarattereCambiato> CaratteriCambiati(const VociTemperamento& scritti, const VociTemperamento& riletti) {
    std::vector<CarattereCambiato> r;
    for (size_t i = 0; i < scritti.size(); ++i) Confronta(static_cast<int>(i) + 1, scritti[i], riletti[i], r);
    return r;
}

Salvataggio PreparaSalvataggio(const Temperamento& t) {
    Salvataggio s;
    s.byte = ByteTemperamento(t);
    // Read back as Open reads it: what would come back is what is compared.
    LetturaTemperamento l = LeggiTemperamento(s.byte);
    if (l.ok())
        s.cambiati = CaratteriCambiati(VociDi(t), *l.voci);
    else
        s.rifiuto = std::move(l.rifiuto);
    return s;
}

std::string DescriviCaratteriCambiati(const std::vector<CarattereCambiato>& cambiati) {
    std::string r;
    for (size_t i = 0; i < cambiati.size();) {
        const int voce = cambiati[i].voce;
        size_t fine = i;
        while (fine < cambiati.size() && cambiati[fine].voce == voce) ++fine;
        r += NomeVoce(voce) + ": ";
        // One clause for each thing they become, in order of first appearance.
        std::vector<std::string_view> fatti;
        for (size_t j = i; j < fine; ++j) {
            const std::string& in = cambiati[j].diventa;
            if (std::find(fatti.begin(), fatti.end(), in) != fatti.end()) continue;
            fatti.push_back(in);
            std::vector<const CarattereCambiato*> g;
            for (size_t k = j; k < fine; ++k)
                if (cambiati[k].diventa == in) g.push_back(&cambiati[k]);
            const bool uno = g.size() == 1;
            if (fatti.size() > 1) r += "; ";
            r += Elenco(g) + (in.empty() ? (uno ? " sparisce" : " spariscono")
                                         : (uno ? " diventa " : " diventano ") + Mostra(in, false));
        }
        r += "\n";
        i = fine;
    }
    return r;
}

std::string DescriviRifiuto(const Rifiuto& r, const std::string& nomeFile) {
    if (r.motivo == MotivoRifiuto::Nessuno) return "";
    return "Il file \"" + nomeFile + "\" non \xC3\xA8 stato aperto:\n" + DescriviMotivo(r) +
           "\nIl temperamento non \xC3\xA8 cambiato.";
}

}  // namespace vk
