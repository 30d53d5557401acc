#include "core/RunNamesFile.h"

#include "core/ProjectNames.h"
#include "controls/Exceptions.h"

#include <QFile>
#include <QSaveFile>

namespace zavik {
namespace {

// The engine's longest name: a line is read into 256 characters.
constexpr qsizetype MaxNameBytes = 256;

}  // namespace

QStringList ViewerNamesLines(const QString& DeckFileName) {
  QStringList lines{DeckFileName};
  for (const char* ext : {".kqo", ".kqp", ".kqr", ".kqt", ".kqm"})
    lines << SideFileName(DeckFileName, QLatin1String(ext));
  return lines;
}

QStringList RunNamesLines(const QString& DeckFileName) {
  return QStringList{GetVersionText()} + ViewerNamesLines(DeckFileName);
}

QString RunNamesProblem(const QStringList& Lines) {
  for (const QString& line : Lines) {
    if (line.contains(QLatin1Char('\n')) || line.contains(QLatin1Char('\r')))
      return QStringLiteral("The analysis cannot be run on a file whose name holds a line break:\n%1").arg(line);
    if (line.endsWith(QLatin1Char(' ')))
      return QStringLiteral("The analysis cannot be run on a file whose name ends in a blank:\n%1").arg(line);
    if (QFile::encodeName(line).size() > MaxNameBytes)
      return QStringLiteral("The analysis cannot be run on a file whose full name is longer than %1 characters:\n%2")
          .arg(MaxNameBytes)
          .arg(line);
  }
  return {};
}

void WriteRunNamesFile(const QString& FileName, const QStringList& Lines) {
  QByteArray bytes;
  for (const QString& line : Lines) bytes += QFile::encodeName(line) + "\r\n";
  QSaveFile f(FileName);
  if (!f.open(QIODevice::WriteOnly) || f.write(bytes) != bytes.size() || !f.commit())
    throw EInOutError(QStringLiteral("Cannot write file \"%1\". %2").arg(FileName, f.errorString()));
}

}  // namespace zavik
