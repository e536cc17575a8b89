#include "highscore/console_report.h"

#include <cstdio>
#include <cstring>

namespace breliko::highscore {

void ReportOnConsole(const QString& line) {
  std::fprintf(stderr, "breliko: %s\n", line.toLocal8Bit().constData());
  std::fflush(stderr);
}

QString SystemError(int error) { return QString::fromLocal8Bit(std::strerror(error)); }

}  // namespace breliko::highscore
