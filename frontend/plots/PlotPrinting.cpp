#include "plots/PlotPrinting.h"

#include "plots/PlotMessages.h"

#include <QFileDialog>
#include <QFileInfo>
#include <QPrintDialog>
#include <QPrinter>
#include <QPrinterInfo>

#include <algorithm>

namespace zavik {

void ApplyPageSettings(QPrinter& Printer, const TPageMargins& Margins) {
  QPageLayout layout = Printer.pageLayout();
  layout.setMode(QPageLayout::StandardMode);  // no margin inside the unprintable border
  layout.setUnits(QPageLayout::Inch);
  const QMarginsF least = layout.minimumMargins();
  layout.setMargins(QMarginsF(std::max(Margins.Left / 1000.0, least.left()),
                              std::max(Margins.Top / 1000.0, least.top()),
                              std::max(Margins.Right / 1000.0, least.right()),
                              std::max(Margins.Bottom / 1000.0, least.bottom())));
  Printer.setPageLayout(layout);
}

QString AskFileNameWithDialog(QWidget* Parent, const QString& Caption, const QString& Filter,
                              const QString& Suffix, bool ConfirmOverwrite) {
  QFileDialog dialog(Parent, Caption, QString(), Filter);
  dialog.setAcceptMode(QFileDialog::AcceptSave);
  dialog.setDefaultSuffix(Suffix);
  dialog.setOption(QFileDialog::DontConfirmOverwrite, !ConfirmOverwrite);
  if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return {};
  return dialog.selectedFiles().constFirst();
}

void PrintPicture(QWidget* Parent, const QString& Title, const TPageMargins& Margins,
                  std::optional<QPageLayout::Orientation> Orientation, const TAskFileName& Ask,
                  const std::function<bool(QPrinter&)>& Draw) {
  QPrinter printer(QPrinter::HighResolution);
  printer.setDocName(Title);
  if (Orientation) printer.setPageOrientation(*Orientation);
  ApplyPageSettings(printer, Margins);
  QString pdf;
  if (QPrinterInfo::availablePrinters().isEmpty()) {
    pdf = Ask(QStringLiteral("Print to PDF File"), QStringLiteral("PDF (*.pdf)"), QStringLiteral("pdf"), true);
    if (pdf.isEmpty()) return;
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(pdf);
  } else {
    QPrintDialog dialog(&printer, Parent);
    if (dialog.exec() != QDialog::Accepted) return;
    if (printer.outputFormat() == QPrinter::PdfFormat) pdf = printer.outputFileName();
  }
  const bool printed = Draw(printer) && (pdf.isEmpty() || QFileInfo(pdf).size() > 0);
  if (!printed)
    Inform(Parent, pdf.isEmpty() ? QStringLiteral("The plot could not be printed.")
                                 : QStringLiteral("The plot could not be printed to \"%1\".").arg(pdf));
}

}  // namespace zavik
