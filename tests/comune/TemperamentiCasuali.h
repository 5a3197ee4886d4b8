#pragma once
// Random temperaments for differential tests: sizes near the usual ones,
// texts in other written forms of the same number, non-numbers and sizes
// past what a file keeps, both comma tests, any selection.
#include <gtest/gtest.h>

#include <random>
#include <string>

#include "model/Istogrammi.h"
#include "model/Temperamento.h"
#include "tests/comune/DerivazioniPassoPasso.h"
#include "tests/editing/AiutiEditing.h"

namespace vk::prova {

class Casuale {
public:
    explicit Casuale(unsigned seme) : g_(seme) {}

    int intero(int da, int a) { return std::uniform_int_distribution<int>(da, a)(g_); }
    bool probabile(int percento) { return intero(1, 100) <= percento; }

    // A size around `centro` in ten-thousandths, mostly whole Micro.
    std::string misura(int64_t centro, int64_t ampiezza) {
        int64_t n = centro * 10000 + std::uniform_int_distribution<int64_t>(-ampiezza, ampiezza)(g_) * 10000;
        if (probabile(20)) n += intero(-9999, 9999);
        return forma(ValoreFisso::daDecimillesimi(n));
    }
    // The written form, another form of the same number, or no size at all.
    std::string forma(ValoreFisso v) {
        const int caso = intero(1, 100);
        std::string t = v.testo();
        if (caso <= 3) return t + (t.find(',') == std::string::npos ? ",0" : "0");  // trailing zero
        if (caso <= 5 && t[0] != '-') return "0" + t;                                 // leading zero
        if (caso <= 6) return "";
        if (caso <= 7) return "abc";
        if (caso <= 8) return t + ".5";
        if (caso <= 9) return "999999999999";    // past the limit: no number
        if (caso <= 10) return "-99999999999";   // a number whose sums pass what a file keeps
        return t;
    }

    Temperamento temperamento() {
        Temperamento t = TemperamentoIniziale();
        const bool cerchio = probabile(70);  // fifths that close the circle
        ValoreFisso somma;
        for (int k = 1; k <= 12; ++k) {
            t.Quinte[k] = misura(992376, 8000);
            if (cerchio) {
                auto v = ValoreFisso::daTesto(t.Quinte[k]);
                if (k < 12 && v) somma += *v;
                if (k == 12) t.Quinte[k] = forma(ValoreFisso::intero(11908512) - somma);
            }
            t.CopiaQuinte[k] = probabile(85) ? t.Quinte[k] : misura(992376, 8000);
            t.QuinteCents[k] = misura(700, 20);
            t.Frazioni[k] = probabile(50) ? "ND" : "-1/12";
            t.Terze[k] = misura(567072, 20000);
            t.TerzeCents[k] = misura(400, 20);
            t.SigleTerze[k] = probabile(50) ? "E" : "";
            t.Semitoni[k] = misura(141768, 20000);
            t.SemitoniCents[k] = misura(100, 20);
        }
        t.ScartoSemitonale = misura(5, 5);
        t.ErroreChiusura = ValoreFisso::intero(intero(-50, 50));
        t.CommaCaption = probabile(50) ? CaptionPitagorico : CaptionSintonico;
        t.CommaColore = probabile(50) ? Colori::RossoChiaro : Colori::VerdeChiaro;  // not always the caption's
        t.QuintaSelezionata = intero(0, 13);
        t.IndiceQS = intero(0, 12);
        return t;
    }

    // One as most temperaments are: fifths of two or three sizes in runs, in
    // the written form or another, and half of the time thirds, semitones
    // and cents already derived from them, a few of those then changed.
    Temperamento regolare() {
        Temperamento t = temperamento();
        const std::string dimensioni[3] = {misura(992376, 8000), misura(992376, 8000), misura(992376, 8000)};
        for (int k = 1; k <= 12; ++k) {
            const std::string& prima = k == 1 ? dimensioni[0] : t.Quinte[k - 1];
            const auto v = ValoreFisso::daTesto(prima);
            if (!probabile(70)) t.Quinte[k] = dimensioni[intero(0, 2)];
            else t.Quinte[k] = v && probabile(20) ? forma(*v) : prima;
            t.CopiaQuinte[k] = probabile(85) ? t.Quinte[k] : misura(992376, 8000);
        }
        if (probabile(50)) {
            CalcolaSemitoniTerze(t);
            CalcolaCents(t);
            Dodici* gruppi[] = {&t.QuinteCents, &t.Terze, &t.TerzeCents, &t.Semitoni, &t.SemitoniCents};
            for (int i = intero(0, 3); i > 0; --i) {
                std::string& campo = (*gruppi[intero(0, 4)])[static_cast<size_t>(intero(1, 12))];
                const auto v = ValoreFisso::daTesto(campo);
                campo = v ? forma(*v + ValoreFisso::intero(intero(0, 1))) : "abc";
            }
        }
        return t;
    }

    Istogrammi istogrammi() {
        Istogrammi g = IstogrammiIniziali();
        if (probabile(50)) g.Command9 = CaptionNoColoriQuinte;
        return g;
    }

private:
    std::mt19937 g_;
};

// Every field, the hidden ones included.
inline void TuttoUguale(const Temperamento& a, const Temperamento& b) {
    StessoTemperamento(a, b);
    EXPECT_EQ(a.ErroreChiusura, b.ErroreChiusura);
    EXPECT_EQ(a.QuintaSelezionata, b.QuintaSelezionata);
    EXPECT_EQ(a.IndiceQS, b.IndiceQS);
}

inline void BarreUguali(const Istogrammi& a, const Istogrammi& b) {
    auto uguali = [](const Barra& x, const Barra& y) {
        return x.Left == y.Left && x.Top == y.Top && x.Width == y.Width && x.Height == y.Height &&
               x.Colore == y.Colore;
    };
    for (int k = 0; k <= 12; ++k) {
        EXPECT_TRUE(uguali(a.ShpQuinte[k], b.ShpQuinte[k])) << "quinta " << k;
        EXPECT_TRUE(uguali(a.ShpTerze[k], b.ShpTerze[k])) << "terza " << k;
        EXPECT_TRUE(uguali(a.ShpSemitoni[k], b.ShpSemitoni[k])) << "semitono " << k;
    }
    EXPECT_EQ(a.Command9, b.Command9);
    EXPECT_EQ(a.lblTerzeC0, b.lblTerzeC0);
}

}  // namespace vk::prova
