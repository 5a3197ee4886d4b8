#include "editing/Trasposizione.h"

#include <cmath>
#include <cstdint>
#include <optional>
#include <string>

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

    Semitono copia[13];
    for (int n = 1; n <= 12; ++n)
        copia[n] = {t.Semitoni[n], t.SemitoniCents[n], g.ShpSemitoni[n].Height, g.ShpSemitoni[n].Top};

    if (sinistra) {
        for (int k = 1; k <= 11; ++k) Scrivi(t, g, k, Leggi(t, g, k + 1));
    } else {
        for (int k = 12; k >= 2; --k) Scrivi(t, g, k, Leggi(t, g, k - 1));
    }
    // One fifth spans seven semitones.
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

}  // namespace vk
