#include "corvina/diverts/divertbook.h"

#include <memory>

#include "codecs/tools/cp1252.h"
#include "phonelib/api/status.h"

namespace corvina {

namespace {

TDivert divertOf(int callClass, int reason) {
    TDivert divert;
    divert.callClass = static_cast<uint8_t>(callClass);
    divert.reason = static_cast<uint8_t>(reason);
    return divert;
}

DivertKey keyOf(const TDivert& divert) {
    return {divert.callClass, divert.reason};
}

}  // namespace

DivertBook::DivertBook(DivertLibrary library, QObject* parent)
    : QObject(parent), library_(std::move(library)) {
    connect(&calls_, &CallSequence::finished, this, [this] { emit finished(outcome_); });
}

void DivertBook::begin(DivertOutcome::Action action, int callClass) {
    outcome_ = DivertOutcome{};
    outcome_.action = action;
    outcome_.callClass = callClass;
}

void DivertBook::queryClass(int callClass) {
    begin(DivertOutcome::Action::Query, callClass);
    for (int reason = 0; reason < kReasons; ++reason) query(callClass, reason);
}

void DivertBook::queryAll() {
    begin(DivertOutcome::Action::Query, -1);
    for (int callClass = 0; callClass < kCallClasses; ++callClass) {
        for (int reason = 0; reason < kReasons; ++reason) query(callClass, reason);
    }
}

void DivertBook::query(int callClass, int reason) {
    auto divert = std::make_shared<TDivert>(divertOf(callClass, reason));
    calls_.add(
        [this, divert] {
            library_.announce(divert->callClass + 1, divert->reason + 1);
            return library_.getDiverts(*divert);
        },
        [this, divert, callClass, reason](uint8_t status) {
            if (status == phonelib::stDone) {
                show(*divert);
                return;
            }
            outcome_.failures.append({{callClass, reason}, status});
            grid_.setCell(callClass, reason, {});
            emit cellChanged(callClass, reason);
        });
}

void DivertBook::show(const TDivert& divert) {
    const DivertKey key = keyOf(divert);
    DivertCell cell;
    cell.state = divert.active ? DivertState::Active : DivertState::Inactive;
    if (divert.active) cell.number = tools::fromCp1252(divert.number);
    grid_.setCell(key.callClass, key.reason, cell);
    emit cellChanged(key.callClass, key.reason);
    if (key.reason == kNoReply && divert.active && divert.delay > 0) {
        grid_.setDelay(key.callClass, divert.delay);
        emit delayChanged(key.callClass);
    }
}

bool DivertBook::setNumber(int callClass, int reason, const QString& number) {
    std::string checked = tools::toCp1252(number.trimmed());
    if (checked.empty() || library_.formatNumber(checked) < 0) return false;
    begin(DivertOutcome::Action::Set, callClass);
    TDivert divert = divertOf(callClass, reason);
    divert.active = 1;
    divert.number = tools::toCp1252(number.trimmed());
    divert.delay = reason == kNoReply ? grid_.delay(callClass) : kDefaultDelay;
    write(divert);
    return true;
}

void DivertBook::switchOff(int callClass, int reason) {
    begin(DivertOutcome::Action::Off, callClass);
    TDivert divert = divertOf(callClass, reason);
    divert.delay = kDefaultDelay;
    write(divert);
}

void DivertBook::setDelay(int callClass, int32_t seconds) {
    begin(DivertOutcome::Action::Change, callClass);
    TDivert divert = divertOf(callClass, kNoReply);
    divert.active = 1;
    divert.number = tools::toCp1252(grid_.cell(callClass, kNoReply).number);
    divert.delay = seconds;
    write(divert);
}

void DivertBook::allOff() {
    begin(DivertOutcome::Action::AllOff, -1);
    for (int callClass = 0; callClass < kCallClasses; ++callClass) {
        for (int reason = 0; reason < kReasons; ++reason) {
            if (grid_.cell(callClass, reason).state == DivertState::Inactive) continue;
            TDivert divert = divertOf(callClass, reason);
            divert.delay = kDefaultDelay;
            write(divert);
        }
    }
}

void DivertBook::write(const TDivert& divert) {
    calls_.add(
        [this, divert] {
            library_.announce(divert.callClass + 1, divert.reason + 1);
            return library_.setDiverts(divert);
        },
        [this, divert](uint8_t status) {
            if (status == phonelib::stDone) {
                readBack(divert);
                return;
            }
            // The cell keeps what it showed: the divert may be as before.
            outcome_.failures.append({keyOf(divert), status});
            const DivertKey key = keyOf(divert);
            emit cellChanged(key.callClass, key.reason);
            if (key.reason == kNoReply) emit delayChanged(key.callClass);
        });
}

void DivertBook::readBack(const TDivert& written) {
    auto held = std::make_shared<TDivert>(divertOf(written.callClass, written.reason));
    calls_.add(
        [this, held] {
            library_.announce(held->callClass + 1, held->reason + 1);
            return library_.getDiverts(*held);
        },
        [this, written, held](uint8_t status) {
            if (status != phonelib::stDone) {
                outcome_.unconfirmed.append(keyOf(written));
                show(written);
                return;
            }
            const bool kept =
                (held->active != 0) == (written.active != 0) &&
                (!written.active || (sameNumber(held->number, written.number) &&
                                     (written.reason != kNoReply || held->delay == written.delay)));
            if (!kept) outcome_.notKept.append(keyOf(written));
            show(*held);
        });
}

bool DivertBook::sameNumber(const std::string& a, const std::string& b) const {
    std::string first = a;
    std::string second = b;
    library_.formatNumber(first);
    library_.formatNumber(second);
    return first == second;
}

}  // namespace corvina
