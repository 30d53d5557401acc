#pragma once
// The window of a side or plan view: a drawing of the current project on a
// white client area with a "Print" button at the top right. Activation reads
// the project again, a resize widens the world window to the client area's
// shape, the mouse shows the world position under it in the caption, and the
// button prints the same drawing through the print dialog on a landscape
// page titled "Soil-Pile Profile". A project the view cannot draw shows its
// message and closes the window.

#include "views/BlockView.h"
#include "views/WorldWindow.h"

#include <QWidget>

#include <memory>

class QPrinter;
class QPushButton;

namespace zavik {

class TViewWindow : public QWidget {
  Q_OBJECT

public:
  // FileStem names the PDF file printed to when no printer is installed.
  TViewWindow(TProjectAccessor Project, const QString& Caption, const QString& FileStem, QWidget* Parent);
  ~TViewWindow() override;

  QPushButton* PrintButton = nullptr;

  // The world window that holds the drawing, and the one shown: that window
  // widened to the client area's shape.
  virtual TWorldWindow BaseWindow() const = 0;
  TWorldWindow Displayed() const;
  // World-to-pixel mapping of the client area.
  TWorldMapping ScreenMapping() const;

  // Prints the drawing on Printer as the button does after its dialog.
  void PrintTo(QPrinter& Printer);

public slots:
  void FormActivate();
  void Button1Click();

signals:
  // The window closes (and is freed): the main window clears its flag.
  void ViewClosed();

protected:
  // Reads the project into the drawing; may raise.
  virtual void Rebuild(TProgramData& Project) = 0;
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
  TProjectAccessor FProject;
  QString FFileStem;
  bool FActivated = false;
  QMetaObject::Connection FSubWindowActivation;
  std::unique_ptr<QPrinter> FPrinter;
};

}  // namespace zavik
