// One-bit pictures and the library's GSMBitmap record.
#pragma once

#include <QImage>
#include <optional>

#include "records/typendefinitionen.h"

namespace corvina {

// The bitmap of the picture with the kind: width, height, size and both the
// row and the stripe data filled, whatever the size (the phones take
// start-up logos from the stripes, everything else from the rows). Nothing
// for an empty picture or one larger than the record holds.
std::optional<GSMBitmap> bitmapFromPicture(const QImage& picture, uint8_t kind);

// The picture a bitmap holds (start-up logos from the stripes), one-bit;
// a null image when it holds none.
QImage pictureFromBitmap(const GSMBitmap& bitmap);

}  // namespace corvina
