#include "app/ProgramDialogs.h"

#include "core/ProjectNames.h"

#include <QCloseEvent>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QPainter>
#include <QPixmap>
#include <QProgressBar>
#include <QPushButton>
#include <QScreen>
#include <QTimer>
#include <QVBoxLayout>

namespace zavik {

QIcon ProgramIcon() {
  QIcon icon;
  for (const int size : {16, 24, 32, 48, 64}) {
    QPixmap pixmap(size, size);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(size / 64.0, size / 64.0);
    // Two soil layers, the block standing in the upper one, two piles below.
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(230, 190, 110));
    p.drawRect(QRectF(2, 26, 60, 18));
    p.setBrush(QColor(175, 165, 125));
    p.drawRect(QRectF(2, 44, 60, 18));
    p.setBrush(QColor(90, 90, 90));
    p.drawRect(QRectF(20, 34, 5, 26));
    p.drawRect(QRectF(39, 34, 5, 26));
    p.setPen(QPen(QColor(255, 128, 0), 2.5));
    p.setBrush(QColor(64, 64, 64));
    p.drawRect(QRectF(12, 14, 40, 20));
    icon.addPixmap(pixmap);
  }
  return icon;
}

TAboutBox::TAboutBox(QWidget* Parent) : QDialog(Parent) {
  setWindowTitle(QStringLiteral("About TESSIK"));
  setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint);
  ProgramIconLabel = new QLabel(this);
  ProgramIconLabel->setPixmap(ProgramIcon().pixmap(48, 48));
  ProductName = new QLabel(QStringLiteral("ZAVIK"), this);
  QFont big = ProductName->font();
  big.setPointSizeF(big.pointSizeF() * 1.6);
  big.setBold(true);
  ProductName->setFont(big);
  Version = new QLabel(this);
  Comments = new QLabel(QStringLiteral("A program for Dynamic Analysis of Both Shallow and Deep Foundations "
                                       "Under Harmonic, Transient and Random Loading"),
                        this);
  Comments->setWordWrap(true);
  Comments->setMinimumWidth(Comments->fontMetrics().averageCharWidth() * 48);
  OKButton = new QPushButton(QStringLiteral("OK"), this);
  OKButton->setDefault(true);
  connect(OKButton, &QPushButton::clicked, this, &QDialog::accept);

  auto* buttons = new QHBoxLayout;
  buttons->addStretch();
  buttons->addWidget(OKButton);
  buttons->addStretch();
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(ProgramIconLabel, 0, Qt::AlignHCenter);
  layout->addWidget(ProductName, 0, Qt::AlignHCenter);
  layout->addWidget(Version, 0, Qt::AlignHCenter);
  layout->addSpacing(ProductName->fontMetrics().height() / 2);
  layout->addWidget(Comments);
  layout->addSpacing(ProductName->fontMetrics().height() / 2);
  layout->addLayout(buttons);
  layout->setSizeConstraint(QLayout::SetFixedSize);
}

void TAboutBox::showEvent(QShowEvent* Event) {
  Version->setText(QStringLiteral("Version ") + GetVersionText());
  // Centred on the screen, whatever window opened it.
  if (const QScreen* screen = QGuiApplication::primaryScreen()) {
    adjustSize();
    QRect frame = frameGeometry();
    frame.moveCenter(screen->availableGeometry().center());
    move(frame.topLeft());
  }
  QDialog::showEvent(Event);
}

TDlgRunAnalysis::TDlgRunAnalysis(QWidget* Parent) : QDialog(Parent) {
  setWindowTitle(QStringLiteral("Zavik, Run Analysis"));
  setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::CustomizeWindowHint);
  setWindowModality(Qt::ApplicationModal);
  auto* underway = new QLabel(QStringLiteral("Computations are underway"), this);
  auto* wait = new QLabel(QStringLiteral("please wait .........."), this);
  ProgressBarRun = new QProgressBar(this);
  ProgressBarRun->setRange(0, 100);
  ProgressBarRun->setValue(50);
  ProgressBarRun->setTextVisible(false);
  ProgressBarRun->setMinimumWidth(ProgressBarRun->fontMetrics().averageCharWidth() * 40);
  TimerRun = new QTimer(this);
  TimerRun->setInterval(100);
  connect(TimerRun, &QTimer::timeout, this, &TDlgRunAnalysis::TimerRunTimer);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(underway);
  layout->addWidget(wait);
  layout->addWidget(ProgressBarRun);
  layout->setSizeConstraint(QLayout::SetFixedSize);
}

void TDlgRunAnalysis::TimerRunTimer() {
  const int next = ProgressBarRun->value() + 10;
  ProgressBarRun->setValue(next <= ProgressBarRun->maximum() ? next : 0);
}

void TDlgRunAnalysis::ShowRunning() {
  FRunning = true;
  show();
  raise();
}

void TDlgRunAnalysis::HideRunning() {
  FRunning = false;
  hide();
}

void TDlgRunAnalysis::reject() {
  // Escape does not end a run that cannot be interrupted.
  if (!FRunning) QDialog::reject();
}

void TDlgRunAnalysis::closeEvent(QCloseEvent* Event) {
  if (FRunning)
    Event->ignore();
  else
    QDialog::closeEvent(Event);
}

void TDlgRunAnalysis::showEvent(QShowEvent* Event) {
  TimerRun->start();
  QDialog::showEvent(Event);
}

void TDlgRunAnalysis::hideEvent(QHideEvent* Event) {
  TimerRun->stop();
  QDialog::hideEvent(Event);
}

}  // namespace zavik
