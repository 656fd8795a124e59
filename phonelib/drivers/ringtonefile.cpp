#include "phonelib/drivers/ringtonefile.h"

#include <QFile>
#include <QFileInfo>
#include <QTemporaryFile>
#include <memory>
#include <optional>

#include "codecs/midi/midiconverter.h"
#include "codecs/midi/tmidi.h"
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

// Which kind of ringtone file it is, or why it cannot be taken: the
// extension, then whether the file opens.
std::optional<RingtoneBytes> checkFile(const std::string& fileName, bool& text) {
    text = hasExtension(fileName, ".txt");
    if (!text && !hasExtension(fileName, ".mid")) {
        return failed(stUnsupportedFile,
                      "Nur Klingeltöne als .txt (RTTTL) oder .mid werden "
                      "unterstützt: " +
                          fileName);
    }
    QFile file(tools::localpath(fileName));
    if (!file.open(QIODevice::ReadOnly)) {
        return failed(stCannotOpen, "Datei " + fileName + " kann nicht geöffnet werden!");
    }
    return std::nullopt;
}

// A file of the private temporary directory with a unique name, removed
// when the object goes.
std::unique_ptr<QTemporaryFile> privateTemporaryFile(const char* pattern, std::string& message) {
    const std::string directory = tools::privatetempdir();
    if (directory.empty()) {
        message = "Das temporäre Verzeichnis kann nicht angelegt werden!";
        return nullptr;
    }
    auto file = std::make_unique<QTemporaryFile>(tools::localpath(directory + "/" + pattern));
    if (!file->open()) {
        message = "Die temporäre Datei kann nicht angelegt werden!";
        return nullptr;
    }
    file->close();
    return file;
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
    const auto textFile = privateTemporaryFile("~tmprttl-XXXXXX.txt", message);
    if (!textFile) return std::nullopt;
    const std::string textName = tools::localname(textFile->fileName());
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
    bool text = false;
    if (auto refused = checkFile(fileName, text)) {
        return {refused->status, {}, std::move(refused->message)};
    }
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

MidiObject loadmidiobject(const std::string& fileName, long long maxBytes) {
    bool text = false;
    if (auto refused = checkFile(fileName, text)) {
        return {refused->status, {}, std::move(refused->message)};
    }
    const std::string unreadable = "Datei " + fileName + " kann nicht gelesen werden!";
    if (text) {
        const auto rtttl = tools::readfirstline(fileName);
        if (!rtttl) return {stFileUnreadable, {}, unreadable};
        midi::TMidi melody;
        std::vector<midi::TNote> notes;
        const tools::Outcome parsed = melody.parsertttl(*rtttl, notes);
        if (!parsed.ok()) return {stFileUnreadable, {}, parsed.message};
        return {stDone, melody.midibytes(notes), {}};
    }
    std::string message;
    const auto textFile = privateTemporaryFile("~tmprttl-XXXXXX.txt", message);
    if (!textFile) return {stFileUnreadable, {}, message};
    midiconverter::TConverter converter;
    const tools::Outcome outcome =
        midiconverter::convertmidi(converter, fileName, tools::localname(textFile->fileName()),
                                   kMidiRingtoneNotes, kMidiRingtoneTitle, {});
    if (!outcome.ok()) return {stFileUnreadable, {}, outcome.message};
    // Several tracks or channels: the converter rendered the one it took.
    const std::string& midiFile =
        converter.renderedMidiFile.empty() ? fileName : converter.renderedMidiFile;
    if (QFileInfo(tools::localpath(midiFile)).size() > maxBytes) {
        return {stTooLong, {}, "Die Midi-Datei ist zu groß für das Telefon: " + fileName};
    }
    auto bytes = tools::readfilebytes(midiFile, maxBytes);
    if (!bytes) return {stFileUnreadable, {}, unreadable};
    return {stDone, std::move(*bytes), {}};
}

}  // namespace phonelib
