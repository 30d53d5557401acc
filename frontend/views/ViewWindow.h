#pragma once
// The window of a side or plan view: a drawing of the current project on a
// white client area with a "Print" button at the top right. Activation reads
// the project again, a resize widens the world window to the client area's
// shape, the mouse shows the world position under it in the caption, and the
// button prints the same drawing on a landscape page titled "Soil-Pile
// Profile" (through the print dialog, or into a PDF file where no printer is
// installed). A project the view cannot draw shows its message and closes the
// window.

#include "controls/SaveFiles.h"
#include "views/BlockView.h"
#include "views/ViewHandlers.h"
#include "views/WorldWindow.h"

#include <QWidget>

class QPrinter;
class QPushButton;

namespace zavik {

class TViewWindow : public QWidget {
  Q_OBJECT

public:
  // FileTag names the PDF file offered beside the project when no printer is
  // installed ("<project stem>-<FileTag>.pdf").
  TViewWindow(TProjectReader Project, const QString& Caption, const QString& FileTag, QWidget* Parent);
  ~TViewWindow() override;

  QPushButton* PrintButton = nullptr;
  // Asks for the name of the PDF file; replaceable, so that the command can
  // run unattended.
  TAskFileName AskFileName;

  // The world window that holds the drawing, and the one shown: that window
  // widened to the drawing area's shape.
  virtual TWorldWindow BaseWindow() const = 0;
  TWorldWindow Displayed() const;
  // The client area below the "Print" button, where the drawing is shown.
  QRectF DrawingArea() const;
  // World-to-pixel mapping of the drawing area.
  TWorldMapping ScreenMapping() const;

  QSize sizeHint() const override { return ViewWindowSize; }

  // Prints the drawing on Printer as the button does after its dialog: on
  // the whole printable part of the paper, whatever the page margins; false
  // when the printer could not take it.
  bool PrintTo(QPrinter& Printer);

public slots:
  void FormActivate();
  void Button1Click();

signals:
  // The window closes (and is freed): the main window clears its flag.
  void ViewClosed();

protected:
  // The mouse read-outs: fixed notation with one decimal, in the exponent
  // form beyond six digits before the point.
  static constexpr int ReadoutPrecision = 6;

  // Reads the project into the drawing; may raise.
  virtual void Rebuild(const TProgramData& Project) = 0;
  // The one drawing path for window and printer.
  virtual void Draw(QPainter& Painter, const TWorldMapping& Mapping, const TPaintStyle& Style) const = 0;
  // The caption for the world point under the mouse.
  virtual QString MouseCaption(const QPointF& World) const = 0;
  virtual TWorldWindow::TAnchor Anchor() const = 0;

  bool event(QEvent* Event) override;
  void paintEvent(QPaintEvent* Event) override;
  void resizeEvent(QResizeEvent* Event) override;
  void mouseMoveEvent(QMouseEvent* Event) override;
  void closeEvent(QCloseEvent* Event) override;

private:
  TProjectReader FProject;
  bool FActivated = false;
  bool FCannotDraw = false;  // the project cannot be drawn: the window is closing
  QMetaObject::Connection FSubWindowActivation;
};

}  // namespace zavik
