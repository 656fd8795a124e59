#include "phonelib/drivers/ringtonefile.h"

#include <QFile>
#include <QFileInfo>

#include "codecs/midi/midiconverter.h"
#include "codecs/ringtones/encoderingtone.h"
#include "codecs/ringtones/parseringtone.h"
#include "codecs/tools/localpath.h"
#include "codecs/tools/privatetemp.h"
#include "phonelib/api/status.h"

namespace phonelib {

namespace {

// Notes and title of a ringtone taken from a MIDI file.
constexpr int kMidiNotes = 150;
constexpr const char* kMidiTitle = "Corvina";

// The first line of a text file without its line end.
uint8_t readFirstLine(const std::string& fileName, std::string& line) {
    QFile file(tools::localpath(fileName));
    if (!file.open(QIODevice::ReadOnly)) return stFileCannotOpen;
    QByteArray first = file.readLine();
    if (file.error() != QFileDevice::NoError) return stFileReadError;
    while (first.endsWith('\n') || first.endsWith('\r')) first.chop(1);
    line = first.toStdString();
    return stDone;
}

// The MIDI file as RTTTL text, by way of a temporary file in the user's
// private temporary directory that is removed again.
uint8_t midiToRtttl(const std::string& fileName, std::string& rtttl) {
    if (!QFile(tools::localpath(fileName)).open(QIODevice::ReadOnly)) return stFileCannotOpen;
    const std::string rtttlFile = tools::privatetempfile("~tmprttl.txt");
    if (rtttlFile.empty()) return stFileReadError;
    midiconverter::TConverter converter;
    const auto converted =
        midiconverter::convertmidi(converter, fileName, rtttlFile, kMidiNotes, kMidiTitle, {});
    const uint8_t result =
        converted.ok() ? readFirstLine(rtttlFile, rtttl) : uint8_t{stFileReadError};
    QFile::remove(tools::localpath(rtttlFile));
    return result == stDone ? stDone : stFileReadError;
}

}  // namespace

uint8_t loadRingtoneFile(const std::string& fileName, std::string& hex) {
    const QString extension = QFileInfo(tools::localpath(fileName)).suffix().toUpper();
    std::string rtttl;
    uint8_t loaded = stUnsupportedFile;
    if (extension == "TXT") {
        loaded = readFirstLine(fileName, rtttl);
    } else if (extension == "MID") {
        loaded = midiToRtttl(fileName, rtttl);
    }
    if (loaded != stDone) return loaded;

    ringdecode::TMid melody;
    std::string encoded;
    if (!ringdecode::parseringtone(rtttl, melody).ok() ||
        !ringdecode::encoderingtone(melody, encoded).ok() || encoded.empty()) {
        return stFileReadError;
    }
    hex = std::move(encoded);
    return stDone;
}

}  // namespace phonelib
