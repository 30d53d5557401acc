#include "plots/AmpPlotDialog.h"

#include "core/ProgramData.h"
#include "controls/DataEdit.h"
#include "controls/Messages.h"
#include "controls/NumberFormat.h"
#include "controls/Printing.h"
#include "plots/PlotPainter.h"
#include "plots/ResultPlots.h"

#include <QApplication>
#include <QCheckBox>
#include <QFile>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QMessageBox>
#include <QMouseEvent>
#include <QPainter>
#include <QPrinter>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include <cmath>
#include <limits>

namespace zavik {

const char* const TAmpChart::SeriesTitles[3] = {"X-Dir", "Y-Dir", "Z-dir"};

namespace {

// Numbers of the read-outs: general format with 6 significant digits.
QString ReadoutNumber(long double V) { return FloatToStrF(V, 6, 2); }

}  // namespace

TAmpChart::TAmpChart(QWidget* Parent) : QWidget(Parent) {
  setMouseTracking(true);
  setMinimumSize(320, 240);
  setAttribute(Qt::WA_OpaquePaintEvent);
  FChart.XOnTop = false;
  FChart.XCaption = QStringLiteral("Frequency (Hz)");
  FChart.YCaption = QStringLiteral("Amplitude (L)");
  FChart.SetLineCount(3);
  for (int k = 0; k < 3; ++k) FChart.Line(k).Name = QLatin1String(SeriesTitles[k]);
  FRange = AutoScale(FChart.Curves);
}

QString TAmpChart::LeftTitle() const { return FChart.YCaption; }

void TAmpChart::SetSeries(const std::array<std::vector<TFloatPoint>, 3>& Series, const std::array<bool, 3>& Visible,
                          const QString& LeftTitle) {
  FSeries = Series;
  FChart.YCaption = LeftTitle;
  FChart.SetPointCount(0);
  FChart.SetPointCount(int(Series[0].size()));
  for (int k = 0; k < 3; ++k) {
    TLine& line = FChart.Line(k);
    line.SetPointCount(int(Series[std::size_t(k)].size()));
    for (int i = 0; i < line.PointCount(); ++i) line.GetPoint(i) = Series[std::size_t(k)][std::size_t(i)];
    line.Shown = Visible[std::size_t(k)];
  }
  FRange = AutoScale(FChart.Curves);
  update();
}

void TAmpChart::Draw(QPainter& P, const TPlotLayout& L) {
  TPlotView view;
  view.Range = {FRange, FRange, FRange};
  view.Legend = LegendEntries(FChart);
  // The legend in the graph's top-right corner.
  view.WindowSize = QSize(L.Page.Width(), L.Page.Height());
  view.LegendRect = QRect(L.Page.Width(), L.Plot.Top + L.PPIy / 16, 0, 0);
  TPlotLayout layout = L;
  layout.LegendBox = true;
  DrawPlot(P, FChart, layout, view);
}

void TAmpChart::paintEvent(QPaintEvent*) {
  Guarded(this, [&] {
    QPainter p(this);
    Draw(p, FLayout);
  });
}

void TAmpChart::resizeEvent(QResizeEvent*) {
  FLayout = ScreenLayout(FChart, width(), height(), logicalDpiX(), logicalDpiY());
}

bool TAmpChart::PrintTo(QPrinter& Printer) {
  QPainter painter;
  if (!painter.begin(&Printer)) return false;
  const QRect page = Printer.pageRect(QPrinter::DevicePixel).toRect();
  Draw(painter, PrinterLayout(FChart, {0, 0, page.width(), page.height()}, Printer.resolution(),
                              Printer.resolution()));
  return painter.end();
}

void TAmpChart::mouseMoveEvent(QMouseEvent* E) {
  Guarded(this, [&] {
    const QPoint at = E->position().toPoint();
    if (!FLayout.Plot.Contains(at)) {
      emit CursorText(QString());
      return;
    }
    const TFloatPoint w = ScreenToWorld(FLayout.Plot, FRange, false, at);
    emit CursorText(QLatin1Char('(') + ReadoutNumber(w.X) + QLatin1Char(',') + ReadoutNumber(w.Y) + QLatin1Char(')'));
  });
}

void TAmpChart::mousePressEvent(QMouseEvent* E) {
  Guarded(this, [&] {
    if (E->button() != Qt::LeftButton) return;
    const QPoint at = E->position().toPoint();
    // The nearest point of a shown series within a marker's reach.
    const int reach = std::max(4, FLayout.PPIx / 32 + 1);
    int best = reach * reach + 1, series = -1, index = -1;
    for (int k = 0; k < 3; ++k) {
      if (!FChart.Line(k).Shown) continue;
      const auto& s = FSeries[std::size_t(k)];
      for (std::size_t i = 0; i < s.size(); ++i) {
        const QPoint p = WorldToScreen(FLayout.Plot, FRange, false, s[i].X, s[i].Y);
        const int d = (p - at).x() * (p - at).x() + (p - at).y() * (p - at).y();
        if (d < best) {
          best = d;
          series = k;
          index = int(i);
        }
      }
    }
    if (series >= 0) emit SeriesClicked(series, index);
  });
}

TDlgAmpPlot::TDlgAmpPlot(TResultPlots& Plots, QWidget* Parent) : QDialog(Parent), FPlots(&Plots) {
  setWindowTitle(QStringLiteral("Footing Amplitude Plot"));
  AskFileName = SaveDialogBeside(this, [this] { return FPlots->pltDxyzR.DataFile; }, QStringLiteral("amplitude"));

  Chart1 = new TAmpChart;
  lblReadout = new QLabel;
  connect(Chart1, &TAmpChart::CursorText, lblReadout, &QLabel::setText);
  connect(Chart1, &TAmpChart::SeriesClicked, this,
          [this](int Series, int Index) { Guarded(this, [&] { Chart1ClickSeries(Series, Index); }); });

  auto guarded = [this](auto Handler) { return [this, Handler] { Guarded(this, Handler); }; };
  auto rebuild = guarded([this] { BuildPlot(); });

  auto* reference = new QGroupBox(QStringLiteral("Reference Point"));
  auto* referenceGrid = new QGridLayout(reference);
  TDataEdit** entries[3] = {&DataEdit1, &DataEdit2, &DataEdit3};
  const char* names[3] = {"X", "Y", "Z"};
  for (int k = 0; k < 3; ++k) {
    auto* label = new QLabel;
    auto* entry = new TDataEdit;
    entry->SetEditLabel(label);
    entry->SetCaption(QLatin1String(names[k]));
    // Feet or metres, as the unit system of the entries says.
    entry->SetUnitsString(QStringLiteral("L2"));
    referenceGrid->addWidget(label, k, 0);
    referenceGrid->addWidget(entry, k, 1);
    // A text that does not evaluate yet keeps the last graph.
    connect(entry, &QLineEdit::textEdited, this, rebuild);
    *entries[k] = entry;
  }
  btnDefault = new QPushButton(QStringLiteral("Default (C.G.)"));
  btnUpdate = new QPushButton(QStringLiteral("Update Graph"));
  referenceGrid->addWidget(btnDefault, 3, 0, 1, 2);
  referenceGrid->addWidget(btnUpdate, 4, 0, 1, 2);
  connect(btnDefault, &QPushButton::clicked, this, guarded([this] { DefaultClick(); }));
  connect(btnUpdate, &QPushButton::clicked, this, rebuild);

  auto* view = new QGroupBox(QStringLiteral("View Options"));
  auto* viewGrid = new QGridLayout(view);
  QCheckBox** boxes[3] = {&cbXDir, &cbYDir, &cbZDir};
  const char* dirs[3] = {"X dir", "Y dir", "Z dir"};
  for (int k = 0; k < 3; ++k) {
    *boxes[k] = new QCheckBox(QLatin1String(dirs[k]));
    (*boxes[k])->setChecked(true);
    connect(*boxes[k], &QCheckBox::clicked, this, rebuild);
    btnOnly[k] = new QPushButton(QStringLiteral("Only"));
    viewGrid->addWidget(*boxes[k], k, 0);
    viewGrid->addWidget(btnOnly[k], k, 1);
    connect(btnOnly[k], &QPushButton::clicked, this, guarded([this, k] {
              cbXDir->setChecked(k == 0);
              cbYDir->setChecked(k == 1);
              cbZDir->setChecked(k == 2);
              BuildPlot();
            }));
  }
  btnAll = new QPushButton(QStringLiteral("All"));
  btnUnselectAll = new QPushButton(QStringLiteral("Unselect All"));
  viewGrid->addWidget(btnAll, 3, 0);
  viewGrid->addWidget(btnUnselectAll, 3, 1);
  auto checkAll = [this](bool On) {
    for (QCheckBox* b : {cbXDir, cbYDir, cbZDir}) b->setChecked(On);
    BuildPlot();
  };
  connect(btnAll, &QPushButton::clicked, this, guarded([checkAll] { checkAll(true); }));
  connect(btnUnselectAll, &QPushButton::clicked, this, guarded([checkAll] { checkAll(false); }));

  auto radioGroup = [](const QString& Title, QRadioButton*& First, const QString& FirstText, QRadioButton*& Second,
                       const QString& SecondText) {
    auto* group = new QGroupBox(Title);
    auto* layout = new QVBoxLayout(group);
    First = new QRadioButton(FirstText);
    Second = new QRadioButton(SecondText);
    layout->addWidget(First);
    layout->addWidget(Second);
    return group;
  };
  QGroupBox* units = radioGroup(QStringLiteral("Units"), rbEnglish, QStringLiteral("English Units (ft)"), rbSI,
                                QStringLiteral("SI Units (m)"));
  QGroupBox* type = radioGroup(QStringLiteral("Type"), rbDisplacement, QStringLiteral("Displacement"), rbRotation,
                               QStringLiteral("Rotation"));
  QGroupBox* printing = radioGroup(QStringLiteral("Printing"), rbLandscape, QStringLiteral("LandScape"),
                                   rbPortrait, QStringLiteral("Portrait"));
  rbDisplacement->setChecked(true);
  rbPortrait->setChecked(true);
  rbSI->setChecked(true);
  for (QRadioButton* r : {rbEnglish, rbSI}) connect(r, &QRadioButton::clicked, this, guarded([this] { UnitsClick(); }));
  for (QRadioButton* r : {rbDisplacement, rbRotation}) connect(r, &QRadioButton::clicked, this, rebuild);
  btnGo = new QPushButton(QStringLiteral("Go"));
  printing->layout()->addWidget(btnGo);
  connect(btnGo, &QPushButton::clicked, this, guarded([this] { GoClick(); }));

  btnExport = new QPushButton(QStringLiteral("Export Data"));
  btnClose = new QPushButton(QStringLiteral("CLOSE"));
  connect(btnExport, &QPushButton::clicked, this, guarded([this] { ExportClick(); }));
  connect(btnClose, &QPushButton::clicked, this, &QDialog::accept);
  for (QPushButton* b : findChildren<QPushButton*>()) b->setAutoDefault(false);

  auto* side = new QVBoxLayout;
  for (QWidget* w : std::initializer_list<QWidget*>{reference, view, units, type, printing}) side->addWidget(w);
  side->addStretch();
  side->addWidget(btnExport);
  side->addWidget(btnClose);
  auto* left = new QVBoxLayout;
  left->addWidget(Chart1, 1);
  left->addWidget(lblReadout);
  auto* layout = new QHBoxLayout(this);
  layout->addLayout(left, 1);
  layout->addLayout(side);
  SetEntryUnits(2);
  resize(1000, 680);
}

int TDlgAmpPlot::ShowModalFor(const TAmplitudeProject& Project) {
  FProject = Project;
  return exec();
}

int TDlgAmpPlot::ShowModalFor(const TProgramData& Project) {
  return ShowModalFor(TAmplitudeProject{Code(Project.Units), {Project.CGX, Project.CGY, Project.CGZ}});
}

void TDlgAmpPlot::showEvent(QShowEvent* Event) {
  QDialog::showEvent(Event);
  if (!Event->spontaneous()) Guarded(this, [this] { FormShow(); });
}

void TDlgAmpPlot::FormShow() {
  // A point clicked in an earlier showing, perhaps of another project, is
  // not on this chart.
  lblReadout->clear();
  DisplayUnits = FProject.Units == EnglishSystem ? EnglishSystem : SISystem;
  (DisplayUnits == EnglishSystem ? rbEnglish : rbSI)->setChecked(true);
  SetEntryUnits(DisplayUnits);
  DataEdit1->SetNumber(FProject.CG.X);
  DataEdit2->SetNumber(FProject.CG.Y);
  DataEdit3->SetNumber(FProject.CG.Z);
  BuildPlot();
}

int TDlgAmpPlot::ShownUnits() const { return rbEnglish->isChecked() ? EnglishSystem : SISystem; }

long double TDlgAmpPlot::UnitFactor() const { return AmplitudeUnitFactor(ShownUnits(), FProject.Units); }

void TDlgAmpPlot::SetEntryUnits(int Units) {
  for (TDataEdit* e : {DataEdit1, DataEdit2, DataEdit3}) e->SetUnits(Units);
}

void TDlgAmpPlot::BuildPlot() {
  TPoint3 reference;
  try {
    reference = {DataEdit1->Number(), DataEdit2->Number(), DataEdit3->Number()};
  } catch (const Exception&) {
    return;  // an entry being typed that does not evaluate yet
  }
  FReference = reference;
  const bool rotation = rbRotation->isChecked();
  QString title = QStringLiteral("Rotational Amplitude (rad)");
  if (!rotation)
    title = rbEnglish->isChecked() ? QStringLiteral("Translational Amplitude (ft)")
                                   : QStringLiteral("Translational Amplitude (m)");
  const long double f = UnitFactor();
  const TPoint3 cg{FProject.CG.X, FProject.CG.Y, FProject.CG.Z};
  Chart1->SetSeries(AmplitudeCurves(FPlots->pltDxyzR, FPlots->pltMxyzR, reference, cg, f, rotation),
                    {cbXDir->isChecked(), cbYDir->isChecked(), cbZDir->isChecked()}, title);
}

void TDlgAmpPlot::DefaultClick() {
  const long double f = UnitFactor();
  DataEdit1->SetNumber(FProject.CG.X * f);
  DataEdit2->SetNumber(FProject.CG.Y * f);
  DataEdit3->SetNumber(FProject.CG.Z * f);
  BuildPlot();
}

void TDlgAmpPlot::UnitsClick() {
  const int u = ShownUnits();
  SetEntryUnits(u);
  if (u != DisplayUnits) {
    for (TDataEdit* e : {DataEdit1, DataEdit2, DataEdit3}) {
      try {
        e->SetNumber(u == 2 ? e->Number() * MetresPerFoot : e->Number() / MetresPerFoot);
      } catch (const Exception&) {
        // A text that does not evaluate stays as typed.
      }
    }
    DisplayUnits = u;
  }
  BuildPlot();
}

void TDlgAmpPlot::Chart1ClickSeries(int Series, int Index) {
  const auto& s = Chart1->Series();
  if (Series < 0 || Series > 2 || Index < 0 || std::size_t(Index) >= s[std::size_t(Series)].size()) return;
  const QString title = QLatin1String(TAmpChart::SeriesTitles[Series]);
  lblReadout->setText(QStringLiteral(" Clicked Series: ") + title + QStringLiteral(" at point: ") +
                      QString::number(Index));
  const long double f = UnitFactor();
  const std::size_t n = std::size_t(Index);
  auto value = [&](int Plot, int Curve) {
    const TGraphPlot& p = Plot == 0 ? FPlots->pltDxyzR : FPlots->pltMxyzR;
    return Curve < p.LineCount() && Index < p.Line(Curve).PointCount() ? p.Point(Curve, Index).Y : 0.0L;
  };
  QStringList lines;
  lines << title << QStringLiteral("Point: ") + QString::number(Index)
        << QStringLiteral("Freq: ") + ReadoutNumber(s[std::size_t(Series)][n].X);
  const char* axes[3] = {"X: ", "Y: ", "Z: "};
  for (int k = 0; k < 3; ++k)
    lines << QLatin1String(axes[k]) + (n < s[std::size_t(k)].size() ? ReadoutNumber(s[std::size_t(k)][n].Y) : QString());
  const char* centre[3] = {"Xo: ", "Yo: ", "Zo: "};
  for (int k = 0; k < 3; ++k) lines << QLatin1String(centre[k]) + ReadoutNumber(value(0, k) * f);
  const char* rotations[3] = {"Rx: ", "Ry: ", "Rz: "};
  for (int k = 0; k < 3; ++k) lines << QLatin1String(rotations[k]) + ReadoutNumber(value(1, k));
  ShowInformation(this, lines.join(QLatin1Char('\n')));
}

QStringList TDlgAmpPlot::ExportLines() const {
  return AmplitudeExportLines(Chart1->Series(), FReference, rbEnglish->isChecked(), rbRotation->isChecked());
}

void TDlgAmpPlot::ExportClick() {
  // No default extension; the question before overwriting is the dialog's own.
  const QString name =
      AskFileName(QStringLiteral("Export Data"), QStringLiteral("Text files (*.txt *.TXT)"), QString(), false);
  if (name.isEmpty()) return;
  if (QFile::exists(name) &&
      QMessageBox::question(this, QStringLiteral("Confirm"),
                            QStringLiteral("File already exists, do you want to overwrite it?"),
                            QMessageBox::Yes | QMessageBox::No) != QMessageBox::Yes)
    return;
  QApplication::setOverrideCursor(Qt::WaitCursor);
  const bool written = WriteAmplitudeFile(name, ExportLines());
  QApplication::restoreOverrideCursor();
  if (!written) ShowInformation(this, QStringLiteral("The amplitude data could not be written to \"%1\".").arg(name));
}

void TDlgAmpPlot::GoClick() {
  const auto orientation = rbPortrait->isChecked() ? QPageLayout::Portrait : QPageLayout::Landscape;
  PrintDocument(this, {windowTitle(), orientation, QStringLiteral("The chart")}, AskFileName,
                [this](QPrinter& Printer) { return Chart1->PrintTo(Printer); });
}

}  // namespace zavik
