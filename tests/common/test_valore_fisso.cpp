#include <gtest/gtest.h>

#include <bit>
#include <cmath>
#include <cstdint>
#include <limits>
#include <random>
#include <string>
#include <vector>

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

// The written form against one built digit by digit from the integer and the
// four decimals, over the edges of every digit count and random values.
TEST(ValoreFisso, ScritturaComeDallaDefinizione) {
    auto atteso = [](int64_t n) {
        const bool meno = n < 0;
        const uint64_t a = meno ? static_cast<uint64_t>(-(n + 1)) + 1 : static_cast<uint64_t>(n);
        std::string f = std::to_string(a % 10000);
        f = std::string(4 - f.size(), '0') + f;
        while (!f.empty() && f.back() == '0') f.pop_back();
        return (meno ? "-" : "") + std::to_string(a / 10000) + (f.empty() ? "" : "," + f);
    };
    std::vector<int64_t> casi = {0, 1, -1, 9, 10, 99, 100, 101, 9999, 10000, 10001, 99990, 100000,
                                 std::numeric_limits<int64_t>::max(), std::numeric_limits<int64_t>::min()};
    for (int64_t p = 1, i = 0; i < 18; ++i, p *= 10)
        for (int64_t d : {-1, 0, 1}) {
            casi.push_back(p + d);
            casi.push_back(-(p + d));
        }
    std::mt19937_64 g(17);
    for (int i = 0; i < 20000; ++i) casi.push_back(static_cast<int64_t>(g()) >> (g() % 60));
    for (int64_t n : casi) {
        const ValoreFisso v = ValoreFisso::daDecimillesimi(n);
        ASSERT_EQ(v.testo(), atteso(n)) << n;
        // Writing into a field copies only a different text, and leaves it
        // exactly the written form.
        const std::string forma = atteso(n);
        std::string ultima = forma;
        ultima.back() = ultima.back() == '9' ? '8' : static_cast<char>(ultima.back() + 1);
        std::string punto = forma, senzaZero = forma, zeroInterno = forma;
        if (auto virgola = forma.find(','); virgola != std::string::npos) {
            punto[virgola] = '.';
            if (forma[virgola - 1] == '0') senzaZero.erase(virgola - 1, 1);  // ",5" for "0,5"
            zeroInterno.insert(virgola + 1, "0");
        }
        for (std::string campo : {std::string(), forma, forma + "0", forma + ",", "0" + forma, "-" + forma,
                                  "+" + forma, forma.substr(1), ultima, punto, senzaZero, zeroInterno,
                                  forma + "1", "1" + forma, std::string("un testo oltre il buffer corto"),
                                  std::string(40, '9')}) {
            AggiornaTesto(campo, v);
            ASSERT_EQ(campo, forma) << n;
        }
    }
}

// Every length from empty to past the word compares, the two texts apart
// at each single position, or equal.
TEST(StessoTesto, OgniLunghezzaEOgniPosizione) {
    const std::string base = "0123456789,-abcdefghijklmnop";
    for (size_t n = 0; n <= 24; ++n) {
        const std::string a = base.substr(0, n);
        EXPECT_TRUE(StessoTesto(a, std::string(a))) << n;
        EXPECT_FALSE(StessoTesto(a, base.substr(0, n + 1))) << n;
        for (size_t i = 0; i < n; ++i) {
            std::string b = a;
            b[i] = static_cast<char>(b[i] ^ 1);
            EXPECT_FALSE(StessoTesto(a, b)) << n << " " << i;
        }
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

TEST(ValoreFisso, DaDoubleSulValoreEsattoNonSulProdotto) {
    // Doubles within half an ulp of a fifth-decimal tie: times 10000 their
    // product lands on the half, which the exact value is not on.
    struct Caso { double x; int64_t atteso; };
    const Caso casi[] = {
        {992364.417 / 396, 25059707},  {992376.0198 / 396, 25060001}, {1014695.5995 / Micro::PerCent, 7157437},
        {0.00005, 1},                  {0.00025, 3},                  {-0.00005, -1},
        {-0.00025, -3},                {0.03125, 312},                {-0.09375, -938},
    };
    for (const auto& c : casi) {
        ASSERT_TRUE(ValoreFisso::daDouble(c.x)) << c.x;
        EXPECT_EQ(ValoreFisso::daDouble(c.x)->decimillesimi(), c.atteso) << c.x;
    }
    EXPECT_EQ(CentsDaMicro4(*ValoreFisso::daTesto("1014695,5995")).testo(), "715,7437");
}

namespace {

// An unsigned integer of two 64-bit words, enough for a 53-bit mantissa
// times 10^5.
struct DueParole {
    uint64_t alta = 0, bassa = 0;
};

DueParole Prodotto(uint64_t m, uint64_t s) {
    const uint64_t a = (m >> 32) * s, b = (m & 0xFFFFFFFF) * s;
    DueParole r;
    r.bassa = (a << 32) + b;
    r.alta = (a >> 32) + (r.bassa < b ? 1 : 0);
    return r;
}

DueParole Destra(DueParole n, int t) {
    if (t == 0) return n;
    if (t >= 64) return {0, n.alta >> (t - 64)};
    return {n.alta >> t, (n.bassa >> t) | (n.alta << (64 - t))};
}

DueParole Sinistra(DueParole n, int t) {
    if (t == 0) return n;
    if (t >= 64) return {n.bassa << (t - 64), 0};
    return {(n.alta << t) | (n.bassa >> (64 - t)), n.bassa << t};
}

DueParole Meno(DueParole a, DueParole b) { return {a.alta - b.alta - (a.bassa < b.bassa ? 1 : 0), a.bassa - b.bassa}; }
bool Minore(DueParole a, DueParole b) { return a.alta != b.alta ? a.alta < b.alta : a.bassa < b.bassa; }
bool Uguale(DueParole a, DueParole b) { return a.alta == b.alta && a.bassa == b.bassa; }

// x times 10^k to the nearest integer, ties to even, from x as its exact
// binary fraction m * 2^e; nullopt when not finite or from 2^53 on.
std::optional<int64_t> Oracolo(double x, int k) {
    if (!std::isfinite(x)) return std::nullopt;
    int e = 0;
    const double f = std::frexp(std::fabs(x), &e);
    const auto m = static_cast<uint64_t>(std::ldexp(f, 53));
    e -= 53;
    uint64_t s = 1;
    for (int i = 0; i < k; ++i) s *= 10;
    const DueParole n = Prodotto(m, s);  // below 2^70
    uint64_t q = 0;
    if (e >= 0) {
        // A whole number of at least m * 2^e, so past 2^53 unless e is 0.
        if (e > 0 || n.alta != 0 || n.bassa >= (uint64_t{1} << 53)) return std::nullopt;
        q = n.bassa;
    } else if (-e <= 72) {
        // Below 2^-2 from 2^-73 on: zero.
        const int t = -e;
        const DueParole intera = Destra(n, t);
        if (intera.alta != 0) return std::nullopt;
        q = intera.bassa;
        const DueParole resto = Meno(n, Sinistra(intera, t));
        const DueParole meta = Sinistra(DueParole{0, 1}, t - 1);
        if (Minore(meta, resto) || (Uguale(meta, resto) && q % 2 == 1)) ++q;
    }
    if (q >= (uint64_t{1} << 53)) return std::nullopt;
    const auto v = static_cast<int64_t>(q);
    return x < 0 ? -v : v;
}

}  // namespace

TEST(ArrotondaPari, ControUnOracoloEsattoSuMilioniDiDouble) {
    // Three kinds of double for each count of decimals: next to a tie
    // (where a rounded product goes wrong), of any size the program meets,
    // and any bit pattern at all.
    std::mt19937_64 g(20261210);
    constexpr int PerTipo = 2'000'000;
    int provati = 0, sbagliatiDalProdotto = 0;
    auto prova = [&](double x, int k) {
        ++provati;
        const auto atteso = Oracolo(x, k);
        ASSERT_EQ(ArrotondaPari(x, k), atteso) << std::hexfloat << x << " k=" << k;
        // The full path alone, also where the inline one answers.
        ASSERT_EQ(ArrotondaPariEsatto(x, k), atteso) << std::hexfloat << x << " k=" << k;
        double s = 1;
        for (int i = 0; i < k; ++i) s *= 10;
        if (atteso && std::nearbyint(x * s) != static_cast<double>(*atteso)) ++sbagliatiDalProdotto;
        if (k == 4) {
            const auto v = ValoreFisso::daDouble(x);
            const bool dentro = atteso && *atteso <= ValoreFisso::Limite && *atteso >= -ValoreFisso::Limite;
            ASSERT_EQ(v.has_value(), dentro) << std::hexfloat << x;
            if (v) {
                ASSERT_EQ(v->decimillesimi(), *atteso) << std::hexfloat << x;
            }
        }
    };
    for (int i = 0; i < PerTipo; ++i) {
        const int k = static_cast<int>(g() % 6);
        double s = 1;
        for (int j = 0; j < k; ++j) s *= 10;
        const int bit = static_cast<int>(g() % 52);
        const auto q = static_cast<int64_t>(g() >> (12 + bit)) * (g() % 2 ? 1 : -1);
        double x = (static_cast<double>(q) + 0.5) / s;
        const int passi = static_cast<int>(g() % 5) - 2;
        for (int j = 0; j < std::abs(passi); ++j) x = std::nextafter(x, passi > 0 ? HUGE_VAL : -HUGE_VAL);
        prova(x, k);
    }
    for (int i = 0; i < PerTipo; ++i) {
        const double mantissa = static_cast<double>(g() >> 11) * 0x1p-53;
        const double x = std::ldexp(mantissa, static_cast<int>(g() % 120) - 70) * (g() % 2 ? 1 : -1);
        prova(x, static_cast<int>(g() % 6));
    }
    for (int i = 0; i < PerTipo; ++i) prova(std::bit_cast<double>(g()), static_cast<int>(g() % 6));
    EXPECT_EQ(provati, 3 * PerTipo);
    // The doubles above are the ones that matter: many of them go wrong
    // when the rounded product decides.
    EXPECT_GT(sbagliatiDalProdotto, 10000);
}
