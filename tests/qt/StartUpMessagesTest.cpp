#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QMessageBox>

#include "common/qt/QtUi.h"
#include "qt/QtTestSupport.h"
#include "support/TempFolder.h"
#include "zelvo/session/AppState.h"
#include "zelvo/shell/AppStart.h"
#include "zelvo/shell/StartFolderLock.h"

namespace zelvo::qt {
namespace {

using testing::Screenshot;
using testing::WhenModal;

// The two things a start can have to say before any work: another zelvo holds the folder, or a
// list file was damaged and kept aside. Both are plain message boxes of the program.
TEST(StartUpMessages, FolderInUseAndDamagedListsAreShownWhole) {
  zelvo::testing::TempFolder start;
  zelvo::testing::WriteWholeFile(start / "projects", std::string("\x65\0\0\0", 4));
  AppState app;
  const std::vector<std::string> notes = StartApplication(app, start.Path());
  ASSERT_EQ(notes.size(), 1u);

  QtUi ui{QStringLiteral("ZELVO")};
  for (const std::string& text : {StartFolderInUseMessage(start.Path(), 4242), notes[0]}) {
    QString shown;
    WhenModal([&](QWidget* w) {
      auto* box = qobject_cast<QMessageBox*>(w);
      ASSERT_NE(box, nullptr);
      shown = box->text();
      Screenshot(box, text == notes[0] ? QStringLiteral("start_damaged_projects")
                                       : QStringLiteral("start_folder_in_use"));
      box->button(QMessageBox::Ok)->click();
    });
    ui.Message(text);
    EXPECT_EQ(shown.toStdString(), text);
  }
}

}  // namespace
}  // namespace zelvo::qt
