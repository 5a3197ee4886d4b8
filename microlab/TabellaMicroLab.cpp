#include "microlab/TabellaMicroLab.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <optional>
#include <string_view>

#include "app/Notazione.h"
#include "common/Micro.h"
#include "model/ApplicaQuinte.h"
#include "model/NumeriDigitati.h"

namespace vk {

namespace {

constexpr ValoreFisso Fisso(int64_t decimillesimi) { return ValoreFisso::daDecimillesimi(decimillesimi); }
constexpr ValoreFisso CentsQuintaNaturale = Fisso(7019553);
constexpr ValoreFisso CentsTerzaNaturale = Fisso(3863137);
constexpr ValoreFisso CentsSemitonoEquabile = Fisso(1000000);

int Mod12(int x) { return ((x % 12) + 12) % 12; }

// The texts a third shows at the pure and the Pythagorean size, written as
// designed rather than computed.
struct TerzaFissa {
    ValoreFisso micro;
    const char *cents, *scarto;
};
constexpr TerzaFissa TerzeFisse[] = {{Micro::TerzaNaturale, "386,3137", "0"},
                                     {Micro::TerzaPitagorica, "407,8212", "21,5084"}};

// Writes the fixed texts of a third of `micro`; false for any other size.
bool ScriviTerzaFissa(RigaMicro& r, ValoreFisso micro) {
    for (const TerzaFissa& t : TerzeFisse)
        if (micro == t.micro) {
            r.Cents = t.cents;
            r.Scarto = t.scarto;
            return true;
        }
    return false;
}

// Row names 13..48 in the design's Italian spelling, row by row (the
// fifths 1..12 are the circle's).
constexpr const char* NomiItaliani[49] = {
    "", "", "", "", "", "", "", "", "", "", "", "", "",
    "DO - MI", "SOL - SI", "RE - FA#", "LA - DO#", "MI - SOL#", "SI - RE#",
    "FA# - LA#", "REb - FA", "LAb - DO", "MIb - SOL", "SIb - RE", "FA - LA",
    "DO - DO#", "DO# - RE", "RE - MIb", "MIb - MI", "MI - FA", "FA - FA#",
    "FA# - SOL", "SOL - LAb", "LAb - LA", "LA - SIb", "SIb - SI", "SI - DO",
    "DO", "DO#", "RE", "MIb", "MI", "FA", "FA#", "SOL", "LAb", "LA", "SIb", "SI",
};

const char* NomeItaliano(int riga) { return riga <= 12 ? NomeQuintaItaliano(riga) : NomiItaliani[riga]; }

}  // namespace

GruppoIntervallo GruppoDi(int riga) {
    if (riga >= 1 && riga <= 12) return GruppoIntervallo::Quinte;
    if (riga >= 13 && riga <= 24) return GruppoIntervallo::Terze;
    if (riga >= 25 && riga <= 36) return GruppoIntervallo::Semitoni;
    return GruppoIntervallo::Note;
}

ColoreVB ColoreGruppo(int riga) {
    switch (GruppoDi(riga)) {
        case GruppoIntervallo::Quinte: return ColoriMicro::Quinte;
        case GruppoIntervallo::Terze: return ColoriMicro::Terze;
        case GruppoIntervallo::Semitoni: return ColoriMicro::Semitoni;
        case GruppoIntervallo::Note: break;
    }
    return ColoriMicro::Note;
}

int NotaSuperiore(int riga) {
    switch (GruppoDi(riga)) {
        case GruppoIntervallo::Quinte: return Mod12(7 * riga);
        case GruppoIntervallo::Terze: return Mod12(7 * (riga - 13) + 4);
        case GruppoIntervallo::Semitoni: return Mod12(riga - 24);
        case GruppoIntervallo::Note: break;
    }
    return Mod12(riga - 37);
}

std::array<int, 7> IntervalliCollegati(int riga) {
    const int N = NotaSuperiore(riga);
    const int quinta = Mod12(7 * N);
    return {quinta == 0 ? 12 : quinta,
            12 + Mod12(7 * (N - 4)) + 1,
            N == 0 ? 36 : 24 + N,
            37 + N,
            quinta + 1,
            13 + quinta,
            25 + N};
}

std::string TestoRapporto(ValoreFisso cents) {
    const double r = std::pow(2.0, cents.comeDouble() / 1200.0);
    // No 32-bit limit on long holds.
    const auto n = ArrotondaPari(r, 5);
    if (!n || *n > 9'000'000'000'000'000) return {};
    const int64_t cifre = *n;
    std::string testo = std::to_string(cifre / 100000);
    std::string decimali = std::to_string(cifre % 100000);
    decimali.insert(0, 5 - decimali.size(), '0');
    while (!decimali.empty() && decimali.back() == '0') decimali.pop_back();
    if (!decimali.empty()) testo += "," + decimali;
    return testo;
}

std::optional<std::string> NomePulsanteMicro(int riga, const std::string& lingua) {
    const auto l = LinguaDaCodice(lingua);
    if (!l || riga < 1 || riga > 48) return std::nullopt;
    return NomeDaItaliano(NomeItaliano(riga), *l);
}

TabellaMicroLab::TabellaMicroLab()
    : aumenta([this] { cmdAumenta_Click(); }, [this] { completaRilascio(); }, IntervalloTimer),
      diminuisci([this] { cmdDiminuisci_Click(); }, [this] { completaRilascio(); }, IntervalloTimer) {
    righe[0] = {Trattini, Trattini, Trattini, Trattini, Colori::Bianco};
    for (int r = 1; r <= 48; ++r) {
        cmdQuintaM[static_cast<size_t>(r)] = NomeItaliano(r);
        coloreQuintaM[static_cast<size_t>(r)] = ColoreGruppo(r);
    }
    for (int i = 1; i <= 8; ++i) coloreScatto[static_cast<size_t>(i)] = i == 5 ? Colori::RossoChiaro : Colori::VerdeChiaro;
    lblEtiQuinta.fill(Colori::Bianco);
    lblEtiTerze.fill(Colori::Bianco);
    lblEtiSemitoni.fill(Colori::Bianco);
    lblEtiQuinta[0] = ColoriMicro::Quinte;
    lblEtiTerze[0] = ColoriMicro::Terze;
    lblEtiSemitoni[0] = ColoriMicro::Semitoni;
}

TabellaMicroLab::EtichetteNascoste TabellaMicroLab::etichetteNascoste() const {
    EtichetteNascoste e;
    e.lblIndexM = std::to_string(lblIndexM);
    e.lblClickN = std::to_string(lblClickN);
    e.lblMemValore = lblMemValore;
    e.lblRitornoQuintaIniziale = lblRitornoQuintaIniziale ? "S\xC3\xAC" : "No";
    for (size_t j = 1; j <= 7; ++j)
        if (lblSeqInt[j] != 0) e.lblSeqInt[j] = std::to_string(lblSeqInt[j]);
    e.lblIndexScattoM = std::to_string(lblIndexScattoM);
    return e;
}

ValoreFisso TabellaMicroLab::passoMicro() const {
    int64_t d = 1;  // ten-thousandths
    for (int k = 1; k < lblIndexScattoM; ++k) d *= 10;
    return ValoreFisso::daDecimillesimi(d);
}

std::array<ColoreVB, 5>* TabellaMicroLab::etichetteDi(int riga) {
    switch (GruppoDi(riga)) {
        case GruppoIntervallo::Quinte: return &lblEtiQuinta;
        case GruppoIntervallo::Terze: return &lblEtiTerze;
        case GruppoIntervallo::Semitoni: return &lblEtiSemitoni;
        case GruppoIntervallo::Note: break;
    }
    return nullptr;
}

void TabellaMicroLab::caricaRiga(int riga, const std::string& micro) {
    RigaMicro& r = righe[static_cast<size_t>(riga)];
    r.Micro = micro;
    const auto x = Numero(micro);
    // A text that is no number is shown as it stands, with nothing computed.
    if (!x) return;
    const ValoreFisso c = CentsDaMicro4(*x);
    r.Cents = Testo(c);
    r.Decim = TestoRapporto(c);
    switch (GruppoDi(riga)) {
        case GruppoIntervallo::Quinte: r.Scarto = Testo(c - CentsQuintaNaturale); break;
        case GruppoIntervallo::Terze:
            if (!ScriviTerzaFissa(r, *x)) r.Scarto = Testo(c - CentsTerzaNaturale);
            break;
        case GruppoIntervallo::Semitoni: r.Scarto = Testo(c - CentsSemitonoEquabile); break;
        case GruppoIntervallo::Note: break;
    }
}

void TabellaMicroLab::ricalcolaCambiata(int riga) {
    RigaMicro& r = righe[static_cast<size_t>(riga)];
    const auto x = Numero(r.Micro);
    if (!x) return;
    const GruppoIntervallo g = GruppoDi(riga);
    if (g == GruppoIntervallo::Note) {
        r.Scarto = Testo(CentsDaMicro4(*x));
        return;
    }
    const ValoreFisso c = CentsDaMicro4(*x);
    r.Cents = Testo(c);
    if (g == GruppoIntervallo::Quinte) r.Scarto = Testo(CentsDaMicro4(*x - Micro::QuintaNaturale));
    else if (g == GruppoIntervallo::Terze) r.Scarto = Testo(*Numero(r.Cents) - CentsTerzaNaturale);
    else r.Scarto = Testo(CentsDaMicro4(*x - Micro::SemitonoEquabile));
    r.Decim = TestoRapporto(c);
}

void TabellaMicroLab::copiaInRigaZero(int riga) {
    const RigaMicro& r = righe[static_cast<size_t>(riga)];
    righe[0].Decim = r.Decim;
    righe[0].Cents = r.Cents;
    righe[0].Scarto = r.Scarto;
    righe[0].Micro = r.Micro;
}

void TabellaMicroLab::cmdLab_Click(const Temperamento& t, const std::string& lingua) {
    sfondo = Colori::FacciaPulsante;
    for (int i = 1; i <= 48; ++i) {
        RigaMicro& r = righe[static_cast<size_t>(i)];
        r.Decim.clear();
        r.Cents.clear();
        r.Scarto.clear();
        r.Micro.clear();
    }
    for (int k = 1; k <= 12; ++k) {
        const auto i = static_cast<size_t>(k);
        caricaRiga(k, t.Quinte[i]);
        caricaRiga(12 + k, t.Terze[i]);
        caricaRiga(24 + k, t.Semitoni[i]);
    }
    // Each note's deviation from its equal-tempered place above DO; a
    // semitone that is no number leaves the notes above it empty.
    std::optional<ValoreFisso> s = ValoreFisso{};
    ValoreFisso e;
    for (int i = 25; i <= 35; ++i) {
        e += Micro::SemitonoEquabile;
        const auto x = Numero(righe[static_cast<size_t>(i)].Micro);
        s = s && x ? std::optional(*s + *x) : std::nullopt;
        righe[static_cast<size_t>(i + 13)].Micro = s ? Testo(*s - e) : std::string();
    }
    righe[37].Micro = "0";
    for (int i = 37; i <= 48; ++i) {
        RigaMicro& r = righe[static_cast<size_t>(i)];
        if (const auto x = Numero(r.Micro)) r.Scarto = Testo(CentsDaMicro4(*x));
    }
    for (int r = 1; r <= 48; ++r)
        if (auto nome = NomePulsanteMicro(r, lingua)) cmdQuintaM[static_cast<size_t>(r)] = *nome;
    aperta = true;
}

void TabellaMicroLab::cmdResetMicro_Click() {
    struct Equabile {
        const char *decim, *cents, *scarto, *micro;
    };
    static constexpr Equabile gruppi[4] = {{"1,49831", "700", "-1,9553", "992376"},
                                           {"1,25992", "400", "13,6863", "567072"},
                                           {"1,05946", "100", "0", "141768"},
                                           {"0", "0", "0", "0"}};
    for (int i = 1; i <= 48; ++i) {
        const Equabile& e = gruppi[(i - 1) / 12];
        RigaMicro& r = righe[static_cast<size_t>(i)];
        r = {e.decim, e.cents, e.scarto, e.micro, Colori::Bianco};
    }
    righe[0].Decim = righe[0].Cents = righe[0].Scarto = righe[0].Micro = Trattini;
    if (const int r = rigaSelezionata()) coloreQuintaM[static_cast<size_t>(r)] = ColoreGruppo(r);
    lblIndexM = 0;
    lblClickN = 0;
    for (int j = 1; j <= 4; ++j) {
        const auto i = static_cast<size_t>(j);
        lblEtiSemitoni[i] = lblEtiTerze[i] = lblEtiQuinta[i] = Colori::Bianco;
    }
}

void TabellaMicroLab::cmdScatto_Click(int indice) {
    if (indice < 1 || indice > 8) return;
    lblIndexScattoM = indice;
    for (int i = 1; i <= 8; ++i)
        coloreScatto[static_cast<size_t>(i)] = i == indice ? Colori::RossoChiaro : Colori::VerdeChiaro;
}

void TabellaMicroLab::ImpostaIntervalliCollegati() {
    const int r = rigaSelezionata();
    if (r < 1 || r > 36) return;
    const auto righeCollegate = IntervalliCollegati(r);
    for (size_t j = 0; j < 7; ++j) lblSeqInt[j + 1] = righeCollegate[j];
}

bool TabellaMicroLab::applicaDifferenza(ValoreFisso d) {
    std::array<int, 8> riga{};
    std::array<ValoreFisso, 8> valore{};
    for (size_t j = 1; j <= 7; ++j) {
        const int r = lblSeqInt[j];
        if (r < 1 || r > 48) return false;
        const auto x = Numero(righe[static_cast<size_t>(r)].Micro);
        // A row that is no number cannot move, and the others then stay too.
        if (!x) return false;
        riga[j] = r;
        valore[j] = *x;
    }
    // A change that would take a row past what a file can hold is not made:
    // whatever "APPLICA" writes must save and open again.
    for (size_t j = 1; j <= 7; ++j) {
        valore[j] = j <= 4 ? valore[j] + d : valore[j] - d;
        if (!valore[j].leggibile()) return false;
    }
    for (size_t j = 1; j <= 7; ++j) {
        righe[static_cast<size_t>(riga[j])].Micro = Testo(valore[j]);
        ricalcolaCambiata(riga[j]);
    }
    return true;
}

void TabellaMicroLab::ApplicaModificaVeloce() {
    const int r = rigaSelezionata();
    if (r < 1 || r > 36) return;
    const auto D = Numero(righe[static_cast<size_t>(r)].Micro);
    if (!D) return;
    const GruppoIntervallo g = GruppoDi(r);
    auto micro = [this](int riga) { return Numero(righe[static_cast<size_t>(riga)].Micro); };
    std::optional<ValoreFisso> v;
    if (lblClickN == 1) {
        v = Numero(lblMemValore);
    } else if (lblClickN == 2) {
        if (g == GruppoIntervallo::Quinte) v = micro(r == 1 ? 12 : r - 1);
        else if (g == GruppoIntervallo::Terze) v = Micro::TerzaEquabile;
        else v = micro(r == 25 ? 36 : r - 1);
    } else if (lblClickN == 3) {
        v = g == GruppoIntervallo::Quinte ? Micro::QuintaEquabile
            : g == GruppoIntervallo::Terze ? Micro::TerzaNaturale
                                           : Micro::SemitonoEquabile;
    } else if (lblClickN == 4 && g == GruppoIntervallo::Quinte) {
        v = Micro::QuintaNaturale;
    }
    if (!v || !applicaDifferenza(*v - *D)) return;
    // The third just set to its pure size shows the pure third's texts.
    if (g == GruppoIntervallo::Terze && lblClickN == 3) ScriviTerzaFissa(righe[static_cast<size_t>(r)], *v);
    copiaInRigaZero(r);
}

void TabellaMicroLab::applicaTerzaFissa(int riga) {
    // Only a third shows the fixed texts of the pure and Pythagorean sizes.
    if (GruppoDi(riga) != GruppoIntervallo::Terze) return;
    RigaMicro& r = righe[static_cast<size_t>(riga)];
    if (const auto x = Numero(r.Micro)) ScriviTerzaFissa(r, *x);
}

void TabellaMicroLab::cmdQuintaM_Click(int indice) {
    if (indice < 1 || indice > 48) return;
    // A refused note is refused before anything is painted: the screen
    // keeps showing the selection the steps work on.
    std::optional<NoteRiferite> note;
    if (indice >= 37 && !(note = noteRiferiteA(indice))) return;
    for (int i = 1; i <= 48; ++i) {
        righe[static_cast<size_t>(i)].colore = Colori::Bianco;
        coloreQuintaM[static_cast<size_t>(i)] = ColoreGruppo(i);
    }
    coloreQuintaM[static_cast<size_t>(indice)] = Colori::RossoChiaro;
    righe[static_cast<size_t>(indice)].colore = Colori::RossoChiaro;
    for (auto* e : {&lblEtiQuinta, &lblEtiTerze, &lblEtiSemitoni})
        for (size_t j = 1; j <= 4; ++j) (*e)[j] = Colori::Bianco;

    if (note) scegliNotaDiRiferimento(indice, *note);
    else cicloIntervallo(indice);
}

std::optional<TabellaMicroLab::NoteRiferite> TabellaMicroLab::noteRiferiteA(int indice) const {
    // The clicked note becomes the zero of the twelve note deviations.
    const auto riferimento = Numero(righe[static_cast<size_t>(indice)].Micro);
    NoteRiferite nuovi{};
    if (!riferimento) return nuovi;
    for (int i = 37; i <= 48; ++i) {
        const auto x = Numero(righe[static_cast<size_t>(i)].Micro);
        if (!x) continue;
        // As with every other edit, no row is taken past what a file holds.
        const ValoreFisso nuovo = *x - *riferimento;
        if (!nuovo.leggibile()) return std::nullopt;
        nuovi[static_cast<size_t>(i - 37)] = nuovo;
    }
    return nuovi;
}

void TabellaMicroLab::scegliNotaDiRiferimento(int indice, const NoteRiferite& nuovi) {
    lblIndexM = indice;
    lblClickN = 0;
    righe[0].Decim = righe[0].Cents = righe[0].Scarto = righe[0].Micro = Trattini;
    for (int i = 37; i <= 48; ++i) {
        const auto& nuovo = nuovi[static_cast<size_t>(i - 37)];
        if (!nuovo) continue;
        RigaMicro& r = righe[static_cast<size_t>(i)];
        r.Micro = Testo(*nuovo);
        r.Scarto = Testo(CentsDaMicro4(*nuovo));
    }
}

void TabellaMicroLab::cicloIntervallo(int indice) {
    // Clicks 1..M on the same row: its first value, then the quick changes;
    // the click after M comes back to the first value.
    const int M = GruppoDi(indice) == GruppoIntervallo::Quinte ? 4 : 3;
    if (rigaSelezionata() != indice) {
        lblClickN = 1;
        lblRitornoQuintaIniziale = false;
        lblMemValore.clear();
    } else if (lblClickN == M) {
        lblClickN = 1;
        lblRitornoQuintaIniziale = true;
    } else {
        lblClickN = std::clamp(lblClickN + 1, 1, M);
        lblRitornoQuintaIniziale = false;
    }
    (*etichetteDi(indice))[static_cast<size_t>(lblClickN)] = Colori::RossoChiaro;
    lblIndexM = indice;
    for (int r : IntervalliCollegati(indice))
        if (r != indice) righe[static_cast<size_t>(r)].colore = ColoreGruppo(r);
    ImpostaIntervalliCollegati();
    if (lblClickN == 2) {
        lblMemValore = righe[static_cast<size_t>(indice)].Micro;
        ApplicaModificaVeloce();
    } else if (lblClickN >= 3) {
        ApplicaModificaVeloce();
    }
    if (lblRitornoQuintaIniziale) ApplicaModificaVeloce();
    applicaTerzaFissa(indice);
    copiaInRigaZero(indice);
}

void TabellaMicroLab::passo(int segno) {
    const int r = rigaSelezionata();
    if (r < 1 || r > 36) return;
    if (applicaDifferenza(passoMicro() * segno)) copiaInRigaZero(r);
}

void TabellaMicroLab::premi(RipetizioneAutomatica& r) {
    // A selected note cannot be stepped: its press starts nothing.
    if (rigaSelezionata() < 37) r.premi();
}

void TabellaMicroLab::completaRilascio() {
    // The repetition has stopped already; the rest only for an interval or no row.
    const int r = rigaSelezionata();
    if (r >= 37) return;
    for (auto* e : {&lblEtiSemitoni, &lblEtiTerze, &lblEtiQuinta})
        for (size_t j = 1; j <= 4; ++j) (*e)[j] = Colori::Bianco;
    if (r >= 1) (*etichetteDi(r))[1] = Colori::RossoChiaro;
    lblClickN = 1;
    lblRitornoQuintaIniziale = false;
}

void TabellaMicroLab::pulisciSelezione() {
    if (const int r = rigaSelezionata()) coloreQuintaM[static_cast<size_t>(r)] = ColoreGruppo(r);
    for (int i = 1; i <= 48; ++i) righe[static_cast<size_t>(i)].colore = Colori::Bianco;
    righe[0].Decim = righe[0].Cents = righe[0].Scarto = righe[0].Micro = Trattini;
    lblIndexM = 0;
    lblRitornoQuintaIniziale = false;
    lblClickN = 0;
    for (auto* e : {&lblEtiQuinta, &lblEtiTerze, &lblEtiSemitoni})
        for (size_t j = 1; j <= 4; ++j) (*e)[j] = Colori::Bianco;
    lblSeqInt.fill(0);
    lblMemValore.clear();
}

void TabellaMicroLab::CmdApplicaMicro_Click(Temperamento& t, Istogrammi& g, double altezzaSchermo) {
    auto cents = [this](size_t riga) {
        const auto c = CentsSingolaDaCents(righe[riga].Cents);
        return c ? Testo(*c) : std::string();
    };
    // The table's sizes and cents as they stand: nothing is derived again.
    QuinteNuove n;
    for (auto* gruppo : {&n.Terze, &n.Semitoni, &n.QuinteCents, &n.TerzeCents, &n.SemitoniCents}) gruppo->emplace();
    for (size_t i = 1; i <= 12; ++i) {
        n.Quinte[i] = righe[i].Micro;
        (*n.QuinteCents)[i] = cents(i);
        (*n.Terze)[i] = righe[i + 12].Micro;
        (*n.TerzeCents)[i] = cents(i + 12);
        (*n.Semitoni)[i] = righe[i + 24].Micro;
        (*n.SemitoniCents)[i] = cents(i + 24);
    }
    OpzioniQuinte o;
    o.Deriva = false;
    o.ModoDa = OpzioniQuinte::Prova::Colore;
    o.ErroreChiusura = false;
    o.AzzeraSelezione = true;
    o.Ridisegna = &g;
    o.AltezzaSchermo = altezzaSchermo;
    ApplicaQuinte(t, std::move(n), o);
    pulisciSelezione();
    aperta = false;
}

void TabellaMicroLab::cmdAnnullaMicro_Click() {
    aperta = false;
    pulisciSelezione();
}

void TabellaMicroLab::RiportaQuinte(const std::array<ValoreFisso, 13>& v) {
    lblClickN = 1;
    // Each fifth reaches its rounded size as click 1 of its cycle would
    // restore it: the difference moves its linked rows too, so the sums stay.
    for (int k = 1; k <= 12; ++k) {
        lblIndexM = k;
        lblMemValore = Testo(v[static_cast<size_t>(k)]);
        ImpostaIntervalliCollegati();
        ApplicaModificaVeloce();
    }
}

}  // namespace vk
