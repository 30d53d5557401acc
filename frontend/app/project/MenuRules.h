#pragma once
// What the main window's menus offer for the open project: which items are
// enabled, checked or relabelled, by foundation system, load type, the
// project's files and the plot data loaded. Plain rules, so that the window
// only applies them when a menu opens.

#include <QString>

#include <optional>

namespace zavik {

class TGridTable;
class TProgramData;
class TProjectTables;

// The Data menu's items that depend on the foundation system.
struct TDataMenuState {
  bool FoundationShape = false;      // "Option of Foundation Shape"
  bool FootingMass = false;          // "Footing Mass Parameters"
  bool FoundationDimension = false;  // "Foundation Dimension and Constants"
  bool FoundationLayer = false;      // "Foundation Layer"
  bool PileCapShape = false;         // "Pile Cap Shape/Dimension"
  bool PileCapMass = false;          // "Pile Cap Mass Properties"
  bool PileCoordinates = false;      // "Pile Coordinates"
  bool PileProperties = false;       // "&Pile Properties"
  bool PileElements = false;         // "Pile Elements"
  bool SoilLayerData = false;        // "Soil &Layer Data"
  bool SoilBelow = false;            // "Soil Data Below Footing/PileTip"
  bool SideSoil = false;             // the side-soil item
  QString SideSoilCaption;
  bool SoilColumnLayer = false;      // "Soil Column Layer"
};

// For "HALF-SPACE", "PILE", "STRATUM" and "MULTILAYER"; nothing for any other
// name (the menu then stays as it is).
std::optional<TDataMenuState> DataMenuState(const QString& FoundationType);

// "&Pile Properties", "Pile Elements" and "Pile Coordinates": a pile group only.
bool PileItemsEnabled(const QString& FoundationType);

// The table that the side-soil item opens by FoundationKind (1 HALF-SPACE,
// 2 PILE, 3 STRATUM, 4 MULTILAYER); nullptr for any other kind.
TGridTable* SideSoilTable(TProjectTables& Tables, int FoundationKind);

// A multilayer foundation's soil column is the foundation's layers below the
// side soil: its row count follows theirs whenever the foundation has more
// than one layer (never below none).
void MatchSoilColumnRows(TProjectTables& Tables);

// Which window "Foundation Dimension and Constants" opens by FoundationKind.
enum class TDimensionWindow { None, Foundations, Multimat };
TDimensionWindow DimensionWindow(int FoundationKind);

// The loading items of the Data menu by LoadType (1 harmonic, 2 transient,
// 3 random); nothing for any other value.
struct TLoadingMenuState {
  bool HarmonicData = false;   // "Harmonic Loading Data"
  bool TransientData = false;  // "Transient Loading Data"
  bool RandomData = false;     // "Random Loading Data"
  int Checked = 0;             // the "Option of Loading" item checked: 1, 2 or 3
};
std::optional<TLoadingMenuState> LoadingMenuState(int LoadType);

// The load type that a project's stored load name stands for, compared
// exactly ("HARMONIC", "TRANSIENT", "RANDOM"); Current for any other text,
// a trailing blank included.
int LoadTypeFromName(const QString& LoadTypeName, int Current);

// The Graphics menu. Plots are offered only when the plot data of the
// project's own ".kqp" file is loaded; the impedance plots when the project
// asks for the stiffness matrix and the data hold impedances, the response
// plots and the amplitude dialog when the load is harmonic and the data hold
// the response.
struct TGraphicsMenuState {
  bool Impedances = false;
  bool Response = false;
};
// What the loaded plot data hold (the plots' HasImpedances and HasResponse).
struct TPlotDataContents {
  bool Impedances = false;
  bool Response = false;
};
TGraphicsMenuState GraphicsMenuState(const TProgramData& Project, bool PlotDataLoaded,
                                     const TPlotDataContents& Plots);

// The Computation menu's editor items: enabled while the project file, its
// run notes (".kqr") and its report (".kqo") exist.
struct TComputationMenuState {
  bool Input = false;
  bool RunNotes = false;
  bool Output = false;
};
TComputationMenuState ComputationMenuState(const QString& FileName);

}  // namespace zavik
