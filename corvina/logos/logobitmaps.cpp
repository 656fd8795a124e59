#include "corvina/logos/logobitmaps.h"

#include "codecs/bitmaps/drawbin.h"
#include "codecs/bitmaps/pictureimport.h"

namespace corvina {

std::optional<GSMBitmap> bitmapFromPicture(const QImage& picture, uint8_t kind) {
    GSMBitmap bitmap;
    if (!tools::packbitmap(picture, bitmap)) return std::nullopt;
    bitmap.kind = kind;
    return bitmap;
}

QImage pictureFromBitmap(const GSMBitmap& bitmap) {
    if (bitmap.size <= 0) return {};
    return tools::bitmapimage(bitmap);
}

}  // namespace corvina
