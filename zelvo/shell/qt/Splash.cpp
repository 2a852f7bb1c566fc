#include "zelvo/shell/qt/Splash.h"

#include <QApplication>
#include <QEvent>
#include <QTimer>

#include "zelvo/shell/qt/Pictures.h"

namespace zelvo::qt {

Splash::Splash(QWidget* mainWindow, int milliseconds)
    : QSplashScreen(SplashPicture(), Qt::WindowStaysOnTopHint), mainWindow_(mainWindow) {
  setAttribute(Qt::WA_DeleteOnClose);
  qApp->installEventFilter(this);
  QTimer::singleShot(milliseconds, this, &Splash::CloseSplash);
}

Splash::~Splash() { qApp->removeEventFilter(this); }

bool Splash::eventFilter(QObject* watched, QEvent* event) {
  switch (event->type()) {
    case QEvent::KeyPress:
    case QEvent::MouseButtonPress:
    case QEvent::NonClientAreaMouseButtonPress:
      CloseSplash();
      break;
    default:
      break;
  }
  return QSplashScreen::eventFilter(watched, event);
}

void Splash::CloseSplash() {
  if (closed_) return;
  closed_ = true;
  qApp->removeEventFilter(this);
  close();
  if (mainWindow_) mainWindow_->update();
}

}  // namespace zelvo::qt
