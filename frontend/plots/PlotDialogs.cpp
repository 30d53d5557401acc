#include "plots/PlotDialogs.h"

#include "controls/DataEdit.h"
#include "controls/Messages.h"
#include "plots/PlotPainter.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include <cmath>

namespace zavik {

namespace {

TDataEdit* AddEntry(QGridLayout* Grid, int Row, const QString& Caption, const QString& Units,
                    long double Value, long double Min) {
  auto* label = new QLabel;
  auto* entry = new TDataEdit;
  entry->SetEditLabel(label);
  entry->SetCaption(Caption);
  entry->SetUnitsString(Units);
  entry->SetMinVal(Min);
  entry->SetNumber(Value);
  Grid->addWidget(label, Row, 0);
  Grid->addWidget(entry, Row, 1);
  return entry;
}

QHBoxLayout* ButtonRow(std::initializer_list<QPushButton*> Buttons) {
  auto* row = new QHBoxLayout;
  row->addStretch();
  for (QPushButton* b : Buttons) row->addWidget(b);
  return row;
}

}  // namespace

TdlgFormat::TdlgFormat(QWidget* Parent) : QDialog(Parent) {
  setWindowTitle(QStringLiteral("Save Attributes"));
  setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::CustomizeWindowHint | Qt::WindowTitleHint);
  auto* grid = new QGridLayout;
  deHeight = AddEntry(grid, 0, QStringLiteral("&Height"), QStringLiteral("in"), 4, 2);
  deWidth = AddEntry(grid, 1, QStringLiteral("&Width"), QStringLiteral("in"), 6, 2);
  dePPI = AddEntry(grid, 2, QStringLiteral("&Pixels Per Inch"), QString(), 72, 10);
  dePPI->SetIntegerOnly(true);
  dePPI->SetMaxVal(MaxPixelsPerInch);

  // Offered, but the picture is always saved in true colour.
  auto* colours = new QGroupBox(QStringLiteral("Colors"));
  auto* colourLayout = new QVBoxLayout(colours);
  const char* names[5] = {"Black and White", "16 Colors", "256 Colors", "High Color (16 bit)",
                          "True Color (24 bit)"};
  for (int i = 0; i < 5; ++i) {
    rbColors[i] = new QRadioButton(QLatin1String(names[i]));
    colourLayout->addWidget(rbColors[i]);
  }
  rbColors[1]->setChecked(true);

  btnOK = new QPushButton(QStringLiteral("OK"));
  btnOK->setDefault(true);
  btnCancel = new QPushButton(QStringLiteral("Cancel"));
  connect(btnOK, &QPushButton::clicked, this, &TdlgFormat::btnOKClick);
  connect(btnCancel, &QPushButton::clicked, this, &QDialog::reject);

  auto* layout = new QVBoxLayout(this);
  layout->addLayout(grid);
  layout->addWidget(colours);
  layout->addLayout(ButtonRow({btnOK, btnCancel}));
  layout->setSizeConstraint(QLayout::SetFixedSize);
}

void TdlgFormat::btnOKClick() {
  if (!deHeight->Valid() || !deWidth->Valid() || !dePPI->Valid()) return;
  PPI = int(std::nearbyint(dePPI->Number()));
  const long double height = std::nearbyint(deHeight->Number() * PPI);
  const long double width = std::nearbyint(deWidth->Number() * PPI);
  Bitmap = QImage();
  if (height > MaxSide || width > MaxSide || height * width > MaxPixels) {
    done(Abort);
    return;
  }
  Bitmap = QImage(int(width), int(height), QImage::Format_RGB32);
  if (Bitmap.isNull()) {
    done(Abort);
    return;
  }
  const int dotsPerMeter = int(std::lround(PPI / 0.0254));
  Bitmap.setDotsPerMeterX(dotsPerMeter);
  Bitmap.setDotsPerMeterY(dotsPerMeter);
  Bitmap.fill(Qt::white);
  accept();
}

TfrmGraphCaption::TfrmGraphCaption(QWidget* Parent) : QDialog(Parent) {
  setWindowTitle(QStringLiteral("Graph Caption"));
  edtCaption = new QLineEdit;
  rbTop = new QRadioButton(QStringLiteral("Top"));
  rbBottom = new QRadioButton(QStringLiteral("Bottom"));
  auto* where = new QGroupBox(QStringLiteral("Caption Location"));
  auto* whereLayout = new QHBoxLayout(where);
  whereLayout->addWidget(rbTop);
  whereLayout->addWidget(rbBottom);
  btnOK = new QPushButton(QStringLiteral("&OK"));
  btnOK->setDefault(true);
  connect(btnOK, &QPushButton::clicked, this, &QDialog::accept);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(new QLabel(QStringLiteral("Enter Graph Caption")));
  layout->addWidget(edtCaption);
  layout->addWidget(where);
  layout->addLayout(ButtonRow({btnOK}));
  resize(360, sizeHint().height());
}

TfrmLineNames::TfrmLineNames(const QStringList& Names, QWidget* Parent) : QDialog(Parent), LineNames(Names) {
  setWindowTitle(QStringLiteral("Legend"));
  setMinimumSize(195, 167);
  lbLines = new QListWidget;
  lbLines->addItems(LineNames);
  edLine = new QLineEdit;
  btnOK = new QPushButton(QStringLiteral("&OK"));
  btnCancel = new QPushButton(QStringLiteral("&Cancel"));
  // Enter in the text box renames; it does not close the dialog.
  btnOK->setAutoDefault(false);
  btnCancel->setAutoDefault(false);
  connect(btnOK, &QPushButton::clicked, this, &QDialog::accept);
  connect(btnCancel, &QPushButton::clicked, this, &QDialog::reject);
  connect(lbLines, &QListWidget::currentRowChanged, this, &TfrmLineNames::lbLinesSelect);
  connect(edLine, &QLineEdit::editingFinished, this, &TfrmLineNames::edLineExit);

  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(10, 10, 10, 10);
  layout->addWidget(new QLabel(QStringLiteral("Select line to modify:")));
  layout->addWidget(lbLines, 1);
  layout->addWidget(new QLabel(QStringLiteral("Type new legend below:")));
  layout->addWidget(edLine);
  layout->addLayout(ButtonRow({btnOK, btnCancel}));
  if (lbLines->count() > 0) lbLines->setCurrentRow(0);
}

void TfrmLineNames::lbLinesSelect() {
  const int row = lbLines->currentRow();
  if (row < 0) return;
  edLine->setText(lbLines->item(row)->text());
  QPalette palette = edLine->palette();
  palette.setColor(QPalette::Text, PlotColor(row));
  edLine->setPalette(palette);
}

void TfrmLineNames::edLineExit() {
  const int row = lbLines->currentRow();
  if (row < 0 || FChecking) return;
  if (!edLine->text().isEmpty()) {
    lbLines->item(row)->setText(edLine->text());
    return;
  }
  FChecking = true;
  ShowInformation(this, QStringLiteral("The line must have a name!"));
  edLine->setText(lbLines->item(row)->text());
  FChecking = false;
}

void TfrmLineNames::done(int Result) {
  for (int i = 0; i < lbLines->count() && i < LineNames.size(); ++i) LineNames[i] = lbLines->item(i)->text();
  QDialog::done(Result);
}

const QString TfrmActiveLines::Yes = QStringLiteral(" yes : ");
const QString TfrmActiveLines::No = QStringLiteral(" no  : ");

TfrmActiveLines::TfrmActiveLines(const QStringList& Kodes, const QStringList& Names, QWidget* Parent)
    : QDialog(Parent), KodeLines(Kodes), LineNames(Names) {
  setWindowTitle(QStringLiteral("Active Curves"));
  lbLines = new QListWidget;
  lbLines->setSelectionMode(QAbstractItemView::ExtendedSelection);
  lbLines->setFont(QFont(PlotFontFamily(QStringLiteral("Courier New")), font().pointSize()));
  for (int i = 0; i < KodeLines.size() && i < LineNames.size(); ++i) {
    lbLines->addItem(QString());
    SetLineNames(i);
  }
  btnOK = new QPushButton(QStringLiteral("&OK"));
  btnCancel = new QPushButton(QStringLiteral("&Cancel"));
  btnActivateAll = new QPushButton(QStringLiteral("Activate All"));
  btnDeactivateAll = new QPushButton(QStringLiteral("Deactivate All"));
  btnToggleSelected = new QPushButton(QStringLiteral("Activate/Deactivate Selected"));
  btnOK->setDefault(true);
  connect(btnOK, &QPushButton::clicked, this, &QDialog::accept);
  connect(btnCancel, &QPushButton::clicked, this, &QDialog::reject);
  connect(lbLines, &QListWidget::itemDoubleClicked, this, [this](QListWidgetItem* Item) {
    const int i = lbLines->row(Item);
    SetKodeLines(i);
    SetLineNames(i);
  });
  auto setAll = [this](const QString& Kode) {
    for (int i = 0; i < KodeLines.size(); ++i) {
      KodeLines[i] = Kode;
      SetLineNames(i);
    }
  };
  connect(btnActivateAll, &QPushButton::clicked, this, [setAll] { setAll(Yes); });
  connect(btnDeactivateAll, &QPushButton::clicked, this, [setAll] { setAll(No); });
  connect(btnToggleSelected, &QPushButton::clicked, this, [this] {
    for (int i = 0; i < lbLines->count(); ++i) {
      if (!lbLines->item(i)->isSelected()) continue;
      SetKodeLines(i);
      SetLineNames(i);
    }
  });

  auto* headings = new QHBoxLayout;
  headings->addWidget(new QLabel(QStringLiteral("Active :")));
  headings->addWidget(new QLabel(QStringLiteral("Curve")), 1);
  auto* side = new QVBoxLayout;
  for (QPushButton* b : {btnActivateAll, btnDeactivateAll, btnToggleSelected}) side->addWidget(b);
  side->addStretch();
  auto* body = new QHBoxLayout;
  body->addWidget(lbLines, 1);
  body->addLayout(side);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(new QLabel(QStringLiteral("Select Curve to Active/Desactive")));
  layout->addLayout(headings);
  layout->addLayout(body, 1);
  layout->addLayout(ButtonRow({btnOK, btnCancel}));
  resize(480, 320);
}

void TfrmActiveLines::SetKodeLines(int I) {
  if (I < 0 || I >= KodeLines.size()) return;
  KodeLines[I] = KodeLines[I] == Yes ? No : Yes;
}

void TfrmActiveLines::SetLineNames(int I) {
  if (I < 0 || I >= lbLines->count()) return;
  lbLines->item(I)->setText(KodeLines[I] + QStringLiteral("   ") + LineNames[I]);
}

}  // namespace zavik
