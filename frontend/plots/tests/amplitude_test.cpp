// The response at a reference point: the rigid-body transfer against hand
// calculations, the unit factor, and the export of an example's run line by
// line.
#include "ExampleRuns.h"

#include "plots/AmplitudeData.h"
#include "plots/ResultPlots.h"

#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

namespace zavik {
namespace {

// Response plots of one frequency (2 Hz) with translations U and rotations R.
void FillResponse(TResultPlots& Plots, const TPoint3& U, const TPoint3& R) {
  for (TGraphPlot* p : {&Plots.pltDxyzR, &Plots.pltMxyzR}) {
    p->SetLineCount(3);
    p->SetPointCount(1);
  }
  const long double u[3] = {U.X, U.Y, U.Z}, r[3] = {R.X, R.Y, R.Z};
  for (int k = 0; k < 3; ++k) {
    Plots.pltDxyzR.Point(k, 0) = {2, u[k]};
    Plots.pltMxyzR.Point(k, 0) = {2, r[k]};
  }
}

void ExpectPoint(const std::array<std::vector<TFloatPoint>, 3>& Curves, double X, double Y, double Z) {
  ASSERT_EQ(Curves[0].size(), 1u);
  const double expected[3] = {X, Y, Z};
  for (std::size_t k = 0; k < 3; ++k) {
    EXPECT_DOUBLE_EQ(double(Curves[k][0].X), 2);
    EXPECT_NEAR(double(Curves[k][0].Y), expected[k], 1e-15) << "direction " << k;
  }
}

TEST(AmplitudeTransferTest, RigidBodyRuleByHand) {
  TResultPlots plots;
  FillResponse(plots, {0.01L, 0.02L, 0.03L}, {0.001L, 0.002L, 0.003L});
  // d = (2, 4, 7) - (1, 2, 3) = (1, 2, 4):
  //   Dx = 0.01 + 2(0.003) - 4(0.002) = 0.008
  //   Dy = 0.02 + 4(0.001) - 1(0.003) = 0.021
  //   Dz = 0.03 + 1(0.002) - 2(0.001) = 0.030
  ExpectPoint(AmplitudeCurves(plots.pltDxyzR, plots.pltMxyzR, {2, 4, 7}, {1, 2, 3}, 1, false), 0.008, 0.021, 0.030);
  // At the C.G. the translations themselves; rotations are never scaled.
  ExpectPoint(AmplitudeCurves(plots.pltDxyzR, plots.pltMxyzR, {1, 2, 3}, {1, 2, 3}, 1, false), 0.01, 0.02, 0.03);
  ExpectPoint(AmplitudeCurves(plots.pltDxyzR, plots.pltMxyzR, {9, 9, 9}, {1, 2, 3}, 0.3048L, true), 0.001, 0.002,
              0.003);
}

TEST(AmplitudeTransferTest, OneUnitAboveTheCentreWithOnlyRotationAboutX) {
  TResultPlots plots;
  FillResponse(plots, {0.01L, 0.02L, 0.03L}, {0.001L, 0, 0});
  // Project in feet shown in metres: the C.G. (1, 2, 3) ft is (0.3048,
  // 0.6096, 0.9144) m; the point 1 m above it.
  const long double f = AmplitudeUnitFactor(2, 1);
  const auto c = AmplitudeCurves(plots.pltDxyzR, plots.pltMxyzR, {0.3048L, 0.6096L, 1.9144L}, {1, 2, 3}, f, false);
  ExpectPoint(c, 0.01 * 0.3048, 0.02 * 0.3048 + 0.001, 0.03 * 0.3048);
}

TEST(AmplitudeTransferTest, UnitFactorBetweenFeetAndMetres) {
  EXPECT_EQ(AmplitudeUnitFactor(1, 1), 1);
  EXPECT_EQ(AmplitudeUnitFactor(2, 2), 1);
  EXPECT_EQ(AmplitudeUnitFactor(2, 1), 0.3048L);
  EXPECT_NEAR(double(AmplitudeUnitFactor(1, 2)), 3.280839895013123, 1e-14);
}

TEST(AmplitudeTransferTest, WithoutResponseDataTheExportHasItsFourHeaderLines) {
  TResultPlots plots;
  const auto c = AmplitudeCurves(plots.pltDxyzR, plots.pltMxyzR, {1, 1, 1}, {0, 0, 0}, 1, false);
  EXPECT_TRUE(c[0].empty());
  EXPECT_EQ(AmplitudeExportLines(c, {1, 1, 1}, true, false),
            (QStringList{QStringLiteral("Reference Point"),
                         QStringLiteral("X=  1.00000000000000E+0000 ft, Y=  1.00000000000000E+0000 ft, "
                                        "Z=  1.00000000000000E+0000 ft"),
                         QStringLiteral("n,Frequency,Disp_x,Disp_y,Disp_z"), QStringLiteral(",Hz,ft,ft,ft")}));
}

// Independent of the code's formatter: sign or blank, 15 digits, a
// four-digit exponent.
std::string Fixed23(long double V) {
  char mantissa[64];
  std::snprintf(mantissa, sizeof mantissa, "% .14Le", V);
  std::string s(mantissa);
  const std::size_t e = s.find('e');
  char exponent[16];
  std::snprintf(exponent, sizeof exponent, "E%+05d", std::stoi(s.substr(e + 1)));
  return s.substr(0, e) + exponent;
}

// The response records of a ".kqp" file: omega and six amplitudes per line,
// read here on their own.
std::vector<std::vector<long double>> ResponseRecords(const QString& Name) {
  std::vector<std::vector<long double>> records;
  std::ifstream in(Name.toStdString());
  std::string line;
  while (std::getline(in, line)) {
    std::istringstream words(line);
    std::vector<long double> r;
    for (std::string w; words >> w;) r.push_back(std::strtold(w.c_str(), nullptr));
    if (r.size() == 7) records.push_back(r);
  }
  return records;
}

TEST(AmplitudeExportTest, AnExampleRunIsWrittenLineByLine) {
  const TExampleRuns& runs = TExampleRuns::Get();
  ASSERT_TRUE(runs.Error.isEmpty()) << runs.Error.toStdString();
  const QString kqp = runs.PlotFile(QStringLiteral("half-space-harmonic.kqd"));
  TResultPlots plots;
  ASSERT_TRUE(plots.LoadPlotFile(kqp, 2));
  const auto records = ResponseRecords(kqp);
  ASSERT_EQ(int(records.size()), plots.pltDxyzR.PointCount());

  // The C.G. of the example is 0.75 m above the base centre; the reference
  // point is the C.G. itself, shown in metres.
  const TPoint3 cg{0, 0, 0.75L};
  for (bool rotation : {false, true}) {
    SCOPED_TRACE(rotation ? "rotation" : "displacement");
    const QStringList lines = AmplitudeExportLines(
        AmplitudeCurves(plots.pltDxyzR, plots.pltMxyzR, cg, cg, 1, rotation), cg, false, rotation);
    ASSERT_EQ(lines.size(), 4 + int(records.size()));
    EXPECT_EQ(lines[0], QStringLiteral("Reference Point"));
    EXPECT_EQ(lines[1], QStringLiteral("X=  0.00000000000000E+0000 m, Y=  0.00000000000000E+0000 m, "
                                       "Z=  7.50000000000000E-0001 m"));
    EXPECT_EQ(lines[2], rotation ? QStringLiteral("n,Frequency,Rot_x,Rot_y,Rot_z")
                                 : QStringLiteral("n,Frequency,Disp_x,Disp_y,Disp_z"));
    EXPECT_EQ(lines[3], rotation ? QStringLiteral(",Hz,rad,rad,rad") : QStringLiteral(",Hz,m,m,m"));
    for (std::size_t i = 0; i < records.size(); ++i) {
      const auto& r = records[i];
      const std::size_t first = rotation ? 4 : 1;
      const std::string expected = std::to_string(i + 1) + "," + Fixed23(r[0] / 6.2832L) + "," +
                                   Fixed23(r[first]) + "," + Fixed23(r[first + 1]) + "," + Fixed23(r[first + 2]);
      EXPECT_EQ(lines[int(4 + i)].toStdString(), expected);
    }
  }
}

TEST(AmplitudeExportTest, FileHasCrLfLinesAndAFolderThatIsNotThereFails) {
  QTemporaryDir dir;
  const QString name = dir.filePath(QStringLiteral("amp.txt"));
  ASSERT_TRUE(WriteAmplitudeFile(name, {QStringLiteral("Reference Point"), QStringLiteral("1,2")}));
  QFile f(name);
  ASSERT_TRUE(f.open(QIODevice::ReadOnly));
  EXPECT_EQ(f.readAll(), QByteArray("Reference Point\r\n1,2\r\n"));
  EXPECT_FALSE(WriteAmplitudeFile(dir.filePath(QStringLiteral("none/amp.txt")), {QStringLiteral("x")}));
}

}  // namespace
}  // namespace zavik
