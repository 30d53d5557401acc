#pragma once
// TPageSetupDialog: the page set-up dialog for the current printer, on the
// program's page settings (or others given to it). Its margins are read and
// written in the unit its options choose (1/100 mm or 1/1000 inch), never
// below their minimums. What the user accepts -- paper, orientation, margins
// -- is kept in the settings, for the program's printing.
//
// PreparePrinter sets a printer up from page settings; with no printer
// installed, the printer writes a PDF file.

#include "controls/PageSettings.h"

#include <QString>

class QPrinter;
class QWidget;

namespace zavik {

class TPageSetupDialog {
public:
  explicit TPageSetupDialog(TPageSettings& Settings = TPageSettings::Program())
      : FSettings(Settings) {}

  TPageOptions Options() const { return FOptions; }
  void SetOptions(TPageOptions Value) { FOptions = ResolvePageOptions(FOptions, Value); }

  // In the unit of the options.
  int Margin(TPageSettings::TEdge Edge) const;
  void SetMargin(TPageSettings::TEdge Edge, int Value);
  int MinMargin(TPageSettings::TEdge Edge) const;
  void SetMinMargin(TPageSettings::TEdge Edge, int Value);
  int MarginLeft() const { return Margin(TPageSettings::Left); }
  void SetMarginLeft(int Value) { SetMargin(TPageSettings::Left, Value); }
  int MarginTop() const { return Margin(TPageSettings::Top); }
  void SetMarginTop(int Value) { SetMargin(TPageSettings::Top, Value); }
  int MarginRight() const { return Margin(TPageSettings::Right); }
  void SetMarginRight(int Value) { SetMargin(TPageSettings::Right, Value); }
  int MarginBottom() const { return Margin(TPageSettings::Bottom); }
  void SetMarginBottom(int Value) { SetMargin(TPageSettings::Bottom, Value); }

  // The paper's length and width as the last accepted dialog returned them.
  int PaperLength() const { return FPaperLength; }
  int PaperWidth() const { return FPaperWidth; }

  // Runs the dialog, centred on the screen; true when the user accepted.
  bool Execute(QWidget* Parent = nullptr);

  TPageSettings& Settings() const { return FSettings; }

private:
  int ToUnits(double Millimetres) const;
  double ToMillimetres(int Value) const;

  TPageSettings& FSettings;
  TPageOptions FOptions = kDefaultPageOptions;
  int FPaperLength = 0;
  int FPaperWidth = 0;
};

// Sets the printer up from the settings: paper, orientation and the margins,
// each at least the printer's unprintable border. Without an installed
// printer it writes the PDF file PdfFileName. The program's windows print
// through PrintDocument (Printing.h), which asks for that name.
void PreparePrinter(const TPageSettings& Settings, QPrinter& Printer,
                    const QString& PdfFileName = QString());

}  // namespace zavik
