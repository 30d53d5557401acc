#include "views/ViewPrinter.h"

#include <QDir>
#include <QFileInfo>
#include <QMarginsF>
#include <QPrinter>
#include <QPrinterInfo>

#include <cmath>

namespace zavik {

namespace {
constexpr double PerInch = 1000;  // margins are thousandths of an inch
}

void SetupViewPrinter(QPrinter& Printer, const QString& DocumentName, QPageLayout::Orientation Orientation,
                      const QString& ProjectFile, const QString& FileStem) {
  Printer.setDocName(DocumentName);
  Printer.setPageOrientation(Orientation);
  if (QPrinterInfo::availablePrinters().isEmpty()) {
    const QFileInfo project(ProjectFile);
    Printer.setOutputFormat(QPrinter::PdfFormat);
    Printer.setOutputFileName(project.absoluteDir().filePath(project.completeBaseName() + QLatin1Char('-') +
                                                             FileStem + QStringLiteral(".pdf")));
  }
}

TPageMargins MarginsOf(const QPageLayout& Layout) {
  const QMarginsF m = Layout.margins(QPageLayout::Inch);
  const auto thousandths = [](double Inches) { return int(std::lround(Inches * PerInch)); };
  return {thousandths(m.left()), thousandths(m.top()), thousandths(m.right()), thousandths(m.bottom())};
}

void ApplyMargins(QPrinter& Printer, const TPageMargins& Margins) {
  Printer.setPageMargins(QMarginsF(Margins.Left / PerInch, Margins.Top / PerInch, Margins.Right / PerInch,
                                   Margins.Bottom / PerInch),
                         QPageLayout::Inch);
}

}  // namespace zavik
