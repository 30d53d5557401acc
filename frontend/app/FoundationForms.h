#pragma once
// The input windows of the foundation's position and constants and of the
// soil below it: TfrmFoundations (footing on a half-space or a stratum),
// TfrmTipsoil (soil below the footing or the pile tips) and TfrmMultimat
// (multilayer foundation).

#include "app/InputForm.h"

#include <array>

namespace zavik {

// A window with the boxes of the pile's material, length and static load.
class TPileConstantsForm : public TInputForm {
  Q_OBJECT
protected:
  using TInputForm::TInputForm;
  // From Row of Grid on: unit weight, Poisson's ratio, material damping,
  // elastic modulus, total length, the cross-sectional coefficient (its
  // caption and template as the window names it, with a note below it when
  // one is given) and the static load.
  std::array<TDataEdit*, 7> AddPileConstants(QGridLayout* Grid, int Row, const QString& ShearCaption,
                                             const QString& ShearTemplate, const QString& ShearNote);
};

class TfrmFoundations : public TInputForm {
  Q_OBJECT
public:
  explicit TfrmFoundations(TProjectAccessor Project, QWidget* Parent = nullptr);
  // The two depths show for a footing on a stratum, not on a half-space.
  void FormActivate() override;

  TDataEdit* DataEdit1;  // Xc
  TDataEdit* DataEdit2;  // Yc
  TDataEdit* DataEdit3;  // Zc
  TDataEdit* DataEdit4;  // depth of the base
  TDataEdit* DataEdit5;  // depth of the bed rock
};

class TfrmTipsoil : public TInputForm {
  Q_OBJECT
public:
  explicit TfrmTipsoil(TProjectAccessor Project, QWidget* Parent = nullptr);

  TDataEdit* DataEdit1;  // shear wave velocity
  TDataEdit* DataEdit2;  // unit weight
  TDataEdit* DataEdit3;  // Poisson's ratio
  TDataEdit* DataEdit4;  // material damping
};

// The pile constants and the position of the centre of gravity of a
// multilayer foundation. Activation stores the boxes back at once, so the
// project holds the values as the boxes limit them.
class TfrmMultimat : public TPileConstantsForm {
  Q_OBJECT
public:
  explicit TfrmMultimat(TProjectAccessor Project, QWidget* Parent = nullptr);
  void FormActivate() override;

  TDataEdit* DataEdit1;
  TDataEdit* DataEdit2;
  TDataEdit* DataEdit3;
  TDataEdit* DataEdit4;
  TDataEdit* DataEdit5;
  TDataEdit* DataEdit6;
  TDataEdit* DataEdit7;
  TDataEdit* DataEdit8;
  TDataEdit* DataEdit9;
  TDataEdit* DataEdit10;
};

}  // namespace zavik
