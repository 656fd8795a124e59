#include "corvina/calendar/calendarupload.h"

#include <algorithm>

#include "corvina/connection/modelnumbers.h"
#include "corvina/language/language.h"
#include "phonelib/api/status.h"

namespace corvina {

namespace {

QString statusText(uint8_t status) {
    return tx("kalender2_10", " (Status ") + QString::number(status) + QLatin1Char(')');
}

}  // namespace

CalendarUpload::CalendarUpload(CalendarCalls calls, uint8_t modelNumber,
                               std::vector<CalendarNote> notes, Mode mode,
                               std::vector<int32_t> usedLocations)
    : calls_(std::move(calls)),
      model_(modelNumber),
      notes_(std::move(notes)),
      mode_(mode),
      used_(std::move(usedLocations)) {}

bool CalendarUpload::handled(uint8_t result, TransferState& out) {
    if (result == phonelib::stCallInProgress) {
        busy_ = true;
        out = state_;
        return true;
    }
    if (result == phonelib::stNotConnected) {
        out = finish(TransferState::LinkLost);
        return true;
    }
    return false;
}

TransferState CalendarUpload::step() {
    busy_ = false;
    if (transferOver(state_)) return state_;
    if (linkLost_) return finish(TransferState::LinkLost);
    if (cancelled_) return finish(TransferState::Cancelled);
    TransferState out = state_;
    switch (phase_) {
        case Phase::Info: {
            const uint8_t result = calls_.info(info_);
            if (handled(result, out)) return out;
            if (result != phonelib::stDone) {
                failureText_ =
                    tx("kalender2_5",
                       "Die Kalenderinformationen konnten nicht abgefragt werden (Status ") +
                    QString::number(result) + QLatin1Char(')') + QLatin1Char('.');
                return finish(TransferState::Failed);
            }
            if (mode_ == Mode::Replace && total() > info_.maximum) {
                failureText_ = tx("kalender2_11", "Das Telefon fasst nur ") +
                               QString::number(info_.maximum) +
                               tx("kalender2_12", " Notizen, der Kalender hat ") +
                               QString::number(total()) + QLatin1Char('.');
                return finish(TransferState::Failed);
            }
            clearTotal_ = isNokia7110Family(model_) ? listedNotes(info_) : info_.maximum;
            const bool clears = mode_ == Mode::Replace && isNokia(model_);
            phase_ = clears ? Phase::Clear : Phase::Write;
            return state_;
        }
        case Phase::Clear:
            return clearNext();
        case Phase::Write:
            return writeNext();
        case Phase::Tail:
            return deleteSurplus();
        case Phase::Over:
            break;
    }
    return state_;
}

TransferState CalendarUpload::clearNext() {
    if (cleared_ >= clearTotal_) {
        phase_ = Phase::Write;
        return state_;
    }
    // The 7110 family deletes every listed location; the 61xx family
    // deletes location 1 until the phone has none left, at most as many
    // times as it has locations.
    const bool listed = isNokia7110Family(model_);
    const int32_t location = listed ? info_.locations[static_cast<size_t>(cleared_)] : 1;
    const uint8_t result = calls_.remove(location);
    TransferState out;
    if (handled(result, out)) return out;
    ++cleared_;
    if (result == phonelib::stDone) return state_;
    if (result == phonelib::stNoSuchLocation || result == phonelib::stEmptyLocation) {
        if (!listed) phase_ = Phase::Write;
        return state_;
    }
    failure_ = result;
    failureText_ = tx("kalender2_13", "Das Telefon ließ Platz ") + QString::number(location) +
                   tx("kalender2_14", " nicht löschen") + statusText(result) +
                   tx("kalender2_15", "; es wurde nichts geschrieben.");
    return finish(TransferState::Failed);
}

int32_t CalendarUpload::writeLocation(int32_t nextLocation) {
    if (!isSiemens(model_)) return nextLocation;
    if (mode_ == Mode::Replace) return next_ + 1;
    int32_t location = 1;
    while (std::find(used_.begin(), used_.end(), location) != used_.end()) ++location;
    return location;
}

TransferState CalendarUpload::writeNext() {
    if (next_ >= total()) {
        const bool tail =
            mode_ == Mode::Replace && isSiemens(model_) && lastWrite_ == phonelib::stDone;
        if (tail) {
            phase_ = Phase::Tail;
            surplus_ = total() + 1;
            return state_;
        }
        return finish(notWritten_.empty() ? TransferState::Done : TransferState::Incomplete);
    }
    const CalendarNote& note = notes_[static_cast<size_t>(next_)];
    TransferState out;
    int32_t nextLocation = info_.nextLocation;
    if (isNokia7110Family(model_)) {
        // The phone names the location of each new note.
        TCalendarInfo fresh;
        const uint8_t result = calls_.info(fresh);
        if (handled(result, out)) return out;
        if (result != phonelib::stDone) {
            notWritten_ << noteText(note.text) + statusText(result);
            lastWrite_ = result;
            ++next_;
            return state_;
        }
        nextLocation = fresh.nextLocation;
    }
    const int32_t location = writeLocation(nextLocation);
    if (isSiemens(model_) && location > info_.maximum) {
        notWritten_ << noteText(note.text) + tx("kalender2_16", " (Telefon voll)");
        ++next_;
        return state_;
    }
    const uint8_t result = calls_.write(entryFromNote(note, location));
    if (handled(result, out)) return out;
    lastWrite_ = result;
    ++next_;
    if (result == phonelib::stDone) {
        ++written_;
        if (isSiemens(model_)) used_.push_back(location);
    } else {
        notWritten_ << noteText(note.text) + statusText(result);
    }
    return state_;
}

TransferState CalendarUpload::deleteSurplus() {
    if (surplus_ > info_.maximum)
        return finish(notWritten_.empty() ? TransferState::Done : TransferState::Incomplete);
    const uint8_t result = calls_.remove(surplus_);
    TransferState out;
    if (handled(result, out)) return out;
    ++surplus_;
    if (result != phonelib::stDone) surplus_ = info_.maximum + 1;
    return state_;
}

TransferState CalendarUpload::finish(TransferState state) {
    phase_ = Phase::Over;
    state_ = state;
    return state_;
}

QString CalendarUpload::progressText() const {
    if (phase_ == Phase::Clear) return QStringLiteral("%1 / %2").arg(cleared_ + 1).arg(clearTotal_);
    return QStringLiteral("%1 / %2").arg(std::min(next_ + 1, total())).arg(total());
}

QString CalendarUpload::summary() const {
    const QString count = QString::number(written_) + tx("kalender2_17", " von ") +
                          QString::number(total()) + tx("kalender2_18", " Notizen geschrieben.");
    const QString missing = notWritten_.isEmpty()
                                ? QString()
                                : QLatin1Char('\n') + tx("kalender2_19", "Nicht geschrieben: ") +
                                      notWritten_.join(QStringLiteral(", "));
    switch (state_) {
        case TransferState::Running:
        case TransferState::Done:
            return tx("kalender_84", "Kalender wurde erfolgreich aufgespielt...");
        case TransferState::Incomplete:
            return tx("kalender_83", "Kalender wurde NICHT vollständig aufgespielt...") +
                   QLatin1Char('\n') + count + missing;
        case TransferState::Failed:
            return tx("kalender_83", "Kalender wurde NICHT vollständig aufgespielt...") +
                   QLatin1Char('\n') + failureText_ +
                   (failure_ == 0 ? QLatin1Char('\n') +
                                        tx("kalender2_20", "Im Telefon wurde nichts gelöscht.")
                                  : QString());
        case TransferState::LinkLost:
            return tx("kalender2_7", "Die Verbindung zum Telefon ist verloren.") +
                   QLatin1Char('\n') + count + missing;
        case TransferState::Cancelled:
            return tx("kalender2_21", "Upload abgebrochen.") + QLatin1Char('\n') + count + missing;
    }
    return {};
}

}  // namespace corvina
