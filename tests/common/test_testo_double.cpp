#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "common/TestoDouble.h"
#include "common/ValoreFisso.h"

namespace vk {
namespace {

TEST(TestoDouble, QuindiciCifreSenzaEsponente) {
    const struct {
        double x;
        const char* testo;
    } casi[] = {
        {523.251130601197, "523,251130601197"},
        {27.5, "27,5"},
        {14080, "14080"},
        {0, "0"},
        {-0.0, "0"},
        {-0.5, "-0,5"},
        {1.0 / 3.0, "0,333333333333333"},
        {2.0 / 3.0, "0,666666666666667"},
        {0.00001, "0,00001"},
        {1.5e-7, "0,00000015"},
        {1e20, "100000000000000000000"},
        {123456789012345678.0, "123456789012346000"},
        // Exact ties on the sixteenth digit go to the even fifteenth.
        {0x1p-22, "0,000000238418579101562"},
        {3 * 0x1p-22, "0,000000715255737304688"},
        {INFINITY, ""},
        {NAN, ""},
    };
    for (const auto& c : casi) EXPECT_EQ(TestoDouble(c.x), c.testo) << c.x;
}

TEST(TestoDouble, SiRileggeComeDoubleEComeValoreFisso) {
    for (double x : {440.0 / 3.0, 16744.0362, 0.0001234, -261.625565300599}) {
        const std::string t = TestoDouble(x);
        EXPECT_NEAR(DoubleDaTesto(t), x, std::fabs(x) * 1e-14) << t;
        EXPECT_TRUE(ValoreFisso::daTesto(t).has_value()) << t;
    }
}

TEST(DoubleDaTesto, SoloINumeriCheIlProgrammaScrive) {
    EXPECT_EQ(DoubleDaTesto("440"), 440.0);
    EXPECT_EQ(DoubleDaTesto("27,5"), 27.5);
    EXPECT_EQ(DoubleDaTesto("-0,5"), -0.5);
    EXPECT_EQ(DoubleDaTesto(",25"), 0.25);
    EXPECT_EQ(DoubleDaTesto("7,"), 7.0);
    for (const char* t : {"", "-", ",", "1.5", "1,2,3", "abc", " 1", "1e5", "+3", "992.376"})
        EXPECT_TRUE(std::isnan(DoubleDaTesto(t))) << t;
}

// A typed number may run past a double's range: it is still a number, the
// nearest double, not "not a number".
TEST(DoubleDaTesto, UnNumeroFuoriDallaPortataDiUnDouble) {
    const std::string zeri(400, '0');
    struct Caso {
        std::string testo;
        double atteso;
    } casi[] = {
        {"0," + zeri + "4", 0.0},
        {"-0," + zeri + "4", -0.0},
        {"," + zeri + "15", 0.0},
        {"000," + zeri + "9", 0.0},
        {"1" + zeri, std::numeric_limits<double>::infinity()},
        {"-1" + zeri + ",5", -std::numeric_limits<double>::infinity()},
    };
    for (const Caso& c : casi) {
        const double x = DoubleDaTesto(c.testo);
        EXPECT_EQ(x, c.atteso) << c.testo.substr(0, 12);
        EXPECT_EQ(std::signbit(x), std::signbit(c.atteso)) << c.testo.substr(0, 12);
    }
}


TEST(FormaGenerale, QuindiciCifreSignificative) {
    struct Caso {
        double x;
        const char* testo;
    } casi[] = {
        {1.5, "1,5"},
        {1.0 / 3.0, "0,333333333333333"},
        {2.0 / 3.0, "0,666666666666667"},
        {std::pow(2.0, 7.0 / 12.0), "1,49830707687668"},
        {std::pow(2.0, 1.0 / 12.0), "1,0594630943593"},
        {20000, "20000"},
        {123456789012345.0, "123456789012345"},
        {0.0001, "0,0001"},
        {0.000123, "0,000123"},
        {-2.5, "-2,5"},
        {0.0, "0"},
        {-0.0, "0"},
        // Past 15 digits of whole part or below 0,0001: an exponent.
        {1e15, "1E+15"},
        {1.5e20, "1,5E+20"},
        {0.00001, "1E-05"},
        {std::pow(2.0, 1023.0), "8,98846567431158E+307"},
        {std::numeric_limits<double>::denorm_min(), "4,94065645841247E-324"},
        {9.999999999999999, "10"},
    };
    for (const auto& c : casi) EXPECT_EQ(FormaGenerale(c.x), c.testo) << c.testo;
}

TEST(FormaGenerale, CifreDecimaliSenzaEsponente) {
    EXPECT_EQ(TestoDouble(1.5e20), "150000000000000000000");
    EXPECT_EQ(TestoDouble(0.00000123), "0,00000123");
    EXPECT_EQ(TestoDouble(-0.000012345), "-0,000012345");
    EXPECT_EQ(TestoDouble(992581.3333333333), "992581,333333333");
    EXPECT_EQ(TestoDouble(0.0), "0");
    EXPECT_EQ(TestoDouble(NAN), "");
}

}  // namespace
}  // namespace vk
