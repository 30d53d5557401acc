#include "app/project/MenuRules.h"

#include "app/project/FoundationSystem.h"
#include "app/project/ProgramData.h"
#include "app/project/ProjectNames.h"

#include <QFileInfo>

#include <algorithm>

namespace zavik {

std::optional<TDataMenuState> DataMenuState(const QString& FoundationType) {
  const TFoundationSystem system(FoundationType);
  if (!system.Known()) return std::nullopt;
  TDataMenuState s;
  // A footing (on a half-space, a stratum or a soil column) has a shape, a
  // mass and dimensions of its own; a pile group has its cap and its piles.
  const bool footing = !system.Pile;
  s.FoundationShape = s.FootingMass = s.FoundationDimension = footing;
  s.PileCapShape = s.PileCapMass = system.Pile;
  s.PileCoordinates = s.PileProperties = s.PileElements = s.SoilLayerData = system.Pile;
  s.FoundationLayer = s.SoilColumnLayer = system.Multi;
  s.SoilBelow = true;
  // A footing on a stratum has no side soil of its own: it is embedded in
  // the stratum.
  s.SideSoil = !system.Stratum;
  s.SideSoilCaption = system.Pile      ? QStringLiteral("Side Soil of Pile Cap")
                      : system.Stratum ? QStringLiteral("Side Soil")
                                       : QStringLiteral("Side Soil of Fondation");
  return s;
}

bool PileItemsEnabled(const QString& FoundationType) { return TFoundationSystem(FoundationType).Pile; }

TGridTable* SideSoilTable(TProjectTables& Tables, int FoundationKind) {
  switch (FoundationKind) {
    case 1: return Tables.D1;
    case 2: return Tables.pilecapsoil;
    case 3:
    case 4: return Tables.D;
  }
  return nullptr;
}

void MatchSoilColumnRows(TProjectTables& Tables) {
  const int layers = Tables.MultiElement->RowCount();
  if (layers > 1) Tables.Multisoil->SetRowCount(std::max(layers - Tables.D->RowCount(), 0));
}

TDimensionWindow DimensionWindow(int FoundationKind) {
  switch (FoundationKind) {
    case 1:
    case 3: return TDimensionWindow::Foundations;
    case 4: return TDimensionWindow::Multimat;
  }
  return TDimensionWindow::None;
}

std::optional<TLoadingMenuState> LoadingMenuState(int LoadType) {
  if (LoadType < 1 || LoadType > 3) return std::nullopt;
  TLoadingMenuState s;
  s.HarmonicData = LoadType == 1;
  s.TransientData = LoadType == 2;
  s.RandomData = LoadType == 3;
  s.Checked = LoadType;
  return s;
}

int LoadTypeFromName(const QString& LoadTypeName, int Current) {
  if (LoadTypeName == QLatin1String("HARMONIC")) return 1;
  if (LoadTypeName == QLatin1String("TRANSIENT")) return 2;
  if (LoadTypeName == QLatin1String("RANDOM")) return 3;
  return Current;
}

TGraphicsMenuState GraphicsMenuState(const TProgramData& Project, bool PlotDataLoaded,
                                     const TPlotDataContents& Plots) {
  TGraphicsMenuState s;
  if (!PlotDataLoaded || !QFileInfo::exists(ChangeFileExt(Project.FileName, QStringLiteral(".kqp")))) return s;
  s.Impedances = Project.StiffnessMatrix != 0 && Plots.Impedances;
  s.Response = Project.LoadType == 1 && Plots.Response;
  return s;
}

TComputationMenuState ComputationMenuState(const QString& FileName) {
  TComputationMenuState s;
  s.Input = QFileInfo::exists(FileName);
  s.RunNotes = QFileInfo::exists(ChangeFileExt(FileName, QStringLiteral(".kqr")));
  s.Output = QFileInfo::exists(ChangeFileExt(FileName, QStringLiteral(".kqo")));
  return s;
}

}  // namespace zavik
