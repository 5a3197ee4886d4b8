#include "editing/Trasposizione.h"

#include <array>
#include <cmath>
#include <cstdint>
#include <optional>
#include <string>

#include "model/ApplicaQuinte.h"

namespace vk {

namespace {

// The thirteen items of one position of fifths and thirds.
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

float TwipsInteri(float v) { return static_cast<float>(static_cast<int32_t>(std::nearbyint(v))); }

// The wrapped position as typed values: numbers in standard form, bars at
// whole twips (nearest, ties to even).
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

struct Semitono {
    std::string misura, cents;
    float height, top;
};

}  // namespace

bool cmdShift_Click(Temperamento& t, Istogrammi& g, int indice) {
    const bool sinistra = indice == 0;
    auto avvolto = Tipizza(Leggi(t, g, sinistra ? 1 : 12));
    if (!avvolto) return false;

    // Position k takes position k+1 (left) or k-1 (right); the wrapped one typed.
    std::array<Posizione, 13> p;
    for (int k = 1; k <= 12; ++k) {
        const int da = sinistra ? k + 1 : k - 1;
        p[static_cast<size_t>(k)] = da >= 1 && da <= 12 ? Leggi(t, g, da) : *avvolto;
    }
    QuinteNuove n;
    for (auto* gruppo : {&n.QuinteCents, &n.CopiaQuinte, &n.Frazioni, &n.Terze, &n.TerzeCents, &n.SigleTerze,
                         &n.Semitoni, &n.SemitoniCents})
        gruppo->emplace();
    for (size_t k = 1; k <= 12; ++k) {
        n.Quinte[k] = p[k].quinta;
        (*n.QuinteCents)[k] = p[k].quintaCents;
        (*n.CopiaQuinte)[k] = p[k].copia;
        (*n.Frazioni)[k] = p[k].frazione;
        (*n.Terze)[k] = p[k].terza;
        (*n.TerzeCents)[k] = p[k].terzaCents;
        (*n.SigleTerze)[k] = p[k].sigla;
    }
    // One fifth spans seven semitones.
    Semitono copia[13];
    for (int n = 1; n <= 12; ++n)
        copia[n] = {t.Semitoni[n], t.SemitoniCents[n], g.ShpSemitoni[n].Height, g.ShpSemitoni[n].Top};
    for (size_t s = 1; s <= 12; ++s) {
        const size_t m = sinistra ? (s > 5 ? s - 5 : s + 7) : (s > 7 ? s - 7 : s + 5);
        (*n.Semitoni)[s] = copia[m].misura;
        (*n.SemitoniCents)[s] = copia[m].cents;
        g.ShpSemitoni[s].Height = copia[m].height;
        g.ShpSemitoni[s].Top = copia[m].top;
    }
    // Moved, not computed: nothing is derived, named or measured again.
    OpzioniQuinte o;
    o.Deriva = false;
    o.ErroreChiusura = false;
    o.ScartoSemitonale = false;
    ApplicaQuinte(t, std::move(n), o);

    for (size_t k = 1; k <= 12; ++k) {
        CopiaAltezza(g.ShpQuinte[k], p[k].barraQuinta);
        CopiaAltezza(g.ShpTerze[k], p[k].barraTerza);
    }
    CopiaAltezza(g.ShpQuinte[0], g.ShpQuinte[7]);
    CopiaAltezza(g.ShpTerze[0], g.ShpTerze[7]);
    g.lblTerzeC0 = t.TerzeCents[7];
    return true;
}

}  // namespace vk
