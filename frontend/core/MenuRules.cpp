#include "core/MenuRules.h"

#include "core/ProgramData.h"
#include "core/ProjectNames.h"

#include <QFileInfo>

#include <algorithm>

namespace zavik {

namespace {
// The description of a system, or nullptr for a value that is none.
const TFoundationSystem* SystemOf(TFoundationKind Kind) { return IsKnown(Kind) ? &FoundationSystem(Kind) : nullptr; }
}  // namespace

std::optional<TDataMenuState> DataMenuState(TFoundationKind FoundationKind) {
  const TFoundationSystem* system = SystemOf(FoundationKind);
  if (!system) return std::nullopt;
  TDataMenuState s;
  // A footing (on a half-space, a stratum or a soil column) has a shape, a
  // mass and dimensions of its own; a pile group has its cap and its piles.
  const bool footing = !system->PileGroup;
  s.FoundationShape = s.FootingMass = s.FoundationDimension = footing;
  s.PileCapShape = s.PileCapMass = system->PileGroup;
  s.PileCoordinates = s.PileProperties = s.PileElements = s.SoilLayerData = system->PileGroup;
  // Foundation layers of its own, over a soil column.
  s.FoundationLayer = s.SoilColumnLayer = system->DeckSoil == TDeckSoil::SideLayersColumn;
  s.SoilBelow = true;
  s.SideSoil = system->SideSoilItem;
  s.SideSoilCaption = QString::fromUtf8(system->SideSoilCaption);
  return s;
}

std::optional<TDataMenuState> DataMenuState(const QString& FoundationType) {
  const std::optional<TFoundationKind> kind = FromDeckWord<TFoundationKind>(FoundationType);
  if (!kind) return std::nullopt;
  return DataMenuState(*kind);
}

bool PileItemsEnabled(TFoundationKind FoundationKind) {
  const TFoundationSystem* system = SystemOf(FoundationKind);
  return system && system->PileGroup;
}

bool PileItemsEnabled(const QString& FoundationType) {
  const std::optional<TFoundationKind> kind = FromDeckWord<TFoundationKind>(FoundationType);
  return kind && PileItemsEnabled(*kind);
}

TGridTable* SideSoilTable(TProjectTables& Tables, TFoundationKind FoundationKind) {
  const TFoundationSystem* system = SystemOf(FoundationKind);
  return system ? Tables.*system->SideSoilTable : nullptr;
}

void MatchSoilColumnRows(TProjectTables& Tables) {
  const int layers = Tables.MultiElement->RowCount();
  if (layers > 1) Tables.Multisoil->SetRowCount(std::max(layers - Tables.D->RowCount(), 0));
}

TDimensionWindow DimensionWindow(TFoundationKind FoundationKind) {
  const TFoundationSystem* system = SystemOf(FoundationKind);
  return system ? system->Dimensions : TDimensionWindow::None;
}

std::optional<TLoadingMenuState> LoadingMenuState(TLoadType LoadType) {
  if (!IsKnown(LoadType)) return std::nullopt;
  TLoadingMenuState s;
  s.HarmonicData = LoadType == TLoadType::Harmonic;
  s.TransientData = LoadType == TLoadType::Transient;
  s.RandomData = LoadType == TLoadType::Random;
  s.Checked = LoadType;
  return s;
}

TLoadType LoadTypeFromName(const QString& LoadTypeName, TLoadType Current) {
  return FromDeckWord<TLoadType>(LoadTypeName).value_or(Current);
}

TGraphicsMenuState GraphicsMenuState(const TProgramData& Project, bool PlotDataLoaded,
                                     const TPlotDataContents& Plots) {
  TGraphicsMenuState s;
  if (!PlotDataLoaded || !QFileInfo::exists(SideFileName(Project.FileName, QStringLiteral(".kqp")))) return s;
  s.Impedances = Project.StiffnessMatrix && Plots.Impedances;
  s.Response = Project.LoadType == TLoadType::Harmonic && Plots.Response;
  return s;
}

TComputationMenuState ComputationMenuState(const QString& FileName) {
  TComputationMenuState s;
  s.Input = QFileInfo::exists(FileName);
  s.RunNotes = QFileInfo::exists(SideFileName(FileName, QStringLiteral(".kqr")));
  s.Output = QFileInfo::exists(SideFileName(FileName, QStringLiteral(".kqo")));
  return s;
}

}  // namespace zavik
