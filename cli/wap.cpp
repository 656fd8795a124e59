// corvina-cli wap: the phone's WAP bookmarks. "wap set" takes a file in the
// form "wap list" prints: one bookmark per line, number, name and link
// separated by tabs (the number is not used; blank lines are skipped).
#include <QFile>

#include "cli/arguments.h"
#include "cli/commands.h"
#include "cli/output.h"
#include "phonelib/api/phonelib.h"
#include "phonelib/api/status.h"

namespace cli {

namespace {

constexpr const char* kUsage = "wap list | wap set DATEI";

std::optional<TWap> readBookmarks(const QString& fileName) {
    QFile file(fileName);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text)) {
        printError("Die Datei " + fileName.toStdString() + " kann nicht geöffnet werden.");
        return std::nullopt;
    }
    TWap bookmarks;
    int lineNumber = 0;
    while (!file.atEnd()) {
        const QString line = QString::fromUtf8(file.readLine()).trimmed();
        ++lineNumber;
        if (line.isEmpty()) continue;
        const QStringList fields = line.split(QLatin1Char('\t'));
        if (fields.size() != 3 || bookmarks.count >= kWapLinks) {
            printError(
                fields.size() != 3
                    ? "Zeile " + std::to_string(lineNumber) +
                          ": erwartet werden Nummer, Name und Link, durch Tabulatoren getrennt."
                    : "Das Telefon fasst höchstens 15 Lesezeichen.");
            return std::nullopt;
        }
        bookmarks.names[static_cast<size_t>(bookmarks.count)] = phoneText(fields[1]);
        bookmarks.links[static_cast<size_t>(bookmarks.count)] = phoneText(fields[2]);
        ++bookmarks.count;
    }
    return bookmarks;
}

}  // namespace

int wap(Session&, const QStringList& arguments) {
    if (arguments.value(0) == "list" && arguments.size() == 1) {
        TWap bookmarks;
        const uint8_t status = phonelib::GetWAPlink(bookmarks);
        if (status != phonelib::stDone) return failed("Lesezeichen nicht gelesen", status);
        for (int i = 0; i < bookmarks.count && i < kWapLinks; ++i) {
            printRecord({std::to_string(i + 1), bookmarks.names[static_cast<size_t>(i)],
                         bookmarks.links[static_cast<size_t>(i)]});
        }
        return 0;
    }
    if (arguments.value(0) == "set" && arguments.size() == 2) {
        auto bookmarks = readBookmarks(arguments[1]);
        if (!bookmarks) return 1;
        const uint8_t status = phonelib::WriteWAPlink(*bookmarks);
        if (status != phonelib::stDone) return failed("Lesezeichen nicht geschrieben", status);
        printRecord({"Lesezeichen geschrieben", std::to_string(bookmarks->count)});
        return 0;
    }
    return usageError(kUsage);
}

}  // namespace cli
