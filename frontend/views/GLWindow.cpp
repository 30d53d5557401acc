#include "views/GLWindow.h"

#include "controls/Messages.h"
#include "views/ViewCamera.h"

#include <QFontMetricsF>
#include <QMatrix4x4>
#include <QMouseEvent>
#include <QPainter>
#include <QSurfaceFormat>

namespace zavik {

namespace {
constexpr int LightsPerWindow = 8;
}

void Tgl3Vector::SetX(double Value) {
  FX = Value;
  FOwner->update();
}
void Tgl3Vector::SetY(double Value) {
  FY = Value;
  FOwner->update();
}
void Tgl3Vector::SetZ(double Value) {
  FZ = Value;
  FOwner->update();
}

TglLight::TglLight(TglWindow* Owner) : FOwner(Owner) { FOwner->FLights.append(this); }
TglLight::~TglLight() { FOwner->FLights.removeOne(this); }

TglWindow::TglWindow(QWidget* Parent) : QOpenGLWidget(Parent) {
  // Fixed-function drawing needs a compatibility context; the depth buffer
  // sorts the solids.
  QSurfaceFormat format = QSurfaceFormat::defaultFormat();
  format.setRenderableType(QSurfaceFormat::OpenGL);
  format.setProfile(QSurfaceFormat::CompatibilityProfile);
  format.setVersion(2, 1);
  format.setDepthBufferSize(24);
  setFormat(format);
  for (int i = 0; i < LightsPerWindow; ++i) new TglLight(this);
}

TglWindow::~TglWindow() {
  while (!FLights.isEmpty()) delete FLights.last();
}

void TglWindow::BeginGLCall() {
  makeCurrent();
  glGetError();  // a pending error belongs to someone else
}

void TglWindow::EndGLCall() {
  CheckGLError();
  if (!FInPaint) {
    doneCurrent();
    update();
  }
}

GLenum TglWindow::CheckGLError() {
  const GLenum error = glGetError();
  if (error == GL_INVALID_OPERATION)
    throw EOpenGL(QStringLiteral("operation cannot be performed between glBegin and glEnd"));
  return error;
}

bool TglWindow::CheckSetup() {
  const bool was = FSetup;
  FSetup = true;
  return was;
}

bool TglWindow::CheckRedraw() {
  const bool was = FRedraw;
  FRedraw = false;
  return was;
}

void TglWindow::SetBackgroundColor(const QColor& Value) {
  FBackgroundColor = Value;
  update();
}

void TglWindow::SetFOV(double Value) {
  FFOV = Value;
  update();
}

bool TglWindow::Switch(GLenum Cap) {
  BeginGLCall();
  const bool on = glIsEnabled(Cap) == GL_TRUE;
  EndGLCall();
  return on;
}

void TglWindow::SetSwitch(GLenum Cap, bool On) {
  BeginGLCall();
  On ? glEnable(Cap) : glDisable(Cap);
  EndGLCall();
}

TGLShadeModel TglWindow::ShadeModel() {
  BeginGLCall();
  GLint model = 0;
  glGetIntegerv(GL_SHADE_MODEL, &model);
  EndGLCall();
  return model == GL_SMOOTH ? glSmooth : glFlat;
}

void TglWindow::SetShadeModel(TGLShadeModel Model) {
  BeginGLCall();
  glShadeModel(Model == glSmooth ? GL_SMOOTH : GL_FLAT);
  EndGLCall();
}

void TglWindow::GetMatrix(GLenum Name, std::array<double, 16>& Values) { glGetDoublev(Name, Values.data()); }

void TglWindow::GetViewport(std::array<int, 4>& Values) { glGetIntegerv(GL_VIEWPORT, Values.data()); }

void TglWindow::TextOut3D(const QString& Text, double X, double Y, double Z) {
  std::array<double, 16> mv{}, pr{};
  GetMatrix(GL_MODELVIEW_MATRIX, mv);
  GetMatrix(GL_PROJECTION_MATRIX, pr);
  const auto matrix = [](const std::array<double, 16>& ColumnMajor) {
    QMatrix4x4 m;
    for (int c = 0; c < 4; ++c)
      for (int r = 0; r < 4; ++r) m(r, c) = float(ColumnMajor[size_t(4 * c + r)]);
    return m;
  };
  const auto at =
      ProjectToWindow(matrix(mv), matrix(pr), width(), height(), QVector3D(float(X), float(Y), float(Z)));
  if (at) TextOut(Text, *at);
}

void TglWindow::TextOut(const QString& Text, const QPointF& At) {
  std::array<float, 4> colour{};
  glGetFloatv(GL_CURRENT_COLOR, colour.data());
  FTexts.push_back({Text, At, QColor::fromRgbF(colour[0], colour[1], colour[2], colour[3])});
}

void TglWindow::initializeGL() {
  // A new context holds none of the owner's display lists.
  ++FContextGeneration;
  ResetSetup();
}

void TglWindow::resizeGL(int W, int H) {
  ResetSetup();
  emit Resized(W, H);
}

void TglWindow::paintGL() {
  FInPaint = true;
  FTexts.clear();
  QPainter painter(this);
  painter.beginNativePainting();
  glGetError();
  QString failure;
  try {
    if (OnPaint) OnPaint(this);
  } catch (const std::exception& E) {
    failure = ExceptionMessage(E);
  } catch (...) {
    failure = QStringLiteral("Unknown error");
  }
  glGetError();
  // The picture is opaque, whatever translucent faces left in its alpha:
  // on the screen and in every saved or printed copy.
  std::array<float, 4> clear{};
  glGetFloatv(GL_COLOR_CLEAR_VALUE, clear.data());
  glColorMask(GL_FALSE, GL_FALSE, GL_FALSE, GL_TRUE);
  glClearColor(0, 0, 0, 1);
  glClear(GL_COLOR_BUFFER_BIT);
  glColorMask(GL_TRUE, GL_TRUE, GL_TRUE, GL_TRUE);
  glClearColor(clear[0], clear[1], clear[2], clear[3]);
  painter.endNativePainting();
  for (const TText& t : FTexts) {
    painter.setPen(t.Colour);
    painter.drawText(t.At, t.Text);
  }
  if (OnOverlay) OnOverlay(painter);
  painter.end();
  FInPaint = false;
  if (!failure.isEmpty()) emit PaintFailed(failure);
}

void TglWindow::RecordMouse(QMouseEvent* Event, bool WithButton) {
  FLastMouseX = int(Event->position().x());
  FLastMouseY = int(Event->position().y());
  FLastShift = Event->modifiers();
  if (WithButton) FLastButton = Event->button();
}

void TglWindow::mousePressEvent(QMouseEvent* Event) {
  RecordMouse(Event, true);
  FMousePressed = true;
  emit MouseDown(Event);
}

void TglWindow::mouseReleaseEvent(QMouseEvent* Event) {
  RecordMouse(Event, true);
  FMousePressed = false;
  emit MouseUp(Event);
}

void TglWindow::mouseMoveEvent(QMouseEvent* Event) {
  RecordMouse(Event, false);
  emit MouseMove(Event);
}

}  // namespace zavik
