// Windows: the raised look that all buttons of the game share.
#include "ui/common/button_style.h"

namespace breliko::ui {

QString RaisedButtonStyle(const QColor& face) {
  const QString light = face.lighter(125).name();
  const QString dark = face.darker(200).name();
  return QStringLiteral(
             "QPushButton { background-color: %1; color: black; padding: 0px;"
             " border-style: solid; border-width: 2px; border-color: %2 %3 %3 %2; }"
             "QPushButton:pressed { border-color: %3 %2 %2 %3; }"
             "QPushButton:focus { outline: none; }")
      .arg(face.name(), light, dark);
}

}  // namespace breliko::ui
