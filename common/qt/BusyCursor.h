#pragma once
// The wait cursor of long work. Busy spans nest: the cursor shows from the first Set(true) to
// the matching last Set(false). A window that waits for the user during long work (a message,
// a dialog, a file to correct) lifts it while it is open, so the pointer is a pointer there;
// lifts nest as well.

#include <QApplication>

namespace zelvo::qt {

class BusyCursor {
 public:
  BusyCursor() = default;
  ~BusyCursor() {
    depth_ = 0;
    Sync();
  }
  BusyCursor(const BusyCursor&) = delete;
  BusyCursor& operator=(const BusyCursor&) = delete;

  // True when the outermost span began or ended. An end without a beginning is ignored.
  bool Set(bool busy) {
    if (!busy && depth_ == 0) return false;
    depth_ += busy ? 1 : -1;
    Sync();
    return depth_ == (busy ? 1 : 0);
  }
  bool Busy() const { return depth_ > 0; }

  // The normal cursor for as long as it lives.
  class Lift {
   public:
    explicit Lift(BusyCursor& cursor) : cursor_(cursor) {
      ++cursor_.lifts_;
      cursor_.Sync();
    }
    ~Lift() {
      --cursor_.lifts_;
      cursor_.Sync();
    }
    Lift(const Lift&) = delete;
    Lift& operator=(const Lift&) = delete;

   private:
    BusyCursor& cursor_;
  };

 private:
  // The wait cursor is up exactly while some span is open and no window has lifted it.
  void Sync() {
    const bool wanted = depth_ > 0 && lifts_ == 0;
    if (wanted == shown_) return;
    if (wanted)
      QApplication::setOverrideCursor(Qt::WaitCursor);
    else
      QApplication::restoreOverrideCursor();
    shown_ = wanted;
  }

  int depth_ = 0;
  int lifts_ = 0;
  bool shown_ = false;
};

}  // namespace zelvo::qt
