#include "codecs/bitmaps/drawbin.h"

#include <QSaveFile>
#include <algorithm>

#include "codecs/tools/hextext.h"
#include "codecs/tools/localpath.h"

namespace tools {
namespace {

constexpr long long kMaxPixels = 16LL * 1024 * 1024;

}  // namespace

QImage bitmapimage(const GSMBitmap& bitmap) {
    const int width = bitmap.width;
    const int height = bitmap.height;
    if (width <= 0 || height <= 0 || static_cast<long long>(width) * height > kMaxPixels) {
        return {};
    }
    const bool stripes = bitmap.kind == bkStartupLogo;
    const auto& data = stripes ? bitmap.stripeData : bitmap.rowData;
    const int bytes = std::clamp(bitmap.size, 0, kBitmapBytes);
    const std::string hex =
        bytestohex(std::string_view(reinterpret_cast<const char*>(data.data()), bytes));
    std::string bits;
    bits.reserve(8 * bytes);
    for (int i = 0; i < bytes; ++i) bits += hextobits(std::string_view(hex).substr(2 * i, 2));

    QImage image(width, height, QImage::Format_Mono);
    image.setColorTable({qRgb(0, 0, 0), qRgb(255, 255, 255)});
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            const long long bit = stripes
                                      ? (static_cast<long long>(y / 8) * width + x) * 8 + 7 - y % 8
                                      : static_cast<long long>(y) * width + x;
            const bool black = bit < static_cast<long long>(bits.size()) && bits[bit] == '1';
            image.setPixel(x, y, black ? 0 : 1);
        }
    }
    return image;
}

bool savebmp(const std::string& fileName, const QImage& image) {
    if (image.isNull()) return false;
    QSaveFile file(localpath(fileName));
    return file.open(QIODevice::WriteOnly) && image.save(&file, "BMP") && file.commit();
}

bool drawbin(const std::string& fileName, const GSMBitmap& bitmap) {
    return savebmp(fileName, bitmapimage(bitmap));
}

}  // namespace tools
