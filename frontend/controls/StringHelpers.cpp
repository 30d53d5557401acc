#include "controls/StringHelpers.h"

namespace zavik {

QChar CharAt(const QString& S, int Pos) {
  if (Pos < 1 || Pos > S.size()) return QChar(0);
  return S[Pos - 1];
}

QString CopyFrom(const QString& S, int Pos) { return S.mid(qMax(Pos, 1) - 1); }

int PosFrom(const QString& Sub, const QString& S, int Start) {
  if (Sub.isEmpty()) return 0;
  Start = qMax(Start, 1);
  const qsizetype at = S.indexOf(Sub, Start - 1);
  return at < 0 ? 0 : int(at) - (Start - 1) + 1;
}

int PosOr(const QString& Sub, const QString& S, int Default) {
  const int p = PosFrom(Sub, S, 1);
  return p == 0 ? Default : p;
}

int PosOrEnd(const QString& Sub, const QString& S) { return PosOr(Sub, S, int(S.size()) + 1); }

QString ReplaceAll(const QString& S, const QString& Old, const QString& New) {
  if (Old.isEmpty()) return S;
  QString out;
  qsizetype from = 0;
  for (;;) {
    const qsizetype at = S.indexOf(Old, from);
    if (at < 0) break;
    out += S.mid(from, at - from);
    out += New;
    from = at + Old.size();
  }
  out += S.mid(from);
  return out;
}

}  // namespace zavik
