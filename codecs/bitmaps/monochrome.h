// One-bit conversion of pictures for the phones' logos.
#pragma once

#include <QImage>

namespace tools {

// The picture as a one-bit image (QImage::Format_Mono, colour 0 black,
// colour 1 white). A pixel becomes black when its luminance, after blending
// transparent parts onto white, is below half (qGray below 128); every other
// pixel becomes white.
QImage monochrome(const QImage& picture);

// True when pixel (x, y) of a picture made by monochrome() is black.
inline bool isblack(const QImage& mono, int x, int y) {
    return mono.pixelIndex(x, y) == 0;
}

}  // namespace tools
