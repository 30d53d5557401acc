#include "plots/ResultPlots.h"

#include "controls/NumberFormat.h"
#include "controls/WordRead.h"

#include <algorithm>

namespace zavik {

namespace {

// The plots' 2 pi, to five digits: the circular frequency of the plot data
// divided by it is the hertz plotted. It is not the deck's 6.28 (the
// frequencies the project gives in hertz go to the deck times 6.28, and the
// engine's report divides them out again with 0.5 / 3.14), so a plotted
// frequency lies a little off the one entered; the plots have always read so.
constexpr long double PlotRadiansPerHertz = 6.2832L;

// Words of one record: omega and eight impedance terms; omega and six
// response amplitudes.
constexpr int ImpedanceRecordWords = 9;
constexpr int ResponseRecordWords = 7;

struct TPlotDefinition {
  TGraphPlot TResultPlots::*Plot;
  const char* Name;
  const char* Caption;
  const char* XCaption;
  const char* XUnits;
  const char* YCaption;
  const char* YUnits;
};

// clang-format off
const TPlotDefinition PlotDefinitions[] = {
  {&TResultPlots::pltRealKXX,  "pltRealKXX",  "Translational Stiffnesses  (Real Part)",               "Frequency (Hz)", "",   "Translational Stiffness",                                "F/L2"},
  {&TResultPlots::pltRealKYY,  "pltRealKYY",  "Horizontal Translation Stiffness, KYY (Real Part)",    "Frequency (Hz)", "",   "Horizontal Stiffness",                                   ""},
  {&TResultPlots::pltRealKWW,  "pltRealKWW",  "Vertical Translation Stiffness, KWW (Real Part)",      "Frequency (Hz)", "",   "Vertical Stiffness (Real Part)",                         "F/L2"},
  {&TResultPlots::pltRealKPPX, "pltRealKPPX", "Rotational Stiffnesses  (Real Part)",                  "Frequency (Hz)", "",   "Rotational Stiffness",                                   "F-L2/radian"},
  {&TResultPlots::pltRealKPPY, "pltRealKPPY", "Rotational Stiffness, KPPY (Real Part)",               "Frequency (Hz)", "",   "Rotational Stiffness (Real Part)",                       "F-L2/Radian"},
  {&TResultPlots::pltRealKZT,  "pltRealKZT",  "Torsional Stiffness (Real Part)",                      "Frequency (Hz)", "",   "Torsional Stiffness (Real Part)",                        ""},
  {&TResultPlots::pltRealKXP,  "pltRealKXP",  "Cross Stiffness, KXP (Real Part)",                     "Frequency (Hz)", "",   "Cross Stiffness, KXP (Real Part)",                       "F-L2/Radian"},
  {&TResultPlots::pltRealKYP,  "pltRealKYP",  "Cross Stiffness, KYP (Real Part)",                     "Frequency (Hz)", "",   "Cross Stiffness, KYP (Real Part)",                       ""},
  {&TResultPlots::pltDampCXX,  "pltDampCXX",  "Translational Damping Coefficient",                    "Frequencies",    "Hz", "Translational Damping",                                  "F-sec/L2-radian"},
  {&TResultPlots::pltDampCYY,  "pltDampCYY",  "Horizontal Translation Damping, CYY (Imaginary Part)", "Frequency (Hz)", "",   "Horizontal Translation Damping, CYY  (Imaginary Part)",  ""},
  {&TResultPlots::pltDampCWW,  "pltDampCWW",  "Vertical Translation Damping, CWW (Imaginary Part)",   "Frequency (Hz)", "",   "Axial Translation Damping  (Imaginary Part)",            "F/L2"},
  {&TResultPlots::pltDampCPPX, "pltDampCPPX", "Rotational Damping Coefficient",                       "Frequency (Hz)", "",   "Rotational Damping",                                     "F-L2-sec/radian2"},
  {&TResultPlots::pltDampCPPY, "pltDampCPPY", "Rotational Damping, CPPY (Imaginary Part)",            "Frequency (Hz)", "",   "Rotational Damping, CPPY (Imaginary Part)",              "F/L2"},
  {&TResultPlots::pltDampCZT,  "pltDampCZT",  "Torsional Damping, CZT (Imaginary Part)",              "Frequency (Hz)", "",   "Torsional damping, CZT (Imaginary Part)",                ""},
  {&TResultPlots::pltDampCXP,  "pltDampCXP",  "Cross-Damping Stiffness, CXP (Imaginary Part)",        "Frequency",      "Hz", "Cross-Damping Stiffness, CXP (Imaginary Part)",          ""},
  {&TResultPlots::pltDampCYP,  "pltDampCYP",  "Cross-damping Stiffness, CYP (Imaginary Part)",        "Frequencies",    "",   "Cross-Damping Stiffness, CYP (Imaginary Part)",          ""},
  {&TResultPlots::pltDxyzR,    "pltDxyzR",    "Footing Response",                                     "Frequency",      "Hz", "Translational Amplitude",                                "L2"},
  {&TResultPlots::pltMxyzR,    "pltMxyzR",    "Footing Response",                                     "Frequency",      "Hz", "Rotational Amplitude",                                   "rad."},
};
// clang-format on

// The impedance plots in the order of the terms in a stiffness record
// (KXX .. KYP) and, the same order, in a damping record (CXX .. CYP).
constexpr TGraphPlot TResultPlots::*StiffnessPlots[] = {
    &TResultPlots::pltRealKXX,  &TResultPlots::pltRealKYY, &TResultPlots::pltRealKWW,
    &TResultPlots::pltRealKPPX, &TResultPlots::pltRealKPPY, &TResultPlots::pltRealKZT,
    &TResultPlots::pltRealKXP,  &TResultPlots::pltRealKYP};
constexpr TGraphPlot TResultPlots::*DampingPlots[] = {
    &TResultPlots::pltDampCXX,  &TResultPlots::pltDampCYY, &TResultPlots::pltDampCWW,
    &TResultPlots::pltDampCPPX, &TResultPlots::pltDampCPPY, &TResultPlots::pltDampCZT,
    &TResultPlots::pltDampCXP,  &TResultPlots::pltDampCYP};

// The four plots the Graphics menu shows for the impedances carry their two
// companion terms as curves 2 and 3.
struct TDisplayPlot {
  TGraphPlot TResultPlots::*Plot;
  TGraphPlot TResultPlots::*Companion2;
  TGraphPlot TResultPlots::*Companion3;
  const char* Names[3];
};

const TDisplayPlot DisplayPlots[] = {
    {&TResultPlots::pltRealKXX, &TResultPlots::pltRealKYY, &TResultPlots::pltRealKWW,
     {"Kxx", "Kyy", "Kww"}},
    {&TResultPlots::pltRealKPPX, &TResultPlots::pltRealKPPY, &TResultPlots::pltRealKZT,
     {"Kppx", "Kppy", "Kzt"}},
    {&TResultPlots::pltDampCXX, &TResultPlots::pltDampCYY, &TResultPlots::pltDampCWW,
     {"Cxx", "Cyy", "Cww"}},
    {&TResultPlots::pltDampCPPX, &TResultPlots::pltDampCPPY, &TResultPlots::pltDampCZT,
     {"Cppx", "Cppy", "Czt"}},
};

const char* const DisplacementNames[] = {"X-Dir.", "Y-Dir.", "Z-Dir."};
const char* const RotationNames[] = {"About X-Dir.", "About Y-Dir.", "About Z-Dir"};

// Reads one record that must stand alone on the current line with exactly
// Words numbers, and moves to the next line.
template <int Words>
std::array<long double, Words> ReadRecord(TWordReader& Reader) {
  if (Reader.Eof() || Reader.WordCount() != Words || Reader.WordIndex() != 0)
    throw EInOutError(TWordReader::Incomplete);
  std::array<long double, Words> values{};
  for (long double& v : values) v = Reader.ReadFloat();
  Reader.ReadLine();
  return values;
}

// The next line's record length, 0 at the end of the text.
int NextRecordWords(const TWordReader& Reader) { return Reader.Eof() ? 0 : Reader.WordCount(); }

}  // namespace

TResultPlots::TResultPlots() {
  for (const TPlotDefinition& d : PlotDefinitions) {
    TGraphPlot& plot = this->*d.Plot;
    plot.setObjectName(QLatin1String(d.Name));
    plot.Caption = QLatin1String(d.Caption);
    plot.XCaption = QLatin1String(d.XCaption);
    plot.XUnits = QLatin1String(d.XUnits);
    plot.YCaption = QLatin1String(d.YCaption);
    plot.YUnits = QLatin1String(d.YUnits);
    plot.XOnTop = false;
  }
  pltDampCWW.CurveName = QStringLiteral("#");
}

static_assert(std::size(PlotDefinitions) == TResultPlots::PlotCount,
              "every plot has its definition, and the count counts them");

std::array<TGraphPlot*, TResultPlots::PlotCount> TResultPlots::All() {
  std::array<TGraphPlot*, PlotCount> all{};
  for (std::size_t i = 0; i < all.size(); ++i) all[i] = &(this->*PlotDefinitions[i].Plot);
  return all;
}

TGraphPlot* TResultPlots::ByName(const QString& Name) {
  for (TGraphPlot* plot : All())
    if (plot->objectName() == Name) return plot;
  return nullptr;
}

bool TResultPlots::LoadPlotFile(const QString& FileName, int Units) {
  FFrequencyCount = 0;
  for (TGraphPlot* plot : All()) {
    plot->Clear();
    plot->DataFile = FileName;
  }
  bool complete = true;
  try {
    TFileSeparatorScope separator;
    TWordReader reader(FileName);
    for (auto member : StiffnessPlots) (this->*member).SetLineCount(1);
    for (auto member : DampingPlots) (this->*member).SetLineCount(1);
    pltDxyzR.SetLineCount(3);
    pltMxyzR.SetLineCount(3);
    const int N = reader.ReadInteger();
    FFrequencyCount = std::max(N, 0);
    if (N > 1) ReadRecords(reader, N);
  } catch (const EInOutError&) {
    complete = false;
  }
  for (TGraphPlot* plot : All()) {
    if (complete) plot->SetUnits(Units);
    plot->NotifyChanged();
  }
  return complete;
}

void TResultPlots::ReadRecords(TWordReader& Reader, int N) {
  // N stands alone on the first line.
  if (Reader.WordCount() != 1) throw EInOutError(TWordReader::Incomplete);
  Reader.ReadLine();

  if (NextRecordWords(Reader) == ImpedanceRecordWords) {
    for (auto member : StiffnessPlots) (this->*member).SetPointCount(N);
    for (auto member : DampingPlots) (this->*member).SetPointCount(N);
    for (int p = 0; p < N; ++p) {
      for (auto plots : {StiffnessPlots, DampingPlots}) {
        const auto record = ReadRecord<ImpedanceRecordWords>(Reader);
        for (int term = 0; term < 8; ++term)
          (this->*plots[term]).Point(0, p) = {record[0] / PlotRadiansPerHertz, record[std::size_t(term) + 1]};
      }
    }
    for (const TDisplayPlot& d : DisplayPlots) {
      TGraphPlot& plot = this->*d.Plot;
      plot.SetLineCount(3);
      for (int p = 0; p < N; ++p) {
        plot.Point(1, p) = (this->*d.Companion2).Point(0, p);
        plot.Point(2, p) = (this->*d.Companion3).Point(0, p);
      }
      for (int k = 0; k < 3; ++k) plot.Line(k).Name = QLatin1String(d.Names[k]);
    }
  }

  if (NextRecordWords(Reader) == ResponseRecordWords) {
    pltDxyzR.SetPointCount(N);
    pltMxyzR.SetPointCount(N);
    for (int p = 0; p < N; ++p) {
      const auto record = ReadRecord<ResponseRecordWords>(Reader);
      const long double x = record[0] / PlotRadiansPerHertz;
      for (int k = 0; k < 3; ++k) {
        pltDxyzR.Point(k, p) = {x, record[std::size_t(k) + 1]};
        pltMxyzR.Point(k, p) = {x, record[std::size_t(k) + 4]};
      }
    }
    for (int k = 0; k < 3; ++k) {
      pltDxyzR.Line(k).Name = QLatin1String(DisplacementNames[k]);
      pltMxyzR.Line(k).Name = QLatin1String(RotationNames[k]);
    }
  }

  // Anything else is not a file the engine wrote.
  if (Reader.WordsLeft() > 0) throw EInOutError(TWordReader::Incomplete);
}

}  // namespace zavik
