// Start-up: telling the player why the game could not start.
#pragma once

#include <QString>

#include <memory>

class QMessageBox;

namespace breliko::app {

// One line on standard error, and, where the program has a display, a small
// window with the same problem in Esperanto: started from the menu, the
// program has no terminal, and it would seem to do nothing at all. Returns
// once the player has closed the window.
void ReportStartFailure(const QString& consoleLine, const QString& playerText);

// The window of that report: a heading, the problem and a button to close
// it, all in Esperanto.
std::unique_ptr<QMessageBox> StartFailureBox(const QString& playerText);

}  // namespace breliko::app
