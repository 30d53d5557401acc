// A small program for looking at the plots (not installed): loads a ".kqp"
// file into the eighteen plots and opens plots in a window with a child-window
// area, as the main window's Graphics menu does.
//   plot_viewer FILE.kqp [--units 1|2] [--plot NAME]... [--pdf OUT.pdf]
//               [--bmp OUT.bmp WIDTH HEIGHT PPI] [--quit]
//               [--amplitude UNITS CGX CGY CGZ] [--size WIDTH HEIGHT]
//               [--arrange cascade|tile]
// Without --plot it opens the four impedance plots and the two response plots.
// --size sets the window's size (1200 x 900 otherwise), --arrange cascades
// or tiles the plots once they are open.
// --pdf prints the last opened plot to a PDF file (where no printer is
// installed; with one, the print dialog asks), --bmp saves it as a bitmap;
// --quit ends after that. --amplitude shows the amplitude dialog for a
// project in UNITS (1 feet, 2 metres) with that centre of gravity.
#include "plots/AmpPlotDialog.h"
#include "plots/PlotForm.h"
#include "plots/ResultPlots.h"

#include <QApplication>
#include <QFile>
#include <QImage>
#include <QMainWindow>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QTimer>

#include <cstdio>
#include <cstdlib>

using namespace zavik;

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  const QStringList args = app.arguments();
  if (args.size() < 2) {
    std::fprintf(stderr, "usage: plot_viewer FILE.kqp [--units 1|2] [--plot NAME]... [--pdf OUT.pdf] "
                         "[--bmp OUT.bmp WIDTH HEIGHT PPI] [--quit]\n");
    return 2;
  }
  int units = 2;
  QStringList names;
  QString pdf, bmp;
  int width = 0, height = 0, ppi = 0;
  bool quit = false;
  bool amplitude = false;
  QSize size(1200, 900);
  QString arrange;
  TAmplitudeProject project;
  for (int i = 2; i < args.size(); ++i) {
    if (args[i] == QLatin1String("--units") && i + 1 < args.size()) units = args[++i].toInt();
    else if (args[i] == QLatin1String("--plot") && i + 1 < args.size()) names << args[++i];
    else if (args[i] == QLatin1String("--pdf") && i + 1 < args.size()) pdf = args[++i];
    else if (args[i] == QLatin1String("--bmp") && i + 4 < args.size()) {
      bmp = args[++i];
      width = args[++i].toInt();
      height = args[++i].toInt();
      ppi = args[++i].toInt();
    } else if (args[i] == QLatin1String("--size") && i + 2 < args.size()) {
      size.setWidth(args[++i].toInt());
      size.setHeight(args[++i].toInt());
    } else if (args[i] == QLatin1String("--arrange") && i + 1 < args.size()) {
      arrange = args[++i];
    } else if (args[i] == QLatin1String("--quit")) {
      quit = true;
    } else if (args[i] == QLatin1String("--amplitude") && i + 4 < args.size()) {
      amplitude = true;
      project.Units = args[++i].toInt();
      project.CG.X = std::strtold(qPrintable(args[++i]), nullptr);
      project.CG.Y = std::strtold(qPrintable(args[++i]), nullptr);
      project.CG.Z = std::strtold(qPrintable(args[++i]), nullptr);
    }
  }
  if (names.isEmpty())
    names = QStringList{QStringLiteral("pltRealKXX"), QStringLiteral("pltRealKPPX"), QStringLiteral("pltDampCXX"),
                        QStringLiteral("pltDampCPPX"), QStringLiteral("pltDxyzR"), QStringLiteral("pltMxyzR")};

  TResultPlots plots;
  if (!plots.LoadPlotFile(args[1], units)) std::fprintf(stderr, "plot_viewer: %s not read completely\n", qPrintable(args[1]));
  if (amplitude) {
    TDlgAmpPlot dialog(plots);
    return dialog.ShowModalFor(project) == QDialog::Accepted ? 0 : 1;
  }

  QMainWindow window;
  window.setWindowTitle(QStringLiteral("ZAVIK 3.0.15 - plots of ") + args[1]);
  auto* area = new QMdiArea;
  window.setCentralWidget(area);
  window.resize(size);
  window.show();
  TPlotForm* last = nullptr;
  for (const QString& name : names) {
    if (TGraphPlot* plot = plots.ByName(name)) last = ShowPlot(*plot, area);
    else std::fprintf(stderr, "plot_viewer: no plot %s\n", qPrintable(name));
  }

  if (arrange == QLatin1String("cascade")) area->cascadeSubWindows();
  else if (arrange == QLatin1String("tile")) area->tileSubWindows();

  int status = 0;
  QTimer::singleShot(500, [&] {
    if (last && !pdf.isEmpty()) {
      // The window's own command, on the program's page set-up; the PDF
      // file is named here instead of in the save dialog.
      QFile::remove(pdf);
      last->AskFileName = [&](const QString&, const QString&, const QString&, bool) { return pdf; };
      last->PrintClick();
      if (!QFile::exists(pdf)) status = 1;
    }
    if (last && !bmp.isEmpty()) {
      QImage image(width, height, QImage::Format_RGB32);
      if (!last->SaveBitmap(bmp, image, ppi)) status = 1;
    }
    if (quit) app.exit(status);
  });
  return app.exec();
}
