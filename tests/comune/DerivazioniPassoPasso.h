#pragma once
// The derivations one field group at a time: compensation, semitones and
// thirds, cents, naming, each from what the step before wrote. The program
// runs none of them (it commits every change through ApplicaQuinte); the
// differential tests take them as the reference ApplicaQuinte must match.
#include <array>
#include <optional>
#include <string>
#include <string_view>

#include "common/Micro.h"
#include "model/Derivazioni.h"
#include "model/TabellaFrazioni.h"
#include "model/Temperamento.h"

namespace vk {

namespace passo_passo {


// Sum of the twelve fifths minus seven octaves, when all are numbers.
inline void AggiornaErroreChiusura(Temperamento& t) {
    if (auto q = Numeri(t.Quinte, 12)) {
        ValoreFisso somma;
        for (int k = 1; k <= 12; ++k) somma += (*q)[k];
        t.ErroreChiusura = somma - Micro::SetteOttave;
    }
}

inline std::optional<DerivatiMicro> Deriva(const Temperamento& t) {
    auto q = Numeri(t.Quinte, 11);
    if (!q) return std::nullopt;
    return DerivaDaQuinte(*q);
}

}  // namespace passo_passo

// Semitones and thirds in Micro from fifths 1..11, and the closure error.
// A fifth that is not a number leaves the temperament unchanged (false).
inline bool CalcolaSemitoniTerze(Temperamento& t) {
    auto d = passo_passo::Deriva(t);
    if (!d) return false;
    for (int k = 1; k <= 12; ++k) {
        t.Semitoni[k] = Testo(d->semitoni[k]);
        t.Terze[k] = Testo(d->terze[k]);
    }
    passo_passo::AggiornaErroreChiusura(t);
    return true;
}

// The thirds editor's variant: semitones in Micro and in cents only.
inline bool CalcolaSemitoni(Temperamento& t) {
    auto d = passo_passo::Deriva(t);
    if (!d) return false;
    for (int n = 1; n <= 12; ++n) {
        t.Semitoni[n] = Testo(d->semitoni[n]);
        t.SemitoniCents[n] = Testo(CentsDaMicro(d->semitoni[n]));
    }
    passo_passo::AggiornaErroreChiusura(t);
    return true;
}

// Cents of every fifth, third and semitone, and the semitone spread.
inline bool CalcolaCents(Temperamento& t) {
    auto q = Numeri(t.Quinte, 12);
    auto te = Numeri(t.Terze, 12);
    auto s = Numeri(t.Semitoni, 12);
    if (!q || !te || !s) return false;
    for (int k = 1; k <= 12; ++k) t.QuinteCents[k] = Testo(CentsDaMicro((*q)[k]));
    for (int k = 1; k <= 12; ++k) t.TerzeCents[k] = Testo(CentsDaMicro((*te)[k]));
    // The spread compares the two-decimal values just written.
    std::array<ValoreFisso, 13> centsSemitoni{};
    for (int n = 1; n <= 12; ++n) {
        centsSemitoni[n] = CentsDaMicro((*s)[n]);
        t.SemitoniCents[n] = Testo(centsSemitoni[n]);
    }
    t.ScartoSemitonale = Testo(ScartoDaCents(centsSemitoni));
    return true;
}

// The name of a size held as text: a text that is no number is "ND".
inline std::string CercaFrazione(const TabellaFrazioni& tabella, std::string_view testo) {
    auto v = Numero(testo);
    return v ? CercaFrazione(tabella, *v) : std::string("ND");
}

// Which cents a naming writes: the Pythagorean naming of the main screen
// refreshes the fifth's cents, the syntonic one and the thirds editor's do not.
enum class CentsNomina { Lascia, DalNome };
// Names fifth k (1..12) from the table of `modo`; with DalNome and the
// Pythagorean table also writes the fifth's cents. Another k does nothing.
inline void NominaQuinta(Temperamento& t, int k, ModoComma modo, CentsNomina cents) {
    if (k < 1 || k > 12) return;
    t.Frazioni[k] = CercaFrazione(TabellaFrazioni::Per(modo), t.Quinte[k]);
    if (cents == CentsNomina::DalNome && modo == ModoComma::Pitagorico) {
        if (auto q = Numero(t.Quinte[k])) t.QuinteCents[k] = Testo(CentsDaMicro(*q));
    }
}

// Naming of the fifth QuintaSelezionata; an index outside 1..12 does nothing.
inline void NominaFrazioneSintonica(Temperamento& t) {
    NominaQuinta(t, t.QuintaSelezionata, ModoComma::Sintonico, CentsNomina::DalNome);
}
// Also refreshes the fifth's cents.
inline void NominaFrazionePitagorica(Temperamento& t) {
    NominaQuinta(t, t.QuintaSelezionata, ModoComma::Pitagorico, CentsNomina::DalNome);
}
// Naming of the fifth IndiceQS (the thirds editor); cents untouched.
inline void NominaFrazioneSintonicaQS(Temperamento& t) {
    NominaQuinta(t, t.IndiceQS, ModoComma::Sintonico, CentsNomina::Lascia);
}
inline void NominaFrazionePitagoricaQS(Temperamento& t) {
    NominaQuinta(t, t.IndiceQS, ModoComma::Pitagorico, CentsNomina::Lascia);
}

// Names fifth QuintaSelezionata with the procedure that the comma button's
// caption (or colour) chooses.
inline void NominaPerCaption(Temperamento& t) {
    NominaQuinta(t, t.QuintaSelezionata, t.modoPerCaption(), CentsNomina::DalNome);
}
inline void NominaPerColore(Temperamento& t) {
    NominaQuinta(t, t.QuintaSelezionata, t.modoPerColore(), CentsNomina::DalNome);
}

// Gives the next fifth the opposite of fifth QuintaSelezionata's change since
// its last commit, commits both and names the next one. An index outside
// 1..12, or a fifth that is not a number, does nothing.
inline void CompensaQuinta(Temperamento& t) {
    const int k = t.QuintaSelezionata;
    if (k < 1 || k > 12) return;
    const int j = Successivo(k);
    auto c = Numero(t.CopiaQuinte[k]);
    auto q = Numero(t.Quinte[k]);
    auto qj = Numero(t.Quinte[j]);
    if (!c || !q || !qj) return;
    t.CopiaQuinte[k] = t.Quinte[k];
    const ValoreFisso w = *q - *c;
    t.Quinte[j] = Testo(*qj - w);
    t.CopiaQuinte[j] = t.Quinte[j];
    t.QuintaSelezionata = j;
    NominaPerCaption(t);
    t.QuintaSelezionata = k;
}

}  // namespace vk
