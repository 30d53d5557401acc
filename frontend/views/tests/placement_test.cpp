// Where the 3-D view's picture goes on the page: inside margins given in
// thousandths of an inch, never inside the printer's unprintable border.
#include "views/PagePlacement.h"

#include <gtest/gtest.h>

#include <string>

namespace zavik {
namespace {

struct TPlacementCase {
  const char* Name;
  QRect Printable;  // on a letter page at 100 dpi: 850 × 1100 pixels
  TPageMargins Margins;
  QSize Picture;
  QRect Want;
};

void PrintTo(const TPlacementCase& Row, std::ostream* Os) { *Os << Row.Name; }

class PlacementTest : public ::testing::TestWithParam<TPlacementCase> {};

const QRect Letter(0, 0, 850, 1100);

// clang-format off
INSTANTIATE_TEST_SUITE_P(Pages, PlacementTest, ::testing::Values(
  //               name               printable                  margins                  picture        placed
  TPlacementCase{"OneInchAround",     Letter,                    {1000, 1000, 1000, 1000}, {650, 400},   {100, 100, 650, 400}},
  TPlacementCase{"WideFillsWidth",    Letter,                    {1000, 1000, 1000, 1000}, {1300, 400},  {100, 100, 650, 200}},
  TPlacementCase{"TallFillsHeight",   Letter,                    {1000, 1000, 1000, 1000}, {100, 900},   {100, 100, 100, 900}},
  TPlacementCase{"BorderWinsOverMargin", QRect(150, 30, 600, 1040), {1000, 200, 1000, 500},  {600, 1000}, {150, 30, 600, 1000}},
  TPlacementCase{"MarginsFillThePage", Letter,                   {5000, 1000, 4000, 1000}, {100, 100},   QRect()},
  TPlacementCase{"NoPicture",         Letter,                    {1000, 1000, 1000, 1000}, {0, 0},       QRect()}),
  [](const auto& Info) { return std::string(Info.param.Name); });
// clang-format on

TEST_P(PlacementTest, KeepsTheMarginsAndThePicturesProportions) {
  const TPlacementCase& row = GetParam();
  EXPECT_EQ(PicturePlacement(Letter, row.Printable, 100, 100, row.Margins, row.Picture), row.Want);
}

}  // namespace
}  // namespace zavik
