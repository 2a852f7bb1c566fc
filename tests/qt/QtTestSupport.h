#pragma once
// Helpers for driving modal windows in the Qt tests: a modal dialog blocks in exec(), so what a
// user would do in it is scheduled before and runs once the dialog is up.

#include <QApplication>
#include <QDir>
#include <QLineEdit>
#include <QPixmap>
#include <QString>
#include <QTimer>
#include <QWidget>
#include <functional>
#include <memory>

namespace zelvo::qt::testing {

// Runs `act` on the next modal window that appears above `above` (nullptr: any). Polls every
// 10 ms for up to five seconds; returns at once.
inline void WhenModal(std::function<void(QWidget*)> act, QWidget* above = nullptr) {
  auto* timer = new QTimer;
  auto tries = std::make_shared<int>(0);
  QObject::connect(timer, &QTimer::timeout, [timer, act, above, tries]() {
    QWidget* modal = QApplication::activeModalWidget();
    if (modal && modal != above && modal->isVisible()) {
      timer->stop();
      timer->deleteLater();
      act(modal);
    } else if (++*tries > 500) {
      timer->stop();
      timer->deleteLater();
    }
  });
  timer->start(10);
}

// Chooses `path` in an open file dialog as a user typing the full path would, and presses its
// accept button. Typing the absolute path does not depend on the dialog's folder listing, which
// Qt fills in the background.
inline void ChooseFile(QWidget* fileDialog, const QString& path) {
  auto* name = fileDialog->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
  if (name) name->setText(path);
  QMetaObject::invokeMethod(fileDialog, "accept");
}

template <typename T>
T* Find(QWidget* root, const QString& name = QString()) {
  return root->findChild<T*>(name);
}

// Saves a picture of `widget` in the screenshot folder and returns its path.
inline QString Screenshot(QWidget* widget, const QString& name) {
  QDir().mkpath(QStringLiteral(ZELVO_SCREENSHOT_DIR));
  const QString path = QStringLiteral(ZELVO_SCREENSHOT_DIR) + '/' + name + QStringLiteral(".png");
  widget->grab().save(path);
  return path;
}

}  // namespace zelvo::qt::testing
