#include "codecs/bitmaps/logofile.h"

#include <QFile>
#include <cctype>
#include <cstdio>

#include "codecs/bitmaps/drawbin.h"
#include "codecs/bitmaps/pictureimport.h"
#include "codecs/tools/filebytes.h"
#include "codecs/tools/localpath.h"
#include "codecs/tools/privatetemp.h"

namespace tools {
namespace {

constexpr size_t kNolHeader = 20;
constexpr size_t kNggHeader = 16;
// Enough bytes for the largest logo file this reader accepts.
constexpr long long kMaxLogoFileBytes = kNolHeader + 8 * kBitmapBytes;

int dataBytes(int width, int height) {
    return (width * height + 7) / 8;
}

// "26201" from country code 262 and network code 1; empty for 0 and 0.
std::string operatorCode(unsigned country, unsigned network) {
    if (country == 0 && network == 0) return {};
    char text[16];
    std::snprintf(text, sizeof text, "%03u%02u", country, network);
    return text;
}

// Country code (first three digits) and network code (the rest) of an
// operator code of five or six digits; 0 and 0 for anything else.
std::pair<unsigned, unsigned> codeNumbers(const std::string& code) {
    if (code.size() < 5 || code.size() > 6 ||
        code.find_first_not_of("0123456789") != std::string::npos) {
        return {0, 0};
    }
    return {static_cast<unsigned>(std::stoi(code.substr(0, 3))),
            static_cast<unsigned>(std::stoi(code.substr(3)))};
}

bool hasPictureExtension(const std::string& fileName) {
    const size_t dot = fileName.rfind('.');
    if (dot == std::string::npos || fileName.find('/', dot) != std::string::npos) return false;
    std::string extension = fileName.substr(dot);
    for (char& c : extension) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    return extension == ".BMP" || extension == ".JPG" || extension == ".JPEG";
}

}  // namespace

uint8_t parselogofile(std::string_view bytes, GSMBitmap& bitmap) {
    if (bytes.size() < 9) return lfReadFailed;
    const std::string_view head = bytes.substr(0, 9);
    const bool nol = head.find("NOL") != std::string_view::npos;
    if (!nol && head.find("NGG") == std::string_view::npos) return lfNotALogo;
    const size_t header = nol ? kNolHeader : kNggHeader;
    if (bytes.size() < header) return lfReadFailed;
    const auto byteAt = [&](size_t i) { return static_cast<unsigned char>(bytes[i]); };

    const int width = byteAt(nol ? 10 : 6);
    const int height = byteAt(nol ? 12 : 8);
    const int size = dataBytes(width, height);
    if (size == 0 || size > kBitmapBytes || bytes.size() < header + 8 * static_cast<size_t>(size)) {
        return lfReadFailed;
    }
    for (int i = 0; i < size; ++i) {
        uint8_t value = 0;
        for (int k = 0; k < 8; ++k) {
            if (bytes[header + 8 * i + k] != '0') value |= 0x80 >> k;
        }
        bitmap.rowData[i] = value;
    }
    bitmap.kind = nol ? bkOperatorLogo : bkCallerGroupLogo;
    bitmap.width = width;
    bitmap.height = height;
    bitmap.size = size;
    if (nol) {
        bitmap.networkCode = operatorCode(byteAt(6) | byteAt(7) << 8, byteAt(8) | byteAt(9) << 8);
    }
    return lfRead;
}

uint8_t readgsmbitmap(const std::string& fileName, GSMBitmap& bitmap) {
    if (hasPictureExtension(fileName)) return readpicture(fileName, bitmap);

    QFile file(localpath(fileName));
    if (!file.open(QIODevice::ReadOnly)) return lfCannotOpen;
    const QByteArray bytes = file.read(kMaxLogoFileBytes);
    if (file.error() != QFileDevice::NoError) return lfReadFailed;

    GSMBitmap read = bitmap;
    const uint8_t result = parselogofile(std::string_view(bytes.constData(), bytes.size()), read);
    if (result != lfRead) return result;
    read.pictureFile = privatetempfile("~bmptmp.bmp");
    if (read.pictureFile.empty() || !drawbin(read.pictureFile, read)) return lfReadFailed;
    bitmap = read;
    return lfRead;
}

std::optional<std::string> nolbytes(const GSMBitmap& bitmap) {
    if (bitmap.width <= 0 || bitmap.height <= 0 || bitmap.width > 255 || bitmap.height > 255 ||
        bitmap.size != dataBytes(bitmap.width, bitmap.height) || bitmap.size > kBitmapBytes) {
        return std::nullopt;
    }
    const auto [country, network] = codeNumbers(bitmap.networkCode);
    std::string file = std::string("NOL\x00\x01\x00", 6);
    for (unsigned value : {country, network, static_cast<unsigned>(bitmap.width),
                           static_cast<unsigned>(bitmap.height)}) {
        file += static_cast<char>(value & 0xFF);
        file += static_cast<char>(value >> 8);
    }
    file += std::string("\x01\x00\x01\x00\x53\x00", 6);
    for (int i = 0; i < bitmap.size; ++i) {
        for (int k = 0; k < 8; ++k) file += bitmap.rowData[i] & (0x80 >> k) ? '1' : '0';
    }
    return file;
}

bool savenol(const std::string& fileName, const GSMBitmap& bitmap) {
    const std::optional<std::string> bytes = nolbytes(bitmap);
    return bytes && writefileatomically(fileName, *bytes);
}

}  // namespace tools
