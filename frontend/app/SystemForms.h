#pragma once
// The windows that fix what kind of foundation the project describes:
// TfrmLayout (the foundation system, with its picture), TfrmShape (the shape
// of the footing or cap and its dimensions) and TfrmCPileProperties (the pile
// material and the pile options). Their choice boxes take only their listed
// items, so the stored text and its code always agree.

#include "app/FoundationForms.h"
#include "core/ProjectCodes.h"

#include <functional>

class QComboBox;
class QRadioButton;

namespace zavik {

class TfrmLayout : public TChildForm {
  Q_OBJECT
public:
  explicit TfrmLayout(TProjectAccessor Project, QWidget* Parent = nullptr);

  // The four systems' names, in the order of the list.
  static const QStringList FoundationTypes;
  // The folder the pictures are read from: the program's folder.
  QString PictureFolder;

  void FormActivate() override;
  // The user chose a system: the project takes it and the picture follows.
  void ComboBox1Change();

  QLabel* Label1;
  QComboBox* ComboBox1;
  QLabel* Image1;

signals:
  // Left: the pile-related menu items follow the system.
  void UpdatePileMenus();

protected:
  void StoreValues() override;

private:
  void TakeSystem(TProgramData& Project);
  void ShowPicture(TFoundationKind FoundationKind);

  TProjectAccessor FProject;
  TFoundationKind FActivationType = TFoundationKind::HalfSpace;  // the system at the last activation
};

class TfrmShape : public TInputForm {
  Q_OBJECT
public:
  explicit TfrmShape(TProjectAccessor Project, QWidget* Parent = nullptr);
  void FormActivate() override;
  void RadioButton1Click();  // rectangular
  void RadioButton2Click();  // circular

  QRadioButton* RadioButton1;
  QRadioButton* RadioButton2;
  TDataEdit* DataEdit1;  // radius
  TDataEdit* DataEdit2;  // length
  TDataEdit* DataEdit3;  // width

private:
  void ShowShape(TFootingShape Shape);
  void ChooseShape(TFootingShape Shape);
};

class TfrmCPileProperties : public TPileConstantsForm {
  Q_OBJECT
public:
  explicit TfrmCPileProperties(TProjectAccessor Project, QWidget* Parent = nullptr);
  // The choices from the project's codes, the boxes loaded and stored back
  // at once, as the boxes limit them.
  void FormActivate() override;

  TDataEdit *DataEdit1, *DataEdit2, *DataEdit3, *DataEdit4, *DataEdit5, *DataEdit6, *DataEdit7, *DataEdit8,
      *DataEdit9, *DataEdit10;
  QComboBox* ComboBox1;  // pile head: "FIXED", "PINNED"
  QComboBox* ComboBox2;  // pile tip: "Floating Piles", "End-Bearing Piles"
  QComboBox* ComboBox3;  // interaction: "Yes", "No"

protected:
  void StoreValues() override;

private:
  // A choice box: its items and the code each stands for, and the project's
  // field of that code read and set as its number.
  struct TChoice {
    QComboBox* Box;
    QStringList Items;
    QList<int> Codes;
    std::function<int(const TProgramData&)> Code;
    std::function<void(TProgramData&, int)> SetCode;
    QString TProgramData::* Text;
  };
  // A choice of the values Codes of the field Code, each shown by its item.
  template <class V>
  QComboBox* AddChoice(QGridLayout* Grid, int Row, const QString& Caption, const QStringList& Items,
                       const QList<V>& Codes, V TProgramData::* Code, QString TProgramData::* Text) {
    QList<int> numbers;
    for (V c : Codes) numbers << int(c);
    return AddChoice(
        Grid, Row, Caption, Items, numbers, [Code](const TProgramData& P) { return int(P.*Code); },
        [Code](TProgramData& P, int Number) { P.*Code = V(Number); }, Text);
  }
  QComboBox* AddChoice(QGridLayout* Grid, int Row, const QString& Caption, const QStringList& Items,
                       const QList<int>& Codes, std::function<int(const TProgramData&)> Code,
                       std::function<void(TProgramData&, int)> SetCode, QString TProgramData::* Text);
  void TakeChoice(const TChoice& Choice, TProgramData& Project);

  QList<TChoice> FChoices;
};

}  // namespace zavik
