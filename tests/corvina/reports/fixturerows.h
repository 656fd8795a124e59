// The simulated phone's phonebook, messages and calendar as the module
// windows will hand them to the reports.
#pragma once

#include <QDate>

#include "corvina/reports/calendarreport.h"
#include "corvina/reports/messagereport.h"
#include "corvina/reports/phonebookreport.h"
#include "phonesim/fixture/fixture.h"

namespace testing_support {

inline std::vector<corvina::PhonebookReportRow> simRows(const phonesim::Fixture& phone) {
    std::vector<corvina::PhonebookReportRow> rows;
    for (const auto& [location, entry] : phone.phonebook.sim.entries) {
        corvina::PhonebookReportRow row;
        row.location = location;
        row.name = entry.name;
        row.numbers[0] = QStringList{entry.number};
        row.defaultKind = 0;
        if (entry.group >= 0 && entry.group < int(phone.phonebook.callerGroups.size()))
            row.group = phone.phonebook.callerGroups[size_t(entry.group)].name;
        rows.push_back(row);
    }
    return rows;
}

// Fills the SIM up to its capacity: "Kontakt 004", … at the free locations.
inline void fillSim(phonesim::Fixture& phone) {
    auto& sim = phone.phonebook.sim;
    for (int location = 1; location <= sim.capacity; ++location) {
        if (sim.entries.count(location)) continue;
        sim.entries[location] = {
            QStringLiteral("Kontakt %1").arg(location, 3, 10, QLatin1Char('0')),
            QStringLiteral("+49170%1").arg(location * 7919, 7, 10, QLatin1Char('0')), 5};
    }
}

inline std::vector<corvina::MessageReportRow> messageRows(const phonesim::Fixture& phone) {
    std::vector<corvina::MessageReportRow> rows;
    for (const auto& [location, message] : phone.messages.stored) {
        corvina::MessageReportRow row;
        row.location = location;
        row.date = message.timestamp.toString(QStringLiteral("dd.MM.yy"));
        row.time = message.timestamp.toString(QStringLiteral("hh:mm:ss"));
        row.number = message.number;
        row.folder = message.status == 0 ? QStringLiteral("Eingang") : QStringLiteral("Ausgang");
        row.text = message.text;
        rows.push_back(row);
    }
    return rows;
}

// The phone's note types 1 to 4 are the window's 0 to 3.
inline std::vector<corvina::CalendarReportNote> calendarNotes(const phonesim::Fixture& phone) {
    std::vector<corvina::CalendarReportNote> notes;
    for (const auto& note : phone.data.calendar.notes) {
        corvina::CalendarReportNote printed;
        printed.type = note.type - 1;
        printed.text = note.text;
        printed.number = note.number;
        printed.date = QDate(note.date.year, note.date.month, note.date.day);
        if (printed.type != corvina::kBirthday)
            printed.time = QTime(note.date.hour, note.date.minute);
        printed.alarmOn = note.alarm.year != 0;
        if (printed.alarmOn) {
            printed.alarm = QDateTime(QDate(note.alarm.year, note.alarm.month, note.alarm.day),
                                      QTime(note.alarm.hour, note.alarm.minute));
        }
        notes.push_back(printed);
    }
    return notes;
}

}  // namespace testing_support
