#include <gtest/gtest.h>

#include <random>

#include "common/Micro.h"
#include "model/Derivazioni.h"
#include "model/TabellaFrazioni.h"
#include "tests/comune/DerivazioniPassoPasso.h"

using namespace vk;

TEST(TemperamentoIniziale, EquabileConDescrizione) {
    Temperamento t = TemperamentoIniziale();
    EXPECT_EQ(t.Nome, "TEMPERAMENTO EQUABILE\r\n");
    EXPECT_EQ(t.Descrizione.substr(0, 38), "Questo temperamento distribuisce in \r\n");
    EXPECT_NE(t.Descrizione.find("tonalit\xC3\xA0\r\ne con"), std::string::npos);
    EXPECT_EQ(t.CommaCaption, "Comma Pitagorico");
    EXPECT_EQ(t.CommaColore, 0xC0C0FFu);
    Temperamento d = t;
    ASSERT_TRUE(CalcolaSemitoniTerze(d));
    ASSERT_TRUE(CalcolaCents(d));
    EXPECT_EQ(d.Terze, t.Terze);
    EXPECT_EQ(d.Semitoni, t.Semitoni);
    EXPECT_EQ(d.QuinteCents, t.QuinteCents);
    EXPECT_EQ(d.TerzeCents, t.TerzeCents);
    EXPECT_EQ(d.SemitoniCents, t.SemitoniCents);
    EXPECT_EQ(d.ScartoSemitonale, "0");
    EXPECT_EQ(d.ErroreChiusura, ValoreFisso());
}

TEST(Derivazioni, PitagoricoConLupoSuSiFaDiesis) {
    Temperamento t = TemperamentoIniziale();
    for (int k = 1; k <= 12; ++k) t.Quinte[k] = k == 6 ? "961884" : "995148";
    ASSERT_TRUE(CalcolaSemitoniTerze(t));
    ASSERT_TRUE(CalcolaCents(t));
    for (int n : {1, 3, 5, 6, 8, 10, 12}) {
        EXPECT_EQ(t.Semitoni[n], "127908") << n;
        EXPECT_EQ(t.SemitoniCents[n], "90,22") << n;
    }
    for (int n : {2, 4, 7, 9, 11}) {
        EXPECT_EQ(t.Semitoni[n], "161172") << n;
        EXPECT_EQ(t.SemitoniCents[n], "113,69") << n;
    }
    for (int k = 1; k <= 12; ++k) {
        bool stretta = k >= 3 && k <= 6;
        EXPECT_EQ(t.Terze[k], stretta ? "544896" : "578160") << k;
        EXPECT_EQ(t.TerzeCents[k], stretta ? "384,36" : "407,82") << k;
        EXPECT_EQ(t.QuinteCents[k], k == 6 ? "678,49" : "701,96") << k;
    }
    EXPECT_EQ(t.ScartoSemitonale, "23,47");
}

TEST(Derivazioni, LaQuintaDodiciNonEntraInTerzeESemitoni) {
    Temperamento t = TemperamentoIniziale();
    t.Quinte[12] = "995148";
    ASSERT_TRUE(CalcolaSemitoniTerze(t));
    for (int k = 1; k <= 12; ++k) {
        EXPECT_EQ(t.Terze[k], "567072");
        EXPECT_EQ(t.Semitoni[k], "141768");
    }
    EXPECT_EQ(t.ErroreChiusura, ValoreFisso::intero(2772));
}

TEST(Derivazioni, SommeCostantiPerQuintiCasuali) {
    std::mt19937 gen(7);
    std::uniform_int_distribution<int64_t> d(9'000'000'000LL, 10'500'000'000LL);
    for (int prova = 0; prova < 200; ++prova) {
        Temperamento t = TemperamentoIniziale();
        for (int k = 1; k <= 12; ++k) t.Quinte[k] = ValoreFisso::daDecimillesimi(d(gen)).testo();
        ASSERT_TRUE(CalcolaSemitoniTerze(t));
        ValoreFisso s, te;
        for (int k = 1; k <= 12; ++k) {
            s += *Numero(t.Semitoni[k]);
            te += *Numero(t.Terze[k]);
        }
        EXPECT_EQ(s, Micro::Ottava);
        EXPECT_EQ(te, Micro::QuattroOttave);
    }
}

TEST(Derivazioni, ScartoSemitonaleNumericoENonTestuale) {
    Dodici c;
    for (int n = 1; n <= 12; ++n) c[n] = "100";
    c[3] = "100,5";
    c[4] = "99,75";
    EXPECT_EQ(ScartoDaCents(c)->testo(), "0,75");
    for (int n = 1; n <= 12; ++n) c[n] = "-5";
    EXPECT_EQ(ScartoDaCents(c)->testo(), "5");      // 0 - (-5)
    for (int n = 1; n <= 12; ++n) c[n] = "250";
    EXPECT_EQ(ScartoDaCents(c)->testo(), "50");     // 250 - 200
    c[1] = "x";
    EXPECT_FALSE(ScartoDaCents(c));
}

TEST(Derivazioni, CalcolaSemitoniTocchaSoloISemitoni) {
    Temperamento t = TemperamentoIniziale();
    t.Quinte[1] = "995148";
    t.Quinte[2] = "989604";
    ASSERT_TRUE(CalcolaSemitoni(t));
    Temperamento ini = TemperamentoIniziale();
    EXPECT_EQ(t.Terze, ini.Terze);
    EXPECT_EQ(t.TerzeCents, ini.TerzeCents);
    EXPECT_EQ(t.QuinteCents, ini.QuinteCents);
    EXPECT_EQ(t.ScartoSemitonale, "0");
    EXPECT_NE(t.Semitoni, ini.Semitoni);
    for (int n = 1; n <= 12; ++n)
        EXPECT_EQ(t.SemitoniCents[n], CentsDaMicro(*Numero(t.Semitoni[n])).testo());
}

TEST(Derivazioni, UnaQuintaNonNumericaNonCambiaNulla) {
    Temperamento t = TemperamentoIniziale();
    t.Quinte[3] = "abc";
    Temperamento prima = t;
    EXPECT_FALSE(CalcolaSemitoniTerze(t));
    EXPECT_FALSE(CalcolaCents(t));
    EXPECT_EQ(t.Terze, prima.Terze);
    EXPECT_EQ(t.QuinteCents, prima.QuinteCents);
}
