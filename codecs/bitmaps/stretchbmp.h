// Fitting an arbitrary picture into a logo of the phone's size.
#pragma once

#include <QImage>
#include <QPainter>
#include <QPoint>
#include <QRect>
#include <QSize>
#include <cstdint>
#include <string>

namespace tools {

// Fit modes of stretchbmp: 0 and 3 centred, 1 stretched, 2 proportional,
// 4 automatic (proportional when the picture is wider or higher than the
// target, centred otherwise). Other values stretch.
enum FitMode : uint8_t {
    fmCentred = 0,
    fmStretched = 1,
    fmProportional = 2,
    fmMiddle = 3,
    fmAutomatic = 4,
};

// The rectangle, as left, top, right and bottom edges (right and bottom
// exclusive), into which a picture of size `picture` is stretched inside a
// target of size `target`, moved by `shift` and grown by `zoom` on each side.
// Halves round to even. An empty picture gives the whole target.
struct StretchRect {
    int left = 0, top = 0, right = 0, bottom = 0;
    bool operator==(const StretchRect&) const = default;
};
StretchRect stretchrect(QSize target, QSize picture, uint8_t mode, QPoint shift, QPoint zoom,
                        bool keepProportions);

// Loads the picture file (a file that cannot be loaded counts as an empty
// picture) and stretches it into stretchrect() on a white target of size
// `target`, converted to `format` (one-bit formats by monochrome()). Without a
// canvas the result is saved as "bmp_stretch.bmp" in the private temporary
// directory and its name returned in `resultFile`; with a canvas the target
// picture is stretched into the rectangle moved by the offset's left and top
// on the canvas and no file is written. False for an empty target size or when
// the file cannot be written.
bool stretchbmp(const std::string& fileName, QSize target, QImage::Format format, uint8_t mode,
                QPoint shift, QPoint zoom, bool keepProportions, QPainter* canvas, QRect offset,
                std::string& resultFile);

}  // namespace tools
