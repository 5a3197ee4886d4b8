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

using Valori = std::array<ValoreFisso, 13>;

// Twelve fields from their values. Most temperaments repeat sizes side by
// side: a value equal to the one before it takes that field's text, already
// its written form, by a compare of the two texts instead of a reading of
// the digits.
void ScriviGruppo(Dodici& campi, const Valori& valori) {
    AggiornaTesto(campi[1], valori[1]);
    for (int k = 2; k <= 12; ++k) {
        if (valori[k] != valori[k - 1]) AggiornaTesto(campi[k], valori[k]);
        else if (!StessoTesto(campi[k], campi[k - 1])) campi[k] = campi[k - 1];
    }
}

// The cents of twelve sizes by CentsDaMicro, written; a size equal to the one
// before it takes the cents just computed.
Valori ScriviCentsDerivati(Dodici& campi, const Valori& misure) {
    Valori cents{};
    for (int k = 1; k <= 12; ++k)
        cents[k] = k > 1 && misure[k] == misure[k - 1] ? cents[k - 1] : CentsDaMicro(misure[k]);
    ScriviGruppo(campi, cents);
    return cents;
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
bool ScriviCentsGruppo(Dodici& cents, const Dodici& testi, const Valori* derivate, Opzioni::Cents regola,
                       Valori* valori) {
    if (derivate && regola == Opzioni::Cents::DaMicro) {
        const Valori c = ScriviCentsDerivati(cents, *derivate);
        if (valori) *valori = c;
        return valori != nullptr;
    }
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

namespace {

// The fifths as read once, compensated, and what is derived from them.
struct Lette {
    std::array<bool, 13> nuova{};
    std::array<std::optional<ValoreFisso>, 13> q{};
    Valori numeri{};
    int numeriLetti = 0;  // how many fifths from the first are numbers
    int compensata = 0;   // the fifth whose change the next one took, or 0
    bool derivaTerze = false, derivaSemitoni = false;
    DerivatiMicro d;
};

// Reads every fifth once, from its new text or the one held, and checks
// what the options ask; nullopt when the commit cannot be made.
std::optional<Lette> LeggiQuinte(const Temperamento& t, QuinteNuove& n, const Opzioni& o) {
    Lette l;
    const std::string* prima = nullptr;
    for (int k = 1; k <= 12; ++k) {
        l.nuova[k] = n.Quinte[k].has_value();
        const std::string& testo = l.nuova[k] ? *n.Quinte[k] : t.Quinte[k];
        // Fifths of one size are mostly written alike: read each text once.
        l.q[k] = prima && StessoTesto(testo, *prima) ? l.q[k - 1] : Numero(testo);
        prima = &testo;
    }
    const int c = o.Compensa >= 1 && o.Compensa <= 12 ? o.Compensa : 0;
    l.compensata = c;
    if (c != 0) {
        const int j = Successivo(c);
        const auto copia = Numero(t.CopiaQuinte[c]);
        if (!copia || !l.q[c] || !l.q[j]) return std::nullopt;
        l.q[j] = *l.q[j] - (*l.q[c] - *copia);
        n.Quinte[j] = Testo(*l.q[j]);
        l.nuova[j] = true;
    }
    for (int k = 1; k <= 12 && l.q[k]; ++k, ++l.numeriLetti) l.numeri[k] = *l.q[k];

    l.derivaTerze = o.Deriva && !n.Terze;
    l.derivaSemitoni = o.Deriva && !n.Semitoni;
    if (l.derivaTerze || l.derivaSemitoni || o.SoloLeggibili) {
        if (l.numeriLetti < 11) return std::nullopt;
        l.d = DerivaDaQuinte(l.numeri);
    }
    if (o.SoloLeggibili) {
        if (l.numeriLetti < 12) return std::nullopt;
        for (int k = 1; k <= 12; ++k)
            if (!l.numeri[k].leggibile() || !l.d.semitoni[k].leggibile() || !l.d.terze[k].leggibile())
                return std::nullopt;
    }
    return l;
}

// The sizes: name and comma, fifths and their copies, thirds, semitones and
// the texts a screen supplies, and the closing error.
void ScriviMisure(Temperamento& t, QuinteNuove& n, const Opzioni& o, const Lette& l) {
    if (n.Nome) t.Nome = std::move(*n.Nome);
    if (n.Descrizione) t.Descrizione = std::move(*n.Descrizione);
    if (n.CommaCaption) {
        t.CommaCaption = std::move(*n.CommaCaption);
        t.CommaColore = t.CommaCaption == CaptionPitagorico ? Colori::RossoChiaro : Colori::VerdeChiaro;
    }
    for (int k = 1; k <= 12; ++k)
        if (l.nuova[k]) t.Quinte[k] = std::move(*n.Quinte[k]);
    if (n.CopiaQuinte) {
        Assegna(t.CopiaQuinte, *n.CopiaQuinte);
    } else if (o.CopiaQuinte != Opzioni::Copie::Nessuna) {
        const bool tutte = o.CopiaQuinte == Opzioni::Copie::Tutte;
        for (int k = 1; k <= 12; ++k)
            if (tutte || l.nuova[k] || k == l.compensata) t.CopiaQuinte[k] = t.Quinte[k];
    }

    if (n.Terze) Assegna(t.Terze, *n.Terze);
    else if (l.derivaTerze)
        ScriviGruppo(t.Terze, l.d.terze);
    if (n.Semitoni) Assegna(t.Semitoni, *n.Semitoni);
    else if (l.derivaSemitoni)
        ScriviGruppo(t.Semitoni, l.d.semitoni);
    if (n.SigleTerze) Assegna(t.SigleTerze, *n.SigleTerze);
    if (n.Frazioni) Assegna(t.Frazioni, *n.Frazioni);

    if (o.ErroreChiusura && l.numeriLetti == 12) {
        ValoreFisso somma;
        for (int k = 1; k <= 12; ++k) somma += l.numeri[k];
        t.ErroreChiusura = somma - Micro::SetteOttave;
    }
}

// Whether fifth k's cents are derived when no group is supplied.
bool DerivaCentsQuinta(const Opzioni& o, const Lette& l, int k) { return !o.CentsSoloQuinteNuove || l.nuova[k]; }

// Every cents field the options ask for, then the semitone spread.
void ScriviCentsEScarto(Temperamento& t, QuinteNuove& n, const Opzioni& o, const Lette& l) {
    Valori centsSemitoni{};
    bool centsSemitoniNoti = false;
    if (n.QuinteCents) {
        Assegna(t.QuinteCents, *n.QuinteCents);
    } else if (o.Deriva) {
        if (o.RegolaCents == Opzioni::Cents::DaMicro && !o.CentsSoloQuinteNuove && l.numeriLetti == 12)
            ScriviCentsDerivati(t.QuinteCents, l.numeri);
        else
            for (int k = 1; k <= 12; ++k)
                if (DerivaCentsQuinta(o, l, k)) ScriviCents(t.QuinteCents[k], l.q[k], t.Quinte[k], o.RegolaCents);
    }
    if (n.TerzeCents) Assegna(t.TerzeCents, *n.TerzeCents);
    else if (o.Deriva)
        ScriviCentsGruppo(t.TerzeCents, t.Terze, l.derivaTerze ? &l.d.terze : nullptr, o.RegolaCents, nullptr);
    if (n.SemitoniCents) Assegna(t.SemitoniCents, *n.SemitoniCents);
    else if (o.Deriva)
        centsSemitoniNoti = ScriviCentsGruppo(t.SemitoniCents, t.Semitoni, l.derivaSemitoni ? &l.d.semitoni : nullptr,
                                              o.RegolaCents, &centsSemitoni);

    if (o.ScartoSemitonale) {
        // The spread of the two-decimal values as written.
        if (centsSemitoniNoti) AggiornaTesto(t.ScartoSemitonale, ScartoDaCents(centsSemitoni));
        else if (auto s = ScartoDaCents(t.SemitoniCents)) AggiornaTesto(t.ScartoSemitonale, *s);
    }
}

// Names the fifths the options ask for, each from its size as read.
void NominaQuinte(Temperamento& t, const QuinteNuove& n, const Opzioni& o, const Lette& l) {
    const bool tutte = o.Nomina == Opzioni::Nomi::Tutte;
    // Cents just derived by CentsDaMicro are those the naming writes.
    const bool centsDerivati = !n.QuinteCents && o.Deriva && o.RegolaCents == Opzioni::Cents::DaMicro;
    for (int k = 1; k <= 12; ++k) {
        if (!tutte && !l.nuova[k]) continue;
        const ModoComma modo = o.ModoDa == Opzioni::Prova::Caption ? t.modoPerCaption() : t.modoPerColore();
        t.Frazioni[k] = l.q[k] ? CercaFrazione(TabellaFrazioni::Per(modo), *l.q[k]) : std::string("ND");
        if (o.NomeConCents && modo == ModoComma::Pitagorico && l.q[k] && !(centsDerivati && DerivaCentsQuinta(o, l, k)))
            AggiornaTesto(t.QuinteCents[k], CentsDaMicro(*l.q[k]));
    }
}

}  // namespace

bool ApplicaQuinte(Temperamento& t, QuinteNuove n, const OpzioniQuinte& o) {
    const std::optional<Lette> l = LeggiQuinte(t, n, o);
    if (!l) return false;
    // From here on nothing fails.
    ScriviMisure(t, n, o, *l);
    ScriviCentsEScarto(t, n, o, *l);
    if (o.Ridisegna) AggiornaIstogrammi(*o.Ridisegna, t, o.AltezzaSchermo);
    if (!n.Frazioni && o.Nomina != Opzioni::Nomi::Nessuna) NominaQuinte(t, n, o, *l);
    if (o.AzzeraSelezione) t.QuintaSelezionata = 0;
    return true;
}

}  // namespace vk
