#pragma once
// The program's two plain dialogs: the About box and the window shown while
// an analysis runs.

#include <QDialog>
#include <QIcon>

class QLabel;
class QProgressBar;
class QPushButton;
class QTimer;

namespace zavik {

// The program's icon: a footing block on two piles in layered soil.
QIcon ProgramIcon();

// "About TESSIK": the product, its version and what it does; OK closes it.
class TAboutBox : public QDialog {
  Q_OBJECT

public:
  explicit TAboutBox(QWidget* Parent = nullptr);

  QLabel* ProgramIconLabel;
  QLabel* ProductName;
  QLabel* Version;
  QLabel* Comments;
  QPushButton* OKButton;

protected:
  void showEvent(QShowEvent* Event) override;
};

// "Zavik, Run Analysis": shown modally while the engine runs. Its bar shows
// activity, not progress: it steps by 10 every 100 ms and starts again at 0
// after 100. The user cannot close it; the run does when the engine returns.
class TDlgRunAnalysis : public QDialog {
  Q_OBJECT

public:
  explicit TDlgRunAnalysis(QWidget* Parent = nullptr);

  QProgressBar* ProgressBarRun;
  QTimer* TimerRun;

  void TimerRunTimer();
  // Shows the window modally without waiting, or hides it.
  void ShowRunning();
  void HideRunning();

  void reject() override;

protected:
  void closeEvent(QCloseEvent* Event) override;
  void showEvent(QShowEvent* Event) override;
  void hideEvent(QHideEvent* Event) override;

private:
  bool FRunning = false;
};

}  // namespace zavik
