#pragma once
// The plot window's four dialogs: Save Attributes (size and resolution of a
// saved bitmap), Graph Caption (title and its place), Legend (renaming curves)
// and Active Curves (which curves take part).

#include <QDialog>
#include <QImage>
#include <QStringList>

class QLineEdit;
class QListWidget;
class QPushButton;
class QRadioButton;

namespace zavik {

class TDataEdit;

class TdlgFormat : public QDialog {
  Q_OBJECT

public:
  // The result when the bitmap cannot be made at the size asked for.
  static constexpr int Abort = 3;
  // Resolutions above this are more than any printer or screen resolves.
  static constexpr int MaxPixelsPerInch = 2400;
  // Pictures above this many pixels (or wider or higher than the painter
  // draws) are refused as too large for memory.
  static constexpr qint64 MaxPixels = 100'000'000;
  static constexpr int MaxSide = 32767;

  explicit TdlgFormat(QWidget* Parent = nullptr);

  TDataEdit* deHeight;
  TDataEdit* deWidth;
  TDataEdit* dePPI;
  QRadioButton* rbColors[5];
  QPushButton* btnOK;
  QPushButton* btnCancel;

  // After OK: the white bitmap of height and width in inches times PPI pixels.
  QImage Bitmap;
  int PPI = 72;

  void btnOKClick();
};

class TfrmGraphCaption : public QDialog {
  Q_OBJECT

public:
  explicit TfrmGraphCaption(QWidget* Parent = nullptr);

  QLineEdit* edtCaption;
  QRadioButton* rbTop;
  QRadioButton* rbBottom;
  QPushButton* btnOK;
};

class TfrmLineNames : public QDialog {
  Q_OBJECT

public:
  // Names of the curves in curve order; changed names are copied back when
  // the dialog closes, by any means.
  explicit TfrmLineNames(const QStringList& LineNames, QWidget* Parent = nullptr);

  QStringList LineNames;
  QListWidget* lbLines;
  QLineEdit* edLine;
  QPushButton* btnOK;
  QPushButton* btnCancel;

  void done(int Result) override;

private:
  void lbLinesSelect();
  void edLineExit();
  bool FChecking = false;
};

class TfrmActiveLines : public QDialog {
  Q_OBJECT

public:
  static const QString Yes;  // " yes : "
  static const QString No;   // " no  : "

  // One mark and one name per curve, in curve order.
  TfrmActiveLines(const QStringList& KodeLines, const QStringList& LineNames, QWidget* Parent = nullptr);

  QStringList KodeLines;
  QStringList LineNames;
  QListWidget* lbLines;
  QPushButton* btnOK;
  QPushButton* btnCancel;
  QPushButton* btnActivateAll;
  QPushButton* btnDeactivateAll;
  QPushButton* btnToggleSelected;

  // Toggles the mark of curve I; rebuilds the list entry of curve I.
  void SetKodeLines(int I);
  void SetLineNames(int I);
};

}  // namespace zavik
