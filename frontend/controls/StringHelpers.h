#pragma once
// Small string helpers. Positions are 1-based throughout.

#include <QChar>
#include <QString>

namespace zavik {

// The character at the position, or code 0 below 1 or beyond the end.
QChar CharAt(const QString& S, int Pos);
// The rest of the text from the position on.
QString CopyFrom(const QString& S, int Pos);
// Position of the first occurrence of Sub in the rest of S from Start,
// counted within that rest (1 = at Start); 0 when there is none.
int PosFrom(const QString& Sub, const QString& S, int Start);
// Position of the first occurrence, or Default when absent.
int PosOr(const QString& Sub, const QString& S, int Default);
// Position of the first occurrence, or length + 1 when absent.
int PosOrEnd(const QString& Sub, const QString& S);
// Every occurrence of Old replaced by New, left to right without overlaps; the
// inserted text is never searched again.
QString ReplaceAll(const QString& S, const QString& Old, const QString& New);

}  // namespace zavik
