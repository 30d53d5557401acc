// The mass file ".kqm" and the geometry file ".kqt" written with every save,
// and what the save changes in the project on the way.
#include "SampleProjects.h"

#include <gtest/gtest.h>

#include <functional>

namespace zavik {
namespace {

using namespace testing;

struct SideCase {
  const char* Name;
  std::function<void(TProgramData&)> Build;
  QStringList Mass;
  QStringList Geometry;
  long double PileLength;    // after the save
  long double CapThickness;  // after the save
};

void PrintTo(const SideCase& C, std::ostream* Os) { *Os << C.Name; }

class SideFilesTest : public ::testing::TestWithParam<SideCase> {};

TEST_P(SideFilesTest, AreWrittenBesideTheDeck) {
  const SideCase& c = GetParam();
  QTemporaryDir dir;
  TProjectTables tables;
  TProgramData p(tables);
  c.Build(p);
  p.FileName = dir.filePath(QStringLiteral("job.v2.kqd"));
  p.SaveToFile();
  EXPECT_EQ(p.MassFileName, dir.filePath(QStringLiteral("job.v2.kqm")));
  EXPECT_EQ(p.GeometryFileName, dir.filePath(QStringLiteral("job.v2.kqt")));
  EXPECT_EQ(FileLines(p.MassFileName), c.Mass);
  EXPECT_EQ(FileLines(p.GeometryFileName), c.Geometry);
  EXPECT_EQ(p.PileLength, c.PileLength);
  EXPECT_NEAR(p.CapThickness, c.CapThickness, 1e-18);
}

void RectangleWithoutSideLayers(TProgramData& p) {
  p.FootingLength = 2;
  p.FootingWidth = 1;
}

void CircleWithTwoSideLayers(TProgramData& p) {
  p.FootingShape = TFootingShape::Circular;
  p.FootingRadius = 1.5L;
  p.Tables().D1->SetRowCount(2);
  SetRow(p.Tables().D1, 0, {0.4L});
  SetRow(p.Tables().D1, 1, {0.6L});
  p.Tables().MassCal->Cells(0, 0)->SetFloat(2.5L);
  p.CGX = -0.125L;
  p.CGY = 1234.5L;
  p.CBGlobalZ = 1e-300L;
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Projects, SideFilesTest, ::testing::Values(
  SideCase{"RectangleWithoutSideLayers", RectangleWithoutSideLayers,
    {"0"},
    {"RECTANGULAR ", " 2 1 0.15", " 0", "SOIL", "HALF-SPACE", " 0", "2", "1 4", "2 0.8"},
    4, 0.15L},
  SideCase{"CircleWithTwoSideLayers", CircleWithTwoSideLayers,
    {"1", "2.5 0 0 0 0 0 0 ",
     "-1.25000000000000E-0001  1.23450000000000E+0003  0.00000000000000E+0000 ",
     " 0.00000000000000E+0000  0.00000000000000E+0000  0.00000000000000E+0000 ",
     " 0.00000000000000E+0000  0.00000000000000E+0000  1.00000000000000E-0300 "},
    {"CIRCULAR ", " 1.5 1.5 1", " 0", "SOIL", "HALF-SPACE", "2", "4", "1 0.4 ", "2 0.6 ",
     "3 4.5", "4 0.9"},
    4.5L, 1},
  SideCase{"BatteredPilesUnderACap", PumpOnTwoPiles,
    {"0"},
    {"RECTANGULAR ", " 3 1.5 0.8", "2", "10 ", "1 -0.75 0 ", "2 0.75 0 ", "ELEMENT", "1",
     "1 10 0.25 0.25 0.19634954 0.0030679616 0.0030679616 0.0061359232",
     "BATTERED", "1 0 5 ", "2 90 5 ", "SOIL", "PILE", "1", "3", "1 0.8 ", "2 10", "3 2"},
    10, 0.8L},
  SideCase{"MultilayerFoundation", TurbineMat,
    {"2", "50 0 0 1 10 10 2 ", "50 0 0 3 10 10 2 ",
     " 0.00000000000000E+0000  0.00000000000000E+0000  2.00000000000000E+0000 ",
     " 0.00000000000000E+0000  0.00000000000000E+0000  0.00000000000000E+0000 ",
     " 0.00000000000000E+0000  0.00000000000000E+0000  0.00000000000000E+0000 "},
    {"CIRCULAR ", " 10 10 2", " 0", "SOIL", "MULTILAYER", "1", "3", "1 2 ", "2 15", "3 3"},
    15, 2}),
  [](const auto& Info) { return std::string(Info.param.Name); });
// clang-format on

// A pile length made up while saving stays in the project and reaches the
// next deck of a pile foundation.
TEST(SideFiles, PileLengthFromTheFootingReachesTheNextDeck) {
  QTemporaryDir dir;
  TProjectTables tables;
  TProgramData p(tables);
  PumpOnTwoPiles(p);
  p.PileLength = 0;
  p.FileName = dir.filePath(QStringLiteral("p.kqd"));
  p.SaveToFile();
  EXPECT_TRUE(FileLines(p.FileName).contains(QStringLiteral("0 0 0.5 0 24 ")));
  EXPECT_EQ(p.PileLength, 6);
  p.SaveToFile();
  EXPECT_TRUE(FileLines(p.FileName).contains(QStringLiteral("0 0 0.5 6 24 ")));
}

}  // namespace
}  // namespace zavik
