// The page set-up dialog over the program's page settings, and a printer
// prepared from them.
#include "controls/PageSetupDialog.h"

#include <QDoubleSpinBox>
#include <QFile>
#include <QPageSetupDialog>
#include <QPainter>
#include <QPrinter>
#include <QPrinterInfo>
#include <QRadioButton>
#include <QApplication>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

namespace zavik {
namespace {

TEST(PageSetupDialog, MarginsInTheUnitOfTheOptionsNeverBelowTheMinimums) {
  TPageSettings settings;
  TPageSetupDialog dialog(settings);
  dialog.SetMinMargin(TPageSettings::Left, 100);  // never above its margin (0)
  EXPECT_EQ(dialog.MinMargin(TPageSettings::Left), 0);
  dialog.SetMarginLeft(200);
  dialog.SetMinMargin(TPageSettings::Left, 300);
  EXPECT_EQ(dialog.MinMargin(TPageSettings::Left), 200);
  dialog.SetMinMargin(TPageSettings::Left, 100);
  dialog.SetMarginLeft(50);
  EXPECT_EQ(dialog.MarginLeft(), 100);
  // The same settings read in thousandths of an inch.
  dialog.SetOptions(dialog.Options() | poThousandthsOfInches);
  EXPECT_EQ(dialog.Options(), poDefaultMinMargins | poThousandthsOfInches);
  dialog.SetMarginTop(1000);
  EXPECT_DOUBLE_EQ(settings.Margin(TPageSettings::Top), 25.4);
  EXPECT_EQ(dialog.MarginLeft(), 39);  // 1 mm
}

TEST(PageSetupDialog, WhatTheUserAcceptsIsKeptForThePrinting) {
  TPageSettings settings;
  TPageSetupDialog dialog(settings);
  dialog.SetOptions(poDefaultMinMargins | poThousandthsOfInches);
  for (auto edge : {TPageSettings::Left, TPageSettings::Top, TPageSettings::Right,
                    TPageSettings::Bottom})
    dialog.SetMargin(edge, 1000);
  dialog.SetMinMargin(TPageSettings::Left, 500);
  bool shown = false;
  QTimer::singleShot(100, [&] {
    auto* window = qobject_cast<QPageSetupDialog*>(QApplication::activeModalWidget());
    if (!window) return;
    auto* left = window->findChild<QDoubleSpinBox*>(QStringLiteral("leftMargin"));
    auto* landscape = window->findChild<QRadioButton*>(QStringLiteral("landscape"));
    shown = left && landscape && qAbs(left->value() - 25.4) < 0.05;  // the margins it was given
    if (landscape) landscape->click();
    if (left) left->setValue(1);  // below the minimum of half an inch
    window->accept();
  });
  EXPECT_TRUE(dialog.Execute());
  EXPECT_TRUE(shown);
  EXPECT_EQ(settings.Orientation, QPageLayout::Landscape);
  EXPECT_EQ(dialog.MarginLeft(), 500);
  EXPECT_EQ(dialog.MarginTop(), 1000);
  EXPECT_GT(dialog.PaperWidth(), dialog.PaperLength());  // landscape
  // The next dialog starts from what was kept.
  QTimer::singleShot(100, [] {
    if (auto* window = QApplication::activeModalWidget()) window->close();
  });
  EXPECT_FALSE(dialog.Execute());
  EXPECT_EQ(settings.Orientation, QPageLayout::Landscape);
}

TEST(PreparePrinter, TakesTheSettingsAndWithoutAPrinterWritesAPdfFile) {
  TPageSettings settings;
  settings.Paper = QPageSize(QPageSize::Letter);
  settings.Orientation = QPageLayout::Landscape;
  settings.SetMargin(TPageSettings::Left, 25.4);
  QTemporaryDir folder;
  const QString file = folder.filePath(QStringLiteral("plot.pdf"));
  QPrinter printer;
  PreparePrinter(settings, printer, file);
  EXPECT_EQ(printer.pageLayout().pageSize().id(), QPageSize::Letter);
  EXPECT_EQ(printer.pageLayout().orientation(), QPageLayout::Landscape);
  EXPECT_NEAR(printer.pageLayout().margins(QPageLayout::Millimeter).left(), 25.4, 1e-6);
  if (!QPrinterInfo::availablePrinters().isEmpty()) GTEST_SKIP() << "a printer is installed";
  EXPECT_EQ(printer.outputFormat(), QPrinter::PdfFormat);
  {
    QPainter painter(&printer);
    ASSERT_TRUE(painter.isActive());
    painter.drawText(100, 100, QStringLiteral("ZAVIK"));
  }
  QFile pdf(file);
  ASSERT_TRUE(pdf.open(QIODevice::ReadOnly));
  EXPECT_TRUE(pdf.read(5) == "%PDF-");
}

}  // namespace
}  // namespace zavik
