#include "app/LoadingForms.h"

#include "core/HarmonicLoad.h"
#include "core/ProgramData.h"
#include "controls/Messages.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QGuiApplication>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace zavik {

using P = TProgramData;

THarmonicForm::THarmonicForm(TProjectAccessor Project, bool Quadratic, QWidget* Parent)
    : TInputForm(std::move(Project),
                 Quadratic ? QStringLiteral("Harmonic Loading Data, Quadratic")
                           : QStringLiteral("Harmonic Loading Data, NonQuadratic"),
                 Parent),
      FQuadratic(Quadratic) {
  auto* layout = new QVBoxLayout(this);
  auto* grid = new QGridLayout;
  layout->addLayout(grid);
  const QString hz = QStringLiteral("Hz");
  DataEdit1 = AddBox(grid, 0, QStringLiteral("Maximum Frequency"), hz, NoLimits, &P::MaxFrequency);
  DataEdit2 = AddBox(grid, 1, QStringLiteral("Minimum Frequency"), hz, NoLimits, &P::MinFrequency);
  DataEdit3 = AddBox(grid, 2, QStringLiteral("Step frequency (incremental frequency)"), hz, NoLimits,
                     &P::StepFrequency);
  const QString force = Quadratic ? QStringLiteral("F6-L2") : QStringLiteral("F");
  const QString moment = Quadratic ? QStringLiteral("F6-L2^2") : QStringLiteral("F-L2");
  const QString f = Quadratic ? QStringLiteral("Force Coefficient in ") : QStringLiteral("Force in ");
  const QString m = Quadratic ? QStringLiteral("Moment Coefficient about ") : QStringLiteral("Moment about ");
  DataEdit4 = AddBox(grid, 3, f + QStringLiteral("X-direction"), force, NoLimits, &P::ForceX);
  DataEdit5 = AddBox(grid, 4, f + QStringLiteral("Y-direction"), force, NoLimits, &P::ForceY);
  DataEdit6 = AddBox(grid, 5, f + QStringLiteral("Z-direction"), force, NoLimits, &P::ForceZ);
  DataEdit7 = AddBox(grid, 6, m + QStringLiteral("X-axis "), moment, NoLimits, &P::MomentX);
  DataEdit8 = AddBox(grid, 7, m + QStringLiteral("Y-axis"), moment, Limits32, &P::MomentY);
  DataEdit9 = AddBox(grid, 8, m + QStringLiteral("Z-axis"), moment, Limits32, &P::MomentZ);

  QGridLayout* point;
  QGroupBox* group = Group(QStringLiteral("Point of Application of Load"), point);
  layout->addWidget(group);
  const QString L2 = QStringLiteral("L2");
  DataEdit10 = AddBox(point, 0, QStringLiteral("X-coordinate"), L2, NoLimits, &P::LoadPointX);
  DataEdit11 = AddBox(point, 1, QStringLiteral("Y-coordinate"), L2, NoLimits, &P::LoadPointY);
  DataEdit12 = AddBox(point, 2, QStringLiteral("Z-coordinate"), L2, NoLimits, &P::LoadPointZ);
  RadioButton1 = new QRadioButton(CodeCaption(TLoadPointReference::CentreOfGravity), this);
  RadioButton2 = new QRadioButton(CodeCaption(TLoadPointReference::CentreOfBase), this);
  RadioButton1->setChecked(true);
  point->addWidget(RadioButton1, 3, 0, 1, 2);
  point->addWidget(RadioButton2, 4, 0, 1, 2);
  Button1 = new QPushButton(Quadratic ? QStringLiteral("Equivalent Coefs. at Center of Gravity")
                                      : QStringLiteral("Equivalent Loads at Center of Gravity"),
                            this);
  layout->addWidget(Button1, 0, Qt::AlignHCenter);
  // Only the user's clicks convert the load point: setting the buttons on
  // activation emits no click.
  connect(RadioButton1, &QRadioButton::clicked, this, &THarmonicForm::RadioButton1Click);
  connect(RadioButton2, &QRadioButton::clicked, this, &THarmonicForm::RadioButton2Click);
  connect(Button1, &QPushButton::clicked, this, &THarmonicForm::Button1Click);
  layout->setSizeConstraint(QLayout::SetFixedSize);
}

void THarmonicForm::ShowReference(TLoadPointReference Reference) {
  const bool local = Reference == TLoadPointReference::CentreOfBase;
  DataEdit10->SetCaption(local ? QStringLiteral("x-coordinate") : QStringLiteral("X-coordinate"));
  DataEdit11->SetCaption(local ? QStringLiteral("y-coordinate") : QStringLiteral("Y-coordinate"));
  DataEdit12->SetCaption(local ? QStringLiteral("z-coordinate") : QStringLiteral("Z-coordinate"));
  (local ? RadioButton2 : RadioButton1)->setChecked(true);
  FReference = Reference;
}

void THarmonicForm::FormActivate() {
  TProgramData* p = Project();
  if (!p) return;
  LoadBoxes(*p);
  // A stored number that is neither shows the centre of gravity.
  ShowReference(p->LoadPointReference == TLoadPointReference::CentreOfBase ? TLoadPointReference::CentreOfBase
                                                                           : TLoadPointReference::CentreOfGravity);
}

void THarmonicForm::SwitchReference(TLoadPointReference Reference) {
  Guarded(this, [&] {
    TProgramData* p = Project();
    if (!p || Reference == FReference) return;
    // Until the point is converted the buttons show the reference it is in.
    const TLoadPointReference from = FReference;
    ShowReference(from);
    const TPoint3 point{DataEdit10->Number(), DataEdit11->Number(), DataEdit12->Number()};
    const TPoint3 moved = Reference == TLoadPointReference::CentreOfGravity ? BaseToGravityPoint(point, *p) : GravityToBasePoint(point, *p);
    DataEdit10->SetNumber(moved.X);
    DataEdit11->SetNumber(moved.Y);
    DataEdit12->SetNumber(moved.Z);
    ShowReference(Reference);
    UserChanged();
  });
}

void THarmonicForm::RadioButton1Click() { SwitchReference(TLoadPointReference::CentreOfGravity); }
void THarmonicForm::RadioButton2Click() { SwitchReference(TLoadPointReference::CentreOfBase); }

void THarmonicForm::StoreValues() {
  TProgramData* p = Project();
  if (!p || !ShowsUnitsOf(*p)) return;
  StoreBoxes(*p);
  p->LoadPointReference =
      RadioButton1->isChecked() ? TLoadPointReference::CentreOfGravity : TLoadPointReference::CentreOfBase;
}

TChildForm::TRefusal THarmonicForm::CheckValues() {
  return {FrequencyRangeRefusal(DataEdit1->Number(), DataEdit2->Number(), DataEdit3->Number()), DataEdit3};
}

void THarmonicForm::Button1Click() {
  Guarded(this, [&] {
    TProgramData* p = Project();
    if (!p) return;
    const TLoadVector loads{DataEdit4->Number(), DataEdit5->Number(), DataEdit6->Number(),
                            DataEdit7->Number(), DataEdit8->Number(), DataEdit9->Number()};
    TPoint3 point{DataEdit10->Number(), DataEdit11->Number(), DataEdit12->Number()};
    if (RadioButton2->isChecked()) point = BaseToGravityPoint(point, *p);
    QMessageBox box(QMessageBox::NoIcon, QGuiApplication::applicationDisplayName(),
                    MessageText(EquivalentLoadsText(EquivalentLoads(loads, point), FQuadratic, p->Units)),
                    QMessageBox::Ok, this);
    box.exec();
  });
}

Tfrmtransient::Tfrmtransient(TProjectAccessor Project, QWidget* Parent)
    : TInputForm(std::move(Project), QStringLiteral("Transient Loading Data"), Parent) {
  auto* layout = new QVBoxLayout(this);
  auto* grid = new QGridLayout;
  layout->addLayout(grid);
  DataEdit1 = AddBox(grid, 0, QStringLiteral("Number of points "), QString(), WholeNumbers32, &P::NumberOfPoints);
  DataEdit2 = AddBox(grid, 1, QStringLiteral("Time interval between points"), QString(), NoLimits, &P::TimeInterval);
  DataEdit3 = AddBox(grid, 2, QStringLiteral("Number of load type to be input"), QString(), WholeNumbers32,
                     &P::NumberOfLoadTypes);
  ShowRowCount(DataEdit3, &TProjectTables::TLoadtype);
  Button1 = new QPushButton(QStringLiteral("Data Button"), this);
  layout->addWidget(Button1, 0, Qt::AlignHCenter);
  connect(Button1, &QPushButton::clicked, this, &Tfrmtransient::Button1Click);
  layout->setSizeConstraint(QLayout::SetFixedSize);
}

void Tfrmtransient::Button1Click() {
  Guarded(this, [&] {
    if (TProgramData* p = Project()) p->Tables().TLoadtype->Show();
  });
}

Tfrmrandom::Tfrmrandom(TProjectAccessor Project, QWidget* Parent)
    : TInputForm(std::move(Project), QStringLiteral("Tansient Loading Data"), Parent) {
  auto* layout = new QVBoxLayout(this);
  auto* grid = new QGridLayout;
  layout->addLayout(grid);
  const QString hz = QStringLiteral("Hz");
  DataEdit1 = AddBox(grid, 0, QStringLiteral("Maximum frequency"), hz, NoLimits, &P::RandomMaxFrequency);
  DataEdit2 = AddBox(grid, 1, QStringLiteral("Minimum frequency"), hz, NoLimits, &P::RandomMinFrequency);
  DataEdit3 = AddBox(grid, 2, QStringLiteral("Number of points to be read"), QString(),
                     {-kNoLimit, 2147483647.0L, true}, &P::NumberOfPoints);
  DataEdit4 = AddBox(grid, 3, QStringLiteral("Observation period"), QString(), NoLimits, &P::ObservationPeriod);
  DataEdit5 = AddBox(grid, 4, QStringLiteral("Number of spectrum"), QString(), {1, 2147483647.0L, true},
                     &P::NumberOfLoadTypes);
  ShowRowCount(DataEdit5, &TProjectTables::Trandom);
  Button1 = new QPushButton(QStringLiteral("Data Button"), this);
  layout->addWidget(Button1, 0, Qt::AlignHCenter);
  connect(Button1, &QPushButton::clicked, this, &Tfrmrandom::Button1Click);
  layout->setSizeConstraint(QLayout::SetFixedSize);
}

void Tfrmrandom::Button1Click() {
  Guarded(this, [&] {
    if (TProgramData* p = Project()) p->Tables().Trandom->Show();
  });
}

}  // namespace zavik
