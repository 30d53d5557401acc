#include "views/ProjectCells.h"

#include <algorithm>

namespace zavik {

double ColumnSum(const TGridTable* Table, TColumnIndex Col, int Rows) {
  double sum = 0;
  const int n = std::min(Rows, Table->RowCount());
  for (int r = 0; r < n; ++r) sum += Cell(Table, Col, r);
  return sum;
}

TPileCoordinate PileCoordinate(const TProjectTables& Tables, int Row) {
  const TGridTable* t = Tables.Pilecoord;
  using C = TPilecoordColumn;
  return {Cell(t, C::X, Row), Cell(t, C::Y, Row), Cell(t, C::BatterAngle, Row), int(BatterPlane(t, Row))};
}

TPileSection PileSection(const TProjectTables& Tables, int Row) {
  const TGridTable* t = Tables.PileData;
  using C = TPileDataColumn;
  TPileSection s{Cell(t, C::Length, Row), Cell(t, C::RadiusX, Row), Cell(t, C::RadiusY, Row)};
  if (s.RadiusX <= 0) s.RadiusX = s.RadiusY;
  if (s.RadiusY <= 0) s.RadiusY = s.RadiusX;
  return s;
}

}  // namespace zavik
