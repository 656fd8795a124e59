// A connection to one phone for the command-line tool: set-up with clear
// German messages when it fails, and a host object that receives the
// library's notifications.
#pragma once

#include <QObject>
#include <string>

namespace cli {

struct ConnectionOptions {
    std::string port;
    uint8_t kind = 1;  // phonelib::ConnectionKind
    int32_t baud = 0;
};

class Session : public QObject {
  public:
    // Connects; on failure prints why to stderr and returns false.
    bool open(const ConnectionOptions& options);

    // Waits (at most a few ticks) until the keep-alive has refreshed battery
    // and signal.
    void waitForFreshStatus();

    bool event(QEvent* event) override;

  private:
    int keepAliveCycles_ = 0;
};

}  // namespace cli
