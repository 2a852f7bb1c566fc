#pragma once
// The splash picture: shown while the main window is made, closed after three seconds or at the
// first key press or mouse button press in any window of the program.

#include <QSplashScreen>

namespace zelvo::qt {

class Splash : public QSplashScreen {
  Q_OBJECT
 public:
  // `mainWindow` is repainted when the splash closes.
  explicit Splash(QWidget* mainWindow, int milliseconds = 3000);
  ~Splash() override;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void CloseSplash();
  QWidget* mainWindow_;
  bool closed_ = false;
};

}  // namespace zelvo::qt
