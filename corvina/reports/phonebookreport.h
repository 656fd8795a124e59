// The phonebook report: one memory table (SIM, phone or address book) as a
// phone list, with all thirteen columns or with chosen ones, or as a compact
// list of names and default numbers in two bands per page.
#pragma once

#include <QList>
#include <QString>
#include <QStringList>
#include <array>
#include <vector>

#include "corvina/reports/report.h"

namespace corvina {

// The number kinds in column order: general, mobile, private, business, fax.
constexpr int kNumberKinds = 5;

// One row of a memory table as the phonebook window holds it.
struct PhonebookReportRow {
    int location = 0;
    QString name;
    QString group;
    std::array<QStringList, kNumberKinds> numbers;  // one number per line
    int defaultKind = -1;  // the kind whose first number is the default; -1 none
    QString email;
    QString address;  // several lines
    QString note;
    QString company;
    QString url;
    bool marked = false;

    // A row without name and general number is a free location.
    bool isEmpty() const { return name.isEmpty() && numbers[0].isEmpty(); }
};

enum class PhonebookColumns {
    PhoneList,  // "Telefonliste": Nr., Name, every number with its kind
    All,        // the thirteen columns of the table
    Chosen,     // the columns in PhonebookReportOptions::chosen
    Compact,    // name and default number, two bands per page
};

struct PhonebookReportOptions {
    QString tableName;  // "SIM", "Telefon", "Adressbuch"
    bool markedOnly = false;
    PhonebookColumns columns = PhonebookColumns::PhoneList;
    QList<int> chosen;    // table columns 0..12, for PhonebookColumns::Chosen
    bool byName = false;  // otherwise by location
};

// The thirteen column headings of a memory table ("Nr. " … "URL").
QStringList phonebookColumnHeadings();

Report phonebookReport(const std::vector<PhonebookReportRow>& rows,
                       const PhonebookReportOptions& options);

}  // namespace corvina
