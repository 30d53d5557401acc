#include "views/ViewCamera.h"

#include <QRect>
#include <QVector4D>

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdlib>
#include <iterator>

namespace zavik {

namespace {

// Pixels of a window side that the fitted scene may fill. A window smaller
// than twice the margin still gets a positive share.
double FitPixels(int Size) { return std::max({double(Size - FitMargin), Size / 2.0, 1.0}); }

// Room in depth beyond the soil block, in pixels, and as a share of its
// depth: the axes and the texts stand clear of the near and far planes.
constexpr double DepthPadPixels = 100;
constexpr double DepthPadShare = 0.01;

struct TAngles {
  double X, Y, Z;
};

// Angles of the preset views 1 (front) to 4 (oblique).
constexpr TAngles Presets[] = {{0, 0, 0}, {0, 0, 90}, {90, 0, 0}, {22.5, 0, 45}};

// The turn of the view: model Z up on the screen, then the model's turns.
QMatrix4x4 Turn(double AngleX, double AngleY, double AngleZ) {
  QMatrix4x4 m;
  m.rotate(-90, 1, 0, 0);
  m.rotate(float(AngleX), 1, 0, 0);
  m.rotate(float(AngleY), 0, 1, 0);
  m.rotate(float(AngleZ), 0, 0, 1);
  return m;
}

// The eight corners of the soil block.
std::array<QVector3D, 8> BlockCorners(const TSceneExtents& X) {
  std::array<QVector3D, 8> corners;
  int i = 0;
  for (double x : {X.BlockXMin, X.BlockXMax})
    for (double y : {X.BlockYMin, X.BlockYMax})
      for (double z : {X.ZMin, X.ZMax}) corners[size_t(i++)] = QVector3D(float(x), float(y), float(z));
  return corners;
}

}  // namespace

void TViewCamera::CentreOn(const TSceneExtents& Extents) {
  Pan = QVector3D(float(-Extents.CentreX), float(-Extents.CentreY), float(-Extents.CentreZ));
}

void TViewCamera::SetupProjection(int W, int H, const TSceneExtents& Extents, double LabelRoom) {
  FWidth = std::max(W, 1);
  FHeight = std::max(H, 1);
  FExtents = Extents;
  FLabelRoom = std::max(LabelRoom, 0.0);
  const double w = FWidth, h = FHeight;
  if (h < w) {
    const double half = h / 2;
    FOrtho = {-half * w / h, half * w / h, -half, half, 0, 0};
  } else {
    const double half = w / 2;
    FOrtho = {-half, half, -half * h / w, half * h / w, 0, 0};
  }
  Fit();
  EncloseInDepth(ModelView());
}

void TViewCamera::Fit() {
  // The block as the fit view shows it, at one pixel per model unit, about
  // its centre.
  const TAngles& a = Presets[FFitView - 1];
  const QMatrix4x4 turn = Turn(a.X, a.Y, a.Z);
  const QVector3D centre(float(FExtents.CentreX), float(FExtents.CentreY), float(FExtents.CentreZ));
  double across = 0, down = 0;
  for (const QVector3D& c : BlockCorners(FExtents)) {
    const QVector3D p = turn.map(c - centre);
    across = std::max(across, 2.0 * std::abs(p.x()));
    down = std::max(down, 2.0 * std::abs(p.y()));
  }
  // The texts beside the block take their room first, but leave the block
  // at least half of what it would have.
  const double wide = std::max(FitPixels(FWidth) - 2 * FLabelRoom, FitPixels(FWidth) / 2);
  const double inPlan = across > 0 ? wide / across : 0;
  const double inDepth = down > 0 ? FitPixels(FHeight) / down : 0;
  if (inPlan > 0 && inDepth > 0)
    FitScale = std::min(inPlan, inDepth);
  else
    FitScale = inPlan > 0 ? inPlan : inDepth > 0 ? inDepth : 1;
}

void TViewCamera::EncloseInDepth(const QMatrix4x4& ModelView) {
  // The camera looks down the eye's -Z: the near plane is at the block's
  // largest eye Z, the far one at its smallest, both with some room.
  double nearest = 0, farthest = 0;
  bool first = true;
  const auto take = [&](const QVector3D& Model) {
    const double z = ModelView.map(Model).z();
    nearest = first ? z : std::max(nearest, z);
    farthest = first ? z : std::min(farthest, z);
    first = false;
  };
  for (const QVector3D& c : BlockCorners(FExtents)) take(c);
  take(QVector3D());  // the axes start at the model's origin
  const double pad = DepthPadPixels + DepthPadShare * (nearest - farthest);
  FOrtho.Near = -nearest - pad;
  FOrtho.Far = -farthest + pad;
}

QMatrix4x4 TViewCamera::Projection() const {
  QMatrix4x4 m;
  m.ortho(float(FOrtho.Left), float(FOrtho.Right), float(FOrtho.Bottom), float(FOrtho.Top),
          float(FOrtho.Near), float(FOrtho.Far));
  return m;
}

QMatrix4x4 TViewCamera::ModelView() const {
  QMatrix4x4 m = Turn(AngleX, AngleY, AngleZ);
  m.scale(float(Zoom));
  m.scale(float(FitScale));
  m.translate(Pan);
  return m;
}

QMatrix4x4 TViewCamera::FrameModelView() {
  FModelViewCopy = ModelView();
  EncloseInDepth(FModelViewCopy);
  return FModelViewCopy;
}

std::optional<QPointF> TViewCamera::ToWindow(const QVector3D& Model) const {
  return ProjectToWindow(FModelViewCopy, Projection(), FWidth, FHeight, Model);
}

std::optional<QPointF> ProjectToWindow(const QMatrix4x4& ModelView, const QMatrix4x4& Projection, int W,
                                       int H, const QVector3D& Model) {
  const QVector4D clip = Projection * ModelView * QVector4D(Model, 1);
  if (clip.w() == 0) return std::nullopt;
  const QVector3D ndc = clip.toVector3DAffine();
  if (std::abs(ndc.x()) > 1 || std::abs(ndc.y()) > 1 || std::abs(ndc.z()) > 1) return std::nullopt;
  return QPointF((ndc.x() + 1) / 2 * W, (1 - ndc.y()) / 2 * H);
}

std::vector<TViewText> ViewTexts(const std::vector<TSceneLabel>& Axes, const std::vector<TSceneLabel>& Labels,
                                 const TSceneExtents& Extents, const QMatrix4x4& ModelView,
                                 const QMatrix4x4& Projection, int W, int H, double Gap, const QFontMetricsF& Metrics) {
  // The axes' names are a family of their own, after those of the places.
  constexpr int AxesFamily = int(TLabelPlace::BlockLeft) + 1;
  std::vector<TWindowText> texts;
  std::vector<const TSceneLabel*> labels;
  const auto add = [&](const TSceneLabel& L, int Family) {
    const auto at = ProjectToWindow(ModelView, Projection, W, H, LabelAnchor(L, Extents, ModelView));
    if (!at) return;
    const Qt::Alignment side = L.Place == TLabelPlace::BlockRight  ? Qt::AlignLeft
                               : L.Place == TLabelPlace::BlockLeft ? Qt::AlignRight
                                                                   : Qt::Alignment();
    texts.push_back({L.Text, *at, side, Gap, Family});
    labels.push_back(&L);
  };
  for (const TSceneLabel& l : Axes) add(l, AxesFamily);
  for (const TSceneLabel& l : Labels) add(l, int(l.Place));
  const std::vector<std::optional<TTextSpot>> spots = ArrangeTexts(texts, Metrics);
  std::vector<TViewText> shown;
  for (size_t i = 0; i < spots.size(); ++i)
    if (spots[i]) shown.push_back({labels[i]->Text, labels[i]->Colour, *spots[i]});
  return shown;
}

void TViewCamera::SetView(int N) {
  if (N < 1 || N > int(std::size(Presets))) return;
  const TAngles& a = Presets[N - 1];
  AngleX = a.X;
  AngleY = a.Y;
  AngleZ = a.Z;
  FFitView = N;
  Fit();
}

void TViewCamera::Restart(const TSceneExtents& Extents) {
  AngleX = AngleY = AngleZ = 0;
  Zoom = 1;
  CentreOn(Extents);
  FFitView = 1;
  Fit();
}

double TViewCamera::BoundZoom(double Value) { return std::clamp(Value, MinZoom, MaxZoom); }

QVector3D TViewCamera::ToModelAxes(const QVector3D& Screen) const {
  // The transpose of the upper 3 × 3 of the model-view: the inverse of its
  // turn, times its scale.
  const QMatrix4x4& m = FModelViewCopy;
  QVector3D model;
  for (int i = 0; i < 3; ++i) model[i] = m(0, i) * Screen.x() + m(1, i) * Screen.y() + m(2, i) * Screen.z();
  return model;
}

bool TViewCamera::MousePress(QPoint At, bool Left) {
  FMouseState = Pressed;
  FStart = FEnd = At;
  FLeftPress = Left;
  if (ZoomBoxMode && Left) {
    FBoxActive = true;
    FSavedPan = Pan;
    FSavedZoom = Zoom;
  }
  if (MouseMode == MousePan) FSavedPan = Pan;
  if (MouseMode == MouseZoom) FSavedZoom = Zoom;
  if (MouseMode == MouseRotate) FSavedAngles = QVector3D(float(AngleX), float(AngleY), float(AngleZ));
  return false;
}

bool TViewCamera::MouseMove(QPoint At, bool Left, bool OtherButtons, bool Shift, bool Ctrl, bool Alt) {
  const bool drag = Left && !OtherButtons && !Alt && !(Shift && Ctrl);
  if (!drag) return false;
  if (ZoomBoxMode) {
    FEnd = At;
    return FBoxActive;
  }
  if (FMouseState != Pressed || !FLeftPress) return false;
  Update(At, Shift);
  return true;
}

bool TViewCamera::MouseRelease(QPoint At, bool Shift) {
  FMouseState = Released;
  bool redraw = false;
  if (ZoomBoxMode) {
    if (FBoxActive) {
      FBoxActive = false;
      FEnd = At;
      const int dx = std::abs(FEnd.x() - FStart.x()), dy = std::abs(FEnd.y() - FStart.y());
      if (dx != 0 && dy != 0) {
        const double s = FitScale * Zoom;
        const QVector3D offset(float(FWidth / 2.0 - (FStart.x() + FEnd.x()) / 2.0),
                               float(-(FHeight / 2.0 - (FStart.y() + FEnd.y()) / 2.0)), 0);
        Pan = FSavedPan + ToModelAxes(offset) / float(s * s);
        Zoom = BoundZoom(FSavedZoom * std::min(double(FWidth) / dx, double(FHeight) / dy));
      }
      redraw = true;
    }
  } else if (FLeftPress) {
    Update(At, Shift);
    redraw = true;
  }
  FMouseState = Idle;
  FLeftPress = false;
  return redraw;
}

void TViewCamera::Update(QPoint At, bool Shift) {
  if (FMouseState != Pressed && FMouseState != Released) return;
  const double x0 = FStart.x(), y0 = FStart.y(), x = At.x(), y = At.y();
  if (MouseMode == MousePan) {
    double dx = x - x0, dy = y0 - y;
    if (Shift) (std::abs(dx) <= std::abs(dy) ? dx : dy) = 0;
    const double s = FitScale * Zoom;
    Pan = FSavedPan + ToModelAxes(QVector3D(float(dx), float(dy), 0)) / float(s * s);
  } else if (MouseMode == MouseZoom) {
    Zoom = BoundZoom(FSavedZoom * (1 - (y - y0) / FHeight));
  } else if (MouseMode == MouseRotate) {
    double a = (y - y0) * 180 / 2 / FHeight;  // about the screen's X axis
    double b = (x - x0) * 180 / 2 / FWidth;   // about the screen's Y axis
    if (Shift) (std::abs(a) <= std::abs(b) ? a : b) = 0;
    const QVector3D screen(float(a), float(b), 0);
    QVector3D model = ToModelAxes(screen);
    if (model.length() != 0) model *= screen.length() / model.length();
    AngleX = FSavedAngles.x() + model.x();
    AngleY = FSavedAngles.y() + model.y();
    AngleZ = FSavedAngles.z() + model.z();
  }
}

std::optional<QRect> TViewCamera::ZoomBox() const {
  if (!FBoxActive) return std::nullopt;
  return QRect(FStart, FEnd).normalized();
}

}  // namespace zavik
