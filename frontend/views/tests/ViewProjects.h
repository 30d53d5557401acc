#pragma once
// Projects for the view tests: the example decks read as the program reads
// them, and small hand-made projects whose pictures are worked out by hand.

#include "core/ProgramData.h"

#include <gtest/gtest.h>

#include <QString>

#include <initializer_list>
#include <memory>
#include <string>

namespace zavik::testing {

// One project with its tables; only one set of tables may live at a time.
struct TViewProject {
  TProjectTables Tables;
  std::unique_ptr<TProgramData> Project;

  TProgramData& P() { return *Project; }
  TProjectTables& T() { return Tables; }
};

// An example deck of examples/, read whole.
inline std::unique_ptr<TViewProject> Example(const char* Name) {
  auto v = std::make_unique<TViewProject>();
  QString message;
  v->Project = TProgramData::CreateFromFile(
      v->Tables, QStringLiteral(ZAV_EXAMPLES_DIR "/%1.kqd").arg(QLatin1String(Name)), message);
  EXPECT_TRUE(message.isEmpty()) << Name << ": " << message.toStdString();
  return v;
}

// A test name for an example deck: its name with underscores for dashes.
inline std::string ExampleTestName(const char* Example) {
  std::string name = Example;
  for (char& c : name)
    if (c == '-') c = '_';
  return name;
}

// A new project (SI, one default row in every table).
inline std::unique_ptr<TViewProject> NewProject() {
  auto v = std::make_unique<TViewProject>();
  v->Project = std::make_unique<TProgramData>(v->Tables);
  return v;
}

// Column values of one row, from column 0 on.
inline void SetRow(TGridTable* T, int Row, std::initializer_list<double> Values) {
  int c = 0;
  for (double v : Values) T->Cells(c++, Row)->SetFloat(v);
}

// Rows of a table, each given from column 0 on.
inline void SetRows(TGridTable* T, std::initializer_list<std::initializer_list<double>> Rows) {
  T->SetRowCount(int(Rows.size()));
  int r = 0;
  for (auto row : Rows) SetRow(T, r++, row);
}

// A pile foundation: a rectangular cap, piles at (x, y, batter angle, plane)
// and pile sections of (length, radius x, radius y).
inline void MakePileProject(TProgramData& P, double CapLength, double CapWidth,
                            std::initializer_list<std::initializer_list<double>> Piles,
                            std::initializer_list<std::initializer_list<double>> Sections) {
  TProjectTables& T = P.Tables();
  P.FoundationKind = TFoundationKind::Pile;
  P.FootingShape = TFootingShape::Rectangular;
  P.FootingLength = CapLength;
  P.FootingWidth = CapWidth;
  T.Pilecoord->SetRowCount(int(Piles.size()));
  int r = 0;
  for (auto pile : Piles) {
    const double* v = pile.begin();
    SetRow(T.Pilecoord, r, {v[0], v[1], pile.size() > 2 ? v[2] : 0});
    T.Pilecoord->Cells(3, r)->SetInteger(pile.size() > 3 ? int(v[3]) : 1);
    ++r;
  }
  SetRows(T.PileData, Sections);
  T.D->SetRowCount(int(Sections.size()));
  for (int s = 0; s < int(Sections.size()); ++s) SetRow(T.D, s, {100.0 + 50 * s, 18, 0.4});
}

}  // namespace zavik::testing
