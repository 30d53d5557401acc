#pragma once
// Printing of the foundation views: the one place where a view's printer gets
// the program's page settings. Until the program keeps the user's page
// set-up, the printer's own defaults serve; with no printer installed, the
// view prints to a PDF file beside the project.

#include "views/PagePlacement.h"

#include <QPageLayout>
#include <QString>

class QPrinter;

namespace zavik {

// Prepares Printer for a view's document. FileStem names the PDF file used
// when no printer is installed ("<project folder>/<project stem>-<FileStem>.pdf").
void SetupViewPrinter(QPrinter& Printer, const QString& DocumentName, QPageLayout::Orientation Orientation,
                      const QString& ProjectFile, const QString& FileStem);

// Margins from and to a page layout.
TPageMargins MarginsOf(const QPageLayout& Layout);
void ApplyMargins(QPrinter& Printer, const TPageMargins& Margins);

}  // namespace zavik
