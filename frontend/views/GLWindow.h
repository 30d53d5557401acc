#pragma once
// TglWindow: a window control that owns one OpenGL context and offers its
// owner's drawing code a small set of methods, each one OpenGL call. It knows
// nothing of foundations. The context is a compatibility profile, so the
// fixed-function calls run on Mesa (also its software renderer).
//
// Qt creates the context anew when the widget moves to another window; each
// new context resets the set-up flag, so the owner's next paint rebuilds its
// projection and display lists. A GL call outside painting makes the context
// current first (BeginGLCall / EndGLCall) and then asks for a repaint.
//
// 3-D text: TextOut3D projects the anchor through the current matrices and
// the text is drawn over the GL picture when the paint ends, with the window's
// font and the current GL colour; an anchor outside the view drops the text.
// The text's base line starts at the anchor; TextOut places a text at a
// window pixel of the owner's choice.

#include "controls/Exceptions.h"

#include <QColor>
#include <QList>
#include <QOpenGLWidget>
#include <QPointF>
#include <QString>

#include <GL/gl.h>

#include <array>
#include <functional>
#include <vector>

class QPainter;

namespace zavik {

// OpenGL failures: a pixel format that cannot be had, a call between glBegin
// and glEnd.
class EOpenGL : public Exception {
public:
  using Exception::Exception;
};

class TglWindow;

// A point or direction that the owner keeps on the control; changing it
// repaints the control.
class Tgl3Vector {
public:
  Tgl3Vector(TglWindow* Owner, double X, double Y, double Z) : FOwner(Owner), FX(X), FY(Y), FZ(Z) {}
  double X() const { return FX; }
  double Y() const { return FY; }
  double Z() const { return FZ; }
  void SetX(double Value);
  void SetY(double Value);
  void SetZ(double Value);

private:
  TglWindow* FOwner;
  double FX, FY, FZ;
};

// A light of the control; it carries no parameters (lighting stays off).
class TglLight {
public:
  explicit TglLight(TglWindow* Owner);
  ~TglLight();
  TglLight(const TglLight&) = delete;
  TglLight& operator=(const TglLight&) = delete;

private:
  TglWindow* FOwner;
};

enum TGLShadeModel { glFlat, glSmooth };

class TglWindow : public QOpenGLWidget {
  Q_OBJECT

public:
  explicit TglWindow(QWidget* Parent = nullptr);
  ~TglWindow() override;

  // What the owner draws; called with the context current inside each paint.
  std::function<void(TglWindow* Sender)> OnPaint;
  // What the owner draws over the GL picture (after the 3-D texts).
  std::function<void(QPainter& Painter)> OnOverlay;

  void MakeCurrent() { makeCurrent(); }
  // Counts the contexts Qt has created for the control: display lists live
  // only as long as the context they were compiled in.
  int ContextGeneration() const { return FContextGeneration; }
  void BeginGLCall();
  void EndGLCall();
  bool InPaint() const { return FInPaint; }

  // GL_INVALID_OPERATION raises EOpenGL; any other code is returned.
  static GLenum CheckGLError();

  // Set-up flag: False until the owner has built projection and display
  // lists. CheckSetup answers the previous value and sets it.
  bool CheckSetup();
  void ResetSetup() { FSetup = false; }
  void RequestRedraw() { FRedraw = true; }
  bool CheckRedraw();

  // Stored for the owner; the control applies none of them itself.
  QColor BackgroundColor() const { return FBackgroundColor; }
  void SetBackgroundColor(const QColor& Value);
  double FOV() const { return FFOV; }
  void SetFOV(double Value);
  Tgl3Vector& EyePosition() { return FEyePosition; }
  Tgl3Vector& UpVector() { return FUpVector; }
  Tgl3Vector& ViewPosition() { return FViewPosition; }
  int LightCount() const { return int(FLights.size()); }

  // GL switches: each reads or sets one capability.
  bool Blending() { return Switch(GL_BLEND); }
  void SetBlending(bool On) { SetSwitch(GL_BLEND, On); }
  bool PolygonFiltering() { return Switch(GL_POLYGON_SMOOTH); }
  void SetPolygonFiltering(bool On) { SetSwitch(GL_POLYGON_SMOOTH, On); }
  bool DepthTesting() { return Switch(GL_DEPTH_TEST); }
  void SetDepthTesting(bool On) { SetSwitch(GL_DEPTH_TEST, On); }
  bool Fog() { return Switch(GL_FOG); }
  void SetFog(bool On) { SetSwitch(GL_FOG, On); }
  bool Lighting() { return Switch(GL_LIGHTING); }
  void SetLighting(bool On) { SetSwitch(GL_LIGHTING, On); }
  TGLShadeModel ShadeModel();
  void SetShadeModel(TGLShadeModel Model);

  // One OpenGL call each; valid while the context is current.
  void GLMatrixMode(GLenum Mode) { glMatrixMode(Mode); }
  void GLLoadMatrix(const float* Values) { glLoadMatrixf(Values); }
  void GLClear(GLbitfield Mask) { glClear(Mask); }
  void GLEnable(GLenum Cap) { glEnable(Cap); }
  void GLDisable(GLenum Cap) { glDisable(Cap); }
  void GLBegin(GLenum Mode) { glBegin(Mode); }
  void GLEnd() { glEnd(); }
  void GLFinish() { glFinish(); }
  void GLVertex(float X, float Y, float Z) { glVertex3f(X, Y, Z); }
  void GLColor(float R, float G, float B, float A) { glColor4f(R, G, B, A); }
  void GLClearColor(float R, float G, float B, float A) { glClearColor(R, G, B, A); }
  void GLBlendFunc(GLenum Source, GLenum Destination) { glBlendFunc(Source, Destination); }
  void GLPolygonOffset(float Factor, float Units) { glPolygonOffset(Factor, Units); }
  void GLShadeModel(GLenum Mode) { glShadeModel(Mode); }
  GLenum GLGetError() { return glGetError(); }
  GLuint GLGenLists(GLsizei Range) { return glGenLists(Range); }
  void GLCallList(GLuint List) { glCallList(List); }
  void GLNewList(GLuint List, GLenum Mode) { glNewList(List, Mode); }
  void GLEndList() { glEndList(); }

  void GetMatrix(GLenum Name, std::array<double, 16>& Values);  // column by column, as GL keeps it
  void GetViewport(std::array<int, 4>& Values);

  // Text at a model point, in the current GL colour, drawn over the picture.
  void TextOut3D(const QString& Text, double X, double Y, double Z);
  // Text whose base line starts at a window pixel (y down), in the current
  // GL colour, drawn over the picture.
  void TextOut(const QString& Text, const QPointF& At);

signals:
  void MouseDown(QMouseEvent* Event);
  void MouseUp(QMouseEvent* Event);
  void MouseMove(QMouseEvent* Event);
  // The control's size changed (and so its viewport).
  void Resized(int Width, int Height);
  // A paint failed; the message is shown once the paint is over.
  void PaintFailed(const QString& Message);

protected:
  void initializeGL() override;
  void resizeGL(int W, int H) override;
  void paintGL() override;
  void mousePressEvent(QMouseEvent* Event) override;
  void mouseReleaseEvent(QMouseEvent* Event) override;
  void mouseMoveEvent(QMouseEvent* Event) override;

private:
  friend class TglLight;
  bool Switch(GLenum Cap);
  void SetSwitch(GLenum Cap, bool On);
  void RecordMouse(QMouseEvent* Event, bool WithButton);

  struct TText {
    QString Text;
    QPointF At;  // start of its base line
    QColor Colour;
  };

  bool FInPaint = false;
  int FContextGeneration = 0;
  bool FSetup = false;
  bool FRedraw = false;
  bool FMousePressed = false;
  Qt::MouseButton FLastButton = Qt::NoButton;
  Qt::KeyboardModifiers FLastShift;
  int FLastMouseX = 0, FLastMouseY = 0;
  QColor FBackgroundColor = Qt::white;
  double FFOV = 45.0;
  Tgl3Vector FEyePosition{this, 0, 0, 1};
  Tgl3Vector FUpVector{this, 0, 1, 0};
  Tgl3Vector FViewPosition{this, 0, 0, 0};
  QList<TglLight*> FLights;
  std::vector<TText> FTexts;
};

}  // namespace zavik
