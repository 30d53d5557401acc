// The main window driven as a user drives it, on the offscreen platform: its
// caption, File Open and the recent files, the menus for every foundation
// system and load type, the title and options windows, the save question at
// Exit, dropped files, and the analysis run on the engine built here (the
// test lies in bin/ beside Zav3-comp.so, as the program does) with the plots
// and views opened from their menus afterwards.
#include "MainWindowFixture.h"

#include "app/ChildForm.h"
#include "app/MainForm.h"
#include "core/MenuRules.h"
#include "app/OptionsWindow.h"
#include "app/ProgramDialogs.h"
#include "core/ProjectNames.h"
#include "app/TitleWindow.h"
#include "controls/TableForm.h"
#include "plots/AmpPlotDialog.h"
#include "plots/PlotForm.h"
#include "views/BlockView.h"
#include "views/SideView.h"
#include "views/TopView.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QLabel>
#include <QLineEdit>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMessageBox>
#include <QMimeData>
#include <QProgressBar>
#include <QPushButton>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>
#include <QToolBar>

#include <functional>

#include <gtest/gtest.h>

#include <memory>

namespace zavik {
namespace {

using testing::TMessageCatcher;

TEST_F(MainWindowTest, CaptionOfANewProjectAndOfAnOpenedOne) {
  EXPECT_EQ(W->windowTitle(), QStringLiteral("ZAVIK 3.0.15 - NewData"));
  const QString deck = Example("half-space-harmonic");
  W->OpenFileName(deck);
  EXPECT_EQ(W->windowTitle(), QStringLiteral("ZAVIK 3.0.15 - Half-space-harmonic"));
  EXPECT_EQ(W->Project().FileName, deck);
  EXPECT_EQ(QDir::currentPath(), Dir.path());
  // No plot data beside it: none offered.
  EXPECT_FALSE(W->PlotDataLoaded());
}

TEST_F(MainWindowTest, AProjectOpenedByARelativeNameKeepsItsWholePath) {
  const QString deck = Example("half-space-harmonic");
  ASSERT_TRUE(QDir::setCurrent(Dir.path()));
  W->OpenFileName(QStringLiteral("half-space-harmonic.kqd"));
  EXPECT_EQ(W->Project().FileName, deck);
  EXPECT_EQ(UserSettings().value(QStringLiteral("3.0.15/File1")).toString(), deck);
}

TEST_F(MainWindowTest, FileOpenThroughTheDialogPutsTheFileAtTheHeadOfTheRecentFiles) {
  const QString first = Example("half-space-harmonic");
  const QString second = Example("pile-group");
  for (const QString& deck : {first, second}) {
    TModalDriver driver;
    driver.Then([&](QWidget* Dialog) {
      auto* d = qobject_cast<QFileDialog*>(Dialog);
      ASSERT_TRUE(d);
      EXPECT_EQ(d->nameFilters(), (QStringList{QStringLiteral("ZAVIK 3.0.15 (*.kqd)"), QStringLiteral("All Files (*)")}));
      Choose(d, deck);
    });
    W->FileOpen->trigger();
    EXPECT_TRUE(driver.Done());
  }
  EXPECT_EQ(W->Project().FileName, second);
  QSettings settings = UserSettings();
  EXPECT_EQ(settings.value(QStringLiteral("3.0.15/File1")).toString(), second);
  EXPECT_EQ(settings.value(QStringLiteral("3.0.15/File2")).toString(), first);
  EXPECT_EQ(settings.value(QStringLiteral("3.0.15/File3")).toString(), QString());

  Open(W->FileMenu);
  EXPECT_TRUE(W->RecentSeparator->isVisible());
  // Shown behind the current folder, which is the one of the last file.
  EXPECT_EQ(W->RecentItems[0]->text(), QStringLiteral("1 pile-group.kqd"));
  EXPECT_EQ(W->RecentItems[1]->text(), QStringLiteral("2 half-space-harmonic.kqd"));
  EXPECT_TRUE(W->RecentItems[1]->isVisible());
  EXPECT_FALSE(W->RecentItems[2]->isVisible());

  W->RecentItems[1]->trigger();
  EXPECT_EQ(W->Project().FileName, first);
  EXPECT_EQ(settings.value(QStringLiteral("3.0.15/File1")).toString(), first);
  EXPECT_EQ(settings.value(QStringLiteral("3.0.15/File2")).toString(), second);
}

TEST_F(MainWindowTest, NoRecentFilesNoSeparator) {
  Open(W->FileMenu);
  EXPECT_FALSE(W->RecentSeparator->isVisible());
  for (QAction* a : W->RecentItems) EXPECT_FALSE(a->isVisible());
}

// The Data menu for every foundation system under every load type, with
// every input window there to be opened.
struct MenuCase {
  const char* Type;
  int Kind;
  int LoadType;
};

void PrintTo(const MenuCase& C, std::ostream* Os) { *Os << C.Type << " load " << C.LoadType; }

class DataMenuWindowTest : public MainWindowTest, public ::testing::WithParamInterface<MenuCase> {};

TEST_P(DataMenuWindowTest, ItemsFollowTheSystemAndTheLoad) {
  const MenuCase& c = GetParam();
  WireAllInputWindows();
  W->Project().FoundationKind = TFoundationKind(c.Kind);
  W->Project().LoadType = TLoadType(c.LoadType);
  Open(W->DataMenu);
  const TDataMenuState s = *DataMenuState(QLatin1String(c.Type));
  EXPECT_EQ(W->OptionofFoundationShape1->isEnabled(), s.FoundationShape);
  EXPECT_EQ(W->FootingMassParameters1->isEnabled(), s.FootingMass);
  EXPECT_EQ(W->FoundationDimensionandConstants1->isEnabled(), s.FoundationDimension);
  EXPECT_EQ(W->FoundationLayer1->isEnabled(), s.FoundationLayer);
  EXPECT_EQ(W->PileCapShapeDimension1->isEnabled(), s.PileCapShape);
  EXPECT_EQ(W->PilecapDimension1->isEnabled(), s.PileCapMass);
  EXPECT_EQ(W->PileCoordinates1->isEnabled(), s.PileCoordinates);
  EXPECT_EQ(W->PileProperties1->isEnabled(), s.PileProperties);
  EXPECT_EQ(W->PileGroupArrangement1->isEnabled(), s.PileElements);
  EXPECT_EQ(W->SoilLayerCoordinates1->isEnabled(), s.SoilLayerData);
  EXPECT_EQ(W->SoilDataBelowFoundationTip1->isEnabled(), s.SoilBelow);
  EXPECT_EQ(W->Sidesoilpilecap1->isEnabled(), s.SideSoil);
  EXPECT_EQ(W->Sidesoilpilecap1->text(), s.SideSoilCaption);
  EXPECT_EQ(W->SoilLayerBelowFoundation1->isEnabled(), s.SoilColumnLayer);
  for (QAction* a : {W->DataTitle, W->OptionsUnits, W->OptionofFoundationSystem1, W->OptionofLoading1, W->OptionsControl})
    EXPECT_TRUE(a->isEnabled()) << a->text().toStdString();

  EXPECT_EQ(W->HarmonicLoadingData1->isEnabled(), c.LoadType == 1);
  EXPECT_EQ(W->TransientLoadingData1->isEnabled(), c.LoadType == 2);
  EXPECT_EQ(W->RandomLoadingData1->isEnabled(), c.LoadType == 3);
  EXPECT_EQ(W->HarmonicLoading1->isChecked(), c.LoadType == 1);
  EXPECT_EQ(W->TransientLoading1->isChecked(), c.LoadType == 2);
  EXPECT_EQ(W->RandomLoading1->isChecked(), c.LoadType == 3);

  // The foundation-system window's call agrees with the menu.
  W->PileProperties1->setEnabled(!s.PileProperties);
  W->UpdatePileMenus();
  EXPECT_EQ(W->PileProperties1->isEnabled(), s.PileProperties);
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(SystemsAndLoads, DataMenuWindowTest, ::testing::Values(
    MenuCase{"HALF-SPACE", 1, 1}, MenuCase{"HALF-SPACE", 1, 2}, MenuCase{"HALF-SPACE", 1, 3},
    MenuCase{"PILE",       2, 1}, MenuCase{"PILE",       2, 2}, MenuCase{"PILE",       2, 3},
    MenuCase{"STRATUM",    3, 1}, MenuCase{"STRATUM",    3, 2}, MenuCase{"STRATUM",    3, 3},
    MenuCase{"MULTILAYER", 4, 1}, MenuCase{"MULTILAYER", 4, 2}, MenuCase{"MULTILAYER", 4, 3}));
// clang-format on

TEST_F(MainWindowTest, InputWindowsNotThereKeepTheirItemsDisabled) {
  for (int k = TMainForm::Layout; k < TMainForm::ChildKinds; ++k) W->SetChildFactory(TMainForm::TChildKind(k), {});
  Open(W->DataMenu);
  for (QAction* a : {W->OptionofFoundationSystem1, W->OptionofFoundationShape1, W->FootingMassParameters1,
                     W->FoundationDimensionandConstants1, W->SoilDataBelowFoundationTip1, W->Quadratic1,
                     W->NonQuadratic1})
    EXPECT_FALSE(a->isEnabled()) << a->text().toStdString();
  EXPECT_TRUE(W->DataTitle->isEnabled());
  EXPECT_TRUE(W->Sidesoilpilecap1->isEnabled());
}

TEST_F(MainWindowTest, AnInputWindowOpensOnceAndComesToTheFront) {
  WireAllInputWindows();
  Open(W->DataMenu);
  W->FootingMassParameters1->trigger();
  TChildForm* mass = W->ChildWindow(TMainForm::Massdata);
  ASSERT_TRUE(mass);
  W->DataTitle->trigger();
  EXPECT_NE(W->MdiArea()->activeSubWindow()->widget(), mass);
  W->FootingMassParameters1->trigger();
  EXPECT_EQ(W->ChildWindow(TMainForm::Massdata), mass);
  EXPECT_EQ(W->MdiArea()->activeSubWindow()->widget(), mass);
  EXPECT_EQ(Children().size(), 2);
  // An edit of the window marks the project modified.
  W->SetModified(false);
  emit mass->Modified();
  EXPECT_TRUE(W->IsModified());
}

TEST_F(MainWindowTest, SideSoilOfAStratumThenOfAPileGroup) {
  W->Project().FoundationKind = TFoundationKind::Stratum;
  Open(W->DataMenu);
  EXPECT_EQ(W->Sidesoilpilecap1->text(), QStringLiteral("Side Soil"));
  EXPECT_FALSE(W->Sidesoilpilecap1->isEnabled());
  W->Project().FoundationKind = TFoundationKind::Pile;
  Open(W->DataMenu);
  EXPECT_EQ(W->Sidesoilpilecap1->text(), QStringLiteral("Side Soil of Pile Cap"));
  ASSERT_TRUE(W->Sidesoilpilecap1->isEnabled());
  W->Sidesoilpilecap1->trigger();
  EXPECT_EQ(ShownTable(), W->Tables().pilecapsoil);
}

TEST_F(MainWindowTest, TableItemsOpenTheProjectTablesAsChildWindows) {
  struct {
    const char* Type;
    int Kind;
    QAction* TMainForm::*Item;
    TGridTable* TProjectTables::*Table;
  } const rows[] = {
      {"HALF-SPACE", 1, &TMainForm::Sidesoilpilecap1, &TProjectTables::D1},
      {"PILE", 2, &TMainForm::PileCoordinates1, &TProjectTables::Pilecoord},
      {"PILE", 2, &TMainForm::PileGroupArrangement1, &TProjectTables::PileData},
      {"PILE", 2, &TMainForm::SoilLayerCoordinates1, &TProjectTables::D},
      {"MULTILAYER", 4, &TMainForm::FoundationLayer1, &TProjectTables::MultiElement},
      {"MULTILAYER", 4, &TMainForm::SoilLayerBelowFoundation1, &TProjectTables::Multisoil},
      {"MULTILAYER", 4, &TMainForm::Sidesoilpilecap1, &TProjectTables::D},
  };
  for (const auto& r : rows) {
    SCOPED_TRACE(r.Type);
    W->Project().FoundationKind = TFoundationKind(r.Kind);
    Open(W->DataMenu);
    ((*W).*r.Item)->trigger();
    EXPECT_EQ(ShownTable(), W->Tables().*r.Table);
  }
  // One window per table: the soil along the piles and the side soil of a
  // multilayer foundation are the same table.
  EXPECT_EQ(Children().size(), 6);
  // Opening the Data menu of a multilayer foundation fitted the soil column
  // to the foundation's layers below the side soil.
  W->Tables().MultiElement->SetRowCount(4);
  W->Tables().D->SetRowCount(1);
  Open(W->DataMenu);
  EXPECT_EQ(W->Tables().Multisoil->RowCount(), 3);
}

TEST_F(MainWindowTest, SoilLayerDataOnlyForAPileGroup) {
  W->SoilLayerCoordinates1Click();
  EXPECT_TRUE(Children().isEmpty());
}

TEST_F(MainWindowTest, TheChosenLoadTypeHoldsAgainstTheStoredLoadName) {
  // A hand-edited deck whose load line is exactly "HARMONIC".
  QByteArray deck = Read(Example("half-space-harmonic"));
  ASSERT_TRUE(deck.contains("HARMONIC \r\n"));
  const QString file = Write("hand-edited.kqd", deck.replace("HARMONIC \r\n", "HARMONIC\r\n"));
  W->OpenFileName(file);
  ASSERT_EQ(W->Project().LoadTypeName, QStringLiteral("HARMONIC"));
  EXPECT_EQ(Code(W->Project().LoadType), 1);
  EXPECT_FALSE(W->IsModified());
  W->TransientLoading1->trigger();
  EXPECT_EQ(Code(W->Project().LoadType), 2);
  EXPECT_TRUE(W->TransientLoading1->isChecked());
  EXPECT_FALSE(W->HarmonicLoading1->isChecked());
  Open(W->DataMenu);
  EXPECT_EQ(Code(W->Project().LoadType), 2);
  EXPECT_FALSE(W->HarmonicLoadingData1->isEnabled());
  // A change of the deck: the user is asked before it is lost.
  EXPECT_TRUE(W->IsModified());
}

TEST_F(MainWindowTest, ChangingTheLoadClosesTheLoadingWindowsOfOtherLoads) {
  WireAllInputWindows();
  W->NonQuadratic1->trigger();
  ASSERT_TRUE(W->ChildWindow(TMainForm::Harmonic));
  EXPECT_EQ(W->Project().Quadratic, 0);
  W->Quadratic1->trigger();
  EXPECT_EQ(W->Project().Quadratic, 1);
  EXPECT_TRUE(W->ChildWindow(TMainForm::Quad));
  EXPECT_FALSE(W->ChildWindow(TMainForm::Harmonic));
  W->RandomLoading1->trigger();
  W->RandomLoadingData1->trigger();
  EXPECT_FALSE(W->ChildWindow(TMainForm::Quad));
  EXPECT_TRUE(W->ChildWindow(TMainForm::Random));
  W->HarmonicLoading1->trigger();
  EXPECT_FALSE(W->ChildWindow(TMainForm::Random));
}

TEST_F(MainWindowTest, UnitsMenuShowsAndConvertsTheUnitSystem) {
  W->Project().FootingRadius = 1;
  QMenu* units = W->OptionsUnits->menu();
  Open(units);
  EXPECT_TRUE(W->SIUnits->isChecked());
  EXPECT_FALSE(W->EnglishUnits->isChecked());
  W->EnglishUnits->trigger();
  EXPECT_EQ(Code(W->Project().Units), 1);
  EXPECT_NEAR(double(W->Project().FootingRadius), 3.280839895, 1e-9);
  EXPECT_TRUE(W->IsModified());
  Open(units);
  EXPECT_TRUE(W->EnglishUnits->isChecked());
}

TEST_F(MainWindowTest, TheTitleWindowStoresAChangedTitleOnly) {
  W->Project().Title = QStringLiteral("Fan foundation");
  W->DataTitle->trigger();
  auto* title = qobject_cast<TdlgTitle*>(W->ChildWindow(TMainForm::Title));
  ASSERT_TRUE(title);
  EXPECT_EQ(title->windowTitle(), QStringLiteral("Project Title"));
  EXPECT_EQ(title->TitleMemo->text(), QStringLiteral("Fan foundation"));
  // Leaving it unchanged changes nothing.
  title->parentWidget()->close();
  QApplication::processEvents();
  EXPECT_FALSE(W->IsModified());

  W->DataTitle->trigger();
  title = qobject_cast<TdlgTitle*>(W->ChildWindow(TMainForm::Title));
  ASSERT_TRUE(title);
  title->TitleMemo->selectAll();
  QTest::keyClicks(title->TitleMemo, QString(90, QLatin1Char('x')));
  EXPECT_EQ(title->TitleMemo->text().size(), TdlgTitle::MaxTitleLength);
  // A pasted line break would end the deck's title line.
  QApplication::clipboard()->setText(QStringLiteral("Pump\nfoundation"));
  title->TitleMemo->clear();
  title->TitleMemo->paste();
  EXPECT_EQ(title->TitleMemo->text(), QStringLiteral("Pump foundation"));
  title->TitleMemo->selectAll();
  QTest::keyClicks(title->TitleMemo, QString(90, QLatin1Char('x')));
  // Another window taken up stores it.
  W->OptionsControl->trigger();
  EXPECT_EQ(W->Project().Title, QString(80, QLatin1Char('x')));
  EXPECT_TRUE(W->IsModified());
}

TEST_F(MainWindowTest, TheOptionsWindowEditsTheEditorAndTheMatrixWithoutMarkingTheProject) {
  W->Project().StiffnessMatrix = 1;
  W->OptionsControl->trigger();
  auto* options = qobject_cast<TDlgOptions*>(W->ChildWindow(TMainForm::Options));
  ASSERT_TRUE(options);
  EXPECT_EQ(options->windowTitle(), QStringLiteral("Control Options"));
  // No editor chosen: the user's default application, and no path put back.
  EXPECT_EQ(options->EdtWord->text(), QString());
  EXPECT_TRUE(options->CheckBox1->isChecked());
  QTest::mouseClick(options->CheckBox1, Qt::LeftButton);
  EXPECT_EQ(W->Project().StiffnessMatrix, 1);  // until the window is left
  options->EdtWord->setText(QStringLiteral("/opt/My Editor/edit"));
  options->parentWidget()->close();
  QApplication::processEvents();
  EXPECT_EQ(W->Project().StiffnessMatrix, 0);
  EXPECT_EQ(W->Settings().WordProcessor, QStringLiteral("/opt/My Editor/edit"));
  EXPECT_FALSE(W->IsModified());
  // The editor reaches the user's settings when the recent files change or
  // the program closes.
  EXPECT_EQ(UserSettings().value(QStringLiteral("3.0.15/Word Processor")).toString(), QString());
  W->OpenFileName(Example("half-space-harmonic"));
  EXPECT_EQ(UserSettings().value(QStringLiteral("3.0.15/Word Processor")).toString(),
            QStringLiteral("/opt/My Editor/edit"));
}

TEST_F(MainWindowTest, BrowsingForTheEditor) {
  W->OptionsControl->trigger();
  auto* options = qobject_cast<TDlgOptions*>(W->ChildWindow(TMainForm::Options));
  ASSERT_TRUE(options);
  options->EdtWord->setText(QStringLiteral("/usr/bin/vi"));
  QString started;
  options->AskProgram = [&](const QString& Start) {
    started = Start;
    return QStringLiteral("/usr/bin/kate");
  };
  QTest::mouseClick(options->BtnBrowse, Qt::LeftButton);
  EXPECT_EQ(started, QStringLiteral("/usr/bin/vi"));
  EXPECT_EQ(options->EdtWord->text(), QStringLiteral("/usr/bin/kate"));
  options->AskProgram = [](const QString&) { return QString(); };
  QTest::mouseClick(options->BtnBrowse, Qt::LeftButton);
  EXPECT_EQ(options->EdtWord->text(), QStringLiteral("/usr/bin/kate"));
}

struct ExitCase {
  const char* Name;
  QMessageBox::StandardButton Answer;
  bool Closed;
};

void PrintTo(const ExitCase& C, std::ostream* Os) { *Os << C.Name; }

class ExitTest : public MainWindowTest, public ::testing::WithParamInterface<ExitCase> {};

TEST_P(ExitTest, AChangedTitleAsksBeforeTheProgramCloses) {
  const QString deck = Example("half-space-harmonic");
  W->OpenFileName(deck);
  const QByteArray before = Read(deck);
  W->DataTitle->trigger();
  auto* title = qobject_cast<TdlgTitle*>(W->ChildWindow(TMainForm::Title));
  ASSERT_TRUE(title);
  title->TitleMemo->setFocus();
  title->TitleMemo->selectAll();
  QTest::keyClicks(title->TitleMemo, QStringLiteral("Compressor on a half-space"));

  QString question;
  TModalDriver driver;
  driver.Then([&](QWidget* Box) {
    auto* box = qobject_cast<QMessageBox*>(Box);
    ASSERT_TRUE(box);
    question = box->text();
    EXPECT_EQ(box->standardButtons(), QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
    box->button(GetParam().Answer)->click();
  });
  W->FileExit->trigger();
  QApplication::processEvents();
  EXPECT_TRUE(driver.Done());
  EXPECT_EQ(question, QStringLiteral("Do you want to save any changes?"));
  EXPECT_EQ(W->isVisible(), !GetParam().Closed);
  const bool saved = GetParam().Answer == QMessageBox::Yes;
  EXPECT_EQ(Read(deck).contains("TITLE=Compressor on a half-space"), saved);
  if (!saved) {
    EXPECT_EQ(Read(deck), before);
  }
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Answers, ExitTest, ::testing::Values(
    ExitCase{"Cancel", QMessageBox::Cancel, false},
    ExitCase{"No",     QMessageBox::No,     true},
    ExitCase{"Yes",    QMessageBox::Yes,    true}),
    [](const auto& Info) { return std::string(Info.param.Name); });
// clang-format on

TEST_F(MainWindowTest, YesWhoseSaveFailsKeepsTheProgramRunning) {
  W->OpenFileName(Example("half-space-harmonic"));
  W->Project().FileName = Dir.filePath(QStringLiteral("gone/half-space-harmonic.kqd"));
  W->SetModified(true);
  TModalDriver driver;
  QString failure;
  driver.Then([](QWidget* Box) { qobject_cast<QMessageBox*>(Box)->button(QMessageBox::Yes)->click(); });
  driver.ThenMessage(failure);
  W->FileExit->trigger();
  QApplication::processEvents();
  EXPECT_TRUE(driver.Done());
  EXPECT_TRUE(failure.contains(QStringLiteral("gone"))) << failure.toStdString();
  EXPECT_TRUE(W->isVisible());
  EXPECT_TRUE(W->IsModified());
}

TEST_F(MainWindowTest, ThePendingEditOfAWindowIsAskedForBeforeAnotherProjectReplacesIt) {
  const QString other = Example("pile-group");
  W->OpenFileName(Example("half-space-harmonic"));
  W->DataTitle->trigger();
  auto* title = qobject_cast<TdlgTitle*>(W->ChildWindow(TMainForm::Title));
  ASSERT_TRUE(title);
  title->TitleMemo->setText(QStringLiteral("Typed, not yet stored"));

  TModalDriver driver;
  driver.Then([](QWidget* Box) { qobject_cast<QMessageBox*>(Box)->button(QMessageBox::No)->click(); });
  driver.Then([&](QWidget* Dialog) { Choose(Dialog, other); });
  W->FileOpen->trigger();
  EXPECT_TRUE(driver.Done());
  EXPECT_EQ(W->Project().FileName, other);
  EXPECT_EQ(W->Project().Title, QStringLiteral("Compressor on four piles under an embedded cap, no interaction"));
  EXPECT_TRUE(Children().isEmpty());
  EXPECT_FALSE(W->IsModified());
}

TEST_F(MainWindowTest, OnlyTheFirstDroppedFileOpensAndItEntersNoRecentList) {
  const QString first = Example("pile-group");
  const QString second = Example("half-space-harmonic");
  QMimeData data;
  data.setUrls({QUrl::fromLocalFile(first), QUrl::fromLocalFile(second)});
  QDragEnterEvent enter(QPoint(10, 10), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
  QApplication::sendEvent(W->MdiArea()->viewport(), &enter);
  EXPECT_TRUE(enter.isAccepted());
  QDropEvent drop(QPointF(10, 10), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
  QApplication::sendEvent(W->MdiArea()->viewport(), &drop);
  EXPECT_EQ(W->Project().FileName, first);
  EXPECT_EQ(W->windowTitle(), QStringLiteral("ZAVIK 3.0.15 - Pile-group"));
  EXPECT_EQ(UserSettings().value(QStringLiteral("3.0.15/File1")).toString(), QString());
}

// A file that is no deck leaves a partly read project: its next save asks
// for a name rather than writing a deck over the dropped file.
TEST_F(MainWindowTest, ADroppedFileReadIncompletelyIsNotSavedOverWithoutAName) {
  const QByteArray notes = "Site visit notes\nBlock cracked at the north corner\n";
  const QString file = Write("notes.txt", notes);
  TMessageCatcher messages;
  W->OpenDroppedFiles({file});
  ASSERT_EQ(messages.Messages.size(), 1);
  EXPECT_EQ(W->windowTitle(), QStringLiteral("ZAVIK 3.0.15 - Notes.txt"));
  messages.Clear();

  QString title;
  TModalDriver driver;
  driver.Then([&](QWidget* Dialog) {
    auto* d = qobject_cast<QFileDialog*>(Dialog);
    ASSERT_TRUE(d);
    title = d->windowTitle();
    d->reject();
  });
  W->FileSave->trigger();
  EXPECT_TRUE(driver.Done());
  EXPECT_EQ(title, QStringLiteral("Save Notes.txt As"));
  EXPECT_EQ(Read(file), notes);

  // Saved under a name of the user's, it is a project like any other.
  const QString deck = Dir.filePath(QStringLiteral("site.kqd"));
  driver.Then([&](QWidget* Dialog) { Choose(Dialog, deck); });
  W->FileSave->trigger();
  EXPECT_TRUE(driver.Done());
  EXPECT_TRUE(QFileInfo::exists(deck));
  W->Project().Title = QStringLiteral("Site");
  W->FileSave->trigger();  // no dialog
  EXPECT_TRUE(Read(deck).contains("TITLE=Site"));
  EXPECT_EQ(Read(file), notes);
}

TEST_F(MainWindowTest, AFileThatCannotBeReadKeepsTheProjectOpen) {
  const QString deck = Example("pile-group");
  W->OpenFileName(deck);
  TMessageCatcher messages;
  W->OpenFileName(Dir.filePath(QStringLiteral("absent.kqd")));
  EXPECT_EQ(messages.Messages.size(), 1);
  EXPECT_EQ(W->Project().FileName, deck);
  EXPECT_EQ(W->windowTitle(), QStringLiteral("ZAVIK 3.0.15 - Pile-group"));
}

TEST_F(MainWindowTest, RunAnalysisWritesTheReportAndThePlotDataBesideTheDeck) {
  const QString deck = Example("half-space-harmonic");
  W->OpenFileName(deck);
  Open(W->GraphicsMenu);
  EXPECT_FALSE(W->mrealKxx->isEnabled());
  EXPECT_FALSE(W->ForceResponseAmplitude1->isEnabled());
  Open(W->CompMenu);
  EXPECT_TRUE(W->CompInput->isEnabled());
  EXPECT_FALSE(W->CompOutput->isEnabled());
  EXPECT_FALSE(W->CompKernel->isEnabled());

  {
    TMessageCatcher messages;
    RunAnalysis(messages);
    EXPECT_EQ(messages.Texts(), QStringList{TAnalysisRun::CompletedMessage});
  }
  EXPECT_TRUE(QFileInfo::exists(Dir.filePath(QStringLiteral("half-space-harmonic.kqo"))));
  EXPECT_TRUE(QFileInfo::exists(Dir.filePath(QStringLiteral("half-space-harmonic.kqp"))));
  EXPECT_EQ(QDir::currentPath(), Dir.path());
  EXPECT_TRUE(W->PlotDataLoaded());
  EXPECT_GT(W->Plots().pltRealKXX.PointCount(), 1);
  EXPECT_EQ(W->Plots().pltRealKXX.LineCount(), 3);

  // Every plot from its menu, as a child window of its own.
  Open(W->GraphicsMenu);
  for (QAction* a : {W->mrealKxx, W->mRealKppx, W->mdampCXX, W->mDampCppx, W->ForceResponseAmplitude1,
                     W->MomentResponseAmplitude1}) {
    SCOPED_TRACE(a->text().toStdString());
    ASSERT_TRUE(a->isEnabled());
    a->trigger();
    ASSERT_TRUE(W->MdiArea()->activeSubWindow());
    EXPECT_TRUE(qobject_cast<TPlotForm*>(W->MdiArea()->activeSubWindow()->widget()));
  }
  EXPECT_EQ(Children().size(), 6);
  ASSERT_TRUE(W->FootingResponseAmplitudeDisplacement1->isEnabled());
  TModalDriver driver;
  QWidget* amplitude = nullptr;
  driver.Then([&](QWidget* Dialog) {
    amplitude = Dialog;
    qobject_cast<QDialog*>(Dialog)->reject();
  });
  W->FootingResponseAmplitudeDisplacement1->trigger();
  EXPECT_TRUE(driver.Done());
  EXPECT_EQ(amplitude, W->DlgAmpPlot());

  // The report and the deck open in the user's editor.
  Open(W->CompMenu);
  ASSERT_TRUE(W->CompOutput->isEnabled());
  W->CompOutput->trigger();
  // A path with blanks that names no program here is quoted to stay whole.
  W->Settings().WordProcessor = QStringLiteral("\"/opt/My Editor/edit\"");
  W->CompInput->trigger();
  ASSERT_EQ(Launcher.Documents.size(), 1);
  EXPECT_EQ(Launcher.Documents[0].toLocalFile(), Dir.filePath(QStringLiteral("half-space-harmonic.kqo")));
  EXPECT_EQ(Launcher.Programs, QStringList{QStringLiteral("/opt/My Editor/edit")});
  EXPECT_EQ(Launcher.Args, QStringList{deck});
  Launcher.Result = false;
  TMessageCatcher messages;
  W->CompInput->trigger();
  EXPECT_EQ(messages.Texts(), QStringList{QStringLiteral("An error occurred in running the Word Processor")});
}

TEST_F(MainWindowTest, ARunWithoutStiffnessMatrixOffersTheResponseOnly) {
  W->OpenFileName(Example("half-space-harmonic"));
  W->Project().StiffnessMatrix = 0;
  {
    TMessageCatcher messages;
    RunAnalysis(messages);
  }
  Open(W->GraphicsMenu);
  for (QAction* a : {W->mrealKxx, W->mRealKppx, W->mdampCXX, W->mDampCppx})
    EXPECT_FALSE(a->isEnabled()) << a->text().toStdString();
  for (QAction* a : {W->ForceResponseAmplitude1, W->MomentResponseAmplitude1, W->FootingResponseAmplitudeDisplacement1})
    EXPECT_TRUE(a->isEnabled()) << a->text().toStdString();
}

TEST_F(MainWindowTest, ANewProjectIsRunOnlyOnceItHasAName) {
  TModalDriver driver;
  driver.Then([](QWidget* Dialog) { qobject_cast<QFileDialog*>(Dialog)->reject(); });
  W->CompRun->trigger();
  EXPECT_TRUE(driver.Done());
  EXPECT_FALSE(W->Run().Busy());
  EXPECT_FALSE(W->DlgRunAnalysis()->isVisible());
}

// After a run that did not write the plot data, an older file beside the
// deck is no result of it.
TEST_F(MainWindowTest, OlderPlotDataIsNotOfferedAfterARunThatWroteNone) {
  const QString deck = Example("half-space-harmonic");
  {
    TMessageCatcher messages;
    W->OpenFileName(deck);
    RunAnalysis(messages);
  }
  ASSERT_TRUE(W->PlotDataLoaded());
  TMessageCatcher messages;
  emit W->Run().Finished(3, Dir.filePath(QStringLiteral("half-space-harmonic.kqp")), false);
  ASSERT_EQ(messages.Messages.size(), 1);
  EXPECT_TRUE(messages.Messages[0].Text.startsWith(QStringLiteral("The analysis did not complete")));
  EXPECT_FALSE(W->PlotDataLoaded());
  Open(W->GraphicsMenu);
  EXPECT_FALSE(W->mrealKxx->isEnabled());
  EXPECT_FALSE(W->ForceResponseAmplitude1->isEnabled());

  // Opening the project again reads the file beside it, as any opening does.
  W->OpenFileName(deck);
  EXPECT_TRUE(W->PlotDataLoaded());
}

// Two decks saved into one folder under names with dots keep side files,
// reports and plot data of their own: each reopened shows its own run.
TEST_F(MainWindowTest, DecksWhoseNamesHoldDotsKeepTheirOwnFilesAndResults) {
  const QString folder = Dir.filePath(QStringLiteral("jobs"));
  ASSERT_TRUE(QDir().mkpath(folder));
  QMap<QString, int> lines;
  for (const auto& [example, name] : {std::pair{"pile-group", "job v1.2"}, std::pair{"half-space-harmonic", "job v1.3"}}) {
    SCOPED_TRACE(name);
    W->OpenFileName(Example(example));
    TModalDriver driver;
    driver.Then([&](QWidget* Dialog) { Choose(Dialog, folder + QLatin1Char('/') + QLatin1String(name)); });
    W->FileSaveAs->trigger();
    EXPECT_TRUE(driver.Done());
    EXPECT_EQ(W->Project().FileName, folder + QLatin1Char('/') + QLatin1String(name) + QStringLiteral(".kqd"));
    TMessageCatcher messages;
    RunAnalysis(messages);
    EXPECT_EQ(messages.Texts(), QStringList{TAnalysisRun::CompletedMessage});
    lines[QLatin1String(name)] = W->Plots().pltRealKXX.PointCount();
  }
  EXPECT_EQ(QDir(folder).entryList(QDir::Files, QDir::Name),
            (QStringList{"job v1.2.kqd", "job v1.2.kqm", "job v1.2.kqo", "job v1.2.kqp", "job v1.2.kqt",
                         "job v1.3.kqd", "job v1.3.kqm", "job v1.3.kqo", "job v1.3.kqp", "job v1.3.kqt"}));
  EXPECT_NE(Read(folder + QStringLiteral("/job v1.2.kqp")), Read(folder + QStringLiteral("/job v1.3.kqp")));
  EXPECT_TRUE(Read(folder + QStringLiteral("/job v1.2.kqo")).contains("Compressor on four piles"));
  for (const QString& name : {QStringLiteral("job v1.2"), QStringLiteral("job v1.3")}) {
    ASSERT_TRUE(QFileInfo::exists(folder + QLatin1Char('/') + name + QStringLiteral(".kqd")));
    W->OpenFileName(folder + QLatin1Char('/') + name + QStringLiteral(".kqd"));
    EXPECT_TRUE(W->PlotDataLoaded());
    TResultPlots own;
    ASSERT_TRUE(own.LoadPlotFile(folder + QLatin1Char('/') + name + QStringLiteral(".kqp"), Code(W->Project().Units)));
    ASSERT_EQ(W->Plots().pltRealKXX.PointCount(), lines[name]);
    EXPECT_EQ(W->Plots().pltRealKXX.Point(0, 1).Y, own.pltRealKXX.Point(0, 1).Y) << name.toStdString();
  }
}

// With All Files the name is taken as typed: a deck under another extension
// keeps the whole name as the stem of its side files.
TEST_F(MainWindowTest, ADeckSavedWithAllFilesKeepsItsNameAndItsWholeNameIsTheStem) {
  W->OpenFileName(Example("pile-group"));
  const QString file = Dir.filePath(QStringLiteral("site.v2"));
  TModalDriver driver;
  driver.Then([&](QWidget* Dialog) {
    qobject_cast<QFileDialog*>(Dialog)->selectNameFilter(QStringLiteral("All Files (*)"));
    Choose(Dialog, file);
  });
  W->FileSaveAs->trigger();
  EXPECT_TRUE(driver.Done());
  EXPECT_EQ(W->Project().FileName, file);
  EXPECT_TRUE(QFileInfo::exists(file));
  EXPECT_TRUE(QFileInfo::exists(file + QStringLiteral(".kqm")));
  EXPECT_TRUE(QFileInfo::exists(file + QStringLiteral(".kqt")));
  EXPECT_FALSE(QFileInfo::exists(Dir.filePath(QStringLiteral("site.kqm"))));
}

// The engine refuses a deck (Vs = 0 below the footing): the message says the
// analysis did not complete and offers the report, which opens in the editor.
TEST_F(MainWindowTest, ARunTheEngineRefusesSaysSoAndOffersItsReport) {
  const QString deck = Example("half-space-harmonic");
  QByteArray text = Read(deck);
  ASSERT_TRUE(text.contains("BELOW=250 "));
  text.replace("BELOW=250 ", "BELOW=0 ");
  Write("half-space-harmonic.kqd", text);
  W->OpenFileName(deck);
  const QString report = Dir.filePath(QStringLiteral("half-space-harmonic.kqo"));
  QString said;
  QStringList buttons;
  QMessageBox::Icon icon = QMessageBox::NoIcon;
  TModalDriver driver;
  // The run window while the engine works (when it is seen at all), then the
  // message.
  std::function<void(QWidget*)> step = [&](QWidget* Dialog) {
    if (Dialog == W->DlgRunAnalysis()) {
      driver.Then(step);
      return;
    }
    auto* box = qobject_cast<QMessageBox*>(Dialog);
    ASSERT_TRUE(box) << "no message box";
    said = box->text();
    icon = box->icon();
    QAbstractButton* open = nullptr;
    for (QAbstractButton* b : box->buttons()) {
      buttons << b->text();
      if (b->text() == QStringLiteral("&Open Report")) open = b;
    }
    ASSERT_TRUE(open);
    open->click();
  };
  driver.Then(step);
  W->CompRun->trigger();
  QTRY_VERIFY_WITH_TIMEOUT(!W->Run().Busy() && driver.Done(), 60000);
  EXPECT_TRUE(said.startsWith(QStringLiteral("The analysis did not complete"))) << said.toStdString();
  EXPECT_TRUE(said.contains(report)) << said.toStdString();
  EXPECT_NE(said, TAnalysisRun::CompletedMessage);
  EXPECT_EQ(icon, QMessageBox::Warning);
  EXPECT_EQ(buttons.size(), 2);
  ASSERT_EQ(Launcher.Documents.size(), 1);
  EXPECT_EQ(Launcher.Documents[0].toLocalFile(), report);
  EXPECT_FALSE(W->PlotDataLoaded());
}

// A completed run whose report ends with the engine's warning says how many
// frequency lines were warned, after the words of every completed run.
TEST_F(MainWindowTest, ACompletedRunWithWarnedLinesSaysHowMany) {
  W->OpenFileName(Example("half-space-harmonic"));
  {
    TMessageCatcher messages;
    RunAnalysis(messages);
  }
  const QString report = W->Run().ReportFile();
  QFile f(report);
  ASSERT_TRUE(f.open(QIODevice::Append));
  f.write(" *** WARNING -     3 OF    40 FREQUENCY LINES HOLD CONSTANTS NO PASSIVE FOUNDATION HAS ***\n");
  f.close();
  TMessageCatcher messages;
  emit W->Run().Finished(0, W->Run().PlotFile(), true);
  ASSERT_EQ(messages.Messages.size(), 1);
  const QString said = messages.Messages[0].Text;
  EXPECT_TRUE(said.startsWith(TAnalysisRun::CompletedMessage)) << said.toStdString();
  EXPECT_TRUE(said.contains(QStringLiteral("3 of the 40 frequency lines"))) << said.toStdString();
  EXPECT_EQ(messages.Messages[0].Buttons.size(), 2);
  EXPECT_EQ(messages.Messages[0].Icon, QMessageBox::Warning);
  EXPECT_TRUE(Launcher.Documents.isEmpty());  // OK was pressed
  EXPECT_TRUE(W->PlotDataLoaded());
}

TEST_F(MainWindowTest, AnEngineThatCannotBeLoadedIsReported) {
  W->OpenFileName(Example("half-space-harmonic"));
  W->Run().SetLibraryName(Dir.filePath(QStringLiteral("no-engine.so")));
  TMessageCatcher messages;
  W->CompRun->trigger();
  EXPECT_EQ(messages.Texts(), QStringList{TAnalysisRun::InitFailedMessage});
  EXPECT_FALSE(W->Run().Busy());
  EXPECT_FALSE(W->DlgRunAnalysis()->isVisible());
}

TEST_F(MainWindowTest, TheViewsOpenFromTheirMenuOneOfEachKind) {
  W->OpenFileName(Example("pile-group"));
  W->TopViewItem->trigger();
  W->SideViewItem->trigger();
  W->sideviewYZ->trigger();
  W->TopViewItem->trigger();
  const QList<QWidget*> views = Children();
  ASSERT_EQ(views.size(), 3);
  EXPECT_TRUE(qobject_cast<TDlgTopView*>(views[0]));
  EXPECT_TRUE(qobject_cast<TDlgSideViewXZ*>(views[1]));
  EXPECT_TRUE(qobject_cast<TDlgSideViewYZ*>(views[2]));
  EXPECT_EQ(W->MdiArea()->activeSubWindow()->widget(), views[0]);
}

TEST_F(MainWindowTest, TheWindowMenuListsTheChildWindows) {
  Open(W->WindowMenu);
  EXPECT_FALSE(W->WindowListSeparator->isVisible());
  EXPECT_FALSE(W->WindowItems[0]->isVisible());
  W->DataTitle->trigger();
  W->OptionsControl->trigger();
  Open(W->WindowMenu);
  EXPECT_TRUE(W->WindowListSeparator->isVisible());
  EXPECT_EQ(W->WindowItems[0]->text(), QStringLiteral("Project Title"));
  EXPECT_EQ(W->WindowItems[1]->text(), QStringLiteral("Control Options"));
  EXPECT_FALSE(W->WindowItems[2]->isVisible());
  W->WindowItems[0]->trigger();
  EXPECT_EQ(W->MdiArea()->activeSubWindow()->widget(), W->ChildWindow(TMainForm::Title));
}

TEST_F(MainWindowTest, ArrangeIconsLinesTheMinimisedWindowsUpAlongTheBottom) {
  W->DataTitle->trigger();
  W->OptionsControl->trigger();
  QMdiSubWindow* title = qobject_cast<QMdiSubWindow*>(W->ChildWindow(TMainForm::Title)->parentWidget());
  QMdiSubWindow* options = qobject_cast<QMdiSubWindow*>(W->ChildWindow(TMainForm::Options)->parentWidget());
  title->showMinimized();
  options->showMinimized();
  title->move(300, 40);
  options->move(10, 90);
  W->WindowArrange->trigger();
  const int bottom = W->MdiArea()->viewport()->height();
  EXPECT_EQ(title->geometry().bottom() + 1, bottom);
  EXPECT_EQ(options->geometry().bottom() + 1, bottom);
  EXPECT_EQ(title->x(), 0);
  EXPECT_EQ(options->x(), title->width());
}

TEST_F(MainWindowTest, TheAboutBoxTellsTheVersion) {
  TModalDriver driver;
  QString version, caption;
  driver.Then([&](QWidget* Dialog) {
    auto* about = qobject_cast<TAboutBox*>(Dialog);
    ASSERT_TRUE(about);
    caption = about->windowTitle();
    version = about->Version->text();
    about->OKButton->click();
  });
  W->HelpAbout->trigger();
  EXPECT_TRUE(driver.Done());
  EXPECT_EQ(caption, QStringLiteral("About TESSIK"));
  EXPECT_EQ(version, QStringLiteral("Version 3.0.15"));
}

TEST(RunWindow, TheBarStepsByTenAndStartsAgainAfterTheEnd) {
  TDlgRunAnalysis run;
  EXPECT_EQ(run.windowTitle(), QStringLiteral("Zavik, Run Analysis"));
  EXPECT_EQ(run.TimerRun->interval(), 100);
  std::vector<int> steps;
  for (int i = 0; i < 8; ++i) {
    steps.push_back(run.ProgressBarRun->value());
    run.TimerRunTimer();
  }
  EXPECT_EQ(steps, (std::vector<int>{50, 60, 70, 80, 90, 100, 0, 10}));
  // The user cannot close it while the engine runs.
  run.ShowRunning();
  run.reject();
  EXPECT_TRUE(run.isVisible());
  EXPECT_TRUE(run.TimerRun->isActive());
  run.HideRunning();
  EXPECT_FALSE(run.isVisible());
  EXPECT_FALSE(run.TimerRun->isActive());
}

}  // namespace
}  // namespace zavik
