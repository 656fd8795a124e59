// The calendar folder: one .ics file per event, the "vdir" layout that
// calendar programs and synchronisation tools share. Listing reads every
// file and says for each event how it would become notes; exporting writes
// each note into a file of its own named after its UID, written atomically
// and never over a file that is there. Files of other programs are only
// read.
#pragma once

#include <QDate>
#include <QString>
#include <QStringList>
#include <vector>

#include "corvina/calendar/icalendarnotes.h"

namespace corvina {

struct FolderEntry {
    QString file;     // name within the folder
    IcsEvent event;   // empty when the file could not be read
    QString problem;  // why the file could not be read
};

struct FolderListing {
    std::vector<FolderEntry> entries;  // by file name, then file order
    int unmapped = 0;
};

FolderListing readCalendarFolder(const QString& folder, uint8_t modelNumber, const QDate& today);

struct FolderExport {
    int written = 0;
    int duplicates = 0;  // the folder already held them
    QStringList failed;  // file name: reason
};

FolderExport exportToFolder(const QString& folder, const std::vector<CalendarNote>& notes,
                            uint8_t modelNumber, const QDate& today);

// "n geschrieben, m schon vorhanden", with the failures.
QString exportSummary(const FolderExport& result);

}  // namespace corvina
