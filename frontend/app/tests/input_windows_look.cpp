// Shows input windows in an MDI area, to be looked at on a screen:
//   input_windows_look <window>... [english] [deck=<file.kqd>]
// window: Foundations, Tipsoil, Multimat, Massdata, NCPileProperties,
// harmonic, Quad, transient, random, Layout, Shape, CPileProperties. The
// project is a new one, or the deck given; "english" switches it to English
// units. Not a test: it runs until its window closes.
#include "app/ChildForm.h"
#include "app/FoundationForms.h"
#include "app/LoadingForms.h"
#include "app/MassForms.h"
#include "core/ProgramData.h"
#include "app/SystemForms.h"
#include "controls/TableWindows.h"

#include <QApplication>
#include <QMainWindow>
#include <QMdiArea>
#include <QMdiSubWindow>

#include <functional>
#include <map>
#include <memory>

using namespace zavik;

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  QMainWindow main;
  auto* area = new QMdiArea;
  main.setCentralWidget(area);
  main.resize(1260, 980);
  new TChildActivation(area);
  TTableWindowHost windows;
  windows.SetMdiArea(area);
  TProjectTables tables;
  tables.SetTableWindows(&windows);
  std::unique_ptr<TProgramData> project = std::make_unique<TProgramData>(tables);
  const QStringList args = app.arguments();
  for (const QString& a : args)
    if (a.startsWith(QLatin1String("deck="))) {
      QString message;
      project = TProgramData::CreateFromFile(tables, a.mid(5), message);
      if (!message.isEmpty()) qWarning("%s", qPrintable(message));
    }
  if (args.contains(QStringLiteral("english"))) project->ConvertUnits(TUnits::English);
  TProjectAccessor accessor = [&] { return project.get(); };

  const std::map<QString, std::function<TChildForm*()>> kinds{
      {QStringLiteral("Foundations"), [&] { return new TfrmFoundations(accessor); }},
      {QStringLiteral("Tipsoil"), [&] { return new TfrmTipsoil(accessor); }},
      {QStringLiteral("Multimat"), [&] { return new TfrmMultimat(accessor); }},
      {QStringLiteral("Massdata"), [&] { return new TfrmMassdata(accessor); }},
      {QStringLiteral("NCPileProperties"), [&] { return new TfrmNCPileProperties(accessor); }},
      {QStringLiteral("harmonic"), [&] { return new Tfrmharmonic(accessor); }},
      {QStringLiteral("Quad"), [&] { return new TfrmQuad(accessor); }},
      {QStringLiteral("transient"), [&] { return new Tfrmtransient(accessor); }},
      {QStringLiteral("random"), [&] { return new Tfrmrandom(accessor); }},
      {QStringLiteral("Layout"), [&] { return new TfrmLayout(accessor); }},
      {QStringLiteral("Shape"), [&] { return new TfrmShape(accessor); }},
      {QStringLiteral("CPileProperties"), [&] { return new TfrmCPileProperties(accessor); }}};
  main.show();
  // The windows side by side, row after row.
  QPoint at(5, 5);
  int rowHeight = 0;
  for (const QString& a : args.mid(1)) {
    const auto kind = kinds.find(a);
    if (kind == kinds.end()) continue;
    QMdiSubWindow* sub = area->addSubWindow(kind->second(), ChildWindowFlags);
    sub->setAttribute(Qt::WA_DeleteOnClose);
    sub->show();
    sub->adjustSize();
    if (at.x() > 5 && at.x() + sub->width() > area->width()) at = QPoint(5, at.y() + rowHeight + 5);
    sub->move(at);
    at.rx() += sub->width() + 5;
    rowHeight = std::max(rowHeight, sub->height());
  }
  return app.exec();
}
