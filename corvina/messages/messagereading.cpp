#include "corvina/messages/messagereading.h"

#include <algorithm>

#include "codecs/tools/cp1252.h"
#include "corvina/language/language.h"
#include "phonelib/api/status.h"

namespace corvina {

namespace {

constexpr uint8_t kNokiaEnd = phonelib::stNoSuchLocation;
constexpr uint8_t kSiemensEnd = phonelib::stInvalidIndex;

}  // namespace

QString readResultText(uint8_t result) {
    switch (result) {
        case phonelib::stNoAnswer:
            return tx("sms2_10", "das Telefon antwortet nicht");
        case phonelib::stNotConnected:
            return tx("sms2_11", "die Verbindung ist getrennt");
        case phonelib::stNotAvailable:
            return tx("sms2_12", "das Telefon bietet das nicht an");
        default:
            return tx("sms2_13", "Fehler %1").arg(int{result});
    }
}

MessageReading::MessageReading(MessageCalls calls, uint8_t modelNumber, QString inbox,
                               QString outbox)
    : calls_(std::move(calls)),
      family_(messageFamilyOf(modelNumber)),
      inbox_(std::move(inbox)),
      outbox_(std::move(outbox)) {}

ReadState MessageReading::finish(ReadState state) {
    state_ = state;
    if (foldersRead_) store_.sortNewestFirst();
    return state_;
}

ReadState MessageReading::step() {
    if (state_ != ReadState::Running) return state_;
    busy_ = false;
    if (linkLost_) return finish(ReadState::LinkLost);
    if (cancelled_) return finish(ReadState::Cancelled);
    if (!foldersRead_) {
        tsmsinfo info;
        const uint8_t result = calls_.folders(info);
        if (result == phonelib::stCallInProgress) {
            busy_ = true;
            return state_;
        }
        if (result != phonelib::stDone) {
            stopResult_ = result;
            return finish(ReadState::Failed);
        }
        store_.setFolders(info);
        foldersRead_ = true;
        if (family_ == MessageFamily::FolderPhone && !nextListed()) return finish(ReadState::Done);
        return state_;
    }
    return family_ == MessageFamily::FolderPhone ? readFolder() : readLocation();
}

ReadState MessageReading::readLocation() {
    GSMSMS message;
    const uint8_t result = calls_.read(0, location_, message);
    if (result == phonelib::stCallInProgress) {
        busy_ = true;
        return state_;
    }
    if (result == phonelib::stDone) {
        const QString name = message.status == 0   ? inbox_
                             : message.status == 2 ? outbox_
                                                   : QStringLiteral("...");
        message.location = location_;
        store_.add({message, 0, location_, name});
        dots_ = dots_ >= 5 ? 0 : dots_ + 1;
    } else if (result == phonelib::stEmptyLocation) {
        // nothing stored here
    } else if (result == (family_ == MessageFamily::Siemens ? kSiemensEnd : kNokiaEnd)) {
        return finish(ReadState::Done);
    } else {
        stoppedAt_ = location_;
        stopResult_ = result;
        return finish(result == phonelib::stNotConnected ? ReadState::LinkLost
                                                         : ReadState::Incomplete);
    }
    ++location_;
    return state_;
}

// Moves to the next listed location; false when every folder is done.
bool MessageReading::nextListed() {
    const tsmsinfo& info = store_.folders();
    const int folders = std::clamp(info.folderCount, 0, kMaxFolders);
    while (folder_ < folders) {
        const int count = std::clamp(info.folders[static_cast<size_t>(folder_)].messageCount, 0,
                                     kFolderLocations);
        if (listed_ < count) return true;
        ++folder_;
        listed_ = 0;
    }
    return false;
}

ReadState MessageReading::readFolder() {
    const tsmsfolder& f = store_.folders().folders[static_cast<size_t>(folder_)];
    const int location = f.locations[static_cast<size_t>(listed_)];
    GSMSMS message;
    const uint8_t result = calls_.read(static_cast<uint8_t>(f.folderId), location, message);
    if (result == phonelib::stCallInProgress) {
        busy_ = true;
        return state_;
    }
    if (result != phonelib::stDone) {
        stoppedAt_ = location;
        stoppedFolder_ = tools::fromCp1252(f.folderName);
        stopResult_ = result;
        return finish(result == phonelib::stNotConnected ? ReadState::LinkLost
                                                         : ReadState::Incomplete);
    }
    message.location = location;
    store_.add({message, f.folderId, location, tools::fromCp1252(f.folderName)});
    ++listed_;
    if (!nextListed()) return finish(ReadState::Done);
    return state_;
}

QString MessageReading::progressText() const {
    if (family_ != MessageFamily::FolderPhone) return QString(dots_, QLatin1Char('.'));
    const tsmsinfo& info = store_.folders();
    const int folders = std::clamp(info.folderCount, 0, kMaxFolders);
    if (folder_ >= folders) return QString();
    const int count = info.folders[static_cast<size_t>(folder_)].messageCount;
    return tx("sms3_50", "Ordner:  ") + QStringLiteral("%1 / %2").arg(folder_ + 1).arg(folders) +
           QLatin1Char('\n') + tx("sms3_51", "Nr.: ") +
           QStringLiteral("%1 / %2").arg(listed_ + 1).arg(count);
}

QString MessageReading::summary() const {
    const QString read = tx("sms2_14", "%1 Nachrichten gelesen.").arg(store_.count());
    switch (state_) {
        case ReadState::Done:
            return read;
        case ReadState::Failed:
            return tx("sms2_15",
                      "Die Ordner des Telefons konnten nicht gelesen werden (%1); "
                      "die Liste zeigt weiter den letzten Stand.")
                .arg(readResultText(stopResult_));
        case ReadState::Incomplete: {
            const QString where =
                stoppedFolder_.isEmpty()
                    ? tx("sms2_16", "bei Nr. %1").arg(stoppedAt_)
                    : tx("sms2_17", "bei Nr. %1 im Ordner %2").arg(stoppedAt_).arg(stoppedFolder_);
            return read + QLatin1Char('\n') +
                   tx("sms2_18",
                      "Das Lesen endete vorzeitig %1: %2. Weitere Nachrichten "
                      "wurden nicht gelesen.")
                       .arg(where, readResultText(stopResult_));
        }
        case ReadState::LinkLost:
            return read + QLatin1Char('\n') +
                   tx("sms2_19",
                      "Die Verbindung zum Telefon ist abgebrochen; weitere "
                      "Nachrichten wurden nicht gelesen.");
        case ReadState::Cancelled:
            return read + QLatin1Char('\n') +
                   tx("sms2_20", "Abgebrochen; weitere Nachrichten wurden nicht gelesen.");
        case ReadState::Running:
            break;
    }
    return read;
}

}  // namespace corvina
