#include "corvina/calendar/calendarstore.h"

#include <QDir>
#include <QFile>
#include <QStandardPaths>

#include "codecs/tools/filebytes.h"
#include "corvina/calendar/calfile.h"
#include "corvina/settings/settingsrecord.h"

namespace corvina {

namespace {

const QString kUnsaved = QStringLiteral("Kalender/Ungesichert");
const QString kFolder = QStringLiteral("Kalender/Kalenderordner");
constexpr long long kWorkingCopyLimit = 4 * 1024 * 1024;

}  // namespace

QString workingCopyPath() {
    return QStandardPaths::writableLocation(QStandardPaths::AppDataLocation) +
           QStringLiteral("/kalender.cal");
}

std::vector<CalendarNote> loadWorkingCopy() {
    const auto bytes =
        tools::readfilebytes(QFile::encodeName(workingCopyPath()).toStdString(), kWorkingCopyLimit);
    if (!bytes) return {};
    NoteFileRead read = readCalFile(*bytes);
    return read.ok() ? std::move(read.notes) : std::vector<CalendarNote>{};
}

bool saveWorkingCopy(const NoteTable& table) {
    const QString path = workingCopyPath();
    QDir().mkpath(QFileInfo(path).absolutePath());
    return tools::writefileatomically(QFile::encodeName(path).toStdString(),
                                      writeCalFile(table.notes()));
}

bool hasUnsavedChanges() {
    return openSettingsStore()->value(kUnsaved, false).toBool();
}

void setUnsavedChanges(bool changed) {
    openSettingsStore()->setValue(kUnsaved, changed);
}

QString calendarFolder() {
    const QString stored = openSettingsStore()->value(kFolder).toString();
    if (!stored.isEmpty()) return stored;
    return QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) +
           QStringLiteral("/calendars");
}

void setCalendarFolder(const QString& folder) {
    openSettingsStore()->setValue(kFolder, folder);
}

}  // namespace corvina
