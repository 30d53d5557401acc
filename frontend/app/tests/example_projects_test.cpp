// A project of each foundation system built from a new project through the
// input windows and the table editor alone, as an engineer would enter the
// matching example deck, saved and run: the engine's report is the one it
// writes for the example deck.
#include "InputWindows.h"

#include "core/AnalysisRun.h"
#include "app/FoundationForms.h"
#include "app/LoadingForms.h"
#include "app/MassForms.h"
#include "app/SystemForms.h"
#include "controls/TableForm.h"

#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>
#include <QSignalSpy>
#include <QTemporaryDir>

#include <initializer_list>

namespace zavik {
namespace {

using namespace testing;

const QString Examples = QStringLiteral(ZAV_EXAMPLES_DIR);

QByteArray FileBytes(const QString& Name) {
  QFile f(Name);
  return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

// The run's date and time and the folder of its files are the only bytes
// that differ between two runs of one deck in two folders.
QByteArray WithoutRunTimeAndFolder(QByteArray Report, const QString& Folder) {
  static const QRegularExpression stamp(QStringLiteral("(RUN DATE -|TIME     -)  [0-9:-]+"));
  return QString::fromLatin1(Report)
      .replace(stamp, QStringLiteral("\\1  (time)"))
      .replace(Folder, QStringLiteral("(folder)"))
      .toLatin1();
}

// A cell of a table: its text, the item of a choice (from 1), or the rows of
// its nested table.
struct TCell {
  TCell(const char* Text) : Text(QLatin1String(Text)) {}
  TCell(int Item) : Item(Item) {}
  TCell(std::initializer_list<const char*> Rows) {
    for (const char* r : Rows) Nested.append(QLatin1String(r));
  }
  QString Text;
  int Item = 0;
  QStringList Nested;
};
using TRows = QList<QList<TCell>>;

class ExampleProjectTest : public InputWindowsTest {
public:
  // The user types into boxes of a window and closes it.
  template <class F>
  F* Enter(std::initializer_list<std::pair<TDataEdit* F::*, const char*>> Values) {
    F* form = Open<F>();
    for (const auto& [box, text] : Values) Type(form->*box, QLatin1String(text));
    return form;
  }
  void Close(QWidget* Form) { EXPECT_TRUE(SubWindowOf(Form)->close()); }

  // The user opens a table from its menu item, gives it its rows and types
  // them, then closes it.
  void FillTable(TGridTable* Table, const TRows& Rows) {
    Table->Show();
    Pause();
    TTableForm* form = Windows.FormOf(Table);
    ASSERT_NE(form, nullptr);
    while (Table->RowCount() < Rows.size()) QTest::mouseClick(form->BtnAdd(), Qt::LeftButton);
    TTableGrid* grid = form->Grid();
    for (int r = 0; r < Rows.size(); ++r)
      for (int c = 0; c < Rows[r].size(); ++c) {
        const TCell& cell = Rows[r][c];
        const QModelIndex index = grid->model()->index(r, c);
        if (auto* choice = qobject_cast<QComboBox*>(grid->indexWidget(index))) {
          choice->setFocus(Qt::TabFocusReason);
          while (choice->currentIndex() < cell.Item - 1) QTest::keyClick(choice, Qt::Key_Down);
        } else if (auto* button = qobject_cast<QPushButton*>(grid->indexWidget(index))) {
          QTest::mouseClick(button, Qt::LeftButton);
          Pause();
          TGridTable* nested = Table->Cells(Table->IndexOfColumn(Table->VisibleColumns(c)), r)->AsTable();
          ASSERT_NE(nested, nullptr);
          TRows rows;
          for (const QString& v : cell.Nested) rows.append({TCell(qPrintable(v))});
          FillTable(nested, rows);
        } else {
          // A click on the cell, on its editor where one is open; a click on
          // the current cell opens its editor once it is no double click.
          const bool current = grid->currentIndex() == index;
          const QPoint at = grid->visualRect(index).center();
          QWidget* target = grid->viewport()->childAt(at);
          if (!target) target = grid->viewport();
          QTest::mouseClick(target, Qt::LeftButton, {}, target->mapFrom(grid->viewport(), at));
          if (current) QTest::qWait(QApplication::doubleClickInterval() + 50);
          TypeCell(cell.Text);
        }
      }
    Pause();
    EXPECT_TRUE(SubWindowOf(form)->close());
    Pause();
  }
  // The foundation system, chosen in its window by the first letters.
  void ChooseSystem(const char* Letters) {
    auto* layout = Open<TfrmLayout>();
    layout->ComboBox1->setFocus();
    QTest::keyClicks(layout->ComboBox1, QLatin1String(Letters));
    Close(layout);
  }

  // Saves the project beside a copy of the example and runs both: the
  // reports are alike but for the time of the run and the folder, the plot
  // data alike.
  void ExpectTheExamplesReport(const char* Stem) {
    ASSERT_TRUE(Folder.isValid());
    QDir root(Folder.path());
    ASSERT_TRUE(root.mkpath(QStringLiteral("windows")) && root.mkpath(QStringLiteral("example")));
    const QString stem = QLatin1String(Stem);
    Project->FileName = root.filePath(QStringLiteral("windows/") + stem + QStringLiteral(".kqd"));
    Project->SaveToFile();
    for (const char* ext : {".kqd", ".kqm"})
      ASSERT_TRUE(QFile::copy(Examples + QLatin1Char('/') + stem + QLatin1String(ext),
                              root.filePath(QStringLiteral("example/") + stem + QLatin1String(ext))));
    QByteArray reports[2], plots[2];
    int i = 0;
    for (const char* which : {"windows", "example"}) {
      const QString deck = root.filePath(QLatin1String(which) + QLatin1Char('/') + stem + QStringLiteral(".kqd"));
      TAnalysisRun run;
      QSignalSpy finished(&run, &TAnalysisRun::Finished);
      ASSERT_TRUE(run.Start(deck));
      ASSERT_TRUE(finished.wait(300000));
      EXPECT_EQ(finished.at(0).at(0).toInt(), 0) << which;
      reports[i] = WithoutRunTimeAndFolder(FileBytes(run.ReportFile()), root.filePath(QLatin1String(which)));
      plots[i++] = FileBytes(run.PlotFile());
    }
    EXPECT_FALSE(reports[1].isEmpty());
    EXPECT_FALSE(plots[1].isEmpty());
    EXPECT_EQ(plots[0], plots[1]);
    if (reports[0] != reports[1]) {
      // Where the decks part, to show what was entered otherwise.
      const QList<QByteArray> mine = FileBytes(Project->FileName).split('\n');
      const QList<QByteArray> theirs = FileBytes(root.filePath(QStringLiteral("example/") + stem + ".kqd")).split('\n');
      for (int l = 0; l < std::min(mine.size(), theirs.size()) && !theirs[l].startsWith("RUN"); ++l)
        if (mine[l].trimmed() != theirs[l].trimmed()) {
          ADD_FAILURE() << "deck line " << l + 1 << ": \"" << mine[l].trimmed().toStdString() << "\" where the example has \""
                        << theirs[l].trimmed().toStdString() << "\"";
          break;
        }
      Folder.setAutoRemove(false);
      FAIL() << "the reports differ; both runs are kept in " << root.path().toStdString();
    }
  }
  QTemporaryDir Folder;
};

using F = TfrmFoundations;
using S = TfrmShape;
using M = TMassForm;
using T = TfrmTipsoil;
using C = TfrmCPileProperties;

TEST_F(ExampleProjectTest, HalfSpace) {
  Project->Title = QStringLiteral("Wind-excited mast on a rectangular footing on a half-space");
  ChooseSystem("H");
  Close(Enter<S>({{&S::DataEdit2, "3"}, {&S::DataEdit3, "2"}}));
  Close(Enter<TfrmMassdata>({{&M::DataEdit1, "25"}, {&M::DataEdit2, "30"}, {&M::DataEdit3, "40"},
                             {&M::DataEdit4, "27"}}));
  Close(Enter<F>({{&F::DataEdit3, "1.2"}}));
  FillTable(Tables.D1, {{"0.8", "160", "17", "0.35", "0.05", "0.6"}});
  Close(Enter<T>({{&T::DataEdit1, "220"}, {&T::DataEdit2, "18"}, {&T::DataEdit3, "0.33"}, {&T::DataEdit4, "0.05"}}));
  Project->LoadType = TLoadType::Random;  // the Random Loading item of the Data menu
  using R = Tfrmrandom;
  auto* random = Enter<R>({{&R::DataEdit1, "125.6"}, {&R::DataEdit2, "6.28"}, {&R::DataEdit3, "20"},
                           {&R::DataEdit4, "600"}, {&R::DataEdit5, "2"}});
  Close(random);
  FillTable(Tables.Trandom,
            {{1, TCell{"4", "3.89189", "3.6", "3.2", "2.76923", "2.36066", "2", "1.69412", "1.44", "1.23077", "1.05882",
                       "0.917197", "0.8", "0.702439", "0.62069", "0.551724", "0.493151", "0.443077", "0.4",
                       "0.36272"}},
             {5, TCell{"25", "24.3243", "22.5", "20", "17.3077", "14.7541", "12.5", "10.5882", "9", "7.69231",
                       "6.61765", "5.73248", "5", "4.39024", "3.87931", "3.44828", "3.08219", "2.76923", "2.5",
                       "2.267"}}});
  ExpectTheExamplesReport("half-space-random");
}

TEST_F(ExampleProjectTest, Stratum) {
  Project->Title = QStringLiteral("Compressor on a rectangular footing on a stratum over rock");
  ChooseSystem("S");
  Close(Enter<S>({{&S::DataEdit2, "4"}, {&S::DataEdit3, "3"}}));
  Close(Enter<TfrmMassdata>({{&M::DataEdit1, "40"}, {&M::DataEdit2, "33.3"}, {&M::DataEdit3, "56.7"},
                             {&M::DataEdit4, "83.3"}}));
  Close(Enter<F>({{&F::DataEdit3, "0.6"}, {&F::DataEdit4, "0.5"}, {&F::DataEdit5, "8"}}));
  Close(Enter<T>({{&T::DataEdit1, "180"}, {&T::DataEdit2, "18"}, {&T::DataEdit3, "0.35"}, {&T::DataEdit4, "0.05"}}));
  Project->Quadratic = 1;  // the Quadratic item of the Data menu opens the window
  using Q = TfrmQuad;
  Close(Enter<Q>({{&Q::DataEdit1, "60"}, {&Q::DataEdit2, "5"}, {&Q::DataEdit3, "1"}, {&Q::DataEdit4, "0.002"},
                  {&Q::DataEdit6, "0.002"}, {&Q::DataEdit12, "0.4"}}));
  ExpectTheExamplesReport("stratum-rectangular");
}

TEST_F(ExampleProjectTest, PileGroup) {
  Project->Title = QStringLiteral("Compressor on four piles under an embedded cap, no interaction");
  ChooseSystem("P");
  Close(Enter<S>({{&S::DataEdit2, "4"}, {&S::DataEdit3, "4"}}));
  Close(Enter<TfrmNCPileProperties>({{&M::DataEdit5, "120"}, {&M::DataEdit6, "170"}, {&M::DataEdit7, "170"},
                                     {&M::DataEdit8, "320"}}));
  FillTable(Tables.Pilecoord, {{"-1.5", "-1.5"}, {"1.5", "-1.5"}, {"-1.5", "1.5"}, {"1.5", "1.5"}});
  auto* pile = Enter<C>({{&C::DataEdit3, "1"}, {&C::DataEdit4, "24"}, {&C::DataEdit5, "0.25"}, {&C::DataEdit6, "0.01"},
                         {&C::DataEdit7, "30000000"}, {&C::DataEdit8, "12"}, {&C::DataEdit9, "0.9"},
                         {&C::DataEdit10, "1200"}});
  pile->ComboBox3->setFocus();
  QTest::keyClicks(pile->ComboBox3, QStringLiteral("N"));
  Close(pile);
  const QList<TCell> element{"4", "0.3", "0.3", "0.28274334", "0.0063617251", "0.0063617251", "0.01272345"};
  FillTable(Tables.PileData, {element, element, element});
  FillTable(Tables.D, {{"120", "17", "0.4", "0.05", "1"}, {"160", "17.5", "0.4", "0.05", "1"},
                       {"200", "18", "0.4", "0.05", "1"}});
  Close(Enter<T>({{&T::DataEdit1, "350"}, {&T::DataEdit2, "19"}, {&T::DataEdit3, "0.3"}, {&T::DataEdit4, "0.05"}}));
  FillTable(Tables.pilecapsoil, {{"0.8", "110", "16.5", "0.35", "0.05"}});
  Project->Quadratic = 1;
  using Q = TfrmQuad;
  Close(Enter<Q>({{&Q::DataEdit1, "60"}, {&Q::DataEdit2, "2"}, {&Q::DataEdit3, "1"}, {&Q::DataEdit4, "0.004"},
                  {&Q::DataEdit6, "0.004"}, {&Q::DataEdit12, "0.6"}}));
  ExpectTheExamplesReport("pile-group");
}

TEST_F(ExampleProjectTest, Multilayer) {
  Project->Title = QStringLiteral("Machine on a stiffened soil column over soft layers");
  ChooseSystem("M");
  auto* shape = Open<S>();
  QTest::mouseClick(shape->RadioButton2, Qt::LeftButton);
  Type(shape->DataEdit1, QStringLiteral("1.5"));
  Close(shape);
  Close(Enter<TfrmMassdata>({{&M::DataEdit1, "40"}, {&M::DataEdit2, "30"}, {&M::DataEdit3, "30"},
                             {&M::DataEdit4, "45"}}));
  const QList<TCell> element{"1.2", "1.5", "1.5", "7.0685835", "3.9760782", "3.9760782", "7.9521564"};
  FillTable(Tables.MultiElement, {element, element, element, element, element});
  using U = TfrmMultimat;
  Close(Enter<U>({{&U::DataEdit3, "0.7"}, {&U::DataEdit4, "20"}, {&U::DataEdit5, "0.3"}, {&U::DataEdit6, "0.03"},
                  {&U::DataEdit7, "400000"}, {&U::DataEdit8, "6"}, {&U::DataEdit9, "0.85"},
                  {&U::DataEdit10, "500"}}));
  FillTable(Tables.D, {{"150", "17", "0.35", "0.05", "0.6"}, {"170", "17.5", "0.35", "0.05", "1"}});
  FillTable(Tables.Multisoil, {{"200", "18", "0.33", "0.04", "1.5"}, {"220", "18", "0.33", "0.04", "1.5"},
                               {"240", "18.5", "0.33", "0.04", "1.5"}});
  // The damping ratio of the soil column is a column the table does not show.
  for (int r = 0; r < 3; ++r) Tables.Multisoil->Cells(5, r)->SetFloat(0.8L);
  Close(Enter<T>({{&T::DataEdit1, "300"}, {&T::DataEdit2, "19"}, {&T::DataEdit3, "0.3"}, {&T::DataEdit4, "0.04"}}));
  using H = Tfrmharmonic;
  Close(Enter<H>({{&H::DataEdit1, "40"}, {&H::DataEdit2, "1"}, {&H::DataEdit3, "1"}, {&H::DataEdit4, "5"},
                  {&H::DataEdit6, "20"}}));
  ExpectTheExamplesReport("multilayer-column");
}

}  // namespace
}  // namespace zavik
