// tarvel: classifies streams from their daily-flow records, one file or a batch of stations.

#include <QApplication>

#include "common/qt/NumberLocale.h"
#include "common/qt/ProgramIcons.h"
#include "tarvel/StationImport.h"
#include "tarvel/qt/TarvelWindow.h"

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  zelvo::qt::UseClassicNumbers();
  QApplication::setApplicationName("tarvel");
  QApplication::setWindowIcon(zelvo::qt::TarvelIcon());
  zelvo::tarvel::TarvelWindow window(zelvo::tarvel::ReaderStationImporter());
  window.exec();
  return 0;
}
