// zelvo: the main desktop program.

#include <QApplication>
#include <QTimer>
#include <filesystem>
#include <memory>
#include <string>
#include <system_error>
#include <vector>

#include "common/qt/NumberLocale.h"
#include "common/qt/QtUi.h"
#include "zelvo/session/AppState.h"
#include "zelvo/shell/AppStart.h"
#include "zelvo/shell/CommandTable.h"
#include "zelvo/shell/StartFolderLock.h"
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
  zelvo::qt::UseClassicNumbers();
  QApplication::setApplicationName(QStringLiteral("zelvo"));
  QApplication::setWindowIcon(zelvo::qt::ProgramIcon());

  // One zelvo per start folder; a second one says so and ends before it writes anything there.
  std::unique_ptr<zelvo::StartFolderLock> lock;
  if (const zelvo::Status locked = zelvo::StartFolderLock::Take(startFolder, lock); !locked) {
    zelvo::qt::QtUi(QStringLiteral("ZELVO")).Message(locked.Message());
    return 1;
  }

  zelvo::AppState app;
  const std::vector<std::string> startNotes = zelvo::StartApplication(app, startFolder);

  zelvo::CommandTable table;
  zelvo::qt::BindProgramCommands(table);
  zelvo::qt::QtUi ui(QStringLiteral("ZELVO"));
  zelvo::qt::CMainFrame frame(app, table, ui);
  auto* splash = new zelvo::qt::Splash(&frame);
  splash->show();
  frame.show();
  splash->raise();
  // A damaged list file at start-up: said once the window is up.
  QTimer::singleShot(0, &frame, [&ui, &startNotes] {
    for (const std::string& note : startNotes) ui.Message(note);
  });
  return application.exec();
}
