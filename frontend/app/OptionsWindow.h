#pragma once
// TDlgOptions, the child window "Control Options": the text editor that opens
// the project's text files, and whether the analysis writes the foundation
// stiffness matrix. Neither marks the project modified. An empty editor path
// means the user's default application for the file.

#include "app/ChildForm.h"

#include <functional>

class QCheckBox;
class QLineEdit;
class QPushButton;

namespace zavik {

class TMainSettings;
class TProgramData;

class TDlgOptions : public TChildForm {
  Q_OBJECT

public:
  TDlgOptions(std::function<TProgramData&()> Project, TMainSettings& Settings, QWidget* Parent = nullptr);

  QLineEdit* EdtWord;
  QPushButton* BtnBrowse;
  QCheckBox* CheckBox1;

  void FormActivate() override;
  void BtnBrowseClick();
  void CheckBox1Click();

  // The editor chosen in the file dialog started at Start; empty when
  // cancelled. Replaceable for unattended runs.
  std::function<QString(const QString& Start)> AskProgram;

protected:
  void StoreValues() override;

private:
  std::function<TProgramData&()> FProject;
  TMainSettings& FSettings;
};

}  // namespace zavik
