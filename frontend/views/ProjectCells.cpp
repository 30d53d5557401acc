#include "views/ProjectCells.h"

#include <algorithm>

namespace zavik {

double ColumnSum(const TGridTable* Table, int Col, int Rows) {
  double sum = 0;
  const int n = std::min(Rows, Table->RowCount());
  for (int r = 0; r < n; ++r) sum += Cell(Table, Col, r);
  return sum;
}

TPileCoordinate PileCoordinate(const TProjectTables& Tables, int Row) {
  const TGridTable* t = Tables.Pilecoord;
  return {Cell(t, 0, Row), Cell(t, 1, Row), Cell(t, 2, Row), t->Cells(3, Row)->AsInteger()};
}

TPileSection PileSection(const TProjectTables& Tables, int Row) {
  const TGridTable* t = Tables.PileData;
  TPileSection s{Cell(t, 0, Row), Cell(t, 1, Row), Cell(t, 2, Row)};
  if (s.RadiusX <= 0) s.RadiusX = s.RadiusY;
  if (s.RadiusY <= 0) s.RadiusY = s.RadiusX;
  return s;
}

}  // namespace zavik
