#include "plots/AmplitudeData.h"

#include "plots/PlotText.h"

#include <QSaveFile>

#include <algorithm>

namespace zavik {

long double AmplitudeUnitFactor(int Shown, int ProjectUnits) {
  if (Shown == ProjectUnits) return 1;
  return Shown == 2 ? MetresPerFoot : 1 / MetresPerFoot;
}

std::array<std::vector<TFloatPoint>, 3> AmplitudeCurves(const TGraphPlot& Displacements,
                                                        const TGraphPlot& Rotations, const TPoint3& Reference,
                                                        const TPoint3& CG, long double F, bool Rotation) {
  std::array<std::vector<TFloatPoint>, 3> curves;
  if (Displacements.LineCount() < 3 || Rotations.LineCount() < 3) return curves;
  int n = Displacements.PointCount();
  for (int k = 0; k < 3; ++k)
    n = std::min({n, Displacements.Line(k).PointCount(), Rotations.Line(k).PointCount()});
  const long double dX = Reference.X - CG.X * F;
  const long double dY = Reference.Y - CG.Y * F;
  const long double dZ = Reference.Z - CG.Z * F;
  for (auto& c : curves) c.reserve(std::size_t(std::max(n, 0)));
  for (int i = 0; i < n; ++i) {
    const long double frequency = Displacements.Point(0, i).X;
    const long double tx = Rotations.Point(0, i).Y, ty = Rotations.Point(1, i).Y, tz = Rotations.Point(2, i).Y;
    long double D[3] = {tx, ty, tz};
    if (!Rotation) {
      const long double ux = Displacements.Point(0, i).Y * F;
      const long double uy = Displacements.Point(1, i).Y * F;
      const long double uz = Displacements.Point(2, i).Y * F;
      D[0] = ux + dY * tz - dZ * ty;
      D[1] = uy + dZ * tx - dX * tz;
      D[2] = uz + dX * ty - dY * tx;
    }
    for (std::size_t k = 0; k < 3; ++k) curves[k].push_back({frequency, D[k]});
  }
  return curves;
}

QStringList AmplitudeExportLines(const std::array<std::vector<TFloatPoint>, 3>& Curves, const TPoint3& Reference,
                                 bool English, bool Rotation) {
  const QString unit = English ? QStringLiteral("ft") : QStringLiteral("m");
  QStringList lines;
  lines << QStringLiteral("Reference Point");
  lines << QStringLiteral("X= %1 %4, Y= %2 %4, Z= %3 %4")
               .arg(ExponentText(Reference.X), ExponentText(Reference.Y), ExponentText(Reference.Z), unit);
  if (Rotation) {
    lines << QStringLiteral("n,Frequency,Rot_x,Rot_y,Rot_z") << QStringLiteral(",Hz,rad,rad,rad");
  } else {
    lines << QStringLiteral("n,Frequency,Disp_x,Disp_y,Disp_z") << QStringLiteral(",Hz,%1,%1,%1").arg(unit);
  }
  const std::size_t n = std::min({Curves[0].size(), Curves[1].size(), Curves[2].size()});
  for (std::size_t i = 0; i < n; ++i) {
    QString row = QString::number(i + 1) + QLatin1Char(',') + ExponentText(Curves[0][i].X);
    for (const auto& c : Curves) row += QLatin1Char(',') + ExponentText(c[i].Y);
    lines << row;
  }
  return lines;
}

bool WriteAmplitudeFile(const QString& FileName, const QStringList& Lines) {
  QSaveFile file(FileName);
  if (!file.open(QIODevice::WriteOnly)) return false;
  for (const QString& line : Lines) {
    const QByteArray bytes = line.toLatin1() + "\r\n";
    if (file.write(bytes) != bytes.size()) {
      file.cancelWriting();
      return false;
    }
  }
  return file.commit();
}

}  // namespace zavik
