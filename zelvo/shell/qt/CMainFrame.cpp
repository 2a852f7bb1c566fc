#include "zelvo/shell/qt/CMainFrame.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QKeySequence>
#include <QMenu>
#include <QMenuBar>
#include <QPainter>
#include <QProxyStyle>
#include <QScreen>
#include <QShortcut>
#include <QStatusBar>
#include <QToolBar>
#include <QWhatsThis>
#include <exception>

#include "common/qt/TextWindow.h"
#include "zelvo/session/Captions.h"
#include "zelvo/shell/AppStart.h"
#include "zelvo/shell/HelpTopics.h"
#include "zelvo/shell/UserGuide.h"
#include "zelvo/shell/qt/HelpWindow.h"
#include "zelvo/shell/qt/Pictures.h"

namespace zelvo::qt {
namespace {

// Menus highlight a greyed item under the pointer too, so its status text (why it is greyed)
// reaches the status bar.
class MenuStyle : public QProxyStyle {
 public:
  int styleHint(StyleHint hint, const QStyleOption* option, const QWidget* widget,
                QStyleHintReturn* data) const override {
    if (hint == QStyle::SH_Menu_AllowActiveAndDisabled) return 1;
    return QProxyStyle::styleHint(hint, option, widget, data);
  }
};

}  // namespace

CZelvoView::CZelvoView(QWidget* parent) : QWidget(parent), picture_(BackgroundPicture()) {
  setMinimumSize(320, 200);
}

void CZelvoView::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.setRenderHint(QPainter::SmoothPixmapTransform);
  painter.drawPixmap(rect(), picture_);
}

CMainFrame::CMainFrame(AppState& app, CommandTable& table, QtUi& ui) : app_(app), table_(table), ui_(ui) {
  setWindowIcon(ProgramIcon());
  setCentralWidget(new CZelvoView(this));
  statusBar()->showMessage(QStringLiteral("Ready"));
  ui_.SetWindow(this, statusBar());
  guideProgramFolder_ = QCoreApplication::applicationDirPath().toStdString();
  guideSourceDocs_ = ZELVO_SOURCE_DOCS_DIR;
  BuildMenus();
  BuildToolBar();
  BuildAccelerators();
  RefreshCommands();
  resize(960, 640);
  if (const QScreen* screen = QGuiApplication::primaryScreen()) {
    const QRect area = screen->availableGeometry();
    move(area.center() - rect().center());
  }
}

CMainFrame::~CMainFrame() { ui_.SetWindow(nullptr, nullptr); }

QMenu* CMainFrame::MenuFor(const std::vector<std::string>& path) {
  std::string key;
  QMenu* parent = nullptr;
  for (const std::string& part : path) {
    key += part + ">";
    auto it = menus_.find(key);
    if (it == menus_.end()) {
      const QString title = QString::fromStdString(part);
      QMenu* menu = parent ? parent->addMenu(title) : menuBar()->addMenu(title);
      menu->setStyle(new MenuStyle);
      connect(menu, &QMenu::aboutToShow, this, &CMainFrame::RefreshCommands);
      it = menus_.emplace(key, menu).first;
    }
    parent = it->second;
  }
  return parent;
}

void CMainFrame::BuildMenus() {
  for (const Command& c : table_.Commands()) {
    auto* action = new QAction(QString::fromStdString(c.text), this);
    action->setIcon(CommandIcon(c.id));
    action->setIconVisibleInMenu(false);
    action->setWhatsThis(QString::fromStdString(HelpTopicFor(c.id).does));
    const int id = c.id;
    connect(action, &QAction::triggered, this, [this, id]() { RunCommand(id); });
    actions_[c.id] = action;
    if (c.menuPath.empty()) continue;
    QMenu* menu = MenuFor(c.menuPath);
    if (c.separatorBefore && !menu->actions().isEmpty()) menu->addSeparator();
    menu->addAction(action);
  }
}

void CMainFrame::BuildToolBar() {
  toolBar_ = addToolBar(QStringLiteral("Standard"));
  toolBar_->setObjectName(QStringLiteral("standardToolBar"));
  toolBar_->setIconSize(QSize(24, 24));
  toolBar_->setMovable(true);
  addToolBar(Qt::TopToolBarArea, toolBar_);
  for (int id : table_.ToolBarLayout()) {
    if (id == 0) {
      toolBar_->addSeparator();
      continue;
    }
    QAction* action = actions_.at(id);
    action->setToolTip(QString::fromStdString(table_.Find(id)->toolTip));
    toolBar_->addAction(action);
  }
}

void CMainFrame::BuildAccelerators() {
  // Ctrl+N and Ctrl+O reach the new and open commands of a document that holds no data: they run
  // the end-of-document check and change nothing else. Ctrl+S has nothing to save.
  auto* newDoc = new QShortcut(QKeySequence(Qt::CTRL | Qt::Key_N), this);
  connect(newDoc, &QShortcut::activated, this, &CMainFrame::DocumentCheck);
  auto* openDoc = new QShortcut(QKeySequence(Qt::CTRL | Qt::Key_O), this);
  connect(openDoc, &QShortcut::activated, this, &CMainFrame::DocumentCheck);
  auto* saveDoc = new QShortcut(QKeySequence(Qt::CTRL | Qt::Key_S), this);
  connect(saveDoc, &QShortcut::activated, this, [this]() {
    statusBar()->showMessage(QStringLiteral("Everything is saved in the project files."), 3000);
  });
  actions_.at(kCmdHelpTopics)->setShortcut(QKeySequence(Qt::Key_F1));
  actions_.at(kCmdContextHelp)->setShortcut(QKeySequence(Qt::SHIFT | Qt::Key_F1));
  addAction(actions_.at(kCmdContextHelp));  // no menu item, but its key works
}

QAction* CMainFrame::Action(int id) const {
  const auto it = actions_.find(id);
  return it == actions_.end() ? nullptr : it->second;
}

void CMainFrame::RefreshCommands() {
  for (auto& [id, action] : actions_) {
    action->setEnabled(table_.Enabled(id, app_) && !running_);
    action->setStatusTip(QString::fromStdString(table_.StatusText(id)));
  }
  if (app_.caption.empty()) UpdateCaption(app_);
  setWindowTitle(QString::fromStdString(app_.caption));
}

void CMainFrame::RunCommand(int id) {
  if (running_ || !table_.Enabled(id, app_)) return;
  const Command* command = table_.Find(id);
  switch (id) {
    case kCmdExit:
      close();
      return;
    case kCmdHelpTopics:
      ShowHelp(0);
      return;
    case kCmdUserGuide:
      ShowGuide();
      return;
    case kCmdAbout:
      ShowAbout();
      return;
    case kCmdContextHelp:
      QWhatsThis::enterWhatsThisMode();
      return;
    default:
      break;
  }
  if (!command || command->binding != CommandBinding::Core) return;
  // One command at a time: the menu and tool bar are greyed until it ends.
  running_ = true;
  RefreshCommands();
  try {
    table_.Run(id, app_, ui_);
  } catch (const std::exception& e) {
    ui_.Message(std::string("The command ended with an internal error:\n\n") + e.what(), Buttons::Ok);
  }
  running_ = false;
  statusBar()->clearMessage();
  RefreshCommands();
}

void CMainFrame::ShowHelp(int commandId) {
  if (!help_) help_ = new HelpWindow(table_, this);
  help_->ShowTopic(commandId);
}

void CMainFrame::SetGuideSearch(std::filesystem::path programFolder, std::filesystem::path sourceDocs) {
  guideProgramFolder_ = std::move(programFolder);
  guideSourceDocs_ = std::move(sourceDocs);
}

void CMainFrame::ShowGuide() {
  const std::optional<std::filesystem::path> guide = FindUserGuide(guideProgramFolder_, guideSourceDocs_);
  if (!guide) {
    ui_.Message(UserGuideMissingMessage(UserGuideCandidates(guideProgramFolder_, guideSourceDocs_)));
    return;
  }
  if (!guide_) guide_ = new GuideWindow(this);
  if (!guide_->Open(*guide)) {
    ui_.Message("The user guide " + guide->string() + " could not be read.");
    return;
  }
  guide_->show();
  guide_->raise();
  guide_->activateWindow();
}

void CMainFrame::ShowAbout() {
  AboutBox box(this);
  box.exec();
}

void CMainFrame::DocumentCheck() { ConfirmEnd(app_, ui_); }

void CMainFrame::closeEvent(QCloseEvent* event) {
  if (running_ || !ConfirmEnd(app_, ui_)) {
    event->ignore();
    return;
  }
  if (help_) help_->close();
  if (guide_) guide_->close();
  for (TextWindow* report : ui_.OpenReports()) report->close();
  event->accept();
}

}  // namespace zelvo::qt
