#pragma once
// The program's printing: every window prints one page through PrintDocument,
// on a printer prepared from the program's page set-up (PageSetupDialog.h).
// With a printer installed the print dialog asks where it goes; without one
// the page is written to a PDF file whose name the user gives in the save
// dialog.

#include "controls/SaveFiles.h"

#include <QPageLayout>
#include <QString>

#include <functional>
#include <optional>

class QPrinter;
class QWidget;

namespace zavik {

struct TPrintJob {
  QString Title;  // the document's name, the print job's title
  // The page's orientation when the window prints it one way; otherwise the
  // one of the page set-up.
  std::optional<QPageLayout::Orientation> Orientation;
  QString What = QStringLiteral("The page");  // what could not be printed, in the message
};

// Prints one page of Job with the program's page settings: through the print
// dialog when a printer is installed, else into the PDF file that Ask names.
// Draw paints the page and tells whether the printer took it. A failed print
// is told to the user; a cancelled one does nothing. True when printed.
bool PrintDocument(QWidget* Parent, const TPrintJob& Job, const TAskFileName& Ask,
                   const std::function<bool(QPrinter&)>& Draw);

// The part of the paper a printer can print on, in device pixels from the
// paper's top-left corner: the paper without the printer's unprintable
// border, whatever the page margins.
QRect PrintableArea(const QPrinter& Printer);

}  // namespace zavik
