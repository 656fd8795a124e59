#include "codecs/bitmaps/pictureimport.h"

#include <QBuffer>
#include <QFile>
#include <QImageReader>
#include <vector>

#include "codecs/bitmaps/logofile.h"
#include "codecs/bitmaps/monochrome.h"
#include "codecs/tools/localpath.h"

namespace tools {
namespace {

// Packs a bit stream into bytes; `lsbFirst` puts the first bit of each byte
// into its least significant position.
void pack(const std::vector<bool>& bits, bool lsbFirst, std::array<uint8_t, kBitmapBytes>& out) {
    for (size_t byte = 0; byte * 8 < bits.size(); ++byte) {
        uint8_t value = 0;
        for (size_t k = 0; k < 8 && byte * 8 + k < bits.size(); ++k) {
            if (bits[byte * 8 + k]) value |= lsbFirst ? 1 << k : 0x80 >> k;
        }
        out[byte] = value;
    }
}

}  // namespace

bool packbitmap(const QImage& picture, GSMBitmap& bitmap) {
    const int width = picture.width();
    const int height = picture.height();
    if (width <= 0 || height <= 0 ||
        (static_cast<long long>(width) * height + 7) / 8 > kBitmapBytes) {
        return false;
    }
    const QImage mono = monochrome(picture);
    std::vector<bool> rows, stripes;
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) rows.push_back(isblack(mono, x, y));
    }
    for (int top = 0; top < height; top += 8) {
        for (int x = 0; x < width; ++x) {
            for (int y = top; y < top + 8 && y < height; ++y)
                stripes.push_back(isblack(mono, x, y));
        }
    }
    bitmap.width = width;
    bitmap.height = height;
    bitmap.size = (width * height + 7) / 8;
    pack(rows, false, bitmap.rowData);
    pack(stripes, true, bitmap.stripeData);
    return true;
}

void pictureintobitmap(const QImage& picture, GSMBitmap& bitmap) {
    const int width = picture.width();
    const int height = picture.height();
    const long long size = (static_cast<long long>(width) * height + 7) / 8;
    if (size < kPictureBytesLimit && packbitmap(picture, bitmap)) return;
    bitmap.width = width;
    bitmap.height = height;
    bitmap.size = static_cast<int32_t>(std::min<long long>(size, INT32_MAX));
}

uint8_t readpicture(const std::string& fileName, GSMBitmap& bitmap) {
    const QString path = localpath(fileName);
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return lfCannotOpen;
    const uint8_t result =
        parsepicture(file.readAll(), path.endsWith(".bmp", Qt::CaseInsensitive), bitmap);
    if (result == lfRead) bitmap.pictureFile = fileName;
    return result;
}

uint8_t parsepicture(const QByteArray& bytes, bool isBmp, GSMBitmap& bitmap) {
    QBuffer buffer;
    buffer.setData(bytes);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer, isBmp ? "bmp" : "jpeg");
    const QImage picture = reader.read();
    if (picture.isNull()) return lfReadFailed;
    pictureintobitmap(picture, bitmap);
    return lfRead;
}

}  // namespace tools
