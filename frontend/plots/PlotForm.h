#pragma once
// TPlotForm: the window that shows one TGraphPlot. It draws through DrawPlot
// (PlotPainter.h) on the screen, the printer and a saved bitmap alike; zooms
// with a rubber band, re-centres with the right button, reads out the world
// coordinates under the mouse in its caption, keeps a draggable legend, and
// offers its Plot menu (legend, markers, font size, line width, title, curve
// names, active curves, print, page set-up, save, and one item per curve).

#include "controls/SaveFiles.h"
#include "plots/PlotGeometry.h"
#include "plots/PlotPainter.h"

#include <QMainWindow>
#include <QPointer>

#include <array>

class QAction;
class QActionGroup;
class QImage;
class QListWidget;
class QMdiArea;
class QMenu;
class QPrinter;
class QRubberBand;

namespace zavik {

class TGraphPlot;

class TPlotForm : public QMainWindow {
  Q_OBJECT

public:
  explicit TPlotForm(TGraphPlot& Plot, QWidget* Parent = nullptr);

  TGraphPlot& Plot() const { return *FPlot; }
  QWidget* Canvas() const { return FCanvas; }
  QListWidget* Legend() const { return FLegend; }
  QMenu* PlotMenu() const { return FPlotMenu; }
  const TPlotLayout& Layout() const { return FLayout; }
  // Ranges, legend list and legend place of the picture on the screen.
  TPlotView View() const;
  const std::array<TPlotRange, 3>& Ranges() const { return FRange; }
  const std::array<TPlotRange, 3>& HomeRanges() const { return FHome; }
  // The per-curve items of the Plot menu, in legend order.
  QList<QAction*> CurveItems() const { return FCurveItems; }

  // Asks for a file name to write (print to PDF, save to disk), offering it
  // beside the plot's data. Replaceable, so that the commands can run
  // unattended.
  TAskFileName AskFileName;

  // The Plot menu.
  QAction* ShowLegend1;
  QAction* ShowSoilLayer1;
  QAction* ShowWallGeometry1;
  QMenu* ShowMarkers1;
  QMenu* FontSize1;
  QMenu* LineWidth1;
  QAction* GraphTitle1;
  QAction* EditLegend1;
  QAction* ActiveCurves1;
  QAction* Print1;
  QAction* PageSetup1;
  QAction* SaveToDisk1;

  void PrintClick();
  // The program's page set-up, with its margins in thousandths of an inch.
  void PageSetupClick();
  void SaveToDiskClick();
  void GraphTitleClick();
  void EditLegendClick();
  void ActiveCurvesClick();

  // Draws the plot on the printer's page, inside its margins; false when the
  // printer could not take it.
  bool PrintTo(QPrinter& Printer);
  // Draws the plot into Bitmap at PPI pixels per inch and writes it as a BMP
  // file (WriteBitmapFile).
  bool SaveBitmap(const QString& FileName, QImage& Bitmap, int PPI);

  // Recomputes the screen layout. The legend stands where it hides no data
  // (ArrangeLegend), placed again whenever what the graph shows changes; once
  // the user has dragged it, it keeps its distance from the corner of the
  // graph it stands by, until the layout is made as at creation (at creation
  // and by the font size, soil and wall items).
  void FormResize(bool AtCreation);
  void SetupLegend(int Scale);

private:
  friend class TPlotCanvas;
  friend class TLegendDelegate;

  void BuildMenu();
  void PlotMenuShow();
  void FillLegend();
  void ToggleShown(int Curve);
  void CurvesReloaded();
  // Lays the window out: the graph and the legend at its place, inside the
  // window.
  void PlaceLegend();
  // The legend is on the screen: wanted and with entries.
  bool LegendShown() const;
  // The layout of the window without the legend.
  TPlotLayout BaseLayout() const;

  void FormPaint(QPainter& P);
  void MouseDown(QPoint At, Qt::MouseButton Button);
  void MouseMove(QPoint At, Qt::MouseButtons Buttons);
  void MouseUp(QPoint At, Qt::MouseButton Button);
  bool LegendEvent(QEvent* Event);
  bool eventFilter(QObject* Watched, QEvent* Event) override;

  TGraphPlot* FPlot;
  QWidget* FCanvas;
  QListWidget* FLegend;
  QMenu* FPlotMenu;
  QActionGroup* FMarkerGroup;
  QList<QAction*> FCurveItems;
  QRubberBand* FBand;
  TPlotLayout FLayout;
  std::array<TPlotRange, 3> FRange;
  std::array<TPlotRange, 3> FHome;
  bool FDragging = false;
  QPoint FBandStart;
  bool FLegendDrag = false;
  QPoint FGrabOffset;
  int FLegendItemHeight = 16;
  TLegendPlace FLegendPlace;
  bool FLegendMoved = false;  // dragged by the user: FLegendPlace holds it
};

// Opens the plot's window, or shows the one it has: inside Area as a
// maximised child window, or on its own when Area is null. Restored from
// maximised or minimised, and when the area cascades its windows, it takes
// NormalPlotSize. The window is freed when the user closes it, and with the
// plot.
TPlotForm* ShowPlot(TGraphPlot& Plot, QMdiArea* Area);

}  // namespace zavik
