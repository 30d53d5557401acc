#pragma once
// The plan view's drawing as plain data: the outline of the cap or footing
// and, for a pile foundation, one circle per pile at its head, a battered
// pile's axis out to the outline of its tip; and the one drawing path that
// puts it on a window or a page.

#include "views/WorldWindow.h"

#include <vector>

class QPainter;

namespace zavik {

class TProgramData;

struct TPilePlan {
  double X = 0, Y = 0;
  double RadiusX = 0, RadiusY = 0;  // of the first pile section, the same for every pile
  // Where its tip lies in plan: under its head, or for a battered pile out
  // along its batter plane by its length times the sine of its batter.
  double TipX = 0, TipY = 0;
  bool Battered() const { return TipX != X || TipY != Y; }
};

struct TPlanLayout {
  std::vector<TPilePlan> Piles;
  // The outline of the cap or footing, as the other views draw it: its
  // rectangle, or its circle within this box; for a pile cap given no size,
  // the box of the pile centres.
  double XMin = 0, XMax = 0, YMin = 0, YMax = 0;
  bool Circle = false;
  // World window that holds the outline and every pile's head and tip with
  // two radii around it; Top is the larger y. The default window while there is
  // nothing of size to show.
  TWorldWindow Base{-5, 5, 5, -5};
};

// Raises EListError when the piles have no section to read.
TPlanLayout BuildPlanLayout(const TProgramData& Project);

// Draws the plan through a mapping; the caller has filled the background.
void DrawPlanLayout(QPainter& Painter, const TPlanLayout& Layout, const TWorldMapping& Mapping,
                    const TPaintStyle& Style);

}  // namespace zavik
