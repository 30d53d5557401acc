#pragma once
// TDlgBlock: the 3-D view of the foundation, a child window of the main
// window captioned "Zavik, 3D-View". One OpenGL window fills it; it draws the
// scene of the current project (cap or footing, piles, translucent soil
// layers, axes) and turns, pans and zooms it with the mouse and the tool bar.
// It prints and saves the picture as a bitmap.
//
// The main window shows it in its MDI area and places the commands below in
// its tool bar, its "Show 3D View" menu and its File menu.

#include "controls/SaveFiles.h"
#include "views/SceneGeometry.h"
#include "views/Tessellation.h"
#include "views/ViewCamera.h"

#include <QImage>
#include <QList>
#include <QPointer>
#include <QWidget>

#include <array>
#include <functional>

class QAction;
class QActionGroup;
class QPrinter;

namespace zavik {

class TProgramData;
class TglWindow;

// The current project, or nullptr while there is none. The views read it and
// never change it.
using TProjectReader = std::function<const TProgramData*()>;

class TDlgBlock : public QWidget {
  Q_OBJECT

public:
  explicit TDlgBlock(TProjectReader Project, QWidget* Parent = nullptr);
  ~TDlgBlock() override;

  TglWindow* GL = nullptr;

  QSize sizeHint() const override;

  const TViewOptions& Options() const { return FOptions; }
  void SetOptions(const TViewOptions& Options);
  TViewCamera& Camera() { return FCamera; }
  const TScene& Scene() const { return FScene; }

  // Asks for the name of a bitmap or PDF file to write, offering it beside
  // the project. Replaceable, so that the commands can run unattended.
  TAskFileName AskFileName;

  // Tool bar, in the order of its buttons; a null entry stands for a gap.
  QList<QAction*> ToolBarActions() const;
  // The "Show 3D View" menu's items, checked while their option is on.
  QList<QAction*> ShowMenuActions() const;
  // The File menu's commands of this view.
  QAction* SaveBitmapAction = nullptr;
  QAction* PrintPageAction = nullptr;
  QAction* PageSetupAction = nullptr;

  // The picture as the window shows it, opaque; a null image when the
  // window cannot draw.
  QImage RenderImage();
  // Writes the picture as a 24-bit bitmap; false with a message on failure.
  bool SaveBitmap(const QString& FileName, QString& Error);
  // Prints the picture within the page margins, at the page's top left;
  // false when there is no picture or the printer could not take it.
  bool PrintTo(QPrinter& Printer);

public slots:
  // Reads the project again and redraws; the camera is centred on the
  // scene the first time.
  void FormActivate();
  void RedrawFigure();
  void RedrawComplete();
  void SetView(int N);
  void ReverseView();
  void Zooming(double Factor);
  void RestartViewButtonClick();
  void SetMouseMode(int Mode);
  void ShowPileNumbersOption();
  void ShowAllPilesOption();
  void ShowPileCapOption();
  void ShowSoilLayersOption();
  void ShowSoilLayerLabelsOption();
  void ShowSoilLayerDepthLabelsOption();
  void SaveBitmapButtonClick();
  void PrintButtonClick();
  void PageSetupButtonClick();

signals:
  // The window closes (and is freed): the main window clears its flag.
  void ViewClosed();
  // A tool-bar or "Show 3D View" command is about to act on the view: the
  // window that holds it comes to the front first.
  void CommandStarts();

protected:
  bool event(QEvent* Event) override;
  void closeEvent(QCloseEvent* Event) override;

private:
  void CreateActions();
  void SyncOptionActions();
  void glRender();
  void glSetupRC();
  void DrawFigure();
  void DrawList(const TDrawList& List);
  void CompileLists();
  void Toggle(bool TViewOptions::*Option);
  // An information box; one at a time.
  void ShowMessageOnce(const QString& Message);
  void Activate();
  QString ProjectFile() const;

  TProjectReader FProject;
  TViewOptions FOptions;
  TViewCamera FCamera;
  TScene FScene;
  std::array<TDrawList, 4> FLists;  // cap or footing, piles, soil layers, loading
  bool FListsStale = true;
  unsigned FListBase = 0;    // first of the four display lists
  int FListGeneration = -1;  // the context they were compiled in
  bool FActivated = false;
  bool FCannotDraw = false;  // the project cannot be drawn: the window is closing
  QMetaObject::Connection FSubWindowActivation;
  bool FShowingError = false;

  QList<QAction*> FToolBar;
  QActionGroup* FMouseModes = nullptr;
  QAction* FZoomWindowAction = nullptr;
  QAction* FShowPileCap = nullptr;
  QAction* FShowAllPiles = nullptr;
  QAction* FShowPileNumbers = nullptr;
  QAction* FShowSoilLayers = nullptr;
  QAction* FShowSoilLayerLabels = nullptr;
  QAction* FShowSoilLayerDepthLabels = nullptr;
};

}  // namespace zavik
