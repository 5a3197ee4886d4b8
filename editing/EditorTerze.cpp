#include "editing/EditorTerze.h"

#include <cmath>
#include <optional>

#include "common/Micro.h"
#include "model/Derivazioni.h"
#include "model/TabellaFrazioni.h"

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

void CambiaQuinta(Temperamento& t, Istogrammi& g, int i, ValoreFisso nuova, double altezza) {
    t.Quinte[i] = Testo(nuova);
    // The bar takes its height from the cents: write them first.
    t.QuinteCents[i] = Testo(CentsDaMicro(nuova));
    t.IndiceQS = i;
    if (t.modoPerCaption() == ModoComma::Pitagorico) NominaFrazionePitagoricaQS(t);
    else NominaFrazioneSintonicaQS(t);
    DisegnaBarraQuintaQS(g, t, altezza);
}

}  // namespace

bool ApplicaTerza(Temperamento& t, Istogrammi& g, const TerzaMemorizzata& memoria, double altezza) {
    const int k = t.QuintaSelezionata;
    if (k < 1 || k > 12) return false;
    const int a = QuintaA(k), b = QuintaB(k);
    const std::string lettera = t.SigleTerze[k];
    const TerzaNominata* nominata = Nominata(lettera);
    if (!nominata && !lettera.empty()) return false;

    // Everything read as a number is checked before anything is written.
    auto T = Numero(t.Terze[k]);
    auto qa = Numero(t.Quinte[a]);
    auto qb = Numero(t.Quinte[b]);
    auto tb = Numero(t.Terze[b]);
    std::optional<ValoreFisso> N = nominata ? std::optional(nominata->dimensione) : Numero(memoria.Dimensione);
    if (!T || !qa || !qb || !tb || !N) return false;

    const double f = FattoreAltezza(altezza);

    // Third k from its letter, with its own bar (floor 96, as this editor draws it).
    if (nominata) {
        t.TerzeCents[k] = nominata->cents;
        t.Terze[k] = Testo(nominata->dimensione);
        g.ShpTerze[k].Colore = nominata->colore;
    } else {
        t.TerzeCents[k] = memoria.Cents;
        t.Terze[k] = memoria.Dimensione;
        g.ShpTerze[k].Colore = memoria.Colore;
    }
    if (auto c = Numero(t.TerzeCents[k])) {
        double h = (c->comeDouble() - 370) * 4815 / 50;
        if (h < 96) h = 96;
        if (h > 4815) h = 4815;
        Imposta(g.ShpTerze[k], h, 4815 - h + 3720, f);
    }
    if (k == 7) CopiaTerzaSette(g, t);

    const ValoreFisso d = *N - *T;
    CambiaQuinta(t, g, a, *qa + d, altezza);
    CambiaQuinta(t, g, b, *qb - d, altezza);

    for (int i = 1; i <= 12; ++i) t.CopiaQuinte[i] = t.Quinte[i];

    // Third b: its cents rounded once, straight to two decimals.
    const ValoreFisso nb = *tb - d;
    t.Terze[b] = Testo(nb);
    const ClasseTerza classe = ClasseDiTerza(nb);
    g.ShpTerze[b].Colore = ColoreDi(classe);
    const double centsB = nb.comeDouble() / Micro::PerCent;
    const double centesimi = std::nearbyint(centsB * 100);
    t.TerzeCents[b] = Testo(ValoreFisso::daDecimillesimi(static_cast<int64_t>(centesimi) * 100));
    {
        double h = centsB < 371 ? 96 : centsB > 420 ? 4815 : (centsB - 370) * 4815 / 50;
        Imposta(g.ShpTerze[b], h, 4815 - h + 3720, f);
    }
    t.SigleTerze[b] = LetteraDi(classe);
    if (b == 7) CopiaTerzaSette(g, t);

    CalcolaSemitoni(t);
    for (int n = 1; n <= 12; ++n)
        if (auto s = Numero(t.SemitoniCents[n])) {
            AltezzaBarra ab = AltezzaSemitono(s->comeDouble());
            Imposta(g.ShpSemitoni[n], ab.Height, ab.Top, f);
        }
    if (auto scarto = ScartoDaCents(t.SemitoniCents)) t.ScartoSemitonale = Testo(*scarto);
    return true;
}

void EditorTerze::clic(int indice, Temperamento& t, Istogrammi& g, double altezza) {
    if (indice < 1 || indice > 12) return;
    // The values the change will read must be numbers, else nothing happens.
    auto T = Numero(t.Terze[indice]);
    if (!T || !Numero(t.Quinte[QuintaA(indice)]) || !Numero(t.Quinte[QuintaB(indice)]) ||
        !Numero(t.Terze[QuintaB(indice)]))
        return;

    const std::string testoIndice = std::to_string(indice);
    if (ciclo_.UltimaTerza != testoIndice || ciclo_.NumeroClick == "12") ciclo_.NumeroClick = "1";
    else ciclo_.NumeroClick = std::to_string(std::stoi(ciclo_.NumeroClick) + 1);
    ciclo_.UltimaTerza = testoIndice;
    t.QuintaSelezionata = indice;

    if (ciclo_.NumeroClick == "1") {
        ciclo_.Memoria.Dimensione = t.Terze[indice];
        ciclo_.Memoria.Cents = t.TerzeCents[indice];
        ciclo_.Memoria.Colore = g.ShpTerze[indice].Colore;
        ciclo_.Sequenza = SequenzaTerza(*T);
        t.SigleTerze[indice] = ciclo_.Sequenza[1];
    } else {
        t.SigleTerze[indice] = ciclo_.Sequenza[static_cast<size_t>(std::stoi(ciclo_.NumeroClick))];
    }
    ApplicaTerza(t, g, ciclo_.Memoria, altezza);
}

}  // namespace vk
