// Time to redraw a plot window's picture of three curves of 500 points (the
// most frequency lines a harmonic run writes) on an offscreen image of a
// maximised window, with a marker on every point as the plots open, and
// without markers.
#include "plots/GraphPlot.h"
#include "plots/PlotPainter.h"

#include <QGuiApplication>
#include <QImage>
#include <QPainter>

#include <benchmark/benchmark.h>

#include <cmath>

namespace {

using namespace zavik;

// Three response curves of a damped oscillator over 500 lines.
void FillResponse(TGraphPlot& Plot) {
  Plot.XOnTop = false;
  Plot.Caption = QStringLiteral("Footing Response");
  Plot.XCaption = QStringLiteral("Frequency");
  Plot.XUnits = QStringLiteral("Hz");
  Plot.YCaption = QStringLiteral("Translational Amplitude");
  Plot.YUnits = QStringLiteral("L2");
  Plot.SetLineCount(3);
  Plot.SetPointCount(500);
  for (int k = 0; k < 3; ++k)
    for (int i = 0; i < 500; ++i) {
      const long double f = 0.1L * (i + 1);
      const long double r = f / (8 + 6 * k);
      const long double zeta = 0.1L + 0.05L * k;
      Plot.Point(k, i) = {f, 1e-4L / std::sqrt((1 - r * r) * (1 - r * r) + 4 * zeta * zeta * r * r)};
    }
}

void Redraw(benchmark::State& State, int Markers) {
  TGraphPlot plot;
  FillResponse(plot);
  plot.Markers = Markers;
  const int width = 1264, height = 880;
  QImage image(width, height, QImage::Format_RGB32);
  const TPlotLayout layout = ScreenLayout(plot, width, height, 96, 96);
  TPlotView view;
  view.Range = {AutoScale(plot.Curves), TPlotRange{}, TPlotRange{}};
  view.Legend = LegendEntries(plot);
  for (auto _ : State) {
    QPainter painter(&image);
    DrawPlot(painter, plot, layout, view);
    painter.end();
    benchmark::DoNotOptimize(image.constBits());
  }
}

void BM_RedrawThreeCurvesOf500Points(benchmark::State& State) { Redraw(State, 1); }
void BM_RedrawThreeCurvesOf500PointsWithoutMarkers(benchmark::State& State) { Redraw(State, 0); }

BENCHMARK(BM_RedrawThreeCurvesOf500Points)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_RedrawThreeCurvesOf500PointsWithoutMarkers)->Unit(benchmark::kMillisecond);

}  // namespace

// Fonts need a GUI application; the offscreen platform unless another is set.
int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QGuiApplication app(argc, argv);
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
