#pragma once
// The cells of the project tables that the foundation views read: pile
// coordinates and batter, pile sections, layer thicknesses. Column numbers
// count from 0. A row outside a table raises EListError.

#include "app/project/ProjectTables.h"

#include <limits>

namespace zavik {

inline double Cell(const TGridTable* Table, int Col, int Row) {
  return double(Table->Cells(Col, Row)->AsFloat());
}

// Sum of a column over the first Rows rows (all rows when the table has fewer).
double ColumnSum(const TGridTable* Table, int Col, int Rows = std::numeric_limits<int>::max());

// Batter planes as the pile table numbers its choices.
inline constexpr int BatterPlaneXZ = 1;
inline constexpr int BatterPlaneYZ = 2;

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
