// zelvo: the main desktop program.

#include <QApplication>
#include <filesystem>
#include <system_error>

#include "common/qt/QtUi.h"
#include "zelvo/session/AppState.h"
#include "zelvo/shell/AppStart.h"
#include "zelvo/shell/CommandTable.h"
#include "zelvo/shell/qt/CMainFrame.h"
#include "zelvo/shell/qt/HelpWindow.h"
#include "zelvo/shell/qt/Pictures.h"
#include "zelvo/shell/qt/ProgramCommands.h"
#include "zelvo/shell/qt/Splash.h"

int main(int argc, char* argv[]) {
  // The start folder is the working folder at the moment the program starts; take it before Qt
  // can change anything.
  std::error_code ec;
  const std::filesystem::path startFolder = std::filesystem::current_path(ec);

  QApplication application(argc, argv);
  QApplication::setApplicationName(QStringLiteral("zelvo"));
  QApplication::setWindowIcon(zelvo::qt::ProgramIcon());

  zelvo::AppState app;
  zelvo::StartApplication(app, startFolder);

  zelvo::CommandTable table;
  zelvo::qt::BindProgramCommands(table);
  zelvo::qt::QtUi ui(QStringLiteral("ZELVO"));
  zelvo::qt::CMainFrame frame(app, table, ui);
  auto* splash = new zelvo::qt::Splash(&frame);
  splash->show();
  frame.show();
  splash->raise();
  return application.exec();
}
