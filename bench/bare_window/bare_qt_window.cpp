// A bare Qt window of the player's size that shows itself and quits: the yardstick the program's
// own start and end are measured against (scripts/start-quit-bench.py).
#include <QApplication>
#include <QTimer>
#include <QWidget>

int main(int argc, char* argv[]) {
  QApplication app(argc, argv);
  QWidget window;
  window.resize(900, 420);
  window.show();
  QTimer::singleShot(0, &app, &QApplication::quit);
  return app.exec();
}
