#pragma once
// The run's names file "names.dat": the version text and the project's files
// one per line, read by the engine at the start of a run (and, without the
// version line, by the outside viewer).

#include <QString>
#include <QStringList>

namespace zavik {

// The seven lines of a run: the version, the deck as given, then the deck
// with ".kqo" (report), ".kqp" (plot data), ".kqr" (run notes), ".kqt"
// (geometry) and ".kqm" (mass data).
QStringList RunNamesLines(const QString& DeckFileName);

// The viewer's six lines: those of a run without the version.
QStringList ViewerNamesLines(const QString& DeckFileName);

// Why the engine could not take these lines as they are, or empty: it reads
// at most 256 bytes of a line, ends a name at the line's end and drops its
// trailing blanks, so such a name would have it open another file.
QString RunNamesProblem(const QStringList& Lines);

// Writes the lines, each ended by CR LF, to FileName; raises EInOutError when
// the file cannot be written.
void WriteRunNamesFile(const QString& FileName, const QStringList& Lines);

}  // namespace zavik
