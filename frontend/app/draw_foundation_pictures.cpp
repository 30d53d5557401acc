// Draws the pictures of the four foundation systems into bitmap files:
//   zav_foundation_pictures <folder>
// Run by the build, which puts the files beside the program.
#include "core/FoundationPictures.h"

#include <QDir>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>

#include <cstdio>

int main(int argc, char** argv) {
  // Drawing needs the fonts, not a screen.
  qputenv("QT_QPA_PLATFORM", "offscreen");
  QGuiApplication app(argc, argv);
  if (argc != 2) {
    std::fprintf(stderr, "usage: %s <folder>\n", argv[0]);
    return 2;
  }
  const QDir folder(QString::fromLocal8Bit(argv[1]));
  for (const auto& system : zavik::CodeNames(zavik::TFoundationKind{})) {
    const zavik::TFoundationKind kind = system.Value;
    QImage picture(320, 200, QImage::Format_RGB32);
    QPainter painter(&picture);
    zavik::DrawFoundationSection(painter, picture.rect(), kind);
    painter.end();
    const QString file = folder.filePath(zavik::FoundationPictureFile(kind));
    if (!picture.save(file, "BMP")) {
      std::fprintf(stderr, "cannot write %s\n", qPrintable(file));
      return 1;
    }
  }
  return 0;
}
