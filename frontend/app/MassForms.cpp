#include "app/MassForms.h"

#include "core/FoundationPictures.h"
#include "core/MassProperties.h"
#include "core/ProgramData.h"
#include "controls/Messages.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QPainter>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace zavik {

namespace {

// The picture of the local and global coordinate systems.
class TAxesPicture : public QWidget {
public:
  explicit TAxesPicture(QWidget* Parent) : QWidget(Parent) { setFixedSize(MassAxesPictureSize); }

protected:
  void paintEvent(QPaintEvent*) override {
    QPainter painter(this);
    DrawMassAxes(painter, rect());
  }
};

}  // namespace

using P = TProgramData;

const QString TMassForm::TotalMassRefusal = QStringLiteral(
    "The total mass of the mass components is 0 or less, so they have no center of gravity: "
    "nothing was computed.");

QStringList TMassForm::NoteLines(bool PileCap) {
  return {QStringLiteral("Mass moment of inertia should include all equipment masses and"),
          QStringLiteral("mass of the concrete footing or cap."),
          QString(),
          QStringLiteral("If you already figured out the mass moment of inertia for the "),
          QStringLiteral("foundation system, please enter the data into the right data boxes."),
          QString(),
          QStringLiteral("If you need the program to help you make computations, please"),
          QStringLiteral("enter the local coordinates of the C.B. and click the Buttom "),
          QStringLiteral("\"Input all the mass components\" below."),
          QString(),
          QStringLiteral("After all the data entered, you may click the next Buttom"),
          PileCap ? QStringLiteral("\"Calculate mass moment of inertia\".  The data editing boxes")
                  : QStringLiteral("\"Calculate mass moment of inertia\".  The data editing boxes "),
          QStringLiteral("at the right side will be filled out with the computed data.")};
}

TMassForm::TMassForm(TProjectAccessor Project, bool PileCap, QWidget* Parent)
    : TInputForm(std::move(Project),
                 PileCap ? QStringLiteral("Pile Cap Properties") : QStringLiteral("Mass Data"), Parent) {
  auto* layout = new QHBoxLayout(this);
  // The note speaks of the boxes at the right side.
  auto* right = new QVBoxLayout;
  auto* left = new QVBoxLayout;
  layout->addLayout(right);
  layout->addLayout(left);

  const QString L2 = QStringLiteral("L2"), inertia = QStringLiteral("F6-L2^2");
  QGridLayout* grid;
  left->addWidget(Group(PileCap ? QStringLiteral("Combined Mass (including Self-Weight of Pile Cap)")
                                : QStringLiteral("Combined Mass (including self-weight) on Foundation  "),
                        grid));
  FRoles.TotalMass = AddBox(grid, 0,
                            PileCap ? QStringLiteral("Total mass (including equipment) of footing")
                                    : QStringLiteral("Total mass (self weight only) of the foundation"),
                            QStringLiteral("F6"), Limits32, &P::TotalMass);
  FRoles.Inertia = {
      AddBox(grid, 1, QStringLiteral("Mass moment of inertia about X-axis"), inertia, NoLimits, &P::InertiaX),
      AddBox(grid, 2, QStringLiteral("Mass moment of inertia about Y-axis"), inertia, NoLimits, &P::InertiaY),
      AddBox(grid, 3, QStringLiteral("Mass moment of inertia about Z-axis"), inertia, NoLimits, &P::InertiaZ)};
  FRoles.Products = {
      AddBox(grid, 4, QStringLiteral("Cross product X-Y (product of inertia)"), inertia, NoLimits, &P::ProductXY),
      AddBox(grid, 5, QStringLiteral("Cross product X-Z (product of inertia)"), inertia, NoLimits, &P::ProductXZ),
      AddBox(grid, 6, QStringLiteral("Cross product Y-Z (product of inertia)"), inertia, NoLimits, &P::ProductYZ)};

  left->addWidget(Group(QStringLiteral("Computed Coordinates of C.G. in local coordinates"), grid));
  FRoles.CG = {AddBox(grid, 0, QStringLiteral("x-coord. of C.G."), L2, NoLimits, &P::CGX),
               AddBox(grid, 1, QStringLiteral("y-coord. of C.G."), L2, NoLimits, &P::CGY),
               AddBox(grid, 2, QStringLiteral("z-coord. of C.G."), L2, NoLimits, &P::CGZ)};
  left->addWidget(Group(QStringLiteral("Local coordinates of C.B."), grid));
  FRoles.CBLocal = {AddBox(grid, 0, QStringLiteral("x-coord. of C.B."), L2, NoLimits, &P::CBLocalX),
                    AddBox(grid, 1, QStringLiteral("y-coord. of C.B."), L2, NoLimits, &P::CBLocalY),
                    AddBox(grid, 2, QStringLiteral("z-coord. of C.B."), L2, NoLimits, &P::CBLocalZ)};
  left->addWidget(Group(QStringLiteral("Computed Coordinates of C.B. in global coordinates"), grid));
  FRoles.CBGlobal = {AddBox(grid, 0, QStringLiteral("X-coord. of C.B."), L2, NoLimits, &P::CBGlobalX),
                     AddBox(grid, 1, QStringLiteral("Y-coord. of C.B."), L2, NoLimits, &P::CBGlobalY),
                     AddBox(grid, 2, QStringLiteral("Z-coord. of C.B."), L2, NoLimits, &P::CBGlobalZ)};
  for (TDataEdit* computed : FRoles.CG) computed->setEnabled(false);
  for (TDataEdit* computed : FRoles.CBGlobal) computed->setEnabled(false);
  left->addStretch();

  right->addWidget(new TAxesPicture(this), 0, Qt::AlignHCenter);
  Note = new QPlainTextEdit(this);
  Note->setReadOnly(true);
  Note->setPlainText(NoteLines(PileCap).join(QLatin1Char('\n')));
  Note->setLineWrapMode(QPlainTextEdit::NoWrap);
  Note->setMinimumWidth(Note->fontMetrics().horizontalAdvance(NoteLines(false).value(4)) + 30);
  Note->setFixedHeight(Note->fontMetrics().lineSpacing() * (NoteLines(false).size() + 1) +
                       2 * Note->frameWidth() + 8);
  right->addWidget(Note);
  FInputButton = new QPushButton(QStringLiteral("Input all the mass components"), this);
  FCalculateButton = new QPushButton(QStringLiteral("Calculate mass moment of inertia"), this);
  right->addWidget(FInputButton);
  right->addWidget(FCalculateButton);
  right->addStretch();
  connect(FInputButton, &QPushButton::clicked, this, &TMassForm::InputComponentsClick);
  connect(FCalculateButton, &QPushButton::clicked, this, &TMassForm::CalculateClick);
  layout->setSizeConstraint(QLayout::SetFixedSize);
}

void TMassForm::InputComponentsClick() {
  Guarded(this, [&] {
    if (TProgramData* p = Project()) p->Tables().MassCal->Show();
  });
}

void TMassForm::CalculateClick() {
  Guarded(this, [&] {
    TProgramData* p = Project();
    if (!p) return;
    TMassProperties m;
    if (!ComputeMassProperties(MassComponents(*p->Tables().MassCal), m)) {
      ShowInformation(this, TotalMassRefusal);
      return;
    }
    const TPoint3 local{FRoles.CBLocal[0]->Number(), FRoles.CBLocal[1]->Number(), FRoles.CBLocal[2]->Number()};
    const TPoint3 global = GlobalCentreOfBase(local, {m.CGX, m.CGY, m.CGZ});
    FRoles.TotalMass->SetNumber(m.TotalMass);
    const long double inertia[] = {m.InertiaX, m.InertiaY, m.InertiaZ};
    const long double products[] = {m.ProductXY, m.ProductXZ, m.ProductYZ};
    const long double cg[] = {m.CGX, m.CGY, m.CGZ};
    const long double cb[] = {global.X, global.Y, global.Z};
    for (int i = 0; i < 3; ++i) {
      FRoles.Inertia[i]->SetNumber(inertia[i]);
      FRoles.Products[i]->SetNumber(products[i]);
      FRoles.CG[i]->SetNumber(cg[i]);
      FRoles.CBGlobal[i]->SetNumber(cb[i]);
    }
    const int rows = std::min<int>(p->Tables().MassCal->RowCount(), int(p->MassRowCGX.size()));
    for (int r = 0; r < rows; ++r) {
      p->MassRowCGX[r] = m.CGX;
      p->MassRowCGY[r] = m.CGY;
      p->MassRowCGZ[r] = m.CGZ;
    }
    // The base of the foundation is where the computation puts it, once: a
    // later edit of Xc, Yc, Zc in another window stands.
    p->Xc = FRoles.CBGlobal[0]->Number();
    p->Yc = FRoles.CBGlobal[1]->Number();
    p->Zc = FRoles.CBGlobal[2]->Number();
    UserChanged();
  });
}

TfrmMassdata::TfrmMassdata(TProjectAccessor Project, QWidget* Parent) : TMassForm(std::move(Project), false, Parent) {
  DataEdit1 = FRoles.TotalMass;
  DataEdit2 = FRoles.Inertia[0], DataEdit3 = FRoles.Inertia[1], DataEdit4 = FRoles.Inertia[2];
  DataEdit5 = FRoles.Products[0], DataEdit6 = FRoles.Products[1], DataEdit7 = FRoles.Products[2];
  DataEdit8 = FRoles.CG[0], DataEdit9 = FRoles.CG[1], DataEdit10 = FRoles.CG[2];
  DataEdit11 = FRoles.CBLocal[0], DataEdit12 = FRoles.CBLocal[1], DataEdit13 = FRoles.CBLocal[2];
  DataEdit14 = FRoles.CBGlobal[0], DataEdit15 = FRoles.CBGlobal[1], DataEdit16 = FRoles.CBGlobal[2];
  Button1 = FCalculateButton;
  Button2 = FInputButton;
}

TfrmNCPileProperties::TfrmNCPileProperties(TProjectAccessor Project, QWidget* Parent)
    : TMassForm(std::move(Project), true, Parent) {
  DataEdit1 = FRoles.CG[0], DataEdit2 = FRoles.CG[1], DataEdit3 = FRoles.CG[2];
  DataEdit4 = FRoles.CBLocal[0], DataEdit12 = FRoles.CBLocal[1], DataEdit13 = FRoles.CBLocal[2];
  DataEdit5 = FRoles.TotalMass;
  DataEdit6 = FRoles.Inertia[0], DataEdit7 = FRoles.Inertia[1], DataEdit8 = FRoles.Inertia[2];
  DataEdit9 = FRoles.Products[0], DataEdit10 = FRoles.Products[1], DataEdit11 = FRoles.Products[2];
  DataEdit14 = FRoles.CBGlobal[0], DataEdit15 = FRoles.CBGlobal[1], DataEdit16 = FRoles.CBGlobal[2];
  Button1 = FInputButton;
  Button2 = FCalculateButton;
}

}  // namespace zavik
