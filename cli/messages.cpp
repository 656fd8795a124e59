// corvina-cli sms and smsc: stored messages, sending text and smart
// messages, the message centre.
//
// Messages are printed as location, folder ("Eingang", "Ausgang" or the
// status number; on phones with folders the folder's name), read state,
// number, date, time and text; tabs, line breaks and backslashes in the
// text are written as \t, \n, \r and \\.
//
// Phones of the 7110 family keep messages in named folders: "sms folders"
// lists them, --folder ID picks one for list, read, delete, copy and move
// (the first folder when it is left out), and "sms copy|move PLATZ ORDNER"
// puts a message into another folder at its first free location. A move
// deletes the original only once the copy is stored.
#include <algorithm>

#include "cli/arguments.h"
#include "cli/commands.h"
#include "cli/models.h"
#include "cli/output.h"
#include "codecs/tools/cp1252.h"
#include "phonelib/api/phonelib.h"
#include "phonelib/api/status.h"

namespace cli {

namespace {

constexpr const char* kSmsUsage =
    "sms folders | sms list [--folder ID] | sms read|delete PLATZ [--folder ID] | "
    "sms copy|move PLATZ ORDNER [--folder ID] | sms send NUMMER TEXT [--flash] [--report] "
    "[--unicode] | "
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

void printMessage(int32_t location, const std::string& folder, const GSMSMS& message) {
    printRecord({std::to_string(location), folder, message.unread ? "ungelesen" : "gelesen",
                 message.remoteNumber, message.date, message.time, escaped(message.text)});
}

int noFolders() {
    printError("Dieses Telefon hat keine Nachrichtenordner.");
    return 1;
}

// The folders of a phone of the 7110 family; nothing (and a message) when
// the phone does not tell them.
std::optional<tsmsinfo> phoneFolders() {
    tsmsinfo info;
    const uint8_t result = phonelib::getsmsinfos(info);
    if (result != phonelib::stDone) {
        failed("Die Nachrichtenordner sind nicht zu erfahren", result);
        return std::nullopt;
    }
    if (info.folderCount <= 0) {
        printError("Das Telefon nennt keine Nachrichtenordner.");
        return std::nullopt;
    }
    return info;
}

const tsmsfolder* folderWithId(const tsmsinfo& info, int32_t id) {
    const auto* begin = info.folders.data();
    const auto* end = begin + std::min(info.folderCount, static_cast<int32_t>(kMaxFolders));
    const auto* folder =
        std::find_if(begin, end, [&](const tsmsfolder& f) { return f.folderId == id; });
    if (folder == end) {
        printError("Einen Ordner " + std::to_string(id) + " hat das Telefon nicht.");
        return nullptr;
    }
    return folder;
}

// The folder that --folder names, or the first one.
const tsmsfolder* chosenFolder(const tsmsinfo& info, const std::optional<QString>& option) {
    if (!option) return info.folders.data();
    const auto id = numberArgument(*option, "Die Ordnernummer", 0, 255);
    return id ? folderWithId(info, *id) : nullptr;
}

int listFolders() {
    if (!foldersAndNotesOf7110()) return noFolders();
    const auto info = phoneFolders();
    if (!info) return 1;
    for (int32_t i = 0; i < info->folderCount && i < kMaxFolders; ++i) {
        const tsmsfolder& folder = info->folders[static_cast<size_t>(i)];
        printRecord({std::to_string(folder.folderId), folder.folderName,
                     std::to_string(folder.messageCount)});
    }
    return 0;
}

int listFolder(const tsmsfolder& folder) {
    const int32_t count = std::min(folder.messageCount, static_cast<int32_t>(kFolderLocations));
    std::optional<int32_t> lastDone;
    for (int32_t i = 0; i < count; ++i) {
        const int32_t location = folder.locations[static_cast<size_t>(i)];
        GSMSMS message;
        const uint8_t result =
            phonelib::GetSMS(static_cast<uint8_t>(folder.folderId), location, message);
        if (result == phonelib::stNotConnected) return linkLost(lastDone, location);
        lastDone = location;
        if (result == phonelib::stEmptyLocation) continue;
        if (result != phonelib::stDone) {
            return failed(folder.folderName + ", Platz " + std::to_string(location), result);
        }
        printMessage(location, folder.folderName, message);
    }
    return 0;
}

int listMessages(QStringList arguments) {
    const auto option = takeOption(arguments, "--folder");
    if (!arguments.isEmpty()) return usageError(kSmsUsage);
    if (foldersAndNotesOf7110()) {
        const auto info = phoneFolders();
        if (!info) return 1;
        if (option) {
            const tsmsfolder* folder = chosenFolder(*info, option);
            return folder ? listFolder(*folder) : 2;
        }
        for (int32_t i = 0; i < info->folderCount && i < kMaxFolders; ++i) {
            if (const int error = listFolder(info->folders[static_cast<size_t>(i)])) return error;
        }
        return 0;
    }
    if (option) return noFolders();
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
        printMessage(location, folderOf(message.status), message);
    }
}

// Where a command finds its message: the folder (id and name) and location.
struct Place {
    uint8_t folder = 0;
    std::string folderName;
    int32_t location = 0;
};

// The location argument and the --folder option of read, delete, copy and
// move; nothing (after a message, with the exit status in `exitCode`) when
// they do not fit or the phone does not tell its folders.
std::optional<Place> placeOf(QStringList& arguments, std::optional<tsmsinfo>& folders,
                             int& exitCode) {
    const auto option = takeOption(arguments, "--folder");
    const bool withFolders = foldersAndNotesOf7110();
    const auto location = wholeNumber(arguments.value(0), 1, highestLocation(withFolders));
    exitCode = 2;
    if (!location) {
        usageError(kSmsUsage);
        return std::nullopt;
    }
    if (!withFolders) {
        if (option) {
            exitCode = noFolders();
            return std::nullopt;
        }
        return Place{0, {}, *location};
    }
    folders = phoneFolders();
    if (!folders) {
        exitCode = 1;
        return std::nullopt;
    }
    const tsmsfolder* folder = chosenFolder(*folders, option);
    if (!folder) return std::nullopt;
    return Place{static_cast<uint8_t>(folder->folderId), folder->folderName, *location};
}

int readMessage(QStringList arguments) {
    std::optional<tsmsinfo> folders;
    int exitCode = 0;
    const auto place = placeOf(arguments, folders, exitCode);
    if (!place) return exitCode;
    if (arguments.size() != 1) return usageError(kSmsUsage);
    GSMSMS message;
    const uint8_t result = phonelib::GetSMS(place->folder, place->location, message);
    if (result != phonelib::stDone) return failed("Platz " + arguments[0].toStdString(), result);
    printMessage(place->location, folders ? place->folderName : folderOf(message.status), message);
    return 0;
}

int deleteMessage(QStringList arguments) {
    std::optional<tsmsinfo> folders;
    int exitCode = 0;
    const auto place = placeOf(arguments, folders, exitCode);
    if (!place) return exitCode;
    if (arguments.size() != 1) return usageError(kSmsUsage);
    const uint8_t result = phonelib::deletesms(place->folder, place->location);
    if (result != phonelib::stDone) return failed("Nicht gelöscht", result);
    return 0;
}

int32_t firstFreeLocation(const tsmsfolder& folder) {
    const auto* begin = folder.locations.data();
    const auto* end = begin + std::min(folder.messageCount, static_cast<int32_t>(kFolderLocations));
    int32_t location = 1;
    while (std::find(begin, end, location) != end) ++location;
    return location;
}

// Copies a message into another folder as the phone stores it; a move then
// deletes the original.
int copyMessage(QStringList arguments, bool move) {
    if (!foldersAndNotesOf7110()) return noFolders();
    std::optional<tsmsinfo> folders;
    int exitCode = 0;
    const auto place = placeOf(arguments, folders, exitCode);
    if (!place) return exitCode;
    if (arguments.size() != 2) return usageError(kSmsUsage);
    const auto targetId = numberArgument(arguments[1], "Die Ordnernummer", 0, 255);
    if (!targetId) return 2;
    const tsmsfolder* target = folderWithId(*folders, *targetId);
    if (!target) return 2;
    if (target->folderId == place->folder) {
        printError("Die Nachricht liegt schon in diesem Ordner.");
        return 2;
    }
    GSMSMS message;
    uint8_t result = phonelib::GetSMS(place->folder, place->location, message);
    if (result != phonelib::stDone) return failed("Platz " + arguments[0].toStdString(), result);
    if (message.storedBodyLength <= 0) {
        printError(
            "Die Nachricht ist länger, als das Programm sie unverändert kopieren kann; "
            "sie bleibt, wo sie ist.");
        return 1;
    }
    const int32_t location = firstFreeLocation(*target);
    result = phonelib::writesms(static_cast<uint8_t>(target->folderId), location, message);
    if (result != phonelib::stDone) return failed("Nicht kopiert", result);
    if (move) {
        result = phonelib::deletesms(place->folder, place->location);
        if (result != phonelib::stDone) {
            return failed("Kopiert nach " + target->folderName + ", Platz " +
                              std::to_string(location) + ", aber das Original nicht gelöscht",
                          result);
        }
    }
    printRecord({cp1252(move ? "Nachricht verschoben" : "Nachricht kopiert"), target->folderName,
                 std::to_string(location)});
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
    const bool unicode = takeFlag(arguments, "--unicode");
    if (arguments.size() != 2) return usageError(kSmsUsage);
    auto message = messageTo(arguments[0]);
    if (!message) return 1;
    // A long text goes as one concatenated message; with --unicode a text
    // the GSM alphabet lacks goes as UCS-2.
    message->text = tools::toCp1252(arguments[1]);
    if (unicode) message->utf8Text = arguments[1].toStdString();
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
    if (action == "folders" && rest.isEmpty()) return listFolders();
    if (action == "list") return listMessages(rest);
    if (action == "read") return readMessage(rest);
    if (action == "delete") return deleteMessage(rest);
    if (action == "copy" || action == "move") return copyMessage(rest, action == "move");
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
