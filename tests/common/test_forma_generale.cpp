#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "common/FormaGenerale.h"

namespace vk {
namespace {

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
    EXPECT_EQ(CifreDecimali(1.5e20), "150000000000000000000");
    EXPECT_EQ(CifreDecimali(0.00000123), "0,00000123");
    EXPECT_EQ(CifreDecimali(-0.000012345), "-0,000012345");
    EXPECT_EQ(CifreDecimali(992581.3333333333), "992581,333333333");
    EXPECT_EQ(CifreDecimali(0.0), "0");
    EXPECT_EQ(CifreDecimali(NAN), "");
}

}  // namespace
}  // namespace vk
