// The plot-data loader on the engine's own ".kqp" files: every example deck is
// run through the engine in a temporary folder, and what the loader puts into
// the eighteen plots is compared with the file's records read here on their
// own. Small hand-written files show the layouts and the faults.
#include "ExampleRuns.h"

#include "plots/ResultPlots.h"

#include "controls/NumberFormat.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <fstream>
#include <locale>
#include <memory>
#include <sstream>
#include <string>
#include <vector>

namespace zavik {
namespace {

// A ".kqp" file as the engine lays it out, read line by line with the C
// locale: N on the first line, then records of numbers.
struct TPlotFile {
  int N = 0;
  std::vector<std::vector<double>> Records;
};

TPlotFile ReadPlotFile(const QString& Name) {
  TPlotFile f;
  std::ifstream in(Name.toStdString());
  in.imbue(std::locale::classic());
  std::string line;
  std::getline(in, line);
  f.N = std::stoi(line);
  while (std::getline(in, line)) {
    std::istringstream words(line);
    words.imbue(std::locale::classic());
    std::vector<double> record;
    for (double v; words >> v;) record.push_back(v);
    f.Records.push_back(record);
  }
  return f;
}

void ExpectNear(long double Actual, double Expected, const char* What) {
  const double scale = std::max(std::fabs(Expected), 1e-300);
  EXPECT_LE(std::fabs(double(Actual) - Expected) / scale, 1e-12)
      << What << ": " << double(Actual) << " against " << Expected;
}

// For every example: N, the twelve display curves with their names and the
// companion plots, the response curves, all at omega / 6.2832.
TEST(LoaderOnExamples, EveryExampleLoadsAsItsFileHoldsIt) {
  const TExampleRuns& runs = TExampleRuns::Get();
  ASSERT_TRUE(runs.Error.isEmpty()) << runs.Error.toStdString();
  ASSERT_FALSE(runs.Decks.isEmpty());
  for (const QString& deck : runs.Decks) {
    SCOPED_TRACE(deck.toStdString());
    const QString name = runs.PlotFile(deck);
    const TPlotFile file = ReadPlotFile(name);
    TResultPlots plots;
    ASSERT_TRUE(plots.LoadPlotFile(name, 2));
    EXPECT_EQ(plots.FrequencyCount(), file.N);
    for (TGraphPlot* plot : plots.All()) EXPECT_EQ(plot->Units(), 2);

    const std::size_t N = std::size_t(file.N);
    const bool impedances = !file.Records.empty() && file.Records[0].size() == 9;
    const std::size_t responseStart = impedances ? 2 * N : 0;
    const bool response = file.Records.size() == responseStart + N && N > 0;
    ASSERT_EQ(file.Records.size(), (impedances ? 2 * N : 0) + (response ? N : 0));

    struct TDisplay {
      TGraphPlot* Plot;
      int Record;  // 0 stiffness, 1 damping
      int Terms[3];
      const char* Names[3];
    };
    const TDisplay displays[] = {
        {&plots.pltRealKXX, 0, {1, 2, 3}, {"Kxx", "Kyy", "Kww"}},
        {&plots.pltRealKPPX, 0, {4, 5, 6}, {"Kppx", "Kppy", "Kzt"}},
        {&plots.pltDampCXX, 1, {1, 2, 3}, {"Cxx", "Cyy", "Cww"}},
        {&plots.pltDampCPPX, 1, {4, 5, 6}, {"Cppx", "Cppy", "Czt"}},
    };
    for (const TDisplay& d : displays) {
      SCOPED_TRACE(d.Plot->objectName().toStdString());
      if (!impedances) {
        EXPECT_EQ(d.Plot->PointCount(), 0);
        continue;
      }
      ASSERT_EQ(d.Plot->LineCount(), 3);
      ASSERT_EQ(d.Plot->PointCount(), file.N);
      for (int k = 0; k < 3; ++k) {
        EXPECT_EQ(d.Plot->Line(k).GetName(), QLatin1String(d.Names[k]));
        for (std::size_t p = 0; p < N; ++p) {
          const std::vector<double>& r = file.Records[2 * p + std::size_t(d.Record)];
          ExpectNear(d.Plot->Point(k, int(p)).X, r[0] / 6.2832, "frequency");
          ExpectNear(d.Plot->Point(k, int(p)).Y, r[std::size_t(d.Terms[k])], "term");
        }
      }
    }
    if (impedances) {
      // The companions keep one curve; the cross terms fill their own plots.
      EXPECT_EQ(plots.pltRealKYY.LineCount(), 1);
      EXPECT_EQ(plots.pltDampCZT.LineCount(), 1);
      EXPECT_EQ(plots.pltDampCWW.Line(0).GetName(), QStringLiteral("#1"));
      ExpectNear(plots.pltRealKYP.Point(0, int(N) - 1).Y, file.Records[2 * N - 2][8], "KYP");
      ExpectNear(plots.pltDampCXP.Point(0, 0).Y, file.Records[1][7], "CXP");
    }

    if (!response) {
      EXPECT_EQ(plots.pltDxyzR.PointCount(), 0);
      EXPECT_EQ(plots.pltMxyzR.PointCount(), 0);
      continue;
    }
    const char* const names[2][3] = {{"X-Dir.", "Y-Dir.", "Z-Dir."},
                                     {"About X-Dir.", "About Y-Dir.", "About Z-Dir"}};
    TGraphPlot* const response_plots[2] = {&plots.pltDxyzR, &plots.pltMxyzR};
    for (int m = 0; m < 2; ++m) {
      ASSERT_EQ(response_plots[m]->LineCount(), 3);
      ASSERT_EQ(response_plots[m]->PointCount(), file.N);
      for (int k = 0; k < 3; ++k) {
        EXPECT_EQ(response_plots[m]->Line(k).GetName(), QLatin1String(names[m][k]));
        for (std::size_t p = 0; p < N; ++p) {
          const std::vector<double>& r = file.Records[responseStart + p];
          ExpectNear(response_plots[m]->Point(k, int(p)).X, r[0] / 6.2832, "frequency");
          ExpectNear(response_plots[m]->Point(k, int(p)).Y, r[std::size_t(1 + 3 * m + k)], "amplitude");
        }
      }
    }
  }
}

// The same harmonic run with and without the impedance records: the layout is
// taken from the file, so both give the same response curves.
TEST(LoaderOnExamples, ResponseIsTheSameWithAndWithoutImpedanceRecords) {
  TResultPlots with, without;
  ASSERT_TRUE(with.LoadPlotFile(TExampleRuns::Get().PlotFile(QStringLiteral("half-space-harmonic.kqd")), 2));
  ASSERT_TRUE(without.LoadPlotFile(TExampleRuns::Get().PlotFile(QStringLiteral("no-matrix.kqd")), 2));
  EXPECT_TRUE(with.HasImpedances());
  EXPECT_FALSE(without.HasImpedances());
  ASSERT_TRUE(without.HasResponse());
  ASSERT_EQ(without.pltMxyzR.PointCount(), with.pltMxyzR.PointCount());
  for (int k = 0; k < 3; ++k)
    for (int p = 0; p < with.pltDxyzR.PointCount(); ++p) {
      EXPECT_EQ(without.pltDxyzR.Point(k, p).X, with.pltDxyzR.Point(k, p).X);
      EXPECT_EQ(without.pltDxyzR.Point(k, p).Y, with.pltDxyzR.Point(k, p).Y);
      EXPECT_EQ(without.pltMxyzR.Point(k, p).Y, with.pltMxyzR.Point(k, p).Y);
    }
}

// Loading another project's file leaves nothing of the first one behind.
TEST(LoaderOnExamples, NothingOfAnEarlierFileSurvives) {
  TResultPlots plots;
  ASSERT_TRUE(plots.LoadPlotFile(TExampleRuns::Get().PlotFile(QStringLiteral("half-space-harmonic.kqd")), 1));
  plots.pltRealKXX.Line(1).Shown = false;
  ASSERT_TRUE(plots.LoadPlotFile(TExampleRuns::Get().PlotFile(QStringLiteral("half-space-transient.kqd")), 1));
  EXPECT_FALSE(plots.HasImpedances());
  EXPECT_FALSE(plots.HasResponse());
  for (TGraphPlot* plot : plots.All()) {
    SCOPED_TRACE(plot->objectName().toStdString());
    EXPECT_LE(plot->LineCount(), 3);
    EXPECT_EQ(plot->PointCount(), 0);
    for (int k = 0; k < plot->LineCount(); ++k) {
      EXPECT_TRUE(plot->Line(k).Name.isEmpty());
      EXPECT_TRUE(plot->Line(k).Shown);
    }
  }
}

class LoaderTest : public ::testing::Test {
protected:
  QString Write(const QByteArray& Text) {
    const QString name = Dir.filePath(QStringLiteral("plot.kqp"));
    QFile f(name);
    EXPECT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
    f.write(Text);
    return name;
  }
  QTemporaryDir Dir;
  TResultPlots Plots;
};

const QByteArray Stiffness = "  0.628E+02  0.100E+07  0.200E+07  0.300E+07  0.400E+07  0.500E+07  0.600E+07  0.700E+07 -0.800E+07\n";
const QByteArray Damping = "  0.628E+02  0.100E+05  0.200E+05  0.300E+05  0.400E+05  0.500E+05  0.600E+05  0.700E+05 -0.800E+05\n";
const QByteArray Response = "   62.83    1.0000E-05  2.0000E-05  3.0000E-05  4.0000E-07  5.0000E-07  6.0000E-07\n";

struct TFileRow {
  const char* What;
  QByteArray Text;
  bool Result;
  int Impedance;  // points of the impedance plots after loading
  int Response;   // points of the response plots
};

class LoaderFiles : public LoaderTest, public ::testing::WithParamInterface<TFileRow> {};

TEST_P(LoaderFiles, ReadsTheLayoutTheFileHas) {
  const TFileRow& row = GetParam();
  SCOPED_TRACE(row.What);
  EXPECT_EQ(Plots.LoadPlotFile(Write(row.Text), 1), row.Result);
  EXPECT_EQ(Plots.pltRealKXX.PointCount(), row.Impedance);
  EXPECT_EQ(Plots.pltDampCYP.PointCount(), row.Impedance);
  EXPECT_EQ(Plots.pltDxyzR.PointCount(), row.Response);
  EXPECT_EQ(Plots.pltMxyzR.PointCount(), row.Response);
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Layouts, LoaderFiles, ::testing::Values(
  TFileRow{"impedances and response",  " 2\n" + Stiffness + Damping + Stiffness + Damping + Response + Response, true,  2, 2},
  TFileRow{"impedances only",          " 2\n" + Stiffness + Damping + Stiffness + Damping,                       true,  2, 0},
  TFileRow{"response only",            " 2\n" + Response + Response,                                             true,  0, 2},
  TFileRow{"count only",               " 3\n",                                                                   true,  0, 0},
  TFileRow{"one line reads nothing",   " 1\n" + Stiffness + Damping + Response,                                  true,  0, 0},
  TFileRow{"negative count",           " -4\n",                                                                  true,  0, 0},
  TFileRow{"empty file",               "",                                                                       false, 0, 0},
  TFileRow{"count not an integer",     " 2.5\n",                                                                 false, 0, 0},
  TFileRow{"second word on count line"," 2 7\n" + Response + Response,                                          false, 0, 0},
  TFileRow{"fewer records than N",     " 3\n" + Response + Response,                                             false, 0, 3},
  TFileRow{"more records than N",      " 2\n" + Response + Response + Response,                                  false, 0, 2},
  TFileRow{"lines of another length",  " 2\n  1 2 3 4\n  5 6 7 8\n",                                             false, 0, 0},
  TFileRow{"exponent without E",       " 2\n" + Stiffness + QByteArray(Damping).replace("0.100E+05", "0.100+105") + Stiffness + Damping, false, 2, 0},
  TFileRow{"frequency overflowing F7.2", " 2\n" + QByteArray(Response).replace("   62.83", " *******") + Response, false, 0, 2}
));
// clang-format on

TEST_F(LoaderTest, FrequencyIsOmegaOver6_2832AndValuesAreKeptAsRead) {
  ASSERT_TRUE(Plots.LoadPlotFile(Write(" 2\n   62.832  1.5E-05  0  0  0  0  -2.5E-07\n" + Response), 1));
  EXPECT_NEAR(double(Plots.pltDxyzR.Point(0, 0).X), 10.0, 1e-15);
  EXPECT_EQ(Plots.pltDxyzR.Point(0, 0).Y, 1.5E-05L);
  EXPECT_EQ(Plots.pltMxyzR.Point(2, 0).Y, -2.5E-07L);
  EXPECT_EQ(Plots.pltMxyzR.Point(2, 1).Y, 6E-07L);
}

TEST_F(LoaderTest, NumbersAreReadWithAPointWhateverTheSeparatorSetting) {
  DecimalSeparator = QLatin1Char(',');
  const bool loaded = Plots.LoadPlotFile(Write(" 2\n" + Response + Response), 1);
  EXPECT_EQ(DecimalSeparator, QLatin1Char(','));
  DecimalSeparator = QLatin1Char('.');
  ASSERT_TRUE(loaded);
  EXPECT_EQ(Plots.pltDxyzR.Point(1, 1).Y, 2E-05L);
}

TEST_F(LoaderTest, AFailedLoadLeavesTheUnitsAndAMissingFileFails) {
  ASSERT_TRUE(Plots.LoadPlotFile(Write(" 2\n" + Response + Response), 2));
  EXPECT_EQ(Plots.pltRealKXX.Units(), 2);
  EXPECT_FALSE(Plots.LoadPlotFile(Write(" 2\n" + Response), 1));
  EXPECT_EQ(Plots.pltRealKXX.Units(), 2);
  EXPECT_EQ(Plots.pltDxyzR.Point(0, 0).Y, 1E-05L);  // what was read is kept
  EXPECT_FALSE(Plots.LoadPlotFile(Dir.filePath(QStringLiteral("absent.kqp")), 1));
  EXPECT_EQ(Plots.pltDxyzR.PointCount(), 0);
}

TEST(ResultPlotsTest, PlotsCarryTheirCaptionsAndTemplates) {
  TResultPlots plots;
  ASSERT_EQ(plots.ByName(QStringLiteral("pltRealKXX")), &plots.pltRealKXX);
  EXPECT_EQ(plots.ByName(QStringLiteral("pltMxyzR")), &plots.pltMxyzR);
  EXPECT_EQ(plots.ByName(QStringLiteral("pltNone")), nullptr);
  EXPECT_EQ(plots.pltRealKXX.Caption, QStringLiteral("Translational Stiffnesses  (Real Part)"));
  EXPECT_EQ(plots.pltDampCXX.XUnits, QStringLiteral("Hz"));
  EXPECT_EQ(plots.pltDampCPPX.YUnits, QStringLiteral("F-L2-sec/radian2"));
  EXPECT_EQ(plots.pltMxyzR.YUnits, QStringLiteral("rad."));
  for (TGraphPlot* plot : plots.All()) {
    SCOPED_TRACE(plot->objectName().toStdString());
    EXPECT_FALSE(plot->XOnTop);
    EXPECT_TRUE(plot->ShowLegend);
    EXPECT_EQ(plot->Markers, 1);
    EXPECT_EQ(plot->CurveName, plot == &plots.pltDampCWW ? QStringLiteral("#") : QStringLiteral("Curve #"));
  }
}

}  // namespace
}  // namespace zavik
