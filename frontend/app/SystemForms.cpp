#include "app/SystemForms.h"

#include "core/FoundationPictures.h"
#include "core/ProgramData.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPixmap>
#include <QRadioButton>
#include <QVBoxLayout>

namespace zavik {

using P = TProgramData;

// ---------------------------------------------------------------------------
// TfrmLayout

const QStringList TfrmLayout::FoundationTypes = DeckWords<TFoundationKind>();

TfrmLayout::TfrmLayout(TProjectAccessor Project, QWidget* Parent)
    : TChildForm(Parent), PictureFolder(QCoreApplication::applicationDirPath()), FProject(std::move(Project)) {
  setWindowTitle(QStringLiteral("Foundation Options"));
  auto* layout = new QVBoxLayout(this);
  auto* row = new QHBoxLayout;
  layout->addLayout(row);
  Label1 = new QLabel(QStringLiteral("Footing Type"), this);
  ComboBox1 = new QComboBox(this);
  ComboBox1->addItems(FoundationTypes);
  Label1->setBuddy(ComboBox1);
  row->addWidget(Label1);
  row->addWidget(ComboBox1);
  row->addStretch();
  Image1 = new QLabel(this);
  Image1->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
  Image1->setMinimumSize(320, 200);
  layout->addWidget(Image1);
  layout->setSizeConstraint(QLayout::SetFixedSize);
  connect(ComboBox1, &QComboBox::activated, this, &TfrmLayout::ComboBox1Change);
}

void TfrmLayout::ShowPicture(TFoundationKind FoundationKind) {
  // Read by its full name: the process's current folder belongs to the
  // analysis run. A missing file shows no picture.
  const QString file = FoundationPictureFile(FoundationKind);
  if (file.isEmpty()) return;
  Image1->setPixmap(QPixmap(PictureFolder + QLatin1Char('/') + file));
}

void TfrmLayout::TakeSystem(TProgramData& Project) {
  if (const std::optional<TFoundationKind> kind = FromDeckWord<TFoundationKind>(ComboBox1->currentText()))
    Project.FoundationKind = *kind;
  ShowPicture(Project.FoundationKind);
}

void TfrmLayout::FormActivate() {
  TProgramData* p = FProject ? FProject() : nullptr;
  if (!p) return;
  ComboBox1->setCurrentIndex(FoundationTypes.indexOf(p->FoundationType()));
  FActivationType = p->FoundationKind;
  TakeSystem(*p);
}

void TfrmLayout::ComboBox1Change() {
  if (TProgramData* p = FProject ? FProject() : nullptr) TakeSystem(*p);
}

void TfrmLayout::StoreValues() {
  TProgramData* p = FProject ? FProject() : nullptr;
  if (!p) return;
  TakeSystem(*p);
  if (p->FoundationKind != FActivationType) {
    FActivationType = p->FoundationKind;
    emit Modified();
  }
  emit UpdatePileMenus();
}

// ---------------------------------------------------------------------------
// TfrmShape

TfrmShape::TfrmShape(TProjectAccessor Project, QWidget* Parent)
    : TInputForm(std::move(Project), QStringLiteral("Foundation Shape"), Parent) {
  auto* layout = new QVBoxLayout(this);
  auto* shape = new QGroupBox(QStringLiteral("Shape"), this);
  auto* buttons = new QHBoxLayout(shape);
  RadioButton1 = new QRadioButton(CodeCaption(TFootingShape::Rectangular), shape);
  RadioButton2 = new QRadioButton(CodeCaption(TFootingShape::Circular), shape);
  buttons->addWidget(RadioButton1);
  buttons->addWidget(RadioButton2);
  layout->addWidget(shape);
  auto* grid = new QGridLayout;
  layout->addLayout(grid);
  const QString L2 = QStringLiteral("L2");
  DataEdit1 = AddBox(grid, 0, QStringLiteral("Radius"), L2, Limits32, &P::FootingRadius);
  DataEdit2 = AddBox(grid, 1, QStringLiteral("Length x, "), L2, NoLimits, &P::FootingLength);
  DataEdit3 = AddBox(grid, 2, QStringLiteral("Width y, "), L2, NoLimits, &P::FootingWidth);
  layout->setSizeConstraint(QLayout::SetFixedSize);
  connect(RadioButton1, &QRadioButton::clicked, this, &TfrmShape::RadioButton1Click);
  connect(RadioButton2, &QRadioButton::clicked, this, &TfrmShape::RadioButton2Click);
}

void TfrmShape::ShowShape(TFootingShape Shape) {
  const bool circular = Shape == TFootingShape::Circular;
  ShowBox(DataEdit1, circular);
  ShowBox(DataEdit2, !circular);
  ShowBox(DataEdit3, !circular);
  FitWindow();
}

void TfrmShape::FormActivate() {
  TProgramData* p = Project();
  if (!p) return;
  RadioButton1->setChecked(p->FootingShape == TFootingShape::Rectangular);
  RadioButton2->setChecked(p->FootingShape == TFootingShape::Circular);
  ShowShape(p->FootingShape);
  LoadBoxes(*p);
}

void TfrmShape::ChooseShape(TFootingShape Shape) {
  TProgramData* p = Project();
  if (!p) return;
  ShowShape(Shape);
  // Another shape is a change of the project, to be saved like any other.
  if (p->FootingShape != Shape) {
    p->FootingShape = Shape;
    UserChanged();
  }
}

void TfrmShape::RadioButton1Click() { ChooseShape(TFootingShape::Rectangular); }
void TfrmShape::RadioButton2Click() { ChooseShape(TFootingShape::Circular); }

// ---------------------------------------------------------------------------
// TfrmCPileProperties

TfrmCPileProperties::TfrmCPileProperties(TProjectAccessor Project, QWidget* Parent)
    : TPileConstantsForm(std::move(Project), QStringLiteral("Pile Properties"), Parent) {
  auto* layout = new QVBoxLayout(this);
  QGridLayout* base;
  layout->addWidget(Group(QStringLiteral("Global Coordinates of Center of Pile Cap Base "), base));
  const QString L2 = QStringLiteral("L2");
  DataEdit1 = AddBox(base, 0, QStringLiteral("X Coordinate (Xc) "), L2, NoLimits, &P::Xc);
  DataEdit2 = AddBox(base, 1, QStringLiteral("Y Coordinate (Yc)"), L2, NoLimits, &P::Yc);
  DataEdit3 = AddBox(base, 2, QStringLiteral("Z Coordinate (Zc)"), L2, NoLimits, &P::Zc);
  auto* grid = new QGridLayout;
  layout->addLayout(grid);
  const auto pile = AddPileConstants(
      grid, 0, QStringLiteral("Cross-sectional coefficient of rigidity for the effect of shear"), QString(),
      QStringLiteral("(use 1.334 for solid circular sections; use 1.52 for rectangular sections)"));
  DataEdit4 = pile[0], DataEdit5 = pile[1], DataEdit6 = pile[2], DataEdit7 = pile[3];
  DataEdit8 = pile[4], DataEdit9 = pile[5], DataEdit10 = pile[6];
  ComboBox1 = AddChoice(grid, 8, QStringLiteral("The connection between the pile cap and pile head"),
                        {CodeCaption(TPileHead::Fixed), CodeCaption(TPileHead::Pinned)},
                        QList{TPileHead::Fixed, TPileHead::Pinned}, &P::PileHead, &P::PileHeadText);
  ComboBox2 = AddChoice(grid, 9, QStringLiteral("Select either floating piles or  end-bearing piles"),
                        {CodeCaption(TPileTip::Floating), CodeCaption(TPileTip::EndBearing)},
                        QList{TPileTip::Floating, TPileTip::EndBearing}, &P::PileTip, &P::PileTipText);
  ComboBox3 = AddChoice(grid, 10, QStringLiteral("Consider the interaction of pile-soil-pile "),
                        {QStringLiteral("Yes"), QStringLiteral("No")}, QList{true, false}, &P::Interaction,
                        &P::InteractionText);
  layout->setSizeConstraint(QLayout::SetFixedSize);
}

QComboBox* TfrmCPileProperties::AddChoice(QGridLayout* Grid, int Row, const QString& Caption,
                                          const QStringList& Items, const QList<int>& Codes,
                                          std::function<int(const TProgramData&)> Code,
                                          std::function<void(TProgramData&, int)> SetCode,
                                          QString TProgramData::* Text) {
  auto* label = new QLabel(Caption, this);
  auto* box = new QComboBox(this);
  box->addItems(Items);
  label->setBuddy(box);
  Grid->addWidget(label, Row, 0);
  Grid->addWidget(box, Row, 1);
  FChoices.append({box, Items, Codes, std::move(Code), std::move(SetCode), Text});
  const TChoice choice = FChoices.last();
  connect(box, &QComboBox::activated, this, [this, choice] {
    TProgramData* p = Project();
    if (!p) return;
    const int before = choice.Code(*p);
    TakeChoice(choice, *p);
    if (choice.Code(*p) != before) UserChanged();
  });
  return box;
}

void TfrmCPileProperties::TakeChoice(const TChoice& C, TProgramData& Project) {
  const int index = C.Box->currentIndex();
  if (index < 0) return;
  Project.*C.Text = C.Items[index];
  C.SetCode(Project, C.Codes[index]);
}

void TfrmCPileProperties::FormActivate() {
  TProgramData* p = Project();
  if (!p) return;
  for (const TChoice& c : FChoices) {
    const int index = c.Codes.indexOf(c.Code(*p));
    if (index >= 0) p->*c.Text = c.Items[index];
    c.Box->setCurrentIndex(c.Items.indexOf(p->*c.Text));
  }
  LoadBoxes(*p);
  // The project holds its values within the limits the boxes show.
  StoreClamped(*p);
}

void TfrmCPileProperties::StoreValues() {
  TProgramData* p = Project();
  if (!p) return;
  StoreBoxes(*p);
  for (const TChoice& c : FChoices) TakeChoice(c, *p);
}

}  // namespace zavik
