// The Qt tests run real widgets: one QApplication for the whole program, on the offscreen
// platform unless another one is asked for. Every test runs under the watch over modal windows
// (qt/QtTestSupport.h), so a window nobody closes fails its test instead of hanging the run.

#include <gtest/gtest.h>

#include <QApplication>

#include "common/qt/NumberLocale.h"
#include "qt/QtTestSupport.h"

namespace {

class ModalWatchListener : public ::testing::EmptyTestEventListener {
 public:
  void OnTestStart(const ::testing::TestInfo&) override { zelvo::qt::testing::StartModalWatch(); }
  void OnTestEnd(const ::testing::TestInfo&) override { zelvo::qt::testing::StopModalWatch(); }
};

}  // namespace

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication application(argc, argv);
  zelvo::qt::UseClassicNumbers();  // as both programs do
  ::testing::InitGoogleTest(&argc, argv);
  ::testing::UnitTest::GetInstance()->listeners().Append(new ModalWatchListener);
  return RUN_ALL_TESTS();
}
