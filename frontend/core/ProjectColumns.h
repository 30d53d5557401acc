#pragma once
// The columns of the thirteen project tables by name, and where the deck
// gives each. Each table has a list that gives, per column, its name and its
// stored column definition (kind, caption lines, flags, column class, unit
// template, default); the same list yields the table's stored definition and
// the enumeration of its columns, so that a column read by name is the column
// the table defines. Beside each list stands the table's deck layout: every
// column of the list, in the order the deck gives them, with its place there
// (or kept by the front end only). The deck writer and reader walk the
// layouts; a column that a layout leaves out does not compile.

#include "controls/Table.h"

#include <QString>

#include <array>
#include <concepts>
#include <cstddef>
#include <span>
#include <type_traits>

namespace zavik {

// A column name of one of the lists below.
template <class C>
concept ProjectColumn = std::is_enum_v<C>;

// The index of a named column.
template <ProjectColumn C>
constexpr int Column(C Name) {
  return static_cast<int>(Name);
}

// Where the deck gives a column of a table.
enum class TDeckPlace {
  // In the line of its row (after the row's number where rows are numbered),
  // in the order of the table's layout.
  Row,
  // In the line of its row where the deck gives the layers with their
  // weakened zones (the values derived from them follow the row's cells);
  // where it gives the layers without, not at all.
  WeakZoneRow,
  // On lines of their own, which the deck's section of the table writes and
  // reads by the columns' names (a pile's batter, a load's direction and its
  // values); DeckLayout.h names them for each table.
  OwnLines,
  // Not in the deck: the front end keeps it while the project is open, and a
  // project read from a deck has the column's default.
  FrontEndOnly,
};

// A column of a deck layout, by its index.
struct TDeckColumn {
  int Index;
  TDeckPlace Place;
};
// A table's deck layout: its columns in the order the deck gives them.
using TDeckLayout = std::span<const TDeckColumn>;

template <ProjectColumn C>
struct TPlacedColumn {
  C Name;
  TDeckPlace Place;
};
// A column with its place: InRow(TD1Column::Thickness).
template <TDeckPlace Place>
struct TPlaceColumn {
  template <ProjectColumn C>
  constexpr TPlacedColumn<C> operator()(C Name) const {
    return {Name, Place};
  }
};
inline constexpr TPlaceColumn<TDeckPlace::Row> InRow;
inline constexpr TPlaceColumn<TDeckPlace::WeakZoneRow> InWeakZoneRow;
inline constexpr TPlaceColumn<TDeckPlace::OwnLines> OnOwnLines;
inline constexpr TPlaceColumn<TDeckPlace::FrontEndOnly> FrontEndOnly;

// The layout of the columns of one table, in the order given.
template <ProjectColumn C, std::same_as<TPlacedColumn<C>>... More>
constexpr std::array<TDeckColumn, 1 + sizeof...(More)> DeckLayout(TPlacedColumn<C> First, More... Rest) {
  return {TDeckColumn{Column(First.Name), First.Place}, TDeckColumn{Column(Rest.Name), Rest.Place}...};
}

// True when the layout gives each of the table's columns (their stored
// definitions) a place, once.
template <std::size_t M, std::size_t N>
constexpr bool PlacesEachColumnOnce(const std::array<TDeckColumn, M>& Layout, const char* const (&)[N]) {
  for (std::size_t c = 0; c < N; ++c) {
    int places = 0;
    for (const TDeckColumn& column : Layout) places += column.Index == int(c);
    if (places != 1) return false;
  }
  return M == N;
}

// True when every column that the layout puts in a row's line is a number
// column (stored kind 2): the deck's rows are numbers.
template <std::size_t M, std::size_t N>
constexpr bool RowsHoldNumbers(const std::array<TDeckColumn, M>& Layout, const char* const (&Definitions)[N]) {
  for (const TDeckColumn& column : Layout)
    if ((column.Place == TDeckPlace::Row || column.Place == TDeckPlace::WeakZoneRow) &&
        (column.Index < 0 || column.Index >= int(N) || Definitions[column.Index][0] != '2'))
      return false;
  return true;
}

#define ZAV_COLUMN_NAME(Name, Definition) Name,
#define ZAV_COLUMN_DEFINITION(Name, Definition) Definition,
// The enumeration of a table's columns, in their order, and the definitions
// of its columns in the same order.
#define ZAV_DEFINE_COLUMNS(Enum, List)                                          \
  enum class Enum { List(ZAV_COLUMN_NAME) };                                    \
  inline constexpr const char* const Enum##Definitions[] = {List(ZAV_COLUMN_DEFINITION)};
// A table's layout places each of its columns, and puts number columns only
// in its rows.
#define ZAV_CHECK_DECK_LAYOUT(Enum, Layout)                                                                  \
  static_assert(PlacesEachColumnOnce(Layout, Enum##Definitions),                                             \
                "Each column of " #Enum " needs its place in " #Layout " (ProjectColumns.h), once.");       \
  static_assert(RowsHoldNumbers(Layout, Enum##Definitions),                                                  \
                #Layout " puts a column that is no number column in a row's line: give it lines of its own " \
                "(OnOwnLines) and its section of the deck writer and reader.");

// clang-format off
// Soil along the piles (PILE), side soil (MULTILAYER).
#define ZAV_D_COLUMNS(COLUMN) \
  COLUMN(ShearVelocity,        R"~(2, ("Shear wave", "velocity, "), True, False, False, "FLOATCOLUMN2", "L2/SEC", 0.0)~") \
  COLUMN(UnitWeight,           R"~(2, ("Unit weight"), True, False, False, "FLOATCOLUMN2", "F/L2^3", 0.0)~") \
  COLUMN(Poisson,              R"~(2, ("Poisson's", "ratio"), True, False, False, "FLOATCOLUMN2", "", 0.0)~") \
  COLUMN(Damping,              R"~(2, ("Material", "damping"), True, False, False, "FLOATCOLUMN2", "", 0.0)~") \
  COLUMN(WeakZoneModulusRatio, R"~(2, ("Weak zone shear", "modulus ratio"), True, False, False, "FLOATCOLUMN2", "", 0.0)~")
ZAV_DEFINE_COLUMNS(TDColumn, ZAV_D_COLUMNS)
inline constexpr auto DDeckLayout = [] {
  using enum TDColumn;
  return DeckLayout(InRow(ShearVelocity), InRow(UnitWeight), InRow(Poisson), InRow(Damping),
                    InWeakZoneRow(WeakZoneModulusRatio));
}();
ZAV_CHECK_DECK_LAYOUT(TDColumn, DDeckLayout)

// Transient loads: the direction of each and its amplitudes.
#define ZAV_TLOADTYPE_COLUMNS(COLUMN) \
  COLUMN(Direction, R"~(0, ("Load type"), True, False, ("Force in X-direction", "Force in Y-direction",)~" \
     "\n     " R"~("Force in Z-direction", "Moment about X-axis", "Moment about Y-axis", "Moment about Z-axis"))~") \
  COLUMN(Amplitudes, R"~(3, ("Load amplitude"), True, False, "FLEXCOLUMN2", (8, 8, 8, 8, 8, 8))~")
ZAV_DEFINE_COLUMNS(TTLoadtypeColumn, ZAV_TLOADTYPE_COLUMNS)
inline constexpr auto TLoadtypeDeckLayout = [] {
  using enum TTLoadtypeColumn;
  return DeckLayout(OnOwnLines(Direction), OnOwnLines(Amplitudes));
}();
ZAV_CHECK_DECK_LAYOUT(TTLoadtypeColumn, TLoadtypeDeckLayout)

// Pile elements, from the head down.
#define ZAV_PILEDATA_COLUMNS(COLUMN) \
  COLUMN(Length,       R"~(2, ("Layer ", "depth, "), True, False, False, "FLOATCOLUMN2", "L2", 0.0)~") \
  COLUMN(RadiusX,      R"~(2, ("Radius of pile", "(X-dir.) "), True, False, False, "FLOATCOLUMN2", "L2", 0.0)~") \
  COLUMN(RadiusY,      R"~(2, ("Radius of pile", "(Y-dir.)"), True, False, False, "FLOATCOLUMN2", "L2", 0.0)~") \
  COLUMN(Area,         R"~(2, ("Cross-sectional", "area, "), True, False, False, "FLOATCOLUMN2", "L2^2", 0.0)~") \
  COLUMN(InertiaX,     R"~(2, ("Moment of inertia", "(X-dir.)"), True, False, False, "FLOATCOLUMN2", "L2^4", 0.0)~") \
  COLUMN(InertiaY,     R"~(2, ("Moment of inertia", "(Y-dir.)"), True, False, False, "FLOATCOLUMN2", "L2^4", 0.0)~") \
  COLUMN(PolarInertia, R"~(2, ("Torsional polar moment", "of inertia (Z-dir.)"), True, False, False, "FLOATCOLUMN2", "L2^4", 0.0)~")
ZAV_DEFINE_COLUMNS(TPileDataColumn, ZAV_PILEDATA_COLUMNS)
inline constexpr auto PileDataDeckLayout = [] {
  using enum TPileDataColumn;
  return DeckLayout(InRow(Length), InRow(RadiusX), InRow(RadiusY), InRow(Area), InRow(InertiaX), InRow(InertiaY),
                    InRow(PolarInertia));
}();
ZAV_CHECK_DECK_LAYOUT(TPileDataColumn, PileDataDeckLayout)

// Side soil of the pile cap.
#define ZAV_PILECAPSOIL_COLUMNS(COLUMN) \
  COLUMN(Thickness,            R"~(2, ("Thickness of", "layer, "), True, False, False, "FLOATCOLUMN2", "L2", 0.0)~") \
  COLUMN(ShearVelocity,        R"~(2, ("Shear wave", "velocity, "), True, False, False, "FLOATCOLUMN2", "L2/SEC", 0.0)~") \
  COLUMN(UnitWeight,           R"~(2, ("Unit weight"), True, False, False, "FLOATCOLUMN2", "F/L2^3", 0.0)~") \
  COLUMN(Poisson,              R"~(2, ("Poisson's", "ratio"), True, False, False, "FLOATCOLUMN2", "", 0.0)~") \
  COLUMN(Damping,              R"~(2, ("Material", "damping"), True, False, False, "FLOATCOLUMN2", "", 0.0)~") \
  COLUMN(WeakZoneModulusRatio, R"~(2, ("Weak zone", "shear moduli ratio"), True, False, False, "FLOATCOLUMN2", "", 0.0)~")
ZAV_DEFINE_COLUMNS(TPilecapsoilColumn, ZAV_PILECAPSOIL_COLUMNS)
inline constexpr auto PilecapsoilDeckLayout = [] {
  using enum TPilecapsoilColumn;
  return DeckLayout(InRow(Thickness), InRow(ShearVelocity), InRow(UnitWeight), InRow(Poisson), InRow(Damping),
                    InWeakZoneRow(WeakZoneModulusRatio));
}();
ZAV_CHECK_DECK_LAYOUT(TPilecapsoilColumn, PilecapsoilDeckLayout)

// The soil column below the embedded part of a multilayer foundation.
#define ZAV_MULTISOIL_COLUMNS(COLUMN) \
  COLUMN(ShearVelocity,        R"~(2, ("Shear Wave", "velocity,"), True, False, False, "FLOATCOLUMN2", "L2/SEC", 0.0)~") \
  COLUMN(UnitWeight,           R"~(2, ("Unit Weight"), True, False, False, "FLOATCOLUMN2", "F/L2^3", 0.0)~") \
  COLUMN(Poisson,              R"~(2, ("Poisson's", "Ratio"), True, False, False, "FLOATCOLUMN2", "", 0.0)~") \
  COLUMN(Damping,              R"~(2, ("Material", "Damping"), True, False, False, "FLOATCOLUMN2", "", 0.0)~") \
  COLUMN(WeakZoneModulusRatio, R"~(2, ("Weak Zone Shear ", "Modulus Ratio"), True, False, False, "FLOATCOLUMN2", "", 0.0)~") \
  COLUMN(DampingRatio,         R"~(2, ("Material Damping", "Ratio"), False, False, False, "FLOATCOLUMN2", "", 0.0)~")
ZAV_DEFINE_COLUMNS(TMultisoilColumn, ZAV_MULTISOIL_COLUMNS)
inline constexpr auto MultisoilDeckLayout = [] {
  using enum TMultisoilColumn;
  return DeckLayout(InRow(ShearVelocity), InRow(UnitWeight), InRow(Poisson), InRow(Damping),
                    InRow(WeakZoneModulusRatio), InRow(DampingRatio));
}();
ZAV_CHECK_DECK_LAYOUT(TMultisoilColumn, MultisoilDeckLayout)

// The layers of a multilayer foundation, from the top down.
#define ZAV_MULTIELEMENT_COLUMNS(COLUMN) \
  COLUMN(Length,               R"~(2, ("Layer Depth"), True, False, False, "FLOATCOLUMN2", "L2", 0.0)~") \
  COLUMN(RadiusX,              R"~(2, ("Radius of Foundation", "(X), "), True, False, False, "FLOATCOLUMN2", "L2", 0.0)~") \
  COLUMN(RadiusY,              R"~(2, ("Radius of Foundation", "(Y), "), True, False, False, "FLOATCOLUMN2", "L2", 0.0)~") \
  COLUMN(Area,                 R"~(2, ("Cross-Section", "Area"), True, False, False, "FLOATCOLUMN2", "L2^2", 0.0)~") \
  COLUMN(InertiaX,             R"~(2, ("Moment of Inertia", "(X), "), True, False, False, "FLOATCOLUMN2", "L2^4", 0.0)~") \
  COLUMN(InertiaY,             R"~(2, ("Moment of Inertia", "(Y),"), True, False, False, "FLOATCOLUMN2", "L2^4", 0.0)~") \
  COLUMN(TorsionalCoefficient, R"~(2, ("Torsional", "Coefficient"), True, False, False, "FLOATCOLUMN2", "", 0.0)~")
ZAV_DEFINE_COLUMNS(TMultiElementColumn, ZAV_MULTIELEMENT_COLUMNS)
inline constexpr auto MultiElementDeckLayout = [] {
  using enum TMultiElementColumn;
  return DeckLayout(InRow(Length), InRow(RadiusX), InRow(RadiusY), InRow(Area), InRow(InertiaX), InRow(InertiaY),
                    InRow(TorsionalCoefficient));
}();
ZAV_CHECK_DECK_LAYOUT(TMultiElementColumn, MultiElementDeckLayout)

// The piles: where each stands, and its batter.
#define ZAV_PILECOORD_COLUMNS(COLUMN) \
  COLUMN(X,           R"~(2, ("X-coord."), True, False, False, "FLOATCOLUMN2", "L2", 0.0)~") \
  COLUMN(Y,           R"~(2, ("Y-coord."), True, False, False, "FLOATCOLUMN2", "L2", 0.0)~") \
  COLUMN(BatterAngle, R"~(2, ("Battered Angle", "(degrees)"), True, False, False, "FLOATCOLUMN2", "", 0.0)~") \
  COLUMN(BatterPlane, R"~(0, ("Battered Plane", "(Z-vertical axis)"), True, False, ("XZ-Plane", "YZ-Plane"))~")
ZAV_DEFINE_COLUMNS(TPilecoordColumn, ZAV_PILECOORD_COLUMNS)
inline constexpr auto PilecoordDeckLayout = [] {
  using enum TPilecoordColumn;
  return DeckLayout(InRow(X), InRow(Y), OnOwnLines(BatterAngle), OnOwnLines(BatterPlane));
}();
ZAV_CHECK_DECK_LAYOUT(TPilecoordColumn, PilecoordDeckLayout)

// The amplitudes of one transient load.
#define ZAV_DTRANSIENT_COLUMNS(COLUMN) \
  COLUMN(Amplitude, R"~(2, ("Load Amplitude"), True, False, False, "FLOATCOLUMN2", "F", 0.0)~")
ZAV_DEFINE_COLUMNS(TDtransientColumn, ZAV_DTRANSIENT_COLUMNS)
inline constexpr auto DtransientDeckLayout = [] {
  using enum TDtransientColumn;
  return DeckLayout(InRow(Amplitude));
}();
ZAV_CHECK_DECK_LAYOUT(TDtransientColumn, DtransientDeckLayout)

// Random loading: the location of each spectrum and its values.
#define ZAV_TRANDOM_COLUMNS(COLUMN) \
  COLUMN(Location, R"~(0, ("Spectrum Coordinates"), True, False, ("Force in X-directiin", "Force in Y-direction",)~" \
     "\n     " R"~("Force in Z-direction", "Moment about X-axis", "Moment about Y-axis", "Moment about Z-axis"))~") \
  COLUMN(Values, R"~(3, ("Enter Data"), True, False, "FLEXCOLUMN2", (13, 13, 13, 13, 13, 13))~")
ZAV_DEFINE_COLUMNS(TTrandomColumn, ZAV_TRANDOM_COLUMNS)
inline constexpr auto TrandomDeckLayout = [] {
  using enum TTrandomColumn;
  return DeckLayout(OnOwnLines(Location), OnOwnLines(Values));
}();
ZAV_CHECK_DECK_LAYOUT(TTrandomColumn, TrandomDeckLayout)

// The values of one spectrum.
#define ZAV_TSPECTRUM_COLUMNS(COLUMN) \
  COLUMN(Value, R"~(2, ("Spectrum Data"), True, False, False, "FLOATCOLUMN2", "F", 0.0)~")
ZAV_DEFINE_COLUMNS(TTspectrumColumn, ZAV_TSPECTRUM_COLUMNS)
inline constexpr auto TspectrumDeckLayout = [] {
  using enum TTspectrumColumn;
  return DeckLayout(InRow(Value));
}();
ZAV_CHECK_DECK_LAYOUT(TTspectrumColumn, TspectrumDeckLayout)

// Side soil of a footing on a half-space or a stratum.
#define ZAV_D1_COLUMNS(COLUMN) \
  COLUMN(Thickness,            R"~(2, ("Thickness"), True, False, False, "FLOATCOLUMN2", "L2", 0.0)~") \
  COLUMN(ShearVelocity,        R"~(2, ("Shear Wave", "Velocity,"), True, False, False, "FLOATCOLUMN2", "L2/SEC", 0.0)~") \
  COLUMN(UnitWeight,           R"~(2, ("Unit Weight"), True, False, False, "FLOATCOLUMN2", "F/L2^3", 0.0)~") \
  COLUMN(Poisson,              R"~(2, ("Poisson's", "Ratio"), True, False, False, "FLOATCOLUMN2", "", 0.0)~") \
  COLUMN(Damping,              R"~(2, ("Material", "Damping"), True, False, False, "FLOATCOLUMN2", "", 0.0)~") \
  COLUMN(WeakZoneModulusRatio, R"~(2, ("Weak Zone Shear", "Modulus Ratio"), True, False, False, "FLOATCOLUMN2", "", 0.0)~")
ZAV_DEFINE_COLUMNS(TD1Column, ZAV_D1_COLUMNS)
inline constexpr auto D1DeckLayout = [] {
  using enum TD1Column;
  return DeckLayout(InRow(Thickness), InRow(ShearVelocity), InRow(UnitWeight), InRow(Poisson), InRow(Damping),
                    InWeakZoneRow(WeakZoneModulusRatio));
}();
ZAV_CHECK_DECK_LAYOUT(TD1Column, D1DeckLayout)

// No project data.
#define ZAV_TBATTERED_COLUMNS(COLUMN) \
  COLUMN(Plane, R"~(0, ("Batter Plane", "(Z-vertical axis)"), True, False, ("XZ-Plane", "YZ-Plane"))~") \
  COLUMN(Angle, R"~(2, ("Batter Angle"), True, False, False, "FLOATCOLUMN2", "DEGREES", 0.0)~")
ZAV_DEFINE_COLUMNS(TTBatteredColumn, ZAV_TBATTERED_COLUMNS)
inline constexpr auto TBatteredDeckLayout = [] {
  using enum TTBatteredColumn;
  return DeckLayout(FrontEndOnly(Plane), FrontEndOnly(Angle));
}();
ZAV_CHECK_DECK_LAYOUT(TTBatteredColumn, TBatteredDeckLayout)

// The mass components: each block's mass, centre and sizes.
#define ZAV_MASSCAL_COLUMNS(COLUMN) \
  COLUMN(Mass,      R"~(2, ("Mass"), True, False, False, "FLOATCOLUMN2", "F6", 0.0)~") \
  COLUMN(X,         R"~(2, ("x-Coord."), True, False, False, "FLOATCOLUMN2", "L2", 0.0)~") \
  COLUMN(Y,         R"~(2, ("y-Coord."), True, False, False, "FLOATCOLUMN2", "L2", 0.0)~") \
  COLUMN(Z,         R"~(2, ("z-Coord."), True, False, False, "FLOATCOLUMN2", "L2", 0.0)~") \
  COLUMN(Length,    R"~(2, ("Length ", "(x-direction)"), True, False, False, "FLOATCOLUMN2", "L2", 0.0)~") \
  COLUMN(Width,     R"~(2, ("Width ", "(y-direction)"), True, False, False, "FLOATCOLUMN2", "L2", 0.0)~") \
  COLUMN(Thickness, R"~(2, ("Thickness", "(z-direction)"), True, False, False, "FLOATCOLUMN2", "L2", 0.0)~")
ZAV_DEFINE_COLUMNS(TMassCalColumn, ZAV_MASSCAL_COLUMNS)
inline constexpr auto MassCalDeckLayout = [] {
  using enum TMassCalColumn;
  return DeckLayout(InRow(Mass), InRow(X), InRow(Y), InRow(Z), InRow(Length), InRow(Width), InRow(Thickness));
}();
ZAV_CHECK_DECK_LAYOUT(TMassCalColumn, MassCalDeckLayout)
// clang-format on

#undef ZAV_CHECK_DECK_LAYOUT
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
