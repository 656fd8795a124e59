// Pictures for tests: every byte differs from its neighbours, so a shifted
// or cut picture shows.
#pragma once

#include "records/typendefinitionen.h"

namespace testing_support {

// Row data 0, 1, 2, …; stripe data 255, 254, …
inline GSMBitmap patternedBitmap(uint8_t kind, int width, int height) {
    GSMBitmap bitmap;
    bitmap.kind = kind;
    bitmap.width = width;
    bitmap.height = height;
    bitmap.size = (width * height + 7) / 8;
    for (int i = 0; i < bitmap.size; ++i) {
        bitmap.rowData[i] = static_cast<uint8_t>(i);
        bitmap.stripeData[i] = static_cast<uint8_t>(0xFF - i);
    }
    return bitmap;
}

}  // namespace testing_support
