// The closing window, shown while the port search ends.
#pragma once

#include <QWidget>

namespace corvina {

class Tbeendenform : public QWidget {
  public:
    explicit Tbeendenform(QWidget* parent = nullptr);
};

}  // namespace corvina
