// The numeric entries without a screen: value texts, unit labels, limits and
// the check of an entry.
#include "controls/NumberFormat.h"
#include "controls/NumericEntry.h"

#include <gtest/gtest.h>

namespace zavik {
namespace {

struct FormatRow {
  bool Hex;
  long double Value;
  const char* Text;
};

void PrintTo(const FormatRow& R, std::ostream* Os) { *Os << R.Text; }

class FormatNumberTest : public ::testing::TestWithParam<FormatRow> {};

TEST_P(FormatNumberTest, WritesTheValueOfTheBox) {
  EXPECT_EQ(FormatNumber(GetParam().Hex, GetParam().Value), QLatin1String(GetParam().Text));
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Cases, FormatNumberTest, ::testing::Values(
  FormatRow{false, 1024,         "1024"},
  FormatRow{false, 1.0L / 3,     "0.333333333333333333"},
  FormatRow{false, 0.25L,        "0.25"},
  FormatRow{false, -2.5e-20L,    "-2.5E-20"},
  FormatRow{true,  255,          "$00FF"},
  FormatRow{true,  65535.6L,     "$10000"},
  FormatRow{true,  -1,           "$FFFFFFFFFFFFFFFF"}));
// clang-format on

struct UnitsRow {
  const char* Template;
  int Units;
  const char* Edit;   // the entry box's label unit
  const char* Combo;  // the combo box's
};

void PrintTo(const UnitsRow& R, std::ostream* Os) { *Os << R.Template << ' ' << R.Units; }

class UnitsTextTest : public ::testing::TestWithParam<UnitsRow> {};

TEST_P(UnitsTextTest, NamesTheUnitsOfTheSystem) {
  const UnitsRow& r = GetParam();
  EXPECT_EQ(EditUnitsText(QLatin1String(r.Template), r.Units), QLatin1String(r.Edit));
  EXPECT_EQ(ComboUnitsText(QLatin1String(r.Template), r.Units), QLatin1String(r.Combo));
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Cases, UnitsTextTest, ::testing::Values(
  UnitsRow{"L2/sec",   1, "ft/sec",     "in2/sec"},
  UnitsRow{"L2/sec",   2, "m/sec",      "m2/sec"},
  UnitsRow{"F/L2^3",   1, "lbs/ft^3",   "lbs/in2^3"},
  UnitsRow{"F/L2^3",   2, "kN/m^3",     "kN/m2^3"},
  UnitsRow{"F/L2^3",   3, "F/L2^3",     "F/L2^3"},
  UnitsRow{"F1",       1, "kips",       "lbs1"},
  UnitsRow{"F6-L2^2",  1, "slug-ft^2",  "lbs6-in2^2"},
  UnitsRow{"F6-L2^2",  2, "Mg-m^2",     "kN6-m2^2"},
  UnitsRow{"F4",       1, "lb-sec2/in", "lbs4"},
  UnitsRow{"F/F1",     1, "F/kips",     "lbs/lbs1"},   // one force code per template
  UnitsRow{"sec",      2, "sec",        "sec"}));
// clang-format on

TEST(LabelCaption, CaptionWithTheUnitOrAlone) {
  EXPECT_EQ(LabelCaption(QStringLiteral("Unit weight"), QStringLiteral("F/L2^3"),
                         EditUnitsText(QStringLiteral("F/L2^3"), 2)),
            QStringLiteral("Unit weight (kN/m^3)"));
  EXPECT_EQ(LabelCaption(QStringLiteral("Unit weight"), QString(), QString()),
            QStringLiteral("Unit weight"));
}

TEST(EntryLimits, WrittenLimitsKeepTheirOrderAndTheIntegerRange) {
  TEntryLimits limits;
  limits.MinVal = 5;
  EXPECT_EQ(limits.PulledMaxVal(2), 5);
  limits.MaxVal = 10;
  EXPECT_EQ(limits.PulledMinVal(12), 10);
  EXPECT_EQ(limits.Clamp(11), 10);
  EXPECT_EQ(limits.Clamp(-3), 5);
  TEntryLimits whole;
  whole.IntegerOnly = true;
  EXPECT_EQ(whole.PulledMaxVal(kNoLimit), 2147483647.0L);
  EXPECT_EQ(whole.PulledMinVal(-kNoLimit), -2147483648.0L);
  EXPECT_EQ(TEntryLimits().Clamp(-1e4000L), -1e4000L);  // no practical limit by default
}

struct CheckRow {
  const char* Text;
  bool IntegerOnly;
  long double Min, Max;
  TEntryCheck::TResult Result;
  long double Value;
  const char* Message;
};

void PrintTo(const CheckRow& R, std::ostream* Os) {
  *Os << '"' << R.Text << '"' << (R.IntegerOnly ? " whole" : "");
}

class CheckEntryTest : public ::testing::TestWithParam<CheckRow> {};

TEST_P(CheckEntryTest, AcceptsOrSaysWhy) {
  const CheckRow& r = GetParam();
  TEntryLimits limits{r.Min, r.Max, r.IntegerOnly};
  const TEntryCheck check = CheckEntry(QLatin1String(r.Text), limits, [](long double v) {
    return FloatToStrGeneral(v, 18, QLatin1Char('.'));
  });
  EXPECT_EQ(check.Result, r.Result);
  EXPECT_EQ(check.Message, QLatin1String(r.Message));
  if (r.Result == TEntryCheck::Accepted) {
    EXPECT_EQ(check.Value, r.Value);
  }
}

constexpr long double N = kNoLimit;
using C = TEntryCheck;

// clang-format off
INSTANTIATE_TEST_SUITE_P(Cases, CheckEntryTest, ::testing::Values(
  CheckRow{"2^10",   false, -N,  N,   C::Accepted, 1024, ""},
  CheckRow{"0.5",    false,  0,  0.5, C::Accepted, 0.5,  ""},
  CheckRow{"0.7",    false,  0,  0.5, C::AboveMax, 0,    "Entry must be less than or equal to 0.5"},
  CheckRow{"-1",     false,  0,  N,   C::BelowMin, 0,    "Entry must be greater than or equal to 0"},
  CheckRow{"abc",    true,  -N,  N,   C::Refused,  0,    "Entry must be a valid integer."},
  CheckRow{"abc",    false, -N,  N,   C::Refused,  0,    "Entry could not be evaluated:\rinvalid character(s) in expression"},
  CheckRow{"2.5",    true,  -N,  N,   C::Refused,  0,    "Entry must be an integer."},
  CheckRow{"7/2*2",  true,  -N,  N,   C::Accepted, 7,    ""},
  CheckRow{"1/0",    false, -N,  N,   C::Refused,  0,    "Floating point division by zero"},
  CheckRow{"ln 0",   true,  -N,  N,   C::Refused,  0,    "Floating point division by zero"},
  CheckRow{"1e5000", false, -N,  N,   C::Refused,  0,    "Floating point overflow"},
  CheckRow{"1e400",  false, -N,  N,   C::Refused,  0,    "Entry could not be evaluated:\rvalue beyond the range of the analysis (0, or a magnitude between about 1.2E-38 and 3.4E38)"},
  CheckRow{"1e-400", false, -N,  N,   C::Refused,  0,    "Entry could not be evaluated:\rvalue beyond the range of the analysis (0, or a magnitude between about 1.2E-38 and 3.4E38)"},
  CheckRow{"1e400",  true,  -N,  N,   C::Refused,  0,    "Entry must be a valid integer."},
  CheckRow{"3e38",   false, -N,  N,   C::Accepted, 3e38L, ""},
  CheckRow{"",       false, -N,  N,   C::Refused,  0,    "Entry could not be evaluated:\rentry cannot be blank"}));
// clang-format on

}  // namespace
}  // namespace zavik
