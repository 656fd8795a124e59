// What the port search found on each port with each connection kind: the
// latest outcome per port and kind, kept for the connection help.
#pragma once

#include <QDateTime>
#include <QString>
#include <cstdint>
#include <vector>

#include "phonelib/api/porterror.h"

namespace corvina {

// OutOfRange: an infrared attempt found no device in range.
enum class AttemptOutcome { Found, NoAnswer, NotFound, OutOfRange, NoPermission, Busy, OtherError };

struct SearchAttempt {
    QString port;  // empty for the infrared kinds
    uint8_t kind = 0;
    AttemptOutcome outcome = AttemptOutcome::NoAnswer;
    QString detail;  // the system's words for OtherError
    QDateTime when;
};

class SearchRecord {
  public:
    // The signals of SearchPort, in the order it sends them.
    void started(uint8_t kind, const QString& port);
    void failed(const QString& port, phonelib::PortOpenError error, const QString& detail);
    void found(const QString& port, uint8_t kind);

    // One entry per port and kind, in the order they were first tried.
    const std::vector<SearchAttempt>& attempts() const { return attempts_; }

  private:
    void record(const QString& port, uint8_t kind, AttemptOutcome outcome, const QString& detail);

    uint8_t pendingKind_ = 0;
    std::vector<SearchAttempt> attempts_;
};

}  // namespace corvina
