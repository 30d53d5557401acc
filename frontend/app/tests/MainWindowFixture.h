#pragma once
// The main window under test: a fresh window on empty user settings, with a
// desktop that only records, and copies of the example decks in a scratch
// folder.
#include "FakeLauncher.h"
#include "MessageCatcher.h"
#include "ModalDriver.h"

#include "app/ChildForm.h"
#include "app/MainForm.h"
#include "app/ProgramDialogs.h"
#include "controls/TableForm.h"

#include <QAbstractItemView>
#include <QAction>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QLineEdit>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

namespace zavik {

inline const QString Examples = QStringLiteral(ZAV_EXAMPLES_DIR);
// The shipped example decks, one of each foundation system and load.
inline const char* const ExampleDecks[] = {"half-space-harmonic", "half-space-transient", "half-space-random",
                                    "stratum-rectangular", "single-pile",          "pile-group",
                                    "pile-group-interaction", "pile-group-battered", "multilayer-column"};

// A test's name after its example deck, without the hyphens.
inline std::string DeckTestName(const ::testing::TestParamInfo<const char*>& Info) {
  return QString::fromLatin1(Info.param).remove(QLatin1Char('-')).toStdString();
}

// Chooses File in a file dialog and confirms it, as a user does who types the
// whole path into the file name box and presses its button. The dialog takes
// a file selected in its lists before the typed name, and what its lists
// hold depends on how far its file model has read the folder (a typed name
// replaces their selection only while the box has the focus): the lists'
// selections are cleared first, so that what is confirmed is the typed path
// whatever the model has read by now.
inline void Choose(QWidget* Dialog, const QString& File) {
  auto* d = qobject_cast<QFileDialog*>(Dialog);
  ASSERT_TRUE(d) << "no file dialog";
  auto* name = d->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
  ASSERT_TRUE(name) << "no file name box in the file dialog";
  for (QAbstractItemView* view : d->findChildren<QAbstractItemView*>()) view->clearSelection();
  name->setText(File);
  if (QFileInfo(File).isAbsolute()) {
    EXPECT_EQ(d->selectedFiles(), QStringList{File});
  }
  static_cast<QDialog*>(d)->accept();
}

inline QSettings UserSettings() { return QSettings(QSettings::UserScope, QStringLiteral("Kaventa"), QStringLiteral("ZAVIK")); }

// A child window of the project that edits nothing, standing in for an
// input window.
class TPlainForm : public TChildForm {
public:
  void FormActivate() override { ++Activations; }
  int Activations = 0;

protected:
  void StoreValues() override {}
};

class MainWindowTest : public ::testing::Test {
protected:
  void SetUp() override {
    ASSERT_TRUE(Dir.isValid());
    UserSettings().clear();
    OldFolder = QDir::currentPath();
    W = std::make_unique<TMainForm>();
    W->SetLauncher(&Launcher);
    W->show();
    QApplication::processEvents();
  }
  void TearDown() override {
    W.reset();
    QDir::setCurrent(OldFolder);
  }

  // A copy of an example deck (with its mass file) in the scratch folder.
  QString Example(const char* Stem, const char* As = nullptr) {
    const QString to = Dir.filePath(QLatin1String(As ? As : Stem));
    for (const char* ext : {".kqd", ".kqm"})
      EXPECT_TRUE(QFile::copy(Examples + QLatin1Char('/') + QLatin1String(Stem) + QLatin1String(ext),
                              to + QLatin1String(ext)));
    return to + QStringLiteral(".kqd");
  }
  QString Write(const char* Name, const QByteArray& Text) {
    QFile f(Dir.filePath(QLatin1String(Name)));
    EXPECT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(Text);
    return f.fileName();
  }
  static QByteArray Read(const QString& Name) {
    QFile f(Name);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
  }
  // Opens a menu as a click on the menu bar does, and closes it again.
  static void Open(QMenu* Menu) {
    Menu->popup(QPoint(0, 0));
    Menu->hide();
  }
  QList<QWidget*> Children() const {
    QList<QWidget*> out;
    for (QMdiSubWindow* s : W->MdiArea()->subWindowList(QMdiArea::CreationOrder))
      if (!s->isHidden()) out << s->widget();
    return out;
  }
  TGridTable* ShownTable() const {
    auto* form = qobject_cast<TTableForm*>(W->MdiArea()->activeSubWindow() ? W->MdiArea()->activeSubWindow()->widget()
                                                                          : nullptr);
    return form ? form->Table() : nullptr;
  }
  // The Data menu's items that open a window of this project: its input
  // windows and its tables, as the menu's rules offer them.
  std::vector<QAction*> WindowItems() {
    Open(W->DataMenu);
    std::vector<QAction*> items;
    const TProgramData& p = W->Project();
    QAction* harmonic = p.Quadratic == 1 ? W->Quadratic1 : W->NonQuadratic1;
    for (QAction* a : {W->DataTitle, W->OptionofFoundationSystem1, W->OptionofFoundationShape1,
                       W->PileCapShapeDimension1, W->FootingMassParameters1, W->FoundationDimensionandConstants1,
                       W->FoundationLayer1, W->PilecapDimension1, W->PileCoordinates1, W->PileProperties1,
                       W->PileGroupArrangement1, W->SoilLayerCoordinates1, W->SoilDataBelowFoundationTip1,
                       W->Sidesoilpilecap1, W->SoilLayerBelowFoundation1, harmonic, W->TransientLoadingData1,
                       W->RandomLoadingData1, W->OptionsControl})
      if (a->isEnabled() && (a != harmonic || W->HarmonicLoadingData1->isEnabled())) items.push_back(a);
    return items;
  }
  void WireAllInputWindows() {
    for (int k = TMainForm::Layout; k < TMainForm::ChildKinds; ++k)
      W->SetChildFactory(TMainForm::TChildKind(k), [] { return new TPlainForm; });
  }
  // Runs the analysis of the open project and waits for the engine.
  void RunAnalysis(testing::TMessageCatcher& Messages) {
    W->CompRun->trigger();
    ASSERT_TRUE(W->Run().Busy());
    EXPECT_TRUE(W->DlgRunAnalysis()->isVisible());
    EXPECT_EQ(QApplication::activeModalWidget(), W->DlgRunAnalysis());
    QTRY_VERIFY_WITH_TIMEOUT(!W->Run().Busy() && !Messages.Messages.isEmpty(), 300000);
    EXPECT_FALSE(W->DlgRunAnalysis()->isVisible());
  }

  QTemporaryDir Dir;
  QString OldFolder;
  TFakeLauncher Launcher;
  std::unique_ptr<TMainForm> W;
};

}  // namespace zavik
