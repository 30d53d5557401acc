// The catalogue of units: as built at start-up, its conversions, its rules.
#include "controls/UnitCatalogue.h"

#include <gtest/gtest.h>

#include <cmath>

namespace zavik {
namespace {

const TCategory& Category(const char* Name) {
  const TCategories& c = UnitCatalogue();
  for (int i = 0; i < c.Count(); ++i)
    if (c.Items(i).Name == Name) return c.Items(i);
  throw std::runtime_error(Name);
}

long double Factor(const char* CategoryName, const char* Symbol) {
  const TCategory& c = Category(CategoryName);
  return c.Units(c.IndexOf(Symbol)).Factor;
}

TEST(UnitCatalogue, AsBuiltAtStartUp) {
  const TCategories& c = UnitCatalogue();
  ASSERT_EQ(c.Count(), 6);
  struct Expect {
    const char* Name;
    int Units;
    const char* Base;
    int BaseIndex;
  };
  // clang-format off
  const Expect expected[] = {
    {"Length", 12, "m", 2},   {"Time", 13, "s", 2},    {"Force", 11, "N", 0},
    {"Temperature", 4, "C", 0}, {"Angle", 7, "deg", 4}, {"Computer Bits", 10, "B", 5}};
  // clang-format on
  int units = 0;
  for (int i = 0; i < 6; ++i) {
    SCOPED_TRACE(expected[i].Name);
    const TCategory& k = c.Items(i);
    EXPECT_EQ(k.Name, expected[i].Name);
    EXPECT_EQ(k.Count(), expected[i].Units);
    ASSERT_EQ(k.BaseIndex, expected[i].BaseIndex);
    EXPECT_EQ(k.Units(k.BaseIndex).Symbol, expected[i].Base);
    EXPECT_EQ(k.Units(k.BaseIndex).Factor, 1);
    EXPECT_EQ(k.FromIndex, k.BaseIndex);
    EXPECT_EQ(k.ToIndex, k.BaseIndex);
    units += k.Count();
  }
  EXPECT_EQ(units, 57);  // the two placeholders are gone
  EXPECT_EQ(Category("Time").IndexOf("PH s"), -1);
}

struct ConversionRow {
  const char* Category;
  const char* From;
  const char* To;
  long double Ratio;  // how many To make one From, from an independent definition
  double Tolerance = 1e-9;  // relative
};

void PrintTo(const ConversionRow& R, std::ostream* Os) { *Os << R.From << " in " << R.To; }

class UnitConversionTest : public ::testing::TestWithParam<ConversionRow> {};

TEST_P(UnitConversionTest, FactorsConvertBetweenUnits) {
  const ConversionRow& r = GetParam();
  const long double ratio = Factor(r.Category, r.From) / Factor(r.Category, r.To);
  EXPECT_NEAR(double(ratio / r.Ratio), 1.0, r.Tolerance);
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Cases, UnitConversionTest, ::testing::Values(
  ConversionRow{"Length", "mi", "ft", 5280},
  ConversionRow{"Length", "ft", "in", 12},
  ConversionRow{"Length", "in", "mm", 25.4L},
  ConversionRow{"Length", "f", "ft", 6},
  ConversionRow{"Length", "league", "mi", 3},
  ConversionRow{"Length", "au", "km", 1.4959789e8L},
  ConversionRow{"Time", "day", "hr", 24},
  ConversionRow{"Time", "yr", "day", 365.25L},
  ConversionRow{"Time", "ms", "ns", 1e6L},
  ConversionRow{"Force", "kg", "N", 9.80665L},
  // The catalogue's pound force is 4.4482672594 N; the exact one 4.4482216152605 N.
  ConversionRow{"Force", "lb", "kg", 0.45359237L, 2e-5},
  ConversionRow{"Force", "ton", "lb", 2000},
  ConversionRow{"Force", "lb", "oz", 16},
  ConversionRow{"Angle", "rad", "deg", 180 / 3.14159265358979323846L},
  ConversionRow{"Angle", "deg", "sec", 3600},
  ConversionRow{"Angle", "quad", "gr", 100},
  ConversionRow{"Computer Bits", "KB", "b", 8192},
  ConversionRow{"Computer Bits", "TB", "GB", 1024},
  ConversionRow{"Temperature", "F", "C", 1}));
// clang-format on

TEST(UnitCategory, SetBaseRescalesEveryUnit) {
  std::unique_ptr<TCategories> c = BuildUnitCatalogue();
  TCategory& length = c->Items(0);
  length.SetBase(length.IndexOf("km"));
  EXPECT_EQ(length.Units(length.IndexOf("km")).Factor, 1);
  EXPECT_NEAR(double(length.Units(length.IndexOf("m")).Factor), 0.001, 1e-18);
  EXPECT_NEAR(double(length.Units(length.IndexOf("mm")).Factor), 1e-6, 1e-21);
  length.SetBase(-1);
  EXPECT_EQ(length.BaseIndex, -1);
  EXPECT_EQ(length.Units(length.IndexOf("km")).Factor, 1);  // factors stay as they are
}

TEST(UnitCategory, DeletingMovesTheIndicesAboveDown) {
  TCategory c("Angle");
  for (const char* s : {"a", "b", "c", "d"}) c.AddUnit(s, s, 1);
  EXPECT_EQ(c.BaseIndex, 0);
  c.SetBase(2);
  c.FromIndex = 3;
  c.ToIndex = 1;
  c.DeleteUnit(1);
  EXPECT_EQ(c.BaseIndex, 1);
  EXPECT_EQ(c.FromIndex, 2);
  EXPECT_EQ(c.ToIndex, 1);
  EXPECT_EQ(c.Units(1).Symbol, "c");
  c.DeleteUnit(1);  // the base
  EXPECT_EQ(c.BaseIndex, -1);
  EXPECT_EQ(c.Count(), 2);
}

TEST(UnitCatalogue, NamesAndSymbolsAreUnique) {
  std::unique_ptr<TCategories> c = BuildUnitCatalogue();
  try {
    c->Items(0).AddUnit("m", "meters again", 1);
    ADD_FAILURE();
  } catch (const eNameError& e) {
    EXPECT_STREQ(e.what(), "m already exists. A unit's symbol must be unique.");
  }
  EXPECT_EQ(c->Items(0).Count(), 12);
  try {
    c->AddCategory("Force");
    ADD_FAILURE();
  } catch (const eNameError& e) {
    EXPECT_STREQ(e.what(), "Force already exists.");
  }
  try {
    c->Items(6);
    ADD_FAILURE();
  } catch (const std::out_of_range& e) {
    EXPECT_STREQ(e.what(), "6 Out of Range 0-6");
  }
}

}  // namespace
}  // namespace zavik
