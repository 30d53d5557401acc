#include "plots/PlotForm.h"

#include "controls/AreaPlacement.h"
#include "controls/Messages.h"
#include "controls/NumberFormat.h"
#include "controls/PageSetupDialog.h"
#include "controls/Printing.h"
#include "plots/GraphPlot.h"
#include "plots/PlotDialogs.h"

#include <QActionGroup>
#include <QLineEdit>
#include <QListWidget>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenuBar>
#include <QMouseEvent>
#include <QPainter>
#include <QPrinter>
#include <QRadioButton>
#include <QRubberBand>
#include <QScreen>
#include <QShortcut>
#include <QStyledItemDelegate>

#include <algorithm>
#include <cmath>

namespace zavik {

namespace {

// Curves beyond this number start inactive when the plot limits its curves.
constexpr int ActiveCurveLimit = 20;
constexpr int LegendMinimumWidth = 21;

// The role under which a legend item or curve menu item keeps its curve index.
constexpr int CurveRole = Qt::UserRole;

int ScreenPPI(const QWidget* W) { return W->logicalDpiX(); }

// The plot's part of the names of its printed and saved pictures.
QString PictureTag(const TGraphPlot& Plot) {
  QString name = Plot.objectName();
  if (name.startsWith(QLatin1String("plt"))) name.remove(0, 3);
  return name.isEmpty() ? QStringLiteral("plot") : name;
}

}  // namespace

// The drawing area below the menu bar: its client area is the page.
class TPlotCanvas : public QWidget {
public:
  explicit TPlotCanvas(TPlotForm& Form) : QWidget(&Form), FForm(Form) {
    setMouseTracking(true);
    setAttribute(Qt::WA_OpaquePaintEvent);
    setMinimumSize(1, 1);
  }

protected:
  void paintEvent(QPaintEvent*) override {
    Guarded(this, [&] {
      QPainter p(this);
      FForm.FormPaint(p);
    });
  }
  void resizeEvent(QResizeEvent*) override {
    Guarded(this, [&] { FForm.FormResize(false); });
  }
  void mousePressEvent(QMouseEvent* E) override {
    Guarded(this, [&] { FForm.MouseDown(E->position().toPoint(), E->button()); });
  }
  void mouseMoveEvent(QMouseEvent* E) override {
    Guarded(this, [&] { FForm.MouseMove(E->position().toPoint(), E->buttons()); });
  }
  void mouseReleaseEvent(QMouseEvent* E) override {
    Guarded(this, [&] { FForm.MouseUp(E->position().toPoint(), E->button()); });
  }

private:
  TPlotForm& FForm;
};

// Legend items: the curve's colour on white, " *" after a shown curve.
class TLegendDelegate : public QStyledItemDelegate {
public:
  TLegendDelegate(TPlotForm& Form) : QStyledItemDelegate(&Form), FForm(Form) {}

  void paint(QPainter* P, const QStyleOptionViewItem& Option, const QModelIndex& Index) const override {
    P->save();
    P->fillRect(Option.rect, Qt::white);
    P->setPen(PlotColor(Index.row()));
    P->setFont(Option.font);
    const int curve = Index.data(CurveRole).toInt();
    const TGraphPlot& plot = FForm.Plot();
    const bool shown = curve < plot.LineCount() && plot.Line(curve).Shown;
    const QString text = Index.data(Qt::DisplayRole).toString() + (shown ? QStringLiteral(" *") : QString());
    P->drawText(Option.rect.adjusted(4, 0, 0, 0), Qt::AlignLeft | Qt::AlignVCenter, text);
    P->restore();
  }
  QSize sizeHint(const QStyleOptionViewItem& Option, const QModelIndex& Index) const override {
    return QSize(QStyledItemDelegate::sizeHint(Option, Index).width(), FForm.FLegendItemHeight);
  }

private:
  TPlotForm& FForm;
};

TPlotForm::TPlotForm(TGraphPlot& Plot, QWidget* Parent) : QMainWindow(Parent), FPlot(&Plot) {
  setWindowTitle(Plot.Caption);
  AskFileName = SaveDialogBeside(this, [this] { return FPlot->DataFile; }, PictureTag(Plot));
  FCanvas = new TPlotCanvas(*this);
  setCentralWidget(FCanvas);
  FBand = new QRubberBand(QRubberBand::Rectangle, FCanvas);

  FLegend = new QListWidget(FCanvas);
  FLegend->setItemDelegate(new TLegendDelegate(*this));
  FLegend->setSelectionMode(QAbstractItemView::NoSelection);
  FLegend->setFocusPolicy(Qt::NoFocus);
  FLegend->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  FLegend->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  // A single line, so that in a corner it lies on the graph's frame.
  FLegend->setFrameShape(QFrame::Box);
  FLegend->setFrameShadow(QFrame::Plain);
  FLegend->setUniformItemSizes(true);
  FLegend->viewport()->installEventFilter(this);

  BuildMenu();

  FRange = {AutoScale(Plot.Curves), AutoScale(Plot.Curves2), AutoScale(Plot.Curves3)};
  FHome = FRange;
  CurvesReloaded();
  const bool legendShown = Plot.ShowLegend && Plot.LineCount() > 0;
  FLegend->setVisible(legendShown);
  ShowLegend1->setVisible(legendShown);
  connect(&Plot, &TGraphPlot::Changed, this, [this] { Guarded(this, [this] { CurvesReloaded(); }); });
  resize(800, 600);
  FormResize(true);
}

TPlotView TPlotForm::View() const {
  TPlotView v;
  v.Range = FRange;
  for (int i = 0; i < FLegend->count(); ++i)
    v.Legend.push_back({FLegend->item(i)->data(CurveRole).toInt(), FLegend->item(i)->text()});
  v.LegendRect = FLegend->geometry();
  v.WindowSize = FCanvas->size();
  v.LegendMoved = FLegendMoved;
  return v;
}

void TPlotForm::BuildMenu() {
  FPlotMenu = menuBar()->addMenu(QStringLiteral("&Plot"));
  auto* popup = new QShortcut(QKeySequence(Qt::CTRL | Qt::Key_Z), this);
  connect(popup, &QShortcut::activated, this,
          [this] { FPlotMenu->popup(menuBar()->mapToGlobal(menuBar()->actionGeometry(FPlotMenu->menuAction()).bottomLeft())); });
  connect(FPlotMenu, &QMenu::aboutToShow, this, [this] { Guarded(this, [this] { PlotMenuShow(); }); });

  auto checkable = [this](const QString& Caption) {
    QAction* a = FPlotMenu->addAction(Caption);
    a->setCheckable(true);
    return a;
  };
  ShowLegend1 = checkable(QStringLiteral("Show &Legend"));
  connect(ShowLegend1, &QAction::triggered, this, [this] {
    FPlot->ShowLegend = !FPlot->ShowLegend;
    FLegend->setVisible(FPlot->ShowLegend && FPlot->LineCount() > 0);
    PlaceLegend();
    FCanvas->update();
  });
  ShowSoilLayer1 = checkable(QStringLiteral("Show &Soil Layer"));
  connect(ShowSoilLayer1, &QAction::triggered, this, [this] {
    FPlot->ShowLayers = !FPlot->ShowLayers;
    FormResize(true);
  });
  ShowWallGeometry1 = checkable(QStringLiteral("Show &Wall Geometry"));
  connect(ShowWallGeometry1, &QAction::triggered, this, [this] {
    FPlot->ShowWall = !FPlot->ShowWall;
    FormResize(true);
  });

  ShowMarkers1 = FPlotMenu->addMenu(QStringLiteral("Show &Markers"));
  FMarkerGroup = new QActionGroup(this);
  const std::pair<const char*, int> markers[] = {{"&Never", 0},
                                                 {"Every &Increment", 1},
                                                 {"Every &2 Increments", 2},
                                                 {"Every &3 Incrments", 3},
                                                 {"Every &5 Increments", 5},
                                                 {"Every &10 Incements", 10}};
  for (const auto& [caption, every] : markers) {
    QAction* a = ShowMarkers1->addAction(QLatin1String(caption));
    a->setCheckable(true);
    a->setData(every);
    FMarkerGroup->addAction(a);
    connect(a, &QAction::triggered, this, [this, n = every] {
      FPlot->Markers = n;
      PlaceLegend();
      FCanvas->update();
    });
    if (every == 0) ShowMarkers1->addSeparator();
  }
  connect(ShowMarkers1, &QMenu::aboutToShow, this, [this] {
    for (QAction* a : FMarkerGroup->actions()) a->setChecked(a->data().toInt() == FPlot->Markers);
  });

  FontSize1 = FPlotMenu->addMenu(QStringLiteral("&Font Size"));
  const std::pair<const char*, int> sizes[] = {{"&Default", 10},      {"1.5 * Default", 15},
                                               {"2 * Default", 20},   {"2.5 * Default", 25},
                                               {"3 * Default", 30},   {"4 * Default", 40}};
  for (const auto& [caption, size] : sizes) {
    QAction* a = FontSize1->addAction(QLatin1String(caption));
    connect(a, &QAction::triggered, this, [this, n = size] {
      FPlot->SizeFont = n;
      SetupLegend(n);
      FormResize(true);
    });
    if (size == 10) FontSize1->addSeparator();
  }
  LineWidth1 = FPlotMenu->addMenu(QStringLiteral("&Line Width"));
  const std::pair<const char*, int> widths[] = {
      {"&Default", 1}, {"2 * Default", 2}, {"4 * Default", 4}, {"6 * Default", 6}, {"10 * Default", 10}};
  for (const auto& [caption, width] : widths) {
    QAction* a = LineWidth1->addAction(QLatin1String(caption));
    connect(a, &QAction::triggered, this, [this, n = width] {
      FPlot->WidthLine = n;
      PlaceLegend();
      FCanvas->update();
    });
    if (width == 1) LineWidth1->addSeparator();
  }

  auto command = [this](const QString& Caption, void (TPlotForm::*Handler)()) {
    QAction* a = FPlotMenu->addAction(Caption);
    connect(a, &QAction::triggered, this, [this, Handler] { Guarded(this, [&] { (this->*Handler)(); }); });
    return a;
  };
  GraphTitle1 = command(QStringLiteral("&Graph Title"), &TPlotForm::GraphTitleClick);
  EditLegend1 = command(QStringLiteral("&Edit Legend"), &TPlotForm::EditLegendClick);
  ActiveCurves1 = command(QStringLiteral("&Active Curves"), &TPlotForm::ActiveCurvesClick);
  FPlotMenu->addSeparator();
  // Without an installed printer the print goes to a PDF file, on the paper
  // and within the margins of the page set-up: both items stay enabled.
  Print1 = command(QStringLiteral("&Print..."), &TPlotForm::PrintClick);
  PageSetup1 = command(QStringLiteral("P&age Setup"), &TPlotForm::PageSetupClick);
  SaveToDisk1 = command(QStringLiteral("&Save To Disk..."), &TPlotForm::SaveToDiskClick);
  FPlotMenu->addSeparator();
}

void TPlotForm::PlotMenuShow() {
  ShowLegend1->setChecked(FPlot->ShowLegend);
  ShowSoilLayer1->setChecked(FPlot->ShowLayers);
  ShowSoilLayer1->setVisible(FPlot->LayerCount() >= 1);
  ShowWallGeometry1->setVisible(FPlot->WallLineCount >= 1);
  ShowWallGeometry1->setEnabled(FPlot->ShowLayers);
  ShowWallGeometry1->setChecked(FPlot->ShowWall);
  FontSize1->menuAction()->setVisible(FPlot->ShowFontWidth);
  LineWidth1->menuAction()->setVisible(FPlot->ShowFontWidth);
  for (QAction* a : FCurveItems) {
    const int curve = a->data().toInt();
    a->setChecked(curve < FPlot->LineCount() && FPlot->Line(curve).Shown);
  }
}

void TPlotForm::CurvesReloaded() {
  for (int i = 0; i < FPlot->LineCount(); ++i)
    FPlot->Line(i).Active = !(FPlot->LimitCurves && i >= ActiveCurveLimit);
  FillLegend();
  FLegend->setVisible(FPlot->ShowLegend && FPlot->LineCount() > 0);
  FCanvas->update();
}

void TPlotForm::FillLegend() {
  for (QAction* a : FCurveItems) delete a;
  FCurveItems.clear();
  FLegend->clear();
  for (const TLegendEntry& e : LegendEntries(*FPlot)) {
    auto* item = new QListWidgetItem(e.Name, FLegend);
    item->setData(CurveRole, e.Curve);
    QAction* a = FPlotMenu->addAction(e.Name);
    a->setCheckable(true);
    a->setChecked(FPlot->Line(e.Curve).Shown);
    a->setData(e.Curve);
    connect(a, &QAction::triggered, this, [this, curve = e.Curve] { ToggleShown(curve); });
    FCurveItems.append(a);
  }
  SetupLegend(FPlot->SizeFont);
}

void TPlotForm::SetupLegend(int Scale) {
  const int points = std::max(1, FPlot->LegendFont * Scale / 10);
  QFont font(PlotFontFamily(QStringLiteral("Arial")));
  font.setPointSize(points);
  FLegend->setFont(font);
  const QFontMetrics metrics(font, FLegend);
  // Half as high again as the font's size, and never below its line height.
  FLegendItemHeight = std::max(points * 3 / 2, metrics.height());
  int width = LegendMinimumWidth;
  for (int i = 0; i < FLegend->count(); ++i)
    width = std::max(width, metrics.horizontalAdvance(FLegend->item(i)->text() + QStringLiteral(" *")) +
                                ScreenPPI(this) / 4);
  FLegend->doItemsLayout();
  FLegend->resize(width, FLegend->count() * FLegendItemHeight + 3);
  PlaceLegend();
}

void TPlotForm::ToggleShown(int Curve) {
  // The window's items can outlive a reload with fewer curves.
  if (Curve < 0 || Curve >= FPlot->LineCount()) return;
  TLine& line = FPlot->Line(Curve);
  line.Shown = !line.Shown;
  for (QAction* a : FCurveItems)
    if (a->data().toInt() == Curve) a->setChecked(line.Shown);
  FLegend->viewport()->update();
  PlaceLegend();
  FCanvas->update();
}

bool TPlotForm::LegendShown() const { return FPlot->ShowLegend && FPlot->LineCount() > 0 && FLegend->count() > 0; }

TPlotLayout TPlotForm::BaseLayout() const {
  return ScreenLayout(*FPlot, FCanvas->width(), FCanvas->height(), FCanvas->logicalDpiX(), FCanvas->logicalDpiY());
}

void TPlotForm::PlaceLegend() {
  TPlotLayout L = BaseLayout();
  const QSize legend = LegendShown() ? FLegend->size() : QSize();
  if (!FLegendMoved) L = ArrangeLegend(L, *FPlot, FRange, legend);
  else if (!legend.isEmpty()) L.Legend = QRect(LegendTopLeft(L.Plot, FCanvas->size(), legend, FLegendPlace), legend);
  if (!L.Legend.isEmpty()) {
    L.Legend.moveTopLeft(PushedInside(L.Legend.topLeft(), legend, FCanvas->size()));
    FLegend->move(L.Legend.topLeft());
  }
  FLayout = L;
}

void TPlotForm::FormResize(bool AtCreation) {
  if (AtCreation) FLegendMoved = false;
  PlaceLegend();
  FDragging = false;
  FBand->hide();
  FCanvas->update();
}

void TPlotForm::FormPaint(QPainter& P) { DrawPlot(P, *FPlot, FLayout, View()); }

void TPlotForm::MouseDown(QPoint At, Qt::MouseButton Button) {
  if (!FLayout.Plot.Contains(At)) return;
  if (Button == Qt::LeftButton && !FPlot->ShowThree) {
    FDragging = true;
    FBandStart = At;
    FBand->setGeometry(QRect(At, QSize()));
    FBand->show();
  } else if (Button == Qt::RightButton) {
    if (FPlot->ShowThree) {
      for (std::size_t g = 0; g < 3; ++g) {
        const TPlotRect& R = FLayout.Graph[g];
        if (At.x() < R.Left || At.x() > R.Right) continue;
        FRange[g] = Recentre(FRange[g], FHome[g], ScreenToWorld(R, FRange[g], FPlot->XOnTop, At));
      }
    } else {
      FRange[0] = Recentre(FRange[0], FHome[0], ScreenToWorld(FLayout.Plot, FRange[0], FPlot->XOnTop, At));
    }
    PlaceLegend();
    FCanvas->update();
  }
}

void TPlotForm::MouseMove(QPoint At, Qt::MouseButtons) {
  const QPoint inside = FLayout.Plot.Clamp(At);
  const TFloatPoint w = FPlot->ShowThree ? ScreenToWorld3(FLayout, FRange, FPlot->XOnTop, inside)
                                          : ScreenToWorld(FLayout.Plot, FRange[0], FPlot->XOnTop, inside);
  setWindowTitle(FPlot->Caption + QStringLiteral(" X: ") + FloatToStrF(w.X, 5, 2) + QStringLiteral(" Y: ") +
                 FloatToStrF(w.Y, 5, 2));
  if (FDragging) FBand->setGeometry(QRect(FBandStart, inside).normalized());
}

void TPlotForm::MouseUp(QPoint At, Qt::MouseButton Button) {
  if (Button != Qt::LeftButton || !FDragging) return;
  FDragging = false;
  FBand->hide();
  const QPoint end = FLayout.Plot.Clamp(At);
  if (end.x() == FBandStart.x() || end.y() == FBandStart.y()) return;
  const TFloatPoint a = ScreenToWorld(FLayout.Plot, FRange[0], FPlot->XOnTop, FBandStart);
  const TFloatPoint b = ScreenToWorld(FLayout.Plot, FRange[0], FPlot->XOnTop, end);
  FRange[0] = ZoomToBand(FHome[0], a, b);
  PlaceLegend();
  FCanvas->update();
}

bool TPlotForm::eventFilter(QObject* Watched, QEvent* Event) {
  if (Watched != FLegend->viewport()) return QMainWindow::eventFilter(Watched, Event);
  bool handled = false;
  Guarded(this, [&] { handled = LegendEvent(Event); });
  return handled;
}

bool TPlotForm::LegendEvent(QEvent* Event) {
  switch (Event->type()) {
    case QEvent::MouseButtonPress: {
      auto* e = static_cast<QMouseEvent*>(Event);
      if (e->button() != Qt::LeftButton) return false;
      FLegendDrag = true;
      FGrabOffset = FLegend->viewport()->mapTo(FLegend, e->position().toPoint());
      return true;
    }
    case QEvent::MouseMove: {
      if (!FLegendDrag) return false;
      auto* e = static_cast<QMouseEvent*>(Event);
      const QPoint inCanvas = FLegend->viewport()->mapTo(FCanvas, e->position().toPoint());
      const QPoint at = PushedInside(inCanvas - FGrabOffset, FLegend->size(), FCanvas->size());
      FLegendMoved = true;
      FLegendPlace = LegendPlaceOf(BaseLayout().Plot, QRect(at, FLegend->size()));
      PlaceLegend();
      FCanvas->update();
      return true;
    }
    case QEvent::MouseButtonRelease:
      FLegendDrag = false;
      return true;
    case QEvent::MouseButtonDblClick: {
      auto* e = static_cast<QMouseEvent*>(Event);
      if (QListWidgetItem* item = FLegend->itemAt(e->position().toPoint()))
        ToggleShown(item->data(CurveRole).toInt());
      return true;
    }
    default:
      return false;
  }
}

void TPlotForm::GraphTitleClick() {
  TfrmGraphCaption dialog(this);
  dialog.edtCaption->setText(FPlot->GraphTitle);
  (FPlot->TitleOnTop ? dialog.rbTop : dialog.rbBottom)->setChecked(true);
  dialog.exec();
  FPlot->GraphTitle = dialog.edtCaption->text();
  FPlot->TitleOnTop = dialog.rbTop->isChecked();
  FormResize(false);
}

void TPlotForm::EditLegendClick() {
  QStringList names;
  for (int i = 0; i < FPlot->LineCount(); ++i) names << FPlot->Line(i).GetName();
  TfrmLineNames dialog(names, this);
  if (dialog.exec() != QDialog::Accepted) return;
  for (int i = 0; i < FPlot->LineCount() && i < dialog.LineNames.size(); ++i) FPlot->Line(i).Name = dialog.LineNames[i];
  for (int j = 0; j < FLegend->count(); ++j) {
    const int curve = FLegend->item(j)->data(CurveRole).toInt();
    if (curve >= FPlot->LineCount()) continue;
    const QString name = LegendName(*FPlot, curve);
    FLegend->item(j)->setText(name);
    if (j < FCurveItems.size()) FCurveItems[j]->setText(name);
  }
  SetupLegend(FPlot->SizeFont);
  FCanvas->update();
}

void TPlotForm::ActiveCurvesClick() {
  QStringList kodes, names;
  for (int i = 0; i < FPlot->LineCount(); ++i) {
    kodes << (FPlot->Line(i).Active ? TfrmActiveLines::Yes : TfrmActiveLines::No);
    names << LegendName(*FPlot, i);
  }
  TfrmActiveLines dialog(kodes, names, this);
  if (dialog.exec() != QDialog::Accepted) return;
  for (int i = 0; i < FPlot->LineCount() && i < dialog.KodeLines.size(); ++i)
    FPlot->Line(i).Active = dialog.KodeLines[i] == TfrmActiveLines::Yes;
  FillLegend();
  FLegend->setVisible(FPlot->ShowLegend && FPlot->LineCount() > 0);
  FCanvas->update();
}

bool TPlotForm::PrintTo(QPrinter& Printer) {
  QPainter painter;
  if (!painter.begin(&Printer)) return false;
  const QRect page = Printer.pageRect(QPrinter::DevicePixel).toRect();
  const TPlotLayout layout =
      PrinterLayout(*FPlot, {0, 0, page.width(), page.height()}, Printer.resolution(), Printer.resolution());
  DrawPlot(painter, *FPlot, layout, View());
  return painter.end();
}

void TPlotForm::PrintClick() {
  PrintDocument(this, {FPlot->Caption, std::nullopt, QStringLiteral("The plot")}, AskFileName,
                [this](QPrinter& Printer) { return PrintTo(Printer); });
  FCanvas->update();
}

void TPlotForm::PageSetupClick() {
  TPageSetupDialog dialog;
  dialog.SetOptions(poDefaultMinMargins | poThousandthsOfInches);
  dialog.Execute(this);
}

bool TPlotForm::SaveBitmap(const QString& FileName, QImage& Bitmap, int PPI) {
  {
    QPainter painter(&Bitmap);
    const TPlotLayout layout = BitmapLayout(*FPlot, Bitmap.width(), Bitmap.height(), PPI, PPI);
    DrawPlot(painter, *FPlot, layout, View());
  }
  return WriteBitmapFile(FileName, Bitmap);
}

void TPlotForm::SaveToDiskClick() {
  const QString name =
      AskFileName(QStringLiteral("Save To Disk"), QStringLiteral("Bitmap (*.bmp)"), QStringLiteral("bmp"), true);
  if (name.isEmpty()) return;
  TdlgFormat dialog(this);
  const int result = dialog.exec();
  if (result == TdlgFormat::Abort) {
    ShowInformation(this, QStringLiteral("There is not enough memory to complete this task."));
    return;
  }
  if (result != QDialog::Accepted) return;
  if (!SaveBitmap(name, dialog.Bitmap, dialog.PPI))
    ShowInformation(this, QStringLiteral("The picture could not be saved to \"%1\".").arg(name));
}

namespace {

// A plot's frame in the main window's area. Restoring it from maximised or
// minimised, and cascading the area's windows, give it the size it hints.
class TPlotSubWindow : public QMdiSubWindow {
public:
  QSize sizeHint() const override {
    if (!mdiArea()) return QMdiSubWindow::sizeHint();
    return NormalPlotSize(mdiArea()->viewport()->size(), logicalDpiX(), logicalDpiY());
  }
};

}  // namespace

TPlotForm* ShowPlot(TGraphPlot& Plot, QMdiArea* Area) {
  if (QWidget* window = qobject_cast<QWidget*>(Plot.PlotWindow.data())) {
    if (window->isMinimized()) window->showNormal();
    else window->show();
    if (auto* sub = qobject_cast<QMdiSubWindow*>(window); sub && Area) Area->setActiveSubWindow(sub);
    else window->activateWindow();
    auto* form = qobject_cast<TPlotForm*>(window);
    if (!form) form = window->findChild<TPlotForm*>();
    return form;
  }
  auto* form = new TPlotForm(Plot);
  if (Area) {
    auto* sub = new TPlotSubWindow;
    sub->setWidget(form);
    sub->setAttribute(Qt::WA_DeleteOnClose);
    Area->addSubWindow(sub);
    sub->resize(sub->sizeHint());
    WatchChildWindow(sub);
    Plot.PlotWindow = sub;
    sub->showMaximized();
  } else {
    form->setAttribute(Qt::WA_DeleteOnClose);
    Plot.PlotWindow = form;
    form->showMaximized();
  }
  return form;
}

}  // namespace zavik
