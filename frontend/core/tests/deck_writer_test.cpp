// The deck as written: hand-worked decks line by line, round trips of every
// foundation system and load type, long numbers within 80 columns, and saves
// that fail.
#include "SampleProjects.h"

#include "controls/NumberFormat.h"

#include <QDir>

#include <gtest/gtest.h>

#include <functional>
#include <vector>

#include <signal.h>
#include <sys/resource.h>

namespace zavik {
namespace {

using namespace testing;

class DeckTest : public ::testing::Test {
protected:
  void SetUp() override { ASSERT_TRUE(Dir.isValid()); }
  QString Path(const char* Name) const { return Dir.filePath(QLatin1String(Name)); }

  QTemporaryDir Dir;
  TProjectTables Tables;
};

// -- Hand-worked decks --------------------------------------------------------

struct HandDeck {
  const char* Name;
  std::function<void(TProgramData&)> Build;
  QStringList Lines;
};

void PrintTo(const HandDeck& D, std::ostream* Os) { *Os << D.Name; }

class HandDeckTest : public DeckTest, public ::testing::WithParamInterface<HandDeck> {};

TEST_P(HandDeckTest, WritesTheDeckLineByLine) {
  TProgramData p(Tables);
  GetParam().Build(p);
  p.FileName = Path("hand.kqd");
  Tables.SetModified(true);
  p.SaveToFile();
  EXPECT_FALSE(Tables.Modified());
  EXPECT_EQ(FileLines(p.FileName), GetParam().Lines);
  EXPECT_EQ(FileBytes(p.FileName), Lines(GetParam().Lines));  // every line ended by CR LF
}

void NewProject(TProgramData&) {}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Decks, HandDeckTest, ::testing::Values(
  HandDeck{"NewSiHalfSpace", NewProject, {
    "TITLE=New Pile", "MATRIX", "GRAVITY=9.8", "FOUNDATION=HALF-SPACE", "RECTANGULAR=0,0",
    "MASS ", "0 0 0 0 0 0 0", "CONSTANTS ", "0 0 0 ", "SOIL ", "WEAK ", "CONSTANTS=1",
    "1 0 0 0 0 0 0 0 0 0.1", "BELOW=0 0 0 0", "LOAD ", "HARMONIC ", "CONSTANTS ",
    "NONQUADRATIC ", "0 0 0 ", "0 0 0 ", "0 0 0 ", "0 0 0 0 ", "RUN ",
    "0", "0 0 0 ", "0 0 0 ", "0 0 0 "}},
  HandDeck{"PumpOnTwoPiles", PumpOnTwoPiles, {
    "TITLE=Pump on two piles", "GRAVITY=9.8", "FOUNDATION=PILE", "RECTANGULAR=3,1.5",
    "MASS ", "12.5 3 4 5.25 0 0 0", "LAYERS=1", "FIXED=2", "1 -0.75 0 ", "2 0.75 0 ",
    "CONSTANTS ", "0 0 0.5 10 24 ", "150 0.25 0.02 0.9 30000000",
    "ELEMENT", "1 10 0.25 0.25 0.19634954 0.0030679616 0.0030679616 0.0061359232",
    "FLOATING", "BATTERED", "1 XZ  ", "5 ", "2 YZ  ", "5 ", "INTERACTION ",
    "SOIL ", "WEAK", "CONSTANTS", "1 150 17.5 0.4 0.05 0.999999 0.4 0.1 1",
    "BELOW=300 19 0.3 0.05",
    "SIDE-CAP", "EMBEDDED", "1 ", "1 0.8 120 16.5 0.3 0.05 0.25 0.3 0.1 0.1",
    "LOAD ", "HARMONIC ", "CONSTANTS ", "NONQUADRATIC ", "12.56 6.28 3.14 ", "0 0 10 ",
    "0 0 0 ", "0 0 0 0 ", "RUN ", "0", "0 0 0.5 ", "0 0 0 ", "1 2 3 "}},
  HandDeck{"TurbineMat", TurbineMat, {
    "TITLE=Turbine mat", "MATRIX", "GRAVITY=32.2", "FOUNDATION=MULTILAYER", "CIRCULAR=10",
    "MASS ", "100 2000 2000 4000 0 0 0", "LAYER=3", "CONSTANTS ", "0 0 2 15 150 ",
    "1000 0.2 0.02 0.85 4.32E8", "ELEMENT",
    "1 2 10 10 314.15927 7853.9816 7853.9816 0.9",
    "2 4 10 10 314.15927 7853.9816 7853.9816 0.9",
    "3 6 10 10 314.15927 7853.9816 7853.9816 0.9",
    "SOIL ", "WEAK ", "CONSTANTS=1", "1 500 110 0.35 0.05 0.999995 0.35 0.1 0",
    "2 600 115 0.33 0.04 1 0.5", "3 700 120 0.33 0.04 1 0.5", "BELOW=800 125 0.3 0.03",
    "LOAD ", "RANDOM ", "CONSTANTS ", "40 ", "2 ", "3 ", "15 ", "1 ", "3 3", "1 ", "2 ", "3 ",
    "RUN ", "2", "50 0 0 1 10 10 2 ", "50 0 0 3 10 10 2 ", "0 0 2 ", "0 0 0 ", "0 0 0 "}},
  HandDeck{"PressOnStratum", PressOnStratum, {
    "TITLE=Press on stratum", "GRAVITY=9.8", "FOUNDATION=STRATUM", "RECTANGULAR=2,1",
    "MASS ", "2 0.5 0.5 0.75 0 0 0", "CONSTANTS ", "0 0 0.3 0.5 6 ", "SOIL ", "CONSTANTS ",
    "200 18 0.35 0.05", "LOAD ", "TRANSIENT ", "CONSTANTS ", "4 ", "0.005 ", "1 ", "3 ",
    "0 ", "5 ", "10 ", "5 ", "RUN ", "0", "0 0 0 ", "0 0 0 ", "0 0 0 "}}),
  [](const auto& Info) { return std::string(Info.param.Name); });
// clang-format on

TEST_F(DeckTest, ProjectTextsAreWrittenWithAPointWhateverTheSeparator) {
  TProgramData p(Tables);
  PumpOnTwoPiles(p);
  p.FileName = Path("comma.kqd");
  DecimalSeparator = QLatin1Char(',');
  p.SaveToFile();
  EXPECT_EQ(DecimalSeparator, QLatin1Char(','));
  DecimalSeparator = QLatin1Char('.');
  EXPECT_EQ(FileLines(p.FileName)[14],
            QStringLiteral("1 10 0.25 0.25 0.19634954 0.0030679616 0.0030679616 0.0061359232"));
  EXPECT_EQ(FileBytes(p.FileName).count(','), 1);  // the one between the footing's sides
  EXPECT_EQ(FileBytes(p.FileName).count("RECTANGULAR=3,1.5"), 1);
}

// A deck read back is the deck written: the batter block, once written,
// stays with the project, reloaded too, and keeps the planes of piles
// whose angles were set back to 0.
TEST_F(DeckTest, BatterOnceWrittenStaysWithTheProjectReloadedToo) {
  TProgramData p(Tables);
  PumpOnTwoPiles(p);
  p.FileName = Path("batter.kqd");
  p.SaveToFile();
  for (int r = 0; r < 2; ++r) Tables.Pilecoord->Cells(2, r)->SetFloat(0);
  p.SaveToFile();
  const QByteArray written = FileBytes(p.FileName);
  EXPECT_TRUE(FileLines(p.FileName).contains(QStringLiteral("BATTERED")));
  QString message;
  auto reloaded = TProgramData::CreateFromFile(Tables, p.FileName, message);
  EXPECT_TRUE(message.isEmpty()) << message.toStdString();
  EXPECT_TRUE(reloaded->Battered);
  EXPECT_EQ(Tables.Pilecoord->Cells(3, 1)->AsInteger(), 2);
  reloaded->SaveToFile();
  EXPECT_EQ(FileBytes(p.FileName), written);
}

// -- Round trips --------------------------------------------------------------

class RoundTripTest : public DeckTest, public ::testing::WithParamInterface<TProjectCase> {};

TEST_P(RoundTripTest, SavedReadAndSavedAgainGivesTheSameFiles) {
  const auto [system, load, units] = GetParam();
  auto first = std::make_unique<TProgramData>(Tables);
  FillProject(*first, system, load, units);
  first->FileName = Path("first.kqd");
  first->SaveToFile();
  first.reset();

  QString message;
  auto second = TProgramData::CreateFromFile(Tables, Path("first.kqd"), message);
  EXPECT_TRUE(message.isEmpty()) << message.toStdString();
  EXPECT_FALSE(Tables.Modified());
  EXPECT_EQ(Code(second->Units), units);
  second->FileName = Path("second.kqd");
  second->SaveToFile();

  for (const char* ext : {".kqd", ".kqm", ".kqt"}) {
    SCOPED_TRACE(ext);
    // A stratum's side layers are not part of its deck (the engine takes
    // none), so a reloaded stratum draws its geometry without them.
    if (system == TSystem::Stratum && QLatin1String(ext) == QLatin1String(".kqt")) continue;
    const QByteArray a = FileBytes(Path("first") + QLatin1String(ext));
    ASSERT_FALSE(a.isEmpty());
    EXPECT_EQ(a, FileBytes(Path("second") + QLatin1String(ext)));
  }
  const QStringList lines = FileLines(Path("first.kqd"));
  for (int i = 1; i < lines.size(); ++i) EXPECT_LE(lines[i].size(), 80) << lines[i].toStdString();
}

INSTANTIATE_TEST_SUITE_P(Projects, RoundTripTest, EveryProject(), CaseName);

// -- Saves that are refused ---------------------------------------------------

struct RefusalCase {
  const char* Name;
  TSystem System;
  TLoad Load;
  std::function<void(TProgramData&, TProjectTables&)> Change;
  const char* Message;
};

void PrintTo(const RefusalCase& C, std::ostream* Os) { *Os << C.Name; }

class RefusalTest : public DeckTest, public ::testing::WithParamInterface<RefusalCase> {};

// A project whose deck would not read back as the same project is not saved:
// the message names the tables as the windows do, and nothing is written, the
// files of the save before stay as they were and the project stays modified.
TEST_P(RefusalTest, NamesWhatToMendAndWritesNothing) {
  const RefusalCase& c = GetParam();
  TProgramData p(Tables);
  FillProject(p, c.System, c.Load, 2);
  p.FileName = Path("job.kqd");
  p.SaveToFile();
  std::vector<QByteArray> before;
  for (const char* name : {"job.kqd", "job.kqm", "job.kqt"}) before.push_back(FileBytes(Path(name)));
  c.Change(p, Tables);
  Tables.SetModified(true);
  const QString message = QString::fromUtf8(c.Message);
  EXPECT_EQ(p.SaveRefusal(), message);
  for (const char* name : {"job.kqd", "other.kqd"}) {
    p.FileName = Path(name);
    try {
      p.SaveToFile();
      ADD_FAILURE() << "saved as " << name;
    } catch (const ESaveRefused& e) {
      EXPECT_EQ(e.Message(), message);
    }
  }
  EXPECT_TRUE(Tables.Modified());
  int i = 0;
  for (const char* name : {"job.kqd", "job.kqm", "job.kqt"}) EXPECT_EQ(FileBytes(Path(name)), before[i++]) << name;
  EXPECT_EQ(QDir(Dir.path()).entryList(QDir::Files).size(), 3);
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Projects, RefusalTest, ::testing::Values(
  RefusalCase{"PileSoilLayerAdded", TSystem::Pile, TLoad::Harmonic,
    [](TProgramData&, TProjectTables& t) { t.D->AddRowGroup(); },
    "This pile project cannot be saved: Soil Layer Data (the table \"Soil Properties\") has 4 rows and Pile "
    "Elements (the table \"Pile Data\") has 3 rows. Each pile element lies in one soil layer, so the two need "
    "the same number of rows: add or delete rows under Data > Soil Layer Data or Data > Pile Elements, then "
    "save again."},
  RefusalCase{"PileElementInserted", TSystem::PileBattered, TLoad::Random,
    [](TProgramData&, TProjectTables& t) { t.PileData->InsertRowGroup(0); },
    "This pile project cannot be saved: Soil Layer Data (the table \"Soil Properties\") has 3 rows and Pile "
    "Elements (the table \"Pile Data\") has 4 rows. Each pile element lies in one soil layer, so the two need "
    "the same number of rows: add or delete rows under Data > Soil Layer Data or Data > Pile Elements, then "
    "save again."},
  RefusalCase{"PileSoilLayersDeletedToOne", TSystem::PileEmbedded, TLoad::Transient,
    [](TProgramData&, TProjectTables& t) { t.D->DeleteRowGroup(2); t.D->DeleteRowGroup(0); },
    "This pile project cannot be saved: Soil Layer Data (the table \"Soil Properties\") has 1 row and Pile "
    "Elements (the table \"Pile Data\") has 3 rows. Each pile element lies in one soil layer, so the two need "
    "the same number of rows: add or delete rows under Data > Soil Layer Data or Data > Pile Elements, then "
    "save again."},
  RefusalCase{"SoilColumnRowAdded", TSystem::Multilayer, TLoad::Harmonic,
    [](TProgramData&, TProjectTables& t) { t.Multisoil->AddRowGroup(); },
    "This multilayer project cannot be saved: Soil Column Layer holds the soil beside each foundation layer "
    "below the side soil. Foundation Layer (the table \"Multi-Layer Foundation\") has 5 rows and Side Soil of "
    "Fondation (the table \"Soil Properties\") has 2 rows, so Soil Column Layer needs 3 rows; it has 4 rows. "
    "Add or delete rows under Data > Soil Column Layer, or in the other two, then save again."},
  RefusalCase{"FoundationLayerAdded", TSystem::Multilayer, TLoad::Quadratic,
    [](TProgramData&, TProjectTables& t) { t.MultiElement->AddRowGroup(); },
    "This multilayer project cannot be saved: Soil Column Layer holds the soil beside each foundation layer "
    "below the side soil. Foundation Layer (the table \"Multi-Layer Foundation\") has 6 rows and Side Soil of "
    "Fondation (the table \"Soil Properties\") has 2 rows, so Soil Column Layer needs 4 rows; it has 3 rows. "
    "Add or delete rows under Data > Soil Column Layer, or in the other two, then save again."},
  RefusalCase{"SideLayerInserted", TSystem::Multilayer, TLoad::Random,
    [](TProgramData&, TProjectTables& t) { t.D->InsertRowGroup(1); },
    "This multilayer project cannot be saved: Soil Column Layer holds the soil beside each foundation layer "
    "below the side soil. Foundation Layer (the table \"Multi-Layer Foundation\") has 5 rows and Side Soil of "
    "Fondation (the table \"Soil Properties\") has 3 rows, so Soil Column Layer needs 2 rows; it has 3 rows. "
    "Add or delete rows under Data > Soil Column Layer, or in the other two, then save again."},
  RefusalCase{"SoilColumnWithoutLayersBelowTheSide", TSystem::Multilayer, TLoad::Harmonic,
    [](TProgramData&, TProjectTables& t) { t.MultiElement->SetRowCount(2); t.Multisoil->SetRowCount(1); },
    "This multilayer project cannot be saved: Soil Column Layer holds the soil beside each foundation layer "
    "below the side soil. Foundation Layer (the table \"Multi-Layer Foundation\") has 2 rows and Side Soil of "
    "Fondation (the table \"Soil Properties\") has 2 rows, so Soil Column Layer needs no rows, and the values "
    "in its row would be lost: set them to 0, or add foundation layers under Data > Foundation Layer, then "
    "save again."},
  RefusalCase{"AmplitudeDeleted", TSystem::HalfSpace, TLoad::Transient,
    [](TProgramData&, TProjectTables& t) { t.TLoadtype->Cells(1, 1)->AsTable()->DeleteRowGroup(3); },
    "This transient load cannot be saved: the Number of points is 8, but load 2 of the Transient Loading Data "
    "has 7 load amplitudes. Each load needs one amplitude per point: add or delete rows in its table (the "
    "button \"2: Load Amplitude\"), or change the Number of points, then save again."},
  RefusalCase{"NumberOfPointsRaised", TSystem::Stratum, TLoad::Transient,
    [](TProgramData& p, TProjectTables&) { p.NumberOfPoints = 9; },
    "This transient load cannot be saved: the Number of points is 9, but load 1 of the Transient Loading Data "
    "has 8 load amplitudes. Each load needs one amplitude per point: add or delete rows in its table (the "
    "button \"1: Load Amplitude\"), or change the Number of points, then save again."},
  RefusalCase{"SpectrumValueAdded", TSystem::PileEmbedded, TLoad::Random,
    [](TProgramData&, TProjectTables& t) { t.Trandom->Cells(1, 0)->AsTable()->AddRowGroup(); },
    "This random load cannot be saved: the Number of points to be read is 6, but spectrum 1 of the Random "
    "Loading data has 7 values. Each spectrum needs one value per point: add or delete rows in its table (the "
    "button \"1: Random Spectrum Data\"), or change the Number of points to be read, then save again."},
  RefusalCase{"TitleWithADashAndAnEuro", TSystem::HalfSpacePlain, TLoad::Harmonic,
    [](TProgramData& p, TProjectTables&) { p.Title = QStringLiteral(u"Fan 3 – 5 kW, 500 € each, 2 – 3 Hz"); },
    "The title holds characters that the project file cannot hold: \"–\", \"€\". Change them under "
    "Data > Title, then save again."},
  RefusalCase{"TitleOnTwoLines", TSystem::HalfSpacePlain, TLoad::Harmonic,
    [](TProgramData& p, TProjectTables&) { p.Title = QStringLiteral("Fan\r\nfoundation"); },
    "The title holds characters that the project file cannot hold: a line break. Change them under "
    "Data > Title, then save again."}),
  [](const auto& Info) { return std::string(Info.param.Name); });
// clang-format on

TEST_F(DeckTest, TitleCharactersOfEightBitTextAreSavedAndReadBack) {
  TProgramData p(Tables);
  FillProject(p, TSystem::HalfSpace, TLoad::Harmonic, 2);
  p.Title = QStringLiteral(u"Pompe à vide, 50 µm, ±2° ½ Grüße");
  EXPECT_TRUE(p.SaveRefusal().isEmpty());
  p.FileName = Path("latin.kqd");
  p.SaveToFile();
  QString message;
  auto again = TProgramData::CreateFromFile(Tables, p.FileName, message);
  EXPECT_TRUE(message.isEmpty()) << message.toStdString();
  EXPECT_EQ(again->Title, p.Title);
}

// -- Writer and reader agree ----------------------------------------------------

struct AgreeCase {
  const char* Name;
  TSystem System;
  TLoad Load;
  std::function<void(TProgramData&, TProjectTables&)> Change;
  const char* Line;  // a line the deck holds
};

void PrintTo(const AgreeCase& C, std::ostream* Os) { *Os << C.Name; }

class AgreeTest : public DeckTest, public ::testing::WithParamInterface<AgreeCase> {};

// Projects whose cells the deck once dropped or wrote in another place: saved,
// they read back to the same cells and save again to the same bytes.
TEST_P(AgreeTest, ReadsBackToTheSameCells) {
  const AgreeCase& c = GetParam();
  auto p = std::make_unique<TProgramData>(Tables);
  FillProject(*p, c.System, c.Load, 2);
  p->FileName = Path("first.kqd");
  p->SaveToFile();
  c.Change(*p, Tables);
  p->SaveToFile();
  const QStringList cells = CarriedCells(*p);
  const QByteArray first = FileBytes(Path("first.kqd"));
  EXPECT_TRUE(FileLines(Path("first.kqd")).contains(QLatin1String(c.Line))) << first.toStdString();
  p.reset();
  QString message;
  auto again = TProgramData::CreateFromFile(Tables, Path("first.kqd"), message);
  EXPECT_TRUE(message.isEmpty()) << message.toStdString();
  EXPECT_EQ(CarriedCells(*again), cells);
  again->FileName = Path("second.kqd");
  again->SaveToFile();
  EXPECT_EQ(FileBytes(Path("second.kqd")), first);
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Projects, AgreeTest, ::testing::Values(
  AgreeCase{"SideSoilWithItsLastLayerStillEmpty", TSystem::PileEmbedded, TLoad::Harmonic,
    [](TProgramData&, TProjectTables& t) { t.pilecapsoil->AddRowGroup(); }, "3 0 0 0 0 0"},
  AgreeCase{"SideSoilWithAThicknessOnly", TSystem::Pile, TLoad::Harmonic,
    [](TProgramData&, TProjectTables& t) { t.pilecapsoil->Cells(0, 0)->SetFloat(0.5L); }, "1 0.5 0 0 0 0"},
  AgreeCase{"MassesAfterAFirstRowWithoutMass", TSystem::Stratum, TLoad::Harmonic,
    [](TProgramData&, TProjectTables& t) { t.MassCal->Cells(0, 0)->SetFloat(0); }, "0 0 0 0.5 4 3 1 "},
  AgreeCase{"ATinyBatterAngle", TSystem::Pile, TLoad::Random,
    [](TProgramData&, TProjectTables& t) { t.Pilecoord->Cells(2, 3)->SetFloat(5e-8L); }, "5E-8 "},
  AgreeCase{"APlaneWithoutAnAngle", TSystem::Pile, TLoad::Harmonic,
    [](TProgramData&, TProjectTables& t) { t.Pilecoord->Cells(3, 1)->SetInteger(2); }, "2 YZ  "},
  AgreeCase{"ATinyWeakZoneRatio", TSystem::HalfSpacePlain, TLoad::Transient,
    [](TProgramData&, TProjectTables& t) { t.D1->Cells(5, 0)->SetFloat(5e-8L); },
    "1 0.6 160 17 0.32 0.045 5E-8 0.32 0.09 0.1"},
  AgreeCase{"ATinySideCapRatio", TSystem::PileEmbedded, TLoad::Quadratic,
    [](TProgramData&, TProjectTables& t) { t.pilecapsoil->Cells(5, 1)->SetFloat(5e-8L); }, "SIDE-CAP"},
  AgreeCase{"SideCapRatiosSetBackToZero", TSystem::PileBattered, TLoad::Harmonic,
    [](TProgramData&, TProjectTables& t) { for (int r = 0; r < 2; ++r) t.pilecapsoil->Cells(5, r)->SetFloat(0); },
    "SIDE-CAP"},
  AgreeCase{"TransientLoadWithoutPoints", TSystem::HalfSpace, TLoad::Transient,
    [](TProgramData& p, TProjectTables& t) {
      p.NumberOfPoints = 0;
      for (int r = 0; r < 2; ++r) {
        TGridTable* amplitudes = t.TLoadtype->Cells(1, r)->AsTable();
        amplitudes->SetRowCount(0);
        amplitudes->SetRowCount(1);
      }
    }, "0 "}),
  [](const auto& Info) { return std::string(Info.param.Name); });
// clang-format on

// -- Long numbers -------------------------------------------------------------

// Numbers of eight digits with exponents of every size, so that rows of seven
// to ten of them pass column 80 by far.
long double Long(int I) {
  static const long double values[] = {-1.2345678e-300L, 9.8765432e307L,  -1.1111111e-4000L,
                                       1.2345678e15L,    -2.3456789e-15L, 3.4567891e20L,
                                       -4.5678912e-20L,  12345678,        -0.00012345678L,
                                       7.6543219e4000L};
  return values[I % 10];
}

TEST_F(DeckTest, LongNumbersStayWithinEightyColumnsAndNoneIsLost) {
  for (TSystem system : {TSystem::PileBattered, TSystem::HalfSpace, TSystem::Multilayer}) {
    SCOPED_TRACE(Name(system));
    auto p = std::make_unique<TProgramData>(Tables);
    FillProject(*p, system, TLoad::Harmonic, 2);
    int k = 0;
    for (long double* v : {&p->TotalMass, &p->InertiaX, &p->InertiaY, &p->InertiaZ, &p->ProductXY,
                           &p->ProductXZ, &p->ProductYZ, &p->Xc, &p->Yc, &p->Zc, &p->PileLength,
                           &p->PileUnitWeight, &p->StaticLoad, &p->PilePoisson, &p->PileDamping,
                           &p->ShearCoefficient, &p->PileModulus, &p->LoadPointX, &p->LoadPointY,
                           &p->LoadPointZ, &p->CBLocalX, &p->CBLocalY, &p->CBLocalZ, &p->CGX})
      *v = Long(k++);
    for (TGridTable* t : {Tables.PileData, Tables.MultiElement, Tables.D, Tables.D1,
                          Tables.pilecapsoil, Tables.Multisoil, Tables.MassCal})
      for (int r = 0; r < t->RowCount(); ++r)
        for (int c = 0; c < t->ColumnCount(); ++c) t->Cells(c, r)->SetFloat(Long(k++));
    Tables.MassCal->Cells(0, 0)->SetFloat(1.2345678e15L);  // keeps the mass rows
    p->FileName = Path("long.kqd");
    p->SaveToFile();
    p.reset();

    // The engine sees the first 80 columns of each line: cut there, the deck
    // must read back to the very same project.
    QStringList lines = FileLines(Path("long.kqd"));
    for (int i = 1; i < lines.size(); ++i) {
      EXPECT_LE(lines[i].size(), 80) << lines[i].toStdString();
      lines[i] = lines[i].left(80);
    }
    ASSERT_TRUE(PutFile(Path("cut.kqd"), Lines(lines)));
    QString message;
    auto cut = TProgramData::CreateFromFile(Tables, Path("cut.kqd"), message);
    EXPECT_TRUE(message.isEmpty()) << message.toStdString();
    EXPECT_EQ(cut->TotalMass, -1.2345678e-300L);
    EXPECT_EQ(cut->InertiaX, 9.8765432e307L);
    cut->SaveToFile();
    EXPECT_EQ(FileBytes(Path("cut.kqd")), FileBytes(Path("long.kqd")));
  }
}

TEST_F(DeckTest, DesignLayoutWithLongLinesReadsBack) {
  // One line per record, whatever its length, as older decks have them.
  const QString mass =
      QStringLiteral("-1.2345678E-300 9.8765432E307 -1.1111111E-4000 1.2345678E15 -2.3456789E-15 "
                     "3.4567891E20 -4.5678912E-20");
  const QString element = QStringLiteral(
      "1 1.2345678E-10 -2.3456789E11 3.4567891E-12 4.5678912E13 -5.6789123E-14 6.7891234E15 "
      "-7.8912345E-16");
  const QStringList deck = {
      "TITLE=Long lines", "GRAVITY=9.8", "FOUNDATION=PILE", "CIRCULAR=1.2345678", "MASS ", mass,
      "LAYERS=1", "FIXED=1", "1 -1.2345678E-100 2.3456789E100 ", "CONSTANTS ",
      "1.1111111E-11 2.2222222E-22 3.3333333E-33 4.4444444E-44 5.5555555E-55 ",
      "6.6666666E-66 7.7777777E-77 8.8888888E-88 9.9999999E-99 1.2121212E-111", "ELEMENT",
      element, "END-BEARING", "SOIL ", "WEAK", "CONSTANTS",
      "1 1.2345678E-10 -2.3456789E11 3.4567891E-12 4.5678912E13 -5.6789123E-14 3.4567891E-12 "
      "9.1357824E13 1",
      "BELOW=1 2 3 4", "SIDE-CAP", "EMBEDDED", "1 ",
      "1 1.2345678E-10 -2.3456789E11 3.4567891E-12 4.5678912E13 -5.6789123E-14 6.7891234E15 "
      "4.5678912E13 -1.1357825E-13 0",
      "LOAD ", "HARMONIC ", "CONSTANTS ", "QUADRATIC ", "6.28 3.14 1.57 ", "1 2 3 ", "4 5 6 ",
      "1.2345678E-100 -2.3456789E100 3.4567891E-200 1 4.5678912E-300 5.6789123E300 6.7891234E-4000 ",
      "RUN ", "1", mass + QLatin1Char(' '), "7 8 9 ", "4.5678912E-300 5.6789123E300 6.7891234E-4000 ",
      "13 14 15 "};
  ASSERT_TRUE(PutFile(Path("one-line-layout.kqd"), Lines(deck)));
  QString message;
  auto p = TProgramData::CreateFromFile(Tables, Path("one-line-layout.kqd"), message);
  EXPECT_TRUE(message.isEmpty()) << message.toStdString();
  EXPECT_EQ(p->FootingRadius, 1.2345678L);
  EXPECT_EQ(p->ProductYZ, -4.5678912e-20L);
  EXPECT_EQ(p->PileModulus, 1.2121212e-111L);
  EXPECT_EQ(Tables.Pilecoord->Cells(1, 0)->AsFloat(), 2.3456789e100L);
  EXPECT_EQ(Tables.PileData->Cells(6, 0)->AsFloat(), -7.8912345e-16L);
  EXPECT_EQ(Tables.D->Cells(4, 0)->AsFloat(), -5.6789123e-14L);
  EXPECT_EQ(Tables.pilecapsoil->Cells(5, 0)->AsFloat(), 6.7891234e15L);
  EXPECT_EQ(Code(p->PileTip), 1);
  EXPECT_EQ(p->Interaction, 0);
  EXPECT_EQ(p->Quadratic, 1);
  EXPECT_EQ(p->StepFrequency, 0.25L);
  EXPECT_EQ(p->LoadPointZ, 3.4567891e-200L);
  EXPECT_EQ(Code(p->LoadPointReference), 1);
  EXPECT_EQ(Tables.MassCal->Cells(6, 0)->AsFloat(), -4.5678912e-20L);
  EXPECT_EQ(p->CBGlobalZ, 15);

  // Saved again, the same numbers come in lines of at most 80 columns.
  p->FileName = Path("wrapped.kqd");
  p->SaveToFile();
  const QStringList lines = FileLines(p->FileName);
  for (int i = 1; i < lines.size(); ++i) EXPECT_LE(lines[i].size(), 80) << lines[i].toStdString();
  EXPECT_GT(lines.size(), deck.size());
  auto again = TProgramData::CreateFromFile(Tables, p->FileName, message);
  EXPECT_TRUE(message.isEmpty()) << message.toStdString();
  EXPECT_EQ(again->InertiaY, -1.1111111e-4000L);
  EXPECT_EQ(Tables.PileData->Cells(6, 0)->AsFloat(), -7.8912345e-16L);
}

// -- Failed saves -------------------------------------------------------------

TEST_F(DeckTest, SaveIntoAFolderThatCannotBeWrittenRaisesAndKeepsTheProjectModified) {
  ASSERT_TRUE(PutFile(Path("plain-file"), "not a folder"));
  TProgramData p(Tables);
  Tables.SetModified(true);
  for (const char* target : {"plain-file/deck.kqd", "missing-folder/deck.kqd"}) {
    p.FileName = Path(target);
    EXPECT_THROW(p.SaveToFile(), EInOutError) << target;
    EXPECT_TRUE(Tables.Modified());
  }
  EXPECT_EQ(QDir(Dir.path()).entryList(QDir::Files | QDir::NoDotAndDotDot),
            QStringList{QStringLiteral("plain-file")});
}

TEST_F(DeckTest, SaveOntoAFullDiskRaisesAndLeavesThePreviousFilesAsTheyWere) {
  TProgramData p(Tables);
  FillProject(p, TSystem::PileBattered, TLoad::Transient, 2);
  p.FileName = Path("full.kqd");
  p.SaveToFile();
  const QByteArray deck = FileBytes(Path("full.kqd"));
  const QByteArray mass = FileBytes(Path("full.kqm"));
  const QByteArray geometry = FileBytes(Path("full.kqt"));
  p.Title = QStringLiteral("Changed");
  Tables.SetModified(true);

  // A file-size limit makes every write past 100 bytes fail, as a full disk does.
  struct rlimit old {};
  ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &old), 0);
  struct rlimit small = old;
  small.rlim_cur = 100;
  auto oldHandler = signal(SIGXFSZ, SIG_IGN);
  ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &small), 0);
  bool raised = false;
  QString what;
  try {
    p.SaveToFile();
  } catch (const EInOutError& e) {
    raised = true;
    what = e.Message();
  }
  setrlimit(RLIMIT_FSIZE, &old);
  signal(SIGXFSZ, oldHandler);

  EXPECT_TRUE(raised);
  EXPECT_TRUE(what.contains(QStringLiteral("full.kqd"))) << what.toStdString();
  EXPECT_EQ(FileBytes(Path("full.kqd")), deck);
  EXPECT_EQ(FileBytes(Path("full.kqm")), mass);
  EXPECT_EQ(FileBytes(Path("full.kqt")), geometry);
  EXPECT_TRUE(Tables.Modified());
  EXPECT_EQ(QDir(Dir.path()).entryList(QDir::Files).size(), 3);
}

}  // namespace
}  // namespace zavik
