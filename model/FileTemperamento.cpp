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

// An item as the temperament takes it: not too long, a number where one is read.
bool Presa(int n, const std::string& voce) {
    return Caratteri(voce) <= LunghezzaMassima(n) && (!VoceNumerica(n) || Numero(voce));
}

// Read leniently: items after the 87th are not read, and a fault of form the
// reading took rightly does not refuse the file.
const TipoFile TipoTemperamento{NumeroVociTemperamento, false, "di un temperamento", "un temperamento ha",
                                "un file di temperamento", "un temperamento", NomeVoce, Presa};

}  // namespace

LetturaTemperamento LeggiTemperamento(std::string_view byte) {
    LetturaTemperamento r;
    LetturaForma f = LeggiForma(byte, TipoTemperamento);
    if (f.difetto.tipo == Difetto::Nessuno) {
        r.voci.emplace();
        std::move(f.voci.begin(), f.voci.end(), r.voci->begin());
        return r;
    }
    r.rifiuto.motivo = f.difetto.tipo != Difetto::VoceNonPresa ? MotivoRifiuto::Forma
                       : Caratteri(f.difetto.testo) > LunghezzaMassima(f.difetto.voce) ? MotivoRifiuto::VoceTroppoLunga
                                                                                         : MotivoRifiuto::NonNumero;
    r.rifiuto.difetto = std::move(f.difetto);
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
    const DifettoFile& d = r.difetto;
    const std::string laVoce = "la " + Voce(TipoTemperamento, d.voce);
    const auto nonLetto = [](EsitoFile e) {
        return DescriviFileNonLetto(e, TipoTemperamento, DimensioneMassimaTemperamento);
    };
    switch (r.motivo) {
        case MotivoRifiuto::Nessuno: return "";
        case MotivoRifiuto::FileMancante: return nonLetto(EsitoFile::Mancante);
        case MotivoRifiuto::FileIlleggibile: return nonLetto(EsitoFile::Illeggibile);
        case MotivoRifiuto::FileTroppoGrande: return nonLetto(EsitoFile::TroppoGrande);
        case MotivoRifiuto::Forma: return DescriviDifetto(d, TipoTemperamento);
        case MotivoRifiuto::NonNumero: return laVoce + ", \"" + Accorciato(d.testo) + "\", non \xC3\xA8 un numero.";
        case MotivoRifiuto::VoceTroppoLunga:
            return laVoce + " ha pi\xC3\xB9 di " + std::to_string(LunghezzaMassima(d.voce)) + " caratteri.";
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
