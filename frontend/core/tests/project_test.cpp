// A new project, its tables, unit switching and the deck's number format.
#include "SampleProjects.h"

#include "controls/NumberFormat.h"

#include <gtest/gtest.h>

#include <cmath>

namespace zavik {
namespace {

TEST(NewProject, IsSiWithOneDefaultRowInEveryTableAndNotModified) {
  TProjectTables tables;
  QStringList calls;
  QObject::connect(&tables, &TProjectTables::NewProjectStarting, [&] { calls << QStringLiteral("close"); });
  QObject::connect(&tables, &TProjectTables::UnitsConverted, [&] { calls << QStringLiteral("refresh"); });
  QObject::connect(&tables, &TProjectTables::ModifiedChanged,
                   [&](bool m) { calls << (m ? QStringLiteral("modified") : QStringLiteral("clean")); });
  tables.SetModified(true);
  calls.clear();

  TProgramData p(tables);
  // The old project's windows close before anything of the new one exists.
  ASSERT_FALSE(calls.isEmpty());
  EXPECT_EQ(calls.first(), QStringLiteral("close"));
  EXPECT_EQ(calls.last(), QStringLiteral("clean"));
  EXPECT_FALSE(tables.Modified());

  EXPECT_EQ(Code(p.Units), 2);
  EXPECT_EQ(p.Title, QStringLiteral("New Pile"));
  EXPECT_EQ(p.FileName, QStringLiteral("NewData.kqd"));
  EXPECT_EQ(p.FoundationType(), QStringLiteral("HALF-SPACE"));
  EXPECT_EQ(Code(p.FoundationKind), 1);
  EXPECT_EQ(Code(p.LoadType), 1);
  EXPECT_EQ(Code(p.PileHead), 1);
  EXPECT_EQ(p.StiffnessMatrix, 1);
  EXPECT_EQ(p.Interaction, 1);
  EXPECT_EQ(Code(p.PileTip), 0);
  EXPECT_FALSE(p.Battered);
  EXPECT_FALSE(p.SideCap);
  EXPECT_TRUE(p.WeakZone);
  ASSERT_EQ(tables.Tables().size(), 13);
  for (TGridTable* t : tables.Tables()) {
    SCOPED_TRACE(t->objectName().toStdString());
    EXPECT_EQ(t->Units(), 2);
    ASSERT_EQ(t->RowCount(), 1);
    for (int c = 0; c < t->ColumnCount(); ++c) {
      if (dynamic_cast<TFloatColumn*>(t->Columns(c))) {
        EXPECT_EQ(t->Cells(c, 0)->AsFloat(), 0);
      }
      if (dynamic_cast<TEnumColumn*>(t->Columns(c))) {
        EXPECT_EQ(t->Cells(c, 0)->AsInteger(), 1);
      }
    }
  }
}

struct TableRow {
  const char* Name;
  int Identifier;
  int MaxRows;
  int Columns;
  int VisibleColumns;
  const char* FirstHeader;  // header lines of column 0 joined by " / "
};

void PrintTo(const TableRow& R, std::ostream* Os) { *Os << R.Name; }

class ProjectTableTest : public ::testing::TestWithParam<TableRow> {};

TEST_P(ProjectTableTest, IsDefinedByItsStoredColumns) {
  const TableRow& row = GetParam();
  TProjectTables tables;
  TGridTable* t = tables.TableByName(QLatin1String(row.Name));
  ASSERT_NE(t, nullptr);
  EXPECT_EQ(t->Identifier(), row.Identifier);
  EXPECT_EQ(t->MaxRows(), row.MaxRows);
  EXPECT_EQ(t->MinRows(), 1);
  EXPECT_EQ(t->ColumnCount(), row.Columns);
  EXPECT_EQ(t->VisibleColumnCount(), row.VisibleColumns);
  EXPECT_EQ(t->Columns(0)->Headers.join(QStringLiteral(" / ")), QString::fromUtf8(row.FirstHeader));
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Tables, ProjectTableTest, ::testing::Values(
  TableRow{"D",            15,  20, 5, 5, "Shear wave / velocity, "},
  TableRow{"TLoadtype",    14,   0, 2, 2, "Load type"},
  TableRow{"PileData",      3, 200, 7, 7, "Layer  / depth, "},
  TableRow{"pilecapsoil",   4,  20, 6, 6, "Thickness of / layer, "},
  TableRow{"Multisoil",     5,  20, 6, 5, "Shear Wave / velocity,"},
  TableRow{"MultiElement", 19,  20, 7, 7, "Layer Depth"},
  TableRow{"Pilecoord",     7, 500, 4, 4, "X-coord."},
  TableRow{"Dtransient",    8,   0, 1, 1, "Load Amplitude"},
  TableRow{"Trandom",       9,   0, 2, 2, "Spectrum Coordinates"},
  TableRow{"Tspectrum",    13,   0, 1, 1, "Spectrum Data"},
  TableRow{"D1",           11,  20, 6, 6, "Thickness"},
  TableRow{"TBattered",    16,   0, 2, 2, "Batter Plane / (Z-vertical axis)"},
  TableRow{"MassCal",      12, 100, 7, 7, "Mass"}),
  [](const auto& Info) { return std::string(Info.param.Name); });
// clang-format on

TEST(ProjectTables, LoadRowsHoldValueTablesMadeFromTheirTemplates) {
  TProjectTables tables;
  TProgramData p(tables);
  for (TGridTable* loads : {tables.TLoadtype, tables.Trandom}) {
    const TGridTable* source = loads == tables.TLoadtype ? tables.Dtransient : tables.Tspectrum;
    loads->SetRowCount(2);
    loads->Cells(0, 1)->SetInteger(6);  // another item makes another copy
    for (int r = 0; r < 2; ++r) {
      TGridTable* values = loads->Cells(1, r)->AsTable();
      ASSERT_NE(values, nullptr);
      EXPECT_NE(values, source);
      EXPECT_EQ(values->Col(), source->Col());
      EXPECT_EQ(values->RowCount(), 1);
    }
  }
}

TEST(ProjectTables, SetsLiveSideBySideAndGoInAnyOrder) {
  auto first = std::make_unique<TProjectTables>();
  TProjectTables second;
  EXPECT_EQ(first->D->Identifier(), 15);
  EXPECT_EQ(second.D->Identifier(), 15);
  first->TLoadtype->SetRowCount(1);
  EXPECT_EQ(first->TLoadtype->Cells(1, 0)->AsTable()->parent(), first->TLoadtype);
  first.reset();
  // The second set's load tables still find their own templates.
  second.TLoadtype->SetRowCount(2);
  second.Trandom->SetRowCount(1);
  ASSERT_NE(second.TLoadtype->Cells(1, 1)->AsTable(), nullptr);
  EXPECT_EQ(second.TLoadtype->Cells(1, 1)->AsTable()->Caption(), QStringLiteral("Load Amplitude"));
  ASSERT_NE(second.Trandom->Cells(1, 0)->AsTable(), nullptr);
  EXPECT_EQ(second.Trandom->Cells(1, 0)->AsTable()->Caption(),
            QStringLiteral("Random Spectrum Data"));
}

// English units per SI unit, as the unit catalogue fixes them.
constexpr long double lb = 224.8089237L, ft = 3.280839895L, slug = 68.364249L;

struct ConvertRow {
  const char* Name;
  long double TProgramData::*Field;
  int Quadratic;
  long double ToEnglish;  // factor from SI to English
};

void PrintTo(const ConvertRow& R, std::ostream* Os) { *Os << R.Name; }

class ConvertUnitsTest : public ::testing::TestWithParam<ConvertRow> {};

TEST_P(ConvertUnitsTest, ScalesEachFieldByItsDimensionOnce) {
  const ConvertRow& row = GetParam();
  TProjectTables tables;
  TProgramData p(tables);
  p.Quadratic = row.Quadratic;
  p.*row.Field = 2.5L;
  p.ConvertUnits(TUnits::SI);  // the system in force: nothing changes
  EXPECT_EQ(p.*row.Field, 2.5L);
  p.ConvertUnits(TUnits::English);
  EXPECT_EQ(Code(p.Units), 1);
  EXPECT_NEAR(p.*row.Field / (2.5L * row.ToEnglish), 1, 1e-15);
  p.ConvertUnits(TUnits::English);
  EXPECT_NEAR(p.*row.Field / (2.5L * row.ToEnglish), 1, 1e-15);
  p.ConvertUnits(TUnits(7));  // clamped to SI
  EXPECT_EQ(Code(p.Units), 2);
  EXPECT_NEAR(p.*row.Field / 2.5L, 1, 1e-15);
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Fields, ConvertUnitsTest, ::testing::Values(
  ConvertRow{"FootingRadius",      &TProgramData::FootingRadius,      0, ft},
  ConvertRow{"TipShearVelocity",   &TProgramData::TipShearVelocity,   0, ft},
  ConvertRow{"BedrockDepth",       &TProgramData::BedrockDepth,       0, ft},
  ConvertRow{"CBGlobalZ",          &TProgramData::CBGlobalZ,          0, ft},
  ConvertRow{"TipUnitWeight",      &TProgramData::TipUnitWeight,      0, lb / (ft * ft * ft)},
  ConvertRow{"PileModulus",        &TProgramData::PileModulus,        0, lb / (ft * ft)},
  ConvertRow{"StaticLoad",         &TProgramData::StaticLoad,         0, lb},
  ConvertRow{"TotalMass",          &TProgramData::TotalMass,          0, slug},
  ConvertRow{"ProductYZ",          &TProgramData::ProductYZ,          0, slug * ft * ft},
  ConvertRow{"ForceX",             &TProgramData::ForceX,             0, lb},
  ConvertRow{"MomentY",            &TProgramData::MomentY,            0, lb * ft},
  ConvertRow{"ForceCoefficient",   &TProgramData::ForceZ,             1, slug * ft},
  ConvertRow{"MomentCoefficient",  &TProgramData::MomentZ,            1, slug * ft * ft},
  ConvertRow{"MaxFrequency",       &TProgramData::MaxFrequency,       0, 1},
  ConvertRow{"TimeInterval",       &TProgramData::TimeInterval,       0, 1},
  ConvertRow{"RandomMinFrequency", &TProgramData::RandomMinFrequency, 0, 1},
  ConvertRow{"ObservationPeriod",  &TProgramData::ObservationPeriod,  0, 1},
  ConvertRow{"PilePoisson",        &TProgramData::PilePoisson,        0, 1},
  ConvertRow{"TipDamping",         &TProgramData::TipDamping,         0, 1}),
  [](const auto& Info) { return std::string(Info.param.Name); });
// clang-format on

TEST(ConvertUnits, SwitchesEveryTableAndRefreshesTheWindows) {
  TProjectTables tables;
  TProgramData p(tables);
  QList<int> refreshed;
  QObject::connect(&tables, &TProjectTables::UnitsConverted,
                   [&](int units) { refreshed.append(units); });
  tables.D->Cells(0, 0)->SetFloat(200);    // m/s
  tables.MassCal->Cells(0, 0)->SetFloat(2);  // Mg
  tables.TLoadtype->Cells(1, 0)->AsTable()->Cells(0, 0)->SetFloat(10);  // kN
  p.ConvertUnits(TUnits::English);
  EXPECT_EQ(refreshed, QList<int>{1});
  for (TGridTable* t : tables.Tables()) EXPECT_EQ(t->Units(), 1);
  EXPECT_NEAR(tables.D->Cells(0, 0)->AsFloat() / (200 * ft), 1, 1e-15);
  EXPECT_NEAR(tables.MassCal->Cells(0, 0)->AsFloat() / (2 * slug), 1, 1e-15);
  EXPECT_NEAR(tables.TLoadtype->Cells(1, 0)->AsTable()->Cells(0, 0)->AsFloat() / (10 * lb), 1, 1e-15);
  p.ConvertUnits(TUnits::SI);
  EXPECT_NEAR(tables.D->Cells(0, 0)->AsFloat() / 200, 1, 1e-15);
}

struct FormatRow {
  long double Value;
  const char* Text;
};

void PrintTo(const FormatRow& R, std::ostream* Os) { *Os << R.Text; }

class DeckFloatToStrTest : public ::testing::TestWithParam<FormatRow> {};

TEST_P(DeckFloatToStrTest, WritesEightDigitsWithAPointWhateverTheSeparator) {
  DecimalSeparator = QLatin1Char(',');
  const QString text = DeckFloatToStr(GetParam().Value);
  DecimalSeparator = QLatin1Char('.');
  EXPECT_EQ(text, QLatin1String(GetParam().Text));
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Values, DeckFloatToStrTest, ::testing::Values(
  FormatRow{0,                    "0"},
  FormatRow{2.5L,                 "2.5"},
  FormatRow{0.0001L,              "0.0001"},
  FormatRow{1e-6L,                "1E-6"},
  FormatRow{12345678,             "12345678"},
  FormatRow{123456789,            "1.2345679E8"},
  FormatRow{1.2345678e15L,        "1.2345678E15"},
  FormatRow{-6.28L * 0.5L,        "-3.14"},
  FormatRow{-1.23456789e-4000L,   "-1.2345679E-4000"}));
// clang-format on

}  // namespace
}  // namespace zavik
