// One real highscore entry, or a reset, on P1.dat in the folder given, as the
// windows perform them, or the read of the list at a start; the kill and
// fault tests start this and kill it at random moments or make its calls fail.
//   breliko_highscore_entry_writer <folder> [reset|read]
// Exits 0 once the list is saved or read, 1 if the save failed, 2 on bad usage.
// With BRELIKO_MARKS_FD set, it writes "s" to that descriptor as the save
// begins and "d" once it is done, so that a kill can be told to have landed
// inside the save.

#include <unistd.h>

#include <cstdlib>

#include <QDir>
#include <QFile>

#include "highscore/console_report.h"
#include "highscore/highscore_changes.h"
#include "writer_entry.h"

namespace {

void Mark(char mark) {
  if (const char* descriptor = std::getenv("BRELIKO_MARKS_FD")) {
    if (::write(std::atoi(descriptor), &mark, 1) != 1) std::_Exit(3);
  }
}

}  // namespace

int main(int argc, char** argv) {
  const QByteArray what = argc == 3 ? argv[2] : "";
  if (argc < 2 || argc > 3 || !(what.isEmpty() || what == "reset" || what == "read")) return 2;
  const QDir folder(QFile::decodeName(argv[1]));
  const breliko::highscore::HighscoreFile file(folder.filePath(QStringLiteral("P1.dat")));
  if (what == "read") {
    file.ReadHighscoreGrenze();
    return 0;
  }
  Mark('s');
  const breliko::highscore::WriteResult saved =
      argc == 3 ? breliko::highscore::ResetList(file)
                : breliko::highscore::AddEntry(file, breliko::testing::WriterEntry()).saved;
  Mark('d');
  if (!saved.ok) breliko::highscore::ReportOnConsole(saved.problem);
  return saved.ok ? 0 : 1;
}
