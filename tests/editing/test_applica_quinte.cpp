// The one commit of new fifths against the step-by-step derivation it
// replaced: for every path that changes the fifths, the old sequence of
// steps (kept here as the reference, built from the step functions) and the
// path as it is now leave every field and every bar the same, over random
// temperaments with non-numbers and sizes past what a file keeps.
#include <gtest/gtest.h>

#include <cmath>
#include <optional>

#include "common/Micro.h"
#include "editing/EditorTerze.h"
#include "editing/PassiQuinte.h"
#include "editing/Preimpostazioni.h"
#include "editing/Trasposizione.h"
#include "editing/ZaduRori.h"
#include "model/Derivazioni.h"
#include "model/FileTemperamento.h"
#include "model/NumeriDigitati.h"
#include "model/TabellaFrazioni.h"
#include "tests/comune/DerivazioniPassoPasso.h"
#include "tests/comune/TemperamentiCasuali.h"

using namespace vk;
using namespace vk::prova;

namespace {

constexpr int Casi = 4000;
constexpr double Altezza = 11520;

// ---- The reference: each path as its steps were written by hand. ----

bool CompletaQuintaPassoPasso(Temperamento& t, Istogrammi& g, double altezza) {
    if (!CompletamentoPossibile(t, t.QuintaSelezionata)) return false;
    CompensaQuinta(t);
    CalcolaSemitoniTerze(t);
    CalcolaCents(t);
    AggiornaIstogrammi(g, t, altezza);
    return true;
}

bool PassoQuintaPassoPasso(Temperamento& t, int k, Verso verso) {
    if (k < 1 || k > 12) return false;
    auto x = Numero(t.Quinte[k]);
    if (!x) return false;
    const TabellaFrazioni& tab = TabellaFrazioni::Per(t.modoPerCaption());
    if (auto nuova = MisuraDopoPasso(tab, *x, verso)) t.Quinte[k] = Testo(*nuova);
    t.QuintaSelezionata = k;
    NominaPerCaption(t);
    return true;
}

bool ApplicaTemperamentoEasyPassoPasso(const std::array<std::string, 13>& quinte, Temperamento& t, Istogrammi& g,
                                       double altezza) {
    if (!ApplicabileEasy(quinte)) return false;
    auto d = CalcolaSemitoniTerzeEasy(quinte);
    auto cents = [](const std::string& testo) {
        auto c = CentsSingolaPrecisione(testo);
        return c ? Testo(*c) : std::string();
    };
    ValoreFisso somma;
    for (int k = 1; k <= 12; ++k) {
        const auto i = static_cast<size_t>(k);
        std::string quinta;
        for (char c : quinte[i])
            if (c != '.') quinta += c;
        t.Quinte[i] = quinta;
        t.CopiaQuinte[i] = quinta;
        t.QuinteCents[i] = cents(quinte[i]);
        t.Frazioni[i] = "ND";
        t.Terze[i] = Testo(d->terze[i]);
        t.TerzeCents[i] = cents(t.Terze[i]);
        t.Semitoni[i] = Testo(d->semitoni[i]);
        t.SemitoniCents[i] = cents(t.Semitoni[i]);
        somma += *FissoDigitato(quinte[i]);
    }
    t.ErroreChiusura = somma - Micro::SetteOttave;
    AggiornaIstogrammi(g, t, altezza);
    if (auto s = ScartoDaCents(t.SemitoniCents)) t.ScartoSemitonale = Testo(*s);
    for (int k = 1; k <= 12; ++k) {
        t.QuintaSelezionata = k;
        NominaPerColore(t);
        t.QuintaSelezionata = 0;
    }
    return true;
}

void ImpostaEquabilePassoPasso(Temperamento& t, Istogrammi& g, double altezza) {
    t.Nome = NomeEquabile;
    t.Descrizione = DescrizioneEquabile;
    const char* frazione = t.modoPerColore() == ModoComma::Pitagorico ? "-1/12" : "-Schisma";
    ImpostaValoriEquabili(t, frazione);
    AggiornaIstogrammi(g, t, altezza);
}

void ImpostaPitagoricoPassoPasso(Temperamento& t, Istogrammi& g, double altezza) {
    t.Nome = NomePitagorico;
    t.Descrizione = DescrizionePitagorico;
    for (int k = 1; k <= 12; ++k) {
        t.Quinte[k] = "995148";
        t.CopiaQuinte[k] = "995148";
        t.QuinteCents[k] = "701,96";
        t.Frazioni[k] = "0";
        t.Terze[k] = "578160";
        t.TerzeCents[k] = "407,82";
        t.SigleTerze[k] = "P";
        t.SemitoniCents[k] = "90,22";
        t.Semitoni[k] = "127908";
    }
    t.Quinte[6] = "961884";
    t.CopiaQuinte[6] = "961884";
    t.QuinteCents[6] = "678,49";
    t.Frazioni[6] = "-1";
    for (int k = 3; k <= 6; ++k) {
        t.Terze[k] = "544896";
        t.TerzeCents[k] = "384,36";
        t.SigleTerze[k] = "";
    }
    for (int n : {2, 4, 7, 9, 11}) {
        t.SemitoniCents[n] = "113,69";
        t.Semitoni[n] = "161172";
    }
    t.impostaModo(ModoComma::Pitagorico);
    AggiornaIstogrammi(g, t, altezza);
    t.ScartoSemitonale = "23,47";
}

void ApplicaVociPassoPasso(const VociTemperamento& v, Temperamento& t) {
    t.Nome = v[0];
    t.Descrizione = v[1];
    t.CommaCaption = v[2];
    Dodici* gruppi[7] = {&t.Quinte, &t.QuinteCents, &t.Frazioni, &t.Terze, &t.TerzeCents, &t.Semitoni,
                         &t.SemitoniCents};
    for (int n = 4; n <= NumeroVociTemperamento; ++n)
        (*gruppi[(n - 4) / 12])[static_cast<size_t>((n - 4) % 12 + 1)] = v[static_cast<size_t>(n - 1)];
    for (int k = 1; k <= 12; ++k) t.CopiaQuinte[k] = t.Quinte[k];
    if (auto s = ScartoDaCents(t.SemitoniCents)) t.ScartoSemitonale = Testo(*s);
    t.CommaColore = t.CommaCaption == CaptionPitagorico ? Colori::RossoChiaro : Colori::VerdeChiaro;
}

struct Posizione {
    std::string quinta, quintaCents, copia, frazione;
    Barra barraQuinta;
    std::string terza, terzaCents, sigla;
    Barra barraTerza;
};

Posizione Leggi(const Temperamento& t, const Istogrammi& g, int k) {
    return {t.Quinte[k], t.QuinteCents[k], t.CopiaQuinte[k], t.Frazioni[k], g.ShpQuinte[k],
            t.Terze[k], t.TerzeCents[k], t.SigleTerze[k], g.ShpTerze[k]};
}

void CopiaAltezza(Barra& dest, const Barra& orig) {
    dest.Height = orig.Height;
    dest.Top = orig.Top;
    dest.Colore = orig.Colore;
}

void Scrivi(Temperamento& t, Istogrammi& g, int k, const Posizione& p) {
    t.Quinte[k] = p.quinta;
    t.QuinteCents[k] = p.quintaCents;
    t.CopiaQuinte[k] = p.copia;
    t.Frazioni[k] = p.frazione;
    CopiaAltezza(g.ShpQuinte[k], p.barraQuinta);
    t.Terze[k] = p.terza;
    t.TerzeCents[k] = p.terzaCents;
    t.SigleTerze[k] = p.sigla;
    CopiaAltezza(g.ShpTerze[k], p.barraTerza);
}

float TwipsInteri(float v) { return static_cast<float>(static_cast<int32_t>(std::nearbyint(v))); }

std::optional<Posizione> Tipizza(Posizione p) {
    for (std::string* s : {&p.quinta, &p.quintaCents, &p.copia, &p.terza, &p.terzaCents}) {
        auto v = Numero(*s);
        if (!v) return std::nullopt;
        *s = Testo(*v);
    }
    for (Barra* b : {&p.barraQuinta, &p.barraTerza}) {
        b->Height = TwipsInteri(b->Height);
        b->Top = TwipsInteri(b->Top);
    }
    return p;
}

bool TrasponiPassoPasso(Temperamento& t, Istogrammi& g, int indice) {
    const bool sinistra = indice == 0;
    auto avvolto = Tipizza(Leggi(t, g, sinistra ? 1 : 12));
    if (!avvolto) return false;
    struct Semitono {
        std::string misura, cents;
        float height, top;
    } copia[13];
    for (int n = 1; n <= 12; ++n)
        copia[n] = {t.Semitoni[n], t.SemitoniCents[n], g.ShpSemitoni[n].Height, g.ShpSemitoni[n].Top};
    if (sinistra) {
        for (int k = 1; k <= 11; ++k) Scrivi(t, g, k, Leggi(t, g, k + 1));
    } else {
        for (int k = 12; k >= 2; --k) Scrivi(t, g, k, Leggi(t, g, k - 1));
    }
    for (int n = 1; n <= 12; ++n) {
        const int m = sinistra ? (n > 5 ? n - 5 : n + 7) : (n > 7 ? n - 7 : n + 5);
        t.Semitoni[n] = copia[m].misura;
        t.SemitoniCents[n] = copia[m].cents;
        g.ShpSemitoni[n].Height = copia[m].height;
        g.ShpSemitoni[n].Top = copia[m].top;
    }
    Scrivi(t, g, sinistra ? 12 : 1, *avvolto);
    CopiaAltezza(g.ShpQuinte[0], g.ShpQuinte[7]);
    CopiaAltezza(g.ShpTerze[0], g.ShpTerze[7]);
    g.lblTerzeC0 = t.TerzeCents[7];
    return true;
}

// The thirds editor's change as it was written.
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

bool ApplicaTerzaPassoPasso(Temperamento& t, Istogrammi& g, const TerzaMemorizzata& memoria, double altezza) {
    const int k = t.QuintaSelezionata;
    // Everything read and written is checked before anything is written.
    const auto cambio = CambioTerza(t, k, t.SigleTerze[k], memoria);
    if (!cambio) return false;
    const int a = QuintaA(k), b = QuintaB(k);
    const TerzaNominata* nominata = Nominata(t.SigleTerze[k]);
    const ValoreFisso qa = *Numero(t.Quinte[a]), qb = *Numero(t.Quinte[b]), tb = *Numero(t.Terze[b]);

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

    const ValoreFisso d = *cambio;
    CambiaQuinta(t, g, a, qa + d, altezza);
    CambiaQuinta(t, g, b, qb - d, altezza);

    for (int i = 1; i <= 12; ++i) t.CopiaQuinte[i] = t.Quinte[i];

    // Third b: its cents rounded once, straight to two decimals.
    const ValoreFisso nb = tb - d;
    t.Terze[b] = Testo(nb);
    const ClasseTerza classe = ClasseDiTerza(nb);
    g.ShpTerze[b].Colore = ColoreDi(classe);
    const double centsB = nb.comeDouble() / Micro::PerCent;
    t.TerzeCents[b] = Testo(CentsDaMicroInUnPasso(nb));
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

// ---- The comparisons. ----

// Runs both on copies of one random state and compares everything.
template <class Vecchio, class Nuovo>
void Confronta(Casuale& c, int caso, Vecchio vecchio, Nuovo nuovo) {
    const Temperamento t0 = c.probabile(50) ? c.temperamento() : c.regolare();
    const Istogrammi g0 = c.istogrammi();
    Temperamento ta = t0, tb = t0;
    Istogrammi ga = g0, gb = g0;
    const auto ra = vecchio(ta, ga);
    const auto rb = nuovo(tb, gb);
    SCOPED_TRACE("caso " + std::to_string(caso));
    EXPECT_EQ(ra, rb);
    TuttoUguale(tb, ta);
    BarreUguali(gb, ga);
}

}  // namespace

TEST(ApplicaQuinteDifferenziale, CompletamentoDiUnaQuinta) {
    Casuale c(1);
    int riusciti = 0;
    for (int i = 0; i < Casi; ++i) {
        // The edit itself as the steps leave it: fifth k moved, not yet committed.
        Confronta(c, i, [&](Temperamento& t, Istogrammi& g) {
            bool r = CompletaQuintaPassoPasso(t, g, Altezza);
            riusciti += r;
            return r;
        }, [](Temperamento& t, Istogrammi& g) { return CompletaQuinta(t, g, Altezza); });
    }
    // Enough of the random states are completed, not only refused.
    EXPECT_GT(riusciti, Casi / 4);
}

TEST(ApplicaQuinteDifferenziale, PassoDiUnaQuinta) {
    Casuale c(2);
    for (int i = 0; i < Casi; ++i) {
        const int k = c.intero(0, 13);
        const Verso v = c.probabile(50) ? Verso::Meno : Verso::Piu;
        Confronta(c, i, [&](Temperamento& t, Istogrammi&) { return PassoQuintaPassoPasso(t, k, v); },
                  [&](Temperamento& t, Istogrammi&) { return PassoQuinta(t, k, v); });
    }
}

TEST(ApplicaQuinteDifferenziale, ApplicaTemperamentoEasy) {
    Casuale c(3);
    int riusciti = 0;
    for (int i = 0; i < Casi; ++i) {
        std::array<std::string, 13> quinte{};
        const bool chiuse = c.probabile(60);
        ValoreFisso somma;
        for (size_t k = 1; k <= 12; ++k) {
            quinte[k] = c.misura(995148, 5000);
            if (auto v = FissoDigitato(quinte[k]); v && k < 12) somma += *v;
            if (chiuse && k == 12) quinte[k] = c.forma(Micro::SetteOttave - somma);
            if (quinte[k].size() > 1 && c.probabile(5)) quinte[k].insert(1, ".");  // a thousands point, as typed
        }
        Confronta(c, i, [&](Temperamento& t, Istogrammi& g) {
            bool r = ApplicaTemperamentoEasyPassoPasso(quinte, t, g, Altezza);
            riusciti += r;
            return r;
        }, [&](Temperamento& t, Istogrammi& g) { return ApplicaTemperamentoEasy(quinte, t, g, Altezza); });
    }
    EXPECT_GT(riusciti, Casi / 4);
}

TEST(ApplicaQuinteDifferenziale, EditorDelleTerze) {
    Casuale c(4);
    int riusciti = 0;
    for (int i = 0; i < Casi; ++i) {
        const int k = c.intero(1, 12);
        static const char* const lettere[] = {"P", "E", "N", "", "X"};
        const std::string lettera = lettere[c.intero(0, 4)];
        TerzaMemorizzata memoria{c.misura(567072, 20000), c.misura(400, 20), Colori::Bianco};
        auto prepara = [&](Temperamento& t) {
            t.QuintaSelezionata = k;
            t.SigleTerze[k] = lettera;
        };
        Confronta(c, i, [&](Temperamento& t, Istogrammi& g) {
            prepara(t);
            bool r = ApplicaTerzaPassoPasso(t, g, memoria, Altezza);
            riusciti += r;
            return r;
        }, [&](Temperamento& t, Istogrammi& g) {
            prepara(t);
            return ApplicaTerza(t, g, memoria, Altezza);
        });
    }
    EXPECT_GT(riusciti, Casi / 4);
}

TEST(ApplicaQuinteDifferenziale, Preimpostazioni) {
    Casuale c(5);
    for (int i = 0; i < Casi / 4; ++i) {
        Confronta(c, i, [](Temperamento& t, Istogrammi& g) { ImpostaEquabilePassoPasso(t, g, Altezza); return true; },
                  [](Temperamento& t, Istogrammi& g) { ImpostaEquabile(t, g, Altezza); return true; });
        Confronta(c, i, [](Temperamento& t, Istogrammi& g) { ImpostaPitagoricoPassoPasso(t, g, Altezza); return true; },
                  [](Temperamento& t, Istogrammi& g) { ImpostaPitagorico(t, g, Altezza); return true; });
    }
}

TEST(ApplicaQuinteDifferenziale, LetturaDaFile) {
    Casuale c(6);
    for (int i = 0; i < Casi; ++i) {
        // The items of another random temperament, as a file would bring them.
        Temperamento f = c.temperamento();
        f.Nome = "Nome " + std::to_string(i);
        f.Descrizione = "Descrizione\r\n";
        f.CommaCaption = c.probabile(50) ? CaptionPitagorico : c.probabile(50) ? CaptionSintonico : "altro";
        const VociTemperamento v = VociDi(f);
        Confronta(c, i, [&](Temperamento& t, Istogrammi&) { ApplicaVociPassoPasso(v, t); return true; },
                  [&](Temperamento& t, Istogrammi&) { ApplicaVoci(v, t); return true; });
    }
}

TEST(ApplicaQuinteDifferenziale, Trasposizione) {
    Casuale c(7);
    for (int i = 0; i < Casi; ++i) {
        const int indice = c.intero(0, 1);
        Confronta(c, i, [&](Temperamento& t, Istogrammi& g) { return TrasponiPassoPasso(t, g, indice); },
                  [&](Temperamento& t, Istogrammi& g) { return cmdShift_Click(t, g, indice); });
    }
}
