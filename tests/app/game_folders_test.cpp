#include "app/game_folders.h"
#include "game/sounds.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include "app/sounds_from_folder.h"

namespace breliko::app {
namespace {

TEST(GameFolders, FromAFolderBothAreInTheWorkingDirectory) {
  const GameFolders folders = WorkingDirectoryFolders();
  EXPECT_EQ(folders.sounds, QStringLiteral("sounds"));
  EXPECT_EQ(folders.highscoreFile, QStringLiteral("P1.dat"));
}

class UserGameFolders : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(scratch_.isValid());
    savedDataHome_ = qgetenv("XDG_DATA_HOME");
    qputenv("XDG_DATA_HOME", scratch_.filePath(QStringLiteral("data")).toUtf8());
  }
  void TearDown() override { qputenv("XDG_DATA_HOME", savedDataHome_); }

  QTemporaryDir scratch_;
  QByteArray savedDataHome_;
};

TEST_F(UserGameFolders, TheListLivesInTheMadeGameFolderAndTheSoundsBesideTheProgram) {
  FolderProblem problem;
  const auto folders = app::UserGameFolders(QStringLiteral("/opt/game/bin"), problem);
  ASSERT_TRUE(folders) << problem.console.toStdString();
  const QString gameFolder = scratch_.filePath(QStringLiteral("data/breliko"));
  EXPECT_EQ(folders->highscoreFile, gameFolder + QStringLiteral("/P1.dat"));
  EXPECT_TRUE(QDir(gameFolder).exists());
  // The list itself is made only when the game first writes it.
  EXPECT_FALSE(QFile::exists(folders->highscoreFile));
  EXPECT_EQ(folders->sounds, QStringLiteral("/opt/game/share/breliko/sounds"));
}

TEST_F(UserGameFolders, AGameFolderThatCannotBeMadeIsReported) {
  // A file where the data folder should be.
  QFile blocker(scratch_.filePath(QStringLiteral("data")));
  ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
  blocker.close();
  FolderProblem problem;
  EXPECT_FALSE(app::UserGameFolders(QStringLiteral("/opt/game/bin"), problem));
  const QString gameFolder = scratch_.filePath(QStringLiteral("data/breliko"));
  EXPECT_EQ(problem.console, QStringLiteral("cannot make the game folder ") + gameFolder);
  // The player's window speaks the game's language.
  EXPECT_EQ(problem.player, QStringLiteral("Ne eblas krei la luddosierujon ") + gameFolder + '.');
}

class RecordingOutput : public sound::SoundOutput {
 public:
  void Play(const std::string& file, std::int32_t flags) override {
    played.emplace_back(file, flags);
  }
  std::vector<std::pair<std::string, std::int32_t>> played;
};

TEST(SoundsFromFolder, TheGamesSoundNamesAreLookedUpInTheFolder) {
  RecordingOutput player;
  SoundsFromFolder installed(player, QStringLiteral("/usr/share/breliko/sounds"));
  installed.Play("sounds/sound5.wav", game::kSoundWait);
  installed.Play("elsewhere/x.wav", game::kSoundAsync);
  SoundsFromFolder workingDirectory(player, QStringLiteral("sounds"));
  workingDirectory.Play("sounds/sound1.wav", game::kSoundAsync);
  using Played = std::pair<std::string, std::int32_t>;
  EXPECT_THAT(player.played,
              ::testing::ElementsAre(Played{"/usr/share/breliko/sounds/sound5.wav", 0},
                                     Played{"elsewhere/x.wav", 1}, Played{"sounds/sound1.wav", 1}));
}

}  // namespace
}  // namespace breliko::app
