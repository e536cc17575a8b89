// Windows: whether the player has used the keyboard yet.
#include "ui/common/keyboard_cues.h"

#include <QApplication>
#include <QKeyEvent>
#include <QWidget>

namespace breliko::ui {

namespace {

bool shown = false;

bool IsModifierOnly(int key) {
  return key == Qt::Key_Alt || key == Qt::Key_Control || key == Qt::Key_Shift ||
         key == Qt::Key_Meta || key == Qt::Key_AltGr || key == Qt::Key_Super_L ||
         key == Qt::Key_Super_R;
}

// Sees every key before the shortcuts and widgets take it: a key that is an
// access key never reaches a widget as a key press, only as its override.
class KeyWatcher : public QObject {
 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (!shown &&
        (event->type() == QEvent::ShortcutOverride || event->type() == QEvent::KeyPress)) {
      if (!IsModifierOnly(static_cast<QKeyEvent*>(event)->key())) {
        shown = true;
        for (QWidget* window : QApplication::topLevelWidgets()) window->update();
        // A focused button repaints itself, but not its window.
        if (QWidget* focus = QApplication::focusWidget()) focus->update();
      }
    }
    return QObject::eventFilter(watched, event);
  }
};

KeyWatcher* watcher = nullptr;

}  // namespace

void KeyboardCues::Watch() {
  if (watcher != nullptr || QCoreApplication::instance() == nullptr) return;
  watcher = new KeyWatcher;
  watcher->setParent(QCoreApplication::instance());
  QCoreApplication::instance()->installEventFilter(watcher);
}

bool KeyboardCues::Shown() { return shown; }

void KeyboardCues::Reset() { shown = false; }

}  // namespace breliko::ui
