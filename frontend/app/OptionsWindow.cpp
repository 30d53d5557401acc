#include "app/OptionsWindow.h"

#include "core/MainSettings.h"
#include "core/ProgramData.h"
#include "controls/Messages.h"

#include <QCheckBox>
#include <QFileDialog>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace zavik {

TDlgOptions::TDlgOptions(std::function<TProgramData&()> Project, TMainSettings& Settings, QWidget* Parent)
    : TChildForm(Parent), FProject(std::move(Project)), FSettings(Settings) {
  setWindowTitle(QStringLiteral("Control Options"));
  auto* label = new QLabel(QStringLiteral("&Text Editor:"), this);
  EdtWord = new QLineEdit(this);
  EdtWord->setMinimumWidth(EdtWord->fontMetrics().averageCharWidth() * 40);
  label->setBuddy(EdtWord);
  BtnBrowse = new QPushButton(QStringLiteral("&Browse..."), this);
  CheckBox1 = new QCheckBox(QStringLiteral("Generate Foundation Stiffness Matrix"), this);
  auto* layout = new QGridLayout(this);
  layout->addWidget(label, 0, 0, 1, 2);
  layout->addWidget(EdtWord, 1, 0);
  layout->addWidget(BtnBrowse, 1, 1);
  layout->addWidget(CheckBox1, 2, 0, 1, 2);
  layout->setRowStretch(3, 1);

  AskProgram = [this](const QString& Start) {
    // Programs on this system carry no extension: any existing file will do.
    return QFileDialog::getOpenFileName(this, QStringLiteral("Text Editor"), Start,
                                        QStringLiteral("All Files (*)"));
  };
  connect(BtnBrowse, &QPushButton::clicked, this, [this] { Guarded(this, [this] { BtnBrowseClick(); }); });
  connect(CheckBox1, &QCheckBox::clicked, this, [this] { Guarded(this, [this] { CheckBox1Click(); }); });
}

void TDlgOptions::FormActivate() {
  EdtWord->setText(FSettings.WordProcessor);
  CheckBox1->setChecked(FProject().StiffnessMatrix);
}

void TDlgOptions::StoreValues() {
  FSettings.WordProcessor = EdtWord->text();
  FProject().StiffnessMatrix = CheckBox1->isChecked();
}

void TDlgOptions::BtnBrowseClick() {
  const QString chosen = AskProgram(EdtWord->text());
  if (!chosen.isEmpty()) EdtWord->setText(chosen);
}

void TDlgOptions::CheckBox1Click() {
  // Asking for the matrix holds at once; giving it up when the window is left.
  if (CheckBox1->isChecked()) FProject().StiffnessMatrix = true;
}

}  // namespace zavik
