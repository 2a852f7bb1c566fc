#include "zelvo/shell/qt/HelpWindow.h"

#include <QDialogButtonBox>
#include <QFile>
#include <QHBoxLayout>
#include <QImage>
#include <QLabel>
#include <QPushButton>
#include <QTextBlock>
#include <QTextBrowser>
#include <QTextCursor>
#include <QTextDocument>
#include <QUrl>
#include <QVBoxLayout>

#include "zelvo/shell/HelpTopics.h"
#include "zelvo/shell/qt/Pictures.h"

namespace zelvo::qt {

HelpWindow::HelpWindow(const CommandTable& table, QWidget* parent) : QDialog(parent) {
  setWindowTitle(QStringLiteral("ZELVO Help"));
  setWindowFlag(Qt::WindowContextHelpButtonHint, false);
  setWindowFlag(Qt::WindowMaximizeButtonHint, true);
  auto* layout = new QVBoxLayout(this);
  browser_ = new QTextBrowser(this);
  browser_->setOpenLinks(true);
  browser_->setHtml(QString::fromStdString(HelpPageHtml(table)));
  layout->addWidget(browser_);
  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
  connect(buttons, &QDialogButtonBox::rejected, this, &HelpWindow::close);
  layout->addWidget(buttons);
  resize(720, 600);
}

void HelpWindow::ShowTopic(int commandId) {
  if (commandId == 0) {
    browser_->scrollToAnchor(QString());
    browser_->moveCursor(QTextCursor::Start);
  } else {
    browser_->scrollToAnchor(QString::fromStdString(HelpAnchor(commandId)));
  }
  show();
  raise();
  activateWindow();
}

namespace {

// The widest a picture of the guide is shown, in pixels: the text column of the window.
constexpr int kGuidePictureWidth = 860;

// Calls `visit` with the cursor over each picture of `document` and the picture's format.
template <typename Visit>
void ForEachImage(QTextDocument* document, Visit visit) {
  for (QTextBlock block = document->begin(); block.isValid(); block = block.next())
    for (auto it = block.begin(); !it.atEnd(); ++it) {
      const QTextFragment fragment = it.fragment();
      if (!fragment.isValid() || !fragment.charFormat().isImageFormat()) continue;
      QTextCursor cursor(document);
      cursor.setPosition(fragment.position());
      cursor.setPosition(fragment.position() + fragment.length(), QTextCursor::KeepAnchor);
      visit(cursor, fragment.charFormat().toImageFormat());
    }
}

// A picture of the guide as the browser loads it: a local file comes as its bytes.
QImage LoadImage(QTextBrowser* browser, const QString& name) {
  const QVariant data = browser->loadResource(QTextDocument::ImageResource, QUrl(name));
  QImage image = data.value<QImage>();
  if (image.isNull() && data.canConvert<QByteArray>()) image.loadFromData(data.toByteArray());
  return image;
}

}  // namespace

GuideWindow::GuideWindow(QWidget* parent) : QDialog(parent) {
  setWindowTitle(QStringLiteral("ZELVO User Guide"));
  setWindowFlag(Qt::WindowContextHelpButtonHint, false);
  setWindowFlag(Qt::WindowMaximizeButtonHint, true);
  auto* layout = new QVBoxLayout(this);
  browser_ = new QTextBrowser(this);
  browser_->setObjectName(QStringLiteral("guideBrowser"));
  browser_->setOpenExternalLinks(true);
  layout->addWidget(browser_);
  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
  connect(buttons, &QDialogButtonBox::rejected, this, &GuideWindow::close);
  layout->addWidget(buttons);
  resize(kGuidePictureWidth + 80, 700);
}

bool GuideWindow::Open(const std::filesystem::path& guide) {
  const QString path = QString::fromStdString(guide.string());
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly)) return false;
  file.close();
  browser_->setSource(QUrl::fromLocalFile(path), QTextDocument::MarkdownResource);
  if (browser_->document()->isEmpty()) return false;
  FitImages();
  browser_->moveCursor(QTextCursor::Start);
  return true;
}

void GuideWindow::FitImages() {
  ForEachImage(browser_->document(), [this](QTextCursor& cursor, QTextImageFormat format) {
    const QImage image = LoadImage(browser_, format.name());
    if (image.isNull() || image.width() <= kGuidePictureWidth) return;
    format.setWidth(kGuidePictureWidth);
    format.setHeight(static_cast<double>(image.height()) * kGuidePictureWidth / image.width());
    cursor.setCharFormat(format);
  });
}

QStringList GuideWindow::ImageNames() const {
  QStringList names;
  ForEachImage(browser_->document(),
               [&names](QTextCursor&, const QTextImageFormat& f) { names << f.name(); });
  return names;
}

QStringList GuideWindow::MissingImages() const {
  QStringList missing;
  ForEachImage(browser_->document(), [this, &missing](QTextCursor&, const QTextImageFormat& format) {
    if (LoadImage(browser_, format.name()).isNull()) missing << format.name();
  });
  return missing;
}

AboutBox::AboutBox(QWidget* parent) : QDialog(parent) {
  setWindowTitle(QStringLiteral("About ZELVO"));
  setWindowFlag(Qt::WindowContextHelpButtonHint, false);
  auto* layout = new QVBoxLayout(this);
  auto* row = new QHBoxLayout;
  auto* icon = new QLabel(this);
  icon->setPixmap(ProgramIcon().pixmap(32, 32));
  row->addWidget(icon, 0, Qt::AlignTop);
  auto* text = new QLabel(QStringLiteral("MORVIK   Version 1.1"), this);
  text->setObjectName(QStringLiteral("versionLine"));
  text->setTextFormat(Qt::PlainText);
  row->addSpacing(12);
  row->addWidget(text, 1);
  layout->addLayout(row);
  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok, this);
  buttons->button(QDialogButtonBox::Ok)->setDefault(true);
  connect(buttons, &QDialogButtonBox::accepted, this, &AboutBox::accept);
  layout->addWidget(buttons);
  setMinimumWidth(300);
}

}  // namespace zelvo::qt
