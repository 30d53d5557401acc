#pragma once
// What the harmonic loading windows compute without a window: the point of
// application of the load moved between the two reference systems, the loads
// moved to the centre of gravity, and the number of frequency lines a range
// gives the analysis.

#include "core/MassProperties.h"
#include "core/ProjectCodes.h"

#include <QString>

namespace zavik {

class TProgramData;

// The load point given in the system of the centre of base (local) in the
// system of the centre of gravity (global), and back. Both use the project's
// centre of base (local coordinates) and the coordinates of the foundation
// base (Xc, Yc, Zc); the Z axes point opposite ways.
TPoint3 BaseToGravityPoint(const TPoint3& Point, const TProgramData& Project);
TPoint3 GravityToBasePoint(const TPoint3& Point, const TProgramData& Project);

// Forces and moments (or their coefficients for a load that grows with the
// square of the frequency).
struct TLoadVector {
  long double Fx = 0, Fy = 0, Fz = 0;
  long double Mx = 0, My = 0, Mz = 0;
};

// The loads acting at Point (global system) moved to the centre of gravity:
// the forces unchanged, each moment plus the moment of the forces about it.
TLoadVector EquivalentLoads(const TLoadVector& Loads, const TPoint3& Point);

// The message that shows them: "Equivalent Loads." (Quadratic: "Equivalent
// Coeffs."), then one line per component with its value (15 significant
// digits) and unit in the unit system Units; lines end with a carriage return.
QString EquivalentLoadsText(const TLoadVector& Loads, bool Quadratic, TUnits Units);

// The most frequency lines one analysis takes.
inline constexpr int MaxHarmonicLines = 500;

// The frequency lines of a harmonic range in hertz as the analysis counts
// them from the deck (hertz times DeckRadiansPerHertz in single precision): the nearest
// whole number to (max - min) / step + 1, a step of 0 read as 1 rad/s.
long long HarmonicFrequencyLines(long double MaxHz, long double MinHz, long double StepHz);

// Why a range cannot be analysed (more than MaxHarmonicLines lines), or an
// empty text when it can.
QString FrequencyRangeRefusal(long double MaxHz, long double MinHz, long double StepHz);

}  // namespace zavik
