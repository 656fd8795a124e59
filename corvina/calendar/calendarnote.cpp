#include "corvina/calendar/calendarnote.h"

#include <QDateTime>
#include <QStringDecoder>
#include <QStringEncoder>

#include "corvina/connection/modelnumbers.h"
#include "corvina/language/language.h"

namespace corvina {

namespace {

constexpr int64_t kSecondsPerHour = 3600;

QString trimmed(const std::string& bytes) {
    return noteText(bytes).trimmed();
}

// The note's date in the given year; 29 February outside leap years
// becomes 28 February.
QDate sameDayIn(const QDate& date, int year) {
    if (date.month() == 2 && date.day() == 29 && !QDate::isLeapYear(year)) return {year, 2, 28};
    return {year, date.month(), date.day()};
}

QDateTime startTime(const CalendarNote& note) {
    return {dateOf(note.start), QTime(note.start.hour, note.start.minute)};
}

}  // namespace

bool operator==(const TDateTimeRec& a, const TDateTimeRec& b) {
    return a.year == b.year && a.month == b.month && a.day == b.day && a.hour == b.hour &&
           a.minute == b.minute && a.second == b.second && a.reserved == b.reserved;
}

bool keepsEndInAlarm(uint8_t modelNumber) {
    return isSiemensWithAddressBook(modelNumber) || modelNumber == kNoModelYet;
}

bool hasTasks(uint8_t modelNumber) {
    return (modelNumber >= 6 && modelNumber <= 8) || modelNumber == kNoModelYet;
}

std::string timestampText(const TDateTimeRec& t) {
    return QString::asprintf("%04d%02d%02d%02d%02d", t.year, t.month, t.day, t.hour, t.minute)
        .toStdString();
}

TDateTimeRec dateTimeRec(const QDate& date, int hour, int minute) {
    return {date.year(), date.month(), date.day(), hour, minute, 0, 0};
}

QDate dateOf(const TDateTimeRec& t) {
    return QDate(t.year, t.month, t.day);
}

QDate shownDate(const CalendarNote& note, int shownYear) {
    if (note.type != ntBirthday) return dateOf(note.start);
    // The month and day of a birthday count; its year may be anything.
    const QDate leapDay(2000, note.start.month, note.start.day);
    if (!leapDay.isValid()) return {};
    return sameDayIn(leapDay, shownYear);
}

bool fallsOn(const CalendarNote& note, const QDate& day) {
    if (note.type == ntBirthday) return shownDate(note, day.year()) == day;
    const QDate first = dateOf(note.start);
    if (!first.isValid() || day < first) return false;
    if (day == first) return true;
    switch (note.repeat) {
        case 0:
            return false;
        case kRepeatDaily:
            return true;
        case kRepeatWeekly:
            return first.daysTo(day) % 7 == 0;
        case kRepeatMonthly:
            return day.day() == std::min(first.day(), day.daysInMonth());
        case kRepeatYearly:
            return sameDayIn(first, day.year()) == day;
        default: {
            // Every `repeat` hours from the start: the first time on or after
            // the day's beginning must still fall on the day.
            const QDateTime from = startTime(note);
            const int64_t step = note.repeat * kSecondsPerHour;
            const int64_t offset = from.secsTo(QDateTime(day, QTime(0, 0)));
            const int64_t steps = (offset + step - 1) / step;
            return from.addSecs(steps * step).date() == day;
        }
    }
}

QString noteTypeName(uint8_t type) {
    switch (type) {
        case ntCall:
            return tx("kalender_3", "Anruf");
        case ntMeeting:
            return tx("kalender_4", "Meeting");
        case ntBirthday:
            return tx("kalender_5", "Geburtstag");
        case ntTask:
            return tx("kalendar_666_8", "Aufgabe");
        default:
            return tx("kalender_2", "Erinnerung");
    }
}

bool sameNote(const CalendarNote& a, const CalendarNote& b) {
    if (a.type != b.type || trimmed(a.text) != trimmed(b.text)) return false;
    if (a.type == ntBirthday) return a.start.month == b.start.month && a.start.day == b.start.day;
    return timestampText(a.start) == timestampText(b.start);
}

QString noteText(const std::string& bytes) {
    QStringDecoder decoder("windows-1252");
    return decoder.decode(QByteArrayView(bytes.data(), static_cast<qsizetype>(bytes.size())));
}

std::string phoneText(const QString& text) {
    int unmapped = 0;
    return phoneText(text, unmapped);
}

std::string phoneText(const QString& text, int& unmapped) {
    std::string result;
    QStringEncoder encoder("windows-1252", QStringEncoder::Flag::Stateless);
    for (const char32_t c : text.toUcs4()) {
        const QString one = QString::fromUcs4(&c, 1);
        const QByteArray encoded = encoder.encode(one);
        const bool mapped = encoded.size() == 1 && (encoded[0] != '?' || c == U'?') &&
                            (encoded[0] != 0x1A || c == 0x1A);
        if (!mapped) ++unmapped;
        result.push_back(mapped ? encoded[0] : '?');
    }
    return result;
}

}  // namespace corvina
