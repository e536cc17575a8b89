// The least a Qt Widgets program can do for a window like the game's: one
// frameless 800 x 600 window in the game's green, shown and left alone. The
// measuring scripts start it beside the game as the floor for start-up time,
// memory and idle cost.
#include <QApplication>
#include <QPalette>
#include <QStyleFactory>
#include <QWidget>

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  // The game's style too, so that both load the same plug-ins.
  QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));

  QWidget window(nullptr, Qt::Window | Qt::FramelessWindowHint);
  window.setFixedSize(800, 600);
  QPalette palette = window.palette();
  palette.setColor(QPalette::Window, QColor(0, 128, 0));
  window.setPalette(palette);
  window.setAutoFillBackground(true);
  window.show();
  return QApplication::exec();
}
