// The program quits while a cut clip and a waited-for clip are in flight:
// before the audio thread has taken them, while it starts them, and while
// the second one plays. Each time the program must end by itself with
// status 0, never by a signal and never by hanging, and tell of an audio
// output that did not answer only when it did not.
#include <gtest/gtest.h>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

#include <QProcess>
#include <QProcessEnvironment>
#include <QString>
#include <QTemporaryDir>

#include <cstring>

namespace {

struct Ending {
  bool finished = false;
  QProcess::ExitStatus status = QProcess::CrashExit;
  int code = -1;
  QString errors;
};

Ending QuitAfter(int quitAfterMs, const QProcessEnvironment& environment) {
  QProcess program;
  program.setProcessEnvironment(environment);
  program.setProcessChannelMode(QProcess::ForwardedOutputChannel);
  program.start(QStringLiteral(BRELIKO_QUIT_PROGRAM), {QString::number(quitAfterMs)});
  Ending ending;
  if (!program.waitForStarted()) return ending;
  // Far beyond a normal quit; only a hanging program gets here.
  ending.finished = program.waitForFinished(60000);
  if (!ending.finished) program.kill();
  program.waitForFinished();
  ending.status = program.exitStatus();
  ending.code = program.exitCode();
  ending.errors = QString::fromLocal8Bit(program.readAllStandardError());
  return ending;
}

constexpr auto kNoAnswer = "does not answer";

TEST(SoundQuit, EndsCleanlyWithACutAndAWaitedForClipInFlight) {
  for (const int quitAfterMs : {0, 1, 30, 300}) {
    SCOPED_TRACE(quitAfterMs);
    const Ending ending = QuitAfter(quitAfterMs, QProcessEnvironment::systemEnvironment());
    ASSERT_TRUE(ending.finished) << "the program hangs at its end";
    EXPECT_EQ(ending.status, QProcess::NormalExit) << "ended by a signal";
    EXPECT_EQ(ending.code, 0);
    EXPECT_FALSE(ending.errors.contains(kNoAnswer)) << ending.errors.toStdString();
  }
}

// A sound server that takes the connection and never answers holds the
// audio thread in its first call. The quit must still end the program, with
// status 0 and one line that says why there was no sound.
TEST(SoundQuit, EndsWithALineWhenTheSoundServerNeverAnswers) {
  QTemporaryDir folder;
  const QByteArray path = folder.filePath(QStringLiteral("native")).toLocal8Bit();
  const int server = socket(AF_UNIX, SOCK_STREAM, 0);
  ASSERT_GE(server, 0);
  sockaddr_un address{};
  address.sun_family = AF_UNIX;
  ASSERT_LT(static_cast<std::size_t>(path.size()), sizeof(address.sun_path));
  std::memcpy(address.sun_path, path.constData(), path.size());
  ASSERT_EQ(bind(server, reinterpret_cast<sockaddr*>(&address), sizeof(address)), 0);
  ASSERT_EQ(listen(server, 4), 0);  // connections wait in the backlog, unanswered

  QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
  environment.insert(QStringLiteral("PULSE_SERVER"), QStringLiteral("unix:") + path);
  const Ending ending = QuitAfter(300, environment);
  close(server);
  ASSERT_TRUE(ending.finished) << "the program hangs at its end";
  EXPECT_EQ(ending.status, QProcess::NormalExit) << "ended by a signal";
  EXPECT_EQ(ending.code, 0);
  EXPECT_EQ(ending.errors.count(kNoAnswer), 1) << ending.errors.toStdString();
}

}  // namespace
