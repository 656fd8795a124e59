#include "corvina/calendar/calendardownload.h"

#include <QStringList>

#include "corvina/connection/modelnumbers.h"
#include "corvina/language/language.h"
#include "phonelib/api/status.h"

namespace corvina {

namespace {

constexpr int kTries = 3;

QString locationList(const std::vector<int32_t>& locations) {
    QStringList names;
    for (const int32_t location : locations) names << QString::number(location);
    return names.join(QStringLiteral(", "));
}

}  // namespace

bool transferOver(TransferState state) {
    return state != TransferState::Running;
}

CalendarDownload::CalendarDownload(CalendarCalls calls, uint8_t modelNumber, int shownYear)
    : calls_(std::move(calls)), model_(modelNumber), shownYear_(shownYear) {}

TransferState CalendarDownload::step() {
    busy_ = false;
    if (transferOver(state_)) return state_;
    if (linkLost_) return finish(TransferState::LinkLost);
    if (cancelled_) return finish(TransferState::Cancelled);
    switch (phase_) {
        case Phase::Info: {
            const uint8_t result = calls_.info(info_);
            if (result == phonelib::stCallInProgress) {
                busy_ = true;
                return state_;
            }
            infoStatus_ = result;
            if (result == phonelib::stNotConnected) return finish(TransferState::LinkLost);
            if (result != phonelib::stDone) return finish(TransferState::Failed);
            total_ = listedNotes(info_);
            phase_ = Phase::Notes;
            return state_;
        }
        case Phase::Notes:
            return readNext();
        case Phase::LastAgain: {
            // Siemens phones with an address book are read once more at the
            // last note that answered; the answer is not used.
            TCalendarEntry ignored;
            if (calls_.read(ignored, used_.back()) == phonelib::stCallInProgress) {
                busy_ = true;
                return state_;
            }
            return finish(failed_.empty() ? TransferState::Done : TransferState::Incomplete);
        }
        case Phase::Over:
            break;
    }
    return state_;
}

TransferState CalendarDownload::readNext() {
    const bool stopAtGap = isNokia61xxFamily(model_) && lastResult_ == phonelib::stEmptyLocation;
    if (next_ >= total_ || stopAtGap || tableFull_) {
        if (isSiemensWithAddressBook(model_) && !used_.empty()) {
            phase_ = Phase::LastAgain;
            return state_;
        }
        return finish(failed_.empty() ? TransferState::Done : TransferState::Incomplete);
    }
    const int32_t location = info_.locations[static_cast<size_t>(next_)];
    TCalendarEntry entry;  // a fresh record: nothing of the previous note stays
    const uint8_t result = calls_.read(entry, location);
    if (result == phonelib::stCallInProgress) {
        busy_ = true;
        return state_;
    }
    if (result == phonelib::stNotConnected) return finish(TransferState::LinkLost);
    if (result != phonelib::stDone && result != phonelib::stEmptyLocation && ++tries_ < kTries)
        return state_;
    tries_ = 0;
    lastResult_ = result;
    ++next_;
    if (result == phonelib::stDone) {
        if (table_.full()) {
            tableFull_ = true;
            --next_;
            return state_;
        }
        table_.append(noteFromEntry(entry, model_, shownYear_));
        used_.push_back(location);
    } else if (result != phonelib::stEmptyLocation) {
        failed_.push_back(location);
    }
    return state_;
}

TransferState CalendarDownload::finish(TransferState state) {
    phase_ = Phase::Over;
    state_ = state;
    table_.sortByDate(shownYear_);
    return state_;
}

QString CalendarDownload::unreadText() const {
    QString text;
    if (!failed_.empty()) {
        text += tx("kalender2_1", "Nicht gelesen nach drei Versuchen: Platz ") +
                locationList(failed_) + QLatin1Char('.');
    }
    if (next_ < total_ &&
        (state_ == TransferState::LinkLost || state_ == TransferState::Cancelled || tableFull_)) {
        if (!text.isEmpty()) text += QLatin1Char('\n');
        text += tx("kalender2_2", "Nicht mehr gelesen: die Plätze ab ") +
                QString::number(info_.locations[static_cast<size_t>(next_)]) + QLatin1Char('.');
    }
    return text;
}

QString CalendarDownload::summary() const {
    const QString read = QString::number(table_.count()) + tx("kalender2_3", " Notizen gelesen.");
    QString text;
    switch (state_) {
        case TransferState::Running:
        case TransferState::Done:
            if (tableFull_) {
                text = tx("kalender2_4", "Der Kalender fasst nur 440 Notizen.") +
                       QLatin1Char('\n') + unreadText();
            } else {
                return tx("kalender_66", "Kalender erfolgreich abgefragt.");
            }
            break;
        case TransferState::Incomplete:
            text = tx("kalender_67", "Fehler beim Download.") + QLatin1Char('\n') + read +
                   QLatin1Char('\n') + unreadText();
            break;
        case TransferState::Failed:
            return tx("kalender2_5",
                      "Die Kalenderinformationen konnten nicht abgefragt werden (Status ") +
                   QString::number(infoStatus_) +
                   tx("kalender2_6", "). Der Kalender bleibt, wie er war.");
        case TransferState::LinkLost:
            text = tx("kalender2_7", "Die Verbindung zum Telefon ist verloren.") +
                   QLatin1Char('\n') +
                   (hasTable() ? read + QLatin1Char('\n') + unreadText()
                               : tx("kalender2_9", "Der Kalender bleibt, wie er war."));
            break;
        case TransferState::Cancelled:
            text = tx("kalender2_8", "Download abgebrochen.") + QLatin1Char('\n') + read +
                   QLatin1Char('\n') + unreadText();
            break;
    }
    return text.trimmed();
}

}  // namespace corvina
