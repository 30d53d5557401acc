#pragma once
// The mass properties of a rigid foundation (footing or pile cap with its
// equipment) from a list of rectangular mass blocks in the local system of the
// foundation: the total mass, the centre of gravity, the mass moments of
// inertia about axes through that centre and the products of inertia.

#include <QList>

namespace zavik {

class TGridTable;

// One block: its mass, its centre (x, y, z) and its sizes along x, y and z.
struct TMassComponent {
  long double Mass = 0;
  long double X = 0, Y = 0, Z = 0;
  long double Length = 0, Width = 0, Thickness = 0;
};

// The mass components of the MassCal table, one per row.
QList<TMassComponent> MassComponents(const TGridTable& MassCal);

struct TMassProperties {
  long double TotalMass = 0;
  long double CGX = 0, CGY = 0, CGZ = 0;  // centre of gravity, local coordinates
  long double InertiaX = 0, InertiaY = 0, InertiaZ = 0;
  // As the project holds them: the X-Y sum as it is, the X-Z and Y-Z sums
  // with their sign changed.
  long double ProductXY = 0, ProductXZ = 0, ProductYZ = 0;
};

// The properties of the blocks, summed in extended precision; each block adds
// its own moments about its centre (m (b² + c²) / 12 about x, and so on) and
// no product. False when the total mass is 0 or less: there is no centre of
// gravity to refer the moments to, and Result is left as it was.
bool ComputeMassProperties(const QList<TMassComponent>& Components, TMassProperties& Result);

struct TPoint3 {
  long double X = 0, Y = 0, Z = 0;
};

// The centre of the base in the global system, whose origin is the centre of
// gravity and whose Z is counted the other way from the local z.
TPoint3 GlobalCentreOfBase(const TPoint3& LocalCentreOfBase, const TPoint3& CentreOfGravity);

}  // namespace zavik
