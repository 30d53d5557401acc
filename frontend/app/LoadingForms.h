#pragma once
// The loading windows, one per kind of dynamic load: Tfrmharmonic (harmonic
// load of fixed amplitude), TfrmQuad (harmonic load growing with the square
// of the frequency, given as coefficients), Tfrmtransient and Tfrmrandom.
// The harmonic windows also move the load point between the two reference
// systems when the user switches them, show the loads moved to the centre of
// gravity, and refuse a frequency range of more lines than one analysis takes.

#include "app/InputForm.h"
#include "core/ProjectCodes.h"

class QPushButton;
class QRadioButton;

namespace zavik {

class THarmonicForm : public TInputForm {
  Q_OBJECT
public:
  void FormActivate() override;

  // The user chose the reference of the load point: the point in the boxes
  // is converted to it. Choosing the reference in force changes nothing.
  void RadioButton1Click();  // centre of gravity, global coordinates
  void RadioButton2Click();  // centre of base, local coordinates
  // Shows the loads moved to the centre of gravity; nothing is stored.
  void Button1Click();

  TDataEdit *DataEdit1, *DataEdit2, *DataEdit3;    // maximum, minimum, step frequency
  TDataEdit *DataEdit4, *DataEdit5, *DataEdit6;    // forces (coefficients)
  TDataEdit *DataEdit7, *DataEdit8, *DataEdit9;    // moments (coefficients)
  TDataEdit *DataEdit10, *DataEdit11, *DataEdit12; // load point
  QRadioButton* RadioButton1;
  QRadioButton* RadioButton2;
  QPushButton* Button1;

protected:
  THarmonicForm(TProjectAccessor Project, bool Quadratic, QWidget* Parent);
  void StoreValues() override;
  TRefusal CheckValues() override;

private:
  void ShowReference(TLoadPointReference Reference);
  void SwitchReference(TLoadPointReference Reference);

  bool FQuadratic;
  TLoadPointReference FReference = TLoadPointReference::CentreOfGravity;  // the reference the load point boxes are in
};

class Tfrmharmonic : public THarmonicForm {
  Q_OBJECT
public:
  explicit Tfrmharmonic(TProjectAccessor Project, QWidget* Parent = nullptr)
      : THarmonicForm(std::move(Project), false, Parent) {}
};

class TfrmQuad : public THarmonicForm {
  Q_OBJECT
public:
  explicit TfrmQuad(TProjectAccessor Project, QWidget* Parent = nullptr)
      : THarmonicForm(std::move(Project), true, Parent) {}
};

class Tfrmtransient : public TInputForm {
  Q_OBJECT
public:
  explicit Tfrmtransient(TProjectAccessor Project, QWidget* Parent = nullptr);
  // Opens the table of the transient loads.
  void Button1Click();

  TDataEdit* DataEdit1;  // number of points
  TDataEdit* DataEdit2;  // time interval
  TDataEdit* DataEdit3;  // number of loads
  QPushButton* Button1;
};

class Tfrmrandom : public TInputForm {
  Q_OBJECT
public:
  explicit Tfrmrandom(TProjectAccessor Project, QWidget* Parent = nullptr);
  // Opens the table of the load spectra.
  void Button1Click();

  TDataEdit* DataEdit1;  // maximum frequency
  TDataEdit* DataEdit2;  // minimum frequency
  TDataEdit* DataEdit3;  // number of points
  TDataEdit* DataEdit4;  // observation period
  TDataEdit* DataEdit5;  // number of spectra
  QPushButton* Button1;
};

}  // namespace zavik
