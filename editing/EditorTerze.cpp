#include "editing/EditorTerze.h"

#include <cmath>
#include <optional>

#include "common/Micro.h"
#include "model/ApplicaQuinte.h"
#include "model/Derivazioni.h"

namespace vk {

std::array<std::string, 13> SequenzaTerza(ValoreFisso T) {
    // A named size cycles through the other two and back (period 3); any
    // other size through all three and then its own (period 4).
    const char* giro;
    if (T > Micro::TerzaPitagorica) giro = "NEP-";
    else if (T == Micro::TerzaPitagorica) giro = "NEP";
    else if (T > Micro::TerzaEquabile) giro = "PNE-";
    else if (T == Micro::TerzaEquabile) giro = "PNE";
    else if (T > Micro::TerzaNaturale) giro = "EPN-";
    else if (T == Micro::TerzaNaturale) giro = "EPN";
    else giro = "NEP-";
    const std::string g(giro);
    std::array<std::string, 13> s{};
    for (int n = 1; n <= 12; ++n) {
        char c = g[static_cast<size_t>(n - 1) % g.size()];
        s[static_cast<size_t>(n)] = c == '-' ? "" : std::string(1, c);
    }
    return s;
}

namespace {

struct TerzaNominata {
    const char* lettera;
    ValoreFisso dimensione;
    const char* cents;
    ColoreVB colore;
};

constexpr TerzaNominata TerzeNominate[] = {
    {"P", Micro::TerzaPitagorica, "407,82", 0xFF},
    {"E", Micro::TerzaEquabile, "400", 0x80FFFF},
    {"N", Micro::TerzaNaturale, "386,31", 0xFFFF00},
};

const TerzaNominata* Nominata(const std::string& lettera) {
    for (const auto& n : TerzeNominate)
        if (lettera == n.lettera) return &n;
    return nullptr;
}

void Imposta(Barra& b, double h, double top, double f) {
    b.Height = static_cast<float>(h * f);
    b.Top = static_cast<float>(top * f);
}

void CopiaTerzaSette(Istogrammi& g, const Temperamento& t) {
    g.ShpTerze[0].Top = g.ShpTerze[7].Top;
    g.ShpTerze[0].Height = g.ShpTerze[7].Height;
    g.ShpTerze[0].Colore = g.ShpTerze[7].Colore;
    g.lblTerzeC0 = t.TerzeCents[7];
}

}  // namespace

namespace {

// The change of third k to its letter (or back to `memoria`): the size it
// moves onto fifths a and b, when every value it reads is a number and every
// value it writes is a size a file keeps.
std::optional<ValoreFisso> CambioTerza(const Temperamento& t, int k, const std::string& lettera,
                                       const TerzaMemorizzata& memoria) {
    if (k < 1 || k > 12) return std::nullopt;
    const TerzaNominata* nominata = Nominata(lettera);
    if (!nominata && !lettera.empty()) return std::nullopt;
    const int a = QuintaA(k), b = QuintaB(k);
    auto T = Numero(t.Terze[k]);
    auto tb = Numero(t.Terze[b]);
    std::optional<ValoreFisso> N = nominata ? std::optional(nominata->dimensione) : Numero(memoria.Dimensione);
    auto q = QuinteNumeri(t);
    if (!T || !tb || !N || !q) return std::nullopt;
    const ValoreFisso d = *N - *T;
    (*q)[a] += d;
    (*q)[b] -= d;
    if (!(*q)[a].leggibile() || !(*q)[b].leggibile() || !(*tb - d).leggibile()) return std::nullopt;
    const DerivatiMicro nuovi = DerivaDaQuinte(*q);
    for (int n = 1; n <= 12; ++n)
        if (!nuovi.semitoni[n].leggibile()) return std::nullopt;
    return d;
}

}  // namespace

bool ApplicaTerza(Temperamento& t, Istogrammi& g, const TerzaMemorizzata& memoria, double altezza) {
    const int k = t.QuintaSelezionata;
    // Everything read and written is checked before anything is written.
    const auto cambio = CambioTerza(t, k, t.SigleTerze[k], memoria);
    if (!cambio) return false;
    const int a = QuintaA(k), b = QuintaB(k);
    const TerzaNominata* nominata = Nominata(t.SigleTerze[k]);
    const ValoreFisso d = *cambio;
    const ValoreFisso nb = *Numero(t.Terze[b]) - d;
    const ClasseTerza classe = ClasseDiTerza(nb);
    // Third b's bar from the unrounded quotient.
    const double centsB = nb.comeDouble() / Micro::PerCent;

    // Fifths a and b with their own cents and names; the two thirds come
    // from the letter and this editor's rounding, the semitones are derived.
    QuinteNuove n;
    n.Quinte[static_cast<size_t>(a)] = Testo(*Numero(t.Quinte[a]) + d);
    n.Quinte[static_cast<size_t>(b)] = Testo(*Numero(t.Quinte[b]) - d);
    n.Terze = t.Terze;
    n.TerzeCents = t.TerzeCents;
    (*n.Terze)[k] = nominata ? Testo(nominata->dimensione) : memoria.Dimensione;
    (*n.TerzeCents)[k] = nominata ? nominata->cents : memoria.Cents;
    (*n.Terze)[b] = Testo(nb);
    // Third b's cents rounded once, straight to two decimals.
    (*n.TerzeCents)[b] = Testo(CentsDaMicroInUnPasso(nb));
    OpzioniQuinte o;
    o.CentsSoloQuinteNuove = true;
    o.Nomina = OpzioniQuinte::Nomi::Nuove;
    o.NomeConCents = false;
    ApplicaQuinte(t, std::move(n), o);

    const double f = FattoreAltezza(altezza);
    // Third k's bar (floor 96, as this editor draws it).
    g.ShpTerze[k].Colore = nominata ? nominata->colore : memoria.Colore;
    if (auto c = Numero(t.TerzeCents[k])) {
        double h = (c->comeDouble() - 370) * 4815 / 50;
        if (h < 96) h = 96;
        if (h > 4815) h = 4815;
        Imposta(g.ShpTerze[k], h, 4815 - h + 3720, f);
    }
    if (k == 7) CopiaTerzaSette(g, t);
    for (int i : {a, b}) {
        t.IndiceQS = i;
        DisegnaBarraQuintaQS(g, t, altezza);
    }
    g.ShpTerze[b].Colore = ColoreDi(classe);
    {
        double h = centsB < 371 ? 96 : centsB > 420 ? 4815 : (centsB - 370) * 4815 / 50;
        Imposta(g.ShpTerze[b], h, 4815 - h + 3720, f);
    }
    t.SigleTerze[b] = LetteraDi(classe);
    if (b == 7) CopiaTerzaSette(g, t);
    for (int n = 1; n <= 12; ++n)
        if (auto s = Numero(t.SemitoniCents[n])) {
            AltezzaBarra ab = AltezzaSemitono(s->comeDouble());
            Imposta(g.ShpSemitoni[n], ab.Height, ab.Top, f);
        }
    return true;
}

void EditorTerze::clic(int indice, Temperamento& t, Istogrammi& g, double altezza) {
    if (indice < 1 || indice > 12) return;
    auto T = Numero(t.Terze[indice]);
    if (!T) return;

    // The click as it would count; it counts only when its change can be made.
    CicloTerza ciclo = ciclo_;
    if (ciclo.UltimaTerza != indice || ciclo.NumeroClick == 12) ciclo.NumeroClick = 1;
    else ++ciclo.NumeroClick;
    ciclo.UltimaTerza = indice;
    if (ciclo.NumeroClick == 1) {
        ciclo.Memoria.Dimensione = t.Terze[indice];
        ciclo.Memoria.Cents = t.TerzeCents[indice];
        ciclo.Memoria.Colore = g.ShpTerze[indice].Colore;
        ciclo.Sequenza = SequenzaTerza(*T);
    }
    const std::string& lettera = ciclo.Sequenza[static_cast<size_t>(ciclo.NumeroClick)];
    if (!CambioTerza(t, indice, lettera, ciclo.Memoria)) return;

    ciclo_ = std::move(ciclo);
    t.QuintaSelezionata = indice;
    t.SigleTerze[indice] = ciclo_.Sequenza[static_cast<size_t>(ciclo_.NumeroClick)];
    ApplicaTerza(t, g, ciclo_.Memoria, altezza);
}

}  // namespace vk
