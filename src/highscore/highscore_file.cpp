#include "highscore/highscore_file.h"

#include <cstdio>
#include <utility>

#include <QFile>
#include <QFileInfo>

namespace breliko::highscore {

namespace {

constexpr qint64 kListBytes = kListLength * kRecordBytes;

}  // namespace

HighscoreFile::HighscoreFile(QString path, WriteFaults faults, std::chrono::milliseconds lockWait)
    : path_(std::move(path)), faults_(std::move(faults)), lockWait_(lockWait) {}

HighscoreEntry HighscoreFile::ReadRecord(int number) const {
  return FromRecord(ReadBytes(qint64(number - 1) * kRecordBytes, kRecordBytes));
}

HighscoreList HighscoreFile::ReadList() const {
  const QByteArray bytes = ReadBytes(0, kListBytes);
  HighscoreList list;
  for (int i = 0; i < kListLength; ++i) {
    list[i] = FromRecord(bytes.mid(i * kRecordBytes, kRecordBytes));
  }
  return list;
}

WriteResult HighscoreFile::WriteList(const HighscoreList& list) const {
  QByteArray content;
  for (const HighscoreEntry& entry : list) content += ToRecord(entry);

  if (QFileInfo::exists(path_)) {
    QFile old(path_);
    if (!old.open(QIODevice::ReadOnly)) return {false, old.errorString()};
    if (old.size() > content.size()) {
      old.seek(content.size());
      const QByteArray later = old.readAll();
      if (later.size() != old.size() - content.size()) return {false, old.errorString()};
      content += later;
    }
  }
  return ReplaceFileContent(path_, content, faults_);
}

QByteArray HighscoreFile::ReadBytes(qint64 offset, qint64 count) const {
  CreateIfMissing();
  QFile file(path_);
  if (!file.open(QIODevice::ReadOnly)) {
    ReportOnConsole(QStringLiteral("%1 cannot be read: %2").arg(path_, file.errorString()));
    return {};
  }
  if (offset >= file.size() || !file.seek(offset)) return {};
  QByteArray bytes = file.read(count);
  if (file.error() != QFileDevice::NoError) {
    ReportOnConsole(QStringLiteral("%1 cannot be read: %2").arg(path_, file.errorString()));
  }
  return bytes;
}

void HighscoreFile::CreateIfMissing() const {
  if (QFileInfo::exists(path_)) return;
  // NewOnly: should the file have appeared meanwhile, it is not emptied.
  QFile(path_).open(QIODevice::WriteOnly | QIODevice::NewOnly);
}

void ReportOnConsole(const QString& line) {
  std::fprintf(stderr, "breliko: %s\n", line.toLocal8Bit().constData());
  std::fflush(stderr);
}

}  // namespace breliko::highscore
