// Logos and ringtones travel as objects (see objects.h): a Windows bitmap as
// "bmp" (index 0 the operator logo, 2 the screensaver), a MIDI file as "mid"
// (index 0).
//
//   AT^SBNR="bmp",<index>        the bitmap's bytes as hex lines
//   AT^SBNW="BMP",<index>,0      delete
#include <QBuffer>
#include <optional>

#include "codecs/bitmaps/drawbin.h"
#include "codecs/bitmaps/logofile.h"
#include "codecs/bitmaps/monochrome.h"
#include "codecs/tools/filebytes.h"
#include "codecs/tools/hextext.h"
#include "codecs/tools/privatetemp.h"
#include "phonelib/api/library.h"
#include "phonelib/drivers/ringtonefile.h"
#include "phonelib/drivers/siemens/atdriver.h"
#include "phonelib/drivers/siemens/objects.h"
#include "phonelib/drivers/siemens/procedures.h"
#include "phonelib/drivers/siemens/replies.h"

namespace phonelib::siemens {

namespace {

constexpr int32_t kReadTicks = 4;
constexpr int32_t kDeleteTicks = 5;
// The most bytes an object of 201 parts of 300 hex characters can carry.
constexpr long long kLargestMediaObject = kObjectParts * kMediaPartLength / 2;

int32_t logoIndex(uint8_t kind) {
    return kind == bkScreensaver ? 2 : 0;
}

// The Windows bitmap the phone takes: the bitmap's picture file when it is
// one; another picture file (a JPEG) in one bit; else the bitmap's own
// picture.
std::optional<std::string> bitmapBytes(const GSMBitmap& bitmap) {
    QImage image;
    if (!bitmap.pictureFile.empty()) {
        auto file = tools::readfilebytes(bitmap.pictureFile, kLargestMediaObject);
        if (file && file->starts_with("BM")) return file;
        if (file) image = tools::monochrome(QImage::fromData(QByteArray::fromStdString(*file)));
    }
    if (image.isNull()) image = tools::bitmapimage(bitmap);
    if (image.isNull()) return std::nullopt;
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    if (!image.save(&buffer, "BMP")) return std::nullopt;
    return bytes.toStdString();
}

uint8_t sendmedia(const std::string& bytes, ObjectKind kind, int32_t index) {
    TENTRY parts;
    if (!splitparts(tools::bytestohex(bytes), kMediaPartLength, kind, parts)) return stTooLong;
    lib().atLines.clear();
    return sendobject(parts, index);
}

}  // namespace

void onLogoRead(const Lines& lines) {
    auto& driver = atdriver();
    if (holdsLine(lines, "ERROR")) {
        driver.logoFlag = errorFlag();
        return;
    }
    driver.objectBytes = tools::hextobytes(objectHex(lines));
    driver.logoFlag = 1;
}

void onLogoWritten(const Lines& lines) {
    atdriver().logoFlag = holdsLine(lines, "ERROR") ? writeErrorFlag() : uint8_t{1};
}

void onRingtoneWritten(const Lines& lines) {
    atdriver().ringtoneFlag = holdsLine(lines, "ERROR") ? writeErrorFlag() : uint8_t{1};
}

uint8_t GetBitmap(GSMBitmap& bitmap) {
    auto& driver = atdriver();
    driver.objectBytes.clear();
    const uint8_t result =
        atcommand(driver.logoFlag,
                  "AT^SBNR=\"bmp\"," + std::to_string(logoIndex(bitmap.kind)) + "\r", kReadTicks);
    if (result != stDone || driver.objectBytes.empty()) return result;
    // The picture file of the bitmap, which the program shows.
    const std::string file = tools::privatetempfile("~tempbmp.bmp");
    if (file.empty() || !tools::writefileatomically(file, driver.objectBytes)) {
        return stFileUnreadable;
    }
    const uint8_t read = tools::readgsmbitmap(file, bitmap);
    return read == tools::lfRead ? stDone : stFileUnreadable;
}

uint8_t Sendbitmap(GSMBitmap& bitmap) {
    const auto bytes = bitmapBytes(bitmap);
    if (!bytes) return stFileUnreadable;
    return sendmedia(*bytes, okBmp, logoIndex(bitmap.kind));
}

uint8_t DeleteLogo(std::string&, uint8_t logoKind) {
    return atcommand(atdriver().logoFlag,
                     "AT^SBNW=\"BMP\"," + std::to_string(logoIndex(logoKind)) + ",0\r",
                     kDeleteTicks);
}

uint8_t SendRingTone(std::string& fileName, uint8_t) {
    const MidiObject midi = loadmidiobject(fileName, kLargestMediaObject);
    if (midi.status != stDone) return midi.status;
    return sendmedia(midi.bytes, okMid, 0);
}

}  // namespace phonelib::siemens
