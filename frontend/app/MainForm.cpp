#include "app/MainForm.h"

#include "app/ChildForm.h"
#include "app/FoundationForms.h"
#include "app/LoadingForms.h"
#include "app/MassForms.h"
#include "core/MenuRules.h"
#include "app/OptionsWindow.h"
#include "app/ProgramDialogs.h"
#include "core/ProjectNames.h"
#include "core/RunResult.h"
#include "app/SystemForms.h"
#include "app/TitleWindow.h"
#include "controls/AreaPlacement.h"
#include "controls/DataEdit.h"
#include "controls/Messages.h"
#include "controls/TableForm.h"
#include "controls/TableWindows.h"
#include "plots/AmpPlotDialog.h"
#include "plots/PlotForm.h"
#include "views/BlockView.h"
#include "views/SideView.h"
#include "views/TopView.h"

#include <QAction>
#include <QActionGroup>
#include <QApplication>
#include <QCloseEvent>
#include <QDir>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFileDialog>
#include <QFileInfo>
#include <QLayout>
#include <QLineEdit>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenuBar>
#include <QMessageBox>
#include <QMimeData>
#include <QPushButton>
#include <QScreen>
#include <QTimer>
#include <QToolBar>

#include <algorithm>

namespace zavik {
namespace {

const QString DeckFilter = QStringLiteral("ZAVIK 3.0.15 (*.kqd)");
const QString ProjectFilter = DeckFilter + QStringLiteral(";;All Files (*)");
const QString ProjectSuffix = QStringLiteral("kqd");

// The save dialog of a project. With the program's filter the name saved
// ends in ".kqd", whatever dots the typed name holds ("job v1.2" is saved as
// "job v1.2.kqd"), and the question whether to replace a file is asked of
// that name; with All Files the name is taken as typed.
class TProjectSaveDialog : public QFileDialog {
public:
  using QFileDialog::QFileDialog;

  // The name to save under.
  QString Chosen() const {
    const QString file = selectedFiles().value(0);
    return file.isEmpty() || selectedNameFilter() != DeckFilter ? file : WithDeckExtension(file);
  }

  void accept() override {
    const QStringList files = selectedFiles();
    // The dialog checks what its name box holds; a folder it opens instead.
    auto* name = findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
    if (name && files.size() == 1 && !QFileInfo(files[0]).isDir() && Chosen() != files[0]) name->setText(Chosen());
    QFileDialog::accept();
  }
};

// The local files a drag carries, in order.
QStringList DroppedFiles(const QMimeData* Data) {
  QStringList files;
  if (!Data || !Data->hasUrls()) return files;
  for (const QUrl& url : Data->urls())
    if (url.isLocalFile()) files << url.toLocalFile();
  return files;
}

QString MenuText(QString Text) { return Text.replace(QLatin1Char('&'), QStringLiteral("&&")); }

// A child window shown in its frame, not one whose frame was closed and
// waits to be freed.
bool Shown(const QWidget* Form) { return Form && Form->parentWidget() && !Form->parentWidget()->isHidden(); }

}  // namespace

TMainForm::TMainForm(QWidget* Parent)
    : QMainWindow(Parent), FRun(std::make_unique<TAnalysisRun>()) {
  setAcceptDrops(true);
  FArea = new QMdiArea(this);
  FArea->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
  FArea->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
  setCentralWidget(FArea);
  WatchArea(FArea);
  FActivation = new TChildActivation(FArea);
  FTableWindows = new TTableWindowHost(this);
  FTableWindows->SetMdiArea(FArea);
  FTables.SetTableWindows(FTableWindows);
  // Files dropped anywhere on the window, its child windows included.
  qApp->installEventFilter(this);

  FSettings.Read();
  CreateMenus();

  FTables.D->SetComments(QStringLiteral("Weak Zone Shear Moduli Ratio is suggested to be:\r"
                                        "- 0.25 to 0.50 for machine foundations,\r"
                                        "- less than 0.25 for seismic response.\r"
                                        "A value of 1 indicates no reduction will be considered\r"
                                        "A value of 0 may generate numerical errors."));
  connect(&FTables, &TProjectTables::NewProjectStarting, this,
          [this] { Guarded(this, [this] { NewProjectStarting(); }); });
  connect(&FTables, &TProjectTables::UnitsConverted, this, [this] { Guarded(this, [this] { RefreshOpenWindows(); }); });
  connect(&FTables, &TProjectTables::ModifiedChanged, this, [this](bool Modified) {
    if (Modified) return;
    for (TGridTable* t : FTables.Tables()) t->SetChanged(false);
  });
  FProject = std::make_unique<TProgramData>(FTables);

  FAboutBox = new TAboutBox(this);
  FDlgRunAnalysis = new TDlgRunAnalysis(this);
  FDlgAmpPlot = new TDlgAmpPlot(FPlots, this);
  connect(FRun.get(), &TAnalysisRun::Started, this, &TMainForm::RunStarted);
  connect(FRun.get(), &TAnalysisRun::Finished, this, &TMainForm::RunFinished);
  connect(FRun.get(), &TAnalysisRun::Failed, this, &TMainForm::ShowMessage);

  const auto project = [this]() -> TProgramData& { return *FProject; };
  SetChildFactory(Title, [this, project] { return new TdlgTitle(project); });
  SetChildFactory(Options, [this, project] { return new TDlgOptions(project, FSettings); });
  // The input windows of the project's single values.
  const TProjectAccessor current = ProjectAccessor();
  SetChildFactory(Layout, [this, current] {
    auto* layout = new TfrmLayout(current);
    connect(layout, &TfrmLayout::UpdatePileMenus, this, &TMainForm::UpdatePileMenus);
    return layout;
  });
  SetChildFactory(Shape, [current] { return new TfrmShape(current); });
  SetChildFactory(Massdata, [current] { return new TfrmMassdata(current); });
  SetChildFactory(Foundations, [current] { return new TfrmFoundations(current); });
  SetChildFactory(Multimat, [current] { return new TfrmMultimat(current); });
  SetChildFactory(NCPileProperties, [current] { return new TfrmNCPileProperties(current); });
  SetChildFactory(CPileProperties, [current] { return new TfrmCPileProperties(current); });
  SetChildFactory(Tipsoil, [current] { return new TfrmTipsoil(current); });
  SetChildFactory(Quad, [current] { return new TfrmQuad(current); });
  SetChildFactory(Harmonic, [current] { return new Tfrmharmonic(current); });
  SetChildFactory(Transient, [current] { return new Tfrmtransient(current); });
  SetChildFactory(Random, [current] { return new Tfrmrandom(current); });

  resize(QSize(1200, 860).boundedTo(screen()->availableGeometry().size()));
  SetCaption();
}

TMainForm::~TMainForm() {
  FDestroying = true;
  qApp->removeEventFilter(this);
  // The windows go without checking the entry that has the keys.
  if (auto* box = dynamic_cast<TEntryBox*>(QApplication::focusWidget());
      box && isAncestorOf(QApplication::focusWidget()))
    box->LeaveWithoutCheck();
  // The child windows go while the project and the plots they show exist,
  // and none is activated on the way.
  delete FActivation;
  FActivation = nullptr;
  delete FTableWindows;
  delete FArea;
  delete FDlgAmpPlot;
}

void TMainForm::CreateMenus() {
  QMenuBar* bar = menuBar();

  FileMenu = bar->addMenu(QStringLiteral("&File"));
  FileNew = Item(FileMenu, QStringLiteral("&New"), &TMainForm::FileNewClick);
  FileNew->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_N));
  FileOpen = Item(FileMenu, QStringLiteral("&Open..."), &TMainForm::FileOpenClick);
  FileOpen->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_O));
  FileSave = Item(FileMenu, QStringLiteral("&Save"), &TMainForm::FileSaveClick);
  FileSave->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_S));
  FileSaveAs = Item(FileMenu, QStringLiteral("Save &As..."), &TMainForm::FileSaveAsClick);
  RecentSeparator = FileMenu->addSeparator();
  for (int i = 0; i < TMainSettings::MaxRecentFiles; ++i) {
    RecentItems[i] = FileMenu->addAction(QString());
    connect(RecentItems[i], &QAction::triggered, this, [this, i] {
      Guarded(this, [this, i] {
        if (!CommitEdits() || !QuerySaveChanges(*this)) return;
        OpenFileName(FSettings.RecentFiles()[i]);
      });
    });
  }
  BitmapSeparator = FileMenu->addSeparator();
  SaveBitmap = Item(FileMenu, QStringLiteral("Save Bitmap"), &TMainForm::SaveBitmapClick);
  PageSetup = Item(FileMenu, QStringLiteral("Page Setup"), &TMainForm::PageSetupClick);
  PrintPage = Item(FileMenu, QStringLiteral("Print Page"), &TMainForm::PrintPageClick);
  FileMenu->addSeparator();
  FileExit = Item(FileMenu, QStringLiteral("E&xit"), &TMainForm::FileExitClick);
  connect(FileMenu, &QMenu::aboutToShow, this, [this] { Guarded(this, [this] { FileMenuClick(); }); });
  PageSetup->setVisible(false);

  DataMenu = bar->addMenu(QStringLiteral("&Data"));
  DataTitle = Item(DataMenu, QStringLiteral("&Title"), &TMainForm::DataTitleClick);
  QMenu* units = DataMenu->addMenu(QStringLiteral("&Units"));
  OptionsUnits = units->menuAction();
  FUnitsGroup = new QActionGroup(this);
  EnglishUnits = units->addAction(CodeCaption(TUnits::English));
  SIUnits = units->addAction(CodeCaption(TUnits::SI));
  for (auto [action, system] : {std::pair{EnglishUnits, TUnits::English}, std::pair{SIUnits, TUnits::SI}}) {
    action->setCheckable(true);
    FUnitsGroup->addAction(action);
    connect(action, &QAction::triggered, this, [this, system] { Guarded(this, [this, system] { UnitsClick(system); }); });
  }
  connect(units, &QMenu::aboutToShow, this, &TMainForm::ApplyUnitsChecks);
  DataMenu->addSeparator();
  OptionofFoundationSystem1 =
      Item(DataMenu, QStringLiteral("Option of Foundation System"), &TMainForm::OptionofFoundationSystem1Click);
  QMenu* loading = DataMenu->addMenu(QStringLiteral("Option of Loading"));
  OptionofLoading1 = loading->menuAction();
  FLoadingGroup = new QActionGroup(this);
  HarmonicLoading1 = loading->addAction(CodeCaption(TLoadType::Harmonic));
  TransientLoading1 = loading->addAction(CodeCaption(TLoadType::Transient));
  RandomLoading1 = loading->addAction(CodeCaption(TLoadType::Random));
  for (auto [action, type] : {std::pair{HarmonicLoading1, TLoadType::Harmonic},
                              std::pair{TransientLoading1, TLoadType::Transient},
                              std::pair{RandomLoading1, TLoadType::Random}}) {
    action->setCheckable(true);
    FLoadingGroup->addAction(action);
    connect(action, &QAction::triggered, this, [this, type] { Guarded(this, [this, type] { LoadingClick(type); }); });
  }
  DataMenu->addSeparator();
  OptionofFoundationShape1 =
      Item(DataMenu, QStringLiteral("Option of Foundation Shape"), &TMainForm::OptionofFoundationShape1Click);
  PileCapShapeDimension1 =
      Item(DataMenu, QStringLiteral("Pile Cap Shape/Dimension"), &TMainForm::OptionofFoundationShape1Click);
  FootingMassParameters1 =
      Item(DataMenu, QStringLiteral("Footing Mass Parameters"), &TMainForm::FootingMassParameters1Click);
  FoundationDimensionandConstants1 = Item(DataMenu, QStringLiteral("Foundation Dimension and Constants"),
                                          &TMainForm::FoundationDimensionandConstants1Click);
  FoundationLayer1 = Item(DataMenu, QStringLiteral("Foundation Layer"), &TMainForm::FoundationLayer1Click);
  PilecapDimension1 = Item(DataMenu, QStringLiteral("Pile Cap Mass Properties"), &TMainForm::PilecapDimension1Click);
  PileCoordinates1 = Item(DataMenu, QStringLiteral("Pile Coordinates"), &TMainForm::PileCoordinates1Click);
  PileProperties1 = Item(DataMenu, QStringLiteral("&Pile Properties"), &TMainForm::PileProperties1Click);
  PileGroupArrangement1 = Item(DataMenu, QStringLiteral("Pile Elements"), &TMainForm::PileGroupArrangement1Click);
  DataMenu->addSeparator();
  SoilLayerCoordinates1 = Item(DataMenu, QStringLiteral("Soil &Layer Data"), &TMainForm::SoilLayerCoordinates1Click);
  SoilDataBelowFoundationTip1 = Item(DataMenu, QStringLiteral("Soil Data Below Footing/PileTip"),
                                     &TMainForm::SoilDataBelowFoundationTip1Click);
  Sidesoilpilecap1 = Item(DataMenu, QStringLiteral("Side Soil of Pile Cap"), &TMainForm::Sidesoilpilecap1Click);
  SoilLayerBelowFoundation1 =
      Item(DataMenu, QStringLiteral("Soil Column Layer"), &TMainForm::SoilLayerBelowFoundation1Click);
  DataMenu->addSeparator();
  QMenu* harmonic = DataMenu->addMenu(QStringLiteral("Harmonic Loading Data"));
  HarmonicLoadingData1 = harmonic->menuAction();
  Quadratic1 = Item(harmonic, QStringLiteral("Quadratic"), &TMainForm::Quadratic1Click);
  NonQuadratic1 = Item(harmonic, QStringLiteral("NonQuadratic"), &TMainForm::NonQuadratic1Click);
  Quadratic1->setCheckable(true);
  NonQuadratic1->setCheckable(true);
  connect(harmonic, &QMenu::aboutToShow, this, [this] {
    NonQuadratic1->setChecked(!FProject->Quadratic);
    Quadratic1->setChecked(FProject->Quadratic);
  });
  TransientLoadingData1 =
      Item(DataMenu, QStringLiteral("Transient Loading Data"), &TMainForm::TransientLoadingData1Click);
  RandomLoadingData1 = Item(DataMenu, QStringLiteral("Random Loading Data"), &TMainForm::RandomLoadingData1Click);
  DataMenu->addSeparator();
  OptionsControl = Item(DataMenu, QStringLiteral("Control &Options..."), &TMainForm::OptionsControlClick);
  connect(DataMenu, &QMenu::aboutToShow, this, [this] { Guarded(this, [this] { DataMenuClick(); }); });

  CompMenu = bar->addMenu(QStringLiteral("&Computation"));
  CompRun = Item(CompMenu, QStringLiteral("&Run Analysis"), &TMainForm::CompRunClick);
  CompMenu->addSeparator();
  CompInput = Item(CompMenu, QStringLiteral("Edit I&nput Text"), &TMainForm::CompInputClick);
  CompKernel = Item(CompMenu, QStringLiteral("Edit &Processor-Run Notes"), &TMainForm::CompKernelClick);
  CompOutput = Item(CompMenu, QStringLiteral("Edit &Output Text"), &TMainForm::CompOutputClick);
  connect(CompMenu, &QMenu::aboutToShow, this, [this] { Guarded(this, [this] { CompMenuClick(); }); });

  GraphicsMenu = bar->addMenu(QStringLiteral("&Graphics"));
  const auto plot = [this](const QString& Caption, TGraphPlot TResultPlots::*Plot) {
    QAction* a = GraphicsMenu->addAction(Caption);
    connect(a, &QAction::triggered, this, [this, Plot] { Guarded(this, [this, Plot] { ShowPlotOf(FPlots.*Plot); }); });
    return a;
  };
  mrealKxx = plot(QStringLiteral("&Translational Stiffness (Kxx, Kyy, Kww)"), &TResultPlots::pltRealKXX);
  mRealKppx = plot(QStringLiteral("Rotational Stiffness (Kppx, Kppy, Kzt)"), &TResultPlots::pltRealKPPX);
  mdampCXX = plot(QStringLiteral("Translational Damping (Cxx, Cyy, Cww)"), &TResultPlots::pltDampCXX);
  mDampCppx = plot(QStringLiteral("Rotational Damping (Cppx, Cppy, Czt)"), &TResultPlots::pltDampCPPX);
  GraphicsMenu->addSeparator();
  ForceResponseAmplitude1 =
      plot(QStringLiteral("Footing Response Amplitude (Displacement)"), &TResultPlots::pltDxyzR);
  MomentResponseAmplitude1 = plot(QStringLiteral("Footing Response Amplitude (Rotation)"), &TResultPlots::pltMxyzR);
  FootingResponseAmplitudeDisplacement1 = GraphicsMenu->addAction(QStringLiteral("Interactive Footing Response Amplitude "));
  connect(FootingResponseAmplitudeDisplacement1, &QAction::triggered, this,
          [this] { Guarded(this, [this] {
            if (CommitEdits()) FDlgAmpPlot->ShowModalFor(*FProject);
          }); });
  connect(GraphicsMenu, &QMenu::aboutToShow, this, [this] { Guarded(this, [this] { GraphicsMenuClick(); }); });

  ViewMenu = bar->addMenu(QStringLiteral("View Geometry"));
  TopViewItem = Item(ViewMenu, QStringLiteral("Top View"), &TMainForm::TopViewItemClick);
  SideViewItem = Item(ViewMenu, QStringLiteral("Side View (XZ-Plane)"), &TMainForm::SideViewItemClick);
  sideviewYZ = Item(ViewMenu, QStringLiteral("Side View (YZ-Plane)"), &TMainForm::sideviewYZClick);
  N3DView2 = Item(ViewMenu, QStringLiteral("3D View"), &TMainForm::Open3DView);

  WindowMenu = bar->addMenu(QStringLiteral("&Window"));
  WindowCascade = Item(WindowMenu, QStringLiteral("&Cascade"), &TMainForm::WindowCascadeClick);
  WindowArrange = Item(WindowMenu, QStringLiteral("&Arrange Icons"), &TMainForm::WindowArrangeClick);
  WindowListSeparator = WindowMenu->addSeparator();
  for (int i = 0; i < MaxWindowItems; ++i) {
    WindowItems[i] = WindowMenu->addAction(QString());
    WindowItems[i]->setVisible(false);
    connect(WindowItems[i], &QAction::triggered, this, [this, i] { Guarded(this, [this, i] { WindowListItemClick(i); }); });
  }
  connect(WindowMenu, &QMenu::aboutToShow, this, [this] { Guarded(this, [this] { WindowMenuClick(); }); });

  Show3DMenu = bar->addMenu(QStringLiteral("Show 3D View"));

  HelpMenu = bar->addMenu(QStringLiteral("&Help"));
  HelpAbout = Item(HelpMenu, QStringLiteral("&About..."), &TMainForm::HelpAboutClick);
  connect(HelpMenu, &QMenu::aboutToShow, this, [this] { Guarded(this, [this] { CommitEdits(TCommitMode::Quiet); }); });

  ToolBar = addToolBar(QStringLiteral("3D View"));
  ToolBar->setObjectName(QStringLiteral("ToolBar"));
  ToolBar->setMovable(false);
  // They come with the 3-D view.
  Close3DView();
}

QAction* TMainForm::Item(QMenu* Menu, const QString& Caption, void (TMainForm::*Handler)()) {
  QAction* a = Menu->addAction(Caption);
  connect(a, &QAction::triggered, this, [this, Handler] { Guarded(this, [this, Handler] { (this->*Handler)(); }); });
  return a;
}

// Window life -----------------------------------------------------------

void TMainForm::showEvent(QShowEvent* Event) {
  QMainWindow::showEvent(Event);
  if (FShown) return;
  FShown = true;
  // Once the window is on the screen: a message about the project read
  // stands in front of it.
  QTimer::singleShot(0, this, [this] { Guarded(this, [this] { FormShow(); }); });
}

void TMainForm::FormShow() {
  FShown = true;
  const QString file = CommandLineProject(QCoreApplication::arguments());
  if (!file.isEmpty()) LoadProject(file);
  SetCaption();
}

void TMainForm::closeEvent(QCloseEvent* Event) {
  // The engine cannot be interrupted: the program waits for it.
  if (FRun->Busy()) {
    Event->ignore();
    return;
  }
  bool mayClose = false;
  Guarded(this, [&] { mayClose = CommitEdits() && QuerySaveChanges(*this); });
  if (!mayClose) {
    Event->ignore();
    return;
  }
  Guarded(this, [this] {
    FSettings.UpdateRegistry();
    CloseAllChildren();
  });
  Event->accept();
}

bool TMainForm::eventFilter(QObject* Watched, QEvent* Event) {
  const QEvent::Type type = Event->type();
  if (type != QEvent::DragEnter && type != QEvent::DragMove && type != QEvent::Drop)
    return QMainWindow::eventFilter(Watched, Event);
  auto* widget = qobject_cast<QWidget*>(Watched);
  if (!widget || widget->window() != this) return QMainWindow::eventFilter(Watched, Event);
  auto* drop = static_cast<QDropEvent*>(Event);
  const QStringList files = DroppedFiles(drop->mimeData());
  if (files.isEmpty()) return QMainWindow::eventFilter(Watched, Event);
  // A file counts wherever it is dropped on the window, and only while no
  // analysis runs.
  if (FRun->Busy()) {
    drop->ignore();
    return true;
  }
  drop->acceptProposedAction();
  if (type == QEvent::Drop) Guarded(this, [&] { OpenDroppedFiles(files); });
  return true;
}

// Project ---------------------------------------------------------------

bool TMainForm::IsModified() {
  if (FTables.Modified()) return true;
  return std::any_of(FTables.Tables().begin(), FTables.Tables().end(),
                     [](const TGridTable* t) { return t->GetChanged(); });
}

void TMainForm::SetModified(bool Value) { FTables.SetModified(Value); }

TSaveAnswer TMainForm::AskSaveChanges() {
  switch (QMessageBox::question(this, QApplication::applicationDisplayName(), QLatin1String(SaveChangesQuestion),
                                QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel, QMessageBox::Yes)) {
    case QMessageBox::Yes: return TSaveAnswer::Yes;
    case QMessageBox::No: return TSaveAnswer::No;
    default: return TSaveAnswer::Cancel;
  }
}

QString TMainForm::AskSaveFileName(const QString& Title, const QString& FileName) {
  TProjectSaveDialog dialog(this, Title, QString(), ProjectFilter);
  dialog.setAcceptMode(QFileDialog::AcceptSave);
  dialog.setDefaultSuffix(ProjectSuffix);
  dialog.selectFile(FileName);
  return dialog.exec() == QDialog::Accepted ? dialog.Chosen() : QString();
}

QString TMainForm::AskOpenFileName() {
  QFileDialog dialog(this, QStringLiteral("Open"), QDir::currentPath(), ProjectFilter);
  dialog.setAcceptMode(QFileDialog::AcceptOpen);
  dialog.setFileMode(QFileDialog::ExistingFile);
  dialog.setDefaultSuffix(ProjectSuffix);
  return dialog.exec() == QDialog::Accepted ? dialog.selectedFiles().value(0) : QString();
}

void TMainForm::ShowMessage(const QString& Text) { ShowInformation(this, Text); }

void TMainForm::ProjectRenamed() {
  // Saved under a name the user chose: the file now holds the whole project.
  FProjectIncomplete = false;
  SetCaption();
  UpdatePrevFile(FProject->FileName);
}

void TMainForm::SetCaption() { setWindowTitle(MainCaption(FProject->FileName)); }

void TMainForm::NewProjectStarting() {
  // A new project is being made on the tables: no window may keep values of
  // the one it replaces. Those that refuse to close are dropped.
  CloseAllChildren();
  for (QMdiSubWindow* sub : FArea->subWindowList()) {
    if (qobject_cast<TTableForm*>(sub->widget())) continue;
    delete sub;
  }
  for (TGridTable* t : FTables.Tables()) FTableWindows->FreeTableForm(t);
}

void TMainForm::InstallProject(std::unique_ptr<TProgramData> Project, bool Incomplete) {
  FProject = std::move(Project);
  FProjectIncomplete = Incomplete;
  // Nothing of the plots of the project before is offered for this one.
  FPlotDataLoaded = false;
  SetCaption();
}

bool TMainForm::LoadProject(const QString& Path) {
  if (!CloseAllChildren()) return false;
  const QFileInfo file(Path);
  // While an analysis runs the current folder is the run's own.
  if (!FRun->Busy()) QDir::setCurrent(file.absolutePath());
  QString message;
  std::unique_ptr<TProgramData> project;
  try {
    project = TProgramData::CreateFromFile(FTables, file.absoluteFilePath(), message);
  } catch (const EInOutError& e) {
    ShowInformation(this, e.Message());
    return false;
  }
  InstallProject(std::move(project), !message.isEmpty());
  if (!message.isEmpty()) ShowInformation(this, message);
  const QString plot = SideFileName(FProject->FileName, QStringLiteral(".kqp"));
  if (QFileInfo::exists(plot)) FPlotDataLoaded = LoadPlotFile(plot);
  return true;
}

void TMainForm::OpenFileName(const QString& Path) {
  if (!LoadProject(Path)) return;
  UpdateLoadingMenus(true);
  UpdatePrevFile(FProject->FileName);
}

void TMainForm::OpenDroppedFiles(const QStringList& Paths) {
  if (Paths.isEmpty() || !CommitEdits() || !QuerySaveChanges(*this)) return;
  LoadProject(Paths.first());
}

void TMainForm::UpdatePrevFile(const QString& Path) { FSettings.UpdatePrevFile(Path); }

bool TMainForm::LoadPlotFile(const QString& FileName) { return FPlots.LoadPlotFile(FileName, Code(FProject->Units)); }

// Child windows ----------------------------------------------------------

bool TMainForm::CommitEdits(TCommitMode Mode) {
  // The window the user works in first: its entry is the one being typed.
  if (FActivation && !FActivation->CommitActiveChild(Mode)) return false;
  return !FTableWindows || FTableWindows->CommitCells(Mode);
}

bool TMainForm::CloseAllChildren() {
  if (FClosingAll) return false;
  FClosingAll = true;
  const QList<QMdiSubWindow*> children = FArea->subWindowList(QMdiArea::CreationOrder);
  for (QMdiSubWindow* sub : children) sub->close();
  FClosingAll = false;
  const QList<QMdiSubWindow*> left = FArea->subWindowList();
  return std::none_of(left.begin(), left.end(), [](const QMdiSubWindow* sub) { return !sub->isHidden(); });
}

void TMainForm::RefreshOpenWindows() {
  // Every open window, the foundation, soil and mass windows too: a window
  // left showing values of the other unit system would store them into the
  // converted project when it is left.
  for (TChildKind kind : {NCPileProperties, CPileProperties, Shape, Layout, Harmonic, Quad, Transient, Random,
                          Options, Title, Foundations, Multimat, Massdata, Tipsoil})
    if (TChildForm* form = ChildWindow(kind)) form->FormActivate();
  // The table windows already show their tables in the new system, where
  // they stand: a window made anew would take the focus and the arrangement
  // from the window the user works in.
}

void TMainForm::SetChildFactory(TChildKind Kind, std::function<TChildForm*()> Make) {
  FChildren[Kind].Make = std::move(Make);
}

TChildForm* TMainForm::ChildWindow(TChildKind Kind) const {
  return Shown(FChildren[Kind].Form) ? FChildren[Kind].Form.data() : nullptr;
}

TChildForm* TMainForm::OpenChild(TChildKind Kind) {
  TChildWindow& child = FChildren[Kind];
  if (!Shown(child.Form)) {
    if (!child.Make) return nullptr;
    child.Form = child.Make();
    connect(child.Form, &TChildForm::Modified, this, [this] { SetModified(true); });
    QMdiSubWindow* frame = AddChild(child.Form, QSize());
    frame->setWindowFlags(ChildWindowFlags);
  }
  BringToFront(child.Form);
  return child.Form;
}

QMdiSubWindow* TMainForm::AddChild(QWidget* Form, const QSize& Size) {
  QMdiSubWindow* sub = FArea->addSubWindow(Form);
  sub->setAttribute(Qt::WA_DeleteOnClose);
  // A window that closes itself takes its frame along.
  connect(Form, &QObject::destroyed, sub, &QObject::deleteLater);
  if (Size.isValid()) sub->resize(Size);
  WatchChildWindow(sub);
  return sub;
}

void TMainForm::BringToFront(QWidget* Form) {
  auto* sub = qobject_cast<QMdiSubWindow*>(Form->parentWidget());
  if (!sub) return;
  if (sub->isMinimized())
    sub->showNormal();
  else
    sub->show();
  Form->show();
  sub->raise();
  FArea->setActiveSubWindow(sub);
}

template <class W>
void TMainForm::OpenView(QPointer<W>& View) {
  if (!Shown(View)) {
    View = new W(ProjectAccessor());
    AddChild(View, ViewSize());
  }
  BringToFront(View);
}

QSize TMainForm::ViewSize() const {
  // A quarter of the area: four views side by side fill it.
  const QSize area = FArea->viewport()->size();
  return {std::max(area.width() / 2, 420), std::max(area.height() / 2, 320)};
}

// File menu ---------------------------------------------------------------

void TMainForm::FileMenuClick() {
  CommitEdits(TCommitMode::Quiet);
  const int count = FSettings.RecentCount();
  for (int i = 0; i < TMainSettings::MaxRecentFiles; ++i) {
    RecentItems[i]->setVisible(i < count);
    if (i < count) RecentItems[i]->setText(RecentItemCaption(i, FSettings.RecentFiles()[i], QDir::currentPath()));
  }
  RecentSeparator->setVisible(count >= 1);
}

void TMainForm::FileNewClick() {
  if (!CommitEdits() || !QuerySaveChanges(*this) || !CloseAllChildren()) return;
  InstallProject(std::make_unique<TProgramData>(FTables), false);
  if (FView3DOpen) Close3DView();
}

void TMainForm::FileOpenClick() {
  if (!CommitEdits() || !QuerySaveChanges(*this)) return;
  const QString file = AskOpenFileName();
  if (!file.isEmpty()) OpenFileName(file);
}

void TMainForm::FileSaveClick() {
  if (CommitEdits()) zavik::FileSave(*this);
}

void TMainForm::FileSaveAsClick() {
  if (CommitEdits()) zavik::FileSaveAs(*this);
}

void TMainForm::FileExitClick() { close(); }

void TMainForm::SaveBitmapClick() {
  if (FDlgBlock) FDlgBlock->SaveBitmapButtonClick();
}

void TMainForm::PageSetupClick() {
  if (FDlgBlock) FDlgBlock->PageSetupButtonClick();
}

void TMainForm::PrintPageClick() {
  if (FDlgBlock) FDlgBlock->PrintButtonClick();
}

// Data menu -----------------------------------------------------------------

void TMainForm::DataMenuClick() {
  CommitEdits(TCommitMode::Quiet);
  DataTitle->setEnabled(Wired(Title));
  OptionsControl->setEnabled(Wired(Options));
  OptionofFoundationSystem1->setEnabled(Wired(Layout));
  if (const auto s = DataMenuState(FProject->FoundationKind)) {
    const bool dimension = DimensionWindow(FProject->FoundationKind) == TDimensionWindow::Multimat
                               ? Wired(Multimat)
                               : Wired(Foundations);
    OptionofFoundationShape1->setEnabled(s->FoundationShape && Wired(Shape));
    FootingMassParameters1->setEnabled(s->FootingMass && Wired(Massdata));
    FoundationDimensionandConstants1->setEnabled(s->FoundationDimension && dimension);
    FoundationLayer1->setEnabled(s->FoundationLayer);
    PileCapShapeDimension1->setEnabled(s->PileCapShape && Wired(Shape));
    PilecapDimension1->setEnabled(s->PileCapMass && Wired(NCPileProperties));
    PileCoordinates1->setEnabled(s->PileCoordinates);
    PileProperties1->setEnabled(s->PileProperties && Wired(CPileProperties));
    PileGroupArrangement1->setEnabled(s->PileElements);
    SoilLayerCoordinates1->setEnabled(s->SoilLayerData);
    SoilDataBelowFoundationTip1->setEnabled(s->SoilBelow && Wired(Tipsoil));
    Sidesoilpilecap1->setEnabled(s->SideSoil);
    Sidesoilpilecap1->setText(s->SideSoilCaption);
    SoilLayerBelowFoundation1->setEnabled(s->SoilColumnLayer);
    if (s->SoilColumnLayer) MatchSoilColumnRows(FTables);
  }
  ApplyLoadingMenus();
}

void TMainForm::UpdatePileMenus() {
  const bool pile = PileItemsEnabled(FProject->FoundationKind);
  PileProperties1->setEnabled(pile && Wired(CPileProperties));
  PileGroupArrangement1->setEnabled(pile);
  PileCoordinates1->setEnabled(pile);
}

void TMainForm::ApplyLoadingMenus() {
  const auto s = LoadingMenuState(FProject->LoadType);
  if (!s) return;
  HarmonicLoadingData1->setEnabled(s->HarmonicData);
  Quadratic1->setEnabled(Wired(Quad));
  NonQuadratic1->setEnabled(Wired(Harmonic));
  TransientLoadingData1->setEnabled(s->TransientData && Wired(Transient));
  RandomLoadingData1->setEnabled(s->RandomData && Wired(Random));
  HarmonicLoading1->setChecked(s->Checked == TLoadType::Harmonic);
  TransientLoading1->setChecked(s->Checked == TLoadType::Transient);
  RandomLoading1->setChecked(s->Checked == TLoadType::Random);
}

void TMainForm::UpdateLoadingMenus(bool FromLoadName) {
  // Only the name of a project just read: once the user has chosen a load
  // type, a stored name does not take the choice back.
  if (FromLoadName) FProject->LoadType = LoadTypeFromName(FProject->LoadTypeName, FProject->LoadType);
  ApplyLoadingMenus();
  CloseOtherLoadingWindows();
}

void TMainForm::CloseOtherLoadingWindows() {
  // The loading-data window that edits the present load, if any, stays.
  TChildKind keep = ChildKinds;
  switch (FProject->LoadType) {
    case TLoadType::Harmonic: keep = FProject->Quadratic ? Quad : Harmonic; break;
    case TLoadType::Transient: keep = Transient; break;
    case TLoadType::Random: keep = Random; break;
  }
  for (TChildKind kind : {Quad, Harmonic, Transient, Random})
    if (TChildForm* form = ChildWindow(kind); form && kind != keep) form->parentWidget()->close();
}

void TMainForm::DataTitleClick() { OpenChild(Title); }

void TMainForm::OptionsControlClick() { OpenChild(Options); }

void TMainForm::UnitsClick(TUnits Units) {
  // Every entry is in the project before its values are converted, once.
  if (!CommitEdits()) {
    ApplyUnitsChecks();
    return;
  }
  if (Units == FProject->Units) return;
  FProject->ConvertUnits(Units);
  SetModified(true);
}

void TMainForm::ApplyUnitsChecks() {
  EnglishUnits->setChecked(FProject->Units == TUnits::English);
  SIUnits->setChecked(FProject->Units == TUnits::SI);
}

void TMainForm::LoadingClick(TLoadType LoadType) {
  if (!CommitEdits()) {
    ApplyLoadingMenus();
    return;
  }
  const bool changed = LoadType != FProject->LoadType;
  FProject->LoadType = LoadType;
  UpdateLoadingMenus(false);
  if (changed) SetModified(true);
}

void TMainForm::OptionofFoundationSystem1Click() { OpenChild(Layout); }

void TMainForm::OptionofFoundationShape1Click() { OpenChild(Shape); }

void TMainForm::FootingMassParameters1Click() { OpenChild(Massdata); }

void TMainForm::FoundationDimensionandConstants1Click() {
  switch (DimensionWindow(FProject->FoundationKind)) {
    case TDimensionWindow::Foundations: OpenChild(Foundations); break;
    case TDimensionWindow::Multimat: OpenChild(Multimat); break;
    case TDimensionWindow::None: break;
  }
}

void TMainForm::FoundationLayer1Click() { FTables.MultiElement->Show(); }

void TMainForm::PilecapDimension1Click() { OpenChild(NCPileProperties); }

void TMainForm::PileCoordinates1Click() { FTables.Pilecoord->Show(); }

void TMainForm::PileProperties1Click() { OpenChild(CPileProperties); }

void TMainForm::PileGroupArrangement1Click() { FTables.PileData->Show(); }

void TMainForm::SoilLayerCoordinates1Click() {
  if (FProject->System().PileGroup) FTables.D->Show();
}

void TMainForm::SoilDataBelowFoundationTip1Click() { OpenChild(Tipsoil); }

void TMainForm::Sidesoilpilecap1Click() {
  if (TGridTable* table = SideSoilTable(FTables, FProject->FoundationKind)) table->Show();
}

void TMainForm::SoilLayerBelowFoundation1Click() { FTables.Multisoil->Show(); }

void TMainForm::Quadratic1Click() { ChooseHarmonicLoad(true); }

void TMainForm::NonQuadratic1Click() { ChooseHarmonicLoad(false); }

void TMainForm::ChooseHarmonicLoad(bool Quadratic) {
  if (!CommitEdits()) return;
  OpenChild(Quadratic ? Quad : Harmonic);
  if (FProject->Quadratic != Quadratic) SetModified(true);
  FProject->Quadratic = Quadratic;
  (Quadratic ? NonQuadratic1 : Quadratic1)->setChecked(false);
  CloseOtherLoadingWindows();
}

void TMainForm::TransientLoadingData1Click() { OpenChild(Transient); }

void TMainForm::RandomLoadingData1Click() { OpenChild(Random); }

// Computation menu ----------------------------------------------------------

void TMainForm::CompMenuClick() {
  CommitEdits(TCommitMode::Quiet);
  const TComputationMenuState s = ComputationMenuState(FProject->FileName);
  CompInput->setEnabled(s.Input);
  CompKernel->setEnabled(s.RunNotes);
  CompOutput->setEnabled(s.Output);
}

void TMainForm::CompRunClick() {
  if (CommitEdits()) zavik::CompRun(*this, *FRun);
}

void TMainForm::RunStarted() {
  QApplication::setOverrideCursor(Qt::WaitCursor);
  FDlgRunAnalysis->ShowRunning();
}

void TMainForm::RunFinished(int Status, const QString& PlotFile, bool PlotFileWritten) {
  FDlgRunAnalysis->HideRunning();
  QApplication::restoreOverrideCursor();
  Guarded(this, [&] {
    const QString report = FRun->ReportFile();
    const TRunResult result = RunResult(Status, report);
    if (!result.OfferReport)
      ShowInformation(this, result.Message);
    else if (AskOpenReport(result))
      OpenInEditor(report);
    // Only plot data of this run are its result.
    FPlotDataLoaded = PlotFileWritten && LoadPlotFile(PlotFile);
  });
}

bool TMainForm::AskOpenReport(const TRunResult& Result) {
  // The report is offered where there is more to read than that the run
  // completed: a run that did not complete, or one with warned lines.
  QMessageBox box(QMessageBox::Warning, QApplication::applicationDisplayName(), MessageText(Result.Message),
                  QMessageBox::Ok, this);
  QPushButton* open = box.addButton(QStringLiteral("&Open Report"), QMessageBox::ActionRole);
  box.setDefaultButton(QMessageBox::Ok);
  box.exec();
  return box.clickedButton() == open;
}

void TMainForm::OpenInEditor(const QString& File) {
  if (!StartTextEditor(FSettings.WordProcessor, File, *FLauncher))
    ShowInformation(this, QLatin1String(WordProcessorErrorMessage));
}

void TMainForm::CompInputClick() { OpenInEditor(FProject->FileName); }

void TMainForm::CompKernelClick() { OpenInEditor(SideFileName(FProject->FileName, QStringLiteral(".kqr"))); }

void TMainForm::CompOutputClick() { OpenInEditor(SideFileName(FProject->FileName, QStringLiteral(".kqo"))); }

// Graphics and views --------------------------------------------------------

void TMainForm::GraphicsMenuClick() {
  const TGraphicsMenuState s = GraphicsMenuState(*FProject, FPlotDataLoaded, {FPlots.HasImpedances(), FPlots.HasResponse()});
  for (QAction* a : {mrealKxx, mRealKppx, mdampCXX, mDampCppx}) a->setEnabled(s.Impedances);
  for (QAction* a : {ForceResponseAmplitude1, MomentResponseAmplitude1, FootingResponseAmplitudeDisplacement1})
    a->setEnabled(s.Response);
}

void TMainForm::ShowPlotOf(TGraphPlot& Plot) {
  if (CommitEdits()) ShowPlot(Plot, FArea);
}

void TMainForm::TopViewItemClick() {
  if (CommitEdits()) OpenView(FTopView);
}

void TMainForm::SideViewItemClick() {
  if (CommitEdits()) OpenView(FSideViewXZ);
}

void TMainForm::sideviewYZClick() {
  if (CommitEdits()) OpenView(FSideViewYZ);
}

void TMainForm::Open3DView() {
  if (!CommitEdits()) return;
  if (!Shown(FDlgBlock)) {
    FDlgBlock = new TDlgBlock(ProjectAccessor());
    connect(FDlgBlock, &TDlgBlock::ViewClosed, this, &TMainForm::Close3DView);
    connect(FDlgBlock, &TDlgBlock::CommandStarts, this, [this] {
      // Maximised where the area's windows are, as the Window menu's list
      // brings a window.
      const QMdiSubWindow* active = FArea->activeSubWindow();
      const bool maximised = active && active->isMaximized();
      BringToFront(FDlgBlock);
      if (auto* sub = qobject_cast<QMdiSubWindow*>(FDlgBlock->parentWidget()); sub && maximised)
        sub->showMaximized();
    });
    // A view freed without its close (with its project) takes its tools along,
    // unless another one has been opened meanwhile.
    connect(FDlgBlock, &QObject::destroyed, this, [this, serial = ++F3DViewSerial] {
      if (!FDestroying && serial == F3DViewSerial) Close3DView();
    });
    ToolBar->clear();
    for (QAction* a : FDlgBlock->ToolBarActions()) {
      if (a)
        ToolBar->addAction(a);
      else
        ToolBar->addSeparator();
    }
    Show3DMenu->clear();
    Show3DMenu->addActions(FDlgBlock->ShowMenuActions());
  }
  FView3DOpen = true;
  for (QAction* a : {ToolBar->toggleViewAction(), Show3DMenu->menuAction(), BitmapSeparator, SaveBitmap, PrintPage})
    a->setVisible(true);
  ToolBar->setVisible(true);
  // The view takes its share of the area that the tool bar leaves.
  if (!FDlgBlock->parentWidget()) {
    layout()->activate();
    AddChild(FDlgBlock, ViewSize());
  }
  BringToFront(FDlgBlock);
}

TDlgBlock* TMainForm::DlgBlock() const { return FDlgBlock; }

void TMainForm::Close3DView() {
  FView3DOpen = false;
  ToolBar->setVisible(false);
  for (QAction* a : {ToolBar->toggleViewAction(), Show3DMenu->menuAction(), BitmapSeparator, SaveBitmap, PrintPage})
    a->setVisible(false);
}

// Window and Help menus ------------------------------------------------------

void TMainForm::WindowMenuClick() {
  const QList<QMdiSubWindow*> children = FArea->subWindowList(QMdiArea::CreationOrder);
  for (int i = 0; i < MaxWindowItems; ++i) {
    WindowItems[i]->setVisible(i < children.size());
    if (i < children.size()) WindowItems[i]->setText(MenuText(children[i]->windowTitle()));
  }
  WindowListSeparator->setVisible(!children.isEmpty());
}

void TMainForm::WindowListItemClick(int Index) {
  const QList<QMdiSubWindow*> children = FArea->subWindowList(QMdiArea::CreationOrder);
  if (Index < children.size()) BringToFront(children[Index]->widget());
}

void TMainForm::WindowCascadeClick() { FArea->cascadeSubWindows(); }

void TMainForm::WindowArrangeClick() {
  // Minimised windows in rows along the bottom of the area, left to right.
  const QSize area = FArea->viewport()->size();
  int x = 0, bottom = area.height(), rowHeight = 0;
  for (QMdiSubWindow* sub : FArea->subWindowList(QMdiArea::CreationOrder)) {
    if (!sub->isMinimized()) continue;
    const QSize size = sub->size();
    if (x > 0 && x + size.width() > area.width()) {
      x = 0;
      bottom -= rowHeight;
      rowHeight = 0;
    }
    sub->move(x, bottom - size.height());
    x += size.width();
    rowHeight = std::max(rowHeight, size.height());
  }
}

void TMainForm::HelpAboutClick() { FAboutBox->exec(); }

}  // namespace zavik
