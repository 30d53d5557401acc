#pragma once
// What the deck writer and the deck reader share, so that what one writes the
// other reads back: the width of a deck line, the value a number has once
// written, the columns of a row's line as the tables' deck layouts give them
// (ProjectColumns.h), the values derived from a soil row with a weakened
// zone, and the table that stands for "no rows" in the deck.

#include "core/ProgramData.h"

#include <QList>
#include <QString>
#include <QStringList>

#include <array>
#include <cstddef>

namespace zavik {

// The engine reads columns 1 to 80 of a deck line only. The writer breaks a
// longer record between items; the reader lets a record go on to the next
// line only where the line is full.
inline constexpr int DeckWidth = 80;

// The deck gives harmonic frequencies in radians per second: the project's
// hertz times 6.28, the program's rounding of 2 pi, which the engine's report
// undoes with 0.5 / 3.14 and the reader with the same 6.28. Not the plots'
// 2 pi (6.2832): the deck and the reports have always used this one.
inline constexpr long double DeckRadiansPerHertz = 6.28L;

// The value as the deck holds it (8 significant digits).
long double WrittenValue(long double Value);

// The deck's sections in their order. The writer (DeckWriter.cpp) and the
// reader (DeckReader.cpp) each have a function of the section's name, which
// writes or reads it.
template <class TSections>
void EveryDeckSection(TSections& Sections) {
  Sections.Heading();        // TITLE, MATRIX, GRAVITY, FOUNDATION, the footing's shape
  Sections.Mass();           // MASS
  Sections.Piles();          // the count of the elements; FIXED or PINNED and the piles
  Sections.Constants();      // CONSTANTS
  Sections.Elements();       // ELEMENT
  Sections.PileEnds();       // the piles' tip, BATTERED, INTERACTION
  Sections.Soil();           // SOIL and the layers
  Sections.SoilBelow();      // BELOW=, or a stratum's own constants
  Sections.CapSideSoil();    // SIDE-CAP, EMBEDDED
  Sections.Load();           // LOAD and its block
  Sections.FrontEndBlock();  // RUN, then what only the front end reads
}

// The deck layout of a project table.
TDeckLayout DeckLayoutOf(TProjectTable Table);

// The columns of a row's line, in the deck's order: those of every row's
// line and, where the deck gives the layers' weakened zones, theirs too.
QList<int> RowColumns(TDeckLayout Layout, bool WeakZones);

// True when the columns that the layout puts on lines of their own are
// Names, in any order.
template <std::size_t M, ProjectColumn C, std::size_t K>
constexpr bool OwnLinesAre(const std::array<TDeckColumn, M>& Layout, const C (&Names)[K]) {
  std::size_t own = 0;
  for (const TDeckColumn& column : Layout) {
    if (column.Place != TDeckPlace::OwnLines) continue;
    ++own;
    bool named = false;
    for (C name : Names) named = named || Column(name) == column.Index;
    if (!named) return false;
  }
  return own == K;
}
template <std::size_t M>
constexpr bool HasNoOwnLines(const std::array<TDeckColumn, M>& Layout) {
  for (const TDeckColumn& column : Layout)
    if (column.Place == TDeckPlace::OwnLines) return false;
  return true;
}

// The columns on lines of their own, which the deck writer and reader carry
// by name in the sections of their tables: the batter block gives each
// pile's batter plane and angle, the transient and random blocks each load's
// direction and its values (walking the layout of the values' table). A
// column put on lines of its own needs its lines in those sections first.
static_assert(OwnLinesAre(PilecoordDeckLayout, {TPilecoordColumn::BatterPlane, TPilecoordColumn::BatterAngle}));
static_assert(OwnLinesAre(TLoadtypeDeckLayout, {TTLoadtypeColumn::Direction, TTLoadtypeColumn::Amplitudes}));
static_assert(OwnLinesAre(TrandomDeckLayout, {TTrandomColumn::Location, TTrandomColumn::Values}));
static_assert(HasNoOwnLines(DDeckLayout) && HasNoOwnLines(PileDataDeckLayout) &&
              HasNoOwnLines(PilecapsoilDeckLayout) && HasNoOwnLines(MultisoilDeckLayout) &&
              HasNoOwnLines(MultiElementDeckLayout) && HasNoOwnLines(DtransientDeckLayout) &&
              HasNoOwnLines(TspectrumDeckLayout) && HasNoOwnLines(D1DeckLayout) &&
              HasNoOwnLines(TBatteredDeckLayout) && HasNoOwnLines(MassCalDeckLayout));

// The soil row of a weakened zone ends with the zone's Poisson's ratio (the
// layer's own), its material damping (twice the layer's) and its thickness
// ratio: Zone while the layer's shear-modulus ratio stays at most Limit (a
// ratio near 1 means no weakened zone), else 0.
struct TWeakZoneRule {
  long double Zone;
  long double Limit;
  // The three texts, from the values as written.
  QStringList DerivedItems(long double Poisson, long double Damping, long double Ratio) const;
};
inline constexpr TWeakZoneRule SideSoilWeakZone{0.1L, 0.999999L};    // half-space and pile-cap side soil
inline constexpr TWeakZoneRule PileSoilWeakZone{1, 0.999999L};       // soil along the piles
inline constexpr TWeakZoneRule MultilayerSoilWeakZone{1, 0.99999L};  // side soil of a multilayer foundation

// A table of numbers holds no rows of the project when it has none, or only
// the one row of default values that every table keeps at the least: the
// deck writes no row for it, and the reader gives such a table that one row
// back.
bool HoldsNoRows(const TGridTable* Table);

}  // namespace zavik
