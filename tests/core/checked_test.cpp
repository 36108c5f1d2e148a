// Rounding half to even and the checked 16/32-bit arithmetic.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "state/checked.h"
#include "state/palette.h"
#include "support/param_names.h"

namespace qelt {
namespace {

struct NearestCase {
    double value;
    Integer expected;
};

class NearestTest : public ::testing::TestWithParam<NearestCase> {};

TEST_P(NearestTest, RoundsHalfToEven) {
    EXPECT_EQ(Nearest(GetParam().value), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(Ties, NearestTest,
                         ::testing::Values(NearestCase{4.5, 4}, NearestCase{5.5, 6},
                                           NearestCase{-0.5, 0}, NearestCase{-1.5, -2},
                                           NearestCase{392.5, 392}, NearestCase{110.5, 110},
                                           NearestCase{221.5, 222}, NearestCase{4.4999, 4},
                                           NearestCase{32767.4, 32767},
                                           NearestCase{-32768.5, -32768}),
                         [](const auto& info) {
                             return testing::NumberName(info.param.value) + "To" +
                                    testing::NumberName(info.param.expected);
                         });

TEST(Nearest, OutsideTheIntegerRangeOverflows) {
    for (double value : {32767.5, 32768.0, -32768.6, 1e9, std::numeric_limits<double>::quiet_NaN(),
                         std::numeric_limits<double>::infinity()}) {
        EXPECT_THROW(Nearest(value), OverflowError) << value;
    }
    EXPECT_THROW(NearestLong(2147483647.5), OverflowError);
    EXPECT_EQ(NearestLong(-2147483648.4), std::numeric_limits<Long>::min());
}

TEST(CheckedArithmetic, ResultsAtTheEdgesOfTheRange) {
    EXPECT_EQ(CheckedAdd(Integer{32766}, Integer{1}), 32767);
    EXPECT_THROW(CheckedAdd(Integer{32767}, Integer{1}), OverflowError);
    EXPECT_EQ(CheckedSub(Integer{-32767}, Integer{1}), -32768);
    EXPECT_THROW(CheckedSub(Integer{-32768}, Integer{1}), OverflowError);
    EXPECT_EQ(CheckedMul(Integer{-256}, Integer{128}), -32768);
    EXPECT_THROW(CheckedMul(Integer{256}, Integer{128}), OverflowError);
    EXPECT_THROW(CheckedAdd(Long{2147483647}, Long{1}), OverflowError);
    EXPECT_THROW(CheckedMul(Long{46341}, Long{46341}), OverflowError);
    EXPECT_EQ(CheckedMul(Long{46340}, Long{46340}), 2147395600);
}

TEST(Bounded, IndexOutsideTheDeclaredBoundsThrows) {
    Bounded<int, 1, 3> table;
    table[1] = 5;
    table[3] = 7;
    EXPECT_EQ(table[1] + table[3], 12);
    EXPECT_THROW(table[0], std::out_of_range);
    EXPECT_THROW(table[4], std::out_of_range);
    EXPECT_THROW(table[-5435], std::out_of_range);
}

TEST(FixedString2, PadsShortTextsAndCutsLongOnes) {
    EXPECT_EQ(FixedString2("UN").str(), "UN");
    EXPECT_EQ(FixedString2("U").str(), "U ");
    EXPECT_EQ(FixedString2("").str(), "  ");
    EXPECT_EQ(FixedString2("UNX").str(), "UN");
    EXPECT_EQ(FixedString2().str(), "  ");
}

TEST(Palette, FourteenColoursPackedRedLow) {
    Palette p;
    EXPECT_EQ(p.NearBlack8plng, 0) << "black before the set-up";
    SetUpColours(p);
    const Long expected[] = {255,     5537448, 1043933, 14230329, 15255428, 14627117, 14234573,
                             3131418, 2398228, 9868950, 12632256, 8421504,  65793,    16777215};
    const Long actual[] = {p.Red8plng,       p.Brown8plng,   p.Yellow8plng,    p.Violet8plng,
                           p.SkyBlue8plng,   p.Blue8plng,    p.Magenta8plng,   p.Green8plng,
                           p.DarkGreen8plng, p.MidGrey8plng, p.LightGrey8plng, p.DarkGrey8plng,
                           p.NearBlack8plng, p.White8plng};
    for (std::size_t i = 0; i < std::size(expected); ++i) {
        EXPECT_EQ(actual[i], expected[i]) << "colour " << i + 1;
    }
    EXPECT_EQ(Rgb(0, 0, 255), 255 * 65536);
}

}  // namespace
}  // namespace qelt
