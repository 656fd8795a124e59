#include "corvina/calendar/calendarfolder.h"

#include <QDir>
#include <QFile>
#include <QUuid>

#include "codecs/tools/filebytes.h"
#include "corvina/connection/modelnumbers.h"
#include "corvina/language/language.h"

namespace corvina {

namespace {

constexpr long long kFileLimit = 16 * 1024 * 1024;

}  // namespace

FolderListing readCalendarFolder(const QString& folder, uint8_t modelNumber, const QDate& today) {
    FolderListing listing;
    const QStringList files =
        QDir(folder).entryList({QStringLiteral("*.ics")}, QDir::Files | QDir::Readable, QDir::Name);
    for (const QString& file : files) {
        const auto bytes = tools::readfilebytes(
            QFile::encodeName(QDir(folder).filePath(file)).toStdString(), kFileLimit);
        if (!bytes) {
            listing.entries.push_back(
                {file,
                 {},
                 tx("kalender2_44", "Die Datei lässt sich nicht lesen oder ist zu groß.")});
            continue;
        }
        IcsRead read = readIcs(*bytes, modelNumber, today);
        listing.unmapped += read.unmapped;
        if (!read.error.isEmpty()) {
            listing.entries.push_back({file, {}, read.error});
            continue;
        }
        for (IcsEvent& event : read.events) listing.entries.push_back({file, std::move(event), {}});
    }
    return listing;
}

FolderExport exportToFolder(const QString& folder, const std::vector<CalendarNote>& notes,
                            uint8_t modelNumber, const QDate& today) {
    FolderExport result;
    QDir().mkpath(folder);
    std::vector<CalendarNote> already;
    // Compared as written: read as for a phone that keeps every kind of note.
    for (const FolderEntry& entry : readCalendarFolder(folder, kNoModelYet, today).entries)
        already.insert(already.end(), entry.event.notes.begin(), entry.event.notes.end());
    for (const CalendarNote& note : notes) {
        if (std::any_of(already.begin(), already.end(),
                        [&](const CalendarNote& n) { return sameNote(n, note); })) {
            ++result.duplicates;
            continue;
        }
        const QString uid = QUuid::createUuid().toString(QUuid::WithoutBraces);
        const QString name = uid + QStringLiteral(".ics");
        const QString path = QDir(folder).filePath(name);
        if (QFile::exists(path) ||
            !tools::writefileatomically(QFile::encodeName(path).toStdString(),
                                        writeIcsNote(note, modelNumber, uid))) {
            result.failed << name + QStringLiteral(": ") +
                                 tx("kalender2_45", "konnte nicht geschrieben werden");
            continue;
        }
        already.push_back(note);
        ++result.written;
    }
    return result;
}

QString exportSummary(const FolderExport& result) {
    QString text = QString::number(result.written) + tx("kalender2_46", " Notizen geschrieben, ") +
                   QString::number(result.duplicates) +
                   tx("kalender2_47", " übersprungen (schon im Kalenderordner).");
    if (!result.failed.isEmpty()) text += QLatin1Char('\n') + result.failed.join(QLatin1Char('\n'));
    return text;
}

}  // namespace corvina
