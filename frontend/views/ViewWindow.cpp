#include "views/ViewWindow.h"

#include "app/ProgramData.h"
#include "controls/Exceptions.h"
#include "views/ViewHandlers.h"

#include <QCloseEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QPrintDialog>
#include <QPrinter>
#include <QPushButton>

#include <cmath>

namespace zavik {

namespace {

// The printed drawing fills the page but a tenth on every side.
constexpr double PageBorder = 0.1;
// Screen drawings are laid out in pixels of this resolution.
constexpr double ScreenDpi = 96;
constexpr int PrintPointSize = 9;

}  // namespace

TViewWindow::TViewWindow(TProjectAccessor Project, const QString& Caption, const QString& FileStem,
                         QWidget* Parent)
    : QWidget(Parent), FProject(std::move(Project)), FFileStem(FileStem) {
  setAttribute(Qt::WA_DeleteOnClose);
  setWindowTitle(Caption);
  setMouseTracking(true);
  setMinimumSize(160, 120);
  PrintButton = new QPushButton(QStringLiteral("Print"), this);
  connect(PrintButton, &QPushButton::clicked, this, &TViewWindow::Button1Click);
}

TViewWindow::~TViewWindow() = default;

TWorldWindow TViewWindow::Displayed() const { return BaseWindow().Widened(width(), height(), Anchor()); }

TWorldMapping TViewWindow::ScreenMapping() const { return {Displayed(), QRectF(0, 0, width(), height())}; }

bool TViewWindow::event(QEvent* Event) {
  FollowSubWindowActivation(this, Event, FSubWindowActivation, [this] { FormActivate(); });
  if (Event->type() == QEvent::WindowActivate || (Event->type() == QEvent::Show && !FActivated))
    FormActivate();
  return QWidget::event(Event);
}

void TViewWindow::FormActivate() {
  const bool drawn = RunShowingErrors(this, [this] {
    TProgramData* project = FProject ? FProject() : nullptr;
    if (!project) return;
    Rebuild(*project);
    FActivated = true;
    update();
  });
  if (!drawn) close();
}

void TViewWindow::paintEvent(QPaintEvent*) {
  RunShowingErrors(this, [this] {
    QPainter painter(this);
    painter.fillRect(rect(), Qt::white);
    TPaintStyle style;
    style.Font = font();
    Draw(painter, ScreenMapping(), style);
  });
}

void TViewWindow::resizeEvent(QResizeEvent* Event) {
  QWidget::resizeEvent(Event);
  PrintButton->adjustSize();
  PrintButton->move(width() - PrintButton->width() - 4, 4);
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

void TViewWindow::PrintTo(QPrinter& Printer) {
  QPainter painter;
  if (!painter.begin(&Printer)) throw EInOutError(QStringLiteral("The printer could not be started."));
  const QRect page = Printer.pageLayout().paintRectPixels(Printer.resolution());
  const QRectF area(std::round(page.width() * PageBorder), std::round(page.height() * PageBorder),
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
  painter.end();
}

void TViewWindow::Button1Click() {
  RunShowingErrors(this, [this] {
    if (!FPrinter) {
      FPrinter = std::make_unique<QPrinter>(QPrinter::HighResolution);
      const TProgramData* project = FProject ? FProject() : nullptr;
      SetupViewPrinter(*FPrinter, QStringLiteral("Soil-Pile Profile"), QPageLayout::Landscape,
                       project ? project->FileName : QString(), FFileStem);
    }
    QPrintDialog dialog(FPrinter.get(), this);
    if (dialog.exec() == QDialog::Accepted) PrintTo(*FPrinter);
  });
}

}  // namespace zavik
