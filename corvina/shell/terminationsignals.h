// SIGINT and SIGTERM end the program the orderly way (the port search is
// stopped, the settings are kept) instead of killing it where it stands.
#pragma once

#include <QObject>
#include <functional>

namespace corvina {

// Calls `quit` on the main thread when one of the signals arrives. Call once.
void quitOnTerminationSignals(QObject* context, std::function<void()> quit);

}  // namespace corvina
