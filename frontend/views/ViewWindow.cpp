#include "views/ViewWindow.h"

#include "core/ProgramData.h"
#include "controls/Messages.h"
#include "controls/Printing.h"
#include "views/ViewHandlers.h"

#include <QCloseEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QPrinter>
#include <QPushButton>

#include <algorithm>
#include <cmath>

namespace zavik {

namespace {

// The printed drawing fills the page but a tenth on every side.
constexpr double PageBorder = 0.1;
// Screen drawings are laid out in pixels of this resolution.
constexpr double ScreenDpi = 96;
constexpr int PrintPointSize = 9;
// Pixels around the "Print" button.
constexpr int ButtonGap = 4;

}  // namespace

TViewWindow::TViewWindow(TProjectReader Project, const QString& Caption, const QString& FileTag,
                         QWidget* Parent)
    : QWidget(Parent), FProject(std::move(Project)) {
  AskFileName = SaveDialogBeside(
      this,
      [this] {
        const TProgramData* project = FProject ? FProject() : nullptr;
        return project ? project->FileName : QString();
      },
      FileTag);
  setAttribute(Qt::WA_DeleteOnClose);
  setWindowTitle(Caption);
  setMouseTracking(true);
  setMinimumSize(160, 120);
  PrintButton = new QPushButton(QStringLiteral("Print"), this);
  PrintButton->adjustSize();
  connect(PrintButton, &QPushButton::clicked, this, &TViewWindow::Button1Click);
}

TViewWindow::~TViewWindow() = default;

QRectF TViewWindow::DrawingArea() const {
  // Below the button, so that nothing of the drawing hides under it.
  const double top = PrintButton->geometry().bottom() + 1 + ButtonGap;
  return QRectF(0, top, width(), std::max(height() - top, 0.0));
}

TWorldWindow TViewWindow::Displayed() const {
  const QRectF area = DrawingArea();
  return BaseWindow().Widened(area.width(), area.height(), Anchor());
}

TWorldMapping TViewWindow::ScreenMapping() const { return {Displayed(), DrawingArea()}; }

bool TViewWindow::event(QEvent* Event) {
  FollowSubWindowActivation(this, Event, FSubWindowActivation, [this] { FormActivate(); });
  if (Event->type() == QEvent::WindowActivate || (Event->type() == QEvent::Show && !FActivated))
    FormActivate();
  return QWidget::event(Event);
}

void TViewWindow::FormActivate() {
  ReadOrClose(this, FCannotDraw, [this] {
    const TProgramData* project = FProject ? FProject() : nullptr;
    if (!project) return;
    Rebuild(*project);
    FActivated = true;
    update();
  });
}

void TViewWindow::paintEvent(QPaintEvent*) {
  if (FCannotDraw) return;
  Guarded(this, [this] {
    QPainter painter(this);
    painter.fillRect(rect(), Qt::white);
    TPaintStyle style;
    style.Font = font();
    Draw(painter, ScreenMapping(), style);
  }, ShowInformation, ViewErrorText);
}

void TViewWindow::resizeEvent(QResizeEvent* Event) {
  QWidget::resizeEvent(Event);
  PrintButton->adjustSize();
  PrintButton->move(width() - PrintButton->width() - ButtonGap, ButtonGap);
}

void TViewWindow::mouseMoveEvent(QMouseEvent* Event) {
  const TWorldMapping mapping = ScreenMapping();
  if (!mapping.Valid()) return;
  setWindowTitle(MouseCaption(mapping.ToWorld(Event->position())));
}

void TViewWindow::closeEvent(QCloseEvent* Event) {
  emit ViewClosed();
  Event->accept();
}

bool TViewWindow::PrintTo(QPrinter& Printer) {
  // The drawing's page is the printable part of the paper, as large as the
  // printer allows: the page set-up's margins are the 3-D view's and the
  // plots'.
  Printer.setFullPage(true);
  QPainter painter;
  if (!painter.begin(&Printer)) return false;
  const QRect page = PrintableArea(Printer);
  const QRectF area(page.left() + std::round(page.width() * PageBorder),
                    page.top() + std::round(page.height() * PageBorder),
                    std::round(page.width() * (1 - 2 * PageBorder)),
                    std::round(page.height() * (1 - 2 * PageBorder)));
  TPaintStyle style;
  style.PixelScale = Printer.resolution() / ScreenDpi;
  style.Font = QFont(QStringLiteral("Arial"), PrintPointSize);
  style.Framed = true;
  // The page has its own shape: the drawing keeps its proportions on it.
  const TWorldMapping mapping{BaseWindow().Widened(area.width(), area.height(), Anchor()), area};
  Draw(painter, mapping, style);
  DrawFrame(painter, mapping, style);
  return painter.end();
}

void TViewWindow::Button1Click() {
  Guarded(this, [this] {
    PrintDocument(this, {QStringLiteral("Soil-Pile Profile"), QPageLayout::Landscape, QStringLiteral("The view")},
                  AskFileName, [this](QPrinter& Printer) { return PrintTo(Printer); });
  });
}

}  // namespace zavik
