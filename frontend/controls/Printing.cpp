#include "controls/Printing.h"

#include "controls/Messages.h"
#include "controls/PageSetupDialog.h"

#include <QFileInfo>
#include <QPrintDialog>
#include <QPrinter>
#include <QPrinterInfo>

namespace zavik {

bool PrintDocument(QWidget* Parent, const TPrintJob& Job, const TAskFileName& Ask,
                   const std::function<bool(QPrinter&)>& Draw) {
  TPageSettings settings = TPageSettings::Program();
  if (Job.Orientation) settings.Orientation = *Job.Orientation;
  QPrinter printer(QPrinter::HighResolution);
  printer.setDocName(Job.Title);
  QString pdf;
  if (QPrinterInfo::availablePrinters().isEmpty()) {
    pdf = Ask(QStringLiteral("Print to PDF File"), QStringLiteral("PDF (*.pdf)"), QStringLiteral("pdf"), true);
    if (pdf.isEmpty()) return false;
    PreparePrinter(settings, printer, pdf);
  } else {
    PreparePrinter(settings, printer);
    QPrintDialog dialog(&printer, Parent);
    if (dialog.exec() != QDialog::Accepted) return false;
    if (printer.outputFormat() == QPrinter::PdfFormat) pdf = printer.outputFileName();
  }
  const bool printed = Draw(printer) && (pdf.isEmpty() || QFileInfo(pdf).size() > 0);
  if (!printed)
    ShowInformation(Parent, pdf.isEmpty() ? Job.What + QStringLiteral(" could not be printed.")
                                          : Job.What + QStringLiteral(" could not be printed to \"%1\".").arg(pdf));
  return printed;
}

QRect PrintableArea(const QPrinter& Printer) {
  QPageLayout layout = Printer.pageLayout();
  layout.setMode(QPageLayout::StandardMode);  // a full-page printer paints its whole paper
  layout.setMargins(layout.minimumMargins());
  return layout.paintRectPixels(Printer.resolution());
}

}  // namespace zavik
