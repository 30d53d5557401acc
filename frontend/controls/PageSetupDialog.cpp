#include "controls/PageSetupDialog.h"

#include <QGuiApplication>
#include <QPageSetupDialog>
#include <QPrinter>
#include <QPrinterInfo>
#include <QScreen>

#include <cmath>

namespace zavik {

int TPageSetupDialog::ToUnits(double Millimetres) const {
  return int(std::lround(Millimetres / MillimetresPerUnit(FOptions)));
}

double TPageSetupDialog::ToMillimetres(int Value) const {
  return Value * MillimetresPerUnit(FOptions);
}

int TPageSetupDialog::Margin(TPageSettings::TEdge Edge) const {
  return ToUnits(FSettings.Margin(Edge));
}

void TPageSetupDialog::SetMargin(TPageSettings::TEdge Edge, int Value) {
  FSettings.SetMargin(Edge, ToMillimetres(Value));
}

int TPageSetupDialog::MinMargin(TPageSettings::TEdge Edge) const {
  return ToUnits(FSettings.MinMargin(Edge));
}

void TPageSetupDialog::SetMinMargin(TPageSettings::TEdge Edge, int Value) {
  FSettings.SetMinMargin(Edge, ToMillimetres(Value));
}

bool TPageSetupDialog::Execute(QWidget* Parent) {
  QPrinter printer;
  PreparePrinter(FSettings, printer);
  QPageSetupDialog dialog(&printer, Parent);
  // Centred across, a third of the way down the screen.
  dialog.adjustSize();
  if (QScreen* screen = Parent ? Parent->screen() : QGuiApplication::primaryScreen()) {
    const QRect area = screen->geometry();
    dialog.move(area.left() + (area.width() - dialog.width()) / 2,
                area.top() + (area.height() - dialog.height()) / 3);
  }
  if (dialog.exec() != QDialog::Accepted) return false;

  const QPageLayout layout = printer.pageLayout();
  FSettings.Paper = layout.pageSize();
  FSettings.Orientation = layout.orientation();
  const QSizeF paper = layout.fullRect(QPageLayout::Millimeter).size();
  FPaperLength = ToUnits(paper.height());
  FPaperWidth = ToUnits(paper.width());
  // Each margin is raised to its minimum.
  const QMarginsF m = layout.margins(QPageLayout::Millimeter);
  FSettings.SetMargin(TPageSettings::Left, m.left());
  FSettings.SetMargin(TPageSettings::Top, m.top());
  FSettings.SetMargin(TPageSettings::Right, m.right());
  FSettings.SetMargin(TPageSettings::Bottom, m.bottom());
  return true;
}

void PreparePrinter(const TPageSettings& Settings, QPrinter& Printer, const QString& PdfFileName) {
  if (QPrinterInfo::availablePrinters().isEmpty()) {
    Printer.setOutputFormat(QPrinter::PdfFormat);
    Printer.setOutputFileName(PdfFileName);
  }
  // The paper first: the printer's unprintable border depends on it.
  Printer.setPageSize(Settings.Paper);
  Printer.setPageOrientation(Settings.Orientation);
  QPageLayout printers = Printer.pageLayout();
  printers.setUnits(QPageLayout::Millimeter);
  Printer.setPageLayout(Settings.PageLayout(printers.minimumMargins()));
}

}  // namespace zavik
