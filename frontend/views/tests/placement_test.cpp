// Where the 3-D view's picture goes on the page: at the top left of the page
// inside its margins, as large as its proportions allow.
#include "views/PagePlacement.h"

#include <gtest/gtest.h>

#include <string>

namespace zavik {
namespace {

struct TPlacementCase {
  const char* Name;
  QRect Area;  // a letter page at 100 dpi, 850 × 1100 pixels, inside margins of an inch
  QSize Picture;
  QRect Want;
};

void PrintTo(const TPlacementCase& Row, std::ostream* Os) { *Os << Row.Name; }

class PlacementTest : public ::testing::TestWithParam<TPlacementCase> {};

const QRect InchInside(100, 100, 650, 900);

// clang-format off
INSTANTIATE_TEST_SUITE_P(Pages, PlacementTest, ::testing::Values(
  //               name               area                  picture       placed
  TPlacementCase{"OneInchAround",     InchInside,           {650, 400},   {100, 100, 650, 400}},
  TPlacementCase{"WideFillsWidth",    InchInside,           {1300, 400},  {100, 100, 650, 200}},
  TPlacementCase{"TallFillsHeight",   InchInside,           {100, 900},   {100, 100, 100, 900}},
  TPlacementCase{"AtTheAreasCorner",  QRect(150, 30, 600, 1040), {600, 1000}, {150, 30, 600, 1000}},
  TPlacementCase{"MarginsFillThePage", QRect(500, 100, 0, 900), {100, 100}, QRect()},
  TPlacementCase{"NoPicture",         InchInside,           {0, 0},       QRect()}),
  [](const auto& Info) { return std::string(Info.param.Name); });
// clang-format on

TEST_P(PlacementTest, KeepsThePicturesProportions) {
  const TPlacementCase& row = GetParam();
  EXPECT_EQ(PicturePlacement(row.Area, row.Picture), row.Want);
}

}  // namespace
}  // namespace zavik
