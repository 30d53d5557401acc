#include "views/BlockView.h"

#include "core/ProgramData.h"
#include "controls/Messages.h"
#include "controls/PageSetupDialog.h"
#include "controls/Printing.h"
#include "views/GLWindow.h"
#include "views/PagePlacement.h"
#include "views/ViewHandlers.h"

#include <QAction>
#include <QActionGroup>
#include <QCloseEvent>
#include <QFontMetricsF>
#include <QMouseEvent>
#include <QPainter>
#include <QPrinter>
#include <QVBoxLayout>

#include <algorithm>
#include <cmath>

namespace zavik {

namespace {

// The display lists, in the order they are drawn.
enum : size_t { CapList, PileList, SoilList, LoadingList };

// The axes are this many pixels long at any zoom.
constexpr double AxisPixels = 80;
// Texts beside the soil block stand this many pixels off its edge.
constexpr int LabelGap = 6;

const QString Caption = QStringLiteral("Zavik, 3D-View");

GLenum GLMode(TDrawMode Mode) {
  switch (Mode) {
    case TDrawMode::Lines: return GL_LINES;
    case TDrawMode::LineStrip: return GL_LINE_STRIP;
    case TDrawMode::TriangleFan: return GL_TRIANGLE_FAN;
    case TDrawMode::Triangles: return GL_TRIANGLES;
  }
  return GL_LINES;
}

}  // namespace

TDlgBlock::TDlgBlock(TProjectReader Project, QWidget* Parent)
    : QWidget(Parent), FProject(std::move(Project)) {
  setAttribute(Qt::WA_DeleteOnClose);
  setWindowTitle(Caption);
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  GL = new TglWindow(this);
  layout->addWidget(GL);
  GL->OnPaint = [this](TglWindow*) { glRender(); };
  GL->OnOverlay = [this](QPainter& Painter) {
    if (const auto box = FCamera.ZoomBox()) {
      Painter.setPen(QPen(Qt::green, 0));
      Painter.setBrush(Qt::NoBrush);
      Painter.drawRect(*box);
    }
  };
  connect(GL, &TglWindow::Resized, this, [this] { GL->ResetSetup(); });
  connect(GL, &TglWindow::PaintFailed, this, &TDlgBlock::ShowMessageOnce, Qt::QueuedConnection);
  connect(GL, &TglWindow::MouseDown, this, [this](QMouseEvent* E) {
    FCamera.MousePress(E->position().toPoint(), E->button() == Qt::LeftButton);
  });
  connect(GL, &TglWindow::MouseMove, this, [this](QMouseEvent* E) {
    const Qt::MouseButtons b = E->buttons();
    const Qt::KeyboardModifiers m = E->modifiers();
    if (FCamera.MouseMove(E->position().toPoint(), b & Qt::LeftButton, b & ~Qt::MouseButtons(Qt::LeftButton),
                          m & Qt::ShiftModifier, m & Qt::ControlModifier, m & Qt::AltModifier))
      RedrawFigure();
  });
  connect(GL, &TglWindow::MouseUp, this, [this](QMouseEvent* E) {
    if (FCamera.MouseRelease(E->position().toPoint(), E->modifiers() & Qt::ShiftModifier)) RedrawFigure();
  });
  AskFileName = SaveDialogBeside(this, [this] { return ProjectFile(); }, QStringLiteral("3d"));
  CreateActions();
}

TDlgBlock::~TDlgBlock() = default;

QSize TDlgBlock::sizeHint() const { return ViewWindowSize; }

QString TDlgBlock::ProjectFile() const {
  const TProgramData* project = FProject ? FProject() : nullptr;
  return project ? project->FileName : QString();
}

void TDlgBlock::CreateActions() {
  const auto action = [this](const QString& Text, auto Slot) {
    auto* a = new QAction(Text, this);
    connect(a, &QAction::triggered, this, Slot);
    return a;
  };
  // A tool button or a "Show 3D View" item: the view comes to the front
  // before it acts, so that what it does is seen.
  const auto command = [this](const QString& Text, auto Slot) {
    auto* a = new QAction(Text, this);
    connect(a, &QAction::triggered, this, &TDlgBlock::CommandStarts);
    connect(a, &QAction::triggered, this, Slot);
    return a;
  };
  const char* const presets[] = {"Front View", "Side View", "Top View", "Oblique View"};
  for (int n = 1; n <= 4; ++n)
    FToolBar << command(QString::fromLatin1(presets[n - 1]), [this, n] { SetView(n); });
  FToolBar << command(QStringLiteral("Reverse View"), &TDlgBlock::ReverseView) << nullptr;

  FMouseModes = new QActionGroup(this);
  const struct {
    const char* Hint;
    int Mode;
  } modes[] = {{"Panning", MousePan},
               {"Zooming", MouseZoom},
               {"Zoom Window", MouseZoomWindow},
               {"Rotating", MouseRotate}};
  for (const auto& m : modes) {
    QAction* a = command(QString::fromLatin1(m.Hint), [this, mode = m.Mode] { SetMouseMode(mode); });
    a->setCheckable(true);
    a->setToolTip(a->text());
    FMouseModes->addAction(a);
    FToolBar << a;
    if (m.Mode == MouseZoomWindow) FZoomWindowAction = a;
  }
  FToolBar << nullptr;
  FToolBar << command(QStringLiteral("Zoom In"), [this] { Zooming(ZoomInFactor); })
           << command(QStringLiteral("Zoom Out"), [this] { Zooming(ZoomOutFactor); })
           << command(QStringLiteral("Restart View"), &TDlgBlock::RestartViewButtonClick);

  const auto option = [&](const char* Text, void (TDlgBlock::*Slot)()) {
    QAction* a = command(QString::fromLatin1(Text), Slot);
    a->setCheckable(true);
    return a;
  };
  FShowPileCap = option("Foundation", &TDlgBlock::ShowPileCapOption);
  FShowAllPiles = option("Piles", &TDlgBlock::ShowAllPilesOption);
  FShowPileNumbers = option("Pile Numbers", &TDlgBlock::ShowPileNumbersOption);
  FShowSoilLayers = option("Soil Layers", &TDlgBlock::ShowSoilLayersOption);
  FShowSoilLayerLabels = option("Soil Layer Labels", &TDlgBlock::ShowSoilLayerLabelsOption);
  FShowSoilLayerDepthLabels = option("Soil Layer Depth Labels", &TDlgBlock::ShowSoilLayerDepthLabelsOption);
  SyncOptionActions();

  SaveBitmapAction = action(QStringLiteral("Save Bitmap"), &TDlgBlock::SaveBitmapButtonClick);
  PrintPageAction = action(QStringLiteral("Print Page"), &TDlgBlock::PrintButtonClick);
  PageSetupAction = action(QStringLiteral("Page Setup"), &TDlgBlock::PageSetupButtonClick);
}

QList<QAction*> TDlgBlock::ToolBarActions() const { return FToolBar; }

QList<QAction*> TDlgBlock::ShowMenuActions() const {
  return {FShowPileCap,    FShowAllPiles,        FShowPileNumbers,
          FShowSoilLayers, FShowSoilLayerLabels, FShowSoilLayerDepthLabels};
}

void TDlgBlock::SyncOptionActions() {
  FShowPileCap->setChecked(FOptions.ShowPileCap);
  FShowAllPiles->setChecked(FOptions.ShowAllPiles);
  FShowPileNumbers->setChecked(FOptions.ShowPileNumbers);
  FShowSoilLayers->setChecked(FOptions.ShowSoilLayers);
  FShowSoilLayerLabels->setChecked(FOptions.ShowSoilLayerLabels);
  FShowSoilLayerDepthLabels->setChecked(FOptions.ShowSoilLayerDepthLabels);
}

void TDlgBlock::SetOptions(const TViewOptions& Options) {
  FOptions = Options;
  SyncOptionActions();
  RedrawComplete();
}

bool TDlgBlock::event(QEvent* Event) {
  FollowSubWindowActivation(this, Event, FSubWindowActivation, [this] { FormActivate(); });
  if (Event->type() == QEvent::WindowActivate || (Event->type() == QEvent::Show && !FActivated))
    FormActivate();
  return QWidget::event(Event);
}

void TDlgBlock::closeEvent(QCloseEvent* Event) {
  emit ViewClosed();
  Event->accept();
}

void TDlgBlock::ShowMessageOnce(const QString& Message) {
  // One box at a time: a paint that fails again while it is open adds none.
  if (FShowingError) return;
  FShowingError = true;
  ShowInformation(this, Message);
  FShowingError = false;
}

void TDlgBlock::FormActivate() {
  // A project the view cannot draw closes it, as the side views do.
  ReadOrClose(this, FCannotDraw, [this] { Activate(); });
}

void TDlgBlock::Activate() {
  const TProgramData* project = FProject ? FProject() : nullptr;
  if (!project) return;
  FScene = BuildScene(*project, FOptions);
  const auto list = [](const std::vector<TScenePrimitive>& Primitives) {
    TDrawList l;
    Tessellate(Primitives, l);
    return Merged(l);
  };
  FLists[CapList] = list(FScene.Cap);
  FLists[PileList] = list(FScene.Piles);
  FLists[SoilList] = list(FScene.SoilLayers);
  FLists[LoadingList] = list(FScene.Loading);
  FListsStale = true;
  if (!FActivated) FCamera.CentreOn(FScene.Extents);
  FActivated = true;
  GL->ResetSetup();
  RedrawFigure();
}

void TDlgBlock::RedrawFigure() {
  GL->RequestRedraw();
  GL->update();
}

void TDlgBlock::RedrawComplete() {
  // The options decide what the lists hold.
  if (FActivated) FormActivate();
}

void TDlgBlock::SetView(int N) {
  FCamera.SetView(N);
  RedrawFigure();
}

void TDlgBlock::ReverseView() {
  FCamera.ReverseView();
  RedrawFigure();
}

void TDlgBlock::Zooming(double Factor) {
  FCamera.Zooming(Factor);
  RedrawFigure();
}

void TDlgBlock::RestartViewButtonClick() {
  FCamera.Restart(FScene.Extents);
  RedrawFigure();
}

void TDlgBlock::SetMouseMode(int Mode) {
  FCamera.SetMouseMode(Mode);
  for (QAction* a : FMouseModes->actions()) a->setChecked(false);
  const int index = QList<int>{MousePan, MouseZoom, MouseZoomWindow, MouseRotate}.indexOf(Mode);
  if (index >= 0) FMouseModes->actions().at(index)->setChecked(true);
}

void TDlgBlock::Toggle(bool TViewOptions::*Option) {
  FOptions.*Option = !(FOptions.*Option);
  SyncOptionActions();
  RedrawComplete();
}

void TDlgBlock::ShowPileNumbersOption() { Toggle(&TViewOptions::ShowPileNumbers); }
void TDlgBlock::ShowAllPilesOption() { Toggle(&TViewOptions::ShowAllPiles); }
void TDlgBlock::ShowPileCapOption() { Toggle(&TViewOptions::ShowPileCap); }
void TDlgBlock::ShowSoilLayersOption() { Toggle(&TViewOptions::ShowSoilLayers); }
void TDlgBlock::ShowSoilLayerLabelsOption() { Toggle(&TViewOptions::ShowSoilLayerLabels); }
void TDlgBlock::ShowSoilLayerDepthLabelsOption() { Toggle(&TViewOptions::ShowSoilLayerDepthLabels); }

void TDlgBlock::glRender() {
  if (!GL->CheckSetup()) glSetupRC();
  GL->CheckRedraw();
  DrawFigure();
}

void TDlgBlock::glSetupRC() {
  // The texts beside the soil block need room on either side of it.
  const QFontMetricsF metrics(GL->font());
  double room = 0;
  for (const TSceneLabel& l : FScene.Labels)
    if (l.Place != TLabelPlace::AtAnchor) room = std::max(room, metrics.horizontalAdvance(l.Text) + LabelGap);
  FCamera.SetupProjection(GL->width(), GL->height(), FScene.Extents, room);
  if (FListsStale || FListGeneration != GL->ContextGeneration()) CompileLists();
}

void TDlgBlock::CompileLists() {
  if (FListGeneration != GL->ContextGeneration()) {
    FListBase = GL->GLGenLists(GLsizei(FLists.size()));
    FListGeneration = GL->ContextGeneration();
  }
  for (size_t i = 0; i < FLists.size(); ++i) {
    GL->GLNewList(FListBase + GLuint(i), GL_COMPILE);
    DrawList(FLists[i]);
    GL->GLEndList();
  }
  FListsStale = false;
}

void TDlgBlock::DrawList(const TDrawList& List) {
  for (const TDrawBatch& b : List.Batches) {
    GL->GLColor(b.Colour.R, b.Colour.G, b.Colour.B, b.Colour.A);
    GL->GLBegin(GLMode(b.Mode));
    for (int i = b.First; i < b.First + b.Count; ++i) {
      const QVector3D& v = List.Vertices[size_t(i)];
      GL->GLVertex(v.x(), v.y(), v.z());
    }
    GL->GLEnd();
  }
}

void TDlgBlock::DrawFigure() {
  GL->GLClearColor(1, 1, 1, 1);
  GL->GLClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
  // The frame's model-view first: the projection's depth follows it.
  const QMatrix4x4 modelView = FCamera.FrameModelView();
  GL->GLMatrixMode(GL_PROJECTION);
  GL->GLLoadMatrix(FCamera.Projection().constData());
  GL->GLMatrixMode(GL_MODELVIEW);
  GL->GLLoadMatrix(modelView.constData());
  GL->GLShadeModel(GL_SMOOTH);
  GL->GLEnable(GL_DEPTH_TEST);
  GL->GLEnable(GL_CULL_FACE);
  // Soil layers are translucent; opaque faces blend to themselves.
  GL->GLEnable(GL_BLEND);
  GL->GLBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
  GL->GLEnable(GL_POLYGON_OFFSET_FILL);
  if (FListGeneration == GL->ContextGeneration()) {
    for (size_t i = 0; i < FLists.size(); ++i) {
      // The soil lies a little behind what shares its faces (the top of an
      // embedded cap at the ground surface), so those show without streaks.
      const bool soil = i == SoilList;
      if (soil) GL->GLPolygonOffset(1, 1);
      GL->GLCallList(FListBase + GLuint(i));
      if (soil) GL->GLPolygonOffset(0, 0);
    }
  }
  GL->GLDisable(GL_DEPTH_TEST);
  std::vector<TSceneLabel> labels;
  if (FOptions.ShowAxes) {
    std::vector<TScenePrimitive> lines;
    AxesPrimitives(AxisPixels / (FCamera.Zoom * FCamera.FitScale), lines, labels);
    TDrawList axes;
    Tessellate(lines, axes);
    DrawList(axes);
  }
  // The axes' names first, then the scene's texts, none over another.
  for (const TViewText& t : ViewTexts(labels, FScene.Labels, FScene.Extents, modelView, FCamera.Projection(),
                                      GL->width(), GL->height(), LabelGap, QFontMetricsF(GL->font()))) {
    GL->GLColor(t.Colour.R, t.Colour.G, t.Colour.B, t.Colour.A);
    GL->TextOut(t.Text, t.Spot.BaseLine);
  }
  GL->GLDisable(GL_POLYGON_OFFSET_FILL);
  GL->GLDisable(GL_BLEND);
  GL->GLDisable(GL_CULL_FACE);
}

QImage TDlgBlock::RenderImage() {
  if (GL->width() <= 0 || GL->height() <= 0) return {};
  const QImage grabbed = GL->grabFramebuffer();
  if (grabbed.isNull()) return {};
  return grabbed.convertToFormat(QImage::Format_RGB888);
}

bool TDlgBlock::SaveBitmap(const QString& FileName, QString& Error) {
  const QImage image = RenderImage();
  if (image.isNull()) {
    Error = QStringLiteral("The 3-D view has no picture to save.");
    return false;
  }
  if (!WriteBitmapFile(FileName, image)) {
    Error = QStringLiteral("The picture could not be saved to %1.").arg(FileName);
    return false;
  }
  return true;
}

bool TDlgBlock::PrintTo(QPrinter& Printer) {
  const QImage image = RenderImage();
  if (image.isNull()) return false;
  QPainter painter;
  if (!painter.begin(&Printer)) return false;
  // The painter's page is the paper inside the page set-up's margins, each
  // at least the printer's unprintable border.
  const QSize page = Printer.pageLayout().paintRectPixels(Printer.resolution()).size();
  const QRect place = PicturePlacement(QRect(QPoint(0, 0), page), image.size());
  if (!place.isEmpty()) painter.drawImage(place, image);
  return painter.end() && !place.isEmpty();
}

void TDlgBlock::SaveBitmapButtonClick() {
  Guarded(this, [this] {
    const QString name =
        AskFileName(QStringLiteral("Save Bitmap"), QStringLiteral("Bitmap files (*.bmp)"), QStringLiteral("bmp"), true);
    if (name.isEmpty()) return;
    QString error;
    if (!SaveBitmap(name, error)) ShowMessageOnce(error);
  });
}

void TDlgBlock::PrintButtonClick() {
  Guarded(this, [this] {
    PrintDocument(this, {QStringLiteral("OPenGL figure"), std::nullopt, QStringLiteral("The 3-D view")},
                  AskFileName, [this](QPrinter& Printer) { return PrintTo(Printer); });
  });
}

void TDlgBlock::PageSetupButtonClick() {
  Guarded(this, [this] {
    // The program's page set-up, with the margins the printing reads in
    // thousandths of an inch.
    TPageSetupDialog dialog;
    dialog.SetOptions(poDefaultMinMargins | poThousandthsOfInches);
    dialog.Execute(this);
  });
}

}  // namespace zavik
