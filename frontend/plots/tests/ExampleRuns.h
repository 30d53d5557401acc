#pragma once
// The example decks run through the engine (zav3-run) in a temporary folder,
// once per test program and only when a test asks for them.

#include <QDir>
#include <QFile>
#include <QStringList>
#include <QTemporaryDir>

#include <cstdlib>
#include <string>

namespace zavik {

// Every example deck, plus the harmonic footing without its "MATRIX" line so
// that both layouts of the plot-data file are there.
class TExampleRuns {
public:
  static const TExampleRuns& Get() {
    static const TExampleRuns runs;
    return runs;
  }
  QString PlotFile(const QString& Deck) const {
    return Dir.filePath(QString(Deck).replace(QStringLiteral(".kqd"), QStringLiteral(".kqp")));
  }
  QStringList Decks;
  QString Error;  // empty when every run completed

private:
  TExampleRuns() {
    const QDir examples(QStringLiteral(ZAV_EXAMPLES_DIR));
    Decks = examples.entryList({QStringLiteral("*.kqd")});
    for (const QString& name : examples.entryList({QStringLiteral("*.kqd"), QStringLiteral("*.kqm")}))
      if (!QFile::copy(examples.filePath(name), Dir.filePath(name))) Error += name + QStringLiteral(" not copied; ");

    QFile matrix(Dir.filePath(QStringLiteral("half-space-harmonic.kqd")));
    QByteArray deck = matrix.open(QIODevice::ReadOnly) ? matrix.readAll() : QByteArray();
    if (!deck.contains("MATRIX")) Error += QStringLiteral("the harmonic example has no MATRIX line; ");
    deck.replace("MATRIX\r\n", "").replace("MATRIX\n", "");
    QFile plain(Dir.filePath(QStringLiteral("no-matrix.kqd")));
    if (!plain.open(QIODevice::WriteOnly) || plain.write(deck) != deck.size()) Error += QStringLiteral("no-matrix.kqd not written; ");
    plain.close();
    QFile::copy(Dir.filePath(QStringLiteral("half-space-harmonic.kqm")), Dir.filePath(QStringLiteral("no-matrix.kqm")));

    const QStringList all = QStringList(Decks) << QStringLiteral("no-matrix.kqd");
    for (const QString& deckName : all) {
      const std::string command = "cd '" + Dir.path().toStdString() + "' && '" ZAV_RUNNER "' '" +
                                  deckName.toStdString() + "' > /dev/null 2>&1";
      if (std::system(command.c_str()) != 0) Error += deckName + QStringLiteral(" did not complete; ");
    }
  }
  QTemporaryDir Dir;
};

}  // namespace zavik
