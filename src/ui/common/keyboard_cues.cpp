// Windows: whether the player finds a window's controls with the keys.
#include "ui/common/keyboard_cues.h"

#include <QApplication>
#include <QKeyEvent>
#include <QWidget>

#include "ui/common/window_keys.h"

namespace breliko::ui {

namespace {

constexpr char kShownProperty[] = "breliko_keyboard_cues";

bool IsModifierOnly(int key) {
  return key == Qt::Key_Alt || key == Qt::Key_Control || key == Qt::Key_Shift ||
         key == Qt::Key_Meta || key == Qt::Key_AltGr || key == Qt::Key_Super_L ||
         key == Qt::Key_Super_R;
}

bool MovesThroughTheWindow(const QKeyEvent& key) {
  const WindowKey* row = FindWindowKey(key.key());
  if (row != nullptr && row->navigates) return true;
  // An access key: Alt with a letter or a digit, not Alt alone.
  return (key.modifiers() & Qt::AltModifier) && !IsModifierOnly(key.key());
}

// Sees every key before the shortcuts and widgets take it: a key that is an
// access key never reaches a widget as a key press, only as its override.
class KeyWatcher : public QObject {
 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() == QEvent::ShortcutOverride || event->type() == QEvent::KeyPress) {
      auto* widget = qobject_cast<QWidget*>(watched);
      if (widget != nullptr && !KeyboardCues::Shown(*widget) &&
          MovesThroughTheWindow(*static_cast<QKeyEvent*>(event))) {
        widget->window()->setProperty(kShownProperty, true);
        widget->window()->update();
        // A focused button repaints itself, but not its window.
        if (QWidget* focus = widget->window()->focusWidget()) focus->update();
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

bool KeyboardCues::Shown(const QWidget& widget) {
  return widget.window()->property(kShownProperty).toBool();
}

}  // namespace breliko::ui
