#include "model/FileTemperamento.h"

#include "common/FileTesto.h"
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

LetturaTemperamento LeggiTemperamento(std::string_view byte) {
    LetturaTemperamento r;
    auto rifiuta = [&](Rifiuto motivo) {
        // Whatever item the reader stopped at, the line ends or the bytes
        // before the first item are the cause.
        if (FineRigaSoloCR(byte)) motivo = {MotivoRifiuto::FineRigaSoloCR, 0, ""};
        else if (VociChiuseDaSoloCR(byte)) motivo = {MotivoRifiuto::FineRigaMista, 0, ""};
        else if (const size_t prima = BytePrimaDelleVirgolette(byte))
            motivo = {MotivoRifiuto::BytePrimaDellaVoce, 1, std::string(byte.substr(0, prima))};
        r.rifiuto = std::move(motivo);
        return r;
    };
    LettoreVoci lettore = LettoreVoci::daWindows1252(byte);
    VociTemperamento voci;
    for (int n = 1; n <= NumeroVociTemperamento; ++n) {
        auto voce = lettore.leggi();
        if (!voce)
            return rifiuta({lettore.esito() == EsitoLettura::VirgoletteNonChiuse ? MotivoRifiuto::VirgoletteNonChiuse
                                                                                  : MotivoRifiuto::TroppoBreve,
                            n, ""});
        if (Caratteri(*voce) > LunghezzaMassima(n)) return rifiuta({MotivoRifiuto::VoceTroppoLunga, n, ""});
        if (VoceNumerica(n) && !Numero(*voce)) return rifiuta({MotivoRifiuto::NonNumero, n, *voce});
        voci[static_cast<size_t>(n - 1)] = std::move(*voce);
    }
    r.voci = std::move(voci);
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
            return "le voci del file finiscono con il solo CR, senza LF, ma un testo contiene CR LF: le fini "
                   "riga sono miste e non si possono separare le " +
                   std::to_string(NumeroVociTemperamento) + " voci di un temperamento.";
        case MotivoRifiuto::BytePrimaDellaVoce:
            return "il file ha " + std::to_string(r.testo.size()) + " byte" +
                   (r.testo.starts_with("\xEF\xBB\xBF") ? " (EF BB BF: il segno BOM di UTF-8)" : "") +
                   " prima delle virgolette della voce 1 (" + NomeVoce(1) + ").";
    }
    return "";
}

std::string DescriviRifiuto(const Rifiuto& r, const std::string& nomeFile) {
    if (r.motivo == MotivoRifiuto::Nessuno) return "";
    return "Il file \"" + nomeFile + "\" non \xC3\xA8 stato aperto:\n" + DescriviMotivo(r) +
           "\nIl temperamento non \xC3\xA8 cambiato.";
}

}  // namespace vk
