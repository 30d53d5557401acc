#pragma once
// What the main window's menus offer for the open project: which items are
// enabled, checked or relabelled, by foundation system, load type, the
// project's files and the plot data loaded. Plain rules, so that the window
// only applies them when a menu opens.

#include "core/FoundationSystem.h"
#include "core/ProjectCodes.h"

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

// By the foundation system; nothing for a value that is none (the menu then
// stays as it is). The system may be given by its name ("HALF-SPACE", "PILE",
// "STRATUM", "MULTILAYER"), compared exactly.
std::optional<TDataMenuState> DataMenuState(TFoundationKind FoundationKind);
std::optional<TDataMenuState> DataMenuState(const QString& FoundationType);

// "&Pile Properties", "Pile Elements" and "Pile Coordinates": a pile group only.
bool PileItemsEnabled(TFoundationKind FoundationKind);
bool PileItemsEnabled(const QString& FoundationType);

// The table that the side-soil item opens by the foundation system; nullptr
// for a value that is none.
TGridTable* SideSoilTable(TProjectTables& Tables, TFoundationKind FoundationKind);

// A multilayer foundation's soil column is the foundation's layers below the
// side soil: its row count follows theirs whenever the foundation has more
// than one layer (never below none).
void MatchSoilColumnRows(TProjectTables& Tables);

// Which window "Foundation Dimension and Constants" opens by the foundation
// system; none for a value that is none.
TDimensionWindow DimensionWindow(TFoundationKind FoundationKind);

// The loading items of the Data menu by the load type; nothing for a value
// that is none.
struct TLoadingMenuState {
  bool HarmonicData = false;   // "Harmonic Loading Data"
  bool TransientData = false;  // "Transient Loading Data"
  bool RandomData = false;     // "Random Loading Data"
  TLoadType Checked = TLoadType::Harmonic;  // the "Option of Loading" item checked
};
std::optional<TLoadingMenuState> LoadingMenuState(TLoadType LoadType);

// The load type that a project's stored load name stands for, compared
// exactly ("HARMONIC", "TRANSIENT", "RANDOM"); Current for any other text,
// a trailing blank included.
TLoadType LoadTypeFromName(const QString& LoadTypeName, TLoadType Current);

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
