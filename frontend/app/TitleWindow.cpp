#include "app/TitleWindow.h"

#include "core/ProgramData.h"

#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

namespace zavik {

TdlgTitle::TdlgTitle(std::function<TProgramData&()> Project, QWidget* Parent)
    : TChildForm(Parent), FProject(std::move(Project)) {
  setWindowTitle(QStringLiteral("Project Title"));
  auto* label = new QLabel(QStringLiteral("Enter text line for project description:"), this);
  TitleMemo = new QLineEdit(this);
  TitleMemo->setMaxLength(MaxTitleLength);
  // The title is one line of the deck: a pasted line break becomes a blank.
  connect(TitleMemo, &QLineEdit::textEdited, this, [this](const QString& Text) {
    if (!Text.contains(QLatin1Char('\n')) && !Text.contains(QLatin1Char('\r'))) return;
    const int at = TitleMemo->cursorPosition();
    QString line = Text;
    line.replace(QStringLiteral("\r\n"), QStringLiteral(" ")).replace(QLatin1Char('\n'), QLatin1Char(' '));
    TitleMemo->setText(line.replace(QLatin1Char('\r'), QLatin1Char(' ')));
    TitleMemo->setCursorPosition(at);
  });
  label->setBuddy(TitleMemo);
  // Wide enough for the longest title.
  TitleMemo->setMinimumWidth(TitleMemo->fontMetrics().averageCharWidth() * (MaxTitleLength + 4));
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(label);
  layout->addWidget(TitleMemo);
  layout->addStretch();
}

void TdlgTitle::FormActivate() { TitleMemo->setText(FProject().Title); }

TChildForm::TRefusal TdlgTitle::CheckValues() {
  const QString unfit = DeckUnfitCharacters(TitleMemo->text());
  if (unfit.isEmpty()) return {};
  return {QStringLiteral("The project file cannot hold these characters of the title: %1. "
                         "Write the title without them.")
              .arg(unfit),
          TitleMemo};
}

void TdlgTitle::StoreValues() {
  TProgramData& project = FProject();
  if (TitleMemo->text() == project.Title) return;
  project.Title = TitleMemo->text();
  emit Modified();
}

}  // namespace zavik
