// Start-up: telling the player why the game could not start.
#include "app/start_failure.h"

#include <QGuiApplication>
#include <QMessageBox>

#include <cstdio>

namespace breliko::app {

namespace {

// Platforms that draw into memory or nowhere: nobody would see a window.
bool HasDisplay() {
  const QString platform = QGuiApplication::platformName();
  return qobject_cast<QGuiApplication*>(QCoreApplication::instance()) != nullptr &&
         platform != QStringLiteral("offscreen") && platform != QStringLiteral("minimal");
}

}  // namespace

void ReportStartFailure(const QString& problem) {
  std::fprintf(stderr, "breliko: %s\n", qUtf8Printable(problem));
  if (!HasDisplay()) return;
  QMessageBox box(QMessageBox::Critical, QStringLiteral("BRELIKO"),
                  QStringLiteral("BRELIKO ne povas starti."), QMessageBox::Close);
  box.setInformativeText(problem);
  box.exec();
}

}  // namespace breliko::app
