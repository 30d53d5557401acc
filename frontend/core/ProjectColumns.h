#pragma once
// The columns of the thirteen project tables by name. Each list gives, per
// column, its name and its stored column definition (kind, caption lines,
// flags, column class, unit template, default); the same list yields the
// table's stored definition and the enumeration of its columns, so that a
// column read by name is the column the table defines.

#include "controls/Table.h"

#include <QString>

#include <type_traits>

namespace zavik {

// clang-format off
// Soil along the piles (PILE), side soil (MULTILAYER).
#define ZAV_D_COLUMNS(COLUMN) \
  COLUMN(ShearVelocity,        R"~(2, ("Shear wave", "velocity, "), True, False, False, "FLOATCOLUMN2", "L2/SEC", 0.0)~") \
  COLUMN(UnitWeight,           R"~(2, ("Unit weight"), True, False, False, "FLOATCOLUMN2", "F/L2^3", 0.0)~") \
  COLUMN(Poisson,              R"~(2, ("Poisson's", "ratio"), True, False, False, "FLOATCOLUMN2", "", 0.0)~") \
  COLUMN(Damping,              R"~(2, ("Material", "damping"), True, False, False, "FLOATCOLUMN2", "", 0.0)~") \
  COLUMN(WeakZoneModulusRatio, R"~(2, ("Weak zone shear", "modulus ratio"), True, False, False, "FLOATCOLUMN2", "", 0.0)~")

// Transient loads: the direction of each and its amplitudes.
#define ZAV_TLOADTYPE_COLUMNS(COLUMN) \
  COLUMN(Direction, R"~(0, ("Load type"), True, False, ("Force in X-direction", "Force in Y-direction",)~" \
     "\n     " R"~("Force in Z-direction", "Moment about X-axis", "Moment about Y-axis", "Moment about Z-axis"))~") \
  COLUMN(Amplitudes, R"~(3, ("Load amplitude"), True, False, "FLEXCOLUMN2", (8, 8, 8, 8, 8, 8))~")

// Pile elements, from the head down.
#define ZAV_PILEDATA_COLUMNS(COLUMN) \
  COLUMN(Length,       R"~(2, ("Layer ", "depth, "), True, False, False, "FLOATCOLUMN2", "L2", 0.0)~") \
  COLUMN(RadiusX,      R"~(2, ("Radius of pile", "(X-dir.) "), True, False, False, "FLOATCOLUMN2", "L2", 0.0)~") \
  COLUMN(RadiusY,      R"~(2, ("Radius of pile", "(Y-dir.)"), True, False, False, "FLOATCOLUMN2", "L2", 0.0)~") \
  COLUMN(Area,         R"~(2, ("Cross-sectional", "area, "), True, False, False, "FLOATCOLUMN2", "L2^2", 0.0)~") \
  COLUMN(InertiaX,     R"~(2, ("Moment of inertia", "(X-dir.)"), True, False, False, "FLOATCOLUMN2", "L2^4", 0.0)~") \
  COLUMN(InertiaY,     R"~(2, ("Moment of inertia", "(Y-dir.)"), True, False, False, "FLOATCOLUMN2", "L2^4", 0.0)~") \
  COLUMN(PolarInertia, R"~(2, ("Torsional polar moment", "of inertia (Z-dir.)"), True, False, False, "FLOATCOLUMN2", "L2^4", 0.0)~")

// Side soil of the pile cap.
#define ZAV_PILECAPSOIL_COLUMNS(COLUMN) \
  COLUMN(Thickness,            R"~(2, ("Thickness of", "layer, "), True, False, False, "FLOATCOLUMN2", "L2", 0.0)~") \
  COLUMN(ShearVelocity,        R"~(2, ("Shear wave", "velocity, "), True, False, False, "FLOATCOLUMN2", "L2/SEC", 0.0)~") \
  COLUMN(UnitWeight,           R"~(2, ("Unit weight"), True, False, False, "FLOATCOLUMN2", "F/L2^3", 0.0)~") \
  COLUMN(Poisson,              R"~(2, ("Poisson's", "ratio"), True, False, False, "FLOATCOLUMN2", "", 0.0)~") \
  COLUMN(Damping,              R"~(2, ("Material", "damping"), True, False, False, "FLOATCOLUMN2", "", 0.0)~") \
  COLUMN(WeakZoneModulusRatio, R"~(2, ("Weak zone", "shear moduli ratio"), True, False, False, "FLOATCOLUMN2", "", 0.0)~")

// The soil column below the embedded part of a multilayer foundation.
#define ZAV_MULTISOIL_COLUMNS(COLUMN) \
  COLUMN(ShearVelocity,        R"~(2, ("Shear Wave", "velocity,"), True, False, False, "FLOATCOLUMN2", "L2/SEC", 0.0)~") \
  COLUMN(UnitWeight,           R"~(2, ("Unit Weight"), True, False, False, "FLOATCOLUMN2", "F/L2^3", 0.0)~") \
  COLUMN(Poisson,              R"~(2, ("Poisson's", "Ratio"), True, False, False, "FLOATCOLUMN2", "", 0.0)~") \
  COLUMN(Damping,              R"~(2, ("Material", "Damping"), True, False, False, "FLOATCOLUMN2", "", 0.0)~") \
  COLUMN(WeakZoneModulusRatio, R"~(2, ("Weak Zone Shear ", "Modulus Ratio"), True, False, False, "FLOATCOLUMN2", "", 0.0)~") \
  COLUMN(DampingRatio,         R"~(2, ("Material Damping", "Ratio"), False, False, False, "FLOATCOLUMN2", "", 0.0)~")

// The layers of a multilayer foundation, from the top down.
#define ZAV_MULTIELEMENT_COLUMNS(COLUMN) \
  COLUMN(Length,               R"~(2, ("Layer Depth"), True, False, False, "FLOATCOLUMN2", "L2", 0.0)~") \
  COLUMN(RadiusX,              R"~(2, ("Radius of Foundation", "(X), "), True, False, False, "FLOATCOLUMN2", "L2", 0.0)~") \
  COLUMN(RadiusY,              R"~(2, ("Radius of Foundation", "(Y), "), True, False, False, "FLOATCOLUMN2", "L2", 0.0)~") \
  COLUMN(Area,                 R"~(2, ("Cross-Section", "Area"), True, False, False, "FLOATCOLUMN2", "L2^2", 0.0)~") \
  COLUMN(InertiaX,             R"~(2, ("Moment of Inertia", "(X), "), True, False, False, "FLOATCOLUMN2", "L2^4", 0.0)~") \
  COLUMN(InertiaY,             R"~(2, ("Moment of Inertia", "(Y),"), True, False, False, "FLOATCOLUMN2", "L2^4", 0.0)~") \
  COLUMN(TorsionalCoefficient, R"~(2, ("Torsional", "Coefficient"), True, False, False, "FLOATCOLUMN2", "", 0.0)~")

// The piles: where each stands, and its batter.
#define ZAV_PILECOORD_COLUMNS(COLUMN) \
  COLUMN(X,           R"~(2, ("X-coord."), True, False, False, "FLOATCOLUMN2", "L2", 0.0)~") \
  COLUMN(Y,           R"~(2, ("Y-coord."), True, False, False, "FLOATCOLUMN2", "L2", 0.0)~") \
  COLUMN(BatterAngle, R"~(2, ("Battered Angle", "(degrees)"), True, False, False, "FLOATCOLUMN2", "", 0.0)~") \
  COLUMN(BatterPlane, R"~(0, ("Battered Plane", "(Z-vertical axis)"), True, False, ("XZ-Plane", "YZ-Plane"))~")

// The amplitudes of one transient load.
#define ZAV_DTRANSIENT_COLUMNS(COLUMN) \
  COLUMN(Amplitude, R"~(2, ("Load Amplitude"), True, False, False, "FLOATCOLUMN2", "F", 0.0)~")

// Random loading: the location of each spectrum and its values.
#define ZAV_TRANDOM_COLUMNS(COLUMN) \
  COLUMN(Location, R"~(0, ("Spectrum Coordinates"), True, False, ("Force in X-directiin", "Force in Y-direction",)~" \
     "\n     " R"~("Force in Z-direction", "Moment about X-axis", "Moment about Y-axis", "Moment about Z-axis"))~") \
  COLUMN(Values, R"~(3, ("Enter Data"), True, False, "FLEXCOLUMN2", (13, 13, 13, 13, 13, 13))~")

// The values of one spectrum.
#define ZAV_TSPECTRUM_COLUMNS(COLUMN) \
  COLUMN(Value, R"~(2, ("Spectrum Data"), True, False, False, "FLOATCOLUMN2", "F", 0.0)~")

// Side soil of a footing on a half-space or a stratum.
#define ZAV_D1_COLUMNS(COLUMN) \
  COLUMN(Thickness,            R"~(2, ("Thickness"), True, False, False, "FLOATCOLUMN2", "L2", 0.0)~") \
  COLUMN(ShearVelocity,        R"~(2, ("Shear Wave", "Velocity,"), True, False, False, "FLOATCOLUMN2", "L2/SEC", 0.0)~") \
  COLUMN(UnitWeight,           R"~(2, ("Unit Weight"), True, False, False, "FLOATCOLUMN2", "F/L2^3", 0.0)~") \
  COLUMN(Poisson,              R"~(2, ("Poisson's", "Ratio"), True, False, False, "FLOATCOLUMN2", "", 0.0)~") \
  COLUMN(Damping,              R"~(2, ("Material", "Damping"), True, False, False, "FLOATCOLUMN2", "", 0.0)~") \
  COLUMN(WeakZoneModulusRatio, R"~(2, ("Weak Zone Shear", "Modulus Ratio"), True, False, False, "FLOATCOLUMN2", "", 0.0)~")

// No project data.
#define ZAV_TBATTERED_COLUMNS(COLUMN) \
  COLUMN(Plane, R"~(0, ("Batter Plane", "(Z-vertical axis)"), True, False, ("XZ-Plane", "YZ-Plane"))~") \
  COLUMN(Angle, R"~(2, ("Batter Angle"), True, False, False, "FLOATCOLUMN2", "DEGREES", 0.0)~")

// The mass components: each block's mass, centre and sizes.
#define ZAV_MASSCAL_COLUMNS(COLUMN) \
  COLUMN(Mass,      R"~(2, ("Mass"), True, False, False, "FLOATCOLUMN2", "F6", 0.0)~") \
  COLUMN(X,         R"~(2, ("x-Coord."), True, False, False, "FLOATCOLUMN2", "L2", 0.0)~") \
  COLUMN(Y,         R"~(2, ("y-Coord."), True, False, False, "FLOATCOLUMN2", "L2", 0.0)~") \
  COLUMN(Z,         R"~(2, ("z-Coord."), True, False, False, "FLOATCOLUMN2", "L2", 0.0)~") \
  COLUMN(Length,    R"~(2, ("Length ", "(x-direction)"), True, False, False, "FLOATCOLUMN2", "L2", 0.0)~") \
  COLUMN(Width,     R"~(2, ("Width ", "(y-direction)"), True, False, False, "FLOATCOLUMN2", "L2", 0.0)~") \
  COLUMN(Thickness, R"~(2, ("Thickness", "(z-direction)"), True, False, False, "FLOATCOLUMN2", "L2", 0.0)~")
// clang-format on

#define ZAV_COLUMN_NAME(Name, Definition) Name,
#define ZAV_COLUMN_DEFINITION(Name, Definition) Definition,
// The enumeration of a table's columns, in their order, and the definitions
// of its columns in the same order.
#define ZAV_DEFINE_COLUMNS(Enum, List)                                          \
  enum class Enum { List(ZAV_COLUMN_NAME) };                                    \
  inline constexpr const char* const Enum##Definitions[] = {List(ZAV_COLUMN_DEFINITION)};

ZAV_DEFINE_COLUMNS(TDColumn, ZAV_D_COLUMNS)
ZAV_DEFINE_COLUMNS(TTLoadtypeColumn, ZAV_TLOADTYPE_COLUMNS)
ZAV_DEFINE_COLUMNS(TPileDataColumn, ZAV_PILEDATA_COLUMNS)
ZAV_DEFINE_COLUMNS(TPilecapsoilColumn, ZAV_PILECAPSOIL_COLUMNS)
ZAV_DEFINE_COLUMNS(TMultisoilColumn, ZAV_MULTISOIL_COLUMNS)
ZAV_DEFINE_COLUMNS(TMultiElementColumn, ZAV_MULTIELEMENT_COLUMNS)
ZAV_DEFINE_COLUMNS(TPilecoordColumn, ZAV_PILECOORD_COLUMNS)
ZAV_DEFINE_COLUMNS(TDtransientColumn, ZAV_DTRANSIENT_COLUMNS)
ZAV_DEFINE_COLUMNS(TTrandomColumn, ZAV_TRANDOM_COLUMNS)
ZAV_DEFINE_COLUMNS(TTspectrumColumn, ZAV_TSPECTRUM_COLUMNS)
ZAV_DEFINE_COLUMNS(TD1Column, ZAV_D1_COLUMNS)
ZAV_DEFINE_COLUMNS(TTBatteredColumn, ZAV_TBATTERED_COLUMNS)
ZAV_DEFINE_COLUMNS(TMassCalColumn, ZAV_MASSCAL_COLUMNS)

#undef ZAV_DEFINE_COLUMNS
#undef ZAV_COLUMN_DEFINITION
#undef ZAV_COLUMN_NAME

// The stored definition of a table's columns: their count, then each
// column's definition, one a line.
template <std::size_t N>
QString StoredColumns(const char* const (&Definitions)[N]) {
  QString text = QString::number(N);
  for (const char* d : Definitions) text += QStringLiteral(",\n  ") + QString::fromUtf8(d);
  return text;
}

// A column name of one of the lists above.
template <class C>
concept ProjectColumn = std::is_enum_v<C>;

// The index of a named column.
template <ProjectColumn C>
constexpr int Column(C Name) {
  return static_cast<int>(Name);
}

// The thickness (or length) of a layer, which every table of layers has
// first: a reader that takes its layers from one table or another reads it so.
enum class TLayerColumn { Thickness };
static_assert(Column(TD1Column::Thickness) == Column(TLayerColumn::Thickness) &&
              Column(TPilecapsoilColumn::Thickness) == Column(TLayerColumn::Thickness) &&
              Column(TPileDataColumn::Length) == Column(TLayerColumn::Thickness) &&
              Column(TMultiElementColumn::Length) == Column(TLayerColumn::Thickness));

// A column given by its name, for helpers that serve several tables.
struct TColumnIndex {
  template <ProjectColumn C>
  constexpr TColumnIndex(C Name) : Index(Column(Name)) {}  // NOLINT: a name stands for its column
  int Index;
};

// The cell of a named column in a row.
inline TData* CellOf(const TGridTable* Table, TColumnIndex Name, int Row) { return Table->Cells(Name.Index, Row); }

// The choices of the pile table's batter plane, as its column numbers them.
enum class TBatterPlane { XZ = 1, YZ = 2 };

}  // namespace zavik
