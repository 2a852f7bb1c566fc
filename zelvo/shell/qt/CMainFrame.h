#pragma once
// The main window: menu and tool bar built from the command table, the status bar, the
// background picture in the view, and the end of the program.

#include <QMainWindow>
#include <QPointer>
#include <filesystem>
#include <map>

#include "common/qt/QtUi.h"
#include "zelvo/session/AppState.h"
#include "zelvo/shell/CommandTable.h"
#include "zelvo/shell/qt/HelpWindow.h"

class QAction;
class QToolBar;

namespace zelvo::qt {

// The view: the background picture stretched over the client area, nothing else.
class CZelvoView : public QWidget {
  Q_OBJECT
 public:
  explicit CZelvoView(QWidget* parent);

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  QPixmap picture_;
};

class CMainFrame : public QMainWindow {
  Q_OBJECT
 public:
  CMainFrame(AppState& app, CommandTable& table, QtUi& ui);
  ~CMainFrame() override;

  // Runs a command as its menu item would (does nothing when it is disabled).
  void RunCommand(int id);
  // Enables menu items and tool bar buttons by the enabling rule and sets the caption.
  void RefreshCommands();

  QAction* Action(int id) const;
  QToolBar* ToolBar() const { return toolBar_; }
  HelpWindow* Help() const { return help_; }
  // Shows the help at its contents, or at the topic of a command.
  void ShowHelp(int commandId = 0);
  void ShowAbout();
  // Help > User Guide: the guide found beside the program or in the source's docs folder, or
  // the places looked at.
  void ShowGuide();
  GuideWindow* Guide() const { return guide_; }
  // Where ShowGuide looks (the program's folder and the source's docs folder); for tests.
  void SetGuideSearch(std::filesystem::path programFolder, std::filesystem::path sourceDocs);

 protected:
  void closeEvent(QCloseEvent* event) override;

 private:
  void BuildMenus();
  void BuildToolBar();
  void BuildAccelerators();
  QMenu* MenuFor(const std::vector<std::string>& path);
  // The end-of-document check of the framework's new and open keys: the preferences question.
  void DocumentCheck();

  AppState& app_;
  CommandTable& table_;
  QtUi& ui_;
  std::map<int, QAction*> actions_;
  std::map<std::string, QMenu*> menus_;
  QToolBar* toolBar_ = nullptr;
  QPointer<HelpWindow> help_;
  QPointer<GuideWindow> guide_;
  std::filesystem::path guideProgramFolder_;
  std::filesystem::path guideSourceDocs_;
  bool running_ = false;
};

}  // namespace zelvo::qt
