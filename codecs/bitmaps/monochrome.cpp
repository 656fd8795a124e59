#include "codecs/bitmaps/monochrome.h"

namespace tools {

QImage monochrome(const QImage& picture) {
    const QImage argb = picture.convertToFormat(QImage::Format_ARGB32);
    QImage mono(argb.size(), QImage::Format_Mono);
    mono.setColorTable({qRgb(0, 0, 0), qRgb(255, 255, 255)});
    for (int y = 0; y < argb.height(); ++y) {
        const auto* line = reinterpret_cast<const QRgb*>(argb.constScanLine(y));
        for (int x = 0; x < argb.width(); ++x) {
            const int alpha = qAlpha(line[x]);
            const int luminance = (qGray(line[x]) * alpha + 255 * (255 - alpha)) / 255;
            mono.setPixel(x, y, luminance < 128 ? 0 : 1);
        }
    }
    return mono;
}

}  // namespace tools
