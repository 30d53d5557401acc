#pragma once
// What a printed PDF file says of its first page: the paper, and where the
// page the program paints on begins on it (the corner inside the margins).
// Read from the file as the printer writes it: the page's media box, and the
// transformation that opens its drawing, which carries the margins.

#include <QByteArray>
#include <QFile>
#include <QPointF>
#include <QRegularExpression>
#include <QSizeF>
#include <QString>

namespace zavik::testing {

struct TPdfPage {
  bool Read = false;
  QSizeF Paper;    // points
  QPointF Origin;  // points from the paper's top-left corner
};

inline TPdfPage FirstPdfPage(const QString& FileName) {
  TPdfPage page;
  QFile file(FileName);
  if (!file.open(QIODevice::ReadOnly)) return page;
  const QByteArray pdf = file.readAll();
  const QString text = QString::fromLatin1(pdf);
  const auto media = QRegularExpression(QStringLiteral(R"(/MediaBox \[([\d.]+) ([\d.]+) ([\d.]+) ([\d.]+)\])"))
                         .match(text);
  const auto contents = QRegularExpression(QStringLiteral(R"(/Contents (\d+) 0 R)")).match(text);
  if (!media.hasMatch() || !contents.hasMatch()) return page;
  page.Paper = {media.captured(3).toDouble() - media.captured(1).toDouble(),
                media.captured(4).toDouble() - media.captured(2).toDouble()};

  const qsizetype object = pdf.indexOf("\n" + contents.captured(1).toLatin1() + " 0 obj");
  const qsizetype start = pdf.indexOf("stream\n", object);
  const qsizetype end = pdf.indexOf("endstream", start);
  if (object < 0 || start < 0 || end < 0) return page;
  QByteArray stream = pdf.mid(start + 7, end - start - 7);
  if (pdf.mid(object, start - object).contains("/FlateDecode")) {
    // qUncompress wants the size first; a generous guess serves.
    const QByteArray size("\x00\x10\x00\x00", 4);
    stream = qUncompress(size + stream);
  }
  const auto matrix = QRegularExpression(QStringLiteral(R"(([-\d.]+) ([-\d.]+) ([-\d.]+) ([-\d.]+) ([-\d.]+) ([-\d.]+) cm)"))
                          .match(QString::fromLatin1(stream));
  if (!matrix.hasMatch()) return page;
  page.Origin = {matrix.captured(5).toDouble(), page.Paper.height() - matrix.captured(6).toDouble()};
  page.Read = true;
  return page;
}

}  // namespace zavik::testing
