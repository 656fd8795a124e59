// corvina-cli sms and smsc: stored messages, sending text and smart
// messages, the message centre.
//
// Messages are printed as location, folder ("Eingang", "Ausgang" or the
// status number), read state, number, date, time and text; tabs, line
// breaks and backslashes in the text are written as \t, \n, \r and \\.
#include "cli/arguments.h"
#include "cli/commands.h"
#include "cli/output.h"
#include "codecs/tools/cp1252.h"
#include "phonelib/api/phonelib.h"
#include "phonelib/api/status.h"

namespace cli {

namespace {

constexpr const char* kSmsUsage =
    "sms list | sms read PLATZ | sms delete PLATZ | sms send NUMMER TEXT [--flash] [--report] | "
    "sms send-logo NUMMER DATEI [--operator CODE] | sms send-picture NUMMER DATEI [--text TEXT] | "
    "sms send-ringtone NUMMER DATEI";

std::string escaped(const std::string& text) {
    std::string out;
    for (const char c : text) {
        switch (c) {
            case '\t':
                out += "\\t";
                break;
            case '\n':
                out += "\\n";
                break;
            case '\r':
                out += "\\r";
                break;
            case '\\':
                out += "\\\\";
                break;
            default:
                out += c;
        }
    }
    return out;
}

std::string folderOf(uint8_t status) {
    switch (status) {
        case 0:
            return "Eingang";
        case 2:
            return "Ausgang";
        default:
            return std::to_string(status);
    }
}

void printMessage(int32_t location, const GSMSMS& message) {
    printRecord({std::to_string(location), folderOf(message.status),
                 message.unread ? "ungelesen" : "gelesen", message.remoteNumber, message.date,
                 message.time, escaped(message.text)});
}

int listMessages() {
    std::optional<int32_t> lastDone;
    for (int32_t location = 1;; lastDone = location++) {
        GSMSMS message;
        const uint8_t result = phonelib::GetSMS(0, location, message);
        if (result == phonelib::stNotConnected) return linkLost(lastDone, location);
        if (result == phonelib::stEmptyLocation) continue;
        // The phone names the first location it does not have: the end (a
        // Siemens phone answers "invalid index").
        if (result == phonelib::stNoSuchLocation || result == phonelib::stInvalidIndex) return 0;
        if (result != phonelib::stDone) return failed("Platz " + std::to_string(location), result);
        printMessage(location, message);
    }
}

int readMessage(const QStringList& arguments) {
    const auto location = wholeNumber(arguments.value(0), 1, 255);
    if (arguments.size() != 1 || !location) return usageError(kSmsUsage);
    GSMSMS message;
    const uint8_t result = phonelib::GetSMS(0, *location, message);
    if (result != phonelib::stDone) return failed("Platz " + arguments[0].toStdString(), result);
    printMessage(*location, message);
    return 0;
}

int deleteMessage(const QStringList& arguments) {
    const auto location = wholeNumber(arguments.value(0), 1, 255);
    if (arguments.size() != 1 || !location) return usageError(kSmsUsage);
    const uint8_t result = phonelib::deletesms(0, *location);
    if (result != phonelib::stDone) return failed("Nicht gelöscht", result);
    return 0;
}

// A message to the number through the phone's own message centre.
std::optional<GSMSMS> messageTo(const QString& number) {
    std::string centre = "1";
    const uint8_t result = phonelib::GetSMSCenter(centre);
    if (result != phonelib::stDone) {
        failed("Die Nummer der SMS-Zentrale ist nicht zu erfahren", result);
        return std::nullopt;
    }
    GSMSMS message;
    message.serviceCentre = centre;
    message.remoteNumber = number.toStdString();
    return message;
}

int send(const GSMSMS& message) {
    const uint8_t result = phonelib::SendSMS(message, 1, 1);
    if (result != phonelib::stDone) return failed("Nicht gesendet", result);
    return 0;
}

int sendText(QStringList arguments) {
    const bool flash = takeFlag(arguments, "--flash");
    const bool report = takeFlag(arguments, "--report");
    if (arguments.size() != 2) return usageError(kSmsUsage);
    auto message = messageTo(arguments[0]);
    if (!message) return 1;
    message->text = tools::toCp1252(arguments[1]);
    message->flash = flash ? 1 : 0;
    message->statusReport = report ? 1 : 0;
    return send(*message);
}

// Logo and picture files: NOL, NGG, BMP or JPEG.
int sendPicture(QStringList arguments, bool logo) {
    const auto operatorCode = takeOption(arguments, "--operator");
    const auto text = takeOption(arguments, "--text");
    if (arguments.size() != 2 || (logo && text) || (!logo && operatorCode)) {
        return usageError(kSmsUsage);
    }
    GSMBitmap picture;
    const uint8_t read = phonelib::readgsmbitmap(arguments[1].toStdString(), picture);
    if (read != 1) return failed(arguments[1].toStdString(), read);
    if (picture.size <= 0 || picture.size >= kBitmapBytes) {
        return failed(arguments[1].toStdString(), phonelib::stFileUnreadable);
    }
    auto message = messageTo(arguments[0]);
    if (!message) return 1;
    if (!logo) {
        message->smartKind = skPictureMessage;
        message->text = tools::toCp1252(text.value_or(QString()));
    } else if (picture.kind == bkOperatorLogo || operatorCode) {
        if (operatorCode) picture.networkCode = operatorCode->toStdString();
        if (picture.networkCode.empty()) {
            printError("Für ein Betreiberlogo fehlt der Netzbetreiber (--operator 26201).");
            return 2;
        }
        message->smartKind = skOperatorLogo;
    } else {
        message->smartKind = skCallerGroupLogo;
    }
    message->picture = picture;
    return send(*message);
}

int sendRingtone(const QStringList& arguments) {
    if (arguments.size() != 2) return usageError(kSmsUsage);
    auto message = messageTo(arguments[0]);
    if (!message) return 1;
    message->smartKind = skRingtone;
    message->ringtoneFile = arguments[1].toStdString();
    return send(*message);
}

}  // namespace

int sms(Session&, const QStringList& arguments) {
    const QString action = arguments.value(0);
    const QStringList rest = arguments.mid(1);
    if (action == "list" && rest.isEmpty()) return listMessages();
    if (action == "read") return readMessage(rest);
    if (action == "delete") return deleteMessage(rest);
    if (action == "send") return sendText(rest);
    if (action == "send-logo") return sendPicture(rest, true);
    if (action == "send-picture") return sendPicture(rest, false);
    if (action == "send-ringtone") return sendRingtone(rest);
    return usageError(kSmsUsage);
}

int smsc(Session&, const QStringList& arguments) {
    if (!arguments.isEmpty()) return usageError("smsc");
    std::string centre = "1";
    const uint8_t result = phonelib::GetSMSCenter(centre);
    if (result != phonelib::stDone) return failed("SMS-Zentrale", result);
    printRecord({centre});
    return 0;
}

}  // namespace cli
