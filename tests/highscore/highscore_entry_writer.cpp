// One real highscore entry on P1.dat in the folder given, as the name entry
// performs it; the kill test starts this and kills it at random moments.
//   breliko_highscore_entry_writer <folder>
// Exits 0 once the entry is saved, 1 if the save failed, 2 on bad usage.

#include <QDir>
#include <QFile>

#include "highscore/highscore_changes.h"
#include "writer_entry.h"

int main(int argc, char** argv) {
  if (argc != 2) return 2;
  const QDir folder(QFile::decodeName(argv[1]));
  const breliko::highscore::HighscoreFile file(folder.filePath(QStringLiteral("P1.dat")));
  const breliko::highscore::WriteResult saved =
      breliko::highscore::AddEntry(file, breliko::testing::WriterEntry()).saved;
  if (!saved.ok) breliko::highscore::ReportOnConsole(saved.problem);
  return saved.ok ? 0 : 1;
}
