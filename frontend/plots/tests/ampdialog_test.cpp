// The amplitude dialog driven as a user drives it while it is shown modally:
// units, view options, the cursor and click read-outs, export.
#include "ModalDriver.h"

#include "controls/DataEdit.h"
#include "plots/AmpPlotDialog.h"
#include "plots/ResultPlots.h"

#include <QCheckBox>
#include <QFile>
#include <QLabel>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

#include <functional>

namespace zavik {
namespace {

class AmpDialogTest : public ::testing::Test {
protected:
  // Five frequencies 1 .. 5 Hz; translations 0.001 k, rotations 0.0001 k
  // for direction k = 1, 2, 3.
  void SetUp() override {
    for (TGraphPlot* p : {&Plots.pltDxyzR, &Plots.pltMxyzR}) {
      p->SetLineCount(3);
      p->SetPointCount(5);
    }
    for (int k = 0; k < 3; ++k)
      for (int i = 0; i < 5; ++i) {
        Plots.pltDxyzR.Point(k, i) = {static_cast<long double>(i + 1), 0.001L * (k + 1)};
        Plots.pltMxyzR.Point(k, i) = {static_cast<long double>(i + 1), 0.0001L * (k + 1)};
      }
  }

  // Shows the dialog modally for a project in feet (or in Units) with its
  // C.G. at (1, 2, 3) and runs Steps on it while it is open.
  void Run(const std::function<void(TDlgAmpPlot&)>& Steps, int Units = 1) {
    Driver.Then([&](QWidget* W) {
      auto* d = qobject_cast<TDlgAmpPlot*>(W);
      ASSERT_NE(d, nullptr);
      Steps(*d);
      d->accept();
    });
    Dialog.ShowModalFor(TAmplitudeProject{Units, {1, 2, 3}});
    EXPECT_TRUE(Driver.Done());
  }

  TResultPlots Plots;
  TDlgAmpPlot Dialog{Plots};
  TModalDriver Driver;
};

TEST_F(AmpDialogTest, OpensAtTheCentreOfGravityInTheProjectsUnits) {
  Run([](TDlgAmpPlot& d) {
    EXPECT_EQ(d.windowTitle(), QStringLiteral("Footing Amplitude Plot"));
    EXPECT_TRUE(d.rbEnglish->isChecked());
    EXPECT_EQ(d.DataEdit3->text(), QStringLiteral("3"));
    EXPECT_EQ(d.Chart1->LeftTitle(), QStringLiteral("Translational Amplitude (ft)"));
    ASSERT_EQ(d.Chart1->Series()[1].size(), 5u);
    EXPECT_DOUBLE_EQ(double(d.Chart1->Series()[1][4].Y), 0.002);
    d.rbRotation->click();
    EXPECT_EQ(d.Chart1->LeftTitle(), QStringLiteral("Rotational Amplitude (rad)"));
    EXPECT_DOUBLE_EQ(double(d.Chart1->Series()[2][0].Y), 0.0003);
  });
}

TEST_F(AmpDialogTest, SwitchingUnitsConvertsTheEntriesOnce) {
  Run([](TDlgAmpPlot& d) {
    d.rbSI->click();
    EXPECT_EQ(d.DisplayUnits, 2);
    EXPECT_EQ(d.DataEdit2->Number(), 2 * 0.3048L);
    EXPECT_EQ(d.Chart1->LeftTitle(), QStringLiteral("Translational Amplitude (m)"));
    // At the C.G. the curve is the translation in metres.
    EXPECT_NEAR(double(d.Chart1->Series()[0][0].Y), 0.001 * 0.3048, 1e-15);
    d.rbSI->click();  // already checked: no second conversion
    EXPECT_EQ(d.DataEdit2->Number(), 2 * 0.3048L);
    d.rbEnglish->click();
    EXPECT_NEAR(double(d.DataEdit2->Number()), 2, 1e-15);
  });
}

QString ReferenceLabels(TDlgAmpPlot& d) {
  QStringList texts;
  for (TDataEdit* e : {d.DataEdit1, d.DataEdit2, d.DataEdit3}) texts << e->EditLabel()->text();
  return texts.join(QLatin1Char(' '));
}

TEST_F(AmpDialogTest, ReferencePointLabelsNameTheLengthUnitOfAProjectInFeet) {
  Run([&](TDlgAmpPlot& d) {
    EXPECT_EQ(ReferenceLabels(d), QStringLiteral("X (ft) Y (ft) Z (ft)"));
    d.rbSI->click();
    EXPECT_EQ(ReferenceLabels(d), QStringLiteral("X (m) Y (m) Z (m)"));
  });
}

TEST_F(AmpDialogTest, ReferencePointLabelsNameTheLengthUnitOfAProjectInMetres) {
  Run(
      [&](TDlgAmpPlot& d) {
        EXPECT_EQ(ReferenceLabels(d), QStringLiteral("X (m) Y (m) Z (m)"));
        d.rbEnglish->click();
        EXPECT_EQ(ReferenceLabels(d), QStringLiteral("X (ft) Y (ft) Z (ft)"));
        EXPECT_NEAR(double(d.DataEdit1->Number()), 1 / 0.3048, 1e-12);
      },
      2);
}

TEST_F(AmpDialogTest, TheUsersPointSurvivesTheDialogsOwnMessageBoxes) {
  QString message;
  Run([&](TDlgAmpPlot& d) {
    d.DataEdit3->clear();
    QTest::keyClicks(d.DataEdit3, QStringLiteral("4"));  // one foot above the C.G.
    // Dy = 0.002 + 1(0.0001): the point is clicked, its box closed.
    Driver.ThenMessage(message);
    d.Chart1ClickSeries(1, 0);
    EXPECT_EQ(d.DataEdit3->text(), QStringLiteral("4"));
    EXPECT_NEAR(double(d.Chart1->Series()[1][0].Y), 0.0021, 1e-15);
    EXPECT_EQ(d.lblReadout->text(), QStringLiteral(" Clicked Series: Y-Dir at point: 0"));
  });
  EXPECT_EQ(message, QStringLiteral("Y-Dir\nPoint: 0\nFreq: 1\nX: 0.0008\nY: 0.0021\nZ: 0.003\n"
                                    "Xo: 0.001\nYo: 0.002\nZo: 0.003\nRx: 0.0001\nRy: 0.0002\nRz: 0.0003"));
}

TEST_F(AmpDialogTest, OnlyAndAllSetTheShownDirections) {
  Run([](TDlgAmpPlot& d) {
    d.btnOnly[1]->click();
    EXPECT_FALSE(d.cbXDir->isChecked());
    EXPECT_TRUE(d.cbYDir->isChecked());
    EXPECT_FALSE(d.cbZDir->isChecked());
    d.btnUnselectAll->click();
    EXPECT_FALSE(d.cbYDir->isChecked());
    d.btnAll->click();
    EXPECT_TRUE(d.cbXDir->isChecked() && d.cbYDir->isChecked() && d.cbZDir->isChecked());
  });
}

TEST_F(AmpDialogTest, ClickingAPointOfAShownSeriesReadsItOut) {
  QString message;
  Run([&](TDlgAmpPlot& d) {
    d.btnOnly[2]->click();
    const TPlotLayout& L = d.Chart1->Layout();
    const auto& z = d.Chart1->Series()[2];
    const QPoint at = WorldToScreen(L.Plot, d.Chart1->Range(), false, z[3].X, z[3].Y);
    QTest::mouseMove(d.Chart1, at);
    EXPECT_TRUE(d.lblReadout->text().startsWith(QLatin1Char('(')));
    Driver.ThenMessage(message);
    QTest::mouseClick(d.Chart1, Qt::LeftButton, {}, at);
    EXPECT_EQ(d.lblReadout->text(), QStringLiteral(" Clicked Series: Z-dir at point: 3"));
    QTest::mouseMove(d.Chart1, QPoint(2, 2));
    EXPECT_TRUE(d.lblReadout->text().isEmpty());
  });
  EXPECT_TRUE(message.startsWith(QStringLiteral("Z-dir\nPoint: 3\nFreq: 4\n")));
}

// The read-out of a clicked point belongs to the showing it was clicked in:
// the dialog shown again, for this project or another, starts without it.
TEST_F(AmpDialogTest, AClickedPointIsForgottenWhenTheDialogIsShownAgain) {
  QString message;
  Run([&](TDlgAmpPlot& d) {
    Driver.ThenMessage(message);
    d.Chart1ClickSeries(0, 2);
    EXPECT_EQ(d.lblReadout->text(), QStringLiteral(" Clicked Series: X-Dir at point: 2"));
  });
  Run([](TDlgAmpPlot& d) { EXPECT_EQ(d.lblReadout->text(), QString()); }, 2);
}

TEST_F(AmpDialogTest, ExportAsksBeforeOverwritingAndLabelsRotations) {
  QTemporaryDir dir;
  const QString name = dir.filePath(QStringLiteral("amp.txt"));
  Dialog.AskFileName = [&](const QString&, const QString& Filter, const QString& Suffix, bool Confirm) {
    EXPECT_TRUE(Filter.contains(QStringLiteral("*.txt")));
    EXPECT_TRUE(Suffix.isEmpty());
    EXPECT_FALSE(Confirm);
    return name;
  };
  auto lines = [&] {
    QFile f(name);
    return f.open(QIODevice::ReadOnly) ? QString::fromLatin1(f.readAll()).split(QStringLiteral("\r\n")) : QStringList();
  };
  Run([&](TDlgAmpPlot& d) {
    d.ExportClick();
    ASSERT_EQ(lines().size(), 4 + 5 + 1);
    EXPECT_EQ(lines()[2], QStringLiteral("n,Frequency,Disp_x,Disp_y,Disp_z"));
    EXPECT_TRUE(lines()[4].startsWith(QStringLiteral("1, 1.00000000000000E+0000, 1.00000000000000E-0003,")));
    d.rbRotation->click();
    QString question;
    Driver.Then([&](QWidget* W) {
      auto* box = qobject_cast<QMessageBox*>(W);
      ASSERT_NE(box, nullptr);
      question = box->text();
      box->button(QMessageBox::No)->click();
    });
    d.ExportClick();
    EXPECT_EQ(question, QStringLiteral("File already exists, do you want to overwrite it?"));
    EXPECT_EQ(lines()[2], QStringLiteral("n,Frequency,Disp_x,Disp_y,Disp_z"));
    Driver.Then([](QWidget* W) { qobject_cast<QMessageBox*>(W)->button(QMessageBox::Yes)->click(); });
    d.ExportClick();
    EXPECT_EQ(lines()[2], QStringLiteral("n,Frequency,Rot_x,Rot_y,Rot_z"));
    EXPECT_EQ(lines()[3], QStringLiteral(",Hz,rad,rad,rad"));
  });
}

}  // namespace
}  // namespace zavik
