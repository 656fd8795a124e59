#include "phonelib/drivers/ringtonefile.h"

#include <QFile>
#include <QTemporaryFile>
#include <optional>

#include "codecs/midi/midiconverter.h"
#include "codecs/ringtones/encoderingtone.h"
#include "codecs/ringtones/parseringtone.h"
#include "codecs/tools/filebytes.h"
#include "codecs/tools/hextext.h"
#include "codecs/tools/localpath.h"
#include "codecs/tools/privatetemp.h"
#include "phonelib/api/status.h"

namespace phonelib {

namespace {

bool hasExtension(const std::string& fileName, const char* extension) {
    return tools::localpath(fileName).endsWith(QLatin1String(extension), Qt::CaseInsensitive);
}

RingtoneBytes failed(uint8_t status, std::string message) {
    return {status, {}, std::move(message)};
}

RingtoneBytes fromRtttl(const std::string& rtttl) {
    ringdecode::TMid melody;
    tools::Outcome outcome = ringdecode::parseringtone(rtttl, melody);
    std::string hex;
    if (outcome.ok()) outcome = ringdecode::encoderingtone(melody, hex);
    if (!outcome.ok()) return failed(stFileUnreadable, outcome.message);
    const std::string bytes = tools::hextobytes(hex);
    return {stDone, {bytes.begin(), bytes.end()}, {}};
}

// The first line of the RTTTL text the converter makes of a MIDI file. The
// text goes through a uniquely named file in the private temporary
// directory, removed again at once.
std::optional<std::string> midiAsRtttl(const std::string& fileName, std::string& message) {
    const std::string directory = tools::privatetempdir();
    if (directory.empty()) {
        message = "Das temporäre Verzeichnis kann nicht angelegt werden!";
        return std::nullopt;
    }
    QTemporaryFile textFile(tools::localpath(directory + "/~tmprttl-XXXXXX.txt"));
    if (!textFile.open()) {
        message = "Die temporäre Datei kann nicht angelegt werden!";
        return std::nullopt;
    }
    textFile.close();
    const std::string textName = tools::localname(textFile.fileName());
    midiconverter::TConverter converter;
    const tools::Outcome outcome = midiconverter::convertmidi(
        converter, fileName, textName, kMidiRingtoneNotes, kMidiRingtoneTitle, {});
    if (!outcome.ok()) {
        message = outcome.message;
        return std::nullopt;
    }
    return tools::readfirstline(textName);
}

}  // namespace

RingtoneText loadringtonetext(const std::string& fileName) {
    const bool text = hasExtension(fileName, ".txt");
    if (!text && !hasExtension(fileName, ".mid")) {
        return {stUnsupportedFile,
                {},
                "Nur Klingeltöne als .txt (RTTTL) oder .mid werden unterstützt: " + fileName};
    }
    QFile file(tools::localpath(fileName));
    if (!file.open(QIODevice::ReadOnly)) {
        return {stCannotOpen, {}, "Datei " + fileName + " kann nicht geöffnet werden!"};
    }
    file.close();
    std::string message;
    const std::optional<std::string> rtttl =
        text ? tools::readfirstline(fileName) : midiAsRtttl(fileName, message);
    if (!rtttl) {
        return {stFileUnreadable,
                {},
                message.empty() ? "Datei " + fileName + " kann nicht gelesen werden!" : message};
    }
    return {stDone, *rtttl, {}};
}

RingtoneBytes loadringtone(const std::string& fileName) {
    const RingtoneText text = loadringtonetext(fileName);
    if (text.status != stDone) return failed(text.status, text.message);
    return fromRtttl(text.rtttl);
}

}  // namespace phonelib
