// String, list and number helpers, and the number formats shown to users.
#include "controls/AxisMap.h"
#include "controls/Guards.h"
#include "controls/NumberFormat.h"
#include "controls/NumberHelpers.h"
#include "controls/ObjectList.h"
#include "controls/StringHelpers.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>
#include <vector>

namespace zavik {
namespace {

struct FormatRow {
  long double Value;
  int Precision;
  const char* Text;
};

void PrintTo(const FormatRow& R, std::ostream* Os) { *Os << R.Text; }

class FloatToStrGeneralTest : public ::testing::TestWithParam<FormatRow> {};

TEST_P(FloatToStrGeneralTest, WritesTheGeneralFormat) {
  const FormatRow& row = GetParam();
  EXPECT_EQ(FloatToStrGeneral(row.Value, row.Precision, QLatin1Char('.')), QLatin1String(row.Text));
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Cases, FloatToStrGeneralTest, ::testing::Values(
  FormatRow{1.0L / 3,        8, "0.33333333"},
  FormatRow{1e-12L,          8, "1E-12"},
  FormatRow{1.5e8L,          8, "1.5E8"},
  FormatRow{2.5L,            8, "2.5"},
  FormatRow{-2.5L,           8, "-2.5"},
  FormatRow{0,               8, "0"},
  FormatRow{100,             8, "100"},
  FormatRow{12345678,        8, "12345678"},
  FormatRow{123456789,       8, "1.2345679E8"},
  FormatRow{99999999.5L,     8, "1E8"},
  FormatRow{0.00001L,        8, "0.00001"},
  FormatRow{0.0000099L,      8, "9.9E-6"},
  FormatRow{1e-6L,           8, "1E-6"},
  FormatRow{-1e-7L,          8, "-1E-7"},
  FormatRow{1.2345678e15L,   8, "1.2345678E15"},
  FormatRow{0.0001L,         8, "0.0001"},
  FormatRow{1.0L / 3,       18, "0.333333333333333333"},
  FormatRow{1024,           18, "1024"},
  FormatRow{2.0L / 3 * 1e20L, 18, "6.66666666666666667E19"}));
// clang-format on

// The general, exponent and fixed formats of the windows' numbers.
struct FormatFRow {
  enum TKind { General, Exponent, Fixed } Kind;
  long double Value;
  int Precision, Digits;
  const char* Text;
};

void PrintTo(const FormatFRow& R, std::ostream* Os) { *Os << R.Text; }

class FloatToStrFTest : public ::testing::TestWithParam<FormatFRow> {};

TEST_P(FloatToStrFTest, WritesTheFormat) {
  const FormatFRow& row = GetParam();
  const QChar point = QLatin1Char('.');
  const QString text = row.Kind == FormatFRow::General    ? FloatToStrF(row.Value, row.Precision, row.Digits, point)
                       : row.Kind == FormatFRow::Exponent ? FloatToStrExponent(row.Value, row.Precision, row.Digits, point)
                                                          : FloatToStrFixed(row.Value, row.Precision, row.Digits, point);
  EXPECT_EQ(text, QLatin1String(row.Text));
}

constexpr auto G = FormatFRow::General, E = FormatFRow::Exponent, F = FormatFRow::Fixed;

// clang-format off
INSTANTIATE_TEST_SUITE_P(Cases, FloatToStrFTest, ::testing::Values(
  FormatFRow{G, 0,          4, 2, "0"},
  FormatFRow{G, 2.5L,       4, 2, "2.5"},
  FormatFRow{G, -40,        4, 2, "-40"},
  FormatFRow{G, 1234,       4, 2, "1234"},
  FormatFRow{G, 2e5L,       4, 2, "2E05"},
  FormatFRow{G, 1.5e6L,     4, 2, "1.5E06"},
  FormatFRow{G, 0.0004L,    4, 2, "0.0004"},
  FormatFRow{G, 2.5e-7L,    4, 2, "2.5E-07"},
  FormatFRow{G, 1.2e-12L,   4, 2, "1.2E-12"},
  FormatFRow{G, 12.3456L,   5, 2, "12.346"},
  FormatFRow{E, 123456,     4, 2, "1.235E+05"},
  FormatFRow{E, 0,          4, 2, "0.000E+00"},
  FormatFRow{E, -0.0L,      4, 2, "0.000E+00"},
  FormatFRow{E, -0.0005L,   4, 2, "-5.000E-04"},
  FormatFRow{E, 1.5L,      15, 4, "1.50000000000000E+0000"},
  FormatFRow{E, 1e-300L,    4, 2, "1.000E-300"},
  FormatFRow{F, 1.5L,       6, 1, "1.5"},
  FormatFRow{F, 6,          6, 1, "6.0"},
  FormatFRow{F, -0.04L,     6, 1, "0.0"},
  FormatFRow{F, -12.345L,  10, 3, "-12.345"},
  FormatFRow{F, 999999.94L, 6, 1, "999999.9"},
  FormatFRow{F, 1234567.8L, 6, 1, "1.23457E+6"}));  // more digits than the precision
// clang-format on

TEST(FloatToStrF, WritesTheFrontEndsSeparator) {
  EXPECT_EQ(FloatToStrFixed(2.5, 6, 1, QLatin1Char(',')), QStringLiteral("2,5"));
  EXPECT_EQ(FloatToStrExponent(2.5, 4, 2, QLatin1Char(',')), QStringLiteral("2,500E+00"));
}

// One axis of a drawing: pixels rounded halves to even, an axis that runs
// upwards, the pixel bound, and back to world values.
struct AxisRow {
  const char* Name;
  TAxisMap Axis;
  long double Value;
  int Pixel;
};

void PrintTo(const AxisRow& R, std::ostream* Os) { *Os << R.Name; }

class AxisMapTest : public ::testing::TestWithParam<AxisRow> {};

TEST_P(AxisMapTest, MapsToWholePixelsAndBack) {
  const AxisRow& row = GetParam();
  EXPECT_EQ(row.Axis.ToPixel(row.Value), row.Pixel);
  if (std::abs(row.Pixel) < PixelLimit && row.Value == row.Value) {
    const long double back = row.Axis.ToWorld(row.Pixel);
    const long double perPixel = std::abs((row.Axis.To - row.Axis.From) / row.Axis.Length);
    EXPECT_LE(std::abs(back - row.Value), perPixel / 2 + 1e-12L);
  }
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Cases, AxisMapTest, ::testing::Values(
  AxisRow{"Across",          {0, 4, 100, 10},   3,     108},
  AxisRow{"HalfToEvenDown",  {0, 4, 100, 10},   1,     102},  // 2.5 pixels
  AxisRow{"HalfToEvenUp",    {0, 4, 100, 10},   3.4L,  108},  // 8.5 pixels
  AxisRow{"Upwards",         {0, 4, 500, -10},  1,     498},  // -2.5 pixels
  AxisRow{"BeyondTheDevice", {0, 1, 0, 100},    1e30L, PixelLimit},
  AxisRow{"NotANumber",      {0, 1, 7, 100},    std::numeric_limits<long double>::quiet_NaN(), 7}),
  [](const auto& Info) { return std::string(Info.param.Name); });
// clang-format on

struct ReadRow {
  const char* Text;
  bool Ok;
  long double Value;
};

void PrintTo(const ReadRow& R, std::ostream* Os) { *Os << '"' << R.Text << '"'; }

class TextToFloatTest : public ::testing::TestWithParam<ReadRow> {};

TEST_P(TextToFloatTest, ReadsOnlyPlainNumbers) {
  const ReadRow& row = GetParam();
  long double v = -99;
  bool overflow = false;
  EXPECT_EQ(TextToFloat(QLatin1String(row.Text), v, overflow, QLatin1Char('.')), row.Ok) << row.Text;
  if (row.Ok) {
    EXPECT_EQ(v, row.Value) << row.Text;
  }
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Cases, TextToFloatTest, ::testing::Values(
  ReadRow{"2.5",    true, 2.5L},
  ReadRow{"-2.5",   true, -2.5L},
  ReadRow{"+4",     true, 4},
  ReadRow{".5",     true, 0.5L},
  ReadRow{"5.",     true, 5},
  ReadRow{"1e+3",   true, 1000},
  ReadRow{"25E-1",  true, 2.5L},
  ReadRow{"1e-6000", true, 0},
  ReadRow{"",       false, 0},
  ReadRow{"-",      false, 0},
  ReadRow{".",      false, 0},
  ReadRow{"e5",     false, 0},
  ReadRow{"1e",     false, 0},
  ReadRow{" 1",     false, 0},
  ReadRow{"1 ",     false, 0},
  ReadRow{"inf",    false, 0},
  ReadRow{"nan",    false, 0},
  ReadRow{"0x10",   false, 0},
  ReadRow{"1,5",    false, 0}));
// clang-format on

TEST(StringHelpers, CharAtIsZeroOutsideTheText) {
  EXPECT_EQ(CharAt(QStringLiteral("abc"), 0), QChar(0));
  EXPECT_EQ(CharAt(QStringLiteral("abc"), 4), QChar(0));
  EXPECT_EQ(CharAt(QStringLiteral("abc"), 2), QLatin1Char('b'));
}

TEST(StringHelpers, PositionsAreOneBased) {
  EXPECT_EQ(PosFrom(QStringLiteral("c"), QStringLiteral("abcabc"), 4), 3);
  EXPECT_EQ(PosFrom(QStringLiteral("c"), QStringLiteral("abcabc"), 1), 3);
  EXPECT_EQ(PosFrom(QStringLiteral("x"), QStringLiteral("abcabc"), 1), 0);
  EXPECT_EQ(PosOr(QStringLiteral("x"), QStringLiteral("abc"), -7), -7);
  EXPECT_EQ(PosOr(QStringLiteral("b"), QStringLiteral("abc"), -7), 2);
  EXPECT_EQ(PosOrEnd(QStringLiteral("x"), QStringLiteral("abc")), 4);
  EXPECT_EQ(CopyFrom(QStringLiteral("abcdef"), 3), QStringLiteral("cdef"));
}

struct ReplaceRow {
  const char* Text;
  const char* Old;
  const char* New;
  const char* Result;
};

void PrintTo(const ReplaceRow& R, std::ostream* Os) { *Os << R.Text << ' ' << R.Old << ' ' << R.New; }

class ReplaceAllTest : public ::testing::TestWithParam<ReplaceRow> {};

TEST_P(ReplaceAllTest, ReplacesWithoutSearchingInsertedText) {
  const ReplaceRow& r = GetParam();
  EXPECT_EQ(ReplaceAll(QLatin1String(r.Text), QLatin1String(r.Old), QLatin1String(r.New)),
            QLatin1String(r.Result));
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Cases, ReplaceAllTest, ::testing::Values(
  ReplaceRow{"F/F",  "F",  "kN", "kN/kN"},
  ReplaceRow{"FF",   "F",  "kN", "kNkN"},
  ReplaceRow{"F/F",  "F",  "FF", "FF/FF"},
  ReplaceRow{"aaa",  "aa", "b",  "ba"},
  ReplaceRow{"abc",  "",   "x",  "abc"},
  ReplaceRow{"abc",  "x",  "y",  "abc"}));
// clang-format on

TEST(NumberHelpers, WholeNumbersWithin32Bits) {
  EXPECT_FALSE(IsWholeNumber(2147483648.0L));
  EXPECT_TRUE(IsWholeNumber(2147483647.0L));
  EXPECT_TRUE(IsWholeNumber(-2147483648.0L));
  EXPECT_TRUE(IsWholeNumber(-0.0L));
  EXPECT_TRUE(IsWholeNumber(3.0L));
  EXPECT_FALSE(IsWholeNumber(2.5L));
}

TEST(NumberHelpers, RoundToIntTiesToEvenAndRangeErrors) {
  EXPECT_EQ(RoundToInt(2.5L), 2);
  EXPECT_EQ(RoundToInt(3.5L), 4);
  EXPECT_EQ(RoundToInt(-2.5L), -2);
  EXPECT_EQ(RoundToInt(2.6L), 3);
  EXPECT_EQ(RoundToInt(2147483647.4L), 2147483647);
  EXPECT_THROW(RoundToInt(2147483647.6L), ERangeError);
  EXPECT_THROW(RoundToInt(-3e9L), ERangeError);
  EXPECT_EQ(FracPart(-2.75L), -0.75L);
}

TEST(GuardHelpers, RaiseTheGivenClassWithTheMessage) {
  EXPECT_NO_THROW(RaiseIf(false, QStringLiteral("x")));
  try {
    RaiseIfFmt<EAssignError>(true, "Entry must be between %d and %d.", 1, 5);
    ADD_FAILURE();
  } catch (const EAssignError& e) {
    EXPECT_EQ(e.Message(), QStringLiteral("Entry must be between 1 and 5."));
  }
  EXPECT_THROW(RaiseIf(true, QStringLiteral("x")), Exception);
}

// Records the order in which objects are freed.
struct TTracked {
  TTracked(std::vector<int>& Log, int Id) : FLog(Log), FId(Id) {}
  ~TTracked() { FLog.push_back(FId); }
  std::vector<int>& FLog;
  int FId;
};

TEST(ObjectList, OwningListFreesWhatItRemovesLastFirst) {
  std::vector<int> freed;
  {
    TObjectList<TTracked> list;
    for (int i = 0; i < 4; ++i) EXPECT_EQ(list.Add(new TTracked(freed, i)), i);
    list.Delete(1);
    EXPECT_EQ(freed, std::vector<int>({1}));
    TTracked* same = list.Items(0);
    list.SetItem(0, same);  // the same object is kept, not freed
    EXPECT_EQ(freed.size(), 1u);
    list.SetItem(0, new TTracked(freed, 9));
    EXPECT_EQ(freed, std::vector<int>({1, 0}));
    EXPECT_EQ(list.IndexOf(list.Items(2)), 2);
    EXPECT_EQ(list.IndexOf(nullptr), -1);
  }
  EXPECT_EQ(freed, std::vector<int>({1, 0, 3, 2, 9}));
}

TEST(ObjectList, NonOwningListFreesNothing) {
  std::vector<int> freed;
  TTracked a(freed, 1);
  {
    TObjectList<TTracked> list;
    list.OwnsObjects = false;
    list.Add(&a);
    list.Insert(0, &a);
    list.Clear();
  }
  EXPECT_TRUE(freed.empty());
}

TEST(ObjectList, IndexErrorsAreListErrors) {
  TObjectList<TTracked> list;
  EXPECT_THROW(list.Items(0), EListError);
  EXPECT_THROW(list.Delete(-1), EListError);
  EXPECT_THROW(list.Insert(1, nullptr), EListError);
}

}  // namespace
}  // namespace zavik
