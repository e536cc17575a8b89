#include <gtest/gtest.h>
#include <QApplication>

#include <cstdlib>

#include "app/program_end.h"

// The test programs end as the game does (see EndProgram): a test that
// played sound leaves Qt Multimedia's PulseAudio connection in a static
// object whose destructor would abort the program, now and then, after
// every test has passed.
int main(int argc, char** argv) {
  // Widget tests run headless unless the caller picked a platform (the
  // tests of the real program window run under Xvfb with "xcb").
  setenv("QT_QPA_PLATFORM", "offscreen", 0);
  int status = 0;
  {
    QApplication app(argc, argv);
    testing::InitGoogleTest(&argc, argv);
    status = RUN_ALL_TESTS();
  }
  breliko::app::EndProgram(status);
}
