#include "corvina/calendar/icalendarnotes.h"

#include <libical/ical.h>

#include <QDateTime>
#include <QStringList>
#include <QTimeZone>
#include <QUuid>
#include <cstdlib>
#include <map>
#include <memory>
#include <optional>

#include "corvina/connection/modelnumbers.h"
#include "corvina/language/language.h"

namespace corvina {

namespace {

constexpr int kSecondsPerHour = 3600;
constexpr int kMaxRuleSteps = 50000;  // keeps a long counted rule from running for ever
const char* const kSilentProperty = "X-CORVINA-SILENT";
const char* const kProductId = "-//Corvina//Kalender//DE";

struct ComponentDeleter {
    void operator()(icalcomponent* c) const { icalcomponent_free(c); }
};
using Component = std::unique_ptr<icalcomponent, ComponentDeleter>;

void setUpLibrary() {
    static const bool done = [] {
        icalerror_set_errors_are_fatal(0);
        return true;
    }();
    (void)done;
}

// ----- writing ---------------------------------------------------------------------------

struct Zone {
    QByteArray id;                    // empty: floating times
    icaltimezone* builtin = nullptr;  // libical's description of it
    bool utc = false;
};

Zone pcZone() {
    Zone zone;
    const QByteArray id = QTimeZone::systemTimeZoneId();
    if (id.isEmpty()) return zone;
    if (id == "UTC" || id == "Etc/UTC") {
        zone.utc = true;
        return zone;
    }
    zone.builtin = icaltimezone_get_builtin_timezone(id.constData());
    if (zone.builtin) zone.id = id;
    return zone;
}

icaltimetype icalDate(const QDate& date) {
    icaltimetype t = icaltime_null_date();
    t.year = date.year();
    t.month = date.month();
    t.day = date.day();
    return t;
}

icaltimetype icalLocal(const TDateTimeRec& r) {
    icaltimetype t = icaltime_null_time();
    t.year = r.year;
    t.month = r.month;
    t.day = r.day;
    t.hour = r.hour;
    t.minute = r.minute;
    return t;
}

// A local time of the PC: with the zone's TZID, in UTC, or floating.
void addTime(icalcomponent* c, icalproperty* property, const TDateTimeRec& r, const Zone& zone) {
    if (zone.utc) {
        const QDateTime local(QDate(r.year, r.month, r.day), QTime(r.hour, r.minute));
        const QDateTime utc = local.toUTC();
        icaltimetype t = icaltime_null_time();
        t.year = utc.date().year();
        t.month = utc.date().month();
        t.day = utc.date().day();
        t.hour = utc.time().hour();
        t.minute = utc.time().minute();
        t = icaltime_set_timezone(&t, icaltimezone_get_utc_timezone());
        icalproperty_set_value(property, icalvalue_new_datetime(t));
    } else {
        icalproperty_set_value(property, icalvalue_new_datetime(icalLocal(r)));
        if (!zone.id.isEmpty())
            icalproperty_add_parameter(property, icalparameter_new_tzid(zone.id.constData()));
    }
    icalcomponent_add_property(c, property);
}

void addDate(icalcomponent* c, icalproperty* property, const QDate& date) {
    icalproperty_set_value(property, icalvalue_new_date(icalDate(date)));
    icalcomponent_add_property(c, property);
}

const char* categoryOf(uint8_t type) {
    switch (type) {
        case ntCall:
            return "CALL";
        case ntMeeting:
            return "MEETING";
        case ntBirthday:
            return "BIRTHDAY";
        default:
            return "REMINDER";
    }
}

QString repeatRule(uint16_t repeat) {
    switch (repeat) {
        case kRepeatDaily:
            return QStringLiteral("FREQ=DAILY");
        case kRepeatWeekly:
            return QStringLiteral("FREQ=WEEKLY");
        case kRepeatMonthly:
            return QStringLiteral("FREQ=MONTHLY");
        case kRepeatYearly:
            return QStringLiteral("FREQ=YEARLY");
        default:
            return QStringLiteral("FREQ=HOURLY;INTERVAL=%1").arg(repeat);
    }
}

void addRule(icalcomponent* c, const QString& rule) {
    icalcomponent_add_property(
        c, icalproperty_new_rrule(icalrecurrencetype_from_string(rule.toLatin1().constData())));
}

// The day a birthday is written on: in its birth year when that is a real
// year with this day, else in the note's own year.
QDate birthdayDate(const CalendarNote& note) {
    const QDate born(note.birthYear, note.start.month, note.start.day);
    if (note.birthYear >= 1000 && born.isValid()) return born;
    const QDate own = dateOf(note.start);
    return own.isValid() ? own : QDate(2000, note.start.month, note.start.day);
}

bool allDayReminder(const CalendarNote& note) {
    return note.type == ntReminder && note.start.hour == 0 && note.start.minute == 0;
}

// Seconds from the start to the alarm.
int alarmOffset(const CalendarNote& note, uint8_t model) {
    if (keepsEndInAlarm(model)) return 0;
    const QDateTime alarm(dateOf(note.alarm), QTime(note.alarm.hour, note.alarm.minute));
    QDateTime start(dateOf(note.start), QTime(note.start.hour, note.start.minute));
    if (note.type == ntBirthday) {
        // Birthdays ring in every year: measured in the alarm's year from
        // the start of the day.
        const QDate day = shownDate(note, note.alarm.year);
        start = QDateTime(day, QTime(0, 0));
    } else if (allDayReminder(note)) {
        start = QDateTime(dateOf(note.start), QTime(0, 0));
    }
    if (!alarm.isValid() || !start.isValid()) return 0;
    return static_cast<int>(start.secsTo(alarm));
}

icalcomponent* noteComponent(const CalendarNote& note, uint8_t model, const QString& uid,
                             const Zone& zone) {
    const bool task = note.type == ntTask;
    icalcomponent* c = task ? icalcomponent_new_vtodo() : icalcomponent_new_vevent();
    icalcomponent_add_property(c, icalproperty_new_uid(uid.toUtf8().constData()));
    icalcomponent_add_property(
        c,
        icalproperty_new_dtstamp(icaltime_current_time_with_zone(icaltimezone_get_utc_timezone())));
    icalcomponent_add_property(c,
                               icalproperty_new_summary(noteText(note.text).toUtf8().constData()));
    if (!task) icalcomponent_add_property(c, icalproperty_new_categories(categoryOf(note.type)));

    const QDate startDay = dateOf(note.start);
    if (note.type == ntBirthday) {
        const QDate day = birthdayDate(note);
        addDate(c, icalproperty_new_dtstart(icaltime_null_date()), day);
        addRule(c, day.month() == 2 && day.day() == 29
                       ? QStringLiteral("FREQ=YEARLY;BYMONTH=2;BYMONTHDAY=-1")
                       : QStringLiteral("FREQ=YEARLY"));
    } else if (startDay.isValid() && note.noStart == 0) {
        if (allDayReminder(note)) {
            addDate(c, icalproperty_new_dtstart(icaltime_null_date()), startDay);
        } else {
            addTime(c, icalproperty_new_dtstart(icaltime_null_time()), note.start, zone);
        }
        if (note.repeat != 0) addRule(c, repeatRule(note.repeat));
    }
    if (note.noEnd == 0 && dateOf(note.end).isValid() && note.type != ntBirthday) {
        addTime(c,
                task ? icalproperty_new_due(icaltime_null_time())
                     : icalproperty_new_dtend(icaltime_null_time()),
                note.end, zone);
    }
    if (note.type == ntCall && !note.number.empty())
        icalcomponent_add_property(
            c, icalproperty_new_contact(noteText(note.number).toUtf8().constData()));
    if (task && note.status != 2) {
        icalcomponent_add_property(
            c, icalproperty_new_status(note.status == 1 ? ICAL_STATUS_COMPLETED
                                                        : ICAL_STATUS_NEEDSACTION));
    }
    if (note.alarmOn) {
        icalcomponent* alarm = icalcomponent_new_valarm();
        icalcomponent_add_property(alarm, icalproperty_new_action(ICAL_ACTION_DISPLAY));
        icalcomponent_add_property(
            alarm, icalproperty_new_description(noteText(note.text).toUtf8().constData()));
        icaltriggertype trigger;
        trigger.time = icaltime_null_time();
        trigger.duration = icaldurationtype_from_int(alarmOffset(note, model));
        icalcomponent_add_property(alarm, icalproperty_new_trigger(trigger));
        icalcomponent_add_component(c, alarm);
    }
    if (note.silent) {
        icalproperty* silent = icalproperty_new_x("TRUE");
        icalproperty_set_x_name(silent, kSilentProperty);
        icalcomponent_add_property(c, silent);
    }
    return c;
}

std::string calendarText(const std::vector<const CalendarNote*>& notes,
                         const std::vector<QString>& uids, uint8_t model) {
    setUpLibrary();
    const Zone zone = pcZone();
    Component calendar(icalcomponent_new_vcalendar());
    icalcomponent_add_property(calendar.get(), icalproperty_new_version("2.0"));
    icalcomponent_add_property(calendar.get(), icalproperty_new_prodid(kProductId));
    if (zone.builtin) {
        icalcomponent* timezone = icalcomponent_new_clone(icaltimezone_get_component(zone.builtin));
        icalproperty* tzid = icalcomponent_get_first_property(timezone, ICAL_TZID_PROPERTY);
        if (tzid) icalproperty_set_tzid(tzid, zone.id.constData());
        icalcomponent_add_component(calendar.get(), timezone);
    }
    for (size_t i = 0; i < notes.size(); ++i)
        icalcomponent_add_component(calendar.get(), noteComponent(*notes[i], model, uids[i], zone));
    char* text = icalcomponent_as_ical_string_r(calendar.get());
    std::string result = text ? text : "";
    std::free(text);
    return result;
}

// ----- reading ---------------------------------------------------------------------------

struct Occurrence {
    QDateTime start;
    bool allDay = false;
};

// A time of the file as the PC's local time.
Occurrence localTime(const icaltimetype& t) {
    if (icaltime_is_null_time(t)) return {};
    if (t.is_date) return {QDateTime(QDate(t.year, t.month, t.day), QTime(0, 0)), true};
    const QDateTime written(QDate(t.year, t.month, t.day), QTime(t.hour, t.minute, t.second));
    if (icaltime_is_utc(t))
        return {QDateTime(written.date(), written.time(), QTimeZone::utc()).toLocalTime()};
    const icaltimezone* zone = icaltime_get_timezone(t);
    if (!zone) return {written};
    const time_t seconds = icaltime_as_timet_with_zone(t, zone);
    return {QDateTime::fromSecsSinceEpoch(seconds).toLocalTime()};
}

TDateTimeRec record(const QDateTime& t) {
    return dateTimeRec(t.date(), t.time().hour(), t.time().minute());
}

QString upper(const char* text) {
    return QString::fromUtf8(text ? text : "").trimmed().toUpper();
}

QStringList categoriesOf(icalcomponent* c) {
    QStringList all;
    for (icalproperty* p = icalcomponent_get_first_property(c, ICAL_CATEGORIES_PROPERTY); p;
         p = icalcomponent_get_next_property(c, ICAL_CATEGORIES_PROPERTY)) {
        for (const QString& one :
             QString::fromUtf8(icalproperty_get_categories(p)).split(QLatin1Char(',')))
            if (!one.trimmed().isEmpty()) all << one.trimmed();
    }
    return all;
}

std::optional<uint8_t> typeOfCategory(const QString& category) {
    static const std::map<QString, uint8_t> kWords = {
        {QStringLiteral("REMINDER"), ntReminder},
        {QStringLiteral("ERINNERUNG"), ntReminder},
        {QStringLiteral("NOTIZ"), ntReminder},
        {QStringLiteral("MISCELLANEOUS"), ntReminder},
        {QStringLiteral("CALL"), ntCall},
        {QStringLiteral("ANRUF"), ntCall},
        {QStringLiteral("PHONE CALL"), ntCall},
        {QStringLiteral("MEETING"), ntMeeting},
        {QStringLiteral("BESPRECHUNG"), ntMeeting},
        {QStringLiteral("SITZUNG"), ntMeeting},
        {QStringLiteral("BIRTHDAY"), ntBirthday},
        {QStringLiteral("GEBURTSTAG"), ntBirthday},
        {QStringLiteral("ANNIVERSARY"), ntBirthday},
        {QStringLiteral("AUFGABE"), ntTask},
        {QStringLiteral("WORK"), ntTask},
    };
    const auto found = kWords.find(category.toUpper());
    if (found == kWords.end()) return std::nullopt;
    return found->second;
}

bool noParts(const short* values) {
    return values[0] == ICAL_RECURRENCE_ARRAY_MAX;
}

bool plainRule(const icalrecurrencetype& r) {
    return r.count == 0 && icaltime_is_null_time(r.until) && noParts(r.by_second) &&
           noParts(r.by_minute) && noParts(r.by_hour) && noParts(r.by_day) &&
           noParts(r.by_month_day) && noParts(r.by_year_day) && noParts(r.by_week_no) &&
           noParts(r.by_month) && noParts(r.by_set_pos);
}

bool lastOfFebruary(const icalrecurrencetype& r) {
    return r.freq == ICAL_YEARLY_RECURRENCE && r.interval == 1 && r.count == 0 &&
           icaltime_is_null_time(r.until) && r.by_month[0] == 2 &&
           r.by_month[1] == ICAL_RECURRENCE_ARRAY_MAX && r.by_month_day[0] == -1 &&
           r.by_month_day[1] == ICAL_RECURRENCE_ARRAY_MAX && noParts(r.by_day) &&
           noParts(r.by_hour) && noParts(r.by_minute) && noParts(r.by_second);
}

// The repeat in hours of a rule of the written forms; nothing for others.
std::optional<uint16_t> repeatOf(const icalrecurrencetype& r) {
    if (lastOfFebruary(r)) return kRepeatYearly;
    if (!plainRule(r)) return std::nullopt;
    if (r.freq == ICAL_HOURLY_RECURRENCE && r.interval > 0)
        return static_cast<uint16_t>(r.interval);
    if (r.interval != 1) return std::nullopt;
    switch (r.freq) {
        case ICAL_DAILY_RECURRENCE:
            return kRepeatDaily;
        case ICAL_WEEKLY_RECURRENCE:
            return kRepeatWeekly;
        case ICAL_MONTHLY_RECURRENCE:
            return kRepeatMonthly;
        case ICAL_YEARLY_RECURRENCE:
            return kRepeatYearly;
        default:
            return std::nullopt;
    }
}

struct EventTimes {
    Occurrence start;
    std::optional<QDateTime> end;
    std::optional<int> alarmOffset;      // seconds after the start
    std::optional<QDateTime> alarmTime;  // an absolute trigger
};

EventTimes timesOf(icalcomponent* c, bool task) {
    EventTimes times;
    times.start = localTime(icalcomponent_get_dtstart(c));
    if (!times.start.start.isValid() && task) times.start = localTime(icalcomponent_get_due(c));
    const Occurrence end = localTime(task ? icalcomponent_get_due(c) : icalcomponent_get_dtend(c));
    if (end.start.isValid() && !end.allDay) times.end = end.start;
    icalcomponent* alarm = icalcomponent_get_first_component(c, ICAL_VALARM_COMPONENT);
    if (alarm) {
        icalproperty* trigger = icalcomponent_get_first_property(alarm, ICAL_TRIGGER_PROPERTY);
        if (trigger) {
            const icaltriggertype t = icalproperty_get_trigger(trigger);
            if (!icaltime_is_null_time(t.time)) {
                times.alarmTime = localTime(t.time).start;
            } else {
                int offset = icaldurationtype_as_int(t.duration);
                icalparameter* related =
                    icalproperty_get_first_parameter(trigger, ICAL_RELATED_PARAMETER);
                if (related && icalparameter_get_related(related) == ICAL_RELATED_END && times.end)
                    offset += static_cast<int>(times.start.start.secsTo(*times.end));
                times.alarmOffset = offset;
            }
        } else {
            times.alarmOffset = 0;
        }
    }
    return times;
}

bool silentOf(icalcomponent* c) {
    for (icalproperty* p = icalcomponent_get_first_property(c, ICAL_X_PROPERTY); p;
         p = icalcomponent_get_next_property(c, ICAL_X_PROPERTY)) {
        if (qstricmp(icalproperty_get_x_name(p), kSilentProperty) == 0)
            return upper(icalproperty_get_x(p)) == QStringLiteral("TRUE");
    }
    return false;
}

uint8_t statusOf(icalcomponent* c) {
    icalproperty* p = icalcomponent_get_first_property(c, ICAL_STATUS_PROPERTY);
    if (!p) return 0;
    switch (icalproperty_get_status(p)) {
        case ICAL_STATUS_COMPLETED:
            return 1;
        default:
            return 0;
    }
}

// The note of one start time, filled as the editor's OK fills a note of
// the model.
CalendarNote noteAt(const CalendarNote& shape, const QDateTime& start, const EventTimes& times,
                    uint8_t model, const QDate& today) {
    CalendarNote note = shape;
    note.start = record(start);
    note.noStart = 0;
    note.noAlarm = 0;
    // A birthday's alarm rings at its coming anniversary.
    const QDateTime base =
        note.type == ntBirthday ? QDateTime(shownDate(note, today.year()), QTime(0, 0)) : start;
    QDateTime alarm = start;
    if (times.alarmTime) alarm = *times.alarmTime;
    if (times.alarmOffset) alarm = base.addSecs(*times.alarmOffset);
    std::optional<QDateTime> end;
    if (times.end) end = start.addSecs(times.start.start.secsTo(*times.end));
    if (keepsEndInAlarm(model)) {
        note.alarm = record(end.value_or(start));
        if (isSiemens(model)) {
            note.end = note.alarm;
            note.noEnd = 0;
        }
    } else {
        note.alarm = record(alarm);
        note.noEnd = 1;
    }
    return note;
}

// The start times of a series in the twelve months from `today`.
std::vector<QDateTime> seriesTimes(icalcomponent* c, const icalrecurrencetype& rule,
                                   const QDate& today) {
    const icaltimetype first = icalcomponent_get_dtstart(c);
    std::vector<QDateTime> excluded;
    for (icalproperty* p = icalcomponent_get_first_property(c, ICAL_EXDATE_PROPERTY); p;
         p = icalcomponent_get_next_property(c, ICAL_EXDATE_PROPERTY)) {
        excluded.push_back(localTime(icalproperty_get_datetime_with_component(p, c)).start);
    }
    const QDateTime from(today, QTime(0, 0));
    const QDateTime until = from.addMonths(kSeriesMonths);
    std::vector<QDateTime> times;
    icalrecur_iterator* it = icalrecur_iterator_new(rule, first);
    if (!it) return times;
    if (rule.count == 0 && localTime(first).start < from) {
        // Straight to today: a rule of seconds begun decades ago would
        // otherwise take its whole history to get here.
        icaltimetype start = first;
        start.year = today.year();
        start.month = today.month();
        start.day = today.day();
        start.hour = start.minute = start.second = 0;
        icalrecur_iterator_set_start(it, start);
    }
    int steps = 0;
    for (icaltimetype t = icalrecur_iterator_next(it);
         !icaltime_is_null_time(t) && steps < kMaxRuleSteps;
         t = icalrecur_iterator_next(it), ++steps) {
        if (first.zone && !t.zone) t.zone = first.zone;
        const QDateTime at = localTime(t).start;
        if (at >= until || static_cast<int>(times.size()) > kSeriesNotes) break;
        if (at < from || std::find(excluded.begin(), excluded.end(), at) != excluded.end())
            continue;
        times.push_back(at);
    }
    icalrecur_iterator_free(it);
    return times;
}

IcsEvent readEvent(icalcomponent* c, uint8_t model, const QDate& today, int& unmapped) {
    IcsEvent event;
    const bool task = icalcomponent_isa(c) == ICAL_VTODO_COMPONENT;
    event.uid = QString::fromUtf8(icalcomponent_get_uid(c));
    event.text = QString::fromUtf8(icalcomponent_get_summary(c));
    const QStringList categories = categoriesOf(c);
    event.categories = categories.join(QStringLiteral(", "));

    CalendarNote shape;
    shape.text = phoneText(event.text, unmapped);
    for (const QString& category : categories) {
        if (const auto type = typeOfCategory(category)) {
            shape.type = *type;
            break;
        }
    }
    if (task) shape.type = ntTask;
    if (shape.type == ntTask && !hasTasks(model)) shape.type = ntReminder;
    if (model == 11) shape.type = ntReminder;  // the 3310 keeps reminders only

    const EventTimes times = timesOf(c, task);
    if (!times.start.start.isValid()) {
        event.how = tx("kalender2_35", "nicht übernommen: ohne Beginn");
        return event;
    }
    icalproperty* ruleProperty = icalcomponent_get_first_property(c, ICAL_RRULE_PROPERTY);
    const bool moreRules =
        ruleProperty && icalcomponent_get_next_property(c, ICAL_RRULE_PROPERTY) != nullptr;
    const bool exceptions = icalcomponent_get_first_property(c, ICAL_EXDATE_PROPERTY) ||
                            icalcomponent_get_first_property(c, ICAL_RDATE_PROPERTY);
    std::optional<uint16_t> repeat;
    icalrecurrencetype rule{};
    if (ruleProperty) {
        rule = icalproperty_get_rrule(ruleProperty);
        if (!moreRules && !exceptions) repeat = repeatOf(rule);
    }
    if (times.start.allDay && repeat == kRepeatYearly && shape.type != ntTask && model != 11)
        shape.type = ntBirthday;
    shape.alarmOn = times.alarmOffset || times.alarmTime ? 1 : 0;
    shape.silent = silentOf(c) ? 1 : 0;
    shape.status = shape.type == ntTask ? statusOf(c) : 2;
    if (shape.type == ntCall) {
        icalproperty* contact = icalcomponent_get_first_property(c, ICAL_CONTACT_PROPERTY);
        if (contact)
            shape.number =
                phoneText(QString::fromUtf8(icalproperty_get_contact(contact)), unmapped);
    }
    if (shape.type == ntBirthday)
        shape.birthYear = static_cast<uint16_t>(times.start.start.date().year());

    if (!ruleProperty || repeat) {
        if (repeat && shape.type != ntBirthday) shape.repeat = *repeat;
        event.notes.push_back(noteAt(shape, times.start.start, times, model, today));
        event.how = noteTypeName(shape.type);
        if (shape.repeat != 0)
            event.how += tx("kalender2_36", ", wiederholt alle ") + QString::number(shape.repeat) +
                         tx("termin_11", " Stunden");
        return event;
    }
    const std::vector<QDateTime> starts = seriesTimes(c, rule, today);
    for (const QDateTime& start : starts) {
        if (static_cast<int>(event.notes.size()) == kSeriesNotes) break;
        event.notes.push_back(noteAt(shape, start, times, model, today));
    }
    if (event.notes.empty()) {
        event.how = tx("kalender2_37",
                       "nicht übernommen: die Serie hat in den nächsten 12 Monaten keinen Termin");
    } else {
        event.how = noteTypeName(shape.type) + QStringLiteral(": ") +
                    QString::number(event.notes.size()) +
                    tx("kalender2_38", " Termine der Serie in den nächsten 12 Monaten");
        if (starts.size() > event.notes.size())
            event.how += tx("kalender2_39", " (nur die ersten 50)");
    }
    return event;
}

// Lines where each event or task begins, in file order.
std::vector<int> beginLines(std::string_view text) {
    std::vector<int> lines;
    int line = 1;
    size_t at = 0;
    while (at < text.size()) {
        const size_t end = text.find('\n', at);
        std::string_view one =
            text.substr(at, end == std::string_view::npos ? text.size() - at : end - at);
        if (!one.empty() && one.back() == '\r') one.remove_suffix(1);
        const QByteArray upperLine =
            QByteArray(one.data(), static_cast<qsizetype>(one.size())).toUpper();
        if (upperLine == "BEGIN:VEVENT" || upperLine == "BEGIN:VTODO") lines.push_back(line);
        if (end == std::string_view::npos) break;
        at = end + 1;
        ++line;
    }
    return lines;
}

// The line of the file that holds the text, or `fallback`.
int lineHolding(std::string_view text, const QString& needle, int fallback) {
    if (needle.trimmed().isEmpty()) return fallback;
    const size_t at = text.find(needle.trimmed().toStdString());
    if (at == std::string_view::npos) return fallback;
    return static_cast<int>(std::count(text.begin(), text.begin() + static_cast<long>(at), '\n')) +
           1;
}

// The first error libical noted in or below the component.
std::optional<QString> firstError(icalcomponent* c) {
    icalproperty* error = icalcomponent_get_first_property(c, ICAL_XLICERROR_PROPERTY);
    if (error) return QString::fromUtf8(icalproperty_get_xlicerror(error));
    for (icalcomponent* inner = icalcomponent_get_first_component(c, ICAL_ANY_COMPONENT); inner;
         inner = icalcomponent_get_next_component(c, ICAL_ANY_COMPONENT)) {
        if (auto found = firstError(inner)) return found;
    }
    return std::nullopt;
}

void collectEvents(icalcomponent* c, std::vector<icalcomponent*>& events) {
    const icalcomponent_kind kind = icalcomponent_isa(c);
    if (kind == ICAL_VEVENT_COMPONENT || kind == ICAL_VTODO_COMPONENT) {
        events.push_back(c);
        return;
    }
    if (kind != ICAL_VCALENDAR_COMPONENT && kind != ICAL_XROOT_COMPONENT) return;
    for (icalcomponent* inner = icalcomponent_get_first_component(c, ICAL_ANY_COMPONENT); inner;
         inner = icalcomponent_get_next_component(c, ICAL_ANY_COMPONENT)) {
        collectEvents(inner, events);
    }
}

int lastLine(std::string_view text) {
    return static_cast<int>(std::count(text.begin(), text.end(), '\n')) +
           (text.empty() || text.back() == '\n' ? 0 : 1);
}

}  // namespace

std::string writeIcsFile(const std::vector<CalendarNote>& notes, uint8_t modelNumber) {
    std::vector<const CalendarNote*> pointers;
    std::vector<QString> uids;
    for (const CalendarNote& note : notes) {
        pointers.push_back(&note);
        uids.push_back(QUuid::createUuid().toString(QUuid::WithoutBraces));
    }
    return calendarText(pointers, uids, modelNumber);
}

std::string writeIcsNote(const CalendarNote& note, uint8_t modelNumber, const QString& uid) {
    return calendarText({&note}, {uid}, modelNumber);
}

IcsRead readIcs(std::string_view text, uint8_t modelNumber, const QDate& today) {
    setUpLibrary();
    IcsRead read;
    const std::string copy(text);
    Component root(icalparser_parse_string(copy.c_str()));
    if (!root) {
        read.error = lineText(std::max(1, lastLine(text))) +
                     tx("kalender2_40",
                        "Kein vollständiger iCalendar-Kalender (BEGIN:VCALENDAR … END:VCALENDAR).");
        return read;
    }
    const icalcomponent_kind kind = icalcomponent_isa(root.get());
    if (kind != ICAL_VCALENDAR_COMPONENT && kind != ICAL_XROOT_COMPONENT) {
        read.error =
            lineText(1) + tx("kalender2_41", "Die Datei beginnt nicht mit BEGIN:VCALENDAR.");
        return read;
    }
    std::vector<icalcomponent*> components;
    collectEvents(root.get(), components);
    const std::vector<int> lines = beginLines(text);

    if (const auto error = firstError(root.get())) {
        const QString detail = error->section(QStringLiteral(": "), -1);
        read.error =
            lineText(lineHolding(text, detail, lines.empty() ? 1 : lines.front())) + *error;
        return read;
    }

    QStringList changedSeries;
    for (icalcomponent* c : components) {
        if (icalcomponent_get_first_property(c, ICAL_RECURRENCEID_PROPERTY))
            changedSeries << QString::fromUtf8(icalcomponent_get_uid(c));
    }
    for (size_t i = 0; i < components.size(); ++i) {
        icalcomponent* c = components[i];
        if (icalcomponent_get_first_property(c, ICAL_RECURRENCEID_PROPERTY)) continue;
        IcsEvent event;
        if (changedSeries.contains(QString::fromUtf8(icalcomponent_get_uid(c)))) {
            event.uid = QString::fromUtf8(icalcomponent_get_uid(c));
            event.text = QString::fromUtf8(icalcomponent_get_summary(c));
            event.categories = categoriesOf(c).join(QStringLiteral(", "));
            event.how =
                tx("kalender2_42",
                   "nicht übernommen: eine Serie mit einzeln geänderten Terminen (RECURRENCE-ID)");
        } else {
            event = readEvent(c, modelNumber, today, read.unmapped);
        }
        event.line = i < lines.size() ? lines[i] : 0;
        read.events.push_back(std::move(event));
    }
    return read;
}

NoteFileRead readIcsFile(std::string_view text, uint8_t modelNumber, const QDate& today) {
    const IcsRead ics = readIcs(text, modelNumber, today);
    if (!ics.error.isEmpty()) return NoteFileRead::refused(ics.error);
    NoteFileRead read;
    for (const IcsEvent& event : ics.events) {
        if (event.notes.empty()) {
            read.notices << lineText(event.line) + event.text + QStringLiteral(" – ") + event.how;
            continue;
        }
        for (const CalendarNote& note : event.notes) {
            if (read.notes.size() >= kNoteTableSize)
                return NoteFileRead::refused(lineText(event.line) + tooManyNotesText());
            read.notes.push_back(note);
        }
    }
    if (ics.unmapped > 0) {
        read.notices << QString::number(ics.unmapped) +
                            tx("kalender2_43",
                               " Zeichen, die das Telefon nicht darstellen kann, wurden durch "
                               "\"?\" ersetzt.");
    }
    return read;
}

}  // namespace corvina
