#pragma once
// The eighteen result plots of a project, filled from the engine's plot-data
// file (".kqp"): the real stiffness and the damping of every impedance term
// against frequency, and the translational and rotational response
// amplitudes. The main window owns one TResultPlots and opens its plots from
// the Graphics menu (ShowPlot in PlotForm.h):
//   Translational Stiffness  pltRealKXX   (curves Kxx, Kyy, Kww)
//   Rotational Stiffness     pltRealKPPX  (Kppx, Kppy, Kzt)
//   Translational Damping    pltDampCXX   (Cxx, Cyy, Cww)
//   Rotational Damping       pltDampCPPX  (Cppx, Cppy, Czt)
//   Response (Displacement)  pltDxyzR     (X-Dir., Y-Dir., Z-Dir.)
//   Response (Rotation)      pltMxyzR     (About X-Dir., About Y-Dir., About Z-Dir)
// and the amplitude dialog reads pltDxyzR and pltMxyzR.

#include "plots/GraphPlot.h"

#include <QString>

#include <array>

namespace zavik {

class TResultPlots {
public:
  // The plots with their captions, unit templates and settings.
  TResultPlots();
  TResultPlots(const TResultPlots&) = delete;
  TResultPlots& operator=(const TResultPlots&) = delete;

  // Stiffness (real part) of each impedance term.
  TGraphPlot pltRealKXX, pltRealKYY, pltRealKWW, pltRealKPPX, pltRealKPPY, pltRealKZT,
      pltRealKXP, pltRealKYP;
  // Damping (imaginary part) of each impedance term.
  TGraphPlot pltDampCXX, pltDampCYY, pltDampCWW, pltDampCPPX, pltDampCPPY, pltDampCZT,
      pltDampCXP, pltDampCYP;
  // Translation and rotation amplitudes at the centre of gravity.
  TGraphPlot pltDxyzR, pltMxyzR;

  // How many there are: a new plot is one more member, and one more row of
  // the plots' definitions, which must match this count.
  static constexpr std::size_t PlotCount = 18;
  // All of them, in the order above.
  std::array<TGraphPlot*, PlotCount> All();
  // The plot of that component name ("pltRealKXX"), or nullptr.
  TGraphPlot* ByName(const QString& Name);

  // Reads the plot-data file. Every plot is emptied first, so nothing of an
  // earlier run survives. The file's own layout decides what is read: after
  // the number of frequency lines N, the stiffness and damping records (nine
  // numbers each, two per line) when the run wrote them, then the response
  // records (seven numbers each) when the run had a harmonic load. Plots whose
  // records the file does not hold stay empty, as they do when N is 1 or less.
  // Frequencies are plotted in Hz (omega over the plots' 2 pi). Every plot then takes the
  // unit system Units. A file that cannot be opened or read, or whose words are
  // not the numbers the records hold, gives false: the plots keep what was read
  // so far and their units are left alone.
  bool LoadPlotFile(const QString& FileName, int Units);

  // N of the last file read (0 before any).
  int FrequencyCount() const { return FFrequencyCount; }
  // The last file held impedance records, or response records, for at least
  // two frequency lines.
  bool HasImpedances() const { return pltRealKXX.PointCount() > 1; }
  bool HasResponse() const { return pltDxyzR.PointCount() > 1; }

private:
  void ReadRecords(class TWordReader& Reader, int N);

  int FFrequencyCount = 0;
};

}  // namespace zavik
