#include "common/FormaFile.h"

#include <algorithm>
#include <optional>
#include <utility>

#include "common/FileTesto.h"

namespace vk {

namespace {

constexpr std::size_t Nessuno = VoceLetta::Nessuno;

// Where a reading stopped.
struct Fermata {
    Difetto tipo = Difetto::Nessuno;  // FinePrima, VirgoletteNonChiuse, VoceNonPresa
    int voce = 0;
    // How far it got: the start of the item it stopped at, or the end of the
    // file when that stopped it; Nessuno when nothing did.
    std::size_t byte = Nessuno;
    std::string testo;
};

// Reads items primo.. of `tipo` from where the reader stands, and for a kind
// taken whole every line after them (into `voci` when given).
Fermata LeggiFino(LettoreVoci& l, const TipoFile& tipo, int primo, std::vector<std::string>* voci) {
    for (int n = primo; n <= tipo.voci || tipo.intero; ++n) {
        auto voce = l.leggi();
        if (!voce) {
            if (n > tipo.voci && l.esito() == EsitoLettura::FineFile) break;
            const bool aperte = l.esito() == EsitoLettura::VirgoletteNonChiuse;
            return {aperte ? Difetto::VirgoletteNonChiuse : Difetto::FinePrima, n, l.byte().size(), ""};
        }
        if (n > tipo.voci) continue;
        if (tipo.presa && !tipo.presa(n, *voce)) return {Difetto::VoceNonPresa, n, l.lette().back().inizio, *voce};
        if (voci) voci->push_back(std::move(*voce));
    }
    return {};
}

// Whether a reading with a fault of form mended gets further than the plain
// one: then the fault is what stopped it. Further is past the item where the
// plain reading stopped, or on to the end of the file where that stopped at
// a bad item; where both run into the end of the file, at another item,
// which shows that the fault changed what the plain reading took.
bool VaOltre(const Fermata& mendata, const Fermata& r) {
    if (mendata.tipo == Difetto::Nessuno || mendata.voce > r.voce) return true;
    const bool allaFine = mendata.tipo != Difetto::VoceNonPresa;
    return allaFine && (r.tipo == Difetto::VoceNonPresa || mendata.voce != r.voce);
}

// Whether the line of an item goes on past a CR alone: a CR followed on it
// by anything but blanks and CRs.
bool ProsegueDopoCR(std::string_view b, const VoceLetta& v) {
    if (v.crSolo == Nessuno) return false;
    for (std::size_t i = v.crSolo + 1; i < v.fine && b[i] != '\n'; ++i)
        if (!Spazio(b[i]) && b[i] != '\r') return true;
    return false;
}

// The bytes with a CR alone taken as a line end: the last CR of each run
// that no LF follows becomes an LF (same length, same positions).
std::string ConCRFineRiga(std::string b) {
    for (std::size_t i = 0; i + 1 < b.size(); ++i)
        if (b[i] == '\r' && b[i + 1] != '\r' && b[i + 1] != '\n') b[i] = '\n';
    return b;
}

// Whether a reading ended every item by CR alone (two at least) while a text
// holds an LF: the file's line ends are mixed as a whole.
bool VociChiuseDaCR(std::string_view b, const std::vector<VoceLetta>& lette) {
    const auto daCR = [&](const VoceLetta& x) { return x.fine == b.size() || b[x.fine - 1] == '\r'; };
    const auto conLF = [&](const VoceLetta& x) {
        return x.traVirgolette() && b.substr(x.inizio, x.chiusa - x.inizio).find('\n') != std::string_view::npos;
    };
    return lette.size() > 1 && std::all_of(lette.begin(), lette.end(), daCR) &&
           std::any_of(lette.begin(), lette.end(), conLF);
}

constexpr std::string_view BomUtf8 = "\xEF\xBB\xBF";

// Whether the file is UTF-16: its first characters (three in four of the
// first 128, past a byte-order mark, at least 8) with a NUL as one of their
// two bytes, always the same one.
bool InUtf16(std::string_view b) {
    const auto u = [&](std::size_t i) { return static_cast<unsigned char>(b[i]); };
    const bool bom = b.size() >= 2 && ((u(0) == 0xFF && u(1) == 0xFE) || (u(0) == 0xFE && u(1) == 0xFF));
    std::size_t coppie = 0, basso = 0, alto = 0;
    for (std::size_t i = bom ? 2 : 0; i + 1 < b.size() && coppie < 128; i += 2, ++coppie) {
        basso += u(i) != 0 && u(i + 1) == 0;
        alto += u(i) == 0 && u(i + 1) != 0;
    }
    return coppie >= 8 && std::max(basso, alto) * 4 >= coppie * 3;
}

DifettoFile Trovato(Difetto tipo, int voce = 0, std::size_t byte = 0, std::string testo = {}) {
    return {tipo, voce, byte, std::move(testo)};
}

// The first real fault of what `l` read, which stopped as `fermata` says.
// What concerns the whole file comes first; then, in the order of the file,
// a byte no text holds and the faults of each item's line, then the
// reading's own stop. Of a kind not taken only whole, a fault of form is
// real where the reading with it mended gets further, and a byte no text
// holds where it lies before the item the reading stopped at.
DifettoFile PrimoDifetto(const LettoreVoci& l, const Fermata& fermata, const TipoFile& tipo) {
    if (!tipo.intero && fermata.tipo == Difetto::Nessuno) return {};
    const std::string& b = l.byte();
    if (b.empty()) return Trovato(Difetto::Vuoto);
    if (InUtf16(b)) return Trovato(Difetto::Utf16);
    if (FineRigaSoloCR(b)) return Trovato(Difetto::SoloCR);
    const std::size_t c = l.primoNonTesto() < fermata.byte ? l.primoNonTesto() : Nessuno;
    const auto nonTesto = [&] { return Trovato(Difetto::NonTesto, 0, c, b.substr(c, 1)); };
    // The readings with a fault mended, made at the first need: from an
    // item's quote, and with a CR alone taken as a line end.
    std::optional<LettoreVoci> dallaVirgoletta, conCR;
    const auto mendata = [&](std::optional<LettoreVoci>& r, auto byte, std::size_t da, int n) {
        if (!r) r.emplace(LettoreVoci::daWindows1252(byte()));
        r->vaiA(da);
        return LeggiFino(*r, tipo, n, nullptr);
    };
    const auto& lette = l.lette();
    for (std::size_t i = 0; i < lette.size(); ++i) {
        const VoceLetta& v = lette[i];
        const int n = static_cast<int>(i) + 1;
        if (c <= v.inizio) return nonTesto();
        if (n > tipo.voci) {
            if (v.crSolo != Nessuno) return Trovato(Difetto::CRSenzaLF, n);
            if (!v.vuota()) return Trovato(Difetto::DopoLUltima, n);
            continue;
        }
        if (v.virgolette != Nessuno) {
            // A byte-order mark, which no text starts with, is a fault
            // wherever the reading went after it.
            const bool bom = n == 1 && v.inizio == 0 && b.starts_with(BomUtf8);
            if (tipo.intero || bom ||
                VaOltre(mendata(dallaVirgoletta, [&] { return b; }, v.virgolette, n), fermata))
                return Trovato(Difetto::BytePrimaDelleVirgolette, n, 0, b.substr(v.inizio, v.virgolette - v.inizio));
        }
        if (v.crSolo != Nessuno && (tipo.intero || ProsegueDopoCR(b, v))) {
            const bool daMendare = !tipo.intero || n == 1;
            const Fermata m =
                daMendare ? mendata(conCR, [&] { return ConCRFineRiga(b); }, v.inizio, n) : Fermata{};
            // Item 1 ended by CR alone may be how every item ends.
            if (tipo.intero || VaOltre(m, fermata))
                return Trovato(Difetto::CRSenzaLF, n == 1 && VociChiuseDaCR(b, conCR->lette()) ? 0 : n);
        }
        if (tipo.intero && v.dopo != Nessuno) return Trovato(Difetto::DopoLeVirgolette, n);
    }
    if (c != Nessuno) return nonTesto();
    if (fermata.tipo == Difetto::Nessuno) return {};
    if (fermata.voce > tipo.voci) return Trovato(Difetto::DopoLUltima, fermata.voce);
    return Trovato(fermata.tipo, fermata.voce, 0, fermata.testo);
}

std::string ByteEsadecimale(unsigned char c) {
    constexpr char cifre[] = "0123456789ABCDEF";
    return {cifre[c >> 4], cifre[c & 0xF]};
}

// "le 29 voci delle impostazioni".
std::string LeVoci(const TipoFile& tipo) { return "le " + std::to_string(tipo.voci) + " voci " + tipo.di; }

constexpr const char* FiniRigaMiste = ": le fini riga del file sono miste e non si possono separare ";

}  // namespace

LetturaForma LeggiForma(std::string_view byte, const TipoFile& tipo) {
    LettoreVoci l = LettoreVoci::daWindows1252(byte);
    LetturaForma r;
    r.difetto = PrimoDifetto(l, LeggiFino(l, tipo, 1, &r.voci), tipo);
    return r;
}

std::string Voce(const TipoFile& tipo, int n) {
    std::string s = "voce " + std::to_string(n);
    if (tipo.nomeVoce) s += " (" + tipo.nomeVoce(n) + ")";
    return s;
}

std::string DescriviDifetto(const DifettoFile& d, const TipoFile& tipo) {
    const std::string voci = std::to_string(tipo.voci);
    switch (d.tipo) {
        case Difetto::Nessuno:
        case Difetto::VoceNonPresa: return "";
        case Difetto::Vuoto: return "il file \xC3\xA8 vuoto.";
        case Difetto::Utf16:
            return "il file \xC3\xA8 scritto in UTF-16, con due byte per carattere, e non in Windows-1252, con un byte "
                   "per carattere.";
        case Difetto::NonTesto:
            return "il file contiene byte che un testo non ha (il primo, " +
                   ByteEsadecimale(static_cast<unsigned char>(d.testo.at(0))) + ", al byte " +
                   std::to_string(d.byte + 1) + "): non \xC3\xA8 " + tipo.unFile + ".";
        case Difetto::SoloCR:
            return "le righe del file finiscono con il solo CR, senza LF, e non si possono separare " + LeVoci(tipo) +
                   ".";
        case Difetto::CRSenzaLF:
            if (d.voce == 0)
                return "le voci del file finiscono con il solo CR, senza LF, ma un testo contiene CR LF" +
                       (FiniRigaMiste + LeVoci(tipo)) + ".";
            return (d.voce > tipo.voci ? "una riga dopo la voce " + voci : "la riga della " + Voce(tipo, d.voce)) +
                   " contiene un CR senza LF" + FiniRigaMiste + LeVoci(tipo) + ".";
        case Difetto::BytePrimaDelleVirgolette:
            return "il file ha " + std::to_string(d.testo.size()) + " byte" +
                   (d.testo.starts_with(BomUtf8) ? " (EF BB BF: il segno BOM di UTF-8)" : "") +
                   " prima delle virgolette della " + Voce(tipo, d.voce) + ".";
        case Difetto::DopoLeVirgolette:
            return "la riga della " + Voce(tipo, d.voce) + " continua dopo le virgolette di chiusura.";
        case Difetto::VirgoletteNonChiuse: return "la " + Voce(tipo, d.voce) + " non ha le virgolette di chiusura.";
        case Difetto::FinePrima:
            return "il file finisce prima della " + Voce(tipo, d.voce) + "; " + tipo.ha + " " + voci + " voci.";
        case Difetto::DopoLUltima:
            return "il file continua dopo la voce " + voci + "; " + tipo.ha + " " + voci + " voci e nient'altro.";
    }
    return "";
}

std::string DescriviFileNonLetto(EsitoFile esito, const TipoFile& tipo, std::uintmax_t massimo) {
    switch (esito) {
        case EsitoFile::Ok: return "";
        case EsitoFile::Mancante: return "il file non esiste.";
        case EsitoFile::Illeggibile: return "il file non si pu\xC3\xB2 leggere.";
        case EsitoFile::TroppoGrande: {
            constexpr std::uintmax_t KB = 1024, MB = KB * KB;
            const std::string misura =
                massimo % MB == 0 ? std::to_string(massimo / MB) + " MB" : std::to_string(massimo / KB) + " KB";
            return "il file \xC3\xA8 troppo grande per " + std::string(tipo.per) + " (pi\xC3\xB9 di " + misura + ").";
        }
    }
    return "";
}

}  // namespace vk
