#include <gtest/gtest.h>

#include "common/Micro.h"
#include "common/ValoreFisso.h"

using namespace vk;

TEST(ValoreFisso, LetturaEScrittura) {
    struct Caso { const char* testo; const char* scritto; };
    const Caso casi[] = {
        {"992376", "992376"},       {"997308,85", "997308,85"}, {"0", "0"},
        {"-0,5", "-0,5"},           {",5", "0,5"},             {"12,", "12"},
        {"992376,0", "992376"},     {"-1", "-1"},              {"0,0001", "0,0001"},
        {"1,00005", "1"},           {"1,00015", "1,0002"},     {"1,000051", "1,0001"},
        {"1,00004999", "1"},        {"-2,00025", "-2,0002"},   {"-0", "0"},
        {"0000000000000000007", "7"}, {"-000,50", "-0,5"},     {"99999999999,99995", "100000000000"},
    };
    for (const auto& c : casi) {
        auto v = ValoreFisso::daTesto(c.testo);
        ASSERT_TRUE(v) << c.testo;
        EXPECT_EQ(v->testo(), c.scritto) << c.testo;
    }
}

TEST(ValoreFisso, TestiCheNonSonoNumeri) {
    for (const char* t : {"", "-", ",", "1.5", " 1", "1 ", "1,2,3", "a", "1e5", "+1", "--1",
                          "99999999999999999999", "100000000000,0001", "999999999999", "1,2a", "1,-2"})
        EXPECT_FALSE(ValoreFisso::daTesto(t)) << '"' << t << '"';
    EXPECT_TRUE(ValoreFisso::daTesto("100000000000"));
}

TEST(ValoreFisso, DaDoubleArrotondaAlPari) {
    // Binary-exact halves of a ten-thousandth.
    EXPECT_EQ(ValoreFisso::daDouble(0.03125)->decimillesimi(), 312);
    EXPECT_EQ(ValoreFisso::daDouble(0.09375)->decimillesimi(), 938);
    EXPECT_EQ(ValoreFisso::daDouble(-0.03125)->decimillesimi(), -312);
    EXPECT_FALSE(ValoreFisso::daDouble(1.0 / 0.0));
    EXPECT_FALSE(ValoreFisso::daDouble(1e20));
    EXPECT_EQ(ValoreFisso::daTesto("1,005")->arrotondato(2).testo(), "1");
    EXPECT_EQ(ValoreFisso::daTesto("1,015")->arrotondato(2).testo(), "1,02");
    EXPECT_EQ(ValoreFisso::daTesto("-1,015")->arrotondato(2).testo(), "-1,02");
}

TEST(CentsDaMicro, EsempiNoti) {
    struct Caso { const char* micro; const char* cents; };
    const Caso casi[] = {
        {"995148", "701,96"}, {"578160", "407,82"}, {"547668", "386,31"},
        {"997308,85", "703,48"}, {"992376", "700"}, {"961884", "678,49"},
        {"141768", "100"}, {"0", "0"}, {"-995148", "-701,96"},
    };
    for (const auto& c : casi)
        EXPECT_EQ(CentsDaMicro(*ValoreFisso::daTesto(c.micro)).testo(), c.cents) << c.micro;
}

TEST(CentsDaMicro, DueArrotondamentiNonUno) {
    // 698,585012... rounds to 698,5850 and then to the even hundredth.
    struct Caso { const char* micro; const char* cents; };
    const Caso casi[] = {
        {"990370", "698,58"}, {"990214", "698,48"},
        {"-990370", "-698,58"}, {"-990214", "-698,48"},
    };
    for (const auto& c : casi)
        EXPECT_EQ(CentsDaMicro(*ValoreFisso::daTesto(c.micro)).testo(), c.cents) << c.micro;
}

TEST(CentsDaMicro, DoppioArrotondamento) {
    // The four-decimal value decides: 698,5850 -> 698,58 and 698,4750 -> 698,48.
    auto daCents4 = [](double c) { return *ValoreFisso::daDouble(c * Micro::PerCent); };
    for (double c4 : {698.5850, 698.4750}) {
        ValoreFisso x = daCents4(c4);
        ASSERT_EQ(CentsDaMicro4(x), *ValoreFisso::daDouble(c4));
    }
    EXPECT_EQ(CentsDaMicro(daCents4(698.5850)).testo(), "698,58");
    EXPECT_EQ(CentsDaMicro(daCents4(698.4750)).testo(), "698,48");
}
