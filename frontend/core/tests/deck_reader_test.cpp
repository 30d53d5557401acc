// Reading decks back: a complete deck, decks that end early or hold malformed
// lines (the message names the line and item, what was read stays), and files
// that cannot be read at all.
#include "SampleProjects.h"

#include <QDir>
#include <QFileInfo>

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <vector>

namespace zavik {
namespace {

using namespace testing;

// A circular footing on a half-space with two weakened side layers, in
// English units, under a harmonic load of 1 to 10 Hz, with one mass.
const QStringList FanDeck = {
    "TITLE=Fan foundation",                            //  1
    "MATRIX",                                          //  2
    "GRAVITY=32.2",                                    //  3
    "FOUNDATION=HALF-SPACE",                           //  4
    "CIRCULAR=2.5",                                    //  5
    "MASS ",                                           //  6
    "10 20 30 40 0 0 0",                               //  7
    "CONSTANTS ",                                      //  8
    "0.5 0.25 1 ",                                     //  9
    "SOIL ",                                           // 10
    "WEAK ",                                           // 11
    "CONSTANTS=2",                                     // 12
    "1 0.5 150 110 0.35 0.05 0.5 0.35 0.1 0.1",        // 13
    "2 0.25 180 115 0.3 0.04 1 0.3 0.08 0",            // 14
    "BELOW=250 120 0.33 0.05",                         // 15
    "LOAD ",                                           // 16
    "HARMONIC ",                                       // 17
    "CONSTANTS ",                                      // 18
    "NONQUADRATIC ",                                   // 19
    "62.8 6.28 3.14 ",                                 // 20
    "0 0 10 ",                                         // 21
    "0 5 0 ",                                          // 22
    "0 0 0 0 ",                                        // 23
    "RUN ",                                            // 24
    "1",                                               // 25
    "10 0 0 0.5 4 3 1 ",                               // 26
    "0.1 0.2 0.3 ",                                    // 27
    "0 0 0 ",                                          // 28
    "1 2 3 "};                                         // 29

struct ReadCase {
  const char* Name;
  int Line;            // 1-based line to replace, or 0
  const char* Text;    // its new text
  int Keep;            // lines kept from the start, 0 for all
  const char* Message;
  std::function<void(const TProgramData&, const TProjectTables&)> Check;
};

void PrintTo(const ReadCase& C, std::ostream* Os) { *Os << C.Name; }

class DeckReadTest : public ::testing::TestWithParam<ReadCase> {};

TEST_P(DeckReadTest, KeepsWhatWasReadAndNamesWhereItStopped) {
  const ReadCase& c = GetParam();
  QTemporaryDir dir;
  QStringList lines = FanDeck;
  if (c.Line > 0) lines[c.Line - 1] = QString::fromLatin1(c.Text);
  if (c.Keep > 0) lines = lines.mid(0, c.Keep);
  const QString file = dir.filePath(QStringLiteral("fan.kqd"));
  ASSERT_TRUE(PutFile(file, Lines(lines)));

  TProjectTables tables;
  tables.SetModified(true);
  QString message = QStringLiteral("not set");
  auto p = TProgramData::CreateFromFile(tables, file, message);
  ASSERT_NE(p, nullptr);
  EXPECT_EQ(message, QString::fromUtf8(c.Message));
  EXPECT_EQ(p->FileName, file);
  EXPECT_EQ(p->Title, QStringLiteral("Fan foundation"));
  EXPECT_FALSE(tables.Modified());
  for (const TGridTable* t : tables.Tables()) EXPECT_GE(t->RowCount(), 1) << t->objectName().toStdString();
  c.Check(*p, tables);
}

const char* const Incomplete = "This file either invalid or incomplete.";

// clang-format off
INSTANTIATE_TEST_SUITE_P(Decks, DeckReadTest, ::testing::Values(
  ReadCase{"Complete", 0, "", 0, "", [](const TProgramData& p, const TProjectTables& t) {
    EXPECT_EQ(Code(p.Units), 1);
    EXPECT_EQ(p.StiffnessMatrix, 1);
    EXPECT_EQ(Code(p.FootingShape), 1);
    EXPECT_EQ(p.FootingRadius, 2.5L);
    EXPECT_EQ(p.InertiaZ, 40);
    EXPECT_EQ(p.Zc, 1);
    EXPECT_TRUE(p.WeakZone);
    ASSERT_EQ(t.D1->RowCount(), 2);
    EXPECT_EQ(t.D1->Cells(5, 1)->AsFloat(), 1);
    EXPECT_EQ(p.TipUnitWeight, 120);
    EXPECT_NEAR(p.MaxFrequency, 10, 1e-15);
    EXPECT_EQ(p.StepFrequency, 0.5L);
    EXPECT_EQ(p.MomentY, 5);
    EXPECT_EQ(p.MassCount, 1);
    EXPECT_EQ(t.MassCal->Cells(6, 0)->AsFloat(), 1);
    EXPECT_EQ(p.CBGlobalZ, 3);
    EXPECT_EQ(p.LoadTypeName, QStringLiteral("HARMONIC "));
  }},
  ReadCase{"HarmonicWithoutTrailingBlankAndGravityTen", 17, "HARMONIC", 0, "",
           [](const TProgramData& p, const TProjectTables&) {
    EXPECT_EQ(Code(p.LoadType), 1);
    EXPECT_NEAR(p.MaxFrequency, 10, 1e-15);
  }},
  ReadCase{"GravityOfTenIsEnglish", 3, "GRAVITY=10", 0, "",
           [](const TProgramData& p, const TProjectTables&) { EXPECT_EQ(Code(p.Units), 1); }},
  ReadCase{"EndsInTheMassLine", 7, "10 20 30", 7, Incomplete,
           [](const TProgramData& p, const TProjectTables&) {
    EXPECT_EQ(Code(p.Units), 1);
    EXPECT_EQ(p.InertiaY, 30);
    EXPECT_EQ(p.InertiaZ, 0);
  }},
  ReadCase{"EndsInTheSoilRows", 0, "", 13, Incomplete,
           [](const TProgramData&, const TProjectTables& t) {
    ASSERT_EQ(t.D1->RowCount(), 2);
    EXPECT_EQ(t.D1->Cells(1, 0)->AsFloat(), 150);
    EXPECT_EQ(t.D1->Cells(1, 1)->AsFloat(), 0);
  }},
  ReadCase{"EndsBeforeRun", 0, "", 23, Incomplete,
           [](const TProgramData& p, const TProjectTables&) {
    EXPECT_NEAR(p.MaxFrequency, 10, 1e-15);
    EXPECT_EQ(p.ForceZ, 10);
    EXPECT_EQ(p.MassCount, 0);
  }},
  ReadCase{"LetterInAMassNumber", 7, "10 2O 30 40 0 0 0", 0,
           "Error on Line 7 Item 2\rA floating point number was expected but not found.",
           [](const TProgramData& p, const TProjectTables&) {
    EXPECT_EQ(p.TotalMass, 10);
    EXPECT_EQ(p.InertiaX, 0);
  }},
  ReadCase{"CommaInTheGravity", 3, "GRAVITY=9,8", 0,
           "Error on Line 3 Item 1\rA floating point number was expected but not found.",
           [](const TProgramData& p, const TProjectTables&) { EXPECT_EQ(Code(p.Units), 2); }},
  ReadCase{"FractionalRowCount", 12, "CONSTANTS=2.5", 0,
           "Error on Line 12 Item 1\rAn integer was expected but not found.",
           [](const TProgramData& p, const TProjectTables&) { EXPECT_EQ(p.Zc, 1); }},
  ReadCase{"NegativeRowCount", 12, "CONSTANTS=-2", 0,
           "Error on Line 12 Item 1\rA number of rows cannot be negative.",
           [](const TProgramData&, const TProjectTables& t) { EXPECT_EQ(t.D1->RowCount(), 1); }},
  ReadCase{"RowCountBeyondTheFile", 12, "CONSTANTS=2000000000", 0,
           "Error on Line 15 Item 1\rRow number 3 was expected but not found.",
           [](const TProgramData&, const TProjectTables& t) {
    EXPECT_LT(t.D1->RowCount(), 100);
    EXPECT_EQ(t.D1->Cells(1, 1)->AsFloat(), 180);
  }},
  ReadCase{"UnknownFoundationSystem", 4, "FOUNDATION=RAFT", 0,
           "Error on Line 4 Item 1\rThe foundation system must be HALF-SPACE, PILE, STRATUM or "
           "MULTILAYER.",
           [](const TProgramData& p, const TProjectTables&) {
    EXPECT_EQ(p.FoundationType(), QStringLiteral("HALF-SPACE"));
    EXPECT_EQ(Code(p.FoundationKind), 1);
  }},
  ReadCase{"BlankLineAmongTheLoadNumbers", 21, "", 0,
           "Error on Line 21 Item 1\rThis file either invalid or incomplete.",
           [](const TProgramData& p, const TProjectTables&) { EXPECT_EQ(p.StepFrequency, 0.5L); }},
  ReadCase{"LetterForTheLoadPointReference", 23, "0 0 0 x", 0,
           "Error on Line 23 Item 4\rAn integer was expected but not found.",
           [](const TProgramData& p, const TProjectTables&) { EXPECT_EQ(Code(p.LoadPointReference), 0); }},
  // The mass count after RUN one too high takes the centre of gravity for a
  // mass row, one too low the mass row for the centre.
  ReadCase{"MassCountOneTooHigh", 25, "2", 0,
           "Error on Line 27 Item 4\rThe line ends before the mass row of 7 items is complete.",
           [](const TProgramData& p, const TProjectTables& t) {
    EXPECT_EQ(p.MassCount, 2);
    EXPECT_EQ(t.MassCal->Cells(0, 0)->AsFloat(), 10);
    EXPECT_EQ(p.CGX, 0);
  }},
  ReadCase{"MassCountOneTooLow", 25, "0", 0,
           "Error on Line 26 Item 4\rThe line holds more than the centre of gravity line of 3 items.",
           [](const TProgramData& p, const TProjectTables& t) {
    EXPECT_EQ(p.MassCount, 0);
    EXPECT_EQ(t.MassCal->Cells(0, 0)->AsFloat(), 0);
  }},
  ReadCase{"CentreLineWithFourNumbers", 28, "0 0 0 0 ", 0,
           "Error on Line 28 Item 4\rThe line holds more than the local centre of base line of 3 items.",
           [](const TProgramData& p, const TProjectTables&) { EXPECT_EQ(p.CGZ, 0.3L); }},
  ReadCase{"CentreOfBaseOtherThanTheLoads", 23, "0 0 0 1 0.5 0 0 ", 0,
           "Error on Line 28 Item 1\rThe local centre of base differs from the one given with the load point on "
           "line 23.",
           [](const TProgramData& p, const TProjectTables&) { EXPECT_EQ(Code(p.LoadPointReference), 1); }}),
  [](const auto& Info) { return std::string(Info.param.Name); });
// clang-format on

// -- Damaged decks ---------------------------------------------------------

const QString Examples = QStringLiteral(ZAV_EXAMPLES_DIR);

QStringList ExampleLines(const char* Stem) {
  return FileLines(Examples + QLatin1Char('/') + QLatin1String(Stem) + QStringLiteral(".kqd"));
}

// One change of a shipped deck, at a line of the deck as shipped (from 1).
struct Edit {
  enum Kind { Replace, InsertAfter, Remove } What;
  int Line;
  const char* Text;
};

struct DamageCase {
  const char* Name;
  const char* Example;
  std::vector<Edit> Edits;
  const char* Message;
  std::function<void(const TProgramData&, const TProjectTables&)> Check;
};

void PrintTo(const DamageCase& C, std::ostream* Os) { *Os << C.Name; }

class DamagedDeckTest : public ::testing::TestWithParam<DamageCase> {};

// The reading stops at the line that is not what the deck should hold, names
// it and its item, and keeps what it read before.
TEST_P(DamagedDeckTest, StopsWhereTheDeckGoesWrong) {
  const DamageCase& c = GetParam();
  QStringList lines = ExampleLines(c.Example);
  ASSERT_FALSE(lines.isEmpty());
  std::vector<Edit> edits = c.Edits;
  std::sort(edits.begin(), edits.end(), [](const Edit& A, const Edit& B) { return A.Line > B.Line; });
  for (const Edit& e : edits) {
    ASSERT_LE(e.Line, lines.size());
    if (e.What == Edit::Replace) lines[e.Line - 1] = QLatin1String(e.Text);
    if (e.What == Edit::InsertAfter) lines.insert(e.Line, QLatin1String(e.Text));
    if (e.What == Edit::Remove) lines.removeAt(e.Line - 1);
  }
  QTemporaryDir dir;
  const QString file = dir.filePath(QStringLiteral("damaged.kqd"));
  ASSERT_TRUE(PutFile(file, Lines(lines)));
  TProjectTables tables;
  QString message;
  auto p = TProgramData::CreateFromFile(tables, file, message);
  EXPECT_EQ(message, QString::fromUtf8(c.Message));
  for (const TGridTable* t : tables.Tables()) EXPECT_GE(t->RowCount(), 1) << t->objectName().toStdString();
  if (c.Check) c.Check(*p, tables);
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Examples, DamagedDeckTest, ::testing::Values(
  // One more side layer than its count: the random load is not read as a
  // harmonic one from the soil below and the spectra.
  DamageCase{"SideLayerBeyondItsCount", "half-space-random",
             {{Edit::InsertAfter, 13, "2 0.8 160 17 0.35 0.05 0.6 0.35 0.1 0.1"}},
             "Error on Line 14 Item 1\rThe keyword BELOW= was expected but not found.",
             [](const TProgramData& p, const TProjectTables& t) {
    EXPECT_EQ(t.D1->RowCount(), 1);
    EXPECT_EQ(t.D1->Cells(1, 0)->AsFloat(), 160);
    EXPECT_EQ(p.TipShearVelocity, 0);
    EXPECT_EQ(p.MaxFrequency, 0);
    EXPECT_EQ(p.RandomMaxFrequency, 0);
  }},
  // What the writer wrote after Soil Layer Data > Add Row, and after Pile
  // Elements > Add Row, in a pile project.
  DamageCase{"SoilLayersBeyondTheElements", "pile-group-battered",
             {{Edit::InsertAfter, 43, "4 240 18.5 0.4 0.05 1 0.4 0.1 0"}},
             "Error on Line 44 Item 1\rThe keyword BELOW= was expected but not found.",
             [](const TProgramData& p, const TProjectTables& t) {
    EXPECT_EQ(t.D->RowCount(), 3);
    EXPECT_EQ(t.D->Cells(0, 2)->AsFloat(), 200);
    EXPECT_EQ(p.TipShearVelocity, 0);
    EXPECT_EQ(p.ForceX, 0);
  }},
  DamageCase{"ElementsBeyondTheSoilLayers", "pile-group-battered",
             {{Edit::Replace, 8, "LAYERS=4"},
              {Edit::InsertAfter, 22, "4 4 0.3 0.3 0.28274334 0.0063617251 0.0063617251 0.01272345"}},
             "Error on Line 45 Item 1\rRow number 4 was expected but not found.",
             [](const TProgramData&, const TProjectTables& t) {
    EXPECT_EQ(t.PileData->RowCount(), 4);
    EXPECT_EQ(t.D->Cells(0, 2)->AsFloat(), 200);
  }},
  DamageCase{"MatrixMisspelt", "pile-group", {{Edit::Replace, 2, "MATRX"}},
             "Error on Line 2 Item 1\rThe keyword GRAVITY= was expected but not found.", nullptr},
  DamageCase{"NeitherFixedNorPinned", "pile-group", {{Edit::Replace, 9, "FIXES=4"}},
             "Error on Line 9 Item 1\rThe keyword FIXED= or PINNED= was expected but not found.",
             [](const TProgramData& p, const TProjectTables& t) {
    EXPECT_EQ(p.FoundationType(), QStringLiteral("PILE"));
    EXPECT_EQ(t.PileData->RowCount(), 3);
  }},
  DamageCase{"PileNumberOutOfStep", "pile-group", {{Edit::Replace, 11, "3 1.5 -1.5 "}},
             "Error on Line 11 Item 1\rRow number 2 was expected but not found.",
             [](const TProgramData&, const TProjectTables& t) { EXPECT_EQ(t.Pilecoord->Cells(1, 0)->AsFloat(), -1.5L); }},
  DamageCase{"PileRowWithoutItsY", "pile-group", {{Edit::Replace, 11, "2 1.5 "}},
             "Error on Line 11 Item 3\rThe line ends before the pile row of 3 items is complete.", nullptr},
  DamageCase{"ConstantsMissing", "pile-group", {{Edit::Remove, 14, ""}},
             "Error on Line 14 Item 1\rThe keyword CONSTANTS was expected but not found.",
             [](const TProgramData&, const TProjectTables& t) { EXPECT_EQ(t.Pilecoord->Cells(1, 3)->AsFloat(), 1.5L); }},
  DamageCase{"ElementMisspelt", "pile-group", {{Edit::Replace, 17, "ELEMENTS"}},
             "Error on Line 17 Item 1\rThe keyword ELEMENT was expected but not found.",
             [](const TProgramData& p, const TProjectTables&) { EXPECT_EQ(p.PileModulus, 30000000); }},
  DamageCase{"ElementRowWithANumberTooMany", "pile-group",
             {{Edit::Replace, 19, "2 4 0.3 0.3 0.28274334 0.0063617251 0.0063617251 0.01272345 1"}},
             "Error on Line 19 Item 9\rThe line holds more than the element row of 8 items.", nullptr},
  DamageCase{"TipMisspelt", "pile-group", {{Edit::Replace, 21, "FLOATNG"}},
             "Error on Line 21 Item 1\rThe keyword FLOATING or END-BEARING was expected but not found.", nullptr},
  DamageCase{"BatterPlaneUnknown", "pile-group-battered", {{Edit::Replace, 27, "2 XY  "}},
             "Error on Line 27 Item 2\rThe batter plane XZ or YZ was expected but not found.",
             [](const TProgramData& p, const TProjectTables& t) {
    EXPECT_TRUE(p.Battered);
    EXPECT_EQ(t.Pilecoord->Cells(2, 0)->AsFloat(), -10);
  }},
  DamageCase{"InteractionMisspelt", "pile-group-battered", {{Edit::Replace, 37, "INTERACTON "}},
             "Error on Line 37 Item 1\rThe keyword INTERACTION or SOIL was expected but not found.", nullptr},
  DamageCase{"WeakMissing", "pile-group", {{Edit::Remove, 23, ""}},
             "Error on Line 23 Item 1\rThe keyword WEAK was expected but not found.", nullptr},
  DamageCase{"WeakenedDampingNotTwiceTheLayers", "pile-group",
             {{Edit::Replace, 25, "1 120 17 0.4 0.05 1 0.4 0.2 0"}},
             "Error on Line 25 Item 8\rThe weakened zone's material damping was expected to be 0.1.", nullptr},
  DamageCase{"SoilRowOneNumberShort", "pile-group", {{Edit::Replace, 26, "2 160 17.5 0.4 0.05 1 0.4 0.1"}},
             "Error on Line 26 Item 9\rThe line ends before the soil layer row of 9 items is complete.", nullptr},
  DamageCase{"SideCapWithoutEmbedded", "pile-group-battered", {{Edit::Remove, 46, ""}},
             "Error on Line 46 Item 1\rThe keyword EMBEDDED was expected but not found.",
             [](const TProgramData& p, const TProjectTables&) {
    EXPECT_TRUE(p.SideCap);
    EXPECT_EQ(p.TipShearVelocity, 350);
  }},
  DamageCase{"LoadMissing", "pile-group", {{Edit::Remove, 32, ""}},
             "Error on Line 32 Item 1\rThe keyword LOAD was expected but not found.",
             [](const TProgramData&, const TProjectTables& t) { EXPECT_EQ(t.pilecapsoil->Cells(1, 0)->AsFloat(), 110); }},
  DamageCase{"LoadTypeMisspelt", "pile-group", {{Edit::Replace, 33, "HARMONICS "}},
             "Error on Line 33 Item 1\rThe keyword HARMONIC, TRANSIENT or RANDOM was expected but not found.", nullptr},
  DamageCase{"QuadraticMisspelt", "pile-group", {{Edit::Replace, 35, "QUADRATICAL "}},
             "Error on Line 35 Item 1\rThe keyword QUADRATIC or NONQUADRATIC was expected but not found.", nullptr},
  DamageCase{"FrequencyLineShort", "pile-group", {{Edit::Replace, 36, "376.8 12.56 "}},
             "Error on Line 36 Item 3\rThe line ends before the frequency line of 3 items is complete.", nullptr},
  DamageCase{"LineBeforeRun", "pile-group", {{Edit::InsertAfter, 39, "0 0 0 "}},
             "Error on Line 40 Item 1\rThe keyword RUN was expected but not found.",
             [](const TProgramData& p, const TProjectTables&) { EXPECT_EQ(p.LoadPointZ, 0.6L); }},
  DamageCase{"TextAfterTheDeck", "pile-group", {{Edit::InsertAfter, 44, "1 2 3 "}},
             "Error on Line 45 Item 1\rThe deck should end here.", nullptr},
  DamageCase{"SoilColumnRowOutOfStep", "multilayer-column", {{Edit::Replace, 24, "5 220 18 0.33 0.04 1.5 0.8"}},
             "Error on Line 24 Item 1\rRow number 4 was expected but not found.",
             [](const TProgramData&, const TProjectTables& t) { EXPECT_EQ(t.Multisoil->Cells(0, 0)->AsFloat(), 200); }},
  DamageCase{"NoSideLayers", "half-space-random", {{Edit::Replace, 12, "CONSTANTS=0"}},
             "Error on Line 12 Item 1\rAt least one row was expected.", nullptr},
  DamageCase{"LoadDirectionOutOfRange", "half-space-transient", {{Edit::Replace, 19, "7 "}},
             "Error on Line 19 Item 1\rA load direction from 1 to 6 was expected but not found.",
             [](const TProgramData& p, const TProjectTables&) {
    EXPECT_EQ(Code(p.LoadType), 2);
    EXPECT_EQ(p.NumberOfPoints, 128);
  }},
  DamageCase{"AmplitudeLineWithTwoNumbers", "half-space-transient", {{Edit::Replace, 21, "70.7 1 "}},
             "Error on Line 21 Item 2\rThe line holds more than the load amplitude line of 1 item.", nullptr},
  DamageCase{"LocationCodesDiffer", "half-space-random", {{Edit::Replace, 23, "1 2"}},
             "Error on Line 23 Item 2\rThe location code 1 was expected again but not found.", nullptr},
  DamageCase{"OneSpectrumMoreThanGiven", "half-space-random", {{Edit::Replace, 22, "3 "}},
             "Error on Line 65 Item 1\rAn integer was expected but not found.",
             [](const TProgramData&, const TProjectTables& t) {
    EXPECT_EQ(t.Trandom->RowCount(), 3);
    EXPECT_EQ(t.Trandom->Cells(1, 1)->AsTable()->Cells(0, 19)->AsFloat(), 2.267L);
  }}),
  [](const auto& Info) { return std::string(Info.param.Name); });
// clang-format on

// Every shipped deck reads whole and saves byte for byte as shipped, also
// when an editor has put a UTF-8 byte-order mark in front of it.
TEST(DeckRead, EveryExampleReadsWholeAndSavesAsShipped) {
  const QStringList decks = QDir(Examples).entryList({QStringLiteral("*.kqd")});
  ASSERT_GE(decks.size(), 9);
  for (const QString& name : decks) {
    for (const bool mark : {false, true}) {
      SCOPED_TRACE(name.toStdString() + (mark ? " with a byte-order mark" : ""));
      QTemporaryDir dir;
      const QString stem = Examples + QLatin1Char('/') + QFileInfo(name).completeBaseName();
      const QString file = dir.filePath(name);
      ASSERT_TRUE(PutFile(file, (mark ? QByteArray("\xEF\xBB\xBF") : QByteArray()) + FileBytes(stem + ".kqd")));
      TProjectTables tables;
      QString message;
      auto p = TProgramData::CreateFromFile(tables, file, message);
      EXPECT_TRUE(message.isEmpty()) << message.toStdString();
      EXPECT_EQ(QStringLiteral("TITLE=") + p->Title, ExampleLines(qPrintable(QFileInfo(name).completeBaseName()))[0]);
      p->SaveToFile();
      EXPECT_EQ(FileBytes(file), FileBytes(stem + ".kqd"));
      EXPECT_EQ(FileBytes(dir.filePath(QFileInfo(name).completeBaseName() + ".kqm")), FileBytes(stem + ".kqm"));
    }
  }
}

// The text after a byte-order mark is UTF-8: a title in it reads as written.
TEST(DeckRead, ATitleAfterAByteOrderMarkIsUtf8) {
  QStringList lines = ExampleLines("half-space-harmonic");
  QTemporaryDir dir;
  const QString file = dir.filePath(QStringLiteral("utf8.kqd"));
  ASSERT_TRUE(PutFile(file, "\xEF\xBB\xBF" "TITLE=Pump \xC3\xA0 vide, fa\xC3\xA7" "ade\r\n" +
                                Lines(lines.mid(1))));
  TProjectTables tables;
  QString message;
  auto p = TProgramData::CreateFromFile(tables, file, message);
  EXPECT_TRUE(message.isEmpty()) << message.toStdString();
  EXPECT_EQ(p->Title, QStringLiteral(u"Pump à vide, façade"));
}

TEST(DeckRead, AnEmptyFileGivesANewProjectAndTheMessage) {
  QTemporaryDir dir;
  const QString file = dir.filePath(QStringLiteral("empty.kqd"));
  ASSERT_TRUE(PutFile(file, QByteArray()));
  TProjectTables tables;
  QString message;
  auto p = TProgramData::CreateFromFile(tables, file, message);
  EXPECT_EQ(message, QString::fromLatin1(Incomplete));
  EXPECT_EQ(p->FoundationType(), QStringLiteral("HALF-SPACE"));
  for (const TGridTable* t : tables.Tables()) EXPECT_EQ(t->RowCount(), 1);
}

TEST(DeckRead, AFileThatCannotBeOpenedRaisesAndChangesNothing) {
  QTemporaryDir dir;
  TProjectTables tables;
  TProgramData p(tables);
  tables.D1->SetRowCount(3);
  tables.D1->Cells(1, 2)->SetFloat(150);
  tables.SetModified(true);
  QString message;
  EXPECT_THROW(TProgramData::CreateFromFile(tables, dir.filePath(QStringLiteral("none.kqd")), message),
               EInOutError);
  EXPECT_EQ(tables.D1->RowCount(), 3);
  EXPECT_EQ(tables.D1->Cells(1, 2)->AsFloat(), 150);
  EXPECT_TRUE(tables.Modified());
}

// Pile numbers of three digits still carry their batter plane.
TEST(DeckRead, BatterPlanesOfEveryPileNumberReadBack) {
  QTemporaryDir dir;
  TProjectTables tables;
  {
    TProgramData p(tables);
    FillProject(p, TSystem::PileBattered, TLoad::Harmonic, 2);
    tables.Pilecoord->SetRowCount(120);
    for (int r = 0; r < 120; ++r) {
      tables.Pilecoord->Cells(2, r)->SetFloat(5);
      tables.Pilecoord->Cells(3, r)->SetInteger(r % 3 == 1 ? 2 : 1);
    }
    p.FileName = dir.filePath(QStringLiteral("piles.kqd"));
    p.SaveToFile();
  }
  QString message;
  auto p = TProgramData::CreateFromFile(tables, dir.filePath(QStringLiteral("piles.kqd")), message);
  EXPECT_TRUE(message.isEmpty()) << message.toStdString();
  ASSERT_EQ(tables.Pilecoord->RowCount(), 120);
  for (int r : {1, 8, 9, 10, 99, 100, 118, 119})
    EXPECT_EQ(tables.Pilecoord->Cells(3, r)->AsInteger(), r % 3 == 1 ? 2 : 1) << "pile " << r + 1;
}

TEST(DeckRead, InteractionFollowsItsLine) {
  QTemporaryDir dir;
  TProjectTables tables;
  for (TSystem system : {TSystem::Pile, TSystem::PileEmbedded}) {
    {
      TProgramData p(tables);
      FillProject(p, system, TLoad::Random, 1);
      p.FileName = dir.filePath(QStringLiteral("i.kqd"));
      p.SaveToFile();
    }
    QString message;
    auto p = TProgramData::CreateFromFile(tables, dir.filePath(QStringLiteral("i.kqd")), message);
    EXPECT_TRUE(message.isEmpty()) << message.toStdString();
    EXPECT_EQ(p->Interaction, system == TSystem::Pile ? 0 : 1);
    EXPECT_EQ(Code(p->FoundationKind), 2);
    EXPECT_EQ(Code(p->LoadType), 3);
  }
}

// A deck cut off at any byte reads without harm: either the reader names
// what it missed, or what the engine reads is whole and the project writes
// it again unchanged (the front end's own block after "RUN" may end early).
// The whole deck reads back completely.
TEST(DeckRead, ADeckCutAnywhereReadsWithoutHarm) {
  QTemporaryDir dir;
  TProjectTables tables;
  for (const auto& build : {PumpOnTwoPiles, TurbineMat, PressOnStratum}) {
    {
      TProgramData p(tables);
      build(p);
      p.FileName = dir.filePath(QStringLiteral("whole.kqd"));
      p.SaveToFile();
    }
    const QByteArray whole = FileBytes(dir.filePath(QStringLiteral("whole.kqd")));
    const QString cut = dir.filePath(QStringLiteral("cut.kqd"));
    const qsizetype run = whole.indexOf("RUN \r\n") + 6;
    for (qsizetype n = 0; n <= whole.size(); ++n) {
      ASSERT_TRUE(PutFile(cut, whole.left(n)));
      QString message;
      auto p = TProgramData::CreateFromFile(tables, cut, message);
      for (const TGridTable* t : tables.Tables()) ASSERT_GE(t->RowCount(), 1);
      if (n == whole.size()) {
        EXPECT_TRUE(message.isEmpty()) << message.toStdString();
      }
      if (!message.isEmpty()) continue;
      p->SaveToFile();
      const QByteArray again = FileBytes(cut);
      ASSERT_EQ(again.left(run), whole.left(run)) << "cut after " << n << " bytes";
      if (n == whole.size()) {
        EXPECT_EQ(again, whole);
      }
    }
  }
}

}  // namespace
}  // namespace zavik
