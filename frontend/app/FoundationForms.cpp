#include "app/FoundationForms.h"

#include "core/ProgramData.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QVBoxLayout>

namespace zavik {

using P = TProgramData;

namespace {
// The superscript two of the elastic modulus' unit stays in the label
// (lbs/ft² or kN/m²).
const QString ModulusTemplate = QStringLiteral("F/L2\u00B2");
// The largest static load a box takes.
constexpr TBoxLimits StaticLoadLimits{-kNoLimit, 2147483647000.0L, false};
}  // namespace

TfrmFoundations::TfrmFoundations(TProjectAccessor Project, QWidget* Parent)
    : TInputForm(std::move(Project), QStringLiteral("Foundation Data"), Parent) {
  auto* layout = new QVBoxLayout(this);
  QGridLayout* coordinates;
  layout->addWidget(Group(QStringLiteral("Global Coordinates of Foundation Base"), coordinates));
  DataEdit1 = AddBox(coordinates, 0, QStringLiteral("X Coordinate (Xc)"), QStringLiteral("L2"), Limits32, &P::Xc);
  DataEdit2 = AddBox(coordinates, 1, QStringLiteral("Y Coordinate (Yc) "), QStringLiteral("L2"), NoLimits, &P::Yc);
  DataEdit3 = AddBox(coordinates, 2, QStringLiteral("Z Coordinate (Zc) "), QStringLiteral("L2"), NoLimits, &P::Zc);
  auto* depths = new QGridLayout;
  layout->addLayout(depths);
  DataEdit4 = AddBox(depths, 0, QStringLiteral("Depth from ground surface to base of foundation"),
                     QStringLiteral("L2"), NoLimits, &P::FoundationDepth);
  DataEdit5 = AddBox(depths, 1, QStringLiteral("Depth from ground surface to bed rock (rigid underlying layer)"),
                     QStringLiteral("L2"), NoLimits, &P::BedrockDepth);
  layout->setSizeConstraint(QLayout::SetFixedSize);
}

void TfrmFoundations::FormActivate() {
  TProgramData* p = Project();
  if (!p) return;
  if (p->System().Dimensions == TDimensionWindow::Foundations) {
    const bool depths = p->System().StratumDepths;
    ShowBox(DataEdit4, depths);
    ShowBox(DataEdit5, depths);
    FitWindow();
  }
  LoadBoxes(*p);
}

TfrmTipsoil::TfrmTipsoil(TProjectAccessor Project, QWidget* Parent)
    : TInputForm(std::move(Project), QStringLiteral("Soil Below The Footing"), Parent) {
  auto* grid = new QGridLayout(this);
  DataEdit1 = AddBox(grid, 0, QStringLiteral("Shear wave velocity"), QStringLiteral("L2/sec"), Limits32,
                     &P::TipShearVelocity);
  DataEdit2 = AddBox(grid, 1, QStringLiteral("Unit weight"), QStringLiteral("F/L2^3"), NoLimits, &P::TipUnitWeight);
  DataEdit3 = AddBox(grid, 2, QStringLiteral("Poisson's ratio"), QString(), NoLimits, &P::TipPoisson);
  DataEdit4 = AddBox(grid, 3, QStringLiteral("Material damping"), QString(), NoLimits, &P::TipDamping);
  grid->setSizeConstraint(QLayout::SetFixedSize);
}

std::array<TDataEdit*, 7> TPileConstantsForm::AddPileConstants(QGridLayout* Grid, int Row,
                                                                const QString& ShearCaption,
                                                                const QString& ShearTemplate,
                                                                const QString& ShearNote) {
  std::array<TDataEdit*, 7> boxes;
  boxes[0] = AddBox(Grid, Row, QStringLiteral("Unit weight of pile"), QStringLiteral("F/L2^3"), NoLimits,
                    &P::PileUnitWeight);
  boxes[1] = AddBox(Grid, Row + 1, QStringLiteral("Poisson's ratio of the pile"), QString(), NoLimits, &P::PilePoisson);
  boxes[2] = AddBox(Grid, Row + 2, QStringLiteral("Material damping of the pile"), QString(), NoLimits,
                    &P::PileDamping);
  boxes[3] = AddBox(Grid, Row + 3, QStringLiteral("&Elastic modulus of the pile "), ModulusTemplate, NoLimits,
                    &P::PileModulus);
  boxes[4] = AddBox(Grid, Row + 4, QStringLiteral("Total length of pile"), QStringLiteral("L2"), Limits32,
                    &P::PileLength);
  boxes[5] = AddBox(Grid, Row + 5, ShearCaption, ShearTemplate, Limits32, &P::ShearCoefficient);
  int row = Row + 6;
  if (!ShearNote.isEmpty()) Grid->addWidget(new QLabel(ShearNote, this), row++, 0, 1, 2);
  boxes[6] = AddBox(Grid, row, QStringLiteral("Static load on foundation"), QStringLiteral("F"), StaticLoadLimits,
                    &P::StaticLoad);
  return boxes;
}

TfrmMultimat::TfrmMultimat(TProjectAccessor Project, QWidget* Parent)
    : TPileConstantsForm(std::move(Project), QStringLiteral("Foundation Properties"), Parent) {
  auto* grid = new QGridLayout(this);
  const QString L2 = QStringLiteral("L2");
  DataEdit1 = AddBox(grid, 0, QStringLiteral("Distance from center of foundation base to center of gravity (Xc) "),
                     L2, NoLimits, &P::Xc);
  DataEdit2 = AddBox(grid, 1, QStringLiteral("Distance from center of foundation base to center of gravity (Yc)"),
                     L2, NoLimits, &P::Yc);
  DataEdit3 = AddBox(grid, 2, QStringLiteral("Height of center of gravity of foundation from the base (Zc)"), L2,
                     NoLimits, &P::Zc);
  const auto pile = AddPileConstants(grid, 3, QStringLiteral("Cross-sectional coefficient of rigidity"),
                                     QStringLiteral("F/L2"), QString());
  DataEdit4 = pile[0], DataEdit5 = pile[1], DataEdit6 = pile[2], DataEdit7 = pile[3];
  DataEdit8 = pile[4], DataEdit9 = pile[5], DataEdit10 = pile[6];
  grid->setSizeConstraint(QLayout::SetFixedSize);
}

void TfrmMultimat::FormActivate() {
  TProgramData* p = Project();
  if (!p) return;
  LoadBoxes(*p);
  // The project holds its values within the limits the boxes show.
  StoreClamped(*p);
}

}  // namespace zavik
