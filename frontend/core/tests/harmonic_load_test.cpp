// The harmonic load's point of application in the two reference systems,
// the loads moved to the centre of gravity with their message, and the
// frequency lines of a range.
#include "core/HarmonicLoad.h"
#include "core/ProgramData.h"

#include <gtest/gtest.h>

#include <ostream>

namespace zavik {
namespace {

TEST(EquivalentLoads, AForceAboveTheCentreOfGravityAddsItsMoment) {
  const TLoadVector at = EquivalentLoads({10, 0, 0, 0, 0, 0}, {0, 0, 2});
  EXPECT_EQ(at.Fx, 10);
  EXPECT_EQ(at.Mx, 0);
  EXPECT_EQ(at.My, -20);
  EXPECT_EQ(at.Mz, 0);
  // Every force about every axis: M + r x F, by hand.
  const TLoadVector all = EquivalentLoads({1, 2, 3, 4, 5, 6}, {7, 8, 9});
  EXPECT_EQ(all.Fx, 1);
  EXPECT_EQ(all.Fy, 2);
  EXPECT_EQ(all.Fz, 3);
  EXPECT_EQ(all.Mx, 4 - 8 * 3 + 9 * 2);
  EXPECT_EQ(all.My, 5 - 9 * 1 + 7 * 3);
  EXPECT_EQ(all.Mz, 6 - 7 * 2 + 8 * 1);
}

TEST(EquivalentLoads, TheMessageNamesEachValueWithItsUnit) {
  EXPECT_EQ(EquivalentLoadsText({10, 0, 0, 0, -20, 0}, false, TUnits::SI),
            QStringLiteral("Equivalent Loads.\r\rFx: 10 kN\rFy: 0 kN\rFz: 0 kN\r"
                           "Mx: 0 kN-m\rMy: -20 kN-m\rMz: 0 kN-m\r"));
  EXPECT_EQ(EquivalentLoadsText({1.0L / 3, 0, 0, 0, 0, 2.5L}, false, TUnits::English),
            QStringLiteral("Equivalent Loads.\r\rFx: 0.333333333333333 lbs\rFy: 0 lbs\rFz: 0 lbs\r"
                           "Mx: 0 lbs-ft\rMy: 0 lbs-ft\rMz: 2.5 lbs-ft\r"));
  EXPECT_EQ(EquivalentLoadsText({0.5L, 0, 0, 0, 0, -1}, true, TUnits::English),
            QStringLiteral("Equivalent Coeffs.\r\rFcx: 0.5 slug-ft\rFcy: 0 slug-ft\rFcz: 0 slug-ft\r"
                           "Mcx: 0 slug-ft^2\rMcy: 0 slug-ft^2\rMcz: -1 slug-ft^2\r"));
  EXPECT_TRUE(EquivalentLoadsText({}, true, TUnits::SI).contains(QStringLiteral("Fcz: 0 Mg-m\rMcx: 0 Mg-m^2\r")));
}

TEST(LoadPoint, ConvertsBetweenTheCentreOfGravityAndTheCentreOfBase) {
  TProjectTables tables;
  TProgramData p(tables);
  p.CBLocalX = 1;
  p.Xc = 0.25L;
  p.CBLocalY = 0.5L;
  p.CBLocalZ = 0.5L;
  p.Zc = 1;
  const TPoint3 base = GravityToBasePoint({2, 1, 0.25L}, p);
  EXPECT_EQ(base.X, 2.75L);
  EXPECT_EQ(base.Y, 1.5L);
  EXPECT_EQ(base.Z, 1.25L);
  const TPoint3 back = BaseToGravityPoint(base, p);
  EXPECT_EQ(back.X, 2);
  EXPECT_EQ(back.Y, 1);
  EXPECT_EQ(back.Z, 0.25L);
}

struct LinesRow {
  long double Max, Min, Step;
  long long Lines;
};
void PrintTo(const LinesRow& R, std::ostream* Os) {
  *Os << double(R.Min) << " to " << double(R.Max) << " by " << double(R.Step) << " Hz";
}

class FrequencyLinesTest : public ::testing::TestWithParam<LinesRow> {};

TEST_P(FrequencyLinesTest, CountAsTheAnalysisDoes) {
  const LinesRow& r = GetParam();
  EXPECT_EQ(HarmonicFrequencyLines(r.Max, r.Min, r.Step), r.Lines);
  EXPECT_EQ(FrequencyRangeRefusal(r.Max, r.Min, r.Step).isEmpty(), r.Lines <= MaxHarmonicLines);
}

// A step of 0 is 1 rad/s, 1/6.28 Hz.
// clang-format off
INSTANTIATE_TEST_SUITE_P(Cases, FrequencyLinesTest, ::testing::Values(
  LinesRow{0,    0, 0,   1},
  LinesRow{50,   1, 1,   50},
  LinesRow{500,  1, 1,   500},
  LinesRow{501,  1, 1,   501},
  LinesRow{50,   1, 0.1, 491},
  LinesRow{100,  0, 0.1, 1001},
  LinesRow{79.5, 0, 0,   500},
  LinesRow{79.6, 0, 0,   501},
  LinesRow{1e30, 0, 1e-30, 9223372036854775807LL}));
// clang-format on

TEST(FrequencyLines, TheRefusalSaysWhy) {
  EXPECT_EQ(FrequencyRangeRefusal(100, 0, 0.1),
            QStringLiteral("The frequencies from 0 Hz to 100 Hz in steps of 0.1 Hz make 1001 frequency "
                           "lines; one analysis takes at most 500."));
}

}  // namespace
}  // namespace zavik
