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

// Where the thickness of a layer of the 3-D view's soil block comes from.
enum class TLayerThickness {
  Rows,          // the first column of the group's own row
  Elements,      // the first column of the element table's row, counted over all groups; rows it lacks draw nothing
  BedrockDepth,  // the depth of the bed rock
  PlanHalfSize,  // half the cap's or footing's larger plan dimension (the soil below)
};

// A group of layers of the 3-D view's soil block, from the top down.
struct TLayerGroup {
  TProjectTable Rows;  // one layer per row of this table; none: Count layers
  int Count;
  TLayerThickness Thickness;
  // The label of its layers, followed by the row's number from 1 when numbered.
  const char* Name;
  bool Numbered;
};
inline constexpr int LayerGroupCount = 3;

// A table of soil values beside a layer of the side profile, by the columns
// of its shear-wave velocity and Poisson's ratio.
struct TSoilColumns {
  TProjectTable Table;
  int Velocity, Poisson;
};

// The layers the side profile draws and labels, one per row of Rows, each
// as thick as the first column of Thickness in the same row. Its soil values
// come from the first table of Soil while it has rows, then from the second
// (the row counted on from there); a row that neither has shows none.
struct TProfileGroup {
  TProjectTable Rows;
  TProjectTable Thickness;
  TSoilColumns Soil[2];
  const char* Name;     // followed by the row's number from 1
  bool SkipEmpty;       // a row without thickness draws nothing
  bool OnlyEmbedded;    // only under a cap or footing embedded in its layers
};
inline constexpr int ProfileGroupCount = 2;

// What the side profile shows below its layers.
enum class TProfileBelow {
  Nothing,
  SoilBelowFooting,  // the soil below the footing, labelled under it
  StratumOverRock,   // the stratum from the ground surface to the bed rock, and the rock
};

// How deep the side profile's window reaches, beyond its foundation and lines.
enum class TProfileDepth {
  Foundation,  // the foundation and the layer lines only
  SoilBlock,   // as deep as the 3-D view's soil block
  Column,      // the length of the foundation's column
};

// The schematic section of a system in the foundation-system window.
enum class TPictureSoil { Uniform, OverRock, Layered };
enum class TPictureBody { Waves, RockDepth, Piles, Column };
struct TPictureLabel {
  double X, Y;  // its centre, as parts of the picture's width and height
  const char* Text;
  bool OnRock;  // white, on the bed rock
};
struct TSectionPicture {
  const char* File;  // the bitmap file of the picture
  TPictureSoil Soil;
  TPictureBody Body;
  // The footing's or cap's sides and top as parts of the picture's width and
  // height, and its base below the ground surface as a part of the height.
  double Left, Right, Top, Embedment;
  TPictureLabel Labels[5];  // an entry without text ends them
};

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
  // The table whose rows the side profile draws as its layers; without rows
  // the profile shows only its default window.
  TProjectTable ProfileLayers;
  // The table whose first column, summed, is the length of the piles or of
  // the foundation's column.
  TProjectTable LengthLayers;
  // The 3-D view's soil block: the side soil of the cap or footing, the soil
  // along the piles or the column, and the soil below.
  TLayerGroup SceneLayers[LayerGroupCount];
  // The side profile: its cap or footing (as the 3-D view places it), the
  // foundation's column in place of it, its layers and what lies below them,
  // and its window, widened across by a factor and as deep as it says.
  bool ProfileCap;
  bool ProfileColumn;
  TProfileGroup ProfileGroups[ProfileGroupCount];
  TProfileBelow ProfileBelow;
  double ProfileWidening;
  TProfileDepth ProfileDepth;
  TSectionPicture Picture;
};

// The description of a system. Kind must be one of TFoundationKind's values.
const TFoundationSystem& FoundationSystem(TFoundationKind Kind);
// The same, or nullptr for a value that is none.
const TFoundationSystem* FindFoundationSystem(TFoundationKind Kind);

}  // namespace zavik
