// Desktop: writes the game's icon into a hicolor icon tree, as a scalable
// SVG and as PNGs of the given sizes.
//
//   breliko_make_icons FOLDER APPLICATION_ID SIZE...
#include <QDir>
#include <QGuiApplication>
#include <QSaveFile>
#include <cstdio>

#include "icon_picture.h"

namespace {

bool WriteText(const QString& path, const QString& text) {
  QSaveFile file(path);
  return file.open(QIODevice::WriteOnly) && file.write(text.toUtf8()) >= 0 && file.commit();
}

}  // namespace

int main(int argc, char** argv) {
  QGuiApplication app(argc, argv);
  const QStringList arguments = QGuiApplication::arguments();
  if (arguments.size() < 4) {
    std::fprintf(stderr, "usage: breliko_make_icons FOLDER APPLICATION_ID SIZE...\n");
    return 2;
  }
  const QDir root(arguments[1]);
  const QString& iconName = arguments[2];
  const auto rects = breliko::desktop::IconRects();

  const QString scalable = root.filePath(QStringLiteral("hicolor/scalable/apps"));
  if (!QDir().mkpath(scalable) ||
      !WriteText(QDir(scalable).filePath(iconName + QStringLiteral(".svg")),
                 breliko::desktop::IconSvg(rects))) {
    std::fprintf(stderr, "breliko_make_icons: cannot write into %s\n", qPrintable(scalable));
    return 1;
  }
  for (const QString& sizeText : arguments.mid(3)) {
    const int side = sizeText.toInt();
    const QString folder = root.filePath(QStringLiteral("hicolor/%1x%1/apps").arg(side));
    if (side <= 0 || !QDir().mkpath(folder) ||
        !breliko::desktop::IconImage(rects, side)
             .save(QDir(folder).filePath(iconName + QStringLiteral(".png")))) {
      std::fprintf(stderr, "breliko_make_icons: cannot write the %s px icon\n",
                   qPrintable(sizeText));
      return 1;
    }
  }
  return 0;
}
