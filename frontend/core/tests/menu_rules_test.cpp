// What the main window's menus offer: the Data menu by foundation system,
// the loading items by load type, the Graphics menu by the plot data loaded
// and the project's options, the editor items by the files beside the deck.
#include "core/MenuRules.h"
#include "core/ProgramData.h"
#include "plots/ResultPlots.h"

#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <optional>
#include <string>

namespace zavik {
namespace {

struct DataRow {
  const char* Type;
  bool Shape, Mass, Dimension, Layer, CapShape, CapMass, Coordinates, PileProperties, Elements, SoilLayers,
      Below, Side;
  const char* SideCaption;
  bool Column;
};

void PrintTo(const DataRow& R, std::ostream* Os) { *Os << R.Type; }

class DataMenuTest : public ::testing::TestWithParam<DataRow> {};

TEST_P(DataMenuTest, ItemsOfTheFoundationSystem) {
  const DataRow& r = GetParam();
  const std::optional<TDataMenuState> s = DataMenuState(QString::fromLatin1(r.Type));
  ASSERT_TRUE(s);
  EXPECT_EQ(s->FoundationShape, r.Shape);
  EXPECT_EQ(s->FootingMass, r.Mass);
  EXPECT_EQ(s->FoundationDimension, r.Dimension);
  EXPECT_EQ(s->FoundationLayer, r.Layer);
  EXPECT_EQ(s->PileCapShape, r.CapShape);
  EXPECT_EQ(s->PileCapMass, r.CapMass);
  EXPECT_EQ(s->PileCoordinates, r.Coordinates);
  EXPECT_EQ(s->PileProperties, r.PileProperties);
  EXPECT_EQ(s->PileElements, r.Elements);
  EXPECT_EQ(s->SoilLayerData, r.SoilLayers);
  EXPECT_EQ(s->SoilBelow, r.Below);
  EXPECT_EQ(s->SideSoil, r.Side);
  EXPECT_EQ(s->SideSoilCaption.toStdString(), r.SideCaption);
  EXPECT_EQ(s->SoilColumnLayer, r.Column);
  // The foundation-system window's pile items agree with the menu's.
  EXPECT_EQ(PileItemsEnabled(QString::fromLatin1(r.Type)), r.Coordinates);
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Systems, DataMenuTest, ::testing::Values(
    //       type          shape  mass   dim    layer  cShape cMass  coord  pProp  elem   soilL  below side   side caption               column
    DataRow{"HALF-SPACE", true,  true,  true,  false, false, false, false, false, false, false, true, true,  "Side Soil of Fondation", false},
    DataRow{"PILE",       false, false, false, false, true,  true,  true,  true,  true,  true,  true, true,  "Side Soil of Pile Cap",  false},
    DataRow{"STRATUM",    true,  true,  true,  false, false, false, false, false, false, false, true, false, "Side Soil",              false},
    DataRow{"MULTILAYER", true,  true,  true,  true,  false, false, false, false, false, false, true, true,  "Side Soil of Fondation", true}),
    [](const auto& Info) { return std::string(Info.index == 0 ? "HalfSpace" : Info.param.Type); });
// clang-format on

TEST(DataMenu, AnUnknownSystemChangesNothing) {
  EXPECT_FALSE(DataMenuState(QStringLiteral("PILES")));
  EXPECT_FALSE(DataMenuState(QStringLiteral("pile")));
  EXPECT_FALSE(DataMenuState(QString()));
  EXPECT_FALSE(PileItemsEnabled(QStringLiteral("PILE ")));
}

TEST(DataMenu, SideSoilAndDimensionWindowsByFoundationKind) {
  TProjectTables t;
  EXPECT_EQ(SideSoilTable(t, TFoundationKind::HalfSpace), t.D1);
  EXPECT_EQ(SideSoilTable(t, TFoundationKind::Pile), t.pilecapsoil);
  EXPECT_EQ(SideSoilTable(t, TFoundationKind::Stratum), t.D);
  EXPECT_EQ(SideSoilTable(t, TFoundationKind::Multilayer), t.D);
  EXPECT_EQ(SideSoilTable(t, TFoundationKind(0)), nullptr);
  EXPECT_EQ(DimensionWindow(TFoundationKind::HalfSpace), TDimensionWindow::Foundations);
  EXPECT_EQ(DimensionWindow(TFoundationKind::Pile), TDimensionWindow::None);
  EXPECT_EQ(DimensionWindow(TFoundationKind::Stratum), TDimensionWindow::Foundations);
  EXPECT_EQ(DimensionWindow(TFoundationKind::Multilayer), TDimensionWindow::Multimat);
}

TEST(DataMenu, TheSoilColumnHoldsTheFoundationLayersBelowTheSideSoil) {
  TProjectTables t;
  t.MultiElement->SetRowCount(5);
  t.D->SetRowCount(2);
  t.Multisoil->SetRowCount(1);
  MatchSoilColumnRows(t);
  EXPECT_EQ(t.Multisoil->RowCount(), 3);
  // Side soil as deep as the foundation: no column below it.
  t.D->SetRowCount(6);
  MatchSoilColumnRows(t);
  EXPECT_EQ(t.Multisoil->RowCount(), 0);
  // A foundation of one layer leaves the column as it is.
  t.MultiElement->SetRowCount(1);
  t.Multisoil->SetRowCount(4);
  MatchSoilColumnRows(t);
  EXPECT_EQ(t.Multisoil->RowCount(), 4);
}

struct LoadingRow {
  int LoadType;
  bool Harmonic, Transient, Random;
};

class LoadingMenuTest : public ::testing::TestWithParam<LoadingRow> {};

TEST_P(LoadingMenuTest, OnlyTheDataOfTheLoadType) {
  const LoadingRow& r = GetParam();
  const auto s = LoadingMenuState(TLoadType(r.LoadType));
  ASSERT_TRUE(s);
  EXPECT_EQ(s->HarmonicData, r.Harmonic);
  EXPECT_EQ(s->TransientData, r.Transient);
  EXPECT_EQ(s->RandomData, r.Random);
  EXPECT_EQ(Code(s->Checked), r.LoadType);
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(LoadTypes, LoadingMenuTest, ::testing::Values(
    LoadingRow{1, true,  false, false},
    LoadingRow{2, false, true,  false},
    LoadingRow{3, false, false, true}));
// clang-format on

TEST(LoadingMenu, NoOtherLoadType) {
  EXPECT_FALSE(LoadingMenuState(TLoadType(0)));
  EXPECT_FALSE(LoadingMenuState(TLoadType(4)));
}

TEST(LoadingMenu, TheStoredLoadNameComparedExactly) {
  struct {
    const char* Name;
    int Expected;
  } const rows[] = {{"HARMONIC", 1}, {"TRANSIENT", 2}, {"RANDOM", 3},
                    // As the deck writer puts it, with its trailing blank.
                    {"HARMONIC ", 2}, {"RANDOM ", 2}, {"random", 2}, {"", 2}};
  for (const auto& r : rows) {
    SCOPED_TRACE(r.Name);
    EXPECT_EQ(Code(LoadTypeFromName(QString::fromLatin1(r.Name), TLoadType::Transient)), r.Expected);
  }
}

// A ".kqp" file of two frequency lines, with or without the impedance and
// the response records, as the engine writes it.
QByteArray PlotData(bool Impedances, bool Response) {
  QByteArray text = " 2\n";
  for (const char* omega : {"6.2832", "12.5664"}) {
    if (Impedances) {
      text += QByteArray("  ") + omega + "  1.0E+05  1.1E+05  2.0E+05  3.0E+05  3.1E+05  4.0E+05  -1.0E+04  1.0E+04\n";
      text += QByteArray("  ") + omega + "  5.0E+02  5.1E+02  9.0E+02  7.0E+02  7.1E+02  6.0E+02  -1.0E+01  1.0E+01\n";
    }
  }
  if (Response)
    for (const char* omega : {"6.2832", "12.5664"})
      text += QByteArray("  ") + omega + "  1.5E-05  0  2.0E-05  0  -2.5E-07  0\n";
  return text;
}

struct GraphicsRow {
  const char* Name;
  bool FileImpedances, FileResponse;
  int StiffnessMatrix, LoadType;
  bool Loaded, FileThere;
  bool Impedances, Response;
};

void PrintTo(const GraphicsRow& R, std::ostream* Os) { *Os << R.Name; }

class GraphicsMenuTest : public ::testing::TestWithParam<GraphicsRow> {};

TEST_P(GraphicsMenuTest, PlotsOfferedByTheDataAndTheProject) {
  const GraphicsRow& r = GetParam();
  QTemporaryDir dir;
  ASSERT_TRUE(dir.isValid());
  QFile file(dir.filePath(QStringLiteral("pump.kqp")));
  ASSERT_TRUE(file.open(QIODevice::WriteOnly));
  file.write(PlotData(r.FileImpedances, r.FileResponse));
  file.close();
  TResultPlots plots;
  ASSERT_TRUE(plots.LoadPlotFile(file.fileName(), 2));
  if (!r.FileThere) {
    ASSERT_TRUE(file.remove());
  }

  TProjectTables tables;
  TProgramData project(tables);
  project.FileName = dir.filePath(QStringLiteral("pump.kqd"));
  project.StiffnessMatrix = r.StiffnessMatrix;
  project.LoadType = TLoadType(r.LoadType);
  const TGraphicsMenuState s = GraphicsMenuState(project, r.Loaded, {plots.HasImpedances(), plots.HasResponse()});
  EXPECT_EQ(s.Impedances, r.Impedances);
  EXPECT_EQ(s.Response, r.Response);
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Cases, GraphicsMenuTest, ::testing::Values(
    //          name                     fileK  fileR  matrix load loaded there  K      R
    GraphicsRow{"HarmonicWithMatrix",    true,  true,  1,     1,   true,  true,  true,  true},
    GraphicsRow{"HarmonicWithoutMatrix", false, true,  0,     1,   true,  true,  false, true},
    GraphicsRow{"TransientWithMatrix",   true,  false, 1,     2,   true,  true,  true,  false},
    GraphicsRow{"RandomWithMatrix",      true,  false, 1,     3,   true,  true,  true,  false},
    // The matrix option or the load changed after the run.
    GraphicsRow{"MatrixTurnedOff",       true,  true,  0,     1,   true,  true,  false, true},
    GraphicsRow{"MatrixTurnedOn",        false, true,  1,     1,   true,  true,  false, true},
    GraphicsRow{"LoadTurnedTransient",   true,  true,  1,     2,   true,  true,  true,  false},
    GraphicsRow{"LoadTurnedHarmonic",    true,  false, 1,     1,   true,  true,  true,  false},
    // No plot data of this project.
    GraphicsRow{"NotLoaded",             true,  true,  1,     1,   false, true,  false, false},
    GraphicsRow{"FileGone",              true,  true,  1,     1,   true,  false, false, false}),
    [](const auto& Info) { return std::string(Info.param.Name); });
// clang-format on

TEST(ComputationMenu, EditorItemsFollowTheFilesBesideTheDeck) {
  QTemporaryDir dir;
  ASSERT_TRUE(dir.isValid());
  const QString deck = dir.filePath(QStringLiteral("job.kqd"));
  const auto touch = [&](const char* Name) {
    QFile f(dir.filePath(QLatin1String(Name)));
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
  };
  TComputationMenuState s = ComputationMenuState(deck);
  EXPECT_FALSE(s.Input || s.RunNotes || s.Output);
  touch("job.kqd");
  touch("job.kqo");
  s = ComputationMenuState(deck);
  EXPECT_TRUE(s.Input);
  EXPECT_FALSE(s.RunNotes);
  EXPECT_TRUE(s.Output);
  touch("job.kqr");
  EXPECT_TRUE(ComputationMenuState(deck).RunNotes);
}

}  // namespace
}  // namespace zavik
