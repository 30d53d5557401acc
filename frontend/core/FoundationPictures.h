#pragma once
// The program's schematic pictures. The four foundation systems are drawn by
// the program's own picture maker at build time and kept as bitmap files in
// the program's folder, where the foundation-system window finds them; the
// coordinate systems of the mass windows are drawn where they are shown.

#include "core/ProjectCodes.h"

#include <QPointF>
#include <QSize>
#include <QString>

class QPainter;
class QRect;

namespace zavik {

// The file of a system's picture: "halfspace.bmp", "pile.bmp", "stratum.bmp",
// "multilayer.bmp"; empty for a value that is none.
QString FoundationPictureFile(TFoundationKind FoundationKind);

// Draws the section of a system into Area: the footing or cap with the soil
// around and below it, its layers, piles, soil column or bed rock, labelled.
void DrawFoundationSection(QPainter& Painter, const QRect& Area, TFoundationKind FoundationKind);

// The foundation block with its local system (x, y, z from an origin of the
// user's choice, z upwards) and the global system at the centre of gravity
// (X and Y along x and y, Z downwards), the centre of gravity and the centre
// of the base marked.
inline constexpr QSize MassAxesPictureSize{270, 170};
void DrawMassAxes(QPainter& Painter, const QRect& Area);

// The axes of that picture as it draws them, in its pixels (y down) at its
// own size: the local x, y, z and the global X, Y, Z.
struct TMassAxes {
  QPointF LocalX, LocalY, LocalZ;
  QPointF GlobalX, GlobalY, GlobalZ;
};
TMassAxes MassAxesDirections();

}  // namespace zavik
