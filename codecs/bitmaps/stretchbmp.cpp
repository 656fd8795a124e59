#include "codecs/bitmaps/stretchbmp.h"

#include "codecs/bitmaps/drawbin.h"
#include "codecs/bitmaps/monochrome.h"
#include "codecs/tools/localpath.h"
#include "codecs/tools/privatetemp.h"
#include "codecs/tools/rounding.h"

namespace tools {
namespace {

constexpr int kMaxTarget = 16384;

int rnd(double value) {
    return roundhalfeven(value);
}

StretchRect proportional(double W, double H, double w, double h, double sx, double sy, double zx,
                         double zy, bool keep) {
    if ((w == W && h <= H) || (w <= W && h == H))
        return {0, 0, static_cast<int>(W), static_cast<int>(H)};
    const double hw = h / w;
    const double wh = w / h;
    StretchRect r;
    if (w / W > h / H) {  // the width decides
        r.left = rnd(sx - zx);
        r.right = rnd(sx + zx) + static_cast<int>(W);
        if (keep) {
            r.top = rnd((H - hw * W) / 2) + rnd(sy - hw * zy);
            r.bottom = rnd(rnd(hw * zy + sy) + (hw * W + H) / 2);
        } else {
            r.top = rnd((H - hw * W) / 2) + rnd(sy - zy);
            r.bottom = rnd((hw * W + H) / 2 + sy + zy);
        }
    } else {  // the height decides
        r.left = rnd(rnd(sx - zx) + (W - wh * H) / 2);
        r.right = rnd(rnd(sx + zx) + (wh * H + W) / 2);
        if (keep) {
            r.top = rnd(sy - hw * zy);
            r.bottom = rnd(hw * zy + sy) + static_cast<int>(H);
        } else {
            r.top = rnd(sy - zy);
            r.bottom = static_cast<int>(H) + rnd(sy + zy);
        }
    }
    return r;
}

StretchRect stretched(double W, double H, double w, double h, double sx, double sy, double zx,
                      double zy, bool keep) {
    const double wh = keep ? w / h : 1.0;
    return {rnd(sx - zx), rnd(sy - wh * zy), rnd(sx + zx) + static_cast<int>(W),
            rnd(wh * zy + sy) + static_cast<int>(H)};
}

StretchRect centred(double W, double H, double w, double h, double sx, double sy, double zx,
                    double zy, bool keep) {
    const double hw = keep ? h / w : 1.0;
    return {rnd((W - w) / 2) + rnd(sx - zx), rnd((H - h) / 2) + rnd(sy - hw * zy),
            rnd((w + W) / 2) + rnd(sx + zx), rnd((h + H) / 2) + rnd(hw * zy + sy)};
}

}  // namespace

StretchRect stretchrect(QSize target, QSize picture, uint8_t mode, QPoint shift, QPoint zoom,
                        bool keepProportions) {
    const double W = target.width(), H = target.height();
    const double w = picture.width(), h = picture.height();
    if (w <= 0 || h <= 0) return {0, 0, target.width(), target.height()};
    if (mode == fmAutomatic) mode = (w > W || h > H) ? fmProportional : fmCentred;
    const double sx = shift.x(), sy = shift.y(), zx = zoom.x(), zy = zoom.y();
    switch (mode) {
        case fmCentred:
        case fmMiddle:
            return centred(W, H, w, h, sx, sy, zx, zy, keepProportions);
        case fmProportional:
            return proportional(W, H, w, h, sx, sy, zx, zy, keepProportions);
        default:
            return stretched(W, H, w, h, sx, sy, zx, zy, keepProportions);
    }
}

bool stretchbmp(const std::string& fileName, QSize target, QImage::Format format, uint8_t mode,
                QPoint shift, QPoint zoom, bool keepProportions, QPainter* canvas, QRect offset,
                std::string& resultFile) {
    if (target.width() <= 0 || target.height() <= 0 || target.width() > kMaxTarget ||
        target.height() > kMaxTarget) {
        return false;
    }
    const QImage picture(localpath(fileName));  // a picture that cannot be loaded stays empty
    const StretchRect r = stretchrect(target, picture.size(), mode, shift, zoom, keepProportions);
    const QRect area(r.left, r.top, r.right - r.left, r.bottom - r.top);

    QImage fitted(target, QImage::Format_ARGB32);
    fitted.fill(Qt::white);
    if (!picture.isNull()) {
        QPainter painter(&fitted);
        painter.drawImage(area, picture);
    }
    const bool oneBit = format == QImage::Format_Mono || format == QImage::Format_MonoLSB;
    const QImage result = oneBit ? monochrome(fitted) : fitted.convertToFormat(format);

    if (canvas) {
        canvas->drawImage(area.translated(offset.left(), offset.top()), result);
        return true;
    }
    resultFile = privatetempfile("bmp_stretch.bmp");
    return !resultFile.empty() && savebmp(resultFile, result);
}

}  // namespace tools
