// Writes the desktop icons of zelvo and tarvel as PNG files of every theme size:
//   zelvo-icons OUT_DIR   ->   OUT_DIR/hicolor/<n>x<n>/apps/{zelvo,tarvel}.png

#include <QDir>
#include <QGuiApplication>
#include <QImage>
#include <cstdio>

#include "common/qt/ProgramIcons.h"

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: zelvo-icons OUT_DIR\n");
    return 2;
  }
  // Drawing needs no screen.
  qputenv("QT_QPA_PLATFORM", "offscreen");
  QGuiApplication app(argc, argv);
  const QString out = QString::fromLocal8Bit(argv[1]);
  for (int size : zelvo::qt::kDesktopIconSizes) {
    const QString folder = QStringLiteral("%1/hicolor/%2x%2/apps").arg(out).arg(size);
    if (!QDir().mkpath(folder)) {
      std::fprintf(stderr, "zelvo-icons: cannot make %s\n", qPrintable(folder));
      return 1;
    }
    if (!zelvo::qt::ZelvoIconImage(size).save(folder + QStringLiteral("/zelvo.png")) ||
        !zelvo::qt::TarvelIconImage(size).save(folder + QStringLiteral("/tarvel.png"))) {
      std::fprintf(stderr, "zelvo-icons: cannot write the icons into %s\n", qPrintable(folder));
      return 1;
    }
  }
  return 0;
}
