#pragma once
// The two mass windows: TfrmMassdata (footing) and TfrmNCPileProperties (pile
// cap). Both edit the total mass, the mass moments and products of inertia,
// the centre of gravity (computed) and the centre of base in local (typed)
// and global (computed) coordinates, and compute the mass values from the
// mass components of the MassCal table. The two differ in their captions and
// in the numbering of their boxes and buttons.

#include "app/InputForm.h"

#include <array>

class QPushButton;
class QPlainTextEdit;

namespace zavik {

class TMassForm : public TInputForm {
  Q_OBJECT
public:
  // The mass values from the MassCal table into the boxes: total mass,
  // moments and products of inertia, centre of gravity, and the global centre
  // of base from the local one the boxes hold. The global centre of base is
  // also the project's base position (Xc, Yc, Zc) from now on. A total mass
  // of 0 or less computes nothing and says so.
  void CalculateClick();
  // Opens the MassCal table in its editor window.
  void InputComponentsClick();

  // The note beside the boxes, one entry per line.
  static QStringList NoteLines(bool PileCap);
  static const QString TotalMassRefusal;

  QPlainTextEdit* Note;
  // The boxes and buttons by the numbers each window gives them.
  TDataEdit *DataEdit1, *DataEdit2, *DataEdit3, *DataEdit4, *DataEdit5, *DataEdit6, *DataEdit7, *DataEdit8,
      *DataEdit9, *DataEdit10, *DataEdit11, *DataEdit12, *DataEdit13, *DataEdit14, *DataEdit15, *DataEdit16;
  QPushButton* Button1;
  QPushButton* Button2;

protected:
  struct TRoles {
    TDataEdit* TotalMass;
    std::array<TDataEdit*, 3> Inertia, Products, CG, CBLocal, CBGlobal;
  };
  TMassForm(TProjectAccessor Project, bool PileCap, QWidget* Parent);
  // The box of each role, numbered as the window numbers them.
  TRoles FRoles{};
  QPushButton* FInputButton;
  QPushButton* FCalculateButton;
};

// DataEdit1 the total mass, 2-4 the moments, 5-7 the products, 8-10 the
// centre of gravity, 11-13 the local and 14-16 the global centre of base;
// Button1 calculates, Button2 opens the mass components.
class TfrmMassdata : public TMassForm {
  Q_OBJECT
public:
  explicit TfrmMassdata(TProjectAccessor Project, QWidget* Parent = nullptr);
};

// DataEdit1-3 the centre of gravity, 4, 12, 13 the local centre of base, 5
// the total mass, 6-8 the moments, 9-11 the products, 14-16 the global
// centre of base; Button1 opens the mass components, Button2 calculates.
class TfrmNCPileProperties : public TMassForm {
  Q_OBJECT
public:
  explicit TfrmNCPileProperties(TProjectAccessor Project, QWidget* Parent = nullptr);
};

}  // namespace zavik
