// Reading decks back: a complete deck, decks that end early or hold malformed
// lines (the message names the line and item, what was read stays), and files
// that cannot be read at all.
#include "SampleProjects.h"

#include <gtest/gtest.h>

#include <functional>

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
    EXPECT_EQ(p.Units, 1);
    EXPECT_EQ(p.StiffnessMatrix, 1);
    EXPECT_EQ(p.FootingShape, 1);
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
    EXPECT_EQ(p.LoadType, 1);
    EXPECT_NEAR(p.MaxFrequency, 10, 1e-15);
  }},
  ReadCase{"GravityOfTenIsEnglish", 3, "GRAVITY=10", 0, "",
           [](const TProgramData& p, const TProjectTables&) { EXPECT_EQ(p.Units, 1); }},
  ReadCase{"EndsInTheMassLine", 7, "10 20 30", 7, Incomplete,
           [](const TProgramData& p, const TProjectTables&) {
    EXPECT_EQ(p.Units, 1);
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
           [](const TProgramData& p, const TProjectTables&) { EXPECT_EQ(p.Units, 2); }},
  ReadCase{"FractionalRowCount", 12, "CONSTANTS=2.5", 0,
           "Error on Line 12 Item 1\rAn integer was expected but not found.",
           [](const TProgramData& p, const TProjectTables&) { EXPECT_EQ(p.Zc, 1); }},
  ReadCase{"NegativeRowCount", 12, "CONSTANTS=-2", 0,
           "Error on Line 12 Item 1\rA number of rows cannot be negative.",
           [](const TProgramData&, const TProjectTables& t) { EXPECT_EQ(t.D1->RowCount(), 1); }},
  ReadCase{"RowCountBeyondTheFile", 12, "CONSTANTS=2000000000", 0,
           "Error on Line 16 Item 1\rA floating point number was expected but not found.",
           [](const TProgramData&, const TProjectTables& t) {
    EXPECT_LT(t.D1->RowCount(), 100);
    EXPECT_EQ(t.D1->Cells(0, 2)->AsFloat(), 120);
  }},
  ReadCase{"UnknownFoundationSystem", 4, "FOUNDATION=RAFT", 0,
           "Error on Line 4 Item 1\rThe foundation system must be HALF-SPACE, PILE, STRATUM or "
           "MULTILAYER.",
           [](const TProgramData& p, const TProjectTables&) {
    EXPECT_EQ(p.FoundationType, QStringLiteral("HALF-SPACE"));
    EXPECT_EQ(p.FoundationKind, 1);
  }},
  ReadCase{"BlankLineAmongTheLoadNumbers", 21, "", 0,
           "Error on Line 21 Item 1\rThis file either invalid or incomplete.",
           [](const TProgramData& p, const TProjectTables&) { EXPECT_EQ(p.StepFrequency, 0.5L); }},
  ReadCase{"LetterForTheLoadPointReference", 23, "0 0 0 x", 0,
           "Error on Line 23 Item 4\rAn integer was expected but not found.",
           [](const TProgramData& p, const TProjectTables&) { EXPECT_EQ(p.LoadPointReference, 0); }}),
  [](const auto& Info) { return std::string(Info.param.Name); });
// clang-format on

TEST(DeckRead, AnEmptyFileGivesANewProjectAndTheMessage) {
  QTemporaryDir dir;
  const QString file = dir.filePath(QStringLiteral("empty.kqd"));
  ASSERT_TRUE(PutFile(file, QByteArray()));
  TProjectTables tables;
  QString message;
  auto p = TProgramData::CreateFromFile(tables, file, message);
  EXPECT_EQ(message, QString::fromLatin1(Incomplete));
  EXPECT_EQ(p->FoundationType, QStringLiteral("HALF-SPACE"));
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
    EXPECT_EQ(p->FoundationKind, 2);
    EXPECT_EQ(p->LoadType, 3);
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
