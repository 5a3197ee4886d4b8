#include "model/ApplicaQuinte.h"

#include "common/Micro.h"
#include "model/Derivazioni.h"
#include "model/NumeriDigitati.h"
#include "model/TabellaFrazioni.h"

namespace vk {

namespace {

using Opzioni = OpzioniQuinte;

void Assegna(Dodici& campo, Dodici& dati) {
    for (int k = 1; k <= 12; ++k) campo[k] = std::move(dati[k]);
}

// One cents field by the rule, from the size's value or its text; the value
// written when the rule is CentsDaMicro.
std::optional<ValoreFisso> ScriviCents(std::string& campo, const std::optional<ValoreFisso>& misura,
                                       const std::string& testo, Opzioni::Cents regola) {
    if (regola == Opzioni::Cents::DaMicro) {
        if (!misura) return std::nullopt;
        const ValoreFisso c = CentsDaMicro(*misura);
        AggiornaTesto(campo, c);
        return c;
    }
    if (auto c = CentsSingolaPrecisione(testo)) AggiornaTesto(campo, *c);
    else campo.clear();
    return std::nullopt;
}

// The cents of a group of sizes, derived or read from the texts held. With
// `valori`, keeps the values for the spread; true when all twelve are known.
bool ScriviCentsGruppo(Dodici& cents, const Dodici& testi, const std::array<ValoreFisso, 13>* derivate,
                       Opzioni::Cents regola, std::array<ValoreFisso, 13>* valori) {
    bool completi = valori != nullptr;
    for (int k = 1; k <= 12; ++k) {
        const std::optional<ValoreFisso> misura = derivate ? std::optional((*derivate)[k]) : Numero(testi[k]);
        const auto c = ScriviCents(cents[k], misura, testi[k], regola);
        if (!c) completi = false;
        else if (completi) (*valori)[k] = *c;
    }
    return completi;
}

}  // namespace

OpzioniQuinte OpzioniCompletamento(int k) {
    OpzioniQuinte o;
    o.Compensa = k;
    o.SoloLeggibili = true;
    o.CopiaQuinte = OpzioniQuinte::Copie::Nuove;
    o.Nomina = OpzioniQuinte::Nomi::Nuove;
    return o;
}

bool ApplicaQuinte(Temperamento& t, QuinteNuove n, const OpzioniQuinte& o) {
    // Every fifth is read once, from its new text or the one held.
    std::array<bool, 13> nuova{};
    std::array<std::optional<ValoreFisso>, 13> q{};
    for (int k = 1; k <= 12; ++k) {
        nuova[k] = n.Quinte[k].has_value();
        q[k] = Numero(nuova[k] ? *n.Quinte[k] : t.Quinte[k]);
    }
    const int c = o.Compensa >= 1 && o.Compensa <= 12 ? o.Compensa : 0;
    if (c != 0) {
        const int j = Successivo(c);
        const auto copia = Numero(t.CopiaQuinte[c]);
        if (!copia || !q[c] || !q[j]) return false;
        q[j] = *q[j] - (*q[c] - *copia);
        n.Quinte[j] = Testo(*q[j]);
        nuova[j] = true;
    }
    std::array<ValoreFisso, 13> numeri{};
    int numeriLetti = 0;  // how many fifths from the first are numbers
    for (int k = 1; k <= 12 && q[k]; ++k, ++numeriLetti) numeri[k] = *q[k];

    const bool derivaTerze = o.Deriva && !n.Terze;
    const bool derivaSemitoni = o.Deriva && !n.Semitoni;
    DerivatiMicro d;
    if (derivaTerze || derivaSemitoni || o.SoloLeggibili) {
        if (numeriLetti < 11) return false;
        d = DerivaDaQuinte(numeri);
    }
    if (o.SoloLeggibili) {
        if (numeriLetti < 12) return false;
        for (int k = 1; k <= 12; ++k)
            if (!numeri[k].leggibile() || !d.semitoni[k].leggibile() || !d.terze[k].leggibile()) return false;
    }

    // From here on nothing fails.
    if (n.Nome) t.Nome = std::move(*n.Nome);
    if (n.Descrizione) t.Descrizione = std::move(*n.Descrizione);
    if (n.CommaCaption) {
        t.CommaCaption = std::move(*n.CommaCaption);
        t.CommaColore = t.CommaCaption == CaptionPitagorico ? Colori::RossoChiaro : Colori::VerdeChiaro;
    }
    for (int k = 1; k <= 12; ++k)
        if (nuova[k]) t.Quinte[k] = std::move(*n.Quinte[k]);
    if (n.CopiaQuinte) {
        Assegna(t.CopiaQuinte, *n.CopiaQuinte);
    } else if (o.CopiaQuinte != Opzioni::Copie::Nessuna) {
        const bool tutte = o.CopiaQuinte == Opzioni::Copie::Tutte;
        for (int k = 1; k <= 12; ++k)
            if (tutte || nuova[k] || k == c) t.CopiaQuinte[k] = t.Quinte[k];
    }

    if (n.Terze) Assegna(t.Terze, *n.Terze);
    else if (derivaTerze)
        for (int k = 1; k <= 12; ++k) AggiornaTesto(t.Terze[k], d.terze[k]);
    if (n.Semitoni) Assegna(t.Semitoni, *n.Semitoni);
    else if (derivaSemitoni)
        for (int k = 1; k <= 12; ++k) AggiornaTesto(t.Semitoni[k], d.semitoni[k]);
    if (n.SigleTerze) Assegna(t.SigleTerze, *n.SigleTerze);
    if (n.Frazioni) Assegna(t.Frazioni, *n.Frazioni);

    if (o.ErroreChiusura && numeriLetti == 12) {
        ValoreFisso somma;
        for (int k = 1; k <= 12; ++k) somma += numeri[k];
        t.ErroreChiusura = somma - Micro::SetteOttave;
    }

    std::array<ValoreFisso, 13> centsSemitoni{};
    bool centsSemitoniNoti = false;
    if (n.QuinteCents) {
        Assegna(t.QuinteCents, *n.QuinteCents);
    } else if (o.Deriva) {
        for (int k = 1; k <= 12; ++k)
            if (!o.CentsSoloQuinteNuove || nuova[k]) ScriviCents(t.QuinteCents[k], q[k], t.Quinte[k], o.RegolaCents);
    }
    if (n.TerzeCents) Assegna(t.TerzeCents, *n.TerzeCents);
    else if (o.Deriva)
        ScriviCentsGruppo(t.TerzeCents, t.Terze, derivaTerze ? &d.terze : nullptr, o.RegolaCents, nullptr);
    if (n.SemitoniCents) Assegna(t.SemitoniCents, *n.SemitoniCents);
    else if (o.Deriva)
        centsSemitoniNoti = ScriviCentsGruppo(t.SemitoniCents, t.Semitoni, derivaSemitoni ? &d.semitoni : nullptr,
                                              o.RegolaCents, &centsSemitoni);

    if (o.ScartoSemitonale) {
        // The spread of the two-decimal values as written.
        if (centsSemitoniNoti) AggiornaTesto(t.ScartoSemitonale, ScartoDaCents(centsSemitoni));
        else if (auto s = ScartoDaCents(t.SemitoniCents)) AggiornaTesto(t.ScartoSemitonale, *s);
    }
    if (o.Ridisegna) AggiornaIstogrammi(*o.Ridisegna, t, o.AltezzaSchermo);

    if (!n.Frazioni && o.Nomina != Opzioni::Nomi::Nessuna) {
        const bool tutte = o.Nomina == Opzioni::Nomi::Tutte;
        for (int k = 1; k <= 12; ++k) {
            if (!tutte && !nuova[k]) continue;
            const ModoComma modo = o.ModoDa == Opzioni::Prova::Caption ? t.modoPerCaption() : t.modoPerColore();
            t.Frazioni[k] = q[k] ? CercaFrazione(TabellaFrazioni::Per(modo), *q[k]) : std::string("ND");
            if (o.NomeConCents && modo == ModoComma::Pitagorico && q[k])
                AggiornaTesto(t.QuinteCents[k], CentsDaMicro(*q[k]));
        }
    }
    if (o.AzzeraSelezione) t.QuintaSelezionata = 0;
    return true;
}

}  // namespace vk
