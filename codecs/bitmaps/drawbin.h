// GSMBitmap to a Windows bitmap picture.
#pragma once

#include <QImage>
#include <string>

#include "records/typendefinitionen.h"

namespace tools {

// The picture of the bitmap as a one-bit image of width x height pixels
// (black = 1 bits). Start-up logos (kind 5) are drawn from stripe data, which
// is addressed in full stripes of 8 rows: pixel (x, y) is bit y mod 8 (from
// the least significant) of byte (y div 8) * width + x. All other kinds are
// drawn from row data, pixel (x, y) being bit y * width + x, most significant
// first. Only `size` data bytes count; pixels beyond them are white. A null
// image when width or height is not positive or the picture is absurdly big.
QImage bitmapimage(const GSMBitmap& bitmap);

// Writes bitmapimage() as a one-bit Windows bitmap file. False when there is
// no picture or the file cannot be written.
bool drawbin(const std::string& fileName, const GSMBitmap& bitmap);

// Writes an image as a Windows bitmap file, atomically.
bool savebmp(const std::string& fileName, const QImage& image);

}  // namespace tools
