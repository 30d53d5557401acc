#include "core/ProjectNames.h"

#include <QFileInfo>

namespace zavik {

QString GetVersionText() { return QStringLiteral("3.0.15"); }

QString ChangeFileExt(const QString& FileName, const QString& Ext) {
  const qsizetype slash = FileName.lastIndexOf(QLatin1Char('/'));
  const qsizetype dot = FileName.lastIndexOf(QLatin1Char('.'));
  return (dot > slash ? FileName.left(dot) : FileName) + Ext;
}

QString ProjectDisplayName(const QString& FileName) {
  QString name = FileName.mid(FileName.lastIndexOf(QLatin1Char('/')) + 1);
  if (name.endsWith(QLatin1String(".kqd"), Qt::CaseInsensitive)) name.truncate(name.indexOf(QLatin1Char('.')));
  if (name.size() > 1) name[0] = name[0].toUpper();
  return name;
}

QString MainCaption(const QString& FileName) {
  return QStringLiteral("ZAVIK ") + GetVersionText() + QStringLiteral(" - ") + ProjectDisplayName(FileName);
}

QString CommandLineProject(const QStringList& Arguments) {
  if (Arguments.size() < 2 || Arguments[1].isEmpty()) return {};
  QString path = Arguments[1];
  if (!QFileInfo(path).fileName().contains(QLatin1Char('.'))) path += QLatin1String(".kqd");
  const QFileInfo file(path);
  return file.isFile() ? file.absoluteFilePath() : QString();
}

}  // namespace zavik
