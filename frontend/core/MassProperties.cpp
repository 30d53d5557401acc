#include "core/MassProperties.h"

#include "core/ProjectColumns.h"

#include "controls/Table.h"

namespace zavik {

QList<TMassComponent> MassComponents(const TGridTable& MassCal) {
  QList<TMassComponent> out;
  for (int r = 0; r < MassCal.RowCount(); ++r) {
    auto cell = [&](TMassCalColumn c) { return CellOf(&MassCal, c, r)->AsFloat(); };
    using C = TMassCalColumn;
    out.append({cell(C::Mass), cell(C::X), cell(C::Y), cell(C::Z), cell(C::Length), cell(C::Width),
                cell(C::Thickness)});
  }
  return out;
}

bool ComputeMassProperties(const QList<TMassComponent>& Components, TMassProperties& Result) {
  long double M = 0, Sx = 0, Sy = 0, Sz = 0;
  for (const TMassComponent& c : Components) {
    M += c.Mass;
    Sx += c.Mass * c.X;
    Sy += c.Mass * c.Y;
    Sz += c.Mass * c.Z;
  }
  if (!(M > 0)) return false;
  const long double xg = Sx / M, yg = Sy / M, zg = Sz / M;
  long double Ixx = 0, Iyy = 0, Izz = 0, Pxy = 0, Pxz = 0, Pyz = 0;
  for (const TMassComponent& c : Components) {
    const long double m = c.Mass, a = c.Length, b = c.Width, t = c.Thickness;
    const long double dx = c.X - xg, dy = c.Y - yg, dz = c.Z - zg;
    Ixx += m * (dy * dy + dz * dz) + m * (b * b + t * t) / 12;
    Iyy += m * (dx * dx + dz * dz) + m * (a * a + t * t) / 12;
    Izz += m * (dx * dx + dy * dy) + m * (a * a + b * b) / 12;
    Pxy += m * dx * dy;
    Pxz += m * dx * dz;
    Pyz += m * dy * dz;
  }
  Result = {M, xg, yg, zg, Ixx, Iyy, Izz, Pxy, -Pxz, -Pyz};
  return true;
}

TPoint3 GlobalCentreOfBase(const TPoint3& Local, const TPoint3& G) {
  return {Local.X - G.X, Local.Y - G.Y, G.Z - Local.Z};
}

}  // namespace zavik
