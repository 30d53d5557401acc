// Every table's deck layout is what the deck carries: a value set in each
// column that a table's layout gives the deck comes back from the deck read
// back, and a column kept by the front end only reaches none of the files.
#include "SampleProjects.h"

#include "core/DeckLayout.h"

#include <gtest/gtest.h>

#include <set>

namespace zavik {
namespace {

using namespace testing;
using T = TProjectTables;

struct LayoutCase {
  const char* Name;
  TProjectTable Table;     // the table whose layout is walked
  TProjectTable NestedIn;  // a load table whose row holds the table, or nullptr
  TSystem System;
  TLoad Load;
  bool WeakZones;  // the deck gives the layers with their weakened zones
  int Row;
};

void PrintTo(const LayoutCase& C, std::ostream* Os) { *Os << C.Name; }

// The table of the case: a project table, or the values of a load's row.
TGridTable* TableOf(const LayoutCase& C, TProjectTables& Tables) {
  return C.NestedIn ? LoadValues(Tables.*C.NestedIn, 1) : Tables.*C.Table;
}

// A value of its own for every column, as a user enters one: the last
// choice, a number, or in a table cell (a load's values, made afresh when
// its direction changed) one value per point.
void SetValue(TGridTable* Table, int Column, int Row, int Points) {
  const TColumn* column = Table->Columns(Column);
  if (const auto* choice = dynamic_cast<const TEnumColumn*>(column)) {
    Table->Cells(Column, Row)->SetInteger(int(choice->Items().size()));
  } else if (dynamic_cast<const TTableColumn*>(column)) {
    TGridTable* values = Table->Cells(Column, Row)->AsTable();
    values->SetRowCount(Points);
    for (int k = 0; k < Points; ++k) values->Cells(0, k)->SetFloat(70.25L + 3 * k + Row);
  } else {
    Table->Cells(Column, Row)->SetFloat(10.5L + 10 * Column + Row);
  }
}

// The cell's text, with the texts of a table cell's rows.
QStringList CellTexts(const TGridTable* Table, int Column, int Row) {
  if (!dynamic_cast<const TTableColumn*>(Table->Columns(Column))) return {Table->Cells(Column, Row)->GetText()};
  QStringList texts;
  AppendCells(Table->Cells(Column, Row)->AsTable(), texts);
  return texts;
}

bool InDeck(const TDeckColumn& Column, bool WeakZones) {
  return Column.Place == TDeckPlace::Row || Column.Place == TDeckPlace::OwnLines ||
         (Column.Place == TDeckPlace::WeakZoneRow && WeakZones);
}

class DeckLayoutTest : public ::testing::TestWithParam<LayoutCase> {
protected:
  QString Path(const QString& Name) const { return Dir.filePath(Name); }
  QByteArray Files(const QString& Stem) const {
    return FileBytes(Path(Stem + ".kqd")) + FileBytes(Path(Stem + ".kqm")) + FileBytes(Path(Stem + ".kqt"));
  }
  QTemporaryDir Dir;
  TProjectTables Tables;
};

TEST_P(DeckLayoutTest, EveryColumnInTheDeckComesBackAndNoneKeptByTheFrontEndIsWritten) {
  const LayoutCase& c = GetParam();
  const TDeckLayout layout = DeckLayoutOf(c.Table);
  auto p = std::make_unique<TProgramData>(Tables);
  QList<QStringList> defaults;  // of a new project
  for (const TDeckColumn& column : layout) defaults << CellTexts(Tables.*c.Table, column.Index, 0);
  FillProject(*p, c.System, c.Load, 2);
  TGridTable* table = TableOf(c, Tables);
  ASSERT_LT(c.Row, table->RowCount());
  QList<QStringList> expected;
  for (const TDeckColumn& column : layout) {
    if (InDeck(column, c.WeakZones)) SetValue(table, column.Index, c.Row, p->NumberOfPoints);
    expected << CellTexts(table, column.Index, c.Row);
  }
  p->FileName = Path("deck.kqd");
  p->SaveToFile();
  const QByteArray written = Files("deck");

  // The columns the front end keeps: other values change no byte of the
  // files, and a project read back has their defaults.
  bool frontEndOnly = false;
  for (const TDeckColumn& column : layout)
    if (column.Place == TDeckPlace::FrontEndOnly) {
      SetValue(table, column.Index, c.Row, p->NumberOfPoints);
      frontEndOnly = true;
    }
  if (frontEndOnly) {
    p->FileName = Path("kept.kqd");
    p->SaveToFile();
    EXPECT_EQ(Files("kept"), written);
  }
  const QString saved = p->FileName;
  p.reset();

  QString message;
  auto again = TProgramData::CreateFromFile(Tables, saved, message);
  ASSERT_TRUE(message.isEmpty()) << message.toStdString();
  if (c.Table == &T::D1) {
    EXPECT_EQ(again->WeakZone, c.WeakZones);
  }
  if (c.Table == &T::pilecapsoil) {
    EXPECT_EQ(again->SideCap, c.WeakZones);
  }
  table = TableOf(c, Tables);
  ASSERT_LT(c.Row, table->RowCount());
  for (int i = 0; i < int(layout.size()); ++i) {
    const int column = layout[i].Index;
    SCOPED_TRACE("column " + std::to_string(column));
    EXPECT_EQ(CellTexts(table, column, c.Row), layout[i].Place == TDeckPlace::FrontEndOnly ? defaults[i] : expected[i]);
  }
}

// The tables of every foundation system that the deck gives, each in every
// form the deck has for it.
// clang-format off
const LayoutCase Cases[] = {
  {"HalfSpaceSideSoilWithWeakenedZones",  &T::D1,           nullptr,      TSystem::HalfSpace,      TLoad::Harmonic,  true,  1},
  {"HalfSpaceSideSoilWithout",            &T::D1,           nullptr,      TSystem::HalfSpacePlain, TLoad::Harmonic,  false, 0},
  {"PileSoilLayers",                      &T::D,            nullptr,      TSystem::Pile,           TLoad::Harmonic,  true,  1},
  {"MultilayerSideSoil",                  &T::D,            nullptr,      TSystem::Multilayer,     TLoad::Harmonic,  true,  1},
  {"PileCapSideSoilWithWeakenedZones",    &T::pilecapsoil,  nullptr,      TSystem::PileBattered,   TLoad::Harmonic,  true,  1},
  {"PileCapSideSoilWithout",              &T::pilecapsoil,  nullptr,      TSystem::PileEmbedded,   TLoad::Harmonic,  false, 1},
  {"SoilColumn",                          &T::Multisoil,    nullptr,      TSystem::Multilayer,     TLoad::Harmonic,  false, 2},
  {"PileElements",                        &T::PileData,     nullptr,      TSystem::Pile,           TLoad::Harmonic,  false, 1},
  {"FoundationLayers",                    &T::MultiElement, nullptr,      TSystem::Multilayer,     TLoad::Harmonic,  false, 3},
  {"BatteredPiles",                       &T::Pilecoord,    nullptr,      TSystem::PileBattered,   TLoad::Harmonic,  false, 1},
  {"VerticalPilesGivenABatter",           &T::Pilecoord,    nullptr,      TSystem::Pile,           TLoad::Harmonic,  false, 2},
  {"TransientLoads",                      &T::TLoadtype,    nullptr,      TSystem::Stratum,        TLoad::Transient, false, 1},
  {"LoadAmplitudes",                      &T::Dtransient,   &T::TLoadtype, TSystem::HalfSpace,     TLoad::Transient, false, 5},
  {"RandomSpectra",                       &T::Trandom,      nullptr,      TSystem::PileEmbedded,   TLoad::Random,    false, 1},
  {"SpectrumValues",                      &T::Tspectrum,    &T::Trandom,  TSystem::Multilayer,     TLoad::Random,    false, 4},
  {"MassComponents",                      &T::MassCal,      nullptr,      TSystem::Stratum,        TLoad::Quadratic, false, 1},
  {"BatterTableOfTheFrontEnd",            &T::TBattered,    nullptr,      TSystem::PileBattered,   TLoad::Harmonic,  false, 0},
};
// clang-format on

INSTANTIATE_TEST_SUITE_P(Tables, DeckLayoutTest, ::testing::ValuesIn(Cases),
                         [](const auto& Info) { return std::string(Info.param.Name); });

// Every project table has its layout, of all its columns, and a case above.
TEST(DeckLayouts, EveryProjectTableHasItsLayoutAndItsCase) {
  TProjectTables tables;
  std::set<const TGridTable*> walked;
  for (const LayoutCase& c : Cases) {
    const TGridTable* table = tables.*c.Table;
    walked.insert(table);
    EXPECT_EQ(int(DeckLayoutOf(c.Table).size()), table->ColumnCount()) << c.Name;
  }
  for (const TGridTable* t : tables.Tables()) EXPECT_TRUE(walked.count(t)) << t->objectName().toStdString();
}

}  // namespace
}  // namespace zavik
