#include "keytable/ScartiScala.h"

#include <cmath>
#include <cstdlib>

#include "common/Micro.h"

namespace vk {

const std::array<const char*, 12> RapportiIntervalli = {"",    "16/15", "9/8", "6/5", "5/4", "4/3",
                                                        "45/32", "3/2", "8/5", "5/3", "9/5", "15/8"};
const std::array<const char*, 12> EtichetteIntervalli = {"",    "2-", "2", "3 -", "3", "4",
                                                         "4 +", "5",  "6 -", "6", "7 -", "7"};

const std::array<RigaTonalita, 13> RigheTonalita = {{
    {7, "6#", 960, 180},    {12, "5#", 1680, 900},  {5, "4#", 2400, 1620}, {10, "3#", 3120, 2340},
    {3, "2#", 3840, 3060},  {8, "1#", 4560, 3780},  {1, "0", 5280, 4500},  {6, "1b", 6000, 5220},
    {11, "2b", 6720, 5940}, {4, "3b", 7440, 6660},  {9, "4b", 8160, 7380}, {2, "5b", 8880, 8100},
    {13, "6b", 9600, 8800},
}};

int FasciaScarto(ValoreFisso x, const LimitiFasce& L) {
    const ValoreFisso zero;
    if (x > zero) {
        for (int n = 11; n >= 7; --n)
            if (x > L[static_cast<size_t>(n)]) return n + 1;
        return 7;
    }
    if (x == zero) return FasciaZero;
    for (int n = 1; n <= 5; ++n)
        if (x < L[static_cast<size_t>(n)]) return n;
    return 6;
}

std::string GiudizioEufonia(ValoreFisso v) {
    struct Fascia {
        int64_t sopra;  // the band's top: -sopra ten-thousandths of a cent
        const char* parola;
    };
    static constexpr Fascia fasce[] = {
        {0, "Perfetta"},          {1, "Eccellente"},  {20001, "Molto buona"}, {40001, "Buona"},
        {80001, "Discreta"},      {120001, "Sufficiente"}, {160001, "Scarsa"}, {200001, "Insufficiente"},
        {240001, "Pessima"},
    };
    // The last band whose top the index reaches; every index at or below
    // -24,01 is "Pessima", however low.
    const char* parola = "Perfetta";
    for (const auto& f : fasce)
        if (v.decimillesimi() <= -f.sopra) parola = f.parola;
    return parola;
}

std::array<std::string, CelleTavola> CalcolaTavolaScale(const Dodici& semitoni) {
    std::array<std::string, CelleTavola> cella;
    std::array<std::optional<ValoreFisso>, 13> s;
    for (int n = 1; n <= 12; ++n) s[static_cast<size_t>(n)] = Numero(semitoni[static_cast<size_t>(n)]);
    for (int k = 1; k <= 12; ++k) {
        std::optional<ValoreFisso> somma = ValoreFisso{};
        for (int iv = 1; iv <= IntervalliTavola; ++iv) {
            const auto& passo = s[static_cast<size_t>(SemitonoSopra(k, iv))];
            if (somma && passo) *somma += *passo;
            else somma.reset();
            if (!somma) continue;  // this cell and the rest of the row stay empty
            cella[static_cast<size_t>(CellaCumulata(k, iv))] = somma->testo();
            const ValoreFisso scarto =
                *somma - ValoreFisso::intero(ProgressiviNaturali[static_cast<size_t>(iv)]);
            cella[static_cast<size_t>(CellaScarto(k, iv))] = CentsDaMicro(scarto).testo();
        }
    }
    for (int iv = 1; iv <= IntervalliTavola; ++iv)
        cella[static_cast<size_t>(CellaScarto(13, iv))] = cella[static_cast<size_t>(CellaScarto(7, iv))];
    return cella;
}

ValoreFisso IndiceEufonico(const std::array<ValoreFisso, 6>& t) {
    static constexpr int64_t pesi[6] = {4, 4, 1, 2, 1, 2};
    int64_t somma = 0;  // ten-thousandths of cents, exact
    for (size_t i = 0; i < 6; ++i) somma += std::llabs(t[i].decimillesimi() * pesi[i]);
    // The score and the half fifth at four decimals, then two, ties to even:
    // exact integer division gives the double path's results in range.
    const ValoreFisso punteggio = ValoreFisso::daDecimillesimi(-DividiPari(somma, 14)).arrotondato(2);
    const ValoreFisso mezzaQuinta =
        ValoreFisso::daDecimillesimi(DividiPari(t[0].decimillesimi() + t[1].decimillesimi(), 2));
    return mezzaQuinta < punteggio ? mezzaQuinta.arrotondato(2) : punteggio;
}

std::array<std::string, 14> CalcolaIndiciEufonici(const std::array<std::string, CelleTavola>& lblScala) {
    static constexpr int scostamenti[6] = {4, 47, 59, 81, 102, 124};
    std::array<std::string, 14> indici;
    for (int k = 1; k <= 12; ++k) {
        const int o = 11 * (k - 1);
        std::array<ValoreFisso, 6> terze{};
        bool numeri = true;
        for (size_t i = 0; i < 6; ++i) {
            int c = o + scostamenti[i];
            if (c > 132) c -= 132;
            const auto v = Numero(lblScala[static_cast<size_t>(c)]);
            if (!v) numeri = false;
            else terze[i] = *v;
        }
        if (numeri) indici[static_cast<size_t>(k)] = IndiceEufonico(terze).testo();
    }
    indici[13] = indici[7];
    return indici;
}

BarraScala AltezzaBarraScala(double v, double j, bool enfasi, double altezzaSchermo) {
    const double vv = enfasi ? (v - j) * 1.5 + v : v;
    const double h = ScalaIstogramma * vv;
    double altezza = 15, alto = 9960;
    if (h >= 10) {
        altezza = h;
        alto = 9015 - h + 960;
    }
    if (altezzaSchermo != 11520.0) {
        const double fY = altezzaSchermo / 11520.0;
        altezza *= fY;
        alto *= fY;
    }
    return {static_cast<float>(alto), static_cast<float>(altezza)};
}

namespace {

using L = LetteraNota;
using A = Alterazione;

// Tonics of keys 1..13.
constexpr NotaScritta Toniche[14] = {
    {},
    {L::Do, A::Nessuna},  {L::Re, A::Bemolle},  {L::Re, A::Nessuna},  {L::Mi, A::Bemolle},
    {L::Mi, A::Nessuna},  {L::Fa, A::Nessuna},  {L::Fa, A::Diesis},   {L::Sol, A::Nessuna},
    {L::La, A::Bemolle},  {L::La, A::Nessuna},  {L::Si, A::Bemolle},  {L::Si, A::Nessuna},
    {L::Sol, A::Bemolle},
};
constexpr int SemitoniLettera[7] = {0, 2, 4, 5, 7, 9, 11};
// The letter steps of intervals 1..11: seconds, thirds, fourths, fifth, sixths, sevenths.
constexpr int PassiLettera[12] = {0, 1, 1, 2, 2, 3, 3, 4, 5, 5, 6, 6};

int Altezza(NotaScritta n) {
    static constexpr int alterazione[5] = {0, 1, -1, 2, -2};
    return SemitoniLettera[static_cast<int>(n.lettera)] + alterazione[static_cast<int>(n.alterazione)];
}

}  // namespace

std::string NomeTonalita(int k, Lingua l) { return Scrivi(Toniche[k], l); }

std::string NotaIntervallo(int k, int iv) {
    const NotaScritta t = Toniche[k];
    const auto lettera = static_cast<LetteraNota>((static_cast<int>(t.lettera) + PassiLettera[iv]) % 7);
    // How far the target lies above the plain letter, -2..2.
    int d = ((Altezza(t) + iv - SemitoniLettera[static_cast<int>(lettera)]) % 12 + 12) % 12;
    if (d > 6) d -= 12;
    static constexpr A perScarto[5] = {A::DoppioBemolle, A::Bemolle, A::Nessuna, A::Diesis, A::DoppioDiesis};
    return Scrivi(NotaScritta{lettera, perScarto[d + 2]}, Lingua::IT);
}

}  // namespace vk
