// Opens project tables in their editor windows, to be looked at on a screen:
//   table_editor_look [D|TLoadtype|Pilecoord|MassCal] [english] [nested] [comments] [rows=N]
// D holds 25 soil layers, TLoadtype three loads whose nested amplitude tables
// open from their buttons ("nested" opens the second one), "comments" gives
// the table a comment and a picture. Not a test: it runs until its windows
// close.
#include "core/ProgramData.h"
#include "controls/TableForm.h"
#include "controls/TableWindows.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QPainter>
#include <QTimer>

using namespace zavik;

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  TTableWindowHost windows;
  TProjectTables tables;
  TProgramData project(tables);
  tables.SetTableWindows(&windows);
  const QStringList args = app.arguments();
  if (args.contains(QStringLiteral("english"))) project.ConvertUnits(TUnits::English);

  tables.D->SetRowCount(25);
  for (int r = 0; r < 25; ++r) {
    tables.D->Cells(0, r)->SetFloat(150 + 10 * r);
    tables.D->Cells(1, r)->SetFloat(18.5L);
    tables.D->Cells(2, r)->SetFloat(0.35L);
    tables.D->Cells(3, r)->SetFloat(0.05L);
    tables.D->Cells(4, r)->SetFloat(0.5L);
  }
  tables.TLoadtype->SetRowCount(3);
  for (int r = 0; r < 3; ++r) tables.TLoadtype->Cells(0, r)->SetInteger(r * 2 + 1);
  TGridTable* amplitudes = tables.TLoadtype->Cells(1, 1)->AsTable();
  amplitudes->SetRowCount(4);
  for (int r = 0; r < 4; ++r) amplitudes->Cells(0, r)->SetFloat(12.5L * r);
  tables.Pilecoord->SetRowCount(6);
  for (int r = 0; r < 6; ++r) {
    tables.Pilecoord->Cells(0, r)->SetFloat(r % 3 * 1.2L);
    tables.Pilecoord->Cells(1, r)->SetFloat(r / 3 * 1.2L);
    tables.Pilecoord->Cells(3, r)->SetInteger(r % 2 + 1);
  }

  const QString name = args.size() > 1 ? args[1] : QStringLiteral("D");
  TGridTable* table = tables.TableByName(name);
  if (!table) return 2;
  if (args.contains(QStringLiteral("comments"))) {
    table->SetComments(QStringLiteral(
        "Weak Zone Shear Moduli Ratio is suggested to be: 0.25 to 0.50 for machine foundations,\n"
        "less than 0.25 for seismic response; 1 means no reduction."));
    QImage picture(240, 90, QImage::Format_RGB32);
    picture.fill(Qt::white);
    QPainter p(&picture);
    p.setPen(QPen(Qt::darkBlue, 2));
    for (int i = 0; i < 4; ++i) p.drawLine(10, 15 + 20 * i, 230, 15 + 20 * i);
    p.drawText(QRect(0, 0, 240, 90), Qt::AlignCenter, QStringLiteral("soil layers"));
    p.end();
    table->SetHelpPicture(picture);
  }
  for (const QString& a : args)
    if (a.startsWith(QLatin1String("rows="))) table->SetRowCount(a.mid(5).toInt());
  QElapsedTimer opening;
  opening.start();
  table->Show();
  qInfo("%s opened with %d rows in %lld ms", qPrintable(name), table->RowCount(), opening.elapsed());
  windows.FormOf(table)->move(20, 20);
  if (args.contains(QStringLiteral("nested")))
    QTimer::singleShot(300, [&] {
      TGridTable* nested = tables.TLoadtype->Cells(1, 1)->AsTable();
      nested->Show();
      windows.FormOf(nested)->move(20, 400);
    });
  return app.exec();
}
