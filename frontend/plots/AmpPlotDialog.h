#pragma once
// TDlgAmpPlot, "Footing Amplitude Plot": the harmonic response of the
// footing at a reference point of the user's choice, carried from the centre
// of gravity by the rigid-body rule (AmplitudeData.h), in feet or metres, with
// show and hide per direction, a read-out of the cursor and of a clicked
// point, export to a text file and printing. Its chart draws through the plot
// window's own drawing path.

#include "controls/SaveFiles.h"
#include "plots/AmplitudeData.h"
#include "plots/PlotGeometry.h"

#include <QDialog>
#include <QWidget>

#include <array>
#include <vector>

class QCheckBox;
class QLabel;
class QPrinter;
class QPushButton;
class QRadioButton;

namespace zavik {

class TDataEdit;
class TProgramData;
class TResultPlots;

// What the dialog reads of the project: its unit system (1 English, 2 SI)
// and the centre of gravity in the project's length unit.
struct TAmplitudeProject {
  int Units = 2;
  TPoint3 CG;
};

// The chart: three series against frequency with markers, each shown or
// hidden, a legend, the cursor's values and a click on a point.
class TAmpChart : public QWidget {
  Q_OBJECT

public:
  static const char* const SeriesTitles[3];  // "X-Dir", "Y-Dir", "Z-dir"

  explicit TAmpChart(QWidget* Parent = nullptr);

  // New series and their visibility; the axes are scaled to them.
  void SetSeries(const std::array<std::vector<TFloatPoint>, 3>& Series, const std::array<bool, 3>& Visible,
                 const QString& LeftTitle);
  const std::array<std::vector<TFloatPoint>, 3>& Series() const { return FSeries; }
  const TPlotRange& Range() const { return FRange; }
  const TPlotLayout& Layout() const { return FLayout; }
  QString LeftTitle() const;
  // The page of a printer.
  bool PrintTo(QPrinter& Printer);

signals:
  // "(x,y)" while the cursor is over the axes, empty elsewhere.
  void CursorText(const QString& Text);
  // A click on point Index (0-based) of a shown series.
  void SeriesClicked(int Series, int Index);

protected:
  void paintEvent(QPaintEvent*) override;
  void resizeEvent(QResizeEvent*) override;
  void mouseMoveEvent(QMouseEvent*) override;
  void mousePressEvent(QMouseEvent*) override;

private:
  void Draw(QPainter& P, const TPlotLayout& L);

  TGraphPlot FChart;
  std::array<std::vector<TFloatPoint>, 3> FSeries;
  TPlotRange FRange;
  TPlotLayout FLayout;
};

class TDlgAmpPlot : public QDialog {
  Q_OBJECT

public:
  // Reads the response plots pltDxyzR and pltMxyzR of Plots.
  explicit TDlgAmpPlot(TResultPlots& Plots, QWidget* Parent = nullptr);

  // Shows the dialog modally for the project.
  int ShowModalFor(const TAmplitudeProject& Project);
  int ShowModalFor(const TProgramData& Project);

  TAmpChart* Chart1;
  TDataEdit* DataEdit1;
  TDataEdit* DataEdit2;
  TDataEdit* DataEdit3;
  QPushButton* btnDefault;
  QPushButton* btnUpdate;
  QCheckBox* cbXDir;
  QCheckBox* cbYDir;
  QCheckBox* cbZDir;
  QPushButton* btnAll;
  QPushButton* btnUnselectAll;
  QPushButton* btnOnly[3];
  QRadioButton* rbEnglish;
  QRadioButton* rbSI;
  QRadioButton* rbDisplacement;
  QRadioButton* rbRotation;
  QRadioButton* rbLandscape;
  QRadioButton* rbPortrait;
  QPushButton* btnGo;
  QPushButton* btnExport;
  QPushButton* btnClose;
  QLabel* lblReadout;

  // The unit system the reference-point entries hold their values in.
  int DisplayUnits = 2;
  // Asks for the export and PDF file names; replaceable for unattended runs.
  TAskFileName AskFileName;

  void BuildPlot();
  void DefaultClick();
  void UnitsClick();
  void ExportClick();
  void GoClick();
  void Chart1ClickSeries(int Series, int Index);
  // The text of the export file for what the chart shows.
  QStringList ExportLines() const;

protected:
  void showEvent(QShowEvent* Event) override;

private:
  // Clears the read-out and resets the units and the reference point to the
  // project's C.G.: once each time the dialog is shown, not on every
  // activation, so that closing its own message boxes keeps the user's point.
  void FormShow();
  int ShownUnits() const;
  long double UnitFactor() const;
  void SetEntryUnits(int Units);

  TResultPlots* FPlots;
  TAmplitudeProject FProject;
  TPoint3 FReference;  // the point of the last build, in the shown unit
};

}  // namespace zavik
