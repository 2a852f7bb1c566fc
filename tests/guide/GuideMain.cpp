// The guide's walk-through runs real windows: one QApplication on the offscreen platform unless
// another one is asked for. Its windows are answered by the walk-through itself, which fails the
// run on a window it has no step for and on one that stays open long after its step.

#include <gtest/gtest.h>

#include <QApplication>

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication application(argc, argv);
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
