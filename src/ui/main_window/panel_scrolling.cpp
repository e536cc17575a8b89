// Main window: reading a text panel with the keys.
#include "ui/main_window/panel_scrolling.h"

#include <QAbstractScrollArea>
#include <QScrollBar>

#include <array>

namespace breliko::ui {

namespace {

struct ScrollKey {
  int key;
  QAbstractSlider::SliderAction action;
};

constexpr std::array<ScrollKey, 6> kScrollKeys = {{
    {Qt::Key_Up, QAbstractSlider::SliderSingleStepSub},
    {Qt::Key_Down, QAbstractSlider::SliderSingleStepAdd},
    {Qt::Key_PageUp, QAbstractSlider::SliderPageStepSub},
    {Qt::Key_PageDown, QAbstractSlider::SliderPageStepAdd},
    {Qt::Key_Home, QAbstractSlider::SliderToMinimum},
    {Qt::Key_End, QAbstractSlider::SliderToMaximum},
}};

}  // namespace

void ScrollPanel(QAbstractScrollArea& panel, int key) {
  for (const ScrollKey& scroll : kScrollKeys) {
    if (scroll.key == key) panel.verticalScrollBar()->triggerAction(scroll.action);
  }
}

}  // namespace breliko::ui
