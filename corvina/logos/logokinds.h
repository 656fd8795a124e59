// Logo kinds, logo sizes and fit settings of the logo window and the logo
// editor.
#pragma once

#include <QPoint>
#include <QSize>
#include <QString>
#include <cstdint>

#include "codecs/bitmaps/stretchbmp.h"

namespace corvina {

// The bitmap kinds the logo window sends (GSMBitmap::kind).
enum LogoKind : uint8_t {
    lkOperator = 3,
    lkCallerGroup = 4,
    lkStartup = 5,
    lkPicture = 7,
    lkScreensaver = 8,  // Siemens ME45, C45 and S45
};

// Width x height of a logo of the kind for the phone with the model number.
// Picture messages of the Nokia models are 72 x 28 with the large
// picture-message size of the settings, else 72 x 14.
QSize logoSize(uint8_t modelNumber, uint8_t kind, bool largePictureMessage);

// Whether the phone can take a logo of the kind directly over the cable.
bool kindOffered(uint8_t modelNumber, uint8_t kind);

// How a picture is fitted into the logo size: a mode of stretchbmp (0
// "zentriert", 1 "gestreckt", 2 "proportional", 3 "mittig") with a shift and
// a zoom in pixels.
struct FitSettings {
    uint8_t mode = tools::fmStretched;
    QPoint shift;
    QPoint zoom;

    bool operator==(const FitSettings&) const = default;
};

QString fitModeName(uint8_t mode);
// The next mode of Ctrl+Tab: 0, 1, 2, 3, then 0 again.
uint8_t nextFitMode(uint8_t mode);

// The name of a kind as the editor's type list shows it.
QString kindName(uint8_t kind);

}  // namespace corvina
