#pragma once
// What each foundation system has: a footing of its own or a pile cap with
// its piles, the tables its deck gives and how, the side soil, the input
// window of its dimensions. One description per system, read by the menus,
// the deck writer and reader, the side files and the views; what a system
// has changes here, not in each of them.

#include "core/ProjectCodes.h"

namespace zavik {

class TGridTable;
class TProjectTables;

// A project table named by its member of TProjectTables (nullptr for none).
using TProjectTable = TGridTable* TProjectTables::*;

// Which window "Foundation Dimension and Constants" opens.
enum class TDimensionWindow { None, Foundations, Multimat };

// How the deck gives the soil after "SOIL".
enum class TDeckSoil {
  Layers,            // "CONSTANTS=" and the layers, with or without their weakened zones
  PileLayers,        // "WEAK", "CONSTANTS" and one layer along each pile element
  SideLayersColumn,  // the side layers with their weakened zones, then the soil column below them
  StratumConstants,  // "CONSTANTS" and the stratum's own line in place of the soil below
};

struct TFoundationSystem {
  TFoundationKind Kind;
  // A pile group under a cap (coordinates, sections, head and tip, batter,
  // interaction, the cap's side soil); otherwise a footing with a shape, a
  // mass and dimensions of its own.
  bool PileGroup;
  // The rows the deck gives under "ELEMENT" (pile elements, foundation
  // layers), with the keyword of their count; none for a footing.
  TProjectTable Elements;
  const char* ElementsKeyword;
  // The foundation constants go on with the pile's length and unit weight,
  // and a line of its material (a pile group, a multilayer foundation).
  bool PileConstants;
  // The foundation constants end with the depths of the base and of the bed
  // rock below the ground surface (a stratum).
  bool StratumDepths;
  TDeckSoil DeckSoil;
  // The layers beside the embedded cap or footing, thickness first; the
  // multilayer foundation takes the thickness of the foundation layer beside
  // each row of its side soil instead.
  TProjectTable SideLayers;
  bool SideLayersFromElements;
  // The deck carries those layers (a stratum's footing is embedded to the
  // depth of its base, and its deck gives no side layers).
  bool SideLayersInDeck;
  // The Data menu's side-soil item: shown, its caption, and the table it opens.
  bool SideSoilItem;
  const char* SideSoilCaption;
  TProjectTable SideSoilTable;
  TDimensionWindow Dimensions;
  // The table whose rows the side profile draws as its layers.
  TProjectTable ProfileLayers;
  // The table whose first column, summed, is the length of the piles or of
  // the foundation's column.
  TProjectTable LengthLayers;
};

// The description of a system. Kind must be one of TFoundationKind's values.
const TFoundationSystem& FoundationSystem(TFoundationKind Kind);

}  // namespace zavik
