#include "cli/arguments.h"

#include "cli/output.h"
#include "phonelib/api/status.h"

namespace cli {

std::optional<int32_t> wholeNumber(const QString& text, int32_t min, int32_t max) {
    bool ok = false;
    const int value = text.toInt(&ok);
    if (!ok || value < min || value > max) return std::nullopt;
    return value;
}

bool takeFlag(QStringList& arguments, const QString& flag) {
    return arguments.removeAll(flag) > 0;
}

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
        case stNotAvailable:
            return "mit diesem Telefon nicht möglich";
        case stNoAnswer:
            return "das Telefon antwortet nicht";
        case stRefused:
            return "das Telefon hat abgelehnt";
        case stUnsupportedFile:
            return "dieser Dateityp wird nicht unterstützt";
        case stFileReadError:
            return "die Datei lässt sich nicht lesen oder enthält nichts Brauchbares";
        case stFileCannotOpen:
            return "die Datei lässt sich nicht öffnen";
        case stEmptyLocation:
            return "der Speicherplatz ist leer";
        case stBadLocation:
            return "diesen Speicherplatz gibt es nicht";
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

int usageError(const char* usage) {
    printError(std::string("Aufruf: ") + usage);
    return 2;
}

}  // namespace cli
