// The program quits while a cut clip and a waited-for clip are in flight:
// before the audio thread has taken them, while it starts them, and while
// the second one plays. Each time the program must end by itself with
// status 0, never by a signal and never by hanging.
#include <gtest/gtest.h>

#include <QProcess>
#include <QString>

namespace {

TEST(SoundQuit, EndsCleanlyWithACutAndAWaitedForClipInFlight) {
  for (const int quitAfterMs : {0, 1, 30, 300}) {
    SCOPED_TRACE(quitAfterMs);
    QProcess program;
    program.setProcessChannelMode(QProcess::ForwardedChannels);
    program.start(QStringLiteral(BRELIKO_QUIT_PROGRAM), {QString::number(quitAfterMs)});
    ASSERT_TRUE(program.waitForStarted());
    // Far beyond a normal quit; only a hanging program gets here.
    if (!program.waitForFinished(60000)) {
      program.kill();
      program.waitForFinished();
      FAIL() << "the program hangs at its end";
    }
    EXPECT_EQ(program.exitStatus(), QProcess::NormalExit) << "ended by a signal";
    EXPECT_EQ(program.exitCode(), 0);
  }
}

}  // namespace
