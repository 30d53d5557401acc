#include "controls/SaveFiles.h"

#include <QFileDialog>
#include <QFileInfo>
#include <QImage>
#include <QImageWriter>
#include <QSaveFile>

namespace zavik {

QString AskSaveFileName(QWidget* Parent, const QString& Caption, const QString& Filter,
                        const QString& Suffix, bool ConfirmOverwrite, const QString& Preset) {
  QFileDialog dialog(Parent, Caption, QString(), Filter);
  dialog.setAcceptMode(QFileDialog::AcceptSave);
  dialog.setDefaultSuffix(Suffix);
  dialog.setOption(QFileDialog::DontConfirmOverwrite, !ConfirmOverwrite);
  if (!Preset.isEmpty()) {
    const QFileInfo preset(Preset);
    if (preset.isAbsolute()) dialog.setDirectory(preset.absolutePath());
    dialog.selectFile(preset.fileName());
  }
  if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return {};
  return dialog.selectedFiles().constFirst();
}

QString FileBeside(const QString& File, const QString& Tag, const QString& Suffix) {
  const QString name = Tag + QLatin1Char('.') + Suffix;
  if (File.isEmpty()) return name;
  const QFileInfo file(File);
  return file.absoluteDir().filePath(file.completeBaseName() + QLatin1Char('-') + name);
}

TAskFileName SaveDialogBeside(QWidget* Parent, std::function<QString()> File, const QString& Tag) {
  return [Parent, File = std::move(File), Tag](const QString& Caption, const QString& Filter,
                                                const QString& Suffix, bool ConfirmOverwrite) {
    return AskSaveFileName(Parent, Caption, Filter, Suffix, ConfirmOverwrite,
                           Suffix.isEmpty() ? QString() : FileBeside(File ? File() : QString(), Tag, Suffix));
  };
}

bool WriteBitmapFile(const QString& FileName, const QImage& Picture) {
  if (Picture.isNull()) return false;
  QSaveFile file(FileName);
  if (!file.open(QIODevice::WriteOnly)) return false;
  QImageWriter writer(&file, "BMP");
  if (!writer.write(Picture)) {
    file.cancelWriting();
    return false;
  }
  return file.commit();
}

}  // namespace zavik
