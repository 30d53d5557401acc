#include "core/FoundationSystem.h"

#include "core/ProjectTables.h"
#include "controls/Exceptions.h"

namespace zavik {

namespace {

using T = TProjectTables;

// clang-format off
constexpr TFoundationSystem Systems[] = {
  // A footing on a half-space, embedded in layers of side soil.
  {.Kind = TFoundationKind::HalfSpace, .PileGroup = false,
   .Elements = nullptr, .ElementsKeyword = nullptr,
   .PileConstants = false, .StratumDepths = false, .DeckSoil = TDeckSoil::Layers,
   .SideLayers = &T::D1, .SideLayersFromElements = false, .SideLayersInDeck = true,
   .SideSoilItem = true, .SideSoilCaption = "Side Soil of Fondation", .SideSoilTable = &T::D1,
   .Dimensions = TDimensionWindow::Foundations, .ProfileLayers = &T::D1, .LengthLayers = nullptr},
  // Piles under a cap, in a soil layer along each pile element.
  {.Kind = TFoundationKind::Pile, .PileGroup = true,
   .Elements = &T::PileData, .ElementsKeyword = "LAYERS=",
   .PileConstants = true, .StratumDepths = false, .DeckSoil = TDeckSoil::PileLayers,
   .SideLayers = &T::pilecapsoil, .SideLayersFromElements = false, .SideLayersInDeck = true,
   .SideSoilItem = true, .SideSoilCaption = "Side Soil of Pile Cap", .SideSoilTable = &T::pilecapsoil,
   .Dimensions = TDimensionWindow::None, .ProfileLayers = &T::D, .LengthLayers = &T::PileData},
  // A footing on a stratum over bed rock.
  {.Kind = TFoundationKind::Stratum, .PileGroup = false,
   .Elements = nullptr, .ElementsKeyword = nullptr,
   .PileConstants = false, .StratumDepths = true, .DeckSoil = TDeckSoil::StratumConstants,
   .SideLayers = &T::D1, .SideLayersFromElements = false, .SideLayersInDeck = false,
   .SideSoilItem = false, .SideSoilCaption = "Side Soil", .SideSoilTable = &T::D,
   .Dimensions = TDimensionWindow::Foundations, .ProfileLayers = nullptr, .LengthLayers = nullptr},
  // A foundation of layers of its own, in side soil over a soil column.
  {.Kind = TFoundationKind::Multilayer, .PileGroup = false,
   .Elements = &T::MultiElement, .ElementsKeyword = "LAYER=",
   .PileConstants = true, .StratumDepths = false, .DeckSoil = TDeckSoil::SideLayersColumn,
   .SideLayers = nullptr, .SideLayersFromElements = true, .SideLayersInDeck = true,
   .SideSoilItem = true, .SideSoilCaption = "Side Soil of Fondation", .SideSoilTable = &T::D,
   .Dimensions = TDimensionWindow::Multimat, .ProfileLayers = &T::MultiElement,
   .LengthLayers = &T::MultiElement},
};
// clang-format on

}  // namespace

const TFoundationSystem& FoundationSystem(TFoundationKind Kind) {
  for (const TFoundationSystem& s : Systems)
    if (s.Kind == Kind) return s;
  throw Exception(QStringLiteral("Unknown foundation system %1").arg(Code(Kind)));
}

}  // namespace zavik
