// The input windows from the main window's Data menu: each item opens its
// window, the system window keeps the pile items in step, and a change of the
// unit system reaches every open window.
#include "MainWindowFixture.h"

#include "app/FoundationForms.h"
#include "app/LoadingForms.h"
#include "app/MassForms.h"
#include "app/SystemForms.h"

#include <QComboBox>

#include <ostream>

namespace zavik {
namespace {

struct ItemCase {
  const char* Name;
  const char* Type;  // the foundation system
  int Kind;
  QAction* TMainForm::* Item;
  TMainForm::TChildKind Window;
  const char* Caption;
};
void PrintTo(const ItemCase& C, std::ostream* Os) { *Os << C.Name; }

class DataItemTest : public MainWindowTest, public ::testing::WithParamInterface<ItemCase> {};

TEST_P(DataItemTest, OpensItsInputWindow) {
  const ItemCase& c = GetParam();
  W->Project().FoundationKind = TFoundationKind(c.Kind);
  Open(W->DataMenu);
  QAction* item = W.get()->*c.Item;
  ASSERT_TRUE(item->isEnabled());
  item->trigger();
  TChildForm* form = W->ChildWindow(c.Window);
  ASSERT_NE(form, nullptr);
  EXPECT_EQ(form->windowTitle(), QLatin1String(c.Caption));
  EXPECT_EQ(W->MdiArea()->activeSubWindow()->widget(), form);
  EXPECT_FALSE(W->MdiArea()->activeSubWindow()->windowFlags() & Qt::WindowMaximizeButtonHint);
  // Closed unedited, the window leaves the project unmodified (the
  // Quadratic item itself changes the project).
  W->SetModified(false);
  EXPECT_TRUE(W->MdiArea()->activeSubWindow()->close());
  EXPECT_FALSE(W->IsModified());
}

using M = TMainForm;
// clang-format off
INSTANTIATE_TEST_SUITE_P(Items, DataItemTest, ::testing::Values(
  ItemCase{"System",      "HALF-SPACE", 1, &M::OptionofFoundationSystem1,        M::Layout,           "Foundation Options"},
  ItemCase{"Shape",       "HALF-SPACE", 1, &M::OptionofFoundationShape1,         M::Shape,            "Foundation Shape"},
  ItemCase{"CapShape",    "PILE",       2, &M::PileCapShapeDimension1,           M::Shape,            "Foundation Shape"},
  ItemCase{"FootingMass", "STRATUM",    3, &M::FootingMassParameters1,           M::Massdata,         "Mass Data"},
  ItemCase{"Footing",     "HALF-SPACE", 1, &M::FoundationDimensionandConstants1, M::Foundations,      "Foundation Data"},
  ItemCase{"Stratum",     "STRATUM",    3, &M::FoundationDimensionandConstants1, M::Foundations,      "Foundation Data"},
  ItemCase{"Multilayer",  "MULTILAYER", 4, &M::FoundationDimensionandConstants1, M::Multimat,         "Foundation Properties"},
  ItemCase{"CapMass",     "PILE",       2, &M::PilecapDimension1,                M::NCPileProperties, "Pile Cap Properties"},
  ItemCase{"Piles",       "PILE",       2, &M::PileProperties1,                  M::CPileProperties,  "Pile Properties"},
  ItemCase{"SoilBelow",   "PILE",       2, &M::SoilDataBelowFoundationTip1,      M::Tipsoil,          "Soil Below The Footing"},
  ItemCase{"Quadratic",   "HALF-SPACE", 1, &M::Quadratic1,                       M::Quad,             "Harmonic Loading Data, Quadratic"},
  ItemCase{"Harmonic",    "HALF-SPACE", 1, &M::NonQuadratic1,                    M::Harmonic,         "Harmonic Loading Data, NonQuadratic"}));
// clang-format on

TEST_F(MainWindowTest, TheTransientAndRandomItemsOpenTheirWindows) {
  W->TransientLoading1->trigger();
  Open(W->DataMenu);
  W->TransientLoadingData1->trigger();
  ASSERT_NE(W->ChildWindow(TMainForm::Transient), nullptr);
  EXPECT_EQ(W->ChildWindow(TMainForm::Transient)->windowTitle(), QStringLiteral("Transient Loading Data"));
  W->RandomLoading1->trigger();
  Open(W->DataMenu);
  W->RandomLoadingData1->trigger();
  ASSERT_NE(W->ChildWindow(TMainForm::Random), nullptr);
}

TEST_F(MainWindowTest, ChoosingAPileGroupInTheSystemWindowEnablesThePileItems) {
  Open(W->DataMenu);
  W->OptionofFoundationSystem1->trigger();
  auto* layout = qobject_cast<TfrmLayout*>(W->ChildWindow(TMainForm::Layout));
  ASSERT_NE(layout, nullptr);
  EXPECT_FALSE(W->PileProperties1->isEnabled());
  layout->ComboBox1->setFocus();
  QTest::keyClick(layout->ComboBox1, Qt::Key_P);
  EXPECT_TRUE(W->CommitEdits());
  EXPECT_EQ(Code(W->Project().FoundationKind), 2);
  EXPECT_TRUE(W->PileProperties1->isEnabled());
  EXPECT_TRUE(W->PileGroupArrangement1->isEnabled());
  EXPECT_TRUE(W->IsModified());
}

// A window not in the list of windows the design refreshes after a change of
// the unit system would store its old numbers into the converted project.
TEST_F(MainWindowTest, AChangeOfUnitsReachesTheSoilWindowActiveMeanwhile) {
  W->Project().TipShearVelocity = 100;
  Open(W->DataMenu);
  W->SoilDataBelowFoundationTip1->trigger();
  auto* soil = qobject_cast<TfrmTipsoil*>(W->ChildWindow(TMainForm::Tipsoil));
  ASSERT_NE(soil, nullptr);
  Open(W->DataMenu);
  W->EnglishUnits->trigger();
  EXPECT_EQ(soil->DataEdit1->text(), QStringLiteral("328.0839895"));
  EXPECT_EQ(soil->DataEdit1->EditLabel()->text(), QStringLiteral("Shear wave velocity (ft/sec)"));
  EXPECT_TRUE(W->CommitEdits());
  EXPECT_NEAR(double(W->Project().TipShearVelocity), 100 * 3.280839895, 1e-6);
}

}  // namespace
}  // namespace zavik
