#include "views/ViewCamera.h"

#include <QRect>
#include <QVector4D>

#include <algorithm>
#include <cmath>
#include <cstdlib>

namespace zavik {

namespace {

// The projection's depth, in pixels per unit of the ratio of the scene's height
// to its plan size, times half the window's smaller side.
constexpr double DepthPerHalfSize = 640;

// Pixels of a window side that the fitted scene may fill. A window smaller
// than twice the margin still gets a positive share.
double FitPixels(int Size) { return std::max({double(Size - FitMargin), Size / 2.0, 1.0}); }

}  // namespace

void TViewCamera::CentreOn(const TSceneExtents& Extents) {
  Pan = QVector3D(float(-Extents.CentreX), float(-Extents.CentreY), 0);
}

void TViewCamera::SetupProjection(int W, int H, const TSceneExtents& Extents) {
  FWidth = std::max(W, 1);
  FHeight = std::max(H, 1);
  const double w = FWidth, h = FHeight;
  double half, depthIfFlat;
  if (h < w) {
    half = h / 2;
    FOrtho = {-half * w / h, half * w / h, -half, half, 0, 0};
    depthIfFlat = half * w / h;
  } else {
    half = w / 2;
    FOrtho = {-half, half, -half * h / w, half * h / w, 0, 0};
    depthIfFlat = half * h / w;
  }
  const double f =
      Extents.ExtentXY != 0 ? Extents.ExtentZ / Extents.ExtentXY * half * DepthPerHalfSize : depthIfFlat;
  FOrtho.Near = -f;
  FOrtho.Far = f;

  const double inDepth = Extents.ExtentZ != 0 ? FitPixels(FHeight) / (2 * Extents.ExtentZ) : 1;
  const double inPlan = Extents.ExtentX != 0 ? FitPixels(FWidth) / (2 * Extents.ExtentX) : 1;
  FitScale = std::min(inDepth, inPlan);
}

QMatrix4x4 TViewCamera::Projection() const {
  QMatrix4x4 m;
  m.ortho(float(FOrtho.Left), float(FOrtho.Right), float(FOrtho.Bottom), float(FOrtho.Top),
          float(FOrtho.Near), float(FOrtho.Far));
  return m;
}

QMatrix4x4 TViewCamera::ModelView() const {
  QMatrix4x4 m;
  m.rotate(-90, 1, 0, 0);  // model Z points up on the screen
  m.rotate(float(AngleX), 1, 0, 0);
  m.rotate(float(AngleY), 0, 1, 0);
  m.rotate(float(AngleZ), 0, 0, 1);
  m.scale(float(Zoom));
  m.scale(float(FitScale));
  m.translate(Pan);
  return m;
}

QMatrix4x4 TViewCamera::FrameModelView() {
  FModelViewCopy = ModelView();
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

void TViewCamera::SetView(int N) {
  struct TAngles {
    double X, Y, Z;
  };
  static constexpr TAngles Presets[] = {{0, 0, 0}, {0, 0, 90}, {90, 0, 0}, {22.5, 0, 45}};
  if (N < 1 || N > 4) return;
  const TAngles& a = Presets[N - 1];
  AngleX = a.X;
  AngleY = a.Y;
  AngleZ = a.Z;
}

void TViewCamera::Restart(const TSceneExtents& Extents) {
  AngleX = AngleY = AngleZ = 0;
  Zoom = 1;
  CentreOn(Extents);
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
