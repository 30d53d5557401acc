#pragma once
// TMainForm, the program's main window: one project at a time, whose input
// windows, tables, plots and views are child windows of its MDI area, reached
// through its menus. It opens projects (File Open, the recent files, a file
// dropped on it, the command line), saves them, runs the analysis on a worker
// thread behind the modal run window, loads the plot data the run wrote and
// opens the report in the user's text editor.
//
// The menus apply their rules (MenuRules.h) each time they open. Every child
// window of a kind is made on first use, shown and brought to the front; it
// frees itself when closed. Replacing the project first closes every child
// window, so that they store their values into the project they belong to.

#include "core/AnalysisRun.h"
#include "core/MainSettings.h"
#include "core/ProgramData.h"
#include "core/ProjectCommands.h"
#include "core/ProjectTables.h"
#include "core/TextEditor.h"
#include "controls/CommitMode.h"
#include "plots/ResultPlots.h"

#include <QMainWindow>
#include <QPointer>

#include <array>
#include <functional>
#include <memory>

class QAction;
class QActionGroup;
class QMdiArea;
class QMdiSubWindow;
class QMenu;
class QToolBar;

namespace zavik {

class TAboutBox;
class TChildActivation;
class TChildForm;
struct TRunResult;
class TDlgAmpPlot;
class TDlgBlock;
class TDlgRunAnalysis;
class TDlgSideViewXZ;
class TDlgSideViewYZ;
class TDlgTopView;
class TTableWindowHost;

class TMainForm : public QMainWindow, public TProjectWindow {
  Q_OBJECT

public:
  // The child windows that edit the project's single values, one of each.
  enum TChildKind {
    Title,
    Options,
    Layout,            // "Option of Foundation System"
    Shape,             // "Option of Foundation Shape", "Pile Cap Shape/Dimension"
    Massdata,          // "Footing Mass Parameters"
    Foundations,       // "Foundation Dimension and Constants" of a footing
    Multimat,          // "Foundation Dimension and Constants" of a multilayer foundation
    NCPileProperties,  // "Pile Cap Mass Properties"
    CPileProperties,   // "&Pile Properties"
    Tipsoil,           // "Soil Data Below Footing/PileTip"
    Quad,              // "Harmonic Loading Data" / "Quadratic"
    Harmonic,          // "Harmonic Loading Data" / "NonQuadratic"
    Transient,         // "Transient Loading Data"
    Random,            // "Random Loading Data"
    ChildKinds
  };

  explicit TMainForm(QWidget* Parent = nullptr);
  ~TMainForm() override;

  // TProjectWindow.
  TProgramData& Project() override { return *FProject; }
  bool IsModified() override;
  TSaveAnswer AskSaveChanges() override;
  QString AskSaveFileName(const QString& Title, const QString& FileName) override;
  void ShowMessage(const QString& Text) override;
  void ProjectRenamed() override;
  bool ProjectIncomplete() override { return FProjectIncomplete; }

  TProjectTables& Tables() { return FTables; }
  TResultPlots& Plots() { return FPlots; }
  TMainSettings& Settings() { return FSettings; }
  TAnalysisRun& Run() { return *FRun; }
  QMdiArea* MdiArea() const { return FArea; }
  // The current project, for the windows that read it.
  std::function<TProgramData*()> ProjectAccessor() {
    return [this] { return FProject.get(); };
  }

  // How a child window of a kind is made; a kind without one has its menu
  // items disabled.
  void SetChildFactory(TChildKind Kind, std::function<TChildForm*()> Make);
  // The open window of a kind, or nullptr.
  TChildForm* ChildWindow(TChildKind Kind) const;
  // Makes the window of a kind on first use, shows it and brings it to the
  // front; nullptr when the kind has no factory.
  TChildForm* OpenChild(TChildKind Kind);

  // Replaceable for tests: opens documents and starts the text editor.
  void SetLauncher(TDesktopLauncher* Launcher) { FLauncher = Launcher ? Launcher : &FSystemLauncher; }

  // The first show: the command line's project (with its plot data) or a
  // new project, and the caption.
  void FormShow();

  void SetModified(bool Value);
  // Before a command reads or replaces the project: every open editor (the
  // active input window's boxes, the cell being edited in every table
  // window) writes what the user typed into the project. False when an entry
  // is refused: told, its window is in front with the focus on it and the
  // command must stop; quiet (a menu opening), nothing is shown.
  bool CommitEdits(TCommitMode Mode = TCommitMode::Tell);
  // Closes every child window; false when one refuses to close.
  bool CloseAllChildren();
  void RefreshOpenWindows();
  // Opens a project file as File Open and the recent files do.
  void OpenFileName(const QString& Path);
  // A file dropped on the window: the first one counts.
  void OpenDroppedFiles(const QStringList& Paths);
  void UpdatePrevFile(const QString& Path);
  bool LoadPlotFile(const QString& FileName);
  bool PlotDataLoaded() const { return FPlotDataLoaded; }
  // The loading items after a project was opened (FromLoadName: the stored
  // load name sets the load type) or the load type was chosen.
  void UpdateLoadingMenus(bool FromLoadName);
  void Open3DView();
  void Close3DView();
  bool View3DOpen() const { return FView3DOpen; }
  TDlgBlock* DlgBlock() const;
  TDlgRunAnalysis* DlgRunAnalysis() const { return FDlgRunAnalysis; }
  TAboutBox* AboutBox() const { return FAboutBox; }
  TDlgAmpPlot* DlgAmpPlot() const { return FDlgAmpPlot; }

  // File menu.
  QMenu* FileMenu;
  QAction *FileNew, *FileOpen, *FileSave, *FileSaveAs;
  QAction* RecentSeparator;
  std::array<QAction*, TMainSettings::MaxRecentFiles> RecentItems{};
  QAction* BitmapSeparator;
  QAction *SaveBitmap, *PageSetup, *PrintPage, *FileExit;
  // Data menu.
  QMenu* DataMenu;
  QAction *DataTitle, *OptionsUnits, *EnglishUnits, *SIUnits;
  QAction* OptionofFoundationSystem1;
  QAction *OptionofLoading1, *HarmonicLoading1, *TransientLoading1, *RandomLoading1;
  QAction *OptionofFoundationShape1, *PileCapShapeDimension1, *FootingMassParameters1;
  QAction *FoundationDimensionandConstants1, *FoundationLayer1, *PilecapDimension1;
  QAction *PileCoordinates1, *PileProperties1, *PileGroupArrangement1, *SoilLayerCoordinates1;
  QAction *SoilDataBelowFoundationTip1, *Sidesoilpilecap1, *SoilLayerBelowFoundation1;
  QAction *HarmonicLoadingData1, *Quadratic1, *NonQuadratic1;
  QAction *TransientLoadingData1, *RandomLoadingData1, *OptionsControl;
  // Computation menu.
  QMenu* CompMenu;
  QAction *CompRun, *CompInput, *CompKernel, *CompOutput;
  // Graphics menu.
  QMenu* GraphicsMenu;
  QAction *mrealKxx, *mRealKppx, *mdampCXX, *mDampCppx;
  QAction *ForceResponseAmplitude1, *MomentResponseAmplitude1, *FootingResponseAmplitudeDisplacement1;
  // View Geometry menu.
  QMenu* ViewMenu;
  QAction *TopViewItem, *SideViewItem, *sideviewYZ, *N3DView2;
  // Window menu.
  QMenu* WindowMenu;
  QAction *WindowCascade, *WindowArrange, *WindowListSeparator;
  static constexpr int MaxWindowItems = 50;
  std::array<QAction*, MaxWindowItems> WindowItems{};
  // Show 3D View menu and the tool bar: the 3-D view's commands.
  QMenu* Show3DMenu;
  QToolBar* ToolBar;
  // Help menu.
  QMenu* HelpMenu;
  QAction* HelpAbout;

public slots:
  // The pile items of the Data menu for the project's foundation system; the
  // foundation-system window calls it when the system changes.
  void UpdatePileMenus();

  void FileNewClick();
  void FileOpenClick();
  void FileSaveClick();
  void FileSaveAsClick();
  void FileExitClick();
  void SaveBitmapClick();
  void PageSetupClick();
  void PrintPageClick();

  void DataTitleClick();
  void UnitsClick(TUnits Units);
  void OptionofFoundationSystem1Click();
  void LoadingClick(TLoadType LoadType);
  void OptionofFoundationShape1Click();
  void FootingMassParameters1Click();
  void FoundationDimensionandConstants1Click();
  void FoundationLayer1Click();
  void PilecapDimension1Click();
  void PileCoordinates1Click();
  void PileProperties1Click();
  void PileGroupArrangement1Click();
  void SoilLayerCoordinates1Click();
  void SoilDataBelowFoundationTip1Click();
  void Sidesoilpilecap1Click();
  void SoilLayerBelowFoundation1Click();
  void Quadratic1Click();
  void NonQuadratic1Click();
  void TransientLoadingData1Click();
  void RandomLoadingData1Click();
  void OptionsControlClick();

  void CompRunClick();
  void CompInputClick();
  void CompKernelClick();
  void CompOutputClick();

  void TopViewItemClick();
  void SideViewItemClick();
  void sideviewYZClick();

  void WindowCascadeClick();
  void WindowArrangeClick();
  void WindowListItemClick(int Index);

  void HelpAboutClick();

protected:
  void showEvent(QShowEvent* Event) override;
  void closeEvent(QCloseEvent* Event) override;
  bool eventFilter(QObject* Watched, QEvent* Event) override;

private:
  struct TChildWindow {
    std::function<TChildForm*()> Make;
    QPointer<TChildForm> Form;
  };

  void CreateMenus();
  QAction* Item(QMenu* Menu, const QString& Caption, void (TMainForm::*Handler)());
  void FileMenuClick();
  void DataMenuClick();
  void CompMenuClick();
  void GraphicsMenuClick();
  void WindowMenuClick();
  void ApplyLoadingMenus();
  void ApplyUnitsChecks();
  // Quadratic: amplitudes proportional to the frequency squared.
  void ChooseHarmonicLoad(bool Quadratic);
  void CloseOtherLoadingWindows();
  bool Wired(TChildKind Kind) const { return bool(FChildren[Kind].Make); }
  void SetCaption();
  // Closes the child windows and reads Path into a new project; false when a
  // window refused to close or the file could not be read (the project
  // stays). Sets the caption and loads the plot data beside the file.
  bool LoadProject(const QString& Path);
  // The new project in place of the old one, whose windows are closed.
  void InstallProject(std::unique_ptr<TProgramData> Project, bool Incomplete);
  void NewProjectStarting();
  QString AskOpenFileName();
  void OpenInEditor(const QString& File);
  void ShowPlotOf(TGraphPlot& Plot);
  template <class W>
  void OpenView(QPointer<W>& View);
  QSize ViewSize() const;
  QMdiSubWindow* AddChild(QWidget* Form, const QSize& Size);
  void BringToFront(QWidget* Form);
  void RunStarted();
  void RunFinished(int Status, const QString& PlotFile, bool PlotFileWritten);
  // What a run came to, with the offer to open its report: true when the
  // user took it.
  bool AskOpenReport(const TRunResult& Result);

  TProjectTables FTables;
  std::unique_ptr<TProgramData> FProject;
  TResultPlots FPlots;
  TMainSettings FSettings;
  TSystemLauncher FSystemLauncher;
  TDesktopLauncher* FLauncher = &FSystemLauncher;

  QMdiArea* FArea = nullptr;
  TChildActivation* FActivation = nullptr;
  TTableWindowHost* FTableWindows = nullptr;
  TAboutBox* FAboutBox = nullptr;
  TDlgRunAnalysis* FDlgRunAnalysis = nullptr;
  TDlgAmpPlot* FDlgAmpPlot = nullptr;
  QActionGroup* FUnitsGroup = nullptr;
  QActionGroup* FLoadingGroup = nullptr;

  std::array<TChildWindow, ChildKinds> FChildren;
  QPointer<TDlgBlock> FDlgBlock;
  QPointer<TDlgTopView> FTopView;
  QPointer<TDlgSideViewXZ> FSideViewXZ;
  QPointer<TDlgSideViewYZ> FSideViewYZ;

  bool FShown = false;
  bool FPlotDataLoaded = false;
  bool FView3DOpen = false;
  bool FProjectIncomplete = false;
  bool FClosingAll = false;
  bool FDestroying = false;
  int F3DViewSerial = 0;  // counts the 3-D views opened

  // Last, so that it goes first: it waits for an engine call still running.
  std::unique_ptr<TAnalysisRun> FRun;
};

}  // namespace zavik
