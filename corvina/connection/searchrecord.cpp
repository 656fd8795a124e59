#include "corvina/connection/searchrecord.h"

#include "phonelib/api/librarystate.h"

namespace corvina {

namespace {

AttemptOutcome outcomeOf(phonelib::PortOpenError error, uint8_t kind) {
    switch (error) {
        case phonelib::PortOpenError::None:
            return AttemptOutcome::NoAnswer;
        case phonelib::PortOpenError::NotFound:
            return kind == phonelib::ckAtInfrared || kind == phonelib::ckFbusInfrared
                       ? AttemptOutcome::OutOfRange
                       : AttemptOutcome::NotFound;
        case phonelib::PortOpenError::PermissionDenied:
            return AttemptOutcome::NoPermission;
        case phonelib::PortOpenError::Busy:
            return AttemptOutcome::Busy;
        case phonelib::PortOpenError::Other:
            return AttemptOutcome::OtherError;
    }
    return AttemptOutcome::OtherError;
}

}  // namespace

void SearchRecord::started(uint8_t kind, const QString&) {
    pendingKind_ = kind;
}

void SearchRecord::failed(const QString& port, phonelib::PortOpenError error,
                          const QString& detail) {
    record(port, pendingKind_, outcomeOf(error, pendingKind_), detail);
}

void SearchRecord::found(const QString& port, uint8_t kind) {
    record(port, kind, AttemptOutcome::Found, {});
}

void SearchRecord::record(const QString& port, uint8_t kind, AttemptOutcome outcome,
                          const QString& detail) {
    const SearchAttempt attempt{port, kind, outcome, detail, QDateTime::currentDateTime()};
    for (SearchAttempt& known : attempts_) {
        if (known.port == port && known.kind == kind) {
            known = attempt;
            return;
        }
    }
    attempts_.push_back(attempt);
}

}  // namespace corvina
