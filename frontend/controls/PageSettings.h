#pragma once
// What the user chose for the program's printing, kept in one place for the
// plot windows and the views: the paper, its orientation and the page margins,
// never below their minimums, all in millimetres. The page set-up dialog
// (PageSetupDialog.h) shows and changes them; a printer is prepared from them
// there as well.

#include <QMarginsF>
#include <QPageLayout>
#include <QPageSize>

namespace zavik {

// The options of the page set-up dialog, one bit each.
enum TPageSetupFlag : unsigned {
  poDefaultMinMargins = 1u << 0,  // the minimum margins are the printer's
  poDisableMargins = 1u << 1,
  poMargins = 1u << 2,
  poMinMargins = 1u << 3,  // the minimum margins are the dialog's own
  poDisableOrientation = 1u << 4,
  poDisablePaper = 1u << 5,
  poDisablePrinter = 1u << 6,
  poHundredthsOfMillimeters = 1u << 7,  // margins and paper size in 1/100 mm
  poThousandthsOfInches = 1u << 8,      // in 1/1000 inch
};
using TPageOptions = unsigned;
// The options a dialog starts with: default minimum margins, 1/100 mm.
constexpr TPageOptions kDefaultPageOptions = poDefaultMinMargins | poHundredthsOfMillimeters;

// The options a dialog takes when New is written over Old: of each pair that
// excludes each other, the one newly added stays (checked in the order
// default / own minimum margins, then 1/100 mm / 1/1000 inch).
TPageOptions ResolvePageOptions(TPageOptions Old, TPageOptions New);

constexpr double MillimetresPerInch = 25.4;

// Millimetres per margin unit of the options.
double MillimetresPerUnit(TPageOptions Options);

class TPageSettings {
public:
  enum TEdge { Left, Top, Right, Bottom };

  QPageSize Paper{QPageSize::A4};
  QPageLayout::Orientation Orientation = QPageLayout::Portrait;

  // Margins and their minimums in millimetres. A margin is never below its
  // minimum; a minimum is never above its margin.
  double Margin(TEdge Edge) const { return FMargins[Edge]; }
  void SetMargin(TEdge Edge, double Millimetres);
  double MinMargin(TEdge Edge) const { return FMinMargins[Edge]; }
  void SetMinMargin(TEdge Edge, double Millimetres);

  // Paper, orientation and margins as a page layout in millimetres, each
  // margin at least as wide as the printer's unprintable border on its side
  // (Least, in millimetres), which the layout keeps as its minimum.
  QPageLayout PageLayout(const QMarginsF& Least = QMarginsF()) const;

  // The settings of the program's printing, which every window prints with;
  // the margins start at one inch.
  static TPageSettings& Program();

private:
  double FMargins[4] = {0, 0, 0, 0};
  double FMinMargins[4] = {0, 0, 0, 0};
};

}  // namespace zavik
