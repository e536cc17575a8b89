#include "app/tile_symbols_setting.h"

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QSettings>
#include <QTemporaryDir>

namespace breliko::app {
namespace {

// The settings file of a test lives in a folder of its own, never in the
// player's own configuration.
class TileSymbolsSetting : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(scratch_.isValid());
    savedConfigHome_ = qgetenv("XDG_CONFIG_HOME");
    qputenv("XDG_CONFIG_HOME", scratch_.path().toUtf8());
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, scratch_.path());
    QCoreApplication::setOrganizationName(QStringLiteral("breliko"));
    QCoreApplication::setApplicationName(QStringLiteral("breliko"));
  }
  void TearDown() override { qputenv("XDG_CONFIG_HOME", savedConfigHome_); }

  QString SettingsFile() const { return QDir(scratch_.path()).filePath("breliko/breliko.conf"); }

  // What a later run reads: the file itself, through a settings object of
  // its own.
  bool ReadByTheNextRun() const {
    return QSettings(SettingsFile(), QSettings::IniFormat).value("tileSymbols").toBool();
  }

 private:
  QTemporaryDir scratch_;
  QByteArray savedConfigHome_;
};

TEST_F(TileSymbolsSetting, UntilThePlayerSwitchesNothingIsWritten) {
  EXPECT_FALSE(RememberedTileSymbols());
  EXPECT_FALSE(QFileInfo::exists(SettingsFile()));
}

TEST_F(TileSymbolsSetting, TheChoiceOutlivesTheRun) {
  RememberTileSymbols(true);
  ASSERT_TRUE(QFileInfo::exists(SettingsFile()));
  EXPECT_TRUE(ReadByTheNextRun());
  EXPECT_TRUE(RememberedTileSymbols());
  RememberTileSymbols(false);
  EXPECT_FALSE(ReadByTheNextRun());
  EXPECT_FALSE(RememberedTileSymbols());
}

}  // namespace
}  // namespace breliko::app
