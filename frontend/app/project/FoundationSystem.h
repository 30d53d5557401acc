#pragma once
// The four foundation systems as the deck names them; the writer and the
// reader branch on them.

#include <QString>

namespace zavik {

struct TFoundationSystem {
  explicit TFoundationSystem(const QString& Type)
      : Pile(Type == QLatin1String("PILE")),
        Multi(Type == QLatin1String("MULTILAYER")),
        Half(Type == QLatin1String("HALF-SPACE")),
        Stratum(Type == QLatin1String("STRATUM")) {}
  bool Known() const { return Pile || Multi || Half || Stratum; }
  // FoundationKind of the system: 1 HALF-SPACE, 2 PILE, 3 STRATUM,
  // 4 MULTILAYER; 0 for a name that is none of them.
  int Kind() const { return Half ? 1 : Pile ? 2 : Stratum ? 3 : Multi ? 4 : 0; }

  bool Pile;
  bool Multi;
  bool Half;
  bool Stratum;
};

}  // namespace zavik
