#include "cli/arguments.h"

#include "cli/output.h"
#include "codecs/tools/cp1252.h"
#include "phonelib/api/status.h"

namespace cli {

std::optional<int> numberArgument(const QString& text, const char* what, int low, int high) {
    bool ok = false;
    const int value = text.toInt(&ok);
    if (!ok || value < low || value > high) {
        printError(std::string(what) + " muss eine Zahl von " + std::to_string(low) + " bis " +
                   std::to_string(high) + " sein: " + text.toStdString());
        return std::nullopt;
    }
    return value;
}

std::optional<int> choiceArgument(const QString& text, const char* what, const QStringList& names) {
    const qsizetype index = names.indexOf(text.toLower());
    if (index >= 0) return static_cast<int>(index);
    bool ok = false;
    const int value = text.toInt(&ok);
    if (ok && value >= 0 && value < names.size()) return value;
    printError(std::string("Unbekannte Angabe für ") + what + ": " + text.toStdString() + " (" +
               names.join(QStringLiteral(", ")).toStdString() + ")");
    return std::nullopt;
}

std::string statusText(uint8_t status) {
    switch (status) {
        case phonelib::stDone:
            return "erledigt";
        case phonelib::stNotAvailable:
            return "bei diesem Modell nicht möglich";
        case phonelib::stNoAnswer:
            return "das Telefon antwortet nicht";
        case phonelib::stRefused:
            return "das Telefon hat abgelehnt";
        case phonelib::stUnsupportedFile:
            return "dieser Dateityp wird nicht unterstützt";
        case phonelib::stFileUnreadable:
            return "die Datei kann nicht gelesen oder umgewandelt werden";
        case phonelib::stCannotOpen:
            return "die Datei kann nicht geöffnet werden";
        case phonelib::stNotConnected:
            return "kein Telefon verbunden";
        case phonelib::stDivertRefused:
            return "abgelehnt";
        case phonelib::stEmptyLocation:
        case phonelib::stNoSuchLocation:
            return "der Speicherplatz ist leer oder ungültig";
        case phonelib::stTooLong:
            return "ein Name oder Text ist zu lang";
        default:
            return "Fehler";
    }
}

int failed(const std::string& what, uint8_t status) {
    printError(what + " fehlgeschlagen: " + statusText(status) + " (Status " +
               std::to_string(status) + ").");
    return 1;
}

int usageError(const char* usage) {
    printError(std::string("Aufruf: ") + usage);
    return 2;
}

std::string phoneText(const QString& text) {
    return tools::toCp1252(text);
}

QString terminalText(const std::string& phoneBytes) {
    return tools::fromCp1252(phoneBytes);
}

std::string cp1252(const char* utf8) {
    return tools::toCp1252(QString::fromUtf8(utf8));
}

}  // namespace cli
