// The page settings of the program's printing and the options of its dialog.
#include "controls/PageSettings.h"

#include <gtest/gtest.h>

namespace zavik {
namespace {

struct OptionsRow {
  TPageOptions Old, Written, Result;
};

class PageOptionsTest : public ::testing::TestWithParam<OptionsRow> {};

TEST_P(PageOptionsTest, TheOptionNewlyAddedOfAPairStays) {
  EXPECT_EQ(ResolvePageOptions(GetParam().Old, GetParam().Written), GetParam().Result);
}

constexpr TPageOptions H = poHundredthsOfMillimeters, T = poThousandthsOfInches;
constexpr TPageOptions D = poDefaultMinMargins, M = poMinMargins;

// clang-format off
INSTANTIATE_TEST_SUITE_P(Cases, PageOptionsTest, ::testing::Values(
  OptionsRow{D | H, D | H | T,          D | T},
  OptionsRow{D | T, D | H | T,          D | H},
  OptionsRow{D | H, M | H,              M | H},
  OptionsRow{M | H, D | M | H,          D | H},
  OptionsRow{0,     D | M,              D},        // both new: the first check wins
  OptionsRow{0,     H | T,              H},
  OptionsRow{D | H, D | H | poMargins,  D | H | poMargins}));
// clang-format on

TEST(PageOptions, StartWithDefaultMinimumsInHundredthsOfMillimetres) {
  EXPECT_EQ(kDefaultPageOptions, 129u);
  EXPECT_DOUBLE_EQ(MillimetresPerUnit(kDefaultPageOptions), 0.01);
  EXPECT_DOUBLE_EQ(MillimetresPerUnit(poThousandthsOfInches), 0.0254);
}

TEST(PageSettings, MarginsNeverBelowTheirMinimums) {
  TPageSettings s;
  s.SetMargin(TPageSettings::Left, 2);
  s.SetMinMargin(TPageSettings::Left, 1);
  s.SetMargin(TPageSettings::Left, 0.5);
  EXPECT_EQ(s.Margin(TPageSettings::Left), 1);
  s.SetMargin(TPageSettings::Left, 20);
  s.SetMinMargin(TPageSettings::Left, 30);
  EXPECT_EQ(s.MinMargin(TPageSettings::Left), 20);
  s.SetMargin(TPageSettings::Bottom, 25.4);
  s.Orientation = QPageLayout::Landscape;
  s.Paper = QPageSize(QPageSize::Letter);
  const QPageLayout layout = s.PageLayout();
  EXPECT_EQ(layout.pageSize().id(), QPageSize::Letter);
  EXPECT_EQ(layout.orientation(), QPageLayout::Landscape);
  EXPECT_EQ(layout.margins(QPageLayout::Millimeter), QMarginsF(20, 0, 0, 25.4));
}

TEST(PageSettings, PrintedMarginsAreAtLeastThePrintersBorder) {
  TPageSettings s;
  s.SetMargin(TPageSettings::Left, 25.4);
  s.SetMargin(TPageSettings::Top, 5);
  s.SetMargin(TPageSettings::Bottom, 12.7);
  // A printer that cannot print the outer 10 mm at the top and 20 mm at the bottom.
  const QPageLayout layout = s.PageLayout(QMarginsF(3, 10, 3, 20));
  EXPECT_EQ(layout.margins(QPageLayout::Millimeter), QMarginsF(25.4, 10, 3, 20));
  EXPECT_EQ(layout.minimumMargins(), QMarginsF(3, 10, 3, 20));
  EXPECT_EQ(s.Margin(TPageSettings::Top), 5);  // the user's choice stays as it was
}

TEST(PageSettings, TheProgramPrintsWithMarginsOfAnInchUntilTheUserChoosesOthers) {
  for (auto edge : {TPageSettings::Left, TPageSettings::Top, TPageSettings::Right, TPageSettings::Bottom})
    EXPECT_DOUBLE_EQ(TPageSettings::Program().Margin(edge), MillimetresPerInch);
}

}  // namespace
}  // namespace zavik
