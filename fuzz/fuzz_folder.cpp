#include "fuzz_folder.h"

#include <cstdio>
#include <cstdlib>
#include <memory>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

namespace breliko::fuzz {

namespace {

std::unique_ptr<QTemporaryDir>& Folder() {
  static std::unique_ptr<QTemporaryDir> folder;
  return folder;
}

void ClearFolder() {
  QDir folder(Folder()->path());
  for (const QString& name : folder.entryList(QDir::Files | QDir::Dirs | QDir::NoDotAndDotDot)) {
    Require(folder.remove(name), "the folder can be cleared");
  }
}

}  // namespace

void MakeFuzzFolder() {
  Folder() = std::make_unique<QTemporaryDir>();
  Require(Folder()->isValid(), "a temporary folder can be made");
}

QString HighscorePath() { return Folder()->filePath(QStringLiteral("P1.dat")); }

void PutFile(const QByteArray& bytes) {
  ClearFolder();
  QFile file(HighscorePath());
  Require(file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size(),
          "the input can be written as the highscore file");
}

void RemoveFile() { ClearFolder(); }

void PutBeside(const QString& tail, const QByteArray& bytes) {
  QFile file(HighscorePath() + tail);
  Require(file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size(),
          "a file can be put beside the highscore file");
}

QByteArray FileBytes() {
  QFile file(HighscorePath());
  Require(file.open(QIODevice::ReadOnly), "the highscore file can be read back");
  return file.readAll();
}

QStringList FolderEntries() {
  return QDir(Folder()->path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot);
}

void Require(bool holds, const char* what) {
  if (holds) return;
  std::fprintf(stderr, "broken: %s\n", what);
  std::abort();
}

}  // namespace breliko::fuzz
