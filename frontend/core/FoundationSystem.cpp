#include "core/FoundationSystem.h"

#include "core/ProjectColumns.h"
#include "core/ProjectTables.h"
#include "controls/Exceptions.h"

namespace zavik {

namespace {

using T = TProjectTables;

// The soil values of the layer tables.
constexpr TSoilColumns PileSoil{&T::D, Column(TDColumn::ShearVelocity), Column(TDColumn::Poisson)};
constexpr TSoilColumns CapSoil{&T::pilecapsoil, Column(TPilecapsoilColumn::ShearVelocity),
                               Column(TPilecapsoilColumn::Poisson)};
constexpr TSoilColumns FootingSoil{&T::D1, Column(TD1Column::ShearVelocity), Column(TD1Column::Poisson)};
constexpr TSoilColumns ColumnSoil{&T::Multisoil, Column(TMultisoilColumn::ShearVelocity),
                                  Column(TMultisoilColumn::Poisson)};
constexpr TSoilColumns NoSoil{nullptr, 0, 0};
constexpr TProfileGroup NoProfileGroup{nullptr, nullptr, {NoSoil, NoSoil}, "", false, false};
// The soil below every foundation: a box half the cap's larger plan
// dimension thick.
constexpr TLayerGroup SoilBelow{nullptr, 1, TLayerThickness::PlanHalfSize, "Bottom", false};

// clang-format off
constexpr TFoundationSystem Systems[] = {
  // A footing on a half-space, embedded in layers of side soil.
  {.Kind = TFoundationKind::HalfSpace, .PileGroup = false,
   .Elements = nullptr, .ElementsKeyword = nullptr,
   .PileConstants = false, .StratumDepths = false, .DeckSoil = TDeckSoil::Layers,
   .SideLayers = &T::D1, .SideLayersFromElements = false, .SideLayersInDeck = true,
   .SideSoilItem = true, .SideSoilCaption = "Side Soil of Fondation", .SideSoilTable = &T::D1,
   .Dimensions = TDimensionWindow::Foundations, .ProfileLayers = &T::D1, .LengthLayers = nullptr,
   .SceneLayers = {{&T::D1,      0, TLayerThickness::Rows,         "Side Cap ",  true},
                   {nullptr,     0, TLayerThickness::Rows,         "Side Pile ", true}, SoilBelow},
   .ProfileCap = true, .ProfileColumn = false,
   .ProfileGroups = {{&T::D1, &T::D1, {FootingSoil, NoSoil}, "Layer ", true, false}, NoProfileGroup},
   .ProfileBelow = TProfileBelow::SoilBelowFooting, .ProfileWidening = 2, .ProfileDepth = TProfileDepth::SoilBlock,
   .Picture = {"halfspace.bmp", TPictureSoil::Uniform, TPictureBody::Waves, 0.33, 0.67, 0.27, 0.06,
               {{0.5, 0.83, "Elastic half-space", false}, {0.5, 0.93, "Vs, \u03b3, \u03bd, D", false}}}},
  // Piles under a cap, in a soil layer along each pile element.
  {.Kind = TFoundationKind::Pile, .PileGroup = true,
   .Elements = &T::PileData, .ElementsKeyword = "LAYERS=",
   .PileConstants = true, .StratumDepths = false, .DeckSoil = TDeckSoil::PileLayers,
   .SideLayers = &T::pilecapsoil, .SideLayersFromElements = false, .SideLayersInDeck = true,
   .SideSoilItem = true, .SideSoilCaption = "Side Soil of Pile Cap", .SideSoilTable = &T::pilecapsoil,
   .Dimensions = TDimensionWindow::None, .ProfileLayers = &T::D, .LengthLayers = &T::PileData,
   .SceneLayers = {{&T::pilecapsoil, 0, TLayerThickness::Rows,     "Side Cap ",  true},
                   {&T::PileData,    0, TLayerThickness::Rows,     "Side Pile ", true}, SoilBelow},
   .ProfileCap = true, .ProfileColumn = false,
   .ProfileGroups = {{&T::pilecapsoil, &T::pilecapsoil, {CapSoil, NoSoil}, "Side Cap ", true, true},
                     {&T::D, &T::PileData, {PileSoil, NoSoil}, "Layer ", false, false}},
   .ProfileBelow = TProfileBelow::Nothing, .ProfileWidening = 1, .ProfileDepth = TProfileDepth::Foundation,
   .Picture = {"pile.bmp", TPictureSoil::Layered, TPictureBody::Piles, 0.30, 0.70, 0.28, 0.07,
               {{0.15, 0.465, "Layer 1", false}, {0.15, 0.615, "Layer 2", false}, {0.15, 0.775, "Layer 3", false},
                {0.86, 0.615, "Piles", false}, {0.5, 0.93, "Soil below the pile tips", false}}}},
  // A footing on a stratum over bed rock.
  {.Kind = TFoundationKind::Stratum, .PileGroup = false,
   .Elements = nullptr, .ElementsKeyword = nullptr,
   .PileConstants = false, .StratumDepths = true, .DeckSoil = TDeckSoil::StratumConstants,
   .SideLayers = &T::D1, .SideLayersFromElements = false, .SideLayersInDeck = false,
   .SideSoilItem = false, .SideSoilCaption = "Side Soil", .SideSoilTable = &T::D,
   .Dimensions = TDimensionWindow::Foundations, .ProfileLayers = nullptr, .LengthLayers = nullptr,
   .SceneLayers = {{nullptr,     0, TLayerThickness::Rows,         "Side Cap ",  true},
                   {nullptr,     1, TLayerThickness::BedrockDepth, "Stratum",    false}, SoilBelow},
   .ProfileCap = true, .ProfileColumn = false,
   .ProfileGroups = {NoProfileGroup, NoProfileGroup},
   .ProfileBelow = TProfileBelow::StratumOverRock, .ProfileWidening = 2, .ProfileDepth = TProfileDepth::SoilBlock,
   .Picture = {"stratum.bmp", TPictureSoil::OverRock, TPictureBody::RockDepth, 0.33, 0.67, 0.27, 0.08,
               {{0.5, 0.64, "Stratum", false}, {0.5, 0.90, "Bed rock", true}}}},
  // A foundation of layers of its own, in side soil over a soil column.
  {.Kind = TFoundationKind::Multilayer, .PileGroup = false,
   .Elements = &T::MultiElement, .ElementsKeyword = "LAYER=",
   .PileConstants = true, .StratumDepths = false, .DeckSoil = TDeckSoil::SideLayersColumn,
   .SideLayers = nullptr, .SideLayersFromElements = true, .SideLayersInDeck = true,
   .SideSoilItem = true, .SideSoilCaption = "Side Soil of Fondation", .SideSoilTable = &T::D,
   .Dimensions = TDimensionWindow::Multimat, .ProfileLayers = &T::MultiElement,
   .LengthLayers = &T::MultiElement,
   .SceneLayers = {{&T::D,         0, TLayerThickness::Elements,     "Side Cap ",    true},
                   {&T::Multisoil, 0, TLayerThickness::Elements,     "Side Column ", true}, SoilBelow},
   .ProfileCap = false, .ProfileColumn = true,
   .ProfileGroups = {{&T::MultiElement, &T::MultiElement, {PileSoil, ColumnSoil}, "Layer ", false, false},
                     NoProfileGroup},
   .ProfileBelow = TProfileBelow::Nothing, .ProfileWidening = 2, .ProfileDepth = TProfileDepth::Column,
   .Picture = {"multilayer.bmp", TPictureSoil::Layered, TPictureBody::Column, 0.34, 0.66, 0.28, 0.07,
               {{0.17, 0.60, "Side layers", false}, {0.84, 0.60, "Soil column", false},
                {0.5, 0.93, "Soil below the column", false}}}},
};
// clang-format on

}  // namespace

const TFoundationSystem* FindFoundationSystem(TFoundationKind Kind) {
  for (const TFoundationSystem& s : Systems)
    if (s.Kind == Kind) return &s;
  return nullptr;
}

const TFoundationSystem& FoundationSystem(TFoundationKind Kind) {
  if (const TFoundationSystem* s = FindFoundationSystem(Kind)) return *s;
  throw Exception(QStringLiteral("Unknown foundation system %1").arg(Code(Kind)));
}

}  // namespace zavik
