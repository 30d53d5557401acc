// Projects of every foundation system and load type, edited at random as a
// user edits them (rows added, put in and deleted in every table, cells and
// fields changed, the unit system switched), then saved, read back and saved
// again: the two decks and mass files are the same bytes, the project read
// back has the same cells, and the engine writes the same report for both
// decks. Edits that put the pile soil and elements, the soil column of a
// multilayer foundation or the values of a load out of step with one another
// must be refused by the save, which writes nothing; they are then mended as
// the user would.
//
// Each project is edited from seeds of its own; a failure names the seed and
// the project. ZAV_DECK_SEED=<seed> runs that one seed for every project.
#include "EngineRun.h"

#include "core/FoundationSystem.h"
#include "core/MenuRules.h"
#include "core/ProjectNames.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <functional>
#include <initializer_list>
#include <random>
#include <string>
#include <vector>

namespace zavik {
namespace {

using namespace testing;

constexpr int SeedsPerProject = 5;
constexpr int EditsPerProject = 14;

class TRandomEditor {
public:
  TRandomEditor(TProgramData& Project, unsigned Seed, const QString& Checkpoint)
      : P(Project), T(Project.Tables()), G(Seed), FCheckpoint(Checkpoint) {}

  void Edit() {
    switch (Pick(10)) {
      case 0:
      case 1: RowsOfAnyTable(); break;
      case 2:
        if (P.FoundationKind == TFoundationKind::Pile) PileRows();
        else if (P.FoundationKind == TFoundationKind::Multilayer) MultilayerRows();
        else RowsOfAnyTable();
        break;
      case 3: LoadValueRows(); break;
      case 4:
      case 5:
      case 6: Cell(); break;
      case 7:
      case 8: Field(); break;
      case 9: P.ConvertUnits(P.Units == TUnits::English ? TUnits::SI : TUnits::English); break;
    }
  }

private:
  int Pick(int N) { return std::uniform_int_distribution<int>(0, N - 1)(G); }

  // A number as an engineer enters one, now and then 0, negative, tiny or
  // large.
  long double Number() {
    switch (Pick(12)) {
      case 0: return 0;
      case 1: return -std::uniform_int_distribution<int>(1, 999)(G) / 100.0L;
      case 2: return std::uniform_int_distribution<int>(1, 99999999)(G) * 1e-15L;
      case 3: return std::uniform_int_distribution<int>(1, 99999999)(G) * 1e12L;
      default: return std::uniform_int_distribution<int>(1, 500000)(G) / 1000.0L;
    }
  }

  // The row operations of the table editor, within its limits.
  void RowOperation(TGridTable* Table, int Kind, int Row) {
    switch (Kind) {
      case 0: Table->AddRowGroup(); break;
      case 1: Table->InsertRowGroup(Row); break;
      case 2: Table->DeleteRowGroup(Row); break;
    }
  }
  // A row operation the editor would allow on Table: kind and row.
  std::pair<int, int> AllowedOperation(const TGridTable* Table) {
    const bool full = Table->MaxRows() > 0 && Table->RowCount() >= Table->MaxRows();
    const bool least = Table->RowCount() <= Table->MinRows();
    int kind = Pick(3);
    if (full) kind = 2;
    if (least && kind == 2) kind = Pick(2);
    return {kind, Pick(Table->RowCount())};
  }
  void AnyRowOperation(TGridTable* Table) {
    const auto [kind, row] = AllowedOperation(Table);
    RowOperation(Table, kind, row);
  }

  // Tables whose rows stand alone: every table of every system (those of
  // another system are not in the deck and must not disturb it).
  void RowsOfAnyTable() {
    TGridTable* const tables[] = {T.Pilecoord, T.pilecapsoil, T.D1, T.MassCal, T.TLoadtype, T.Trandom};
    TGridTable* table = tables[Pick(6)];
    AnyRowOperation(table);
    // A new load row's values have the load's number of points.
    if (table == T.TLoadtype || table == T.Trandom) MatchLoadValues();
  }

  // The soil layers and the elements of a pile project, in step; out of
  // step, the save is refused until the user mends it.
  void PileRows() {
    TGridTable* one = Pick(2) ? T.D : T.PileData;
    TGridTable* other = one == T.D ? T.PileData : T.D;
    // Soil Layer Data holds fewer rows at the most.
    const auto [kind, row] = AllowedOperation(T.D);
    RowOperation(one, kind, row);
    if (!Pick(3)) ExpectRefused({"Soil Layer Data", "Pile Elements"});
    RowOperation(other, kind, row);
  }

  // The foundation's layers, the side soil and the soil column of a
  // multilayer foundation; the Data menu keeps the soil column in step.
  void MultilayerRows() {
    TGridTable* const tables[] = {T.MultiElement, T.D, T.Multisoil};
    const int below = T.MultiElement->RowCount() - T.D->RowCount();
    if (below >= 2 && !Pick(3)) {
      // The soil column alone: one row more or less than the layers below
      // the side soil.
      RowOperation(T.Multisoil, Pick(2) ? 0 : 2, Pick(T.Multisoil->RowCount()));
      ExpectRefused({"Soil Column Layer", "Foundation Layer", "Side Soil of Fondation"});
    } else {
      AnyRowOperation(tables[Pick(2)]);
    }
    KeepSoilColumnInStep();
  }
  void KeepSoilColumnInStep() {
    MatchSoilColumnRows(T);
    // With no layers below the side soil the column is empty: one row of
    // zeros, which the table keeps at the least.
    if (T.MultiElement->RowCount() <= T.D->RowCount()) {
      T.Multisoil->SetRowCount(0);
      T.Multisoil->SetRowCount(1);
    }
  }

  // The values of a transient load or of a random spectrum: one per point.
  void LoadValueRows() {
    if (P.LoadType == TLoadType::Harmonic) return Field();
    TGridTable* loads = P.LoadType == TLoadType::Transient ? T.TLoadtype : T.Trandom;
    if (Pick(2)) {
      TGridTable* values = loads->Cells(1, Pick(loads->RowCount()))->AsTable();
      AnyRowOperation(values);
      if (values->RowCount() != P.NumberOfPoints)
        ExpectRefused({P.LoadType == TLoadType::Transient ? "Number of points" : "Number of points to be read"});
      P.NumberOfPoints = values->RowCount();
    } else {
      P.NumberOfPoints = std::uniform_int_distribution<int>(1, 12)(G);
    }
    MatchLoadValues();
  }
  void MatchLoadValues() {
    for (TGridTable* loads : {T.TLoadtype, T.Trandom})
      for (int r = 0; r < loads->RowCount(); ++r) {
        TGridTable* values = loads->Cells(1, r)->AsTable();
        const int old = values->RowCount();
        values->SetRowCount(std::max(P.NumberOfPoints, 1));
        for (int k = old; k < values->RowCount(); ++k) values->Cells(0, k)->SetFloat(Number());
      }
  }

  // One cell of a table that the deck carries.
  void Cell() {
    std::vector<TGridTable*> tables{T.MassCal, T.D1,          T.Pilecoord,    T.PileData,
                                    T.D,       T.pilecapsoil, T.MultiElement, T.Multisoil};
    for (TGridTable* loads : {T.TLoadtype, T.Trandom})
      for (int r = 0; r < loads->RowCount(); ++r) tables.push_back(loads->Cells(1, r)->AsTable());
    TGridTable* table = tables[std::size_t(Pick(int(tables.size())))];
    const int row = Pick(table->RowCount());
    const int column = Pick(table->ColumnCount());
    if (table == T.Pilecoord && column == 3) return table->Cells(3, row)->SetInteger(1 + Pick(2));
    if (table == T.Pilecoord && column == 2 && Pick(2)) return table->Cells(2, row)->SetFloat(0);
    table->Cells(column, row)->SetFloat(Number());
  }
  // A load's direction; the table makes the load's values afresh when it
  // changes, and the user enters them again.
  void Direction() {
    TGridTable* loads = Pick(2) ? T.TLoadtype : T.Trandom;
    const int row = Pick(loads->RowCount());
    loads->Cells(0, row)->SetInteger(1 + Pick(6));
    if (P.LoadType == (loads == T.TLoadtype ? TLoadType::Transient : TLoadType::Random) &&
        loads->Cells(1, row)->AsTable()->RowCount() != P.NumberOfPoints)
      ExpectRefused({"Number of points"});
    MatchLoadValues();
  }

  // A field of the project, as its window sets it.
  void Field() {
    // clang-format off
    long double* const values[] = {
        &P.TotalMass, &P.InertiaX, &P.InertiaY, &P.InertiaZ, &P.ProductXY, &P.ProductXZ, &P.ProductYZ,
        &P.Xc, &P.Yc, &P.Zc, &P.FoundationDepth, &P.BedrockDepth,
        &P.PileLength, &P.PileUnitWeight, &P.StaticLoad, &P.PilePoisson, &P.PileDamping,
        &P.ShearCoefficient, &P.PileModulus,
        &P.CGX, &P.CGY, &P.CGZ, &P.CBGlobalX, &P.CBGlobalY, &P.CBGlobalZ, &P.CBLocalX, &P.CBLocalY, &P.CBLocalZ,
        &P.ForceX, &P.ForceY, &P.ForceZ, &P.MomentX, &P.MomentY, &P.MomentZ,
        &P.LoadPointX, &P.LoadPointY, &P.LoadPointZ,
        &P.TipShearVelocity, &P.TipUnitWeight, &P.TipPoisson, &P.TipDamping,
        &P.FootingRadius, &P.FootingLength, &P.FootingWidth, &P.TimeInterval, &P.ObservationPeriod};
    // Each switch to its other value.
    const std::function<void()> switches[] = {
        [this] { P.PileHead = TPileHead(Code(P.PileHead) ^ 1); },
        [this] { P.PileTip = TPileTip(Code(P.PileTip) ^ 1); },
        [this] { P.Interaction = !P.Interaction; },
        [this] { P.FootingShape = TFootingShape(Code(P.FootingShape) ^ 1); },
        [this] { P.LoadPointReference = TLoadPointReference(Code(P.LoadPointReference) ^ 1); },
        [this] { P.StiffnessMatrix = !P.StiffnessMatrix; },
        [this] { P.Quadratic = !P.Quadratic; }};
    // clang-format on
    switch (Pick(7)) {
      case 0:
      case 1:
      case 2: *values[Pick(int(std::size(values)))] = Number(); break;
      case 3: switches[Pick(int(std::size(switches)))](); break;
      case 4: Direction(); break;
      case 5: Title(); break;
      case 6: Straighten(); break;
    }
  }
  // Every pile vertical again, or every weakened zone of the cap's side
  // soil taken away, after the save that wrote them.
  void Straighten() {
    if (Pick(2)) {
      for (int r = 0; r < T.Pilecoord->RowCount(); ++r) {
        T.Pilecoord->Cells(2, r)->SetFloat(0);
        T.Pilecoord->Cells(3, r)->SetInteger(1);
      }
    } else {
      for (int r = 0; r < T.pilecapsoil->RowCount(); ++r) T.pilecapsoil->Cells(5, r)->SetFloat(0);
    }
  }
  void Title() {
    static const char* const titles[] = {"Fan", "  Blower on a mat $ 1(2) = 3, T F *",
                                         "Pompe \xe0 vide \xb1 2\xb0", ""};
    if (!Pick(4)) {
      const QString old = P.Title;
      P.Title = QStringLiteral(u"Pump – 50 €");
      ExpectRefused({"\"–\", \"€\"", "Data > Title"});
      P.Title = old;
      return;
    }
    P.Title = QString::fromLatin1(titles[Pick(4)]);
  }

  // The save is refused with a message that holds each of Names, and the
  // file saved before stays as it was.
  void ExpectRefused(std::initializer_list<const char*> Names) {
    const QString refusal = P.SaveRefusal();
    for (const char* name : Names)
      EXPECT_TRUE(refusal.contains(QString::fromUtf8(name))) << name << " in " << refusal.toStdString();
    const QString saved = P.FileName;
    const QByteArray before = FileBytes(FCheckpoint);
    P.FileName = FCheckpoint;
    EXPECT_THROW(P.SaveToFile(), ESaveRefused);
    P.FileName = saved;
    EXPECT_EQ(FileBytes(FCheckpoint), before);
  }

  TProgramData& P;
  TProjectTables& T;
  std::mt19937 G;
  QString FCheckpoint;
};

// The frequencies, points and time step stay what keeps a run short: the
// property is about the deck, not the analysis.
void KeepTheRunShort(TProgramData& P) {
  P.MaxFrequency = 20;
  P.MinFrequency = 1;
  P.StepFrequency = 1;
  P.RandomMaxFrequency = 20;
  P.RandomMinFrequency = 1;
}

std::vector<unsigned> Seeds(const TProjectCase& Case) {
  if (const char* seed = std::getenv("ZAV_DECK_SEED")) return {unsigned(std::stoul(seed))};
  const auto [system, load, units] = Case;
  std::vector<unsigned> seeds;
  for (int k = 0; k < SeedsPerProject; ++k)
    seeds.push_back(unsigned(1000 * int(system) + 100 * int(load) + 10 * units + k));
  return seeds;
}

class DeckPropertyTest : public ::testing::TestWithParam<TProjectCase> {};

TEST_P(DeckPropertyTest, EditedSavedReadAndSavedAgainGivesTheSameDeckAndReport) {
  for (const unsigned seed : Seeds(GetParam())) {
    const auto [system, load, units] = GetParam();
    SCOPED_TRACE("seed " + std::to_string(seed) + ", project " +
                 CaseName(::testing::TestParamInfo<TProjectCase>(GetParam(), 0)) +
                 " (ZAV_DECK_SEED=" + std::to_string(seed) + " repeats it)");
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    QDir root(dir.path());
    ASSERT_TRUE(root.mkpath(QStringLiteral("first")) && root.mkpath(QStringLiteral("second")));
    const QString first = root.filePath(QStringLiteral("first/job.kqd"));
    const QString second = root.filePath(QStringLiteral("second/job.kqd"));

    TProjectTables tables;
    QStringList cells;
    {
      TProgramData p(tables);
      FillProject(p, system, load, units);
      p.FileName = root.filePath(QStringLiteral("checkpoint.kqd"));
      p.SaveToFile();
      TRandomEditor editor(p, seed, p.FileName);
      for (int i = 0; i < EditsPerProject; ++i) editor.Edit();
      KeepTheRunShort(p);
      // The editor shows every table with its least rows.
      for (TGridTable* t : GridTables(&tables))
        if (t->RowCount() < t->MinRows()) t->SetRowCount(t->MinRows());
      ASSERT_EQ(p.SaveRefusal(), QString());
      p.FileName = first;
      p.SaveToFile();
      cells = CarriedCells(p);
    }

    QString message;
    auto again = TProgramData::CreateFromFile(tables, first, message);
    ASSERT_EQ(message, QString()) << FileBytes(first).toStdString();
    EXPECT_EQ(CarriedCells(*again), cells);
    again->FileName = second;
    again->SaveToFile();
    EXPECT_EQ(FileBytes(second), FileBytes(first));
    EXPECT_EQ(FileBytes(SideFileName(second, QStringLiteral(".kqm"))),
              FileBytes(SideFileName(first, QStringLiteral(".kqm"))));

    const TRun one = RunEngineOn(first);
    const TRun two = RunEngineOn(second);
    EXPECT_EQ(one.Status, two.Status);
    EXPECT_FALSE(one.Report.isEmpty());
    EXPECT_EQ(ReportOfTheDeck(one, root.filePath(QStringLiteral("first"))),
              ReportOfTheDeck(two, root.filePath(QStringLiteral("second"))));
  }
}

INSTANTIATE_TEST_SUITE_P(Projects, DeckPropertyTest, EveryProject(), CaseName);

}  // namespace
}  // namespace zavik
