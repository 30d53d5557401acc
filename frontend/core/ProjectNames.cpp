#include "core/ProjectNames.h"

#include <QFileInfo>

namespace zavik {

QString GetVersionText() { return QStringLiteral("3.0.15"); }

namespace {
bool EndsInDeckExtension(const QString& Name) {
  return QFileInfo(Name).fileName().endsWith(QLatin1String(DeckExtension), Qt::CaseInsensitive);
}
}  // namespace

QString DeckStem(const QString& DeckFileName) {
  return EndsInDeckExtension(DeckFileName) ? DeckFileName.chopped(int(qstrlen(DeckExtension))) : DeckFileName;
}

QString SideFileName(const QString& DeckFileName, const QString& Ext) { return DeckStem(DeckFileName) + Ext; }

QString WithDeckExtension(const QString& Name) {
  return EndsInDeckExtension(Name) ? Name : Name + QLatin1String(DeckExtension);
}

QString ProjectDisplayName(const QString& FileName) {
  QString name = FileName.mid(FileName.lastIndexOf(QLatin1Char('/')) + 1);
  if (name.endsWith(QLatin1String(DeckExtension), Qt::CaseInsensitive)) name.truncate(name.indexOf(QLatin1Char('.')));
  if (name.size() > 1) name[0] = name[0].toUpper();
  return name;
}

QString MainCaption(const QString& FileName) {
  return QStringLiteral("ZAVIK ") + GetVersionText() + QStringLiteral(" - ") + ProjectDisplayName(FileName);
}

QString CommandLineProject(const QStringList& Arguments) {
  if (Arguments.size() < 2 || Arguments[1].isEmpty()) return {};
  QString path = Arguments[1];
  if (!QFileInfo(path).fileName().contains(QLatin1Char('.'))) path += QLatin1String(DeckExtension);
  const QFileInfo file(path);
  return file.isFile() ? file.absoluteFilePath() : QString();
}

}  // namespace zavik
