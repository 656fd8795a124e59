// Windows bitmap and JPEG pictures into a GSMBitmap.
#pragma once

#include <QImage>
#include <cstdint>
#include <string>

#include "records/typendefinitionen.h"

namespace tools {

// Pictures of this many data bytes or more keep the bitmap's pixel arrays.
constexpr int kPictureBytesLimit = 750;

// Sets width, height and size from the picture and fills row data (bits in
// row order, first bit most significant) and stripe data (for each stripe of
// 8 rows and each column, the column's pixels of that stripe from the top, as
// one continuous bit stream whose first bit is the least significant; a last,
// partial stripe packs its rows without gaps), by the one-bit rule of
// monochrome(). False, with the bitmap unchanged, for an empty picture or one
// that needs more than the arrays hold.
bool packbitmap(const QImage& picture, GSMBitmap& bitmap);

// Sets width, height and size from the picture and, below the limit, fills
// both arrays as packbitmap() does; larger pictures leave them as they were.
void pictureintobitmap(const QImage& picture, GSMBitmap& bitmap);

// Loads a ".bmp" or ".jpg"/".jpeg" file by its extension into the bitmap and
// makes the file the picture file. 8 when the file cannot be opened, 6 when it
// cannot be decoded (the bitmap is then left as it was), else 1.
uint8_t readpicture(const std::string& fileName, GSMBitmap& bitmap);

// The decoding part of readpicture on the bytes of a BMP or JPEG file: 6
// when they cannot be decoded (the bitmap is then left as it was), else 1.
uint8_t parsepicture(const QByteArray& bytes, bool isBmp, GSMBitmap& bitmap);

}  // namespace tools
