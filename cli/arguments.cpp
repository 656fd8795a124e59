#include "cli/arguments.h"

#include "cli/output.h"
#include "codecs/tools/cp1252.h"
#include "phonelib/api/status.h"

namespace cli {

std::optional<int32_t> wholeNumber(const QString& text, int32_t min, int32_t max) {
    bool ok = false;
    const int value = text.toInt(&ok);
    if (!ok || value < min || value > max) return std::nullopt;
    return value;
}

std::optional<int> numberArgument(const QString& text, const char* what, int low, int high) {
    const auto value = wholeNumber(text, low, high);
    if (!value) {
        printError(std::string(what) + " muss eine Zahl von " + std::to_string(low) + " bis " +
                   std::to_string(high) + " sein: " + text.toStdString());
    }
    return value;
}

std::optional<int> choiceArgument(const QString& text, const char* what, const QStringList& names) {
    const qsizetype index = names.indexOf(text.toLower());
    if (index >= 0) return static_cast<int>(index);
    if (const auto value = wholeNumber(text, 0, static_cast<int32_t>(names.size()) - 1)) return value;
    printError(std::string("Unbekannte Angabe für ") + what + ": " + text.toStdString() + " (" +
               names.join(QStringLiteral(", ")).toStdString() + ")");
    return std::nullopt;
}

bool takeFlag(QStringList& arguments, const QString& flag) { return arguments.removeAll(flag) > 0; }

std::optional<QString> takeOption(QStringList& arguments, const QString& option) {
    const qsizetype at = arguments.indexOf(option);
    if (at < 0) return std::nullopt;
    arguments.removeAt(at);
    if (at >= arguments.size()) {
        printError("Nach " + option.toStdString() + " fehlt der Wert.");
        return QString();
    }
    return arguments.takeAt(at);
}

std::string statusText(uint8_t status) {
    using namespace phonelib;
    switch (status) {
        case stDone:
            return "erledigt";
        case stNotAvailable:
            return "mit diesem Telefon nicht möglich";
        case stNoAnswer:
            return "das Telefon antwortet nicht";
        case stRefused:
            return "das Telefon hat abgelehnt";
        case stUnsupportedFile:
            return "dieser Dateityp wird nicht unterstützt";
        case stFileUnreadable:
            return "die Datei lässt sich nicht lesen oder enthält nichts Brauchbares";
        case stCannotOpen:
            return "die Datei lässt sich nicht öffnen";
        case stNotConnected:
            // The tool connects first: later this means the link ended.
            return "die Verbindung zum Telefon ist verloren";
        case stDivertRefused:
            return "vom Netz abgelehnt";
        case stEmptyLocation:
            return "der Speicherplatz ist leer";
        case stNoSuchLocation:
            return "diesen Speicherplatz gibt es nicht";
        case stNoServiceCentre:
            return "keine SMS-Zentrale eingestellt";
        case stBadNumber:
            return "die Rufnummer enthält unzulässige Zeichen";
        case stSmsError:
            return "das Telefon meldet einen Fehler";
        case stInvalidPdu:
            return "das Telefon versteht die Nachricht nicht";
        case stInvalidIndex:
            return "ungültiger Speicherplatz";
        case stMemoryFull:
            return "der Speicher ist voll";
        case stNoNetwork:
            return "kein Netz";
        case stTooLong:
            return "zu lang für das Telefon";
        case 0:
            return "keine Antwort vom Telefon";
        default:
            return "Fehler " + std::to_string(status);
    }
}

int failed(const std::string& what, uint8_t status) {
    printError(what + ": " + statusText(status) + " (Status " + std::to_string(status) + ").");
    return 1;
}

int linkLost(std::optional<int32_t> lastDone, int32_t current) {
    printError(lastDone ? "Verbindung zum Telefon verloren nach Platz " + std::to_string(*lastDone)
                        : "Verbindung zum Telefon verloren vor Platz " + std::to_string(current));
    return 1;
}

int usageError(const char* usage) {
    printError(std::string("Aufruf: ") + usage);
    return 2;
}

std::string phoneText(const QString& text) { return tools::toCp1252(text); }

QString terminalText(const std::string& phoneBytes) { return tools::fromCp1252(phoneBytes); }

std::string cp1252(const char* utf8) { return tools::toCp1252(QString::fromUtf8(utf8)); }

}  // namespace cli
