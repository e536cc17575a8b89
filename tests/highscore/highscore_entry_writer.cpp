// One real highscore entry, or a reset, on P1.dat in the folder given, as the
// windows perform them, or the read of the list at a start; the kill and
// fault tests start this and kill it at random moments or make its calls fail.
//   breliko_highscore_entry_writer <folder> [reset|read]
// Exits 0 once the list is saved or read, 1 if the save failed, 2 on bad usage.

#include <QDir>
#include <QFile>

#include "highscore/highscore_changes.h"
#include "writer_entry.h"

int main(int argc, char** argv) {
  const QByteArray what = argc == 3 ? argv[2] : "";
  if (argc < 2 || argc > 3 || !(what.isEmpty() || what == "reset" || what == "read")) return 2;
  const QDir folder(QFile::decodeName(argv[1]));
  const breliko::highscore::HighscoreFile file(folder.filePath(QStringLiteral("P1.dat")));
  if (what == "read") {
    file.ReadHighscoreGrenze();
    return 0;
  }
  const breliko::highscore::WriteResult saved =
      argc == 3 ? breliko::highscore::ResetList(file)
                : breliko::highscore::AddEntry(file, breliko::testing::WriterEntry()).saved;
  if (!saved.ok) breliko::highscore::ReportOnConsole(saved.problem);
  return saved.ok ? 0 : 1;
}
