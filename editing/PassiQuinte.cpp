#include "editing/PassiQuinte.h"

#include "model/ApplicaQuinte.h"
#include "model/Derivazioni.h"

namespace vk {

std::optional<ValoreFisso> MisuraDopoPasso(const TabellaFrazioni& tab, ValoreFisso x, Verso verso) {
    const int n = tab.righe();
    const ValoreFisso fondo = tab.riga(1).Valore;
    const ValoreFisso cima = tab.riga(n).Valore;
    if (verso == Verso::Meno) {
        if (x > cima) return cima;
        if (x <= fondo) return std::nullopt;
        for (int r = n - 1; r >= 1; --r)
            if (tab.riga(r).Valore < x) return tab.riga(r).Valore;
        return std::nullopt;
    }
    if (x < ValoreFisso() || x >= cima) return std::nullopt;
    if (x < fondo) return fondo;
    for (int r = 2; r <= n; ++r)
        if (tab.riga(r).Valore > x) return tab.riga(r).Valore;
    return std::nullopt;
}

bool PassoQuinta(Temperamento& t, int k, Verso verso) {
    if (k < 1 || k > 12) return false;
    auto x = Numero(t.Quinte[k]);
    if (!x) return false;
    const TabellaFrazioni& tab = TabellaFrazioni::Per(t.modoPerCaption());
    // The fifth is named after every step, also when it stays where it is;
    // nothing is committed or derived until the release.
    QuinteNuove n;
    const auto nuova = MisuraDopoPasso(tab, *x, verso);
    n.Quinte[k] = nuova ? Testo(*nuova) : t.Quinte[k];
    OpzioniQuinte o;
    o.Deriva = false;
    o.CopiaQuinte = OpzioniQuinte::Copie::Nessuna;
    o.Nomina = OpzioniQuinte::Nomi::Nuove;
    o.ErroreChiusura = false;
    o.ScartoSemitonale = false;
    t.QuintaSelezionata = k;
    return ApplicaQuinte(t, std::move(n), o);
}

namespace {

// The fifths after the compensation of fifth k, when fifth k is `quinta`.
bool CompensazioneLeggibile(std::array<ValoreFisso, 13> q, int k, ValoreFisso quinta, ValoreFisso copia) {
    q[k] = quinta;
    q[Successivo(k)] -= quinta - copia;
    return DerivatiLeggibili(q);
}

}  // namespace

bool CompletamentoPossibile(const Temperamento& t, int k) {
    if (k < 1 || k > 12) return false;
    const auto copia = Numero(t.CopiaQuinte[k]);
    const auto q = QuinteNumeri(t);
    return copia && q && CompensazioneLeggibile(*q, k, (*q)[k], *copia);
}

bool PassoPossibile(const Temperamento& t, int k, Verso verso) {
    if (k < 1 || k > 12) return false;
    const auto copia = Numero(t.CopiaQuinte[k]);
    const auto q = QuinteNumeri(t);
    if (!copia || !q) return false;
    const auto nuova = MisuraDopoPasso(TabellaFrazioni::Per(t.modoPerCaption()), (*q)[k], verso);
    return CompensazioneLeggibile(*q, k, nuova ? *nuova : (*q)[k], *copia);
}

bool CompletaQuinta(Temperamento& t, Istogrammi& g, double altezza) {
    const int k = t.QuintaSelezionata;
    if (k < 1 || k > 12) return false;
    OpzioniQuinte o = OpzioniCompletamento(k);
    o.Ridisegna = &g;
    o.AltezzaSchermo = altezza;
    return ApplicaQuinte(t, {}, o);
}

}  // namespace vk
