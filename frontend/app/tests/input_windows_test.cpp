// The input windows driven as a user would, in an MDI area with the
// windows' protocol: what each loads and stores, its labels in both unit
// systems, its limits, the project's modified flag, and each window's own
// behaviour.
#include "InputWindows.h"

#include "app/FoundationForms.h"
#include "core/HarmonicLoad.h"
#include "app/LoadingForms.h"
#include "app/MassForms.h"
#include "app/SystemForms.h"
#include "controls/TableForm.h"

#include <QComboBox>
#include <QDir>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalSpy>
#include <QTemporaryDir>

#include <functional>
#include <ostream>
#include <vector>

namespace zavik {
namespace {

using namespace testing;
using P = TProgramData;

// A box of a window the test opens.
struct TBoxOf {
  TChildForm* Form;
  TDataEdit* Box;
};
using TOpenBox = std::function<TBoxOf(InputWindowsTest&)>;

template <class F, class B>
TOpenBox BoxOf(TDataEdit* B::* Box) {
  return [Box](InputWindowsTest& T) {
    F* form = T.Open<F>();
    return TBoxOf{form, form->*Box};
  };
}

// ---------------------------------------------------------------------------
// Labels: the caption and the unit of the project's system.

struct LabelRow {
  const char* Name;
  TOpenBox Open;
  const char* English;
  const char* SI;
};
void PrintTo(const LabelRow& R, std::ostream* Os) { *Os << R.Name; }

class LabelTest : public InputWindowsTest, public ::testing::WithParamInterface<LabelRow> {};

TEST_P(LabelTest, ReadInTheProjectsUnits) {
  Project->ConvertUnits(TUnits::English);
  const TBoxOf b = GetParam().Open(*this);
  EXPECT_EQ(LabelText(b.Box), QString::fromUtf8(GetParam().English));
  // After a change of the unit system the main window reloads its windows.
  Project->ConvertUnits(TUnits::SI);
  b.Form->FormActivate();
  EXPECT_EQ(LabelText(b.Box), QString::fromUtf8(GetParam().SI));
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Boxes, LabelTest, ::testing::Values(
  LabelRow{"TipVelocity",  BoxOf<TfrmTipsoil>(&TfrmTipsoil::DataEdit1), "Shear wave velocity (ft/sec)", "Shear wave velocity (m/sec)"},
  LabelRow{"TipWeight",    BoxOf<TfrmTipsoil>(&TfrmTipsoil::DataEdit2), "Unit weight (lbs/ft^3)", "Unit weight (kN/m^3)"},
  LabelRow{"TipPoisson",   BoxOf<TfrmTipsoil>(&TfrmTipsoil::DataEdit3), "Poisson's ratio", "Poisson's ratio"},
  LabelRow{"BaseY",        BoxOf<TfrmFoundations>(&TfrmFoundations::DataEdit2), "Y Coordinate (Yc)  (ft)", "Y Coordinate (Yc)  (m)"},
  LabelRow{"Bedrock",      BoxOf<TfrmFoundations>(&TfrmFoundations::DataEdit5),
           "Depth from ground surface to bed rock (rigid underlying layer) (ft)",
           "Depth from ground surface to bed rock (rigid underlying layer) (m)"},
  LabelRow{"MultiModulus", BoxOf<TfrmMultimat>(&TfrmMultimat::DataEdit7), "&Elastic modulus of the pile  (lbs/ft²)",
           "&Elastic modulus of the pile  (kN/m²)"},
  LabelRow{"MultiShear",   BoxOf<TfrmMultimat>(&TfrmMultimat::DataEdit9), "Cross-sectional coefficient of rigidity (lbs/ft)",
           "Cross-sectional coefficient of rigidity (kN/m)"},
  LabelRow{"MultiLoad",    BoxOf<TfrmMultimat>(&TfrmMultimat::DataEdit10), "Static load on foundation (lbs)",
           "Static load on foundation (kN)"},
  LabelRow{"FootingMass",  BoxOf<TfrmMassdata>(&TfrmMassdata::DataEdit1), "Total mass (self weight only) of the foundation (slug)",
           "Total mass (self weight only) of the foundation (Mg)"},
  LabelRow{"FootingIxx",   BoxOf<TfrmMassdata>(&TfrmMassdata::DataEdit2), "Mass moment of inertia about X-axis (slug-ft^2)",
           "Mass moment of inertia about X-axis (Mg-m^2)"},
  LabelRow{"CapMass",      BoxOf<TfrmNCPileProperties>(&TfrmNCPileProperties::DataEdit5),
           "Total mass (including equipment) of footing (slug)", "Total mass (including equipment) of footing (Mg)"},
  LabelRow{"CapCB",        BoxOf<TfrmNCPileProperties>(&TfrmNCPileProperties::DataEdit16), "Z-coord. of C.B. (ft)", "Z-coord. of C.B. (m)"},
  LabelRow{"Frequency",    BoxOf<Tfrmharmonic>(&Tfrmharmonic::DataEdit1), "Maximum Frequency (Hz)", "Maximum Frequency (Hz)"},
  LabelRow{"Force",        BoxOf<Tfrmharmonic>(&Tfrmharmonic::DataEdit4), "Force in X-direction (lbs)", "Force in X-direction (kN)"},
  LabelRow{"Moment",       BoxOf<Tfrmharmonic>(&Tfrmharmonic::DataEdit7), "Moment about X-axis  (lbs-ft)", "Moment about X-axis  (kN-m)"},
  LabelRow{"ForceCoef",    BoxOf<TfrmQuad>(&TfrmQuad::DataEdit4), "Force Coefficient in X-direction (slug-ft)",
           "Force Coefficient in X-direction (Mg-m)"},
  LabelRow{"MomentCoef",   BoxOf<TfrmQuad>(&TfrmQuad::DataEdit9), "Moment Coefficient about Z-axis (slug-ft^2)",
           "Moment Coefficient about Z-axis (Mg-m^2)"},
  LabelRow{"LoadPoint",    BoxOf<TfrmQuad>(&TfrmQuad::DataEdit12), "Z-coordinate (ft)", "Z-coordinate (m)"},
  LabelRow{"TimeStep",     BoxOf<Tfrmtransient>(&Tfrmtransient::DataEdit2), "Time interval between points",
           "Time interval between points"},
  LabelRow{"RandomMax",    BoxOf<Tfrmrandom>(&Tfrmrandom::DataEdit1), "Maximum frequency (Hz)", "Maximum frequency (Hz)"},
  LabelRow{"Length",       BoxOf<TfrmShape>(&TfrmShape::DataEdit2), "Length x,  (ft)", "Length x,  (m)"},
  LabelRow{"PileWeight",   BoxOf<TfrmCPileProperties>(&TfrmCPileProperties::DataEdit4), "Unit weight of pile (lbs/ft^3)",
           "Unit weight of pile (kN/m^3)"},
  LabelRow{"PileShear",    BoxOf<TfrmCPileProperties>(&TfrmCPileProperties::DataEdit9),
           "Cross-sectional coefficient of rigidity for the effect of shear",
           "Cross-sectional coefficient of rigidity for the effect of shear"}));
// clang-format on

// ---------------------------------------------------------------------------
// Limits: an entry beyond them is refused by the box, which shows the limit.

struct LimitRow {
  const char* Name;
  TOpenBox Open;
  const char* Typed;
  const char* Message;  // empty: accepted
  const char* Shown;
};
void PrintTo(const LimitRow& R, std::ostream* Os) { *Os << R.Name << " " << R.Typed; }

class LimitTest : public InputWindowsTest, public ::testing::WithParamInterface<LimitRow> {};

TEST_P(LimitTest, AreTheBoxs) {
  const LimitRow& row = GetParam();
  const TBoxOf b = row.Open(*this);
  TMessageCatcher catcher;
  Type(b.Box, QLatin1String(row.Typed));
  Tab();
  EXPECT_EQ(catcher.Texts(), *row.Message ? QStringList{QLatin1String(row.Message)} : QStringList());
  EXPECT_EQ(b.Box->text(), QLatin1String(row.Shown));
}

const char* const Below32 = "Entry must be greater than or equal to -2147483648";
const char* const Above32 = "Entry must be less than or equal to 2147483647";
const char* const BeyondAnalysis =
    "Entry could not be evaluated:\nvalue beyond the range of the analysis (0, or a magnitude between about 1.2E-38 "
    "and 3.4E38)";

// clang-format off
INSTANTIATE_TEST_SUITE_P(Boxes, LimitTest, ::testing::Values(
  LimitRow{"TipVelocity", BoxOf<TfrmTipsoil>(&TfrmTipsoil::DataEdit1), "1e12", Above32, "2147483647"},
  LimitRow{"TipWeight",   BoxOf<TfrmTipsoil>(&TfrmTipsoil::DataEdit2), "1e12", "", "1000000000000"},
  LimitRow{"BaseX",       BoxOf<TfrmFoundations>(&TfrmFoundations::DataEdit1), "-3e9", Below32, "-2147483648"},
  LimitRow{"BaseY",       BoxOf<TfrmFoundations>(&TfrmFoundations::DataEdit2), "-3e9", "", "-3000000000"},
  LimitRow{"MultiLength", BoxOf<TfrmMultimat>(&TfrmMultimat::DataEdit8), "1e10", Above32, "2147483647"},
  LimitRow{"MultiLoad",   BoxOf<TfrmMultimat>(&TfrmMultimat::DataEdit10), "3e12",
           "Entry must be less than or equal to 2147483647000", "2147483647000"},
  LimitRow{"MultiLoadLow", BoxOf<TfrmMultimat>(&TfrmMultimat::DataEdit10), "-3e12", "", "-3000000000000"},
  LimitRow{"FootingMass", BoxOf<TfrmMassdata>(&TfrmMassdata::DataEdit1), "1e10", Above32, "2147483647"},
  LimitRow{"CapMass",     BoxOf<TfrmNCPileProperties>(&TfrmNCPileProperties::DataEdit5), "-1e10", Below32, "-2147483648"},
  LimitRow{"MomentX",     BoxOf<Tfrmharmonic>(&Tfrmharmonic::DataEdit7), "1e10", "", "10000000000"},
  LimitRow{"MomentY",     BoxOf<Tfrmharmonic>(&Tfrmharmonic::DataEdit8), "1e10", Above32, "2147483647"},
  LimitRow{"MomentCoefZ", BoxOf<TfrmQuad>(&TfrmQuad::DataEdit9), "-1e10", Below32, "-2147483648"},
  LimitRow{"Points",      BoxOf<Tfrmtransient>(&Tfrmtransient::DataEdit1), "2.5", "Entry must be an integer.", "2.5"},
  LimitRow{"RandomPoints", BoxOf<Tfrmrandom>(&Tfrmrandom::DataEdit3), "abc", "Entry must be a valid integer.", "abc"},
  LimitRow{"Radius",      [](InputWindowsTest& T) {
                             T.Project->FootingShape = TFootingShape::Circular;
                             auto* form = T.Open<TfrmShape>();
                             return TBoxOf{form, form->DataEdit1};
                           }, "1e10", Above32, "2147483647"},
  LimitRow{"PileLength",  BoxOf<TfrmCPileProperties>(&TfrmCPileProperties::DataEdit8), "-3e9", Below32, "-2147483648"},
  LimitRow{"PileShear",   BoxOf<TfrmCPileProperties>(&TfrmCPileProperties::DataEdit9), "1e10", Above32, "2147483647"},
  // Beyond what the analysis holds in single precision: refused as typed.
  LimitRow{"PileXHuge",   BoxOf<TfrmCPileProperties>(&TfrmCPileProperties::DataEdit1), "1e400", BeyondAnalysis, "1e400"},
  LimitRow{"PileXTiny",   BoxOf<TfrmCPileProperties>(&TfrmCPileProperties::DataEdit1), "1e-40", BeyondAnalysis, "1e-40"},
  LimitRow{"TipWeightMax", BoxOf<TfrmTipsoil>(&TfrmTipsoil::DataEdit2), "3e38", "", "3E38"}));
// clang-format on

// ---------------------------------------------------------------------------
// Loaded and stored values: every box of a window shows its field when the
// window opens, and what the user types there reaches the field when the
// window is closed.

template <class F>
struct TBinding {
  TDataEdit* F::* Box;
  long double P::* Real;
  int P::* Whole = nullptr;
};

// The value a field holds before the window opens, and the one the user types.
long double Before(std::size_t I) { return 10.5L + I; }
long double Typed(std::size_t I, bool Whole) { return Whole ? (I + 4) * 2.0L : (I + 4) * 1.25L; }

template <class F>
void ExpectRoundTrip(InputWindowsTest& T, const std::vector<TBinding<F>>& Bindings,
                     const std::function<void(TProgramData&)>& Prepare = {}) {
  TProgramData& p = *T.Project;
  if (Prepare) Prepare(p);
  for (std::size_t i = 0; i < Bindings.size(); ++i) {
    if (Bindings[i].Real) p.*Bindings[i].Real = Before(i);
    else p.*Bindings[i].Whole = int(Before(i) - 0.5L);
  }
  F* form = T.Open<F>();
  std::vector<bool> typed;
  for (std::size_t i = 0; i < Bindings.size(); ++i) {
    SCOPED_TRACE(i);
    const bool whole = Bindings[i].Whole != nullptr;
    TDataEdit* box = form->*Bindings[i].Box;
    EXPECT_EQ(box->text(), QString::number(double(whole ? Before(i) - 0.5L : Before(i))));
    // The computed boxes take no typing.
    typed.push_back(box->isEnabled());
    if (typed.back())
      InputWindowsTest::Type(box, QStringLiteral("%1*%2").arg(i + 4).arg(whole ? QStringLiteral("2") : QStringLiteral("1.25")));
  }
  EXPECT_TRUE(InputWindowsTest::SubWindowOf(form)->close());
  for (std::size_t i = 0; i < Bindings.size(); ++i) {
    SCOPED_TRACE(i);
    const bool whole = Bindings[i].Whole != nullptr;
    const long double expected = typed[i] ? Typed(i, whole) : Before(i);
    if (whole)
      EXPECT_EQ(p.*Bindings[i].Whole, int(expected));
    else
      EXPECT_EQ(p.*Bindings[i].Real, expected);
  }
}

using ValuesTest = InputWindowsTest;

TEST_F(ValuesTest, Foundations) {
  using F = TfrmFoundations;
  ExpectRoundTrip<F>(*this,
                     {{&F::DataEdit1, &P::Xc}, {&F::DataEdit2, &P::Yc}, {&F::DataEdit3, &P::Zc},
                      {&F::DataEdit4, &P::FoundationDepth}, {&F::DataEdit5, &P::BedrockDepth}},
                     [](TProgramData& p) { p.FoundationKind = TFoundationKind::Stratum; });
}

TEST_F(ValuesTest, Tipsoil) {
  using F = TfrmTipsoil;
  ExpectRoundTrip<F>(*this, {{&F::DataEdit1, &P::TipShearVelocity}, {&F::DataEdit2, &P::TipUnitWeight},
                             {&F::DataEdit3, &P::TipPoisson}, {&F::DataEdit4, &P::TipDamping}});
}

TEST_F(ValuesTest, Multimat) {
  using F = TfrmMultimat;
  ExpectRoundTrip<F>(*this, {{&F::DataEdit1, &P::Xc}, {&F::DataEdit2, &P::Yc}, {&F::DataEdit3, &P::Zc},
                             {&F::DataEdit4, &P::PileUnitWeight}, {&F::DataEdit5, &P::PilePoisson},
                             {&F::DataEdit6, &P::PileDamping}, {&F::DataEdit7, &P::PileModulus},
                             {&F::DataEdit8, &P::PileLength}, {&F::DataEdit9, &P::ShearCoefficient},
                             {&F::DataEdit10, &P::StaticLoad}});
}

TEST_F(ValuesTest, Massdata) {
  using F = TfrmMassdata;
  ExpectRoundTrip<F>(*this, {{&F::DataEdit1, &P::TotalMass}, {&F::DataEdit2, &P::InertiaX},
                             {&F::DataEdit3, &P::InertiaY}, {&F::DataEdit4, &P::InertiaZ},
                             {&F::DataEdit5, &P::ProductXY}, {&F::DataEdit6, &P::ProductXZ},
                             {&F::DataEdit7, &P::ProductYZ}, {&F::DataEdit8, &P::CGX}, {&F::DataEdit9, &P::CGY},
                             {&F::DataEdit10, &P::CGZ}, {&F::DataEdit11, &P::CBLocalX},
                             {&F::DataEdit12, &P::CBLocalY}, {&F::DataEdit13, &P::CBLocalZ},
                             {&F::DataEdit14, &P::CBGlobalX}, {&F::DataEdit15, &P::CBGlobalY},
                             {&F::DataEdit16, &P::CBGlobalZ}});
}

TEST_F(ValuesTest, NCPileProperties) {
  using F = TfrmNCPileProperties;
  ExpectRoundTrip<F>(*this, {{&F::DataEdit1, &P::CGX}, {&F::DataEdit2, &P::CGY}, {&F::DataEdit3, &P::CGZ},
                             {&F::DataEdit4, &P::CBLocalX}, {&F::DataEdit5, &P::TotalMass},
                             {&F::DataEdit6, &P::InertiaX}, {&F::DataEdit7, &P::InertiaY},
                             {&F::DataEdit8, &P::InertiaZ}, {&F::DataEdit9, &P::ProductXY},
                             {&F::DataEdit10, &P::ProductXZ}, {&F::DataEdit11, &P::ProductYZ},
                             {&F::DataEdit12, &P::CBLocalY}, {&F::DataEdit13, &P::CBLocalZ},
                             {&F::DataEdit14, &P::CBGlobalX}, {&F::DataEdit15, &P::CBGlobalY},
                             {&F::DataEdit16, &P::CBGlobalZ}});
}

template <class F>
std::vector<TBinding<F>> HarmonicBindings() {
  return {{&F::DataEdit1, &P::MaxFrequency}, {&F::DataEdit2, &P::MinFrequency}, {&F::DataEdit3, &P::StepFrequency},
          {&F::DataEdit4, &P::ForceX},       {&F::DataEdit5, &P::ForceY},       {&F::DataEdit6, &P::ForceZ},
          {&F::DataEdit7, &P::MomentX},      {&F::DataEdit8, &P::MomentY},      {&F::DataEdit9, &P::MomentZ},
          {&F::DataEdit10, &P::LoadPointX},  {&F::DataEdit11, &P::LoadPointY},  {&F::DataEdit12, &P::LoadPointZ}};
}

TEST_F(ValuesTest, Harmonic) { ExpectRoundTrip<Tfrmharmonic>(*this, HarmonicBindings<Tfrmharmonic>()); }
TEST_F(ValuesTest, Quad) { ExpectRoundTrip<TfrmQuad>(*this, HarmonicBindings<TfrmQuad>()); }

TEST_F(ValuesTest, Transient) {
  using F = Tfrmtransient;
  ExpectRoundTrip<F>(*this, {{&F::DataEdit1, nullptr, &P::NumberOfPoints}, {&F::DataEdit2, &P::TimeInterval}});
}

TEST_F(ValuesTest, Random) {
  using F = Tfrmrandom;
  ExpectRoundTrip<F>(*this, {{&F::DataEdit1, &P::RandomMaxFrequency}, {&F::DataEdit2, &P::RandomMinFrequency},
                             {&F::DataEdit3, nullptr, &P::NumberOfPoints}, {&F::DataEdit4, &P::ObservationPeriod}});
}

TEST_F(ValuesTest, Shape) {
  using F = TfrmShape;
  ExpectRoundTrip<F>(*this, {{&F::DataEdit2, &P::FootingLength}, {&F::DataEdit3, &P::FootingWidth}});
  Project->FootingShape = TFootingShape::Circular;
  ExpectRoundTrip<F>(*this, {{&F::DataEdit1, &P::FootingRadius}});
}

TEST_F(ValuesTest, CPileProperties) {
  using F = TfrmCPileProperties;
  ExpectRoundTrip<F>(*this, {{&F::DataEdit1, &P::Xc}, {&F::DataEdit2, &P::Yc}, {&F::DataEdit3, &P::Zc},
                             {&F::DataEdit4, &P::PileUnitWeight}, {&F::DataEdit5, &P::PilePoisson},
                             {&F::DataEdit6, &P::PileDamping}, {&F::DataEdit7, &P::PileModulus},
                             {&F::DataEdit8, &P::PileLength}, {&F::DataEdit9, &P::ShearCoefficient},
                             {&F::DataEdit10, &P::StaticLoad}});
}

// ---------------------------------------------------------------------------
// The modified flag: set by what the user types, never by a window filling
// its boxes, nor by the boxes limiting a stored value.

struct WindowRow {
  const char* Name;
  std::function<TChildForm*(InputWindowsTest&)> Open;
  TDataEdit* (*FirstBox)(TChildForm*);
};
void PrintTo(const WindowRow& R, std::ostream* Os) { *Os << R.Name; }

template <class F>
WindowRow Window(const char* Name) {
  return {Name, [](InputWindowsTest& T) -> TChildForm* { return T.Open<F>(); },
          [](TChildForm* Form) -> TDataEdit* {
            for (TDataEdit* box : Form->findChildren<TDataEdit*>())
              if (box->isVisible() && box->isEnabled()) return box;
            return nullptr;
          }};
}

class ModifiedTest : public InputWindowsTest, public ::testing::WithParamInterface<WindowRow> {};

TEST_P(ModifiedTest, OnlyByTheUser) {
  // Values the boxes limit: the multilayer and pile windows store them back
  // as limited when they open.
  Project->PileLength = 1e10L;
  Project->ShearCoefficient = -5e9L;
  Project->TipShearVelocity = 150;
  Project->MaxFrequency = 40;
  Project->PileHead = TPileHead::Pinned;
  ASSERT_FALSE(IsModified());
  TChildForm* form = GetParam().Open(*this);
  Tab();
  Tab();
  EXPECT_TRUE(SubWindowOf(form)->close());
  EXPECT_FALSE(IsModified());

  form = GetParam().Open(*this);
  TDataEdit* box = GetParam().FirstBox(form);
  ASSERT_NE(box, nullptr);
  // A keystroke counts, even one that leaves the value as it was.
  const QString text = box->text();
  Type(box, text);
  EXPECT_EQ(box->text(), text);
  EXPECT_TRUE(IsModified());
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Windows, ModifiedTest, ::testing::Values(
  Window<TfrmFoundations>("Foundations"), Window<TfrmTipsoil>("Tipsoil"), Window<TfrmMultimat>("Multimat"),
  Window<TfrmMassdata>("Massdata"), Window<TfrmNCPileProperties>("NCPileProperties"),
  Window<Tfrmharmonic>("Harmonic"), Window<TfrmQuad>("Quad"), Window<Tfrmtransient>("Transient"),
  Window<Tfrmrandom>("Random"), Window<TfrmShape>("Shape"), Window<TfrmCPileProperties>("CPileProperties")));
// clang-format on

TEST_F(ModifiedTest, TheSystemWindowNeitherWhenOpenedAndClosed) {
  auto* layout = Open<TfrmLayout>();
  EXPECT_TRUE(SubWindowOf(layout)->close());
  EXPECT_FALSE(IsModified());
}

// ---------------------------------------------------------------------------
// The windows' own behaviour.

using WindowTest = InputWindowsTest;

TEST_F(WindowTest, TheFoundationWindowShowsTheDepthsForAStratumOnly) {
  auto* foundation = Open<TfrmFoundations>();
  EXPECT_TRUE(foundation->DataEdit3->isVisible());
  EXPECT_FALSE(foundation->DataEdit4->isVisible());
  EXPECT_FALSE(LabelOfVisible(foundation->DataEdit5));
  auto* layout = Open<TfrmLayout>();
  QTest::keyClick(layout->ComboBox1, Qt::Key_End);  // MULTILAYER
  QTest::keyClick(layout->ComboBox1, Qt::Key_Up);   // STRATUM
  EXPECT_EQ(Project->FoundationType(), QStringLiteral("STRATUM"));
  ClickInto(foundation->DataEdit1);
  ASSERT_TRUE(IsActive(foundation));
  EXPECT_TRUE(foundation->DataEdit4->isVisible());
  EXPECT_TRUE(LabelOfVisible(foundation->DataEdit5));
}

TEST_F(WindowTest, AClosedWindowWithARefusedEntryStaysAndStoresNothing) {
  Project->TipUnitWeight = 18;
  auto* soil = Open<TfrmTipsoil>();
  Type(soil->DataEdit1, QStringLiteral("250"));
  Type(soil->DataEdit2, QStringLiteral("abc"));
  TMessageCatcher catcher;
  EXPECT_FALSE(SubWindowOf(soil)->close());
  EXPECT_EQ(catcher.Messages.size(), 1);
  EXPECT_TRUE(soil->isVisible());
  EXPECT_EQ(Project->TipShearVelocity, 0);
  EXPECT_EQ(Project->TipUnitWeight, 18);
}

// The mass windows: the mass values computed from the mass components, which
// the user types into the MassCal table opened from the window.
struct MassWindowRow {
  const char* Name;
  std::function<TMassForm*(InputWindowsTest&)> Open;
  int Total, Inertia, Products, CG, CBLocal[3], CBGlobal;  // numbers of the boxes
  QPushButton* TMassForm::* Input;
  QPushButton* TMassForm::* Calculate;
};
void PrintTo(const MassWindowRow& R, std::ostream* Os) { *Os << R.Name; }

class MassWindowTest : public InputWindowsTest, public ::testing::WithParamInterface<MassWindowRow> {
public:
  TDataEdit* Box(int Number) {
    TDataEdit* const boxes[] = {Form->DataEdit1,  Form->DataEdit2,  Form->DataEdit3,  Form->DataEdit4,
                                Form->DataEdit5,  Form->DataEdit6,  Form->DataEdit7,  Form->DataEdit8,
                                Form->DataEdit9,  Form->DataEdit10, Form->DataEdit11, Form->DataEdit12,
                                Form->DataEdit13, Form->DataEdit14, Form->DataEdit15, Form->DataEdit16};
    return boxes[Number - 1];
  }
  QStringList Texts(int First, int Count) {
    QStringList out;
    for (int i = 0; i < Count; ++i) out << Box(First + i)->text();
    return out;
  }
  QStringList CBLocal() { return {Box(GetParam().CBLocal[0])->text(), Box(GetParam().CBLocal[1])->text(),
                                  Box(GetParam().CBLocal[2])->text()}; }
  // The user opens the mass components from the window and types them.
  void EnterComponents(const QList<QList<const char*>>& Rows) {
    QTest::mouseClick(Form->*GetParam().Input, Qt::LeftButton);
    Pause();
    TTableForm* table = Windows.FormOf(Tables.MassCal);
    ASSERT_NE(table, nullptr);
    ASSERT_TRUE(table->isVisible());
    EXPECT_EQ(table->windowTitle().trimmed(),
              QStringLiteral("Mass Components including equipment, and self weight of footing"));
    while (Tables.MassCal->RowCount() < Rows.size()) QTest::mouseClick(table->BtnAdd(), Qt::LeftButton);
    TTableGrid* grid = table->Grid();
    for (int r = 0; r < Rows.size(); ++r)
      for (int c = 0; c < Rows[r].size(); ++c) {
        QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, grid->visualRect(grid->model()->index(r, c)).center());
        TypeCell(QLatin1String(Rows[r][c]));
      }
    ClickInto(Box(GetParam().CBLocal[0]));
    ASSERT_TRUE(IsActive(Form));
  }
  void Calculate() {
    QTest::mouseClick(Form->*GetParam().Calculate, Qt::LeftButton);
    Pause();
  }
  TMassForm* Form = nullptr;
};

TEST_P(MassWindowTest, ComputesTheMassValuesOfTheComponents) {
  const MassWindowRow& w = GetParam();
  Form = w.Open(*this);
  EnterComponents({{"2", "1", "0", "0", "3", "2", "1"}});
  Tables.SetModified(false);
  Tables.MassCal->SetChanged(false);
  Calculate();
  EXPECT_EQ(Box(w.Total)->text(), QStringLiteral("2"));
  EXPECT_EQ(Texts(w.Inertia, 3), (QStringList{QStringLiteral("0.833333333333333333"),
                                             QStringLiteral("1.66666666666666667"),
                                             QStringLiteral("2.16666666666666667")}));
  EXPECT_EQ(Texts(w.Products, 3), QStringList(3, QStringLiteral("0")));
  EXPECT_EQ(Texts(w.CG, 3), (QStringList{QStringLiteral("1"), QStringLiteral("0"), QStringLiteral("0")}));
  EXPECT_TRUE(IsModified());
  // Stored when the window is left.
  EXPECT_TRUE(Activation->CommitActiveChild());
  EXPECT_EQ(Project->TotalMass, 2);
  EXPECT_NEAR(double(Project->InertiaZ), 2.0 * 13 / 12, 1e-15);
  EXPECT_EQ(Project->CGX, 1);
}

TEST_P(MassWindowTest, ShowsTheProductsWithTheirSigns) {
  const MassWindowRow& w = GetParam();
  Form = w.Open(*this);
  EnterComponents({{"1", "-1", "-1", "-1"}, {"1", "1", "1", "1"}});
  Calculate();
  EXPECT_EQ(Texts(w.Inertia, 3), (QStringList{QStringLiteral("4"), QStringLiteral("4"), QStringLiteral("4")}));
  EXPECT_EQ(Texts(w.Products, 3), (QStringList{QStringLiteral("2"), QStringLiteral("-2"), QStringLiteral("-2")}));
}

// The centre of base in global coordinates is the foundation's base from the
// computation on; an edit of the base made later in another window stands.
TEST_P(MassWindowTest, TheComputedCentreOfBaseIsTheBaseOnce) {
  const MassWindowRow& w = GetParam();
  Form = w.Open(*this);
  EnterComponents({{"4", "0", "0", "0.25"}});
  Type(Box(w.CBLocal[2]), QStringLiteral("-0.5"));
  Calculate();
  EXPECT_EQ(Texts(w.CBGlobal, 3), (QStringList{QStringLiteral("0"), QStringLiteral("0"), QStringLiteral("0.75")}));
  EXPECT_EQ(Project->Zc, 0.75L);

  auto* foundation = Open<TfrmFoundations>();
  EXPECT_EQ(foundation->DataEdit3->text(), QStringLiteral("0.75"));
  Type(foundation->DataEdit3, QStringLiteral("1.5"));
  ClickInto(Box(w.CBLocal[0]));
  ASSERT_TRUE(IsActive(Form));
  EXPECT_EQ(Project->Zc, 1.5L);
  EXPECT_EQ(Project->CBGlobalZ, 0.75L);
  ClickInto(foundation->DataEdit1);
  EXPECT_EQ(Project->Zc, 1.5L);
  EXPECT_EQ(foundation->DataEdit3->text(), QStringLiteral("1.5"));
}

TEST_P(MassWindowTest, NoTotalMassAboveZeroSaysSoAndComputesNothing) {
  const MassWindowRow& w = GetParam();
  Project->TotalMass = 12;
  Project->CGX = 3;
  Project->Xc = 4;
  Form = w.Open(*this);
  EnterComponents({{"1", "5"}, {"-1", "2"}});
  Tables.SetModified(false);
  Tables.MassCal->SetChanged(false);
  TMessageCatcher catcher;
  Calculate();
  EXPECT_EQ(catcher.Texts(), QStringList{TMassForm::TotalMassRefusal});
  EXPECT_EQ(Box(w.Total)->text(), QStringLiteral("12"));
  EXPECT_EQ(Box(w.CG)->text(), QStringLiteral("3"));
  EXPECT_EQ(Project->Xc, 4);
  EXPECT_FALSE(IsModified());
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Windows, MassWindowTest, ::testing::Values(
  MassWindowRow{"Footing", [](InputWindowsTest& T) -> TMassForm* { return T.Open<TfrmMassdata>(); },
                1, 2, 5, 8, {11, 12, 13}, 14, &TMassForm::Button2, &TMassForm::Button1},
  MassWindowRow{"PileCap", [](InputWindowsTest& T) -> TMassForm* { return T.Open<TfrmNCPileProperties>(); },
                5, 6, 9, 1, {4, 12, 13}, 14, &TMassForm::Button1, &TMassForm::Button2}));
// clang-format on

TEST_F(WindowTest, TheMassWindowsNotesAndCaptions) {
  auto* footing = Open<TfrmMassdata>();
  EXPECT_EQ(footing->windowTitle(), QStringLiteral("Mass Data"));
  EXPECT_EQ(footing->Button1->text(), QStringLiteral("Calculate mass moment of inertia"));
  EXPECT_EQ(footing->Button2->text(), QStringLiteral("Input all the mass components"));
  EXPECT_TRUE(footing->Note->isReadOnly());
  const QStringList lines = footing->Note->toPlainText().split(QLatin1Char('\n'));
  ASSERT_EQ(lines.size(), 13);
  EXPECT_EQ(lines[2], QString());
  EXPECT_EQ(lines[11], QStringLiteral("\"Calculate mass moment of inertia\".  The data editing boxes "));
  auto* cap = Open<TfrmNCPileProperties>();
  EXPECT_EQ(cap->windowTitle(), QStringLiteral("Pile Cap Properties"));
  EXPECT_EQ(cap->Note->toPlainText().split(QLatin1Char('\n')).value(11),
            QStringLiteral("\"Calculate mass moment of inertia\".  The data editing boxes"));
  EXPECT_FALSE(cap->DataEdit1->isEnabled());
  EXPECT_FALSE(LabelOfEnabled(cap->DataEdit16));
  EXPECT_TRUE(cap->DataEdit4->isEnabled());
}

// The harmonic windows.
template <class F>
class HarmonicTest : public InputWindowsTest {};
using HarmonicForms = ::testing::Types<Tfrmharmonic, TfrmQuad>;
TYPED_TEST_SUITE(HarmonicTest, HarmonicForms);

QStringList PointCaptions(THarmonicForm* Form) {
  return {InputWindowsTest::LabelText(Form->DataEdit10).section(QLatin1Char(' '), 0, 0),
          InputWindowsTest::LabelText(Form->DataEdit11).section(QLatin1Char(' '), 0, 0),
          InputWindowsTest::LabelText(Form->DataEdit12).section(QLatin1Char(' '), 0, 0)};
}
const QStringList GlobalCaptions{QStringLiteral("X-coordinate"), QStringLiteral("Y-coordinate"),
                                 QStringLiteral("Z-coordinate")};
const QStringList LocalCaptions{QStringLiteral("x-coordinate"), QStringLiteral("y-coordinate"),
                                QStringLiteral("z-coordinate")};

TYPED_TEST(HarmonicTest, TheLoadPointFollowsTheReferenceTheUserChooses) {
  TProgramData& p = *this->Project;
  p.CBLocalX = 1;
  p.Xc = 0.25L;
  p.CBLocalZ = 0.5L;
  p.Zc = 1;
  auto* form = this->template Open<TypeParam>();
  EXPECT_TRUE(form->RadioButton1->isChecked());
  EXPECT_EQ(PointCaptions(form), GlobalCaptions);
  this->Type(form->DataEdit10, QStringLiteral("2"));
  this->Type(form->DataEdit12, QStringLiteral("0.25"));
  this->Tab();
  this->Tables.SetModified(false);
  QTest::mouseClick(form->RadioButton2, Qt::LeftButton);
  EXPECT_EQ(form->DataEdit10->text(), QStringLiteral("2.75"));
  EXPECT_EQ(form->DataEdit12->text(), QStringLiteral("1.25"));
  EXPECT_EQ(PointCaptions(form), LocalCaptions);
  EXPECT_TRUE(this->IsModified());
  // The reference in force again converts nothing.
  QTest::mouseClick(form->RadioButton2, Qt::LeftButton);
  EXPECT_EQ(form->DataEdit10->text(), QStringLiteral("2.75"));
  EXPECT_TRUE(this->Activation->CommitActiveChild());
  EXPECT_EQ(Code(p.LoadPointReference), 1);
  EXPECT_EQ(p.LoadPointX, 2.75L);
  QTest::mouseClick(form->RadioButton1, Qt::LeftButton);
  EXPECT_EQ(form->DataEdit10->text(), QStringLiteral("2"));
  EXPECT_EQ(form->DataEdit12->text(), QStringLiteral("0.25"));
  EXPECT_EQ(PointCaptions(form), GlobalCaptions);
  EXPECT_TRUE(this->Activation->CommitActiveChild());
  EXPECT_EQ(Code(p.LoadPointReference), 0);
}

TYPED_TEST(HarmonicTest, OpensOnAPointReferredToTheCentreOfBaseWithoutConvertingIt) {
  TProgramData& p = *this->Project;
  p.LoadPointReference = TLoadPointReference::CentreOfBase;
  p.LoadPointX = 3;
  p.CBLocalX = 1;
  auto* form = this->template Open<TypeParam>();
  EXPECT_TRUE(form->RadioButton2->isChecked());
  EXPECT_EQ(PointCaptions(form), LocalCaptions);
  EXPECT_EQ(form->DataEdit10->text(), QStringLiteral("3"));
  EXPECT_TRUE(this->SubWindowOf(form)->close());
  EXPECT_EQ(p.LoadPointX, 3);
  EXPECT_FALSE(this->IsModified());
}

TYPED_TEST(HarmonicTest, TheEquivalentLoadsAtTheCentreOfGravity) {
  const bool quadratic = std::is_same_v<TypeParam, TfrmQuad>;
  TProgramData& p = *this->Project;
  p.CBLocalZ = 3;
  p.Zc = 1;
  auto* form = this->template Open<TypeParam>();
  this->Type(form->DataEdit4, QStringLiteral("10"));
  this->Type(form->DataEdit12, QStringLiteral("2"));
  TMessageCatcher catcher;
  QTest::mouseClick(form->Button1, Qt::LeftButton);
  this->Pause();
  ASSERT_EQ(catcher.Messages.size(), 1);
  EXPECT_EQ(catcher.Messages[0].Icon, QMessageBox::NoIcon);
  const QString m = quadratic ? QStringLiteral("Mc") : QStringLiteral("M");
  const QString unit = quadratic ? QStringLiteral(" Mg-m^2") : QStringLiteral(" kN-m");
  EXPECT_TRUE(catcher.Messages[0].Text.contains(m + QStringLiteral("y: -20") + unit + QLatin1Char('\n')))
      << catcher.Messages[0].Text.toStdString();
  EXPECT_TRUE(catcher.Messages[0].Text.contains(m + QStringLiteral("x: 0") + unit));
  // A point given from the centre of base is moved first: z 2 below the
  // centre of base at 3 + 1 is 2 above the centre of gravity.
  QTest::mouseClick(form->RadioButton2, Qt::LeftButton);
  this->Type(form->DataEdit12, QStringLiteral("2"));
  catcher.Clear();
  QTest::mouseClick(form->Button1, Qt::LeftButton);
  this->Pause();
  EXPECT_TRUE(catcher.Texts().value(0).contains(m + QStringLiteral("y: -20") + unit));
  // Nothing is stored by it.
  EXPECT_EQ(p.ForceX, 0);
}

// The window refuses a frequency range of more lines than one analysis
// takes, as it refuses an entry its box refuses.
TYPED_TEST(HarmonicTest, AFrequencyRangeOfMoreLinesThanTheAnalysisTakesIsRefused) {
  TProgramData& p = *this->Project;
  auto* form = this->template Open<TypeParam>();
  this->Type(form->DataEdit1, QStringLiteral("100"));
  this->Type(form->DataEdit3, QStringLiteral("0.1"));
  this->Type(form->DataEdit4, QStringLiteral("7"));
  TMessageCatcher catcher;
  EXPECT_FALSE(this->SubWindowOf(form)->close());
  EXPECT_EQ(catcher.Texts(), QStringList{FrequencyRangeRefusal(100, 0, 0.1L)});
  this->Pause();
  EXPECT_EQ(form->focusWidget(), form->DataEdit3);
  EXPECT_EQ(p.MaxFrequency, 0);
  EXPECT_EQ(p.ForceX, 0);
  EXPECT_FALSE(this->Activation->CommitActiveChild());
  EXPECT_TRUE(this->IsActive(form));
  this->Type(form->DataEdit3, QStringLiteral("0.2"));  // 501 lines
  EXPECT_FALSE(this->Activation->CommitActiveChild());
  this->Type(form->DataEdit3, QStringLiteral("0.25"));  // 401 lines
  catcher.Clear();
  EXPECT_TRUE(this->SubWindowOf(form)->close());
  EXPECT_TRUE(catcher.Messages.isEmpty());
  EXPECT_EQ(p.MaxFrequency, 100);
  EXPECT_EQ(p.StepFrequency, 0.25L);
}

TEST_F(WindowTest, TheTransientAndRandomWindowsShareTheNumberOfPointsAndOpenTheirTables) {
  auto* transient = Open<Tfrmtransient>();
  Type(transient->DataEdit1, QStringLiteral("64"));
  QTest::mouseClick(transient->Button1, Qt::LeftButton);
  Pause();
  ASSERT_NE(Windows.FormOf(Tables.TLoadtype), nullptr);
  EXPECT_TRUE(Windows.FormOf(Tables.TLoadtype)->isVisible());
  EXPECT_EQ(Project->NumberOfPoints, 64);
  auto* random = Open<Tfrmrandom>();
  EXPECT_EQ(random->windowTitle(), QStringLiteral("Tansient Loading Data"));
  EXPECT_EQ(random->DataEdit3->text(), QStringLiteral("64"));
  QTest::mouseClick(random->Button1, Qt::LeftButton);
  Pause();
  ASSERT_NE(Windows.FormOf(Tables.Trandom), nullptr);
  EXPECT_TRUE(Windows.FormOf(Tables.Trandom)->isVisible());
}

// The system window.
TEST_F(WindowTest, ChoosingAnotherSystemTakesItWhenTheWindowIsLeft) {
  const QString folder = QDir::currentPath();
  auto* layout = Open<TfrmLayout>();
  QSignalSpy menus(layout, &TfrmLayout::UpdatePileMenus);
  EXPECT_FALSE(layout->ComboBox1->isEditable());
  EXPECT_EQ(layout->ComboBox1->currentText(), QStringLiteral("HALF-SPACE"));
  ASSERT_FALSE(layout->Image1->pixmap().isNull());
  EXPECT_EQ(layout->Image1->pixmap().toImage(),
            QImage(layout->PictureFolder + QStringLiteral("/halfspace.bmp")).convertToFormat(
                layout->Image1->pixmap().toImage().format()));
  layout->ComboBox1->setFocus();
  QTest::keyClick(layout->ComboBox1, Qt::Key_Down);
  QTest::keyClick(layout->ComboBox1, Qt::Key_Down);
  EXPECT_EQ(Project->FoundationType(), QStringLiteral("STRATUM"));
  EXPECT_EQ(Code(Project->FoundationKind), 3);
  EXPECT_EQ(layout->Image1->pixmap().toImage(),
            QImage(layout->PictureFolder + QStringLiteral("/stratum.bmp")).convertToFormat(
                layout->Image1->pixmap().toImage().format()));
  EXPECT_FALSE(IsModified());
  EXPECT_TRUE(Activation->CommitActiveChild());
  EXPECT_TRUE(IsModified());
  EXPECT_EQ(menus.count(), 1);
  // The analysis run owns the current folder: the picture is read by its
  // full name.
  EXPECT_EQ(QDir::currentPath(), folder);

  // The system in force chosen again is no change.
  Tables.SetModified(false);
  QTest::keyClick(layout->ComboBox1, Qt::Key_Up);
  QTest::keyClick(layout->ComboBox1, Qt::Key_Down);
  EXPECT_TRUE(Activation->CommitActiveChild());
  EXPECT_FALSE(IsModified());
  EXPECT_EQ(menus.count(), 2);
  EXPECT_EQ(Code(Project->FoundationKind), 3);
}

TEST_F(WindowTest, AMissingPictureShowsNothing) {
  QTemporaryDir empty;
  auto* layout = new TfrmLayout(Accessor());
  layout->PictureFolder = empty.path();
  TMessageCatcher catcher;
  Show(layout);
  EXPECT_TRUE(layout->Image1->pixmap().isNull());
  QTest::keyClick(layout->ComboBox1, Qt::Key_Down);
  EXPECT_TRUE(layout->Image1->pixmap().isNull());
  EXPECT_EQ(Code(Project->FoundationKind), 2);
  EXPECT_TRUE(catcher.Messages.isEmpty());
}

TEST_F(WindowTest, TheShapeWindowShowsTheBoxesOfTheShape) {
  Project->FootingShape = TFootingShape::Circular;
  Project->FootingRadius = 2.5L;
  Project->FootingLength = 4;
  Project->FootingWidth = 3;
  auto* shape = Open<TfrmShape>();
  EXPECT_TRUE(shape->RadioButton2->isChecked());
  EXPECT_TRUE(shape->DataEdit1->isVisible());
  EXPECT_FALSE(shape->DataEdit2->isVisible());
  EXPECT_FALSE(LabelOfVisible(shape->DataEdit3));
  QTest::mouseClick(shape->RadioButton1, Qt::LeftButton);
  EXPECT_EQ(Code(Project->FootingShape), 0);
  EXPECT_FALSE(shape->DataEdit1->isVisible());
  EXPECT_TRUE(LabelOfVisible(shape->DataEdit2));
  EXPECT_EQ(shape->DataEdit2->text(), QStringLiteral("4"));
  EXPECT_EQ(shape->DataEdit3->text(), QStringLiteral("3"));
  // Another shape is a change to be saved; the shape in force is none.
  EXPECT_TRUE(IsModified());
  Tables.SetModified(false);
  QTest::mouseClick(shape->RadioButton1, Qt::LeftButton);
  EXPECT_FALSE(IsModified());
  EXPECT_TRUE(SubWindowOf(shape)->close());
  EXPECT_EQ(Project->FootingRadius, 2.5L);
}

TEST_F(WindowTest, ThePileChoicesTakeOnlyTheirItemsAndFollowTheCodes) {
  Project->PileHead = TPileHead::Pinned;
  Project->PileTip = TPileTip::EndBearing;
  Project->Interaction = 0;
  Project->PileLength = 1e10L;
  auto* pile = Open<TfrmCPileProperties>();
  EXPECT_EQ(pile->ComboBox1->currentText(), QStringLiteral("PINNED"));
  EXPECT_EQ(pile->ComboBox2->currentText(), QStringLiteral("End-Bearing Piles"));
  EXPECT_EQ(pile->ComboBox3->currentText(), QStringLiteral("No"));
  EXPECT_EQ(Project->PileHeadText, QStringLiteral("PINNED"));
  EXPECT_EQ(Project->InteractionText, QStringLiteral("No"));
  // Opening stores the boxes back as they limit the values.
  EXPECT_EQ(Project->PileLength, 2147483647);
  EXPECT_FALSE(IsModified());
  for (QComboBox* box : {pile->ComboBox1, pile->ComboBox2, pile->ComboBox3}) EXPECT_FALSE(box->isEditable());
  pile->ComboBox1->setFocus();
  QTest::keyClicks(pile->ComboBox1, QStringLiteral("Fixed"));  // picks the item
  EXPECT_EQ(Code(Project->PileHead), 1);
  EXPECT_EQ(Project->PileHeadText, QStringLiteral("FIXED"));
  EXPECT_TRUE(IsModified());
  QTest::keyClick(pile->ComboBox3, Qt::Key_Up);
  EXPECT_TRUE(Activation->CommitActiveChild());
  EXPECT_EQ(Project->Interaction, 1);
  EXPECT_EQ(Project->InteractionText, QStringLiteral("Yes"));
}

TEST_F(WindowTest, TheMultilayerWindowStoresItsBoxesBackWhenOpened) {
  Project->ShearCoefficient = -5e9L;
  Project->StaticLoad = 5e12L;
  Open<TfrmMultimat>();
  EXPECT_EQ(Project->ShearCoefficient, -2147483648.0L);
  EXPECT_EQ(Project->StaticLoad, 2147483647000.0L);
  EXPECT_FALSE(IsModified());
}

}  // namespace
}  // namespace zavik
