#pragma once
// Printing and file names for the plot windows: the page set-up of a print,
// the print itself (through the print dialog, or into a PDF file where no
// printer is installed), and the question for a file name to write.

#include "views/PagePlacement.h"

#include <QPageLayout>
#include <QString>

#include <functional>
#include <optional>

class QPrinter;
class QWidget;

namespace zavik {

// Sets the printer's page up for a plot: the margins (TPageMargins, in
// thousandths of an inch, shared with the views), kept at least as wide as
// the printer's unprintable border. The program's page set-up settings are
// applied here.
void ApplyPageSettings(QPrinter& Printer, const TPageMargins& Margins);

// Asks for the name of a file to write (Caption, Filter, default Suffix),
// asking before an existing file is overwritten when ConfirmOverwrite; empty
// when the user cancels.
using TAskFileName = std::function<QString(const QString& Caption, const QString& Filter, const QString& Suffix,
                                           bool ConfirmOverwrite)>;
// The save dialog.
QString AskFileNameWithDialog(QWidget* Parent, const QString& Caption, const QString& Filter,
                              const QString& Suffix, bool ConfirmOverwrite);

// Prints one page titled Title: through the print dialog when a printer is
// installed, else into the PDF file that Ask names. Draw paints the page and
// tells whether the printer took it. A failed print is told to the user; a
// cancelled one does nothing.
void PrintPicture(QWidget* Parent, const QString& Title, const TPageMargins& Margins,
                  std::optional<QPageLayout::Orientation> Orientation, const TAskFileName& Ask,
                  const std::function<bool(QPrinter&)>& Draw);

}  // namespace zavik
