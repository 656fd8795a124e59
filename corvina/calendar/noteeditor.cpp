#include "corvina/calendar/noteeditor.h"

#include <QDateTime>
#include <array>

#include "corvina/connection/modelnumbers.h"
#include "corvina/language/language.h"

namespace corvina {

namespace {

constexpr uint8_t kNokia3310 = 11;
constexpr int kLowestBirthYear = 1000;
constexpr int kHighestBirthYear = 3000;
const QTime kDefaultStart(10, 0);
const QTime kDefaultAlarm(9, 40);

constexpr std::array<uint16_t, 5> kRepeats = {0, kRepeatDaily, kRepeatWeekly, kRepeatMonthly,
                                              kRepeatYearly};

QTime timeOf(const TDateTimeRec& t) {
    return QTime(t.hour, t.minute);
}

// The alarm block as the pickers show it: a year 0 reads as 2000, an
// impossible day as the 28th.
QDate alarmDay(const TDateTimeRec& t) {
    const int year = t.year == 0 ? 2000 : t.year;
    const QDate day(year, t.month, t.day);
    return day.isValid() ? day : QDate(year, std::clamp(t.month, 1, 12), 28);
}

}  // namespace

EditorLayout editorLayout(uint8_t model, uint8_t type) {
    EditorLayout l;
    if (keepsEndInAlarm(model)) {
        l.secondGroup = l.secondGroupIsEnd = l.repeat = true;
        l.done = type == ntTask;
        l.alarmBox = !l.done;
    } else if (isSiemens(model)) {
        // start and alarm box only
    } else if (model == kNokia3310) {
        l.silent = l.typeFixed = true;
    } else if (type == ntBirthday) {
        l.startTime = false;
        l.birthYear = l.secondGroup = l.alarmFollowsBox = true;
        l.silent = isNokia7110Family(model);
    } else {
        l.secondGroup = l.alarmFollowsBox = true;
        l.number = type == ntCall;
        l.repeat = isNokia7110Family(model);
        l.startTime = !(isNokia7110Family(model) && type == ntReminder);
    }
    return l;
}

QStringList typeChoices(uint8_t model) {
    const bool nokia7110 = isNokia7110Family(model);
    QStringList choices = {nokia7110 ? tx("termin_6", "Notiz") : tx("termin_7", "Erinnerung"),
                           tx("termin_8", "Anruf"),
                           nokia7110 ? tx("termin_9", "Besprechung") : tx("termin_10", "Sitzung"),
                           tx("termin_12", "Geburtstag")};
    if (hasTasks(model)) choices << tx("termin_aendern_666_8", "Aufgabe");
    return choices;
}

RepeatChoices repeatChoices(uint16_t current) {
    RepeatChoices c;
    c.texts = {tx("termin_13", "keine Wiederh."), tx("termin_14", "jeden Tag"),
               tx("termin_15", "jede Woche"), tx("termin_16", "jeden Monat"),
               tx("termin_17", "jedes Jahr")};
    c.values.assign(kRepeats.begin(), kRepeats.end());
    const auto found = std::find(kRepeats.begin(), kRepeats.end(), current);
    if (found != kRepeats.end()) {
        c.selected = static_cast<int>(found - kRepeats.begin());
    } else {
        c.texts << QString::number(current) + tx("termin_11", " Stunden");
        c.values.push_back(current);
        c.selected = static_cast<int>(c.values.size()) - 1;
    }
    return c;
}

EditorValues newNoteValues(uint8_t model, const QDate& selectedDay) {
    EditorValues v;
    v.startDate = v.alarmDate = selectedDay;
    v.startTime = kDefaultStart;
    v.alarmTime = keepsEndInAlarm(model) ? kDefaultStart : kDefaultAlarm;
    return v;
}

EditorValues noteValues(uint8_t model, const CalendarNote& note, int shownYear) {
    EditorValues v;
    v.text = noteText(note.text);
    v.type = note.type;
    v.startDate = dateOf(note.start);
    v.startTime = timeOf(note.start);
    v.repeat = note.repeat;
    v.alarmOn = note.alarmOn != 0;
    v.done = note.status == 1;
    v.silent = note.silent != 0;
    if (note.type == ntCall) v.number = noteText(note.number);
    if (note.type == ntBirthday) {
        v.birthYear = note.birthYear;
        v.startDate = shownDate(note, shownYear);
    }
    if (note.alarmOn || keepsEndInAlarm(model)) {
        QDateTime alarm(alarmDay(note.alarm), timeOf(note.alarm));
        if (note.type == ntBirthday && v.startDate.isValid()) {
            // Keep the alarm's distance to the birthday it belongs to.
            const QDateTime itsBirthday(shownDate(note, alarm.date().year()), QTime(0, 0));
            const qint64 lead = itsBirthday.secsTo(alarm);
            alarm = QDateTime(v.startDate, QTime(0, 0)).addSecs(lead);
        }
        v.alarmDate = alarm.date();
        v.alarmTime = alarm.time();
    } else {
        v.alarmPickers = false;
        v.alarmDate = v.startDate;
        v.alarmTime = kDefaultStart;
    }
    return v;
}

bool correctDates(uint8_t model, EditorValues& v) {
    bool changed = false;
    if (isNokia(model) && model != kNokia3310) {
        // An alarm that is off rings never: its greyed-out time needs no
        // correcting (and no message about it).
        if (!v.alarmOn) return false;
        const bool memo = isNokia7110Family(model) && v.type == ntReminder;
        if (v.alarmDate > v.startDate && !memo) {
            v.alarmDate = v.startDate;
            changed = true;
        }
        if (v.alarmDate == v.startDate && v.alarmTime > v.startTime && v.type < ntBirthday) {
            v.alarmTime = v.startTime;
            changed = true;
        }
    } else if (keepsEndInAlarm(model)) {
        if (v.alarmDate < v.startDate) {
            v.alarmDate = v.startDate;
            changed = true;
        }
        if (v.alarmDate == v.startDate && v.startTime > v.alarmTime) {
            v.alarmTime = v.startTime;
            changed = true;
        }
    }
    return changed;
}

EditorVerdict acceptNote(uint8_t model, EditorValues& v,
                         const std::optional<CalendarNote>& original, CalendarNote& note) {
    const EditorLayout layout = editorLayout(model, v.type);
    if (v.text.trimmed().isEmpty()) return EditorVerdict::EmptyText;
    if (v.type == ntBirthday && layout.birthYear &&
        (v.birthYear < kLowestBirthYear || v.birthYear > kHighestBirthYear)) {
        return EditorVerdict::BadBirthYear;
    }
    if (correctDates(model, v)) return EditorVerdict::Corrected;

    note = original.value_or(CalendarNote{});
    if (layout.done) {
        note.status = v.done ? 1 : 0;
    } else if (!original || v.type != ntTask) {
        note.status = 2;
    } else {
        note.status = v.done ? 1 : 0;
    }
    const bool keepLeapDay = original && original->type == ntBirthday && v.type == ntBirthday &&
                             original->start.month == 2 && original->start.day == 29 &&
                             v.startDate == shownDate(*original, v.startDate.year());
    if (!keepLeapDay)
        note.start = dateTimeRec(v.startDate, v.startTime.hour(), v.startTime.minute());
    note.start.hour = v.startTime.hour();
    note.start.minute = v.startTime.minute();
    note.noStart = 0;
    note.number = v.type == ntCall ? phoneText(v.number) : std::string();
    note.alarmOn = v.alarmOn ? 1 : 0;
    note.text = phoneText(v.text);
    note.type = v.type;
    if (v.type == ntBirthday) {
        note.birthYear = static_cast<uint16_t>(v.birthYear);
        note.silent = v.silent ? 1 : 0;
    } else {
        note.repeat = v.repeat;
    }
    note.alarm = dateTimeRec(v.alarmDate, v.alarmTime.hour(), v.alarmTime.minute());
    note.noAlarm = 0;
    if (isSiemens(model) && layout.secondGroup) {
        note.end = note.alarm;
        note.noEnd = 0;
    } else {
        note.noEnd = 1;
    }
    return EditorVerdict::Stored;
}

QString verdictText(uint8_t model, EditorVerdict verdict) {
    switch (verdict) {
        case EditorVerdict::EmptyText:
            return tx("termin_1", "Bitte geben Sie eine Beschreibung an.");
        case EditorVerdict::BadBirthYear:
            return tx("termin_2", "Bitte geben Sie ein gültiges Geburtsjahr an.") +
                   QLatin1Char('\n') + tx("termin_3", "z.B. 1974");
        case EditorVerdict::Corrected:
            return (keepsEndInAlarm(model)
                        ? tx("termin_aendern_666_1",
                             "Sie können das Ende des Termins nicht später als den Anfang setzen.")
                        : tx("termin_4",
                             "Sie können den Alarm nicht später als den Termin setzen.")) +
                   QLatin1Char('\n') + tx("termin_5", "Termin wurde korrigiert.");
        case EditorVerdict::Stored:
            break;
    }
    return {};
}

}  // namespace corvina
