// MonitorWindow: the scaled full-screen window of screen model "4".
#pragma once

#include <QWidget>

namespace taluvin {

class MonitorWindow : public QWidget {
  Q_OBJECT
 public:
  MonitorWindow();
};

}  // namespace taluvin
