#pragma once
// TdlgTitle, the child window "Project Title": one line of at most 80
// characters that describes the project. A changed title marks the project
// modified when the window is left or closed. A title with characters the
// project file cannot hold is refused, naming them.

#include "app/ChildForm.h"

#include <functional>

class QLineEdit;

namespace zavik {

class TProgramData;

class TdlgTitle : public TChildForm {
  Q_OBJECT

public:
  static constexpr int MaxTitleLength = 80;

  explicit TdlgTitle(std::function<TProgramData&()> Project, QWidget* Parent = nullptr);

  QLineEdit* TitleMemo;

  void FormActivate() override;

protected:
  void StoreValues() override;
  TRefusal CheckValues() override;

private:
  std::function<TProgramData&()> FProject;
};

}  // namespace zavik
