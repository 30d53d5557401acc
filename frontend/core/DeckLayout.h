#pragma once
// What the deck writer and the deck reader share, so that what one writes the
// other reads back: the width of a deck line, the value a number has once
// written, the values derived from a soil row with a weakened zone, and the
// table that stands for "no rows" in the deck.

#include "core/ProgramData.h"

#include <QString>
#include <QStringList>

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
