// A small program for looking at the foundation views of a project deck: an
// MDI window with the 3-D view, the two side views and the plan view, the 3-D
// view's tool bar and its "Show 3D View" menu, as the main window will place
// them. Not installed.
//
//   views_viewer DECK [--views 3d,xz,yz,top] [--size WxH] [--preset N]
//                [--option NAME]... [--bitmap FILE] [--pdf PREFIX] [--quit]
//
// --bitmap saves the 3-D view, --pdf prints each view to PREFIX-<view>.pdf,
// --quit ends the program once that is done; --option toggles a "Show 3D
// View" item by its caption.
#include "core/ProgramData.h"
#include "views/BlockView.h"
#include "views/SideView.h"
#include "views/TopView.h"

#include <QAction>
#include <QApplication>
#include <QCommandLineParser>
#include <QFile>
#include <QMainWindow>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenuBar>
#include <QTimer>
#include <QToolBar>

#include <cstdio>
#include <memory>

using namespace zavik;

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  QCommandLineParser parser;
  parser.addPositionalArgument(QStringLiteral("deck"), QStringLiteral("Project deck (.kqd)"));
  parser.addOption({QStringLiteral("views"), QStringLiteral("Views to open"), QStringLiteral("list"),
                    QStringLiteral("3d,xz,yz,top")});
  parser.addOption({QStringLiteral("size"), QStringLiteral("Main window size"), QStringLiteral("WxH"),
                    QStringLiteral("1200x900")});
  parser.addOption({QStringLiteral("preset"), QStringLiteral("Preset 3-D view"), QStringLiteral("N")});
  parser.addOption(
      {QStringLiteral("option"), QStringLiteral("Toggle a 3-D view item"), QStringLiteral("caption")});
  parser.addOption({QStringLiteral("bitmap"), QStringLiteral("Save the 3-D view"), QStringLiteral("file")});
  parser.addOption(
      {QStringLiteral("pdf"), QStringLiteral("Print every view to PDF"), QStringLiteral("prefix")});
  parser.addOption({QStringLiteral("quit"), QStringLiteral("Quit when done")});
  parser.process(app);
  if (parser.positionalArguments().isEmpty()) parser.showHelp(1);

  TProjectTables tables;
  QString message;
  std::unique_ptr<TProgramData> project;
  try {
    project = TProgramData::CreateFromFile(tables, parser.positionalArguments().first(), message);
  } catch (const Exception& E) {
    std::fprintf(stderr, "%s\n", qPrintable(E.Message()));
    return 1;
  }
  if (!message.isEmpty()) std::fprintf(stderr, "%s\n", qPrintable(message));
  const TProjectReader current = [&project] { return project.get(); };

  QMainWindow window;
  window.setWindowTitle(QStringLiteral("ZAVIK 3.0.15 - ") + project->FileName);
  const QStringList size = parser.value(QStringLiteral("size")).split(QLatin1Char('x'));
  window.resize(size.value(0).toInt(), size.value(1).toInt());
  auto* area = new QMdiArea;
  window.setCentralWidget(area);

  QList<QWidget*> views;
  TDlgBlock* block = nullptr;
  for (const QString& name : parser.value(QStringLiteral("views")).split(QLatin1Char(','))) {
    QWidget* view = nullptr;
    if (name == QLatin1String("3d")) view = block = new TDlgBlock(current);
    if (name == QLatin1String("xz")) view = new TDlgSideViewXZ(current);
    if (name == QLatin1String("yz")) view = new TDlgSideViewYZ(current);
    if (name == QLatin1String("top")) view = new TDlgTopView(current);
    if (!view) continue;
    view->setObjectName(name);
    QMdiSubWindow* sub = area->addSubWindow(view);
    sub->resize(560, 420);
    view->show();
    views << view;
  }
  area->tileSubWindows();

  if (block) {
    QToolBar* bar = window.addToolBar(QStringLiteral("3-D View"));
    for (QAction* a : block->ToolBarActions()) {
      if (a)
        bar->addAction(a);
      else
        bar->addSeparator();
    }
    QMenu* file = window.menuBar()->addMenu(QStringLiteral("&File"));
    file->addAction(block->SaveBitmapAction);
    file->addAction(block->PrintPageAction);
    file->addAction(block->PageSetupAction);
    QMenu* show = window.menuBar()->addMenu(QStringLiteral("Show 3D View"));
    for (QAction* a : block->ShowMenuActions()) {
      show->addAction(a);
      for (const QString& o : parser.values(QStringLiteral("option")))
        if (a->text() == o) a->trigger();
    }
    if (parser.isSet(QStringLiteral("preset")))
      block->SetView(parser.value(QStringLiteral("preset")).toInt());
  }
  window.show();

  QTimer::singleShot(500, &window, [&] {
    int status = 0;
    if (block && parser.isSet(QStringLiteral("bitmap"))) {
      QString error;
      if (!block->SaveBitmap(parser.value(QStringLiteral("bitmap")), error)) {
        std::fprintf(stderr, "%s\n", qPrintable(error));
        status = 1;
      }
    }
    if (parser.isSet(QStringLiteral("pdf"))) {
      // Each view's own print command, on the program's page set-up; the
      // PDF file is named here instead of in the save dialog (where no
      // printer is installed; with one, the print dialog asks).
      for (QWidget* v : views) {
        const QString file = parser.value(QStringLiteral("pdf")) + QLatin1Char('-') + v->objectName() +
                             QStringLiteral(".pdf");
        QFile::remove(file);
        const TAskFileName ask = [file](const QString&, const QString&, const QString&, bool) { return file; };
        if (auto* b = qobject_cast<TDlgBlock*>(v)) {
          b->AskFileName = ask;
          b->PrintButtonClick();
        }
        if (auto* w = qobject_cast<TViewWindow*>(v)) {
          w->AskFileName = ask;
          w->Button1Click();
        }
        if (!QFile::exists(file)) status = 1;
      }
    }
    if (parser.isSet(QStringLiteral("quit"))) QApplication::exit(status);
  });
  return app.exec();
}
