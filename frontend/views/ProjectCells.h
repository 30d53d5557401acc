#pragma once
// The cells of the project tables that the foundation views read: pile
// coordinates and batter, pile sections, layer thicknesses, by the columns'
// names. A row outside a table raises EListError.

#include "core/ProjectTables.h"

#include <limits>

namespace zavik {

inline double Cell(const TGridTable* Table, TColumnIndex Col, int Row) { return double(CellOf(Table, Col, Row)->AsFloat()); }

// Sum of a column over the first Rows rows (all rows when the table has fewer).
double ColumnSum(const TGridTable* Table, TColumnIndex Col, int Rows = std::numeric_limits<int>::max());

// Batter planes as the pile table numbers its choices.
inline constexpr int BatterPlaneXZ = int(TBatterPlane::XZ);
inline constexpr int BatterPlaneYZ = int(TBatterPlane::YZ);

struct TPileCoordinate {
  double X = 0, Y = 0;
  double BatterAngle = 0;  // degrees
  int BatterPlane = 0;     // BatterPlaneXZ or BatterPlaneYZ
};
TPileCoordinate PileCoordinate(const TProjectTables& Tables, int Row);

// One section of the pile table. A round pile has equal radii; a radius left
// at 0 takes the other one.
struct TPileSection {
  double Length = 0;
  double RadiusX = 0, RadiusY = 0;
};
TPileSection PileSection(const TProjectTables& Tables, int Row);

}  // namespace zavik
