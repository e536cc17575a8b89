// Start-up: telling the player why the game could not start.
#include "app/start_failure.h"

#include <QGuiApplication>
#include <QMessageBox>
#include <QPushButton>

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

void ReportStartFailure(const QString& consoleLine, const QString& playerText) {
  std::fprintf(stderr, "breliko: %s\n", qUtf8Printable(consoleLine));
  if (!HasDisplay()) return;
  StartFailureBox(playerText)->exec();
}

std::unique_ptr<QMessageBox> StartFailureBox(const QString& playerText) {
  auto box = std::make_unique<QMessageBox>(QMessageBox::Critical, QStringLiteral("BRELIKO"),
                                           QStringLiteral("BRELIKO ne povas starti."));
  box->setInformativeText(playerText);
  // Qt's own "Close" would be the one English word in the window.
  box->setEscapeButton(box->addButton(QStringLiteral("Fermi"), QMessageBox::AcceptRole));
  return box;
}

}  // namespace breliko::app
