#pragma once
// The 3-D view's camera as plain maths: an orthographic projection in window
// pixels, the scale that fits the scene into the window, the model's turns,
// zoom and pan, the preset views, and what a mouse drag does in each mouse
// mode. The GL window loads these matrices; labels are placed with them.

#include "views/SceneGeometry.h"

#include <QMatrix4x4>
#include <QPoint>
#include <QPointF>
#include <QVector3D>

#include <optional>
#include <vector>

namespace zavik {

// What a drag does: nothing until a mode is chosen on the tool bar.
enum TMouseMode { MouseNone = 0, MousePan = 1, MouseZoom = 2, MouseRotate = 3, MouseZoomWindow = 4 };

// Zoom factors of the tool bar's zoom buttons.
inline constexpr double ZoomInFactor = 1.4142;
inline constexpr double ZoomOutFactor = 0.7071135624381276;  // 1 / 1.4142

// The user's zoom is kept within these bounds, so that a long drag never
// turns the picture inside out or makes the pan divide by zero.
inline constexpr double MinZoom = 1e-3;
inline constexpr double MaxZoom = 1e5;

// Picture margin, in pixels, left when the scene is fitted to the window.
inline constexpr int FitMargin = 50;

struct TOrthoBox {
  double Left = 0, Right = 0, Bottom = 0, Top = 0, Near = 0, Far = 0;
};

class TViewCamera {
public:
  double AngleX = 0, AngleY = 0, AngleZ = 0;  // degrees
  double Zoom = 1;
  double FitScale = 1;  // pixels per model unit at zoom 1
  QVector3D Pan;        // model translation
  int MouseMode = MouseNone;
  bool ZoomBoxMode = false;

  // The pan that puts the scene's centre at the window's centre: the model
  // turns about it.
  void CentreOn(const TSceneExtents& Extents);

  // Projection and fit scale for a window of W × H pixels: the soil block,
  // as the last preset view chosen shows it (the front view at first), fills
  // the window but a margin, and LabelRoom pixels on either side of it for
  // the texts beside it.
  void SetupProjection(int W, int H, const TSceneExtents& Extents, double LabelRoom = 0);
  const TOrthoBox& Ortho() const { return FOrtho; }
  QMatrix4x4 Projection() const;
  int Width() const { return FWidth; }
  int Height() const { return FHeight; }

  // The model-view matrix of a frame: model Z up on the screen, the turns,
  // zoom and fit scale, then the pan. Also kept as the copy that the mouse
  // reads, as the last frame drew it. The projection's near and far planes
  // follow it, so that the whole soil block lies between them at any turn,
  // pan and zoom.
  QMatrix4x4 FrameModelView();
  QMatrix4x4 ModelView() const;
  const QMatrix4x4& ModelViewCopy() const { return FModelViewCopy; }

  // Window pixel (from the top left) of a model point in the last frame;
  // none when the point lies outside the window.
  std::optional<QPointF> ToWindow(const QVector3D& Model) const;

  // Tool-bar commands.
  // 1 front, 2 side, 3 top, 4 oblique; others change nothing. The scene is
  // fitted to the window as the view shows it; zoom and pan stay.
  void SetView(int N);
  void ReverseView() { AngleZ += 180; }
  void Zooming(double Factor) { Zoom = BoundZoom(Zoom * Factor); }
  void Restart(const TSceneExtents& Extents);
  void SetMouseMode(int Mode) {
    MouseMode = Mode;
    ZoomBoxMode = Mode == MouseZoomWindow;
  }

  // Mouse, in window pixels. Each answers whether the picture must be drawn
  // again. A drag moves the picture only with the left button, alone or with
  // Shift or Ctrl; Shift keeps a pan or turn to its main screen direction.
  bool MousePress(QPoint At, bool Left);
  bool MouseMove(QPoint At, bool Left, bool OtherButtons, bool Shift, bool Ctrl, bool Alt);
  bool MouseRelease(QPoint At, bool Shift);

  // The zoom box being dragged, in window pixels; none when no box is active.
  std::optional<QRect> ZoomBox() const;

private:
  enum TMouseState { Idle = 0, Pressed = 1, Released = 3 };
  static double BoundZoom(double Value);
  void Fit();
  // Near and far planes around the soil block as ModelView shows it.
  void EncloseInDepth(const QMatrix4x4& ModelView);
  void Update(QPoint At, bool Shift);
  // Screen vector turned into model axes through the last frame's matrix.
  QVector3D ToModelAxes(const QVector3D& Screen) const;

  TOrthoBox FOrtho;
  int FWidth = 0, FHeight = 0;
  TSceneExtents FExtents;
  double FLabelRoom = 0;
  int FFitView = 1;  // the preset view the fit scale is taken in
  QMatrix4x4 FModelViewCopy;
  int FMouseState = Idle;
  bool FLeftPress = false;
  bool FBoxActive = false;
  QPoint FStart, FEnd;
  QVector3D FSavedPan;
  double FSavedZoom = 1;
  QVector3D FSavedAngles;
};

// Window pixel of a model point through a model-view and a projection onto a
// viewport of W × H pixels (y from the top); none outside the viewport.
std::optional<QPointF> ProjectToWindow(const QMatrix4x4& ModelView, const QMatrix4x4& Projection, int W,
                                       int H, const QVector3D& Model);

// A text of the picture where the window shows it.
struct TViewText {
  QString Text;
  TRgba Colour;
  TTextSpot Spot;
};

// The texts of a frame whose model-view is ModelView through Projection onto
// a viewport of W × H pixels: the axes' names, then the scene's labels in
// their order, each at its anchor or Gap pixels off the soil block's edge,
// none over another (ArrangeTexts, each place of label a family); labels
// outside the window are left out.
std::vector<TViewText> ViewTexts(const std::vector<TSceneLabel>& Axes, const std::vector<TSceneLabel>& Labels,
                                 const TSceneExtents& Extents, const QMatrix4x4& ModelView,
                                 const QMatrix4x4& Projection, int W, int H, double Gap, const QFontMetricsF& Metrics);

}  // namespace zavik
