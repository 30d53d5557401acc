#pragma once
// The footing response at a point of the user's choice: the translation and
// rotation amplitudes that the engine reports at the centre of gravity,
// carried to a reference point by the rigid-body rule, and their export as a
// comma-separated text file.

#include "controls/UnitFactors.h"
#include "plots/GraphPlot.h"

#include <QString>
#include <QStringList>

#include <array>
#include <vector>

namespace zavik {

struct TPoint3 {
  long double X = 0, Y = 0, Z = 0;
};


// The factor from the project's length unit to the shown one: 1 when Shown
// (1 feet, 2 metres) is the project's system, else feet to metres or back.
long double AmplitudeUnitFactor(int Shown, int ProjectUnits);

// Three curves (X, Y, Z) against frequency. Displacement: the translations u
// at the C.G. times F plus d x theta, d = Reference - CG x F, componentwise on
// the amplitudes as the engine gives them (no phase). Rotation: the rotation
// amplitudes themselves, unscaled. Displacements holds translation curves
// 1 to 3, Rotations rotation curves 1 to 3; a plot without its three curves
// gives empty curves.
std::array<std::vector<TFloatPoint>, 3> AmplitudeCurves(const TGraphPlot& Displacements,
                                                        const TGraphPlot& Rotations, const TPoint3& Reference,
                                                        const TPoint3& CG, long double F, bool Rotation);

// The export text, one entry per line: "Reference Point", the point in ft or
// m, the column names and units, then per frequency its number from 1, the
// frequency and the three values, all reals in the 23-character exponent
// form. Rotation mode names its columns as rotations in rad.
QStringList AmplitudeExportLines(const std::array<std::vector<TFloatPoint>, 3>& Curves, const TPoint3& Reference,
                                 bool English, bool Rotation);

// Writes the lines with CR LF ends; an existing file is replaced only once
// the new one is complete. False when it cannot be written.
bool WriteAmplitudeFile(const QString& FileName, const QStringList& Lines);

}  // namespace zavik
