// The monitor window of screen model "4".
#include "interact/monitor_window.h"

namespace taluvin {

MonitorWindow::MonitorWindow() {
  setObjectName("TForm10");
  setWindowFlags(Qt::FramelessWindowHint);
}

}  // namespace taluvin
