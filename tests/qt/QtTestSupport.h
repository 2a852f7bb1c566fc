#pragma once
// Helpers for driving modal windows in the Qt tests: a modal dialog blocks in exec(), so what a
// user would do in it is scheduled before and runs once the dialog is up.
//
// The tests never wait for ctest's time limit: an action whose window does not come up fails the
// test, and a modal window that stays open with no action waiting for it (the program showed a
// window the test did not expect, or an action left it open) fails the test and is closed, so
// exec() returns and the test ends. QtTestMain installs the watch for every test.

#include <gtest/gtest.h>

#include <QApplication>
#include <QDialog>
#include <QDir>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QMessageBox>
#include <QPixmap>
#include <QPointer>
#include <QString>
#include <QTimer>
#include <QWidget>
#include <algorithm>
#include <functional>
#include <memory>
#include <vector>

namespace zelvo::qt::testing {

// How long an action waits for its window, and how long a window may stay open with no action
// waiting for it.
inline constexpr int kModalWaitMs = 5000;
inline constexpr int kUnattendedModalMs = 3000;

namespace detail {

struct ModalWatch {
  std::vector<QPointer<QTimer>> waiting;  // actions whose window has not come up yet
  QPointer<QTimer> guard;
  QPointer<QWidget> unattended;  // the modal window open while no action waits
  QElapsedTimer unattendedFor;
};

inline ModalWatch& Watch() {
  static ModalWatch watch;
  return watch;
}

inline void Forget(QTimer* timer) {
  auto& waiting = Watch().waiting;
  waiting.erase(std::remove_if(waiting.begin(), waiting.end(),
                               [timer](const QPointer<QTimer>& t) { return t.isNull() || t == timer; }),
                waiting.end());
  timer->stop();
  timer->deleteLater();
}

inline QString Describe(QWidget* window) {
  QString text = QStringLiteral("\"%1\" (%2)").arg(window->windowTitle(), window->metaObject()->className());
  if (auto* box = qobject_cast<QMessageBox*>(window)) text += QStringLiteral(": ") + box->text();
  return text;
}

inline void Close(QWidget* window) {
  if (auto* dialog = qobject_cast<QDialog*>(window))
    dialog->reject();
  else
    window->close();
}

}  // namespace detail

// Runs `act` on the next modal window that appears above `above` (nullptr: any). Polls every
// 10 ms; a window that has not come up within kModalWaitMs fails the test.
inline void WhenModal(std::function<void(QWidget*)> act, QWidget* above = nullptr) {
  auto* timer = new QTimer;
  detail::Watch().waiting.emplace_back(timer);
  QPointer<QWidget> under(above);
  auto waited = std::make_shared<QElapsedTimer>();
  waited->start();
  QObject::connect(timer, &QTimer::timeout, [timer, act, under, above, waited]() {
    QWidget* modal = QApplication::activeModalWidget();
    if (modal && modal != above && modal->isVisible()) {
      detail::Forget(timer);
      act(modal);
    } else if (waited->elapsed() > kModalWaitMs) {
      ADD_FAILURE() << "no modal window came up within " << kModalWaitMs / 1000 << " s"
                    << (under ? " above " + detail::Describe(under).toStdString() : std::string());
      detail::Forget(timer);
    }
  });
  timer->start(10);
}

// Runs each action on the next modal window in turn, each a window other than the one before.
inline void WhenModals(std::vector<std::function<void(QWidget*)>> actions, QWidget* above = nullptr) {
  if (actions.empty()) return;
  auto act = actions.front();
  actions.erase(actions.begin());
  WhenModal(
      [act, rest = std::move(actions)](QWidget* modal) mutable {
        // The next window may open inside this action (a message from a button), so its action
        // is waiting before this one runs.
        WhenModals(std::move(rest), modal);
        act(modal);
      },
      above);
}

// Starts the watch over unattended modal windows (at the start of every test).
inline void StartModalWatch() {
  detail::ModalWatch& watch = detail::Watch();
  if (watch.guard) return;
  watch.guard = new QTimer;
  QObject::connect(watch.guard, &QTimer::timeout, [] {
    detail::ModalWatch& w = detail::Watch();
    QWidget* modal = QApplication::activeModalWidget();
    const bool actionWaiting = std::any_of(w.waiting.begin(), w.waiting.end(),
                                           [](const QPointer<QTimer>& t) { return !t.isNull(); });
    if (modal == nullptr || !modal->isVisible() || actionWaiting) {
      w.unattended = nullptr;
      return;
    }
    if (w.unattended != modal) {
      w.unattended = modal;
      w.unattendedFor.start();
      return;
    }
    if (w.unattendedFor.elapsed() < kUnattendedModalMs) return;
    ADD_FAILURE() << "the modal window " << detail::Describe(modal).toStdString()
                  << " stayed open with no test step for it; closed after " << kUnattendedModalMs / 1000
                  << " s";
    w.unattended = nullptr;
    detail::Close(modal);
  });
  watch.guard->start(50);
}

// Ends the watch (at the end of every test): an action still waiting for its window fails the
// test, so it cannot act on a window of the next test.
inline void StopModalWatch() {
  detail::ModalWatch& watch = detail::Watch();
  for (const QPointer<QTimer>& timer : watch.waiting) {
    if (timer.isNull()) continue;
    ADD_FAILURE() << "an action for a modal window was scheduled, but no window came up";
    timer->stop();
    timer->deleteLater();
  }
  watch.waiting.clear();
  if (watch.guard) {
    watch.guard->stop();
    watch.guard->deleteLater();
  }
  watch.guard = nullptr;
  watch.unattended = nullptr;
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
