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

    // A Siemens phone on AT commands: its address book, calendar, profile and
    // logos work differently from a Nokia phone's.
    bool speaksAt() const { return kind_ == 0; }

    // Waits (at most a few ticks) until the keep-alive has refreshed battery
    // and signal.
    void waitForFreshStatus();

    bool event(QEvent* event) override;

  private:
    int keepAliveCycles_ = 0;
    uint8_t kind_ = 1;
};

}  // namespace cli
